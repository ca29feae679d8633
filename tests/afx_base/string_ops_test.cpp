// CString operations at their edges: null pointers, out-of-range positions, aliasing.
#include <gtest/gtest.h>

#include <iterator>
#include <utility>

#include "afx_base_resource.h"
#include "afxstr.h"
#include "quiet_asserts.h"

TEST(CStringBasics, NullPointersNegativeCountsAndMalformedText)
{
    EXPECT_STREQ(L"", CString(static_cast<const char*>(nullptr)) + CString(L"abc", -4) + CString(L'-', -1));
    EXPECT_EQ(0, CString().Compare(nullptr));
    CString self(L"ab");
    self += self;
    self += static_cast<const wchar_t*>(nullptr);
    EXPECT_STREQ(L"abab", self);
    // A lone lead byte never reads past the terminator.
    const char bytes[] = {'a', char(0xE4), char(0xB8), 0, 'z', 0};
    CString text(bytes);
    EXPECT_EQ(L'a', text[0]);
    EXPECT_EQ(-1, text.Find(L'z'));
}

TEST(CStringBasics, SearchAndExtractionClampPositions)
{
    CString text(L"a,b,,c");
    const std::pair<int, int> kFinds[] = {
        {3, text.Find(L',', 2)}, {-1, text.Find(L',', 6)}, {1, text.Find(L',', -5)},
        {6, text.Find(L"", 6)},  {-1, text.Find(L"x", 7)}, {-1, text.Find(static_cast<const wchar_t*>(nullptr))},
    };
    for (size_t i = 0; i < std::size(kFinds); i++)
        EXPECT_EQ(kFinds[i].first, kFinds[i].second) << "search " << i;
    CString digits(L"0123456789");
    const std::pair<const wchar_t*, CString> kParts[] = {
        {L"89", digits.Mid(8, 100)},
        {L"", digits.Mid(50, 2)},
        {L"01", digits.Mid(-3, 2)},
        {L"", digits.Right(-2)},
        {L"", CString(L"abc").SpanIncluding(nullptr)},
    };
    for (const auto& [pszExpected, actual] : kParts)
        EXPECT_STREQ(pszExpected, actual);
    CString list(L",,a,bb;;c,");
    int nPos = 0;
    CString tokens;
    for (CString token = list.Tokenize(L",;", nPos); nPos >= 0 && tokens.GetLength() < 100;
         token = list.Tokenize(L",;", nPos))
        tokens += token + L"|";
    EXPECT_STREQ(L"a|bb|c|", tokens);
    nPos = 100;
    EXPECT_STREQ(L"", list.Tokenize(L",", nPos));
    EXPECT_EQ(-1, nPos);
    nPos = 0;
    EXPECT_STREQ(L"whole", CString(L"whole").Tokenize(nullptr, nPos));
}

TEST(CStringBasics, ChangesInPlace)
{
    EXPECT_STREQ(L"病歷", CString(L"  \t 病歷 \r\n").Trim());
    CString pair(L"a\xD83D\xDE00z");   // a surrogate pair stays in order
    EXPECT_STREQ(L"z\xD83D\xDE00"
                 L"a",
                 pair.MakeReverse());
    CString replaced(L"a.b.c");
    EXPECT_EQ(2, replaced.Replace(L".", L".."));
    EXPECT_EQ(0, replaced.Replace(nullptr, L"x"));
    EXPECT_EQ(1, replaced.Replace(L"b", nullptr));
    EXPECT_STREQ(L"a....c", replaced);
    CString self(L"xyx");
    EXPECT_EQ(2, self.Replace(L"x", self.GetString()));   // the new text is this string
    EXPECT_STREQ(L"xyxyxyx", self);
    CString edited(L"ac");
    EXPECT_EQ(3, edited.Insert(1, L'b'));
    EXPECT_EQ(5, edited.Insert(100, L"de"));
    EXPECT_EQ(6, edited.Insert(-4, L"_"));
    EXPECT_EQ(4, edited.Delete(0, 2));
    EXPECT_EQ(3, edited.Delete(3, 50));
    EXPECT_STREQ(L"bcd", edited);
}

TEST_F(AssertsSilenced, StringIndexOutOfRangeTouchesNothing)
{
    CString text(L"ab");
    EXPECT_EQ(0, text.GetAt(2));
    EXPECT_EQ(0, text[-1]);
    text.SetAt(5, L'x');
    EXPECT_STREQ(L"ab", text);
    EXPECT_EQ(3, Fired());
}

TEST(CStringBasics, GetBufferThenReleaseBuffer)
{
    CString text;
    wcscpy(text.GetBuffer(10), L"病歷12");   // as Win32 fills a buffer
    text.ReleaseBuffer();
    EXPECT_EQ(4, text.GetLength());
    wchar_t* pBuffer = text.GetBuffer(2);   // never smaller than the text
    pBuffer[4] = L'3';
    text.ReleaseBuffer(5);
    EXPECT_STREQ(L"病歷123", text);
    // Asking for more than the buffer holds is clamped to the buffer.
    CString clamp;
    clamp.GetBuffer(3);
    clamp.ReleaseBuffer(1000);
    EXPECT_EQ(0, clamp.GetString()[clamp.GetLength()]);
}

TEST(CStringResources, LoadStringFromTheModuleStringTable)
{
    HINSTANCE hModule = GetModuleHandleW(nullptr);
    CString longText;
    ASSERT_TRUE(longText.LoadString(hModule, IDS_LONG_TEXT));
    EXPECT_EQ(303, longText.GetLength());   // no 255-character limit
    CString kept(L"kept");
    EXPECT_FALSE(kept.LoadString(hModule, IDS_MISSING));
    EXPECT_STREQ(L"kept", kept);
    // The one-argument forms read from the current resource module: the program.
    EXPECT_STREQ(L"你好, world", CString(MAKEINTRESOURCEW(IDS_GREETING)));
    CString formatted;
    formatted.Format(IDS_FORMAT_COUNT, 12);
    EXPECT_STREQ(L"共 12 筆", formatted);
}
