// CWinApp's message loop and idle time.
#include "afxwin.h"

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::WalkPreTranslateTree(m_pMainWnd->GetSafeHwnd(), pMsg);
}

BOOL CWinApp::PumpMessage()
{
    if (!::GetMessageW(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount <= 0)
        return TRUE;
    // The temporary wrappers of every module are no longer in use.
    AfxDeleteTempMapsOfAllModules();
    return FALSE;
}

// Input and timer messages do not start a new round of idle work.
static bool IsIdleMessage(const MSG& msg)
{
    return msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE && msg.message != WM_TIMER &&
           msg.message != WM_PAINT && msg.message != WM_NULL;
}

int CWinApp::Run()
{
    bool bIdle = true;
    LONG lIdleCount = 0;
    MSG peek;
    for (;;)
    {
        while (bIdle && !::PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = false;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(m_msgCur))
            {
                bIdle = true;
                lIdleCount = 0;
            }
        } while (::PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE));
    }
}
