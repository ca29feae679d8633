// A TreeList window inside a recording host window, made and filled through its
// framework class CTreeListCtrl; the checks speak the window's messages.
#pragma once
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qvctrl.h"
#include "qvtest.h"

namespace treelist_test
{
using ::testing::ElementsAre;
inline HTREEITEM H(UINT_PTR value)
{
    return (HTREEITEM)value;
}
inline UINT_PTR N(HTREEITEM item)
{
    return (UINT_PTR)item;
}
inline POINT Centre(const RECT& r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class TreeListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TreeListRegister());
        host = new qvtest::HostWindow(L"TreeList test", 640, 480);
    }
    void TearDown() override
    {
        SetKeyDown(VK_SHIFT, false);
        SetKeyDown(VK_CONTROL, false);
        // Every message the test sent left the item table sound (checked after each one).
        if (tree && IsWindow(tree))
        {
            EXPECT_EQ(0, TreeListCheck(tree)) << "first broken rule of the item table";
        }
        if (control.m_hWnd)
            control.DestroyWindow();
        delete host;
    }
    // Creates the window (a child of the host) with the given tree styles.
    HWND Make(DWORD style, int width = 400, int height = 300)
    {
        tree = nullptr;
        if (control.Create(WS_CHILD | WS_VISIBLE | style, CRect(0, 0, width, height), CWnd::FromHandle(*host), 100))
            tree = control.m_hWnd;
        return tree;
    }
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageW(tree, msg, wp, lp); }
    HTREEITEM InsertWith(HTREEITEM parent, HTREEITEM after, const TVITEMW& fields)
    {
        TVINSERTSTRUCTW insert = {parent, after};
        insert.item = fields;
        return control.InsertItem(&insert);
    }
    HTREEITEM Insert(HTREEITEM parent, const wchar_t* text, HTREEITEM after = TVI_LAST, LPARAM param = 0)
    {
        return control.InsertItem(TVIF_TEXT | TVIF_PARAM, text, 0, 0, 0, 0, param, parent, after);
    }
    // A column of the given width; a negative width makes an auto-width column.
    int AddColumn(const wchar_t* caption, int width, int format = LVCFMT_LEFT)
    {
        return control.InsertColumn((int)Send(TVM_GETCOLUMNCOUNT), caption, format, width);
    }
    bool SetItem(TVITEMW change) { return control.SetItem(&change) != 0; }
    bool SetCellText(HTREEITEM item, int column, const wchar_t* text)
    {
        return control.SetItemText(item, text, column) != 0;
    }
    bool SetState(HTREEITEM item, UINT state, UINT mask) { return SetItem({TVIF_STATE, item, state, mask}); }
    // TVM_GETITEMW of the fields in `mask`; a column of 0 or more reads that cell.
    TVITEMW Get(HTREEITEM item, UINT mask, int column = -1) const
    {
        TVITEMW query = {mask | (column >= 0 ? TVIF_SUBITEM : 0u), item, 0, 0, nullptr, 0, 0, 0, column};
        EXPECT_TRUE(Send(TVM_GETITEMW, 0, (LPARAM)&query)) << "item " << N(item) << " column " << column;
        return query;
    }
    std::wstring Text(HTREEITEM item, int column = 0) const
    {
        wchar_t buffer[300] = L"<unset>";
        TVITEMW query = {TVIF_HANDLE | TVIF_TEXT | TVIF_SUBITEM, item, 0, 0, buffer, 300, 0, 0, column};
        if (!Send(TVM_GETITEMW, 0, (LPARAM)&query))
            return L"<failed>";
        return query.pszText == LPSTR_TEXTCALLBACKW ? L"<callback>" : query.pszText;
    }
    UINT State(HTREEITEM item) const { return (UINT)Send(TVM_GETITEMSTATE, 0, (LPARAM)item); }
    HTREEITEM Next(HTREEITEM item, UINT code) const { return (HTREEITEM)Send(TVM_GETNEXTITEM, code, (LPARAM)item); }
    int RowOf(HTREEITEM item) const { return (int)Send(TVM_GETROWOFITEM, 0, (LPARAM)item); }
    HTREEITEM ItemAt(int row) const { return (HTREEITEM)Send(TVM_GETITEMOFROW, 0, row); }
    bool Expand(HTREEITEM item, UINT code = TVE_EXPAND) const { return Send(TVM_EXPAND, code, (LPARAM)item) != 0; }
    bool Select(HTREEITEM item) const { return Send(TVM_SELECTITEM, TVGN_CARET, (LPARAM)item) != 0; }
    HTREEITEM Selected() const { return Next(nullptr, TVGN_CARET); }
    RECT ItemRect(HTREEITEM item, WPARAM code = 0) const
    {
        RECT r = {};
        *(HTREEITEM*)&r = item;
        return Send(TVM_GETITEMRECT, code, (LPARAM)&r) ? r : RECT{-1, -1, -1, -1};
    }
    RECT CellRect(HTREEITEM item, int column) const { return ItemRect(item, TVIR_CELL | ((WPARAM)column << 24)); }
    POINT LabelPoint(HTREEITEM item) const { return {ItemRect(item, 1).left + 4, Centre(ItemRect(item, 1)).y}; }
    UINT HitFlags(int x, int y, HTREEITEM* item = nullptr) const
    {
        TVHITTESTINFO info = {{x, y}};
        HTREEITEM hit = (HTREEITEM)Send(TVM_HITTEST, 0, (LPARAM)&info);
        if (item)
            *item = hit;
        return info.flags;
    }
    // Root i ("i") with children "i.j".
    std::vector<HTREEITEM> FillTwoLevels(int roots, int children)
    {
        std::vector<HTREEITEM> rootItems;
        for (int i = 0; i < roots; ++i)
        {
            const std::wstring name = std::to_wstring(i);
            rootItems.push_back(Insert(TVI_ROOT, name.c_str()));
            for (int j = 0; j < children; ++j)
                Insert(rootItems.back(), (name + L"." + std::to_wstring(j)).c_str());
        }
        return rootItems;
    }
    // The rows' texts from the first row on; a parent's children's texts; the selected items.
    std::vector<std::wstring> RowTexts() const
    {
        std::vector<std::wstring> texts;
        for (int row = 0; HTREEITEM item = ItemAt(row); ++row)
            texts.push_back(Text(item));
        return texts;
    }
    std::vector<std::wstring> Children(HTREEITEM parent) const
    {
        std::vector<std::wstring> texts;
        for (HTREEITEM h : Chain(Next(parent, TVGN_CHILD), TVGN_NEXT))
            texts.push_back(Text(h));
        return texts;
    }
    // A parent's children (TVI_ROOT: the roots), in order.
    std::vector<HTREEITEM> ChildItems(HTREEITEM parent) const
    {
        return Chain(parent == TVI_ROOT ? Next(nullptr, TVGN_ROOT) : Next(parent, TVGN_CHILD), TVGN_NEXT);
    }
    std::vector<HTREEITEM> SelectedItems() const { return Chain(Next(TVI_ROOT, TVGN_NEXTSELECTED), TVGN_NEXTSELECTED); }
    std::vector<HTREEITEM> Chain(HTREEITEM first, UINT code) const
    {
        std::vector<HTREEITEM> items;
        for (HTREEITEM h = first; h; h = Next(h, code))
            items.push_back(h);
        return items;
    }
    void Click(POINT p, UINT msg = WM_LBUTTONDOWN, WPARAM keys = 0) const
    {
        Send(msg, keys, MAKELPARAM(p.x, p.y));
        Send(msg == WM_RBUTTONDOWN ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    void Key(WPARAM key) const { Send(WM_KEYDOWN, key, 1); }
    static void SetKeyDown(int key, bool down)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[key] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    qvtest::HostWindow* host = nullptr;
    CTreeListCtrl control;
    HWND tree = nullptr;
};
}   // namespace treelist_test
