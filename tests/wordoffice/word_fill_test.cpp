// Filling template markers from a record, finding labels, and templates that
// cannot be read.
#include "file_bytes.h"
#include "word_fixture.h"

using namespace wordtest;

namespace
{

// Writes a template through the writer itself, one paragraph per line.
void WriteTemplate(const std::wstring& path, const std::vector<std::wstring>& lines)
{
    DeleteFileW(path.c_str());
    CWordOffice word;
    ASSERT_TRUE(word.Create());
    for (size_t i = 0; i < lines.size(); ++i)
    {
        if (i > 0)
        {
            ASSERT_TRUE(word.NewLine());
        }
        ASSERT_TRUE(word.WriteText(lines[i].c_str()));
    }
    ASSERT_TRUE(word.SaveDocumentAs(path.c_str()));
    ASSERT_TRUE(word.CloseFile());
    ASSERT_TRUE(WaitForNoServer());
}

TEST_F(WordTest, FillsTemplateMarkersFromARecord)
{
    std::wstring templatePath = OutputFile(L"letter-template.docx");
    WriteTemplate(templatePath, {L"病患：< name >", L"年齡：<AGE>歲，費用：<Fee>", L"就診：<Visit>，病歷號：<Chart>",
                                 L"備註：[<Note>]", L"今天：<CurrentTime>", L"小寫：<currenttime>，未知：<Unknown>",
                                 L"未完：<open text", L"<Name>"});
    std::wstring filled = OutputFile(L"letter.docx");
    PatientRecord record = SamplePatient();
    CWordOffice word;
    ASSERT_TRUE(word.FillWordInformation(templatePath.c_str(), kPatientFields, kPatientFieldCount,
                                         reinterpret_cast<char*>(&record)));
    EXPECT_MESSAGE_BOXES(boxes, L"不能识别currenttime", L"不能识别Unknown");
    std::wstring expected =
        L"病患：王小明\r年齡：42歲，費用：12.5\r就診：2021/03/05，病歷號：21-A123\r備註：[ ]\r今天：" + TodayText() +
        L"\r小寫：<currenttime>，未知：<Unknown>\r未完：<open text\r王小明\r";
    EXPECT_EQ(std::wstring(word.m_wdRange.GetText()), expected);
    ASSERT_TRUE(word.SaveDocumentAs(filled.c_str()));
    EXPECT_TRUE(word.CloseFile());

    std::wstring lines = expected;
    std::replace(lines.begin(), lines.end(), L'\r', L'\n');
    EXPECT_EQ(DocxAsText(filled), lines + L"links: \npictures: 0\n");

    // Filling the filled document again finds only the markers left.
    CWordOffice again;
    ASSERT_TRUE(again.Open(filled.c_str()));
    boxes.clear();
    EXPECT_TRUE(again.FillInformation(kPatientFields, kPatientFieldCount, reinterpret_cast<char*>(&record)));
    EXPECT_MESSAGE_BOXES(boxes, L"不能识别currenttime", L"不能识别Unknown");
    EXPECT_TRUE(again.Clear());
}

TEST_F(WordTest, FindsLabelsExactlyAndTheListMarker)
{
    std::wstring templatePath = OutputFile(L"list-template.docx");
    WriteTemplate(templatePath, {L"標題 <Title>", L"清單：<LIST>", L"結尾"});
    CWordOffice word;
    ASSERT_TRUE(word.Open(templatePath.c_str()));
    EXPECT_FALSE(word.FindLabel(L"title"));
    EXPECT_TRUE(word.FindLabel(L"Title"));
    EXPECT_EQ(word.m_wdSel.GetText(), CString(L"<Title>"));
    EXPECT_EQ(word.m_wdSel.GetStart(), 3);

    PatientRecord record = SamplePatient();
    EXPECT_TRUE(word.FillList(kPatientFields, kPatientFieldCount, reinterpret_cast<char*>(&record), 0, 0));
    // The selection was on "<LIST>" (14 to 20); its start moved one character on.
    EXPECT_EQ(word.m_wdSel.GetStart(), 15);
    EXPECT_EQ(word.m_wdSel.GetEnd(), 20);
    EXPECT_TRUE(word.CloseDocument() == 0);
    EXPECT_MESSAGE_BOXES(boxes, L"Document獲取失敗!");
    ASSERT_TRUE(word.Create());
    EXPECT_TRUE(word.WriteText(L"沒有標記"));
    EXPECT_FALSE(word.FillList(kPatientFields, kPatientFieldCount, reinterpret_cast<char*>(&record), 0, 0));
    EXPECT_FALSE(word.FindLabel(L"LIST"));
    EXPECT_TRUE(word.Clear());
}

TEST_F(WordTest, RefusesTemplatesThatCannotBeRead)
{
    std::wstring notDocx = OutputFile(L"not-a-template.docx");
    ASSERT_TRUE(qvtest::WriteBytes(notDocx, "plain words, not a package"));
    std::wstring good = OutputFile(L"good-template.docx");
    WriteTemplate(good, {L"<Name>"});
    std::string bytes;
    {
        HANDLE file = CreateFileW(good.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        bytes.resize(GetFileSize(file, nullptr));
        DWORD read = 0;
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        CloseHandle(file);
    }
    std::wstring truncated = OutputFile(L"truncated-template.docx");
    ASSERT_TRUE(qvtest::WriteBytes(truncated, bytes.substr(0, bytes.size() / 2)));
    std::string damaged = bytes;
    // A byte inside the deflated main part, just after its name in its header.
    size_t main = bytes.find("word/document.xml");
    ASSERT_NE(main, std::string::npos);
    damaged[main + 30] ^= 0x5A;
    std::wstring corrupt = OutputFile(L"corrupt-template.docx");
    ASSERT_TRUE(qvtest::WriteBytes(corrupt, damaged));
    std::wstring missing = OutputFile(L"missing-template.docx");
    DeleteFileW(missing.c_str());

    PatientRecord record = SamplePatient();
    char* data = reinterpret_cast<char*>(&record);
    CWordOffice word;
    for (const std::wstring& path : {notDocx, truncated, corrupt})
        EXPECT_FALSE(word.FillWordInformation(path.c_str(), kPatientFields, kPatientFieldCount, data)) << path;
    EXPECT_FALSE(word.FillWordInformation(missing.c_str(), kPatientFields, kPatientFieldCount, data));
    EXPECT_MESSAGE_BOXES(boxes, L"不能打開文件 " + notDocx + L" \n The file is not a Word document: " + notDocx,
                         L"不能打開文件 " + truncated + L" \n The file is corrupt and cannot be opened: " + truncated,
                         L"不能打開文件 " + corrupt + L" \n The file is corrupt and cannot be opened: " + corrupt,
                         L"不能打開文件 " + missing + L" \n This file could not be found: " + missing);
    // The writer is still usable: the good template fills.
    boxes.clear();
    EXPECT_TRUE(word.FillWordInformation(good.c_str(), kPatientFields, kPatientFieldCount, data));
    EXPECT_EQ(word.m_wdRange.GetText(), CString(L"王小明\r"));
    EXPECT_FALSE(word.TryOpen(corrupt.c_str()));
    EXPECT_MESSAGE_BOXES(boxes, L"不能打開文件 " + corrupt + L" ");
    EXPECT_TRUE(word.Clear());
}

}   // namespace
