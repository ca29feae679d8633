// A CNewListCtrl created as a child of a recording host window, with helpers
// to build columns and rows and to paint the grid.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qvctrl.h"
#include "common/listctrl.h"
#include "qvtest.h"

namespace gridtest
{

const COLORREF kWhite = RGB(255, 255, 255);

inline LVCOLUMN Column(const wchar_t* caption, int width, int fmt = LVCFMT_LEFT, int level = 0,
                       UINT mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT)
{
    LVCOLUMN column{mask, fmt, width, const_cast<LPWSTR>(caption)};
    column.iOrder = level;   // the header level or group width
    return column;
}

// The cells of a row, in the order they are linked.
inline std::vector<const CxColumnIndex*> Cells(CNewListCtrl& grid, int row)
{
    std::vector<const CxColumnIndex*> cells;
    const CxRowIndex* pRow = grid.FindRowIndex(row);
    for (const CxColumnIndex* pCell = pRow ? pRow->pCells : nullptr; pCell; pCell = pCell->pNext)
        cells.push_back(pCell);
    return cells;
}

// The grid with the members that the editing code will drive made reachable.
class TestGrid : public CNewListCtrl
{
public:
    using CNewListCtrl::m_pEdit;
};

class GridTest : public ::testing::Test
{
protected:
    static constexpr int kWidth = 500;
    static constexpr int kHeight = 300;

    void SetUp() override
    {
        ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), CWnd::FromHandle(host), 100));
        host.clear();
    }

    // Columns "C0", "C1", ... of the given width.
    void addColumns(int count, int width = 80)
    {
        for (int i = 0; i < count; ++i)
        {
            LVCOLUMN column = Column((L"C" + std::to_wstring(i)).c_str(), width);
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

    // Both paint the client area as WM_PRINTCLIENT asks for it.
    void paintInto(qvtest::MemoryCanvas& canvas)
    {
        canvas.fill(kWhite);
        ::SendMessageW(grid.GetSafeHwnd(), WM_PRINTCLIENT, WPARAM(canvas.dc()), PRF_CLIENT);
    }
    void record(qvtest::MetafileRecorder& recorder)
    {
        ASSERT_TRUE(recorder.recordPrintClient(grid.GetSafeHwnd(), PRF_CLIENT));
    }

    CRect clientRect()
    {
        CRect rc;
        grid.GetClientRect(&rc);
        return rc;
    }

    qvtest::MessageBoxCapture boxes;
    qvtest::HostWindow host{L"list grid", 700, 500};
    TestGrid grid;
};

}   // namespace gridtest
