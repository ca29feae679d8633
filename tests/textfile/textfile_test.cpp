// CTextFile: UTF-16 and UTF-8 text files, their byte-order mark and PutString's answers.
#include <gtest/gtest.h>

#include <string>

#include "qvctrl.h"
#include "qvtest.h"
#include "file_bytes.h"

namespace
{

std::wstring TestPath(const wchar_t* name)
{
    return qvtest::ProgramFolder() + L"\\" + name;
}

using qvtest::ReadBytes;

const UINT kCreate = CFile::modeCreate | CFile::modeWrite;

TEST(TextFile, Utf16ModeWritesTheCharactersAsTheyAre)
{
    std::wstring path = TestPath(L"textfile_utf16.txt");
    {
        CTextFile file;
        ASSERT_TRUE(file.Open(path.c_str(), kCreate, 0));
        EXPECT_EQ(0, file.PutString(L"病歷 A1\r\n"));
        EXPECT_EQ(0, file.PutString(L""));
        EXPECT_EQ(0, file.PutString(L"\U0002000B"));
    }   // the destructor closes the file
    std::wstring text = L"病歷 A1\r\n\U0002000B";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2), ReadBytes(path));
    EXPECT_TRUE(::DeleteFileW(path.c_str()));
}

TEST(TextFile, Utf8ModeBeginsWithTheMarkAndCountsTheBytes)
{
    std::wstring path = TestPath(L"textfile_utf8.txt");
    CTextFile file;
    ASSERT_TRUE(file.Open(path.c_str(), kCreate | CFile::shareDenyNone, 1));
    EXPECT_EQ("\xEF\xBB\xBF", ReadBytes(path)) << "the mark is there before any string";
    EXPECT_EQ(0, file.PutString(L""));
    EXPECT_EQ(9, file.PutString(L"陳大文"));
    EXPECT_EQ(7, file.PutString(L"\t\U0002000B\r\n"));
    // Each string is flushed: a reader sees it while the file is still open.
    EXPECT_EQ("\xEF\xBB\xBF"
              "\xE9\x99\xB3\xE5\xA4\xA7\xE6\x96\x87\t\xF0\xA0\x80\x8B\r\n",
              ReadBytes(path));
    file.Close();
    EXPECT_TRUE(::DeleteFileW(path.c_str()));
}

TEST(TextFile, WithoutWriteAccessTheUtf8RequestIsIgnored)
{
    std::wstring path = TestPath(L"textfile_read.txt");
    {
        CTextFile file;
        ASSERT_TRUE(file.Open(path.c_str(), kCreate, 0));
        file.PutString(L"ab");
    }
    {
        CTextFile reader;
        ASSERT_TRUE(reader.Open(path.c_str(), CFile::modeRead, 1));
        EXPECT_EQ(0, reader.PutString(L"陳")) << "UTF-16 mode, and the file takes nothing";
    }
    EXPECT_EQ(std::string("a\0b\0", 4), ReadBytes(path));
    {
        // Read-write access is not the write flag: no mark, no conversion.
        CTextFile both;
        ASSERT_TRUE(both.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite, 1));
        EXPECT_EQ(0, both.PutString(L"c"));
    }
    EXPECT_EQ(std::string("c\0", 2), ReadBytes(path));
    EXPECT_TRUE(::DeleteFileW(path.c_str()));
}

TEST(TextFile, ReadOnlyAndFullPathsFailWithoutHarm)
{
    // No file can be made in the kernel's process folder, not even by root.
    {
        CTextFile file;
        EXPECT_FALSE(file.Open(L"Z:\\proc\\textfile.txt", kCreate, 1));
        EXPECT_FALSE(file.IsOpen());
        EXPECT_EQ(0, file.PutString(L"lost"));
        EXPECT_EQ(1, file.WriteUTF8Header());
    }

    // A device that is always full takes the open but no byte.
    CTextFile full;
    ASSERT_TRUE(full.Open(L"Z:\\dev\\full", CFile::modeWrite, 1));
    EXPECT_EQ(0, full.PutString(L"陳大文"));
    CTextFile none;
    EXPECT_FALSE(none.Open(nullptr, kCreate, 1));
    EXPECT_EQ(0, none.PutString(L"x"));
}

}   // namespace
