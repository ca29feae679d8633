// Calls with arguments out of range leave the grid as it was.
#include "listgrid_fixture.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

using gridtest::Column;
using gridtest::GridTest;
using Texts = std::vector<std::wstring>;

TEST_F(GridTest, AColumnWithoutTheTextBitHasAnEmptyCaption)
{
    LVCOLUMN column{};
    column.mask = LVCF_WIDTH;
    column.cx = 70;
    column.pszText = reinterpret_cast<LPWSTR>(uintptr_t(0x10));   // not the caller's to read
    ASSERT_EQ(grid.InsertColumn(0, &column), 0);
    EXPECT_STREQ(grid.GetHeadWnd()->GetHeadParam(0)->pszText, L"");
    EXPECT_EQ(grid.GetHeadWnd()->GetHeadParam(0)->nWidth, 70);
}

TEST_F(GridTest, OutOfRangeCallsChangeNothing)
{
    addColumns(3, 60);
    addRows({{L"b", L"2", L"x"}, {L"a", L"10", L"y"}, {L"c", L"1", L"z"}});
    grid.SetColor(1, RGB(1, 2, 3), 0);
    const COLORREF oldColour = grid.GetOldColor();
    const Texts before = columnTexts(0);

    grid.SetColor(-1, RGB(9, 9, 9), 1);
    grid.SetColor(3, RGB(9, 9, 9), 1);
    grid.Swap(0, 3);
    grid.Swap(-1, 1);
    grid.QuickSort(2, 1, 0, false);
    grid.QuickSort(5, 9, 0, false);
    grid.SetCombineSwitch(1);
    grid.SetCombine(7, 9);
    grid.SetHeadHeight(60);   // only enlarged grids take a header height
    EXPECT_EQ(columnTexts(0), before);
    EXPECT_EQ(columnTexts(1), (Texts{L"2", L"10", L"1"}));
    EXPECT_EQ(grid.GetOldColor(), oldColour);
    EXPECT_EQ(grid.GetBkColor(1, 0), RGB(1, 2, 3));
    EXPECT_EQ(grid.GetBkColor(0, 0), grid.GetListColor());
    EXPECT_EQ(grid.GetHeadWnd()->GetHeight(), 24);
    for (int row = 0; row < 3; ++row)
        for (const CxColumnIndex* cell : gridtest::Cells(grid, row))
            EXPECT_EQ(cell->nCombine, COMBINE_NONE);

    // A sort by a column beyond the cells keeps every row's texts together.
    grid.Sort(8, false);
    std::vector<Texts> rows;
    for (int row = 0; row < 3; ++row)
        rows.push_back({grid.GetItemText(row, 0).GetString(), grid.GetItemText(row, 1).GetString()});
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<Texts>{{L"a", L"10"}, {L"b", L"2"}, {L"c", L"1"}}));

    EXPECT_EQ(grid.XToCol(-1), -1);
    EXPECT_EQ(grid.XToCol(179), 2);
    EXPECT_EQ(grid.XToCol(180), -1);
    EXPECT_EQ(grid.RowToWndRect(nullptr, 3), CRect(0, 0, 0, 0));
    const CString first = grid.GetItemText(0, 0);
    EXPECT_EQ(grid.InsertBlankRow(0), 0);
    EXPECT_EQ(grid.GetItemText(1, 0), first) << "the rows move down by one";
    EXPECT_EQ(grid.GetItemText(0, 0), CString());
    EXPECT_EQ(grid.GetItemCount(), 4);
}

// Enlarging again and again grows the columns only up to a bound; sizes that
// give no font leave the grid as it is.
TEST_F(GridTest, RepeatedEnlargingStaysInBoundsAndBadSizesChangeNothing)
{
    addColumns(2, 60);
    LVCOLUMN group = Column(L"組", 0, LVCFMT_LEFT, 120);
    grid.InsertColumn(2, &group);
    LVCOLUMN lower = Column(L"下", 60, LVCFMT_LEFT, HEADLEVEL_LOWER);
    grid.InsertColumn(3, &lower);
    addRows({{L"a", L"b", L"", L"c"}});

    for (LPARAM size : {LPARAM(0), LPARAM(-15), LPARAM(-1000000)})
    {
        grid.SendMessage(UM_ENLARGE, 0, size);
        EXPECT_FALSE(grid.IsEnlarged()) << size;
        EXPECT_EQ(grid.GetFontHeight(), 16) << size;
        EXPECT_EQ(grid.GetHeadWnd()->GetHeadParam(0)->nWidth, 60) << size;
    }

    for (int i = 0; i < 60; ++i)
        grid.SendMessage(UM_ENLARGE, 0, 15 + i % 3);
    grid.SendMessage(UM_ENLARGE, 0, LPARAM(1) << 40);
    const CxHeadItemIndex* pFirst = grid.GetHeadWnd()->GetHeadParam(0);
    const CxHeadItemIndex* pGroup = grid.GetHeadWnd()->GetHeadParam(2);
    EXPECT_GT(pFirst->nWidth, 60);
    EXPECT_LE(pFirst->nWidth, 1 << 20);
    EXPECT_GE(pGroup->nLevel, HEADLEVEL_GROUP);
    EXPECT_LE(pGroup->nLevel, 1 << 20);
    EXPECT_EQ(grid.GetHeadWnd()->GetHeadParam(1)->nLeft, pFirst->nWidth);
    EXPECT_GT(grid.GetRowWidth(), 0);
    EXPECT_EQ(grid.GetFontHeight(), 200);

    // Header heights a program passes stay in bounds (two rows never
    // overflow), and the header's font stays a font that can be drawn.
    grid.SetHeadHeight(INT_MAX);
    EXPECT_EQ(grid.GetHeadWnd()->GetRowHeight(), 1 << 20);
    EXPECT_EQ(grid.GetHeadWnd()->GetHeight(), 2 << 20);
    qvtest::MetafileRecorder recorder;
    ASSERT_TRUE(recorder.recordPrintClient(grid.GetHeadWnd()->GetSafeHwnd(), PRF_CLIENT));
    ASSERT_FALSE(recorder.textOuts().empty());
    for (const qvtest::DrawnText& text : recorder.textOuts())
        EXPECT_EQ(std::abs(text.height), 200) << std::wstring(text.text);
    grid.SetHeadHeight(-40);
    EXPECT_EQ(grid.GetHeadWnd()->GetRowHeight(), 0);

    // Shrinking keeps a group a group.
    for (int i = 0; i < 40; ++i)
        grid.SendMessage(UM_ENLARGE, 0, 1);
    EXPECT_GE(grid.GetHeadWnd()->GetHeadParam(2)->nLevel, HEADLEVEL_GROUP);
    EXPECT_EQ(grid.GetHeadWnd()->GetHeadParam(3)->nLevel, HEADLEVEL_LOWER);

    // It all still paints without the header's complaints.
    qvtest::MemoryCanvas canvas(kWidth, kHeight);
    paintInto(canvas);
    ::SendMessageW(grid.GetHeadWnd()->GetSafeHwnd(), WM_PRINTCLIENT, WPARAM(canvas.dc()), PRF_CLIENT);
    EXPECT_MESSAGE_BOXES(boxes);
}
