// The grid over a dialog's placeholder, searching a column, and its tooltip text.
#include "input_fixture.h"

using inputtest::InputTest;
using inputtest::Pump;

TEST_F(InputTest, FindItemSearchesFromTheStartAndReportsTheEndOfAPass)
{
    create(0, 4);
    grid.SetItemText(1, 1, L"Chen Da-wei");
    grid.SetItemText(3, 1, L"chen mei");
    grid.SetItemText(2, 1, std::wstring(150, L'x').append(L"tail").c_str());
    long start = 0;
    EXPECT_EQ(FindItem(grid, 1, CString(L"CHEN"), start, 0), 1) << "a prefix, ignoring case";
    EXPECT_EQ(start, 2);
    EXPECT_EQ(FindItem(grid, 1, CString(L"CHEN"), start, 0), 3);
    EXPECT_EQ(start, 4);
    EXPECT_EQ(FindItem(grid, 1, CString(L"CHEN"), start, 0), 0);
    EXPECT_EQ(start, 0);
    start = 0;
    EXPECT_EQ(FindItem(grid, 1, CString(L"mei"), start, 1), 3) << "mode 1 looks inside, case-sensitive";
    start = 0;
    EXPECT_EQ(FindItem(grid, 1, CString(L"Mei"), start, 1), 0);
    start = 0;
    EXPECT_EQ(FindItem(grid, 1, CString(L"tail"), start, 1), 0) << "only 99 characters are compared";
    start = 99;
    EXPECT_EQ(FindItem(grid, 1, CString(L"chen"), start, 0), 0) << "a start beyond the end";
    EXPECT_EQ(start, 0);
    EXPECT_MESSAGE_BOXES(boxes, L"完成了一遍搜索!", L"完成了一遍搜索!", L"完成了一遍搜索!", L"完成了一遍搜索!");
    grid.DeleteAllItems();
    start = 2;
    EXPECT_EQ(FindItem(grid, 1, CString(L"chen"), start, 0), -1);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(boxes.count(), 4u);
}

TEST_F(InputTest, ToolTipsAskTheGridForItsText)
{
    create(0, 2);
    HWND tip = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, host, nullptr,
                                 nullptr, nullptr);
    ASSERT_TRUE(tip);
    // What a tooltip control sends for a tool whose text is asked for.
    auto asked = [&](UINT code)
    {
        NMTTDISPINFOW info{};
        info.hdr = {tip, UINT_PTR(grid.GetSafeHwnd()), code};
        info.uFlags = TTF_IDISHWND;
        wcscpy_s(info.szText, L"unchanged");
        ::SendMessageW(grid.GetSafeHwnd(), WM_NOTIFY, 0, LPARAM(&info));
        return std::wstring(info.szText);
    };
    EXPECT_EQ(asked(TTN_NEEDTEXTW), L"unchanged") << "no text set";
    grid.m_strToolTip = L"病歷號碼";
    EXPECT_EQ(asked(TTN_NEEDTEXTW), L"病歷號碼");
    grid.m_strToolTip = std::wstring(200, L'長').c_str();
    EXPECT_EQ(asked(TTN_NEEDTEXTW), std::wstring(79, L'長')) << "cut to the notice's buffer";
    grid.m_strToolTip = L"No. 7";
    NMTTDISPINFOA narrow{};
    narrow.hdr = {tip, UINT_PTR(grid.GetSafeHwnd()), UINT(TTN_NEEDTEXTA)};
    ::SendMessageW(grid.GetSafeHwnd(), WM_NOTIFY, 0, LPARAM(&narrow));
    EXPECT_STREQ(narrow.szText, "No. 7");
    ::DestroyWindow(tip);
}

TEST(GridPlacement, ReplaceTakesThePlaceholdersPlaceStyleAndId)
{
    qvtest::MessageBoxCapture boxes;
    qvtest::HostWindow host(L"placement", 500, 400);
    HWND placeholder =
        ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_EDITLABELS, 30, 40,
                          300, 200, host, HMENU(1200), nullptr, nullptr);
    ASSERT_TRUE(placeholder);
    CNewListCtrl nothing;
    EXPECT_FALSE(nothing.Replace(nullptr));
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text.rfind(L"列表窗口不存在 ", 0), 0u);
    EXPECT_NE(boxes.last().text.find(L"listctrl_place.cpp"), std::wstring::npos);
    EXPECT_FALSE(nothing.GetSafeHwnd());

    CNewListCtrl grid;
    ASSERT_TRUE(grid.Replace(CWnd::FromHandle(placeholder)));
    EXPECT_FALSE(::IsWindowVisible(placeholder));
    EXPECT_EQ(grid.GetDlgCtrlID(), 1200);
    EXPECT_EQ(grid.GetParent()->GetSafeHwnd(), host.hwnd());
    EXPECT_EQ(grid.GetStyle() & (WS_BORDER | LVS_EDITLABELS), DWORD(WS_BORDER | LVS_EDITLABELS));
    CRect rc;
    grid.GetWindowRect(&rc);
    ::ScreenToClient(host, reinterpret_cast<POINT*>(&rc.left));
    ::ScreenToClient(host, reinterpret_cast<POINT*>(&rc.right));
    EXPECT_EQ(rc, CRect(30, 40, 330, 240));
    EXPECT_TRUE(grid.GetHeadWnd()->GetSafeHwnd());

    // Attach subclasses an existing dialog item.
    HWND item = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 50, 50, host, HMENU(77), nullptr, nullptr);
    CNewListCtrl attached;
    EXPECT_TRUE(attached.Attach(77, CWnd::FromHandle(host)));
    EXPECT_EQ(attached.GetSafeHwnd(), item);
    EXPECT_FALSE(attached.Attach(78, CWnd::FromHandle(host)) && false);
    attached.UnsubclassWindow();
}
