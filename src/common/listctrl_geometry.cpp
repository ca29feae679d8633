// CNewListCtrl: where rows and columns lie in the client area.
#include "common/listctrl.h"

#include <algorithm>

BOOL CNewListCtrl::GetHeaderRect(int nColumn, CRect& rect)
{
    if (!m_pHeadWnd->GetSafeHwnd())
        return FALSE;
    RECT rcItem{};
    if (!m_pHeadWnd->GetItemRect(nColumn, &rcItem))
        return FALSE;
    rect = rcItem;
    return TRUE;
}

int CNewListCtrl::GetHeadHeight()
{
    if (!m_pHeadWnd->GetSafeHwnd())
        return 0;
    CRect rcHeader;
    m_pHeadWnd->GetClientRect(&rcHeader);
    return rcHeader.Height();
}

int CNewListCtrl::GetHeadWidth()
{
    return m_pHeadWnd->GetSafeHwnd() ? m_pHeadWnd->GetWidth() : 0;
}

int CNewListCtrl::RowToYPos(int nRow)
{
    return GetHeadHeight() + nRow * m_nRowHeight;
}

int CNewListCtrl::YToRow(int y)
{
    return (y - GetHeadHeight()) / std::max(m_nRowHeight, 1);
}

int CNewListCtrl::XToCol(int x)
{
    if (!m_pHeadWnd->GetSafeHwnd() || x < 0)
        return -1;
    for (int nColumn = 0; nColumn < m_pHeadWnd->GetItemCount(); ++nColumn)
    {
        const long nWidth = m_pHeadWnd->GetItemWidth(nColumn);
        if (nWidth > x)
            return nColumn;
        x -= nWidth;
    }
    return -1;
}

void CNewListCtrl::RectLPtoRowRange(const CRect& rect, int& nFirst, int& nLast, int nPartial)
{
    const int nRowHeight = std::max(m_nRowHeight, 1);
    const int nAdjust = nPartial ? 0 : nRowHeight - 1;
    nFirst = std::max(int(rect.top + nAdjust - GetHeadHeight()) / nRowHeight, 0);
    const int nBottomRow = int(rect.bottom - nAdjust) / nRowHeight;
    nLast = nBottomRow < m_nRowCount - 1 ? nBottomRow : m_nRowCount - 1;
    nLast = std::max(nLast, 0);
}

CRect CNewListCtrl::RowToWndRect(CDC* pDC, int nRow)
{
    if (nRow < 0 || nRow >= m_nRowCount)
        return CRect(0, 0, 0, 0);
    int nFirst = nRow, nLast = nRow;
    GetRowRange(0, nRow, nFirst, nLast);
    const int nVert = GetScrollPos(SB_VERT);
    const int nResolution = pDC ? pDC->GetDeviceCaps(HORZRES) : 0;
    const int nRight = std::max(nResolution, (nLast - nFirst + 1) * m_nRowWidth);
    return CRect(0, RowToYPos(nFirst) - nVert, nRight, RowToYPos(nLast + 1) - nVert);
}

void CNewListCtrl::GetRowWidthHeight(int& nWidth, int& nHeight)
{
    nWidth = GetHeadWidth();
    if (!GetSafeHwnd())
        return;
    CClientDC dc(this);
    TEXTMETRICW metrics{};
    dc.GetTextMetrics(&metrics);
    const int nTextHeight = metrics.tmHeight;
    nHeight = (nTextHeight + nTextHeight / 4) * m_nLinesPerRow;
    if (nHeight < 1)
        nHeight = 1;
}
