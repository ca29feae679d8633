// AfxMessageBox: the one path of every message box the library shows.
#include "afxwin.h"

static HWND MessageBoxOwner()
{
    HWND owner = GetActiveWindow();
    if (owner == nullptr)
        owner = AfxGetMainWnd()->GetSafeHwnd();
    if (owner != nullptr)
        owner = GetAncestor(owner, GA_ROOT);
    return owner;
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT /*nIDHelp*/)
{
    return MessageBoxW(MessageBoxOwner(), lpszText != nullptr ? lpszText : L"", AfxGetAppName(), nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}
