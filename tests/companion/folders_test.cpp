// MakeDir and the export folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "program_files.h"
#include "qvctrl.h"
#include "../module/cstring_print.h"

namespace
{

bool CreateFileAt(const std::wstring& path)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(file);
    return true;
}

TEST(Folders, MakeDirCreatesEveryMissingFolderOnTheWayToAFile)
{
    const std::wstring root = ProgramFolder() + L"\\makedir_test";
    RemoveTree(root);
    const std::wstring file = root + L"\\病歷\\2026\\一月\\report.htm";
    ASSERT_FALSE(CreateFileAt(file));

    EXPECT_TRUE(GetLocalPath()->MakeDir(file.c_str()));
    EXPECT_TRUE(IsFolder(root + L"\\病歷\\2026\\一月"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(file.c_str())) << "the file itself is not made";
    EXPECT_TRUE(CreateFileAt(file));

    // Existing folders are fine, and forward slashes count as separators.
    EXPECT_TRUE(GetLocalPath()->MakeDir(file.c_str()));
    std::wstring slashed = root + L"/a/b/c.txt";
    EXPECT_TRUE(GetLocalPath()->MakeDir(slashed.c_str()));
    EXPECT_TRUE(IsFolder(root + L"\\a\\b"));
    RemoveTree(root);
}

TEST(Folders, MakeDirFailsWhereAFileStandsInTheWay)
{
    const std::wstring root = ProgramFolder() + L"\\makedir_blocked";
    RemoveTree(root);
    ASSERT_TRUE(GetLocalPath()->MakeDir((root + L"\\x.txt").c_str()));
    ASSERT_TRUE(CreateFileAt(root + L"\\plain"));
    EXPECT_FALSE(GetLocalPath()->MakeDir((root + L"\\plain\\inner\\y.txt").c_str()));
    // A bare file name needs no folder.
    EXPECT_TRUE(GetLocalPath()->MakeDir(L"file_only.txt"));
    RemoveTree(root);
}

TEST(Folders, ExportFilesLieInTheExportFolderBesideTheProgram)
{
    const std::wstring folder = ProgramFolder() + L"\\Export";
    RemoveTree(folder);
    CString path = GetLocalPath()->GetExportFileName(L"report.htm");
    EXPECT_EQ(CString((folder + L"\\report.htm").c_str()), path);
    EXPECT_TRUE(IsFolder(folder)) << "the folder is ready for the file";
    EXPECT_TRUE(CreateFileAt(path.GetString()));
    // Callers take the part before the last backslash as the folder.
    EXPECT_EQ(CString(folder.c_str()), path.Left(path.ReverseFind(L'\\')));
    EXPECT_EQ(CString((folder + L"\\病患清單.txt").c_str()), GetLocalPath()->GetExportFileName(L"病患清單.txt"));
}

}   // namespace
