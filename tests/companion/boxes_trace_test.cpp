// The companion's message boxes and trace reports.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "message_box_capture.h"
#include "program_files.h"
#include "qvctrl.h"
#include "wide_text.h"

namespace
{

TEST(CompanionBoxes, WarningBoxShowsTheTextOnce)
{
    qvtest::MessageBoxCapture boxes;
    WarningBox(L"身份證輸入錯誤");
    ASSERT_MESSAGE_BOXES(boxes, L"身份證輸入錯誤");
    EXPECT_EQ(L"警告", boxes.last().caption);
    EXPECT_EQ(UINT(MB_ICONWARNING), boxes.last().style & MB_ICONMASK);
    boxes.clear();
    WarningBox(nullptr);
    EXPECT_MESSAGE_BOXES(boxes, L"");
}

TEST(CompanionBoxes, QVMessageBoxShowsTheMessageOfItsCode)
{
    qvtest::MessageBoxCapture boxes;
    QVMessageBox(L"106");
    QVMessageBox(L"9");
    EXPECT_MESSAGE_BOXES(boxes, L"輸入的資料超過欄位長度，超出的部分沒有存入。", L"未定義的訊息代碼：9");
    EXPECT_EQ(L"訊息", boxes.last().caption);
}

std::wstring ReadTraceLog()
{
    std::wstring path = ProgramFolder() + L"\\QVTrace.log";
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return L"";
    std::string bytes(::GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    ::CloseHandle(file);
    return qvtest::FromUtf8(bytes);
}

TEST(CompanionTrace, EachReportAppendsALineWithDateSourceLineAndFunction)
{
    ::DeleteFileW((ProgramFolder() + L"\\QVTrace.log").c_str());
    ErrorFunctionReport(L"Jan 20 2020", L"d:\\src\\listctrl.cpp", 812, L"CNewListCtrl::SetImageList");
    ErrorFunctionReport(CString(__DATE__), CString(__FILE__), __LINE__, L"清單::測試");
    std::wstring log = ReadTraceLog();

    size_t firstEnd = log.find(L"\r\n");
    ASSERT_NE(std::wstring::npos, firstEnd);
    std::wstring first = log.substr(0, firstEnd);
    EXPECT_NE(std::wstring::npos,
              first.find(L"\tbuild Jan 20 2020\td:\\src\\listctrl.cpp(812)\tCNewListCtrl::SetImageList"))
        << qvtest::Utf8(first);
    // The line starts with the local time of the report: yyyy-mm-dd hh:mm:ss.mmm
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    wchar_t year[8];
    swprintf(year, 8, L"%04u-", now.wYear);
    EXPECT_EQ(0u, first.find(year));

    std::wstring second = log.substr(firstEnd + 2);
    EXPECT_NE(std::wstring::npos, second.find(L"清單::測試\r\n"));
    EXPECT_NE(std::wstring::npos, second.find(L"boxes_trace_test.cpp("));
    EXPECT_EQ(log.size(), firstEnd + 2 + second.size());
    EXPECT_EQ(2u, std::count(log.begin(), log.end(), L'\n'));
}

}   // namespace
