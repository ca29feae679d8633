// Context menus at the mouse position, closed by a timer as a user would close them.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include "assert_counter.h"
#include "message_box_capture.h"
#include "module_ids.h"
#include "qvctrl.h"
#include "test_window.h"

namespace
{

// A window that owns the menus: it counts the pop-up menus that open over it
// and closes each soon after, as a user would.
class PopMenuTest : public qvtest::MessageBoxTest
{
protected:
    PopMenuTest() : window(L"QVTestMenuOwner", L"選單擁有者", WS_OVERLAPPEDWINDOW | WS_VISIBLE)
    {
        ::SetWindowSubclass(window.hwnd(), &Watch, 1, reinterpret_cast<DWORD_PTR>(this));
        wnd.Attach(window.hwnd());
        ::SetCursorPos(210, 160);
    }
    ~PopMenuTest() override
    {
        wnd.Detach();
        ::RemoveWindowSubclass(window.hwnd(), &Watch, 1);
    }
    static LRESULT CALLBACK Watch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
    {
        if (message == WM_INITMENUPOPUP)
        {
            ++reinterpret_cast<PopMenuTest*>(self)->opened;
            reinterpret_cast<PopMenuTest*>(self)->itemsShown = ::GetMenuItemCount(reinterpret_cast<HMENU>(wParam));
            ::SetTimer(nullptr, 0, 150,
                       [](HWND, UINT, UINT_PTR id, DWORD)
                       {
                           ::KillTimer(nullptr, id);
                           ::EndMenu();
                       });
        }
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
    TestWindow window;
    CWnd wnd;
    int opened = 0;
    int itemsShown = 0;
};

TEST_F(PopMenuTest, MenusAreShownAtTheCursor)
{
    // A menu resource shows its first submenu.
    EXPECT_EQ(CPoint(210, 160), PopMenu(IDR_POPUP_MENU, &wnd));
    EXPECT_EQ(1, opened);
    EXPECT_EQ(2, itemsShown);
    // A given menu is shown and kept.
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 3001, L"新增");
    EXPECT_EQ(CPoint(210, 160), PopMenu(&menu, &wnd));
    EXPECT_EQ(2, opened);
    EXPECT_EQ(1, itemsShown);
    EXPECT_TRUE(::IsMenu(menu.GetSafeHmenu()));
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(PopMenuTest, MissingMenusAndOwnersAreCallerErrors)
{
    AssertCounter asserts;
    EXPECT_EQ(CPoint(210, 160), PopMenu(9999, &wnd));             // no such menu
    EXPECT_EQ(CPoint(210, 160), PopMenu(IDR_EMPTY_MENU, &wnd));   // no submenu
    CMenu empty;
    ASSERT_TRUE(empty.CreatePopupMenu());
    PopMenu(&empty, &wnd);   // no items
    PopMenu(static_cast<CMenu*>(nullptr), &wnd);
    PopMenu(IDR_POPUP_MENU, nullptr);   // no owner
    EXPECT_EQ(0, opened);
    EXPECT_EQ(6, asserts.count());   // 2 for the missing menu, 1 for each other case
    EXPECT_MESSAGE_BOXES(boxes);
}

}   // namespace
