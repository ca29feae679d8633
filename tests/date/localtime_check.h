// Local time computed straight from Win32, independent of the library and of
// CTime, so tests expect what the zone in effect says (Taipei or New York).
#pragma once

#include <windows.h>

namespace datetest {

// Seconds since 1970 UTC of a local wall-clock time; for a time that occurs
// twice (autumn) Win32 gives one of the two, for one that does not exist
// (spring) it reads it with the offset in force before the change.
inline long long LocalToTime(int year, int month, int day, int hour, int minute = 0, int second = 0)
{
    SYSTEMTIME local = {};
    local.wYear = WORD(year);
    local.wMonth = WORD(month);
    local.wDay = WORD(day);
    local.wHour = WORD(hour);
    local.wMinute = WORD(minute);
    local.wSecond = WORD(second);
    SYSTEMTIME utc = {};
    TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
    FILETIME ft = {};
    SystemTimeToFileTime(&utc, &ft);
    ULARGE_INTEGER ticks;
    ticks.LowPart = ft.dwLowDateTime;
    ticks.HighPart = ft.dwHighDateTime;
    return (long long)(ticks.QuadPart / 10000000ULL) - 11644473600LL;
}

// What CTime gives for those parts: the same instant, or -1 for an instant
// before 1970-01-01 00:00 UTC (1970-01-01 00:00 in Taipei is one).
inline long long BuiltTime(int year, int month, int day, int hour, int minute = 0, int second = 0)
{
    long long t = LocalToTime(year, month, day, hour, minute, second);
    return t < 0 ? -1 : t;
}

// The local wall-clock parts of a time.
inline SYSTEMTIME TimeToLocal(long long t)
{
    ULARGE_INTEGER ticks;
    ticks.QuadPart = (unsigned long long)(t + 11644473600LL) * 10000000ULL;
    FILETIME ft = { ticks.LowPart, ticks.HighPart };
    SYSTEMTIME utc = {}, local = {};
    FileTimeToSystemTime(&ft, &utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    return local;
}

// True when the zone in effect changes its clock (New York), false in Taipei.
inline bool ZoneHasDaylightSaving()
{
    TIME_ZONE_INFORMATION tzi;
    return GetTimeZoneInformation(&tzi) != TIME_ZONE_ID_UNKNOWN && tzi.DaylightDate.wMonth != 0;
}

}  // namespace datetest
