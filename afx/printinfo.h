// CPrintInfo: one print or preview job as the print cycle hands it to a view.
// It owns its print dialog and, at the end of the job, the printer DC.
#pragma once

#include "printdlg.h"

// Page count of a job whose length the view does not know yet.
#define AFX_PAGES_UNKNOWN 0xFFFF

struct CPrintInfo
{
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    CPrintDialog* m_pPD;               // the dialog; holds the page range and the printer DC
    BOOL m_bDirect = FALSE;            // print on the default printer without the dialog
    BOOL m_bPreview = FALSE;           // the job is a print preview
    BOOL m_bContinuePrinting = TRUE;   // cleared by OnPrepareDC to stop the job
    UINT m_nCurPage = 1;               // page being prepared or printed
    UINT m_nNumPreviewPages = 1;
    CString m_strPageDesc;   // "Page %u" form shown by the preview
    LPVOID m_lpUserData = nullptr;
    CRect m_rectDraw;        // the page's printable area, set before each OnPrint
    UINT m_nJobNumber = 0;   // the spooler's job id, set by StartDoc
    CString m_strDocName;    // the spooler's document name; empty: the frame's title

    void SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = static_cast<WORD>(nMinPage); }
    void SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = static_cast<WORD>(nMaxPage); }
    UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
    UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
    // The range to print: the dialog's page range when the user gave one,
    // else all pages from the minimum to the maximum.
    UINT GetFromPage() const;
    UINT GetToPage() const;
    UINT GetOffsetPage() const { return m_nCurPage - GetMinPage(); }
};
