// CPreviewView: the print preview. It takes the place of a view in its frame,
// runs the view's print steps into a page image (an enhanced metafile drawn
// with the printer as reference, so the view measures the printer's fonts)
// and shows the page at scale, with a bar of buttons: print, next and
// previous page, zoom in and out, close. Keys: Page Down / Page Up step,
// + and - zoom, Escape closes. The window deletes itself when destroyed.
#pragma once

#include "view.h"

// Command ids of the preview's buttons.
#define AFX_ID_PREVIEW_CLOSE 0xE300
#define AFX_ID_PREVIEW_NEXT 0xE302
#define AFX_ID_PREVIEW_PREV 0xE303
#define AFX_ID_PREVIEW_PRINT 0xE304
#define AFX_ID_PREVIEW_ZOOMIN 0xE305
#define AFX_ID_PREVIEW_ZOOMOUT 0xE306

class CPreviewView : public CWnd
{
    DECLARE_DYNAMIC(CPreviewView)
public:
    // Zoom levels: the whole page fits the window, then twice and four times that.
    enum
    {
        zoomWholePage = 0,
        zoomMax = 2
    };

    CPreviewView() = default;
    ~CPreviewView() override;

    // Prepares a preview of pPrintView (OnPreparePrinting, OnBeginPrinting),
    // hides the view and shows the first page in its place. On failure the
    // object deletes itself and returns FALSE.
    BOOL StartPreview(CView* pPrintView);
    // Shows the print view again and destroys this window (and object).
    // Called by CView::OnEndPrintPreview.
    void RestorePrintView();

    UINT GetCurrentPage() const { return m_nPage; }
    // Pages of the job; 0 when there is nothing to print.
    UINT GetPageCount() const { return m_nLastPage >= m_nFirstPage ? m_nLastPage - m_nFirstPage + 1 : 0; }
    int GetZoom() const { return m_nZoom; }
    // The page shown, as drawn by the view; null when there is none.
    HENHMETAFILE GetPageMetafile() const { return m_hPage; }
    // Where the page lies in the client area.
    CRect GetPageRect() const;
    CPrintInfo* GetPrintInfo() const { return m_pInfo; }
    // FALSE when nPage is outside the job (the page shown stays).
    BOOL GoToPage(UINT nPage);

protected:
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnNextPage();
    afx_msg void OnPrevPage();
    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();
    afx_msg void OnPreviewClose();
    afx_msg void OnPreviewPrint();

    DECLARE_MESSAGE_MAP()

private:
    // The page image of nPage; null when the view stops the job before it.
    HENHMETAFILE RenderPage(UINT nPage);
    void SetZoom(int nZoom);
    CSize PageSizeOnScreen() const;
    CRect PageArea() const;
    void UpdateScrollBars();
    void Scroll(int nBar, int nNewPos);
    void UpdateBar();
    void CreateBar();
    void PaintBar(CDC* pDC);
    void EndPrinting();

    CView* m_pPrintView = nullptr;
    HWND m_hPrintView = nullptr;
    int m_nPrintViewID = 0;
    CPrintInfo* m_pInfo = nullptr;
    CDC m_dcPrinter;                  // the job's printer DC (owned by m_pInfo)
    HENHMETAFILE m_hPage = nullptr;   // the page shown
    UINT m_nPage = 0;
    UINT m_nFirstPage = 1;
    UINT m_nLastPage = 0;   // AFX_PAGES_UNKNOWN until the view stops
    int m_nZoom = zoomWholePage;
    CPoint m_scroll;   // scroll position in screen pixels
    BOOL m_bPrintingEnded = FALSE;
    CFont m_barFont;
};
