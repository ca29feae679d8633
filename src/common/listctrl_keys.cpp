// CNewListCtrl: the keyboard. Keys reach the grid through PreTranslateMessage
// from the grid itself or from its editor; moving the selection keeps the
// selected row in view and, with editing on, takes the editor along.
#include "common/listctrl.h"

#include <algorithm>

namespace
{

const COLORREF kWhite = RGB(255, 255, 255);

}   // namespace

BOOL CNewListCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KILLFOCUS)
        return TRUE;
    if (pMsg->message != WM_KEYDOWN)
        return CWnd::PreTranslateMessage(pMsg);
    const int nBefore = m_nSelectedRow;
    switch (pMsg->wParam)
    {
    case VK_RETURN:
        OnOK();
        return TRUE;
    case VK_PRIOR:
    case VK_NEXT:
        if (m_nPaging == 1)
        {
            NMHDR hdr{m_hWnd, UINT_PTR(GetDlgCtrlID()), UINT(pMsg->wParam == VK_PRIOR ? LISTN_PAGEUP : LISTN_PAGEDOWN)};
            SendNotify(&hdr);
        }
        else if (pMsg->wParam == VK_PRIOR)
            OnPrior();
        else
            OnNext();
        return TRUE;
    case VK_LEFT:
        if (IsEditLabels())
            return FALSE;
        [[fallthrough]];
    case VK_UP:
        OnUp();
        break;
    case VK_RIGHT:
        if (IsEditLabels() || m_nSelectedRow == m_nRowCount - 1)
            return FALSE;
        [[fallthrough]];
    case VK_DOWN:
        OnDown();
        break;
    default:
        return CWnd::PreTranslateMessage(pMsg);
    }
    if (m_nSelectedRow != nBefore)
        SendChangeRowMessage();
    return TRUE;
}

void CNewListCtrl::OnKillFocus(CWnd*) {}

UINT CNewListCtrl::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

// With editing on, an edit that the parent has not taken into the cell yet
// keeps the selection where it is.
bool CNewListCtrl::EditBlocksMove()
{
    if (!IsEditLabels() || m_nSelectedRow < 0)
        return false;
    return GetEditText(m_nSelectedRow, m_nActiveColumn) != GetItemText(m_nSelectedRow, m_nActiveColumn);
}

// The new row and the two above it are painted again, the row is brought
// into view, and the editor follows unless the column takes none.
void CNewListCtrl::MoveSelection(int nNewRow, bool bWithEditor)
{
    const int nOldRow = m_nSelectedRow;
    m_nSelectedRow = nNewRow;
    for (int nRow = nNewRow - 2; nRow <= nNewRow; ++nRow)
        RedrawRow(nRow);
    if (nOldRow > nNewRow)
        RedrawRow(nOldRow);   // moving up leaves the band below the new row
    m_nLastDrawnActiveRow = m_nSelectedRow;
    if (IsNoEditColumn(m_nActiveColumn))
        return;
    EnsureVisible(m_nSelectedRow, FALSE);
    if (bWithEditor && IsEditLabels())
    {
        MoveEditWindow(m_nActiveColumn, m_nSelectedRow);
        EnsureVisible(m_nSelectedRow, FALSE);
    }
}

// Scrolls when the new row would not show, then moves there.
void CNewListCtrl::MoveSelectionTo(int nNewRow, UINT nScrollCode, bool bScrollNeeded)
{
    if (bScrollNeeded)
        OnVScroll(nScrollCode, 0, nullptr);
    MoveSelection(nNewRow, true);
}

void CNewListCtrl::OnDown()
{
    if (m_nSelectedRow + 1 >= m_nRowCount || EditBlocksMove())
        return;
    SetColor(m_nSelectedRow, m_crOld ? m_crOld : kWhite, 0);
    const int nNewRow = m_nSelectedRow + 1;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nBottom = RowToYPos(nNewRow + 1) - GetScrollPos(SB_VERT);
    MoveSelectionTo(nNewRow, SB_LINEDOWN, nBottom > rcClient.bottom);
}

void CNewListCtrl::OnUp()
{
    if (m_nSelectedRow <= 0 || m_nSelectedRow >= m_nRowCount || EditBlocksMove())
        return;
    SetColor(m_nSelectedRow, m_crOld ? m_crOld : kWhite, 0);
    const int nNewRow = m_nSelectedRow - 1;
    const int nTop = RowToYPos(nNewRow) - GetScrollPos(SB_VERT);
    MoveSelectionTo(nNewRow, SB_LINEUP, nTop - m_nRowHeight < GetHeadHeight());
}

void CNewListCtrl::OnNext()
{
    if (m_nSelectedRow + 1 >= m_nRowCount || EditBlocksMove())
        return;
    SetColor(m_nSelectedRow, m_crOld ? m_crOld : kWhite, 0);
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nPage = std::max(1, (rcClient.Height() - GetHeadHeight()) / std::max(m_nRowHeight, 1));
    const int nNewRow = std::min(m_nSelectedRow + nPage, m_nRowCount - 1);
    const int nBottom = RowToYPos(nNewRow + 1) - GetScrollPos(SB_VERT);
    MoveSelectionTo(nNewRow, SB_PAGEDOWN, nBottom > rcClient.bottom);
    InvalidateBelowHeader();
}

void CNewListCtrl::OnPrior()
{
    if (m_nSelectedRow <= 0 || m_nSelectedRow >= m_nRowCount || EditBlocksMove())
        return;
    SetColor(m_nSelectedRow, m_crOld ? m_crOld : kWhite, 0);
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nPage = std::max(1, (rcClient.Height() - GetHeadHeight()) / std::max(m_nRowHeight, 1));
    const int nNewRow = std::max(m_nSelectedRow - nPage, 0);
    const int nTop = RowToYPos(nNewRow) - GetScrollPos(SB_VERT);
    MoveSelectionTo(nNewRow, SB_PAGEUP, nTop < GetHeadHeight());
    InvalidateBelowHeader();
}

void CNewListCtrl::DoFocusDown()
{
    if (m_nSelectedRow + 1 >= m_nRowCount)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nNewRow = m_nSelectedRow + 1;
    if (RowToYPos(nNewRow + 1) - GetScrollPos(SB_VERT) > rcClient.bottom)
        OnVScroll(SB_LINEDOWN, 0, nullptr);
    MoveSelection(nNewRow, false);
}

void CNewListCtrl::DoFocusUp()
{
    if (m_nSelectedRow <= 0 || m_nSelectedRow >= m_nRowCount)
        return;
    const int nNewRow = m_nSelectedRow - 1;
    if (RowToYPos(nNewRow) - GetScrollPos(SB_VERT) - m_nRowHeight < GetHeadHeight())
        OnVScroll(SB_LINEUP, 0, nullptr);
    MoveSelection(nNewRow, false);
}

// Enter: the edit ends, the parent hears of it, and unless it says otherwise
// the next cell becomes the active one.
void CNewListCtrl::OnOK()
{
    if (IsEditLabels())
    {
        const CString strText = GetEditText(m_nSelectedRow, m_nActiveColumn);
        SendEditNotify(LVN_ENDLABELEDITW, m_nSelectedRow, m_nActiveColumn, &strText);
    }
    if (SendNotify(NM_RETURN, CPoint(0, 0)) != 0)
        return;
    if (!AdvanceActiveCell())
        return;
    NMHDR hdr{m_hWnd, UINT_PTR(GetDlgCtrlID()), UINT(LVN_ITEMCHANGED)};
    SendNotify(&hdr);
    if (IsEditLabels())
        MoveEditWindow(m_nActiveColumn, m_nSelectedRow);
}

// The next column of the row, else column 0 of the next row; false on the
// last cell of the last row or without a selected row.
bool CNewListCtrl::AdvanceActiveCell()
{
    if (m_nSelectedRow < 0 || m_nSelectedRow >= m_nRowCount)
        return false;
    if (m_nActiveColumn + 1 < GetFieldCount())
    {
        ++m_nActiveColumn;
        return true;
    }
    if (m_nSelectedRow + 1 >= m_nRowCount)
        return false;
    ++m_nSelectedRow;
    m_nActiveColumn = 0;
    return true;
}
