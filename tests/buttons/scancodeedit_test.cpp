// CScancodeEdit: scans arriving as the private message, the notification to
// the parent or the grandparent.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include "host_window.h"
#include "message_pump.h"
#include "qvctrl.h"

namespace
{

std::wstring TextOf(HWND hwnd)
{
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

LRESULT Scan(CScancodeEdit& edit, const char* text)
{
    return ::SendMessageW(edit.m_hWnd, WM_SCANCODE, 0, reinterpret_cast<LPARAM>(text));
}

// A dialog page: the edit's parent is a child window of the sheet.
struct PageHost
{
    PageHost()
    {
        ::SetWindowLongW(page.hwnd(), GWL_STYLE, WS_CHILD | WS_VISIBLE);
        ::SetParent(page.hwnd(), sheet.hwnd());
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 200, 34),
                    CWnd::FromHandle(page.hwnd()), 100);
        edit.SetWindowText(L"舊值");
    }
    qvtest::HostWindow sheet{L"sheet"};
    qvtest::HostWindow page{L"page"};
    CScancodeEdit edit;
};

TEST(ScancodeEdit, AScanLineBecomesTheTextAndTheParentIsTold)
{
    PageHost host;
    host.page.answer(WM_SCANCODE_NOTIFY, 7);
    EXPECT_EQ(7, Scan(host.edit, "12345\r\n"));
    EXPECT_EQ(L"12345", TextOf(host.edit.m_hWnd));
    ASSERT_EQ(1u, host.page.countMessage(WM_SCANCODE_NOTIFY));
    EXPECT_EQ(0u, host.page.messagesOf(WM_SCANCODE_NOTIFY)[0].wParam);
    EXPECT_EQ(0, host.page.messagesOf(WM_SCANCODE_NOTIFY)[0].lParam);
    EXPECT_EQ(0u, host.sheet.countMessage(WM_SCANCODE_NOTIFY)) << "the parent answered";

    const struct
    {
        const char* scan;
        const wchar_t* text;
    } cuts[] = {
        {"A0012\r\nrest", L"A0012"},
        {"9\n", L""},      // the character before the line feed goes with it
        {"\nX", L"\nX"},   // a line feed at the start cuts nothing
        {"880101", L"880101"},
    };
    for (const auto& row : cuts)
    {
        EXPECT_EQ(7, Scan(host.edit, row.scan)) << row.scan;
        EXPECT_EQ(row.text, TextOf(host.edit.m_hWnd)) << row.scan;
    }
}

TEST(ScancodeEdit, WebAddressesAndMissingTextChangeNothing)
{
    PageHost host;
    host.page.answer(WM_SCANCODE_NOTIFY, 1);
    EXPECT_EQ(0, Scan(host.edit, "see https://example.org/1234"));
    EXPECT_EQ(0, Scan(host.edit, "xhttpx\r\n"));
    EXPECT_EQ(0, Scan(host.edit, nullptr));
    EXPECT_EQ(L"舊值", TextOf(host.edit.m_hWnd));
    EXPECT_EQ(0u, host.page.countMessage(WM_SCANCODE_NOTIFY));
}

TEST(ScancodeEdit, AParentThatAnswersZeroPassesTheScanToTheGrandparent)
{
    PageHost host;
    host.sheet.answer(WM_SCANCODE_NOTIFY, 5);
    EXPECT_EQ(5, Scan(host.edit, "A123456789\r\n"));
    EXPECT_EQ(1u, host.page.countMessage(WM_SCANCODE_NOTIFY));
    EXPECT_EQ(1u, host.sheet.countMessage(WM_SCANCODE_NOTIFY));
    EXPECT_EQ(L"A123456789", TextOf(host.edit.m_hWnd));

    // Nobody answers: 0, and the text is still shown.
    host.sheet.answer(WM_SCANCODE_NOTIFY, 0);
    EXPECT_EQ(0, Scan(host.edit, "777"));
    EXPECT_EQ(L"777", TextOf(host.edit.m_hWnd));

    // A scan of 100,000 bytes is taken whole (into a hidden field: the
    // platform's edit control is slow to lay out such a line on screen).
    host.edit.ShowWindow(SW_HIDE);
    std::string big(100000, '8');
    big += "\r\n";
    Scan(host.edit, big.c_str());
    EXPECT_EQ(100000, ::GetWindowTextLengthW(host.edit.m_hWnd));
    EXPECT_EQ(3u, host.sheet.countMessage(WM_SCANCODE_NOTIFY));
}

TEST(ScancodeEdit, APostedScanIsHandledBeforeDispatching)
{
    PageHost host;
    host.page.answer(WM_SCANCODE_NOTIFY, 3);
    static const char scan[] = "5566\r\n";
    ::PostMessageW(host.edit.m_hWnd, WM_SCANCODE, 0, reinterpret_cast<LPARAM>(scan));
    MSG msg{};
    ASSERT_TRUE(::PeekMessageW(&msg, host.edit.m_hWnd, WM_SCANCODE, WM_SCANCODE, PM_REMOVE));
    EXPECT_TRUE(host.edit.PreTranslateMessage(&msg));
    EXPECT_EQ(L"5566", TextOf(host.edit.m_hWnd));
    EXPECT_EQ(1u, host.page.countMessage(WM_SCANCODE_NOTIFY));

    MSG other{host.edit.m_hWnd, WM_CHAR, L'1', 0, 0, {}};
    EXPECT_FALSE(host.edit.PreTranslateMessage(&other));
    EXPECT_EQ(RUNTIME_CLASS(CScancodeEdit), CScancodeEdit::GetThisClass());
    EXPECT_TRUE(host.edit.IsKindOf(RUNTIME_CLASS(CEdit)));
}

}   // namespace
