// COleControlWnd: a wrapper whose window is an OLE control's own window.
#include "olecontrolsite.h"

COleControlWnd::~COleControlWnd()
{
    CloseControl();
}

BOOL COleControlWnd::CreateControl(REFCLSID clsid, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                                   CWnd* pParentWnd, UINT nID)
{
    ASSERT(m_hWnd == nullptr && m_pCtrlSite == nullptr);
    if (pParentWnd == nullptr || !::IsWindow(pParentWnd->m_hWnd))
        return FALSE;
    m_pCtrlSite = new COleControlSite(pParentWnd, nID);
    if (FAILED(m_pCtrlSite->CreateControl(clsid, rect, (dwStyle & WS_VISIBLE) != 0)))
    {
        CloseControl();
        return FALSE;
    }
    HWND hWndCtrl = m_pCtrlSite->GetControlWindow();
    Attach(hWndCtrl);
    ::SetWindowLongPtrW(hWndCtrl, GWLP_ID, static_cast<LONG_PTR>(nID));
    if (lpszWindowName != nullptr)
        ::SetWindowTextW(hWndCtrl, lpszWindowName);
    return TRUE;
}

IUnknown* COleControlWnd::GetControlUnknown() const
{
    return m_pCtrlSite != nullptr ? m_pCtrlSite->GetControlUnknown() : nullptr;
}

void COleControlWnd::SetControlRect(const RECT& rect)
{
    if (m_pCtrlSite != nullptr)
        m_pCtrlSite->SetRect(rect);
}

BOOL COleControlWnd::DestroyWindow()
{
    if (m_pCtrlSite == nullptr)
        return CWnd::DestroyWindow();
    CloseControl();
    return TRUE;
}

void COleControlWnd::CloseControl()
{
    // The control's window belongs to the control: forget it, then let the
    // control close it.
    if (m_hWnd != nullptr)
        Detach();
    if (m_pCtrlSite == nullptr)
        return;
    m_pCtrlSite->DestroyControl();
    m_pCtrlSite->Release();
    m_pCtrlSite = nullptr;
}
