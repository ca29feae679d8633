// CMenu: texts of a menu loaded from the program's resources, and its submenus.
#include <gtest/gtest.h>
#include "afx_gdi_ids.h"
#include "afxwin.h"
#include "qvtest.h"

namespace
{

TEST(CMenu, MenuStringsWholeOrEmptyAndSubmenusTemporary)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_TEST_MENU));
    struct Case
    {
        UINT item;
        UINT flags;
        const wchar_t* text;
    };
    for (const Case& c : {Case{0, MF_BYPOSITION, L"檔案(&F)"}, Case{ID_FILE_OPEN, MF_BYCOMMAND, L"開啟舊檔(&O)"},
                          Case{99, MF_BYPOSITION, L""}, Case{ID_FILE_EXIT + 100, MF_BYCOMMAND, L""}})
    {
        SCOPED_TRACE(testing::Message() << "item " << c.item);
        CString text = L"stale";
        EXPECT_EQ(menu.GetMenuString(c.item, text, c.flags), static_cast<int>(wcslen(c.text)));
        EXPECT_STREQ(text, c.text);
    }
    CMenu* file = menu.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(CMenu::FromHandlePermanent(file->m_hMenu), nullptr) << "a submenu has only a temporary wrapper";
    EXPECT_EQ(menu.GetSubMenu(0), file);
    EXPECT_EQ(file->GetMenuItemID(0), static_cast<UINT>(ID_FILE_OPEN));
    EXPECT_EQ(menu.GetSubMenu(5), nullptr);
    CMenu::DeleteTempMap();
    EXPECT_TRUE(::IsMenu(::GetSubMenu(menu.m_hMenu, 0))) << "the sweep destroyed a submenu";
}

}   // namespace
