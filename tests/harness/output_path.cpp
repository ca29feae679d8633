#include "output_path.h"

#include <windows.h>

#include <algorithm>

namespace qvtest
{

std::wstring OutputDir()
{
    wchar_t unixPath[MAX_PATH * 2];
    DWORD n = GetEnvironmentVariableW(L"QV_OUT", unixPath, MAX_PATH * 2);
    if (n == 0 || n >= MAX_PATH * 2)
    {
        wchar_t cwd[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, cwd);
        return cwd;
    }
    std::wstring path = unixPath;
    // Already a Windows path (a run on real Windows, or set by hand).
    if (path.size() >= 2 && path[1] == L':')
        return path;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return L"Z:" + path;
}

bool CreateFolders(const std::wstring& path)
{
    for (size_t i = 3; i <= path.size(); ++i)
    {
        if (i == path.size() || path[i] == L'\\')
        {
            std::wstring prefix = path.substr(0, i);
            if (!CreateDirectoryW(prefix.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
                return false;
        }
    }
    return true;
}

std::wstring OutputSubdir(const std::wstring& sub)
{
    std::wstring dir = OutputDir() + L"\\" + sub;
    CreateFolders(dir);
    return dir;
}

}   // namespace qvtest
