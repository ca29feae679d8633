// The metafile recorder reads back what was drawn, with the fonts and colours in effect.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "qvtest.h"

namespace
{

using qvtest::FillSource;
using qvtest::MetafileRecorder;

bool SameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

TEST(MetafileRecorder, ReadsCjkTextWithItsFontAndColoursAcrossSaveAndRestore)
{
    MetafileRecorder recorder;
    ASSERT_TRUE(recorder.record(
        [](HDC dc)
        {
            HFONT font = CreateFontW(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"新細明體");
            SetTextColor(dc, RGB(1, 1, 1));
            int saved = SaveDC(dc);
            SelectObject(dc, font);
            SetTextColor(dc, RGB(0, 0, 160));
            SetBkColor(dc, RGB(255, 255, 200));
            TextOutW(dc, 12, 34, L"病歷號碼", 4);
            RestoreDC(dc, saved);
            DeleteObject(font);
            TextOutW(dc, 1, 2, L"after", 5);
        }));
    EXPECT_EQ(recorder.texts(), (std::vector<std::wstring>{L"病歷號碼", L"after"}));
    const qvtest::DrawnText* text = recorder.findText(L"病歷號碼");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ((std::vector<LONG>{12, 34, -16, FW_BOLD}),
              (std::vector<LONG>{text->origin.x, text->origin.y, LONG(text->height), LONG(text->weight)}));
    EXPECT_EQ(text->face, L"新細明體");
    EXPECT_EQ(text->textColor, RGB(0, 0, 160));
    EXPECT_EQ(text->bkColor, RGB(255, 255, 200));
    // RestoreDC brought back the DC's own font and the earlier colour.
    EXPECT_NE(recorder.findText(L"after")->face, L"新細明體");
    EXPECT_EQ(recorder.findText(L"after")->textColor, RGB(1, 1, 1));
    EXPECT_EQ(recorder.findTexts(L"號").size(), 1u);
}

TEST(MetafileRecorder, ReadsLinesAndFillsHoweverTheyWereDrawn)
{
    MetafileRecorder recorder;
    recorder.record(
        [](HDC dc)
        {
            HPEN red = CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
            HGDIOBJ oldPen = SelectObject(dc, red);
            POINT corner[3] = {{0, 0}, {10, 0}, {10, 10}};
            Polyline(dc, corner, 3);
            SelectObject(dc, GetStockObject(NULL_PEN));
            MoveToEx(dc, 0, 50, nullptr);
            LineTo(dc, 100, 50);   // invisible: not a drawn line
            SelectObject(dc, red);
            MoveToEx(dc, 0, 20, nullptr);
            LineTo(dc, 100, 20);
            SetBkColor(dc, RGB(1, 2, 3));   // FillSolidRect's way: an opaque ExtTextOut without text
            RECT opaque{10, 10, 50, 30};
            ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &opaque, nullptr, 0, nullptr);
            HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
            RECT filled{0, 40, 20, 60};
            FillRect(dc, &filled, brush);
            HRGN region = CreateRectRgn(30, 40, 60, 70);
            FillRgn(dc, region, brush);
            DeleteObject(region);
            HGDIOBJ oldBrush = SelectObject(dc, brush);
            Rectangle(dc, 70, 70, 90, 90);
            SelectObject(dc, GetStockObject(NULL_BRUSH));
            Rectangle(dc, 1, 1, 5, 5);
            SelectObject(dc, oldPen);
            SelectObject(dc, oldBrush);
            DeleteObject(red);
            DeleteObject(brush);
        });
    auto lines = recorder.lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].width, 2);
    EXPECT_EQ((std::vector<LONG>{0, 20, 100, 20}),
              (std::vector<LONG>{lines[2].from.x, lines[2].from.y, lines[2].to.x, lines[2].to.y}));
    EXPECT_EQ(recorder.linesWithColor(RGB(255, 0, 0)).size(), 3u);
    auto opaque = recorder.fillsWithColor(RGB(1, 2, 3));
    ASSERT_EQ(opaque.size(), 1u);
    EXPECT_EQ(opaque[0].source, FillSource::OpaqueText);
    EXPECT_TRUE(SameRect(opaque[0].rect, RECT{10, 10, 50, 30}));
    auto brushFills = recorder.fillsWithColor(RGB(4, 5, 6));
    ASSERT_EQ(brushFills.size(), 3u);
    EXPECT_EQ(brushFills[0].source, FillSource::PatternBlt);
    EXPECT_EQ(brushFills[1].source, FillSource::Region);
    EXPECT_TRUE(SameRect(brushFills[1].rect, RECT{30, 40, 60, 70}));
    EXPECT_EQ(brushFills[2].source, FillSource::Rectangle);
    EXPECT_EQ(brushFills[2].penColor, RGB(255, 0, 0));
    // The hollow rectangle is an outline only.
    ASSERT_EQ(recorder.fills().size(), 5u);
    EXPECT_EQ(recorder.fills()[4].color, CLR_INVALID);
    EXPECT_EQ(recorder.fills()[4].penColor, RGB(255, 0, 0));
}

TEST(MetafileRecorder, ReadsDrawTextAndBitmaps)
{
    qvtest::MemoryCanvas icon(16, 16, RGB(255, 0, 0));
    MetafileRecorder recorder;
    recorder.record(
        [&](HDC dc)
        {
            RECT cell{10, 10, 110, 30};
            DrawTextW(dc, L"姓名", -1, &cell, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
            BitBlt(dc, 80, 40, 16, 16, icon.dc(), 0, 0, SRCCOPY);
        });
    EXPECT_EQ(recorder.texts(), std::vector<std::wstring>{L"姓名"});
    ASSERT_EQ(recorder.bitmaps().size(), 1u);
    EXPECT_TRUE(SameRect(recorder.bitmaps()[0].rect, RECT{80, 40, 96, 56}));
    EXPECT_EQ(recorder.bitmaps()[0].rop, DWORD(SRCCOPY));
}

}   // namespace
