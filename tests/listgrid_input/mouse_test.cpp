// Clicks on the grid: selection, the notices the parent receives in order,
// and the parent's answers steering the editor.
#include "input_fixture.h"

using inputtest::Codes;
using inputtest::InputTest;
using inputtest::Pump;

namespace
{
const COLORREF kClickedBlue = RGB(128, 128, 255);
const COLORREF kSilver = RGB(192, 192, 192);
}   // namespace

TEST_F(InputTest, ClickWithoutEditingSelectsTheCellAndTellsTheParent)
{
    create(0);
    click(2, 1);
    EXPECT_EQ(received(), (Codes{NM_CLICK, LVN_ITEMCHANGED}));
    const auto changed = host.notifications(LVN_ITEMCHANGED).at(0).as<NMLVDISPINFOW>();
    EXPECT_EQ(changed.item.iItem, 2);
    EXPECT_EQ(changed.item.iSubItem, 1);
    EXPECT_EQ(changed.hdr.hwndFrom, grid.GetSafeHwnd());
    EXPECT_EQ(host.notifications(NM_CLICK).at(0).wParam, WPARAM(100));
    EXPECT_EQ(grid.GetSelectedItem(), 2);
    EXPECT_EQ(grid.GetSelectedSubItem(), 1);
    EXPECT_FALSE(grid.m_pEdit) << "no editor without LVS_EDITLABELS";
    EXPECT_EQ(grid.GetItemState(2, LVIS_SELECTED), UINT(LVIS_SELECTED));

    // The next click whitens the row before and keeps the colour it had.
    grid.SetColor(4, RGB(0, 200, 0), 0);
    click(4, 3);
    EXPECT_EQ(grid.GetBkColor(2, 0), RGB(255, 255, 255));
    EXPECT_EQ(grid.GetBkColor(4, 0), kClickedBlue);
    EXPECT_EQ(grid.GetOldColor(), RGB(0, 200, 0));
}

TEST_F(InputTest, ClicksOffTheRowsOrOnDisabledRowsChangeNothing)
{
    create(LVS_EDITLABELS, 3);
    grid.DisableEdit(1, 1);
    click(1, 1);
    post(WM_LBUTTONDOWN, CPoint(100, grid.RowToYPos(5)));   // below the last row
    Pump();
    EXPECT_TRUE(received().empty());
    EXPECT_EQ(grid.GetSelectedItem(), -1);
    EXPECT_EQ(grid.GetSelectedSubItem(), -1);
    // Right of the last column: the row is taken, but nothing is told or edited.
    post(WM_LBUTTONDOWN, CPoint(4 * kColumnWidth + 20, grid.RowToYPos(2) + 3));
    Pump();
    EXPECT_TRUE(received().empty());
    EXPECT_EQ(grid.GetSelectedItem(), 2);
    EXPECT_EQ(grid.GetSelectedSubItem(), -1);
    EXPECT_FALSE(grid.m_pEdit);
}

TEST_F(InputTest, ClickWithEditingEndsTheOldEditAndPutsTheEditorOverTheCell)
{
    create(LVS_EDITLABELS);
    click(1, 2);
    EXPECT_EQ(received(), (Codes{NM_CLICK, LVN_ENDLABELEDITW, LVN_BEGINLABELEDITW, UM_EDITQUERY, LVN_ITEMCHANGED}));
    EXPECT_EQ(host.messagesOf(UM_EDITQUERY).at(0).wParam, WPARAM(1));
    const auto ended = host.notifications(LVN_ENDLABELEDITW).at(0).as<NMLVDISPINFOW>();
    EXPECT_EQ(ended.item.iItem, -1) << "no cell was being edited";
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(grid.m_pEdit->GetDlgCtrlID(), 300);
    EXPECT_EQ(editorRect(), cellRect(1, 2));
    EXPECT_EQ(editorRect(), CRect(180, grid.RowToYPos(1), 270, grid.RowToYPos(2)));
    EXPECT_EQ(editorText(), CString(L"r1c2"));
    EXPECT_EQ(::GetFocus(), grid.m_pEdit->GetSafeHwnd());
    EXPECT_TRUE(grid.IsEditFocus());
    EXPECT_EQ(grid.m_pEdit->GetStyle() & ES_AUTOHSCROLL, DWORD(ES_AUTOHSCROLL));

    // Typing and clicking elsewhere: the parent hears the typed text for the old cell.
    type(L"X");
    host.clear();
    click(3, 0);
    EXPECT_EQ(received(), (Codes{NM_CLICK, LVN_ENDLABELEDITW, LVN_BEGINLABELEDITW, UM_EDITQUERY, UM_EDITMOVING,
                                 UM_EDITMOVED, LVN_ITEMCHANGED}));
    const auto edited = host.notifications(LVN_ENDLABELEDITW).at(0).as<NMLVDISPINFOW>();
    EXPECT_EQ(edited.item.iItem, 1);
    EXPECT_EQ(edited.item.iSubItem, 2);
    EXPECT_EQ(edited.item.mask, UINT(LVIF_TEXT));
    EXPECT_EQ(host.notifications(LVN_ENDLABELEDITW).at(0).data.size() >= sizeof(NMLVDISPINFOW), true);
    EXPECT_EQ(host.messagesOf(UM_EDITMOVING).at(0).lParam, LPARAM(MAKELONG(0, 3)));
    EXPECT_EQ(editorRect(), cellRect(3, 0));
    EXPECT_EQ(editorText(), CString(L"r3c0"));
    EXPECT_EQ(grid.GetItemText(1, 2), CString(L"r1c2")) << "the grid never stores an edit itself";
}

TEST_F(InputTest, EditedTextReachesTheParentWhileItIsTold)
{
    create(LVS_EDITLABELS);
    std::wstring told;
    host.onMessage(
        [&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (m.isNotify() && m.notifyCode == UINT(LVN_ENDLABELEDITW))
            {
                const auto* info = reinterpret_cast<const NMLVDISPINFOW*>(m.lParam);
                if (info->item.pszText)
                    told = info->item.pszText;
            }
            return std::nullopt;
        });
    click(0, 1);
    type(L"新值");
    click(2, 1);
    EXPECT_EQ(told, L"新值") << "typing replaces the selected cell text";
}

TEST_F(InputTest, TheParentsAnswerToTheEditQuerySteersTheEditor)
{
    create(LVS_EDITLABELS);
    host.answer(UM_EDITQUERY, 2);
    click(1, 1);
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(host.countNotify(LVN_ITEMCHANGED), 0u);
    EXPECT_EQ(grid.GetSelectedItem(), 1);

    host.answer(UM_EDITQUERY, 1);
    click(2, 1);
    EXPECT_EQ(grid.GetBkColor(2, 1), kSilver);
    EXPECT_TRUE(editorShows());

    // An answer of 1 to the moved editor's notice hides it.
    host.answer(UM_EDITQUERY, 0);
    host.answerNotify(LVN_ITEMCHANGED, 1);
    click(3, 1);
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(grid.GetSelectedItem(), 3);
}

TEST_F(InputTest, ColumnZeroTakesNoEditorUnderTheNoWrapStyleAndLeavesRoomForTheStateImage)
{
    create(LVS_EDITLABELS | LVS_NOLABELWRAP);
    click(1, 1);
    ASSERT_TRUE(editorShows());
    click(2, 0);
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(host.countMessage(UM_EDITQUERY), 1u) << "column 0 is not asked about";

    grid.ModifyStyle(LVS_NOLABELWRAP, 0);
    grid.SetItemState(3, INDEXTOSTATEIMAGEMASK(1), LVIS_STATEIMAGEMASK);
    click(3, 0);
    ASSERT_TRUE(editorShows());
    const CRect cell = cellRect(3, 0);
    EXPECT_EQ(editorRect(), CRect(cell.left + 20, cell.top, cell.right, cell.bottom));
}

TEST_F(InputTest, CheckBoxColumnsAskTheParentToToggle)
{
    create(0);
    LVCOLUMN check{LVCF_TEXT | LVCF_WIDTH | LVCF_IMAGE, LVCFMT_LEFT, 60, const_cast<LPWSTR>(L"到")};
    ASSERT_EQ(grid.InsertColumn(4, &check), 4);
    grid.SetItemText(1, 4, L"0");
    grid.SetItemText(2, 4, L"1");
    host.onMessage(
        [&](const qvtest::ReceivedMessage& m) -> std::optional<LRESULT>
        {
            if (m.isNotify() && m.notifyCode == UINT(LVN_ODSTATECHANGED))
            {
                const auto* change = reinterpret_cast<const NMLVODSTATECHANGE*>(m.lParam);
                grid.SetItemText(change->iTo, change->iFrom, change->uNewState ? L"1" : L"0");
            }
            return std::nullopt;
        });
    // On the box: the check test and the hit flags each send the notice.
    const CPoint box(4 * kColumnWidth + 30, cellPoint(1, 0).y);
    post(WM_LBUTTONDOWN, box);
    Pump();
    const auto notices = host.notifications(LVN_ODSTATECHANGED);
    ASSERT_EQ(notices.size(), 2u);
    const auto first = notices[0].as<NMLVODSTATECHANGE>();
    EXPECT_EQ(first.iFrom, 4);
    EXPECT_EQ(first.iTo, 1);
    EXPECT_EQ(first.uNewState, 1u);
    EXPECT_EQ(first.uOldState, 0u);
    EXPECT_EQ(notices[1].as<NMLVODSTATECHANGE>().uOldState, 1u) << "the parent had toggled it";
    EXPECT_EQ(host.countNotify(LVN_ITEMCHANGED), 0u);

    // Elsewhere in the cell: one notice, then the ordinary click.
    host.clear();
    post(WM_LBUTTONDOWN, CPoint(4 * kColumnWidth + 55, cellPoint(2, 0).y));
    Pump();
    EXPECT_EQ(received(), (Codes{LVN_ODSTATECHANGED, NM_CLICK, LVN_ITEMCHANGED}));
    EXPECT_EQ(grid.GetItemText(2, 4), CString(L"0"));
}

TEST_F(InputTest, DoubleAndRightClicksAreReportedForRowsOnly)
{
    create(LVS_EDITLABELS);
    post(WM_LBUTTONDBLCLK, cellPoint(2, 3));
    post(WM_RBUTTONDOWN, cellPoint(1, 1), MK_RBUTTON);
    post(WM_RBUTTONDBLCLK, cellPoint(1, 1), MK_RBUTTON);
    post(WM_RBUTTONDOWN, CPoint(20, grid.RowToYPos(9)), MK_RBUTTON);
    post(WM_RBUTTONDBLCLK, CPoint(4 * kColumnWidth + 30, cellPoint(1, 0).y), MK_RBUTTON);
    Pump();
    EXPECT_EQ(received(), (Codes{NM_DBLCLK, LVN_ENDLABELEDITW, NM_RCLICK, NM_RDBLCLK}));
    const auto activate = host.notifications(NM_DBLCLK).at(0).as<NMITEMACTIVATE>();
    EXPECT_EQ(activate.iItem, 2);
    EXPECT_EQ(activate.iSubItem, 3);
    const auto ended = host.notifications(LVN_ENDLABELEDITW).at(0).as<NMLVDISPINFOW>();
    EXPECT_EQ(ended.item.iItem, 2);
    EXPECT_EQ(ended.item.iSubItem, 3);
    EXPECT_EQ(ended.item.pszText, nullptr);
}

TEST_F(InputTest, HeaderClicksBecomeColumnClicksAndDoubleClicksSort)
{
    create(0);
    grid.SetItemText(0, 2, L"b");
    grid.SetItemText(1, 2, L"d");
    grid.SetItemText(2, 2, L"a");
    HWND header = grid.GetHeadWnd()->GetSafeHwnd();
    const LPARAM onColumn2 = MAKELPARAM(2 * kColumnWidth + 10, 5);
    ::PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, onColumn2);
    ::PostMessageW(header, WM_LBUTTONUP, 0, onColumn2);
    ::PostMessageW(header, WM_RBUTTONDOWN, MK_RBUTTON, onColumn2);
    Pump();
    ASSERT_EQ(received(), (Codes{LVN_COLUMNCLICK, HDN_ITEMCLICKW}));
    const auto column = host.notifications(LVN_COLUMNCLICK).at(0).as<NMLISTVIEW>();
    EXPECT_EQ(column.iSubItem, 2);
    EXPECT_EQ(column.hdr.hwndFrom, grid.GetSafeHwnd());
    const auto right = host.notifications(HDN_ITEMCLICKW).at(0).as<NMHEADERW>();
    EXPECT_EQ(right.hdr.hwndFrom, grid.GetSafeHwnd());
    EXPECT_EQ(right.hdr.idFrom, UINT_PTR(100));
    EXPECT_EQ(right.iItem, 2);
    EXPECT_EQ(right.iButton, 1);

    ::PostMessageW(header, WM_LBUTTONDBLCLK, MK_LBUTTON, onColumn2);
    Pump();
    EXPECT_EQ(grid.GetItemText(0, 2), CString(L"r5c2")) << "the first sort is descending";
    EXPECT_EQ(grid.GetItemText(5, 2), CString(L"a"));
    ::PostMessageW(header, WM_LBUTTONDBLCLK, MK_LBUTTON, onColumn2);
    Pump();
    EXPECT_EQ(grid.GetItemText(0, 2), CString(L"a"));
    EXPECT_EQ(grid.GetItemText(1, 2), CString(L"b"));
}

TEST_F(InputTest, WithoutSortHeadersHeaderClicksPassThroughUnsorted)
{
    create(LVS_NOSORTHEADER);
    HWND header = grid.GetHeadWnd()->GetSafeHwnd();
    const LPARAM onColumn1 = MAKELPARAM(kColumnWidth + 10, 5);
    ::PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, onColumn1);
    ::PostMessageW(header, WM_LBUTTONUP, 0, onColumn1);
    Pump();
    EXPECT_TRUE(received().empty()) << "a click is swallowed";
    host.answerNotify(HDN_ITEMDBLCLICKW, 7);
    ::PostMessageW(header, WM_LBUTTONDBLCLK, MK_LBUTTON, onColumn1);
    Pump();
    ASSERT_EQ(received(), (Codes{HDN_ITEMDBLCLICKW}));
    const auto passed = host.notifications(HDN_ITEMDBLCLICKW).at(0).as<NMHEADERW>();
    EXPECT_EQ(passed.hdr.hwndFrom, header) << "the header's own notice, unchanged";
    EXPECT_EQ(passed.iItem, 1);
    EXPECT_EQ(grid.GetItemText(0, 1), CString(L"r0c1"));
}
