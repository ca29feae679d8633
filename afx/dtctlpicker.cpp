// CDateTimeCtrl: moving COleDateTime, CTime and SYSTEMTIME values, with the
// picker's "no date" state, in and out of the control.
#include "afxdtctl.h"
#include "cmninit.h"

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControl(ICC_DATE_CLASSES);
    return CWnd::Create(DATETIMEPICK_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

DWORD CDateTimeCtrl::GetTime(LPSYSTEMTIME pTimeDest) const
{
    if (pTimeDest == nullptr)
        return GDT_ERROR;
    return static_cast<DWORD>(::SendMessage(m_hWnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(pTimeDest)));
}

DWORD CDateTimeCtrl::GetTime(COleDateTime& timeDest) const
{
    SYSTEMTIME st = {};
    const DWORD dwStatus = GetTime(&st);
    if (dwStatus == GDT_VALID)
        timeDest = COleDateTime(st);
    else
        timeDest.SetStatus(dwStatus == GDT_NONE ? COleDateTime::null : COleDateTime::invalid);
    return dwStatus;
}

DWORD CDateTimeCtrl::GetTime(CTime& timeDest) const
{
    SYSTEMTIME st = {};
    const DWORD dwStatus = GetTime(&st);
    if (dwStatus == GDT_VALID)
        timeDest = CTime(st);
    return dwStatus;
}

BOOL CDateTimeCtrl::SetTime(LPSYSTEMTIME pTimeNew)
{
    if (pTimeNew == nullptr)
    {
        // Only a picker with a check box can show "no date".
        if (!(::GetWindowLong(m_hWnd, GWL_STYLE) & DTS_SHOWNONE))
            return FALSE;
        // GDT_NONE ignores the time, but Wine refuses a null pointer for it.
        SYSTEMTIME ignored = {};
        return static_cast<BOOL>(
            ::SendMessage(m_hWnd, DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&ignored)));
    }
    return static_cast<BOOL>(::SendMessage(m_hWnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(pTimeNew)));
}

BOOL CDateTimeCtrl::SetTime(const COleDateTime& timeNew)
{
    if (timeNew.GetStatus() == COleDateTime::null)
        return SetTime(static_cast<LPSYSTEMTIME>(nullptr));
    SYSTEMTIME st = {};
    if (timeNew.GetStatus() != COleDateTime::valid || !timeNew.GetAsSystemTime(st))
        return FALSE;
    return SetTime(&st);
}

BOOL CDateTimeCtrl::SetTime(const CTime* pTimeNew)
{
    if (pTimeNew == nullptr)
        return SetTime(static_cast<LPSYSTEMTIME>(nullptr));
    SYSTEMTIME st = {};
    if (!pTimeNew->GetAsSystemTime(st))
        return FALSE;
    return SetTime(&st);
}

DWORD CDateTimeCtrl::GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const
{
    SYSTEMTIME limits[2] = {};
    const DWORD dwFlags = static_cast<DWORD>(::SendMessage(m_hWnd, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(limits)));
    if (pMinRange != nullptr)
    {
        if (dwFlags & GDTR_MIN)
            *pMinRange = COleDateTime(limits[0]);
        else
            pMinRange->SetStatus(COleDateTime::null);
    }
    if (pMaxRange != nullptr)
    {
        if (dwFlags & GDTR_MAX)
            *pMaxRange = COleDateTime(limits[1]);
        else
            pMaxRange->SetStatus(COleDateTime::null);
    }
    return dwFlags;
}

DWORD CDateTimeCtrl::GetRange(CTime* pMinRange, CTime* pMaxRange) const
{
    SYSTEMTIME limits[2] = {};
    const DWORD dwFlags = static_cast<DWORD>(::SendMessage(m_hWnd, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(limits)));
    if (pMinRange != nullptr && (dwFlags & GDTR_MIN))
        *pMinRange = CTime(limits[0]);
    if (pMaxRange != nullptr && (dwFlags & GDTR_MAX))
        *pMaxRange = CTime(limits[1]);
    return dwFlags;
}

BOOL CDateTimeCtrl::SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange)
{
    SYSTEMTIME limits[2] = {};
    DWORD dwFlags = 0;
    if (pMinRange != nullptr && pMinRange->GetStatus() == COleDateTime::valid && pMinRange->GetAsSystemTime(limits[0]))
        dwFlags |= GDTR_MIN;
    if (pMaxRange != nullptr && pMaxRange->GetStatus() == COleDateTime::valid && pMaxRange->GetAsSystemTime(limits[1]))
        dwFlags |= GDTR_MAX;
    return static_cast<BOOL>(::SendMessage(m_hWnd, DTM_SETRANGE, dwFlags, reinterpret_cast<LPARAM>(limits)));
}

BOOL CDateTimeCtrl::SetRange(const CTime* pMinRange, const CTime* pMaxRange)
{
    SYSTEMTIME limits[2] = {};
    DWORD dwFlags = 0;
    if (pMinRange != nullptr && pMinRange->GetAsSystemTime(limits[0]))
        dwFlags |= GDTR_MIN;
    if (pMaxRange != nullptr && pMaxRange->GetAsSystemTime(limits[1]))
        dwFlags |= GDTR_MAX;
    return static_cast<BOOL>(::SendMessage(m_hWnd, DTM_SETRANGE, dwFlags, reinterpret_cast<LPARAM>(limits)));
}

CMonthCalCtrl* CDateTimeCtrl::GetMonthCalCtrl() const
{
    return static_cast<CMonthCalCtrl*>(
        CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, DTM_GETMONTHCAL, 0, 0))));
}
