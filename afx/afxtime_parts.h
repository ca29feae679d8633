// Calendar arithmetic, local time through the Win32 zone functions, and the
// strftime-style formatter, shared by CTime and COleDateTime.
// "Wall seconds" count the seconds of a local clock reading since
// 1970-01-01 00:00 as if that clock were UTC.
#pragma once

#include <windows.h>
#include "afxstr.h"

namespace AfxTimeParts
{

struct Parts
{
    long long nYear;
    int nMonth;   // 1..12
    int nDay;     // 1..31
    int nHour;
    int nMinute;
    int nSecond;
    int nDayOfWeek;   // 0 = Sunday
    int nDayOfYear;   // 0 = 1 January
    bool bDST;
};

constexpr long long kSecondsPerDay = 86400;

long long FloorDiv(long long a, long long b);
// Proleptic Gregorian calendar, days since 1970-01-01.
long long DaysFromCivil(long long nYear, int nMonth, int nDay);
int DaysInMonth(long long nYear, int nMonth);
// Breaks wall seconds into parts (bDST false).
Parts PartsFromWallSeconds(long long nWall);
// Copies parts into a SYSTEMTIME (milliseconds 0); the year must fit a WORD.
void PartsToSystemTime(const Parts& parts, SYSTEMTIME& st);
// Normalises out-of-range parts as mktime does (month 13, day 32, ...).
long long WallSecondsFromParts(long long nYear, long long nMonth, long long nDay, long long nHour, long long nMinute,
                               long long nSecond);

// The zone: null means the current zone of the system.
// UTC seconds to local parts; false outside the SYSTEMTIME range.
bool UtcToLocal(const TIME_ZONE_INFORMATION* pZone, long long nUtc, Parts& local);
// Local wall seconds to UTC. nDST < 0: automatic (a repeated hour is the
// earlier instant, a skipped one is read as standard time); 0: standard
// time; > 0: daylight time. False outside the SYSTEMTIME range.
bool LocalToUtc(const TIME_ZONE_INFORMATION* pZone, long long nWall, int nDST, long long& nUtc);

// strftime codes in the "C" locale; see CTime::Format.
CString FormatParts(const wchar_t* pszFormat, const Parts& parts);
// %D %H %M %S %% of a span in seconds.
CString FormatSpan(const wchar_t* pszFormat, long long nSeconds);

}   // namespace AfxTimeParts
