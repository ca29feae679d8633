// CListPrint's text block printing, its other helpers and its layouts.
#include <gtest/gtest.h>

#include <functional>

#include "patient_print.h"
#include "qvtest.h"

namespace
{

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
    recorder.record(
        [&](HDC hdc)
        {
            CDC dc;
            dc.Attach(hdc);
            CFont font;
            font.CreateFont(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, CHINESEBIG5_CHARSET, 0, 0, 0, 0, L"新細明體");
            CFont* old = dc.SelectObject(&font);
            TEXTMETRIC tm;
            dc.GetTextMetrics(&tm);
            if (pWidth)
                *pWidth = dc.GetDeviceCaps(HORZRES) - 4 * tm.tmAveCharWidth;
            if (pH)
                *pH = tm.tmHeight;
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
    EXPECT_EQ(texts[0].text, L"第一行");   // the carriage return is dropped
    EXPECT_EQ(texts[1].text, exact);       // exactly the width: one piece
    EXPECT_EQ(texts[2].text + texts[3].text + texts[4].text, longer);
    // A piece must be narrower than the width, so the exact width holds one character less.
    const size_t piece = static_cast<size_t>(width % one.cx == 0 ? perLine - 1 : perLine);
    EXPECT_EQ(texts[2].text.size(), piece);
    EXPECT_EQ(texts[3].text.size(), piece);
    EXPECT_EQ(texts[5].text, L"末行");   // the final line feed adds no line
    const int step = H + H / 2;
    const int lineOf[] = {0, 1, 2, 3, 4, 6};
    for (size_t i = 0; i < texts.size(); ++i)
    {
        EXPECT_EQ(texts[i].origin.y, lineOf[i] * step) << i;
        EXPECT_EQ(texts[i].height, H);   // scale 10: the character height
    }
}

TEST(ListPrintText, ALineLongerThanTheBufferIsReportedAndStillPrintedWhole)
{
    qvtest::MessageBoxCapture boxes;
    CListPrint print;
    print.m_nTextScale = 5;
    std::wstring line;
    for (int i = 0; i < 1100; ++i)
        line += static_cast<wchar_t>(L'0' + i % 10);
    HGLOBAL block = TextBlock(line + L"\nnext");
    const auto texts = PrintText(print, block);
    ::GlobalFree(block);
    EXPECT_MESSAGE_BOXES(boxes, L"緩沖區太小");
    std::wstring all;
    for (const auto& text : texts)
        all += text.text;
    EXPECT_EQ(all, line + L"next");
    EXPECT_EQ(texts.back().text, L"next");
    EXPECT_EQ(texts.front().height, 10);   // half the character height

    // A null block prints nothing.
    EXPECT_TRUE(PrintText(print, nullptr).empty());
}

TEST(ListPrintText, LayoutsScreenToPrinterAndTheUnicodeFile)
{
    CfField fields[] = {{10, L"a", 0, 0, 0, 0, 0}, {8, L"b", -1, 0, 0, 0, 0}, {6, L"c", 20, 0, 0, 0, 0}};
    CListPrint print;
    EXPECT_EQ(print.m_nLeftMargin, 50);
    EXPECT_EQ(print.m_nTextScale, 10);
    print.SetPrintField(fields, 3);
    EXPECT_EQ(fields[1].nPos, 10);
    EXPECT_EQ(fields[2].nPos, 10);   // the unstored field takes no room
    print.SetPrintTitleField(fields, 3);
    EXPECT_EQ(fields[2].nPos, 18);
    fields[0].nPos = 99;
    print.SetPrintTailField(fields, 3, 1);
    EXPECT_EQ(fields[0].nPos, 99);   // before the first index: kept
    EXPECT_EQ(fields[1].nPos, 0);
    EXPECT_EQ(fields[2].nPos, 8);

    CRect rect(10, 20, 30, 40);
    print.ScreenToPrinter(rect);
    EXPECT_EQ(rect, CRect(10, 20, 30, 40));   // resolutions unknown
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
        {8, L"地址", -1, FIELD_TEXT, 0, 0, 8},
        {8, L"縣市", 0, FIELD_TEXT, 0, 0, 1},
        {6, L"電話", 16, FIELD_TEXT, 0, 0, 0},
    };
    CListPrint print;
    print.SetPrintField(fields, 3);
    print.m_nLeftMargin = 10;
    qvtest::MetafileRecorder recorder;
    int y = 100, H = 0, W = 0;
    recorder.record(
        [&](HDC hdc)
        {
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
    auto hasLine = [&](POINT a, POINT b)
    {
        for (const auto& line : recorder.lines())
            if (line.from.x == a.x && line.from.y == a.y && line.to.x == b.x && line.to.y == b.y)
                return true;
        return false;
    };
    const int l = 10, r = 10 + 8 * W;
    EXPECT_TRUE(hasLine({l, 100 + H}, {l, 100}));        // group: open at the bottom
    EXPECT_FALSE(hasLine({l, 100 + H}, {r, 100 + H}));   // no edge between group and cell...
    EXPECT_TRUE(hasLine({l, 100 + 2 * H}, {r, 100 + 2 * H}));
    EXPECT_FALSE(hasLine({r, 100 + H}, {l, 100 + H}));   // ...from either side
    const int pl = 10 + 8 * W, pr = pl + 6 * W;
    EXPECT_TRUE(hasLine({pr, 100}, {pl, 100}));   // a plain caption is closed
}

}   // namespace

namespace
{

// A list with a closing block: it notes where and on which page it was asked for.
class CTailPrint : public CListPrint
{
public:
    CTailPrint()
    {
        SetPrintField(s_fields, 2);
        SetPrintTailField(s_tail, 1, 0);
        m_nLineHeight = 30;
    }
    long GetRecordCount() override { return records; }
    long GetRecordLength() override { return 40; }
    CString GetItemText(long nRow, int) override
    {
        CString text;
        text.Format(L"列%ld", nRow + 1);
        return text;
    }
    void PrintTail(CDC*, int& y, int) override { tails.push_back({current, y}); }
    static CfField s_fields[2];
    static CfField s_tail[1];
    long records = 0;
    UINT current = 0;
    std::vector<std::pair<UINT, int>> tails;
};
CfField CTailPrint::s_fields[2] = {{10, L"名稱", 0, FIELD_TEXT, 0, 0, 0}, {6, L"備註", -1, FIELD_TEXT, 0, 0, 0}};
CfField CTailPrint::s_tail[1] = {{16, L"合計", 0, FIELD_TEXT, 0, 0, 0}};

}   // namespace

TEST(ListPrintText, BodyRowsTailAndPageNumberByPage)
{
    const struct
    {
        long records;
        UINT maxPage;
        UINT page;
        long firstRow;
        long rows;
        bool tail;
        bool number;
    } cases[] = {
        {3, 1, 1, 0, 3, true, false},   // one page: its tail, no number
        {7, 2, 1, 0, 4, false, true},   // the first of two: full, numbered
        {7, 2, 2, 4, 3, true, true},    // the last of two: the rest, the tail, numbered
    };
    for (const auto& c : cases)
    {
        CTailPrint print;
        print.records = c.records;
        print.m_nRowsPerPage = 4;
        print.m_nLeftMargin = 10;
        print.current = c.page;
        qvtest::MetafileRecorder recorder;
        int H = 0, W = 0;
        recorder.record(
            [&](HDC hdc)
            {
                CDC dc;
                dc.Attach(hdc);
                CFont font;
                font.CreateFont(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, CHINESEBIG5_CHARSET, 0, 0, 0, 0, L"新細明體");
                CFont* old = dc.SelectObject(&font);
                TEXTMETRIC tm = {};
                dc.GetTextMetrics(&tm);
                H = tm.tmHeight;
                W = tm.tmAveCharWidth;
                CPrintInfo info;
                info.SetMaxPage(c.maxPage);
                info.m_nCurPage = c.page;
                print.m_nCurrentY = 100;
                print.PrintBody(&dc, &info);
                dc.SelectObject(old);
                dc.Detach();
            });
        const std::wstring label = L"page " + std::to_wstring(c.page) + L" of " + std::to_wstring(c.maxPage);
        std::vector<std::wstring> rows;
        std::wstring number;
        for (const auto& text : recorder.textOuts())
        {
            if (text.text.find(L"頁") != std::wstring::npos)
            {
                number = text.text;
                // Ends at the last field's right edge, without the left margin, a line below the rows.
                EXPECT_EQ(text.origin.x, (6 + 10 - static_cast<int>(text.text.size())) * W) << qvtest::Utf8(label);
                EXPECT_EQ(text.origin.y, 100 + c.rows * 30 + H) << qvtest::Utf8(label);
            }
            else
            {
                rows.push_back(text.text);
            }
        }
        ASSERT_EQ(rows.size(), static_cast<size_t>(c.rows)) << qvtest::Utf8(label);
        EXPECT_EQ(rows.front(), L"列" + std::to_wstring(c.firstRow + 1)) << qvtest::Utf8(label);
        EXPECT_EQ(print.m_nCurrentY, 100 + c.rows * 30);
        EXPECT_EQ(number, c.number ? L"第" + std::to_wstring(c.page) + L"頁" : L"") << qvtest::Utf8(label);
        if (c.tail)
        {
            ASSERT_EQ(print.tails.size(), 1u) << qvtest::Utf8(label);
            EXPECT_EQ(print.tails[0].second, 100 + c.rows * 30);
        }
        else
        {
            EXPECT_TRUE(print.tails.empty()) << qvtest::Utf8(label);
        }
    }
}

TEST(ListPrintText, AnEmptyLayoutIsAssertedAndDrawsNothing)
{
    // Each call with no layout: how many assertions it raises; nothing is drawn
    // and the positions stay.
    CListPrint print;
    print.m_nRowsPerPage = 5;
    const struct
    {
        const wchar_t* call;
        std::function<void(CDC*, int&)> run;
        LONG asserts;
    } calls[] = {
        {L"PrintTitle", [&](CDC* dc, int& y) { print.PrintTitle(dc, y); }, 0},
        {L"PrintHead", [&](CDC* dc, int& y) { print.PrintHead(dc, y); }, 1},
        {L"PrintRecord by row", [&](CDC* dc, int&) { print.PrintRecord(dc, 0L, 0); }, 1},
        {L"PrintRecord by buffer",
         [&](CDC* dc, int&)
         {
             char record[8] = {};
             print.PrintRecord(dc, record);
         },
         1},
        {L"OnPrint",
         [&](CDC* dc, int&)
         {
             CPrintInfo info;
             print.OnPrint(dc, &info);
         },
         1},
    };
    for (const auto& c : calls)
    {
        qvtest::MetafileRecorder recorder;
        int y = 40;
        print.m_nCurrentY = 70;
        const LONG before = AfxGetAssertFailureCount();
        recorder.record(
            [&](HDC hdc)
            {
                CDC dc;
                dc.Attach(hdc);
                c.run(&dc, y);
                dc.Detach();
            });
        EXPECT_EQ(AfxGetAssertFailureCount() - before, c.asserts) << qvtest::Utf8(c.call);
        EXPECT_TRUE(recorder.textOuts().empty()) << qvtest::Utf8(c.call);
        EXPECT_TRUE(recorder.lines().empty()) << qvtest::Utf8(c.call);
        EXPECT_EQ(y, 40) << qvtest::Utf8(c.call);
        if (std::wstring(c.call) != L"OnPrint")
        {
            EXPECT_EQ(print.m_nCurrentY, 70) << qvtest::Utf8(c.call);
        }
    }
}
