// CPrintFrame and CPrintView: the dialog's printing through the framework's cycle.
#include "printframe.h"
#include "dlgprintdlg.h"

BEGIN_MESSAGE_MAP(CPrintFrame, CFrameWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CPrintFrame::CPrintFrame()
{
    // The framework's preview wants its frame to be the main window.
    if (CWinApp* pApp = AfxGetApp())
    {
        m_pOldMainWnd = pApp->m_pMainWnd;
        pApp->m_pMainWnd = this;
    }
}

CPrintFrame::~CPrintFrame()
{
    RestoreMainWindow();
}

void CPrintFrame::RestoreMainWindow()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this)
        pApp->m_pMainWnd = m_pOldMainWnd;
}

CPreviewView* CPrintFrame::GetPreview() const
{
    CWnd* pPane = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST));
    return pPane != nullptr && pPane->IsKindOf(RUNTIME_CLASS(CPreviewView)) ? static_cast<CPreviewView*>(pPane)
                                                                            : nullptr;
}

BOOL CPrintFrame::OnCreateClient(LPCREATESTRUCT /*lpcs*/, CCreateContext* pContext)
{
    m_pView = new CPrintView;
    if (!m_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST,
                         pContext))
    {
        if (m_pView->m_hWnd == nullptr)
            delete m_pView;
        m_pView = nullptr;
        return FALSE;
    }
    SetActiveView(m_pView);
    return TRUE;
}

void CPrintFrame::OnDestroy()
{
    if (m_pView != nullptr && ::IsWindow(m_pView->m_hWnd))
        m_pView->DestroyWindow();   // the view deletes itself
    m_pView = nullptr;
    CFrameWnd::OnDestroy();
    RestoreMainWindow();
}

CPrintView::CPrintView() : m_bCloseAfterPrinting(1) {}

CPrintFrame* CPrintView::Frame() const
{
    return static_cast<CPrintFrame*>(GetParentFrame());
}

CDlgPrintDlg* CPrintView::OwnerDialog() const
{
    CPrintFrame* pFrame = Frame();
    return pFrame != nullptr ? pFrame->m_pOwnerDialog : nullptr;
}

void CPrintView::DestroyFrame()
{
    if (CPrintFrame* pFrame = Frame())
        pFrame->DestroyWindow();   // this view goes with it
}

void CPrintView::StartPreview()
{
    Frame()->ShowWindow(SW_SHOWMAXIMIZED);
    m_bCloseAfterPrinting = 0;
    OnFilePrintPreview();
}

void CPrintView::StartPrinting()
{
    Frame()->ShowWindow(SW_SHOWMINIMIZED);
    m_bCloseAfterPrinting = 1;
    OnFilePrint();
}

void CPrintView::OnDraw(CDC* /*pDC*/) {}

BOOL CPrintView::OnPreparePrinting(CPrintInfo* pInfo)
{
    // The job is named after the report.
    if (CDlgPrintDlg* pDialog = OwnerDialog())
    {
        pInfo->m_strDocName = pDialog->m_strTitle;
        if (pInfo->m_strDocName.IsEmpty())
            pDialog->GetWindowText(pInfo->m_strDocName);
    }
    const BOOL bResult = DoPreparePrinting(pInfo);
    if (!bResult)
        DestroyFrame();
    return bResult;
}

void CPrintView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnBeginPrinting(pDC, pInfo);
    if (CDlgPrintDlg* pDialog = OwnerDialog())
        pDialog->SendMessage(WM_DLGPRINT_BEGINPRINTING, reinterpret_cast<WPARAM>(pDC), reinterpret_cast<LPARAM>(pInfo));
}

void CPrintView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    if (CDlgPrintDlg* pDialog = OwnerDialog())
        pDialog->SendMessage(WM_DLGPRINT_PRINTPAGE, reinterpret_cast<WPARAM>(pDC), reinterpret_cast<LPARAM>(pInfo));
}

void CPrintView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnEndPrinting(pDC, pInfo);
    if (CDlgPrintDlg* pDialog = OwnerDialog())
        pDialog->SendMessage(WM_DLGPRINT_ENDPRINTING, 0, 0);
    if (m_bCloseAfterPrinting)
        DestroyFrame();   // this view is gone afterwards
}

void CPrintView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView)
{
    CView::OnEndPrintPreview(pDC, pInfo, point, pView);
    DestroyFrame();
}
