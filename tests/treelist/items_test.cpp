// Items of the TreeList window: registration, insertion forms, handles, reading and
// writing through the column-aware TVITEMW, user data, navigation and deletion.
#include <cstring>
#include <string>

#include "treelist_fixture.h"

namespace treelist_test {
namespace {

using ::testing::ElementsAre;

TEST_F(TreeListTest, RegistersOnceWithItsClassShape)
{
    EXPECT_EQ(1, TreeListRegister());
    WNDCLASSEXW wc = {sizeof(wc)};
    ASSERT_TRUE(GetClassInfoExW(nullptr, TREELIST_CLASSNAME, &wc) ||
                GetClassInfoExW(GetModuleHandleW(L"QVCtrl.dll"), TREELIST_CLASSNAME, &wc));
    EXPECT_EQ((UINT)CS_DBLCLKS, wc.style);
    EXPECT_EQ((int)sizeof(void*), wc.cbWndExtra);
    EXPECT_EQ(0, wc.cbClsExtra);
    EXPECT_EQ(nullptr, wc.hbrBackground);
    // The program, the library or no module at all may create the window.
    for (HINSTANCE module : {GetModuleHandleW(nullptr), GetModuleHandleW(L"QVCtrl.dll"), HINSTANCE(nullptr)}) {
        HWND made = CreateWindowExW(0, TREELIST_CLASSNAME, L"", WS_CHILD, 0, 0, 50, 50, *host, nullptr, module, nullptr);
        EXPECT_NE(nullptr, made) << GetLastError();
        DestroyWindow(made);
    }
    ASSERT_NE(nullptr, Make(TVS_HASLINES));
    EXPECT_EQ(0, Send(TVM_GETCOUNT));
    EXPECT_EQ(19, Send(TVM_GETINDENT));
}

TEST_F(TreeListTest, InsertsByEveryInsertAfterForm)
{
    ASSERT_TRUE(Make(0));
    HTREEITEM b = Insert(TVI_ROOT, L"b");
    HTREEITEM a = Insert(TVI_ROOT, L"a", TVI_FIRST);
    HTREEITEM d = Insert(TVI_ROOT, L"d");
    HTREEITEM c = Insert(TVI_ROOT, L"c", b);  // after a sibling
    EXPECT_THAT(RowTexts(), ElementsAre(L"a", L"b", L"c", L"d"));

    HTREEITEM b1 = Insert(b, L"b1");
    Insert(b, L"b0", TVI_FIRST);
    Insert(b, L"b2", d);  // d is not a child of b: appended
    HTREEITEM root = Insert(b1, L"e", TVI_ROOT);  // TVI_ROOT as insert-after makes a root
    EXPECT_EQ(nullptr, Next(root, TVGN_PARENT));
    EXPECT_EQ(root, Next(d, TVGN_NEXT));
    Expand(b);
    EXPECT_THAT(RowTexts(), ElementsAre(L"a", L"b", L"b0", L"b1", L"b2", L"c", L"d", L"e"));
    EXPECT_EQ(c, Next(b, TVGN_NEXT));
    EXPECT_EQ(a, Next(nullptr, TVGN_ROOT));

    // Sorted insertion compares without regard to case.
    HTREEITEM s = Insert(TVI_ROOT, L"S");
    Insert(s, L"delta", TVI_SORT);
    Insert(s, L"Alpha", TVI_SORT);
    Insert(s, L"charlie", TVI_SORT);
    Insert(s, L"BRAVO", TVI_SORT);
    Expand(s);
    std::vector<std::wstring> sorted;
    for (HTREEITEM h = Next(s, TVGN_CHILD); h; h = Next(h, TVGN_NEXT)) sorted.push_back(Text(h));
    EXPECT_THAT(sorted, ElementsAre(L"Alpha", L"BRAVO", L"charlie", L"delta"));
    EXPECT_EQ(13, Send(TVM_GETCOUNT));
}

TEST_F(TreeListTest, RefusesBadParentsAndPointers)
{
    ASSERT_TRUE(Make(0));
    HTREEITEM a = Insert(TVI_ROOT, L"a");
    EXPECT_EQ(nullptr, Insert(H(5000), L"x"));           // above the capacity
    EXPECT_EQ(nullptr, Insert(H(N(a) + 1), L"x"));        // an empty slot
    EXPECT_EQ(nullptr, Insert(H(0x123456789ull), L"x"));  // not a handle at all
    EXPECT_EQ(0, Send(TVM_INSERTITEMW, 0, 0));
    EXPECT_EQ(0, Send(TVM_GETITEMW, 0, 0));
    EXPECT_EQ(0, Send(TVM_SETITEMW, 0, 0));
    EXPECT_EQ(0, Send(TVM_HITTEST, 0, 0));
    EXPECT_EQ(0, Send(TVM_GETITEMRECT, 0, 0));
    EXPECT_EQ(0, Send(TVM_SORTCHILDRENCB, 0, 0));
    EXPECT_EQ(0, Send(TVM_GETCOLUMN, 0, 0));
    EXPECT_EQ(-1, Send(TVM_INSERTCOLUMN, 0, 0));
    EXPECT_EQ(1, Send(TVM_GETCOUNT));
    // TVI_ROOT where an item is expected.
    EXPECT_EQ(0, Send(TVM_EXPAND, TVE_EXPAND, (LPARAM)TVI_ROOT));
    EXPECT_EQ(0, Send(TVM_GETITEMSTATE, 0, (LPARAM)TVI_ROOT));
    EXPECT_EQ(-1, Send(TVM_GETROWOFITEM, 0, (LPARAM)TVI_ROOT));
    EXPECT_EQ(L"<failed>", Text(TVI_ROOT));
    EXPECT_EQ(-1, Send(TVM_ENSUREVISIBLE, 0, (LPARAM)TVI_ROOT));
    EXPECT_EQ(0, Send(TVM_EDITLABELW, 0, (LPARAM)TVI_ROOT));
    EXPECT_EQ(0, Send(TVM_CREATEDRAGIMAGE, 0, (LPARAM)TVI_ROOT));
    EXPECT_EQ(0, Send(TVM_SELECTITEM, TVGN_CARET, (LPARAM)H(999)));
    EXPECT_EQ(0, Send(TVM_GETITEMSTATE, 0, (LPARAM)H(999)));
    EXPECT_EQ(0, Send(TVM_DELETEITEM, 0, (LPARAM)H(999)));
}

TEST_F(TreeListTest, GrowsTablesBy64Then160AndReusesHandles)
{
    ASSERT_TRUE(Make(0));
    std::vector<HTREEITEM> items;
    for (int i = 0; i < 10; ++i) items.push_back(Insert(TVI_ROOT, L"x"));
    EXPECT_EQ(1u, N(items[0]));
    EXPECT_EQ(10u, N(items[9]));
    ASSERT_TRUE(Send(TVM_DELETEITEM, 0, (LPARAM)items[4]));
    // The search goes on after the last handle given out.
    EXPECT_EQ(11u, N(Insert(TVI_ROOT, L"x")));
    for (int i = 12; i <= 64; ++i) ASSERT_EQ((UINT_PTR)i, N(Insert(TVI_ROOT, L"x")));
    // A capacity of 64: the search wraps to the free slot 5 instead of growing.
    EXPECT_EQ(5u, N(Insert(TVI_ROOT, L"x")));
    EXPECT_EQ(65u, N(Insert(TVI_ROOT, L"x")));  // the 65th item grows the tables
    for (int i = 66; i <= 160; ++i) ASSERT_EQ((UINT_PTR)i, N(Insert(TVI_ROOT, L"x")));
    ASSERT_TRUE(Send(TVM_DELETEITEM, 0, (LPARAM)H(70)));
    EXPECT_EQ(70u, N(Insert(TVI_ROOT, L"x")));  // capacity 160: wraps again
    EXPECT_EQ(161u, N(Insert(TVI_ROOT, L"x")));
    EXPECT_EQ(161, Send(TVM_GETCOUNT));
}

TEST_F(TreeListTest, ReadsAndWritesItemsAndCells)
{
    ASSERT_TRUE(Make(TVS_CHECKBOXES));
    AddColumn(L"name", 100);
    AddColumn(L"value", 80);
    AddColumn(L"note", 80);
    TVITEMW fields = {};
    fields.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_CHILDREN;
    fields.pszText = const_cast<wchar_t*>(L"item");
    fields.lParam = 77;
    fields.iImage = 3;
    fields.cChildren = 1;
    HTREEITEM item = InsertWith(TVI_ROOT, TVI_LAST, fields);
    // A check box list gives new items state image 1; TVIS_EXPANDEDONCE is always set.
    EXPECT_EQ((UINT)(INDEXTOSTATEIMAGEMASK(1) | TVIS_EXPANDEDONCE), State(item));

    TVITEMW query = {};
    query.mask = TVIF_PARAM | TVIF_IMAGE | TVIF_CHILDREN | TVIF_SELECTEDIMAGE;
    query.hItem = item;
    ASSERT_TRUE(Send(TVM_GETITEMW, 0, (LPARAM)&query));
    EXPECT_EQ(77, query.lParam);
    EXPECT_EQ(3, query.iImage);
    EXPECT_EQ(0, query.iSelectedImage);
    EXPECT_EQ(1, query.cChildren);  // shows a button although it has no child yet

    // A cell without text: the empty string and 0; with text: the stored pointer.
    TVITEMW cell = {};
    cell.mask = TVIF_TEXT | TVIF_SUBITEM | TVIF_TEXTPTR | TVIF_IMAGE | TVIF_STATE;
    cell.hItem = item;
    cell.cChildren = 1;
    ASSERT_TRUE(Send(TVM_GETITEMW, 0, (LPARAM)&cell));
    EXPECT_STREQ(L"", cell.pszText);
    EXPECT_EQ(0, cell.cchTextMax);
    EXPECT_EQ((int)0xFFFFFFFE, cell.iImage);
    ASSERT_TRUE(SetCellText(item, 1, L"twelve"));
    ASSERT_TRUE(Send(TVM_GETITEMW, 0, (LPARAM)&cell));
    EXPECT_STREQ(L"twelve", cell.pszText);
    EXPECT_EQ(7, cell.cchTextMax);
    const wchar_t* stored = cell.pszText;
    ASSERT_TRUE(SetCellText(item, 1, L"ten"));  // a shorter text reuses the buffer
    ASSERT_TRUE(Send(TVM_GETITEMW, 0, (LPARAM)&cell));
    EXPECT_EQ(stored, cell.pszText);
    EXPECT_EQ(L"ten", Text(item, 1));

    // A copy is cut to cchTextMax - 1 characters.
    wchar_t small[4] = L"zzz";
    TVITEMW copy = {};
    copy.mask = TVIF_TEXT;
    copy.hItem = item;
    copy.pszText = small;
    copy.cchTextMax = 3;
    ASSERT_TRUE(Send(TVM_GETITEMW, 0, (LPARAM)&copy));
    EXPECT_STREQ(L"it", small);

    // Cell state: the item's expansion bits never show; TVIF_PARAM still goes to the item.
    TVITEMW set = {};
    set.mask = TVIF_STATE | TVIF_SUBITEM | TVIF_PARAM;
    set.hItem = item;
    set.cChildren = 2;
    set.state = TVIS_BOLD | TVIS_CUT;
    set.stateMask = TVIS_BOLD | TVIS_CUT;
    set.lParam = 99;
    ASSERT_TRUE(Send(TVM_SETITEMW, 0, (LPARAM)&set));
    cell.mask = TVIF_STATE | TVIF_SUBITEM | TVIF_PARAM;
    cell.cChildren = 2;
    ASSERT_TRUE(Send(TVM_GETITEMW, 0, (LPARAM)&cell));
    EXPECT_EQ((UINT)(TVIS_BOLD | TVIS_CUT), cell.state);
    EXPECT_EQ(99, cell.lParam);

    // A column at or beyond the count leaves the structure as it was.
    TVITEMW beyond = {};
    beyond.mask = TVIF_TEXT | TVIF_SUBITEM | TVIF_PARAM;
    beyond.hItem = item;
    beyond.lParam = 1234;
    beyond.cChildren = 5;
    EXPECT_EQ(0, Send(TVM_GETITEMW, 0, (LPARAM)&beyond));
    EXPECT_EQ(1234, beyond.lParam);
    EXPECT_EQ(0, Send(TVM_SETITEMW, 0, (LPARAM)&beyond));
}

TEST_F(TreeListTest, StoresLongTextsAndCallbacks)
{
    ASSERT_TRUE(Make(0));
    std::wstring longText(100000, L'x');
    HTREEITEM item = Insert(TVI_ROOT, longText.c_str());
    TVITEMW query = {};
    query.mask = TVIF_TEXT | TVIF_TEXTPTR;
    query.hItem = item;
    ASSERT_TRUE(Send(TVM_GETITEMW, 0, (LPARAM)&query));
    EXPECT_EQ(0xFFFF, query.cchTextMax);  // lengths are kept in 16 bits
    EXPECT_EQ(0xFFFEu, wcslen(query.pszText));

    TVITEMW callback = {};
    callback.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_CHILDREN;
    callback.hItem = item;
    callback.pszText = LPSTR_TEXTCALLBACKW;
    callback.iImage = I_IMAGECALLBACK;
    callback.cChildren = I_CHILDRENCALLBACK;
    ASSERT_TRUE(Send(TVM_SETITEMW, 0, (LPARAM)&callback));
    EXPECT_EQ(L"<callback>", Text(item));
    query.mask = TVIF_IMAGE | TVIF_CHILDREN;
    ASSERT_TRUE(Send(TVM_GETITEMW, 0, (LPARAM)&query));
    EXPECT_EQ(I_IMAGECALLBACK, query.iImage);
    EXPECT_EQ(I_CHILDRENCALLBACK, query.cChildren);
    EXPECT_EQ(0u, host->countNotify(TVN_GETDISPINFOW));  // reading sends nothing
}

TEST_F(TreeListTest, KeepsUserDataAreaOnlyWhileEmpty)
{
    ASSERT_TRUE(Make(0));
    EXPECT_EQ(0, Send(TVM_GETUSERDATASIZE));
    HTREEITEM first = Insert(TVI_ROOT, L"a");
    EXPECT_EQ(0, Send(TVM_GETUSERDATA, 0, (LPARAM)first));  // size 0: no area
    EXPECT_EQ(0, Send(TVM_SETUSERDATASIZE, 16));            // refused while items exist
    Send(TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
    EXPECT_EQ(0, Send(TVM_SETUSERDATASIZE, TREELIST_MAX_USERDATA + 1));
    ASSERT_EQ(1, Send(TVM_SETUSERDATASIZE, 24));
    EXPECT_EQ(24, Send(TVM_GETUSERDATASIZE));
    HTREEITEM a = Insert(TVI_ROOT, L"a"), b = Insert(TVI_ROOT, L"b");
    BYTE* areaA = (BYTE*)Send(TVM_GETUSERDATA, 0, (LPARAM)a);
    BYTE* areaB = (BYTE*)Send(TVM_GETUSERDATA, 0, (LPARAM)b);
    ASSERT_NE(nullptr, areaA);
    ASSERT_NE(nullptr, areaB);
    for (int i = 0; i < 24; ++i) EXPECT_EQ(0, areaA[i]);
    memset(areaA, 0xAB, 24);
    memset(areaB, 0xCD, 24);
    EXPECT_EQ(L"a", Text(a));
    EXPECT_EQ(L"b", Text(b));
    EXPECT_EQ(0xAB, areaA[23]);
    EXPECT_EQ(0, Send(TVM_GETUSERDATA, 0, (LPARAM)H(999)));
}

TEST_F(TreeListTest, NavigatesWithEveryCode)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS, 300, 200));
    std::vector<HTREEITEM> roots;
    FillTwoLevels(3, 2, &roots);
    HTREEITEM child = Next(roots[1], TVGN_CHILD);
    EXPECT_EQ(roots[0], Next(nullptr, TVGN_ROOT));
    EXPECT_EQ(roots[0], Next(TVI_ROOT, TVGN_CHILD));
    EXPECT_EQ(roots[2], Next(roots[1], TVGN_NEXT));
    EXPECT_EQ(roots[0], Next(roots[1], TVGN_PREVIOUS));
    EXPECT_EQ(roots[1], Next(child, TVGN_PARENT));
    EXPECT_EQ(L"1.0", Text(child));
    EXPECT_EQ(roots[0], Next(nullptr, TVGN_FIRSTVISIBLE));
    EXPECT_EQ(roots[2], Next(nullptr, TVGN_LASTVISIBLE));
    EXPECT_EQ(roots[1], Next(roots[0], TVGN_NEXTVISIBLE));
    EXPECT_EQ(nullptr, Next(roots[2], TVGN_NEXTVISIBLE));
    EXPECT_EQ(nullptr, Next(roots[0], TVGN_PREVIOUSVISIBLE));
    EXPECT_EQ(nullptr, Next(child, TVGN_NEXTVISIBLE));  // hidden under a collapsed parent
    EXPECT_EQ(nullptr, Next(nullptr, 14));
    EXPECT_EQ(nullptr, Next(nullptr, 18));
    EXPECT_EQ(nullptr, Next(H(999), TVGN_NEXT));

    // Selection codes: the caret, its column, the next selected items in pre-order.
    Send(TVM_SETEXTENDEDSTYLE, TLX_MULTISELECT, TLX_MULTISELECT);
    ASSERT_TRUE(Select(roots[1]));
    TVITEMW change = {};
    change.mask = TVIF_STATE;
    change.stateMask = change.state = TVIS_SELECTED;
    change.hItem = child;
    ASSERT_TRUE(Send(TVM_SETITEMW, 0, (LPARAM)&change));  // adds to the selection, the caret moves
    EXPECT_EQ(child, Selected());
    EXPECT_EQ(roots[1], Next(TVI_ROOT, TVGN_NEXTSELECTED));
    EXPECT_EQ(child, Next(roots[1], TVGN_NEXTSELECTED));
    EXPECT_EQ(nullptr, Next(child, TVGN_NEXTSELECTED));
    EXPECT_EQ(child, Next(roots[1], TVGN_NEXTSELCHILD));
    EXPECT_EQ(nullptr, Next(roots[0], TVGN_NEXTSELCHILD));
    EXPECT_EQ(child, Next(nullptr, TVGN_FOCUS));  // no focus item: the caret
    EXPECT_EQ(0, Send(TVM_GETNEXTITEM, TVGN_CARETSUB, 0));
    EXPECT_EQ(0, Send(TVM_GETNEXTITEM, TVGN_FOCUSSUB, 0));
    Send(TVM_SELECTITEM, TVGN_DROPHILITE, (LPARAM)roots[2]);
    EXPECT_EQ(roots[2], Next(nullptr, TVGN_DROPHILITE));
    EXPECT_EQ(0, Send(TVM_GETNEXTITEM, TVGN_DROPHILITESUB, 0));
}

TEST_F(TreeListTest, DeletesChildrenFirstAndTellsTheParent)
{
    ASSERT_TRUE(Make(0));
    HTREEITEM a = Insert(TVI_ROOT, L"a");
    HTREEITEM a1 = Insert(a, L"a1");
    HTREEITEM a2 = Insert(a, L"a2");
    HTREEITEM a21 = Insert(a2, L"a21");
    HTREEITEM b = Insert(TVI_ROOT, L"b");
    Select(a2);
    host->clear();
    ASSERT_EQ(1, Send(TVM_DELETEITEM, 0, (LPARAM)a));
    std::vector<UINT_PTR> order;
    for (const auto& m : host->notifications(TVN_DELETEITEMW)) {
        const NMTREEVIEWW nm = m.as<NMTREEVIEWW>();
        EXPECT_EQ((UINT)(TVIF_HANDLE | TVIF_PARAM), nm.itemOld.mask);
        order.push_back(N(nm.itemOld.hItem));
    }
    EXPECT_THAT(order, ElementsAre(N(a21), N(a2), N(a1), N(a)));
    EXPECT_EQ(nullptr, Selected());  // the deleted selection is cleared
    EXPECT_EQ(1, Send(TVM_GETCOUNT));
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
