// CNewTreeListCtrl: column texts in one string, insertion forms, copies and
// moves, deletion and the records' lifetime, positions of root items.
#include "newtreelist_fixture.h"

using newtree::NewTreeListTest;

namespace
{

const wchar_t kSep = L'\0';

std::wstring Raw(const CString& text)
{
    return std::wstring(text.GetString(), size_t(text.GetLength()));
}

}   // namespace

TEST(NewTreeItemInfoTest, ColumnTextsLiveInOneStringBetweenSeparators)
{
    NewTreeItemInfo info;
    EXPECT_EQ(info.m_chSeparator, '\0');
    EXPECT_EQ(info.m_crText, ::GetSysColor(COLOR_WINDOWTEXT));
    info.m_strText = L"床位";
    ASSERT_TRUE(info.SetColumnText(3, L"陳大文"));
    EXPECT_EQ(Raw(info.m_strText), std::wstring(L"床位") + kSep + kSep + kSep + L"陳大文");
    EXPECT_EQ(info.GetColumnText(2), L"");
    EXPECT_EQ(info.GetColumnText(3), L"陳大文");
    EXPECT_EQ(info.GetColumnText(4), L"") << "fewer parts than asked";

    // Replacing a middle part keeps the parts after it; an empty text empties the part.
    ASSERT_TRUE(info.SetColumnText(1, L"內科"));
    ASSERT_TRUE(info.SetColumnText(0, L""));
    EXPECT_EQ(Raw(info.m_strText), std::wstring() + kSep + L"內科" + kSep + kSep + L"陳大文");
    ASSERT_TRUE(info.SetColumnText(3, L"林"));
    EXPECT_EQ(info.GetColumnText(3), L"林");

    // Out of range: refused, nothing changes.
    const std::wstring before = Raw(info.m_strText);
    EXPECT_FALSE(info.SetColumnText(-1, L"x"));
    EXPECT_FALSE(info.SetColumnText(NewTreeItemInfo::kMaxColumn + 1, L"x"));
    EXPECT_FALSE(info.SetColumnText(INT_MAX, L"x"));
    EXPECT_EQ(Raw(info.m_strText), before);
    EXPECT_EQ(info.GetColumnText(-1), L"");
    EXPECT_EQ(info.GetColumnText(INT_MAX), L"");

    // The last allowed column, a long text, and a null text.
    ASSERT_TRUE(info.SetColumnText(NewTreeItemInfo::kMaxColumn, std::wstring(70000, L'長').c_str()));
    EXPECT_EQ(info.GetColumnText(NewTreeItemInfo::kMaxColumn).GetLength(), 70000);
    ASSERT_TRUE(info.SetColumnText(1, nullptr));
    EXPECT_EQ(info.GetColumnText(1), L"");
    EXPECT_EQ(info.GetColumnText(3), L"林");

    // The copy constructor copies every field.
    info.m_dwData = 0xCAFE;
    info.m_bBold = 1;
    info.m_crText = RGB(1, 2, 3);
    const NewTreeItemInfo copy(info);
    EXPECT_EQ(Raw(copy.m_strText), Raw(info.m_strText));
    EXPECT_EQ(copy.m_dwData, 0xCAFEu);
    EXPECT_EQ(copy.m_bBold, 1);
    EXPECT_EQ(copy.m_crText, RGB(1, 2, 3));
}

TEST_F(NewTreeListTest, ColumnsComeFromTheHeaderWithTheirAlignAndTotalWidth)
{
    addColumns({120, 80, 60});
    EXPECT_EQ(tree.GetColumnsNum(), 3);
    EXPECT_EQ(tree.GetColumnsWidth(), 260);
    EXPECT_EQ(tree.GetColumnWidth(1), 80);
    EXPECT_EQ(tree.GetColumnAlign(0), 0);
    EXPECT_EQ(tree.GetColumnAlign(1), 1);
    EXPECT_EQ(tree.GetColumnAlign(2), 2);
    EXPECT_EQ(tree.GetColumnWidth(9), 0) << "the header refuses";
    EXPECT_EQ(tree.GetColumnAlign(9), 0);
    // The first column starts with the ascending mark, drawn by the owner.
    EXPECT_EQ(tree.m_wndHeader.GetSortState(0), 0);
    EXPECT_EQ(tree.m_wndHeader.GetSortState(1), -1);
    HDITEM item{};
    item.mask = HDI_FORMAT;
    ASSERT_TRUE(tree.m_wndHeader.GetItem(1, &item));
    EXPECT_EQ(item.fmt & (HDF_OWNERDRAW | HDF_JUSTIFYMASK), HDF_OWNERDRAW | HDF_RIGHT);
    // A column without a width; the header's widths changed behind the tree's back.
    ASSERT_EQ(tree.InsertColumn(3, L"備註", 0, -1), 3);
    const int nUnset = tree.GetColumnWidth(3);
    EXPECT_EQ(tree.GetColumnsWidth(), 260 + nUnset);
    item.mask = HDI_WIDTH;
    item.cxy = 40;
    tree.m_wndHeader.SetItem(3, &item);
    EXPECT_EQ(tree.GetColumnsWidth(), 260 + nUnset) << "until recomputed";
    tree.RecalcColumnsWidth();
    EXPECT_EQ(tree.GetColumnsWidth(), 300);

    CNewTreeListCtrl headless;
    ASSERT_TRUE(headless.Create(newtree::kTreeStyle, CRect(0, 0, 100, 100), CWnd::FromHandle(host), 5));
    EXPECT_EQ(headless.InsertColumn(0, L"x", 0, 50), -1);
    EXPECT_EQ(headless.GetColumnsNum(), 0);
}

TEST_F(NewTreeListTest, EveryInsertionFormKeepsARecordAndCountsTheItem)
{
    HTREEITEM plain = tree.InsertItem(L"內科病房");
    HTREEITEM imaged = tree.InsertItem(L"301 室", 1, 2, plain);
    HTREEITEM full =
        tree.InsertItem(TVIF_TEXT | TVIF_STATE, L"1 床", 0, 0, TVIS_BOLD, TVIS_BOLD, 0x1234, imaged, TVI_LAST);
    HTREEITEM noParamMask = tree.InsertItem(TVIF_TEXT, L"2 床", 0, 0, 0, 0, 77, imaged, TVI_FIRST);
    ASSERT_TRUE(plain && imaged && full && noParamMask);
    EXPECT_EQ(tree.GetItemCount(), 4);

    // The tree keeps its own text only for the first form; the record has column 0 always.
    EXPECT_EQ(tree.CTreeCtrl::GetItemText(plain), L"內科病房");
    EXPECT_EQ(tree.CTreeCtrl::GetItemText(imaged), L"");
    EXPECT_EQ(tree.CTreeCtrl::GetItemText(full), L"");
    EXPECT_EQ(tree.GetItemText(imaged, 0), L"301 室");
    EXPECT_EQ(tree.GetItemText(full, 0), L"1 床");
    int image = 0, selected = 0;
    ASSERT_TRUE(tree.GetItemImage(imaged, image, selected));
    EXPECT_EQ(image, 1);
    EXPECT_EQ(selected, 2);
    EXPECT_EQ(tree.GetItemState(full, TVIS_BOLD), UINT(TVIS_BOLD));

    // The caller's lParam is the record's user data; the tree's lParam is the record.
    EXPECT_EQ(tree.GetItemData(full), 0x1234u);
    EXPECT_EQ(tree.GetItemData(noParamMask), 77u);
    EXPECT_EQ(tree.CTreeCtrl::GetItemData(full), DWORD_PTR(tree.GetItemInfo(full)));
    EXPECT_TRUE(tree.SetItemData(plain, 42));
    EXPECT_EQ(tree.GetItemData(plain), 42u);
    EXPECT_TRUE(tree.SetItemColor(plain, RGB(200, 0, 0), TRUE));
    EXPECT_TRUE(tree.SetItemBold(plain, TRUE, FALSE));
    EXPECT_EQ(tree.GetItemInfo(plain)->m_crText, RGB(200, 0, 0));
    EXPECT_EQ(tree.GetItemInfo(plain)->m_bBold, TRUE);

    // A parent that is not an item of this tree: nothing inserted, nothing counted.
    CNewTreeListCtrl other;
    ASSERT_TRUE(other.Create(newtree::kTreeStyle, CRect(0, 0, 10, 10), CWnd::FromHandle(host), 6));
    HTREEITEM foreign = other.InsertItem(L"x");
    other.DeleteItem(foreign);
    const UINT count = tree.GetCount();
    EXPECT_EQ(tree.InsertItem(L"orphan", foreign), nullptr);
    EXPECT_EQ(tree.GetItemCount(), 4);
    EXPECT_EQ(tree.GetCount(), count);
}

TEST_F(NewTreeListTest, ItemsOfTheBaseClassHaveNoRecordAndAreLeftAlone)
{
    HTREEITEM base = tree.CTreeCtrl::InsertItem(L"基類");
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(tree.GetItemCount(), 0) << "not inserted through this class";
    EXPECT_EQ(tree.GetItemInfo(base), nullptr);
    EXPECT_FALSE(tree.SetItemText(base, 1, L"x"));
    EXPECT_EQ(tree.GetItemText(base, 0), L"");
    EXPECT_EQ(tree.GetItemData(base), 0u);
    EXPECT_FALSE(tree.SetItemData(base, 5));
    EXPECT_FALSE(tree.SetItemColor(base, RGB(1, 1, 1), TRUE));
    EXPECT_FALSE(tree.SetItemBold(base, TRUE, TRUE));
    EXPECT_EQ(tree.CopyItem(base, TVI_ROOT), nullptr);
    EXPECT_FALSE(tree.DeleteItem(base));
    EXPECT_EQ(tree.CTreeCtrl::GetItemText(base), L"基類") << "still there";
    EXPECT_EQ(tree.GetListItem(base), 0);
    // The null item, and an item of another tree.
    EXPECT_EQ(tree.GetItemInfo(nullptr), nullptr);
    EXPECT_FALSE(tree.DeleteItem(HTREEITEM(nullptr)));
    EXPECT_FALSE(tree.DeleteItem(7));
    EXPECT_EQ(tree.GetCount(), 1u);
}

TEST_F(NewTreeListTest, CopyAndMoveCarryTheFieldsAndRefuseItemsWithChildren)
{
    HTREEITEM ward = add({L"內科"});
    HTREEITEM room = add({L"301 室"}, ward);
    HTREEITEM bed = tree.InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE, L"1 床", 3, 4, TVIS_BOLD,
                                    TVIS_BOLD, 99, room, TVI_LAST);
    tree.SetItemText(bed, 1, L"陳大文");
    tree.SetItemColor(bed, RGB(0, 0, 200), FALSE);
    HTREEITEM other = add({L"外科"});
    ASSERT_EQ(tree.GetItemCount(), 4);

    EXPECT_EQ(tree.CopyItem(room, other), nullptr) << "an item with children";
    EXPECT_EQ(tree.GetChildItem(other), nullptr);
    EXPECT_EQ(tree.GetItemCount(), 4);

    HTREEITEM copy = tree.CopyItem(bed, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(tree.GetParentItem(copy), other);
    EXPECT_EQ(tree.GetItemCount(), 5);
    EXPECT_NE(tree.GetItemInfo(copy), tree.GetItemInfo(bed)) << "a record of its own";
    EXPECT_EQ(tree.GetItemText(copy, 0), L"1 床");
    EXPECT_EQ(tree.GetItemText(copy, 1), L"陳大文");
    EXPECT_EQ(tree.GetItemData(copy), 99u);
    EXPECT_EQ(tree.GetItemInfo(copy)->m_crText, RGB(0, 0, 200));
    int image = 0, selected = 0;
    tree.GetItemImage(copy, image, selected);
    EXPECT_EQ(image, 3);
    EXPECT_EQ(selected, 4);
    EXPECT_EQ(tree.GetItemState(copy, TVIS_BOLD), UINT(TVIS_BOLD));
    tree.SetItemText(copy, 1, L"林美玲");
    EXPECT_EQ(tree.GetItemText(bed, 1), L"陳大文");

    HTREEITEM moved = tree.MoveItem(bed, other, TVI_FIRST);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(tree.GetChildItem(other), moved);
    EXPECT_EQ(tree.GetChildItem(room), nullptr) << "the original is gone";
    EXPECT_EQ(tree.GetItemCount(), 5);
    EXPECT_EQ(childTexts(other, 1), (std::vector<std::wstring>{L"陳大文", L"林美玲"}));
    EXPECT_EQ(tree.MoveItem(ward, other), nullptr);
    EXPECT_EQ(tree.GetRootItem(), ward);
}

TEST_F(NewTreeListTest, RecordsAreFreedBeforeTheirItemsGoHoweverTheyAreDeleted)
{
    // Every TVN_DELETEITEM must show lParam 0: the record was released and cleared first.
    HTREEITEM ward = add({L"內科"});
    add({L"1 床"}, ward);
    add({L"2 床"}, ward);
    HTREEITEM surgery = add({L"外科"});
    add({L"3 床"}, surgery);
    add({L"4 床"});
    ASSERT_EQ(tree.GetItemCount(), 6);

    ASSERT_TRUE(tree.DeleteItem(ward));
    EXPECT_EQ(deletedParams(), std::vector<LPARAM>(3, 0));
    EXPECT_EQ(tree.GetItemCount(), 3) << "the item and its two children";

    // Through the base class and through a bare message: the records go too, uncounted.
    host.clear();
    ::SendMessageW(tree.GetSafeHwnd(), TVM_DELETEITEM, 0, LPARAM(surgery));
    EXPECT_EQ(deletedParams(), std::vector<LPARAM>(2, 0));
    EXPECT_EQ(tree.GetItemCount(), 3);

    host.clear();
    ASSERT_TRUE(tree.DeleteItem(0));
    EXPECT_EQ(deletedParams(), std::vector<LPARAM>(1, 0));
    EXPECT_EQ(tree.GetRootItem(), nullptr);

    for (int i = 0; i < 3; ++i)
        add({L"床"}, add({L"房"}));
    host.clear();
    ASSERT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(deletedParams(), std::vector<LPARAM>(6, 0));
    EXPECT_EQ(tree.GetItemCount(), 0);
    EXPECT_TRUE(tree.DeleteAllItems()) << "an empty tree";

    add({L"床"}, add({L"房"}));
    host.clear();
    tree.CTreeCtrl::DeleteAllItems();
    EXPECT_EQ(deletedParams(), std::vector<LPARAM>(2, 0));

    add({L"床"}, add({L"房"}));
    host.clear();
    tree.DestroyWindow();
    EXPECT_EQ(deletedParams(), std::vector<LPARAM>(2, 0));
}

TEST_F(NewTreeListTest, RootItemsCountFromTheFirstRootAlongSiblings)
{
    HTREEITEM first = add({L"A"});
    HTREEITEM child = add({L"a"}, first);
    add({L"B"});
    HTREEITEM third = add({L"C"});
    EXPECT_EQ(tree.GetTreeItem(0), first);
    EXPECT_EQ(tree.GetTreeItem(2), third);
    EXPECT_EQ(tree.GetTreeItem(3), nullptr);
    EXPECT_EQ(tree.GetTreeItem(-1), nullptr);
    EXPECT_EQ(tree.GetListItem(third), 2);
    EXPECT_EQ(tree.GetListItem(first), 0);
    EXPECT_EQ(tree.GetListItem(child), -1) << "not a root item";
    EXPECT_EQ(tree.GetListItem(nullptr), -1);
    RECT client{};
    ::GetClientRect(tree.GetSafeHwnd(), &client);
    EXPECT_EQ(tree.GetSize(), CSize(client.right, client.bottom));
}
