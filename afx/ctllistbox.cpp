// CListBox: the text of an item into a CString.
#include "afxwin.h"

void CListBox::GetText(int nIndex, CString& rString) const
{
    const int nLength = GetTextLen(nIndex);
    if (nLength == LB_ERR)
    {
        rString.Empty();
        return;
    }
    wchar_t* buffer = rString.GetBuffer(nLength);
    const int nCopied = GetText(nIndex, buffer);
    rString.ReleaseBuffer(nCopied == LB_ERR ? 0 : nCopied);
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
    const DWORD dwResult = static_cast<DWORD>(::SendMessage(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y)));
    bOutside = HIWORD(dwResult) != 0;
    return LOWORD(dwResult);
}
