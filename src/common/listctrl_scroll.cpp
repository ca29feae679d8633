// CNewListCtrl: scrolling in pixels. The vertical bar holds positions divided
// by the vertical scale, so that the range fits its 16-bit positions.
#include "common/listctrl.h"

#include <algorithm>

int CNewListCtrl::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    if (nBar == SB_VERT)
        return CWnd::SetScrollPos(nBar, nPos / m_nVertScale, bRedraw) * m_nVertScale;
    return CWnd::SetScrollPos(nBar, nPos, bRedraw);
}

int CNewListCtrl::GetScrollPos(int nBar) const
{
    if (!GetSafeHwnd())
        return 0;
    if (nBar == SB_VERT)
        return (GetStyle() & WS_VSCROLL) ? CWnd::GetScrollPos(nBar) * m_nVertScale : 0;
    return CWnd::GetScrollPos(nBar);
}

void CNewListCtrl::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    if (nBar == SB_VERT)
        CWnd::SetScrollRange(nBar, nMinPos / m_nVertScale, nMaxPos / m_nVertScale, bRedraw);
    else
        CWnd::SetScrollRange(nBar, nMinPos, nMaxPos, bRedraw);
}

void CNewListCtrl::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
{
    int nMin = 0, nMax = 0;
    CWnd::GetScrollRange(nBar, &nMin, &nMax);
    const int nScale = nBar == SB_VERT ? m_nVertScale : 1;
    if (lpMinPos)
        *lpMinPos = nMin * nScale;
    if (lpMaxPos)
        *lpMaxPos = nMax * nScale;
}

int CNewListCtrl::LastViewableRow()
{
    return m_nVertScale * 32767 / std::max(m_nRowHeight, 1) - 1;
}

// Showing a bar that shows already would lay the frame out again for nothing.
void CNewListCtrl::ShowBar(int nBar, DWORD dwStyle, bool bShow)
{
    if (((GetStyle() & dwStyle) != 0) != bShow)
        ShowScrollBar(UINT(nBar), bShow);
}

// Bars are given their new range and position without drawing and repaint
// with the next WM_PAINT: drawing them at once takes Wine a round trip to
// the X server each time, which row-by-row filling would pay for every row.
void CNewListCtrl::InvalidateBars()
{
    CRect rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    ScreenToClient(&rcWindow);
    GetClientRect(&rcClient);
    CRgn frame, client;
    frame.CreateRectRgnIndirect(&rcWindow);
    client.CreateRectRgnIndirect(&rcClient);
    frame.CombineRgn(&frame, &client, RGN_DIFF);
    RedrawWindow(nullptr, &frame, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void CNewListCtrl::UpdateScrollSizes()
{
    if (!GetSafeHwnd())
        return;
    m_nInLayout = 1;
    const int nOldHorz = GetScrollPos(SB_HORZ), nOldVert = GetScrollPos(SB_VERT);
    GetRowWidthHeight(m_nRowWidth, m_nRowHeight);
    const int nExtent = m_nRowHeight * std::min(m_nRowCount, LastViewableRow()) + GetHeadHeight();

    CRect rcClient;
    GetClientRect(&rcClient);
    const bool bVertical = rcClient.Height() < nExtent;
    if (bVertical)
    {
        ShowBar(SB_VERT, WS_VSCROLL, true);
        SetScrollRange(SB_VERT, 0, nExtent - rcClient.Height(), FALSE);
    }
    else
    {
        SetScrollPos(SB_VERT, 0, FALSE);
        ShowBar(SB_VERT, WS_VSCROLL, false);
    }

    GetClientRect(&rcClient);
    if (rcClient.Width() < m_nRowWidth)
    {
        ShowBar(SB_HORZ, WS_HSCROLL, true);
        SetScrollRange(SB_HORZ, 0, m_nRowWidth - rcClient.Width(), FALSE);
        if (bVertical)
        {
            // The horizontal bar took some of the height.
            GetClientRect(&rcClient);
            SetScrollRange(SB_VERT, 0, nExtent - rcClient.Height(), FALSE);
        }
    }
    else
    {
        SetScrollPos(SB_HORZ, 0, FALSE);
        ShowBar(SB_HORZ, WS_HSCROLL, false);
    }
    m_nInLayout = 0;
    InvalidateBars();
    // A shorter range may have pulled a position back: what shows must follow.
    if (GetScrollPos(SB_HORZ) != nOldHorz || GetScrollPos(SB_VERT) != nOldVert)
        Invalidate();
}

void CNewListCtrl::ScrollToDevicePosition(POINT ptDevice)
{
    const int nOldHorz = GetScrollPos(SB_HORZ), nOldVert = GetScrollPos(SB_VERT);
    SetScrollPos(SB_HORZ, ptDevice.x, FALSE);
    SetScrollPos(SB_VERT, ptDevice.y, FALSE);
    InvalidateBars();
    const int nNewHorz = GetScrollPos(SB_HORZ), nNewVert = GetScrollPos(SB_VERT);
    if (nNewHorz != nOldHorz)
        ScrollWindow(nOldHorz - nNewHorz, 0);
    if (nNewVert != nOldVert)
    {
        CRect rcRows;
        GetClientRect(&rcRows);
        rcRows.top += GetHeadHeight();
        ScrollWindow(0, nOldVert - nNewVert, &rcRows, &rcRows);
    }
    // The rows moved under the editor (a scroll rectangle leaves children where they are).
    if (nNewHorz != nOldHorz || nNewVert != nOldVert)
        ScrollEdit();
}

void CNewListCtrl::UpdateRow(int nRow)
{
    if (!GetSafeHwnd() || nRow < 0)
        return;
    if (m_nRowCount != m_nLastLayoutRowCount)
    {
        UpdateScrollSizes();
        m_nLastLayoutRowCount = m_nRowCount;
    }
    const int nHorz = GetScrollPos(SB_HORZ), nVert = GetScrollPos(SB_VERT);
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcVisible = rcClient;
    rcVisible.OffsetRect(nHorz, nVert);
    int nFirstVisible = 0, nLastVisible = 0;
    RectLPtoRowRange(rcVisible, nFirstVisible, nLastVisible, 0);

    bool bScroll = true;
    int nTarget = 0;
    if (nRow == 0)
        nTarget = 0;
    else if (nRow > nFirstVisible || nFirstVisible == 0)
    {
        if (nRow < nLastVisible)
            bScroll = false;
        else
            nTarget = std::max(RowToYPos(nRow + 1) - rcClient.Height(), 0);
    }
    else
        nTarget = nRow == nFirstVisible ? RowToYPos(nRow - 1) : RowToYPos(nRow);
    if (bScroll)
        ScrollToDevicePosition(CPoint(nHorz, nTarget));

    CClientDC dc(this);
    const CRect rcRow = RowToWndRect(&dc, nRow);
    InvalidateRect(&rcRow, TRUE);
    if (m_nSelectedRow != m_nLastDrawnActiveRow)
    {
        const CRect rcLast = RowToWndRect(&dc, m_nLastDrawnActiveRow);
        InvalidateRect(&rcLast, TRUE);
        m_nLastDrawnActiveRow = m_nSelectedRow;
    }
}

BOOL CNewListCtrl::EnsureVisible(int nRow, BOOL)
{
    if (nRow < 0 || nRow > m_nRowCount)
        return FALSE;
    if (nRow == m_nRowCount && m_nRowCount > 0)
        nRow = m_nRowCount - 1;
    UpdateRow(nRow);
    return TRUE;
}

// Rows that fit whole in the area below the header, in pixels.
int CNewListCtrl::VerticalPage()
{
    CRect rcRows;
    GetClientRect(&rcRows);
    rcRows.top += GetHeadHeight();
    return (rcRows.Height() / std::max(m_nRowHeight, 1)) * m_nRowHeight;
}

void CNewListCtrl::ScrollVertically(int nDelta)
{
    const int nCurrent = GetScrollPos(SB_VERT);
    int nMin = 0, nMax = 0;
    GetScrollRange(SB_VERT, &nMin, &nMax);
    nDelta = std::min(nDelta, nMax - nCurrent);
    nDelta = std::max(nDelta, -nCurrent);
    nDelta = nDelta / m_nVertScale * m_nVertScale;
    if (nDelta == 0)
        return;
    CRect rcRows;
    GetClientRect(&rcRows);
    rcRows.top += GetHeadHeight();
    ScrollWindow(0, -nDelta, &rcRows, &rcRows);
    SetScrollPos(SB_VERT, nCurrent + nDelta, FALSE);
    InvalidateBars();
    UpdateWindow();
    ScrollEdit();
}

void CNewListCtrl::ScrollHorizontally(int nDelta)
{
    const int nCurrent = GetScrollPos(SB_HORZ);
    int nMin = 0, nMax = 0;
    GetScrollRange(SB_HORZ, &nMin, &nMax);
    nDelta = std::min(nDelta, nMax - nCurrent);
    nDelta = std::max(nDelta, -nCurrent);
    if (nDelta == 0)
        return;
    ScrollWindow(-nDelta, 0);
    SetScrollPos(SB_HORZ, nCurrent + nDelta, FALSE);
    InvalidateBars();
    ScrollEdit();
}

void CNewListCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    if (!(GetStyle() & WS_VSCROLL))
        return;
    const int nCurrent = GetScrollPos(SB_VERT);
    int nDelta = 0;
    switch (nSBCode)
    {
    case SB_LINEUP:
        nDelta = -m_nRowHeight;
        break;
    case SB_LINEDOWN:
        nDelta = m_nRowHeight;
        break;
    case SB_PAGEUP:
        nDelta = -VerticalPage();
        break;
    case SB_PAGEDOWN:
        nDelta = VerticalPage();
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        nDelta = int(nPos) * m_nVertScale - nCurrent;
        break;
    case SB_TOP:
        nDelta = -int(nPos);
        break;   // the wheel: pos is in pixels
    case SB_BOTTOM:
        nDelta = int(nPos);
        break;
    case SB_ENDSCROLL:
        return;
    default:
        break;
    }
    ScrollVertically(nDelta);
}

void CNewListCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    if (!(GetStyle() & WS_HSCROLL))
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nPage = (rcClient.Height() / std::max(m_nRowHeight, 1)) * m_nRowHeight;
    int nDelta = 0;
    switch (nSBCode)
    {
    case SB_LINELEFT:
        nDelta = -m_nRowHeight;
        break;
    case SB_LINERIGHT:
        nDelta = m_nRowHeight;
        break;
    case SB_PAGELEFT:
        nDelta = -nPage;
        break;
    case SB_PAGERIGHT:
        nDelta = nPage;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        nDelta = int(nPos) - GetScrollPos(SB_HORZ);
        break;
    case SB_ENDSCROLL:
        return;
    default:
        break;
    }
    ScrollHorizontally(nDelta);
}

BOOL CNewListCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (CWnd::OnMouseWheel(nFlags, zDelta, pt))
        return TRUE;
    if (!(GetStyle() & WS_VSCROLL))
        return FALSE;
    const int nCurrent = GetScrollPos(SB_VERT);
    int nMin = 0, nMax = 0;
    GetScrollRange(SB_VERT, &nMin, &nMax);
    if ((nCurrent <= nMin && zDelta > 0) || (nCurrent >= nMax && zDelta < 0))
        return FALSE;
    if (zDelta < 0)
        OnVScroll(SB_BOTTOM, UINT(-zDelta), nullptr);
    else if (zDelta > 0)
        OnVScroll(SB_TOP, UINT(zDelta), nullptr);
    return TRUE;
}
