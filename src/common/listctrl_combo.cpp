// CNewListCtrl: the combo boxes bound to columns, laid over the active cell
// in place of the editor, and the grid's own drop-down combo.
#include "common/listctrl.h"

#include <algorithm>

namespace
{

const int kFewEntries = 6;       // boxes with fewer entries drop this many rows less one
const int kOwnComboDrop = 200;   // SetupComboBox's box reaches this far below the cell

}   // namespace

CMyComboBox* CNewListCtrl::GetSelBox(int nIndex)
{
    return BoxAt(nIndex);
}

CMyComboBox* CNewListCtrl::CreateComboBox(int nID, int nColumn)
{
    CWnd* pParent = m_pBoxParent ? m_pBoxParent : this;
    auto* pBox = new CMyComboBox;
    if (!pBox->Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL, CRect(0, 0, 0, 0), pParent, UINT(nID)))
    {
        delete pBox;
        return nullptr;
    }
    pBox->SetColumn(nColumn);
    ApplyCellFont(pBox);
    AddBox(pBox);
    return pBox;
}

// The box of the active column drops over the cell and takes the cell's
// text; the others hide. The drop reaches five rows, or one row per entry
// for longer lists, as far as the screen leaves room.
int CNewListCtrl::ShowComboBox()
{
    if (m_nBoxCount == 0)
        return 0;
    const int nRow = m_nSelectedRow, nColumn = m_nActiveColumn;
    const CString strText = GetItemText(nRow, nColumn);
    CRect rcCell;
    GetSubItemRect(nRow, nColumn, LVIR_BOUNDS, rcCell);
    rcCell.OffsetRect(-GetScrollPos(SB_HORZ), 0);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const int nCellHeight = rcCell.Height();
    const int nAbove = rcWindow.top + GetHeadHeight() + rcCell.top;
    const int nBelow = ::GetSystemMetrics(SM_CYFULLSCREEN) - (rcWindow.top + GetHeadHeight() + rcCell.bottom);
    const int nRoom = std::max(nAbove, nBelow);

    int nShown = 0;
    for (int i = 0; i < m_nBoxCount; ++i)
    {
        CMyComboBox* pBox = GetSelBox(i);
        if (!pBox || !pBox->GetSafeHwnd())
            continue;
        if (pBox->GetColumn() != nColumn || nColumn < 0)
        {
            pBox->ShowWindow(SW_HIDE);
            continue;
        }
        HideEditWnd();
        const int nEntries = pBox->GetCount();
        const int nDropRows = nEntries < kFewEntries ? kFewEntries - 1 : nEntries;
        int nHeight = nCellHeight + nDropRows * nCellHeight;
        if (nHeight > nRoom)
            nHeight = nCellHeight + nRoom;
        CRect rcBox(rcCell.left, rcCell.top, rcCell.right, rcCell.top + nHeight);
        if (CWnd* pParent = pBox->GetParent(); pParent && pParent->m_hWnd != m_hWnd)
            ::MapWindowPoints(m_hWnd, pParent->m_hWnd, reinterpret_cast<POINT*>(&rcBox), 2);
        pBox->SetWindowPos(&wndTop, rcBox.left, rcBox.top, rcBox.Width(), rcBox.Height(), SWP_SHOWWINDOW);
        pBox->SetWindowText(strText);
        nShown = 1;
    }
    return nShown;
}

void CNewListCtrl::SetupComboBox(int nOn)
{
    if (!nOn || !HasEditWindow())
        return;
    m_pEdit->DestroyWindow();
    CRect rcBox = m_rcLastEdit;
    rcBox.bottom += kOwnComboDrop;
    if (m_ownCombo.GetSafeHwnd())
    {
        m_ownCombo.MoveWindow(&rcBox);
        return;
    }
    if (m_ownCombo.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT, rcBox, this,
                          LIST_COMBO_ID))
        ApplyCellFont(&m_ownCombo);
}
