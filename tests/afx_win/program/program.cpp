// A program built the way an application is: one global CWinApp, afx's
// wWinMain. Its main window closes itself; the exit code is the number on
// the command line, returned through ExitInstance.
#include "afxwin.h"
#include <cwchar>

namespace {

class CSelfClosingWnd : public CWnd
{
protected:
    void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        DestroyWindow();
    }
    void PostNcDestroy() override { delete this; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfClosingWnd, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

class CProgramApp : public CWinApp
{
public:
    CProgramApp() : CWinApp(L"AfxProgram") {}

    BOOL InitInstance() override
    {
        auto* pWnd = new CSelfClosingWnd;
        if (!pWnd->CreateEx(0, nullptr, L"program", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr))
            return FALSE;
        m_pMainWnd = pWnd;
        pWnd->SetTimer(1, 20);
        return TRUE;
    }

    int ExitInstance() override
    {
        return CWinApp::ExitInstance() + (m_lpCmdLine != nullptr ? _wtoi(m_lpCmdLine) : 0);
    }
};

CProgramApp theApp;

}  // namespace
