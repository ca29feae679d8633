// AfxWndProc and the message path of a wrapper: WindowProc, OnWndMsg, Default.
#include "wndinternal.h"

namespace
{

// The message this thread is handling in this module (for Default()).
thread_local MSG t_currentMessage = {};

}   // namespace

UINT AfxReflectMessageId()
{
    static const UINT id = RegisterWindowMessageW(L"QVAfxReflect");
    return id;
}

UINT AfxPreTranslateMessageId()
{
    static const UINT id = RegisterWindowMessageW(L"QVAfxPreTranslate");
    return id;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    if (message == AfxReflectMessageId())
    {
        auto* pInfo = reinterpret_cast<AFX_REFLECT_INFO*>(lParam);
        return pInfo != nullptr && pWnd->OnChildNotify(pInfo->message, pInfo->wParam, pInfo->lParam, pInfo->pResult);
    }
    if (message == AfxPreTranslateMessageId())
        return lParam != 0 && pWnd->PreTranslateMessage(reinterpret_cast<MSG*>(lParam));
    return AfxCallWndProc(pWnd, hWnd, message, wParam, lParam);
}

// Detaches a wrapper whose window is gone and lets it clean up. Detach gives
// the window its own procedure back for the few messages that may follow.
static void FinishNcDestroy(CWnd* pWnd)
{
    pWnd->Detach();
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == pWnd)
    {
        if (!AfxGetModuleState()->m_bDLL)
            PostQuitMessage(0);
        pApp->m_pMainWnd = nullptr;
    }
    pWnd->PostNcDestroy();
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG saved = t_currentMessage;
    t_currentMessage = MSG{hWnd, message, wParam, lParam, 0, {}};
    LRESULT lResult = pWnd->WindowProc(message, wParam, lParam);
    // A derived OnNcDestroy that did not call the base one still detaches.
    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
        FinishNcDestroy(pWnd);
    t_currentMessage = saved;
    return lResult;
}

const MSG* CWnd::GetCurrentMessage()
{
    return &t_currentMessage;
}

LRESULT CWnd::Default()
{
    const MSG& msg = t_currentMessage;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The window procedure that called us may belong to another module than
    // this object's class (a program subclassing a control class of a DLL);
    // Default() reads the message recorded in the class's module, so record
    // it here as well.
    MSG saved = t_currentMessage;
    t_currentMessage = MSG{m_hWnd, message, wParam, lParam, 0, {}};
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    t_currentMessage = saved;
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
    }
    else if (message == WM_NOTIFY)
    {
        if (lParam == 0 || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
    }
    else
    {
        UINT mapped = (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ? WM_CTLCOLOR : message;
        const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), mapped, 0, 0);
        if (pEntry == nullptr)
            return FALSE;
        AfxDispatchWndMsg(this, pEntry, message, wParam, lParam, &lResult);
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG* /*pMsg*/)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    if (pMsg == nullptr)
        return FALSE;
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        // Asked by message: the wrapper may live in another module.
        if (::SendMessageW(hWnd, AfxPreTranslateMessageId(), 0, reinterpret_cast<LPARAM>(pMsg)))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

void CWnd::OnNcDestroy()
{
    HWND hWnd = m_hWnd;
    Default();
    if (FromHandlePermanent(hWnd) == this)
        FinishNcDestroy(this);
}

void CWnd::PostNcDestroy() {}
