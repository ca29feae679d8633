// Printing through the stand-in to the "Adobe PDF" printer, which is the PDF
// queue, and reading the printed PDF back.
#include "word_fixture.h"

using namespace wordtest;

namespace
{

TEST_F(WordTest, PrintsToPdfAndPutsThePrinterBack)
{
    // The job is named after the document: a name of this test's own.
    std::wstring path = OutputFile(L"qv15-print-test.docx");
    CWordOffice word;
    ASSERT_TRUE(word.Create());
    ASSERT_TRUE(word.WriteText(L"Printed through the Word stand-in"));
    ASSERT_TRUE(word.NewLine());
    ASSERT_TRUE(word.WriteText(L"病歷列印測試"));
    ASSERT_TRUE(word.NewLine());
    ASSERT_TRUE(word.InsertHyperlink(L"https://example.org/report"));
    ASSERT_TRUE(word.SaveDocumentAs(path.c_str()));
    CString before = word.m_wdApp.GetActivePrinter();

    FILETIME started;
    GetSystemTimeAsFileTime(&started);
    EXPECT_TRUE(word.PrintToPDF());
    EXPECT_EQ(word.m_wdApp.GetActivePrinter(), before);
    EXPECT_MESSAGE_BOXES(boxes);

    std::wstring pdf = FindPrintedPdf(L"qv15-print-test", started);
    ASSERT_FALSE(pdf.empty()) << "no PDF of the job in /root/PDF";
    std::wstring text = PdfAsText(pdf);
    EXPECT_NE(text.find(L"Printed through the Word stand-in"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"病歷列印測試"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"https://example.org/report"), std::wstring::npos) << text;

    // A printer that is not there: the server refuses it and the printer stays.
    boxes.clear();
    EXPECT_THROW(
        {
            try
            {
                word.m_wdApp.SetActivePrinter(L"No Such Printer");
            }
            catch (COleDispatchException* e)
            {
                EXPECT_EQ(e->m_strDescription, CString(L"There is a printer error: no printer named No Such Printer."));
                e->Delete();
                throw 1;
            }
        },
        int);
    EXPECT_EQ(word.m_wdApp.GetActivePrinter(), before);
    EXPECT_TRUE(word.Clear());
}

}   // namespace
