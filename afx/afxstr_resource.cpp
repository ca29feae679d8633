// CString from string resources.
#include "afxstr.h"

BOOL CString::LoadString(UINT nID)
{
    return LoadString(AfxGetResourceHandle(), nID);
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    // With a buffer size of 0 LoadStringW hands out a pointer to the
    // resource itself, so no length limit applies.
    const wchar_t* pResource = nullptr;
    int nLength = ::LoadStringW(hInstance, nID, reinterpret_cast<LPWSTR>(&pResource), 0);
    if (nLength <= 0 || pResource == nullptr)
        return FALSE;
    SetString(pResource, nLength);
    return TRUE;
}
