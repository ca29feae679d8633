// The demo's main window.
#include "main_frame.h"
#include "resource.h"
#include "tour.h"

namespace {

const wchar_t kFrameClass[] = L"QVDemoFrame";
const wchar_t kFrameTitle[] = L"QVCtrl 病歷管理示範";
const UINT_PTR kTourTimer = 1;

void RegisterFrameClass()
{
    WNDCLASSEXW wc = {sizeof(wc)};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    wc.lpszClassName = kFrameClass;
    ::RegisterClassExW(&wc);   // a second registration fails harmlessly
}

} // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_CLOSE()
    ON_COMMAND(ID_FILE_EXIT, &CMainFrame::OnFileExit)
    ON_COMMAND(ID_HELP_ABOUT, &CMainFrame::OnHelpAbout)
END_MESSAGE_MAP()

BOOL CMainFrame::CreateFrame()
{
    RegisterFrameClass();
    HMENU hMenu = ::LoadMenuW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINMENU));
    return CreateEx(0, kFrameClass, kFrameTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    40, 40, 960, 680, nullptr, hMenu);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    m_titleFont.CreateFont(-28, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH, L"新細明體");
    m_textFont.CreateFont(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH, L"新細明體");
    if (DemoTourRequested())
        SetTimer(kTourTimer, 700, nullptr);
    return 0;
}

BOOL CMainFrame::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, RGB(250, 250, 245));
    return TRUE;
}

void CMainFrame::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);

    CRect banner(rc.left, rc.top, rc.right, rc.top + 64);
    dc.FillSolidRect(&banner, RGB(0, 70, 140));
    dc.SetBkMode(TRANSPARENT);
    CFont* pOld = dc.SelectObject(&m_titleFont);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.TextOut(24, 16, CString(L"QVCtrl 病歷管理示範"));

    dc.SelectObject(&m_textFont);
    dc.SetTextColor(RGB(20, 20, 20));
    static const wchar_t* const lines[] = {
        L"診所、收費與掛號的記錄管理程式庫。",
        L"病患清單、病房床位樹、日期檢查、列印與匯出，",
        L"都從上方的選單開啟。",
    };
    int y = banner.bottom + 24;
    for (const wchar_t* line : lines) {
        dc.TextOut(24, y, CString(line));
        y += 26;
    }
    dc.SelectObject(pOld);
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kTourTimer)
        RunTourStep();
}

// Without a display the demo walks its screens once, saving each, then closes.
void CMainFrame::RunTourStep()
{
    switch (m_tourStep++) {
    case 0:
        SaveDemoScreenshot(m_hWnd, L"demo-main");
        break;
    default:
        KillTimer(kTourTimer);
        PostMessage(WM_CLOSE);
        break;
    }
}

void CMainFrame::OnClose()
{
    DestroyWindow();
}

void CMainFrame::OnFileExit()
{
    PostMessage(WM_CLOSE);
}

void CMainFrame::OnHelpAbout()
{
    AfxMessageBox(L"QVCtrl 病歷管理示範\n記錄管理程式庫 1.0", MB_OK | MB_ICONINFORMATION);
}

void CMainFrame::PostNcDestroy()
{
    ::PostQuitMessage(0);
    delete this;
}
