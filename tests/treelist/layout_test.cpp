// Layout of the TreeList window: indent, row height, colour slots, extended styles,
// columns and their widths, scrolling and item rectangles.
#include "treelist_fixture.h"

namespace treelist_test {
namespace {

COLORREF Blend(COLORREF base, COLORREF highlight)
{
    return ((base >> 3) & 0x1F1F1F) * 7 + ((highlight >> 3) & 0x1F1F1F);
}

TEST_F(TreeListTest, ClampsIndentAndItemHeight)
{
    ASSERT_TRUE(Make(0));
    EXPECT_EQ(19, Send(TVM_SETINDENT, 2));
    EXPECT_EQ(5, Send(TVM_GETINDENT));
    EXPECT_EQ(5, Send(TVM_SETINDENT, 100));
    EXPECT_EQ(64, Send(TVM_GETINDENT));

    const int automatic = (int)Send(TVM_GETITEMHEIGHT);
    EXPECT_GE(automatic, 10);
    EXPECT_EQ(automatic, Send(TVM_SETITEMHEIGHT, 17));
    EXPECT_EQ(16, Send(TVM_GETITEMHEIGHT));
    Send(TVM_SETITEMHEIGHT, 0);
    EXPECT_EQ(1, Send(TVM_GETITEMHEIGHT));
    Send(TVM_SETITEMHEIGHT, 300);
    EXPECT_EQ(256, Send(TVM_GETITEMHEIGHT));
    Send(TVM_SETEXTENDEDSTYLE, TLX_ODDHEIGHT, TLX_ODDHEIGHT);
    Send(TVM_SETITEMHEIGHT, 17);
    EXPECT_EQ(17, Send(TVM_GETITEMHEIGHT));
    Send(TVM_SETEXTENDEDSTYLE, TLX_GRIDLINES, TLX_GRIDLINES);  // fixed height stays fixed
    EXPECT_EQ(17, Send(TVM_GETITEMHEIGHT));
    Send(TVM_SETITEMHEIGHT, (WPARAM)-1);
    EXPECT_EQ(automatic + 1, Send(TVM_GETITEMHEIGHT));  // automatic again, one more for the grid
    Send(TVM_SETEXTENDEDSTYLE, TLX_GRIDLINES, 0);
    EXPECT_EQ(automatic, Send(TVM_GETITEMHEIGHT));

    // A state image list of 16 x 16 gives at least 18.
    SetWindowLongPtrW(tree, GWL_STYLE, GetWindowLongPtrW(tree, GWL_STYLE) | TVS_CHECKBOXES);
    EXPECT_NE(0, Send(TVM_GETIMAGELIST, TVSIL_STATE));
    EXPECT_GE(Send(TVM_GETITEMHEIGHT), 18);
    const int visible = (int)Send(TVM_GETVISIBLECOUNT);
    RECT client;
    GetClientRect(tree, &client);
    EXPECT_EQ(client.bottom / Send(TVM_GETITEMHEIGHT), visible);
}

TEST_F(TreeListTest, KeepsColourSlotsWithDefaultsAndBlends)
{
    ASSERT_TRUE(Make(0));
    EXPECT_EQ((LRESULT)GetSysColor(COLOR_WINDOW), Send(TVM_GETBKCOLOR, TLC_BK));
    EXPECT_EQ((LRESULT)GetSysColor(COLOR_INFOBK), Send(TVM_GETBKCOLOR, TLC_ODD));
    EXPECT_EQ((LRESULT)GetSysColor(COLOR_WINDOW), Send(TVM_GETBKCOLOR, TLC_EVEN));
    EXPECT_EQ((LRESULT)GetSysColor(COLOR_BTNFACE), Send(TVM_GETBKCOLOR, TLC_GRID));
    EXPECT_EQ((LRESULT)GetSysColor(COLOR_WINDOWTEXT), Send(TVM_GETTEXTCOLOR));
    EXPECT_EQ((LRESULT)GetSysColor(COLOR_WINDOWTEXT), Send(TVM_GETLINECOLOR));
    EXPECT_EQ((LRESULT)GetSysColor(COLOR_BTNSHADOW), Send(TVM_GETBKCOLOR, TLC_BOX));
    EXPECT_EQ((LRESULT)(GetSysColor(COLOR_WINDOWTEXT) ^ 0xFF0000), Send(TVM_GETBKCOLOR, TLC_TRACK));
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ((LRESULT)Blend(GetSysColor(COLOR_INFOBK), highlight), Send(TVM_GETBKCOLOR, TLC_MARKODD));
    EXPECT_EQ((LRESULT)Blend(GetSysColor(COLOR_WINDOW), highlight), Send(TVM_GETBKCOLOR, TLC_MARKEVEN));
    EXPECT_EQ((LRESULT)GetSysColor(COLOR_INFOBK), Send(TVM_GETINSERTMARKCOLOR));
    EXPECT_EQ(-1, Send(TVM_GETBKCOLOR, 11));
    EXPECT_EQ(-1, Send(TVM_SETBKCOLOR, 11, RGB(1, 2, 3)));
    EXPECT_EQ(-1, Send(TVM_GETBKCOLOR, (WPARAM)-1));

    // A caller's colour survives a system colour change; -1 returns to the default.
    EXPECT_EQ((LRESULT)GetSysColor(COLOR_WINDOW), Send(TVM_SETBKCOLOR, TLC_BK, RGB(255, 0, 0)));
    Send(WM_SYSCOLORCHANGE);
    EXPECT_EQ((LRESULT)RGB(255, 0, 0), Send(TVM_GETBKCOLOR, TLC_BK));
    Send(TVM_SETBKCOLOR, TLC_BK, (LPARAM)-1);
    Send(WM_SYSCOLORCHANGE);
    EXPECT_EQ((LRESULT)GetSysColor(COLOR_WINDOW), Send(TVM_GETBKCOLOR, TLC_BK));
    Send(TVM_SETTEXTCOLOR, 0, RGB(0, 0, 200));
    EXPECT_EQ((LRESULT)RGB(0, 0, 200), Send(TVM_GETBKCOLOR, TLC_TEXT));
    Send(TVM_SETTEXTCOLOR, 0, -1);
    EXPECT_EQ((LRESULT)GetSysColor(COLOR_WINDOWTEXT), Send(TVM_GETTEXTCOLOR));
    // The marked-row colour follows its row colour while the caller has not set it.
    Send(TVM_SETBKCOLOR, TLC_ODD, RGB(0, 255, 0));
    EXPECT_EQ((LRESULT)Blend(RGB(0, 255, 0), highlight), Send(TVM_GETBKCOLOR, TLC_MARKODD));

    // Own colours of items and cells.
    AddColumn(L"a", 100);
    AddColumn(L"b", 100);
    HTREEITEM item = Insert(TVI_ROOT, L"x");
    EXPECT_EQ(0xFFFFFFFF, (COLORREF)Send(TVM_GETITEMTEXTCOLOR, (WPARAM)item, 1));
    EXPECT_EQ(0xFFFFFFFF, (COLORREF)Send(TVM_SETITEMTEXTCOLOR, (WPARAM)item | (1ull << 24), RGB(9, 9, 9)));
    EXPECT_EQ(RGB(9, 9, 9), (COLORREF)Send(TVM_GETITEMTEXTCOLOR, (WPARAM)item, 1));
    EXPECT_EQ(RGB(9, 9, 9), (COLORREF)Send(TVM_SETITEMTEXTCOLOR, (WPARAM)item | (1ull << 24), 0xFFFFFFFF));
    EXPECT_EQ(0xFFFFFFFF, (COLORREF)Send(TVM_GETITEMTEXTCOLOR, (WPARAM)item, 1));
    Send(TVM_SETITEMBKCOLOR, (WPARAM)item, RGB(1, 1, 1));
    EXPECT_EQ(RGB(1, 1, 1), (COLORREF)Send(TVM_GETITEMBKCOLOR, (WPARAM)item, 0));
    EXPECT_EQ(0xFFFFFFFF, (COLORREF)Send(TVM_GETITEMBKCOLOR, (WPARAM)item, 5));
    EXPECT_EQ(0xFFFFFFFF, (COLORREF)Send(TVM_SETITEMBKCOLOR, (WPARAM)item | (5ull << 24), RGB(1, 1, 1)));
    EXPECT_EQ(0xFFFFFFFF, (COLORREF)Send(TVM_GETITEMBKCOLOR, 999, 0));
}

TEST_F(TreeListTest, AppliesExtendedStyleUnderMask)
{
    ASSERT_TRUE(Make(0));
    EXPECT_EQ(TLX_GRIDLINES | TLX_ALTERNATE, Send(TVM_SETEXTENDEDSTYLE, 0, TLX_GRIDLINES | TLX_ALTERNATE));
    EXPECT_EQ(TLX_ALTERNATE | TLX_MULTISELECT, Send(TVM_SETEXTENDEDSTYLE, TLX_GRIDLINES | TLX_MULTISELECT,
                                                     TLX_MULTISELECT));
    EXPECT_EQ(TLX_ALTERNATE | TLX_MULTISELECT, Send(TVM_GETEXTENDEDSTYLE));
}

TEST_F(TreeListTest, ManagesColumnsUpToThirtyTwo)
{
    ASSERT_TRUE(Make(0, 400, 300));
    EXPECT_EQ(0, Send(TVM_GETCOLUMNWIDTH, 0));  // no header yet
    EXPECT_EQ(nullptr, (HWND)Send(TVM_GETHEADER));
    EXPECT_EQ(0, AddColumn(L"tree", 150));
    HWND header = (HWND)Send(TVM_GETHEADER);
    ASSERT_NE(nullptr, header);
    wchar_t className[32];
    GetClassNameW(header, className, 32);
    EXPECT_STREQ(L"SysHeader32", className);
    EXPECT_EQ(1, GetDlgCtrlID(header));
    EXPECT_EQ(150, Send(TVM_GETCOLUMNWIDTH, 0));
    for (int i = 1; i < 32; ++i) ASSERT_EQ(i, AddColumn(L"c", 20)) << i;
    EXPECT_EQ(-1, AddColumn(L"33rd", 20));
    EXPECT_EQ(32, Send(TVM_GETCOLUMNCOUNT));
    EXPECT_EQ(0, Send(TVM_GETCOLUMNWIDTH, 32));

    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH | LVCF_FMT;
    column.cx = 60;
    column.fmt = LVCFMT_RIGHT;
    EXPECT_TRUE(Send(TVM_SETCOLUMN, 3, (LPARAM)&column));
    LVCOLUMNW read = {};
    wchar_t caption[16] = {};
    read.mask = LVCF_WIDTH | LVCF_FMT | LVCF_TEXT;
    read.pszText = caption;
    read.cchTextMax = 16;
    EXPECT_TRUE(Send(TVM_GETCOLUMN, 3, (LPARAM)&read));
    EXPECT_EQ(60, read.cx);
    EXPECT_EQ(LVCFMT_RIGHT, read.fmt);
    EXPECT_STREQ(L"c", caption);
    EXPECT_FALSE(Send(TVM_GETCOLUMN, 40, (LPARAM)&read));

    HTREEITEM item = Insert(TVI_ROOT, L"x");
    ASSERT_TRUE(SetCellText(item, 31, L"last"));
    ASSERT_TRUE(SetCellText(item, 5, L"five"));
    EXPECT_EQ(1, Send(TVM_DELETECOLUMN, 4));
    EXPECT_EQ(L"five", Text(item, 4));  // cells move with their column
    EXPECT_EQ(L"last", Text(item, 30));
    EXPECT_EQ(0, Send(TVM_DELETECOLUMN, 31));  // beyond the count now
    EXPECT_EQ(0, Send(TVM_DELETECOLUMN, 0));   // the tree column goes last
    EXPECT_EQ(31, Send(TVM_GETCOLUMNCOUNT));
    EXPECT_FALSE(SetCellText(item, 31, L"no"));
}

TEST_F(TreeListTest, SharesAResizeOverAutoWidthColumns)
{
    ASSERT_TRUE(Make(0, 400, 300));
    AddColumn(L"first", -1);
    AddColumn(L"second", -1);
    AddColumn(L"fixed", 50);
    LVCOLUMNW width = {};
    width.mask = LVCF_WIDTH;
    width.cx = 100;
    Send(TVM_SETCOLUMN, 0, (LPARAM)&width);
    Send(TVM_SETCOLUMN, 1, (LPARAM)&width);
    RECT r;
    GetWindowRect(tree, &r);
    SetWindowPos(tree, nullptr, 0, 0, r.right - r.left - 30, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(85, Send(TVM_GETCOLUMNWIDTH, 0));
    EXPECT_EQ(86, Send(TVM_GETCOLUMNWIDTH, 1));  // non-first columns get one pixel more
    EXPECT_EQ(50, Send(TVM_GETCOLUMNWIDTH, 2));

    // A new auto-width column takes the free width shared with the auto columns.
    Send(TVM_DELETECOLUMN, 2);
    RECT client;
    GetClientRect(tree, &client);
    AddColumn(L"third", -1);
    EXPECT_EQ(client.right / 3, Send(TVM_GETCOLUMNWIDTH, 2));
}

TEST_F(TreeListTest, DoubleClickOnADividerGivesTheBestWidth)
{
    ASSERT_TRUE(Make(TVS_HASLINES | TVS_LINESATROOT, 400, 300));
    AddColumn(L"tree", 80);
    AddColumn(L"empty", 120);
    AddColumn(L"text", 30);
    HTREEITEM item = Insert(TVI_ROOT, L"a fairly long text");
    SetCellText(item, 2, L"wide cell text here");
    UpdateWindow(tree);  // painting measures the texts
    HWND header = (HWND)Send(TVM_GETHEADER);
    auto dividerDoubleClick = [&](int column) {
        NMHEADERW nm = {};
        nm.hdr.hwndFrom = header;
        nm.hdr.idFrom = 1;
        nm.hdr.code = HDN_DIVIDERDBLCLICKW;
        nm.iItem = column;
        Send(WM_NOTIFY, 1, (LPARAM)&nm);
    };
    dividerDoubleClick(1);
    EXPECT_EQ(8, Send(TVM_GETCOLUMNWIDTH, 1));  // no cells in the shown rows
    dividerDoubleClick(2);
    const int cellWidth = (int)Send(TVM_GETCOLUMNWIDTH, 2);
    EXPECT_GT(cellWidth, 60);
    dividerDoubleClick(0);
    const int treeWidth = (int)Send(TVM_GETCOLUMNWIDTH, 0);
    EXPECT_GT(treeWidth, 19 + 60);  // one indent for the root lines, the text and 8
    EXPECT_EQ(0u, host->countNotify(HDN_DIVIDERDBLCLICKW));
}

TEST_F(TreeListTest, ScrollsByBarsKeysAndWheel)
{
    ASSERT_TRUE(Make(0, 300, 200));
    for (int i = 0; i < 100; ++i) Insert(TVI_ROOT, std::to_wstring(i).c_str());
    const int full = (int)Send(TVM_GETVISIBLECOUNT);
    SCROLLINFO si = {sizeof(si), SIF_ALL};
    ASSERT_TRUE(GetScrollInfo(tree, SB_VERT, &si));
    EXPECT_EQ(100, si.nMax);
    EXPECT_EQ((UINT)full, si.nPage);
    Send(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(1, RowOf(Next(nullptr, TVGN_FIRSTVISIBLE)));
    Send(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(1 + full - 1, RowOf(Next(nullptr, TVGN_FIRSTVISIBLE)));
    Send(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(100 - (full - 1), RowOf(Next(nullptr, TVGN_FIRSTVISIBLE)));
    Send(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(0, RowOf(Next(nullptr, TVGN_FIRSTVISIBLE)));
    EXPECT_EQ(1, Send(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-WHEEL_DELTA), 0));
    EXPECT_EQ(2, RowOf(Next(nullptr, TVGN_FIRSTVISIBLE)));  // two rows a notch
    EXPECT_EQ(0, Send(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, (WORD)-WHEEL_DELTA), 0));
    EXPECT_EQ(2, RowOf(Next(nullptr, TVGN_FIRSTVISIBLE)));
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA * 5), 0);
    EXPECT_EQ(0, RowOf(Next(nullptr, TVGN_FIRSTVISIBLE)));

    // Horizontal: in pixels, kept within the columns' width.
    AddColumn(L"a", 400);
    AddColumn(L"b", 400);
    Send(WM_HSCROLL, SB_LINERIGHT);
    RECT cell = CellRect(ItemAt(0), 1);
    EXPECT_EQ(400 - 1 - 16, cell.left);
    Send(WM_HSCROLL, SB_RIGHT);
    RECT client;
    GetClientRect(tree, &client);
    const int highest = 799 - 2 * (client.right / 2);
    EXPECT_EQ(399 - highest, CellRect(ItemAt(0), 1).left);
    Send(TVM_ENSUREVISIBLE, 0, (LPARAM)ItemAt(0));
    EXPECT_EQ(0, CellRect(ItemAt(0), 0).left);
}

TEST_F(TreeListTest, GivesRowCellAndTextRectangles)
{
    ASSERT_TRUE(Make(TVS_HASLINES | TVS_LINESATROOT | TVS_CHECKBOXES, 400, 300));
    AddColumn(L"tree", 150);
    AddColumn(L"cell", 100);
    HTREEITEM root = Insert(TVI_ROOT, L"root");
    HTREEITEM child = Insert(root, L"child");
    const int header = GetSystemMetrics(SM_CYHSCROLL);
    const int height = (int)Send(TVM_GETITEMHEIGHT);
    RECT row = ItemRect(root);
    EXPECT_EQ(header, row.top);
    EXPECT_EQ(header + height, row.bottom);
    EXPECT_EQ(0, row.left);
    EXPECT_EQ(-1, ItemRect(child).top);  // not shown: no rectangle
    Expand(root);
    RECT text = ItemRect(child, 1);
    EXPECT_EQ(header + height, text.top);
    EXPECT_EQ(19 * 2 + 16, text.left);  // indents (lines at root), the state image
    RECT cell = CellRect(child, 1);
    EXPECT_EQ(149, cell.left);
    EXPECT_EQ(249, cell.right);
    RECT beyond = CellRect(child, 7);  // a missing column gives column 0
    EXPECT_EQ(0, beyond.left);
    EXPECT_EQ(149, beyond.right);
}

}  // namespace
}  // namespace treelist_test
