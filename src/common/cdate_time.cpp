// CDate: building times from their parts and moving them within the calendar.
// Every time is built through CTime in the local zone, so a move across a
// change of clock lands on the wall-clock hour asked for.
#include "common/cdate.h"

#include "afx.h"
#include "common/calendar.h"
#include "common/datescan.h"

namespace
{

CTime AtHour(CTime t, int hour)
{
    return CTime(t.GetYear(), t.GetMonth(), t.GetDay(), hour, 0, 0);
}

// CTime gives -1 for parts it cannot build (before 1970 UTC, after 3000).
bool IsBuilt(CTime t)
{
    return t.GetTime() >= 0;
}

}   // namespace

CTime CDate::ZeroHour(CTime t)
{
    return t.GetTime() == 0 ? t : AtHour(t, 0);
}

CTime CDate::NoonHour(CTime t)
{
    return AtHour(t, 12);
}
CTime CDate::NoonHour(__int64 t)
{
    return AtHour(CTime(t), 12);
}
CTime CDate::EightHour(CTime t)
{
    return AtHour(t, 8);
}
CTime CDate::SevenHour(CTime t)
{
    return AtHour(t, 7);
}
CTime CDate::GetDate(CTime t)
{
    return AtHour(t, 0);
}

CTime CDate::NextMonth(CTime t)
{
    int year = t.GetYear(), month = t.GetMonth() + 1;
    if (month > 12)
    {
        month = 1;
        ++year;
    }
    return CTime(year, month, 1, 0, 0, 0);
}

CTime CDate::LastMonth(CTime t)
{
    int year = t.GetYear(), month = t.GetMonth() - 1;
    if (month < 1)
    {
        month = 12;
        --year;
    }
    CTime first = year >= 1970 ? CTime(year, month, 1, 0, 0, 0) : CTime(-1);
    // 1 January 1970 at 00:00 local lies before the epoch east of Greenwich.
    if (!IsBuilt(first))
    {
        AfxMessageBox(L"月份設定錯誤", MB_OK, 0);
        return t;
    }
    return first;
}

CTime CDate::ToCTime(const COleDateTime& t)
{
    return CTime(t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour(), t.GetMinute(), t.GetSecond());
}

CTime CDate::ToCTimeDay(const COleDateTime& t)
{
    return CTime(t.GetYear(), t.GetMonth(), t.GetDay(), 0, 0, 0);
}

void CDate::TimeToTimeStamp(const CTime& t, TIMESTAMP_STRUCT* pStamp)
{
    ASSERT(pStamp);
    if (!pStamp)
        return;
    pStamp->year = SQLSMALLINT(t.GetYear());
    pStamp->month = SQLUSMALLINT(t.GetMonth());
    pStamp->day = SQLUSMALLINT(t.GetDay());
    pStamp->hour = SQLUSMALLINT(t.GetHour());
    pStamp->minute = SQLUSMALLINT(t.GetMinute());
    pStamp->second = SQLUSMALLINT(t.GetSecond());
}

int CDate::OleToTimeStamp(const COleDateTime& t, TIMESTAMP_STRUCT* pStamp)
{
    ASSERT(pStamp);
    if (!pStamp)
        return 1;
    pStamp->year = SQLSMALLINT(t.GetYear());
    pStamp->month = SQLUSMALLINT(t.GetMonth());
    pStamp->day = SQLUSMALLINT(t.GetDay());
    return 1;
}

int CDate::String2TS(const CString& text, TIMESTAMP_STRUCT* pStamp)
{
    ASSERT(pStamp);
    if (!pStamp)
        return 1;
    const wchar_t* s = text.GetString();
    int first = qvscan::FindChar(s, L'/', 0);
    int second = first < 0 ? -1 : qvscan::FindChar(s, L'/', first + 1);
    pStamp->year = SQLSMALLINT(qvscan::NumberAt(s));
    pStamp->month = SQLUSMALLINT(first < 0 ? 0 : qvscan::NumberAt(s, first + 1));
    pStamp->day = SQLUSMALLINT(second < 0 ? 0 : qvscan::NumberAt(s, second + 1));
    return 1;
}

void CDate::ToTime(wchar_t* text, CTime& result)
{
    int year = qvscan::NumberAt(text, 0, 4);
    int month = qvscan::NumberAt(text, 4, 2);
    int day = qvscan::NumberAt(text, 6, 2);
    if (year < 1900)
        year = 1990;
    if (month < 1 || month > 12)
    {
        AfxMessageBox(L"月份設定錯誤", MB_OK, 0);
        month = 1;
    }
    if (day < 1)
    {
        AfxMessageBox(L"日期設定錯誤", MB_OK, 0);
        day = 1;
    }
    result = CTime(year, month, day, 0, 0, 0);
}

CTime CDate::ToTime(wchar_t* text)
{
    CTime result;
    ToTime(text, result);
    return result;
}

int CDate::IsSameDay(__int64 t1, __int64 t2)
{
    CTime noon1 = NoonHour(t1), noon2 = NoonHour(t2);
    // A time outside CTime's range falls on no local day at all.
    return IsBuilt(noon1) && noon1 == noon2 ? 1 : 0;
}

int CDate::IsToday(__int64 t)
{
    return IsSameDay(t, CTime::GetCurrentTime().GetTime());
}

int CDate::CheckDate(long nDate)
{
    int year = int(nDate / 10000), month = int(nDate % 10000 / 100), day = int(nDate % 100);
    // Noon keeps the day clear of the first hour of 1970 and of clock changes.
    CTime t(year, month, day, 12, 0, 0);
    return IsBuilt(t) && t.GetYear() == year && t.GetMonth() == month && t.GetDay() == day ? 1 : 0;
}

int CDate::CheckDay(int year, int month, int day)
{
    int length = qvcal::DaysInMonth(year, month);
    return length > 0 && day <= length ? 1 : 0;
}
