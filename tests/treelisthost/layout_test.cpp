// CTreeList: the window class, the children it builds, the horizontal scroll
// model and the layout on sizing.
#include "treelisthost_fixture.h"

using hosttest::TreeListHostTest;

TEST_F(TreeListHostTest, TheClassAndTheChildrenItBuilds)
{
    WNDCLASSW wc{};
    ASSERT_TRUE(::GetClassInfoW(::GetModuleHandleW(L"QVCtrl.dll"), L"VORNELTREELISTCTRL", &wc));
    EXPECT_EQ(wc.style, 0x400Bu);
    EXPECT_EQ(wc.hbrBackground, HBRUSH(::GetStockObject(LTGRAY_BRUSH)));
    EXPECT_EQ(wc.hCursor, nullptr);
    EXPECT_EQ(wc.hIcon, nullptr);

    CRect client;
    list.GetClientRect(&client);
    HWND hHeader = ::GetDlgItem(list.GetSafeHwnd(), 0x151);
    HWND hTree = ::GetDlgItem(list.GetSafeHwnd(), 0x175);
    HWND hScroll = ::GetDlgItem(list.GetSafeHwnd(), 0x179);
    ASSERT_EQ(hHeader, header().GetSafeHwnd());
    ASSERT_EQ(hTree, tree().GetSafeHwnd());
    ASSERT_EQ(hScroll, list.m_wndScroll.GetSafeHwnd());
    EXPECT_EQ(::GetWindowLongW(hTree, GWL_STYLE) & 0xFFFF00FF, 0x50000027);
    EXPECT_EQ(::GetWindowLongW(hHeader, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | HDS_BUTTONS), LONG(0x50000002));
    EXPECT_EQ(::GetWindowLongW(hScroll, GWL_STYLE) & 0xFFFF000F, 0x58000002)
        << "disabled, along the top of its rectangle";
    EXPECT_EQ(list.m_dwHostTag, 0x54515620u);

    // The header in the dialog's font, as high as its "A" and 4 pixels, one pixel over the edges.
    EXPECT_EQ(header().GetFont()->GetSafeHandle(), dialog.GetFont()->GetSafeHandle());
    CClientDC dc(&dialog);
    dc.SelectObject(dialog.GetFont());
    const int height = dc.GetTextExtent(L"A", 1).cy + 4;
    EXPECT_EQ(childRect(header()), CRect(-1, -1, client.Width() - 1, height - 1));
    EXPECT_EQ(childRect(tree()),
              CRect(0, height + 3, client.Width() - 5, client.Height() - ::GetSystemMetrics(SM_CYHSCROLL) - 1));
    // Aligned to the top of its rectangle along the bottom; the bar keeps its own height.
    EXPECT_EQ(childRect(list.m_wndScroll).top, client.bottom - ::GetSystemMetrics(SM_CYHSCROLL));

    // The sort marks: two 16-pixel images from the library's bitmap, shown by the header.
    ASSERT_EQ(header().m_pImageList, &tree().m_imgHeader);
    EXPECT_EQ(tree().m_imgHeader.GetImageCount(), 2);
    int cx = 0, cy = 0;
    tree().m_imgHeader.GetIconSize(&cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 15);
}

TEST_F(TreeListHostTest, StretchWidthRoundsUpToTheNextMultipleStrictlyAbove)
{
    const struct
    {
        int n, unit, result;
    } cases[] = {
        {12, 6, 18}, {11, 6, 12}, {0, 6, 6}, {599, 300, 600}, {600, 300, 900}, {5, 0, 6}, {5, -3, 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CTreeList::StretchWidth(c.n, c.unit), c.result) << c.n << " in " << c.unit;
}

TEST_F(TreeListHostTest, ColumnsWiderThanTheTreeScrollSidewaysWithTheHeader)
{
    resize(300, 200);
    addColumns({150, 150, 150});
    HTREEITEM item = add({L"內科", L"12", L"陳大文"});
    CRect treeClient;
    tree().GetClientRect(&treeClient);
    ASSERT_LT(treeClient.Width(), 450);
    EXPECT_TRUE(list.m_wndScroll.IsWindowEnabled());
    EXPECT_TRUE(list.m_wndScroll.IsWindowVisible());
    EXPECT_TRUE(list.HorizontalScrollVisible());
    int nMin = -1, nMax = -1;
    list.m_wndScroll.GetScrollRange(&nMin, &nMax);
    EXPECT_EQ(nMin, 0);
    EXPECT_EQ(nMax, 450 - treeClient.Width());
    const int last = nMax - 1;

    const struct
    {
        UINT code;
        UINT pos;
        int expected;
    } steps[] = {
        {SB_LINERIGHT, 0, 6},
        {SB_LINERIGHT, 0, 12},
        {SB_LINELEFT, 0, 6},
        {SB_THUMBTRACK, 12, 18},
        {SB_THUMBPOSITION, 11, 12},
        {SB_THUMBTRACK, 0, 0},
        {SB_LINELEFT, 0, 0},
        {SB_PAGERIGHT, 0, std::min(300, last)},
        {SB_RIGHT, 0, last},
        {SB_LINERIGHT, 0, last},
        {SB_PAGELEFT, 0, std::max(0, last - 300)},
        {SB_LEFT, 0, 0},
        {SB_THUMBTRACK, 1000, last},
        {SB_ENDSCROLL, 0, last},
    };
    for (const auto& step : steps)
    {
        scroll(step.code, step.pos);
        EXPECT_EQ(list.m_wndScroll.GetScrollPos(), step.expected) << step.code << " " << step.pos;
        EXPECT_EQ(tree().m_nOffset, -step.expected);
        EXPECT_EQ(childRect(header()).left, -step.expected);
        EXPECT_GE(childRect(header()).Width(), 450 - step.expected) << "the header reaches past the last column";
    }

    // What the tree shows moved with it: column 1's right-aligned "12" ends 2 pixels before 300 - offset.
    tree().SetItemColor(item, RGB(200, 0, 0), TRUE);
    scroll(SB_THUMBTRACK, 60);
    EXPECT_EQ(tree().m_nOffset, -66);
    ::UpdateWindow(tree().GetSafeHwnd());
    const qvtest::PixelImage shot = qvtest::CaptureWindow(tree().GetSafeHwnd());
    qvtest::SaveWindowPng(dialog.GetSafeHwnd(), L"treelisthost_scrolled");
    int inkRight = -1;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x)
            if (shot.pixel(x, y) == RGB(200, 0, 0) && x < 300 - 66)
                inkRight = std::max(inkRight, x);
    EXPECT_LE(inkRight, 300 - 66 - 3);
    EXPECT_GE(inkRight, 300 - 66 - 5);
}

TEST_F(TreeListHostTest, NarrowColumnsHideTheBarAndNarrowingAtTheEndKeepsTheRightEdge)
{
    resize(300, 200);
    addColumns({100, 100});
    add({L"內科", L"1"});
    EXPECT_FALSE(list.m_wndScroll.IsWindowEnabled());
    EXPECT_FALSE(list.m_wndScroll.IsWindowVisible());
    EXPECT_FALSE(list.HorizontalScrollVisible());
    EXPECT_EQ(childRect(header()).left, 0);
    EXPECT_EQ(tree().m_nOffset, 0);

    // A third column makes the columns wider; scrolled to the end, the second column narrows.
    tree().InsertColumn(2, L"病患", 0, 200);
    list.ResetScrollBar();
    ASSERT_TRUE(list.m_wndScroll.IsWindowEnabled());
    scroll(SB_RIGHT);
    HDITEM width{};
    width.mask = HDI_WIDTH;
    width.cxy = 60;
    header().SetItem(1, &width);   // the header tells its parent, as a drag does
    CRect treeClient;
    tree().GetClientRect(&treeClient);
    EXPECT_EQ(tree().GetColumnsWidth(), 360);
    EXPECT_EQ(tree().m_nOffset, treeClient.Width() - 360);
    EXPECT_EQ(childRect(header()).left, treeClient.Width() - 360);
    EXPECT_EQ(tree().m_nOffset + tree().GetColumnsWidth(), treeClient.Width());

    // Narrowed until all fits: no bar, the header back at 0.
    width.cxy = 20;
    header().SetItem(2, &width);
    EXPECT_FALSE(list.m_wndScroll.IsWindowVisible());
    EXPECT_EQ(tree().m_nOffset, 0);
    EXPECT_EQ(childRect(header()).left, 0);
}

TEST_F(TreeListHostTest, SizingReLaysTheHeaderTheTreeAndTheBar)
{
    addColumns({200, 200});
    add({L"內科", L"1"});
    resize(500, 240);
    CRect client;
    list.GetClientRect(&client);
    EXPECT_FALSE(list.m_wndScroll.IsWindowVisible());
    EXPECT_GE(childRect(header()).Width(), 500);
    EXPECT_EQ(childRect(tree()).bottom, client.bottom) << "the tree takes the bar's room";

    resize(250, 240);
    list.GetClientRect(&client);
    EXPECT_TRUE(list.m_wndScroll.IsWindowVisible());
    EXPECT_TRUE(list.m_wndScroll.IsWindowEnabled());
    const CRect bar = childRect(list.m_wndScroll);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.Width(), client.Width());
    EXPECT_LT(childRect(tree()).bottom, bar.top);
    EXPECT_GE(childRect(header()).Width(), 400);

    // Enough rows for the tree's own vertical bar: the sideways bar leaves its width free.
    for (int i = 0; i < 40; ++i)
        add({L"床", L"1"});
    EXPECT_TRUE(list.VerticalScrollVisible());
    list.ResizeAllControls();
    EXPECT_EQ(childRect(list.m_wndScroll).Width(), client.Width() - ::GetSystemMetrics(SM_CXVSCROLL));
    CRect treeClient;
    tree().GetClientRect(&treeClient);
    int nMin = 0, nMax = 0;
    list.m_wndScroll.GetScrollRange(&nMin, &nMax);
    EXPECT_EQ(nMax, 400 - treeClient.Width());
}
