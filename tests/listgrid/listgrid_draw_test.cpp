// CNewListCtrl: painting, read back from pixels and metafile records.
#include "listgrid_fixture.h"

#include <commctrl.h>

using gridtest::Column;
using gridtest::GridTest;

namespace {

const COLORREF kGridGrey = RGB(128, 128, 128);
const COLORREF kBlack = RGB(0, 0, 0);

std::vector<std::wstring> NonEmpty(const std::vector<std::wstring>& texts)
{
    std::vector<std::wstring> result;
    for (const auto& text : texts)
        if (!text.empty())
            result.push_back(text);
    return result;
}

bool Contains(const std::vector<std::wstring>& texts, const std::wstring& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

class GridDrawTest : public GridTest {
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
    static int area(const RECT& rc) { return (rc.right - rc.left) * (rc.bottom - rc.top); }
};

}  // namespace

TEST_F(GridDrawTest, OnlyColumnZeroOfTheSelectedRowIsHighlighted)
{
    addColumns(3, 100);
    addRows({{L"甲", L"乙", L"丙"}, {L"丁", L"戊", L"己"}, {L"庚", L"辛", L"壬"}});
    grid.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    qvtest::MemoryCanvas canvas(clientRect().Width(), clientRect().Height());
    paintInto(canvas);
    canvas.save(L"listgrid_highlight");

    EXPECT_GT(canvas.countColor(inner(0, 1), highlight), area(inner(0, 1)) / 2);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
        {
            if (row != 1 || column != 0)
            {
                EXPECT_EQ(canvas.countColor(inner(column, row), highlight), 0) << row << "," << column;
            }
        }

    // While the editor is visible, nothing is highlighted.
    CEdit* edit = new CEdit;
    ASSERT_TRUE(edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(300, 200, 400, 220), &grid, 300));
    grid.m_pEdit = edit;
    canvas.fill(gridtest::kWhite);
    paintInto(canvas);
    EXPECT_EQ(canvas.countColor(inner(0, 1), highlight), 0);
    edit->ShowWindow(SW_HIDE);
    paintInto(canvas);
    EXPECT_GT(canvas.countColor(inner(0, 1), highlight), area(inner(0, 1)) / 2);
}

TEST_F(GridDrawTest, CellsAreFramedAndFilledWithTheirColours)
{
    addColumns(2, 100);
    addRows({{L"a", L"b"}, {L"c", L"d"}});
    grid.SetColor(0, RGB(255, 230, 230), 0);
    grid.SetColumnColor(1, RGB(220, 255, 220));
    grid.SetItemColor(1, 1, RGB(0, 0, 255));
    qvtest::MemoryCanvas canvas(clientRect().Width(), clientRect().Height());
    paintInto(canvas);

    EXPECT_EQ(canvas.pixel(0, rowTop(0) + 5), kGridGrey) << "left frame line";
    EXPECT_EQ(canvas.pixel(50, rowTop(1)), kGridGrey) << "line between the rows";
    EXPECT_EQ(canvas.pixel(100, rowTop(1) + 5), kGridGrey) << "line between the columns";
    EXPECT_EQ(canvas.pixel(90, rowTop(0) + 3), RGB(255, 230, 230)) << "row colour";
    EXPECT_EQ(canvas.pixel(190, rowTop(0) + 3), RGB(255, 230, 230)) << "row colour before column colour";
    EXPECT_EQ(canvas.pixel(190, rowTop(1) + 3), RGB(220, 255, 220)) << "column colour";
    EXPECT_EQ(canvas.pixel(90, rowTop(1) + 3), grid.GetListColor());

    qvtest::MetafileRecorder recorder;
    ASSERT_TRUE(recordPaint(recorder));
    const qvtest::DrawnText* d = recorder.findText(L"d");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->textColor, RGB(0, 0, 255)) << "a cell colour colours the text";
    EXPECT_EQ(d->origin.x, 100 + 1 + 2) << "left-aligned texts start 2 pixels inside the frame";
    ASSERT_NE(recorder.findText(L"b"), nullptr);
    EXPECT_NE(recorder.findText(L"b")->textColor, RGB(0, 0, 255));
}

TEST_F(GridDrawTest, CheckBoxColumnsDrawATickOnlyForOne)
{
    addColumns(1, 100);
    LVCOLUMN check = Column(L"到", 40, LVCFMT_LEFT, 0, LVCF_TEXT | LVCF_WIDTH | LVCF_IMAGE);
    grid.InsertColumn(1, &check);
    addRows({{L"王", L"1"}, {L"李", L"0"}, {L"陳", L"2"}});

    qvtest::MetafileRecorder recorder;
    ASSERT_TRUE(recordPaint(recorder));
    const auto black = recorder.linesWithColor(kBlack);
    EXPECT_EQ(black.size(), 3u * 4u + 2u) << "three boxes, one tick";
    EXPECT_FALSE(Contains(recorder.texts(), L"1")) << "check-box cells show no text";

    qvtest::MemoryCanvas canvas(clientRect().Width(), clientRect().Height());
    paintInto(canvas);
    canvas.save(L"listgrid_checkbox");
    for (int row = 0; row < 3; ++row)
    {
        const RECT cell = inner(1, row);
        const int left = (cell.left + cell.right) / 2 - 8, top = (cell.top + cell.bottom) / 2 - 8;
        EXPECT_EQ(canvas.pixel(left, top + 3), kBlack) << "box edge, row " << row;
        const int tick = canvas.countColor(RECT{left + 1, top + 1, left + 16, top + 16}, kBlack);
        EXPECT_EQ(tick > 0, row == 0) << "tick inside the box, row " << row;
    }

    // Writing a check-box cell repaints it at once, with the new value.
    grid.SetItemText(1, 1, L"1");
    EXPECT_TRUE(grid.FindRowIndex(1)->pCells->pNext->nFlags & CELL_HASIMAGE);
    ASSERT_TRUE(recordPaint(recorder));
    EXPECT_EQ(recorder.linesWithColor(kBlack).size(), 3u * 4u + 4u);
}

TEST_F(GridDrawTest, BoolImageListReplacesTheDrawnBox)
{
    addColumns(1, 100);
    LVCOLUMN check = Column(L"到", 40, LVCFMT_LEFT, 0, LVCF_TEXT | LVCF_WIDTH | LVCF_IMAGE);
    grid.InsertColumn(1, &check);
    addRows({{L"王", L"1"}});
    CClientDC dc(&grid);
    grid.CreateBoolImage(&dc);
    ASSERT_NE(grid.GetImageList(LISTIMAGE_BOOL), nullptr);
    EXPECT_EQ(grid.GetImageList(LISTIMAGE_BOOL)->GetImageCount(), 2);

    qvtest::MemoryCanvas canvas(clientRect().Width(), clientRect().Height());
    paintInto(canvas);
    const RECT cell = inner(1, 0);
    const int left = (cell.left + cell.right) / 2 - 8, top = (cell.top + cell.bottom) / 2 - 8;
    EXPECT_EQ(canvas.pixel(left + 1, top + 1), kBlack) << "image frame";
    EXPECT_EQ(canvas.pixel(left, top), grid.GetListColor()) << "red is transparent";
    EXPECT_EQ(canvas.pixel(left + 3, top + 3), gridtest::kWhite);
    EXPECT_EQ(canvas.countColor(cell, RGB(255, 0, 0)), 0);
    EXPECT_EQ(grid.SetImageList(LISTIMAGE_BOOL), nullptr);
    EXPECT_EQ(grid.GetImageList(LISTIMAGE_BOOL), nullptr);
}

TEST_F(GridDrawTest, ZeroWidthColumnPaintsNothing)
{
    LVCOLUMN first = Column(L"A", 100);
    LVCOLUMN hidden = Column(L"B", 0);
    LVCOLUMN last = Column(L"C", 100);
    grid.InsertColumn(0, &first);
    grid.InsertColumn(1, &hidden);
    grid.InsertColumn(2, &last);
    addRows({{L"left", L"hidden", L"right"}});

    qvtest::MetafileRecorder recorder;
    ASSERT_TRUE(recordPaint(recorder));
    EXPECT_TRUE(Contains(recorder.texts(), L"left"));
    EXPECT_TRUE(Contains(recorder.texts(), L"right"));
    EXPECT_FALSE(Contains(recorder.texts(), L"hidden"));
    ASSERT_NE(recorder.findText(L"right"), nullptr);
    EXPECT_EQ(recorder.findText(L"right")->origin.x, 100 + 1 + 2);
}

TEST_F(GridDrawTest, StateImagesMoveColumnZeroTwentyPixelsEvenWithStateZero)
{
    addColumns(2, 120);
    addRows({{L"zero", L"x"}, {L"one", L"y"}});
    grid.SetItemState(1, 0x1000, LVIS_STATEIMAGEMASK);
    qvtest::MetafileRecorder before;
    ASSERT_TRUE(recordPaint(before));
    ASSERT_NE(before.findText(L"zero"), nullptr);
    ASSERT_NE(before.findText(L"x"), nullptr);
    const int plainX = before.findText(L"zero")->origin.x;

    CImageList states;   // the test program's list: reported, then used
    ASSERT_TRUE(states.Create(16, 16, ILC_COLOR24, 0, 2));
    CBitmap bitmap;
    {
        CClientDC dc(&grid);
        bitmap.CreateCompatibleBitmap(&dc, 16, 16);
    }
    states.Add(&bitmap, static_cast<CBitmap*>(nullptr));
    EXPECT_EQ(grid.SetImageList(&states, LISTIMAGE_STATE), &states);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.at(0).text.rfind(L"The ImageList is not the dll\n ", 0), 0u);

    qvtest::MetafileRecorder after;
    ASSERT_TRUE(recordPaint(after));
    for (const wchar_t* text : {L"zero", L"one", L"x"})
        ASSERT_NE(after.findText(text), nullptr) << qvtest::Utf8(text);
    EXPECT_EQ(after.findText(L"zero")->origin.x, plainX + 20);
    EXPECT_EQ(after.findText(L"one")->origin.x, plainX + 20);
    EXPECT_EQ(after.findText(L"x")->origin.x, before.findText(L"x")->origin.x) << "other columns stay";
    size_t imageDraws = 0;
    for (const auto& drawn : after.bitmaps())
        if (drawn.rect.left == 1 && drawn.rect.top >= rowTop(1))
            ++imageDraws;
    EXPECT_EQ(imageDraws, 1u) << "state 1 draws image 0 in row 1 only";
}

TEST_F(GridDrawTest, ImageListSlotsCheckTheirLists)
{
    CImageList none;
    EXPECT_EQ(grid.SetImageList(&none, LISTIMAGE_SMALL), nullptr);
    EXPECT_EQ(grid.SetImageList(nullptr, LISTIMAGE_SMALL), nullptr);
    EXPECT_MESSAGE_BOXES(boxes, L"Image List is not not created", L"Image List is not not created");

    boxes.clear();
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 0, 2));
    EXPECT_EQ(grid.SetImageList(&images, 7), nullptr);
    EXPECT_EQ(grid.SetImageList(&images, LISTIMAGE_SMALL), &images);
    EXPECT_EQ(grid.GetImageList(LISTIMAGE_SMALL), &images);
    EXPECT_EQ(boxes.count(), 2u) << "each foreign list is reported";
    EXPECT_EQ(grid.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, LPARAM(images.GetSafeHandle())), 0);
    EXPECT_EQ(grid.SetImageList(LISTIMAGE_SMALL), nullptr);
    EXPECT_EQ(grid.GetImageList(LISTIMAGE_SMALL), nullptr);
}

TEST_F(GridDrawTest, StateImagesNeedTheHostsBitmap200)
{
    // This program has no bitmap 200; the library's own is not looked at.
    EXPECT_EQ(grid.SetImageList(LISTIMAGE_STATE), nullptr);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.at(0).text.rfind(L"不能創建狀態ICON ", 0), 0u) << qvtest::Utf8(boxes.at(0).text);
    EXPECT_NE(boxes.at(0).text.find(L"listctrl_images.cpp "), std::wstring::npos);
    EXPECT_EQ(grid.GetImageList(LISTIMAGE_STATE), nullptr);
}

TEST_F(GridDrawTest, StateListWithoutHandleIsReportedWhilePainting)
{
    addColumns(1, 100);
    addRows({{L"a"}});
    CImageList states;
    ASSERT_TRUE(states.Create(16, 16, ILC_COLOR24, 0, 2));
    grid.SetImageList(&states, LISTIMAGE_STATE);
    states.DeleteImageList();
    boxes.clear();
    qvtest::MemoryCanvas canvas(clientRect().Width(), clientRect().Height());
    paintInto(canvas);
    EXPECT_MESSAGE_BOXES(boxes, L"State Image List had not been created");
}

TEST_F(GridDrawTest, CombinedCellsPaintOneBlock)
{
    addColumns(2, 100);
    addRows({{L"A", L"1"}, {L"A", L"2"}, {L"B", L"3"}});
    grid.SetCombineSwitch(1);
    grid.SetCombine(0, 0);
    qvtest::MemoryCanvas canvas(clientRect().Width(), clientRect().Height());
    paintInto(canvas);
    canvas.save(L"listgrid_combined");
    EXPECT_NE(canvas.pixel(10, rowTop(1)), kGridGrey) << "no line inside the block";
    EXPECT_EQ(canvas.pixel(150, rowTop(1)), kGridGrey) << "the next column keeps its lines";
    EXPECT_EQ(canvas.pixel(10, rowTop(2)), kGridGrey) << "the block ends above row 2";

    qvtest::MetafileRecorder recorder;
    ASSERT_TRUE(recordPaint(recorder));
    const auto as = recorder.findTexts(L"A");
    ASSERT_FALSE(as.empty());
    for (const auto& a : as)
    {
        EXPECT_GT(a.origin.y, rowTop(0) + rowHeight() / 2) << "centred in the two-row block";
        EXPECT_LT(a.origin.y, rowTop(1) + rowHeight() / 2);
    }

    // The selection anywhere in the block highlights the whole block in column 0.
    grid.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    paintInto(canvas);
    const RECT block{1, rowTop(0) + 1, 100, rowTop(2)};
    EXPECT_GT(canvas.countColor(block, ::GetSysColor(COLOR_HIGHLIGHT)), area(block) / 2);
}

TEST_F(GridDrawTest, TwoLineRowsSplitLongTexts)
{
    addColumns(2, 60);
    grid.SetLinesPerRow(2);
    grid.UpdateScrollSizes();
    const std::wstring longText = L"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    addRows({{longText, L"ok"}});

    qvtest::MetafileRecorder recorder;
    ASSERT_TRUE(recordPaint(recorder));
    const auto texts = NonEmpty(recorder.texts());
    ASSERT_EQ(texts.size(), 3u) << qvtest::QuotedList(texts);
    EXPECT_EQ(texts[0] + texts[1], longText);
    EXPECT_LT(texts[0].size(), longText.size());
    EXPECT_EQ(texts[2], L"ok") << "a short text is drawn once";
    const auto first = recorder.findText(texts[0]);
    const auto second = recorder.findText(texts[1]);
    ASSERT_TRUE(first && second);
    EXPECT_GT(second->origin.y, first->origin.y);
}

TEST_F(GridDrawTest, OneLineToTwoWorksInsideItsBuffers)
{
    CString first, second;
    CNewListCtrl::OneLineToTwo(L"abcdef", first, second, 0);
    EXPECT_EQ(first, CString(L"abc"));
    EXPECT_EQ(second, CString(L"def"));
    CNewListCtrl::OneLineToTwo(L"abcdef", first, second, 4);
    EXPECT_EQ(first, CString(L"abcd"));
    EXPECT_EQ(second, CString(L"ef"));
    CNewListCtrl::OneLineToTwo(L"abc", first, second, 10);
    EXPECT_EQ(first, CString(L"abc"));
    EXPECT_EQ(second, CString(L""));
    CNewListCtrl::OneLineToTwo(nullptr, first, second, 3);
    EXPECT_TRUE(first.IsEmpty() && second.IsEmpty());

    const std::wstring huge(100000, L'字');
    CNewListCtrl::OneLineToTwo(huge.c_str(), first, second, 0);
    EXPECT_EQ(first.GetLength(), 199) << "399 characters are read, halves of up to 199 kept";
    EXPECT_EQ(second.GetLength(), 199);
    CNewListCtrl::OneLineToTwo(huge.c_str(), first, second, 300);
    EXPECT_EQ(first.GetLength(), 199);
    EXPECT_EQ(second.GetLength(), 99);
    CNewListCtrl::OneLineToTwo(huge.c_str(), first, second, 100000);
    EXPECT_EQ(first.GetLength(), 199);
    EXPECT_EQ(second.GetLength(), 0);
}

TEST_F(GridDrawTest, AlignmentOfCellTexts)
{
    EXPECT_EQ(CNewListCtrl::GetDTAlign(0), DT_LEFT);
    EXPECT_EQ(CNewListCtrl::GetDTAlign(1), DT_RIGHT);
    EXPECT_EQ(CNewListCtrl::GetDTAlign(2), DT_CENTER);
    EXPECT_EQ(CNewListCtrl::GetDTAlign(3 | HEADFMT_DIGIT), DT_CENTER);
}

TEST_F(GridDrawTest, OnlyTheRowsMeetingTheClipBoxArePainted)
{
    addColumns(1, 100);
    for (int i = 0; i < 12; ++i)
        addRows({{L"row" + std::to_wstring(i)}});
    const int top = rowTop(5), bottom = rowTop(7);
    qvtest::MetafileRecorder recorder;
    ASSERT_TRUE(recorder.record([&](HDC hdc) {
        ::IntersectClipRect(hdc, 0, top, 400, bottom);
        CDC dc;
        dc.Attach(hdc);
        grid.OnDraw(&dc);
        dc.Detach();
    }));
    const auto texts = recorder.texts();
    EXPECT_TRUE(Contains(texts, L"row5"));
    EXPECT_TRUE(Contains(texts, L"row6"));
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(Contains(texts, L"row" + std::to_wstring(i))) << i;
    const int lastPainted = bottom / rowHeight();
    for (int i = lastPainted + 1; i < 12; ++i)
        EXPECT_FALSE(Contains(texts, L"row" + std::to_wstring(i))) << i;
}

TEST_F(GridDrawTest, OwnerDrawStyleAsksTheParentForEachRow)
{
    struct Drawn {
        UINT type, id, item, action;
        HWND window;
    };
    static std::vector<Drawn> drawn;
    drawn.clear();
    auto subclass = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) -> LRESULT {
        if (message == WM_DRAWITEM)
        {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            drawn.push_back({item->CtlType, item->CtlID, item->itemID, item->itemAction, item->hwndItem});
            return TRUE;
        }
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
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
    qvtest::MetafileRecorder recorder;
    ASSERT_TRUE(recorder.recordPrintClient(ownerDrawn.GetSafeHwnd(), PRF_CLIENT));
    ::RemoveWindowSubclass(host, subclass, 1);

    ASSERT_EQ(drawn.size(), 3u);
    for (UINT row = 0; row < 3; ++row)
    {
        EXPECT_EQ(drawn[row].type, UINT(ODT_LISTVIEW));
        EXPECT_EQ(drawn[row].id, 77u);
        EXPECT_EQ(drawn[row].item, row);
        EXPECT_EQ(drawn[row].action, UINT(ODA_DRAWENTIRE));
        EXPECT_EQ(drawn[row].window, ownerDrawn.GetSafeHwnd());
    }
    EXPECT_FALSE(Contains(recorder.texts(), L"never drawn by the grid"));
}

TEST_F(GridDrawTest, EnlargedModeScalesFontHeaderAndColumns)
{
    LVCOLUMN name = Column(L"姓名", 80);
    LVCOLUMN group = Column(L"住址", 0, LVCFMT_LEFT, 160);
    LVCOLUMN city = Column(L"縣市", 80, LVCFMT_LEFT, HEADLEVEL_LOWER);
    LVCOLUMN street = Column(L"街道", 80, LVCFMT_LEFT, HEADLEVEL_LOWER);
    grid.InsertColumn(0, &name);
    grid.InsertColumn(1, &group);
    grid.InsertColumn(2, &city);
    grid.InsertColumn(3, &street);
    addRows({{L"王小明", L"", L"台北市", L"中山北路二段"}});
    const int plainRowHeight = grid.GetRowHeight();

    EXPECT_EQ(grid.SendMessage(UM_ENLARGE, 0, 15), 1);
    EXPECT_EQ(grid.GetFontHeight(), 24);
    EXPECT_TRUE(grid.IsEnlarged());
    EXPECT_EQ(grid.GetLinesPerRow(), 2);
    EXPECT_EQ(grid.GetRowHeight(), 2 * plainRowHeight);
    CHeadWnd* head = grid.GetHeadWnd();
    EXPECT_EQ(head->GetRowHeight(), 36);
    EXPECT_EQ(head->GetHeight(), 72) << "the two header rows keep their places";
    EXPECT_EQ(head->GetHeadParam(0)->nWidth, 120);
    EXPECT_EQ(head->GetHeadParam(1)->nLevel, 240);
    EXPECT_EQ(head->GetHeadParam(3)->nLeft, 240);

    qvtest::MetafileRecorder recorder;
    ASSERT_TRUE(recordPaint(recorder));
    const qvtest::DrawnText* street_ = recorder.findText(L"中山北路二段");
    ASSERT_NE(street_, nullptr) << "enlarged mode draws the whole text once";
    EXPECT_EQ(street_->face, L"新細明體");
    EXPECT_EQ(street_->height, 24);
    EXPECT_EQ(street_->weight, 100);
    qvtest::SaveWindowPng(host, L"listgrid_enlarged");
}

TEST_F(GridDrawTest, ScreenshotOfAGridWithEverything)
{
    LVCOLUMN no = Column(L"病歷號", 70);
    LVCOLUMN name = Column(L"姓名", 80);
    LVCOLUMN group = Column(L"住址", 0, LVCFMT_LEFT, 170);
    LVCOLUMN city = Column(L"縣市", 70, LVCFMT_LEFT, HEADLEVEL_LOWER);
    LVCOLUMN street = Column(L"街道", 100, LVCFMT_LEFT, HEADLEVEL_LOWER);
    LVCOLUMN check = Column(L"到診", 50, LVCFMT_LEFT, 0, LVCF_TEXT | LVCF_WIDTH | LVCF_IMAGE);
    for (LVCOLUMN* column : {&no, &name, &group, &city, &street, &check})
        grid.InsertColumn(grid.GetFieldCount(), column);
    addRows({{L"A001", L"王小明", L"", L"台北市", L"中山北路", L"1"},
             {L"A002", L"李美玲", L"", L"台北市", L"民生東路", L"0"},
             {L"A003", L"陳大文", L"", L"新竹市", L"光復路", L"1"},
             {L"A004", L"林怡君", L"", L"台中市", L"台灣大道", L"0"}});
    grid.SetCombineSwitch(1);
    grid.SetCombine(3, 3);
    grid.SetColor(2, RGB(255, 240, 200), 0);
    grid.SetItemColor(1, 1, RGB(200, 0, 0));
    grid.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    ::ShowWindow(host, SW_SHOW);
    ::UpdateWindow(host);
    qvtest::PumpMessages(50);
    EXPECT_FALSE(qvtest::SaveWindowPng(host, L"listgrid_window").empty());
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(GridDrawTest, HundredThousandCharacterTextsPaintInOneAndTwoLineRows)
{
    addColumns(2, 120);
    const std::wstring huge(100000, L'病');
    addRows({{huge, L"x"}});
    qvtest::MemoryCanvas canvas(clientRect().Width(), clientRect().Height());
    paintInto(canvas);
    EXPECT_GT(canvas.countColor(inner(0, 0), RGB(0, 0, 0)), 0) << "the text shows";

    grid.SetLinesPerRow(2);
    grid.UpdateScrollSizes();
    qvtest::MetafileRecorder recorder;
    ASSERT_TRUE(recordPaint(recorder));
    const auto texts = NonEmpty(recorder.texts());
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_LT(texts[0].size(), 100u) << "a line of what fits the cell";
    EXPECT_EQ(texts[1].size(), 199u) << "the rest, cut to its 200-character buffer";
    EXPECT_EQ(texts[0], huge.substr(0, texts[0].size()));
    EXPECT_MESSAGE_BOXES(boxes);
}
