// CTreeList: placing the header, the tree and the scroll bar, and scrolling
// the columns sideways.
#include "control/treelisthost.h"

namespace
{

const int kHeaderTop = -1;     // the header overlaps the host's top edge by a pixel
const int kTreeGap = 4;        // between the header's bottom and the tree
const int kTreeRightGap = 5;   // the tree stops short of the host's right edge
const int kLineStep = 6;       // pixels per arrow click; thumb positions snap to it
const UINT kPlaceFlags = SWP_NOZORDER | SWP_NOACTIVATE;

// Every insertion re-lays the host, and under a window system even a move that
// changes nothing costs a round trip: children are moved only when their place or
// visibility changes.
void PlaceChild(CWnd& child, const CWnd& host, const CRect& place, UINT flags)
{
    CRect rcNow;
    child.GetWindowRect(&rcNow);
    host.ScreenToClient(&rcNow);
    const bool bShowAsked = (flags & SWP_SHOWWINDOW) != 0;
    if (rcNow == place && (!bShowAsked || child.IsWindowVisible()))
        return;
    child.SetWindowPos(nullptr, place.left, place.top, place.Width(), place.Height(), flags);
}

void SetRangeIfChanged(CScrollBar& bar, int nMax)
{
    int nOldMin = 0;
    int nOldMax = 0;
    bar.GetScrollRange(&nOldMin, &nOldMax);
    if (nOldMin != 0 || nOldMax != nMax)
        bar.SetScrollRange(0, nMax);
}

int ScrollLimit(CScrollBar& bar)
{
    int nMin = 0;
    int nMax = 0;
    bar.GetScrollRange(&nMin, &nMax);
    return nMax;
}

}   // namespace

int CTreeList::StretchWidth(int n, int nUnit)
{
    if (nUnit < 1)
        nUnit = 1;   // a host without width: no unit to round to
    return (n / nUnit + 1) * nUnit;
}

int CTreeList::HeaderWidth() const
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nStretched = StretchWidth(m_wndTree.GetColumnsWidth(), rcClient.Width());
    return nStretched > rcClient.Width() ? nStretched : rcClient.Width();
}

void CTreeList::PlaceHeader(int x)
{
    PlaceChild(m_wndTree.m_wndHeader, *this, CRect(CPoint(x, kHeaderTop), CSize(HeaderWidth(), HeaderHeight())),
               kPlaceFlags | SWP_SHOWWINDOW);
}

void CTreeList::PlaceTree(bool bRoomForBar)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nTop = kHeaderTop + HeaderHeight() + kTreeGap;
    const int nBottom = bRoomForBar ? rcClient.bottom - ::GetSystemMetrics(SM_CYHSCROLL) - 1 : rcClient.bottom;
    const int nWidth = rcClient.Width() - kTreeRightGap;
    PlaceChild(m_wndTree, *this, CRect(0, nTop, nWidth > 0 ? nWidth : 0, nBottom > nTop ? nBottom : nTop), kPlaceFlags);
}

bool CTreeList::FitScrollBar()
{
    CRect rcTree;
    m_wndTree.GetClientRect(&rcTree);
    const int nTotal = m_wndTree.GetColumnsWidth();
    if (rcTree.Width() < nTotal)
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        const int cyScroll = ::GetSystemMetrics(SM_CYHSCROLL);
        const int nWidth = rcClient.Width() - (VerticalScrollVisible() ? ::GetSystemMetrics(SM_CXVSCROLL) : 0);
        PlaceChild(m_wndScroll, *this, CRect(0, rcClient.bottom - cyScroll, nWidth, rcClient.bottom),
                   kPlaceFlags | SWP_SHOWWINDOW);
        m_wndScroll.EnableWindow(TRUE);
        SetRangeIfChanged(m_wndScroll, nTotal - rcTree.Width());
        return true;
    }
    m_wndScroll.EnableWindow(FALSE);
    m_wndScroll.ShowWindow(SW_HIDE);
    SetRangeIfChanged(m_wndScroll, 0);
    return false;
}

void CTreeList::ResetScrollBar()
{
    if (!::IsWindow(m_wndTree.m_hWnd))
        return;
    CRect rcTree;
    m_wndTree.GetClientRect(&rcTree);
    const bool bWanted = rcTree.Width() < m_wndTree.GetColumnsWidth();
    PlaceTree(bWanted);
    // The tree's height may have shown or hidden its vertical bar, and so changed its width.
    const bool bShown = FitScrollBar();
    if (bShown != bWanted)
        PlaceTree(bShown);
    if (!bShown)
    {
        m_wndTree.m_nOffset = 0;
        m_wndTree.Invalidate();
        PlaceHeader(0);
        return;
    }
    // Scrolled as far as the header stands, within the new range.
    CRect rcHeader;
    m_wndTree.m_wndHeader.GetWindowRect(&rcHeader);
    ScreenToClient(&rcHeader);
    const int nLast = ScrollLimit(m_wndScroll) - 1;
    int nPos = -rcHeader.left;
    nPos = nPos > nLast ? nLast : nPos;
    nPos = nPos < 0 ? 0 : nPos;
    m_wndTree.m_nOffset = -nPos;
    if (m_wndScroll.GetScrollPos() != nPos)
        m_wndScroll.SetScrollPos(nPos);   // a redraw of the bar: only when it moves
    PlaceHeader(-nPos);
}

void CTreeList::ScrollTo(int nPos)
{
    const int nLast = ScrollLimit(m_wndScroll) - 1;
    nPos = nPos > nLast ? nLast : nPos;
    nPos = nPos < 0 ? 0 : nPos;
    m_wndScroll.SetScrollPos(nPos);
    const int nOffset = -nPos;
    const int nShift = nOffset - m_wndTree.m_nOffset;
    m_wndTree.m_nOffset = nOffset;
    if (nShift != 0)
        m_wndTree.ScrollWindow(nShift, 0);
    PlaceHeader(nOffset);
}

void CTreeList::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar == nullptr || pScrollBar->GetSafeHwnd() != m_wndScroll.GetSafeHwnd())
    {
        CWnd::OnHScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nCurrent = m_wndScroll.GetScrollPos();
    switch (nSBCode)
    {
    case SB_LINELEFT:
        ScrollTo(nCurrent - kLineStep);
        break;
    case SB_LINERIGHT:
        ScrollTo(nCurrent + kLineStep);
        break;
    case SB_PAGELEFT:
        ScrollTo(nCurrent - rcClient.Width());
        break;
    case SB_PAGERIGHT:
        ScrollTo(nCurrent + rcClient.Width());
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        ScrollTo(nPos == 0 ? 0 : StretchWidth(int(nPos), kLineStep));
        break;
    case SB_LEFT:
        ScrollTo(0);
        break;
    case SB_RIGHT:
        ScrollTo(ScrollLimit(m_wndScroll) - 1);
        break;
    default:
        break;
    }
    CWnd::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CTreeList::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (!::IsWindow(m_wndTree.m_hWnd))
        return;
    PlaceHeader(m_wndTree.m_nOffset);
    m_wndTree.ResetVertScrollBar();
}

void CTreeList::OnMove(int x, int y)
{
    CWnd::OnMove(x, y);
    ResizeAllControls();
}

void CTreeList::ResizeAllControls()
{
    if (!::IsWindow(m_wndTree.m_hWnd))
        return;
    PlaceHeader(m_wndTree.m_nOffset);
    PlaceTree(m_wndScroll.IsWindowEnabled() != FALSE);
    m_wndTree.ResetVertScrollBar();
}
