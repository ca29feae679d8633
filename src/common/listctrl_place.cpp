// CNewListCtrl in a dialog (over a placeholder control, or on a dialog item)
// and the search of a column for a text.
#include "common/listctrl.h"

#include <cwchar>

#include "control/ownercheck.h"

namespace
{

const int kFindBuffer = 100;   // cell texts are compared up to 99 characters

}   // namespace

BOOL CNewListCtrl::Replace(CWnd* pPlaceholder)
{
    ASSERT(!GetSafeHwnd());
    if (!pPlaceholder || !pPlaceholder->GetSafeHwnd())
    {
        ReportAtSourceLine(L"列表窗口不存在 %s %d", __FILE__, __LINE__);
        return FALSE;
    }
    CWnd* pParent = pPlaceholder->GetParent();
    CRect rect;
    pPlaceholder->GetWindowRect(&rect);
    if (pParent)
        pParent->ScreenToClient(&rect);
    if (!Create(pPlaceholder->GetStyle(), rect, pParent, UINT(pPlaceholder->GetDlgCtrlID())))
        return FALSE;
    // The grid takes the placeholder's place in the tab order.
    SetWindowPos(pPlaceholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    pPlaceholder->ShowWindow(SW_HIDE);
    return TRUE;
}

BOOL CNewListCtrl::Attach(int nID, CWnd* pParent)
{
    return SubclassDlgItem(UINT(nID), pParent);
}

long FindItem(CNewListCtrl& list, int nColumn, const CString& strText, long& nStart, int nMode)
{
    const int nCount = list.GetItemCount();
    if (nCount == 0)
        return -1;
    const size_t nLength = size_t(strText.GetLength());
    for (long nRow = nStart < 0 ? 0 : nStart; nRow < nCount; ++nRow)
    {
        wchar_t szCell[kFindBuffer] = L"";
        wcsncpy_s(szCell, list.GetItemText(int(nRow), nColumn).GetString(), _TRUNCATE);
        const bool bMatch = nMode == 1 ? wcsstr(szCell, strText.GetString()) != nullptr
                                       : _wcsnicmp(szCell, strText.GetString(), nLength) == 0;
        if (bMatch)
        {
            nStart = nRow + 1;
            return nRow;
        }
    }
    AfxMessageBox(L"完成了一遍搜索!");
    nStart = 0;
    return 0;
}
