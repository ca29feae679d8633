// Selection of the TreeList window: the select step and its notifications, cells,
// several items, single-expand mode, and hit testing.
#include "treelist_fixture.h"

namespace treelist_test {
namespace {

// Width of a text in the window's default font (the icon-title font).
int TextWidthOf(const wchar_t* text)
{
    LOGFONTW font = {};
    SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(font), &font, 0);
    font.lfWeight = FW_NORMAL;
    HFONT made = CreateFontIndirectW(&font);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, made);
    RECT r = {};
    DrawTextW(dc, text, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(made);
    return r.right - r.left;
}

using ::testing::ElementsAre;

TEST_F(TreeListTest, SelectsWithNotificationsAndVeto)
{
    ASSERT_TRUE(Make(0));
    HTREEITEM a = Insert(TVI_ROOT, L"a"), b = Insert(TVI_ROOT, L"b");
    host->clear();
    ASSERT_TRUE(Select(a));
    ASSERT_TRUE(Select(b));
    auto changing = host->notifications(TVN_SELCHANGINGW);
    ASSERT_EQ(2u, changing.size());
    const NMTREEVIEWW nm = changing[1].as<NMTREEVIEWW>();
    EXPECT_EQ(0u, nm.action);  // by a message
    EXPECT_EQ(b, nm.itemNew.hItem);
    EXPECT_EQ(a, nm.itemOld.hItem);
    EXPECT_EQ(0x801Cu, nm.itemNew.mask);
    EXPECT_TRUE(nm.itemNew.state & TVIS_SELECTED);
    EXPECT_EQ(0, nm.itemNew.cChildren);  // the column
    EXPECT_EQ(2u, host->countNotify(TVN_SELCHANGEDW));
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
    EXPECT_EQ(nullptr, Selected());
    EXPECT_FALSE(State(b) & TVIS_SELECTED);

    // An item inserted with TVIS_SELECTED becomes the selection.
    TVITEMW fields = {};
    fields.mask = TVIF_TEXT | TVIF_STATE;
    fields.pszText = const_cast<wchar_t*>(L"c");
    fields.state = fields.stateMask = TVIS_SELECTED;
    HTREEITEM c = InsertWith(TVI_ROOT, TVI_LAST, fields);
    EXPECT_EQ(c, Selected());
}

TEST_F(TreeListTest, SelectsCellsOnlyWithCellSelection)
{
    ASSERT_TRUE(Make(0));
    AddColumn(L"a", 100);
    AddColumn(L"b", 100);
    AddColumn(L"c", 100);
    HTREEITEM item = Insert(TVI_ROOT, L"x");
    EXPECT_EQ(1, Send(TVM_SELECTSUBITEM, 2, (LPARAM)item));
    EXPECT_EQ(0, Send(TVM_GETNEXTITEM, TVGN_CARETSUB, 0));  // without 0x40000 the column is 0
    Send(TVM_SETEXTENDEDSTYLE, TLX_SUBSELECT, TLX_SUBSELECT);
    host->clear();
    EXPECT_EQ(1, Send(TVM_SELECTSUBITEM, 2, (LPARAM)item));
    EXPECT_EQ(2, Send(TVM_GETNEXTITEM, TVGN_CARETSUB, 0));
    const NMTREEVIEWW nm = host->notifications(TVN_SELCHANGINGW)[0].as<NMTREEVIEWW>();
    EXPECT_EQ(2, nm.itemNew.cChildren);
    EXPECT_EQ(0, nm.itemOld.cChildren);
    TVITEMW cell = {};
    cell.mask = TVIF_STATE | TVIF_SUBITEM;
    cell.hItem = item;
    cell.cChildren = 2;
    Send(TVM_GETITEMW, 0, (LPARAM)&cell);
    EXPECT_TRUE(cell.state & TVIS_SELECTED);
    EXPECT_EQ(0, Send(TVM_SELECTSUBITEM, 3, (LPARAM)item));  // no such column
    // Addressing the cell-selection bit again brings the selection back to column 0.
    Send(TVM_SETEXTENDEDSTYLE, TLX_SUBSELECT, TLX_SUBSELECT);
    EXPECT_EQ(0, Send(TVM_GETNEXTITEM, TVGN_CARETSUB, 0));
    EXPECT_EQ(item, Selected());
}

TEST_F(TreeListTest, SingleExpandOpensTheNewBranchAndClosesTheOld)
{
    ASSERT_TRUE(Make(TVS_SINGLEEXPAND | TVS_HASBUTTONS));
    std::vector<HTREEITEM> roots;
    FillTwoLevels(3, 2, &roots);
    HTREEITEM child = Next(roots[0], TVGN_CHILD);
    Insert(child, L"0.0.0");
    TVITEMW fields = {};
    fields.mask = TVIF_STATE;
    fields.hItem = roots[1];
    fields.state = fields.stateMask = TVIS_EXPANDED;
    Send(TVM_SETITEMW, 0, (LPARAM)&fields);  // TVIS_EXPANDED cannot be set directly here
    EXPECT_FALSE(State(roots[1]) & TVIS_EXPANDED);

    EXPECT_TRUE(Select(child));
    EXPECT_TRUE(State(roots[0]) & TVIS_EXPANDED);
    EXPECT_TRUE(State(child) & TVIS_EXPANDED);  // the item itself is opened too
    EXPECT_EQ(1u, host->countNotify(TVN_SINGLEEXPAND));
    EXPECT_TRUE(Select(roots[2]));
    EXPECT_FALSE(State(roots[0]) & TVIS_EXPANDED);
    EXPECT_FALSE(State(child) & TVIS_EXPANDED);
    EXPECT_TRUE(State(roots[2]) & TVIS_EXPANDED);
    // Reply bit 0 keeps the old branch open, bit 1 keeps the new one closed.
    host->answerNotify(TVN_SINGLEEXPAND, 3);
    EXPECT_TRUE(Select(roots[1]));
    EXPECT_TRUE(State(roots[2]) & TVIS_EXPANDED);
    EXPECT_FALSE(State(roots[1]) & TVIS_EXPANDED);
}

TEST_F(TreeListTest, SelectsSeveralItemsAndReplacesThem)
{
    ASSERT_TRUE(Make(0));
    Send(TVM_SETEXTENDEDSTYLE, TLX_MULTISELECT, TLX_MULTISELECT);
    std::vector<HTREEITEM> items;
    for (int i = 0; i < 5; ++i) items.push_back(Insert(TVI_ROOT, std::to_wstring(i).c_str()));
    TVITEMW add = {};
    add.mask = TVIF_STATE;
    add.state = add.stateMask = TVIS_SELECTED;
    for (int i : {1, 3}) {
        add.hItem = items[i];
        Send(TVM_SETITEMW, 0, (LPARAM)&add);
    }
    // TVM_SETITEMW adds to the selection and moves the caret; a click with Ctrl adds too.
    EXPECT_EQ(items[3], Selected());
    EXPECT_TRUE(State(items[1]) & TVIS_SELECTED);
    RECT r = ItemRect(items[4], 1);
    Click(r.left + 3, (r.top + r.bottom) / 2, WM_LBUTTONDOWN, MK_CONTROL);
    EXPECT_EQ(items[4], Selected());
    std::vector<HTREEITEM> selected;
    for (HTREEITEM h = Next(TVI_ROOT, TVGN_NEXTSELECTED); h; h = Next(h, TVGN_NEXTSELECTED)) selected.push_back(h);
    EXPECT_THAT(selected, ElementsAre(items[1], items[3], items[4]));
    add.hItem = items[3];
    add.state = 0;
    Send(TVM_SETITEMW, 0, (LPARAM)&add);  // clearing the bit unselects that item only
    EXPECT_FALSE(State(items[3]) & TVIS_SELECTED);
    EXPECT_TRUE(State(items[1]) & TVIS_SELECTED);

    // Ctrl+click on a selected item unselects it and leaves the caret empty.
    Click(r.left + 3, (r.top + r.bottom) / 2, WM_LBUTTONDOWN, MK_CONTROL);
    EXPECT_FALSE(State(items[4]) & TVIS_SELECTED);
    EXPECT_EQ(nullptr, Selected());
    EXPECT_EQ(items[4], Next(nullptr, TVGN_FOCUS));
    // A plain click replaces every selection.
    r = ItemRect(items[0], 1);
    Click(r.left + 3, (r.top + r.bottom) / 2);
    selected.clear();
    for (HTREEITEM h = Next(TVI_ROOT, TVGN_NEXTSELECTED); h; h = Next(h, TVGN_NEXTSELECTED)) selected.push_back(h);
    EXPECT_THAT(selected, ElementsAre(items[0]));
}

TEST_F(TreeListTest, HitTestsEveryZone)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_CHECKBOXES, 400, 300));
    AddColumn(L"tree", 200);
    AddColumn(L"centre", 120, LVCFMT_CENTER);
    AddColumn(L"right", 60, LVCFMT_RIGHT);
    HTREEITEM root = Insert(TVI_ROOT, L"root");
    Insert(root, L"child");
    SetCellText(root, 1, L"middle");
    SetCellText(root, 2, L"r");
    UpdateWindow(tree);
    const RECT row = ItemRect(root);
    const int y = (row.top + row.bottom) / 2;
    HTREEITEM hit;
    EXPECT_EQ((UINT)TVHT_ONITEMBUTTON, HitFlags(7, y, &hit));
    EXPECT_EQ(root, hit);
    EXPECT_EQ((UINT)TVHT_ONITEMINDENT, HitFlags(16, y));
    EXPECT_EQ((UINT)TVHT_ONITEMSTATEICON, HitFlags(19 + 5, y));
    const RECT text = ItemRect(root, 1);
    EXPECT_EQ((UINT)TVHT_ONITEMLABEL, HitFlags(text.left + 1, y));
    EXPECT_EQ((UINT)TVHT_ONITEMRIGHT, HitFlags(190, y));
    EXPECT_EQ((UINT)TVHT_NOWHERE, HitFlags(10, row.bottom + 40));
    EXPECT_EQ((UINT)TVHT_TOLEFT, HitFlags(-1, y));
    EXPECT_EQ((UINT)(TVHT_TORIGHT | TVHT_BELOW), HitFlags(1000, 1000));
    EXPECT_EQ((UINT)TVHT_ABOVE, HitFlags(10, -5));
    EXPECT_EQ((UINT)TVHT_PASTCOLUMNS, HitFlags(390, y));

    // The centred cell: 3 pixels left of its text is on it, 4 pixels beside it.
    const int width = TextWidthOf(L"middle");
    const RECT cell = CellRect(root, 1);
    const int textLeft = cell.left + (cell.right - cell.left) / 2 - width / 2;
    EXPECT_EQ(TVHT_SUBITEMLABEL | (1u << 24), HitFlags(textLeft - 3, y));
    EXPECT_EQ(TVHT_SUBITEMRIGHT | (1u << 24), HitFlags(textLeft - 4, y));
    EXPECT_EQ(TVHT_SUBITEMLABEL | (1u << 24), HitFlags(textLeft + width, y));
    // Right-aligned: the zone starts text width + 5 from the right edge.
    const RECT right = CellRect(root, 2);
    EXPECT_EQ(TVHT_SUBITEMLABEL | (2u << 24), HitFlags(right.right - 2, y));
    EXPECT_EQ(TVHT_SUBITEMRIGHT | (2u << 24), HitFlags(right.left + 1, y));
    // An empty cell counts as on its text.
    HTREEITEM other = Insert(TVI_ROOT, L"other");
    const RECT otherRow = ItemRect(other);
    EXPECT_EQ(TVHT_SUBITEMLABEL | (2u << 24), HitFlags(right.left + 1, otherRow.top + 2));
}

}  // namespace
}  // namespace treelist_test
