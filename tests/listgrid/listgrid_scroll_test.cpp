// CNewListCtrl: the pixel scroll model (vertical scale 5) and its steps.
#include "listgrid_fixture.h"

#include <algorithm>

using gridtest::Column;
using gridtest::GridTest;

namespace {

class GridScrollTest : public GridTest {
protected:
    void fill(int rows, int columns = 3, int width = 80)
    {
        addColumns(columns, width);
        grid.AppendBlank(rows);
        for (int row = 0; row < rows; row += std::max(1, rows / 50))
            grid.SetItemText(row, 0, (L"row" + std::to_wstring(row)).c_str());
    }
    void vscroll(UINT code, UINT pos = 0) { grid.SendMessage(WM_VSCROLL, MAKEWPARAM(code, pos), 0); }
    void hscroll(UINT code, UINT pos = 0) { grid.SendMessage(WM_HSCROLL, MAKEWPARAM(code, pos), 0); }
    void wheel(short delta) { grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(delta)), MAKELPARAM(50, 50)); }
    int vpos() { return grid.GetScrollPos(SB_VERT); }
    int hpos() { return grid.GetScrollPos(SB_HORZ); }
    int vmax()
    {
        int low = 0, high = 0;
        grid.GetScrollRange(SB_VERT, &low, &high);
        return high;
    }
    static int down5(int pixels) { return pixels / 5 * 5; }
    int rh() { return grid.GetRowHeight(); }
    int hh() { return grid.GetHeadHeight(); }
    int page() { return (clientRect().Height() - hh()) / rh() * rh(); }
};

}  // namespace

TEST_F(GridScrollTest, RowHeightAndTheReachOfTheBar)
{
    fill(3);
    EXPECT_GT(rh(), 0);
    EXPECT_EQ(grid.LastViewableRow(), 5 * 32767 / rh() - 1);
    EXPECT_FALSE(grid.GetStyle() & WS_VSCROLL) << "three rows fit";
    EXPECT_EQ(vpos(), 0);
    vscroll(SB_LINEDOWN);
    EXPECT_EQ(vpos(), 0) << "no bar, no scrolling";

    grid.AppendBlank(20000);
    EXPECT_TRUE(grid.GetStyle() & WS_VSCROLL);
    const int extent = rh() * std::min(grid.GetItemCount(), grid.LastViewableRow()) + hh();
    EXPECT_EQ(vmax(), down5(extent - clientRect().Height())) << "rows past the last viewable one are cut off";
    EXPECT_EQ(grid.RowToYPos(3), hh() + 3 * rh());
    EXPECT_EQ(grid.YToRow(hh() + 3 * rh() + 1), 3);
}

TEST_F(GridScrollTest, DefaultRowHeightOfTwentyReaches8190Rows)
{
    fill(10);
    if (rh() != 20)
        GTEST_SKIP() << "the system font gives rows of " << rh() << " pixels";
    EXPECT_EQ(grid.LastViewableRow(), 8190);
}

TEST_F(GridScrollTest, LinePageThumbAndEndSteps)
{
    fill(1000);
    vscroll(SB_LINEDOWN);
    EXPECT_EQ(vpos(), down5(rh())) << "a line step moves one row height";
    vscroll(SB_LINEDOWN);
    EXPECT_EQ(vpos(), 2 * down5(rh()));
    vscroll(SB_LINEUP);
    EXPECT_EQ(vpos(), down5(rh()));
    vscroll(SB_PAGEDOWN);
    EXPECT_EQ(vpos(), down5(rh()) + down5(page()));
    vscroll(SB_PAGEUP);
    vscroll(SB_PAGEUP);
    EXPECT_EQ(vpos(), 0) << "limited at the top";

    vscroll(SB_THUMBTRACK, 123);
    EXPECT_EQ(vpos(), 5 * 123);
    vscroll(SB_THUMBPOSITION, 40);
    EXPECT_EQ(vpos(), 200);
    vscroll(SB_ENDSCROLL, 900);
    EXPECT_EQ(vpos(), 200);
    vscroll(SB_THUMBTRACK, 32767);
    EXPECT_EQ(vpos(), vmax()) << "limited at the bottom";
    vscroll(SB_LINEDOWN);
    EXPECT_EQ(vpos(), vmax());
    vscroll(SB_TOP, 50);
    EXPECT_EQ(vpos(), vmax() - 50);
    vscroll(SB_BOTTOM, 7);
    EXPECT_EQ(vpos(), vmax() - 45) << "cut to a multiple of the scale";
}

TEST_F(GridScrollTest, WheelNotchMovesOneHundredTwentyPixels)
{
    fill(1000);
    wheel(120);
    EXPECT_EQ(vpos(), 0) << "at the top a positive delta does nothing";
    wheel(-120);
    EXPECT_EQ(vpos(), 120);
    wheel(-240);
    EXPECT_EQ(vpos(), 360);
    wheel(120);
    EXPECT_EQ(vpos(), 240);
    wheel(-7);
    EXPECT_EQ(vpos(), 245);
    vscroll(SB_THUMBTRACK, 32767);
    const int bottom = vpos();
    wheel(-120);
    EXPECT_EQ(vpos(), bottom) << "at the bottom a negative delta does nothing";
}

TEST_F(GridScrollTest, ScrolledPaintingShowsTheRowsUnderThePosition)
{
    fill(1000);
    vscroll(SB_THUMBTRACK, 40 * rh() / 5);   // row 40 at the top, for row heights divisible by 5
    qvtest::MetafileRecorder recorder;
    ASSERT_TRUE(recorder.recordPrintClient(grid.GetSafeHwnd(), PRF_CLIENT));
    const qvtest::DrawnText* row = nullptr;
    for (const auto& text : recorder.textOuts())
        if (text.text.rfind(L"row", 0) == 0)
        {
            row = &text;
            break;
        }
    ASSERT_NE(row, nullptr);
    const int shownRow = std::stoi(row->text.substr(3));
    EXPECT_GE(shownRow, 38);
    EXPECT_LE(shownRow, 41);
    EXPECT_EQ(recorder.findText(L"row0"), nullptr);

    ::ShowWindow(host, SW_SHOW);
    ::UpdateWindow(host);
    qvtest::PumpMessages(30);
    EXPECT_FALSE(qvtest::SaveWindowPng(host, L"listgrid_scrolled").empty());
}

TEST_F(GridScrollTest, EnsureVisibleBringsRowsIntoView)
{
    fill(1000);
    EXPECT_FALSE(grid.EnsureVisible(1001, FALSE));
    EXPECT_FALSE(grid.EnsureVisible(-1, FALSE));
    EXPECT_TRUE(grid.EnsureVisible(5, FALSE));
    EXPECT_EQ(vpos(), 0) << "already fully visible";

    EXPECT_TRUE(grid.EnsureVisible(500, FALSE));
    const int expected = down5(grid.RowToYPos(501) - clientRect().Height());
    EXPECT_EQ(vpos(), expected) << "the row's bottom at the client's bottom";
    CRect rows = clientRect();
    rows.OffsetRect(0, vpos());
    int first = 0, last = 0;
    grid.RectLPtoRowRange(rows, first, last, 0);
    EXPECT_LE(first, 500);

    EXPECT_TRUE(grid.EnsureVisible(1000, FALSE)) << "the count itself means the last row";
    EXPECT_EQ(vpos(), down5(grid.RowToYPos(1000) - clientRect().Height()));
    EXPECT_TRUE(grid.EnsureVisible(0, FALSE));
    EXPECT_EQ(vpos(), 0);
}

TEST_F(GridScrollTest, HorizontalStepsAndTheHeaderFollows)
{
    fill(50, 10, 100);
    EXPECT_TRUE(grid.GetStyle() & WS_HSCROLL);
    int low = 0, high = 0;
    grid.GetScrollRange(SB_HORZ, &low, &high);
    EXPECT_EQ(high, 1000 - clientRect().Width());

    hscroll(SB_LINERIGHT);
    EXPECT_EQ(hpos(), rh());
    hscroll(SB_THUMBTRACK, 150);
    EXPECT_EQ(hpos(), 150);
    hscroll(SB_PAGERIGHT);
    EXPECT_EQ(hpos(), std::min(150 + clientRect().Height() / rh() * rh(), high));
    hscroll(SB_THUMBTRACK, 150);
    hscroll(SB_LINELEFT);
    EXPECT_EQ(hpos(), 150 - rh());

    grid.UpdateWindow();
    qvtest::PumpMessages(20);
    CRect header;
    grid.GetHeadWnd()->GetWindowRect(&header);
    grid.ScreenToClient(&header);
    EXPECT_EQ(header.left, -hpos()) << "the header scrolls with the columns";

    qvtest::MetafileRecorder recorder;
    ASSERT_TRUE(recorder.recordPrintClient(grid.GetSafeHwnd(), PRF_CLIENT));
    const qvtest::DrawnText* row0 = recorder.findText(L"row0");
    ASSERT_NE(row0, nullptr);
    EXPECT_EQ(row0->origin.x, 3 - hpos());
}

TEST_F(GridScrollTest, DeletingRowsShrinksTheRange)
{
    fill(1000);
    vscroll(SB_THUMBTRACK, 32767);
    grid.DeleteAllItems();
    EXPECT_EQ(vpos(), 0);
    EXPECT_FALSE(grid.GetStyle() & WS_VSCROLL);
    grid.AppendBlank(400);
    vscroll(SB_THUMBTRACK, 32767);
    for (int row = 399; row >= 10; --row)
        grid.DeleteItem(row);
    EXPECT_EQ(vpos(), 0);
    EXPECT_EQ(grid.GetItemCount(), 10);
}

TEST_F(GridScrollTest, DraggingAHeaderBorderResizesTheRows)
{
    fill(10, 3, 80);
    EXPECT_FALSE(grid.GetStyle() & WS_HSCROLL);
    HWND header = grid.GetHeadWnd()->GetSafeHwnd();
    ::SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(79, 5));
    ::SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(480, 5));
    ::SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(480, 5));

    EXPECT_EQ(grid.GetRowWidth(), 640);
    EXPECT_TRUE(grid.GetStyle() & WS_HSCROLL);
    int low = 0, high = 0;
    grid.GetScrollRange(SB_HORZ, &low, &high);
    EXPECT_EQ(high, 640 - clientRect().Width());
    CRect cell;
    ASSERT_TRUE(grid.GetHeaderRect(1, cell));
    EXPECT_EQ(cell.left, 480);
}
