// PrintHTMLFile: the editor from the settings, its default written back once.
#include <gtest/gtest.h>

#include <string>

#include "qvctrl.h"
#include "qvtest.h"

namespace
{

const wchar_t kFrontPage[] = L"C:\\Program Files\\Microsoft Office\\Office\\FRONTPG.EXE";

std::wstring ProgramIni()
{
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring ini = path;
    return ini.substr(0, ini.rfind(L'.')) + L".ini";
}

std::wstring RawEditorSetting()
{
    wchar_t value[MAX_PATH] = L"";
    ::GetPrivateProfileStringW(L"EditHtml", L"ExeFile", L"<none>", value, MAX_PATH, ProgramIni().c_str());
    return value;
}

struct TitleSearch
{
    std::wstring part;
    HWND found = nullptr;
};

BOOL CALLBACK FindTitle(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<TitleSearch*>(param);
    wchar_t title[512] = L"";
    ::GetWindowTextW(window, title, 512);
    if (std::wstring(title).find(search->part) != std::wstring::npos)
    {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The top-level window whose title holds part, waited for up to 20 seconds.
HWND WaitForTitle(const std::wstring& part)
{
    for (int i = 0; i < 200; ++i)
    {
        TitleSearch search{part};
        ::EnumWindows(FindTitle, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        ::Sleep(100);
    }
    return nullptr;
}

TEST(PrintHtmlFile, AMissingEditorSettingGetsTheFrontPagePathOnce)
{
    qvtest::MessageBoxCapture boxes;
    ::WritePrivateProfileStringW(L"EditHtml", L"ExeFile", nullptr, ProgramIni().c_str());
    ASSERT_EQ(L"<none>", RawEditorSetting());
    PrintHTMLFile(L"C:\\no_editor_report.htm");
    EXPECT_EQ(kFrontPage, RawEditorSetting());
    // A set value is used as it is and not written again.
    GetLocalPath()->SetIni(L"EditHtml", L"ExeFile", L"C:\\no\\such\\editor.exe");
    PrintHTMLFile(L"C:\\no_editor_report.htm");
    EXPECT_EQ(L"C:\\no\\such\\editor.exe", RawEditorSetting());
    ::WritePrivateProfileStringW(L"EditHtml", L"ExeFile", nullptr, ProgramIni().c_str());
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST(PrintHtmlFile, TheEditorOpensTheFile)
{
    wchar_t folder[MAX_PATH] = L"";
    ::GetWindowsDirectoryW(folder, MAX_PATH);
    std::wstring editor = std::wstring(folder) + L"\\notepad.exe";
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(editor.c_str()));
    GetLocalPath()->SetIni(L"EditHtml", L"ExeFile", editor.c_str());

    wchar_t module[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring report = module;
    report = report.substr(0, report.rfind(L'\\')) + L"\\edit_me_report.htm";
    HANDLE file = ::CreateFileW(report.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    ::CloseHandle(file);

    PrintHTMLFile(report.c_str());
    HWND window = WaitForTitle(L"edit_me_report");
    ASSERT_NE(nullptr, window) << "the editor shows the file in its title";
    EXPECT_TRUE(::IsWindowVisible(window));
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    for (int i = 0; i < 100 && ::IsWindow(window); ++i)
        ::Sleep(100);
    EXPECT_FALSE(::IsWindow(window));
    ::WritePrivateProfileStringW(L"EditHtml", L"ExeFile", nullptr, ProgramIni().c_str());
    ::DeleteFileW(report.c_str());
}

}   // namespace
