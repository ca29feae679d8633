// CNewListCtrl: combined cells, exchanging rows, Sort and QuickSort.
#include "listgrid_fixture.h"

#include <algorithm>

using gridtest::Cells;
using gridtest::GridTest;
using Texts = std::vector<std::wstring>;

namespace
{
// The combine state of each row's cell in a column; 0 for a row without that cell.
std::vector<int> CombineColumn(CNewListCtrl& grid, int column)
{
    std::vector<int> states(size_t(grid.GetItemCount()), 0);
    for (int row = 0; row < grid.GetItemCount(); ++row)
        for (const CxColumnIndex* cell : Cells(grid, row))
            if (cell->nColumn == column)
                states[size_t(row)] = cell->nCombine;
    return states;
}
}   // namespace

TEST_F(GridTest, CombineMarksRunsOfEqualRows)
{
    addColumns(3);
    addRows({{L"A", L"x"}, {L"A", L"x"}, {L"B", L"y"}, {L"B", L"y"}});
    grid.SetCombine(0, 1);
    EXPECT_EQ(CombineColumn(grid, 0), (std::vector<int>{0, 0, 0, 0})) << "the switch is off";
    grid.SetCombineSwitch(1);
    grid.SetCombine(0, 1);
    EXPECT_EQ(CombineColumn(grid, 0), (std::vector<int>{1, 3, 1, 3}));
    EXPECT_EQ(CombineColumn(grid, 1), (std::vector<int>{1, 3, 1, 3}));
    EXPECT_EQ(CombineColumn(grid, 2), (std::vector<int>{0, 0, 0, 0}));
    const struct
    {
        int column, row, first, last;
    } ranges[] = {{0, 1, 0, 1}, {0, 2, 2, 3}, {2, 2, 2, 2}};
    for (const auto& r : ranges)
    {
        int first = -1, last = -1;
        EXPECT_TRUE(grid.GetRowRange(r.column, r.row, first, last));
        EXPECT_EQ(std::make_pair(first, last), std::make_pair(r.first, r.last)) << r.column << "," << r.row;
    }
    // A run is only looked for from the first row on: it ends at the first difference.
    const struct
    {
        std::vector<std::wstring> keys;
        std::vector<int> states;
    } runs[] = {{{L"A", L"B", L"B"}, {0, 0, 0}}, {{L"A", L"A", L"A", L"C", L"D", L"D"}, {1, 2, 3, 0, 0, 0}}};
    for (const auto& run : runs)
    {
        grid.DeleteAllItems();
        for (const auto& key : run.keys)
            addRows({{key}});
        grid.SetCombine(0, 0);
        EXPECT_EQ(CombineColumn(grid, 0), run.states) << run.keys.size();
    }
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(GridTest, CombineRefusesTenColumnsOrMoreAndSurvivesBadColumns)
{
    addColumns(12);
    grid.SetCombineSwitch(1);
    addRows({{L"A"}, {L"A"}});
    grid.SetCombine(0, 9);
    EXPECT_MESSAGE_BOXES(boxes, L"組合過多列!");
    EXPECT_EQ(CombineColumn(grid, 0), (std::vector<int>{0, 0}));
    boxes.clear();
    grid.SetCombine(0, 8);   // nine columns: allowed
    EXPECT_EQ(CombineColumn(grid, 0), (std::vector<int>{1, 3}));
    grid.SetCombine(-5, 2);
    grid.SetCombine(10, 40);
    EXPECT_MESSAGE_BOXES(boxes, L"組合過多列!");   // 40 - 10 is 30 columns
    grid.DeleteAllItems();
    grid.SetCombine(0, 1);
}

TEST_F(GridTest, SwapAndSortMoveOnlyTheTexts)
{
    addColumns(3);
    EXPECT_GE(grid.Sort(0, false), 0) << "an empty grid";
    grid.QuickSort(0, -1, 0, false);
    addRows({{L"delta", L"4"}, {L"alpha", L"1", L"a2"}, {L"charlie", L"3"}, {L"bravo", L"2"}, {L"echo", L"5"}});
    grid.SetColor(0, RGB(9, 9, 9), 0);
    grid.SetItemColor(1, 2, RGB(20, 20, 20));
    grid.SetItemState(0, 0x1000, LVIS_STATEIMAGEMASK);
    grid.Swap(0, 1);
    grid.Swap(1, 1);
    EXPECT_EQ(columnTexts(0), (Texts{L"alpha", L"delta", L"charlie", L"bravo", L"echo"}));
    EXPECT_EQ(columnTexts(2), (Texts{L"a2", L"", L"", L"", L""})) << "a missing cell exchanges as an empty text";
    EXPECT_GE(grid.Sort(0, false), 0);
    EXPECT_EQ(columnTexts(0), (Texts{L"alpha", L"bravo", L"charlie", L"delta", L"echo"}));
    EXPECT_EQ(columnTexts(1), (Texts{L"1", L"2", L"3", L"4", L"5"}));
    // Colours and states stay with the positions.
    EXPECT_EQ(grid.GetBkColor(0, 0), RGB(9, 9, 9));
    EXPECT_EQ(grid.GetItemColor(1, 2), RGB(20, 20, 20));
    EXPECT_EQ(grid.GetItemState(0, LVIS_STATEIMAGEMASK), 0x1000u);
    grid.Sort(1, true);
    EXPECT_EQ(columnTexts(0), (Texts{L"echo", L"delta", L"charlie", L"bravo", L"alpha"}));
}

TEST_F(GridTest, SortOfManyRowsWithTwoDistinctKeys)
{
    addColumns(2);
    const int count = 3000;
    for (int i = 0; i < count; ++i)
        addRows({{i % 2 ? L"odd" : L"even", std::to_wstring((i * 7919) % count)}});
    grid.QuickSort(0, count - 1, 0, true);
    const auto keys = columnTexts(0);
    EXPECT_TRUE(std::is_sorted(keys.rbegin(), keys.rend()));
    EXPECT_EQ(std::count(keys.begin(), keys.end(), L"odd"), count / 2);
    grid.Sort(1, false);
    const auto ids = columnTexts(1);
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end())) << "texts sort in ordinal order";
    std::vector<int> numbers;
    for (const auto& id : ids)
        numbers.push_back(std::stoi(id));
    std::sort(numbers.begin(), numbers.end());
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(numbers[size_t(i)], i) << "the rows stay a permutation of what they were";
}

TEST_F(GridTest, QuickSortComparesNumbersInNumericColumns)
{
    LVCOLUMN text = gridtest::Column(L"text", 60);
    LVCOLUMN number = gridtest::Column(L"number", 60, LVCFMT_RIGHT | HEADFMT_DIGIT);
    grid.InsertColumn(0, &text);
    grid.InsertColumn(1, &number);
    addRows({{L"10", L"10"}, {L"9", L"9"}, {L"100", L"100"}, {L"-3", L"-3"}, {L"9", L"9"}});
    grid.QuickSort(0, grid.GetItemCount() - 1, 1, false);
    EXPECT_EQ(columnTexts(1), (Texts{L"-3", L"9", L"9", L"10", L"100"}));
    grid.QuickSort(0, grid.GetItemCount() - 1, 0, false);
    EXPECT_EQ(columnTexts(0), (Texts{L"-3", L"10", L"100", L"9", L"9"}));
    grid.QuickSort(-20, 99, 1, true);
    EXPECT_EQ(columnTexts(1), (Texts{L"100", L"10", L"9", L"9", L"-3"}));
}
