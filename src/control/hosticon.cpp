#include "control/hosticon.h"

#include "afxwin.h"

HICON LoadHostIcon(UINT nIconID)
{
    if (CWinApp* pApp = AfxGetApp())
        return pApp->LoadIcon(nIconID);
    LPCWSTR pszName = MAKEINTRESOURCEW(nIconID);
    return ::LoadIconW(AfxFindResourceHandle(pszName, RT_GROUP_ICON), pszName);
}
