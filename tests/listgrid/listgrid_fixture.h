// A CNewListCtrl created as a child of a recording host window, with helpers
// to build columns and rows and to paint the grid into a memory bitmap.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qvctrl.h"
#include "common/listctrl.h"
#include "qvtest.h"

namespace gridtest {

const COLORREF kWhite = RGB(255, 255, 255);

inline LVCOLUMN Column(const wchar_t* caption, int width, int fmt = LVCFMT_LEFT, int level = 0,
                       UINT mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT)
{
    LVCOLUMN column{};
    column.mask = mask;
    column.fmt = fmt;
    column.cx = width;
    column.pszText = const_cast<LPWSTR>(caption);
    column.iOrder = level;
    return column;
}

// The cells of a row, in the order they are linked.
inline std::vector<int> CellColumns(CNewListCtrl& grid, int row)
{
    std::vector<int> columns;
    const CxRowIndex* pRow = grid.FindRowIndex(row);
    for (const CxColumnIndex* pCell = pRow ? pRow->pCells : nullptr; pCell; pCell = pCell->pNext)
        columns.push_back(pCell->nColumn);
    return columns;
}

inline int CombineOf(CNewListCtrl& grid, int row, int column)
{
    const CxRowIndex* pRow = grid.FindRowIndex(row);
    for (const CxColumnIndex* pCell = pRow ? pRow->pCells : nullptr; pCell; pCell = pCell->pNext)
        if (pCell->nColumn == column)
            return pCell->nCombine;
    return 0;
}

// The grid with the members that the editing code will drive made reachable.
class TestGrid : public CNewListCtrl
{
public:
    using CNewListCtrl::m_pEdit;
};

class GridTest : public ::testing::Test {
protected:
    static constexpr int kGridId = 100;

    void SetUp() override
    {
        ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), CWnd::FromHandle(host),
                                kGridId));
        host.clear();
    }

    // Columns "C0", "C1", ... of the given width.
    void addColumns(int count, int width = 80)
    {
        for (int i = 0; i < count; ++i)
        {
            const std::wstring caption = L"C" + std::to_wstring(i);
            LVCOLUMN column = Column(caption.c_str(), width);
            grid.InsertColumn(i, &column);
        }
    }

    // Rows whose column c holds texts[row][c].
    void addRows(const std::vector<std::vector<std::wstring>>& texts)
    {
        for (const auto& row : texts)
        {
            const int index = grid.AppendBlank(1);
            for (size_t c = 0; c < row.size(); ++c)
                grid.SetItemText(index, int(c), row[c].c_str());
        }
    }

    std::vector<std::wstring> columnTexts(int column)
    {
        std::vector<std::wstring> texts;
        for (int row = 0; row < grid.GetItemCount(); ++row)
            texts.push_back(grid.GetItemText(row, column).GetString());
        return texts;
    }

    // Paints the client area as WM_PRINTCLIENT asks for it.
    void paintInto(qvtest::MemoryCanvas& canvas)
    {
        ::SendMessageW(grid.GetSafeHwnd(), WM_PRINTCLIENT, WPARAM(canvas.dc()), PRF_CLIENT);
    }

    bool recordPaint(qvtest::MetafileRecorder& recorder)
    {
        return recorder.recordPrintClient(grid.GetSafeHwnd(), PRF_CLIENT);
    }

    CRect clientRect()
    {
        CRect rc;
        grid.GetClientRect(&rc);
        return rc;
    }

    static constexpr int kWidth = 500;
    static constexpr int kHeight = 300;
    qvtest::MessageBoxCapture boxes;
    qvtest::HostWindow host{L"list grid", 700, 500};
    TestGrid grid;
};

}  // namespace gridtest
