// A long fixed-seed sequence of ordinary calls, in range and out of range,
// checked after every step against a plain model of the rows: the store
// never loses, moves or invents a text, whatever enlarging, scrolling and
// painting happen in between (the suite also runs under the heap check).
#include "listgrid_fixture.h"

#include <algorithm>
#include <random>

using gridtest::Column;
using gridtest::GridTest;

namespace
{

using Rows = std::vector<std::vector<std::wstring>>;

const unsigned kSeed = 7;
const int kSteps = 3000;

class Random
{
public:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_engine); }
    std::wstring Text()
    {
        std::wstring text(size_t(Pick(0, 3) == 0 ? Pick(100, 3000) : Pick(0, 8)), L' ');
        for (wchar_t& c : text)
            c = Pick(0, 1) ? wchar_t(Pick(0x4E00, 0x9FA5)) : wchar_t(Pick(L'0', L'z'));
        return text;
    }

private:
    std::mt19937 m_engine{kSeed};
};

}   // namespace

TEST_F(GridTest, ALongRandomSequenceOfCallsKeepsEveryText)
{
    Random random;
    Rows model;
    int columns = 0;
    auto addColumn = [&](int position)
    {
        LVCOLUMN column = Column(L"欄", random.Pick(0, 300));
        // Positions past the end (and negative ones) append.
        ASSERT_EQ(grid.InsertColumn(position, &column), columns);
        ++columns;
        for (auto& row : model)
            row.emplace_back();
    };
    addColumn(0);
    addColumn(-1);
    qvtest::MemoryCanvas canvas(kWidth, kHeight);

    for (int step = 0; step < kSteps; ++step)
    {
        const int rows = int(model.size());
        const int row = random.Pick(-2, rows + 2);
        const int column = random.Pick(-1, columns);
        const bool rowInRange = row >= 0 && row < rows;
        switch (random.Pick(0, 11))
        {
        case 0:
            if (columns < 12)
                addColumn(random.Pick(0, 1) ? columns : columns + random.Pick(1, 5));
            break;
        case 1:
        {
            const int at = grid.InsertBlankRow(row);
            const int expected = (row < 0 || row > rows) ? rows : row;
            ASSERT_EQ(at, expected) << "step " << step;
            model.insert(model.begin() + expected, std::vector<std::wstring>(size_t(columns)));
            break;
        }
        case 2:
        {
            const int count = random.Pick(1, 4);
            grid.AppendBlank(count);
            model.resize(model.size() + size_t(count), std::vector<std::wstring>(size_t(columns)));
            break;
        }
        case 3:
            ASSERT_EQ(grid.DeleteItem(row), rowInRange) << "step " << step;
            if (rowInRange)
                model.erase(model.begin() + row);
            break;
        case 4:
        case 5:
        case 6:
        {
            const std::wstring text = random.Text();
            const bool inRange = rowInRange && column >= 0 && column < columns;
            ASSERT_EQ(grid.SetItemText(row, column, text.c_str()), inRange) << "step " << step;
            if (inRange)
                model[size_t(row)][size_t(column)] = text;
            break;
        }
        case 7:
        {
            const int other = random.Pick(-1, rows);
            grid.Swap(row, other);
            if (rowInRange && other >= 0 && other < rows)
                std::swap(model[size_t(row)], model[size_t(other)]);
            break;
        }
        case 8:
            if (column >= 0 && column < columns && random.Pick(0, 3) == 0)
            {
                // Sorting reorders whole rows: the same rows, each kept together.
                grid.Sort(column, random.Pick(0, 1) == 1);
                Rows sorted(model.size());
                for (int r = 0; r < rows; ++r)
                    for (int c = 0; c < columns; ++c)
                        sorted[size_t(r)].push_back(grid.GetItemText(r, c).GetString());
                Rows a = model, b = sorted;
                std::sort(a.begin(), a.end());
                std::sort(b.begin(), b.end());
                ASSERT_EQ(a, b) << "step " << step;
                model = sorted;
            }
            break;
        case 9:
            grid.SendMessage(UM_ENLARGE, 0, random.Pick(-5, 60));
            grid.SetHeadHeight(random.Pick(-10, 400));
            break;
        case 10:
            grid.EnsureVisible(row, random.Pick(0, 1));
            grid.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, random.Pick(0, 3000)), 0);
            break;
        default:
            if (random.Pick(0, 20) == 0)
            {
                paintInto(canvas);
                ::SendMessageW(grid.GetHeadWnd()->GetSafeHwnd(), WM_PRINTCLIENT, WPARAM(canvas.dc()), PRF_CLIENT);
            }
            else if (random.Pick(0, 40) == 0)
            {
                grid.DeleteAllItems();
                model.clear();
            }
            break;
        }
        ASSERT_EQ(grid.GetItemCount(), int(model.size())) << "step " << step;
        ASSERT_EQ(grid.GetFieldCount(), columns) << "step " << step;
        if (!model.empty())
        {
            const int r = random.Pick(0, int(model.size()) - 1), c = random.Pick(0, columns - 1);
            ASSERT_EQ(std::wstring(grid.GetItemText(r, c)), model[size_t(r)][size_t(c)])
                << "step " << step << " cell " << r << "," << c;
        }
    }
    for (int r = 0; r < int(model.size()); ++r)
        for (int c = 0; c < columns; ++c)
            ASSERT_EQ(std::wstring(grid.GetItemText(r, c)), model[size_t(r)][size_t(c)]) << r << "," << c;
    EXPECT_GT(model.size(), 10u) << "the sequence built a grid worth checking";
    EXPECT_MESSAGE_BOXES(boxes);
}
