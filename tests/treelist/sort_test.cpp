// Sorting children by text and by the caller's comparison, and what the window
// answers while a sort runs.
#include <cwchar>
#include <optional>
#include <set>

#include "treelist_fixture.h"

namespace treelist_test {
namespace {

using ::testing::ElementsAre;

class SortTest : public TreeListTest {
protected:
    std::vector<std::wstring> Children(HTREEITEM parent)
    {
        std::vector<std::wstring> texts;
        for (HTREEITEM h = Next(parent, TVGN_CHILD); h; h = Next(h, TVGN_NEXT)) texts.push_back(Text(h));
        return texts;
    }
};

TEST_F(SortTest, SortsByTextRecursivelyAndKeepsRowsInStep)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS));
    HTREEITEM c = Insert(TVI_ROOT, L"charlie");
    HTREEITEM a = Insert(TVI_ROOT, L"Alpha");
    Insert(TVI_ROOT, L"bravo");
    Insert(a, L"z");
    Insert(a, L"Y");
    Insert(a, L"x");
    Insert(c, L"2");
    Insert(c, L"1");
    Expand(a);
    ASSERT_EQ(1, Send(TVM_SORTCHILDREN, 0, (LPARAM)TVI_ROOT));
    EXPECT_THAT(Children(TVI_ROOT), ElementsAre(L"Alpha", L"bravo", L"charlie"));
    EXPECT_THAT(Children(a), ElementsAre(L"z", L"Y", L"x"));  // not recursive
    EXPECT_THAT(RowTexts(), ElementsAre(L"Alpha", L"z", L"Y", L"x", L"bravo", L"charlie"));
    ASSERT_EQ(1, Send(TVM_SORTCHILDREN, 1, (LPARAM)TVI_ROOT));
    EXPECT_THAT(Children(a), ElementsAre(L"x", L"Y", L"z"));
    EXPECT_THAT(Children(c), ElementsAre(L"1", L"2"));
    EXPECT_THAT(RowTexts(), ElementsAre(L"Alpha", L"x", L"Y", L"z", L"bravo", L"charlie"));
    EXPECT_EQ(0, Send(TVM_SORTCHILDREN, 0, (LPARAM)H(999)));
    EXPECT_EQ(1, Send(TVM_SORTCHILDREN, 0, (LPARAM)Next(a, TVGN_CHILD)));  // no children: nothing to do
}

TEST_F(SortTest, SortsLargeLevelsAndCallbackTexts)
{
    ASSERT_TRUE(Make(0));
    HTREEITEM parent = Insert(TVI_ROOT, L"p");
    std::vector<HTREEITEM> items;
    for (int i = 0; i < 1000; ++i) {
        TVITEMW fields = {};
        fields.mask = TVIF_TEXT | TVIF_PARAM;
        fields.pszText = LPSTR_TEXTCALLBACKW;
        fields.lParam = (i * 7919) % 1000;  // a permutation of 0..999
        items.push_back(InsertWith(parent, TVI_LAST, fields));
    }
    // The parent answers callbacks with the number, zero-padded.
    host->onMessage([](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT> {
        if (m.notifyCode != TVN_GETDISPINFOW) return std::nullopt;
        NMTVDISPINFOW* info = (NMTVDISPINFOW*)m.lParam;
        EXPECT_EQ(259, info->item.cchTextMax);
        swprintf(info->item.pszText, info->item.cchTextMax, L"%04d", (int)info->item.lParam);
        return 0;
    });
    ASSERT_EQ(1, Send(TVM_SORTCHILDREN, 0, (LPARAM)parent));
    int expected = 0;
    for (HTREEITEM h = Next(parent, TVGN_CHILD); h; h = Next(h, TVGN_NEXT), ++expected) {
        TVITEMW query = {};
        query.mask = TVIF_PARAM;
        query.hItem = h;
        Send(TVM_GETITEMW, 0, (LPARAM)&query);
        ASSERT_EQ(expected, query.lParam);
    }
    EXPECT_EQ(1000, expected);
    // The two buffers differ, so that both texts of a comparison are held at once.
    std::set<const wchar_t*> buffers;
    for (const auto& m : host->notifications(TVN_GETDISPINFOW)) buffers.insert(m.as<NMTVDISPINFOW>().item.pszText);
    EXPECT_EQ(2u, buffers.size());
}

struct SortContext {
    HWND tree;
    int calls;
    LRESULT insertedDuringSort;
    LRESULT deletedDuringSort;
    LRESULT countDuringSort;
};

int CALLBACK ReverseByParam(LPARAM a, LPARAM b, LPARAM context)
{
    SortContext* c = (SortContext*)context;
    if (c->calls++ == 0) {
        // Messages sent back while the sort runs: reads work, changes of the item set are refused.
        TVINSERTSTRUCTW insert = {};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        c->insertedDuringSort = SendMessageW(c->tree, TVM_INSERTITEMW, 0, (LPARAM)&insert);
        c->deletedDuringSort = SendMessageW(c->tree, TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
        c->countDuringSort = SendMessageW(c->tree, TVM_GETCOUNT, 0, 0);
        SendMessageW(c->tree, TVM_SORTCHILDREN, 0, (LPARAM)TVI_ROOT);  // no nested sort
    }
    return (int)(b - a);
}

TEST_F(SortTest, SortsWithTheCallersFunctionAndRefusesChangesMeanwhile)
{
    ASSERT_TRUE(Make(0));
    for (int i = 0; i < 5; ++i) {
        std::wstring text = std::to_wstring(i);
        TVITEMW fields = {};
        fields.mask = TVIF_TEXT | TVIF_PARAM;
        fields.pszText = text.data();
        fields.lParam = i;
        InsertWith(TVI_ROOT, TVI_LAST, fields);
    }
    SortContext context = {tree, 0, -1, -1, -1};
    TVSORTCB sort = {TVI_ROOT, ReverseByParam, (LPARAM)&context};
    ASSERT_EQ(1, Send(TVM_SORTCHILDRENCB, 0, (LPARAM)&sort));
    EXPECT_THAT(Children(TVI_ROOT), ElementsAre(L"4", L"3", L"2", L"1", L"0"));
    EXPECT_GT(context.calls, 0);
    EXPECT_EQ(0, context.insertedDuringSort);
    EXPECT_EQ(0, context.deletedDuringSort);
    EXPECT_EQ(5, context.countDuringSort);
    EXPECT_EQ(5, Send(TVM_GETCOUNT));
    TVSORTCB noFunction = {TVI_ROOT, nullptr, 0};
    EXPECT_EQ(0, Send(TVM_SORTCHILDRENCB, 0, (LPARAM)&noFunction));
}

}  // namespace
}  // namespace treelist_test
