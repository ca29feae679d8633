// CHeadWnd: clicks reported to the parent, and dragging of column borders.
#include "common/headwnd.h"

LRESULT CHeadWnd::SendHeaderNotify(UINT nCode, int nItem, int nButton)
{
    CWnd* pParent = GetParent();
    if (!pParent)
        return 0;
    NMHEADERW notify{};
    notify.hdr.hwndFrom = m_hWnd;
    notify.hdr.idFrom = UINT_PTR(GetDlgCtrlID());
    notify.hdr.code = nCode;
    notify.iItem = nItem;
    notify.iButton = nButton;
    return pParent->SendMessage(WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
}

LRESULT CHeadWnd::SendHeaderNotify(UINT nCode)
{
    CWnd* pParent = GetParent();
    if (!pParent)
        return 0;
    NMHDR notify{};
    notify.hwndFrom = m_hWnd;
    notify.idFrom = UINT_PTR(GetDlgCtrlID());
    notify.code = nCode;
    return pParent->SendMessage(WM_NOTIFY, notify.idFrom, reinterpret_cast<LPARAM>(&notify));
}

void CHeadWnd::OnLButtonDown(UINT, CPoint point)
{
    if (const int nEdge = IsEdge(point))
    {
        ::SetCursor(m_hEdgeCursor);
        m_nDragItem = nEdge;
        SetCapture();
        return;
    }
    const int nItem = XToItem(point.x);
    if (nItem >= 0 && nItem < m_nCount)
        SendHeaderNotify(HDN_ITEMCLICKW, nItem, 0);
}

void CHeadWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_nDragItem = 0;
    ::ReleaseCapture();
    if (IsEdge(point))
        ::SetCursor(m_hEdgeCursor);
    else
        CWnd::OnLButtonUp(nFlags, point);
}

void CHeadWnd::OnLButtonDblClk(UINT, CPoint point)
{
    // Only the upper row answers double clicks.
    const int nItem = XToItem(point.x);
    if (nItem >= 0 && nItem < m_nCount && point.y >= 0 && point.y <= m_nRowHeight)
        SendHeaderNotify(HDN_ITEMDBLCLICKW, nItem, 0);
}

void CHeadWnd::OnRButtonDown(UINT nFlags, CPoint point)
{
    const int nItem = HitTest(point);
    if (nItem >= 0 && nItem < m_nCount)
        SendHeaderNotify(HDN_ITEMCLICKW, nItem, 1);
    CWnd::OnRButtonDown(nFlags, point);
}

void CHeadWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nDragItem > 0)
        DragBorder(point);
    if (IsEdge(point))
        ::SetCursor(m_hEdgeCursor);
    else
    {
        ::SetCursor(m_hNormalCursor);
        CWnd::OnMouseMove(nFlags, point);
    }
}

// The group caption over a lower-row item: the nearest preceding group.
CxHeadItemIndex* CHeadWnd::GroupOf(CxHeadItemIndex* pNode)
{
    if (pNode->nLevel != HEADLEVEL_LOWER)
        return nullptr;
    CxHeadItemIndex* pGroup = pNode->pPrevious;
    while (pGroup && pGroup->nLevel < HEADLEVEL_GROUP)
        pGroup = pGroup->pPrevious;
    return pGroup;
}

// The widths of the consecutive lower-row items that follow a group caption.
int CHeadWnd::GroupSpan(const CxHeadItemIndex* pGroup)
{
    int nSpan = 0;
    for (const CxHeadItemIndex* pNode = pGroup->pNext; pNode && pNode->nLevel == HEADLEVEL_LOWER; pNode = pNode->pNext)
        nSpan += pNode->nWidth;
    return nSpan;
}

void CHeadWnd::DragBorder(CPoint point)
{
    CxHeadItemIndex* pNode = NodeAt(m_nDragItem - 1);
    if (!pNode)
        return;
    const int nDelta = point.x - (pNode->nLeft + pNode->nWidth);
    CxHeadItemIndex* pGroup = GroupOf(pNode);
    // A group narrower than 2 pixels would read as a lower-row level: refuse.
    if (pGroup && pGroup->nLevel + nDelta < HEADLEVEL_GROUP)
        return;
    if (nDelta == 0 || pNode->nWidth + nDelta <= 0)
        return;

    for (CxHeadItemIndex* pFollowing = pNode->pNext; pFollowing; pFollowing = pFollowing->pNext)
        pFollowing->nLeft += nDelta;
    pNode->nWidth += nDelta;
    if (pGroup)
        pGroup->nLevel = GroupSpan(pGroup);

    CRect rcClient;
    GetClientRect(&rcClient);
    rcClient.left = pGroup ? pGroup->nLeft : pNode->nLeft;
    InvalidateRect(&rcClient, TRUE);

    CWnd* pParent = GetParent();
    if (!pParent)
        return;
    // The parent may delete items while it answers: look the item up again.
    const int nIndex = pNode->nIndex;
    pParent->SendMessage(UM_HEADSIZE, WPARAM(nIndex), MAKELONG(GetWidth(), m_nRowHeight));
    pNode = NodeAt(nIndex);
    if (!pNode || !::IsWindow(pParent->GetSafeHwnd()))
        return;
    CRect rcParent;
    pParent->GetClientRect(&rcParent);
    rcParent.left = pNode->nLeft - pParent->GetScrollPos(SB_HORZ);
    rcParent.top += m_nRowHeight;
    pParent->InvalidateRect(&rcParent, TRUE);
}
