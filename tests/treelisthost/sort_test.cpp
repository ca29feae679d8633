// CTreeList: clicks on the header sort every level of the tree and move the
// sort mark, which the header draws from the library's bitmap.
#include "treelisthost_fixture.h"

using hosttest::TreeListHostTest;

namespace
{

const COLORREF kMarkGrey = RGB(128, 128, 128);   // the triangles of bitmap 343

class HostSortTest : public TreeListHostTest
{
protected:
    void SetUp() override
    {
        TreeListHostTest::SetUp();
        resize(400, 240);
        addColumns({160, 80, 120});
        const struct
        {
            const wchar_t* name;
            const wchar_t* count;
        } departments[] = {{L"科 10", L"5"}, {L"科 9", L"30"}, {L"科 2", L"12"}};
        for (const auto& department : departments)
        {
            HTREEITEM item = add({department.name, department.count});
            add({L"醫師 3", L"7"}, item);
            add({L"醫師 11", L"2"}, item);
            add({L"醫師 1", L"40"}, add({L"醫師 20", L"9"}, item));
        }
        first = tree().GetRootItem();
    }
    // A real click on a header item: the header reports it to the host.
    void clickColumn(int nCol)
    {
        RECT rc{};
        header().GetItemRect(nCol, &rc);
        const LPARAM point = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        ::SendMessageW(header().GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, point);
        ::SendMessageW(header().GetSafeHwnd(), WM_LBUTTONUP, 0, point);
    }
    std::vector<std::wstring> doctors() { return texts(tree().GetRootItem(), 1); }
    // +1 for an upward triangle in the column, -1 for a downward one, 0 for none.
    int markIn(int nCol)
    {
        ::UpdateWindow(header().GetSafeHwnd());
        const qvtest::PixelImage shot = qvtest::CaptureWindow(header().GetSafeHwnd());
        RECT rc{};
        header().GetItemRect(nCol, &rc);
        std::vector<int> rows;
        for (int y = 2; y < shot.height - 2; ++y)
        {
            int n = 0;
            for (int x = rc.left + 3; x < rc.right - 3; ++x)
                n += shot.pixel(x, y) == kMarkGrey;
            if (n > 0)
                rows.push_back(n);
        }
        if (rows.size() < 3)
            return 0;
        return rows.front() < rows.back() ? 1 : (rows.front() > rows.back() ? -1 : 0);
    }
    HTREEITEM first = nullptr;
};

}   // namespace

TEST_F(HostSortTest, ThreeClicksSortAscendingDescendingAscendingAtEveryLevel)
{
    using Texts = std::vector<std::wstring>;
    EXPECT_EQ(header().GetSortState(0), 0) << "the first column starts ascending";
    EXPECT_EQ(markIn(0), 1);
    EXPECT_EQ(markIn(1), 0);

    clickColumn(1);
    EXPECT_EQ(texts(TVI_ROOT, 1), (Texts{L"5", L"12", L"30"}));
    EXPECT_EQ(doctors(), (Texts{L"2", L"7", L"9"}));
    EXPECT_EQ(header().GetSortState(1), 0);
    EXPECT_EQ(header().GetSortState(0), -1);
    EXPECT_EQ(markIn(1), 1);
    EXPECT_EQ(markIn(0), 0) << "the first column's mark is cleared";
    qvtest::SaveWindowPng(dialog.GetSafeHwnd(), L"treelisthost_sorted");

    clickColumn(1);
    EXPECT_EQ(texts(TVI_ROOT, 1), (Texts{L"30", L"12", L"5"}));
    EXPECT_EQ(doctors(), (Texts{L"9", L"7", L"2"}));
    EXPECT_EQ(header().GetSortState(1), 1);
    EXPECT_EQ(markIn(1), -1);

    clickColumn(1);
    EXPECT_EQ(texts(TVI_ROOT, 1), (Texts{L"5", L"12", L"30"}));
    EXPECT_EQ(markIn(1), 1);

    // Another column starts ascending and takes the mark; numbers inside names sort by value.
    clickColumn(0);
    EXPECT_EQ(texts(TVI_ROOT, 0), (Texts{L"科 2", L"科 9", L"科 10"}));
    EXPECT_EQ(texts(tree().GetRootItem(), 0), (Texts{L"醫師 3", L"醫師 11", L"醫師 20"}));
    EXPECT_EQ(header().GetSortState(0), 0);
    EXPECT_EQ(header().GetSortState(1), -1);
    EXPECT_EQ(markIn(0), 1);
    EXPECT_EQ(markIn(1), 0);
    clickColumn(0);
    EXPECT_EQ(texts(TVI_ROOT, 0), (Texts{L"科 10", L"科 9", L"科 2"}));
    EXPECT_EQ(markIn(0), -1);
}

TEST_F(HostSortTest, SortTreeAndExpandReachEveryLevel)
{
    list.SortTree(1, FALSE, tree().GetRootItem());
    EXPECT_EQ(texts(TVI_ROOT, 0), (std::vector<std::wstring>{L"科 10", L"科 9", L"科 2"})) << "the root stays";
    EXPECT_EQ(doctors(), (std::vector<std::wstring>{L"9", L"7", L"2"}));

    // Expanding a grandchild opens its ancestors first.
    HTREEITEM doctor = tree().GetChildItem(tree().GetRootItem());
    HTREEITEM patient = tree().GetChildItem(doctor);
    ASSERT_NE(patient, nullptr);
    list.Expand(patient, TVE_EXPAND);
    EXPECT_TRUE(tree().GetItemState(tree().GetRootItem(), TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_TRUE(tree().GetItemState(doctor, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_TRUE(list.ItemHasChildren(doctor));
    EXPECT_FALSE(list.ItemHasChildren(patient));
    tree().SelectItem(patient);
    EXPECT_EQ(list.GetSelectedItem(), patient);
    RECT rc{};
    tree().GetItemRect(patient, &rc, TRUE);
    EXPECT_EQ(list.HitTest(CPoint(rc.left + 1, rc.top + 1)), patient);
}
