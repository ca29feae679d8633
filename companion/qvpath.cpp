// The host program's settings file and folders.
#include "qvpath.h"

#include <cwchar>
#include <cerrno>

#include "progpath.h"

namespace
{

CString SettingsFile()
{
    return ProgramSiblingFile(L".ini");
}

// The profile functions keep a file in the encoding it has, and make a new one
// in the ANSI code page, which loses Chinese text: start it as UTF-16 instead.
void CreateUnicodeFileIfMissing(const CString& strFile)
{
    HANDLE hFile = ::CreateFileW(strFile, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return;   // it exists already (or cannot be made: the write reports that)
    const BYTE byteOrderMark[] = {0xFF, 0xFE};
    DWORD nWritten = 0;
    ::WriteFile(hFile, byteOrderMark, sizeof byteOrderMark, &nWritten, nullptr);
    ::CloseHandle(hFile);
}

bool IsFolder(const CString& strPath)
{
    DWORD nAttributes = ::GetFileAttributesW(strPath);
    return nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Length of the part of a path that is never created: "C:\", "\\server\share\" or "\".
int RootLength(const CString& strPath)
{
    int nLength = strPath.GetLength();
    if (nLength >= 2 && strPath[1] == L':')
        return (nLength >= 3 && strPath[2] == L'\\') ? 3 : 2;
    if (nLength >= 2 && strPath[0] == L'\\' && strPath[1] == L'\\')
    {
        // Skip the server and the share names.
        int nServerEnd = strPath.Find(L'\\', 2);
        if (nServerEnd < 0)
            return nLength;
        int nShareEnd = strPath.Find(L'\\', nServerEnd + 1);
        return nShareEnd < 0 ? nLength : nShareEnd + 1;
    }
    return (nLength >= 1 && strPath[0] == L'\\') ? 1 : 0;
}

}   // namespace

CString CPath::GetIni(const CString& strSection, const CString& strKey)
{
    CString strFile = SettingsFile();
    // The profile function reports a full buffer with size - 1: grow and read again.
    for (DWORD nSize = 256; nSize <= (1u << 20); nSize *= 4)
    {
        CString strValue;
        wchar_t* pBuffer = strValue.GetBuffer(static_cast<int>(nSize));
        DWORD nRead = ::GetPrivateProfileStringW(strSection, strKey, L"", pBuffer, nSize, strFile);
        strValue.ReleaseBuffer(static_cast<int>(nRead < nSize ? nRead : 0));
        if (nRead + 1 < nSize)
            return strValue;
    }
    return CString();
}

long CPath::GetIniLong(const CString& strSection, const CString& strKey)
{
    // Read as text so that negative values keep their sign.
    CString strValue = GetIni(strSection, strKey);
    errno = 0;
    long nValue = std::wcstol(strValue, nullptr, 10);
    return errno == ERANGE ? 0 : nValue;
}

BOOL CPath::SetIni(const CString& strSection, const CString& strKey, CString strValue)
{
    CString strFile = SettingsFile();
    CreateUnicodeFileIfMissing(strFile);
    return ::WritePrivateProfileStringW(strSection, strKey, strValue, strFile);
}

BOOL CPath::SetIniLong(const CString& strSection, const CString& strKey, long nValue)
{
    CString strValue;
    strValue.Format(L"%ld", nValue);
    return SetIni(strSection, strKey, strValue);
}

BOOL CPath::MakeDir(CString strFilePath)
{
    strFilePath.Replace(L'/', L'\\');
    int nLastSlash = strFilePath.ReverseFind(L'\\');
    if (nLastSlash <= 0)
        return TRUE;   // a bare file name lies in the current folder
    CString strFolder = strFilePath.Left(nLastSlash);

    // Create each level from the root down; levels that exist are passed over.
    int nStart = RootLength(strFolder);
    while (nStart <= strFolder.GetLength())
    {
        int nNext = strFolder.Find(L'\\', nStart);
        if (nNext < 0)
            nNext = strFolder.GetLength();
        if (nNext > nStart)
        {
            CString strLevel = strFolder.Left(nNext);
            if (!IsFolder(strLevel) && !::CreateDirectoryW(strLevel, nullptr) &&
                ::GetLastError() != ERROR_ALREADY_EXISTS)
                return FALSE;
        }
        nStart = nNext + 1;
    }
    return IsFolder(strFolder) ? TRUE : FALSE;
}

CString CLocalPath::GetExportFileName(const CString& strFileName)
{
    CString strPath = ProgramFolderFile(L"Export\\") + strFileName;
    MakeDir(strPath);
    return strPath;
}

CLocalPath* GetLocalPath()
{
    static CLocalPath localPath;
    return &localPath;
}
