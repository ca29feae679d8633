// The program's settings through the companion: an INI file beside the program,
// named after it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "program_files.h"
#include "qvctrl.h"
#include "../module/cstring_print.h"

namespace
{

class Settings : public ::testing::Test
{
protected:
    void SetUp() override { ::DeleteFileW(ProgramIniFile().c_str()); }
    void TearDown() override { ::DeleteFileW(ProgramIniFile().c_str()); }
};

TEST_F(Settings, ValuesLandInTheIniFileBesideTheProgram)
{
    CPath* path = GetLocalPath();
    ASSERT_NE(nullptr, path);
    EXPECT_EQ(GetLocalPath(), GetLocalPath());

    EXPECT_TRUE(path->SetIni(L"EditHtml", L"ExeFile", L"C:\\Program Files\\編輯器\\edit.exe"));
    EXPECT_EQ(L"C:\\Program Files\\編輯器\\edit.exe", ReadRawIni(L"EditHtml", L"ExeFile"));
    EXPECT_EQ(CString(L"C:\\Program Files\\編輯器\\edit.exe"), path->GetIni(L"EditHtml", L"ExeFile"));

    EXPECT_TRUE(path->SetIniLong(L"Function3", L"LeftMargin", -25));
    EXPECT_EQ(L"-25", ReadRawIni(L"Function3", L"LeftMargin"));
    EXPECT_EQ(-25, path->GetIniLong(L"Function3", L"LeftMargin"));
    EXPECT_TRUE(path->SetIniLong(L"Function3", L"Scale", 2147483647L));
    EXPECT_EQ(2147483647L, path->GetIniLong(L"Function3", L"Scale"));

    // A value that is written again replaces the old one.
    path->SetIni(L"EditHtml", L"ExeFile", L"notepad.exe");
    EXPECT_EQ(CString(L"notepad.exe"), path->GetIni(L"EditHtml", L"ExeFile"));
}

TEST_F(Settings, UnsetAndUnreadableValuesAreEmptyOrZero)
{
    CPath* path = GetLocalPath();
    EXPECT_TRUE(path->GetIni(L"CHARGE", L"SerialNo").IsEmpty());
    EXPECT_EQ(0, path->GetIniLong(L"CHARGE", L"SerialNo"));
    path->SetIni(L"CHARGE", L"Note", L"收據");
    EXPECT_EQ(0, path->GetIniLong(L"CHARGE", L"Note"));
    path->SetIni(L"CHARGE", L"Huge", L"99999999999999999999999");
    EXPECT_EQ(0, path->GetIniLong(L"CHARGE", L"Huge"));
}

TEST_F(Settings, LongValuesAreReadWhole)
{
    CPath* path = GetLocalPath();
    std::wstring text;
    for (int i = 0; i < 3000; ++i)
        text += static_cast<wchar_t>(L'甲' + i % 50);
    ASSERT_TRUE(path->SetIni(L"Long", L"Text", text.c_str()));
    CString read = path->GetIni(L"Long", L"Text");
    EXPECT_EQ(3000, read.GetLength());
    EXPECT_TRUE(read == text.c_str());
}

TEST_F(Settings, UpdateSerialNoWritesChargeSerialNo)
{
    UpdateSerialNo(1234567);
    EXPECT_EQ(L"1234567", ReadRawIni(L"CHARGE", L"SerialNo"));
    EXPECT_EQ(1234567, GetLocalPath()->GetIniLong(L"CHARGE", L"SerialNo"));
    UpdateSerialNo(8);
    EXPECT_EQ(8, GetLocalPath()->GetIniLong(L"CHARGE", L"SerialNo"));
}

}   // namespace
