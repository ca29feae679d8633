// Commands, notifications and the messages a parent reflects to its controls.
#include "wndinternal.h"

BOOL AfxReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (hWndChild == nullptr || !::IsWindow(hWndChild))
        return FALSE;
    LRESULT scratch = 0;
    AFX_REFLECT_INFO info = {message, wParam, lParam, pResult != nullptr ? pResult : &scratch};
    return ::SendMessageW(hWndChild, AfxReflectMessageId(), 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    const MSG* pMsg = GetCurrentMessage();
    return AfxReflectToChild(hWndChild, pMsg->message, pMsg->wParam, pMsg->lParam, pResult);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (hWndCtrl == nullptr)
    {
        // A menu item or an accelerator.
        if (nID == 0)
            return FALSE;
        nCode = CN_COMMAND;
    }
    else if (AfxReflectToChild(hWndCtrl, WM_COMMAND, wParam, lParam, nullptr))
    {
        return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM /*wParam*/, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR == nullptr)
        return FALSE;
    LRESULT scratch = 0;
    if (pResult == nullptr)
        pResult = &scratch;
    if (pNMHDR->hwndFrom != m_hWnd && AfxReflectToChild(pNMHDR->hwndFrom, WM_NOTIFY, pNMHDR->idFrom, lParam, pResult))
        return TRUE;
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg(static_cast<UINT>(pNMHDR->idFrom), MAKELONG(static_cast<WORD>(pNMHDR->code), WM_NOTIFY), &notify,
                    nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT scratch = 0;
    if (pResult == nullptr)
        pResult = &scratch;
    switch (message)
    {
    case WM_COMMAND:
    {
        WORD nCode = HIWORD(wParam);
        if (!CCmdTarget::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    case WM_NOTIFY:
    {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (pNMHDR == nullptr)
            return FALSE;
        AFX_NOTIFY notify = {pResult, pNMHDR};
        return CCmdTarget::OnCmdMsg(0, MAKELONG(static_cast<WORD>(pNMHDR->code), WM_REFLECT_BASE + WM_NOTIFY), &notify,
                                    nullptr);
    }
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        return ReflectOwnerDraw(message, wParam, lParam, pResult);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    {
        const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0);
        if (pEntry == nullptr)
            return FALSE;
        AfxDispatchWndMsg(this, pEntry, message, wParam, lParam, pResult);
        // A null brush leaves the colours to the parent.
        return *pResult != 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    {
        const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + message, 0, 0);
        if (pEntry == nullptr)
            return FALSE;
        AfxDispatchWndMsg(this, pEntry, message, wParam, lParam, pResult);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

BOOL CWnd::ReflectOwnerDraw(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (lParam == 0)
        return FALSE;
    const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + message, 0, 0);
    if (pEntry != nullptr)
    {
        AfxDispatchWndMsg(this, pEntry, message, wParam, lParam, pResult);
        return TRUE;
    }
    // The virtual hook: an override draws (or measures); CWnd's own marks
    // that nobody did, and the parent keeps the message.
    if (message == WM_DRAWITEM)
    {
        m_bDrawItemDefault = FALSE;
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        if (m_bDrawItemDefault)
            return FALSE;
    }
    else
    {
        m_bMeasureItemDefault = FALSE;
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        if (m_bMeasureItemDefault)
            return FALSE;
    }
    *pResult = TRUE;
    return TRUE;
}

void CWnd::DrawItem(LPDRAWITEMSTRUCT /*lpDrawItemStruct*/)
{
    m_bDrawItemDefault = TRUE;
}

void CWnd::MeasureItem(LPMEASUREITEMSTRUCT /*lpMeasureItemStruct*/)
{
    m_bMeasureItemDefault = TRUE;
}

// ---- the parent's side: offer the child its message, else the default ----

void CWnd::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct != nullptr && lpDrawItemStruct->CtlType != ODT_MENU &&
        AfxReflectToChild(lpDrawItemStruct->hwndItem, WM_DRAWITEM, nIDCtl, reinterpret_cast<LPARAM>(lpDrawItemStruct),
                          nullptr))
        return;
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct != nullptr && lpMeasureItemStruct->CtlType != ODT_MENU &&
        AfxReflectToChild(::GetDlgItem(m_hWnd, static_cast<int>(lpMeasureItemStruct->CtlID)), WM_MEASUREITEM, nIDCtl,
                          reinterpret_cast<LPARAM>(lpMeasureItemStruct), nullptr))
        return;
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    LRESULT lResult = 0;
    if (pWnd != nullptr &&
        AfxReflectToChild(pWnd->m_hWnd, WM_CTLCOLORMSGBOX + nCtlColor, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()),
                          reinterpret_cast<LPARAM>(pWnd->m_hWnd), &lResult))
        return reinterpret_cast<HBRUSH>(lResult);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    HWND hWndBar = static_cast<CWnd*>(pScrollBar)->GetSafeHwnd();
    if (hWndBar != nullptr &&
        AfxReflectToChild(hWndBar, WM_HSCROLL, MAKEWPARAM(nSBCode, nPos), reinterpret_cast<LPARAM>(hWndBar), nullptr))
        return;
    Default();
}

void CWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    HWND hWndBar = static_cast<CWnd*>(pScrollBar)->GetSafeHwnd();
    if (hWndBar != nullptr &&
        AfxReflectToChild(hWndBar, WM_VSCROLL, MAKEWPARAM(nSBCode, nPos), reinterpret_cast<LPARAM>(hWndBar), nullptr))
        return;
    Default();
}
