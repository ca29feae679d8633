// CNewListCtrl: cell texts and images.
#include "common/listctrl.h"

#include <cstdlib>

BOOL CNewListCtrl::SetItem(LVITEM* pItem)
{
    if (!pItem || pItem->iItem < 0 || pItem->iItem >= m_nRowCount || pItem->iSubItem < 0 ||
        pItem->iSubItem >= m_nColumnCount)
        return FALSE;
    CxColumnIndex* pCell = GetColumnIndex(pItem->iSubItem, pItem->iItem);
    if (!pCell)
        return FALSE;
    if (pItem->mask & LISTMASK_TEXT)
        StoreCellText(pCell, pItem->pszText);
    if (pItem->mask & LISTMASK_IMAGE)
    {
        pCell->nImage = pItem->iImage;
        pCell->nFlags |= CELL_HASIMAGE;
    }
    return TRUE;
}

BOOL CNewListCtrl::SetItemText(int nRow, int nColumn, LPCTSTR lpszText)
{
    CxColumnIndex* pCell = GetColumnIndex(nColumn, nRow);
    if (!pCell)
        return FALSE;
    StoreCellText(pCell, lpszText);
    AfterCellTextWritten(pCell, nRow, nColumn);
    // The box shown over the selected cell shows the new text.
    if (nRow == m_nSelectedRow)
        if (CMyComboBox* pBox = GetComboBox(nColumn); pBox && pBox->GetSafeHwnd())
            pBox->SetWindowText(lpszText ? lpszText : L"");
    return TRUE;
}

// A check-box cell shows its new value at once.
void CNewListCtrl::AfterCellTextWritten(CxColumnIndex* pCell, int nRow, int nColumn)
{
    if (!IsCheckColumn(nColumn))
        return;
    pCell->nFlags |= CELL_HASIMAGE;
    if (GetSafeHwnd())
    {
        CClientDC dc(this);
        OnDrawItem(&dc, nColumn, nRow);
    }
}

CString CNewListCtrl::GetItemText(int nRow, int nColumn)
{
    if (nColumn < 0 || nColumn >= m_nColumnCount)
        return CString();
    return CString(CellText(FindCell(RowAt(nRow), nColumn)));
}

long CNewListCtrl::GetItemInt(int nRow, int nColumn)
{
    if (nColumn < 0 || nColumn >= m_nColumnCount)
        return 0;
    return _wtoi(CellText(FindCell(RowAt(nRow), nColumn)));
}

int CNewListCtrl::FindBlankItem(int nColumn)
{
    int nRow = 0;
    for (const CxRowIndex* pRow = m_pHeadRow; pRow; pRow = pRow->pNext, ++nRow)
        if (*CellText(FindCell(pRow, nColumn)) == L'\0')
            return nRow;
    return -1;
}

int CNewListCtrl::FindEmpty(int nColumn)
{
    return FindBlankItem(nColumn);
}
