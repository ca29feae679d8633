// CFile: a Win32 file handle with MFC's interface, without exceptions.
#include "afx.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : CFile()
{
    Open(lpszFileName, nOpenFlags);
}

CFile::~CFile()
{
    if (m_bCloseOnDelete)
        Close();
}

static DWORD DesiredAccess(UINT nOpenFlags)
{
    switch (nOpenFlags & 3)
    {
    case CFile::modeWrite:
        return GENERIC_WRITE;
    case CFile::modeReadWrite:
        return GENERIC_READ | GENERIC_WRITE;
    default:
        return GENERIC_READ;
    }
}

static DWORD ShareMode(UINT nOpenFlags)
{
    switch (nOpenFlags & 0x70)
    {
    case CFile::shareDenyWrite:
        return FILE_SHARE_READ;
    case CFile::shareDenyRead:
        return FILE_SHARE_WRITE;
    case CFile::shareDenyNone:
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default:   // shareExclusive, shareCompat
        return 0;
    }
}

static DWORD CreationDisposition(UINT nOpenFlags)
{
    if (nOpenFlags & CFile::modeCreate)
        return (nOpenFlags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    return OPEN_EXISTING;
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags)
{
    if (lpszFileName == nullptr || *lpszFileName == 0 || (nOpenFlags & 3) == 3)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Close();
    SECURITY_ATTRIBUTES security = {sizeof security, nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE};
    HANDLE hFile = CreateFileW(lpszFileName, DesiredAccess(nOpenFlags), ShareMode(nOpenFlags), &security,
                               CreationDisposition(nOpenFlags), FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    wchar_t fullPath[MAX_PATH];
    DWORD length = GetFullPathNameW(lpszFileName, MAX_PATH, fullPath, nullptr);
    m_strFileName = (length > 0 && length < MAX_PATH) ? fullPath : lpszFileName;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0 || lpBuf == nullptr || !IsOpen())
        return 0;
    DWORD bytesRead = 0;
    if (!ReadFile(m_hFile, lpBuf, nCount, &bytesRead, nullptr))
        return 0;
    return bytesRead;
}

BOOL CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return TRUE;
    if (lpBuf == nullptr || !IsOpen())
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DWORD bytesWritten = 0;
    if (!WriteFile(m_hFile, lpBuf, nCount, &bytesWritten, nullptr))
        return FALSE;
    if (bytesWritten != nCount)
    {
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    return TRUE;
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    static const ULONGLONG kFailed = static_cast<ULONGLONG>(-1);
    if (!IsOpen() || nFrom > end)
        return kFailed;
    LARGE_INTEGER distance;
    distance.QuadPart = lOff;
    LARGE_INTEGER position;
    if (!SetFilePointerEx(m_hFile, distance, &position, nFrom))
        return kFailed;
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::SeekToEnd()
{
    return Seek(0, end);
}

void CFile::SeekToBegin()
{
    Seek(0, begin);
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER zero = {};
    LARGE_INTEGER position = {};
    if (!IsOpen() || !SetFilePointerEx(m_hFile, zero, &position, FILE_CURRENT))
        return 0;
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size = {};
    if (!IsOpen() || !GetFileSizeEx(m_hFile, &size))
        return 0;
    return static_cast<ULONGLONG>(size.QuadPart);
}

BOOL CFile::SetLength(ULONGLONG dwNewLen)
{
    if (!IsOpen())
        return FALSE;
    ULONGLONG position = GetPosition();
    LARGE_INTEGER newEnd;
    newEnd.QuadPart = static_cast<LONGLONG>(dwNewLen);
    BOOL ok = SetFilePointerEx(m_hFile, newEnd, nullptr, FILE_BEGIN) && SetEndOfFile(m_hFile);
    // The position stays where it was, or at the new end when that is shorter.
    LARGE_INTEGER back;
    back.QuadPart = static_cast<LONGLONG>(position < dwNewLen ? position : dwNewLen);
    SetFilePointerEx(m_hFile, back, nullptr, FILE_BEGIN);
    return ok;
}

void CFile::Flush()
{
    if (IsOpen())
        FlushFileBuffers(m_hFile);
}

void CFile::Close()
{
    if (IsOpen())
        CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

CString CFile::GetFileName() const
{
    int slash = m_strFileName.ReverseFind(L'\\');
    int forward = m_strFileName.ReverseFind(L'/');
    if (forward > slash)
        slash = forward;
    return m_strFileName.Mid(slash + 1);
}

BOOL PASCAL CFile::Remove(LPCTSTR lpszFileName)
{
    return lpszFileName != nullptr && DeleteFileW(lpszFileName);
}

BOOL PASCAL CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
    return lpszOldName != nullptr && lpszNewName != nullptr && MoveFileW(lpszOldName, lpszNewName);
}
