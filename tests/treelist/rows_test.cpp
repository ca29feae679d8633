// The row table, expanding and collapsing with notifications and veto, and bringing
// items into view.
#include "treelist_fixture.h"

namespace treelist_test {
namespace {

using ::testing::ElementsAre;

TEST_F(TreeListTest, RowsFollowExpansionInPreorder)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_HASLINES));
    std::vector<HTREEITEM> roots;
    FillTwoLevels(2, 2, &roots);
    HTREEITEM grandChild = Insert(Next(roots[0], TVGN_CHILD), L"0.0.0");
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"1"));
    EXPECT_EQ(-1, RowOf(grandChild));
    EXPECT_EQ(0, RowOf(roots[0]));
    EXPECT_EQ(nullptr, ItemAt(2));  // row count
    EXPECT_EQ(nullptr, ItemAt(-1));

    host->clear();
    ASSERT_TRUE(Expand(roots[0]));
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"0.0", L"0.1", L"1"));
    auto notes = host->notifications();
    ASSERT_EQ(2u, notes.size());
    const NMTREEVIEWW expanding = notes[0].as<NMTREEVIEWW>();
    EXPECT_EQ((UINT)TVN_ITEMEXPANDINGW, notes[0].notifyCode);
    EXPECT_EQ((UINT)TVN_ITEMEXPANDEDW, notes[1].notifyCode);
    EXPECT_EQ((UINT)TVE_EXPAND, expanding.action);
    EXPECT_EQ(roots[0], expanding.itemNew.hItem);
    EXPECT_EQ((UINT)(TVIF_HANDLE | TVIF_STATE | TVIF_PARAM), expanding.itemNew.mask);
    EXPECT_TRUE(expanding.itemNew.state & TVIS_EXPANDED);  // the state after the change
    EXPECT_EQ(0xFFFFFFFFu, expanding.itemNew.stateMask);

    ASSERT_TRUE(Expand(Next(roots[0], TVGN_CHILD)));
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"0.0", L"0.0.0", L"0.1", L"1"));
    EXPECT_EQ(2, RowOf(grandChild));
    host->clear();
    ASSERT_TRUE(Expand(roots[0], TVE_COLLAPSE));
    const NMTREEVIEWW collapsing = host->notifications()[0].as<NMTREEVIEWW>();
    EXPECT_EQ((UINT)TVE_COLLAPSE, collapsing.action);
    EXPECT_EQ(0u, collapsing.itemNew.state & (TVIS_EXPANDED | TVIS_EXPANDEDONCE));
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"1"));
    EXPECT_EQ(-1, RowOf(grandChild));
    ASSERT_TRUE(Expand(roots[0], TVE_TOGGLE));
    EXPECT_EQ(5, (int)RowTexts().size());  // the grandchild's branch stayed open

    // Inserting into an expanded branch shows the new item at once.
    Insert(roots[1], L"1.x", TVI_FIRST);
    Expand(roots[1]);
    EXPECT_THAT(RowTexts(), ElementsAre(L"0", L"0.0", L"0.0.0", L"0.1", L"1", L"1.x", L"1.0", L"1.1"));
    Insert(roots[1], L"1.y");
    EXPECT_EQ(L"1.y", Text(ItemAt(8)));
}

TEST_F(TreeListTest, VetoAndPartialAndCollapseReset)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS));
    std::vector<HTREEITEM> roots;
    FillTwoLevels(1, 3, &roots);
    HTREEITEM root = roots[0];
    host->answerNotify(TVN_ITEMEXPANDINGW, 1);
    EXPECT_FALSE(Expand(root));
    EXPECT_EQ(0u, State(root) & TVIS_EXPANDED);
    EXPECT_EQ(0u, host->countNotify(TVN_ITEMEXPANDEDW));
    host->answerNotify(TVN_ITEMEXPANDINGW, 0);

    ASSERT_TRUE(Expand(root, TVE_EXPAND | TVE_EXPANDPARTIAL));
    EXPECT_EQ((UINT)(TVIS_EXPANDED | TVIS_EXPANDPARTIAL), State(root) & (TVIS_EXPANDED | TVIS_EXPANDPARTIAL));
    ASSERT_TRUE(Expand(root, TVE_TOGGLE));  // expanded and partial: only the partial bit goes
    EXPECT_EQ((UINT)TVIS_EXPANDED, State(root) & (TVIS_EXPANDED | TVIS_EXPANDPARTIAL));
    ASSERT_TRUE(Expand(root, TVE_EXPAND | TVE_EXPANDPARTIAL));  // already open: sets the bit
    EXPECT_TRUE(State(root) & TVIS_EXPANDPARTIAL);
    EXPECT_EQ(4, (int)RowTexts().size());

    host->clear();
    ASSERT_TRUE(Expand(root, TVE_COLLAPSE | TVE_COLLAPSERESET));
    EXPECT_EQ(3u, host->countNotify(TVN_DELETEITEMW));
    EXPECT_EQ(nullptr, Next(root, TVGN_CHILD));
    EXPECT_EQ((UINT)TVIS_EXPANDEDONCE, State(root));
    EXPECT_EQ(1, Send(TVM_GETCOUNT));
    EXPECT_FALSE(Send(TVM_EXPAND, 7, (LPARAM)root));  // no such code
}

TEST_F(TreeListTest, EnsureVisibleExpandsAndScrolls)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS, 300, 200));
    std::vector<HTREEITEM> roots;
    FillTwoLevels(30, 3, &roots);
    const int full = (int)Send(TVM_GETVISIBLECOUNT);
    ASSERT_GT(full, 3);
    HTREEITEM deep = Next(roots[20], TVGN_CHILD);
    EXPECT_EQ(0, Send(TVM_ENSUREVISIBLE, TVEV_NOHSCROLL, (LPARAM)deep));  // an ancestor was expanded
    EXPECT_TRUE(State(roots[20]) & TVIS_EXPANDED);
    const int row = RowOf(deep);
    EXPECT_EQ(21, row);
    HTREEITEM top = Next(nullptr, TVGN_FIRSTVISIBLE);
    EXPECT_EQ(row - (full - 1), RowOf(top));  // the row ends up at the bottom
    EXPECT_EQ(1, Send(TVM_ENSUREVISIBLE, TVEV_NOHSCROLL, (LPARAM)roots[0]));
    EXPECT_EQ(roots[0], Next(nullptr, TVGN_FIRSTVISIBLE));
    EXPECT_EQ(1, Send(TVM_ENSUREVISIBLE, TVEV_TOP, (LPARAM)roots[10]));
    EXPECT_EQ(roots[10], Next(nullptr, TVGN_FIRSTVISIBLE));
    EXPECT_EQ(0, Send(TVM_SELECTITEM, TVGN_FIRSTVISIBLE, (LPARAM)roots[5]));
    EXPECT_EQ(roots[5], Next(nullptr, TVGN_FIRSTVISIBLE));

    // A veto of an ancestor's expansion ends with 0 and the item stays hidden.
    host->answerNotify(TVN_ITEMEXPANDINGW, 1);
    HTREEITEM hidden = Next(roots[25], TVGN_CHILD);
    EXPECT_EQ(0, Send(TVM_ENSUREVISIBLE, 0, (LPARAM)hidden));
    EXPECT_EQ(-1, RowOf(hidden));
    EXPECT_EQ(-1, Send(TVM_ENSUREVISIBLE, 0, (LPARAM)H(9999)));
}

TEST_F(TreeListTest, SelectionMovesToAShownAncestorOnCollapse)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS));
    std::vector<HTREEITEM> roots;
    FillTwoLevels(2, 2, &roots);
    Expand(roots[0]);
    HTREEITEM child = Next(roots[0], TVGN_CHILD);
    ASSERT_TRUE(Select(child));
    Expand(roots[0], TVE_COLLAPSE);
    EXPECT_EQ(roots[0], Selected());
    EXPECT_TRUE(State(roots[0]) & TVIS_SELECTED);
    EXPECT_FALSE(State(child) & TVIS_SELECTED);
}

}  // namespace
}  // namespace treelist_test
