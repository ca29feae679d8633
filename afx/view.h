// CView: a child window of a frame that draws something and can print it.
//
// The print cycle (OnFilePrint): OnPreparePrinting (normally DoPreparePrinting,
// the platform's print dialog), OnBeginPrinting with the printer DC, then for
// each page OnPrepareDC and OnPrint between StartPage and EndPage, then
// OnEndPrinting. OnFilePrintPreview runs the same steps into CPreviewView,
// which draws the pages at scale in the frame until it is closed
// (OnEndPrintPreview). A job whose page range is empty sends nothing to the
// spooler.
#pragma once

#include "framewnd.h"
#include "printinfo.h"

class CPreviewView;

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    CFrameWnd* GetParentFrame() const;

    virtual void OnDraw(CDC* pDC) = 0;
    // Before each page (pInfo non-null) and each paint (pInfo null). For a
    // job of unknown length it stops the job after the first page.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);

    // The print cycle's steps. OnPreparePrinting returns FALSE to cancel;
    // the base returns TRUE without a dialog.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    // The base draws the page with OnDraw.
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // The preview is being closed: the base calls OnEndPrinting and takes the
    // preview window away (it deletes itself with pInfo).
    virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);

    // Runs a print job. The view may be destroyed by its own steps (a frame
    // closed in OnEndPrinting): nothing of the view is used after them.
    afx_msg void OnFilePrint();
    afx_msg void OnFilePrintPreview();

protected:
    // The print dialog, or the default printer when pInfo->m_bDirect or
    // m_bPreview is set; FALSE when cancelled or when there is no printer.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);

    void PostNcDestroy() override;
    afx_msg void OnPaint();
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()
};

// The preparation behind CView::DoPreparePrinting, for print helpers that are
// not views: the dialog owned by pOwner (or the active window), or the
// default printer for direct and preview jobs. Shows "No printer is
// installed." when there is no printer at all.
BOOL AfxDoPreparePrinting(CPrintInfo* pInfo, CWnd* pOwner);
// Runs the page loop of a prepared job on its printer DC; used by OnFilePrint.
// FALSE when the spooler refused the job or a page.
BOOL AfxPrintPages(CView* pView, CDC* pDC, CPrintInfo* pInfo, LPCTSTR lpszDocName);
