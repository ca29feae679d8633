// CString::Format and friends: the MSVC meanings of the conversions for wide
// strings, flags, widths, precisions and results far beyond any fixed buffer.
#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdint>
#include <string>

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

TEST(CStringFormat, LibraryMessagesWithCjkText)
{
    CString text;
    text.Format(L"列表窗口不存在 %s %d", L"a.cpp", 12);
    EXPECT_STREQ(L"列表窗口不存在 a.cpp 12", text);
    text.Format(L"%04d年%02d月%02d日", 2024, 3, 5);
    EXPECT_STREQ(L"2024年03月05日", text);
    text.Format(L"%s", L"病歷號碼");
    EXPECT_EQ(4, text.GetLength());
}

TEST(CStringFormat, IntegersOfEverySize)
{
    EXPECT_STREQ(L"05:07", Formatted(L"%02d:%02d", 5, 7));
    EXPECT_STREQ(L"-2147483648 2147483647", Formatted(L"%ld %ld", LONG_MIN, LONG_MAX));
    EXPECT_STREQ(L"4294967295", Formatted(L"%u", -1));
    EXPECT_STREQ(L"4294967295 ffffffff", Formatted(L"%lu %lx", 0xFFFFFFFFUL, 0xFFFFFFFFUL));
    EXPECT_STREQ(L"-9223372036854775808 9223372036854775807",
                 Formatted(L"%I64d %lld", LLONG_MIN, LLONG_MAX));
    EXPECT_STREQ(L"18446744073709551615 18446744073709551615",
                 Formatted(L"%I64u %llu", ULLONG_MAX, ULLONG_MAX));
    EXPECT_STREQ(L"4464 -1", Formatted(L"%hd %hhd", 70000, 255));
    EXPECT_STREQ(L"ff FF 0xff 0XFF 17 017", Formatted(L"%x %X %#x %#X %o %#o", 255, 255, 255, 255, 15, 15));
    EXPECT_STREQ(L"12 -3", Formatted(L"%i %i", 12, -3));
    EXPECT_STREQ(L"-1 1", Formatted(L"%zd %Iu", intptr_t(-1), size_t(1)));
}

TEST(CStringFormat, FlagsWidthsAndPrecisions)
{
    EXPECT_STREQ(L"[   42][42   ][00042][+42][ 42]", Formatted(L"[%5d][%-5d][%05d][%+d][% d]", 42, 42, 42, 42, 42));
    EXPECT_STREQ(L"[   42][42   ]", Formatted(L"[%*d][%*d]", 5, 42, -5, 42));
    EXPECT_STREQ(L"[00042][-0042]", Formatted(L"[%.5d][%05d]", 42, -42));
    EXPECT_STREQ(L"[3.14][3.1416][  3.1][3]", Formatted(L"[%.2f][%.*f][%5.1f][%.0f]", 3.14159, 4, 3.14159, 3.14159, 3.14159));
    EXPECT_STREQ(L"[3.141590]", Formatted(L"[%.*f]", -1, 3.14159));
    EXPECT_STREQ(L"[abc][  abc][abc  ][ab][00abc]", Formatted(L"[%s][%5s][%-5s][%.2s][%05s]", L"abc", L"abc", L"abc", L"abc", L"abc"));
    EXPECT_STREQ(L"[  中]", Formatted(L"[%3c]", L'中'));
}

TEST(CStringFormat, FloatingPoint)
{
    EXPECT_STREQ(L"2.500000 2.500000", Formatted(L"%f %lf", 2.5, 2.5));
    EXPECT_STREQ(L"1.234568e+04 1.234568E+04", Formatted(L"%e %E", 12345.678, 12345.678));
    EXPECT_STREQ(L"0.0001 1e+20 1E-05", Formatted(L"%g %g %G", 0.0001, 1e20, 0.00001));
    EXPECT_STREQ(L"-0.50", Formatted(L"%.2Lf", -0.5));  // L is double, as in MSVC
    EXPECT_STREQ(L"3.", Formatted(L"%#.0f", 3.0));
}

TEST(CStringFormat, StringAndCharKindsFollowMsvc)
{
    EXPECT_STREQ(L"wide narrow", Formatted(L"%s %S", L"wide", "narrow"));
    EXPECT_STREQ(L"narrow wide wide", Formatted(L"%hs %ls %ws", "narrow", L"wide", L"wide"));
    EXPECT_STREQ(L"中A", Formatted(L"%c%C", L'中', 'A'));
    EXPECT_STREQ(L"B中", Formatted(L"%hc%lc", 'B', L'中'));
    EXPECT_STREQ(L"(null) (null) (nu", Formatted(L"%s %S %.3s", static_cast<const wchar_t*>(nullptr),
                                                  static_cast<const char*>(nullptr), static_cast<const wchar_t*>(nullptr)));
    EXPECT_STREQ(L"abc", Formatted(L"%.3S", "abcdef"));
}

TEST(CStringFormat, PercentPointerAndOddFormats)
{
    EXPECT_STREQ(L"100%", Formatted(L"%d%%", 100));
    EXPECT_STREQ(L"0000000000001234", Formatted(L"%p", reinterpret_cast<void*>(0x1234)));
    EXPECT_STREQ(L"[    00000000000000AB]", Formatted(L"[%20p]", reinterpret_cast<void*>(0xAB)));
    // Unknown conversions and a cut-off one are kept as text.
    EXPECT_STREQ(L"a %y b", Formatted(L"a %y b"));
    EXPECT_STREQ(L"end %", Formatted(L"end %"));
    int nCount = 7;
    EXPECT_STREQ(L"xy", Formatted(L"x%ny", &nCount));
    EXPECT_EQ(7, nCount);  // %n writes nothing
    EXPECT_STREQ(L"", Formatted(L""));
}

TEST(CStringFormat, AppendFormatAndSelfReference)
{
    CString text(L"第");
    text.AppendFormat(L"%d頁", 3);
    text.AppendFormat(L"/%s", L"共5頁");
    EXPECT_STREQ(L"第3頁/共5頁", text);

    // The format's arguments may be the string being formatted.
    CString self(L"ab");
    self.Format(L"%s-%s", self.GetString(), self.GetString());
    EXPECT_STREQ(L"ab-ab", self);
    self.AppendFormat(L"+%s", self.GetString());
    EXPECT_STREQ(L"ab-ab+ab-ab", self);
    CString pattern(L"<%d>");
    pattern.Format(pattern, 9);
    EXPECT_STREQ(L"<9>", pattern);
}

TEST(CStringFormat, CStringArgumentsPassTheirCharacters)
{
    CString name(L"王小明");
    CString id(L"A123456789");
    CString text;
    text.Format(L"%s (%s) %d", name, id, 3);
    EXPECT_STREQ(L"王小明 (A123456789) 3", text);
    text.AppendFormat(L" %-4s|", CString(L"x"));
    EXPECT_STREQ(L"王小明 (A123456789) 3 x   |", text);
    text.Format(L"%s%s", text, name);  // the target itself as an argument
    EXPECT_STREQ(L"王小明 (A123456789) 3 x   |王小明", text);
}

TEST(CStringFormat, HugeResultsGrowWithoutTruncation)
{
    std::wstring big(1000000, L'字');
    CString text;
    text.Format(L"[%s]", big.c_str());
    ASSERT_EQ(1000002, text.GetLength());
    EXPECT_EQ(L'[', text[0]);
    EXPECT_EQ(L'字', text[500000]);
    EXPECT_EQ(L']', text[1000001]);

    text.Format(L"%100000d", 5);
    ASSERT_EQ(100000, text.GetLength());
    EXPECT_EQ(L' ', text[0]);
    EXPECT_EQ(L'5', text[99999]);

    text.Format(L"%f", 1e308);
    EXPECT_EQ(316, text.GetLength());  // 309 digits, the point and 6 decimals
    EXPECT_EQ(L'1', text[0]);

    text.Format(L"%.500f", 1.0);
    EXPECT_EQ(502, text.GetLength());

    CString many;
    for (int i = 0; i < 20000; i++)
        many.AppendFormat(L"%05d,", i);
    ASSERT_EQ(120000, many.GetLength());
    EXPECT_EQ(0, many.Right(6).Compare(L"19999,"));
}
