// CNewListCtrl: painting, read back from pixels and metafile records.
#include "listgrid_fixture.h"

#include <commctrl.h>

using gridtest::Column;
using gridtest::GridTest;

namespace
{
const COLORREF kGridGrey = RGB(128, 128, 128);
const COLORREF kBlack = RGB(0, 0, 0);
bool Contains(const std::vector<std::wstring>& texts, const std::wstring& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}
class GridDrawTest : public GridTest
{
protected:
    int rowTop(int row) { return grid.RowToYPos(row); }
    int rowHeight() { return grid.GetRowHeight(); }
    // The inner rectangle of a cell (inside its frame) at scroll position 0.
    RECT inner(int column, int row)
    {
        CRect header;
        EXPECT_TRUE(grid.GetHeaderRect(column, header));
        return RECT{header.left + 1, rowTop(row) + 1, header.right, rowTop(row) + rowHeight()};
    }
    // The 16-pixel box centred in a cell.
    POINT boxCorner(int column, int row)
    {
        const RECT cell = inner(column, row);
        return POINT{(cell.left + cell.right) / 2 - 8, (cell.top + cell.bottom) / 2 - 8};
    }
    static int area(const RECT& rc) { return (rc.right - rc.left) * (rc.bottom - rc.top); }
    int highlighted(const RECT& rc) { return canvas.countColor(rc, ::GetSysColor(COLOR_HIGHLIGHT)); }
    // Column 0 of 100 pixels and a check-box column 1.
    void addCheckBoxColumns()
    {
        addColumns(1, 100);
        LVCOLUMN check = Column(L"到", 40, LVCFMT_LEFT, 0, LVCF_TEXT | LVCF_WIDTH | LVCF_IMAGE);
        grid.InsertColumn(1, &check);
    }
    qvtest::MemoryCanvas canvas{kWidth, kHeight};
    qvtest::MetafileRecorder recorder;
};
}   // namespace

TEST_F(GridDrawTest, OnlyColumnZeroOfTheSelectedRowIsHighlighted)
{
    addColumns(3, 100);
    addRows({{L"甲", L"乙", L"丙"}, {L"丁", L"戊", L"己"}, {L"庚", L"辛", L"壬"}});
    grid.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    paintInto(canvas);
    canvas.save(L"listgrid_highlight");
    EXPECT_GT(highlighted(inner(0, 1)), area(inner(0, 1)) / 2);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(highlighted(inner(column, row)) > 0, row == 1 && column == 0) << row << "," << column;
    // While the editor is visible, nothing is highlighted.
    CEdit* edit = new CEdit;
    ASSERT_TRUE(edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(300, 200, 400, 220), &grid, 300));
    grid.m_pEdit = edit;
    paintInto(canvas);
    EXPECT_EQ(highlighted(inner(0, 1)), 0);
    edit->ShowWindow(SW_HIDE);
    paintInto(canvas);
    EXPECT_GT(highlighted(inner(0, 1)), area(inner(0, 1)) / 2);
}

TEST_F(GridDrawTest, CellsAreFramedAndFilledWithTheirColours)
{
    LVCOLUMN hidden = Column(L"hidden", 0);
    addColumns(2, 100);
    grid.InsertColumn(1, &hidden);
    addRows({{L"a", L"hidden", L"b"}, {L"c", L"", L"d"}});
    grid.SetColor(0, RGB(255, 230, 230), 0);
    grid.SetColumnColor(2, RGB(220, 255, 220));
    grid.SetItemColor(1, 2, RGB(0, 0, 255));
    paintInto(canvas);
    EXPECT_EQ(canvas.pixel(50, rowTop(1)), kGridGrey) << "line between the rows";
    EXPECT_EQ(canvas.pixel(100, rowTop(1) + 5), kGridGrey) << "line between the columns";
    EXPECT_EQ(canvas.pixel(190, rowTop(0) + 3), RGB(255, 230, 230)) << "row colour before column colour";
    EXPECT_EQ(canvas.pixel(190, rowTop(1) + 3), RGB(220, 255, 220)) << "column colour";
    EXPECT_EQ(canvas.pixel(90, rowTop(1) + 3), grid.GetListColor());
    record(recorder);
    EXPECT_FALSE(Contains(recorder.texts(), L"hidden")) << "a column of width 0 paints nothing";
    const qvtest::DrawnText* d = recorder.findText(L"d");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->textColor, RGB(0, 0, 255)) << "a cell colour colours the text";
    EXPECT_EQ(d->origin.x, 100 + 1 + 2) << "left-aligned texts start 2 pixels inside the frame";
}

// Each column's alignment places its text: left 2 pixels in, right against
// the frame, centred halfway; unknown alignment bits centre.
TEST_F(GridDrawTest, TextsAlignAsTheirColumnsSay)
{
    struct Case
    {
        int fmt;
        const wchar_t* text;
    };
    const Case cases[] = {
        {LVCFMT_LEFT, L"甲甲"},
        {LVCFMT_CENTER, L"乙乙"},
        {LVCFMT_RIGHT, L"丙丙"},   // one width each
        {LVCFMT_RIGHT | HEADFMT_DIGIT, L"丁丁"},
        {3, L"戊戊"},
    };
    std::vector<std::wstring> row;
    for (size_t i = 0; i < std::size(cases); ++i)
    {
        LVCOLUMN column = Column(L"欄", 90, cases[i].fmt);
        grid.InsertColumn(int(i), &column);
        row.push_back(cases[i].text);
    }
    addRows({row});
    record(recorder);
    int offset[std::size(cases)] = {};
    for (size_t i = 0; i < std::size(cases); ++i)
    {
        const qvtest::DrawnText* drawn = recorder.findText(cases[i].text);
        ASSERT_NE(drawn, nullptr) << i;
        offset[i] = drawn->origin.x - int(i) * 90;
    }
    EXPECT_EQ(offset[0], 1 + 2);
    EXPECT_GT(offset[1], offset[0] + 10);
    EXPECT_GT(offset[2], offset[1] + 10);
    EXPECT_NEAR(offset[1] - offset[0], offset[2] - offset[1], 3) << "centred halfway";
    EXPECT_EQ(offset[3], offset[2]) << "the numeric bit does not move the text";
    EXPECT_EQ(offset[4], offset[1]);
    // The list-view codes still translate as the header's interface says.
    EXPECT_EQ(CNewListCtrl::GetDTAlign(LVCFMT_LEFT), DT_LEFT);
    EXPECT_EQ(CNewListCtrl::GetDTAlign(LVCFMT_RIGHT), DT_RIGHT);
    EXPECT_EQ(CNewListCtrl::GetDTAlign(LVCFMT_CENTER), DT_CENTER);
}

TEST_F(GridDrawTest, CheckBoxColumnsDrawATickOnlyForOneOrTheBoolImages)
{
    addCheckBoxColumns();
    addRows({{L"王", L"1"}, {L"李", L"0"}, {L"陳", L"2"}});
    record(recorder);
    EXPECT_EQ(recorder.linesWithColor(kBlack).size(), 3u * 4u + 2u) << "three boxes, one tick";
    EXPECT_FALSE(Contains(recorder.texts(), L"1")) << "check-box cells show no text";
    // Writing a check-box cell repaints it at once, with the new value.
    grid.SetItemText(1, 1, L"1");
    EXPECT_TRUE(grid.FindRowIndex(1)->pCells->pNext->nFlags & CELL_HASIMAGE);
    record(recorder);
    EXPECT_EQ(recorder.linesWithColor(kBlack).size(), 3u * 4u + 4u);
    CClientDC dc(&grid);
    grid.CreateBoolImage(&dc);
    ASSERT_NE(grid.GetImageList(LISTIMAGE_BOOL), nullptr);
    paintInto(canvas);
    const POINT box = boxCorner(1, 0);
    EXPECT_EQ(canvas.pixel(box.x + 1, box.y + 1), kBlack) << "image frame";
    EXPECT_EQ(canvas.pixel(box.x, box.y), grid.GetListColor()) << "red is transparent";
    EXPECT_EQ(canvas.countColor(inner(1, 0), RGB(255, 0, 0)), 0);
}

TEST_F(GridDrawTest, ImageListSlotsReportWhatIsWrongAndStateImagesMoveColumnZero)
{
    CImageList none, images;
    EXPECT_EQ(grid.SetImageList(&none, LISTIMAGE_SMALL), nullptr);
    EXPECT_EQ(grid.SetImageList(nullptr, LISTIMAGE_SMALL), nullptr);
    EXPECT_MESSAGE_BOXES(boxes, L"Image List is not not created", L"Image List is not not created");
    boxes.clear();
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 0, 2));
    EXPECT_EQ(grid.SetImageList(&images, 7), nullptr);
    EXPECT_EQ(grid.SetImageList(&images, LISTIMAGE_SMALL), &images);
    EXPECT_EQ(grid.GetImageList(LISTIMAGE_SMALL), &images);
    EXPECT_EQ(boxes.count(), 2u) << "each foreign list is reported";
    // This program has no bitmap 200; the library's own is not looked at.
    boxes.clear();
    EXPECT_EQ(grid.SetImageList(LISTIMAGE_STATE), nullptr);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.at(0).text.rfind(L"不能創建狀態ICON ", 0), 0u) << qvtest::Utf8(boxes.at(0).text);
    // With a state list column 0 moves twenty pixels, even in rows of state 0.
    addColumns(2, 120);
    addRows({{L"zero", L"x"}, {L"one", L"y"}});
    grid.SetItemState(1, 0x1000, LVIS_STATEIMAGEMASK);
    record(recorder);
    ASSERT_TRUE(recorder.findText(L"zero") && recorder.findText(L"x"));
    const int plainX = recorder.findText(L"zero")->origin.x, otherX = recorder.findText(L"x")->origin.x;
    CBitmap bitmap;
    bitmap.CreateBitmap(16, 16, 1, 32, std::vector<DWORD>(256).data());
    images.Add(&bitmap, static_cast<CBitmap*>(nullptr));
    boxes.clear();
    EXPECT_EQ(grid.SetImageList(&images, LISTIMAGE_STATE), &images);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.at(0).text.rfind(L"The ImageList is not the dll\n ", 0), 0u);
    record(recorder);
    ASSERT_TRUE(recorder.findText(L"zero") && recorder.findText(L"one") && recorder.findText(L"x"));
    EXPECT_EQ(recorder.findText(L"zero")->origin.x, plainX + 20);
    EXPECT_EQ(recorder.findText(L"one")->origin.x, plainX + 20);
    EXPECT_EQ(recorder.findText(L"x")->origin.x, otherX) << "other columns stay";
    size_t imageDraws = 0;
    for (const auto& drawn : recorder.bitmaps())
        imageDraws += drawn.rect.left == 1 && drawn.rect.top >= rowTop(1);
    EXPECT_EQ(imageDraws, 1u) << "state 1 draws image 0 in row 1 only";
    // A state list whose handle is gone is reported for each row painted.
    images.DeleteImageList();
    boxes.clear();
    paintInto(canvas);
    EXPECT_MESSAGE_BOXES(boxes, L"State Image List had not been created", L"State Image List had not been created");
}

TEST_F(GridDrawTest, CombinedCellsPaintOneBlock)
{
    addColumns(2, 100);
    addRows({{L"A", L"1"}, {L"A", L"2"}, {L"B", L"3"}});
    grid.SetCombineSwitch(1);
    grid.SetCombine(0, 0);
    paintInto(canvas);
    canvas.save(L"listgrid_combined");
    EXPECT_NE(canvas.pixel(10, rowTop(1)), kGridGrey) << "no line inside the block";
    EXPECT_EQ(canvas.pixel(150, rowTop(1)), kGridGrey) << "the next column keeps its lines";
    EXPECT_EQ(canvas.pixel(10, rowTop(2)), kGridGrey) << "the block ends above row 2";
    record(recorder);
    ASSERT_FALSE(recorder.findTexts(L"A").empty());
    for (const auto& a : recorder.findTexts(L"A"))
    {
        EXPECT_GT(a.origin.y, rowTop(0) + rowHeight() / 2) << "centred in the two-row block";
        EXPECT_LT(a.origin.y, rowTop(1) + rowHeight() / 2);
    }
    // The selection anywhere in the block highlights the whole block in column 0.
    grid.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    paintInto(canvas);
    const RECT block{1, rowTop(0) + 1, 100, rowTop(2)};
    EXPECT_GT(highlighted(block), area(block) / 2);
}

TEST_F(GridDrawTest, HundredThousandCharacterTextInOneAndTwoLineRows)
{
    const std::wstring huge(100000, L'病');
    addColumns(2, 120);
    addRows({{huge, L"x"}});
    paintInto(canvas);
    EXPECT_GT(canvas.countColor(inner(0, 0), kBlack), 0) << "a huge text shows in a one-line row";
    grid.SetColumnWidth(0, 60);
    grid.SetLinesPerRow(2);
    grid.UpdateScrollSizes();
    record(recorder);
    const auto texts = recorder.texts();
    ASSERT_EQ(texts.size(), 3u) << qvtest::QuotedList(texts);
    EXPECT_LT(texts[0].size(), 10u) << "the first line holds what fits the cell";
    EXPECT_EQ(texts[0], huge.substr(0, texts[0].size()));
    EXPECT_EQ(texts[1].size(), 199u) << "the rest, cut to its 200-character buffer";
    EXPECT_EQ(texts[2], L"x") << "a short text is drawn once";
    EXPECT_GT(recorder.findText(texts[1])->origin.y, recorder.findText(texts[0])->origin.y);
    EXPECT_EQ(grid.GetItemText(0, 0).GetLength(), 100000) << "the store keeps the whole text";
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(GridDrawTest, OneLineToTwoWorksInsideItsBuffers)
{
    const std::wstring huge(100000, L'字');
    // 399 characters are read; each half keeps up to 199.
    const struct
    {
        const wchar_t* text;
        int split, firstLength, secondLength;
    } cases[] = {{L"abcdef", 0, 3, 3}, {L"abc", 10, 3, 0}, {nullptr, 3, 0, 0}, {huge.c_str(), 300, 199, 99}};
    for (const auto& c : cases)
    {
        CString first = L"old", second = L"old";
        CNewListCtrl::OneLineToTwo(c.text, first, second, c.split);
        const CString text(c.text);
        EXPECT_EQ(first, text.Left(c.firstLength)) << c.split;
        EXPECT_EQ(second, text.Right(c.secondLength)) << c.split;
    }
}

TEST_F(GridDrawTest, OwnerDrawStyleAsksTheParentForEachRow)
{
    static std::vector<DRAWITEMSTRUCT> drawn;
    auto subclass = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) -> LRESULT
    {
        if (message != WM_DRAWITEM)
            return ::DefSubclassProc(hwnd, message, wParam, lParam);
        drawn.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    };
    ASSERT_TRUE(::SetWindowSubclass(host, subclass, 1, 0));
    gridtest::TestGrid ownerDrawn;
    ASSERT_TRUE(ownerDrawn.Create(WS_CHILD | WS_VISIBLE | LVS_OWNERDRAWFIXED, CRect(0, 0, 300, 200),
                                  CWnd::FromHandle(host), 77));
    LVCOLUMN column = Column(L"A", 100);
    ownerDrawn.InsertColumn(0, &column);
    ownerDrawn.AppendBlank(3);
    ownerDrawn.SetItemText(0, 0, L"never drawn by the grid");
    drawn.clear();
    ASSERT_TRUE(recorder.recordPrintClient(ownerDrawn.GetSafeHwnd(), PRF_CLIENT));
    ::RemoveWindowSubclass(host, subclass, 1);
    ASSERT_EQ(drawn.size(), 3u);
    const DRAWITEMSTRUCT& last = drawn[2];
    EXPECT_EQ(std::make_tuple(last.CtlType, last.CtlID, last.itemID, last.itemAction, last.hwndItem),
              std::make_tuple(UINT(ODT_LISTVIEW), 77u, 2u, UINT(ODA_DRAWENTIRE), ownerDrawn.GetSafeHwnd()));
    EXPECT_FALSE(Contains(recorder.texts(), L"never drawn by the grid"));
}

TEST_F(GridDrawTest, EnlargedModeScalesFontHeaderAndColumns)
{
    LVCOLUMN name = Column(L"姓名", 80), group = Column(L"住址", 0, LVCFMT_LEFT, 160),
             city = Column(L"縣市", 80, LVCFMT_LEFT, HEADLEVEL_LOWER),
             street = Column(L"街道", 80, LVCFMT_LEFT, HEADLEVEL_LOWER);
    for (LVCOLUMN* column : {&name, &group, &city, &street})
        grid.InsertColumn(grid.GetFieldCount(), column);
    addRows({{L"王小明", L"", L"台北市", L"中山北路二段"}});
    const int plainRowHeight = grid.GetRowHeight();
    EXPECT_EQ(grid.SendMessage(UM_ENLARGE, 0, 15), 1);
    EXPECT_EQ(grid.GetFontHeight(), 24);
    EXPECT_EQ(grid.GetRowHeight(), 2 * plainRowHeight);
    CHeadWnd* head = grid.GetHeadWnd();
    EXPECT_EQ(head->GetHeight(), 72) << "the two header rows keep their places";
    EXPECT_EQ(head->GetHeadParam(3)->nLeft, 240) << "columns grow by half";
    record(recorder);
    const qvtest::DrawnText* street_ = recorder.findText(L"中山北路二段");
    ASSERT_NE(street_, nullptr) << "enlarged mode draws the whole text once";
    EXPECT_EQ(street_->face, L"新細明體");
    EXPECT_EQ(street_->height, 24);
    EXPECT_MESSAGE_BOXES(boxes);
}
