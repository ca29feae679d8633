#include "progpath.h"

CString ProgramFilePath()
{
    // Paths may be longer than MAX_PATH: grow until the name fits.
    for (DWORD nSize = MAX_PATH; nSize <= 32768 * 2; nSize *= 2)
    {
        CString strPath;
        wchar_t* pBuffer = strPath.GetBuffer(static_cast<int>(nSize));
        DWORD nLength = ::GetModuleFileNameW(nullptr, pBuffer, nSize);
        if (nLength == 0)
        {
            strPath.ReleaseBuffer(0);
            return strPath;
        }
        if (nLength < nSize)
        {
            strPath.ReleaseBuffer(static_cast<int>(nLength));
            return strPath;
        }
        strPath.ReleaseBuffer(0);
    }
    return CString();
}

CString ProgramFolder()
{
    CString strPath = ProgramFilePath();
    int nSlash = strPath.ReverseFind(L'\\');
    return nSlash < 0 ? CString(L".") : strPath.Left(nSlash);
}

CString ProgramSiblingFile(const wchar_t* pszExtension)
{
    CString strPath = ProgramFilePath();
    int nSlash = strPath.ReverseFind(L'\\');
    int nDot = strPath.ReverseFind(L'.');
    if (nDot > nSlash)
        strPath.Truncate(nDot);
    strPath += pszExtension;
    return strPath;
}

CString ProgramFolderFile(const wchar_t* pszName)
{
    return ProgramFolder() + L"\\" + pszName;
}
