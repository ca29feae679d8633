// CNewListCtrl: the pixel scroll model (vertical scale 5) and its steps.
#include "listgrid_fixture.h"

#include <algorithm>

using gridtest::GridTest;

namespace
{
class GridScrollTest : public GridTest
{
protected:
    // Rows "row<n>" (about fifty of them named) in columns of the given width.
    void fill(int rows, int columns = 3, int width = 80)
    {
        addColumns(columns, width);
        grid.AppendBlank(rows);
        for (int row = 0; row < rows; row += std::max(1, rows / 50))
            grid.SetItemText(row, 0, (L"row" + std::to_wstring(row)).c_str());
    }
    void vscroll(UINT code, UINT pos = 0) { grid.SendMessage(WM_VSCROLL, MAKEWPARAM(code, pos), 0); }
    void hscroll(UINT code, UINT pos = 0) { grid.SendMessage(WM_HSCROLL, MAKEWPARAM(code, pos), 0); }
    int vpos() { return grid.GetScrollPos(SB_VERT); }
    int hpos() { return grid.GetScrollPos(SB_HORZ); }
    int rangeEnd(int bar)
    {
        int low = 0, high = 0;
        grid.GetScrollRange(bar, &low, &high);
        return high;
    }
    static int down5(int pixels) { return pixels / 5 * 5; }
    int rh() { return grid.GetRowHeight(); }
    int hh() { return grid.GetHeadHeight(); }
    const qvtest::DrawnText* firstRowText(qvtest::MetafileRecorder& recorder)
    {
        record(recorder);
        for (const auto& text : recorder.textOuts())
            if (text.text.rfind(L"row", 0) == 0)
                return &text;
        return nullptr;
    }
};
}   // namespace

TEST_F(GridScrollTest, TheBarReachesTheLastViewableRowAndShrinksWithDeletions)
{
    fill(3);
    EXPECT_EQ(grid.LastViewableRow(), 5 * 32767 / rh() - 1);
    EXPECT_FALSE(grid.GetStyle() & WS_VSCROLL) << "three rows fit";
    vscroll(SB_LINEDOWN);
    EXPECT_EQ(vpos(), 0) << "no bar, no scrolling";
    grid.AppendBlank(20000);
    EXPECT_TRUE(grid.GetStyle() & WS_VSCROLL);
    const int extent = rh() * std::min(grid.GetItemCount(), grid.LastViewableRow()) + hh();
    EXPECT_EQ(rangeEnd(SB_VERT), down5(extent - clientRect().Height())) << "rows past the last viewable are cut";
    EXPECT_EQ(grid.YToRow(hh() + 3 * rh() + 1), 3);
    // Deleting rows shrinks the range and brings the position back inside it.
    vscroll(SB_THUMBTRACK, 32767);
    grid.DeleteAllItems();
    EXPECT_EQ(vpos(), 0);
    EXPECT_FALSE(grid.GetStyle() & WS_VSCROLL);
}

TEST_F(GridScrollTest, LinePageThumbEndAndWheelSteps)
{
    fill(1000);
    const int line = down5(rh()), page = down5((clientRect().Height() - hh()) / rh() * rh());
    const int bottom = rangeEnd(SB_VERT);
    struct Step
    {
        UINT message;
        WPARAM wParam;
        int expected;
    };
    auto bar = [](UINT code, int expected, UINT pos = 0) { return Step{WM_VSCROLL, MAKEWPARAM(code, pos), expected}; };
    auto wheel = [](short delta, int expected) { return Step{WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(delta)), expected}; };
    // Positions are multiples of the scale, inside the range; the wheel moves by its delta in pixels.
    const Step steps[] = {bar(SB_LINEDOWN, line),
                          bar(SB_PAGEDOWN, line + page),
                          bar(SB_LINEUP, page),
                          bar(SB_PAGEUP, 0),
                          wheel(120, 0),
                          wheel(-120, 120),
                          wheel(-7, 125),
                          bar(SB_THUMBTRACK, 5 * 123, 123),
                          bar(SB_THUMBPOSITION, 200, 40),
                          bar(SB_ENDSCROLL, 200, 900),
                          bar(SB_THUMBTRACK, bottom, 32767),
                          wheel(-120, bottom),
                          bar(SB_LINEDOWN, bottom),
                          bar(SB_TOP, bottom - 50, 50),
                          bar(SB_BOTTOM, bottom - 45, 7)};
    for (size_t i = 0; i < std::size(steps); ++i)
    {
        grid.SendMessage(steps[i].message, steps[i].wParam, MAKELPARAM(50, 50));
        EXPECT_EQ(vpos(), steps[i].expected) << "step " << i;
    }
}

TEST_F(GridScrollTest, ScrolledPaintingShowsTheRowsUnderThePosition)
{
    fill(1000);
    vscroll(SB_THUMBTRACK, 40 * rh() / 5);   // row 40 at the top, for row heights divisible by 5
    qvtest::MetafileRecorder recorder;
    const qvtest::DrawnText* row = firstRowText(recorder);
    ASSERT_NE(row, nullptr);
    EXPECT_GE(std::stoi(row->text.substr(3)), 38);
    EXPECT_LE(std::stoi(row->text.substr(3)), 41);
    EXPECT_EQ(recorder.findText(L"row0"), nullptr);
}

TEST_F(GridScrollTest, EnsureVisibleBringsRowsIntoView)
{
    fill(1000);
    EXPECT_TRUE(grid.EnsureVisible(5, FALSE));
    EXPECT_EQ(vpos(), 0) << "already fully visible";
    EXPECT_TRUE(grid.EnsureVisible(500, FALSE));
    EXPECT_EQ(vpos(), down5(grid.RowToYPos(501) - clientRect().Height())) << "the row's bottom at the client's bottom";
    EXPECT_TRUE(grid.EnsureVisible(1000, FALSE)) << "the count itself means the last row";
    EXPECT_EQ(vpos(), down5(grid.RowToYPos(1000) - clientRect().Height()));
    EXPECT_FALSE(grid.EnsureVisible(1001, FALSE));
}

TEST_F(GridScrollTest, HorizontalStepsAndTheHeaderFollows)
{
    fill(50, 10, 100);
    EXPECT_TRUE(grid.GetStyle() & WS_HSCROLL);
    const int end = rangeEnd(SB_HORZ);
    EXPECT_EQ(end, 1000 - clientRect().Width());
    const int page = clientRect().Height() / rh() * rh();   // the client's height in whole rows
    const struct
    {
        UINT code, pos;
        int expected;
    } steps[] = {{SB_THUMBTRACK, 150, 150},
                 {SB_PAGERIGHT, 0, std::min(150 + page, end)},
                 {SB_THUMBTRACK, 150, 150},
                 {SB_LINELEFT, 0, 150 - rh()}};
    for (const auto& step : steps)
    {
        hscroll(step.code, step.pos);
        EXPECT_EQ(hpos(), step.expected) << step.code;
    }
    grid.UpdateWindow();
    qvtest::PumpMessages(20);
    CRect header;
    grid.GetHeadWnd()->GetWindowRect(&header);
    grid.ScreenToClient(&header);
    EXPECT_EQ(header.left, -hpos()) << "the header scrolls with the columns";
    qvtest::MetafileRecorder recorder;
    const qvtest::DrawnText* row0 = firstRowText(recorder);
    ASSERT_NE(row0, nullptr);
    EXPECT_EQ(row0->text, L"row0");
    EXPECT_EQ(row0->origin.x, 3 - hpos());
}
