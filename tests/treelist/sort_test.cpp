// Sorting children by text and by the caller's comparison, and what the window answers
// while a sort runs.
#include <cwchar>
#include <optional>
#include <set>

#include "treelist_fixture.h"

namespace treelist_test {
namespace {

TEST_F(TreeListTest, SortsByTextRecursivelyAndKeepsRowsInStep)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS));
    HTREEITEM c = Insert(TVI_ROOT, L"charlie");
    HTREEITEM a = Insert(TVI_ROOT, L"Alpha");
    Insert(TVI_ROOT, L"bravo");
    for (const wchar_t* text : {L"z", L"Y", L"x"}) Insert(a, text);
    for (const wchar_t* text : {L"2", L"1"}) Insert(c, text);
    Expand(a);
    ASSERT_EQ(1, Send(TVM_SORTCHILDREN, 0, (LPARAM)TVI_ROOT));
    EXPECT_THAT(RowTexts(), ElementsAre(L"Alpha", L"z", L"Y", L"x", L"bravo", L"charlie"));  // not recursive
    ASSERT_EQ(1, Send(TVM_SORTCHILDREN, 1, (LPARAM)TVI_ROOT));
    EXPECT_THAT(RowTexts(), ElementsAre(L"Alpha", L"x", L"Y", L"z", L"bravo", L"charlie"));
    EXPECT_THAT(Children(c), ElementsAre(L"1", L"2"));
    EXPECT_EQ(0, Send(TVM_SORTCHILDREN, 0, (LPARAM)H(999)));
    EXPECT_EQ(1, Send(TVM_SORTCHILDREN, 0, (LPARAM)Next(a, TVGN_CHILD)));  // no children: nothing to do
}

TEST_F(TreeListTest, SortsLargeLevelsByCallbackTexts)
{
    ASSERT_TRUE(Make(0));
    HTREEITEM parent = Insert(TVI_ROOT, L"p");
    for (int i = 0; i < 1000; ++i) InsertCallback(parent, (i * 7919) % 1000);  // a permutation of 0..999
    host->onMessage([](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT> {
        if (m.notifyCode != TVN_GETDISPINFOW) return std::nullopt;
        NMTVDISPINFOW* info = (NMTVDISPINFOW*)m.lParam;
        EXPECT_EQ(259, info->item.cchTextMax);
        swprintf(info->item.pszText, info->item.cchTextMax, L"%04d", (int)info->item.lParam);
        return 0;
    });
    ASSERT_EQ(1, Send(TVM_SORTCHILDREN, 0, (LPARAM)parent));
    int expected = 0;
    for (HTREEITEM h = Next(parent, TVGN_CHILD); h; h = Next(h, TVGN_NEXT), ++expected)
        ASSERT_EQ(expected, Get(h, TVIF_PARAM).lParam);
    EXPECT_EQ(1000, expected);
    // Two buffers, so that both texts of a comparison are held at once.
    std::set<const wchar_t*> buffers;
    for (const auto& m : host->notifications(TVN_GETDISPINFOW)) buffers.insert(m.as<NMTVDISPINFOW>().item.pszText);
    EXPECT_EQ(2u, buffers.size());
}

struct SortContext {
    HWND tree;
    int calls;
    LRESULT inserted, deleted, count;
};

int CALLBACK ReverseByParam(LPARAM a, LPARAM b, LPARAM context)
{
    SortContext* c = (SortContext*)context;
    if (c->calls++ == 0) {
        // Messages sent back while the sort runs: reads work, changes of the item set are refused.
        TVINSERTSTRUCTW insert = {TVI_ROOT, TVI_LAST};
        c->inserted = SendMessageW(c->tree, TVM_INSERTITEMW, 0, (LPARAM)&insert);
        c->deleted = SendMessageW(c->tree, TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
        c->count = SendMessageW(c->tree, TVM_GETCOUNT, 0, 0);
        SendMessageW(c->tree, TVM_SORTCHILDREN, 0, (LPARAM)TVI_ROOT);  // no nested sort
    }
    return (int)(b - a);
}

TEST_F(TreeListTest, SortsWithTheCallersFunctionAndRefusesChangesMeanwhile)
{
    ASSERT_TRUE(Make(0));
    for (int i = 0; i < 5; ++i) Insert(TVI_ROOT, std::to_wstring(i).c_str(), TVI_LAST, i);
    SortContext context = {tree, 0, -1, -1, -1};
    TVSORTCB sort = {TVI_ROOT, ReverseByParam, (LPARAM)&context};
    ASSERT_EQ(1, Send(TVM_SORTCHILDRENCB, 0, (LPARAM)&sort));
    EXPECT_THAT(RowTexts(), ElementsAre(L"4", L"3", L"2", L"1", L"0"));
    EXPECT_GT(context.calls, 0);
    EXPECT_EQ(0, context.inserted);
    EXPECT_EQ(0, context.deleted);
    EXPECT_EQ(5, context.count);
    EXPECT_EQ(5, Send(TVM_GETCOUNT));
    sort.lpfnCompare = nullptr;
    EXPECT_EQ(0, Send(TVM_SORTCHILDRENCB, 0, (LPARAM)&sort));
}

}  // namespace
}  // namespace treelist_test
