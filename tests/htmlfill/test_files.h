// Files beside the test program and the suite's data folder.
#pragma once

#include <windows.h>

#include <string>

#include "file_bytes.h"

using qvtest::ProgramFolder;
using qvtest::ReadBytes;
using qvtest::RemoveTree;
using qvtest::WriteBytes;

inline std::wstring DataFile(const wchar_t* name)
{
    return std::wstring(QV_HTMLFILL_DATA) + L"/" + name;
}
