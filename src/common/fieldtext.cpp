// CField::GetFieldString: the text of a record value by its data type code.
// Zero numbers, zero times and zero dates read as empty text ("no value").
#include "common/field.h"

#include <cmath>
#include <cstdint>

#include "common/cdate.h"
#include "common/chinesenames.h"
#include "common/fieldvalue.h"

using qvfield::ReadValue;

namespace {

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
    if (!IsShowableDouble(value)) {
        if (bTrimZeros)
            AfxMessageBox(L"雙精度浮點數錯誤", MB_OK, 0);
        else
            AfxMessageBox(Formatted(L"雙精度浮點數錯誤 %lf", value), MB_OK, 0);
        return L"******";
    }
    if (value == 0)
        return CString();
    CString text = Formatted(DecimalFormat(nDecimals, true), value);
    if (bTrimZeros && nDecimals > 0) {
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
    switch (t.GetHour()) {
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
    switch (nType) {
    case 5:
        return Formatted(L"%02d:%02d:%02d", t.GetHour(), t.GetMinute(), t.GetSecond());
    case 6:
        return Formatted(L"%02d時%02d分", t.GetHour(), t.GetMinute());
    case 8:
        return CDate::ToDate(t);
    case 9:
        return Formatted(L"%04d%02d%02d %02d時", t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour());
    case 17:
    case 34:
        return CDate::ToDateString(t);
    case 21:
        return CDate::ToChineseString(t);
    case 23:
        return Formatted(L"%04d年%02d月%02d日(%s)", t.GetYear(), t.GetMonth(), t.GetDay(),
                         qvnames::WeekName(t.GetDayOfWeek()));
    case 35:
        return VariableDateText(t);
    }
    return CString();
}

CString StampText(int nType, const TIMESTAMP_STRUCT& s)
{
    switch (nType) {
    case 13:
        return s.year == 0 ? CString() : Formatted(L"%02d:%02d:%02d", s.hour, s.minute, s.second);
    case 14:
        return s.year > 0 ? Formatted(L"%02d/%02d", s.month, s.day) : CString();
    case 15:
        return s.year > 0 ? Formatted(L"%04d/%02d/%02d", s.year, s.month, s.day) : CString();
    case 16:
        return s.year == 0 ? CString()
                           : Formatted(L"%04d/%02d/%02d %02d:%02d:%02d", s.year, s.month, s.day, s.hour,
                                       s.minute, s.second);
    case 18:
        return IsShowableStamp(s) ? Formatted(L"%04d/%02d/%02d", s.year, s.month, s.day) : CString();
    case 19:
        return IsShowableStamp(s) ? Formatted(L"%04d/%02d", s.year, s.month) : CString();
    case 36:
        return CField::ToChinese(s);
    }
    return CString();
}

}  // namespace

CString CField::GetFieldString(char* pValue, int nType, int nFormat)
{
    ASSERT(pValue);
    if (!pValue)
        return CString();
    switch (nType) {
    case 0:
        return CString(reinterpret_cast<const wchar_t*>(pValue));
    case 1:
    case 31: {
        unsigned value = ReadValue<unsigned char>(pValue);
        return value == 0 ? CString() : Formatted(nType == 1 ? L"%02d" : L"%d", value);
    }
    case 2: {
        float value = ReadValue<float>(pValue);
        return value == 0 ? CString() : Formatted(DecimalFormat(nFormat, false), double(value));
    }
    case 3:
    case 20:
        return DoubleText(ReadValue<double>(pValue), nFormat, nType == 20);
    case 7:
        return DurationText(ReadValue<int64_t>(pValue));
    case 10:
        return qvnames::MonthName(CTime(ReadValue<__time64_t>(pValue)).GetMonth());
    case 11:
    case 12:
    case 25: {
        int32_t value = ReadValue<int32_t>(pValue);
        if (value <= 0)
            return CString();
        if (nType == 25)
            return CDate::ToBirthdayString(value);
        return Formatted(nType == 11 ? L"%d" : L"%ld", value);
    }
    case 5:
    case 6:
    case 8:
    case 9:
    case 17:
    case 21:
    case 23:
    case 34:
    case 35: {
        __time64_t t = ReadValue<__time64_t>(pValue);
        if (t < 0 && (nType == 17 || nType == 34)) {
            AfxMessageBox(L"時間錯誤", MB_OK, 0);
            return L"--time--";
        }
        return t > 0 ? PositiveTimeText(nType, CTime(t)) : CString();
    }
    case 13:
    case 14:
    case 15:
    case 16:
    case 18:
    case 19:
    case 36:
        return StampText(nType, ReadValue<TIMESTAMP_STRUCT>(pValue));
    case 29:
        return ReadValue<int32_t>(pValue) == 0 ? L"否" : L"是";
    case 39:
        return *reinterpret_cast<const CString*>(pValue);
    case 157: {
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
    if (day > 19) {
        text += qvnames::DigitName(day / 10 % 10);
        text += L"十";
        day %= 10;
    } else if (day >= 10) {
        text += L"十";
        day -= 10;
    }
    if (day > 0)
        text += qvnames::DigitName(day);
    text += L"日";
    return text;
}
