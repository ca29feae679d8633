// CTime and CTimeSpan: 64-bit seconds since 1970-01-01 00:00 UTC, broken
// down in the local time zone through Win32 (never the C runtime's
// localtime/mktime, which misread a Unix TZ under Wine).
//
// Range: 1970-01-01 00:00:00 UTC to 3000-12-31 23:59:59 UTC, as _mktime64.
// A time that cannot be built (parts outside that range) is -1; a time
// outside the range breaks down to nothing: GetLocalTm gives null and the
// part getters give 0.
//
// Parts are normalised as mktime does: month 13 is January of the next year,
// day 32 of January is 1 February, hour 24 is 00:00 of the next day.
// Daylight saving (nDST = -1, automatic): a local time that occurs twice
// (autumn fall-back hour) is taken as the earlier instant (daylight time);
// a local time that does not exist (spring-forward gap) is read with the
// offset in force before the change (standard time), so 02:30 on the
// change day becomes 03:30 daylight time. nDST = 0 reads the parts as standard time, nDST > 0 as daylight time.
#pragma once

#include <windows.h>
#include <ctime>
#include "afxstr.h"

#ifdef GetCurrentTime
#undef GetCurrentTime   // winbase.h maps it to GetTickCount
#endif

class CTimeSpan
{
public:
    CTimeSpan() noexcept : m_timeSpan(0) {}
    CTimeSpan(__time64_t time) noexcept : m_timeSpan(time) {}
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept;

    void SetTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept;
    LONGLONG GetDays() const noexcept { return m_timeSpan / (24 * 3600); }
    LONGLONG GetTotalHours() const noexcept { return m_timeSpan / 3600; }
    LONG GetHours() const noexcept { return LONG(GetTotalHours() - GetDays() * 24); }
    LONGLONG GetTotalMinutes() const noexcept { return m_timeSpan / 60; }
    LONG GetMinutes() const noexcept { return LONG(GetTotalMinutes() - GetTotalHours() * 60); }
    LONGLONG GetTotalSeconds() const noexcept { return m_timeSpan; }
    LONG GetSeconds() const noexcept { return LONG(GetTotalSeconds() - GetTotalMinutes() * 60); }
    __time64_t GetTimeSpan() const noexcept { return m_timeSpan; }

    CTimeSpan operator+(CTimeSpan span) const noexcept { return CTimeSpan(m_timeSpan + span.m_timeSpan); }
    CTimeSpan operator-(CTimeSpan span) const noexcept { return CTimeSpan(m_timeSpan - span.m_timeSpan); }
    CTimeSpan operator-() const noexcept { return CTimeSpan(-m_timeSpan); }
    CTimeSpan& operator+=(CTimeSpan span) noexcept
    {
        m_timeSpan += span.m_timeSpan;
        return *this;
    }
    CTimeSpan& operator-=(CTimeSpan span) noexcept
    {
        m_timeSpan -= span.m_timeSpan;
        return *this;
    }
    bool operator==(CTimeSpan span) const noexcept { return m_timeSpan == span.m_timeSpan; }
    bool operator!=(CTimeSpan span) const noexcept { return m_timeSpan != span.m_timeSpan; }
    bool operator<(CTimeSpan span) const noexcept { return m_timeSpan < span.m_timeSpan; }
    bool operator>(CTimeSpan span) const noexcept { return m_timeSpan > span.m_timeSpan; }
    bool operator<=(CTimeSpan span) const noexcept { return m_timeSpan <= span.m_timeSpan; }
    bool operator>=(CTimeSpan span) const noexcept { return m_timeSpan >= span.m_timeSpan; }

    // Codes: %D days, %H hours (00-23), %M minutes, %S seconds, %% percent.
    CString Format(const wchar_t* pszFormat) const;
    CString Format(UINT nFormatID) const;

private:
    __time64_t m_timeSpan;
};

class CTime
{
public:
    static CTime GetCurrentTime() noexcept;
    static constexpr __time64_t MaxTime = 32535215999LL;   // 3000-12-31 23:59:59 UTC

    CTime() noexcept : m_time(0) {}
    CTime(__time64_t time) noexcept : m_time(time) {}
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1) noexcept;
    // No DOS date/time constructor: CTime(y, m, d) would silently pick it.
    // The SYSTEMTIME holds local time parts.
    CTime(const SYSTEMTIME& st, int nDST = -1) noexcept;
    // The FILETIME is UTC (as file times are): the same instant. nDST is unused.
    CTime(const FILETIME& ft, int nDST = -1) noexcept;

    CTime& operator=(__time64_t time) noexcept
    {
        m_time = time;
        return *this;
    }

    __time64_t GetTime() const noexcept { return m_time; }
    // Fill *ptm (which must not be null) and return it, or null when the
    // time lies outside the range.
    struct tm* GetGmtTm(struct tm* ptm) const noexcept;
    struct tm* GetLocalTm(struct tm* ptm) const noexcept;
    // Local time parts; false (st untouched) outside the range.
    bool GetAsSystemTime(SYSTEMTIME& st) const noexcept;

    int GetYear() const noexcept;
    int GetMonth() const noexcept;
    int GetDay() const noexcept;
    int GetHour() const noexcept;
    int GetMinute() const noexcept;
    int GetSecond() const noexcept;
    int GetDayOfWeek() const noexcept;   // 1 = Sunday

    // strftime codes %Y %y %m %d %H %I %M %S %j %w %a %A %b %B %p %c %x %X %%
    // in the "C" locale; '#' after '%' drops leading zeros (%#d). Other codes
    // are copied as they stand. A time outside the range gives an empty text.
    CString Format(const wchar_t* pszFormat) const;
    CString FormatGmt(const wchar_t* pszFormat) const;
    CString Format(UINT nFormatID) const;
    CString FormatGmt(UINT nFormatID) const;

    CTimeSpan operator-(CTime time) const noexcept { return CTimeSpan(m_time - time.m_time); }
    CTime operator-(CTimeSpan span) const noexcept { return CTime(m_time - span.GetTimeSpan()); }
    CTime operator+(CTimeSpan span) const noexcept { return CTime(m_time + span.GetTimeSpan()); }
    CTime& operator+=(CTimeSpan span) noexcept
    {
        m_time += span.GetTimeSpan();
        return *this;
    }
    CTime& operator-=(CTimeSpan span) noexcept
    {
        m_time -= span.GetTimeSpan();
        return *this;
    }
    bool operator==(CTime time) const noexcept { return m_time == time.m_time; }
    bool operator!=(CTime time) const noexcept { return m_time != time.m_time; }
    bool operator<(CTime time) const noexcept { return m_time < time.m_time; }
    bool operator>(CTime time) const noexcept { return m_time > time.m_time; }
    bool operator<=(CTime time) const noexcept { return m_time <= time.m_time; }
    bool operator>=(CTime time) const noexcept { return m_time >= time.m_time; }

private:
    __time64_t m_time;
};
