// CHeadWnd: clicks reported to the parent, the edge zone and border dragging.
#include "headwnd_fixture.h"

using headtest::HeadWndTest;
using headtest::Item;

namespace
{
// Items A 0-99, B 100-179, C 180-239.
class HeadMouseTest : public HeadWndTest
{
protected:
    void SetUp() override
    {
        HeadWndTest::SetUp();
        append({Item(L"A", 100), Item(L"B", 80), Item(L"C", 60)});
        host.clear();
    }
};
}   // namespace

TEST_F(HeadMouseTest, HitTestsAndTheEdgeZoneOfTwoPixelsLeftOfEachBorder)
{
    // Right of all items XToItem answers the count; a border's own pixel is not an edge.
    const struct
    {
        int x, item, edge;
    } cases[] = {{-1, -1, 0}, {97, 0, 0}, {98, 0, 1}, {99, 0, 1}, {100, 1, 0}, {179, 1, 2}, {240, 3, 0}};
    for (const auto& c : cases)
    {
        EXPECT_EQ(head.XToItem(c.x), c.item) << c.x;
        EXPECT_EQ(head.IsEdge(CPoint(c.x, 5)), c.edge) << c.x;
    }
    EXPECT_EQ(head.HitTest(CPoint(150, 30)), 1);
}

TEST_F(HeadMouseTest, PressOnAnEdgeStartsADragInsteadOfAClick)
{
    send(WM_LBUTTONDOWN, 99, 10);
    EXPECT_EQ(host.countNotify(HDN_ITEMCLICKW), 0u);
    EXPECT_EQ(::GetCapture(), head.GetSafeHwnd());
    const struct
    {
        UINT message;
        int x;
        WPARAM keys;
        int width;
        size_t reports;
    } steps[] = {{WM_MOUSEMOVE, 120, MK_LBUTTON, 120, 1},
                 {WM_MOUSEMOVE, 90, MK_LBUTTON, 90, 2},   // narrower than at first
                 {WM_MOUSEMOVE, -5, MK_LBUTTON, 90, 2},   // width 0 or less: refused
                 {WM_LBUTTONUP, 90, 0, 90, 2},
                 {WM_MOUSEMOVE, 150, 0, 90, 2}};   // no drag any more
    for (const auto& step : steps)
    {
        send(step.message, step.x, 10, step.keys);
        EXPECT_EQ(width(0), step.width) << step.x;
        EXPECT_EQ(lefts(), (std::vector<int>{0, step.width, step.width + 80})) << step.x;
        EXPECT_EQ(host.messagesOf(UM_HEADSIZE).size(), step.reports) << step.x;
    }
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(host.messagesOf(UM_HEADSIZE)[0].wParam, 0u);
    EXPECT_EQ(host.messagesOf(UM_HEADSIZE)[0].lParam, MAKELONG(260, 24));
}

TEST_F(HeadWndTest, DraggingALowerRowBorderKeepsTheGroupSpanAboveTwoPixels)
{
    // The second group is narrower than its items: a drag that would take it below two pixels is refused.
    const struct
    {
        int groupSpan, dragTo, width, span, leftNext;
        size_t reports;
    } cases[] = {{150, 190, 90, 170, 190, 1}, {10, 150, 70, 10, 170, 0}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.groupSpan);
        head.Free();
        appendGroupHeader(c.groupSpan);
        host.clear();
        send(WM_LBUTTONDOWN, 169, 30);   // right border of 縣市
        send(WM_MOUSEMOVE, c.dragTo, 30, MK_LBUTTON);
        send(WM_LBUTTONUP, c.dragTo, 30);
        EXPECT_EQ(width(2), c.width);
        EXPECT_EQ(lefts(), (std::vector<int>{0, 100, 100, c.leftNext, c.leftNext + 80}));
        EXPECT_EQ(head.GetHeadParam(1)->nLevel, c.span);
        const auto sizes = host.messagesOf(UM_HEADSIZE);
        ASSERT_EQ(sizes.size(), c.reports);
        if (!sizes.empty())
        {
            EXPECT_EQ(sizes[0].wParam, 2u);
            EXPECT_EQ(sizes[0].lParam, MAKELONG(320, 24)) << "the row height, not the total height";
        }
    }
}

TEST_F(HeadWndTest, ClicksAndUpperRowDoubleClicksAreReportedAsHeaderNotifications)
{
    appendGroupHeader();
    host.clear();
    send(WM_LBUTTONDOWN, 120, 10);
    send(WM_LBUTTONUP, 120, 10);
    send(WM_RBUTTONDOWN, 20, 10);
    send(WM_LBUTTONDOWN, 500, 10);     // right of the last item: nothing
    send(WM_LBUTTONDBLCLK, 120, 30);   // lower row: nothing
    send(WM_LBUTTONDBLCLK, 120, 24);   // the row height itself still counts
    send(WM_LBUTTONDBLCLK, 500, 5);
    const auto clicks = host.notifications(HDN_ITEMCLICKW), doubles = host.notifications(HDN_ITEMDBLCLICKW);
    ASSERT_EQ(clicks.size(), 2u);
    ASSERT_EQ(doubles.size(), 1u);
    const auto left = clicks[0].as<NMHEADERW>(), right = clicks[1].as<NMHEADERW>(), twice = doubles[0].as<NMHEADERW>();
    EXPECT_EQ(left.hdr.hwndFrom, head.GetSafeHwnd());
    EXPECT_EQ(left.hdr.idFrom, UINT_PTR(kHeaderId));
    EXPECT_EQ(std::make_pair(left.iItem, left.iButton), std::make_pair(2, 0));
    EXPECT_EQ(std::make_pair(right.iItem, right.iButton), std::make_pair(0, 1));
    EXPECT_EQ(std::make_pair(twice.iItem, twice.iButton), std::make_pair(2, 0));
}
