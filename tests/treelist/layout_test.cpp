// Layout: indent, row height, extended styles, columns, scrolling, rectangles and hit testing.
#include "treelist_fixture.h"

namespace treelist_test
{
namespace
{

TEST_F(TreeListTest, ClampsIndentAndItemHeight)
{
    ASSERT_TRUE(Make(0));
    EXPECT_EQ(19, Send(TVM_SETINDENT, 2));
    EXPECT_EQ(5, Send(TVM_SETINDENT, 100));
    EXPECT_EQ(64, Send(TVM_GETINDENT));
    const int automatic = (int)Send(TVM_GETITEMHEIGHT);
    // Even heights from 1 to 256 unless odd ones are allowed.
    const struct
    {
        DWORD style;
        int asked, kept;
    } heights[] = {{0, 17, 16}, {0, 300, 256}, {TLX_ODDHEIGHT, 17, 17}};
    for (const auto& h : heights)
    {
        Send(TVM_SETEXTENDEDSTYLE, TLX_ODDHEIGHT, h.style);
        Send(TVM_SETITEMHEIGHT, h.asked);
        EXPECT_EQ(h.kept, Send(TVM_GETITEMHEIGHT)) << h.asked;
    }
    // The mask limits the change; the result is the new style. A fixed height stays fixed.
    EXPECT_EQ(TLX_ODDHEIGHT | TLX_GRIDLINES, Send(TVM_SETEXTENDEDSTYLE, TLX_GRIDLINES, TLX_GRIDLINES | TLX_ALTERNATE));
    EXPECT_EQ(17, Send(TVM_GETITEMHEIGHT));
    Send(TVM_SETITEMHEIGHT, (WPARAM)-1);
    EXPECT_EQ(automatic + 1, Send(TVM_GETITEMHEIGHT));   // automatic again, one more for the grid
}

TEST_F(TreeListTest, ManagesColumnsUpToThirtyTwo)
{
    ASSERT_TRUE(Make(0, 400, 300));
    EXPECT_EQ(nullptr, (HWND)Send(TVM_GETHEADER));   // no header before the first column
    EXPECT_EQ(0, AddColumn(L"tree", 150));
    for (int i = 1; i < 32; ++i)
        ASSERT_EQ(i, AddColumn(L"c", 20)) << i;
    EXPECT_EQ(-1, AddColumn(L"33rd", 20));
    EXPECT_EQ(0, Send(TVM_GETCOLUMNWIDTH, 32));
    HTREEITEM item = Insert(TVI_ROOT, L"x");
    ASSERT_TRUE(SetCellText(item, 31, L"last"));
    ASSERT_TRUE(SetCellText(item, 5, L"five cells wide"));
    // A double click on a divider gives the widest shown text and 8, the parent is not told.
    UpdateWindow(tree);   // painting measures the texts
    for (int divider : {5, 6})
    {
        NMHEADERW nm = {{(HWND)Send(TVM_GETHEADER), 1, HDN_DIVIDERDBLCLICKW}, divider};
        Send(WM_NOTIFY, 1, (LPARAM)&nm);
    }
    EXPECT_GT(Send(TVM_GETCOLUMNWIDTH, 5), 60);
    EXPECT_EQ(8, Send(TVM_GETCOLUMNWIDTH, 6));   // no cells in the shown rows
    EXPECT_EQ(0u, host->countNotify(HDN_DIVIDERDBLCLICKW));
    EXPECT_EQ(1, Send(TVM_DELETECOLUMN, 4));
    EXPECT_EQ(L"five cells wide", Text(item, 4));   // cells move with their column
    EXPECT_EQ(L"last", Text(item, 30));
    EXPECT_EQ(0, Send(TVM_DELETECOLUMN, 31));   // beyond the count now
    EXPECT_EQ(0, Send(TVM_DELETECOLUMN, 0));    // the tree column goes last
    EXPECT_EQ(31, Send(TVM_GETCOLUMNCOUNT));
}

TEST_F(TreeListTest, ScrollsByBarsWheelAndCtrlKeysWithoutMovingTheSelection)
{
    ASSERT_TRUE(Make(0, 300, 200));
    for (int i = 0; i < 100; ++i)
        Insert(TVI_ROOT, std::to_wstring(i).c_str());
    Select(ItemAt(0));
    const int full = (int)Send(TVM_GETVISIBLECOUNT);
    const struct
    {
        UINT msg;
        WPARAM wp;
        int top;
    } steps[] = {
        {WM_VSCROLL, SB_PAGEDOWN, full - 1},
        {WM_VSCROLL, SB_BOTTOM, 101 - full},
        {WM_VSCROLL, SB_TOP, 0},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-WHEEL_DELTA), 2},            // two rows a notch
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, (WORD)-WHEEL_DELTA), 2},   // Ctrl: not for scrolling
        {WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA * 5), 0},
        // With Ctrl held the keys scroll; Page Down takes the client width as rows.
        {WM_KEYDOWN, VK_DOWN, 1},
        {WM_KEYDOWN, VK_NEXT, 101 - full},
    };
    for (const auto& s : steps)
    {
        SetKeyDown(VK_CONTROL, s.msg == WM_KEYDOWN);
        Send(s.msg, s.wp, s.msg == WM_KEYDOWN);
        EXPECT_EQ(s.top, RowOf(Next(nullptr, TVGN_FIRSTVISIBLE))) << std::hex << s.msg << " " << s.wp;
    }
    EXPECT_EQ(ItemAt(0), Selected());
    // Horizontal: in pixels, kept within the columns' width.
    AddColumn(L"a", 400);
    AddColumn(L"b", 400);
    HTREEITEM top = Next(nullptr, TVGN_FIRSTVISIBLE);
    Send(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(400 - 1 - 16, CellRect(top, 1).left);
    Send(WM_HSCROLL, SB_RIGHT);
    RECT client;
    GetClientRect(tree, &client);
    EXPECT_EQ(399 - (799 - 2 * (client.right / 2)), CellRect(top, 1).left);
}

TEST_F(TreeListTest, GivesRectanglesAndHitTestsEveryZone)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_CHECKBOXES, 400, 300));
    AddColumn(L"tree", 200);
    AddColumn(L"centre", 120, LVCFMT_CENTER);
    AddColumn(L"right", 60, LVCFMT_RIGHT);
    HTREEITEM root = Insert(TVI_ROOT, L"root");
    HTREEITEM child = Insert(root, L"child");
    SetCellText(root, 2, L"r");
    HTREEITEM other = Insert(TVI_ROOT, L"other");
    UpdateWindow(tree);
    const int header = GetSystemMetrics(SM_CYHSCROLL), height = (int)Send(TVM_GETITEMHEIGHT);
    const RECT row = ItemRect(root), centred = CellRect(root, 1), right = CellRect(root, 2);
    EXPECT_EQ((std::vector<LONG>{header, header + height}), (std::vector<LONG>{row.top, row.bottom}));
    EXPECT_EQ(-1, ItemRect(child).top);           // not shown: no rectangle
    EXPECT_EQ(19 + 16, ItemRect(root, 1).left);   // the indent for lines at root, the state image
    EXPECT_EQ((std::vector<LONG>{199, 319}), (std::vector<LONG>{centred.left, centred.right}));
    EXPECT_EQ(0, CellRect(root, 7).left);   // a missing column gives column 0
    const int y = Centre(row).y;
    HTREEITEM hit;
    EXPECT_EQ((UINT)TVHT_ONITEMBUTTON, HitFlags(7, y, &hit));
    EXPECT_EQ(root, hit);
    // Right-aligned: the zone starts text width + 5 from the right edge. An empty cell counts as on its text.
    const struct
    {
        int x, y;
        UINT flags;
    } zones[] = {
        {16, y, TVHT_ONITEMINDENT},
        {19 + 5, y, TVHT_ONITEMSTATEICON},
        {19 + 16 + 1, y, TVHT_ONITEMLABEL},
        {190, y, TVHT_ONITEMRIGHT},
        {10, row.bottom + 40, TVHT_NOWHERE},
        {-1, y, TVHT_TOLEFT},
        {10, -5, TVHT_ABOVE},
        {1000, 1000, TVHT_TORIGHT | TVHT_BELOW},
        {390, y, TVHT_PASTCOLUMNS},
        {right.right - 2, y, TVHT_SUBITEMLABEL | 2u << 24},
        {right.left + 1, y, TVHT_SUBITEMRIGHT | 2u << 24},
        {right.left + 1, Centre(ItemRect(other)).y, TVHT_SUBITEMLABEL | 2u << 24},
    };
    for (const auto& z : zones)
        EXPECT_EQ(z.flags, HitFlags(z.x, z.y)) << "at " << z.x << "," << z.y;
}

}   // namespace
}   // namespace treelist_test
