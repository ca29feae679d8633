// CHeadWnd: clicks reported to the parent, the edge zone and border dragging.
#include "headwnd_fixture.h"

using headtest::HeadWndTest;
using headtest::Item;

namespace {

class HeadMouseTest : public HeadWndTest {
protected:
    void SetUp() override
    {
        HeadWndTest::SetUp();
        head.InsertItem(-1, Item(L"A", 100));
        head.InsertItem(-1, Item(L"B", 80));
        head.InsertItem(-1, Item(L"C", 60));
        host.clear();
    }
};

// A two-row header: A | group G over B and C | D.
class HeadGroupTest : public HeadWndTest {
protected:
    void build(int groupSpan)
    {
        head.InsertItem(-1, Item(L"A", 100));
        head.InsertItem(-1, Item(L"G", 0, groupSpan));
        head.InsertItem(-1, Item(L"B", 70, HEADLEVEL_LOWER));
        head.InsertItem(-1, Item(L"C", 80, HEADLEVEL_LOWER));
        head.InsertItem(-1, Item(L"D", 50));
        host.clear();
    }
};

}  // namespace

TEST_F(HeadMouseTest, HitTestsCountTheItemsLeftOfThePoint)
{
    EXPECT_EQ(head.XToItem(-1), -1);
    EXPECT_EQ(head.XToItem(0), 0);
    EXPECT_EQ(head.XToItem(99), 0);
    EXPECT_EQ(head.XToItem(100), 1);
    EXPECT_EQ(head.XToItem(239), 2);
    EXPECT_EQ(head.XToItem(240), 3) << "right of all items: the count";
    EXPECT_EQ(head.HitTest(CPoint(150, 30)), 1);
}

TEST_F(HeadMouseTest, EdgeZoneIsTheTwoPixelsLeftOfEachBorder)
{
    EXPECT_EQ(head.IsEdge(CPoint(97, 5)), 0);
    EXPECT_EQ(head.IsEdge(CPoint(98, 5)), 1);
    EXPECT_EQ(head.IsEdge(CPoint(99, 5)), 1);
    EXPECT_EQ(head.IsEdge(CPoint(100, 5)), 0) << "the border pixel belongs to the next item";
    EXPECT_EQ(head.IsEdge(CPoint(179, 5)), 2);
    EXPECT_EQ(head.IsEdge(CPoint(238, 5)), 3);
    EXPECT_EQ(head.IsEdge(CPoint(300, 5)), 0);
    head.Free();
    EXPECT_EQ(head.IsEdge(CPoint(0, 0)), 0);
}

TEST_F(HeadMouseTest, ClicksAreReportedAsHeaderNotifications)
{
    send(WM_LBUTTONDOWN, 120, 10);
    send(WM_LBUTTONUP, 120, 10);
    send(WM_RBUTTONDOWN, 20, 10);
    send(WM_LBUTTONDOWN, 300, 10);   // right of the last item: nothing
    send(WM_RBUTTONDOWN, 300, 10);

    const auto clicks = host.notifications(HDN_ITEMCLICKW);
    ASSERT_EQ(clicks.size(), 2u);
    const auto left = clicks[0].as<NMHEADERW>();
    EXPECT_EQ(left.hdr.hwndFrom, head.GetSafeHwnd());
    EXPECT_EQ(left.hdr.idFrom, UINT_PTR(kHeaderId));
    EXPECT_EQ(clicks[0].wParam, WPARAM(kHeaderId));
    EXPECT_EQ(left.iItem, 1);
    EXPECT_EQ(left.iButton, 0);
    EXPECT_EQ(left.pitem, nullptr);
    const auto right = clicks[1].as<NMHEADERW>();
    EXPECT_EQ(right.iItem, 0);
    EXPECT_EQ(right.iButton, 1);
    EXPECT_EQ(host.countNotify(HDN_ITEMDBLCLICKW), 0u);
}

TEST_F(HeadMouseTest, PressOnAnEdgeStartsADragInsteadOfAClick)
{
    send(WM_LBUTTONDOWN, 99, 10);
    EXPECT_EQ(host.countNotify(HDN_ITEMCLICKW), 0u);
    EXPECT_EQ(::GetCapture(), head.GetSafeHwnd());

    send(WM_MOUSEMOVE, 120, 10, MK_LBUTTON);
    EXPECT_EQ(widths(0), 120);
    EXPECT_EQ(lefts(1), 120);
    EXPECT_EQ(lefts(2), 200);
    EXPECT_EQ(head.GetWidth(), 260);
    auto sizes = host.messagesOf(UM_HEADSIZE);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].wParam, 0u);
    EXPECT_EQ(sizes[0].lParam, MAKELONG(260, 24));

    send(WM_MOUSEMOVE, 90, 10, MK_LBUTTON);   // back to narrower than at first
    EXPECT_EQ(widths(0), 90);
    EXPECT_EQ(lefts(2), 170);

    send(WM_MOUSEMOVE, -5, 10, MK_LBUTTON);   // width 0 or less: refused
    EXPECT_EQ(widths(0), 90);
    EXPECT_EQ(host.messagesOf(UM_HEADSIZE).size(), 2u);

    send(WM_LBUTTONUP, 90, 10);
    EXPECT_EQ(::GetCapture(), nullptr);
    send(WM_MOUSEMOVE, 150, 10);   // no drag any more
    EXPECT_EQ(widths(0), 90);
    EXPECT_EQ(host.messagesOf(UM_HEADSIZE).size(), 2u);
}

TEST_F(HeadGroupTest, DraggingALowerRowBorderKeepsTheGroupSpan)
{
    build(150);
    send(WM_LBUTTONDOWN, 169, 30);   // right border of B
    send(WM_MOUSEMOVE, 190, 30, MK_LBUTTON);
    send(WM_LBUTTONUP, 190, 30);

    EXPECT_EQ(widths(2), 90);
    EXPECT_EQ(lefts(3), 190);
    EXPECT_EQ(lefts(4), 270);
    EXPECT_EQ(head.GetHeadParam(1)->nLevel, 170) << "the group spans B and C";
    const auto sizes = host.messagesOf(UM_HEADSIZE);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].wParam, 2u);
    EXPECT_EQ(sizes[0].lParam, MAKELONG(320, 24)) << "the row height, not the total height";
}

TEST_F(HeadGroupTest, ADragThatWouldLeaveTheGroupNarrowerThanTwoPixelsChangesNothing)
{
    build(10);   // a span the caller set smaller than its items
    send(WM_LBUTTONDOWN, 169, 30);
    send(WM_MOUSEMOVE, 150, 30, MK_LBUTTON);
    send(WM_LBUTTONUP, 150, 30);

    EXPECT_EQ(widths(2), 70);
    EXPECT_EQ(head.GetHeadParam(1)->nLevel, 10);
    EXPECT_EQ(lefts(3), 170);
    EXPECT_EQ(host.messagesOf(UM_HEADSIZE).size(), 0u);
}

TEST_F(HeadGroupTest, DoubleClicksCountOnlyInTheUpperRow)
{
    build(150);
    send(WM_LBUTTONDBLCLK, 120, 30);   // lower row
    EXPECT_EQ(host.countNotify(HDN_ITEMDBLCLICKW), 0u);
    send(WM_LBUTTONDBLCLK, 120, 24);   // the row height itself still counts
    send(WM_LBUTTONDBLCLK, 500, 5);    // right of the items
    const auto doubles = host.notifications(HDN_ITEMDBLCLICKW);
    ASSERT_EQ(doubles.size(), 1u);
    EXPECT_EQ(doubles[0].as<NMHEADERW>().iItem, 2);
    EXPECT_EQ(doubles[0].as<NMHEADERW>().iButton, 0);
}

TEST_F(HeadMouseTest, MovingTheHeaderStretchesItToTheParentsRightEdge)
{
    head.SetWindowPos(nullptr, -50, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CRect rc;
    head.GetClientRect(&rc);
    EXPECT_EQ(rc.Width(), hostClientWidth() + 50);
    EXPECT_EQ(rc.Height(), 24);
}
