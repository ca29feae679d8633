// CNewListCtrl: columns, rows, cells, states and colours of the store.
#include "listgrid_fixture.h"

using gridtest::Cells;
using gridtest::Column;
using gridtest::GridTest;
using Texts = std::vector<std::wstring>;

namespace
{
LVITEM Item(UINT mask, int row, int column, const wchar_t* text, UINT state = 0, int image = 0)
{
    return LVITEM{mask, row, column, state, 0, const_cast<LPWSTR>(text), 0, image};
}
}   // namespace

TEST_F(GridTest, ColumnsAreHeaderItemsWithLevelFormatAndMask)
{
    LVCOLUMN name = Column(L"姓名", 90), address = Column(L"住址", 0, LVCFMT_LEFT, 150),   // a group caption
        city = Column(L"縣市", 70, LVCFMT_CENTER, HEADLEVEL_LOWER),
             street = Column(L"街道", 80, LVCFMT_RIGHT | HEADFMT_DIGIT, HEADLEVEL_LOWER),
             check = Column(L"到", 30, 0x7000, 0, LVCF_TEXT | LVCF_WIDTH | LVCF_IMAGE);
    EXPECT_EQ(grid.InsertColumn(-5, &name), 0);
    EXPECT_EQ(grid.InsertColumn(9, &address), 1);
    EXPECT_EQ(grid.InsertColumn(2, &city), 2);
    EXPECT_EQ(grid.InsertColumn(3, &street), 3);
    EXPECT_EQ(grid.InsertColumn(4, &check), 4);
    EXPECT_EQ(grid.InsertColumn(5, static_cast<const LVCOLUMN*>(nullptr)), -1);
    CHeadWnd* head = grid.GetHeadWnd();
    ASSERT_EQ(grid.GetFieldCount(), 5);
    EXPECT_EQ(head->GetHeadParam(1)->nLevel, 150);
    EXPECT_EQ(head->GetHeadParam(2)->nLeft, 90) << "under the group caption";
    const int formats[] = {DT_LEFT, DT_LEFT, DT_CENTER, DT_RIGHT | HEADFMT_DIGIT, 0x7000};   // unknown ones pass
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(head->GetHeadParam(i)->nFormat, formats[i]) << i;
    EXPECT_EQ(head->GetHeadParam(4)->nMask, LVCF_TEXT | LVCF_WIDTH | LVCF_IMAGE);
    EXPECT_EQ(head->GetHeight(), 48);
    EXPECT_EQ(grid.FindColumn(CString(L"縣市")), 2);
    EXPECT_EQ(grid.FindColumn(CString(L"縣市"), 2), -1) << "the search starts after the start column";
    EXPECT_EQ(grid.InsertColumn(1, L"電話", LVCFMT_RIGHT, 60, 3), 1);
    EXPECT_EQ(head->GetHeadParam(1)->nFormat, DT_RIGHT);
    EXPECT_EQ(head->GetHeadParam(1)->nMask, LVCF_FMT | LVCF_WIDTH | LVCF_TEXT);
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(GridTest, ColumnEditsStayInRangeAndInTheirBuffers)
{
    addColumns(3, 50);
    addRows({{L"a", L"b", L"c"}});
    wchar_t buffer[3] = {L'x', L'x', L'x'};
    LVCOLUMN column{};
    column.pszText = buffer;
    column.cchTextMax = 2;
    ASSERT_TRUE(grid.GetColumn(1, &column));
    EXPECT_STREQ(buffer, L"C");
    EXPECT_EQ(buffer[2], L'x') << "nothing written past the buffer";
    EXPECT_FALSE(grid.GetColumn(0, nullptr));
    EXPECT_TRUE(grid.SetColumnWidth(0, 120));
    CRect rc;
    ASSERT_TRUE(grid.GetHeaderRect(2, rc));
    EXPECT_EQ(std::make_pair(rc.left, rc.right), std::make_pair(170L, 220L));
    for (int bad : {-1, 3})
    {
        EXPECT_FALSE(grid.GetColumn(bad, &column)) << bad;
        EXPECT_FALSE(grid.SetColumnWidth(bad, 10)) << bad;
        EXPECT_FALSE(grid.GetHeaderRect(bad, rc)) << bad;
        EXPECT_FALSE(grid.DeleteColumn(bad)) << bad;
    }
    EXPECT_TRUE(grid.DeleteColumn(0));
    EXPECT_EQ(grid.GetFieldCount(), 2);
    EXPECT_EQ(grid.GetItemText(0, 1), CString(L"b")) << "cells keep their old column numbers";
    EXPECT_EQ(grid.GetItemText(0, 2), CString(L"c"));
    EXPECT_TRUE(grid.DeleteAllColumns());
    EXPECT_EQ(grid.GetItemCount(), 0);
}

TEST_F(GridTest, InsertBlankRowMovesLaterRowsAndForgetsTheCachedRow)
{
    addColumns(1);
    addRows({{L"r0"}, {L"r1"}, {L"r2"}});
    // Reading row 2 leaves it in the row cache; the insertion below moves it.
    EXPECT_EQ(grid.GetItemText(2, 0), CString(L"r2"));
    grid.SetItemColor(2, 0, RGB(1, 2, 3));
    EXPECT_EQ(grid.InsertBlankRow(1), 1);
    EXPECT_EQ(columnTexts(0), (Texts{L"r0", L"", L"r1", L"r2"}));
    grid.SetItemText(2, 0, L"second");
    EXPECT_EQ(columnTexts(0), (Texts{L"r0", L"", L"second", L"r2"}));
    EXPECT_EQ(grid.GetItemColor(3, 0), RGB(1, 2, 3));
    EXPECT_EQ(grid.InsertBlankRow(99), 4) << "beyond the count: appended";
    CNewListCtrl windowless;
    EXPECT_EQ(windowless.InsertBlankRow(0), -1);
}

TEST_F(GridTest, ItemStructuresWriteOnlyTheBitsTheStoreReads)
{
    addColumns(3);
    LVITEM item = Item(LISTMASK_TEXT | LISTMASK_STATE, 0, 1, L"王小明", 0x2000, 7);
    EXPECT_EQ(grid.InsertItem(&item), 0);
    EXPECT_EQ(grid.GetItemText(0, 1), CString(L"王小明"));
    EXPECT_EQ(grid.GetItemState(0, LVIS_STATEIMAGEMASK), 0x2000u);
    EXPECT_EQ(grid.FindRowIndex(0)->nImage, 7);
    item = Item(LVIF_TEXT, 0, 1, L"ignored");   // LVIF_TEXT is not a bit the store reads
    EXPECT_EQ(grid.InsertItem(&item), 0);
    EXPECT_EQ(grid.GetItemText(0, 1), CString(L""));
    EXPECT_EQ(grid.InsertItem(nullptr), -1);
    EXPECT_EQ(grid.InsertItem(0, L"first"), 2) << "appends a row but writes the row it was given";
    EXPECT_EQ(columnTexts(0), (Texts{L"first", L"", L""}));
    item = Item(LISTMASK_TEXT | LISTMASK_IMAGE, 2, 1, L"12", 0, 3);
    EXPECT_TRUE(grid.SetItem(&item));
    EXPECT_EQ(grid.GetItemInt(2, 1), 12);
    ASSERT_EQ(Cells(grid, 2).size(), 1u);
    EXPECT_EQ(Cells(grid, 2)[0]->nImage, 3);
    EXPECT_EQ(Cells(grid, 2)[0]->nFlags, CELL_HASTEXT | CELL_HASIMAGE);
    EXPECT_FALSE(grid.SetItem(nullptr));
}

TEST_F(GridTest, CellsAreMadeOnFirstWriteInColumnOrder)
{
    addColumns(5);
    grid.AppendBlank(1);
    EXPECT_EQ(grid.GetItemText(0, 3), CString(L""));
    EXPECT_TRUE(Cells(grid, 0).empty()) << "reading does not create cells";
    const struct
    {
        int column;
        const wchar_t* text;
    } writes[] = {{3, L"d"}, {1, L"b"}, {4, L"e"}, {2, L"c"}, {3, L"D"}, {0, nullptr}};
    for (const auto& write : writes)
        EXPECT_TRUE(grid.SetItemText(0, write.column, write.text)) << write.column;
    EXPECT_EQ(grid.GetItemText(0, 3), CString(L"D"));
    const auto cells = Cells(grid, 0);
    ASSERT_EQ(cells.size(), 5u);
    for (size_t i = 0; i < cells.size(); ++i)
    {
        EXPECT_EQ(cells[i]->nColumn, int(i));
        EXPECT_TRUE(cells[i]->nFlags & CELL_HASTEXT);
        EXPECT_EQ(cells[i]->pPrevious, i ? cells[i - 1] : nullptr);
    }
}

TEST_F(GridTest, SelectionStatesDisabledRowsAndDeletingTheSelectedRow)
{
    addColumns(1);
    grid.AppendBlank(3);
    EXPECT_TRUE(grid.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_TRUE(grid.SetItemState(2, 0, LVIS_SELECTED));
    EXPECT_EQ(grid.GetSelectedItem(), 1) << "clearing the bit does not move the selection";
    EXPECT_EQ(grid.GetItemState(0, LVIS_SELECTED), 0u);
    EXPECT_TRUE(grid.SetItemState(0, 0x3000 | LVIS_FOCUSED, LVIS_STATEIMAGEMASK));
    EXPECT_EQ(grid.GetItemState(0, 0xFFFF), 0x3000u) << "only the masked bits are stored";
    EXPECT_TRUE(grid.SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED));
    EXPECT_EQ(grid.GetItemState(0, 0xFFFF), UINT(0x3000 | LVIS_FOCUSED));
    EXPECT_FALSE(grid.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(grid.GetSelectedItem(), 1);
    EXPECT_FALSE(grid.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(grid.GetSelectedItem(), -1) << "row -1 clears the selection";
    grid.DisableEdit(0, 1);
    EXPECT_TRUE(grid.IsDisabled(0));
    EXPECT_FALSE(grid.IsDisabled(1));
    grid.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(grid.DeleteItem(2));
    EXPECT_EQ(grid.GetSelectedItem(), 1) << "the selected last row moves to the new last row";
}

TEST_F(GridTest, BackgroundFallsBackFromRowToColumnToList)
{
    addColumns(2);
    grid.AppendBlank(2);
    grid.SetListColor(RGB(250, 250, 240));
    grid.SetColumnColor(1, RGB(200, 255, 200));
    grid.SetColor(0, RGB(255, 220, 220), 0);
    grid.SetColor(0, 0, 0);   // black means none
    EXPECT_EQ(grid.GetBkColor(0, 1), RGB(200, 255, 200));
    EXPECT_EQ(grid.GetBkColor(9, 1), RGB(200, 255, 200)) << "a missing row has no colour";
    EXPECT_EQ(grid.GetBkColor(9, 9), RGB(250, 250, 240));
    grid.SetColor(1, RGB(1, 1, 1), 0);
    grid.SetColor(1, RGB(2, 2, 2), 1);
    EXPECT_EQ(grid.GetOldColor(), RGB(1, 1, 1)) << "save 1 keeps the row's previous colour";
    grid.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    grid.RecoverEditColor();
    EXPECT_EQ(grid.GetBkColor(1, 0), RGB(255, 255, 255));
}

TEST_F(GridTest, OutOfRangeIndexesAndCountsNeverReachMemory)
{
    EXPECT_EQ(grid.AppendBlank(2), 0);
    EXPECT_EQ(grid.GetItemCount(), 0) << "no rows without columns";
    EXPECT_EQ(grid.GetItemText(0, 0), CString());
    EXPECT_FALSE(grid.SetItemText(0, 0, L"x"));
    addColumns(2);
    EXPECT_EQ(grid.AppendBlank(0), -1);
    EXPECT_EQ(grid.AppendBlank(-3), -1);
    EXPECT_EQ(grid.AppendBlank(2), 1) << "the index of the last row added";
    EXPECT_EQ(grid.FindRowIndex(1)->nOrdinal, 1);
    for (int i : {-1, 2, INT_MIN})
    {
        SCOPED_TRACE(i);
        EXPECT_FALSE(grid.SetItemText(i, 0, L"x"));
        EXPECT_FALSE(grid.SetItemText(0, i, L"x"));
        EXPECT_EQ(grid.GetItemText(i, 0), CString());
        EXPECT_EQ(grid.GetItemText(0, i), CString());
        EXPECT_EQ(grid.GetItemInt(i, i), 0);
        LVITEM badRow = Item(LISTMASK_TEXT | LISTMASK_IMAGE, i, 0, L"x"), badColumn = badRow;
        badColumn.iItem = 0;
        badColumn.iSubItem = i;
        EXPECT_FALSE(grid.SetItem(&badRow));
        EXPECT_FALSE(grid.SetItem(&badColumn));
        EXPECT_FALSE(grid.DeleteItem(i));
        EXPECT_EQ(grid.FindRowIndex(i), nullptr);
        EXPECT_EQ(grid.GetItemState(i, 0xFFFF), 0u);
        EXPECT_FALSE(grid.SetItemColor(i, 0, 1));
        EXPECT_EQ(grid.GetItemColor(i, 0), 0u);
        EXPECT_EQ(grid.GetItemColor(0, i), 0u);
        EXPECT_TRUE(grid.IsDisabled(i)) << "a missing row cannot be edited";
        grid.SetColor(i, RGB(1, 2, 3), 1);
        grid.SetColumnColor(i, RGB(1, 2, 3));
        grid.DisableEdit(i, 1);
        grid.Swap(i, 0);
        int first = -7, last = -7;
        EXPECT_FALSE(grid.GetRowRange(0, i, first, last));
        EXPECT_TRUE(grid.GetRowRange(i, 0, first, last)) << "an unknown column is never combined";
        EXPECT_EQ(std::make_pair(first, last), std::make_pair(0, 0));
        EXPECT_EQ(grid.FindBlankItem(i), 0);
        EXPECT_FALSE(grid.SetFormat(i, 1));
        EXPECT_FALSE(grid.EnsureVisible(i > 2 || i < 0 ? i : 3, FALSE));
        grid.QuickSort(i, INT_MAX, i, true);
        grid.Sort(i, false);
    }
    EXPECT_EQ(grid.GetItemCount(), 2);
    EXPECT_FALSE(grid.IsDisabled(0));
    EXPECT_EQ(grid.GetBkColor(0, 0), grid.GetListColor());
    EXPECT_MESSAGE_BOXES(boxes, L"未設置列表框的欄位");
}
