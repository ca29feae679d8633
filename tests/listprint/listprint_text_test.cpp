// CListPrint's text block printing, its other helpers and its layouts.
#include <gtest/gtest.h>

#include "patient_print.h"
#include "qvtest.h"

namespace {

HGLOBAL TextBlock(const std::wstring& text)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (text.size() + 1) * sizeof(wchar_t));
    memcpy(::GlobalLock(block), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    ::GlobalUnlock(block);
    return block;
}

// Prints the block into a metafile (reference: the screen) with a 20-pixel face.
std::vector<qvtest::DrawnText> PrintText(CListPrint& print, HGLOBAL block, int* pWidth = nullptr, int* pH = nullptr)
{
    qvtest::MetafileRecorder recorder;
    recorder.record([&](HDC hdc) {
        CDC dc;
        dc.Attach(hdc);
        CFont font;
        font.CreateFont(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, CHINESEBIG5_CHARSET, 0, 0, 0, 0, L"新細明體");
        CFont* old = dc.SelectObject(&font);
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        if (pWidth) *pWidth = dc.GetDeviceCaps(HORZRES) - 4 * tm.tmAveCharWidth;
        if (pH) *pH = tm.tmHeight;
        CPrintInfo info;
        print.OnPrint(&dc, &info, block);
        dc.SelectObject(old);
        dc.Detach();
    });
    return recorder.textOuts();
}

TEST(ListPrintText, LinesWrapToThePageWidthAndLineFeedsEndLines)
{
    CListPrint print;
    int width = 0, H = 0;
    // Measured first: how many "甲" fill the width exactly.
    HDC screen = ::GetDC(nullptr);
    HFONT font = ::CreateFontW(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, CHINESEBIG5_CHARSET, 0, 0, 0, 0, L"新細明體");
    HGDIOBJ old = ::SelectObject(screen, font);
    SIZE one;
    ::GetTextExtentPoint32W(screen, L"甲", 1, &one);
    ::SelectObject(screen, old);
    ::DeleteObject(font);
    ::ReleaseDC(nullptr, screen);

    HGLOBAL probe = TextBlock(L"x");
    PrintText(print, probe, &width, &H);
    ::GlobalFree(probe);
    const int perLine = width / one.cx;
    const std::wstring exact(perLine, L'甲');
    const std::wstring longer(perLine * 2 + 3, L'乙');
    HGLOBAL block = TextBlock(L"第一行\r\n" + exact + L"\r\n" + longer + L"\n\n末行\n");
    const auto texts = PrintText(print, block);
    ::GlobalFree(block);
    // The empty line leaves no text record but takes its line.
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[0].text, L"第一行");                    // the carriage return is dropped
    EXPECT_EQ(texts[1].text, exact);                         // exactly the width: one piece
    EXPECT_EQ(texts[2].text + texts[3].text + texts[4].text, longer);
    // A piece must be narrower than the width, so the exact width holds one character less.
    const size_t piece = static_cast<size_t>(width % one.cx == 0 ? perLine - 1 : perLine);
    EXPECT_EQ(texts[2].text.size(), piece);
    EXPECT_EQ(texts[3].text.size(), piece);
    EXPECT_EQ(texts[5].text, L"末行");                      // the final line feed adds no line
    const int step = H + H / 2;
    const int lineOf[] = { 0, 1, 2, 3, 4, 6 };
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].origin.y, lineOf[i] * step) << i;
        EXPECT_EQ(texts[i].height, H);  // scale 10: the character height
    }
}

TEST(ListPrintText, ALineLongerThanTheBufferIsReportedAndStillPrintedWhole)
{
    qvtest::MessageBoxCapture boxes;
    CListPrint print;
    print.m_nTextScale = 5;
    std::wstring line;
    for (int i = 0; i < 1100; ++i) line += static_cast<wchar_t>(L'0' + i % 10);
    HGLOBAL block = TextBlock(line + L"\nnext");
    const auto texts = PrintText(print, block);
    ::GlobalFree(block);
    EXPECT_MESSAGE_BOXES(boxes, L"緩沖區太小");
    std::wstring all;
    for (const auto& text : texts) all += text.text;
    EXPECT_EQ(all, line + L"next");
    EXPECT_EQ(texts.back().text, L"next");
    EXPECT_EQ(texts.front().height, 10);  // half the character height

    // A null block prints nothing.
    EXPECT_TRUE(PrintText(print, nullptr).empty());
}

TEST(ListPrintText, LayoutsScreenToPrinterAndTheUnicodeFile)
{
    CfField fields[] = { { 10, L"a", 0, 0, 0, 0, 0 }, { 8, L"b", -1, 0, 0, 0, 0 }, { 6, L"c", 20, 0, 0, 0, 0 } };
    CListPrint print;
    EXPECT_EQ(print.m_nLeftMargin, 50);
    EXPECT_EQ(print.m_nTextScale, 10);
    print.SetPrintField(fields, 3);
    EXPECT_EQ(fields[1].nPos, 10);
    EXPECT_EQ(fields[2].nPos, 10);  // the unstored field takes no room
    print.SetPrintTitleField(fields, 3);
    EXPECT_EQ(fields[2].nPos, 18);
    fields[0].nPos = 99;
    print.SetPrintTailField(fields, 3, 1);
    EXPECT_EQ(fields[0].nPos, 99);  // before the first index: kept
    EXPECT_EQ(fields[1].nPos, 0);
    EXPECT_EQ(fields[2].nPos, 8);

    CRect rect(10, 20, 30, 40);
    print.ScreenToPrinter(rect);
    EXPECT_EQ(rect, CRect(10, 20, 30, 40));  // resolutions unknown
    print.m_nScreenResX = print.m_nScreenResY = 96;
    print.m_nPrinterResX = 300;
    print.m_nPrinterResY = 600;
    print.ScreenToPrinter(rect);
    EXPECT_EQ(rect, CRect(31, 125, 93, 250));

    HGLOBAL block = TextBlock(L"病歷");
    CPrintInfo info;
    ::DeleteFileW(L"a23.txt");
    print.OnUnicodePrint(nullptr, &info, block);
    CFile file(L"a23.txt", CFile::modeRead);
    EXPECT_EQ(file.GetLength(), ::GlobalSize(block));
    wchar_t read[3] = {};
    file.Read(read, 4);
    file.Close();
    EXPECT_STREQ(read, L"病歷");
    ::DeleteFileW(L"a23.txt");
    ::GlobalFree(block);
}

TEST(ListPrintText, HeadingBandWithAGroupCaption)
{
    // 地址 over 縣市 (same width, heading value = width), then a plain two-line caption.
    CfField fields[] = {
        { 8, L"地址", -1, FIELD_TEXT, 0, 0, 8 },
        { 8, L"縣市", 0, FIELD_TEXT, 0, 0, 1 },
        { 6, L"電話", 16, FIELD_TEXT, 0, 0, 0 },
    };
    CListPrint print;
    print.SetPrintField(fields, 3);
    print.m_nLeftMargin = 10;
    qvtest::MetafileRecorder recorder;
    int y = 100, H = 0, W = 0;
    recorder.record([&](HDC hdc) {
        CDC dc;
        dc.Attach(hdc);
        CFont font;
        font.CreateFont(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, CHINESEBIG5_CHARSET, 0, 0, 0, 0, L"新細明體");
        CFont* old = dc.SelectObject(&font);
        TEXTMETRIC tm = {};
        ASSERT_TRUE(dc.GetTextMetrics(&tm));
        H = tm.tmHeight;
        W = tm.tmAveCharWidth;
        print.PrintHead(&dc, y);
        dc.SelectObject(old);
        dc.Detach();
    });
    EXPECT_EQ(y, 100 + 2 * H);
    const auto* group = recorder.findText(L"地址");
    const auto* city = recorder.findText(L"縣市");
    const auto* phone = recorder.findText(L"電話");
    ASSERT_TRUE(group && city && phone);
    EXPECT_LT(group->origin.y, 100 + H);
    EXPECT_GE(city->origin.y, 100 + H);
    auto hasLine = [&](POINT a, POINT b) {
        for (const auto& line : recorder.lines())
            if (line.from.x == a.x && line.from.y == a.y && line.to.x == b.x && line.to.y == b.y) return true;
        return false;
    };
    const int l = 10, r = 10 + 8 * W;
    EXPECT_TRUE(hasLine({ l, 100 + H }, { l, 100 }));         // group: open at the bottom
    EXPECT_FALSE(hasLine({ l, 100 + H }, { r, 100 + H }));    // no edge between group and cell...
    EXPECT_TRUE(hasLine({ l, 100 + 2 * H }, { r, 100 + 2 * H }));
    EXPECT_FALSE(hasLine({ r, 100 + H }, { l, 100 + H }));    // ...from either side
    const int pl = 10 + 8 * W, pr = pl + 6 * W;
    EXPECT_TRUE(hasLine({ pr, 100 }, { pl, 100 }));           // a plain caption is closed
}

}  // namespace
