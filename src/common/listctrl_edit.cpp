// CNewListCtrl: the in-place editor. One editor window is laid over the
// active cell, follows it as the grid scrolls and hides when the cell leaves
// the view. The grid never writes the edited text into the cell: the parent
// does, when it is told that editing ended.
#include "common/listctrl.h"

#include <algorithm>

#include "common/listfont.h"

namespace
{

const int kStateImageRoom = 20;   // the editor starts right of a row's state image
const int kPlacingPasses = 3;     // a cell is in view after at most this many scrolls

}   // namespace

CEdit* CNewListCtrl::CreateEdit(int)
{
    if (m_pEdit)
    {
        m_pEdit->DestroyWindow();
        delete m_pEdit;
        m_pEdit = nullptr;
    }
    return new CNewEdit;
}

BOOL CNewListCtrl::ColRowToRect(CPoint ptCell, CRect& rect)
{
    CRect rcHeader;
    if (!GetHeaderRect(ptCell.x, rcHeader))
        return FALSE;
    const int nVert = (GetStyle() & WS_VSCROLL) ? GetScrollPos(SB_VERT) : 0;
    const int nHorz = GetScrollPos(SB_HORZ);
    rect.SetRect(rcHeader.left - nHorz, RowToYPos(ptCell.y) - nVert, rcHeader.right - nHorz,
                 RowToYPos(ptCell.y) - nVert + m_nRowHeight);
    m_rcLastEdit = rect;
    return TRUE;
}

void CNewListCtrl::ApplyCellFont(CWnd* pWnd)
{
    if (!m_cellFont.GetSafeHandle())
    {
        CClientDC dc(this);
        CreateListFont(&dc, m_cellFont, m_nFontHeight, 0);
    }
    if (m_cellFont.GetSafeHandle())
        pWnd->SetFont(&m_cellFont);
}

// Scrolls so that the rectangle shows whole; TRUE when the rows moved.
BOOL CNewListCtrl::BringCellIntoView(const CRect& rect)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nRight = rect.right + ((GetStyle() & WS_VSCROLL) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0);
    if (nRight > rcClient.right)
        OnHScroll(SB_THUMBTRACK, UINT(GetScrollPos(SB_HORZ) + nRight - rcClient.right), nullptr);
    else if (rect.left < rcClient.left)
        OnHScroll(SB_THUMBTRACK, UINT(std::max<long>(0, GetScrollPos(SB_HORZ) + rect.left - rcClient.left)), nullptr);

    const int nBefore = GetScrollPos(SB_VERT);
    const int nHead = std::max(GetHeadHeight(), 1);
    const int nBottom = rect.bottom + ((GetStyle() & WS_HSCROLL) ? ::GetSystemMetrics(SM_CYHSCROLL) : 0);
    int nDelta = 0;
    if (nBottom > rcClient.bottom)
        nDelta = (nBottom - rcClient.bottom + m_nVertScale - 1) / m_nVertScale * m_nVertScale;
    else if (rect.top < nHead)
        nDelta = -((nHead - rect.top + nHead - 1) / nHead * nHead);
    if (nDelta != 0)
        ScrollVertically(nDelta);
    return GetScrollPos(SB_VERT) != nBefore;
}

BOOL CNewListCtrl::ShowEditWnd(const CRect& rect, int)
{
    if (m_nRowCount == 0)
        return FALSE;
    ++m_nPlacingEditor;
    if (!m_pEdit)
        m_pEdit = CreateEdit(0);
    BOOL bScrolled = FALSE;
    if (m_pEdit && !m_pEdit->GetSafeHwnd())
    {
        if (m_pEdit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, this, LIST_EDIT_ID))
            ApplyCellFont(m_pEdit);
    }
    else if (m_pEdit)
    {
        const LPARAM nCell = MAKELONG(m_nActiveColumn, m_nSelectedRow);
        SendToParent(UM_EDITMOVING, 0, nCell);
        if (HasEditWindow())
            m_pEdit->MoveWindow(&rect, TRUE);
        SendToParent(UM_EDITMOVED, 0, nCell);
    }
    if (HasEditWindow() && m_nRowCount > 0)
    {
        bScrolled = BringCellIntoView(rect);
        m_pEdit->SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        m_pEdit->SetFocus();
        SendMessage(WM_NEXTDLGCTL, WPARAM(m_pEdit->m_hWnd), TRUE);
        ShowComboBox();
    }
    --m_nPlacingEditor;
    return bScrolled;
}

void CNewListCtrl::MoveEditWindow(int nColumn, int nRow)
{
    if (nRow > m_nRowCount)
        return;
    if (nRow < 0 || m_nRowCount == 0)
    {
        HideEditWnd();
        return;
    }
    if (nColumn < 0 || nColumn >= GetFieldCount())
        return;
    ++m_nPlacingEditor;
    // The parent may delete or insert rows while it is told of the move
    // (UM_EDITMOVED, LVN_ITEMCHANGED): each pass takes the rows as they are
    // then, and an editor whose cell moved under it is placed again, or
    // hidden when no pass is left.
    for (int nPass = 0; nPass < kPlacingPasses; ++nPass)
    {
        const bool bLastPass = nPass + 1 == kPlacingPasses;
        if (m_nRowCount == 0)
        {
            HideEditWnd();
            break;
        }
        nRow = std::min(nRow, m_nRowCount - 1);
        m_nSelectedRow = nRow;
        m_nLastDrawnActiveRow = nRow;
        m_nActiveColumn = nColumn;
        CRect rect;
        if (!ColRowToRect(CPoint(nColumn, nRow), rect) || !IsEditLabels())
            break;
        if (nColumn == 0)
            if (const CxRowIndex* pRow = RowAt(nRow); pRow && pRow->nState)
                rect.left += kStateImageRoom;
        const int nRowsBefore = m_nRowCount;
        auto rowsMovedUnder = [&] { return m_nRowCount != nRowsBefore || m_nSelectedRow != nRow; };
        const BOOL bScrolled = ShowEditWnd(rect, nColumn);
        bool bMoved = rowsMovedUnder();
        if (!bMoved)
        {
            if (bScrolled && !bLastPass)
                continue;
            if (SendItemChanged(nRow, nColumn) == 1)
                HideEditWnd();
            bMoved = rowsMovedUnder();
        }
        if (bMoved)
        {
            nRow = std::max(m_nSelectedRow, 0);
            if (!bLastPass)
                continue;
            HideEditWnd();
            break;
        }
        if (HasEditWindow())
        {
            m_pEdit->SetWindowText(GetItemText(nRow, nColumn));
            m_pEdit->SetSel(0, -1);
        }
        break;
    }
    --m_nPlacingEditor;
}

void CNewListCtrl::HideEditWnd()
{
    if (HasEditWindow())
        m_pEdit->ShowWindow(SW_HIDE);
}

// After a scroll: the editor stays over its cell while the cell shows whole,
// and hides while it does not.
void CNewListCtrl::ScrollEdit()
{
    if (m_nPlacingEditor || !IsEditLabels() || !HasEditWindow())
        return;
    const int nRow = m_nSelectedRow, nColumn = m_nActiveColumn;
    CRect rcHeader;
    if (nRow < 0 || nRow >= m_nRowCount || !GetHeaderRect(nColumn, rcHeader))
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nTop = RowToYPos(nRow) - GetScrollPos(SB_VERT);
    const int nLeft = rcHeader.left - GetScrollPos(SB_HORZ);
    const bool bRowShows = nTop >= GetHeadHeight() && nTop + m_nRowHeight <= rcClient.bottom;
    const bool bColumnShows =
        rcHeader.Width() >= rcClient.Width() || (nLeft >= 0 && nLeft + rcHeader.Width() <= rcClient.right);
    if (!bRowShows || !bColumnShows)
    {
        HideEditWnd();
        HideComboBox();
        return;
    }
    CString strText;
    m_pEdit->GetWindowText(strText);
    MoveEditWindow(nColumn, nRow);
    if (HasEditWindow())
        m_pEdit->SetWindowText(strText);
}

void CNewListCtrl::OnKillfocusEdit()
{
    if (m_nSelectedRow >= 0)
        HideEditWnd();
}

CEdit* CNewListCtrl::EditLabel(int nRow)
{
    return EditLabel(nRow, std::max(m_nActiveColumn, 0));
}

CEdit* CNewListCtrl::EditLabel(int nRow, int nColumn)
{
    if (!IsEditLabels() || nRow < 0 || nRow >= m_nRowCount || nColumn < 0 || nColumn >= GetFieldCount())
        return nullptr;
    m_nSelectedRow = nRow;
    m_nActiveColumn = nColumn;
    CRect rect;
    for (int nPass = 0; nPass < kPlacingPasses; ++nPass)
        if (!ColRowToRect(CPoint(nColumn, nRow), rect) || !ShowEditWnd(rect, nColumn))
            break;
    if (!HasEditWindow())
        return nullptr;
    m_pEdit->SetWindowText(GetItemText(nRow, nColumn));
    m_pEdit->SetSel(0, -1);
    return m_pEdit;
}

int CNewListCtrl::GetEditText(int& nColumn, int& nRow, CString& strText)
{
    nColumn = m_nActiveColumn;
    nRow = m_nRowCount == 0 ? -1 : m_nSelectedRow;
    if (nRow < 0)
        return 0;
    strText = GetEditText(nRow, nColumn);
    return 1;
}

CString CNewListCtrl::GetEditText(int, int nColumn)
{
    CString strText;
    if (HasEditWindow())
        m_pEdit->GetWindowText(strText);
    else if (CMyComboBox* pBox = GetComboBox(nColumn); pBox && pBox->GetSafeHwnd())
        pBox->GetWindowText(strText);
    return strText;
}

BOOL CNewListCtrl::IsEditFocus()
{
    return HasEditWindow() && m_pEdit->IsWindowVisible() && ::GetFocus() == m_pEdit->m_hWnd;
}

BOOL CNewListCtrl::IsListCtrlFocus()
{
    const HWND hFocus = ::GetFocus();
    return (hFocus && hFocus == m_hWnd) || (HasEditWindow() && hFocus == m_pEdit->m_hWnd);
}

void CNewListCtrl::ActiveEdit()
{
    if (HasEditWindow())
        SendMessage(WM_NEXTDLGCTL, WPARAM(m_pEdit->m_hWnd), TRUE);
}

void CNewListCtrl::SetEditFocus()
{
    ActiveEdit();
}

// After a row was deleted: the editor goes with the selection or hides.
// Before a sort moves other records under the editor: the edit ends as a
// click on another cell ends it (the parent hears the text for the cell it
// was typed in), and the editor and the boxes close.
void CNewListCtrl::EndEditBeforeRowsMove()
{
    if (HasEditWindow() && IsEditLabels() && m_pEdit->IsWindowVisible() && m_nSelectedRow >= 0)
    {
        CString strEdited;
        m_pEdit->GetWindowText(strEdited);
        HideEditWnd();
        SendEditNotify(LVN_ENDLABELEDITW, m_nSelectedRow, m_nActiveColumn, &strEdited);
    }
    HideComboBox();
}

// After the rows moved: the closed editor holds the text of the cell now
// under it, so that Enter reports no change and the keys are not held back.
void CNewListCtrl::EditTextFromCell()
{
    if (HasEditWindow() && m_nSelectedRow >= 0 && m_nSelectedRow < m_nRowCount)
        m_pEdit->SetWindowText(GetItemText(m_nSelectedRow, m_nActiveColumn));
}

void CNewListCtrl::FollowDeletedRow()
{
    if (!IsEditLabels() || !HasEditWindow())
        return;
    if (m_nSelectedRow < 0)
        HideEditWnd();
    else if (m_pEdit->IsWindowVisible())
        MoveEditWindow(m_nActiveColumn, m_nSelectedRow);
    HideComboBox();
}
