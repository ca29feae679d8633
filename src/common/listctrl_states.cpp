// CNewListCtrl: row states, the selected row, editing permission and colours.
#include "common/listctrl.h"

BOOL CNewListCtrl::SetItemState(int nRow, UINT nState, UINT nMask)
{
    if (nRow >= m_nRowCount)
        return FALSE;
    if (nState & LVIS_SELECTED)
    {
        m_nSelectedRow = nRow < 0 ? -1 : nRow;
        if (nRow >= 0 && GetSafeHwnd())
            UpdateRow(nRow);
    }
    CxRowIndex* pRow = GetRowIndex(nRow);
    if (!pRow)
        return FALSE;
    pRow->nState = (nState & nMask) | (pRow->nState & ~nMask);
    return TRUE;
}

UINT CNewListCtrl::GetItemState(int nRow, UINT nMask)
{
    const CxRowIndex* pRow = RowAt(nRow);
    if (!pRow)
        return 0;
    // Selection is answered from the selected row, not from the stored bits.
    UINT nState = pRow->nState & nMask & ~UINT(LVIS_SELECTED);
    if ((nMask & LVIS_SELECTED) && nRow == m_nSelectedRow)
        nState |= LVIS_SELECTED;
    return nState;
}

void CNewListCtrl::ClearSelected()
{
    const int nPrevious = m_nSelectedRow;
    m_nSelectedRow = -1;
    if (nPrevious >= 0)
        RedrawRow(nPrevious);
}

void CNewListCtrl::RedrawRow(int nRow)
{
    if (!GetSafeHwnd() || nRow < 0 || nRow >= m_nRowCount)
        return;
    CClientDC dc(this);
    const CRect rcRow = RowToWndRect(&dc, nRow);
    InvalidateRect(&rcRow, TRUE);
}

void CNewListCtrl::DisableEdit(int nRow, int nDisabled)
{
    if (CxRowIndex* pRow = GetRowIndex(nRow))
        pRow->nDisabled = nDisabled;
}

BOOL CNewListCtrl::IsDisabled(int nRow)
{
    const CxRowIndex* pRow = RowAt(nRow);
    return pRow ? pRow->nDisabled : TRUE;
}

void CNewListCtrl::SetColor(int nRow, COLORREF crColor, int nSave)
{
    CxRowIndex* pRow = GetRowIndex(nRow);
    if (!pRow)
        return;
    if (nSave == 1)
        m_crOld = pRow->crColor;
    pRow->crColor = crColor;
    RedrawRow(nRow);
}

void CNewListCtrl::RecoverEditColor()
{
    if (m_nSelectedRow >= 0)
        SetColor(m_nSelectedRow, RGB(255, 255, 255), 0);
}

BOOL CNewListCtrl::SetItemColor(int nRow, int nColumn, COLORREF crColor)
{
    CxColumnIndex* pCell = GetColumnIndex(nColumn, nRow);
    if (!pCell)
        return FALSE;
    pCell->crColor = crColor;
    return TRUE;
}

COLORREF CNewListCtrl::GetItemColor(int nRow, int nColumn)
{
    const CxColumnIndex* pCell = GetColumnIndex(nColumn, nRow);
    return pCell ? pCell->crColor : 0;
}

COLORREF CNewListCtrl::GetBkColor(int nRow, int nColumn)
{
    // Black (0) means "none" at every level, so it can never be chosen.
    if (const CxRowIndex* pRow = RowAt(nRow); pRow && pRow->crColor)
        return pRow->crColor;
    if (const CxHeadItemIndex* pNode = m_pHeadWnd->GetHeadParam(nColumn); pNode && pNode->crColumn)
        return pNode->crColumn;
    return m_crList;
}
