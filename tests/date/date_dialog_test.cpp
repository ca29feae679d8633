// CDate::GetDlgDate: a date from three edit boxes into a nine-character buffer.
#include <gtest/gtest.h>

#include <string>

#include "afxwin.h"
#include "common/cdate.h"

namespace {

// A window with three edit boxes, ids 300 to 302, wrapped as a CDialog.
class ThreeBoxDialog
{
public:
    ThreeBoxDialog()
    {
        hwnd_ = CreateWindowExW(0, L"STATIC", L"date", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        for (int i = 0; i < 3; ++i)
            CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10 + 90 * i, 10, 80, 24, hwnd_,
                            HMENU(INT_PTR(300 + i)), GetModuleHandleW(nullptr), nullptr);
        dialog_.Attach(hwnd_);
    }
    ~ThreeBoxDialog()
    {
        dialog_.Detach();
        DestroyWindow(hwnd_);
    }
    void Set(const std::wstring& year, const std::wstring& month, const std::wstring& day)
    {
        SetDlgItemTextW(hwnd_, 300, year.c_str());
        SetDlgItemTextW(hwnd_, 301, month.c_str());
        SetDlgItemTextW(hwnd_, 302, day.c_str());
    }
    CDialog* dialog() { return &dialog_; }

private:
    HWND hwnd_;
    CDialog dialog_;
};

}  // namespace

TEST(DateDialog, GetDlgDateWritesAtMostNineCharacters)
{
    ThreeBoxDialog dlg;
    ASSERT_TRUE(dlg.dialog()->GetSafeHwnd());
    struct Case {
        std::wstring year, month, day;
        const wchar_t* text;
    } cases[] = {
        { L"2021", L"3", L"5", L"20210305" },
        { L"2026", L"11", L"01", L"20261101" },
        { L"", L"", L"", L"00000000" },
        { L"abc", L"x", L"y", L"00000000" },
        { L"99999", L"12", L"31", L"99999123" },   // five-digit year: cut at the buffer's end
        { std::wstring(300, L'9'), L"1", L"1", L"21474836" },
        { L"-5", L"1", L"1", L"-0050101" },
        { L"0", L"0", L"32", L"00000032" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "year text of " << c.year.size() << " characters, expecting "
                                        << testing::PrintToString(std::wstring(c.text)));
        dlg.Set(c.year, c.month, c.day);
        wchar_t buffer[12];
        std::fill(buffer, buffer + 12, L'#');
        CDate::GetDlgDate(dlg.dialog(), 300, buffer);
        EXPECT_STREQ(c.text, buffer);
        EXPECT_EQ(L'#', buffer[9]);
        EXPECT_EQ(L'#', buffer[10]);
        EXPECT_EQ(L'#', buffer[11]);
    }
}
