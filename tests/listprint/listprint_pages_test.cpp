// CListPrint on the PDF queue: the page model against the printer's metrics,
// and what the pages say.
#include <gtest/gtest.h>

#include "patient_print.h"
#include "qvtest.h"

namespace
{

class CListPrintTestApp : public CWinApp
{
public:
    CListPrintTestApp() : CWinApp(L"QVListPrintTests") {}
};
CListPrintTestApp theListPrintTestApp;

struct PrinterDC
{
    PrinterDC() { dc.Attach(::CreateDCW(nullptr, L"PDF", nullptr, nullptr)); }
    CDC dc;
};

size_t Count(const std::wstring& text, const std::wstring& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(ListPrintPages, PageModelFollowsThePrintersMetrics)
{
    PrinterDC printer;
    ASSERT_NE(printer.dc.m_hDC, nullptr);
    CPatientPrint print;
    CPrintInfo info;
    print.OnBeginPrinting(&printer.dc, &info);
    const int dpi = printer.dc.GetDeviceCaps(LOGPIXELSY);
    EXPECT_EQ(print.m_nPrinterResY, dpi);
    EXPECT_EQ(print.m_nPrinterResX, printer.dc.GetDeviceCaps(LOGPIXELSX));
    const int h = static_cast<int>(dpi * 3.7 / 25.4);
    EXPECT_EQ(print.GetRealFontHeight(&printer.dc, 10), h);
    EXPECT_EQ(print.GetRealFontHeight(&printer.dc, 0), static_cast<int>(dpi * 14.8 / 25.4));
    EXPECT_EQ(print.GetRealFontHeight(&printer.dc, 15), static_cast<int>(dpi * 1.76 / 25.4));
    EXPECT_EQ(print.GetRealFontHeight(&printer.dc, 16), h);
    EXPECT_EQ(print.GetRealFontHeight(&printer.dc, -1), h);
    TEXTMETRIC tm;
    printer.dc.GetTextMetrics(&tm);
    EXPECT_EQ(print.m_nLeftMargin, 5 * tm.tmAveCharWidth);
    EXPECT_EQ(print.m_nLineHeight, 7 * h / 4);
    const int rows = (printer.dc.GetDeviceCaps(VERTRES) - 8 * print.m_nLineHeight) / print.m_nLineHeight - 4;
    EXPECT_EQ(print.m_nRowsPerPage, rows);
    EXPECT_EQ(info.GetMaxPage(), 0u);   // no records

    const struct
    {
        long records;
        UINT pages;
    } table[] = {{1, 1}, {rows, 1}, {rows + 1, 2}, {10 * rows, 10}};
    for (const auto& row : table)
    {
        print.m_nRecords = row.records;
        CPrintInfo each;
        print.OnBeginPrinting(&printer.dc, &each);
        EXPECT_EQ(each.GetMaxPage(), row.pages) << row.records;
        EXPECT_EQ(each.m_nCurPage, 1u);
    }
    print.EndJob(&printer.dc);
}

class CShortPaperPrint : public CPatientPrint
{
public:
    int GetRealFontHeight(CDC*, int) override { return 1000; }
};

TEST(ListPrintPages, PaperTooShortPrintsNothing)
{
    qvtest::MessageBoxCapture boxes;
    PrinterDC printer;
    CShortPaperPrint print;
    print.m_nRecords = 5;
    CPrintInfo info;
    print.OnBeginPrinting(&printer.dc, &info);
    EXPECT_LT(print.m_nRowsPerPage, 1);
    EXPECT_EQ(info.GetMaxPage(), 0u);
    print.EndJob(&printer.dc);
    EXPECT_MESSAGE_BOXES(boxes, L"Paper is too short!");
}

// No records, a full page, a full page and one row more, on the real queue.
TEST(ListPrintPages, PrintedPagesCarryRowsAndPageNumbersOnlyWhenThereAreSeveral)
{
    PrinterDC printer;
    CPatientPrint probe;
    CPrintInfo info;
    probe.OnBeginPrinting(&printer.dc, &info);
    probe.EndJob(&printer.dc);
    const long rows = probe.m_nRowsPerPage;
    ASSERT_GT(rows, 5);

    CPatientPrint none, full, over;
    full.m_nRecords = rows;
    over.m_nRecords = rows + 1;
    const std::wstring noneName = qvtest::UniqueJobName(L"qv13_list_none");
    const std::wstring fullName = qvtest::UniqueJobName(L"qv13_list_full");
    const std::wstring overName = qvtest::UniqueJobName(L"qv13_list_over");
    PrintDirect(&none, noneName);
    PrintDirect(&full, fullName);
    PrintDirect(&over, overName);

    const qvtest::PrintedJob fullJob = qvtest::ReadPrintedJob(fullName);
    const qvtest::PrintedJob overJob = qvtest::ReadPrintedJob(overName);
    ASSERT_FALSE(fullJob.pdf.empty());
    ASSERT_FALSE(overJob.pdf.empty());
    EXPECT_FALSE(qvtest::PrintedPdfExists(noneName));   // printed before the others: no job at all

    const auto& fullPages = fullJob.pages;
    ASSERT_EQ(fullPages.size(), 1u);
    const std::wstring& page = fullPages[0];
    for (const wchar_t* caption : {L"病患清單", L"打印日期：", L"姓名", L"身分證", L"生日", L"費用", L"次數", L"健保"})
        EXPECT_NE(page.find(caption), std::wstring::npos) << qvtest::Utf8(caption);
    EXPECT_EQ(Count(page, L"病患0"), static_cast<size_t>(rows));
    EXPECT_NE(page.find(L"A100000001"), std::wstring::npos);
    EXPECT_NE(page.find(L"19710115"), std::wstring::npos);   // type 17 read with slashes, printed compact
    EXPECT_NE(page.find(L"100.50"), std::wstring::npos);
    EXPECT_EQ(page.find(L"第1頁"), std::wstring::npos);
    EXPECT_TRUE(qvtest::PdfPageToPng(fullJob.pdf, 1, 60, qvtest::OutputSubdir(L"screens") + L"\\listprint-page1.png"));

    const auto& overPages = overJob.pages;
    ASSERT_EQ(overPages.size(), 2u);
    EXPECT_NE(overPages[0].find(L"第1頁"), std::wstring::npos);
    EXPECT_NE(overPages[1].find(L"第2頁"), std::wstring::npos);
    EXPECT_EQ(Count(overPages[0], L"病患0"), static_cast<size_t>(rows));
    EXPECT_EQ(Count(overPages[1], L"病患0"), 1u);
    wchar_t last[16];
    swprintf(last, 16, L"病患%04ld", rows + 1);
    EXPECT_NE(overPages[1].find(last), std::wstring::npos);
    EXPECT_NE(overPages[1].find(L"病患清單"), std::wstring::npos);   // every page has the title and band
    EXPECT_NE(overPages[1].find(L"身分證"), std::wstring::npos);
}

}   // namespace
