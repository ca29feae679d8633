// CMenu: loading from the program's resources, reading items, and its
// per-module handle map.
#include <gtest/gtest.h>

#include "afx_gdi_ids.h"
#include "afxwin.h"
#include "probe/probe_dll.h"
#include "cstring_printer.h"
#include "qvtest.h"

namespace {

TEST(CMenuLoad, LoadedMenuReadsBackItsItemsAndStates)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_TEST_MENU));
    EXPECT_EQ(menu.GetMenuItemCount(), 2u);

    CString text;
    EXPECT_EQ(menu.GetMenuString(0, text, MF_BYPOSITION), 6);
    EXPECT_EQ(text, CString(L"檔案(&F)"));
    EXPECT_EQ(menu.GetMenuString(ID_FILE_OPEN, text, MF_BYCOMMAND), 8);
    EXPECT_EQ(text, CString(L"開啟舊檔(&O)"));
    // An item that does not exist reads as empty.
    EXPECT_EQ(menu.GetMenuString(99, text, MF_BYPOSITION), 0);
    EXPECT_TRUE(text.IsEmpty());
    wchar_t buffer[4] = {};
    EXPECT_EQ(menu.GetMenuString(ID_FILE_OPEN, buffer, 4, MF_BYCOMMAND), 3);
    EXPECT_STREQ(buffer, L"開啟舊");

    CMenu* file = menu.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(CMenu::FromHandlePermanent(file->m_hMenu), nullptr) << "a submenu has only a temporary wrapper";
    EXPECT_EQ(menu.GetSubMenu(0), file);
    EXPECT_EQ(file->GetMenuItemCount(), 3u);
    EXPECT_EQ(file->GetMenuItemID(0), static_cast<UINT>(ID_FILE_OPEN));
    EXPECT_EQ(file->GetMenuItemID(1), 0u);  // separator
    EXPECT_EQ(menu.GetMenuItemID(0), static_cast<UINT>(-1));  // a submenu
    EXPECT_EQ(menu.GetSubMenu(5), nullptr);
    EXPECT_TRUE(menu.GetMenuState(ID_FILE_EXIT, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(ID_EDIT_COPY, MF_BYCOMMAND) & MF_CHECKED);

    EXPECT_EQ(menu.CheckMenuItem(ID_EDIT_COPY, MF_BYCOMMAND | MF_UNCHECKED), static_cast<UINT>(MF_CHECKED));
    EXPECT_FALSE(menu.GetMenuState(ID_EDIT_COPY, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(menu.EnableMenuItem(ID_FILE_EXIT, MF_BYCOMMAND | MF_ENABLED), static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(menu.EnableMenuItem(12345, MF_BYCOMMAND | MF_ENABLED), static_cast<UINT>(-1));
    CMenu::DeleteTempMap();
}

TEST(CMenuEdit, BuildingAndChangingAPopupMenu)
{
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    EXPECT_TRUE(popup.AppendMenu(MF_STRING, 11, L"列印"));
    EXPECT_TRUE(popup.AppendMenu(MF_SEPARATOR));
    EXPECT_TRUE(popup.InsertMenu(0, MF_BYPOSITION | MF_STRING, 10, L"預覽"));
    EXPECT_TRUE(popup.ModifyMenu(11, MF_BYCOMMAND | MF_STRING, 12, L"列印全部"));
    EXPECT_EQ(popup.GetMenuItemCount(), 3u);
    EXPECT_EQ(popup.GetMenuItemID(0), 10u);
    EXPECT_EQ(popup.GetMenuItemID(1), 12u);
    CString text;
    popup.GetMenuString(12, text, MF_BYCOMMAND);
    EXPECT_EQ(text, CString(L"列印全部"));

    // RemoveMenu keeps a submenu alive; DeleteMenu destroys it.
    CMenu sub;
    ASSERT_TRUE(sub.CreatePopupMenu());
    const HMENU hSub = sub.Detach();
    EXPECT_TRUE(popup.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), L"更多"));
    EXPECT_TRUE(popup.RemoveMenu(3, MF_BYPOSITION));
    EXPECT_TRUE(::IsMenu(hSub));
    EXPECT_TRUE(popup.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), L"更多"));
    EXPECT_TRUE(popup.DeleteMenu(3, MF_BYPOSITION));
    EXPECT_FALSE(::IsMenu(hSub));
    EXPECT_EQ(popup.GetMenuItemCount(), 3u);
}

TEST(CMenuMap, MenusBelongToTheModuleThatWrapsThem)
{
    HMENU hMenu = nullptr;
    {
        CMenu menu;
        ASSERT_TRUE(menu.CreateMenu());
        hMenu = menu.GetSafeHmenu();
        EXPECT_EQ(static_cast<HMENU>(menu), hMenu);
        EXPECT_EQ(CMenu::FromHandlePermanent(hMenu), &menu);
        EXPECT_EQ(CMenu::FromHandle(hMenu), &menu);
        EXPECT_FALSE(ProbeHasMenu(hMenu)) << "the DLL found the program's menu";
    }
    // The wrapper destroyed its menu and left the map.
    EXPECT_FALSE(::IsMenu(hMenu));
    EXPECT_EQ(CMenu::FromHandlePermanent(hMenu), nullptr);

    // A temporary wrapper never destroys the menu.
    HMENU hRaw = ::CreatePopupMenu();
    CMenu* temporary = CMenu::FromHandle(hRaw);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(temporary->m_hMenu, hRaw);
    CMenu::DeleteTempMap();
    EXPECT_TRUE(::IsMenu(hRaw));
    CMenu owner;
    EXPECT_TRUE(owner.Attach(hRaw));
    EXPECT_EQ(CMenu::FromHandlePermanent(hRaw), &owner);
    EXPECT_TRUE(owner.DestroyMenu());
    EXPECT_FALSE(::IsMenu(hRaw));
    EXPECT_FALSE(owner.DestroyMenu());

    const CMenu* none = nullptr;
    EXPECT_EQ(none->GetSafeHmenu(), nullptr);
    EXPECT_EQ(CMenu::FromHandle(nullptr), nullptr);

    // GDI objects the same way.
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    EXPECT_NE(CGdiObject::FromHandlePermanent(pen.m_hObject), nullptr);
    EXPECT_FALSE(ProbeHasGdiObject(pen.m_hObject));
}

}  // namespace
