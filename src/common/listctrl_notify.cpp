// CNewListCtrl: what the grid tells its parent. Every notice is sent at once
// and the parent's answer read back; the parent may change the grid while it
// answers, so callers look rows up again afterwards.
#include "common/listctrl.h"

#include <cwchar>

namespace
{

const int kEditTextMax = 512;   // characters, terminator included

}   // namespace

LRESULT CNewListCtrl::SendToParent(UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pParent = GetParent();
    return pParent ? pParent->SendMessage(message, wParam, lParam) : 0;
}

LRESULT CNewListCtrl::SendNotify(NMHDR* pNMHDR)
{
    if (!pNMHDR)
        return 0;
    return SendToParent(WM_NOTIFY, WPARAM(GetDlgCtrlID()), reinterpret_cast<LPARAM>(pNMHDR));
}

LRESULT CNewListCtrl::SendNotify(const NMLVDISPINFOW& info)
{
    NMLVDISPINFOW copy = info;
    return SendNotify(&copy.hdr);
}

// A mouse notice for the row under the point; nothing for rows past the end.
LRESULT CNewListCtrl::SendNotify(int nCode, CPoint point)
{
    const int nRow = YToRow(point.y + GetScrollPos(SB_VERT));
    if (nRow >= m_nRowCount)
        return 0;
    if (nCode == int(NM_DBLCLK))
    {
        NMITEMACTIVATE activate{};
        activate.hdr = {m_hWnd, UINT_PTR(GetDlgCtrlID()), UINT(nCode)};
        activate.iItem = nRow;
        activate.iSubItem = XToCol(point.x + GetScrollPos(SB_HORZ));
        activate.ptAction = point;
        return SendNotify(&activate.hdr);
    }
    NMHDR hdr{m_hWnd, UINT_PTR(GetDlgCtrlID()), UINT(nCode)};
    return SendNotify(&hdr);
}

LRESULT CNewListCtrl::SendNotify(int nCode, const CString&)
{
    CString strText;
    if (HasEditWindow())
        m_pEdit->GetWindowText(strText);
    return SendEditNotify(nCode, m_nSelectedRow, m_nActiveColumn, &strText);
}

// An edit notice for a cell; pText null sends no text.
LRESULT CNewListCtrl::SendEditNotify(int nCode, int nRow, int nColumn, const CString* pText)
{
    wchar_t szText[kEditTextMax] = L"";
    NMLVDISPINFOW info{};
    info.hdr = {m_hWnd, UINT_PTR(GetDlgCtrlID()), UINT(nCode)};
    info.item.iItem = nRow;
    info.item.iSubItem = nColumn;
    if (pText)
    {
        wcsncpy_s(szText, pText->GetString(), _TRUNCATE);
        info.item.mask = LVIF_TEXT;
        info.item.pszText = szText;
        info.item.cchTextMax = kEditTextMax;
    }
    return SendNotify(&info.hdr);
}

LRESULT CNewListCtrl::SendItemChanged(int nRow, int nColumn)
{
    NMLVDISPINFOW info{};
    info.hdr = {m_hWnd, UINT_PTR(GetDlgCtrlID()), UINT(LVN_ITEMCHANGED)};
    info.item.iItem = nRow;
    info.item.iSubItem = nColumn;
    return SendNotify(&info.hdr);
}

void CNewListCtrl::SendNotifyStateChanged(int nRow, int nColumn)
{
    const long nValue = GetItemInt(nRow, nColumn);
    NMLVODSTATECHANGE change{};
    change.hdr = {m_hWnd, UINT_PTR(GetDlgCtrlID()), UINT(LVN_ODSTATECHANGED)};
    change.iFrom = nColumn;
    change.iTo = nRow;
    change.uNewState = nValue == 0 ? 1 : 0;
    change.uOldState = UINT(nValue);
    SendNotify(&change.hdr);
}

void CNewListCtrl::SendChangeRowMessage()
{
    SendToParent(UM_ROWMOVED, 0, 0);
}

LRESULT CNewListCtrl::OnListSelchangedComboBox(WPARAM, LPARAM lParam)
{
    return SendToParent(UM_COMBOSELECTION, WPARAM(m_nActiveColumn), lParam);
}

LRESULT CNewListCtrl::OnHittest(WPARAM, LPARAM)
{
    return 0;
}

BOOL CNewListCtrl::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    if (pResult)
        *pResult = 0;
    if (!pNMHDR || m_strToolTip.IsEmpty())
        return FALSE;
    if (pNMHDR->code == TTN_NEEDTEXTW)
    {
        auto* pText = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        wcsncpy_s(pText->szText, m_strToolTip.GetString(), _TRUNCATE);
        pText->lpszText = pText->szText;
    }
    else
    {
        auto* pText = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        ::WideCharToMultiByte(CP_ACP, 0, m_strToolTip.GetString(), -1, pText->szText, int(sizeof(pText->szText)),
                              nullptr, nullptr);
        pText->szText[sizeof(pText->szText) - 1] = '\0';
        pText->lpszText = pText->szText;
    }
    return TRUE;
}
