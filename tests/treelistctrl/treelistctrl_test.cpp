// CTreeListCtrl on a real "TreeList" window: each operation read back through the
// window's own messages or what it drew and sent to its parent.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "qvctrl.h"
#include "qvtest.h"

namespace
{
using ::testing::ElementsAre;

class TreeListCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override { host = std::make_unique<qvtest::HostWindow>(L"CTreeListCtrl test", 640, 480); }
    void TearDown() override
    {
        if (tree.m_hWnd)
        {
            EXPECT_EQ(0, TreeListCheck(tree.m_hWnd)) << "first broken rule of the item table";
        }
        if (tree.m_hWnd)
            tree.DestroyWindow();
    }
    void Make(DWORD style = 0)
    {
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | style, CRect(0, 0, 500, 300), CWnd::FromHandle(*host), 77));
    }
    std::vector<std::wstring> RowTexts(int column = 0)
    {
        std::vector<std::wstring> texts;
        for (int row = 0; HTREEITEM item = tree.GetItemOfRow(row); ++row)
        {
            const wchar_t* text = tree.GetItemText(item, column);
            texts.emplace_back(text ? text : L"<failed>");
        }
        return texts;
    }
    std::unique_ptr<qvtest::HostWindow> host;
    CTreeListCtrl tree;
};

TEST_F(TreeListCtrlTest, CreatesATreeListWindowOfItsOwnClass)
{
    Make(TVS_HASBUTTONS);
    wchar_t className[32] = {};
    GetClassNameW(tree.m_hWnd, className, 32);
    EXPECT_STREQ(TREELIST_CLASSNAME, className);
    EXPECT_EQ(77, GetDlgCtrlID(tree.m_hWnd));
    EXPECT_STREQ("CTreeListCtrl", tree.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(tree.IsKindOf(RUNTIME_CLASS(CTreeCtrl)));
    EXPECT_TRUE(tree.IsKindOf(RUNTIME_CLASS(CTreeListCtrl)));
    EXPECT_EQ(nullptr, tree.GetHeaderCtrl());   // made with the first column
}

TEST_F(TreeListCtrlTest, ColumnsIncludingBadIndexesAndTexts)
{
    Make();
    EXPECT_EQ(0, tree.InsertColumn(0, L"名稱", LVCFMT_LEFT, 150));
    EXPECT_EQ(1, tree.InsertColumn(1000, L"", LVCFMT_RIGHT, 80));   // far beyond: appended
    const std::wstring longText(5000, L'長');
    EXPECT_EQ(2, tree.InsertColumn(2, longText.c_str(), -1, -1));   // auto width, default format
    ASSERT_NE(nullptr, tree.GetHeaderCtrl());
    EXPECT_EQ(3, tree.GetHeaderCtrl()->GetItemCount());
    EXPECT_EQ(150, tree.GetColumnWidth(0));
    EXPECT_EQ(80, tree.GetColumnWidth(1));
    EXPECT_GE(tree.GetColumnWidth(2), 16);
    wchar_t caption[300] = L"unset";
    LVCOLUMNW read = {LVCF_TEXT | LVCF_FMT | LVCF_WIDTH, 0, 0, caption, 300};
    ASSERT_TRUE(tree.GetColumn(2, &read));
    EXPECT_EQ(longText.substr(0, wcslen(caption)), caption);   // cut to the buffer, never past it
    EXPECT_GT(wcslen(caption), 200u);
    read.cchTextMax = 300;
    ASSERT_TRUE(tree.GetColumn(1, &read));
    EXPECT_STREQ(L"", caption);
    EXPECT_EQ(LVCFMT_RIGHT, read.fmt);
    ASSERT_TRUE(tree.SetColumnWidth(1, 120));
    EXPECT_EQ(120, tree.GetColumnWidth(1));
    // Bad indexes change nothing.
    EXPECT_FALSE(tree.SetColumnWidth(40, 10));
    EXPECT_FALSE(tree.DeleteColumn(1000));
    EXPECT_FALSE(tree.DeleteColumn(-1));
    EXPECT_EQ(0, tree.GetColumnWidth(1000));
    EXPECT_EQ(3, (int)tree.SendMessage(TVM_GETCOLUMNCOUNT));
    EXPECT_TRUE(tree.DeleteColumn(1));
    EXPECT_EQ(2, (int)tree.SendMessage(TVM_GETCOLUMNCOUNT));
    for (int c = 2; c < 32; ++c)
        EXPECT_EQ(c, tree.InsertColumn(c, L"c", LVCFMT_LEFT, 20));
    EXPECT_EQ(-1, tree.InsertColumn(32, L"33rd", LVCFMT_LEFT, 20));
}

TEST_F(TreeListCtrlTest, ItemsAndCellsByColumn)
{
    Make();
    tree.InsertColumn(0, L"a", LVCFMT_LEFT, 100);
    tree.InsertColumn(1, L"b", LVCFMT_LEFT, 100);
    HTREEITEM item = tree.InsertItem(L"item");
    ASSERT_TRUE(tree.SetItemText(item, L"cell text", 1));
    const wchar_t* stored = tree.GetItemText(item, 1);
    ASSERT_NE(nullptr, stored);
    EXPECT_STREQ(L"cell text", stored);
    EXPECT_EQ(stored, tree.GetItemText(item, 1));   // the window's own text, not a copy
    EXPECT_EQ(L"item", std::wstring(tree.GetItemText(item, 0)));
    EXPECT_EQ(CString(L"item"), tree.GetItemText(item));   // the inherited form still works
    EXPECT_EQ(nullptr, tree.GetItemText((HTREEITEM)999, 1));
    EXPECT_EQ(nullptr, tree.GetItemText(item, 5));
    wchar_t buffer[8] = L"unset";
    EXPECT_EQ(0, tree.GetItemText(item, buffer, 0, 1));
    EXPECT_STREQ(L"unset", buffer);
    EXPECT_EQ(1, tree.GetItemText(item, buffer, 5, 1));
    EXPECT_STREQ(L"cell", buffer);
    // States and images per cell; the item's own state stays apart.
    ASSERT_TRUE(tree.SetItemState(item, 1, TVIS_BOLD, TVIS_BOLD));
    EXPECT_TRUE(tree.GetItemState(item, TVIS_BOLD, 1) & TVIS_BOLD);
    EXPECT_FALSE(tree.GetItemState(item, TVIS_BOLD, 0) & TVIS_BOLD);
    EXPECT_EQ(0u, tree.GetItemState((HTREEITEM)999, TVIS_BOLD, 0));
    ASSERT_TRUE(tree.SetItem(item, 1, TVIF_IMAGE | TVIF_PARAM, nullptr, 4, 0, 0, 0, 55));
    TVITEMW read = {TVIF_IMAGE | TVIF_PARAM | TVIF_SUBITEM, item};
    read.cChildren = 1;
    ASSERT_TRUE(tree.GetItem(&read));
    EXPECT_EQ(4, read.iImage);
    EXPECT_EQ(55, read.lParam);
    EXPECT_FALSE(tree.SetItemText(item, L"x", 9));   // no such column
}

TEST_F(TreeListCtrlTest, TheTreeAsAListOfRows)
{
    Make();
    tree.InsertColumn(0, L"a", LVCFMT_LEFT, 100);
    tree.InsertColumn(1, L"b", LVCFMT_LEFT, 100);
    EXPECT_EQ(0, tree.ListInsertItem(0, L"b"));
    EXPECT_EQ(1, tree.ListInsertItem(1, L"d"));   // the row count: appended
    EXPECT_EQ(0, tree.ListInsertItem(0, L"a"));   // before the first
    EXPECT_EQ(2, tree.ListInsertItem(2, L"c"));   // between
    EXPECT_EQ(4, tree.ListInsertItem(99, L"e", -1, TVIS_BOLD, TVIS_BOLD));
    EXPECT_THAT(RowTexts(), ElementsAre(L"a", L"b", L"c", L"d", L"e"));
    EXPECT_TRUE(tree.GetItemState(tree.GetItemOfRow(4), TVIS_BOLD) & TVIS_BOLD);
    EXPECT_TRUE(tree.ListSetItem(1, 1, L"cell of b"));
    EXPECT_TRUE(tree.ListSetItem(0, L"A"));
    EXPECT_FALSE(tree.ListSetItem(5, 1, L"none"));
    EXPECT_THAT(RowTexts(1), ElementsAre(L"", L"cell of b", L"", L"", L""));
    EXPECT_EQ(L"A", std::wstring(tree.GetItemText(tree.GetItemOfRow(0), 0)));
    ASSERT_TRUE(tree.ListSetColor(2, 1, RGB(1, 2, 3), RGB(4, 5, 6)));
    COLORREF back = 0, text = 0;
    ASSERT_TRUE(tree.ListGetColor(2, 1, back, text));
    EXPECT_EQ(RGB(1, 2, 3), back);
    EXPECT_EQ(RGB(4, 5, 6), text);
    ASSERT_TRUE(tree.ListGetColor(2, 0, back, text));
    EXPECT_EQ(0xFFFFFFFFu, back);   // no colour of its own
    EXPECT_FALSE(tree.ListSetColor(9, 1, 0, 0));
    EXPECT_FALSE(tree.ListGetColor(9, 1, back, text));
    EXPECT_EQ((COLORREF)-1, back);
    EXPECT_EQ((COLORREF)-1, text);
    EXPECT_TRUE(tree.ListDeleteItem(0));
    EXPECT_FALSE(tree.ListDeleteItem(4));
    EXPECT_THAT(RowTexts(), ElementsAre(L"b", L"c", L"d", L"e"));
    EXPECT_EQ(1u, host->countNotify(TVN_DELETEITEMW));
}

TEST_F(TreeListCtrlTest, ColoursAndExtendedStyles)
{
    Make();
    HTREEITEM item = tree.InsertItem(L"item");
    const COLORREF windowText = GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_EQ(windowText, tree.GetColor(TLC_TEXT));
    EXPECT_EQ(windowText, tree.SetColor(TLC_TEXT, RGB(200, 0, 0)));
    EXPECT_EQ(RGB(200, 0, 0), tree.GetColor(TLC_TEXT));
    EXPECT_EQ(RGB(200, 0, 0), tree.SetColor(TLC_TEXT, (COLORREF)-1));
    EXPECT_EQ(windowText, tree.GetColor(TLC_TEXT));
    EXPECT_EQ((COLORREF)-1, tree.GetColor(TLC_COUNT));
    EXPECT_EQ(0xFFFFFFFFu, tree.SetItemBkColor(item, 0, RGB(0, 0, 200)));
    EXPECT_EQ(RGB(0, 0, 200), tree.GetItemBkColor(item, 0));
    EXPECT_EQ(0xFFFFFFFFu, tree.GetItemTextColor(item, 0));
    tree.SetItemTextColor(item, 0, RGB(0, 90, 0));
    EXPECT_EQ(RGB(0, 90, 0), tree.GetItemTextColor(item, 0));
    EXPECT_EQ((DWORD)(TLX_GRIDLINES | TLX_SUBSELECT), tree.SetExtendedStyle(TLX_GRIDLINES | TLX_SUBSELECT));
    EXPECT_EQ((DWORD)TLX_SUBSELECT, tree.SetExtendedStyle(0, TLX_GRIDLINES));
    EXPECT_EQ((DWORD)TLX_SUBSELECT, tree.GetExtendedStyle());
    // What the window draws follows: the item's own back colour behind its row's text.
    qvtest::MemoryCanvas canvas(500, 300);
    tree.SendMessage(WM_PAINT, (WPARAM)canvas.dc());
    RECT label = {};
    ASSERT_TRUE(tree.GetItemRect(item, &label, TRUE));
    EXPECT_GT(canvas.countColor(label, RGB(0, 0, 200)), 10);
}

TEST_F(TreeListCtrlTest, SelectionFocusAndView)
{
    Make(TVS_HASBUTTONS);
    tree.SetExtendedStyle(TLX_SUBSELECT | TLX_MULTISELECT);
    for (int c = 0; c < 3; ++c)
        tree.InsertColumn(c, L"column", LVCFMT_LEFT, 120);
    HTREEITEM root = tree.InsertItem(L"root");
    HTREEITEM child = tree.InsertItem(L"child", root);
    HTREEITEM other = tree.InsertItem(L"other");
    EXPECT_EQ(-1, tree.GetRowOfItem(child));
    EXPECT_EQ(0, tree.EnsureVisible(child, 2));   // its parent had to open
    EXPECT_EQ(1, tree.GetRowOfItem(child));
    EXPECT_EQ(1, tree.EnsureVisible(child));
    EXPECT_EQ(-1, tree.EnsureVisible((HTREEITEM)999));
    ASSERT_TRUE(tree.SelectItem(child, 2));
    EXPECT_EQ(child, tree.GetSelectedItem());
    EXPECT_EQ(2, tree.GetSelectionColumn());
    EXPECT_EQ(child, tree.GetFocus());   // no focus item: the selection
    EXPECT_EQ(2, tree.GetFocusColumn());
    ASSERT_TRUE(tree.SelectDropTarget(other, 1));
    EXPECT_EQ(other, tree.GetDropHilightItem());
    EXPECT_EQ(1, tree.GetDropHilightColumn());
    ASSERT_TRUE(tree.SelectItem(other, 0));   // multi-selection through the state bit
    tree.SetItemState(root, TVIS_SELECTED, TVIS_SELECTED);
    EXPECT_EQ(root, tree.GetNextSelected(TVI_ROOT));
    EXPECT_EQ(nullptr, tree.GetNextSelectedChild(root));
    // The cell rectangle, the row rectangle and the text rectangle.
    RECT cell = {}, row = {}, text = {};
    ASSERT_TRUE(tree.GetItemRect(child, 1, &cell, TVIR_CELL));
    ASSERT_TRUE(tree.GetItemRect(child, &row, FALSE));
    ASSERT_TRUE(tree.GetItemRect(child, 0, &text, 1));
    EXPECT_EQ(120 - 1, cell.left);
    EXPECT_EQ(row.top, cell.top);
    EXPECT_EQ(row.bottom, cell.bottom);
    EXPECT_GT(text.left, row.left);
    EXPECT_FALSE(tree.GetItemRect((HTREEITEM)999, 1, &cell, TVIR_CELL));
}

TEST_F(TreeListCtrlTest, EditorsUserDataAndDragImages)
{
    Make();
    tree.InsertColumn(0, L"a", LVCFMT_LEFT, 150);
    tree.InsertColumn(1, L"b", LVCFMT_LEFT, 150);
    EXPECT_TRUE(tree.SetUserDataSize(24));
    EXPECT_EQ(24, tree.GetUserDataSize());
    HTREEITEM item = tree.InsertItem(L"item");
    tree.SetItemText(item, L"cell", 1);
    const BYTE* data = (const BYTE*)tree.GetUserData(item);
    ASSERT_NE(nullptr, data);
    EXPECT_EQ(std::vector<BYTE>(24, 0), std::vector<BYTE>(data, data + 24));
    EXPECT_FALSE(tree.SetUserDataSize(8));   // items exist: the size stays
    EXPECT_FALSE(tree.SetUserDataSize(-1));
    EXPECT_EQ(24, tree.GetUserDataSize());
    EXPECT_EQ(nullptr, tree.GetUserData((HTREEITEM)999));
    EXPECT_EQ(nullptr, tree.EditLabel(item, 1, FALSE));   // no TVS_EDITLABELS
    tree.ModifyStyle(0, TVS_EDITLABELS);
    CEdit* edit = tree.EditLabel(item, 1, TRUE);
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ((HWND)tree.SendMessage(TVM_GETEDITCONTROL), edit->m_hWnd);
    wchar_t started[16] = {};
    GetWindowTextW(edit->m_hWnd, started, 16);
    EXPECT_STREQ(L"cell", started);
    SendMessageW(edit->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 1);
    CComboBox* combo = tree.EditLabelCb(item, 1, FALSE, TRUE);
    ASSERT_NE(nullptr, combo);
    EXPECT_EQ((DWORD)CBS_DROPDOWNLIST, GetWindowLongW(combo->m_hWnd, GWL_STYLE) & 3);
    SendMessageW(combo->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 1);
    CImageList* drag = tree.CreateDragImage(item, 1);
    ASSERT_NE(nullptr, drag);
    int cx = 0, cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(drag->m_hImageList, &cx, &cy));
    EXPECT_GT(cx, 0);
    ImageList_Destroy(drag->Detach());
    EXPECT_EQ(nullptr, tree.CreateDragImage(item, 9));
}

TEST_F(TreeListCtrlTest, SortsWithAndWithoutRecursion)
{
    Make();
    HTREEITEM b = tree.InsertItem(L"b");
    tree.InsertItem(L"a");
    for (const wchar_t* text : {L"2", L"1"})
        tree.InsertItem(text, b);
    tree.Expand(b, TVE_EXPAND);
    EXPECT_TRUE(tree.SortChildren(TVI_ROOT));
    EXPECT_THAT(RowTexts(), ElementsAre(L"a", L"b", L"2", L"1"));
    EXPECT_TRUE(tree.SortChildren(TVI_ROOT, TRUE));
    EXPECT_THAT(RowTexts(), ElementsAre(L"a", L"b", L"1", L"2"));
    EXPECT_FALSE(tree.SortChildren(tree.GetItemOfRow(0)));   // no children
    TVSORTCB sort = {b, [](LPARAM, LPARAM, LPARAM) { return 0; }, 0};
    EXPECT_TRUE(tree.SortChildrenCB(&sort));
}

}   // namespace
