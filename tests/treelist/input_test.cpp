// Selection and input: the select step, cells, several items, mouse and keys, rectangles
// and hit testing.
#include "treelist_fixture.h"

namespace treelist_test {
namespace {

TEST_F(TreeListTest, SelectsWithNotificationsAndVeto)
{
    ASSERT_TRUE(Make(0));
    HTREEITEM a = Insert(TVI_ROOT, L"a"), b = Insert(TVI_ROOT, L"b");
    ASSERT_TRUE(Select(a));
    host->clear();
    ASSERT_TRUE(Select(b));
    const NMTREEVIEWW nm = host->notifications(TVN_SELCHANGINGW).at(0).as<NMTREEVIEWW>();
    EXPECT_EQ(0u, nm.action);  // by a message
    EXPECT_EQ((std::vector<HTREEITEM>{b, a}), (std::vector<HTREEITEM>{nm.itemNew.hItem, nm.itemOld.hItem}));
    EXPECT_EQ(0x801Cu, nm.itemNew.mask);
    EXPECT_EQ(0, nm.itemNew.cChildren);  // the column
    EXPECT_EQ(1u, host->countNotify(TVN_SELCHANGEDW));
    EXPECT_FALSE(State(a) & TVIS_SELECTED);
    host->clear();
    EXPECT_TRUE(Select(b));  // the same again: nothing is sent
    EXPECT_EQ(0u, host->notifications().size());
    host->answerNotify(TVN_SELCHANGINGW, 1);
    EXPECT_FALSE(Select(a));
    EXPECT_EQ(b, Selected());
    EXPECT_EQ(0u, host->countNotify(TVN_SELCHANGEDW));
    host->answerNotify(TVN_SELCHANGINGW, 0);
    // An item inserted with TVIS_SELECTED becomes the selection.
    HTREEITEM c = InsertWith(TVI_ROOT, TVI_LAST, {TVIF_STATE, nullptr, TVIS_SELECTED, TVIS_SELECTED});
    EXPECT_EQ(c, Selected());
    // Cells are selected only with cell selection on; without it the column is 0.
    for (const wchar_t* caption : {L"a", L"b", L"c"}) AddColumn(caption, 100);
    EXPECT_EQ(1, Send(TVM_SELECTSUBITEM, 2, (LPARAM)c));
    EXPECT_EQ(0, Send(TVM_GETNEXTITEM, TVGN_CARETSUB, 0));
    Send(TVM_SETEXTENDEDSTYLE, TLX_SUBSELECT, TLX_SUBSELECT);
    host->clear();
    EXPECT_EQ(1, Send(TVM_SELECTSUBITEM, 2, (LPARAM)c));
    EXPECT_EQ(2, Send(TVM_GETNEXTITEM, TVGN_CARETSUB, 0));
    EXPECT_EQ(2, host->notifications(TVN_SELCHANGINGW).at(0).as<NMTREEVIEWW>().itemNew.cChildren);
    EXPECT_TRUE(Get(c, TVIF_STATE, 2).state & TVIS_SELECTED);
    EXPECT_EQ(0, Send(TVM_SELECTSUBITEM, 3, (LPARAM)c));  // no such column
    // Addressing the cell-selection bit again brings the selection back to column 0.
    Send(TVM_SETEXTENDEDSTYLE, TLX_SUBSELECT, TLX_SUBSELECT);
    EXPECT_EQ(0, Send(TVM_GETNEXTITEM, TVGN_CARETSUB, 0));
}

TEST_F(TreeListTest, SelectsSeveralItemsAndReplacesThem)
{
    ASSERT_TRUE(Make(0));
    Send(TVM_SETEXTENDEDSTYLE, TLX_MULTISELECT, TLX_MULTISELECT);
    std::vector<HTREEITEM> items;
    for (int i = 0; i < 5; ++i) items.push_back(Insert(TVI_ROOT, std::to_wstring(i).c_str()));
    // TVM_SETITEMW adds to the selection and moves the caret; a click with Ctrl adds too.
    for (int i : {1, 3}) SetState(items[i], TVIS_SELECTED, TVIS_SELECTED);
    Click(LabelPoint(items[4]), WM_LBUTTONDOWN, MK_CONTROL);
    EXPECT_THAT(SelectedItems(), ElementsAre(items[1], items[3], items[4]));
    SetState(items[3], 0, TVIS_SELECTED);  // clearing the bit unselects that item only
    // Ctrl+click on a selected item unselects it and leaves the caret empty.
    Click(LabelPoint(items[4]), WM_LBUTTONDOWN, MK_CONTROL);
    EXPECT_THAT(SelectedItems(), ElementsAre(items[1]));
    EXPECT_EQ(nullptr, Selected());
    EXPECT_EQ(items[4], Next(nullptr, TVGN_FOCUS));
    // Shift with the arrows extends a range from the anchor.
    Click(LabelPoint(items[1]));
    SetKeyDown(VK_SHIFT, true);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_THAT(SelectedItems(), ElementsAre(items[1], items[2], items[3]));
    for (int i = 0; i < 3; ++i) Key(VK_UP);  // back across the anchor: the rows left behind are unselected
    EXPECT_THAT(SelectedItems(), ElementsAre(items[0], items[1]));
    SetKeyDown(VK_SHIFT, false);
    Key(VK_END);  // without Shift the selection is replaced
    EXPECT_THAT(SelectedItems(), ElementsAre(items[4]));
}

TEST_F(TreeListTest, ButtonsCheckBoxesAndClicks)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_LINESATROOT | TVS_CHECKBOXES));
    const auto roots = FillTwoLevels(2, 2);
    const int y = Centre(ItemRect(roots[0])).y;
    for (UINT expanded : {(UINT)TVIS_EXPANDED, 0u}) {
        Click({7, y});  // the button
        EXPECT_EQ(expanded, State(roots[0]) & TVIS_EXPANDED);
    }
    for (UINT image : {2u, 1u}) {
        Click({19 + 8, y});  // the check box
        EXPECT_EQ(INDEXTOSTATEIMAGEMASK(image), State(roots[0]) & TVIS_STATEIMAGEMASK);
    }
    host->clear();
    const POINT label = LabelPoint(roots[1]);
    Click(label);
    EXPECT_EQ(roots[1], Selected());
    EXPECT_EQ(1u, host->notifications(TVN_SELCHANGINGW).at(0).as<NMTREEVIEWW>().action);  // by mouse
    ASSERT_EQ(1u, host->countNotify(NM_CLICK));
    const NMTREEVIEWW click = host->notifications(NM_CLICK)[0].as<NMTREEVIEWW>();
    EXPECT_EQ(0x401Cu, click.itemNew.mask);
    EXPECT_EQ(label.x, click.ptDrag.x);
    Click(label, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(State(roots[1]) & TVIS_EXPANDED);
    EXPECT_EQ(1u, host->countNotify(NM_DBLCLK));
    Click(label, WM_RBUTTONDOWN);
    EXPECT_EQ(1u, host->countNotify(NM_RCLICK));
    // A drag starts on a move with the button still down.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(label.x, label.y));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(label.x + 10, label.y));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(label.x + 20, label.y));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(label.x + 20, label.y));
    ASSERT_EQ(1u, host->countNotify(TVN_BEGINDRAGW));
    const NMTREEVIEWW drag = host->notifications(TVN_BEGINDRAGW)[0].as<NMTREEVIEWW>();
    EXPECT_EQ(1u, drag.action);  // expanded
    EXPECT_EQ(label.x + 10, drag.ptDrag.x);
    // Disabled: no input at all.
    EnableWindow(tree, FALSE);
    host->clear();
    Click(label, WM_LBUTTONDBLCLK);
    Key(VK_UP);
    EXPECT_EQ(0u, host->notifications().size());
}

TEST_F(TreeListTest, ArrowKeysMoveExpandAndCollapse)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_CHECKBOXES));
    const auto roots = FillTwoLevels(3, 2);
    Key(VK_DOWN);
    EXPECT_EQ(roots[0], Selected());
    // Right opens, then steps in; Left steps out of a collapsed child, then collapses.
    const struct { WPARAM key; HTREEITEM selected; bool rootOneOpen; } steps[] = {
        {VK_DOWN, roots[1], false}, {VK_RIGHT, roots[1], true}, {VK_RIGHT, Next(roots[1], TVGN_CHILD), true},
        {VK_LEFT, roots[1], true},  {VK_LEFT, roots[1], false}, {VK_HOME, roots[0], false},
    };
    for (const auto& s : steps) {
        Key(s.key);
        EXPECT_EQ(s.selected, Selected()) << "key " << s.key;
        EXPECT_EQ(s.rootOneOpen, (State(roots[1]) & TVIS_EXPANDED) != 0) << "key " << s.key;
    }
    EXPECT_EQ(2u, host->notifications(TVN_SELCHANGINGW).back().as<NMTREEVIEWW>().action);  // by keyboard
    Key(VK_SPACE);  // check box of the selected item
    EXPECT_EQ((UINT)INDEXTOSTATEIMAGEMASK(2), State(roots[0]) & TVIS_STATEIMAGEMASK);
    host->clear();
    Key(VK_RETURN);
    EXPECT_EQ(1u, host->countNotify(NM_RETURN));
    EXPECT_EQ(0u, host->countNotify(TVN_KEYDOWN));
    Key(VK_UP);
    EXPECT_EQ(1u, host->countNotify(TVN_KEYDOWN));
    MSG ret = {tree, WM_KEYDOWN, VK_RETURN, 0};
    EXPECT_EQ(DLGC_WANTALLKEYS, Send(WM_GETDLGCODE, VK_RETURN, (LPARAM)&ret));
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
    EXPECT_EQ(-1, ItemRect(child).top);  // not shown: no rectangle
    EXPECT_EQ(19 + 16, ItemRect(root, 1).left);  // the indent for lines at root, the state image
    EXPECT_EQ((std::vector<LONG>{199, 319}), (std::vector<LONG>{centred.left, centred.right}));
    EXPECT_EQ(0, CellRect(root, 7).left);  // a missing column gives column 0
    const int y = Centre(row).y;
    HTREEITEM hit;
    EXPECT_EQ((UINT)TVHT_ONITEMBUTTON, HitFlags(7, y, &hit));
    EXPECT_EQ(root, hit);
    // Right-aligned: the zone starts text width + 5 from the right edge. An empty cell counts as on its text.
    const struct { int x, y; UINT flags; } zones[] = {
        {16, y, TVHT_ONITEMINDENT},  {19 + 5, y, TVHT_ONITEMSTATEICON},  {19 + 16 + 1, y, TVHT_ONITEMLABEL},
        {190, y, TVHT_ONITEMRIGHT},  {10, row.bottom + 40, TVHT_NOWHERE}, {-1, y, TVHT_TOLEFT},
        {10, -5, TVHT_ABOVE},        {1000, 1000, TVHT_TORIGHT | TVHT_BELOW}, {390, y, TVHT_PASTCOLUMNS},
        {right.right - 2, y, TVHT_SUBITEMLABEL | 2u << 24}, {right.left + 1, y, TVHT_SUBITEMRIGHT | 2u << 24},
        {right.left + 1, Centre(ItemRect(other)).y, TVHT_SUBITEMLABEL | 2u << 24},
    };
    for (const auto& z : zones) EXPECT_EQ(z.flags, HitFlags(z.x, z.y)) << "at " << z.x << "," << z.y;
}

}  // namespace
}  // namespace treelist_test
