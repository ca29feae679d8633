// Calls with arguments out of range leave the grid as it was.
#include "listgrid_fixture.h"

#include <algorithm>

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
