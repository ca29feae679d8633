// CSpinButtonCtrl: a thin wrapper of the up-down control ("msctls_updown32").
#pragma once

#include "afxwin.h"

class CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // 16-bit range; the lower limit may exceed the upper one (reversed arrows).
    void SetRange(short nLower, short nUpper) { ::SendMessage(m_hWnd, UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
    void SetRange32(int nLower, int nUpper) { ::SendMessage(m_hWnd, UDM_SETRANGE32, nLower, nUpper); }
    // Upper limit in the low word, lower limit in the high word.
    DWORD GetRange() const { return static_cast<DWORD>(::SendMessage(m_hWnd, UDM_GETRANGE, 0, 0)); }
    void GetRange(int& nLower, int& nUpper) const { GetRange32(nLower, nUpper); }
    void GetRange32(int& nLower, int& nUpper) const
    {
        ::SendMessage(m_hWnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLower), reinterpret_cast<LPARAM>(&nUpper));
    }

    // 16-bit positions; the previous position.
    int SetPos(int nPos) { return static_cast<int>(::SendMessage(m_hWnd, UDM_SETPOS, 0, MAKELPARAM(nPos, 0))); }
    int SetPos32(int nPos) { return static_cast<int>(::SendMessage(m_hWnd, UDM_SETPOS32, 0, nPos)); }
    // The position in the low word, non-zero in the high word when the
    // buddy's text is not a number. Both read the buddy when there is one.
    int GetPos() const { return static_cast<int>(::SendMessage(m_hWnd, UDM_GETPOS, 0, 0)); }
    int GetPos32(LPBOOL lpbError = nullptr) const
    {
        return static_cast<int>(::SendMessage(m_hWnd, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(lpbError)));
    }

    // The wrapper of the previous buddy (temporary unless this module has one).
    CWnd* SetBuddy(CWnd* pWndBuddy)
    {
        return CWnd::FromHandle(reinterpret_cast<HWND>(
            ::SendMessage(m_hWnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(pWndBuddy->GetSafeHwnd()), 0)));
    }
    CWnd* GetBuddy() const
    {
        return CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, UDM_GETBUDDY, 0, 0)));
    }
    // 10 or 16; the previous base, 0 for an invalid one.
    int SetBase(int nBase) { return static_cast<int>(::SendMessage(m_hWnd, UDM_SETBASE, nBase, 0)); }
    UINT GetBase() const { return static_cast<UINT>(::SendMessage(m_hWnd, UDM_GETBASE, 0, 0)); }
    BOOL SetAccel(int nAccel, UDACCEL* pAccel)
    {
        return static_cast<BOOL>(::SendMessage(m_hWnd, UDM_SETACCEL, nAccel, reinterpret_cast<LPARAM>(pAccel)));
    }
    // The number of accelerators; at most nAccel are copied.
    UINT GetAccel(int nAccel, UDACCEL* pAccel) const
    {
        return static_cast<UINT>(::SendMessage(m_hWnd, UDM_GETACCEL, nAccel, reinterpret_cast<LPARAM>(pAccel)));
    }
};
