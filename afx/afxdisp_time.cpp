// COleDateTime and COleDateTimeSpan.
//
// A DATE below zero keeps its time of day as a positive fraction
// (-1.25 is 1899-12-29 06:00), so arithmetic and comparison work on the
// "linear" value, which runs straight through zero.
#include "afxdisp.h"
#include "afxtime_parts.h"

#include <cmath>
#include <cwctype>

using namespace AfxTimeParts;

namespace
{

constexpr double kMinDate = -657434.0;             // 0100-01-01
constexpr double kMaxDate = 2958465.99999999;      // 9999-12-31 23:59:59.999
constexpr long long kDaysFrom1899To1970 = 25569;   // DATE 0 is 1899-12-30

bool IsDateInRange(double dt)
{
    return dt >= kMinDate && dt <= kMaxDate;
}

double LinearFromDate(DATE dt)
{
    if (dt >= 0)
        return dt;
    double whole = std::trunc(dt);
    return whole + (whole - dt);
}

DATE DateFromLinear(double linear)
{
    if (linear >= 0)
        return linear;
    double whole = std::floor(linear);
    return whole - (linear - whole);
}

// Seconds since 1899-12-30 00:00, to the nearest second.
long long SecondsFromDate(DATE dt)
{
    return std::llround(LinearFromDate(dt) * double(kSecondsPerDay));
}

Parts PartsFromDate(DATE dt)
{
    return PartsFromWallSeconds(SecondsFromDate(dt) - kDaysFrom1899To1970 * kSecondsPerDay);
}

bool ArePartsValid(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    return nYear >= 100 && nYear <= 9999 && nMonth >= 1 && nMonth <= 12 && nDay >= 1 &&
           nDay <= DaysInMonth(nYear, nMonth) && nHour >= 0 && nHour <= 23 && nMin >= 0 && nMin <= 59 && nSec >= 0 &&
           nSec <= 59;
}

// Reads 1 to nMaxDigits digits; false when there is none.
bool ReadDigits(const wchar_t*& p, int nMaxDigits, int& nValue)
{
    nValue = 0;
    int nDigits = 0;
    while (nDigits < nMaxDigits && *p >= L'0' && *p <= L'9')
    {
        nValue = nValue * 10 + (*p++ - L'0');
        nDigits++;
    }
    return nDigits > 0;
}

void SkipSpaces(const wchar_t*& p)
{
    while (*p != 0 && iswspace(*p))
        p++;
}

// "hh:mm" or "hh:mm:ss".
bool ReadTime(const wchar_t*& p, int& nHour, int& nMin, int& nSec)
{
    nSec = 0;
    if (!ReadDigits(p, 2, nHour) || *p != L':')
        return false;
    p++;
    if (!ReadDigits(p, 2, nMin))
        return false;
    if (*p != L':')
        return true;
    p++;
    return ReadDigits(p, 2, nSec);
}

// "yyyy/mm/dd", "yyyy-mm-dd" or "yyyy.mm.dd".
bool ReadDate(const wchar_t*& p, int& nYear, int& nMonth, int& nDay)
{
    if (!ReadDigits(p, 4, nYear))
        return false;
    wchar_t chSeparator = *p;
    if (chSeparator != L'/' && chSeparator != L'-' && chSeparator != L'.')
        return false;
    p++;
    if (!ReadDigits(p, 2, nMonth) || *p != chSeparator)
        return false;
    p++;
    return ReadDigits(p, 2, nDay);
}

}   // namespace

// COleDateTimeSpan -----------------------------------------------------------

COleDateTimeSpan::COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept
{
    SetDateTimeSpan(lDays, nHours, nMins, nSecs);
}

void COleDateTimeSpan::SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept
{
    long long nSeconds = nSecs + 60 * (nMins + 60LL * (nHours + 24LL * lDays));
    m_span = double(nSeconds) / double(kSecondsPerDay);
    m_status = valid;
}

LONG COleDateTimeSpan::GetDays() const noexcept
{
    return LONG(std::llround(GetTotalSeconds()) / kSecondsPerDay);
}

LONG COleDateTimeSpan::GetHours() const noexcept
{
    return LONG(std::llround(GetTotalSeconds()) / 3600 % 24);
}

LONG COleDateTimeSpan::GetMinutes() const noexcept
{
    return LONG(std::llround(GetTotalSeconds()) / 60 % 60);
}

LONG COleDateTimeSpan::GetSeconds() const noexcept
{
    return LONG(std::llround(GetTotalSeconds()) % 60);
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& dateSpan) const noexcept
{
    COleDateTimeSpan result(m_span + dateSpan.m_span);
    if (m_status != valid || dateSpan.m_status != valid)
        result.m_status = invalid;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& dateSpan) const noexcept
{
    return *this + -dateSpan;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const noexcept
{
    COleDateTimeSpan result(-m_span);
    result.m_status = m_status;
    return result;
}

bool COleDateTimeSpan::operator==(const COleDateTimeSpan& dateSpan) const noexcept
{
    return m_status == dateSpan.m_status && m_span == dateSpan.m_span;
}

bool COleDateTimeSpan::operator<(const COleDateTimeSpan& dateSpan) const noexcept
{
    return m_span < dateSpan.m_span;
}

CString COleDateTimeSpan::Format(const wchar_t* pszFormat) const
{
    if (m_status != valid)
        return CString();
    return FormatSpan(pszFormat, std::llround(GetTotalSeconds()));
}

// COleDateTime: construction -------------------------------------------------

COleDateTime COleDateTime::GetCurrentTime() noexcept
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    return COleDateTime(st);
}

COleDateTime::COleDateTime(DATE dtSrc) noexcept
{
    *this = dtSrc;
}

COleDateTime::COleDateTime(const VARIANT& varSrc) noexcept : m_dt(0), m_status(invalid)
{
    VARIANT date;
    VariantInit(&date);
    if (SUCCEEDED(VariantChangeType(&date, const_cast<VARIANT*>(&varSrc), 0, VT_DATE)))
        *this = date.date;
    VariantClear(&date);
}

COleDateTime::COleDateTime(__time64_t timeSrc) noexcept
{
    *this = timeSrc;
}

COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc) noexcept
{
    *this = systimeSrc;
}

COleDateTime::COleDateTime(const FILETIME& filetimeSrc) noexcept
{
    *this = filetimeSrc;
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) noexcept
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime& COleDateTime::operator=(DATE dtSrc) noexcept
{
    m_dt = dtSrc;
    m_status = IsDateInRange(dtSrc) ? valid : invalid;
    return *this;
}

COleDateTime& COleDateTime::operator=(__time64_t timeSrc) noexcept
{
    Parts local;
    if (timeSrc < 0 || !UtcToLocal(nullptr, timeSrc, local))
    {
        m_dt = 0;
        m_status = invalid;
        return *this;
    }
    SetDateTime(int(local.nYear), local.nMonth, local.nDay, local.nHour, local.nMinute, local.nSecond);
    return *this;
}

COleDateTime& COleDateTime::operator=(const SYSTEMTIME& systimeSrc) noexcept
{
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour, systimeSrc.wMinute,
                systimeSrc.wSecond);
    return *this;
}

COleDateTime& COleDateTime::operator=(const FILETIME& filetimeSrc) noexcept
{
    SYSTEMTIME stUtc;
    SYSTEMTIME stLocal;
    if (!FileTimeToSystemTime(&filetimeSrc, &stUtc) || !SystemTimeToTzSpecificLocalTime(nullptr, &stUtc, &stLocal))
    {
        m_dt = 0;
        m_status = invalid;
        return *this;
    }
    return *this = stLocal;
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) noexcept
{
    if (!ArePartsValid(nYear, nMonth, nDay, nHour, nMin, nSec))
    {
        m_dt = 0;
        m_status = invalid;
        return 1;
    }
    long long nDays = DaysFromCivil(nYear, nMonth, nDay) + kDaysFrom1899To1970;
    double linear = double(nDays) + double(nHour * 3600 + nMin * 60 + nSec) / double(kSecondsPerDay);
    m_dt = DateFromLinear(linear);
    m_status = valid;
    return 0;
}

int COleDateTime::SetDate(int nYear, int nMonth, int nDay) noexcept
{
    return SetDateTime(nYear, nMonth, nDay, 0, 0, 0);
}

int COleDateTime::SetTime(int nHour, int nMin, int nSec) noexcept
{
    return SetDateTime(1899, 12, 30, nHour, nMin, nSec);
}

// COleDateTime: parts --------------------------------------------------------

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& st) const noexcept
{
    if (m_status != valid)
        return false;
    PartsToSystemTime(PartsFromDate(m_dt), st);
    return true;
}

int COleDateTime::GetYear() const noexcept
{
    return m_status == valid ? int(PartsFromDate(m_dt).nYear) : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetMonth() const noexcept
{
    return m_status == valid ? PartsFromDate(m_dt).nMonth : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetDay() const noexcept
{
    return m_status == valid ? PartsFromDate(m_dt).nDay : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetHour() const noexcept
{
    return m_status == valid ? PartsFromDate(m_dt).nHour : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetMinute() const noexcept
{
    return m_status == valid ? PartsFromDate(m_dt).nMinute : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetSecond() const noexcept
{
    return m_status == valid ? PartsFromDate(m_dt).nSecond : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetDayOfWeek() const noexcept
{
    return m_status == valid ? PartsFromDate(m_dt).nDayOfWeek + 1 : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetDayOfYear() const noexcept
{
    return m_status == valid ? PartsFromDate(m_dt).nDayOfYear + 1 : AFX_OLE_DATETIME_ERROR;
}

// COleDateTime: text ---------------------------------------------------------

CString COleDateTime::Format() const
{
    if (m_status != valid)
        return Format(L"");
    Parts parts = PartsFromDate(m_dt);
    bool bHasDate = std::trunc(m_dt) != 0;
    bool bHasTime = parts.nHour != 0 || parts.nMinute != 0 || parts.nSecond != 0;
    if (bHasDate && bHasTime)
        return FormatParts(L"%Y/%m/%d %H:%M:%S", parts);
    return FormatParts(bHasDate || !bHasTime ? L"%Y/%m/%d" : L"%H:%M:%S", parts);
}

CString COleDateTime::Format(const wchar_t* pszFormat) const
{
    if (m_status == null)
        return CString();
    if (m_status != valid)
        return CString(L"Invalid DateTime");
    return FormatParts(pszFormat, PartsFromDate(m_dt));
}

CString COleDateTime::Format(UINT nFormatID) const
{
    CString format;
    format.LoadString(nFormatID);
    return Format(format.GetString());
}

bool COleDateTime::ParseDateTime(const wchar_t* lpszDate, DWORD dwFlags, LCID) noexcept
{
    m_dt = 0;
    m_status = invalid;
    if (lpszDate == nullptr)
        return false;
    const wchar_t* p = lpszDate;
    SkipSpaces(p);
    int nYear = 1899, nMonth = 12, nDay = 30, nHour = 0, nMin = 0, nSec = 0;
    const wchar_t* pStart = p;
    if (ReadDate(p, nYear, nMonth, nDay))
    {
        const wchar_t* pAfterDate = p;
        SkipSpaces(p);
        if (p == pAfterDate || !ReadTime(p, nHour, nMin, nSec))
            p = pAfterDate;   // a date alone
    }
    else
    {
        p = pStart;
        nYear = 1899, nMonth = 12, nDay = 30;
        if (!ReadTime(p, nHour, nMin, nSec))
            return false;
    }
    SkipSpaces(p);
    if (*p != 0)
        return false;
    if (dwFlags & VAR_TIMEVALUEONLY)
        nYear = 1899, nMonth = 12, nDay = 30;
    if (dwFlags & VAR_DATEVALUEONLY)
        nHour = nMin = nSec = 0;
    return SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec) == 0;
}

// COleDateTime: arithmetic and comparison ------------------------------------

COleDateTime COleDateTime::operator+(COleDateTimeSpan dateSpan) const noexcept
{
    COleDateTime result;
    if (m_status != valid || dateSpan.GetStatus() != COleDateTimeSpan::valid)
    {
        result.m_dt = 0;
        result.m_status = invalid;
        return result;
    }
    return COleDateTime(DateFromLinear(LinearFromDate(m_dt) + dateSpan.m_span));
}

COleDateTime COleDateTime::operator-(COleDateTimeSpan dateSpan) const noexcept
{
    return *this + -dateSpan;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const noexcept
{
    COleDateTimeSpan result(LinearFromDate(m_dt) - LinearFromDate(date.m_dt));
    if (m_status != valid || date.m_status != valid)
        result.SetStatus(COleDateTimeSpan::invalid);
    return result;
}

bool COleDateTime::operator==(const COleDateTime& date) const noexcept
{
    return m_status == date.m_status && m_dt == date.m_dt;
}

bool COleDateTime::operator<(const COleDateTime& date) const noexcept
{
    return LinearFromDate(m_dt) < LinearFromDate(date.m_dt);
}
