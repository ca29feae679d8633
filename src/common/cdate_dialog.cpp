// CDate::GetDlgDate: a date kept in three consecutive edit boxes of a dialog.
#include "common/cdate.h"

#include <cwchar>

#include "afxwin.h"
#include "common/datescan.h"

void CDate::GetDlgDate(CDialog* pDlg, UINT nID, wchar_t* pBuffer)
{
    ASSERT(pDlg && pBuffer);
    if (!pDlg || !pBuffer)
        return;
    int parts[3] = {0, 0, 0};   // year, month, day
    for (int i = 0; i < 3; ++i)
    {
        CWnd* pItem = pDlg->GetDlgItem(int(nID) + i);
        ASSERT(pItem);   // all three boxes must exist
        CString text;
        if (pItem)
            pItem->GetWindowText(text);
        parts[i] = qvscan::NumberAt(text);
    }
    CString date;
    date.Format(L"%04d%02d%02d", parts[0], parts[1], parts[2]);
    // The caller's buffer holds nine characters: a wider text (a five-digit
    // year, a negative part) is cut there rather than written past it.
    const int kChars = 8;
    int length = date.GetLength() < kChars ? date.GetLength() : kChars;
    wmemcpy(pBuffer, date.GetString(), length);
    pBuffer[length] = L'\0';
}
