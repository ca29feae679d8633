// CString::Format and friends: the MSVC meanings of the conversions for wide
// strings, flags, widths, precisions and results far beyond any fixed buffer.
#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdint>
#include <string>
#include <utility>

#include "afxstr.h"

namespace {

CString Formatted(const wchar_t* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    CString result;
    result.FormatV(pszFormat, args);
    va_end(args);
    return result;
}

}  // namespace

TEST(CStringFormat, ConversionsFlagsAndOddFormatsFollowMsvc)
{
    const wchar_t* const pszNull = nullptr;
    int nCount = 7;
    const std::pair<const wchar_t*, CString> kCases[] = {
        {L"2024年03月05日 病歷", Formatted(L"%04d年%02d月%02d日 %s", 2024, 3, 5, L"病歷")},
        {L"-9223372036854775808 18446744073709551615", Formatted(L"%I64d %llu", LLONG_MIN, ULLONG_MAX)},
        {L"4294967295 4464 -1", Formatted(L"%u %hd %hhd", -1, 70000, 255)},
        {L"0xff 0XFF 017 -1 1", Formatted(L"%#x %#X %#o %zd %Iu", 255, 255, 15, intptr_t(-1), size_t(1))},
        {L"[   42][42   ][+42][ 42]", Formatted(L"[%*d][%*d][%+d][% d]", 5, 42, -5, 42, 42, 42)},
        {L"[00042][-0042][00abc]", Formatted(L"[%.5d][%05d][%05s]", 42, -42, L"abc")},
        {L"[3.1416][3.141590][  中]", Formatted(L"[%.*f][%.*f][%3c]", 4, 3.14159, -1, 3.14159, L'中')},
        {L"1.234568E+04 1E-05 -0.50 3.", Formatted(L"%E %G %.2Lf %#.0f", 12345.678, 0.00001, -0.5, 3.0)},
        {L"wide narrow narrow wide", Formatted(L"%s %S %hs %ws", L"wide", "narrow", "narrow", L"wide")},
        {L"中A B", Formatted(L"%c%C %hc", L'中', 'A', 'B')},
        {L"(null) (null) (nu abc", Formatted(L"%s %S %.3s %.3S", pszNull, static_cast<const char*>(nullptr), pszNull, "abcdef")},
        {L"100% [    00000000000000AB]", Formatted(L"%d%% [%20p]", 100, reinterpret_cast<void*>(0xAB))},
        {L"a %y b end %", Formatted(L"a %y b end %")},  // unknown and cut-off conversions stay text
        {L"xy", Formatted(L"x%ny", &nCount)},
    };
    for (const auto& [pszExpected, actual] : kCases)
        EXPECT_STREQ(pszExpected, actual);
    EXPECT_EQ(7, nCount);  // %n writes nothing
}

TEST(CStringFormat, SelfReferenceAndCStringArguments)
{
    CString self(L"ab");
    self.Format(L"%s-%s", self.GetString(), self.GetString());
    self.AppendFormat(L"+%s", self.GetString());
    EXPECT_STREQ(L"ab-ab+ab-ab", self);
    CString pattern(L"<%d>");
    pattern.Format(pattern, 9);
    EXPECT_STREQ(L"<9>", pattern);

    CString name(L"王小明");
    CString text;
    text.Format(L"%s (%s) %d", name, CString(L"A123"), 3);
    text.AppendFormat(L" %-4s|", CString(L"x"));
    text.Format(L"%s%s", text, name);  // the target itself as an argument
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
    EXPECT_EQ(316, Formatted(L"%f", 1e308).GetLength());  // 309 digits, the point and 6 decimals
    EXPECT_EQ(502, Formatted(L"%.500f", 1.0).GetLength());
    CString many;
    for (int i = 0; i < 20000; i++)
        many.AppendFormat(L"%05d,", i);
    ASSERT_EQ(120000, many.GetLength());
    EXPECT_STREQ(L"19999,", many.Right(6));
}
