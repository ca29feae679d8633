// CField::GetFieldString: the text of a record value by its data type code.
// Zero numbers, zero times and zero dates read as empty text ("no value").
#include "common/field.h"

#include <cmath>
#include <cstdint>

#include "common/cdate.h"
#include "common/chinesenames.h"
#include "common/fieldvalue.h"

using qvfield::ReadValue;

namespace
{

const double kDoubleLimit = 1e30;

CString Formatted(const wchar_t* format, ...)
{
    CString text;
    va_list args;
    va_start(args, format);
    text.FormatV(format, args);
    va_end(args);
    return text;
}

// The format of a number with nDecimals decimals, e.g. "%.2lf". Decimals are
// kept within 0 to 99 so that a stray format value cannot ask for a
// malformed or gigantic conversion.
CString DecimalFormat(int nDecimals, bool bDouble)
{
    int decimals = nDecimals < 0 ? 0 : (nDecimals > 99 ? 99 : nDecimals);
    return Formatted(bDouble ? L"%%.%dlf" : L"%%.%df", decimals);
}

// Doubles beyond +-1e30 (and NaN, which is no number to show) are reported.
bool IsShowableDouble(double value)
{
    return std::fabs(value) <= kDoubleLimit;
}

CString DoubleText(double value, int nDecimals, bool bTrimZeros)
{
    if (!IsShowableDouble(value))
    {
        if (bTrimZeros)
            AfxMessageBox(L"雙精度浮點數錯誤", MB_OK, 0);
        else
            AfxMessageBox(Formatted(L"雙精度浮點數錯誤 %lf", value), MB_OK, 0);
        return L"******";
    }
    if (value == 0)
        return CString();
    CString text = Formatted(DecimalFormat(nDecimals, true), value);
    if (bTrimZeros && nDecimals > 0)
    {
        text.TrimRight(L'0');
        text.TrimRight(L'.');
    }
    return text;
}

CString DurationText(int64_t seconds)
{
    if (seconds == 0)
        return CString();
    uint64_t magnitude = seconds < 0 ? 0 - uint64_t(seconds) : uint64_t(seconds);
    unsigned long long hours = magnitude / 3600, minutes = magnitude % 3600 / 60;
    if (seconds < 0)
        return Formatted(L"-(%02llu:%02llu)", hours, minutes);
    return Formatted(L"%02llu:%02llu", hours, minutes);
}

// A stamp fit to show as a date: codes 18 and 19.
bool IsShowableStamp(const TIMESTAMP_STRUCT& s)
{
    return s.hour <= 24 && s.month <= 12 && s.day <= 31 && s.year >= 1900;
}

// Code 35: the hour of the stored time tells how much of the date is meant.
CString VariableDateText(CTime t)
{
    switch (t.GetHour())
    {
    case 4:
        return CDate::GetYearString(t);
    case 6:
        return CDate::GetMonthString(t);
    default:
        return CDate::ToDate(t);
    }
}

// Texts of a time value (seconds since 1970) that show nothing for times <= 0.
CString PositiveTimeText(int nType, CTime t)
{
    switch (nType)
    {
    case FIELD_TIME:
        return Formatted(L"%02d:%02d:%02d", t.GetHour(), t.GetMinute(), t.GetSecond());
    case FIELD_HOURMINUTE:
        return Formatted(L"%02d時%02d分", t.GetHour(), t.GetMinute());
    case FIELD_DATE:
        return CDate::ToDate(t);
    case FIELD_DATEHOUR:
        return Formatted(L"%04d%02d%02d %02d時", t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour());
    case FIELD_DATE_SLASH:
    case FIELD_DATE_SLASH_OUT:
        return CDate::ToDateString(t);
    case FIELD_DATE_CHINESE:
        return CDate::ToChineseString(t);
    case FIELD_DATE_WEEKDAY:
        return Formatted(L"%04d年%02d月%02d日(%s)", t.GetYear(), t.GetMonth(), t.GetDay(),
                         qvnames::WeekName(t.GetDayOfWeek()));
    case FIELD_DATE_VARIABLE:
        return VariableDateText(t);
    }
    return CString();
}

CString StampText(int nType, const TIMESTAMP_STRUCT& s)
{
    switch (nType)
    {
    case FIELD_TS_TIME:
        return s.year == 0 ? CString() : Formatted(L"%02d:%02d:%02d", s.hour, s.minute, s.second);
    case FIELD_TS_MONTHDAY:
        return s.year > 0 ? Formatted(L"%02d/%02d", s.month, s.day) : CString();
    case FIELD_TS_DATE:
        return s.year > 0 ? Formatted(L"%04d/%02d/%02d", s.year, s.month, s.day) : CString();
    case FIELD_TS_DATETIME:
        return s.year == 0
                   ? CString()
                   : Formatted(L"%04d/%02d/%02d %02d:%02d:%02d", s.year, s.month, s.day, s.hour, s.minute, s.second);
    case FIELD_TS_DATE_SLASH:
        return IsShowableStamp(s) ? Formatted(L"%04d/%02d/%02d", s.year, s.month, s.day) : CString();
    case FIELD_TS_YEARMONTH:
        return IsShowableStamp(s) ? Formatted(L"%04d/%02d", s.year, s.month) : CString();
    case FIELD_TS_CHINESE:
        return CField::ToChinese(s);
    }
    return CString();
}

}   // namespace

CString CField::GetFieldString(char* pValue, int nType, int nFormat)
{
    ASSERT(pValue);
    if (!pValue)
        return CString();
    switch (nType)
    {
    case FIELD_TEXT:
        return CString(reinterpret_cast<const wchar_t*>(pValue));
    case FIELD_BYTE2:
    case FIELD_BYTE:
    {
        unsigned value = ReadValue<unsigned char>(pValue);
        return value == 0 ? CString() : Formatted(nType == FIELD_BYTE2 ? L"%02d" : L"%d", value);
    }
    case FIELD_FLOAT:
    {
        float value = ReadValue<float>(pValue);
        return value == 0 ? CString() : Formatted(DecimalFormat(nFormat, false), double(value));
    }
    case FIELD_DOUBLE:
    case FIELD_DOUBLE_TRIM:
        return DoubleText(ReadValue<double>(pValue), nFormat, nType == FIELD_DOUBLE_TRIM);
    case FIELD_DURATION:
        return DurationText(ReadValue<int64_t>(pValue));
    case FIELD_MONTHNAME:
        return qvnames::MonthName(CTime(ReadValue<__time64_t>(pValue)).GetMonth());
    case FIELD_INT:
    case FIELD_LONG:
    case FIELD_YMD_NUMBER:
    {
        int32_t value = ReadValue<int32_t>(pValue);
        if (value <= 0)
            return CString();
        if (nType == FIELD_YMD_NUMBER)
            return CDate::ToBirthdayString(value);
        return Formatted(nType == FIELD_INT ? L"%d" : L"%ld", value);
    }
    case FIELD_TIME:
    case FIELD_HOURMINUTE:
    case FIELD_DATE:
    case FIELD_DATEHOUR:
    case FIELD_DATE_SLASH:
    case FIELD_DATE_CHINESE:
    case FIELD_DATE_WEEKDAY:
    case FIELD_DATE_SLASH_OUT:
    case FIELD_DATE_VARIABLE:
    {
        __time64_t t = ReadValue<__time64_t>(pValue);
        if (t < 0 && (nType == FIELD_DATE_SLASH || nType == FIELD_DATE_SLASH_OUT))
        {
            AfxMessageBox(L"時間錯誤", MB_OK, 0);
            return L"--time--";
        }
        return t > 0 ? PositiveTimeText(nType, CTime(t)) : CString();
    }
    case FIELD_TS_TIME:
    case FIELD_TS_MONTHDAY:
    case FIELD_TS_DATE:
    case FIELD_TS_DATETIME:
    case FIELD_TS_DATE_SLASH:
    case FIELD_TS_YEARMONTH:
    case FIELD_TS_CHINESE:
        return StampText(nType, ReadValue<TIMESTAMP_STRUCT>(pValue));
    case FIELD_YESNO:
        return ReadValue<int32_t>(pValue) == 0 ? L"否" : L"是";
    case FIELD_CSTRING:
        return *reinterpret_cast<const CString*>(pValue);
    case FIELD_FLAG_BIT:
    {
        uint32_t word = ReadValue<uint32_t>(pValue);
        // A bit number outside the word names no bit: it reads as clear.
        bool bSet = nFormat >= 0 && nFormat < 32 && (word >> nFormat & 1u);
        return bSet ? L"1" : L"0";
    }
    }
    AfxMessageBox(Formatted(L"不認識的數據類型 %d", nType), MB_OK, 0);
    return CString();
}

CString CField::ToChinese(const TIMESTAMP_STRUCT& stamp)
{
    if (stamp.year == 0)
        return CString();
    CString text;
    int year = stamp.year < 0 ? -stamp.year : stamp.year;
    for (int divisor = 1000; divisor > 0; divisor /= 10)
        text += qvnames::DigitName(year / divisor % 10);
    text += L"年";
    text += qvnames::MonthName(stamp.month);
    text += L"月";
    int day = stamp.day;
    if (day > 19)
    {
        text += qvnames::DigitName(day / 10 % 10);
        text += L"十";
        day %= 10;
    }
    else if (day >= 10)
    {
        text += L"十";
        day -= 10;
    }
    if (day > 0)
        text += qvnames::DigitName(day);
    text += L"日";
    return text;
}
