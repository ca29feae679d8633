// CTime and CTimeSpan.
#include "afxtime.h"
#include "afxtime_parts.h"

using namespace AfxTimeParts;

namespace
{

constexpr long long kFileTimeTicksPerSecond = 10000000;
constexpr long long kFileTimeSecondsTo1970 = 11644473600LL;

bool IsInRange(__time64_t time)
{
    return time >= 0 && time <= CTime::MaxTime;
}

struct tm* FillTm(const Parts& parts, struct tm* ptm)
{
    *ptm = tm{};
    ptm->tm_year = int(parts.nYear - 1900);
    ptm->tm_mon = parts.nMonth - 1;
    ptm->tm_mday = parts.nDay;
    ptm->tm_hour = parts.nHour;
    ptm->tm_min = parts.nMinute;
    ptm->tm_sec = parts.nSecond;
    ptm->tm_wday = parts.nDayOfWeek;
    ptm->tm_yday = parts.nDayOfYear;
    ptm->tm_isdst = parts.bDST ? 1 : 0;
    return ptm;
}

CString LoadFormat(UINT nFormatID)
{
    CString format;
    format.LoadString(nFormatID);
    return format;
}

}   // namespace

// CTimeSpan ------------------------------------------------------------------

CTimeSpan::CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept
{
    SetTimeSpan(lDays, nHours, nMins, nSecs);
}

void CTimeSpan::SetTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept
{
    m_timeSpan = nSecs + 60 * (nMins + 60LL * (nHours + 24LL * lDays));
}

CString CTimeSpan::Format(const wchar_t* pszFormat) const
{
    return FormatSpan(pszFormat, m_timeSpan);
}

CString CTimeSpan::Format(UINT nFormatID) const
{
    return Format(LoadFormat(nFormatID));
}

// CTime ----------------------------------------------------------------------

CTime CTime::GetCurrentTime() noexcept
{
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    return CTime(ft);
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) noexcept : m_time(-1)
{
    if (nYear < 1900)
        return;
    long long nWall = WallSecondsFromParts(nYear, nMonth, nDay, nHour, nMin, nSec);
    // A day of margin each side for the zone offset; beyond that no zone helps.
    if (nWall < -kSecondsPerDay || nWall > MaxTime + kSecondsPerDay)
        return;
    long long nUtc;
    if (LocalToUtc(nullptr, nWall, nDST, nUtc) && IsInRange(nUtc))
        m_time = nUtc;
}

CTime::CTime(const SYSTEMTIME& st, int nDST) noexcept
    : CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST)
{
}

CTime::CTime(const FILETIME& ft, int) noexcept : m_time(-1)
{
    ULARGE_INTEGER ticks;
    ticks.LowPart = ft.dwLowDateTime;
    ticks.HighPart = ft.dwHighDateTime;
    long long nSeconds = static_cast<long long>(ticks.QuadPart / kFileTimeTicksPerSecond) - kFileTimeSecondsTo1970;
    if (IsInRange(nSeconds))
        m_time = nSeconds;
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const noexcept
{
    if (ptm == nullptr || !IsInRange(m_time))
        return nullptr;
    return FillTm(PartsFromWallSeconds(m_time), ptm);
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const noexcept
{
    Parts parts;
    if (ptm == nullptr || !IsInRange(m_time) || !UtcToLocal(nullptr, m_time, parts))
        return nullptr;
    return FillTm(parts, ptm);
}

bool CTime::GetAsSystemTime(SYSTEMTIME& st) const noexcept
{
    Parts parts;
    if (!IsInRange(m_time) || !UtcToLocal(nullptr, m_time, parts))
        return false;
    PartsToSystemTime(parts, st);
    return true;
}

// One part of the local time plus `offset`; 0 outside the range.
static int LocalPart(const CTime& time, int tm::*part, int offset) noexcept
{
    struct tm local;
    return time.GetLocalTm(&local) != nullptr ? local.*part + offset : 0;
}

int CTime::GetYear() const noexcept
{
    return LocalPart(*this, &tm::tm_year, 1900);
}

int CTime::GetMonth() const noexcept
{
    return LocalPart(*this, &tm::tm_mon, 1);
}

int CTime::GetDay() const noexcept
{
    return LocalPart(*this, &tm::tm_mday, 0);
}

int CTime::GetHour() const noexcept
{
    return LocalPart(*this, &tm::tm_hour, 0);
}

int CTime::GetMinute() const noexcept
{
    return LocalPart(*this, &tm::tm_min, 0);
}

int CTime::GetSecond() const noexcept
{
    return LocalPart(*this, &tm::tm_sec, 0);
}

int CTime::GetDayOfWeek() const noexcept
{
    return LocalPart(*this, &tm::tm_wday, 1);
}

CString CTime::Format(const wchar_t* pszFormat) const
{
    Parts parts;
    if (!IsInRange(m_time) || !UtcToLocal(nullptr, m_time, parts))
        return CString();
    return FormatParts(pszFormat, parts);
}

CString CTime::FormatGmt(const wchar_t* pszFormat) const
{
    if (!IsInRange(m_time))
        return CString();
    return FormatParts(pszFormat, PartsFromWallSeconds(m_time));
}

CString CTime::Format(UINT nFormatID) const
{
    return Format(LoadFormat(nFormatID));
}

CString CTime::FormatGmt(UINT nFormatID) const
{
    return FormatGmt(LoadFormat(nFormatID));
}
