// The editor and the combo boxes over the active cell: scrolling, focus,
// deleted rows and columns, and a parent that answers nonsense.
#include "input_fixture.h"

#include <algorithm>
#include <map>

using inputtest::Codes;
using inputtest::InputTest;
using inputtest::Pump;

namespace
{

// The largest height that each window was given, seen as it is created and sized (a
// combo box then shrinks itself to its edit field and keeps the rest as its drop).
class SizeWatch
{
public:
    SizeWatch()
    {
        s_heights.clear();
        m_hook = ::SetWindowsHookExW(WH_CALLWNDPROC, Proc, nullptr, ::GetCurrentThreadId());
    }
    ~SizeWatch() { ::UnhookWindowsHookEx(m_hook); }
    static int largestHeight(HWND window)
    {
        const auto found = s_heights.find(window);
        return found == s_heights.end() ? -1 : found->second;
    }

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->message == WM_CREATE)
        {
            const int cy = reinterpret_cast<const CREATESTRUCTW*>(message->lParam)->cy;
            s_heights[message->hwnd] = std::max(s_heights[message->hwnd], cy);
        }
        if (code == HC_ACTION && message->message == WM_WINDOWPOSCHANGING)
        {
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(message->lParam);
            if (!(pos->flags & SWP_NOSIZE))
                s_heights[message->hwnd] = std::max(s_heights[message->hwnd], pos->cy);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline std::map<HWND, int> s_heights;
    HHOOK m_hook;
};

CString WindowText(CWnd* wnd)
{
    CString text;
    wnd->GetWindowText(text);
    return text;
}

}   // namespace

TEST_F(InputTest, TheEditorHidesWhenItsCellScrollsAwayAndComesBackWithIt)
{
    create(LVS_EDITLABELS, 40);
    click(2, 1);
    type(L"typed");
    ASSERT_TRUE(editorShows());
    ::SendMessageW(grid.GetSafeHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-240)), 0);
    Pump();
    EXPECT_GT(grid.GetScrollPos(SB_VERT), 0);
    EXPECT_FALSE(editorShows()) << "row 2 went under the header";
    host.clear();
    ::SendMessageW(grid.GetSafeHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0);
    Pump();
    EXPECT_EQ(grid.GetScrollPos(SB_VERT), 0);
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(editorRect(), cellRect(2, 1));
    EXPECT_EQ(editorText(), CString(L"typed")) << "the text typed so far comes back with it";
    EXPECT_EQ(host.countNotify(LVN_ENDLABELEDITW), 0u);

    // A scroll that keeps the cell in view moves the editor with the rows.
    click(8, 1);
    grid.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    Pump();
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(editorRect(), cellRect(8, 1));

    // The program's own scrolling (EnsureVisible) takes the editor along as well.
    grid.EnsureVisible(39, FALSE);
    Pump();
    EXPECT_FALSE(editorShows()) << "row 8 left the view";
    grid.EnsureVisible(7, FALSE);   // scrolling up puts row 7 under the header, row 8 below it
    Pump();
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(editorRect(), cellRect(8, 1));
}

// A click right of the last column selects its row but no cell: the combo
// box of the old row must not stay open to take what is chosen next (the
// editor closes anyway, as the grid takes the focus).
TEST_F(InputTest, AClickPastTheLastColumnClosesTheBoxOfAnotherRow)
{
    create(LVS_EDITLABELS);
    CMyComboBox* box = grid.CreateComboBox(501, 2);
    ASSERT_NE(box, nullptr);
    box->AddString(L"甲");
    click(1, 2);
    ASSERT_TRUE(box->IsWindowVisible());
    auto clickPastColumns = [&](int row)
    {
        const CPoint point(4 * kColumnWidth + 10, cellPoint(row, 0).y);
        post(WM_LBUTTONDOWN, point);
        post(WM_LBUTTONUP, point, 0);
        Pump();
    };
    clickPastColumns(1);
    EXPECT_TRUE(box->IsWindowVisible()) << "the same row: the box stays over its cell";
    clickPastColumns(3);
    EXPECT_EQ(grid.GetSelectedItem(), 3);
    EXPECT_FALSE(box->IsWindowVisible());
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(grid.GetItemText(1, 2), CString(L"r1c2"));
    EXPECT_EQ(grid.GetItemText(3, 2), CString(L"r3c2"));
}

TEST_F(InputTest, PlacingTheEditorScrollsItsCellIntoView)
{
    create(LVS_EDITLABELS, 40);
    ASSERT_TRUE(grid.EditLabel(30, 3));
    CRect client;
    grid.GetClientRect(&client);
    const CRect rc = editorRect();
    EXPECT_EQ(rc, cellRect(30, 3));
    EXPECT_GE(rc.top, grid.GetHeadHeight());
    EXPECT_LE(rc.bottom, client.bottom);
    EXPECT_EQ(editorText(), CString(L"r30c3"));
    EXPECT_EQ(grid.GetSelectedItem(), 30);
    // Back up: the row goes under the header and the grid scrolls up to it.
    grid.MoveEditWindow(2, 1);
    EXPECT_EQ(editorRect(), cellRect(1, 2));
    EXPECT_GE(editorRect().top, grid.GetHeadHeight());
    // A row equal to the count is the last row; one beyond it is ignored.
    grid.MoveEditWindow(0, 40);
    EXPECT_EQ(grid.GetSelectedItem(), 39);
    grid.MoveEditWindow(0, 41);
    EXPECT_EQ(grid.GetSelectedItem(), 39);
    grid.MoveEditWindow(0, -1);
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(grid.EditLabel(40, 0), nullptr);
}

TEST_F(InputTest, LosingTheFocusHidesTheEditorSilently)
{
    create(LVS_EDITLABELS);
    click(1, 1);
    type(L"x");
    host.clear();
    HWND other = ::CreateWindowExW(0, L"BUTTON", L"other", WS_CHILD | WS_VISIBLE, 500, 300, 60, 20, host, nullptr,
                                   nullptr, nullptr);
    ::SetFocus(other);
    Pump();
    EXPECT_FALSE(editorShows());
    EXPECT_TRUE(received().empty());
    EXPECT_EQ(grid.GetItemText(1, 1), CString(L"r1c1"));
    ::DestroyWindow(other);
}

TEST_F(InputTest, AComboBoxTakesTheEditorsPlaceInItsColumn)
{
    create(LVS_EDITLABELS);
    CMyComboBox* few = grid.CreateComboBox(501, 2);
    CMyComboBox* many = grid.CreateComboBox(502, 3);
    ASSERT_TRUE(few && many);
    for (const wchar_t* entry : {L"甲", L"乙", L"丙"})
        few->AddString(entry);
    for (int i = 0; i < 9; ++i)
        many->AddString(std::to_wstring(i).c_str());
    EXPECT_EQ(grid.GetComboBoxCount(), 2);
    EXPECT_EQ(grid.GetBoxIndex(3), 1);
    EXPECT_EQ(grid.GetComboBox(1), nullptr);

    SizeWatch sizes;
    click(1, 2);
    EXPECT_FALSE(editorShows());
    ASSERT_TRUE(few->IsWindowVisible());
    EXPECT_FALSE(many->IsWindowVisible());
    CRect rc;
    few->GetWindowRect(&rc);
    grid.ScreenToClient(&rc);
    const CRect cell = cellRect(1, 2);
    EXPECT_EQ(rc.TopLeft(), cell.TopLeft());
    EXPECT_EQ(rc.Width(), cell.Width());
    EXPECT_EQ(WindowText(few), CString(L"r1c2"));
    EXPECT_EQ(grid.GetEditText(1, 2), CString(L"r1c2"));
    const int rowHeight = cell.Height();
    EXPECT_EQ(sizes.largestHeight(few->GetSafeHwnd()), 6 * rowHeight) << "three entries drop five rows";

    click(2, 3);
    EXPECT_FALSE(few->IsWindowVisible());
    ASSERT_TRUE(many->IsWindowVisible());
    EXPECT_EQ(sizes.largestHeight(many->GetSafeHwnd()), 10 * rowHeight) << "nine entries drop nine rows";

    // The box of the selected row shows texts written into its cell.
    grid.SetItemText(2, 3, L"新");
    EXPECT_EQ(WindowText(many), CString(L"新"));
    grid.SetItemText(1, 3, L"舊");
    EXPECT_EQ(WindowText(many), CString(L"新"));

    // A choice in the box reaches the parent with the active column.
    many->SetCurSel(4);
    host.clear();
    grid.SendMessage(WM_COMMAND, MAKEWPARAM(502, CBN_SELCHANGE), LPARAM(many->GetSafeHwnd()));
    ASSERT_EQ(received(), (Codes{UM_COMBOSELECTION}));
    EXPECT_EQ(host.messages().back().wParam, WPARAM(3));
    EXPECT_EQ(host.messages().back().lParam, LPARAM(4));

    // Other columns take the editor again and hide the boxes.
    click(2, 1);
    EXPECT_TRUE(editorShows());
    EXPECT_FALSE(many->IsWindowVisible());
}

TEST_F(InputTest, ADeletedColumnTakesItsComboBoxAlong)
{
    create(LVS_EDITLABELS);
    CMyComboBox* box = grid.CreateComboBox(501, 3);
    ASSERT_TRUE(box);
    click(1, 3);
    ASSERT_TRUE(box->IsWindowVisible());
    EXPECT_TRUE(grid.DeleteColumn(3));
    EXPECT_FALSE(box->IsWindowVisible());
    EXPECT_EQ(grid.GetBoxIndex(3), -1);
    EXPECT_EQ(grid.GetSelectedSubItem(), -1);
    click(1, 2);
    EXPECT_TRUE(editorShows());
    EXPECT_FALSE(box->IsWindowVisible());
    grid.FreeComboBox();
    EXPECT_EQ(grid.GetComboBoxCount(), 0);
    click(2, 2);
    EXPECT_TRUE(editorShows());
}

TEST_F(InputTest, DeletedRowsTakeTheEditorAlongOrHideIt)
{
    create(LVS_EDITLABELS, 3);
    click(2, 1);
    ASSERT_TRUE(grid.DeleteItem(2));
    EXPECT_EQ(grid.GetSelectedItem(), 1);
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(editorRect(), cellRect(1, 1));
    EXPECT_EQ(editorText(), CString(L"r1c1"));
    ASSERT_TRUE(grid.DeleteItem(0));
    ASSERT_TRUE(grid.DeleteItem(0));
    EXPECT_EQ(grid.GetSelectedItem(), -1);
    EXPECT_FALSE(editorShows());
    EXPECT_FALSE(grid.DeleteItem(0));
}

TEST_F(InputTest, RowsDeletedInsideANotificationLeaveNoStaleEditor)
{
    create(LVS_EDITLABELS, 4);
    host.onMessage(
        [&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (m.message == UM_EDITQUERY)
                grid.DeleteItem(int(m.wParam));
            if (m.message == UM_EDITMOVING)
                grid.DeleteAllItems();
            return std::nullopt;
        });
    click(3, 2);   // the clicked last row goes while the parent is asked
    EXPECT_EQ(grid.GetItemCount(), 3);
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(grid.GetSelectedItem(), 2);
    EXPECT_EQ(editorRect(), cellRect(2, 2));
    click(0, 1);   // now every row goes while the editor is moved
    EXPECT_EQ(grid.GetItemCount(), 0);
    EXPECT_FALSE(editorShows());
    key(VK_DOWN);
    key(VK_RETURN);
    EXPECT_FALSE(editorShows());
}

// The editor, hidden, is moved to the last row and the parent deletes that
// row when it hears of the move: the editor ends over the row now selected.
TEST_F(InputTest, ARowDeletedWhenTheParentHearsOfTheMoveLeavesNoStaleEditor)
{
    create(LVS_EDITLABELS, 5);
    click(1, 1);
    grid.HideEditWnd();
    int deletions = 0;
    host.onMessage(
        [&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (m.message == UM_EDITMOVED && deletions++ == 0)
                grid.DeleteItem(4);
            return std::nullopt;
        });
    grid.MoveEditWindow(1, 4);
    EXPECT_EQ(grid.GetItemCount(), 4);
    EXPECT_EQ(grid.GetSelectedItem(), 3);
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(editorRect(), cellRect(3, 1));
    EXPECT_EQ(editorText(), CString(L"r3c1"));
}

TEST_F(InputTest, AParentAnsweringNonsenseCannotBreakTheGrid)
{
    create(LVS_EDITLABELS, 5);
    // Every notice and private message gets a different odd answer (the
    // framework's registered messages are left alone: they are not the grid's).
    host.onMessage(
        [](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (m.message >= 0xC000)
                return std::nullopt;
            return LRESULT(0x5A5A5A5A ^ LRESULT(m.message) ^ LRESULT(m.notifyCode));
        });
    grid.CreateComboBox(501, 1)->AddString(L"a");
    for (int round = 0; round < 3; ++round)
    {
        click(round, round);
        type(L"z");
        key(VK_DOWN);
        key(VK_RETURN);
        key(VK_NEXT);
        key(VK_UP);
        post(WM_LBUTTONDBLCLK, cellPoint(1, 1));
        ::SendMessageW(grid.GetSafeHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-120)), 0);
        Pump();
    }
    const int row = grid.GetSelectedItem();
    EXPECT_GE(row, 0);
    EXPECT_LT(row, grid.GetItemCount());
    EXPECT_GE(grid.GetSelectedSubItem(), 0);
    EXPECT_LT(grid.GetSelectedSubItem(), grid.GetFieldCount());
    EXPECT_EQ(grid.GetItemText(0, 0), CString(L"r0c0"));
}

TEST_F(InputTest, DraggingAColumnBorderKeepsTheEditorOverItsCell)
{
    create(LVS_EDITLABELS);
    click(1, 2);
    type(L"w");
    HWND header = grid.GetHeadWnd()->GetSafeHwnd();
    const int border = 2 * kColumnWidth;   // right edge of column 1, grabbed just left of it
    ::PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(border - 1, 5));
    ::PostMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(border + 30, 5));
    ::PostMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(border + 30, 5));
    Pump();
    CRect header2;
    ASSERT_TRUE(grid.GetHeaderRect(2, header2));
    EXPECT_EQ(header2.left, border + 30);
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(editorRect(), cellRect(1, 2));
    EXPECT_EQ(editorRect().left, border + 30);
    EXPECT_EQ(editorText(), CString(L"w"));
}

TEST_F(InputTest, SetupComboBoxPutsTheGridsOwnBoxWhereTheEditorWas)
{
    create(LVS_EDITLABELS);
    grid.SetupComboBox(1);
    EXPECT_FALSE(grid.GetOwnComboBox()->GetSafeHwnd()) << "no editor window yet";
    click(2, 1);
    const CRect cell = cellRect(2, 1);
    SizeWatch sizes;
    grid.SetupComboBox(1);
    EXPECT_FALSE(grid.m_pEdit->GetSafeHwnd());
    CComboBox* box = grid.GetOwnComboBox();
    ASSERT_TRUE(box->GetSafeHwnd());
    EXPECT_EQ(box->GetDlgCtrlID(), 1000);
    EXPECT_EQ(sizes.largestHeight(box->GetSafeHwnd()), cell.Height() + 200) << "the drop reaches 200 pixels below";
    EXPECT_EQ(box->GetStyle() & (CBS_DROPDOWN | CBS_SORT), DWORD(CBS_DROPDOWN | CBS_SORT));
    CRect rc;
    box->GetWindowRect(&rc);
    grid.ScreenToClient(&rc);
    EXPECT_EQ(rc.TopLeft(), cell.TopLeft());
    // The editor comes back at the next click.
    click(3, 1);
    EXPECT_TRUE(editorShows());
}

// A header double click sorts other records under the editor: the edit ends
// first for the cell it was typed in, and the editor closes.
TEST_F(InputTest, SortingWhileEditingEndsTheEditForItsOwnCell)
{
    create(LVS_EDITLABELS);
    click(1, 2);
    type(L"X");
    host.clear();
    std::wstring told;
    host.onMessage(
        [&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (m.isNotify() && m.notifyCode == UINT(LVN_ENDLABELEDITW))
                if (const auto* info = reinterpret_cast<const NMLVDISPINFOW*>(m.lParam); info->item.pszText)
                    told = info->item.pszText;
            return std::nullopt;
        });
    ::PostMessageW(grid.GetHeadWnd()->GetSafeHwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON,
                   MAKELPARAM(2 * kColumnWidth + 10, 5));
    Pump();
    const auto ended = host.notifications(LVN_ENDLABELEDITW);
    ASSERT_EQ(ended.size(), 1u);
    const auto info = ended.at(0).as<NMLVDISPINFOW>();
    EXPECT_EQ(info.item.iItem, 1);
    EXPECT_EQ(info.item.iSubItem, 2);
    EXPECT_EQ(told, L"X") << "told before the rows moved";
    EXPECT_EQ(grid.GetItemText(1, 2), CString(L"r4c2")) << "sorted, descending";
    EXPECT_FALSE(editorShows());
    key(VK_RETURN);
    EXPECT_EQ(told, L"r4c2") << "Enter reports the text of the record now in the row, not the old edit";
}
