// Context menus at the mouse position, closed by a timer as a user would close them.
#include <windows.h>

#include <gtest/gtest.h>

#include "assert_counter.h"
#include "message_box_capture.h"
#include "module_ids.h"
#include "qvctrl.h"
#include "test_window.h"

namespace {

// Records the pop-up menus that open over the owner and closes each soon after.
struct MenuWatch
{
    static MenuWatch* current;
    HWND owner = nullptr;
    int opened = 0;
    int itemsShown = 0;
    WNDPROC previous = nullptr;

    explicit MenuWatch(HWND window) : owner(window)
    {
        current = this;
        previous = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OwnerProc)));
    }
    ~MenuWatch()
    {
        ::SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        current = nullptr;
    }
    static LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_INITMENUPOPUP) {
            ++current->opened;
            current->itemsShown = ::GetMenuItemCount(reinterpret_cast<HMENU>(wParam));
            ::SetTimer(nullptr, 0, 150, &CloseMenu);
        }
        return ::CallWindowProcW(current->previous, hwnd, message, wParam, lParam);
    }
    static void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD)
    {
        ::KillTimer(nullptr, id);
        ::EndMenu();
    }
};
MenuWatch* MenuWatch::current = nullptr;

class PopMenuTest : public ::testing::Test
{
protected:
    PopMenuTest() : window(L"QVTestMenuOwner", L"選單擁有者", WS_OVERLAPPEDWINDOW | WS_VISIBLE)
    {
        wnd.Attach(window.hwnd());
        ::SetCursorPos(210, 160);
    }
    ~PopMenuTest() override { wnd.Detach(); }

    TestWindow window;
    CWnd wnd;
};

TEST_F(PopMenuTest, MenuResourceShowsItsFirstSubmenuAtTheCursor)
{
    MenuWatch watch(window.hwnd());
    CPoint at = PopMenu(IDR_POPUP_MENU, &wnd);
    EXPECT_EQ(CPoint(210, 160), at);
    EXPECT_EQ(1, watch.opened);
    EXPECT_EQ(2, watch.itemsShown);
}

TEST_F(PopMenuTest, GivenMenuIsShownAndKept)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 3001, L"新增");
    menu.AppendMenu(MF_STRING, 3002, L"刪除");
    menu.AppendMenu(MF_STRING, 3003, L"修改");
    MenuWatch watch(window.hwnd());
    EXPECT_EQ(CPoint(210, 160), PopMenu(&menu, &wnd));
    EXPECT_EQ(1, watch.opened);
    EXPECT_EQ(3, watch.itemsShown);
    EXPECT_TRUE(::IsMenu(menu.GetSafeHmenu()));
}

TEST_F(PopMenuTest, MissingMenusAndOwnersAreCallerErrors)
{
    qvtest::MessageBoxCapture boxes;
    AssertCounter asserts;
    MenuWatch watch(window.hwnd());
    EXPECT_EQ(CPoint(210, 160), PopMenu(9999, &wnd));            // no such menu
    EXPECT_EQ(CPoint(210, 160), PopMenu(IDR_EMPTY_MENU, &wnd));  // no submenu
    CMenu empty;
    ASSERT_TRUE(empty.CreatePopupMenu());
    PopMenu(&empty, &wnd);                                       // no items
    PopMenu(static_cast<CMenu*>(nullptr), &wnd);
    PopMenu(IDR_POPUP_MENU, nullptr);                            // no owner
    EXPECT_EQ(0, watch.opened);
    EXPECT_EQ(6, asserts.count());   // 2 for the missing menu, 1 for each other case
    EXPECT_MESSAGE_BOXES(boxes);
}

}  // namespace
