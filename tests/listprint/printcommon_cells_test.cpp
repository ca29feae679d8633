// CPrintCommon's cells drawn into an enhanced metafile: texts by data type,
// alignments, the font variants and the ruled borders; records rebuilt from
// texts; fitting text to a width; saving a document.
#include <gtest/gtest.h>

#include <cstddef>
#include <map>

#include "qvctrl.h"
#include "ucommon/printcommon.h"
#include "qvtest.h"

namespace
{

#pragma pack(push, 1)
struct AllTypes
{
    wchar_t text[20];          // 0
    wchar_t centred[8];        // 32
    signed char byte2;         // 1
    signed char byte;          // 31
    int count;                 // 11
    int amount;                // 12
    int yes;                   // 29
    float weight;              // 2
    double fee;                // 3
    double trimmed;            // 20
    double total;              // 33
    __time64_t clock;          // 5
    __time64_t hourMinute;     // 6
    long long span;            // 7
    __time64_t date;           // 8
    __time64_t compact;        // 30
    __time64_t variable;       // 35
    __time64_t dateHour;       // 9
    TIMESTAMP_STRUCT stamp;    // 18
    TIMESTAMP_STRUCT stamp2;   // 19
};
#pragma pack(pop)

// A table: one field a cell.
// clang-format off
#define F(w, off, type, fmt) { w, L"", static_cast<int>(offsetof(AllTypes, off)), type, fmt, 0, 0 }
CfField g_allFields[] = {
    F(10, text, FIELD_TEXT, 0),       F(4, centred, FIELD_TEXT_IN, 0), F(3, byte2, FIELD_BYTE2, 0),
    F(3, byte, FIELD_BYTE, 0),        F(5, count, FIELD_INT, 0),       F(6, amount, FIELD_LONG, 0),
    F(2, yes, FIELD_YESNO, 0),        F(6, weight, FIELD_FLOAT, 1),    F(8, fee, FIELD_DOUBLE, 2),
    F(8, trimmed, FIELD_DOUBLE_TRIM, 1), F(8, total, FIELD_DOUBLE_IN, 1), F(8, clock, FIELD_TIME, 0),
    F(8, hourMinute, FIELD_HOURMINUTE, 0), F(8, span, FIELD_DURATION, 0), F(8, date, FIELD_DATE, 0),
    F(6, compact, FIELD_DATE_IN, 0),  F(8, variable, FIELD_DATE_VARIABLE, 0), F(12, dateHour, FIELD_DATEHOUR, 0),
    F(10, stamp, FIELD_TS_DATE_SLASH, 0), F(8, stamp2, FIELD_TS_YEARMONTH, 0),
};
#undef F
// clang-format on
const int kAllFields = static_cast<int>(std::size(g_allFields));

class CCellPrint : public CPrintCommon
{
public:
    using CPrintCommon::AdjustPos;
    using CPrintCommon::EditPrint;
    using CPrintCommon::FitPageWidth;
    void SetDocumentLength(int nLength) { m_nDocLength = nLength; }
    long GetRecordCount() override { return static_cast<long>(rows.size()); }
    long GetRecordLength() override { return length; }
    CString GetItemText(long nRow, int nField) override
    {
        auto found = rows[nRow].find(nField);
        return found == rows[nRow].end() ? CString() : CString(found->second.c_str());
    }
    std::vector<std::map<int, std::wstring>> rows;
    long length = sizeof(AllTypes);
};

// Draws with a 30-pixel Ming face into a metafile.
template <class Draw> void Record(qvtest::MetafileRecorder& recorder, Draw draw)
{
    ASSERT_TRUE(recorder.record(
        [&](HDC hdc)
        {
            CDC dc;
            dc.Attach(hdc);
            CFont font;
            font.CreateFont(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, CHINESEBIG5_CHARSET, 0, 0, 0, 0, L"新細明體");
            CFont* old = dc.SelectObject(&font);
            draw(dc);
            dc.SelectObject(old);
            dc.Detach();
        }));
}

AllTypes SampleRecord()
{
    AllTypes r = {};
    wcscpy(r.text, L"王小明");
    wcscpy(r.centred, L"中");
    r.byte2 = 7;
    r.byte = 0;    // below 1: empty
    r.count = 0;   // empty
    r.amount = 1234;
    r.yes = 1;
    r.weight = 2.26f;
    r.fee = 0;   // nothing at all
    r.trimmed = 12.0;
    r.total = 300.0;
    r.clock = CTime(2021, 3, 5, 8, 9, 10).GetTime();
    r.hourMinute = CTime(2021, 3, 5, 14, 30, 0).GetTime();
    r.span = -5400;
    r.date = 0;   // "合計" on a total row
    r.compact = CTime(2021, 3, 5, 12, 0, 0).GetTime();
    r.variable = CTime(2021, 3, 1, 6, 0, 0).GetTime();
    r.dateHour = CTime(2021, 3, 5, 9, 0, 0).GetTime();
    r.stamp = {1899, 3, 5, 0, 0, 0, 0};   // before 1900: empty
    r.stamp2 = {2021, 3, 5, 0, 0, 0, 0};
    return r;
}

TEST(PrintCommonCells, EveryTypeIsFormattedAlignedAndRuled)
{
    CCellPrint print;
    print.m_pField = g_allFields;
    print.m_nField = kAllFields;
    CField positions;   // numbers the columns as the list printers do
    qvtest::MetafileRecorder recorder;
    AllTypes record = SampleRecord();
    int W = 0, amountExtent = 0, centredExtent = 0;
    Record(recorder,
           [&](CDC& dc)
           {
               TEXTMETRIC tm;
               dc.GetTextMetrics(&tm);
               W = tm.tmAveCharWidth;
               amountExtent = dc.GetTextExtent(L"1234").cx;
               centredExtent = dc.GetTextExtent(L"中").cx;
               int pos = 0;
               for (CfField& f : g_allFields)
               {
                   f.nPos = pos;
                   pos += f.nWidth;
               }
               print.m_nLeftMargin = 20;
               print.m_nLineHeight = 50;
               print.m_nCurrentY = 100;
               print.m_bTotalRow = 1;
               print.PrintRecord(&dc, reinterpret_cast<char*>(&record));
           });
    EXPECT_EQ(print.m_nCurrentY, 150);
    const std::vector<std::wstring> expected = {
        L"王小明",        L"中",  L"07",       L"",         L"",         L"1234", L"是",     L"2.3",
        L"12  ",          L"300", L"08:09:10", L"14時30分", L"-( 1:30)", L"合計", L"210305", L"2021/03",
        L"2021.03.05,09", L"",    L"2021/03",
    };
    std::vector<std::wstring> drawn;
    for (const auto& text : recorder.textOuts())
        drawn.push_back(text.text);
    // Empty texts draw no text record; compare the non-empty ones in order.
    std::vector<std::wstring> nonEmpty;
    for (const auto& text : expected)
        if (!text.empty())
            nonEmpty.push_back(text);
    EXPECT_EQ(drawn, nonEmpty);

    // Alignment: the name starts at its cell's left edge, the amount ends near its right edge.
    const auto* name = recorder.findText(L"王小明");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->origin.x, 20);
    const CfField& amount = g_allFields[5];
    const auto* amountText = recorder.findText(L"1234");
    ASSERT_NE(amountText, nullptr);
    EXPECT_EQ(amountText->origin.x, 20 + (amount.nPos + amount.nWidth) * W - amountExtent);
    const CfField& centred = g_allFields[1];
    const auto* centredText = recorder.findText(L"中");
    ASSERT_NE(centredText, nullptr);
    EXPECT_NEAR(centredText->origin.x, 20 + centred.nPos * W + (centred.nWidth * W - centredExtent) / 2, 1);

    // The borders: every stored cell is a closed path; the double cell with 0
    // has its border but no right-edge line of its own.
    const CfField& fee = g_allFields[8];
    const int left = 20 + fee.nPos * W, right = left + fee.nWidth * W;
    auto countLines = [&](POINT a, POINT b)
    {
        int n = 0;
        for (const auto& line : recorder.lines())
            if (line.from.x == a.x && line.from.y == a.y && line.to.x == b.x && line.to.y == b.y)
                ++n;
        return n;
    };
    EXPECT_EQ(countLines({left, 100}, {left, 150}), 2);   // its own border and the last cell's edge
    EXPECT_EQ(countLines({left, 150}, {right, 150}), 1);
    EXPECT_EQ(countLines({right, 150}, {right, 100}), 1);
    EXPECT_EQ(countLines({right, 100}, {left, 100}), 1);
    // Top to bottom at its right: only the next cell's left border, no edge of its own.
    EXPECT_EQ(countLines({right, 100}, {right, 150}), 1);
    const int amountRight = 20 + (amount.nPos + amount.nWidth) * W;
    EXPECT_EQ(countLines({amountRight, 100}, {amountRight, 150}), 2);   // Draw's edge and the next border
    // 20 cells, 4 border segments each, and one right edge per Draw (19 texts drawn, fee none).
    EXPECT_EQ(recorder.lines().size(), static_cast<size_t>(kAllFields * 4 + kAllFields - 1));
}

TEST(PrintCommonCells, FontVariantsTwoLineSplitAndUnstoredFields)
{
    CfField fields[] = {
        {10, L"", 0, FIELD_TEXT, 2, 0, 0},     // two-thirds height
        {10, L"", 40, FIELD_TEXT, 1, 10, 0},   // two lines, split at the middle
        {10, L"", 80, FIELD_TEXT, 1, 20, 0},   // two lines, split at the first space
        {5, L"", -1, FIELD_TEXT, 0, 30, 0},    // not stored: nothing at all
    };
    CCellPrint print;
    print.m_pField = fields;
    print.m_nField = 4;
    print.length = 120;
    print.rows = {{{0, L"小字"}, {1, L"甲乙丙丁戊"}, {2, L"Room 12 B"}, {3, L"never"}}};
    print.m_nLineHeight = 60;
    qvtest::MetafileRecorder recorder;
    Record(recorder, [&](CDC& dc) { print.PrintRecord(&dc, 0L, 0); });
    ASSERT_EQ(recorder.texts(), (std::vector<std::wstring>{L"小字", L"甲乙", L"丙丁戊", L"Room", L" 12 B"}));
    TEXTMETRIC tm;
    HDC screen = ::GetDC(nullptr);
    HFONT font = ::CreateFontW(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, CHINESEBIG5_CHARSET, 0, 0, 0, 0, L"新細明體");
    HGDIOBJ old = ::SelectObject(screen, font);
    ::GetTextMetricsW(screen, &tm);
    ::SelectObject(screen, old);
    ::DeleteObject(font);
    ::ReleaseDC(nullptr, screen);
    const auto& texts = recorder.textOuts();
    EXPECT_EQ(texts[0].height, 2 * tm.tmHeight / 3);
    EXPECT_EQ(texts[0].face, L"新細明體");
    EXPECT_EQ(texts[1].height, tm.tmHeight / 2);
    EXPECT_LT(texts[1].origin.y, 30);   // upper half of the row
    EXPECT_GE(texts[2].origin.y, 30);   // lower half
    EXPECT_EQ(texts[3].height, tm.tmHeight / 2);
    // Three stored cells: 3 x 4 border segments and 1 + 2 + 2 right edges.
    EXPECT_EQ(recorder.lines().size(), 17u);
}

TEST(PrintCommonCells, RecordsRebuiltFromTextsAndOutOfRangeRows)
{
    qvtest::MessageBoxCapture boxes;
    CCellPrint print;
    print.m_pField = g_allFields;
    print.m_nField = kAllFields;
    print.rows = {{{0, L"王小明"},
                   {1, L"中"},
                   {2, L"07"},
                   {4, L"42"},
                   {6, L"是"},
                   {7, L"2.5"},
                   {8, L"12.75"},
                   {11, L"08:09:10"},
                   {13, L"-( 1:30)"},
                   {14, L"20210305"},
                   {15, L"合計"},
                   {16, L"202103"},
                   {17, L"21.03.05,09:30"},
                   {18, L"2021/03/05"},
                   {19, L"2021/03"}}};
    AllTypes r;
    memset(&r, 0xCC, sizeof r);
    ASSERT_EQ(print.GetRecord(0, reinterpret_cast<char*>(&r)), 1);
    EXPECT_STREQ(r.text, L"王小明");
    EXPECT_EQ(r.byte2, 7);
    EXPECT_EQ(r.count, 42);
    EXPECT_EQ(r.yes, 1);
    EXPECT_FLOAT_EQ(r.weight, 2.5f);
    EXPECT_DOUBLE_EQ(r.fee, 12.75);
    EXPECT_EQ(CTime(r.clock).GetHour(), 8);
    EXPECT_EQ(CTime(r.clock).GetMonth(), 1);
    EXPECT_EQ(static_cast<int>(r.span), -5400);
    EXPECT_EQ(static_cast<int>(r.date), static_cast<int>(CTime(2021, 3, 5, 12, 0, 0).GetTime()));
    EXPECT_EQ(static_cast<int>(r.compact), 0);   // "合計"
    EXPECT_EQ(static_cast<int>(r.variable), static_cast<int>(CTime(2021, 3, 1, 6, 0, 0).GetTime()));
    EXPECT_EQ(static_cast<int>(r.dateHour), static_cast<int>(CTime(2021, 3, 5, 9, 30, 0).GetTime()));
    EXPECT_EQ(r.stamp.year, 2021);
    EXPECT_EQ(r.stamp.month, 3);
    EXPECT_EQ(r.stamp.day, 5);
    EXPECT_EQ(r.stamp.hour, 0);
    EXPECT_EQ(r.stamp2.year, 2021);
    EXPECT_EQ(r.stamp2.month, 3);
    EXPECT_EQ(r.stamp2.day, 1);
    EXPECT_MESSAGE_BOXES(boxes);

    // Rows out of range and a null buffer leave the buffer alone.
    AllTypes untouched;
    memset(&untouched, 0x5A, sizeof untouched);
    const AllTypes before = untouched;
    EXPECT_EQ(print.GetRecord(-1, reinterpret_cast<char*>(&untouched)), 0);
    EXPECT_EQ(print.GetRecord(1, reinterpret_cast<char*>(&untouched)), 0);
    EXPECT_EQ(print.GetRecord(0, nullptr), 0);
    EXPECT_EQ(memcmp(&untouched, &before, sizeof before), 0);

    // Unknown types: each reports itself, nothing is drawn or stored.
    CfField unknown[] = {{5, L"", 0, 4, 0, 0, 0}};
    print.m_pField = unknown;
    print.m_nField = 1;
    print.GetRecord(0, reinterpret_cast<char*>(&r));
    qvtest::MetafileRecorder recorder;
    Record(recorder, [&](CDC& dc) { print.DrawData(&dc, CRect(0, 0, 50, 20), 4, &r, 0); });
    EXPECT_TRUE(recorder.texts().empty());
    EXPECT_TRUE(recorder.lines().empty());
    EXPECT_MESSAGE_BOXES(boxes, L"Unknown data format 4", L"Data Type 4 is unknown in file ucommon/printcommon");
}

TEST(PrintCommonCells, TitleBlockAndFittingText)
{
    CfField fields[] = {{10, L"", 0, FIELD_TEXT, 0, 0, 0}, {20, L"", 40, FIELD_TEXT, 0, 10, 0}};
    CCellPrint print;
    print.m_strTitle = L"門診日報";
    qvtest::MetafileRecorder recorder;
    int y = 10, H = 0, W = 0, fitAll = 0, fitNone = -1, adjust[4] = {};
    Record(recorder,
           [&](CDC& dc)
           {
               print.PrintTitle(&dc, y);   // no layout: nothing
               EXPECT_EQ(y, 10);
               print.m_pField = fields;
               print.m_nField = 2;
               print.m_nLeftMargin = 5;
               TEXTMETRIC tm;
               dc.GetTextMetrics(&tm);
               H = tm.tmHeight;
               W = tm.tmAveCharWidth;
               print.PrintTitle(&dc, y);
               const CString text = L"ABCDEFGHIJ";
               fitAll = print.FitPageWidth(&dc, text, dc.GetTextExtent(text).cx + 1);
               fitNone = print.FitPageWidth(&dc, text, 1);
               adjust[0] = print.AdjustPos(L"ab", 1);
               adjust[1] = print.AdjustPos(L"\x00E9x", 1);    // a unit with bit 0x80 counts as two
               adjust[2] = print.AdjustPos(L"x\x00E9y", 2);   // the split would cut the two-unit character
               adjust[3] = print.AdjustPos(L"\x00E9xy", 2);   // the split falls after it
           });
    EXPECT_EQ(y, 10 + 2 * H + H / 2 + H);
    ASSERT_EQ(recorder.textOuts().size(), 2u);
    const auto& title = recorder.textOuts()[0];
    EXPECT_EQ(title.text, L"門診日報");
    EXPECT_EQ(title.height, H + 2 * H / 3);
    EXPECT_EQ(title.face, L"新細明體");
    const auto& date = recorder.textOuts()[1];
    EXPECT_EQ(date.text, L"打印日期：" + std::wstring(CDate::ToChineseString(CTime::GetCurrentTime()).GetString()));
    EXPECT_EQ(date.origin.x, (5 + 5 + 30 * W) / 2);
    EXPECT_EQ(date.origin.y, 10 + 2 * H + H / 2);
    EXPECT_EQ(fitAll, 10);
    EXPECT_EQ(fitNone, 0);
    EXPECT_EQ(adjust[0], 1);
    EXPECT_EQ(adjust[1], 0);
    EXPECT_EQ(adjust[2], 1);
    EXPECT_EQ(adjust[3], 2);
}

TEST(PrintCommonCells, SaveFileAndTheEditQuestion)
{
    qvtest::MessageBoxCapture boxes;
    CCellPrint print;
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"qv13_savefile.htm";
    HGLOBAL doc = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64);
    memcpy(::GlobalLock(doc), L"<p>報表</p>", 20);
    ::GlobalUnlock(doc);
    EXPECT_EQ(print.SaveFile(doc, path.c_str()), 0);   // no document length yet
    EXPECT_EQ(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    print.SetDocumentLength(20);
    ASSERT_EQ(print.SaveFile(doc, path.c_str()), 1);
    CFile file(path.c_str(), CFile::modeRead);
    char bytes[64] = {};
    EXPECT_EQ(file.Read(bytes, 64), 20u);
    file.Close();
    EXPECT_EQ(memcmp(bytes, L"<p>報表</p>", 20), 0);
    EXPECT_EQ(print.SaveFile(doc, L"Q:\\no\\such\\folder\\x.htm"), 0);
    ::DeleteFileW(path.c_str());

    boxes.answerNext(IDNO);
    EXPECT_EQ(print.EditPrint(doc, nullptr), 0);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, L"是否使用編輯軟件來編輯打印?\n\n按否則直接打印，按是則進入所設置的編輯軟件!");
    EXPECT_EQ(boxes.last().style & (MB_TYPEMASK | MB_DEFMASK), static_cast<UINT>(MB_YESNO | MB_DEFBUTTON2));
    // Yes with nothing to save: 1, and no program is started.
    print.SetDocumentLength(0);
    boxes.answerNext(IDYES);
    EXPECT_EQ(print.EditPrint(doc, nullptr), 1);
    ::GlobalFree(doc);
}

}   // namespace
