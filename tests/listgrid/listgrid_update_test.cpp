// CNewListCtrl: UpdateRow (bring a row into view and repaint it) and
// ClearSelected, watched through the window's scroll position and its
// pending update region.
#include "listgrid_fixture.h"

using gridtest::GridTest;

namespace
{

class GridUpdateTest : public GridTest
{
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        addColumns(3);
        grid.AppendBlank(kRows);
        grid.UpdateScrollSizes();
        ASSERT_TRUE(grid.GetStyle() & WS_VSCROLL);
    }
    int vpos() { return grid.GetScrollPos(SB_VERT); }
    void scrollTo(int pixels) { grid.ScrollToDevicePosition(CPoint(0, pixels)); }
    // The row's top in client coordinates at the current position.
    int rowTop(int row) { return grid.RowToYPos(row) - vpos(); }
    // Forgets what is pending, so that only the next call's repaints show.
    void validate() { ::ValidateRect(grid.GetSafeHwnd(), nullptr); }
    // True when the middle of the row's band (as it shows now) waits to be painted.
    bool rowPending(int row)
    {
        HRGN region = ::CreateRectRgn(0, 0, 0, 0);
        const int type = ::GetUpdateRgn(grid.GetSafeHwnd(), region, FALSE);
        const bool pending =
            type != ERROR && type != NULLREGION && ::PtInRegion(region, 40, rowTop(row) + grid.GetRowHeight() / 2);
        ::DeleteObject(region);
        return pending;
    }

    static constexpr int kRows = 200;
};

}   // namespace

// Where UpdateRow leaves a row: row 0 at the top, a row already showing
// where it is, a row below the view at the bottom edge, a row above it
// back in view.
TEST_F(GridUpdateTest, UpdateRowBringsTheRowIntoView)
{
    const int rh = grid.GetRowHeight(), hh = grid.GetHeadHeight(), ch = clientRect().Height();
    const int middle = grid.RowToYPos(100) - hh;   // row 100 just below the header
    struct Case
    {
        const char* name;
        int start;
        int row;
    };
    const Case cases[] = {
        {"row 0 from the middle", middle, 0},
        {"a row in the view", middle, 103},
        {"the row past the bottom", middle, 100 + (ch - hh) / rh + 1},
        {"a row far below", 0, 150},
        {"the last row", 0, kRows - 1},
        {"a row above the view", middle, 60},
    };
    for (const Case& c : cases)
    {
        scrollTo(c.start);
        const int before = vpos();
        grid.UpdateRow(c.row);
        const int top = rowTop(c.row);
        if (c.row == 0)
            EXPECT_EQ(vpos(), 0) << c.name;
        else if (before == vpos())
            EXPECT_TRUE(top >= hh && top + rh <= ch) << c.name << ": left in place, so it showed";
        else if (c.row > 100)   // positions go in steps of 5 pixels
            EXPECT_NEAR(top + rh, ch, 4) << c.name << ": bottom at the client's bottom";
        else
            EXPECT_TRUE(top >= 0 && top < hh + rh) << c.name << ": back at the top, top " << top;
        EXPECT_EQ(vpos() % 5, 0) << c.name;
    }
    scrollTo(middle);
    grid.UpdateRow(103);
    EXPECT_EQ(vpos(), middle / 5 * 5) << "a row in the view does not scroll";
}

// The row's band is repainted, and so is the band of the row that was drawn
// as active before, once the selection has moved away from it.
TEST_F(GridUpdateTest, UpdateRowRepaintsTheRowAndTheOldActiveRow)
{
    grid.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    grid.UpdateRow(2);   // row 2 is now the one drawn as active
    grid.UpdateWindow();
    validate();
    grid.UpdateRow(5);
    EXPECT_TRUE(rowPending(5));
    EXPECT_FALSE(rowPending(2)) << "the active row did not change";
    EXPECT_FALSE(rowPending(8));

    // The selection leaves row 4 without repainting the band as active
    // (ClearSelected repaints the row itself): the next UpdateRow does.
    grid.SetItemState(4, LVIS_SELECTED, LVIS_SELECTED);
    grid.ClearSelected();
    validate();
    grid.UpdateRow(6);
    EXPECT_TRUE(rowPending(6));
    EXPECT_TRUE(rowPending(4)) << "the row drawn as active before";
    validate();
    grid.UpdateRow(6);
    EXPECT_FALSE(rowPending(4)) << "it is repainted once";

    // Out of range: nothing scrolls, nothing changes.
    scrollTo(0);
    validate();
    grid.UpdateRow(-1);
    EXPECT_EQ(vpos(), 0);
    EXPECT_EQ(grid.GetSelectedItem(), -1);
}

// Rows added since the last layout reach the scroll bar on the next UpdateRow.
TEST_F(GridUpdateTest, UpdateRowLaysOutRowsAddedMeanwhile)
{
    int low = 0, before = 0, after = 0;
    grid.UpdateRow(0);
    grid.GetScrollRange(SB_VERT, &low, &before);
    grid.AppendBlank(100);
    grid.UpdateRow(kRows + 99);
    grid.GetScrollRange(SB_VERT, &low, &after);
    EXPECT_EQ(after - before, (100 * grid.GetRowHeight()) / 5 * 5);
    const int top = rowTop(kRows + 99);
    EXPECT_NEAR(top + grid.GetRowHeight(), clientRect().Height(), 4) << "the new last row shows at the bottom";
}

TEST_F(GridUpdateTest, ClearSelectedForgetsTheRowAndRepaintsIt)
{
    grid.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    grid.UpdateWindow();
    validate();
    grid.ClearSelected();
    EXPECT_EQ(grid.GetSelectedItem(), -1);
    EXPECT_EQ(grid.GetItemState(3, LVIS_SELECTED), 0u);
    EXPECT_TRUE(rowPending(3));
    EXPECT_FALSE(rowPending(5));

    // Nothing selected: nothing to repaint, and still no selection.
    validate();
    grid.ClearSelected();
    EXPECT_EQ(grid.GetSelectedItem(), -1);
    EXPECT_FALSE(rowPending(3));

    // What is painted afterwards has no selected row: the highlight is gone.
    qvtest::MemoryCanvas selected(kWidth, kHeight), cleared(kWidth, kHeight);
    grid.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    paintInto(selected);
    grid.ClearSelected();
    paintInto(cleared);
    const int y = rowTop(3) + grid.GetRowHeight() / 2;
    EXPECT_NE(selected.pixel(40, y), cleared.pixel(40, y));
    EXPECT_EQ(cleared.pixel(40, y), cleared.pixel(40, rowTop(5) + grid.GetRowHeight() / 2));
    EXPECT_MESSAGE_BOXES(boxes);
}
