// The demo program's application object.
#include "afxall.h"
#include "main_frame.h"

class CDemoApp : public CWinApp
{
public:
    CDemoApp() : CWinApp(L"QVDemo") {}

    BOOL InitInstance() override
    {
        // The report preview hosts the system's web browser control.
        AfxOleInit();
        auto* pFrame = new CMainFrame;
        if (!pFrame->CreateFrame())
        {
            delete pFrame;
            return FALSE;
        }
        m_pMainWnd = pFrame;
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
        return TRUE;
    }
};

CDemoApp theApp;
