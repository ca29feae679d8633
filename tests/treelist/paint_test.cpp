// Painting, read back from the pixels of a memory bitmap, and screenshots of a full
// tree for a person to look at.
#include "treelist_fixture.h"

namespace treelist_test
{
namespace
{

constexpr COLORREF kEven = RGB(250, 250, 240);
constexpr COLORREF kOdd = RGB(200, 230, 255);
constexpr COLORREF kGrid = RGB(255, 0, 255);
constexpr COLORREF kBox = RGB(0, 160, 0);
constexpr COLORREF kLine = RGB(200, 0, 0);

class PaintTest : public TreeListTest
{
protected:
    void PaintInto(qvtest::MemoryCanvas& canvas) { Send(WM_PAINT, (WPARAM)canvas.dc()); }
    void SetRowColours()
    {
        Send(TVM_SETBKCOLOR, TLC_EVEN, kEven);
        Send(TVM_SETBKCOLOR, TLC_ODD, kOdd);
    }
};

TEST_F(PaintTest, AlternatingRowsGridLinesAndButtons)
{
    ASSERT_TRUE(Make(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, 300, 200));
    Send(TVM_SETEXTENDEDSTYLE, 0, TLX_ALTERNATE | TLX_GRIDLINES);
    SetRowColours();
    Send(TVM_SETBKCOLOR, TLC_GRID, kGrid);
    Send(TVM_SETBKCOLOR, TLC_BOX, kBox);
    Send(TVM_SETLINECOLOR, 0, kLine);
    const auto roots = FillTwoLevels(3, 2);
    Send(WM_SYSCOLORCHANGE);   // the caller's colours survive it
    qvtest::MemoryCanvas canvas(300, 200);
    PaintInto(canvas);
    const int height = (int)Send(TVM_GETITEMHEIGHT);
    // Row 0 even, row 1 odd; the bottom line of each row is the grid.
    EXPECT_EQ(kEven, canvas.pixel(250, 2));
    EXPECT_EQ(kOdd, canvas.pixel(250, height + 2));
    EXPECT_EQ(kGrid, canvas.pixel(250, height - 1));
    EXPECT_EQ(kGrid, canvas.pixel(19, 3));   // the grid line after the indent step
    // A collapsed item shows a plus: the box, the horizontal and the vertical bar.
    const int middle = (height - 1) / 2;   // the bottom pixel line belongs to the grid
    EXPECT_EQ(kBox, canvas.pixel(7 - 4, middle - 4));
    EXPECT_EQ(kLine, canvas.pixel(7 - 2, middle));
    EXPECT_EQ(kLine, canvas.pixel(7, middle - 2));
    EXPECT_EQ(kEven, canvas.pixel(7 - 3, middle - 3));   // inside the box: the row colour
    Expand(roots[0]);
    canvas.fill(RGB(0, 0, 0));
    PaintInto(canvas);
    EXPECT_EQ(kLine, canvas.pixel(7 - 2, middle));
    EXPECT_EQ(kEven, canvas.pixel(7, middle - 2));                  // a minus now
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), canvas.pixel(150, 199));   // below the last row: the background
}

TEST_F(PaintTest, SelectionAndOwnColours)
{
    ASSERT_TRUE(Make(0, 300, 120));
    AddColumn(L"a", 100);
    AddColumn(L"b", 100);
    HTREEITEM item = Insert(TVI_ROOT, L"WWWW");
    HTREEITEM other = Insert(TVI_ROOT, L"other");
    SetCellText(other, 1, L"cell");
    Send(TVM_SETITEMBKCOLOR, (WPARAM)other | (1ull << 24), RGB(0, 0, 250));
    SetFocus(tree);
    Select(item);
    qvtest::MemoryCanvas canvas(300, 120);
    PaintInto(canvas);
    const RECT label = ItemRect(item, 1);
    const RECT labelArea = {label.left, label.top, label.left + 30, label.bottom};
    EXPECT_GT(canvas.countColor(labelArea, GetSysColor(COLOR_HIGHLIGHT)), 20);
    const RECT cell = CellRect(other, 1);
    EXPECT_EQ(RGB(0, 0, 250), canvas.pixel(cell.right - 3, cell.top + 2));
    // Whole-row mark: the selected row's background is the marked colour.
    Send(TVM_SETEXTENDEDSTYLE, TLX_FULLROWMARK, TLX_FULLROWMARK);
    Send(TVM_SETBKCOLOR, TLC_MARKODD, RGB(255, 200, 0));
    PaintInto(canvas);
    EXPECT_EQ(RGB(255, 200, 0), canvas.pixel(290, label.top + 2));
    // Disabled: the scroll-bar colour.
    EnableWindow(tree, FALSE);
    PaintInto(canvas);
    EXPECT_EQ(GetSysColor(COLOR_SCROLLBAR), canvas.pixel(290, 110));
}

TEST_F(PaintTest, ScreenshotOfAFullTree)
{
    SetWindowPos(*host, nullptr, 0, 0, 560, 330, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(
        Make(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_CHECKBOXES | TVS_EDITLABELS | TVS_SHOWSELALWAYS, 520,
             270));
    Send(TVM_SETEXTENDEDSTYLE, 0, TLX_GRIDLINES | TLX_ALTERNATE | TLX_SUBSELECT);
    SetRowColours();   // the system's odd-row and grid colours may be close to the window colour
    Send(TVM_SETBKCOLOR, TLC_GRID, RGB(190, 190, 190));
    // The default font's thin strokes come out light grey when smoothed; the caller's font is crisp.
    LOGFONTW logFont = {};
    SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(logFont), &logFont, 0);
    logFont.lfQuality = NONANTIALIASED_QUALITY;
    const HFONT font = CreateFontIndirectW(&logFont);
    Send(WM_SETFONT, (WPARAM)font, TRUE);
    AddColumn(L"Item", 200);
    AddColumn(L"Count", 90, LVCFMT_RIGHT);
    AddColumn(L"Note", 200);
    std::vector<HTREEITEM> wards;
    for (int g = 0; g < 3; ++g)
    {
        HTREEITEM ward = wards.emplace_back(Insert(TVI_ROOT, (std::wstring(L"Ward ") + wchar_t(L'A' + g)).c_str()));
        SetCellText(ward, 1, std::to_wstring(3 + g).c_str());
        SetCellText(ward, 2, L"group");
        for (int i = 0; i < 3; ++i)
        {
            HTREEITEM room = Insert(ward, (L"Room " + std::to_wstring(g * 10 + i)).c_str());
            SetCellText(room, 1, std::to_wstring(i + 1).c_str());
            SetCellText(room, 2, i == 1 ? L"a note that is long enough to be cut by the column" : L"ok");
        }
        Expand(ward);
    }
    HTREEITEM checked = Next(wards[0], TVGN_CHILD);
    SetState(checked, INDEXTOSTATEIMAGEMASK(2), TVIS_STATEIMAGEMASK);
    Expand(wards[2], TVE_COLLAPSE);
    HTREEITEM selected = Next(Next(wards[1], TVGN_CHILD), TVGN_NEXT);
    Send(TVM_SELECTSUBITEM, 2, (LPARAM)selected);
    SetFocus(tree);
    qvtest::PumpMessages(50);
    EXPECT_FALSE(qvtest::SaveWindowPng(*host, L"treelist_tree").empty());
    // What was drawn on the screen: the chosen row colours, the marked cell, the
    // checked box and the texts.
    const qvtest::PixelImage shot = qvtest::CaptureWindow(tree);
    auto count = [&shot](const RECT& r, COLORREF colour)
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += shot.pixel(x, y) == colour;
        return n;
    };
    const RECT firstRow = ItemRect(wards[0]), secondRow = ItemRect(Next(wards[0], TVGN_CHILD));
    EXPECT_GT(count(firstRow, kEven), 500);
    EXPECT_GT(count(secondRow, kOdd), 500);
    EXPECT_GT(count(CellRect(selected, 2), GetSysColor(COLOR_HIGHLIGHT)), 50);
    EXPECT_GT(count(ItemRect(checked, 1), RGB(0, 0, 0)), 10);   // the label's text
    RECT box = ItemRect(checked);
    box.right = ItemRect(checked, 1).left;
    EXPECT_GT(count(box, RGB(0, 0, 0)), 5);   // the check mark beside it
    HWND editor = (HWND)Send(TVM_EDITLABELW, 1, (LPARAM)checked);
    ASSERT_NE(nullptr, editor);
    qvtest::PumpMessages(50);
    EXPECT_FALSE(qvtest::SaveWindowPng(*host, L"treelist_editor").empty());
    const qvtest::PixelImage edit = qvtest::CaptureWindow(editor);
    ASSERT_FALSE(edit.empty());
    int highlighted = 0;   // the starting text is selected
    for (uint32_t p : edit.pixels)
        highlighted += qvtest::DibToColorref(p) == GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_GT(highlighted, 10);
    SendMessageW(editor, WM_KEYDOWN, VK_ESCAPE, 1);
    DestroyWindow(tree);
    DeleteObject(font);
}

}   // namespace
}   // namespace treelist_test
