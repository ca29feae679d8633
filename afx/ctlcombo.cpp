// CComboBox: the text of an item into a CString.
#include "afxwin.h"

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    const int nLength = GetLBTextLen(nIndex);
    if (nLength == CB_ERR)
    {
        rString.Empty();
        return;
    }
    wchar_t* buffer = rString.GetBuffer(nLength);
    const int nCopied = GetLBText(nIndex, buffer);
    rString.ReleaseBuffer(nCopied == CB_ERR ? 0 : nCopied);
}
