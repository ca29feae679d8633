// Filling template files into the export file "report.htm".
#include <gtest/gtest.h>

#include "patient_record.h"
#include "qvtest.h"
#include "test_files.h"
#include "../module/cstring_print.h"

namespace {

const std::string kUtf8Mark = "\xEF\xBB\xBF";

class ExportTest : public qvtest::MessageBoxTest {
protected:
    void SetUp() override
    {
        exportFolder = ProgramFolder() + L"\\Export";
        RemoveTree(exportFolder);
        ::DeleteFileW(exportFolder.c_str());
    }
    void TearDown() override { ::DeleteFileW(exportFolder.c_str()); }

    CString Fill(const std::wstring& templatePath)
    {
        int nCount = 0;
        CfField* pFields = PatientFields(nCount);
        PatientRecord record = MakePatient();
        return filler.FillInformation(templatePath.c_str(), pFields, nCount, reinterpret_cast<char*>(&record));
    }

    std::wstring ReportPath() const { return exportFolder + L"\\report.htm"; }

    std::wstring exportFolder;
    CFillHtml filler;
};

TEST_F(ExportTest, Utf8TemplatesGiveTheExpectedUtf8Report)
{
    CString path = Fill(DataFile(L"visit.htm"));
    EXPECT_EQ(CString(ReportPath().c_str()), path);
    std::string expected = ReadBytes(DataFile(L"visit.expected.htm"));
    EXPECT_EQ(expected, ReadBytes(ReportPath()));

    // The same template with a byte-order mark gives the same report.
    std::wstring marked = ProgramFolder() + L"\\visit_marked.htm";
    ASSERT_TRUE(WriteBytes(marked, kUtf8Mark + ReadBytes(DataFile(L"visit.htm"))));
    ::DeleteFileW(ReportPath().c_str());
    EXPECT_EQ(CString(ReportPath().c_str()), Fill(marked));
    EXPECT_EQ(expected, ReadBytes(ReportPath()));
    ::DeleteFileW(marked.c_str());
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(ExportTest, Utf16TemplatesGiveTheExpectedUtf16Report)
{
    EXPECT_EQ(CString(ReportPath().c_str()), Fill(DataFile(L"visit_utf16.htm")));
    EXPECT_EQ(ReadBytes(DataFile(L"visit_utf16.expected.htm")), ReadBytes(ReportPath()));

    // Big-endian UTF-16 is read too; the report is little-endian.
    std::string little = ReadBytes(DataFile(L"visit_utf16.htm"));
    std::string big = little;
    for (size_t i = 0; i + 1 < big.size(); i += 2)
        std::swap(big[i], big[i + 1]);
    std::wstring bigPath = ProgramFolder() + L"\\visit_be.htm";
    ASSERT_TRUE(WriteBytes(bigPath, big));
    EXPECT_EQ(CString(ReportPath().c_str()), Fill(bigPath));
    EXPECT_EQ(ReadBytes(DataFile(L"visit_utf16.expected.htm")), ReadBytes(ReportPath()));
    ::DeleteFileW(bigPath.c_str());
}

TEST_F(ExportTest, OtherEightBitTemplatesAreReadInTheAnsiCodePage)
{
    std::wstring path = ProgramFolder() + L"\\ansi.htm";
    // "é" alone (0xE9) is not UTF-8: the whole file is ANSI text.
    ASSERT_TRUE(WriteBytes(path, "<p>caf\xE9 [Code]</p>"));
    ASSERT_EQ(CString(ReportPath().c_str()), Fill(path));
    wchar_t cafe[8] = L"";
    ::MultiByteToWideChar(CP_ACP, 0, "caf\xE9", 4, cafe, 8);
    std::string cafeUtf8 = qvtest::Utf8(std::wstring(cafe, 4));
    EXPECT_EQ(kUtf8Mark + "<p>" + cafeUtf8 + " abc&nbsp;&nbsp;&nbsp;</p>", ReadBytes(ReportPath()));
    ::DeleteFileW(path.c_str());
}

TEST_F(ExportTest, TheExportFolderIsMadeWhenMissingAndAFileInItsWayFailsTheExport)
{
    ASSERT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(exportFolder.c_str()));
    EXPECT_EQ(CString(ReportPath().c_str()), Fill(DataFile(L"visit.htm")));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(ReportPath().c_str()));

    RemoveTree(exportFolder);
    ASSERT_TRUE(WriteBytes(exportFolder, "a file where the folder should be"));
    EXPECT_EQ(CString(), Fill(DataFile(L"visit.htm")));
    EXPECT_EQ("a file where the folder should be", ReadBytes(exportFolder));
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(ExportTest, UnreadableTemplatesAndMissingRecordsExportNothing)
{
    EXPECT_EQ(CString(), Fill(ProgramFolder() + L"\\no_such_template.htm"));
    EXPECT_MESSAGE_BOXES(boxes);

    int nCount = 0;
    CfField* pFields = PatientFields(nCount);
    EXPECT_EQ(CString(), filler.FillInformation(DataFile(L"visit.htm").c_str(), pFields, nCount, nullptr));
    EXPECT_EQ(CString(), filler.FillInformation(LPCTSTR(nullptr), pFields, nCount, nullptr));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(ReportPath().c_str()));
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(ExportTest, TemplatesOfSeveralMegabytesAreFilledWhole)
{
    // 20,000 rows of four markers each, about 3 MB of UTF-8.
    std::string row = "<tr><td>[姓名]</td><td>[Code]...</td><td>[Nope]</td><td>[病歷號]</td></tr>\n";
    std::string body;
    for (int i = 0; i < 20000; ++i)
        body += row;
    std::wstring path = ProgramFolder() + L"\\big.htm";
    ASSERT_TRUE(WriteBytes(path, "<table>\n" + body + "</table>"));
    ASSERT_EQ(CString(ReportPath().c_str()), Fill(path));
    std::string filledRow = "<tr><td>陳大文&nbsp;</td><td>abc&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td>"
                            "<td>[Nope]</td><td>26-A-0017</td></tr>\n";
    std::string expected = kUtf8Mark + "<table>\n";
    for (int i = 0; i < 20000; ++i)
        expected += filledRow;
    EXPECT_TRUE(expected + "</table>" == ReadBytes(ReportPath()));
    ::DeleteFileW(path.c_str());
}

}  // namespace
