// COleDateTime and COleDateTimeSpan: the OLE automation date (a DATE, days
// since 1899-12-30, the fraction being the time of day) with a status.
//
// Valid dates run from 100-01-01 to 9999-12-31. Parts out of range (month 13,
// 30 February, hour 24, ...) give status invalid and a value of 0; the part
// getters of a date that is not valid return -1 (AFX_OLE_DATETIME_ERROR).
// Parts are read to the nearest second.
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <ctime>
#include "afxstr.h"

#ifdef GetCurrentTime
#undef GetCurrentTime   // winbase.h maps it to GetTickCount
#endif

#define AFX_OLE_DATETIME_ERROR (-1)

class COleDateTimeSpan
{
public:
    enum DateTimeSpanStatus
    {
        valid = 0,
        invalid = 1,
        null = 2
    };

    COleDateTimeSpan() noexcept : m_span(0), m_status(valid) {}
    COleDateTimeSpan(double dblSpanSrc) noexcept : m_span(dblSpanSrc), m_status(valid) {}
    COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept;

    void SetStatus(DateTimeSpanStatus status) noexcept { m_status = status; }
    DateTimeSpanStatus GetStatus() const noexcept { return m_status; }
    void SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept;

    double GetTotalDays() const noexcept { return m_span; }
    double GetTotalHours() const noexcept { return m_span * 24; }
    double GetTotalMinutes() const noexcept { return m_span * 24 * 60; }
    double GetTotalSeconds() const noexcept { return m_span * 24 * 60 * 60; }
    // Whole parts, each taken towards zero from the span rounded to the second.
    LONG GetDays() const noexcept;
    LONG GetHours() const noexcept;
    LONG GetMinutes() const noexcept;
    LONG GetSeconds() const noexcept;
    operator double() const noexcept { return m_span; }

    COleDateTimeSpan operator+(const COleDateTimeSpan& dateSpan) const noexcept;
    COleDateTimeSpan operator-(const COleDateTimeSpan& dateSpan) const noexcept;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& dateSpan) noexcept { return *this = *this + dateSpan; }
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& dateSpan) noexcept { return *this = *this - dateSpan; }
    COleDateTimeSpan operator-() const noexcept;
    bool operator==(const COleDateTimeSpan& dateSpan) const noexcept;
    bool operator!=(const COleDateTimeSpan& dateSpan) const noexcept { return !(*this == dateSpan); }
    bool operator<(const COleDateTimeSpan& dateSpan) const noexcept;
    bool operator>(const COleDateTimeSpan& dateSpan) const noexcept { return dateSpan < *this; }
    bool operator<=(const COleDateTimeSpan& dateSpan) const noexcept { return !(dateSpan < *this); }
    bool operator>=(const COleDateTimeSpan& dateSpan) const noexcept { return !(*this < dateSpan); }

    // Codes as CTimeSpan::Format: %D %H %M %S %%.
    CString Format(const wchar_t* pszFormat) const;

    double m_span;
    DateTimeSpanStatus m_status;
};

class COleDateTime
{
public:
    enum DateTimeStatus
    {
        error = -1,
        valid = 0,
        invalid = 1,
        null = 2
    };

    static COleDateTime GetCurrentTime() noexcept;   // local time now

    COleDateTime() noexcept : m_dt(0), m_status(valid) {}
    COleDateTime(DATE dtSrc) noexcept;
    COleDateTime(const VARIANT& varSrc) noexcept;
    // Seconds since 1970 UTC, broken down in local time.
    COleDateTime(__time64_t timeSrc) noexcept;
    // Local time parts.
    COleDateTime(const SYSTEMTIME& systimeSrc) noexcept;
    // UTC (as file times are), turned into local time.
    COleDateTime(const FILETIME& filetimeSrc) noexcept;
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) noexcept;

    COleDateTime& operator=(DATE dtSrc) noexcept;
    COleDateTime& operator=(__time64_t timeSrc) noexcept;
    COleDateTime& operator=(const SYSTEMTIME& systimeSrc) noexcept;
    COleDateTime& operator=(const FILETIME& filetimeSrc) noexcept;

    DateTimeStatus GetStatus() const noexcept { return m_status; }
    void SetStatus(DateTimeStatus status) noexcept { m_status = status; }
    operator DATE() const noexcept { return m_dt; }

    // Each returns 0 when set, 1 when the parts were out of range (status invalid).
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) noexcept;
    int SetDate(int nYear, int nMonth, int nDay) noexcept;
    int SetTime(int nHour, int nMin, int nSec) noexcept;

    bool GetAsSystemTime(SYSTEMTIME& st) const noexcept;
    int GetYear() const noexcept;
    int GetMonth() const noexcept;
    int GetDay() const noexcept;
    int GetHour() const noexcept;
    int GetMinute() const noexcept;
    int GetSecond() const noexcept;
    int GetDayOfWeek() const noexcept;   // 1 = Sunday
    int GetDayOfYear() const noexcept;   // 1 = 1 January

    // Format(): "yyyy/mm/dd hh:mm:ss" (the time part dropped at midnight,
    // the date part dropped on day 0). Format(codes): the strftime codes of
    // CTime::Format. A null date gives "", an invalid one "Invalid DateTime".
    CString Format() const;
    CString Format(const wchar_t* pszFormat) const;
    CString Format(UINT nFormatID) const;

    // Reads "yyyy/mm/dd", "yyyy-mm-dd" or "yyyy.mm.dd", each optionally
    // followed by " hh:mm" or " hh:mm:ss", or a time "hh:mm[:ss]" alone
    // (on day 0). Fields may have fewer digits; leading and trailing
    // spaces are skipped. Failure: status invalid, false. dwFlags: with
    // VAR_TIMEVALUEONLY the date part is dropped, with VAR_DATEVALUEONLY the time.
    bool ParseDateTime(const wchar_t* lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) noexcept;

    COleDateTime operator+(COleDateTimeSpan dateSpan) const noexcept;
    COleDateTime operator-(COleDateTimeSpan dateSpan) const noexcept;
    COleDateTime& operator+=(COleDateTimeSpan dateSpan) noexcept { return *this = *this + dateSpan; }
    COleDateTime& operator-=(COleDateTimeSpan dateSpan) noexcept { return *this = *this - dateSpan; }
    COleDateTimeSpan operator-(const COleDateTime& date) const noexcept;

    bool operator==(const COleDateTime& date) const noexcept;
    bool operator!=(const COleDateTime& date) const noexcept { return !(*this == date); }
    bool operator<(const COleDateTime& date) const noexcept;
    bool operator>(const COleDateTime& date) const noexcept { return date < *this; }
    bool operator<=(const COleDateTime& date) const noexcept { return !(date < *this); }
    bool operator>=(const COleDateTime& date) const noexcept { return !(*this < date); }

    DATE m_dt;
    DateTimeStatus m_status;
};

// Late-bound automation calls (COleDispatchDriver) and their exceptions.
#include "afxdispdriver.h"
