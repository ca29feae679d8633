// CNewListCtrl: the mouse. A click selects a row and a cell, tells the
// parent, and with editing on asks it whether the editor may move there.
#include "common/listctrl.h"

namespace
{

const int kStateIconWidth = 21;   // clicks left of this hit the state image
const int kCheckHalfWidth = 8;    // clicks this close to a check-box column's centre hit the box
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kClickedBlue = RGB(128, 128, 255);
const COLORREF kQueriedSilver = RGB(192, 192, 192);

}   // namespace

int CNewListCtrl::HitTest(CPoint point, UINT* pFlags)
{
    const int nRow = YToRow(point.y + GetScrollPos(SB_VERT));
    UINT nFlags = 0;
    if (m_pStateImages && point.x < kStateIconWidth)
        nFlags = LISTHT_CHECK;
    // The check-box test measures in column coordinates, as the click does.
    const int x = point.x + GetScrollPos(SB_HORZ);
    const int nColumn = XToCol(x);
    CRect rcHeader;
    if (nColumn >= 0 && IsCheckColumn(nColumn) && GetHeaderRect(nColumn, rcHeader) &&
        abs(x - rcHeader.CenterPoint().x) < kCheckHalfWidth)
        nFlags = LISTHT_CHECK;
    if (pFlags)
        *pFlags = nFlags;
    return nRow;
}

int CNewListCtrl::HitTest(LVHITTESTINFO* pInfo)
{
    if (!pInfo)
        return -1;
    pInfo->flags = (m_pStateImages && pInfo->pt.x < kStateIconWidth) ? LISTHT_CHECK : 0;
    pInfo->iSubItem = XToCol(pInfo->pt.x + GetScrollPos(SB_HORZ));
    return YToRow(pInfo->pt.y + GetScrollPos(SB_VERT));
}

BOOL CNewListCtrl::GetItemRect(int nRow, RECT* pRect, UINT)
{
    if (!pRect)
        return FALSE;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nTop = RowToYPos(nRow) - GetScrollPos(SB_VERT);
    *pRect = CRect(-GetScrollPos(SB_HORZ), nTop, std::max<int>(m_nRowWidth, rcClient.right), nTop + m_nRowHeight);
    return TRUE;
}

BOOL CNewListCtrl::GetSubItemRect(int nRow, int nColumn, int, CRect& rect)
{
    CRect rcRow, rcHeader;
    GetItemRect(nRow, &rcRow, LVIR_BOUNDS);
    GetHeaderRect(nColumn, rcHeader);
    rect.SetRect(rcHeader.left, rcRow.top, rcHeader.right, rcRow.bottom);
    return TRUE;
}

void CNewListCtrl::OnLButtonDown(UINT, CPoint point)
{
    if (::GetFocus() != m_hWnd)
        SetFocus();
    UINT nFlags = 0;
    const int nRow = HitTest(point, &nFlags);
    if (nRow < 0 || nRow >= m_nRowCount || IsDisabled(nRow))
        return;

    const int nPrevious = m_nSelectedRow;
    const int nPreviousColumn = m_nActiveColumn;
    m_nSelectedRow = nRow;
    const int nColumn = XToCol(point.x + GetScrollPos(SB_HORZ));
    if (nColumn < 0 || nColumn >= GetFieldCount())
    {
        // Another row is selected but no cell is: an editor or box left over
        // the old row would write what is typed into the new one.
        if (nRow != nPrevious)
        {
            HideEditWnd();
            HideComboBox();
        }
        return;
    }
    m_nActiveColumn = nColumn;

    if (IsCheckColumn(nColumn))
        SendNotifyStateChanged(nRow, nColumn);
    UpdateRow(nRow);
    SendNotify(NM_CLICK, point);

    if (nFlags == LISTHT_CHECK)
    {
        if (nPrevious != nRow)
            SetColor(nPrevious, kWhite, 0);
        RedrawRow(nRow);
        m_nHitFlags = nFlags;
        SendNotifyStateChanged(nRow, nColumn);
        return;
    }
    m_nHitFlags = nFlags;

    CString strEdited;
    if (HasEditWindow())
        m_pEdit->GetWindowText(strEdited);
    if (!IsEditLabels())
        SendItemChanged(nRow, nColumn);
    else
        SendEditNotify(LVN_ENDLABELEDITW, nPrevious, nPreviousColumn, &strEdited);

    if (nPrevious >= 0)
    {
        if (m_crOld == 0)
            m_crOld = kWhite;
        SetColor(nPrevious, kWhite, 1);
    }
    SetColor(nRow, kClickedBlue, nRow != nPrevious ? 1 : 0);

    if (IsEditLabels() && SendEditNotify(LVN_BEGINLABELEDITW, nPrevious, nPreviousColumn, &strEdited) == 1)
        HideEditWnd();

    if (IsNoEditColumn(nColumn))
    {
        HideEditWnd();
        return;
    }
    if (!IsEditLabels())
        return;
    const LRESULT nAnswer = SendToParent(UM_EDITQUERY, WPARAM(nRow), 0);
    if (nAnswer == EDITQUERY_REFUSE)
    {
        HideEditWnd();
        HideComboBox();
        return;
    }
    if (nAnswer == EDITQUERY_SILVER)
        SetColor(nRow, kQueriedSilver, 0);
    MoveEditWindow(nColumn, nRow);
}

void CNewListCtrl::OnLButtonDblClk(UINT, CPoint point)
{
    SendNotify(NM_DBLCLK, point);
    if (!IsEditLabels())
        return;
    const int nRow = YToRow(point.y + GetScrollPos(SB_VERT));
    SendEditNotify(LVN_ENDLABELEDITW, nRow, XToCol(point.x + GetScrollPos(SB_HORZ)), nullptr);
}

void CNewListCtrl::OnRButtonDown(UINT, CPoint point)
{
    SendNotify(NM_RCLICK, point);
}

void CNewListCtrl::OnRButtonDblClk(UINT, CPoint point)
{
    const int nRow = YToRow(point.y + GetScrollPos(SB_VERT));
    const int nColumn = XToCol(point.x + GetScrollPos(SB_HORZ));
    if (nRow >= 0 && nRow < m_nRowCount && nColumn >= 0 && nColumn < GetFieldCount())
        SendNotify(NM_RDBLCLK, point);
}

void CNewListCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
    if (m_nEnlarged)
        SendToParent(WM_MOUSEMOVE, 0, 0);
}

// Header clicks: a left click is a column click, a right click goes on as the
// header's own notice from the grid.
void CNewListCtrl::OnHeadItemClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (GetStyle() & LVS_NOSORTHEADER)
        return;
    const auto* pHeader = reinterpret_cast<const NMHEADERW*>(pNMHDR);
    if (pHeader->iButton == 1)
    {
        NMHEADERW notify = *pHeader;
        notify.hdr.hwndFrom = m_hWnd;
        notify.hdr.idFrom = UINT_PTR(GetDlgCtrlID());
        *pResult = SendNotify(&notify.hdr);
        return;
    }
    NMLISTVIEW notify{};
    notify.hdr = {m_hWnd, UINT_PTR(GetDlgCtrlID()), UINT(LVN_COLUMNCLICK)};
    notify.iItem = -1;
    notify.iSubItem = pHeader->iItem;
    *pResult = SendNotify(&notify.hdr);
}

// A double click sorts by the column: descending first, then each double
// click on the same column turns the order round.
void CNewListCtrl::OnHeadItemDblClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (GetStyle() & LVS_NOSORTHEADER)
    {
        *pResult = SendNotify(pNMHDR);
        return;
    }
    const int nColumn = reinterpret_cast<const NMHEADERW*>(pNMHDR)->iItem;
    if (nColumn == m_nSortColumn)
        m_bSortDescending = !m_bSortDescending;
    else
    {
        m_nSortColumn = nColumn;
        m_bSortDescending = true;
    }
    Sort(nColumn, m_bSortDescending);
    Invalidate();
}
