// Items: registration, insertion forms, handles, the column-aware TVITEMW, user data,
// navigation and deletion.
#include <cstring>

#include "treelist_fixture.h"

namespace treelist_test {
namespace {

TEST_F(TreeListTest, RegistersForTheProgramAndTheLibrary)
{
    EXPECT_EQ(1, TreeListRegister());
    for (HINSTANCE module : {GetModuleHandleW(nullptr), GetModuleHandleW(L"QVCtrl.dll"), HINSTANCE(nullptr)}) {
        HWND made = CreateWindowExW(0, TREELIST_CLASSNAME, L"", WS_CHILD, 0, 0, 9, 9, *host, nullptr, module, nullptr);
        EXPECT_NE(nullptr, made) << GetLastError();
        EXPECT_TRUE(GetClassLongPtrW(made, GCL_STYLE) & CS_DBLCLKS);
        DestroyWindow(made);
    }
}

TEST_F(TreeListTest, InsertsByEveryInsertAfterForm)
{
    ASSERT_TRUE(Make(0));
    HTREEITEM b = Insert(TVI_ROOT, L"b");
    Insert(TVI_ROOT, L"a", TVI_FIRST);
    HTREEITEM d = Insert(TVI_ROOT, L"d");
    Insert(TVI_ROOT, L"c", b);  // after a sibling
    HTREEITEM b1 = Insert(b, L"b1");
    Insert(b, L"b0", TVI_FIRST);
    Insert(b, L"b2", d);                          // d is not a child of b: appended
    Insert(b1, L"e", TVI_ROOT);  // TVI_ROOT as insert-after makes a root
    Expand(b);
    EXPECT_THAT(RowTexts(), ElementsAre(L"a", L"b", L"b0", L"b1", L"b2", L"c", L"d", L"e"));
    // Sorted insertion compares without regard to case.
    HTREEITEM s = Insert(TVI_ROOT, L"S");
    for (const wchar_t* text : {L"delta", L"Alpha", L"charlie", L"BRAVO"}) Insert(s, text, TVI_SORT);
    EXPECT_THAT(Children(s), ElementsAre(L"Alpha", L"BRAVO", L"charlie", L"delta"));
}

TEST_F(TreeListTest, RefusesBadHandlesAndPointers)
{
    ASSERT_TRUE(Make(0));
    HTREEITEM a = Insert(TVI_ROOT, L"a");
    EXPECT_EQ(nullptr, Insert(H(5000), L"x"));           // above the capacity
    EXPECT_EQ(nullptr, Insert(H(N(a) + 1), L"x"));        // an empty slot
    EXPECT_EQ(nullptr, Insert(H(0x123456789ull), L"x"));  // not a handle at all
    for (UINT msg : {TVM_INSERTITEMW, TVM_GETITEMW, TVM_SETITEMW, TVM_HITTEST, TVM_GETITEMRECT, TVM_SORTCHILDRENCB,
                     TVM_GETCOLUMN})
        EXPECT_EQ(0, Send(msg, 0, 0)) << "null pointer to message " << std::hex << msg;
    EXPECT_EQ(-1, Send(TVM_INSERTCOLUMN, 0, 0));
    EXPECT_EQ(1, Send(TVM_GETCOUNT));
    // TVI_ROOT where an item is expected, and a dead handle.
    EXPECT_EQ(0, Send(TVM_EXPAND, TVE_EXPAND, (LPARAM)TVI_ROOT));
    EXPECT_EQ(-1, RowOf(TVI_ROOT));
    EXPECT_EQ(L"<failed>", Text(TVI_ROOT));
    EXPECT_EQ(-1, Send(TVM_ENSUREVISIBLE, 0, (LPARAM)TVI_ROOT));
    for (UINT msg : {TVM_GETITEMSTATE, TVM_EDITLABELW, TVM_CREATEDRAGIMAGE, TVM_GETUSERDATA}) {
        EXPECT_EQ(0, Send(msg, 0, (LPARAM)TVI_ROOT)) << "TVI_ROOT to " << std::hex << msg;
        EXPECT_EQ(0, Send(msg, 0, (LPARAM)H(999))) << "dead handle to " << std::hex << msg;
    }
    EXPECT_EQ(0, Send(TVM_SELECTITEM, TVGN_CARET, (LPARAM)H(999)));
    EXPECT_EQ(0, Send(TVM_DELETEITEM, 0, (LPARAM)H(999)));
    // Handles count from 1; a free slot is taken again only once the search wraps.
    ASSERT_EQ(1u, N(a));
    ASSERT_TRUE(Send(TVM_DELETEITEM, 0, (LPARAM)a));
    for (UINT_PTR i = 2; i <= 64; ++i) ASSERT_EQ(i, N(Insert(TVI_ROOT, L"x")));
    EXPECT_EQ(1u, N(Insert(TVI_ROOT, L"x")));  // a capacity of 64: wraps instead of growing
    EXPECT_EQ(65u, N(Insert(TVI_ROOT, L"x")));
}

TEST_F(TreeListTest, ReadsAndWritesItemsAndCells)
{
    ASSERT_TRUE(Make(TVS_CHECKBOXES));
    for (const wchar_t* caption : {L"name", L"value", L"note"}) AddColumn(caption, 80);
    HTREEITEM item = InsertWith(TVI_ROOT, TVI_LAST, {TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_CHILDREN, nullptr, 0, 0,
                                                     const_cast<wchar_t*>(L"item"), 0, 3, 0, 1, 77});
    // A check box list gives new items state image 1; TVIS_EXPANDEDONCE is always set.
    EXPECT_EQ((UINT)(INDEXTOSTATEIMAGEMASK(1) | TVIS_EXPANDEDONCE), State(item));
    const TVITEMW read = Get(item, TVIF_PARAM | TVIF_IMAGE | TVIF_CHILDREN);  // a button without a child yet
    EXPECT_EQ((std::vector<LPARAM>{77, 3, 1}), (std::vector<LPARAM>{read.lParam, read.iImage, read.cChildren}));

    // A cell without text: the empty string and 0; with text: the stored pointer.
    const UINT pointer = TVIF_TEXT | TVIF_TEXTPTR | TVIF_IMAGE;
    TVITEMW cell = Get(item, pointer, 1);
    EXPECT_STREQ(L"", cell.pszText);
    EXPECT_EQ((std::vector<int>{0, (int)0xFFFFFFFE}), (std::vector<int>{cell.cchTextMax, cell.iImage}));
    ASSERT_TRUE(SetCellText(item, 1, L"twelve"));
    cell = Get(item, pointer, 1);
    EXPECT_STREQ(L"twelve", cell.pszText);
    EXPECT_EQ(7, cell.cchTextMax);  // the length and one
    ASSERT_TRUE(SetCellText(item, 1, L"ten"));  // a shorter text reuses the buffer
    EXPECT_EQ(cell.pszText, Get(item, pointer, 1).pszText);
    EXPECT_EQ(L"ten", Text(item, 1));

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
    EXPECT_EQ((UINT)(TVIS_BOLD | TVIS_CUT), cell.state);
    EXPECT_EQ(99, cell.lParam);
    // A column at or beyond the count leaves the structure as it was.
    TVITEMW beyond = {TVIF_TEXT | TVIF_SUBITEM | TVIF_PARAM, item, 0, 0, nullptr, 0, 0, 0, 5, 1234};
    EXPECT_EQ(0, Send(TVM_GETITEMW, 0, (LPARAM)&beyond));
    EXPECT_EQ(1234, beyond.lParam);
    EXPECT_EQ(0, Send(TVM_SETITEMW, 0, (LPARAM)&beyond));
}

TEST_F(TreeListTest, StoresLongTextsAndCallbacks)
{
    ASSERT_TRUE(Make(0));
    HTREEITEM item = Insert(TVI_ROOT, std::wstring(100000, L'x').c_str());
    const TVITEMW stored = Get(item, TVIF_TEXT | TVIF_TEXTPTR);
    EXPECT_EQ(0xFFFF, stored.cchTextMax);  // lengths are kept in 16 bits
    EXPECT_EQ(0xFFFEu, wcslen(stored.pszText));
    TVITEMW callback = {TVIF_TEXT | TVIF_IMAGE | TVIF_CHILDREN, item, 0, 0, LPSTR_TEXTCALLBACKW, 0, I_IMAGECALLBACK};
    callback.cChildren = I_CHILDRENCALLBACK;
    ASSERT_TRUE(Send(TVM_SETITEMW, 0, (LPARAM)&callback));
    EXPECT_EQ(L"<callback>", Text(item));
    EXPECT_EQ(I_IMAGECALLBACK, Get(item, TVIF_IMAGE).iImage);
    EXPECT_EQ(I_CHILDRENCALLBACK, Get(item, TVIF_CHILDREN).cChildren);
    EXPECT_EQ(0u, host->countNotify(TVN_GETDISPINFOW));  // reading sends nothing
}

TEST_F(TreeListTest, KeepsUserDataAreaOnlyWhileEmpty)
{
    ASSERT_TRUE(Make(0));
    EXPECT_EQ(0, Send(TVM_GETUSERDATA, 0, (LPARAM)Insert(TVI_ROOT, L"a")));  // size 0: no area
    EXPECT_EQ(0, Send(TVM_SETUSERDATASIZE, 16));                              // refused while items exist
    Send(TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
    EXPECT_EQ(0, Send(TVM_SETUSERDATASIZE, TREELIST_MAX_USERDATA + 1));
    ASSERT_EQ(1, Send(TVM_SETUSERDATASIZE, 24));
    EXPECT_EQ(24, Send(TVM_GETUSERDATASIZE));
    HTREEITEM a = Insert(TVI_ROOT, L"a"), b = Insert(TVI_ROOT, L"b");
    BYTE* areaA = (BYTE*)Send(TVM_GETUSERDATA, 0, (LPARAM)a);
    BYTE* areaB = (BYTE*)Send(TVM_GETUSERDATA, 0, (LPARAM)b);
    ASSERT_TRUE(areaA && areaB);
    EXPECT_EQ(std::vector<BYTE>(24, 0), std::vector<BYTE>(areaA, areaA + 24));
    // Each item's area is its own and leaves the item's text alone.
    memset(areaA, 0xAB, 24);
    memset(areaB, 0xCD, 24);
    EXPECT_EQ(L"a", Text(a));
    EXPECT_EQ(L"b", Text(b));
    EXPECT_EQ(0xAB, areaA[23]);
}

TEST_F(TreeListTest, NavigatesWithEveryCode)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS, 300, 200));
    const auto roots = FillTwoLevels(3, 2);
    HTREEITEM child = Next(roots[1], TVGN_CHILD);
    EXPECT_EQ(L"1.0", Text(child));
    const struct { HTREEITEM from; UINT code; HTREEITEM expected; } moves[] = {
        {nullptr, TVGN_ROOT, roots[0]},         {TVI_ROOT, TVGN_CHILD, roots[0]},
        {roots[1], TVGN_NEXT, roots[2]},        {roots[1], TVGN_PREVIOUS, roots[0]},
        {child, TVGN_PARENT, roots[1]},         {nullptr, TVGN_FIRSTVISIBLE, roots[0]},
        {nullptr, TVGN_LASTVISIBLE, roots[2]},  {roots[0], TVGN_NEXTVISIBLE, roots[1]},
        {roots[2], TVGN_NEXTVISIBLE, nullptr},  {roots[0], TVGN_PREVIOUSVISIBLE, nullptr},
        {child, TVGN_NEXTVISIBLE, nullptr},     {nullptr, 14, nullptr},
        {nullptr, 18, nullptr},                 {H(999), TVGN_NEXT, nullptr},
    };
    for (const auto& m : moves) EXPECT_EQ(m.expected, Next(m.from, m.code)) << "code " << m.code << ", " << N(m.from);

    // Selection codes: the caret, its column, the next selected items in pre-order.
    Send(TVM_SETEXTENDEDSTYLE, TLX_MULTISELECT, TLX_MULTISELECT);
    ASSERT_TRUE(Select(roots[1]));
    ASSERT_TRUE(SetState(child, TVIS_SELECTED, TVIS_SELECTED));  // adds to the selection, the caret moves
    EXPECT_EQ(child, Selected());
    EXPECT_THAT(SelectedItems(), ElementsAre(roots[1], child));
    EXPECT_EQ(child, Next(roots[1], TVGN_NEXTSELCHILD));
    EXPECT_EQ(nullptr, Next(roots[0], TVGN_NEXTSELCHILD));
    EXPECT_EQ(child, Next(nullptr, TVGN_FOCUS));  // no focus item: the caret
    Send(TVM_SELECTITEM, TVGN_DROPHILITE, (LPARAM)roots[2]);
    EXPECT_EQ(roots[2], Next(nullptr, TVGN_DROPHILITE));
    for (UINT code : {TVGN_CARETSUB, TVGN_FOCUSSUB, TVGN_DROPHILITESUB}) EXPECT_EQ(0, Send(TVM_GETNEXTITEM, code, 0));
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
    for (const auto& m : host->notifications(TVN_DELETEITEMW)) {
        EXPECT_EQ((UINT)(TVIF_HANDLE | TVIF_PARAM), m.as<NMTREEVIEWW>().itemOld.mask);
        order.push_back(N(m.as<NMTREEVIEWW>().itemOld.hItem));
    }
    EXPECT_THAT(order, ElementsAre(N(a21), N(a2), N(a1), N(a)));
    EXPECT_EQ(nullptr, Selected());  // the deleted selection is cleared
    EXPECT_EQ(0, Send(TVM_DELETEITEM, 0, (LPARAM)a));  // dead handle
    EXPECT_EQ(L"<failed>", Text(a));
    EXPECT_EQ(b, Next(nullptr, TVGN_ROOT));
    Insert(b, L"b1");
    host->clear();
    ASSERT_EQ(1, Send(TVM_DELETEITEM, 0, 0));  // 0 deletes all, like TVI_ROOT
    EXPECT_EQ(2u, host->countNotify(TVN_DELETEITEMW));
    EXPECT_EQ(0, Send(TVM_GETCOUNT));
    EXPECT_EQ(nullptr, ItemAt(0));
}

}  // namespace
}  // namespace treelist_test
