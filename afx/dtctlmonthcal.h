// CMonthCalCtrl: a thin wrapper of the "SysMonthCal32" control.
#pragma once

#include "afxwin.h"

class CMonthCalCtrl : public CWnd
{
    DECLARE_DYNAMIC(CMonthCalCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    BOOL GetCurSel(LPSYSTEMTIME pDateTime) const
    {
        return static_cast<BOOL>(::SendMessage(m_hWnd, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(pDateTime)));
    }
    BOOL SetCurSel(const SYSTEMTIME* pDateTime)
    {
        return static_cast<BOOL>(::SendMessage(m_hWnd, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(pDateTime)));
    }
    BOOL GetToday(LPSYSTEMTIME pDateTime) const
    {
        return static_cast<BOOL>(::SendMessage(m_hWnd, MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(pDateTime)));
    }
    // nRegion: MCSC_BACKGROUND, MCSC_TEXT, MCSC_TITLEBK, ...
    COLORREF GetColor(int nRegion) const
    {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, MCM_GETCOLOR, nRegion, 0));
    }
    COLORREF SetColor(int nRegion, COLORREF ref)
    {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, MCM_SETCOLOR, nRegion, ref));
    }
};
