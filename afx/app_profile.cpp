// CWinApp's profile: the .INI file m_pszProfileName, or the registry under
// HKEY_CURRENT_USER\Software\<registry key>\<application name> once
// SetRegistryKey was called.
#include "afxwin.h"
#include <vector>

// The profile functions write a new .INI file in the ANSI code page, which
// loses Chinese text; a file that starts with a UTF-16 byte-order mark is
// kept in UTF-16. A bare file name lives in the Windows folder.
static void EnsureUnicodeProfile(LPCTSTR lpszProfileName)
{
    if (lpszProfileName == nullptr || *lpszProfileName == 0)
        return;
    CString path = lpszProfileName;
    if (path.FindOneOf(L"\\/") < 0)
    {
        wchar_t folder[MAX_PATH];
        UINT length = ::GetWindowsDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return;
        path = CString(folder) + L"\\" + path;
    }
    HANDLE hFile = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return;   // it exists already (or cannot be made): leave it as it is
    const wchar_t byteOrderMark = 0xFEFF;
    DWORD written = 0;
    ::WriteFile(hFile, &byteOrderMark, sizeof byteOrderMark, &written, nullptr);
    ::CloseHandle(hFile);
}

HKEY CWinApp::OpenSectionKey(LPCTSTR lpszSection, BOOL bCreate) const
{
    CString path;
    path.Format(L"Software\\%s\\%s\\%s", m_pszRegistryKey, m_pszAppName, lpszSection);
    HKEY hKey = nullptr;
    LONG status = bCreate ? ::RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                                              &hKey, nullptr)
                          : ::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey);
    return status == ERROR_SUCCESS ? hKey : nullptr;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    CString value = lpszDefault;
    if (lpszSection == nullptr || lpszEntry == nullptr)
        return value;
    if (m_pszRegistryKey != nullptr)
    {
        HKEY hKey = OpenSectionKey(lpszSection, FALSE);
        if (hKey == nullptr)
            return value;
        DWORD type = 0;
        DWORD bytes = 0;
        if (::RegQueryValueExW(hKey, lpszEntry, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS && type == REG_SZ)
        {
            // One character more than stored: the value may lack its terminator.
            std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
            if (::RegQueryValueExW(hKey, lpszEntry, nullptr, nullptr, reinterpret_cast<LPBYTE>(buffer.data()),
                                   &bytes) == ERROR_SUCCESS)
                value = buffer.data();
        }
        ::RegCloseKey(hKey);
        return value;
    }
    // Grow the buffer until the whole value fits.
    for (DWORD size = 256;; size *= 2)
    {
        CString text;
        DWORD copied = ::GetPrivateProfileStringW(lpszSection, lpszEntry, lpszDefault != nullptr ? lpszDefault : L"",
                                                  text.GetBuffer(static_cast<int>(size)), size, m_pszProfileName);
        text.ReleaseBuffer(static_cast<int>(copied));
        if (copied < size - 1 || size >= 0x100000)
            return text;
    }
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (lpszSection == nullptr)
        return FALSE;
    if (m_pszRegistryKey == nullptr)
    {
        EnsureUnicodeProfile(m_pszProfileName);
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    }
    HKEY hKey = OpenSectionKey(lpszSection, TRUE);
    if (hKey == nullptr)
        return FALSE;
    LONG status;
    if (lpszEntry == nullptr)
        status = ERROR_INVALID_PARAMETER;
    else if (lpszValue == nullptr)
        status = ::RegDeleteValueW(hKey, lpszEntry);
    else
        status = ::RegSetValueExW(hKey, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                                  static_cast<DWORD>((wcslen(lpszValue) + 1) * sizeof(wchar_t)));
    ::RegCloseKey(hKey);
    return status == ERROR_SUCCESS;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (lpszSection == nullptr || lpszEntry == nullptr)
        return static_cast<UINT>(nDefault);
    if (m_pszRegistryKey == nullptr)
        return ::GetPrivateProfileIntW(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    HKEY hKey = OpenSectionKey(lpszSection, FALSE);
    if (hKey == nullptr)
        return static_cast<UINT>(nDefault);
    DWORD value = 0;
    DWORD type = 0;
    DWORD bytes = sizeof value;
    LONG status = ::RegQueryValueExW(hKey, lpszEntry, nullptr, &type, reinterpret_cast<LPBYTE>(&value), &bytes);
    ::RegCloseKey(hKey);
    return status == ERROR_SUCCESS && type == REG_DWORD ? value : static_cast<UINT>(nDefault);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (lpszSection == nullptr || lpszEntry == nullptr)
        return FALSE;
    if (m_pszRegistryKey == nullptr)
    {
        CString text;
        text.Format(L"%d", nValue);
        return WriteProfileString(lpszSection, lpszEntry, text);
    }
    HKEY hKey = OpenSectionKey(lpszSection, TRUE);
    if (hKey == nullptr)
        return FALSE;
    DWORD value = static_cast<DWORD>(nValue);
    LONG status = ::RegSetValueExW(hKey, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    ::RegCloseKey(hKey);
    return status == ERROR_SUCCESS;
}
