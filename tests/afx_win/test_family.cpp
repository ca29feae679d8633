// Relatives of a window: parents, owners and descendants.
#include <gtest/gtest.h>
#include "afxwin.h"

namespace {

class CCountingWnd : public CWnd
{
public:
    int pings = 0;

protected:
    LRESULT OnPing(WPARAM, LPARAM) { ++pings; return 0; }
    DECLARE_MESSAGE_MAP()
};

const UINT WM_FAMILY_PING = WM_APP + 20;

BEGIN_MESSAGE_MAP(CCountingWnd, CWnd)
    ON_MESSAGE(WM_FAMILY_PING, OnPing)
END_MESSAGE_MAP()

TEST(WindowFamily, ParentsOwnersAndDescendants)
{
    CWnd top;
    ASSERT_TRUE(top.CreateEx(0, nullptr, L"top", WS_OVERLAPPEDWINDOW, 100, 100, 400, 300, nullptr, nullptr));
    CCountingWnd child;
    ASSERT_TRUE(child.Create(nullptr, L"child", WS_VISIBLE, CRect(0, 0, 200, 100), &top, 10));
    CCountingWnd grandchild;
    ASSERT_TRUE(grandchild.Create(nullptr, L"grandchild", WS_VISIBLE, CRect(0, 0, 50, 50), &child, 20));
    HWND rawGrandchild = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 60, 10, 10, child.m_hWnd,
                                           reinterpret_cast<HMENU>(30), nullptr, nullptr);
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, nullptr, L"popup", WS_POPUP | WS_CAPTION, 0, 0, 120, 80, top.m_hWnd, nullptr));
    EXPECT_EQ(grandchild.GetParent(), &child);
    EXPECT_EQ(grandchild.GetParentOwner(), &top);
    EXPECT_EQ(top.GetParentOwner(), &top);
    EXPECT_EQ(grandchild.GetTopLevelParent(), &top);
    EXPECT_EQ(popup.GetTopLevelParent(), &top);  // through the owner
    EXPECT_TRUE(top.IsChild(&grandchild));
    EXPECT_FALSE(child.IsChild(&top));
    EXPECT_EQ(top.GetDescendantWindow(20), &grandchild);
    EXPECT_EQ(top.GetDescendantWindow(30)->m_hWnd, rawGrandchild);
    EXPECT_EQ(top.GetDescendantWindow(30, TRUE), nullptr);  // no permanent wrapper
    EXPECT_EQ(top.GetDescendantWindow(99), nullptr);
    top.SendMessageToDescendants(WM_FAMILY_PING);
    EXPECT_EQ(child.pings, 1);
    EXPECT_EQ(grandchild.pings, 1);
    top.SendMessageToDescendants(WM_FAMILY_PING, 0, 0, FALSE);  // children only
    EXPECT_EQ(child.pings, 2);
    EXPECT_EQ(grandchild.pings, 1);
    popup.DestroyWindow();
    top.DestroyWindow();
    EXPECT_EQ(grandchild.m_hWnd, nullptr);
}

}  // namespace
