// CPreviewView: page images drawn by the print view, shown at scale.
#include "afxframe.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CPreviewView, CWnd)

BEGIN_MESSAGE_MAP(CPreviewView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_KEYDOWN()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_GETDLGCODE()
    ON_COMMAND(AFX_ID_PREVIEW_NEXT, OnNextPage)
    ON_COMMAND(AFX_ID_PREVIEW_PREV, OnPrevPage)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
    ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
    ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
END_MESSAGE_MAP()

namespace
{

const int kBarHeight = 32;   // the button bar at the top
const int kButtonWidth = 84;
const int kButtonGap = 6;
const int kPageMargin = 12;   // grey space around the page
const int kShadow = 4;        // the page's shadow
const int kWheelStep = 60;    // pixels per wheel notch
// Id the hidden print view takes while the preview holds the pane id.
const int kHiddenViewId = AFX_IDW_PANE_FIRST + 0xFF;

struct BarButton
{
    UINT nID;
    const wchar_t* pszText;
};
const BarButton kButtons[] = {
    {AFX_ID_PREVIEW_PRINT, L"Print..."}, {AFX_ID_PREVIEW_NEXT, L"Next Page"},   {AFX_ID_PREVIEW_PREV, L"Prev Page"},
    {AFX_ID_PREVIEW_ZOOMIN, L"Zoom In"}, {AFX_ID_PREVIEW_ZOOMOUT, L"Zoom Out"}, {AFX_ID_PREVIEW_CLOSE, L"Close"},
};

}   // namespace

CPreviewView::~CPreviewView()
{
    if (m_hPage != nullptr)
        ::DeleteEnhMetaFile(m_hPage);
    m_dcPrinter.Detach();
    delete m_pInfo;   // deletes the printer DC
}

void CPreviewView::PostNcDestroy()
{
    delete this;
}

BOOL CPreviewView::StartPreview(CView* pPrintView)
{
    CFrameWnd* pFrame = pPrintView != nullptr ? pPrintView->GetParentFrame() : nullptr;
    if (pFrame == nullptr)
    {
        delete this;
        return FALSE;
    }
    m_pPrintView = pPrintView;
    m_hPrintView = pPrintView->m_hWnd;
    m_pInfo = new CPrintInfo;
    m_pInfo->m_bPreview = TRUE;
    // The view may destroy itself (and its frame) when it refuses.
    if (!pPrintView->OnPreparePrinting(m_pInfo))
    {
        delete this;
        return FALSE;
    }
    if (m_pInfo->m_pPD->m_pd.hDC == nullptr)
    {
        m_pInfo->m_bPreview = TRUE;
        if (!AfxDoPreparePrinting(m_pInfo, pFrame))
        {
            delete this;
            return FALSE;
        }
    }
    m_dcPrinter.Attach(m_pInfo->m_pPD->m_pd.hDC);
    m_dcPrinter.m_bPrinting = TRUE;
    pPrintView->OnBeginPrinting(&m_dcPrinter, m_pInfo);

    m_nFirstPage = std::max(m_pInfo->GetFromPage(), m_pInfo->GetMinPage());
    m_nLastPage = std::min(m_pInfo->GetToPage(), m_pInfo->GetMaxPage());

    // Take the view's place in the frame.
    m_nPrintViewID = pPrintView->GetDlgCtrlID();
    pPrintView->SetDlgCtrlID(kHiddenViewId);
    pPrintView->ShowWindow(SW_HIDE);
    RECT rcClient;
    pFrame->GetClientRect(&rcClient);
    if (!Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL, rcClient, pFrame,
                AFX_IDW_PANE_FIRST))
    {
        pPrintView->SetDlgCtrlID(m_nPrintViewID);
        pPrintView->ShowWindow(SW_SHOW);
        EndPrinting();
        if (m_hWnd == nullptr)
            delete this;
        return FALSE;
    }
    pFrame->RecalcLayout();
    if (GetPageCount() > 0)
        GoToPage(m_nFirstPage);
    UpdateBar();
    SetFocus();
    return TRUE;
}

int CPreviewView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    CreateBar();
    return 0;
}

void CPreviewView::CreateBar()
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        m_barFont.CreateFontIndirect(&metrics.lfMessageFont);
    int x = kButtonGap;
    for (const BarButton& button : kButtons)
    {
        HWND hButton = ::CreateWindowExW(
            0, WC_BUTTON, button.pszText, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, 4, kButtonWidth, kBarHeight - 8,
            m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(button.nID)), AfxGetInstanceHandle(), nullptr);
        if (hButton != nullptr && m_barFont.m_hObject != nullptr)
            ::SendMessageW(hButton, WM_SETFONT, reinterpret_cast<WPARAM>(m_barFont.m_hObject), FALSE);
        x += kButtonWidth + kButtonGap;
    }
}

void CPreviewView::EndPrinting()
{
    if (m_bPrintingEnded)
        return;
    m_bPrintingEnded = TRUE;
    // Only while the view still lives: a frame being torn down may have taken it.
    if (::IsWindow(m_hPrintView) && CWnd::FromHandlePermanent(m_hPrintView) == m_pPrintView)
        m_pPrintView->OnEndPrinting(&m_dcPrinter, m_pInfo);
}

void CPreviewView::OnDestroy()
{
    EndPrinting();
    CWnd::OnDestroy();
}

void CPreviewView::RestorePrintView()
{
    m_bPrintingEnded = TRUE;
    if (::IsWindow(m_hPrintView))
    {
        ::SetWindowLongPtrW(m_hPrintView, GWLP_ID, m_nPrintViewID);
        ::ShowWindow(m_hPrintView, SW_SHOW);
    }
    CWnd* pFrame = GetParent();
    ::SetWindowLongPtrW(m_hWnd, GWLP_ID, 0);
    HWND hFrame = pFrame->GetSafeHwnd();
    DestroyWindow();   // deletes this object
    if (CWnd* pFrameWnd = CWnd::FromHandlePermanent(hFrame);
        pFrameWnd != nullptr && pFrameWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        static_cast<CFrameWnd*>(pFrameWnd)->RecalcLayout();
    if (::IsWindow(m_hPrintView))
        ::SetFocus(m_hPrintView);
}

HENHMETAFILE CPreviewView::RenderPage(UINT nPage)
{
    HDC hPrinter = m_dcPrinter.m_hDC;
    const RECT rcFrame = {0, 0, ::GetDeviceCaps(hPrinter, HORZSIZE) * 100, ::GetDeviceCaps(hPrinter, VERTSIZE) * 100};
    HDC hMeta = ::CreateEnhMetaFileW(hPrinter, nullptr, &rcFrame, L"QVCtrl\0Print preview\0");
    if (hMeta == nullptr)
        return nullptr;
    // The page starts with what the printer DC has selected, as a printed page does.
    ::SelectObject(hMeta, ::GetCurrentObject(hPrinter, OBJ_FONT));
    ::SetMapMode(hMeta, ::GetMapMode(hPrinter));

    CDC dc;
    dc.Attach(hMeta);
    dc.SetAttribDC(hPrinter);
    dc.m_bPrinting = TRUE;
    m_pInfo->m_nCurPage = nPage;
    m_pInfo->m_bContinuePrinting = TRUE;
    m_pInfo->m_rectDraw.SetRect(0, 0, ::GetDeviceCaps(hPrinter, HORZRES), ::GetDeviceCaps(hPrinter, VERTRES));
    m_pPrintView->OnPrepareDC(&dc, m_pInfo);
    const BOOL bPrint = m_pInfo->m_bContinuePrinting;
    if (bPrint)
        m_pPrintView->OnPrint(&dc, m_pInfo);
    dc.Detach();
    HENHMETAFILE hPage = ::CloseEnhMetaFile(hMeta);
    if (!bPrint && hPage != nullptr)
    {
        ::DeleteEnhMetaFile(hPage);
        hPage = nullptr;
    }
    return hPage;
}

BOOL CPreviewView::GoToPage(UINT nPage)
{
    if (nPage < m_nFirstPage || nPage > m_nLastPage || m_bPrintingEnded)
        return FALSE;
    HENHMETAFILE hPage = RenderPage(nPage);
    if (hPage == nullptr)
    {
        // A job of unknown length ends before this page.
        if (m_nLastPage == AFX_PAGES_UNKNOWN && nPage > m_nFirstPage)
            m_nLastPage = nPage - 1;
        UpdateBar();
        return FALSE;
    }
    if (m_hPage != nullptr)
        ::DeleteEnhMetaFile(m_hPage);
    m_hPage = hPage;
    m_nPage = nPage;
    m_scroll = CPoint(0, 0);
    UpdateScrollBars();
    UpdateBar();
    Invalidate();
    return TRUE;
}

CRect CPreviewView::PageArea() const
{
    CRect rc;
    GetClientRect(&rc);
    rc.top += kBarHeight;
    return rc;
}

CSize CPreviewView::PageSizeOnScreen() const
{
    HDC hPrinter = m_dcPrinter.m_hDC;
    const CRect area = PageArea();
    if (hPrinter == nullptr || area.Width() <= 2 * kPageMargin || area.Height() <= 2 * kPageMargin)
        return CSize(0, 0);
    // Printer pixels in screen proportions (the two resolutions may differ).
    const double pageW =
        static_cast<double>(::GetDeviceCaps(hPrinter, HORZRES)) / ::GetDeviceCaps(hPrinter, LOGPIXELSX);
    const double pageH =
        static_cast<double>(::GetDeviceCaps(hPrinter, VERTRES)) / ::GetDeviceCaps(hPrinter, LOGPIXELSY);
    const double fit = std::min((area.Width() - 2 * kPageMargin) / pageW, (area.Height() - 2 * kPageMargin) / pageH);
    const double scale = fit * (1 << m_nZoom);
    return CSize(static_cast<int>(pageW * scale), static_cast<int>(pageH * scale));
}

CRect CPreviewView::GetPageRect() const
{
    const CRect area = PageArea();
    const CSize size = PageSizeOnScreen();
    // Centred while it fits, else at the margin and scrolled.
    int x = size.cx + 2 * kPageMargin <= area.Width() ? area.left + (area.Width() - size.cx) / 2
                                                      : area.left + kPageMargin - m_scroll.x;
    int y = size.cy + 2 * kPageMargin <= area.Height() ? area.top + (area.Height() - size.cy) / 2
                                                       : area.top + kPageMargin - m_scroll.y;
    return CRect(x, y, x + size.cx, y + size.cy);
}

void CPreviewView::UpdateScrollBars()
{
    const CRect area = PageArea();
    const CSize size = PageSizeOnScreen();
    const int bars[] = {SB_HORZ, SB_VERT};
    const int extents[] = {size.cx + 2 * kPageMargin, size.cy + 2 * kPageMargin};
    const int views[] = {area.Width(), area.Height()};
    for (int i = 0; i < 2; ++i)
    {
        SCROLLINFO si = {sizeof si, SIF_ALL | SIF_DISABLENOSCROLL};
        si.nMin = 0;
        si.nMax = std::max(extents[i] - 1, 0);
        si.nPage = static_cast<UINT>(std::max(views[i], 0));
        si.nPos = i == 0 ? m_scroll.x : m_scroll.y;
        ::SetScrollInfo(m_hWnd, bars[i], &si, TRUE);
        SCROLLINFO now = {sizeof now, SIF_POS};
        ::GetScrollInfo(m_hWnd, bars[i], &now);
        (i == 0 ? m_scroll.x : m_scroll.y) = now.nPos;
    }
}

void CPreviewView::Scroll(int nBar, int nNewPos)
{
    SCROLLINFO si = {sizeof si, SIF_POS};
    si.nPos = nNewPos;
    ::SetScrollInfo(m_hWnd, nBar, &si, TRUE);
    ::GetScrollInfo(m_hWnd, nBar, &si);
    (nBar == SB_HORZ ? m_scroll.x : m_scroll.y) = si.nPos;
    CRect area = PageArea();
    InvalidateRect(&area, FALSE);
}

void CPreviewView::SetZoom(int nZoom)
{
    nZoom = std::clamp(nZoom, static_cast<int>(zoomWholePage), static_cast<int>(zoomMax));
    if (nZoom == m_nZoom)
        return;
    m_nZoom = nZoom;
    m_scroll = CPoint(0, 0);
    UpdateScrollBars();
    UpdateBar();
    Invalidate();
}

void CPreviewView::UpdateBar()
{
    if (m_hWnd == nullptr)
        return;
    const auto enable = [this](UINT nID, bool bEnable)
    {
        if (HWND hButton = ::GetDlgItem(m_hWnd, nID))
            ::EnableWindow(hButton, bEnable);
    };
    const UINT nPages = GetPageCount();
    enable(AFX_ID_PREVIEW_NEXT, nPages > 0 && m_nPage < m_nLastPage);
    enable(AFX_ID_PREVIEW_PREV, nPages > 0 && m_nPage > m_nFirstPage);
    enable(AFX_ID_PREVIEW_ZOOMIN, nPages > 0 && m_nZoom < zoomMax);
    enable(AFX_ID_PREVIEW_ZOOMOUT, nPages > 0 && m_nZoom > zoomWholePage);
    enable(AFX_ID_PREVIEW_PRINT, nPages > 0);
    RECT rcBar = {0, 0, 0, kBarHeight};
    GetClientRect(&rcBar);
    rcBar.bottom = kBarHeight;
    InvalidateRect(&rcBar, TRUE);
}

void CPreviewView::PaintBar(CDC* pDC)
{
    CRect rcBar;
    GetClientRect(&rcBar);
    rcBar.bottom = kBarHeight;
    pDC->FillSolidRect(&rcBar, ::GetSysColor(COLOR_BTNFACE));
    CString strPage;
    if (GetPageCount() == 0)
        strPage = L"No pages";
    else if (m_nLastPage == AFX_PAGES_UNKNOWN)
        strPage.Format(m_pInfo->m_strPageDesc, m_nPage);
    else
        strPage.Format(m_pInfo->m_strPageDesc + L" / %u", m_nPage, m_nLastPage);
    CRect rcText = rcBar;
    rcText.left = kButtonGap + static_cast<int>(std::size(kButtons)) * (kButtonWidth + kButtonGap) + kButtonGap;
    CFont* pOld = m_barFont.m_hObject ? pDC->SelectObject(&m_barFont) : nullptr;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    pDC->DrawText(strPage, &rcText, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (pOld != nullptr)
        pDC->SelectObject(pOld);
}

BOOL CPreviewView::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;   // OnPaint covers everything
}

void CPreviewView::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    CDC dc;
    dc.Attach(hDC);
    PaintBar(&dc);
    const CRect area = PageArea();
    const CRect page = GetPageRect();
    // Grey around the page, then its shadow, paper and frame.
    CRgn rgnArea, rgnPage;
    rgnArea.CreateRectRgnIndirect(&area);
    dc.SaveDC();
    dc.SelectClipRgn(&rgnArea);
    const bool showPage = m_hPage != nullptr && page.Width() > 0;
    if (showPage)
        dc.ExcludeClipRect(page.left, page.top, page.right + kShadow, page.bottom + kShadow);
    dc.FillSolidRect(&area, ::GetSysColor(COLOR_APPWORKSPACE));
    dc.RestoreDC(-1);
    if (showPage)
    {
        dc.SaveDC();
        dc.IntersectClipRect(&area);
        dc.FillSolidRect(page.left + kShadow, page.bottom, page.Width(), kShadow, RGB(64, 64, 64));
        dc.FillSolidRect(page.right, page.top + kShadow, kShadow, page.Height(), RGB(64, 64, 64));
        dc.FillSolidRect(page.right, page.bottom, kShadow, kShadow, ::GetSysColor(COLOR_APPWORKSPACE));
        dc.FillSolidRect(page.left + page.Width(), page.top, kShadow, kShadow, ::GetSysColor(COLOR_APPWORKSPACE));
        dc.FillSolidRect(page.left, page.bottom, kShadow, kShadow, ::GetSysColor(COLOR_APPWORKSPACE));
        dc.FillSolidRect(&page, RGB(255, 255, 255));
        ::PlayEnhMetaFile(hDC, m_hPage, &page);
        dc.Draw3dRect(&page, RGB(0, 0, 0), RGB(0, 0, 0));
        dc.RestoreDC(-1);
    }
    dc.Detach();
    ::EndPaint(m_hWnd, &ps);
}

void CPreviewView::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    UpdateScrollBars();
    Invalidate();
}

UINT CPreviewView::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

void CPreviewView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar)
    {
    case VK_NEXT:
        OnNextPage();
        break;
    case VK_PRIOR:
        OnPrevPage();
        break;
    case VK_ADD:
    case VK_OEM_PLUS:
        OnZoomIn();
        break;
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
        OnZoomOut();
        break;
    case VK_ESCAPE:
        OnPreviewClose();   // this object is gone afterwards
        return;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        break;
    }
}

// New scroll position for a scroll-bar request.
static int ScrollTarget(HWND hWnd, int nBar, UINT nSBCode, int nLine)
{
    SCROLLINFO si = {sizeof si, SIF_ALL};
    ::GetScrollInfo(hWnd, nBar, &si);
    switch (nSBCode)
    {
    case SB_LINEUP:
        return si.nPos - nLine;
    case SB_LINEDOWN:
        return si.nPos + nLine;
    case SB_PAGEUP:
        return si.nPos - static_cast<int>(si.nPage);
    case SB_PAGEDOWN:
        return si.nPos + static_cast<int>(si.nPage);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return si.nTrackPos;
    case SB_TOP:
        return si.nMin;
    case SB_BOTTOM:
        return si.nMax;
    default:
        return si.nPos;
    }
}

void CPreviewView::OnVScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/)
{
    Scroll(SB_VERT, ScrollTarget(m_hWnd, SB_VERT, nSBCode, kWheelStep));
}

void CPreviewView::OnHScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/)
{
    Scroll(SB_HORZ, ScrollTarget(m_hWnd, SB_HORZ, nSBCode, kWheelStep));
}

BOOL CPreviewView::OnMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/)
{
    Scroll(SB_VERT, m_scroll.y - zDelta * kWheelStep / WHEEL_DELTA);
    return TRUE;
}

void CPreviewView::OnNextPage()
{
    GoToPage(m_nPage + 1);
    SetFocus();
}

void CPreviewView::OnPrevPage()
{
    if (m_nPage > m_nFirstPage)
        GoToPage(m_nPage - 1);
    SetFocus();
}

void CPreviewView::OnZoomIn()
{
    SetZoom(m_nZoom + 1);
    SetFocus();
}

void CPreviewView::OnZoomOut()
{
    SetZoom(m_nZoom - 1);
    SetFocus();
}

void CPreviewView::OnPreviewClose()
{
    // The view's step ends with RestorePrintView, which deletes this object.
    m_pPrintView->OnEndPrintPreview(&m_dcPrinter, m_pInfo, CPoint(0, 0), this);
}

void CPreviewView::OnPreviewPrint()
{
    const HWND hPrintView = m_hPrintView;
    OnPreviewClose();
    // The print view prints the job for real when it is still there.
    if (::IsWindow(hPrintView))
        ::PostMessageW(hPrintView, WM_COMMAND, ID_FILE_PRINT, 0);
}

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT /*point*/, CPreviewView* pView)
{
    OnEndPrinting(pDC, pInfo);
    pView->RestorePrintView();
}

void CView::OnFilePrintPreview()
{
    auto* pPreview = new CPreviewView;
    pPreview->StartPreview(this);   // deletes itself when it fails
}
