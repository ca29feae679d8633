// A long fixed-seed sequence of a person's input (clicks anywhere, keys,
// typing, sorting by the header) mixed with the program's own calls (rows
// inserted and deleted under the editor, texts written, scrolling), once with a quiet parent and once
// with a parent that answers edit queries at random and inserts and deletes
// rows from inside its notifications: after every step the selection is a
// row of the grid, and a shown editor or combo box sits exactly over the
// active cell.
#include "input_fixture.h"

#include <optional>
#include <random>

using namespace inputtest;

namespace
{
const unsigned kSeed = 5;
const int kSteps = 1500;
const int kComboColumn = 3;
const UINT kKeys[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_PRIOR, VK_NEXT, VK_RETURN};

std::string Describe(const CRect& rc)
{
    return "(" + std::to_string(rc.left) + "," + std::to_string(rc.top) + ")-(" + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom) + ")";
}
}   // namespace

class InputSequenceTest : public InputTest
{
protected:
    void run(unsigned seed, bool meddlingParent);
    // Answers edit queries at random and, now and then, inserts or deletes a
    // row from inside a notification about the editor (one level deep).
    template <class Pick> void meddle(Pick& pick)
    {
        host.onMessage(
            [this, &pick](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
            {
                if (m.message == UM_EDITQUERY)
                    return LRESULT(pick(0, 2));
                const bool aboutTheEditor =
                    m.message == UM_EDITMOVED ||
                    (m.isNotify() && (m.notifyCode == LVN_ENDLABELEDITW || m.notifyCode == NM_CLICK));
                if (aboutTheEditor && !m_inside && pick(0, 7) == 0 && grid.GetItemCount() > 1)
                {
                    m_inside = true;
                    if (pick(0, 1))
                        grid.DeleteItem(pick(0, grid.GetItemCount() - 1));
                    else
                        grid.InsertBlankRow(pick(0, grid.GetItemCount()));
                    m_inside = false;
                }
                return std::nullopt;
            });
    }
    bool m_inside = false;
};

void InputSequenceTest::run(unsigned seed, bool meddlingParent)
{
    create(LVS_EDITLABELS, 40);
    CMyComboBox* box = grid.CreateComboBox(501, kComboColumn);
    ASSERT_NE(box, nullptr);
    for (const wchar_t* entry : {L"甲", L"乙", L"丙"})
        box->AddString(entry);
    std::mt19937 engine(seed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    int editorSeen = 0, boxSeen = 0;
    if (meddlingParent)
        meddle(pick);

    for (int step = 0; step < kSteps; ++step)
    {
        const int rows = grid.GetItemCount();
        const int row = pick(-1, rows);
        const int operation = pick(0, 10);
        const std::string trace = "operation " + std::to_string(operation) + " row " + std::to_string(row);
        switch (operation)
        {
        case 0:
        case 1:
        case 2:
        {
            // Anywhere in the client area: cells, the header, past the last row or column.
            const CPoint point(pick(0, kWidth - 1), pick(0, kHeight - 1));
            post(WM_LBUTTONDOWN, point);
            post(WM_LBUTTONUP, point, 0);
            Pump();
            break;
        }
        case 3:
        case 4:
            key(kKeys[pick(0, int(std::size(kKeys)) - 1)]);
            break;
        case 5:
            type(pick(0, 1) ? L"改" : L"x9");
            break;
        case 6:
            if (rows > 1)
                grid.DeleteItem(pick(0, rows - 1));
            break;
        case 7:
            if (pick(0, 1))
                grid.InsertBlankRow(row);
            else
                grid.SetItemText(row, pick(0, 3), L"新");
            break;
        case 10:
            // A header double click sorts by the column under it.
            ::PostMessageW(grid.GetHeadWnd()->GetSafeHwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON,
                           MAKELPARAM(pick(0, 4 * kColumnWidth - 1), 5));
            Pump();
            break;
        case 8:
            grid.SendMessage(WM_VSCROLL, MAKEWPARAM(pick(0, 1) ? SB_LINEDOWN : SB_PAGEUP, 0), 0);
            Pump();
            break;
        default:
            grid.EnsureVisible(row, FALSE);
            Pump();
            break;
        }

        const int selected = grid.GetSelectedItem();
        ASSERT_GE(selected, -1) << "step " << step;
        ASSERT_LT(selected, grid.GetItemCount()) << "step " << step;
        const int column = grid.GetSelectedSubItem();
        if (editorShows())
        {
            ++editorSeen;
            ASSERT_GE(selected, 0) << "step " << step;
            ASSERT_GE(column, 0) << "step " << step;
            ASSERT_EQ(Describe(editorRect()), Describe(cellRect(selected, column)))
                << "step " << step << " after " << trace << " cell " << selected << "," << column;
        }
        // A box is made visible with an empty rectangle: it shows once it has a width.
        CRect rc;
        box->GetWindowRect(&rc);
        grid.ScreenToClient(&rc);
        if (box->IsWindowVisible() && rc.Width() > 0)
        {
            ++boxSeen;
            ASSERT_FALSE(editorShows()) << "step " << step;
            ASSERT_GE(selected, 0) << "step " << step;
            // A combo box is as tall as its own edit field: its top, left and width are the cell's.
            CRect rcCell = cellRect(selected, kComboColumn);
            rcCell.bottom = rcCell.top + rc.Height();
            ASSERT_EQ(Describe(rc), Describe(rcCell)) << "step " << step << " after " << trace << " cell " << selected;
        }
    }
    host.onMessage({});   // the handler draws from this run's generator
    EXPECT_GT(editorSeen, 50) << "the editor was open often enough to be checked";
    EXPECT_GT(boxSeen, 10) << "the combo box was open often enough to be checked";
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(InputSequenceTest, ALongRandomSequenceOfInputLeavesNoStaleEditor)
{
    run(kSeed, false);
}

TEST_F(InputSequenceTest, AParentThatMeddlesInItsNotificationsLeavesNoStaleEditor)
{
    run(kSeed + 1, true);
}
