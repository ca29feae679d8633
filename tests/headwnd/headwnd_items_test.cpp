// CHeadWnd: the item list, its invariants and what insertion tells the parent.
#include "headwnd_fixture.h"

using headtest::HeadWndTest;
using headtest::Item;

using Ints = std::vector<int>;
using Texts = std::vector<std::wstring>;

static CRect ClientOf(HWND window)
{
    CRect rc;
    ::GetClientRect(window, &rc);
    return rc;
}

TEST_F(HeadWndTest, InsertionLaysItemsEdgeToEdgeAndRenumbersThem)
{
    EXPECT_EQ(head.InsertItem(-1, Item(L"B", 50)), 0);
    EXPECT_EQ(head.InsertItem(7, Item(L"C", 70)), 1) << "beyond the count: appended";
    EXPECT_EQ(head.InsertItem(0, Item(L"A", 30)), 0);
    EXPECT_EQ(captions(), (Texts{L"A", L"B", L"C"}));
    EXPECT_EQ(lefts(), (Ints{0, 30, 80}));
    EXPECT_EQ(head.GetHeadParam(2)->nIndex, 2);
    EXPECT_EQ(head.GetHeadParam(2)->pPrevious, head.GetHeadParam(1));
    EXPECT_EQ(head.GetWidth(), 150);
    EXPECT_EQ(head.GetItemWidth(9), 70) << "beyond the last item: the last item's width";
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(HeadWndTest, WidthReportedToTheParentIsTheParentsOrTheItems)
{
    append({Item(L"A", 300), Item(L"B", 900)});
    const auto sizes = host.messagesOf(UM_HEADSIZE);
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_EQ(sizes[0].wParam, 0u);
    EXPECT_EQ(sizes[0].lParam, MAKELONG(std::max(400, ClientOf(host).Width()), 24));
    EXPECT_EQ(LOWORD(sizes[1].lParam), 1200) << "wider than the parent: the items' width";
    EXPECT_EQ(ClientOf(head.GetSafeHwnd()), CRect(0, 0, 1200, 24));
    head.SetWindowPos(nullptr, -50, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(ClientOf(head.GetSafeHwnd()), CRect(0, 0, ClientOf(host).Width() + 50, 24)) << "moved";
}

TEST_F(HeadWndTest, DeletingKeepsLeftsAndFreeingEmpties)
{
    append({Item(L"A", 30), Item(L"B", 40), Item(L"C", 50)});
    EXPECT_TRUE(head.DeleteItem(0));
    EXPECT_EQ(captions(), (Texts{L"B", L"C"}));
    EXPECT_EQ(lefts(), (Ints{30, 70})) << "left edges stay where they were";
    EXPECT_EQ(head.GetHeadParam(0)->pPrevious, nullptr);
    EXPECT_EQ(head.GetHeadParam(1)->nIndex, 1);
    head.Free();
    EXPECT_EQ(head.GetItemCount(), 0);
    head.InsertItem(-1, Item(L"F", 30));
    head.DestroyWindow();
    EXPECT_EQ(head.GetItemCount(), 0) << "destroying the window frees the items";
}

TEST_F(HeadWndTest, GetAndSetItemUseTheListViewMaskBitsAndStayInRange)
{
    append({Item(L"A", 30, 0, DT_LEFT), Item(L"B", 40, 0, DT_CENTER), Item(L"C", 50, 0, DT_RIGHT | HEADFMT_DIGIT)});
    const int formats[] = {HDF_LEFT, HDF_CENTER, HDF_RIGHT};
    for (int i = 0; i < 3; ++i)
    {
        HDITEM item{};
        ASSERT_TRUE(head.GetItem(i, &item));
        EXPECT_EQ(item.fmt, formats[i]) << i;
        EXPECT_EQ(item.cxy, 30 + 10 * i);
        EXPECT_EQ(item.mask, UINT(LVCF_TEXT | LVCF_WIDTH));
        EXPECT_EQ(head.IsDigit(i), i == 2);
    }
    HDITEM change{LVCF_WIDTH | LVCF_TEXT, 100, const_cast<LPWSTR>(L"甲")};
    ASSERT_TRUE(head.SetItem(0, &change));
    EXPECT_EQ(lefts(), (Ints{0, 100, 140}));
    EXPECT_EQ(captions(), (Texts{L"甲", L"B", L"C"}));
    RECT rc{};
    ASSERT_TRUE(head.GetItemRect(2, &rc));
    EXPECT_EQ(CRect(rc), CRect(140, 0, 190, 24));
    EXPECT_FALSE(head.GetItem(0, nullptr));
    EXPECT_FALSE(head.SetItem(0, nullptr));
    EXPECT_FALSE(head.GetItemRect(0, nullptr));
    for (int bad : {-4, 3, INT_MIN})
    {
        SCOPED_TRACE(bad);
        HDITEM item{};
        EXPECT_EQ(head.GetHeadParam(bad), nullptr);
        EXPECT_FALSE(head.GetItem(bad, &item));
        EXPECT_FALSE(head.SetItem(bad, &change));
        EXPECT_FALSE(head.SetFormat(bad, DT_RIGHT));
        EXPECT_FALSE(head.GetItemRect(bad, &rc));
        EXPECT_FALSE(head.IsDigit(bad));
        EXPECT_FALSE(head.DeleteItem(bad));
        head.SetItemText(bad, CString(L"none"));
    }
    EXPECT_EQ(head.GetItemWidth(-4), 0);
    EXPECT_EQ(captions(), (Texts{L"甲", L"B", L"C"}));
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(HeadWndTest, ImageListOfAnotherModuleIsReportedAndStillAnswered)
{
    EXPECT_EQ(head.GetImageList(), nullptr);
    CImageList images, empty;   // made in the test program: not in the library's map
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 0, 2));
    EXPECT_EQ(head.SetImageList(&images), &images);
    EXPECT_EQ(head.GetImageList(), &images);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.at(0).text.rfind(L"ImageList outof dll\n ", 0), 0u) << qvtest::Utf8(boxes.at(0).text);
    head.SetImageList(&empty);
    EXPECT_EQ(head.GetImageList(), &empty);
    EXPECT_EQ(boxes.count(), 1u) << "a list without a handle is not checked";
}
