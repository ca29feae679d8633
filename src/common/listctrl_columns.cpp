// CNewListCtrl: columns. The header window is the column store; the grid
// keeps only a column counter beside it.
#include "common/listctrl.h"

#include <cwchar>

namespace
{

// LVCFMT_* alignment to the header's DrawText code; other values pass unchanged.
int HeaderFormatOf(int nListFormat)
{
    const int nDigit = nListFormat & HEADFMT_DIGIT;
    int nFormat = nListFormat & ~HEADFMT_DIGIT;
    switch (nFormat)
    {
    case LVCFMT_LEFT:
        nFormat = DT_LEFT;
        break;
    case LVCFMT_RIGHT:
        nFormat = DT_RIGHT;
        break;
    case LVCFMT_CENTER:
        nFormat = DT_CENTER;
        break;
    default:
        break;
    }
    return nFormat | nDigit;
}

}   // namespace

int CNewListCtrl::InsertColumn(int nColumn, const LVCOLUMN* pColumn)
{
    if (!pColumn)
        return -1;
    if (nColumn < 0 || nColumn > m_nColumnCount)
        nColumn = m_nColumnCount;
    ++m_nColumnCount;

    CxHeadItem item{};
    item.nWidth = pColumn->cx;
    // Without LVCF_TEXT the caption pointer is not the caller's to read.
    item.pszText = (pColumn->mask & LVCF_TEXT) ? pColumn->pszText : const_cast<LPWSTR>(L"");
    item.nMask = int(pColumn->mask);
    item.nLevel = pColumn->iOrder;   // the grid carries the header level in iOrder
    item.nFormat = HeaderFormatOf(pColumn->fmt);
    return m_pHeadWnd->InsertItem(nColumn, item);
}

int CNewListCtrl::InsertColumn(int nColumn, LPCTSTR lpszHeading, int nFormat, int nWidth, int)
{
    LVCOLUMN column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = nFormat;
    column.cx = nWidth;
    column.pszText = const_cast<LPTSTR>(lpszHeading);
    return InsertColumn(nColumn, &column);
}

BOOL CNewListCtrl::DeleteColumn(int nColumn)
{
    if (nColumn < 0 || nColumn >= m_pHeadWnd->GetItemCount())
        return FALSE;
    // Cells keep their column numbers; the column counter stays.
    const BOOL bDeleted = m_pHeadWnd->DeleteItem(nColumn);
    if (bDeleted)
        ForgetDeletedColumn(nColumn);
    if (bDeleted && GetSafeHwnd())
    {
        m_pHeadWnd->Invalidate();
        Invalidate();
    }
    return bDeleted;
}

BOOL CNewListCtrl::DeleteAllColumns()
{
    DeleteAllItems();
    while (m_pHeadWnd->GetItemCount() > 0 && m_pHeadWnd->DeleteItem(0))
    {
    }
    m_nColumnCount = m_pHeadWnd->GetItemCount();
    if (m_pHeadWnd->GetSafeHwnd())
        m_pHeadWnd->Invalidate();
    return TRUE;
}

BOOL CNewListCtrl::SetColumn(int nColumn, const LVCOLUMN* pColumn)
{
    if (!pColumn)
        return FALSE;
    HD_ITEM item{};
    item.mask = pColumn->mask;
    item.cxy = pColumn->cx;
    item.pszText = pColumn->pszText;
    if (!m_pHeadWnd->SetItem(nColumn, &item))
        return FALSE;
    if (GetSafeHwnd())
    {
        UpdateScrollSizes();
        Invalidate();
    }
    return TRUE;
}

BOOL CNewListCtrl::SetColumnWidth(int nColumn, int nWidth)
{
    LVCOLUMN column{};
    column.mask = LVCF_WIDTH;
    column.cx = nWidth;
    return SetColumn(nColumn, &column);
}

BOOL CNewListCtrl::GetColumn(int nColumn, LVCOLUMN* pColumn)
{
    CxHeadItemIndex* pNode = m_pHeadWnd->GetHeadParam(nColumn);
    if (!pNode || !pColumn)
        return FALSE;
    // The caption is copied as far as the caller's buffer says it reaches.
    if (pColumn->pszText && pColumn->cchTextMax > 0)
        wcsncpy_s(pColumn->pszText, size_t(pColumn->cchTextMax), pNode->pszText ? pNode->pszText : L"", _TRUNCATE);
    return TRUE;
}

int CNewListCtrl::FindColumn(const CString& strCaption, int nStart)
{
    if (nStart < -1)
        nStart = -1;
    for (int nColumn = nStart + 1; nColumn < m_pHeadWnd->GetItemCount(); ++nColumn)
    {
        const CxHeadItemIndex* pNode = m_pHeadWnd->GetHeadParam(nColumn);
        if (pNode && pNode->pszText && wcscmp(pNode->pszText, strCaption) == 0)
            return nColumn;
    }
    return -1;
}

BOOL CNewListCtrl::SetFormat(int nColumn, int nFormat)
{
    return m_pHeadWnd->SetFormat(nColumn, nFormat);
}

int CNewListCtrl::GetFieldCount() const
{
    return m_pHeadWnd->GetItemCount();
}

void CNewListCtrl::SetColumnColor(int nColumn, COLORREF crColor)
{
    if (CxHeadItemIndex* pNode = m_pHeadWnd->GetHeadParam(nColumn))
        pNode->crColumn = crColor;
}

BOOL CNewListCtrl::IsCheckColumn(int nColumn)
{
    const CxHeadItemIndex* pNode = m_pHeadWnd->GetHeadParam(nColumn);
    return pNode && (pNode->nMask & LVCF_IMAGE);
}

// A combo box of a deleted column is bound to none; an editor over a column
// that no longer exists hides.
void CNewListCtrl::ForgetDeletedColumn(int nColumn)
{
    if (CMyComboBox* pBox = GetComboBox(nColumn))
    {
        pBox->SetColumn(-1);
        if (pBox->GetSafeHwnd())
            pBox->ShowWindow(SW_HIDE);
    }
    if (m_nActiveColumn >= m_pHeadWnd->GetItemCount())
    {
        m_nActiveColumn = -1;
        HideEditWnd();
        HideComboBox();
    }
}
