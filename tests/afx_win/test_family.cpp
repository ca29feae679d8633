// Relatives of a window: parents and owners.
#include <gtest/gtest.h>
#include "afxwin.h"

namespace
{

TEST(WindowFamily, ParentsAndOwners)
{
    CWnd top;
    ASSERT_TRUE(top.CreateEx(0, nullptr, L"top", WS_OVERLAPPEDWINDOW, 100, 100, 400, 300, nullptr, nullptr));
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, L"child", WS_VISIBLE, CRect(0, 0, 200, 100), &top, 10));
    CWnd grandchild;
    ASSERT_TRUE(grandchild.Create(nullptr, L"grandchild", WS_VISIBLE, CRect(0, 0, 50, 50), &child, 20));
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, nullptr, L"popup", WS_POPUP | WS_CAPTION, 0, 0, 120, 80, top.m_hWnd, nullptr));
    EXPECT_EQ(grandchild.GetParent(), &child);
    EXPECT_EQ(grandchild.GetParentOwner(), &top);
    EXPECT_EQ(top.GetParentOwner(), &top);
    EXPECT_EQ(grandchild.GetTopLevelParent(), &top);
    EXPECT_EQ(popup.GetTopLevelParent(), &top);   // through the owner
    EXPECT_EQ(top.GetDescendantWindow(20), &grandchild);
    popup.DestroyWindow();
    top.DestroyWindow();
    EXPECT_EQ(grandchild.m_hWnd, nullptr);
}

}   // namespace
