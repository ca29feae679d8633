// CNewTreeListCtrl with the mouse and the keyboard: selecting, the button,
// clicks right of column 0, NM_CLICK, and a parent that deletes items while
// it is being told about them.
#include "newtreelist_fixture.h"

using newtree::NewTreeListTest;

namespace
{

class NewTreeInputTest : public NewTreeListTest
{
protected:
    void SetUp() override
    {
        NewTreeListTest::SetUp();
        addColumns({150, 100});
        ward = add({L"內科", L"12 床"});
        bed = add({L"1 床", L"陳大文"}, ward);
        other = add({L"外科", L"8 床"});
        host.clear();
    }
    void click(int x, int y, UINT message = WM_LBUTTONDOWN)
    {
        ::SendMessageW(tree.GetSafeHwnd(), message, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageW(tree.GetSafeHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    // A point on the item's button, found with the tree's own hit test.
    POINT buttonOf(HTREEITEM item)
    {
        RECT row{};
        tree.GetItemRect(item, &row, FALSE);
        const int y = (row.top + row.bottom) / 2;
        for (int x = 0; x < 150; ++x)
        {
            UINT flags = 0;
            if (tree.HitTest(CPoint(x, y), &flags) == item && (flags & TVHT_ONITEMBUTTON))
                return POINT{x, y};
        }
        ADD_FAILURE() << "no button";
        return POINT{0, y};
    }
    POINT middleOf(HTREEITEM item, int x)
    {
        RECT row{};
        tree.GetItemRect(item, &row, FALSE);
        return POINT{x, (row.top + row.bottom) / 2};
    }
    bool expanded(HTREEITEM item) { return (tree.GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0; }

    HTREEITEM ward = nullptr, bed = nullptr, other = nullptr;
};

}   // namespace

TEST_F(NewTreeInputTest, TheButtonTogglesAndEveryClickEndsInNmClick)
{
    const POINT button = buttonOf(ward);
    click(button.x, button.y);
    EXPECT_TRUE(expanded(ward));
    ASSERT_EQ(host.countNotify(NM_CLICK), 1u);
    const auto note = host.notifications(NM_CLICK)[0];
    EXPECT_EQ(note.hwndFrom, tree.GetSafeHwnd());
    EXPECT_EQ(note.idFrom, UINT_PTR(newtree::kTreeId));
    EXPECT_EQ(note.wParam, WPARAM(newtree::kTreeId));
    EXPECT_EQ(::GetFocus(), tree.GetSafeHwnd());
    click(button.x, button.y);
    EXPECT_FALSE(expanded(ward));

    // Shifted sideways, the button lies at the offset.
    tree.m_nOffset = -4;
    click(button.x - 4, button.y);
    EXPECT_TRUE(expanded(ward));
    tree.m_nOffset = 0;
    EXPECT_EQ(host.countNotify(NM_CLICK), 3u);
}

TEST_F(NewTreeInputTest, ClicksSelectOnTheRowAndOnlySelectRightOfColumnZero)
{
    tree.Expand(ward, TVE_EXPAND);
    RECT label{};
    tree.GetItemRect(bed, &label, TRUE);
    POINT onLabel = middleOf(bed, label.left + 2);
    click(onLabel.x, onLabel.y);
    EXPECT_EQ(tree.GetSelectedItem(), bed);
    EXPECT_GE(host.countNotify(TVN_SELCHANGEDW), 1u);

    // Right of column 0 a click selects and nothing else, even over the tree's button.
    const POINT right = middleOf(other, 200);
    click(right.x, right.y);
    EXPECT_EQ(tree.GetSelectedItem(), other);
    tree.Expand(ward, TVE_COLLAPSE);
    const POINT button = buttonOf(ward);
    HDITEM width{};
    width.mask = HDI_WIDTH;
    width.cxy = button.x - 2;   // column 0 now ends left of the button
    tree.m_wndHeader.SetItem(0, &width);
    click(button.x, button.y);
    EXPECT_FALSE(expanded(ward));
    EXPECT_EQ(tree.GetSelectedItem(), other) << "a button does not select";
    width.cxy = 150;
    tree.m_wndHeader.SetItem(0, &width);

    // A double click right of column 0 only takes the focus; on the label the tree toggles.
    ::SetFocus(host);
    POINT dbl = middleOf(ward, 220);
    click(dbl.x, dbl.y, WM_LBUTTONDBLCLK);
    EXPECT_EQ(::GetFocus(), tree.GetSafeHwnd());
    EXPECT_FALSE(expanded(ward));
    RECT wardLabel{};
    tree.GetItemRect(ward, &wardLabel, TRUE);
    dbl = middleOf(ward, wardLabel.left + 2);
    click(dbl.x, dbl.y, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(expanded(ward));
}

TEST_F(NewTreeInputTest, KeysMoveTheSelectionThroughTheTree)
{
    tree.SelectItem(ward);
    ::SendMessageW(tree.GetSafeHwnd(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(tree.GetSelectedItem(), other) << "the ward is collapsed";
    tree.SelectItem(ward);
    ::SendMessageW(tree.GetSafeHwnd(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_TRUE(expanded(ward));
    ::SendMessageW(tree.GetSafeHwnd(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(tree.GetSelectedItem(), bed);
}

TEST_F(NewTreeInputTest, AParentThatDeletesEverythingWhileBeingToldLeavesNothingBroken)
{
    for (UINT code : {UINT(NM_CLICK), UINT(TVN_SELCHANGINGW), UINT(TVN_SELCHANGEDW), UINT(TVN_ITEMEXPANDINGW)})
    {
        tree.DeleteAllItems();
        ward = add({L"內科", L"12 床"});
        bed = add({L"1 床", L"陳大文"}, ward);
        other = add({L"外科", L"8 床"});
        tree.SelectItem(ward);
        host.clear();
        int calls = 0;
        host.onMessage(
            [&](const qvtest::ReceivedMessage& message) -> std::optional<LRESULT>
            {
                if (message.isNotify() && message.notifyCode == code && calls++ == 0)
                    tree.DeleteAllItems();
                return std::nullopt;
            });
        const POINT button = buttonOf(ward);
        click(button.x, button.y);
        if (tree.GetRootItem() != nullptr)
        {
            RECT label{};
            tree.GetItemRect(other, &label, TRUE);
            click(label.left + 2, (label.top + label.bottom) / 2);
        }
        host.onMessage(nullptr);
        EXPECT_GT(calls, 0) << code;
        EXPECT_EQ(tree.GetItemCount(), 0) << code;
        EXPECT_EQ(tree.GetCount(), 0u) << code;
        qvtest::MemoryCanvas canvas(400, 300);
        CDC dc;
        dc.Attach(canvas.dc());
        tree.OnDraw(&dc);
        dc.Detach();
    }
}
