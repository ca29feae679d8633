// Paths beside this test program, worked out independently of the companion.
#pragma once

#include <windows.h>

#include <string>

#include "file_bytes.h"

using qvtest::ProgramFolder;
using qvtest::RemoveTree;

inline std::wstring ProgramPath()
{
    wchar_t path[4096] = L"";
    ::GetModuleFileNameW(nullptr, path, 4096);
    return path;
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
