// The stand-in server as COM runs it: one process for every writer, a server
// that dies under the writer, a file that another program holds, and a server
// that is not registered.
#include "word_fixture.h"

#include <thread>

using namespace wordtest;

namespace
{

TEST_F(WordTest, CreatingTheApplicationTwiceStartsOneServer)
{
    CWordOffice first;
    ASSERT_TRUE(first.CreateApp());
    LPDISPATCH application = first.m_wdApp.m_lpDispatch;
    ASSERT_TRUE(first.CreateApp());
    EXPECT_EQ(first.m_wdApp.m_lpDispatch, application);
    EXPECT_EQ(ServerProcesses().size(), 1u);

    // A second writer starts a Word of its own, as Word's automation does; each
    // ends with its own writer.
    ASSERT_TRUE(first.Create());
    CWordOffice second;
    ASSERT_TRUE(second.Create());
    EXPECT_EQ(ServerProcesses().size(), 2u);
    EXPECT_EQ(second.m_wdDocs.GetCount(), 1);
    EXPECT_TRUE(second.WriteText(L"second"));
    EXPECT_TRUE(second.Clear());
    EXPECT_TRUE(qvtest::PumpUntil([] { return ServerProcesses().size() == 1; }, 15000));
    EXPECT_TRUE(first.WriteText(L"first"));
    EXPECT_EQ(first.m_wdRange.GetText(), CString(L"first\r"));
    EXPECT_MESSAGE_BOXES(boxes);
    EXPECT_TRUE(first.Clear());
}

TEST_F(WordTest, ServerKilledDuringAFillLeavesTheWriterUsable)
{
    std::wstring templatePath = OutputFile(L"long-template.docx");
    {
        CWordOffice word;
        ASSERT_TRUE(word.Create());
        for (int i = 0; i < 60; ++i)
            ASSERT_TRUE(word.WriteNewLineText(L"第一行 <Name> 與 <Age> 之後還有一些文字", 1));
        ASSERT_TRUE(word.SaveDocumentAs(templatePath.c_str()));
        ASSERT_TRUE(word.Clear());
        ASSERT_TRUE(WaitForNoServer());
    }
    PatientRecord record = SamplePatient();
    CWordOffice word;
    ASSERT_TRUE(word.CreateApp());
    std::vector<DWORD> servers = ServerProcesses();
    ASSERT_EQ(servers.size(), 1u);
    // The walk takes many calls; the server goes in the middle of them.
    std::thread killer(
        [id = servers[0]]
        {
            Sleep(1500);
            HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, id);
            TerminateProcess(process, 9);
            CloseHandle(process);
        });
    int filled = word.FillWordInformation(templatePath.c_str(), kPatientFields, kPatientFieldCount,
                                          reinterpret_cast<char*>(&record));
    killer.join();
    EXPECT_EQ(filled, 0);
    EXPECT_MESSAGE_BOXES(boxes, L"不能讀取文件 " + templatePath + L" ");
    EXPECT_EQ(word.m_wdApp.m_lpDispatch, nullptr);
    EXPECT_TRUE(WaitForNoServer());

    boxes.clear();
    EXPECT_TRUE(word.FillWordInformation(templatePath.c_str(), kPatientFields, kPatientFieldCount,
                                         reinterpret_cast<char*>(&record)));
    EXPECT_MESSAGE_BOXES(boxes);
    std::wstring text = word.m_wdRange.GetText().GetString();
    EXPECT_EQ(text.rfind(L"\r第一行 王小明 與 42 之後還有一些文字\r第一行 王小明", 0), 0u) << text.substr(0, 40);
    EXPECT_TRUE(word.Clear());
}

TEST_F(WordTest, FilesHeldByAnotherProgram)
{
    std::wstring path = OutputFile(L"held.docx");
    {
        CWordOffice word;
        ASSERT_TRUE(word.Create());
        ASSERT_TRUE(word.WriteText(L"<Name>"));
        ASSERT_TRUE(word.SaveDocumentAs(path.c_str()));
        ASSERT_TRUE(word.Clear());
        ASSERT_TRUE(WaitForNoServer());
    }
    CWordOffice word;
    EXPECT_TRUE(word.FileAvailable(OutputFile(L"never-written.docx").c_str()));
    EXPECT_TRUE(word.DeleteFileW(OutputFile(L"never-written.docx").c_str()));
    EXPECT_TRUE(word.FileAvailable(path.c_str()));
    EXPECT_MESSAGE_BOXES(boxes);

    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    PatientRecord record = SamplePatient();
    EXPECT_FALSE(word.FileAvailable(path.c_str()));
    EXPECT_FALSE(
        word.FillWordInformation(path.c_str(), kPatientFields, kPatientFieldCount, reinterpret_cast<char*>(&record)));
    EXPECT_FALSE(word.DeleteFileW(path.c_str()));
    EXPECT_MESSAGE_BOXES(boxes, L"Please close held.docx on Office word and retry",
                         L"Please close held.docx on Office word and retry",
                         L"Please close the file " + path + L" then and retry");
    EXPECT_EQ(word.m_wdApp.m_lpDispatch, nullptr);
    CloseHandle(held);

    EXPECT_TRUE(word.DeleteFileW(path.c_str()));
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(WordTest, ServerThatIsNotRegistered)
{
    RegistrationChange registration;
    CWordOffice word;
    registration.SetServerPath(L"Z:\\no\\such\\wordserver.exe");
    EXPECT_FALSE(word.CreateApp());
    registration.RemoveProgId();
    EXPECT_FALSE(word.CreateApp());
    EXPECT_FALSE(word.Create());
    ASSERT_EQ(boxes.count(), 3u);
    EXPECT_EQ(boxes.at(0).text, L"Application創建失敗，請確保安裝了word 2000或以上版本!");
    EXPECT_EQ(boxes.at(0).style, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(boxes.at(1).text, L"CLSIDFromProgID() 函數調用失敗！");
    EXPECT_EQ(boxes.at(1).caption, L"錯誤");
    EXPECT_EQ(boxes.at(1).style, static_cast<UINT>(MB_SYSTEMMODAL | MB_ICONSTOP));
    EXPECT_EQ(boxes.at(2).text, L"CLSIDFromProgID() 函數調用失敗！");
    EXPECT_EQ(word.m_wdApp.m_lpDispatch, nullptr);
}

}   // namespace
