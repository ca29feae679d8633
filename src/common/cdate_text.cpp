// CDate: the fixed text forms of a date.
#include "common/cdate.h"

namespace
{

const wchar_t* EnglishMonth(int month)
{
    static const wchar_t* const kMonths[12] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                               L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
    return month >= 1 && month <= 12 ? kMonths[month - 1] : L"";
}

CString FormatYmd(const wchar_t* format, int year, int month, int day)
{
    CString text;
    text.Format(format, year, month, day);
    return text;
}

}   // namespace

CString CDate::Today()
{
    CTime now = CTime::GetCurrentTime();
    return FormatYmd(L"%4d%02d%02d", now.GetYear(), now.GetMonth(), now.GetDay());
}

int CDate::ThisYear()
{
    return CTime::GetCurrentTime().GetYear();
}

CString CDate::GetYearString(CTime t)
{
    CString text;
    text.Format(L"%04d", t.GetYear());
    return text;
}

CString CDate::GetMonthString(CTime t)
{
    CString text;
    text.Format(L"%04d%02d", t.GetYear(), t.GetMonth());
    return text;
}

CString CDate::ToDate(CTime t)
{
    return FormatYmd(L"%04d%02d%02d", t.GetYear(), t.GetMonth(), t.GetDay());
}

CString CDate::ToDateString(CTime t)
{
    return FormatYmd(L"%04d/%02d/%02d", t.GetYear(), t.GetMonth(), t.GetDay());
}

CString CDate::ToChineseString(CTime t)
{
    return FormatYmd(L"%04d年%02d月%02d日", t.GetYear(), t.GetMonth(), t.GetDay());
}

CString CDate::ToChineseString(const COleDateTime& t)
{
    return FormatYmd(L"%04d年%02d月%02d日", t.GetYear(), t.GetMonth(), t.GetDay());
}

CString CDate::ToChineseYear2HourString(CTime t)
{
    CString text;
    text.Format(L"%04d年%02d月%02d日%02d時", t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour());
    return text;
}

CString CDate::ToEnglishString(const CTime& t)
{
    CString text;
    text.Format(L"%s %d %d", EnglishMonth(t.GetMonth()), t.GetDay(), t.GetYear());
    return text;
}

CString CDate::ToBirthdayString(long nBirth)
{
    if (nBirth <= 0)
        return CString();
    return FormatYmd(L"%04d/%02d/%02d", int(nBirth / 10000), int(nBirth % 10000 / 100), int(nBirth % 100));
}

CString CDate::TS2DateString(const TIMESTAMP_STRUCT* pStamp)
{
    if (!pStamp)
        return CString();
    return FormatYmd(L"%4d/%d/%d", pStamp->year, pStamp->month, pStamp->day);
}

CString CDate::DayBefore(CTime)
{
    return CString();
}
