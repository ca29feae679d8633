// Writing documents through the stand-in: typing, paragraphs, the end of the
// document, pictures, hyperlinks, inserted files, saving and opening again.
#include "word_fixture.h"

using namespace wordtest;

namespace
{

const wchar_t kTyped[] = L"病歷摘要 Summary\r第二段+0+neg\r\r第四段 (end)\r";

TEST_F(WordTest, TypesSavesAndOpensADocumentAgain)
{
    std::wstring path = OutputFile(L"typed.docx");
    DeleteFileW(path.c_str());
    CWordOffice word;
    ASSERT_TRUE(word.Create());
    EXPECT_EQ(word.m_strVersion, CString(L"9.0"));
    EXPECT_TRUE(word.WriteText(L"病歷摘要 Summary"));
    EXPECT_TRUE(word.WriteNewLineText(L"第二段", 1));
    EXPECT_TRUE(word.WriteNewLineText(L"+0", 0));
    EXPECT_TRUE(word.WriteNewLineText(L"+neg", -3));
    EXPECT_TRUE(word.WriteNewLineText(L"第四段", 2));
    EXPECT_TRUE(word.WriteEndLine(L" (end)"));
    EXPECT_EQ(word.m_wdRange.GetText(), CString(kTyped));
    ASSERT_TRUE(word.SaveDocumentAs(path.c_str()));

    // Closing the only document leaves none to attach.
    EXPECT_EQ(word.CloseDocument(), 0);
    EXPECT_MESSAGE_BOXES(boxes, L"Document獲取失敗!");
    EXPECT_EQ(word.m_wdDoc.m_lpDispatch, nullptr);

    ASSERT_TRUE(word.OpenDocument(path.c_str()));
    EXPECT_EQ(word.m_wdRange.GetText(), CString(kTyped));
    EXPECT_EQ(word.m_wdDoc.GetName(), CString(L"typed.docx"));
    EXPECT_TRUE(word.Clear());
    EXPECT_EQ(word.m_wdApp.m_lpDispatch, nullptr);

    EXPECT_EQ(DocxAsText(path), L"病歷摘要 Summary\n第二段+0+neg\n\n第四段 (end)\nlinks: \npictures: 0\n");
}

TEST_F(WordTest, InsertsPicturesHyperlinksAndFiles)
{
    std::wstring picture = OutputFile(L"dot.png");
    qvtest::PixelImage image;
    image.width = 40;
    image.height = 20;
    image.pixels.assign(40 * 20, 0x00C00000);
    ASSERT_TRUE(qvtest::WritePngFile(picture, image));
    std::wstring text = OutputFile(L"insert.txt");
    std::string utf8 = "\xEF\xBB\xBF"
                       "插入的文字\r\nsecond";
    HANDLE file = CreateFileW(text.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    CloseHandle(file);
    std::wstring path = OutputFile(L"objects.docx");

    CWordOffice word;
    ASSERT_TRUE(word.Create());
    EXPECT_TRUE(word.WriteText(L"見"));
    EXPECT_TRUE(word.InsertHyperlink(L"https://example.org/qv"));
    EXPECT_TRUE(word.InsertShapes(picture.c_str()));
    EXPECT_NE(word.m_wdInlineShape.m_lpDispatch, nullptr);
    EXPECT_TRUE(word.WriteText(L"後"));
    EXPECT_TRUE(word.InsertFile(text.c_str()));
    EXPECT_EQ(word.m_wdRange.GetText(), CString(L"見https://example.org/qv\x01後插入的文字\rsecond\r"));

    // A picture or file that is not there: the server's reason, nothing typed.
    EXPECT_FALSE(word.InsertShapes(L"Z:\\no\\such\\picture.png"));
    EXPECT_FALSE(word.InsertFile(L"Z:\\no\\such\\file.docx"));
    EXPECT_MESSAGE_BOXES(boxes, L"This file could not be found: Z:\\no\\such\\picture.png",
                         L"This file could not be found: Z:\\no\\such\\file.docx");
    EXPECT_EQ(word.m_wdRange.GetStoryLength(), 38);

    // The whole story copied as a picture lands on the clipboard as a metafile.
    EXPECT_TRUE(word.WholeStory());
    EXPECT_TRUE(word.Copy());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_ENHMETAFILE));

    ASSERT_TRUE(word.SaveDocumentAs(path.c_str()));
    EXPECT_TRUE(word.CloseFile());
    // python3-docx reads the text of runs outside hyperlinks as a paragraph's text.
    EXPECT_EQ(DocxAsText(path), L"見後插入的文字\nsecond\nlinks: https://example.org/qv\npictures: 1\n");
}

TEST_F(WordTest, OperationsWithoutWordChangeNothing)
{
    CWordOffice word;
    EXPECT_FALSE(word.WriteText(L"x"));
    EXPECT_FALSE(word.NewLine());
    EXPECT_FALSE(word.PrintToPDF());
    EXPECT_FALSE(word.FindLabel(L"Name"));
    EXPECT_FALSE(word.ShowApp());
    EXPECT_MESSAGE_BOXES(boxes);
    EXPECT_FALSE(word.CreateDocument());
    EXPECT_FALSE(word.OpenDocument(L"Z:\\tmp\\x.docx"));
    EXPECT_FALSE(word.SetActiveDocument(1));
    EXPECT_FALSE(word.SaveDocument());
    EXPECT_FALSE(word.SaveDocumentAs(L"Z:\\tmp\\x.docx"));
    EXPECT_FALSE(word.CloseDocument());
    PatientRecord record = SamplePatient();
    EXPECT_FALSE(word.FillInformation(kPatientFields, kPatientFieldCount, reinterpret_cast<char*>(&record)));
    EXPECT_MESSAGE_BOXES(boxes, L"Documents為空!", L"Documents為空!", L"Documents為空!", L"Document獲取失敗!",
                         L"Document獲取失敗!", L"Document獲取失敗!", L"不能讀取文件  ");
    EXPECT_EQ(word.m_wdApp.m_lpDispatch, nullptr);
    EXPECT_TRUE(ServerProcesses().empty());
}

TEST_F(WordTest, SwitchesBetweenOpenDocuments)
{
    CWordOffice word;
    ASSERT_TRUE(word.Create());
    EXPECT_TRUE(word.WriteText(L"first"));
    ASSERT_TRUE(word.CreateDocument());
    EXPECT_TRUE(word.WriteText(L"second"));
    EXPECT_EQ(word.m_wdDocs.GetCount(), 2);

    ASSERT_TRUE(word.SetActiveDocument(1));
    EXPECT_EQ(word.m_wdRange.GetText(), CString(L"first\r"));
    EXPECT_EQ(word.m_wdApp.GetVisible(), FALSE);
    // Closing it attaches the one left open.
    ASSERT_TRUE(word.CloseDocument());
    EXPECT_EQ(word.m_wdRange.GetText(), CString(L"second\r"));
    EXPECT_EQ(word.m_wdDocs.GetCount(), 1);

    EXPECT_FALSE(word.SetActiveDocument(5));
    EXPECT_MESSAGE_BOXES(boxes, L"The requested member of the collection does not exist.");
    EXPECT_EQ(word.m_wdRange.GetText(), CString(L"second\r"));
    EXPECT_TRUE(word.Clear());
}

}   // namespace
