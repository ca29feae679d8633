// CHeadWnd: the item list, its invariants and what insertion tells the parent.
#include "headwnd_fixture.h"

using headtest::HeadWndTest;
using headtest::Item;

TEST_F(HeadWndTest, AppendsAtMinusOneOrBeyondCountAndLaysItemsEdgeToEdge)
{
    EXPECT_EQ(head.InsertItem(-1, Item(L"姓名", 100)), 0);
    EXPECT_EQ(head.InsertItem(7, Item(L"性別", 60)), 1);
    EXPECT_EQ(head.InsertItem(2, Item(L"年齡", 40)), 2);

    EXPECT_EQ(head.GetItemCount(), 3);
    EXPECT_EQ(lefts(0), 0);
    EXPECT_EQ(lefts(1), 100);
    EXPECT_EQ(lefts(2), 160);
    EXPECT_EQ(head.GetWidth(), 200);
    EXPECT_EQ(head.GetItemPos(2), 160);
    EXPECT_EQ(head.GetItemWidth(1), 60);
    EXPECT_EQ(head.GetItemWidth(9), 40) << "beyond the last item: the last item's width";
    EXPECT_STREQ(head.GetHeadParam(1)->pszText, L"性別");
    EXPECT_EQ(head.GetHeight(), 24);
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(HeadWndTest, InsertingAtZeroShiftsAndRenumbersEveryItem)
{
    head.InsertItem(-1, Item(L"B", 50));
    head.InsertItem(-1, Item(L"C", 70));
    head.InsertItem(0, Item(L"A", 30));

    ASSERT_EQ(head.GetItemCount(), 3);
    EXPECT_STREQ(head.GetHeadParam(0)->pszText, L"A");
    EXPECT_STREQ(head.GetHeadParam(1)->pszText, L"B");
    EXPECT_STREQ(head.GetHeadParam(2)->pszText, L"C");
    EXPECT_EQ(lefts(0), 0);
    EXPECT_EQ(lefts(1), 30);
    EXPECT_EQ(lefts(2), 80);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(head.GetHeadParam(i)->nIndex, i);
    EXPECT_EQ(head.GetHeadParam(0)->pNext, head.GetHeadParam(1));
    EXPECT_EQ(head.GetHeadParam(2)->pPrevious, head.GetHeadParam(1));
}

TEST_F(HeadWndTest, InsertionReportsTheNewWidthToTheParentAndResizes)
{
    head.InsertItem(-1, Item(L"A", 300));
    head.InsertItem(-1, Item(L"B", 900));

    const auto sizes = host.messagesOf(UM_HEADSIZE);
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_EQ(sizes[0].wParam, 0u);
    EXPECT_EQ(LOWORD(sizes[0].lParam), std::max(400, hostClientWidth()));
    EXPECT_EQ(HIWORD(sizes[0].lParam), 24);
    EXPECT_EQ(LOWORD(sizes[1].lParam), 1200) << "wider than the parent: the items' width";

    CRect rc;
    head.GetClientRect(&rc);
    EXPECT_EQ(rc.Width(), 1200);
    EXPECT_EQ(rc.Height(), 24);
}

TEST_F(HeadWndTest, GroupCaptionPutsTheNextItemUnderItAndDoublesTheHeight)
{
    head.InsertItem(-1, Item(L"病歷號", 100));
    head.InsertItem(-1, Item(L"住址", 0, 150));   // group caption, 150 pixels wide
    head.InsertItem(-1, Item(L"縣市", 70, HEADLEVEL_LOWER));
    head.InsertItem(-1, Item(L"街道", 80, HEADLEVEL_LOWER));
    head.InsertItem(-1, Item(L"電話", 50));

    EXPECT_EQ(lefts(1), 100);
    EXPECT_EQ(lefts(2), 100) << "the item after a group caption starts at the caption's left";
    EXPECT_EQ(lefts(3), 170);
    EXPECT_EQ(lefts(4), 250);
    EXPECT_EQ(head.GetHeight(), 48);
    EXPECT_EQ(HIWORD(host.messagesOf(UM_HEADSIZE).back().lParam), 48);
    CRect rc;
    head.GetClientRect(&rc);
    EXPECT_EQ(rc.Height(), 48);
}

TEST_F(HeadWndTest, DeletingTheFirstItemMakesTheSecondTheHeadAndKeepsLefts)
{
    head.InsertItem(-1, Item(L"A", 30));
    head.InsertItem(-1, Item(L"B", 40));
    head.InsertItem(-1, Item(L"C", 50));

    EXPECT_FALSE(head.DeleteItem(3));
    EXPECT_FALSE(head.DeleteItem(-1));
    EXPECT_TRUE(head.DeleteItem(0));

    ASSERT_EQ(head.GetItemCount(), 2);
    EXPECT_STREQ(head.GetHeadParam(0)->pszText, L"B");
    EXPECT_EQ(head.GetHeadParam(0)->pPrevious, nullptr);
    EXPECT_EQ(head.GetHeadParam(1)->nIndex, 1);
    EXPECT_EQ(lefts(0), 30) << "left edges stay where they were";
    EXPECT_EQ(lefts(1), 70);

    EXPECT_TRUE(head.DeleteItem(1));
    EXPECT_TRUE(head.DeleteItem(0));
    EXPECT_EQ(head.GetItemCount(), 0);
    EXPECT_EQ(head.GetWidth(), 0);
    EXPECT_FALSE(head.DeleteItem(0));
}

TEST_F(HeadWndTest, GetAndSetItemUseTheListViewMaskBits)
{
    head.InsertItem(-1, Item(L"A", 30, 0, DT_LEFT));
    head.InsertItem(-1, Item(L"B", 40, 0, DT_CENTER));
    head.InsertItem(-1, Item(L"C", 50, 0, DT_RIGHT | HEADFMT_DIGIT));

    HDITEM item{};
    ASSERT_TRUE(head.GetItem(1, &item));
    EXPECT_EQ(item.fmt, HDF_CENTER);
    EXPECT_EQ(item.cxy, 40);
    EXPECT_EQ(item.mask, UINT(LVCF_TEXT | LVCF_WIDTH));
    ASSERT_TRUE(head.GetItem(2, &item));
    EXPECT_EQ(item.fmt, HDF_RIGHT);
    ASSERT_TRUE(head.GetItem(0, &item));
    EXPECT_EQ(item.fmt, HDF_LEFT);
    EXPECT_FALSE(head.GetItem(3, &item));
    EXPECT_FALSE(head.GetItem(-2, &item));
    EXPECT_TRUE(head.IsDigit(2));
    EXPECT_FALSE(head.IsDigit(1));
    EXPECT_FALSE(head.IsDigit(5));

    HDITEM change{};
    change.mask = LVCF_WIDTH | LVCF_TEXT;
    change.cxy = 100;
    change.pszText = const_cast<LPWSTR>(L"甲");
    ASSERT_TRUE(head.SetItem(0, &change));
    EXPECT_EQ(widths(0), 100);
    EXPECT_EQ(lefts(1), 100);
    EXPECT_EQ(lefts(2), 140);
    EXPECT_STREQ(head.GetHeadParam(0)->pszText, L"甲");
    EXPECT_FALSE(head.SetItem(3, &change));

    head.SetItemText(2, CString(L"丙"));
    EXPECT_STREQ(head.GetHeadParam(2)->pszText, L"丙");
    head.SetItemText(8, CString(L"none"));   // out of range: nothing
    EXPECT_TRUE(head.SetFormat(1, DT_RIGHT));
    EXPECT_EQ(head.GetHeadParam(1)->nFormat, DT_RIGHT);
    EXPECT_FALSE(head.SetFormat(3, DT_RIGHT));

    RECT rc{};
    ASSERT_TRUE(head.GetItemRect(2, &rc));
    EXPECT_EQ(rc.left, 140);
    EXPECT_EQ(rc.right, 190);
    EXPECT_EQ(rc.bottom, 24);
    EXPECT_FALSE(head.GetItemRect(3, &rc));
    EXPECT_EQ(head.GetOrderArray(nullptr, 0), FALSE);
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(HeadWndTest, OutOfRangeLookupsAnswerNullWithoutAMessage)
{
    head.InsertItem(-1, Item(L"A", 30));
    EXPECT_EQ(head.GetHeadParam(-1), nullptr);
    EXPECT_EQ(head.GetHeadParam(1), nullptr);
    EXPECT_EQ(head.GetHeadParam(INT_MAX), nullptr);
    EXPECT_EQ(head.GetItemPos(-4), 0);
    EXPECT_EQ(head.GetItemWidth(-4), 0);
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(HeadWndTest, HugeCaptionIsCopiedWhole)
{
    std::wstring caption(100000, L'欄');
    head.InsertItem(-1, Item(caption.c_str(), 120));
    EXPECT_EQ(wcslen(head.GetHeadParam(0)->pszText), 100000u);
    head.SetItemText(0, CString(caption.c_str()));
    EXPECT_EQ(wcslen(head.GetHeadParam(0)->pszText), 100000u);
}

TEST_F(HeadWndTest, ImageListOfAnotherModuleIsReportedAndStillAnswered)
{
    EXPECT_EQ(head.GetImageList(), nullptr);
    CImageList images;   // made in the test program: not in the library's map
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 0, 2));
    EXPECT_EQ(head.SetImageList(&images), &images);
    EXPECT_EQ(head.GetImageList(), &images);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.at(0).text.rfind(L"ImageList outof dll\n ", 0), 0u) << qvtest::Utf8(boxes.at(0).text);
    EXPECT_NE(boxes.at(0).text.find(L"headwnd.cpp "), std::wstring::npos) << qvtest::Utf8(boxes.at(0).text);

    CImageList empty;
    head.SetImageList(&empty);
    EXPECT_EQ(head.GetImageList(), &empty);
    EXPECT_EQ(boxes.count(), 1u) << "a list without a handle is not checked";
}

TEST_F(HeadWndTest, FreeEmptiesAndTheWindowsDestructionFreesToo)
{
    head.InsertItem(-1, Item(L"A", 30));
    head.InsertItem(-1, Item(L"B", 30));
    head.Free();
    EXPECT_EQ(head.GetItemCount(), 0);
    EXPECT_EQ(head.GetHeadParam(0), nullptr);
    head.InsertItem(-1, Item(L"C", 30));
    head.DestroyWindow();
    EXPECT_EQ(head.GetItemCount(), 0);
}
