// Selection: the select step and its notifications, cells, several items, single-expand
// mode; item rectangles and hit testing.
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
    EXPECT_EQ(b, nm.itemNew.hItem);
    EXPECT_EQ(a, nm.itemOld.hItem);
    EXPECT_EQ(0x801Cu, nm.itemNew.mask);
    EXPECT_TRUE(nm.itemNew.state & TVIS_SELECTED);
    EXPECT_EQ(0, nm.itemNew.cChildren);  // the column
    EXPECT_EQ(1u, host->countNotify(TVN_SELCHANGEDW));
    EXPECT_FALSE(State(a) & TVIS_SELECTED);
    EXPECT_TRUE(State(b) & TVIS_SELECTED);
    host->clear();
    EXPECT_TRUE(Select(b));  // the same again: nothing is sent
    EXPECT_EQ(0u, host->notifications().size());
    host->answerNotify(TVN_SELCHANGINGW, 1);
    EXPECT_FALSE(Select(a));
    EXPECT_EQ(b, Selected());
    EXPECT_EQ(0u, host->countNotify(TVN_SELCHANGEDW));
    host->answerNotify(TVN_SELCHANGINGW, 0);
    EXPECT_TRUE(Select(nullptr));
    EXPECT_FALSE(State(b) & TVIS_SELECTED);
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
    EXPECT_EQ(c, Selected());
}

TEST_F(TreeListTest, SingleExpandOpensTheNewBranchAndClosesTheOld)
{
    ASSERT_TRUE(Make(TVS_SINGLEEXPAND | TVS_HASBUTTONS));
    const auto roots = FillTwoLevels(3, 2);
    HTREEITEM child = Next(roots[0], TVGN_CHILD);
    Insert(child, L"0.0.0");
    SetState(roots[1], TVIS_EXPANDED, TVIS_EXPANDED);  // TVIS_EXPANDED cannot be set directly here
    EXPECT_FALSE(State(roots[1]) & TVIS_EXPANDED);
    auto open = [&](std::initializer_list<HTREEITEM> items) {
        std::vector<bool> states;
        for (HTREEITEM h : items) states.push_back(State(h) & TVIS_EXPANDED);
        return states;
    };
    EXPECT_TRUE(Select(child));
    EXPECT_THAT(open({roots[0], child, roots[2]}), ElementsAre(true, true, false));  // the item itself opens too
    EXPECT_EQ(1u, host->countNotify(TVN_SINGLEEXPAND));
    EXPECT_TRUE(Select(roots[2]));
    EXPECT_THAT(open({roots[0], child, roots[2]}), ElementsAre(false, false, true));
    // Reply bit 0 keeps the old branch open, bit 1 keeps the new one closed.
    host->answerNotify(TVN_SINGLEEXPAND, 3);
    EXPECT_TRUE(Select(roots[1]));
    EXPECT_THAT(open({roots[1], roots[2]}), ElementsAre(false, true));
}

TEST_F(TreeListTest, SelectsSeveralItemsAndReplacesThem)
{
    ASSERT_TRUE(Make(0));
    Send(TVM_SETEXTENDEDSTYLE, TLX_MULTISELECT, TLX_MULTISELECT);
    std::vector<HTREEITEM> items;
    for (int i = 0; i < 5; ++i) items.push_back(Insert(TVI_ROOT, std::to_wstring(i).c_str()));
    // TVM_SETITEMW adds to the selection and moves the caret; a click with Ctrl adds too.
    for (int i : {1, 3}) SetState(items[i], TVIS_SELECTED, TVIS_SELECTED);
    EXPECT_EQ(items[3], Selected());
    Click(LabelPoint(items[4]), WM_LBUTTONDOWN, MK_CONTROL);
    EXPECT_EQ(items[4], Selected());
    EXPECT_THAT(SelectedItems(), ElementsAre(items[1], items[3], items[4]));
    SetState(items[3], 0, TVIS_SELECTED);  // clearing the bit unselects that item only
    EXPECT_THAT(SelectedItems(), ElementsAre(items[1], items[4]));
    // Ctrl+click on a selected item unselects it and leaves the caret empty.
    Click(LabelPoint(items[4]), WM_LBUTTONDOWN, MK_CONTROL);
    EXPECT_THAT(SelectedItems(), ElementsAre(items[1]));
    EXPECT_EQ(nullptr, Selected());
    EXPECT_EQ(items[4], Next(nullptr, TVGN_FOCUS));
    Click(LabelPoint(items[0]));  // a plain click replaces every selection
    EXPECT_THAT(SelectedItems(), ElementsAre(items[0]));

    // Shift with the arrows extends a range from the anchor.
    Click(LabelPoint(items[1]));
    SetKeyDown(VK_SHIFT, true);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_THAT(SelectedItems(), ElementsAre(items[1], items[2], items[3]));
    Key(VK_UP);  // back toward the anchor: the row left behind is unselected
    EXPECT_THAT(SelectedItems(), ElementsAre(items[1], items[2]));
    Key(VK_UP);
    Key(VK_UP);  // across the anchor
    EXPECT_THAT(SelectedItems(), ElementsAre(items[0], items[1]));
    SetKeyDown(VK_SHIFT, false);
    Key(VK_END);  // without Shift the selection is replaced
    EXPECT_THAT(SelectedItems(), ElementsAre(items[4]));
}

TEST_F(TreeListTest, GivesRectanglesAndHitTestsEveryZone)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_CHECKBOXES, 400, 300));
    AddColumn(L"tree", 200);
    AddColumn(L"centre", 120, LVCFMT_CENTER);
    AddColumn(L"right", 60, LVCFMT_RIGHT);
    HTREEITEM root = Insert(TVI_ROOT, L"root");
    HTREEITEM child = Insert(root, L"child");
    SetCellText(root, 1, L"middle");
    SetCellText(root, 2, L"r");
    HTREEITEM other = Insert(TVI_ROOT, L"other");
    UpdateWindow(tree);
    const int header = GetSystemMetrics(SM_CYHSCROLL), height = (int)Send(TVM_GETITEMHEIGHT);
    const RECT row = ItemRect(root), centred = CellRect(root, 1), right = CellRect(root, 2);
    EXPECT_EQ((std::vector<LONG>{0, header, header + height}), (std::vector<LONG>{row.left, row.top, row.bottom}));
    EXPECT_EQ(-1, ItemRect(child).top);  // not shown: no rectangle
    EXPECT_EQ(19 + 16, ItemRect(root, 1).left);  // the indent for lines at root, the state image
    EXPECT_EQ((std::vector<LONG>{199, 319}), (std::vector<LONG>{centred.left, centred.right}));
    EXPECT_EQ(0, CellRect(root, 7).left);  // a missing column gives column 0
    const int y = Centre(row).y;
    HTREEITEM hit;
    EXPECT_EQ((UINT)TVHT_ONITEMBUTTON, HitFlags(7, y, &hit));
    EXPECT_EQ(root, hit);
    // The centred cell: 3 pixels left of its text is on it, 4 pixels beside it. Right-aligned:
    // the zone starts text width + 5 from the right edge. An empty cell counts as on its text.
    LOGFONTW logFont = {};  // the window's default font
    SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(logFont), &logFont, 0);
    logFont.lfWeight = FW_NORMAL;
    HFONT font = CreateFontIndirectW(&logFont);
    HDC dc = GetDC(nullptr);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE middle = {};
    GetTextExtentPoint32W(dc, L"middle", 6, &middle);
    DeleteObject(SelectObject(dc, oldFont));
    ReleaseDC(nullptr, dc);
    const int textLeft = centred.left + (centred.right - centred.left) / 2 - middle.cx / 2;
    const struct { int x, y; UINT flags; } zones[] = {
        {16, y, TVHT_ONITEMINDENT},  {19 + 5, y, TVHT_ONITEMSTATEICON},  {19 + 16 + 1, y, TVHT_ONITEMLABEL},
        {190, y, TVHT_ONITEMRIGHT},  {10, row.bottom + 40, TVHT_NOWHERE}, {-1, y, TVHT_TOLEFT},
        {10, -5, TVHT_ABOVE},        {1000, 1000, TVHT_TORIGHT | TVHT_BELOW}, {390, y, TVHT_PASTCOLUMNS},
        {textLeft - 3, y, TVHT_SUBITEMLABEL | 1u << 24},      {textLeft - 4, y, TVHT_SUBITEMRIGHT | 1u << 24},
        {textLeft + middle.cx, y, TVHT_SUBITEMLABEL | 1u << 24}, {right.right - 2, y, TVHT_SUBITEMLABEL | 2u << 24},
        {right.left + 1, y, TVHT_SUBITEMRIGHT | 2u << 24},
        {right.left + 1, Centre(ItemRect(other)).y, TVHT_SUBITEMLABEL | 2u << 24},
    };
    for (const auto& z : zones) EXPECT_EQ(z.flags, HitFlags(z.x, z.y)) << "at " << z.x << "," << z.y;
}

}  // namespace
}  // namespace treelist_test
