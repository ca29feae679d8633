// LoadFile: a file's bytes and 100 zero bytes in a global-memory block.
#include <gtest/gtest.h>

#include "document_block.h"
#include "qvtest.h"
#include "test_files.h"

#include "qvctrl.h"

namespace {

TEST(LoadFile, ReturnsTheBytesFollowedByAHundredZeros)
{
    std::string bytes = "\xEF\xBB\xBF<p>[Code]</p>\n\x01\xFF";
    bytes += std::string(3, '\0') + "tail";
    std::wstring path = ProgramFolder() + L"\\loadfile_bytes.htm";
    ASSERT_TRUE(WriteBytes(path, bytes));

    CFillHtml filler;
    HGLOBAL document = filler.LoadFile(path.c_str());
    ASSERT_NE(nullptr, document);
    EXPECT_EQ(int(bytes.size()), filler.GetDocumentLength());
    std::string block = DocumentBytes(document);
    ASSERT_GE(block.size(), bytes.size() + 100);
    EXPECT_EQ(bytes, block.substr(0, bytes.size()));
    EXPECT_EQ(std::string(100, '\0'), block.substr(bytes.size(), 100));
    ::GlobalFree(document);

    ASSERT_TRUE(WriteBytes(path, ""));
    document = filler.LoadFile(path.c_str());
    ASSERT_NE(nullptr, document) << "an empty file is an empty document";
    EXPECT_EQ(0, filler.GetDocumentLength());
    EXPECT_EQ(std::string(100, '\0'), DocumentBytes(document).substr(0, 100));
    ::GlobalFree(document);
    ::DeleteFileW(path.c_str());
}

TEST(LoadFile, AFileThatCannotBeOpenedGivesNullWithoutAMessage)
{
    qvtest::MessageBoxCapture boxes;
    std::wstring path = ProgramFolder() + L"\\loadfile_once.htm";
    ASSERT_TRUE(WriteBytes(path, "<p>x</p>"));
    CFillHtml filler;
    HGLOBAL document = filler.LoadFile(path.c_str());
    ASSERT_NE(nullptr, document);
    ::GlobalFree(document);
    ::DeleteFileW(path.c_str());

    EXPECT_EQ(nullptr, filler.LoadFile(path.c_str()));
    EXPECT_EQ(0, filler.GetDocumentLength()) << "the length of the last load is forgotten";
    EXPECT_EQ(nullptr, filler.LoadFile(ProgramFolder().c_str())) << "a folder";
    EXPECT_EQ(nullptr, filler.LoadFile(nullptr));
    EXPECT_EQ(nullptr, filler.LoadFile(L""));
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST(LoadFile, AFileThatCannotBeReadWholeShowsTheReadError)
{
    qvtest::MessageBoxCapture boxes;
    // A kernel attribute file: its size reads as a page, its text is a few bytes.
    const wchar_t* path = L"Z:\\sys\\devices\\system\\cpu\\online";
    HANDLE probe = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, probe);
    LARGE_INTEGER size = {};
    ASSERT_TRUE(::GetFileSizeEx(probe, &size));
    ::CloseHandle(probe);
    ASSERT_GT(size.QuadPart, 16);

    CFillHtml filler;
    EXPECT_EQ(nullptr, filler.LoadFile(path));
    EXPECT_EQ(0, filler.GetDocumentLength());
    EXPECT_MESSAGE_BOXES(boxes, L"文件讀取錯誤");
}

}  // namespace
