// Keys: arrows, paging and Enter, with the editor following the selection.
#include "input_fixture.h"

using inputtest::Codes;
using inputtest::InputTest;
using inputtest::Pump;

TEST_F(InputTest, DownAndUpMoveTheSelectionAndTheEditorAndTellTheParent)
{
    create(LVS_EDITLABELS);
    click(1, 2);
    host.clear();
    key(VK_DOWN);
    EXPECT_EQ(grid.GetSelectedItem(), 2);
    EXPECT_EQ(grid.GetSelectedSubItem(), 2);
    ASSERT_TRUE(editorShows());
    EXPECT_EQ(editorRect(), cellRect(2, 2));
    EXPECT_EQ(editorText(), CString(L"r2c2"));
    EXPECT_EQ(received(), (Codes{UM_EDITMOVING, UM_EDITMOVED, LVN_ITEMCHANGED, UM_ROWMOVED}));

    key(VK_UP);
    key(VK_UP);
    key(VK_UP);   // row 0 stays
    EXPECT_EQ(grid.GetSelectedItem(), 0);
    EXPECT_EQ(editorRect(), cellRect(0, 2));
    EXPECT_EQ(host.countMessage(UM_ROWMOVED), 3u);

    // Left and Right belong to the editor while editing.
    key(VK_RIGHT);
    EXPECT_EQ(grid.GetSelectedItem(), 0);
}

TEST_F(InputTest, AnUnsettledEditKeepsTheSelectionWhereItIs)
{
    create(LVS_EDITLABELS);
    click(1, 1);
    type(L"9");
    host.clear();
    key(VK_DOWN);
    EXPECT_EQ(grid.GetSelectedItem(), 1);
    EXPECT_TRUE(received().empty());
    // Once the parent has taken the text into the cell, the key moves on.
    grid.SetItemText(1, 1, L"9");
    key(VK_DOWN);
    EXPECT_EQ(grid.GetSelectedItem(), 2);
}

TEST_F(InputTest, ArrowsAtTheEndsAndWithoutEditingStayInRange)
{
    create(0, 3);
    key(VK_UP);
    EXPECT_EQ(grid.GetSelectedItem(), -1);
    key(VK_RIGHT);   // acts as Down without editing
    EXPECT_EQ(grid.GetSelectedItem(), 0);
    key(VK_DOWN);
    key(VK_DOWN);
    key(VK_DOWN);
    key(VK_RIGHT);
    EXPECT_EQ(grid.GetSelectedItem(), 2);
    key(VK_LEFT);   // acts as Up
    EXPECT_EQ(grid.GetSelectedItem(), 1);
    EXPECT_EQ(host.countMessage(UM_ROWMOVED), 4u);
    EXPECT_FALSE(grid.m_pEdit);
}

TEST_F(InputTest, PagingKeysGoToTheParentUnderThePagingFlag)
{
    create(0, 60);
    click(0, 0);
    grid.m_nPaging = 1;
    host.clear();
    key(VK_NEXT);
    key(VK_PRIOR);
    ASSERT_EQ(received(), (Codes{UINT(LISTN_PAGEDOWN), UINT(LISTN_PAGEUP)}));
    EXPECT_EQ(host.notifications().at(0).hwndFrom, grid.GetSafeHwnd());
    EXPECT_EQ(grid.GetSelectedItem(), 0);

    grid.m_nPaging = 0;
    CRect client;
    grid.GetClientRect(&client);
    const int page = (client.Height() - grid.GetHeadHeight()) / grid.GetRowHeight();
    key(VK_NEXT);
    EXPECT_EQ(grid.GetSelectedItem(), page);
    for (int i = 0; i < 10; ++i)
        key(VK_NEXT);
    EXPECT_EQ(grid.GetSelectedItem(), 59);
    // The last row shows below the header; the bar's positions are steps of
    // 5 pixels, so at the very end up to 4 pixels of it may stay hidden.
    const int top = grid.RowToYPos(59) - grid.GetScrollPos(SB_VERT);
    EXPECT_GE(top, grid.GetHeadHeight());
    EXPECT_LT(top + grid.GetRowHeight(), client.bottom + 5);
    key(VK_PRIOR);
    EXPECT_EQ(grid.GetSelectedItem(), 59 - page);
    const int topAfter = grid.RowToYPos(59 - page) - grid.GetScrollPos(SB_VERT);
    EXPECT_GE(topAfter, grid.GetHeadHeight());
}

TEST_F(InputTest, DownKeepsTheSelectedRowAndTheEditorInView)
{
    create(LVS_EDITLABELS, 40);
    click(0, 1);
    for (int i = 0; i < 25; ++i)
        key(VK_DOWN);
    EXPECT_EQ(grid.GetSelectedItem(), 25);
    CRect client;
    grid.GetClientRect(&client);
    ASSERT_TRUE(editorShows());
    const CRect rc = editorRect();
    EXPECT_EQ(rc, cellRect(25, 1));
    EXPECT_GE(rc.top, grid.GetHeadHeight());
    EXPECT_LE(rc.bottom, client.bottom);
    EXPECT_GT(grid.GetScrollPos(SB_VERT), 0);
}

TEST_F(InputTest, EnterEndsTheEditAndWalksThroughTheCells)
{
    create(LVS_EDITLABELS, 2);
    click(0, 3);
    type(L"!");
    host.clear();
    key(VK_RETURN);
    EXPECT_EQ(received(),
              (Codes{LVN_ENDLABELEDITW, NM_RETURN, LVN_ITEMCHANGED, UM_EDITMOVING, UM_EDITMOVED, LVN_ITEMCHANGED}));
    const auto ended = host.notifications(LVN_ENDLABELEDITW).at(0).as<NMLVDISPINFOW>();
    EXPECT_EQ(ended.item.iItem, 0);
    EXPECT_EQ(ended.item.iSubItem, 3);
    EXPECT_EQ(grid.GetSelectedItem(), 1);
    EXPECT_EQ(grid.GetSelectedSubItem(), 0);
    EXPECT_EQ(editorRect(), cellRect(1, 0));

    key(VK_RETURN);
    EXPECT_EQ(grid.GetSelectedSubItem(), 1);
    // A parent that answers Enter keeps the cell.
    host.answerNotify(NM_RETURN, 1);
    key(VK_RETURN);
    EXPECT_EQ(grid.GetSelectedSubItem(), 1);
    host.answerNotify(NM_RETURN, 0);
    key(VK_RETURN);
    key(VK_RETURN);
    EXPECT_EQ(grid.GetSelectedSubItem(), 3);
    // On the last cell of the last row Enter is reported and goes nowhere.
    host.clear();
    key(VK_RETURN);
    EXPECT_EQ(received(), (Codes{LVN_ENDLABELEDITW, NM_RETURN}));
    EXPECT_EQ(grid.GetSelectedItem(), 1);
    EXPECT_EQ(grid.GetSelectedSubItem(), 3);
}

TEST_F(InputTest, KeysOnAnEmptyGridOnlyReportEnter)
{
    create(LVS_EDITLABELS, 0);
    for (UINT vk : {VK_DOWN, VK_UP, VK_NEXT, VK_PRIOR, VK_LEFT, VK_RIGHT, VK_RETURN})
        key(vk);
    EXPECT_EQ(received(), (Codes{LVN_ENDLABELEDITW, NM_RETURN}));
    EXPECT_EQ(grid.GetSelectedItem(), -1);
    EXPECT_FALSE(grid.m_pEdit);
}
