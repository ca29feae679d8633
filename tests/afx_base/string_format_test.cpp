// CString::Format: the MSVC meanings of the conversions, and results beyond any fixed buffer.
#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdint>
#include <string>
#include <utility>

#include "afxstr.h"

namespace
{

CString Formatted(const wchar_t* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    CString result;
    result.FormatV(pszFormat, args);
    va_end(args);
    return result;
}

}   // namespace

TEST(CStringFormat, ConversionsFlagsAndOddFormatsFollowMsvc)
{
    const wchar_t* const pszNull = nullptr;
    int nCount = 7;
    const std::pair<const wchar_t*, CString> kCases[] = {
        {L"2024年03月05日 病歷", Formatted(L"%04d年%02d月%02d日 %s", 2024, 3, 5, L"病歷")},
        {L"-9223372036854775808 4464", Formatted(L"%I64d %hd", LLONG_MIN, 70000)},
        {L"0xff -1 [42   ][00abc]", Formatted(L"%#x %zd [%*d][%05s]", 255, intptr_t(-1), -5, 42, L"abc")},
        {L"[3.141590] 1E-05 3.", Formatted(L"[%.*f] %G %#.0f", -1, 3.14159, 0.00001, 3.0)},
        {L"wide narrow A (null) (nu", Formatted(L"%s %S %C %s %.3s", L"wide", "narrow", 'A', pszNull, pszNull)},
        {L"100% [    00000000000000AB]", Formatted(L"%d%% [%20p]", 100, reinterpret_cast<void*>(0xAB))},
        {L"a %y b end %", Formatted(L"a %y b end %")},   // unknown and cut-off conversions stay text
        {L"xy", Formatted(L"x%ny", &nCount)},
    };
    for (const auto& [pszExpected, actual] : kCases)
        EXPECT_STREQ(pszExpected, actual);
    EXPECT_EQ(7, nCount);   // %n writes nothing
}

TEST(CStringFormat, SelfReferenceAndCStringArguments)
{
    CString self(L"ab");
    self.Format(L"%s-%s", self.GetString(), self.GetString());
    self.AppendFormat(L"+%s", self.GetString());
    EXPECT_STREQ(L"ab-ab+ab-ab", self);
    CString name(L"王小明");
    CString text;
    text.Format(L"%s (%s) %d", name, CString(L"A123"), 3);
    text.AppendFormat(L" %-4s|", CString(L"x"));
    text.Format(L"%s%s", text, name);   // the target itself as an argument
    EXPECT_STREQ(L"王小明 (A123) 3 x   |王小明", text);
}

TEST(CStringFormat, HugeResultsGrowWithoutTruncation)
{
    std::wstring big(1000000, L'字');
    CString text;
    text.Format(L"[%s]", big.c_str());
    ASSERT_EQ(1000002, text.GetLength());
    EXPECT_EQ(L'字', text[500000]);
    EXPECT_EQ(L']', text[1000001]);
    EXPECT_EQ(100000, Formatted(L"%100000d", 5).GetLength());
    EXPECT_EQ(316, Formatted(L"%f", 1e308).GetLength());   // 309 digits, the point and 6 decimals
}
