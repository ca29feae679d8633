// Mouse and keyboard on the TreeList window: buttons, check boxes, clicks with their
// notifications, drag start, arrow keys, Shift ranges and Ctrl scrolling.
#include "treelist_fixture.h"

namespace treelist_test {
namespace {

using ::testing::ElementsAre;

class InputTest : public TreeListTest {
protected:
    POINT LabelPoint(HTREEITEM item)
    {
        const RECT r = ItemRect(item, 1);
        return {r.left + 4, (r.top + r.bottom) / 2};
    }
    std::vector<HTREEITEM> SelectedItems()
    {
        std::vector<HTREEITEM> items;
        for (HTREEITEM h = Next(TVI_ROOT, TVGN_NEXTSELECTED); h; h = Next(h, TVGN_NEXTSELECTED)) items.push_back(h);
        return items;
    }
};

TEST_F(InputTest, ButtonsCheckBoxesAndClicks)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_LINESATROOT | TVS_CHECKBOXES));
    std::vector<HTREEITEM> roots;
    FillTwoLevels(2, 2, &roots);
    const RECT row = ItemRect(roots[0]);
    const int y = (row.top + row.bottom) / 2;
    Click(7, y);  // on the button
    EXPECT_TRUE(State(roots[0]) & TVIS_EXPANDED);
    Expand(roots[0], TVE_EXPAND | TVE_EXPANDPARTIAL);
    Click(7, y);  // expanded and partial: only the partial state goes
    EXPECT_EQ((UINT)TVIS_EXPANDED, State(roots[0]) & (TVIS_EXPANDED | TVIS_EXPANDPARTIAL));
    Click(7, y);
    EXPECT_FALSE(State(roots[0]) & TVIS_EXPANDED);

    Click(19 + 8, y);  // the check box: 1 -> 2 -> 1
    EXPECT_EQ((UINT)INDEXTOSTATEIMAGEMASK(2), State(roots[0]) & TVIS_STATEIMAGEMASK);
    Click(19 + 8, y);
    EXPECT_EQ((UINT)INDEXTOSTATEIMAGEMASK(1), State(roots[0]) & TVIS_STATEIMAGEMASK);

    host->clear();
    const POINT label = LabelPoint(roots[1]);
    Click(label.x, label.y);
    EXPECT_EQ(roots[1], Selected());
    const NMTREEVIEWW select = host->notifications(TVN_SELCHANGINGW)[0].as<NMTREEVIEWW>();
    EXPECT_EQ(1u, select.action);  // by mouse
    const auto clicks = host->notifications(NM_CLICK);
    ASSERT_EQ(1u, clicks.size());
    const NMTREEVIEWW click = clicks[0].as<NMTREEVIEWW>();
    EXPECT_EQ(0x401Cu, click.itemNew.mask);
    EXPECT_EQ(roots[1], click.itemNew.hItem);
    EXPECT_EQ(label.x, click.ptDrag.x);
    Click(label.x, label.y, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(State(roots[1]) & TVIS_EXPANDED);
    EXPECT_EQ(1u, host->countNotify(NM_DBLCLK));
    Click(label.x, label.y, WM_RBUTTONDOWN);
    EXPECT_EQ(1u, host->countNotify(NM_RCLICK));

    // Disabled: no input at all.
    EnableWindow(tree, FALSE);
    host->clear();
    Click(label.x, label.y, WM_LBUTTONDBLCLK);
    Key(VK_UP);
    EXPECT_TRUE(State(roots[1]) & TVIS_EXPANDED);
    EXPECT_EQ(0u, host->notifications().size());
}

TEST_F(InputTest, DragStartsOnMoveWithTheArmedButton)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS));
    HTREEITEM item = Insert(TVI_ROOT, L"drag");
    const POINT label = LabelPoint(item);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(label.x, label.y));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(label.x + 10, label.y));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(label.x + 20, label.y));
    const auto drags = host->notifications(TVN_BEGINDRAGW);
    ASSERT_EQ(1u, drags.size());
    const NMTREEVIEWW nm = drags[0].as<NMTREEVIEWW>();
    EXPECT_EQ(item, nm.itemNew.hItem);
    EXPECT_EQ(2u, nm.action);  // not expanded
    EXPECT_EQ(label.x + 10, nm.ptDrag.x);
    Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(label.x, label.y));
    Send(WM_RBUTTONUP, 0, MAKELPARAM(label.x, label.y));
    Send(WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(label.x + 10, label.y));
    EXPECT_EQ(0u, host->countNotify(TVN_BEGINRDRAGW));  // released before the move
}

TEST_F(InputTest, ArrowKeysMoveExpandAndCollapse)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_CHECKBOXES));
    std::vector<HTREEITEM> roots;
    FillTwoLevels(3, 2, &roots);
    Key(VK_DOWN);
    EXPECT_EQ(roots[0], Selected());
    Key(VK_DOWN);
    EXPECT_EQ(roots[1], Selected());
    const NMTREEVIEWW nm = host->notifications(TVN_SELCHANGINGW).back().as<NMTREEVIEWW>();
    EXPECT_EQ(2u, nm.action);  // by keyboard
    Key(VK_RIGHT);
    EXPECT_TRUE(State(roots[1]) & TVIS_EXPANDED);
    Key(VK_RIGHT);
    EXPECT_EQ(Next(roots[1], TVGN_CHILD), Selected());
    Key(VK_LEFT);  // a collapsed child: to its parent
    EXPECT_EQ(roots[1], Selected());
    Key(VK_LEFT);  // an expanded item: collapse
    EXPECT_FALSE(State(roots[1]) & TVIS_EXPANDED);
    Key(VK_END);
    EXPECT_EQ(roots[2], Selected());
    Key(VK_HOME);
    EXPECT_EQ(roots[0], Selected());
    Key(VK_SPACE);  // check box of the selected item
    EXPECT_EQ((UINT)INDEXTOSTATEIMAGEMASK(2), State(roots[0]) & TVIS_STATEIMAGEMASK);
    Key(VK_SPACE);
    EXPECT_EQ((UINT)INDEXTOSTATEIMAGEMASK(1), State(roots[0]) & TVIS_STATEIMAGEMASK);
    host->clear();
    Key(VK_RETURN);
    EXPECT_EQ(1u, host->countNotify(NM_RETURN));
    EXPECT_EQ(0u, host->countNotify(TVN_KEYDOWN));
    Key(VK_UP);
    EXPECT_EQ(1u, host->countNotify(TVN_KEYDOWN));
    EXPECT_EQ(DLGC_WANTARROWS | DLGC_WANTCHARS, Send(WM_GETDLGCODE));
    MSG ret = {tree, WM_KEYDOWN, VK_RETURN, 0};
    EXPECT_EQ(DLGC_WANTALLKEYS, Send(WM_GETDLGCODE, VK_RETURN, (LPARAM)&ret));
}

TEST_F(InputTest, ShiftExtendsARangeInMultiSelection)
{
    ASSERT_TRUE(Make(0));
    Send(TVM_SETEXTENDEDSTYLE, TLX_MULTISELECT, TLX_MULTISELECT);
    std::vector<HTREEITEM> items;
    for (int i = 0; i < 6; ++i) items.push_back(Insert(TVI_ROOT, std::to_wstring(i).c_str()));
    const POINT p = LabelPoint(items[1]);
    Click(p.x, p.y);  // the anchor
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
    EXPECT_THAT(SelectedItems(), ElementsAre(items[5]));
}

TEST_F(InputTest, CtrlKeysScrollWithoutMovingTheSelection)
{
    ASSERT_TRUE(Make(0, 300, 150));
    std::vector<HTREEITEM> items;
    for (int i = 0; i < 50; ++i) items.push_back(Insert(TVI_ROOT, std::to_wstring(i).c_str()));
    Select(items[0]);
    SetKeyDown(VK_CONTROL, true);
    Key(VK_DOWN);
    EXPECT_EQ(items[1], Next(nullptr, TVGN_FIRSTVISIBLE));
    EXPECT_EQ(items[0], Selected());
    Key(VK_END);
    EXPECT_EQ(items[49], Next(nullptr, TVGN_LASTVISIBLE));
    EXPECT_GT(RowOf(Next(nullptr, TVGN_FIRSTVISIBLE)), 30);
    Key(VK_HOME);
    EXPECT_EQ(items[0], Next(nullptr, TVGN_FIRSTVISIBLE));
    Key(VK_NEXT);  // the client width taken as rows: to the end
    EXPECT_GT(RowOf(Next(nullptr, TVGN_FIRSTVISIBLE)), 30);
    SetKeyDown(VK_CONTROL, false);
    EXPECT_EQ(items[0], Selected());
}

}  // namespace
}  // namespace treelist_test
