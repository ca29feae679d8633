// CTreeList: header clicks sort, header width changes re-lay the columns, and
// every other notification goes on to the host's parent.
#include "control/treelisthost.h"

#include <cstring>

namespace
{

// How much of a notification the parent gets: the header and what follows it.
const size_t kPassedBytes = 32;

}   // namespace

BOOL CTreeList::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (pNMHDR == nullptr)
        return CWnd::OnNotify(wParam, lParam, pResult);
    const bool bFromHeader =
        pNMHDR->idFrom == IDC_TREELIST_HEADER && pNMHDR->hwndFrom == m_wndTree.m_wndHeader.GetSafeHwnd();
    if (bFromHeader && pNMHDR->code == UINT(HDN_ITEMCLICKW))
    {
        OnHeaderClick(reinterpret_cast<const NMHEADERW*>(lParam)->iItem);
        return TRUE;
    }
    if (bFromHeader && pNMHDR->code == UINT(HDN_ITEMCHANGEDW))
    {
        OnHeaderWidthChanged();
        return TRUE;
    }
    LRESULT lParentResult = PassToParent(pNMHDR);
    if (pResult != nullptr)
        *pResult = lParentResult;
    CWnd::OnNotify(wParam, lParam, pResult);
    return TRUE;
}

LRESULT CTreeList::PassToParent(const NMHDR* pNMHDR)
{
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent == nullptr)
        return 0;
    BYTE block[kPassedBytes];
    std::memcpy(block, pNMHDR, kPassedBytes);
    auto* pCopy = reinterpret_cast<NMHDR*>(block);
    pCopy->hwndFrom = m_hWnd;
    pCopy->idFrom = UINT_PTR(GetDlgCtrlID());
    return ::SendMessage(hParent, WM_NOTIFY, pCopy->idFrom, reinterpret_cast<LPARAM>(block));
}

void CTreeList::OnHeaderClick(int nCol)
{
    CNewHeaderCtrl& header = m_wndTree.m_wndHeader;
    if (nCol < 0 || nCol >= header.GetItemCount())
        return;
    // No mark or descending: ascending; ascending: descending.
    const BOOL bAscending = header.GetSortState(nCol) != CNewHeaderCtrl::kSortAscending;
    header.ClearSortStates();
    header.SetSortState(nCol, bAscending ? CNewHeaderCtrl::kSortAscending : CNewHeaderCtrl::kSortDescending);
    m_wndTree.SortItems(nCol, bAscending, TVI_ROOT);
    SortTree(nCol, bAscending, m_wndTree.GetRootItem());
    m_wndTree.Invalidate();
}

void CTreeList::OnHeaderWidthChanged()
{
    const int nOldTotal = m_wndTree.GetColumnsWidth();
    int nMin = 0;
    int nLimit = 0;
    m_wndScroll.GetScrollRange(&nMin, &nLimit);
    const bool bAtEnd = m_wndScroll.IsWindowEnabled() && nLimit > 0 && m_wndScroll.GetScrollPos() >= nLimit - 1;

    m_wndTree.RecalcColumnsWidth();
    ResetScrollBar();

    const int nTotal = m_wndTree.GetColumnsWidth();
    CRect rcTree;
    m_wndTree.GetClientRect(&rcTree);
    if (nTotal < nOldTotal && bAtEnd && rcTree.Width() < nTotal)
    {
        // Narrowed while scrolled to the end: the last column keeps to the right edge.
        const int nOffset = rcTree.Width() - nTotal;
        m_wndTree.m_nOffset = nOffset;
        m_wndScroll.SetScrollPos(-nOffset);
        CRect rcHeader;
        m_wndTree.m_wndHeader.GetWindowRect(&rcHeader);
        ScreenToClient(&rcHeader);
        m_wndTree.m_wndHeader.SetWindowPos(nullptr, nOffset, rcHeader.top, 0, 0,
                                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_wndTree.Invalidate();
}
