// Whole files in and out, with the reasons Word gives when that fails.
#include "docx_file.h"

#include <windows.h>

bool ReadWholeFile(const std::wstring& path, ByteVector& bytes, std::wstring& error)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        DWORD code = GetLastError();
        if (code == ERROR_SHARING_VIOLATION)
            error = L"The file is in use by another application: " + path;
        else
            error = L"This file could not be found: " + path;
        return false;
    }
    LARGE_INTEGER size = {};
    GetFileSizeEx(file, &size);
    const LONGLONG kLargestFile = 1LL << 30;
    if (size.QuadPart > kLargestFile)
    {
        CloseHandle(file);
        error = L"The file is too large: " + path;
        return false;
    }
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    BOOL ok = bytes.empty() || ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    if (!ok || read != bytes.size())
    {
        error = L"The file could not be read: " + path;
        return false;
    }
    return true;
}

// Writes next to the target first, so a failing write never leaves half a document.
bool WriteWholeFile(const std::wstring& path, const ByteVector& bytes, std::wstring& error)
{
    std::wstring temporary = path + L".~tmp";
    HANDLE file =
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        error = L"The file could not be created: " + path;
        return false;
    }
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != bytes.size() || !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
    {
        DeleteFileW(temporary.c_str());
        error = GetLastError() == ERROR_SHARING_VIOLATION || GetLastError() == ERROR_ACCESS_DENIED
                    ? L"The file is in use by another application: " + path
                    : L"The file could not be written: " + path;
        return false;
    }
    return true;
}
