// CNewTreeListCtrl: the column comparison with numbers by value, ATOI, and
// sorting one parent's children.
#include <algorithm>

#include "newtreelist_fixture.h"

using newtree::NewTreeListTest;

namespace
{

struct SortCase
{
    std::vector<std::wstring> given;
    std::vector<std::wstring> ascending;
};

}   // namespace

TEST_F(NewTreeListTest, NumbersInsideTheTextsSortByValueAndDescendingReverses)
{
    addColumns({100, 100});
    const SortCase cases[] = {
        {{L"Bed 10", L"Bed 9", L"Bed 2"}, {L"Bed 2", L"Bed 9", L"Bed 10"}},
        {{L"B2", L"A10"}, {L"A10", L"B2"}},   // prefixes differ: as strings
        {{L"房 1", L"床 12", L"床 3"}, {L"床 3", L"床 12", L"房 1"}},
        {{L"A1x", L"A1b"}, {L"A1b", L"A1x"}},   // equal numbers: as strings
        {{L"7a", L"007"}, {L"007", L"7a"}},
        {{L"Bed 1", L"Bed"}, {L"Bed", L"Bed 1"}},   // one without digits
        {{L"1", L""}, {L"", L"1"}},
        {{L"99999999999999999999", L"5"}, {L"5", L"99999999999999999999"}},   // too long for an int
        {{L"c", L"a", L"b"}, {L"a", L"b", L"c"}},                             // no digits at all
    };
    for (const SortCase& sortCase : cases)
    {
        tree.DeleteAllItems();
        for (const std::wstring& text : sortCase.given)
            add({L"row", text.c_str()});
        ASSERT_TRUE(tree.SortItems(1, TRUE, TVI_ROOT));
        EXPECT_EQ(childTexts(TVI_ROOT, 1), sortCase.ascending) << testing::PrintToString(sortCase.given);
        tree.SortItems(1, FALSE, TVI_ROOT);
        std::vector<std::wstring> descending(sortCase.ascending.rbegin(), sortCase.ascending.rend());
        EXPECT_EQ(childTexts(TVI_ROOT, 1), descending) << testing::PrintToString(sortCase.given);
    }
}

TEST_F(NewTreeListTest, SortingTakesOneParentsChildrenAndSurvivesItemsWithoutRecords)
{
    tree.SortItems(0, TRUE, TVI_ROOT);   // an empty tree
    EXPECT_EQ(tree.GetCount(), 0u);
    HTREEITEM ward = add({L"病房 2"});
    for (const wchar_t* bed : {L"床 3", L"床 1", L"床 2"})
        add({bed}, add({bed}, ward));
    add({L"病房 1"});
    ASSERT_TRUE(tree.SortItems(0, TRUE, ward));
    EXPECT_EQ(childTexts(ward), (std::vector<std::wstring>{L"床 1", L"床 2", L"床 3"}));
    EXPECT_EQ(childTexts(TVI_ROOT), (std::vector<std::wstring>{L"病房 2", L"病房 1"}))
        << "the root level is not sorted";

    // Items of the base class sort as empty texts; a column beyond every text keeps all equal.
    tree.CTreeCtrl::InsertItem(L"基類", ward);
    ASSERT_TRUE(tree.SortItems(0, TRUE, ward));
    EXPECT_EQ(tree.GetItemInfo(tree.GetChildItem(ward)), nullptr);
    EXPECT_EQ(childTexts(ward), (std::vector<std::wstring>{L"", L"床 1", L"床 2", L"床 3"}));
    EXPECT_TRUE(tree.SortItems(4000, FALSE, ward));
    EXPECT_TRUE(tree.SortItems(-3, TRUE, ward));
    EXPECT_EQ(tree.GetCount(), 9u);
}

TEST(NewTreeCompareTest, CompareFuncReadsRecordsAndTheSortPair)
{
    NewTreeItemInfo bed9, bed10;
    bed9.m_strText = L"x";
    bed9.SetColumnText(2, L"Bed 9");
    bed10.m_strText = L"y";
    bed10.SetColumnText(2, L"Bed 10");
    struct
    {
        int nCol;
        BOOL bAscending;
    } ascending{2, TRUE}, descending{2, FALSE}, first{0, TRUE};
    const auto compare = [](const NewTreeItemInfo* a, const NewTreeItemInfo* b, const void* order)
    { return CNewTreeListCtrl::CompareFunc(LPARAM(a), LPARAM(b), LPARAM(order)); };
    EXPECT_EQ(compare(&bed9, &bed10, &ascending), -1);
    EXPECT_EQ(compare(&bed10, &bed9, &ascending), 1);
    EXPECT_EQ(compare(&bed9, &bed10, &descending), 1);
    EXPECT_EQ(compare(&bed9, &bed9, &descending), 0);
    EXPECT_EQ(compare(&bed9, &bed10, &first), -1) << "x before y";
    EXPECT_EQ(compare(nullptr, &bed10, &ascending), -1) << "no record: an empty text";
    EXPECT_EQ(compare(nullptr, nullptr, &ascending), 0);
}

TEST(NewTreeCompareTest, AtoiReadsTheLeadingNumberOfTheText)
{
    const struct
    {
        const wchar_t* text;
        int value;
    } cases[] = {
        {L"123", 123}, {L"", 0},       {L"12床", 12}, {L" 42", 42},
        {L"-5", -5},   {L"００７", 0}, {L"床", 0},    {L"99999999999999999999", INT_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CNewTreeListCtrl::ATOI(CString(c.text)), c.value) << testing::PrintToString(std::wstring(c.text));
}
