// Mouse and keyboard: buttons, check boxes, clicks with their notifications, drag start
// and arrow keys.
#include "treelist_fixture.h"

namespace treelist_test {
namespace {

TEST_F(TreeListTest, ButtonsCheckBoxesAndClicks)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_LINESATROOT | TVS_CHECKBOXES));
    const auto roots = FillTwoLevels(2, 2);
    const int y = Centre(ItemRect(roots[0])).y;
    for (UINT expanded : {(UINT)TVIS_EXPANDED, 0u}) {
        Click({7, y});  // the button
        EXPECT_EQ(expanded, State(roots[0]) & TVIS_EXPANDED);
    }
    for (UINT image : {2u, 1u}) {
        Click({19 + 8, y});  // the check box
        EXPECT_EQ(INDEXTOSTATEIMAGEMASK(image), State(roots[0]) & TVIS_STATEIMAGEMASK);
    }

    host->clear();
    const POINT label = LabelPoint(roots[1]);
    Click(label);
    EXPECT_EQ(roots[1], Selected());
    EXPECT_EQ(1u, host->notifications(TVN_SELCHANGINGW).at(0).as<NMTREEVIEWW>().action);  // by mouse
    ASSERT_EQ(1u, host->countNotify(NM_CLICK));
    const NMTREEVIEWW click = host->notifications(NM_CLICK)[0].as<NMTREEVIEWW>();
    EXPECT_EQ(0x401Cu, click.itemNew.mask);
    EXPECT_EQ(roots[1], click.itemNew.hItem);
    EXPECT_EQ(label.x, click.ptDrag.x);
    Click(label, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(State(roots[1]) & TVIS_EXPANDED);
    EXPECT_EQ(1u, host->countNotify(NM_DBLCLK));
    Click(label, WM_RBUTTONDOWN);
    EXPECT_EQ(1u, host->countNotify(NM_RCLICK));
    // A drag starts on a move with the button still down, not after its release.
    Send(WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(label.x + 10, label.y));
    EXPECT_EQ(0u, host->countNotify(TVN_BEGINRDRAGW));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(label.x, label.y));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(label.x + 10, label.y));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(label.x + 20, label.y));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(label.x + 20, label.y));
    ASSERT_EQ(1u, host->countNotify(TVN_BEGINDRAGW));
    const NMTREEVIEWW drag = host->notifications(TVN_BEGINDRAGW)[0].as<NMTREEVIEWW>();
    EXPECT_EQ(roots[1], drag.itemNew.hItem);
    EXPECT_EQ(1u, drag.action);  // expanded
    EXPECT_EQ(label.x + 10, drag.ptDrag.x);
    // Disabled: no input at all.
    EnableWindow(tree, FALSE);
    host->clear();
    Click(label, WM_LBUTTONDBLCLK);
    Key(VK_UP);
    EXPECT_TRUE(State(roots[1]) & TVIS_EXPANDED);
    EXPECT_EQ(0u, host->notifications().size());
}

TEST_F(TreeListTest, ArrowKeysMoveExpandAndCollapse)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_CHECKBOXES));
    const auto roots = FillTwoLevels(3, 2);
    Key(VK_DOWN);
    EXPECT_EQ(roots[0], Selected());
    // Right opens, then steps in; Left steps out of a collapsed child, then collapses.
    const struct { WPARAM key; HTREEITEM selected; bool rootOneOpen; } steps[] = {
        {VK_DOWN, roots[1], false}, {VK_RIGHT, roots[1], true}, {VK_RIGHT, Next(roots[1], TVGN_CHILD), true},
        {VK_LEFT, roots[1], true},  {VK_LEFT, roots[1], false}, {VK_END, roots[2], false},
        {VK_HOME, roots[0], false},
    };
    for (const auto& s : steps) {
        Key(s.key);
        EXPECT_EQ(s.selected, Selected()) << "key " << s.key;
        EXPECT_EQ(s.rootOneOpen, (State(roots[1]) & TVIS_EXPANDED) != 0) << "key " << s.key;
    }
    EXPECT_EQ(2u, host->notifications(TVN_SELCHANGINGW).back().as<NMTREEVIEWW>().action);  // by keyboard
    Key(VK_SPACE);  // check box of the selected item
    EXPECT_EQ((UINT)INDEXTOSTATEIMAGEMASK(2), State(roots[0]) & TVIS_STATEIMAGEMASK);
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

}  // namespace
}  // namespace treelist_test
