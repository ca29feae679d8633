// A parent that changes the header while it is told of a border drag.
#include "headwnd_fixture.h"

using headtest::HeadWndTest;

TEST_F(HeadWndTest, AParentThatDeletesItemsDuringADragLeavesTheDragSafe)
{
    appendGroupHeader();
    int sizes = 0;
    host.onMessage(
        [&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (m.message == UM_HEADSIZE)
            {
                ++sizes;
                while (head.GetItemCount() > 1)
                    head.DeleteItem(head.GetItemCount() - 1);
            }
            return std::nullopt;
        });
    send(WM_LBUTTONDOWN, 169, 30, MK_LBUTTON);   // right border of 縣市
    send(WM_MOUSEMOVE, 189, 30, MK_LBUTTON);
    send(WM_MOUSEMOVE, 209, 30, MK_LBUTTON);   // the item is gone: nothing to drag
    send(WM_LBUTTONUP, 209, 30);
    EXPECT_EQ(sizes, 1);
    ASSERT_EQ(head.GetItemCount(), 1);
    EXPECT_EQ(width(0), 100) << "the remaining item is untouched";
    EXPECT_EQ(head.GetWidth(), 100);
}
