// CNewTreeListCtrl painting, read from the pixels of a memory bitmap: the
// column layout, alignment, the ellipsis, selection, bold, the offset and the
// tree's own part in column 0.
#include "newtreelist_fixture.h"

using newtree::NewTreeListTest;

namespace
{

const COLORREF kRed = RGB(200, 0, 0);
const COLORREF kBlue = RGB(0, 0, 200);

class NewTreePaintTest : public NewTreeListTest
{
protected:
    void draw()
    {
        CDC dc;
        ASSERT_TRUE(dc.Attach(canvas.dc()));
        tree.OnDraw(&dc);
        dc.Detach();
    }
    // The ink of one colour inside a band of columns, over the whole height.
    RECT inkOf(COLORREF colour, int left, int right)
    {
        RECT box{right, 400, left, 0};
        for (int y = 0; y < 300; ++y)
            for (int x = left; x < right; ++x)
                if (canvas.pixel(x, y) == colour)
                {
                    box.left = std::min<LONG>(box.left, x);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.top = std::min<LONG>(box.top, y);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box;
    }
    RECT rowOf(HTREEITEM item)
    {
        RECT rc{};
        tree.GetItemRect(item, &rc, FALSE);
        return rc;
    }
    qvtest::MemoryCanvas canvas{400, 300};
};

}   // namespace

TEST_F(NewTreePaintTest, ColumnTextsLieInTheirColumnsWithTheirAlignment)
{
    addColumns({120, 100, 120});
    HTREEITEM item = add({L"甲", L"12", L"中"});
    tree.SetItemColor(item, kRed, FALSE);
    draw();
    canvas.save(L"newtreelist_columns");
    RECT label{};
    tree.GetItemRect(item, &label, TRUE);
    const RECT first = inkOf(kRed, 0, 120);
    EXPECT_GE(first.left, label.left + 2);
    EXPECT_LE(first.left, label.left + 4) << "column 0 starts at the tree's label";
    const RECT right = inkOf(kRed, 120, 220);
    EXPECT_LE(right.right, 220 - 2);
    EXPECT_GE(right.right, 220 - 4) << "right-aligned with 2 pixels to spare";
    const RECT centre = inkOf(kRed, 220, 340);
    EXPECT_NEAR((centre.left + centre.right) / 2, 280, 2);
    const RECT row = rowOf(item);
    EXPECT_GE(right.top, row.top);
    EXPECT_LE(right.bottom, row.bottom);
    EXPECT_EQ(canvas.countColor(RECT{340, 0, 400, 300}, kRed), 0);
    EXPECT_EQ(canvas.countColor(RECT{0, row.bottom, 400, 300}, kRed), 0) << "one row only";
}

TEST_F(NewTreePaintTest, TextsThatDoNotFitEndInAnEllipsisInsideTheirCell)
{
    addColumns({100, 60, 8, 60});
    HTREEITEM item = add({L"甲", L"WWWWWWWWWWWWWWWW", L"WWWW", L""});
    tree.SetItemColor(item, kRed, FALSE);
    draw();
    const RECT cut = inkOf(kRed, 100, 160);
    ASSERT_LT(cut.left, cut.right);
    EXPECT_LE(cut.right, 160 - 2);
    // The last few inked columns hold the dots: short marks at the bottom of the text.
    const RECT dots = inkOf(kRed, cut.right - 3, cut.right);
    EXPECT_LE(dots.bottom - dots.top, 3);
    EXPECT_GE(dots.top, cut.top + (cut.bottom - cut.top) / 2);
    EXPECT_EQ(canvas.countColor(RECT{160, 0, 400, 300}, kRed), 0) << "nothing fits 8 pixels; empty texts draw nothing";
    // A very long text costs no more than its visible part.
    tree.SetItemText(item, 1, std::wstring(200000, L'長').c_str());
    draw();
    const RECT longCut = inkOf(kRed, 100, 160);
    EXPECT_LE(longCut.right, 160 - 2);
    EXPECT_GT(longCut.right, longCut.left);
}

TEST_F(NewTreePaintTest, SelectionBoldOffsetAndItemsWithoutRecords)
{
    addColumns({100, 100});
    HTREEITEM plain = add({L"甲", L"病房"});
    HTREEITEM bold = add({L"乙", L"病房"});
    HTREEITEM selected = add({L"丙", L"病房"});
    tree.CTreeCtrl::InsertItem(L"基類");
    tree.SetItemColor(plain, kRed, FALSE);
    tree.SetItemColor(bold, kBlue, FALSE);
    tree.SetItemBold(bold, TRUE, FALSE);
    tree.SelectItem(selected);
    draw();
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const RECT selRow = rowOf(selected);
    EXPECT_GT(canvas.countColor(RECT{100, selRow.top, 200, selRow.bottom}, highlight),
              80 * (selRow.bottom - selRow.top));
    EXPECT_GT(canvas.countColor(RECT{0, selRow.top, 200, selRow.bottom}, ::GetSysColor(COLOR_HIGHLIGHTTEXT)), 10);
    const RECT plainRow = rowOf(plain);
    const RECT boldRow = rowOf(bold);
    const int plainInk = canvas.countColor(RECT{100, plainRow.top, 200, plainRow.bottom}, kRed);
    const int boldInk = canvas.countColor(RECT{100, boldRow.top, 200, boldRow.bottom}, kBlue);
    EXPECT_GT(boldInk, plainInk + plainInk / 5) << "the same text, drawn bold";

    // Scrolled sideways by 30 pixels: the same ink, 30 pixels further left.
    const RECT before = inkOf(kRed, 100, 200);
    tree.m_nOffset = -30;
    draw();
    canvas.save(L"newtreelist_offset");
    const RECT after = inkOf(kRed, 70, 170);
    EXPECT_EQ(after.left, before.left - 30);
    EXPECT_EQ(after.right, before.right - 30);
}

TEST_F(NewTreePaintTest, TheTreesLinesAndButtonsStayInColumnZero)
{
    addColumns({60, 100});
    HTREEITEM ward = add({L"內科病房很長的名字", L"x"});
    add({L"床"}, ward);
    tree.SetItemColor(ward, kRed, FALSE);
    draw();
    canvas.save(L"newtreelist_tree_part");
    const RECT row = rowOf(ward);
    RECT label{};
    tree.GetItemRect(ward, &label, TRUE);
    // Left of the label: the collapsed item's button, drawn by the tree in its own colours.
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    int marks = 0;
    for (int y = row.top; y < row.bottom; ++y)
        for (int x = 0; x < label.left; ++x)
            marks += canvas.pixel(x, y) != window;
    EXPECT_GT(marks, 10);
    EXPECT_EQ(canvas.countColor(RECT{60 - 2, 0, 100, 300}, kRed), 0) << "column 0's text ends before column 1";

    // Scrolled by column 0's width, the tree's part is out of view: column 1's text is all there is.
    tree.m_nOffset = -60;
    draw();
    int others = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 100; ++x)
            others += canvas.pixel(x, y) != window && canvas.pixel(x, y) != kRed;
    EXPECT_EQ(others, 0);
    EXPECT_GT(canvas.countColor(RECT{0, row.top, 100, row.bottom}, kRed), 0);
}
