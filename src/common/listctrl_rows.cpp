// CNewListCtrl: rows (insertion, appending, deletion) and the row and cell lookups.
#include "common/listctrl.h"

CxRowIndex* CNewListCtrl::GetRowIndex(int nRow)
{
    return CListRowManager::GetRowIndex(nRow);
}

CxRowIndex* CNewListCtrl::FindRowIndex(int nRow)
{
    if (nRow < 0 || nRow >= m_nRowCount)
        return nullptr;
    CxRowIndex* pRow = m_pHeadRow;
    for (int i = 0; pRow && i < nRow; ++i)
        pRow = pRow->pNext;
    if (!pRow)
        AfxMessageBox(L"列表行指針錯誤");
    return pRow;
}

CxColumnIndex* CNewListCtrl::GetColumnIndex(int nColumn, int nRow)
{
    if (nRow < 0 || nRow >= m_nRowCount || nColumn < 0 || nColumn >= m_nColumnCount)
        return nullptr;
    CxRowIndex* pRow = nullptr;
    if (nRow == m_nCachedRow && m_pCachedRow)
        pRow = m_pCachedRow;
    else
    {
        pRow = GetRowIndex(nRow);
        m_nCellCache = -1;
    }
    return FindOrCreateCell(pRow, nColumn);
}

int CNewListCtrl::InsertItem(const LVITEM* pItem)
{
    if (!pItem)
        return -1;
    const int nRow = InsertBlankRow(pItem->iItem);
    if (nRow < 0)
        return -1;
    if (pItem->mask & LISTMASK_TEXT)
        SetItemText(nRow, pItem->iSubItem, pItem->pszText);
    CxRowIndex* pRow = GetRowIndex(nRow);
    if (pItem->mask & LISTMASK_STATE)
        pRow->nState = pItem->state;
    pRow->nImage = pItem->iImage;
    return nRow;
}

int CNewListCtrl::InsertItem(int nRow, LPCTSTR lpszText)
{
    const int nAppended = AppendBlank(1);
    SetItemText(nRow, 0, lpszText);
    return nAppended;
}

int CNewListCtrl::InsertBlankRow(int nRow)
{
    if (!GetSafeHwnd())
        return -1;
    if (nRow < 0 || nRow > m_nRowCount)
        nRow = m_nRowCount;
    // Linking empties the row cache: the rows from nRow on change their index.
    LinkRow(nRow, NewRowIndex());
    UpdateScrollSizes();
    Invalidate();
    return nRow;
}

int CNewListCtrl::AppendBlank(int nCount)
{
    if (m_nColumnCount == 0)
    {
        AfxMessageBox(L"未設置列表框的欄位");
        return 0;
    }
    if (nCount < 1)
        return -1;
    int nOrdinal = m_nRowCount;
    for (int i = 0; i < nCount; ++i)
    {
        CxRowIndex* pRow = NewRowIndex();
        nOrdinal = m_nRowCount;
        pRow->nOrdinal = nOrdinal;
        AppendRow(pRow);
    }
    if (GetSafeHwnd())
    {
        UpdateScrollSizes();
        CRect rcClient;
        GetClientRect(&rcClient);
        const long long nLastTop =
            (long long)(m_nRowCount - 1) * m_nRowHeight + GetHeadHeight() - GetScrollPos(SB_VERT);
        if (nLastTop < rcClient.bottom)
            InvalidateBelowHeader();
    }
    return nOrdinal;
}

BOOL CNewListCtrl::DeleteItem(int nRow)
{
    if (nRow < 0 || nRow >= m_nRowCount)
        return FALSE;
    CxRowIndex* pRow = UnlinkRow(nRow);
    if (!pRow)
    {
        AfxMessageBox(L"列表行指針錯誤");
        return FALSE;
    }
    FreeRowIndex(pRow);
    if (m_nRowCount < 0)
    {
        AfxMessageBox(L"列表行數小于0");
        return FALSE;
    }

    const bool bEditor = m_pEdit && m_pEdit->GetSafeHwnd();
    if (m_nRowCount == 0 && bEditor)
        m_pEdit->ShowWindow(SW_HIDE);
    if (m_nSelectedRow >= m_nRowCount)
        m_nSelectedRow = m_nRowCount - 1;
    m_nCachedRow = -1;
    m_pCachedRow = nullptr;
    UpdateScrollSizes();
    FollowDeletedRow();
    InvalidateBelowHeader();
    return TRUE;
}

void CNewListCtrl::DeleteAllItems()
{
    Free();
    if (m_pEdit && m_pEdit->GetSafeHwnd())
        m_pEdit->ShowWindow(SW_HIDE);
    if (GetSafeHwnd())
    {
        UpdateScrollSizes();
        InvalidateBelowHeader();
    }
}

void CNewListCtrl::InvalidateBelowHeader()
{
    if (!GetSafeHwnd())
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    rcClient.top += GetHeadHeight();
    InvalidateRect(&rcClient, TRUE);
}
