// The row table, expanding and collapsing with notifications and veto, and bringing
// items into view.
#include "treelist_fixture.h"

namespace treelist_test {
namespace {

TEST_F(TreeListTest, RowsFollowExpansionInPreorderWithVetoPartialAndReset)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_HASLINES));
    const auto roots = FillTwoLevels(2, 2);
    HTREEITEM child = Next(roots[0], TVGN_CHILD);
    HTREEITEM grandChild = Insert(child, L"0.0.0");
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"1"));
    EXPECT_EQ(-1, RowOf(grandChild));
    EXPECT_EQ(nullptr, ItemAt(-1));
    host->clear();
    ASSERT_TRUE(Expand(roots[0]));
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"0.0", L"0.1", L"1"));
    EXPECT_THAT(host->notifyCodes(), ElementsAre((UINT)TVN_ITEMEXPANDINGW, (UINT)TVN_ITEMEXPANDEDW));
    const NMTREEVIEWW expanding = host->notifications()[0].as<NMTREEVIEWW>();
    EXPECT_EQ((UINT)TVE_EXPAND, expanding.action);
    EXPECT_EQ(roots[0], expanding.itemNew.hItem);
    EXPECT_EQ((UINT)(TVIF_HANDLE | TVIF_STATE | TVIF_PARAM), expanding.itemNew.mask);
    EXPECT_TRUE(expanding.itemNew.state & TVIS_EXPANDED);  // the state after the change
    EXPECT_EQ(0xFFFFFFFFu, expanding.itemNew.stateMask);

    ASSERT_TRUE(Expand(child));
    EXPECT_EQ(2, RowOf(grandChild));
    ASSERT_TRUE(Select(grandChild));
    host->clear();
    ASSERT_TRUE(Expand(roots[0], TVE_COLLAPSE));
    const NMTREEVIEWW collapsing = host->notifications(TVN_ITEMEXPANDINGW).at(0).as<NMTREEVIEWW>();
    EXPECT_EQ((UINT)TVE_COLLAPSE, collapsing.action);
    EXPECT_EQ(0u, collapsing.itemNew.state & (TVIS_EXPANDED | TVIS_EXPANDEDONCE));
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"1"));
    EXPECT_EQ(roots[0], Selected());  // the hidden selection moves to the shown ancestor
    EXPECT_THAT(SelectedItems(), ElementsAre(roots[0]));
    ASSERT_TRUE(Expand(roots[0], TVE_TOGGLE));
    // The grandchild's branch stayed open; an item inserted into an expanded branch shows at once.
    Insert(roots[1], L"1.x", TVI_FIRST);
    Expand(roots[1]);
    Insert(roots[1], L"1.y");
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"0.0", L"0.0.0", L"0.1", L"1", L"1.x", L"1.0", L"1.1", L"1.y"));

    // A veto; a partial expansion, whose toggle only clears the partial bit; collapse and reset.
    HTREEITEM root = Insert(TVI_ROOT, L"2");
    for (const wchar_t* text : {L"2.0", L"2.1"}) Insert(root, text);
    const UINT open = TVIS_EXPANDED | TVIS_EXPANDPARTIAL;
    host->answerNotify(TVN_ITEMEXPANDINGW, 1);
    host->clear();
    EXPECT_FALSE(Expand(root));
    EXPECT_EQ(0u, State(root) & TVIS_EXPANDED);
    EXPECT_EQ(0u, host->countNotify(TVN_ITEMEXPANDEDW));
    host->answerNotify(TVN_ITEMEXPANDINGW, 0);
    ASSERT_TRUE(Expand(root, TVE_EXPAND | TVE_EXPANDPARTIAL));
    EXPECT_EQ(open, State(root) & open);
    ASSERT_TRUE(Expand(root, TVE_TOGGLE));
    EXPECT_EQ((UINT)TVIS_EXPANDED, State(root) & open);
    ASSERT_TRUE(Expand(root, TVE_EXPAND | TVE_EXPANDPARTIAL));  // already open: sets the bit
    EXPECT_EQ(open, State(root) & open);
    EXPECT_EQ(12u, RowTexts().size());
    host->clear();
    ASSERT_TRUE(Expand(root, TVE_COLLAPSE | TVE_COLLAPSERESET));
    EXPECT_EQ(2u, host->countNotify(TVN_DELETEITEMW));
    EXPECT_EQ(nullptr, Next(root, TVGN_CHILD));
    EXPECT_EQ((UINT)TVIS_EXPANDEDONCE, State(root));
    EXPECT_FALSE(Send(TVM_EXPAND, 7, (LPARAM)root));  // no such code
}

TEST_F(TreeListTest, EnsureVisibleExpandsAndScrolls)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS, 300, 200));
    const auto roots = FillTwoLevels(30, 3);
    const int full = (int)Send(TVM_GETVISIBLECOUNT);
    ASSERT_GT(full, 3);
    HTREEITEM deep = Next(roots[20], TVGN_CHILD);
    EXPECT_EQ(0, Send(TVM_ENSUREVISIBLE, TVEV_NOHSCROLL, (LPARAM)deep));  // an ancestor was expanded
    EXPECT_TRUE(State(roots[20]) & TVIS_EXPANDED);
    EXPECT_EQ(21, RowOf(deep));
    EXPECT_EQ(21 - (full - 1), FirstShownRow());  // the row ends up at the bottom
    EXPECT_EQ(1, Send(TVM_ENSUREVISIBLE, TVEV_NOHSCROLL, (LPARAM)roots[0]));
    EXPECT_EQ(0, FirstShownRow());
    EXPECT_EQ(1, Send(TVM_ENSUREVISIBLE, TVEV_TOP, (LPARAM)roots[10]));
    EXPECT_EQ(10, FirstShownRow());
    EXPECT_EQ(0, Send(TVM_SELECTITEM, TVGN_FIRSTVISIBLE, (LPARAM)roots[5]));
    EXPECT_EQ(5, FirstShownRow());
    // A veto of an ancestor's expansion ends with 0 and the item stays hidden.
    host->answerNotify(TVN_ITEMEXPANDINGW, 1);
    HTREEITEM hidden = Next(roots[25], TVGN_CHILD);
    EXPECT_EQ(0, Send(TVM_ENSUREVISIBLE, 0, (LPARAM)hidden));
    EXPECT_EQ(-1, RowOf(hidden));
    EXPECT_EQ(-1, Send(TVM_ENSUREVISIBLE, 0, (LPARAM)H(9999)));
}

}  // namespace
}  // namespace treelist_test
