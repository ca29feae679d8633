// The demo's main window.
#include "main_frame.h"

#include "button_tools.h"
#include "button_tools_ids.h"
#include "departments_page.h"
#include "module_page.h"
#include "patient_form.h"
#include "patient_edit_ids.h"
#include "patient_edit_page.h"
#include "patient_list_page.h"
#include "report_export.h"
#include "report_ids.h"
#include "print_demo.h"
#include "print_demo_ids.h"
#include "resource.h"
#include "treelist_page.h"
#include "tour.h"
#include "visit_search_page.h"
#include "word_output.h"

namespace
{

const wchar_t kFrameClass[] = L"QVDemoFrame";
const wchar_t kFrameTitle[] = L"QVCtrl 病歷管理示範";
const UINT_PTR kTourTimer = 1;
const int kBannerHeight = 64;
const UINT kPageId = 100;

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

// The pages of the View menu, in the order the unattended tour shows them.
// A page may have something done on it once shown (tour); an entry with no
// page is a pause, in which the message box of the page before is answered.
struct DemoPage
{
    UINT nID;
    const wchar_t* screenshot;
    void (*tour)(CWnd* pPage);
};
const DemoPage kPages[] = {
    {ID_VIEW_PATIENTS, L"demo-patients", nullptr},
    {ID_VIEW_WARDS, L"demo-wards", nullptr},
    {ID_VIEW_DEPARTMENTS, L"demo-departments", nullptr},
    {ID_VIEW_FORM, L"demo-patient-form", FillPatientFormSample},
    {ID_VIEW_INFO, L"demo-library-info", nullptr},
    {ID_VIEW_SEARCH, L"demo-visit-search", SearchVisitSample},
    {ID_VIEW_SEARCH, L"demo-visit-search-wrong-date", SearchReversedRange},
    {ID_VIEW_PATIENTS, nullptr, ExportReportSample},
    {0, nullptr, nullptr},
    {ID_VIEW_EDIT_GRID, L"demo-grid-editor", ShowGridEditorSample},
    {0, L"demo-grid-combo", ShowGridComboSample},
    {0, L"demo-grid-edited", ShowGridEditedSample},
    {0, L"demo-grid-chosen", ShowChooserSample},
};

}   // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_CLOSE()
    ON_COMMAND(ID_FILE_EXIT, OnFileExit)
    ON_COMMAND_RANGE(ID_FILE_REPORT, ID_FILE_TEXT_EXPORT, OnFileReport)
    ON_COMMAND(ID_FILE_WORD, OnFileWord)
    ON_COMMAND(ID_HELP_ABOUT, OnHelpAbout)
    ON_COMMAND_RANGE(ID_VIEW_PATIENTS, ID_VIEW_INFO, OnViewPage)
    ON_COMMAND_RANGE(ID_VIEW_SEARCH, ID_VIEW_SEARCH, OnViewPage)
    ON_COMMAND_RANGE(ID_VIEW_DEPARTMENTS, ID_VIEW_DEPARTMENTS, OnViewPage)
    ON_COMMAND_RANGE(ID_VIEW_START, ID_VIEW_START, OnViewPage)
    ON_COMMAND_RANGE(ID_PATIENT_SORT, ID_PATIENT_SEARCH, OnPatientDialog)
    ON_COMMAND_RANGE(ID_VIEW_EDIT_GRID, ID_VIEW_EDIT_GRID, OnViewPage)
    ON_COMMAND(ID_PATIENT_CHOOSER, OnPatientChooser)
    ON_COMMAND_RANGE(ID_FILE_PRINT, ID_FILE_PRINT, OnPrintCommand)
    ON_COMMAND_RANGE(ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_PREVIEW, OnPrintCommand)
    ON_COMMAND_RANGE(ID_FILE_DAY_REPORT, ID_FILE_DAY_REPORT, OnPrintCommand)
END_MESSAGE_MAP()

BOOL CMainFrame::CreateFrame()
{
    RegisterFrameClass();
    HMENU hMenu = ::LoadMenuW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINMENU));
    return CreateEx(0, kFrameClass, kFrameTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, 960, 680, nullptr,
                    hMenu);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    m_titleFont.CreateFont(-28, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"新細明體");
    m_textFont.CreateFont(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"新細明體");
    if (DemoTourRequested())
        SetTimer(kTourTimer, 700, nullptr);
    ShowPage(ID_VIEW_START);
    return 0;
}

CRect CMainFrame::PageRect() const
{
    CRect rc;
    ::GetClientRect(m_hWnd, &rc);
    rc.top += kBannerHeight;
    rc.DeflateRect(8, 8);
    return rc;
}

void CMainFrame::ShowPage(UINT nID)
{
    if (m_hPage != nullptr && ::IsWindow(m_hPage))
        ::DestroyWindow(m_hPage);
    m_hPage = nullptr;
    m_nPage = nID;

    CWnd* pPage = nullptr;
    switch (nID)
    {
    case ID_VIEW_PATIENTS:
        pPage = CreatePatientListPage(this, PageRect(), kPageId);
        break;
    case ID_VIEW_FORM:
        pPage = CreatePatientForm(this, PageRect(), kPageId);
        break;
    case ID_VIEW_INFO:
        pPage = CreateModuleInfoPage(this, PageRect(), kPageId);
        break;
    case ID_VIEW_SEARCH:
        pPage = CreateVisitSearchPage(this, PageRect(), kPageId);
        break;
    case ID_VIEW_DEPARTMENTS:
        pPage = CreateDepartmentsPage(this, PageRect());
        break;
    case ID_VIEW_START:
        pPage = CreateStartMenuPage(this, PageRect(), kPageId);
        break;
    case ID_VIEW_EDIT_GRID:
        pPage = CreatePatientEditPage(this, PageRect(), kPageId);
        break;
    }
    if (nID == ID_VIEW_WARDS)
        m_hPage = CreateWardTreePage(m_hWnd, PageRect());
    if (pPage != nullptr)
        m_hPage = pPage->GetSafeHwnd();
    Invalidate();
}

void CMainFrame::OnViewPage(UINT nID)
{
    ShowPage(nID);
}

// The sort and search dialogs work on the patient list, shown first when needed.
void CMainFrame::OnPatientDialog(UINT nID)
{
    if (m_nPage != ID_VIEW_PATIENTS)
        ShowPage(ID_VIEW_PATIENTS);
    CWnd* pList = CWnd::FromHandlePermanent(m_hPage);
    if (nID == ID_PATIENT_SORT)
        RunPatientSortDialog(this, pList, m_strPatientSort);
    else
        RunPatientSearchDialog(this, pList);
}

void CMainFrame::OnPatientChooser()
{
    RunPatientChooser(this, CWnd::FromHandlePermanent(m_hPage));
}

void CMainFrame::OnPrintCommand(UINT nID)
{
    RunPrintCommand(this, nID);
}

void CMainFrame::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_hPage != nullptr && ::IsWindow(m_hPage))
    {
        CRect rc = PageRect();
        ::MoveWindow(m_hPage, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
    }
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

    CRect banner(rc.left, rc.top, rc.right, rc.top + kBannerHeight);
    dc.FillSolidRect(&banner, RGB(0, 70, 140));
    dc.SetBkMode(TRANSPARENT);
    CFont* pOld = dc.SelectObject(&m_titleFont);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.TextOut(24, 16, CString(L"QVCtrl 病歷管理示範"));

    if (m_hPage == nullptr)
    {
        dc.SelectObject(&m_textFont);
        dc.SetTextColor(RGB(20, 20, 20));
        static const wchar_t* const lines[] = {
            L"診所、收費與掛號的記錄管理程式庫。",
            L"病患清單、病房床位樹、日期檢查、列印與匯出，",
            L"都從上方的選單開啟。",
        };
        int y = banner.bottom + 24;
        for (const wchar_t* line : lines)
        {
            dc.TextOut(24, y, CString(line));
            y += 26;
        }
    }
    dc.SelectObject(pOld);
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kTourTimer)
        RunTourStep();
}

// Without a display the demo walks its screens once, saving each, then closes.
// Step 0 saves the start screen; each later step saves the page the step before showed.
void CMainFrame::RunTourStep()
{
    const int nPages = static_cast<int>(sizeof(kPages) / sizeof(kPages[0]));
    const int step = m_tourStep++;
    if (step == 0)
    {
        SaveDemoScreenshot(m_hWnd, L"demo-main");
        SaveDemoScreenshot(m_hWnd, L"demo-menu-panel");
    }
    else if (step <= nPages && kPages[step - 1].screenshot != nullptr)
        SaveDemoScreenshot(m_hWnd, kPages[step - 1].screenshot);
    AnswerDemoMessageBoxes();

    if (step < nPages)
    {
        if (kPages[step].nID != 0)
            ShowPage(kPages[step].nID);
        // A step may run a dialog of its own: no step starts inside it.
        KillTimer(kTourTimer);
        if (kPages[step].tour != nullptr)
            kPages[step].tour(CWnd::FromHandle(m_hPage));
        SetTimer(kTourTimer, 700, nullptr);
    }
    else if (step > nPages)
    {
        KillTimer(kTourTimer);
        SaveButtonTourScreens(this);
        RunPrintTour();
        WritePatientDocument();
        PostMessage(WM_CLOSE);
    }
}

void CMainFrame::OnClose()
{
    DestroyWindow();
}

// The report and the text export are made from the patient list, shown first when needed.
void CMainFrame::OnFileReport(UINT nID)
{
    if (m_nPage != ID_VIEW_PATIENTS)
        ShowPage(ID_VIEW_PATIENTS);
    RunReportCommand(nID, CWnd::FromHandlePermanent(m_hPage));
}

void CMainFrame::OnFileExit()
{
    PostMessage(WM_CLOSE);
}

void CMainFrame::OnFileWord()
{
    if (WritePatientDocument())
        AfxMessageBox(L"已寫成 out\\patient.docx 並列印為 out\\patient.pdf", MB_OK | MB_ICONINFORMATION);
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
