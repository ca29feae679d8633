// Items and rows: insertion, handles, the column-aware TVITEMW, navigation, deletion,
// expansion and sorting.
#include "treelist_fixture.h"

namespace treelist_test
{
namespace
{

TEST_F(TreeListTest, InsertsByEveryInsertAfterForm)
{
    ASSERT_TRUE(Make(0));
    HTREEITEM b = Insert(TVI_ROOT, L"b");
    Insert(TVI_ROOT, L"a", TVI_FIRST);
    HTREEITEM d = Insert(TVI_ROOT, L"d");
    Insert(TVI_ROOT, L"c", b);   // after a sibling
    Insert(b, L"b1");
    Insert(b, L"b2", d);         // d is not a child of b: appended
    Insert(b, L"e", TVI_ROOT);   // TVI_ROOT as insert-after makes a root
    Expand(b);
    EXPECT_THAT(RowTexts(), ElementsAre(L"a", L"b", L"b1", L"b2", L"c", L"d", L"e"));
    // Sorted insertion compares without regard to case.
    HTREEITEM s = Insert(TVI_ROOT, L"S");
    for (const wchar_t* text : {L"delta", L"Alpha", L"charlie", L"BRAVO"})
        Insert(s, text, TVI_SORT);
    EXPECT_THAT(Children(s), ElementsAre(L"Alpha", L"BRAVO", L"charlie", L"delta"));
}

TEST_F(TreeListTest, RefusesBadHandlesAndPointers)
{
    ASSERT_TRUE(Make(0));
    HTREEITEM a = Insert(TVI_ROOT, L"a");
    EXPECT_EQ(nullptr, Insert(H(5000), L"x"));       // above the capacity
    EXPECT_EQ(nullptr, Insert(H(N(a) + 1), L"x"));   // an empty slot
    for (UINT msg :
         {TVM_INSERTITEMW, TVM_GETITEMW, TVM_SETITEMW, TVM_HITTEST, TVM_GETITEMRECT, TVM_SORTCHILDRENCB, TVM_GETCOLUMN})
        EXPECT_EQ(0, Send(msg, 0, 0)) << "null pointer to message " << std::hex << msg;
    EXPECT_EQ(-1, Send(TVM_INSERTCOLUMN, 0, 0));
    EXPECT_EQ(-1, Send(TVM_SETBKCOLOR, TLC_COUNT, RGB(1, 2, 3)));   // no such colour slot
    // TVI_ROOT where an item is expected, and a dead handle.
    EXPECT_EQ(0, Send(TVM_EXPAND, TVE_EXPAND, (LPARAM)TVI_ROOT));
    EXPECT_EQ(-1, RowOf(TVI_ROOT));
    EXPECT_EQ(-1, Send(TVM_ENSUREVISIBLE, 0, (LPARAM)TVI_ROOT));
    for (UINT msg : {TVM_GETITEMSTATE, TVM_EDITLABELW, TVM_CREATEDRAGIMAGE, TVM_GETUSERDATA})
    {
        EXPECT_EQ(0, Send(msg, 0, (LPARAM)TVI_ROOT)) << "TVI_ROOT to " << std::hex << msg;
        EXPECT_EQ(0, Send(msg, 0, (LPARAM)H(999))) << "dead handle to " << std::hex << msg;
    }
    EXPECT_EQ(0, Send(TVM_SELECTITEM, TVGN_CARET, (LPARAM)H(999)));
    // Handles count from 1; a free slot is taken again only once the search wraps.
    ASSERT_EQ(1u, N(a));
    ASSERT_TRUE(Send(TVM_DELETEITEM, 0, (LPARAM)a));
    for (UINT_PTR i = 2; i <= 64; ++i)
        ASSERT_EQ(i, N(Insert(TVI_ROOT, L"x")));
    EXPECT_EQ(1u, N(Insert(TVI_ROOT, L"x")));   // a capacity of 64: wraps instead of growing
    EXPECT_EQ(65u, N(Insert(TVI_ROOT, L"x")));
}

TEST_F(TreeListTest, ReadsAndWritesItemsAndCells)
{
    ASSERT_TRUE(Make(TVS_CHECKBOXES));
    for (const wchar_t* caption : {L"name", L"value", L"note"})
        AddColumn(caption, 80);
    HTREEITEM item = InsertWith(TVI_ROOT, TVI_LAST,
                                {TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_CHILDREN, nullptr, 0, 0,
                                 const_cast<wchar_t*>(L"item"), 0, 3, 0, 1, 77});
    // A check box list gives new items state image 1; TVIS_EXPANDEDONCE is always set.
    EXPECT_EQ((UINT)(INDEXTOSTATEIMAGEMASK(1) | TVIS_EXPANDEDONCE), State(item));
    const TVITEMW read = Get(item, TVIF_PARAM | TVIF_IMAGE | TVIF_CHILDREN);   // a button, but no child yet
    EXPECT_EQ((std::vector<LPARAM>{77, 3, 0}), (std::vector<LPARAM>{read.lParam, read.iImage, read.cChildren}));
    // A cell without text: the empty string and 0; with text: its length and one.
    const UINT pointer = TVIF_TEXT | TVIF_TEXTPTR | TVIF_IMAGE;
    TVITEMW cell = Get(item, pointer, 1);
    EXPECT_STREQ(L"", cell.pszText);
    EXPECT_EQ((std::vector<int>{0, (int)0xFFFFFFFE}), (std::vector<int>{cell.cchTextMax, cell.iImage}));
    ASSERT_TRUE(SetCellText(item, 1, L"twelve"));
    cell = Get(item, pointer, 1);
    EXPECT_EQ(7, cell.cchTextMax);
    EXPECT_EQ(L"twelve", Text(item, 1));
    // A copy is cut to cchTextMax - 1 characters.
    wchar_t small[4] = L"zzz";
    TVITEMW copy = {TVIF_TEXT, item, 0, 0, small, 3};
    ASSERT_TRUE(Send(TVM_GETITEMW, 0, (LPARAM)&copy));
    EXPECT_STREQ(L"it", small);
    // Cell state: the item's expansion bits never show; TVIF_PARAM still goes to the item.
    const UINT state = TVIS_BOLD | TVIS_CUT;
    TVITEMW set = {TVIF_STATE | TVIF_SUBITEM | TVIF_PARAM, item, state, state, nullptr, 0, 0, 0, 2, 99};
    ASSERT_TRUE(Send(TVM_SETITEMW, 0, (LPARAM)&set));
    cell = Get(item, TVIF_STATE | TVIF_PARAM, 2);
    EXPECT_EQ(state, cell.state);
    EXPECT_EQ(99, cell.lParam);
    // A column at or beyond the count leaves the structure as it was.
    TVITEMW beyond = {TVIF_TEXT | TVIF_SUBITEM | TVIF_PARAM, item, 0, 0, nullptr, 0, 0, 0, 3, 1234};
    EXPECT_EQ(0, Send(TVM_GETITEMW, 0, (LPARAM)&beyond));
    EXPECT_EQ(1234, beyond.lParam);
    // Lengths are kept in 16 bits.
    const TVITEMW stored = Get(Insert(TVI_ROOT, std::wstring(100000, L'x').c_str()), TVIF_TEXT | TVIF_TEXTPTR);
    EXPECT_EQ(0xFFFF, stored.cchTextMax);
    EXPECT_EQ(0xFFFEu, wcslen(stored.pszText));
}

TEST_F(TreeListTest, NavigatesWithEveryCode)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS, 300, 200));
    const auto roots = FillTwoLevels(3, 2);
    HTREEITEM child = Next(roots[1], TVGN_CHILD);
    EXPECT_EQ(L"1.0", Text(child));
    const struct
    {
        HTREEITEM from;
        UINT code;
        HTREEITEM expected;
    } moves[] = {
        {nullptr, TVGN_ROOT, roots[0]},        {roots[1], TVGN_NEXT, roots[2]},
        {roots[1], TVGN_PREVIOUS, roots[0]},   {child, TVGN_PARENT, roots[1]},
        {nullptr, TVGN_LASTVISIBLE, roots[2]}, {roots[2], TVGN_NEXTVISIBLE, nullptr},
        {child, TVGN_NEXTVISIBLE, nullptr},    {nullptr, 14, nullptr},
    };
    for (const auto& m : moves)
        EXPECT_EQ(m.expected, Next(m.from, m.code)) << "code " << m.code << ", " << N(m.from);
    // The next selected item below a parent.
    Send(TVM_SETEXTENDEDSTYLE, TLX_MULTISELECT, TLX_MULTISELECT);
    ASSERT_TRUE(SetState(child, TVIS_SELECTED, TVIS_SELECTED));
    EXPECT_EQ(child, Next(roots[1], TVGN_NEXTSELCHILD));
    EXPECT_EQ(nullptr, Next(roots[0], TVGN_NEXTSELCHILD));
}

TEST_F(TreeListTest, DeletesChildrenFirstAndTellsTheParent)
{
    ASSERT_TRUE(Make(0));
    HTREEITEM a = Insert(TVI_ROOT, L"a");
    HTREEITEM a1 = Insert(a, L"a1"), a2 = Insert(a, L"a2");
    HTREEITEM a21 = Insert(a2, L"a21");
    HTREEITEM b = Insert(TVI_ROOT, L"b");
    Select(a2);
    host->clear();
    ASSERT_EQ(1, Send(TVM_DELETEITEM, 0, (LPARAM)a));
    std::vector<UINT_PTR> order;
    for (const auto& m : host->notifications(TVN_DELETEITEMW))
        order.push_back(N(m.as<NMTREEVIEWW>().itemOld.hItem));
    EXPECT_THAT(order, ElementsAre(N(a21), N(a2), N(a1), N(a)));
    EXPECT_EQ(nullptr, Selected());                     // the deleted selection is cleared
    EXPECT_EQ(0, Send(TVM_DELETEITEM, 0, (LPARAM)a));   // dead handle
    EXPECT_EQ(b, Next(nullptr, TVGN_ROOT));
    Insert(b, L"b1");
    host->clear();
    ASSERT_EQ(1, Send(TVM_DELETEITEM, 0, 0));   // 0 deletes all, like TVI_ROOT
    EXPECT_EQ(2u, host->countNotify(TVN_DELETEITEMW));
    EXPECT_EQ(nullptr, ItemAt(0));
}

TEST_F(TreeListTest, RowsFollowExpansionInPreorderWithVetoPartialAndReset)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_HASLINES));
    const auto roots = FillTwoLevels(2, 2);
    HTREEITEM child = Next(roots[0], TVGN_CHILD);
    HTREEITEM grandChild = Insert(child, L"0.0.0");
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"1"));
    EXPECT_EQ(-1, RowOf(grandChild));
    host->clear();
    ASSERT_TRUE(Expand(roots[0]));
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"0.0", L"0.1", L"1"));
    EXPECT_THAT(host->notifyCodes(), ElementsAre((UINT)TVN_ITEMEXPANDINGW, (UINT)TVN_ITEMEXPANDEDW));
    const NMTREEVIEWW expanding = host->notifications()[0].as<NMTREEVIEWW>();
    EXPECT_EQ((UINT)TVE_EXPAND, expanding.action);
    EXPECT_EQ(roots[0], expanding.itemNew.hItem);
    EXPECT_EQ((UINT)(TVIF_HANDLE | TVIF_STATE | TVIF_PARAM), expanding.itemNew.mask);
    EXPECT_TRUE(expanding.itemNew.state & TVIS_EXPANDED);   // the state after the change
    ASSERT_TRUE(Expand(child));
    EXPECT_EQ(2, RowOf(grandChild));
    ASSERT_TRUE(Select(grandChild));
    host->clear();
    ASSERT_TRUE(Expand(roots[0], TVE_COLLAPSE));
    const NMTREEVIEWW collapsing = host->notifications(TVN_ITEMEXPANDINGW).at(0).as<NMTREEVIEWW>();
    EXPECT_EQ((UINT)TVE_COLLAPSE, collapsing.action);
    EXPECT_EQ(0u, collapsing.itemNew.state & (TVIS_EXPANDED | TVIS_EXPANDEDONCE));
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"1"));
    EXPECT_EQ(roots[0], Selected());   // the hidden selection moves to the shown ancestor
    ASSERT_TRUE(Expand(roots[0], TVE_TOGGLE));
    // The grandchild's branch stayed open; an item inserted into an expanded branch shows at once.
    Insert(roots[1], L"1.x", TVI_FIRST);
    Expand(roots[1]);
    Insert(roots[1], L"1.y");
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"0.0", L"0.0.0", L"0.1", L"1", L"1.x", L"1.0", L"1.1", L"1.y"));
    // A veto; a partial expansion, whose toggle only clears the partial bit; collapse and reset.
    HTREEITEM root = Insert(TVI_ROOT, L"2");
    for (const wchar_t* text : {L"2.0", L"2.1"})
        Insert(root, text);
    const UINT open = TVIS_EXPANDED | TVIS_EXPANDPARTIAL;
    host->answerNotify(TVN_ITEMEXPANDINGW, 1);
    EXPECT_FALSE(Expand(root));
    EXPECT_EQ(0u, State(root) & TVIS_EXPANDED);
    host->answerNotify(TVN_ITEMEXPANDINGW, 0);
    ASSERT_TRUE(Expand(root, TVE_EXPAND | TVE_EXPANDPARTIAL));
    EXPECT_EQ(open, State(root) & open);
    ASSERT_TRUE(Expand(root, TVE_TOGGLE));
    EXPECT_EQ((UINT)TVIS_EXPANDED, State(root) & open);
    host->clear();
    ASSERT_TRUE(Expand(root, TVE_COLLAPSE | TVE_COLLAPSERESET));
    EXPECT_EQ(2u, host->countNotify(TVN_DELETEITEMW));
    EXPECT_EQ(nullptr, Next(root, TVGN_CHILD));
    EXPECT_EQ((UINT)TVIS_EXPANDEDONCE, State(root));
    EXPECT_FALSE(Send(TVM_EXPAND, 7, (LPARAM)root));   // no such code
}

TEST_F(TreeListTest, SortsByTextRecursivelyAndKeepsRowsInStep)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS));
    HTREEITEM c = Insert(TVI_ROOT, L"charlie");
    HTREEITEM a = Insert(TVI_ROOT, L"Alpha");
    Insert(TVI_ROOT, L"bravo");
    for (const wchar_t* text : {L"z", L"Y", L"x"})
        Insert(a, text);
    for (const wchar_t* text : {L"2", L"1"})
        Insert(c, text);
    Expand(a);
    ASSERT_EQ(1, Send(TVM_SORTCHILDREN, 0, (LPARAM)TVI_ROOT));
    EXPECT_THAT(RowTexts(), ElementsAre(L"Alpha", L"z", L"Y", L"x", L"bravo", L"charlie"));   // not recursive
    ASSERT_EQ(1, Send(TVM_SORTCHILDREN, 1, (LPARAM)TVI_ROOT));
    EXPECT_THAT(RowTexts(), ElementsAre(L"Alpha", L"x", L"Y", L"z", L"bravo", L"charlie"));
    EXPECT_THAT(Children(c), ElementsAre(L"1", L"2"));
    EXPECT_EQ(0, Send(TVM_SORTCHILDREN, 0, (LPARAM)H(999)));
}

struct SortContext
{
    HWND tree;
    int calls;
    LRESULT inserted, deleted, count;
};

int CALLBACK ReverseByParam(LPARAM a, LPARAM b, LPARAM context)
{
    SortContext* c = (SortContext*)context;
    if (c->calls++ == 0)
    {
        // Messages sent back while the sort runs: reads work, changes of the item set are refused.
        TVINSERTSTRUCTW insert = {TVI_ROOT, TVI_LAST};
        c->inserted = SendMessageW(c->tree, TVM_INSERTITEMW, 0, (LPARAM)&insert);
        c->deleted = SendMessageW(c->tree, TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
        c->count = SendMessageW(c->tree, TVM_GETCOUNT, 0, 0);
        SendMessageW(c->tree, TVM_SORTCHILDREN, 0, (LPARAM)TVI_ROOT);   // no nested sort
    }
    return (int)(b - a);
}

TEST_F(TreeListTest, SortsWithTheCallersFunctionAndRefusesChangesMeanwhile)
{
    ASSERT_TRUE(Make(0));
    for (int i = 0; i < 5; ++i)
        Insert(TVI_ROOT, std::to_wstring(i).c_str(), TVI_LAST, i);
    SortContext context = {tree, 0, -1, -1, -1};
    TVSORTCB sort = {TVI_ROOT, ReverseByParam, (LPARAM)&context};
    ASSERT_EQ(1, Send(TVM_SORTCHILDRENCB, 0, (LPARAM)&sort));
    EXPECT_THAT(RowTexts(), ElementsAre(L"4", L"3", L"2", L"1", L"0"));
    EXPECT_GT(context.calls, 0);
    EXPECT_EQ(0, context.inserted);
    EXPECT_EQ(0, context.deleted);
    EXPECT_EQ(5, context.count);
    sort.lpfnCompare = nullptr;
    EXPECT_EQ(0, Send(TVM_SORTCHILDRENCB, 0, (LPARAM)&sort));
}

}   // namespace
}   // namespace treelist_test
