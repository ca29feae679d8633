// CDate::GetDlgDate: a date from three edit boxes into a nine-character buffer.
#include <gtest/gtest.h>
#include <string>
#include "afxwin.h"
#include "common/cdate.h"
#include "host_window.h"

TEST(DateDialog, GetDlgDateWritesAtMostNineCharacters)
{
    // Year, month and day boxes with ids 300 to 302 on a window wrapped as a CDialog.
    qvtest::HostWindow host;
    for (int i = 0; i < 3; ++i)
        CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 10 + 90 * i, 10, 80, 24, host, HMENU(INT_PTR(300 + i)),
                        GetModuleHandleW(nullptr), nullptr);
    CDialog dialog;
    dialog.Attach(host);
    struct Case
    {
        std::wstring year, month, day;
        const wchar_t* text;
    } cases[] = {
        {L"2021", L"3", L"5", L"20210305"},
        {L"abc", L"x", L"y", L"00000000"},
        {L"-5", L"1", L"1", L"-0050101"},
        {L"99999", L"12", L"31", L"99999123"},   // five-digit year: cut at the buffer's end
        {std::wstring(300, L'9'), L"1", L"1", L"21474836"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "year text of " << c.year.size() << " characters, expecting "
                                        << testing::PrintToString(std::wstring(c.text)));
        SetDlgItemTextW(host, 300, c.year.c_str());
        SetDlgItemTextW(host, 301, c.month.c_str());
        SetDlgItemTextW(host, 302, c.day.c_str());
        wchar_t buffer[12];
        std::fill(buffer, buffer + 12, L'#');
        CDate::GetDlgDate(&dialog, 300, buffer);
        EXPECT_STREQ(c.text, buffer);
        EXPECT_EQ(std::wstring(3, L'#'), std::wstring(buffer + 9, 3));   // nothing past the ninth character
    }
    dialog.Detach();
}
