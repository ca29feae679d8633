#include "browser_fixture.h"

#include <cwctype>
#include <fstream>

#include "qvtest.h"

namespace htmlwndtest
{

std::wstring WriteReport(const wchar_t* name, const char* body)
{
    std::wstring path = qvtest::OutputSubdir(L"htmlwnd") + L"\\" + name;
    HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return L"";
    DWORD written = 0;
    ::WriteFile(hFile, body, static_cast<DWORD>(strlen(body)), &written, nullptr);
    ::CloseHandle(hFile);
    return path;
}

namespace
{

BOOL CALLBACK CountVisible(HWND hWnd, LPARAM lParam)
{
    if (::IsWindowVisible(hWnd))
        ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

}   // namespace

int VisibleThreadWindows()
{
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountVisible, reinterpret_cast<LPARAM>(&count));
    return count;
}

}   // namespace htmlwndtest
