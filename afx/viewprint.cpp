// The print cycle of a view: preparing the printer, the page loop, the job.
#include "afxframe.h"
#include <algorithm>

namespace
{

// Texts of the framework's printing messages.
const wchar_t kNoPrinter[] = L"No printer is installed.";
const wchar_t kPrinterFailed[] = L"The printer could not be opened.";
const wchar_t kStartFailed[] = L"Failed to start print job.";
const wchar_t kPageFailed[] = L"The printer failed while printing; the job was cancelled.";

// The printer the application chose (CWinApp::SelectPrinter), if any.
void StartFromApplicationPrinter(CPrintDialog* pDlg)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_hDevNames != nullptr)
        pDlg->SetPrinter(pApp->m_hDevNames, pApp->m_hDevMode);
}

// The document name of a job: the frame's title, else the view's.
CString DefaultDocName(CView* pView)
{
    CString strName;
    if (CFrameWnd* pFrame = pView->GetParentFrame())
        pFrame->GetWindowText(strName);
    if (strName.IsEmpty())
        pView->GetWindowText(strName);
    if (strName.IsEmpty())
        strName = L"Document";
    return strName;
}

}   // namespace

BOOL AfxDoPreparePrinting(CPrintInfo* pInfo, CWnd* pOwner)
{
    ASSERT(pInfo != nullptr);
    if (pInfo == nullptr)
        return FALSE;
    CPrintDialog* pDlg = pInfo->m_pPD;
    StartFromApplicationPrinter(pDlg);
    PRINTDLGW& pd = pDlg->m_pd;
    if (pd.nMinPage > pd.nMaxPage)
        pd.nMaxPage = pd.nMinPage;
    pd.nFromPage = pd.nMinPage;
    pd.nToPage = pd.nMaxPage;

    if (pInfo->m_bDirect || pInfo->m_bPreview)
    {
        const bool chosen = pd.hDevNames != nullptr;
        if (!pDlg->GetDefaults())
        {
            AfxMessageBox(chosen ? kPrinterFailed : kNoPrinter, MB_OK | MB_ICONEXCLAMATION);
            return FALSE;
        }
    }
    else
    {
        HWND hOwner = pOwner->GetSafeHwnd();
        pd.hwndOwner = hOwner != nullptr ? ::GetAncestor(hOwner, GA_ROOT) : nullptr;
        if (pDlg->DoModal() != IDOK)
        {
            // Cancelling is no error; a dialog that could not find a printer is.
            if (::CommDlgExtendedError() != 0)
                AfxMessageBox(kNoPrinter, MB_OK | MB_ICONEXCLAMATION);
            return FALSE;
        }
    }
    if (pd.hDC == nullptr && pDlg->CreatePrinterDC() == nullptr)
    {
        AfxMessageBox(kPrinterFailed, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}

BOOL AfxPrintPages(CView* pView, CDC* pDC, CPrintInfo* pInfo, LPCTSTR lpszDocName)
{
    const UINT nFrom = std::max(pInfo->GetFromPage(), pInfo->GetMinPage());
    const UINT nTo = std::min(pInfo->GetToPage(), pInfo->GetMaxPage());
    if (nFrom > nTo)
        return TRUE;   // nothing to print: no job at all

    DOCINFOW docInfo = {};
    docInfo.cbSize = sizeof docInfo;
    docInfo.lpszDocName = lpszDocName;
    const int nJob = pDC->StartDoc(&docInfo);
    if (nJob <= 0)
    {
        AfxMessageBox(kStartFailed, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    pInfo->m_nJobNumber = static_cast<UINT>(nJob);

    BOOL bOk = TRUE;
    for (UINT nPage = nFrom; nPage <= nTo; ++nPage)
    {
        pInfo->m_nCurPage = nPage;
        pInfo->m_rectDraw.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
        pDC->DPtoLP(&pInfo->m_rectDraw);
        pView->OnPrepareDC(pDC, pInfo);
        if (!pInfo->m_bContinuePrinting)
            break;
        if (pDC->StartPage() <= 0)
        {
            bOk = FALSE;
            break;
        }
        pView->OnPrint(pDC, pInfo);
        if (pDC->EndPage() <= 0)
        {
            bOk = FALSE;
            break;
        }
    }
    if (bOk)
    {
        if (pDC->EndDoc() <= 0)
            bOk = FALSE;
    }
    else
    {
        pDC->AbortDoc();
    }
    if (!bOk)
        AfxMessageBox(kPageFailed, MB_OK | MB_ICONEXCLAMATION);
    return bOk;
}

void CView::OnFilePrint()
{
    CPrintInfo printInfo;
    const MSG* pMsg = GetCurrentMessage();
    printInfo.m_bDirect = pMsg->message == WM_COMMAND && LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT;
    const CString strDefaultName = DefaultDocName(this);
    if (!OnPreparePrinting(&printInfo))
        return;
    // A view that prepared without the dialog still prints on the default printer.
    if (printInfo.m_pPD->m_pd.hDC == nullptr)
    {
        printInfo.m_bDirect = TRUE;
        if (!AfxDoPreparePrinting(&printInfo, this))
            return;
    }

    CDC dcPrint;
    dcPrint.Attach(printInfo.m_pPD->m_pd.hDC);
    dcPrint.m_bPrinting = TRUE;
    OnBeginPrinting(&dcPrint, &printInfo);
    const CString strDocName = printInfo.m_strDocName.IsEmpty() ? strDefaultName : printInfo.m_strDocName;
    AfxPrintPages(this, &dcPrint, &printInfo, strDocName);
    // The last step: it may destroy this view.
    OnEndPrinting(&dcPrint, &printInfo);
    dcPrint.Detach();   // CPrintInfo deletes the DC
}
