// The metafile recorder reads back what was drawn, with the fonts and colours in effect.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "qvtest.h"

namespace {

using qvtest::FillSource;
using qvtest::MetafileRecorder;

HFONT MingFont(int height, int weight = FW_NORMAL) {
    return CreateFontW(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"新細明體");
}

TEST(MetafileRecorder, ReadsACjkTextOutWithItsFontAndColours) {
    MetafileRecorder recorder;
    ASSERT_TRUE(recorder.record([](HDC dc) {
        HFONT font = MingFont(-16, FW_BOLD);
        HGDIOBJ old = SelectObject(dc, font);
        SetTextColor(dc, RGB(0, 0, 160));
        SetBkColor(dc, RGB(255, 255, 200));
        TextOutW(dc, 12, 34, L"病歷號碼", 4);
        SelectObject(dc, old);
        DeleteObject(font);
        TextOutW(dc, 1, 2, L"after", 5);
    }));

    EXPECT_EQ(recorder.texts(), (std::vector<std::wstring>{L"病歷號碼", L"after"}));
    const qvtest::DrawnText* text = recorder.findText(L"病歷號碼");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->origin.x, 12);
    EXPECT_EQ(text->origin.y, 34);
    EXPECT_EQ(text->face, L"新細明體");
    EXPECT_EQ(text->height, -16);
    EXPECT_EQ(text->weight, FW_BOLD);
    EXPECT_EQ(text->textColor, RGB(0, 0, 160));
    EXPECT_EQ(text->bkColor, RGB(255, 255, 200));
    // The font was deselected: the second text is in the DC's own font.
    EXPECT_NE(recorder.findText(L"after")->face, L"新細明體");
    EXPECT_EQ(recorder.findTexts(L"號").size(), 1u);
    EXPECT_EQ(recorder.findText(L"不存在"), nullptr);
}

TEST(MetafileRecorder, ReadsLinesWithTheirPenColour) {
    MetafileRecorder recorder;
    recorder.record([](HDC dc) {
        HPEN grid = CreatePen(PS_SOLID, 1, RGB(192, 192, 192));
        HGDIOBJ old = SelectObject(dc, grid);
        MoveToEx(dc, 0, 20, nullptr);
        LineTo(dc, 100, 20);
        SelectObject(dc, old);
        DeleteObject(grid);
        HPEN red = CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
        SelectObject(dc, red);
        POINT corner[3] = {{0, 0}, {10, 0}, {10, 10}};
        Polyline(dc, corner, 3);
        SelectObject(dc, GetStockObject(NULL_PEN));
        MoveToEx(dc, 0, 50, nullptr);
        LineTo(dc, 100, 50);  // invisible: not a drawn line
        SelectObject(dc, old);
        DeleteObject(red);
    });

    auto grid = recorder.linesWithColor(RGB(192, 192, 192));
    ASSERT_EQ(grid.size(), 1u);
    EXPECT_EQ(grid[0].from.x, 0);
    EXPECT_EQ(grid[0].from.y, 20);
    EXPECT_EQ(grid[0].to.x, 100);
    EXPECT_EQ(grid[0].to.y, 20);
    auto red = recorder.linesWithColor(RGB(255, 0, 0));
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[1].from.x, 10);
    EXPECT_EQ(red[1].to.y, 10);
    EXPECT_EQ(red[0].width, 2);
    EXPECT_EQ(recorder.lines().size(), 3u);
}

TEST(MetafileRecorder, ReadsFillsHoweverTheyWereDrawn) {
    MetafileRecorder recorder;
    recorder.record([](HDC dc) {
        // FillSolidRect's way: an opaque ExtTextOut without text.
        SetBkColor(dc, RGB(1, 2, 3));
        RECT opaque{10, 10, 50, 30};
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &opaque, nullptr, 0, nullptr);
        HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
        RECT filled{0, 40, 20, 60};
        FillRect(dc, &filled, brush);
        HRGN region = CreateRectRgn(30, 40, 60, 70);
        FillRgn(dc, region, brush);
        DeleteObject(region);
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(7, 8, 9));
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        Rectangle(dc, 70, 70, 90, 90);
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, 1, 1, 5, 5);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(pen);
        DeleteObject(brush);
    });

    auto opaque = recorder.fillsWithColor(RGB(1, 2, 3));
    ASSERT_EQ(opaque.size(), 1u);
    EXPECT_EQ(opaque[0].source, FillSource::OpaqueText);
    RECT expected{10, 10, 50, 30};
    EXPECT_TRUE(EqualRect(&opaque[0].rect, &expected));

    auto brushFills = recorder.fillsWithColor(RGB(4, 5, 6));
    ASSERT_EQ(brushFills.size(), 3u);
    EXPECT_EQ(brushFills[0].source, FillSource::PatternBlt);
    RECT filled{0, 40, 20, 60};
    EXPECT_TRUE(EqualRect(&brushFills[0].rect, &filled));
    EXPECT_EQ(brushFills[1].source, FillSource::Region);
    RECT region{30, 40, 60, 70};
    EXPECT_TRUE(EqualRect(&brushFills[1].rect, &region));
    EXPECT_EQ(brushFills[2].source, FillSource::Rectangle);
    EXPECT_EQ(brushFills[2].penColor, RGB(7, 8, 9));
    // The hollow rectangle is an outline only.
    ASSERT_EQ(recorder.fills().size(), 5u);
    EXPECT_EQ(recorder.fills()[4].color, CLR_INVALID);
    EXPECT_EQ(recorder.fills()[4].penColor, RGB(7, 8, 9));
}

TEST(MetafileRecorder, FollowsSaveAndRestoreOfTheDc) {
    MetafileRecorder recorder;
    recorder.record([](HDC dc) {
        SetTextColor(dc, RGB(1, 1, 1));
        int saved = SaveDC(dc);
        SetTextColor(dc, RGB(2, 2, 2));
        TextOutW(dc, 0, 0, L"inner", 5);
        RestoreDC(dc, saved);
        TextOutW(dc, 0, 0, L"outer", 5);
    });
    ASSERT_NE(recorder.findText(L"inner"), nullptr);
    ASSERT_NE(recorder.findText(L"outer"), nullptr);
    EXPECT_EQ(recorder.findText(L"inner")->textColor, RGB(2, 2, 2));
    EXPECT_EQ(recorder.findText(L"outer")->textColor, RGB(1, 1, 1));
}

TEST(MetafileRecorder, ReadsDrawTextAndEdgesAndBitmaps) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    qvtest::MemoryCanvas icon(16, 16, RGB(255, 0, 0));
    ImageList_Add(images, icon.bitmap(), nullptr);

    MetafileRecorder recorder;
    recorder.record([&](HDC dc) {
        RECT cell{10, 10, 110, 30};
        DrawTextW(dc, L"姓名", -1, &cell, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
        RECT edge{0, 40, 50, 60};
        DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
        ImageList_Draw(images, 0, dc, 60, 40, ILD_NORMAL);
        BitBlt(dc, 80, 40, 16, 16, icon.dc(), 0, 0, SRCCOPY);
    });
    ImageList_Destroy(images);

    EXPECT_EQ(recorder.texts(), std::vector<std::wstring>{L"姓名"});
    EXPECT_GE(recorder.fills().size(), 4u);  // DrawEdge paints its sides as fills
    ASSERT_FALSE(recorder.bitmaps().empty());
    const auto& last = recorder.bitmaps().back();
    EXPECT_EQ(last.rect.left, 80);
    EXPECT_EQ(last.rect.right, 96);
    EXPECT_EQ(last.rop, DWORD(SRCCOPY));
    bool imageListDrawn = false;
    for (const auto& b : recorder.bitmaps()) imageListDrawn = imageListDrawn || (b.rect.left == 60 && b.rect.bottom == 56);
    EXPECT_TRUE(imageListDrawn);
}

// A window that paints one text and one line for WM_PRINTCLIENT.
LRESULT CALLBACK PrintingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PRINTCLIENT) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        TextOutW(dc, 3, 4, L"列印", 2);
        MoveToEx(dc, 0, 0, nullptr);
        LineTo(dc, 9, 0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(MetafileRecorder, RecordsAWindowThroughPrintClient) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PrintingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QVTestPrintingWindow";
    RegisterClassW(&wc);
    qvtest::HostWindow host;
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, host, nullptr,
                                  wc.hInstance, nullptr);
    MetafileRecorder recorder;
    ASSERT_TRUE(recorder.recordPrintClient(window));
    EXPECT_EQ(recorder.texts(), std::vector<std::wstring>{L"列印"});
    EXPECT_EQ(recorder.linesWithColor(RGB(0, 0, 0)).size(), 1u);
}

}  // namespace
