// Local time computed straight from Win32, independent of the library and of
// CTime, so tests expect what the zone in effect says (Taipei or New York).
#pragma once
#include <windows.h>
#include <cstring>
#include <sqltypes.h>

namespace datetest
{

const long long kEpochInFileTimeSeconds = 11644473600LL;

// Seconds since 1970 UTC of a local wall-clock time; for a time that occurs
// twice (autumn) Win32 gives one of the two, for one that does not exist
// (spring) it reads it with the offset in force before the change.
inline long long LocalToTime(int year, int month, int day, int hour, int minute = 0, int second = 0)
{
    SYSTEMTIME local = {WORD(year), WORD(month), 0, WORD(day), WORD(hour), WORD(minute), WORD(second), 0};
    SYSTEMTIME utc = {};
    TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
    FILETIME ft = {};
    SystemTimeToFileTime(&utc, &ft);
    ULARGE_INTEGER ticks = {{ft.dwLowDateTime, ft.dwHighDateTime}};
    return (long long)(ticks.QuadPart / 10000000ULL) - kEpochInFileTimeSeconds;
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
    ticks.QuadPart = (unsigned long long)(t + kEpochInFileTimeSeconds) * 10000000ULL;
    FILETIME ft = {ticks.LowPart, ticks.HighPart};
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

inline TIMESTAMP_STRUCT Stamp(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, unsigned fraction = 0)
{
    return {SQLSMALLINT(y),   SQLUSMALLINT(mo), SQLUSMALLINT(d), SQLUSMALLINT(h),
            SQLUSMALLINT(mi), SQLUSMALLINT(s),  fraction};
}

inline bool SameStamp(const TIMESTAMP_STRUCT& a, const TIMESTAMP_STRUCT& b)
{
    return memcmp(&a, &b, sizeof a) == 0;
}

}   // namespace datetest
