// Paths beside this test program, worked out independently of the companion.
#pragma once

#include <windows.h>

#include <string>

inline std::wstring ProgramPath()
{
    wchar_t path[4096] = L"";
    ::GetModuleFileNameW(nullptr, path, 4096);
    return path;
}

inline std::wstring ProgramFolder()
{
    std::wstring path = ProgramPath();
    return path.substr(0, path.rfind(L'\\'));
}

// <folder>\companion.ini for companion.exe.
inline std::wstring ProgramIniFile()
{
    std::wstring path = ProgramPath();
    return path.substr(0, path.rfind(L'.')) + L".ini";
}

inline std::wstring ReadRawIni(const wchar_t* section, const wchar_t* key)
{
    wchar_t value[256] = L"";
    ::GetPrivateProfileStringW(section, key, L"<none>", value, 256, ProgramIniFile().c_str());
    return value;
}

inline bool IsFolder(const std::wstring& path)
{
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Removes a folder and everything under it.
inline void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                ::DeleteFileW(path.c_str());
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(folder.c_str());
}
