// CString operations at their edges: empty strings, positions and counts out
// of range, searching past the end, direct buffer access, narrow text,
// string resources.
#include <gtest/gtest.h>

#include "afx.h"
#include "afx_base_resource.h"
#include "afxstr.h"

namespace {

// Counts the framework's assertion failures while a test runs.
class AssertCounter
{
public:
    AssertCounter() : m_nStart(AfxGetAssertFailureCount()) {}
    LONG Fired() const { return AfxGetAssertFailureCount() - m_nStart; }

private:
    LONG m_nStart;
};

void QuietAssert(const char*, int, const char*) {}

}  // namespace

TEST(CStringBasics, ConstructionAndConversion)
{
    CString empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_STREQ(L"", empty);  // never a null pointer
    EXPECT_STREQ(L"", CString(static_cast<const wchar_t*>(nullptr)));
    EXPECT_STREQ(L"", CString(static_cast<const char*>(nullptr)));
    EXPECT_STREQ(L"abc", CString("abc"));
    EXPECT_STREQ(L"ab", CString(L"abcdef", 2));
    EXPECT_STREQ(L"", CString(L"abc", -4));
    EXPECT_STREQ(L"---", CString(L'-', 3));
    EXPECT_STREQ(L"", CString(L'-', -1));

    CString text(L"中文");
    const wchar_t* psz = text;
    EXPECT_EQ(L'中', psz[0]);
    CString copy(text);
    copy.SetAt(0, L'英');
    EXPECT_STREQ(L"中文", text);  // value semantics
    CString moved(static_cast<CString&&>(copy));
    EXPECT_STREQ(L"英文", moved);
    EXPECT_TRUE(copy.IsEmpty());
    text = text;
    EXPECT_STREQ(L"中文", text);
    text.Empty();
    EXPECT_EQ(0, text.GetLength());

    BSTR bstr = CString(L"自動化").AllocSysString();
    ASSERT_NE(nullptr, bstr);
    EXPECT_EQ(3u, SysStringLen(bstr));
    EXPECT_STREQ(L"自動化", bstr);
    SysFreeString(bstr);
}

TEST(CStringBasics, MalformedNarrowTextIsReplacedNotOverrun)
{
    // A lone lead byte or an invalid byte never reads past the terminator.
    const char bytes[] = {'a', char(0xE4), char(0xB8), 0, 'z', 0};
    CString text(bytes);
    EXPECT_GE(text.GetLength(), 2);
    EXPECT_EQ(L'a', text[0]);
    EXPECT_EQ(-1, text.Find(L'z'));
}

TEST(CStringBasics, ConcatenationAndComparison)
{
    CString a(L"abc");
    EXPECT_STREQ(L"abcdef", a + L"def");
    EXPECT_STREQ(L"xabc", L"x" + a);
    EXPECT_STREQ(L"abc!", a + L'!');
    EXPECT_STREQ(L"!abc", L'!' + a);
    a += a;
    EXPECT_STREQ(L"abcabc", a);
    a += static_cast<const wchar_t*>(nullptr);
    EXPECT_STREQ(L"abcabc", a);

    CString b(L"abd");
    EXPECT_TRUE(CString(L"abc") < b);
    EXPECT_TRUE(b > L"abc");
    EXPECT_TRUE(L"abc" <= b);
    EXPECT_TRUE(b == L"abd");
    EXPECT_TRUE(L"abd" == b);
    EXPECT_TRUE(b != CString(L"ab"));
    EXPECT_TRUE(CString(L"x") == L'x');
    EXPECT_LT(CString(L"ab").Compare(L"abc"), 0);
    EXPECT_EQ(0, CString().Compare(nullptr));
    EXPECT_EQ(0, CString(L"Hello").CompareNoCase(L"hELLO"));
    EXPECT_GT(CString(L"b").CompareNoCase(L"A"), 0);
    EXPECT_LT(CString(L"a").Collate(L"b"), 0);
    EXPECT_EQ(0, CString(L"Abc").CollateNoCase(L"aBC"));
}

TEST(CStringBasics, SearchingIncludingPastTheEnd)
{
    CString text(L"a,b,,c");
    EXPECT_EQ(1, text.Find(L','));
    EXPECT_EQ(3, text.Find(L',', 2));
    EXPECT_EQ(-1, text.Find(L',', 6));
    EXPECT_EQ(-1, text.Find(L',', 100));
    EXPECT_EQ(1, text.Find(L',', -5));
    EXPECT_EQ(3, text.Find(L",,"));
    EXPECT_EQ(-1, text.Find(L",,", 4));
    EXPECT_EQ(-1, text.Find(L"x", 7));
    EXPECT_EQ(6, text.Find(L"", 6));
    EXPECT_EQ(-1, text.Find(static_cast<const wchar_t*>(nullptr)));
    EXPECT_EQ(4, text.ReverseFind(L','));
    EXPECT_EQ(-1, CString().ReverseFind(L','));
    EXPECT_EQ(2, text.FindOneOf(L"bc"));
    EXPECT_EQ(-1, text.FindOneOf(nullptr));
}

TEST(CStringBasics, ExtractionClampsCounts)
{
    CString text(L"0123456789");
    EXPECT_STREQ(L"234", text.Mid(2, 3));
    EXPECT_STREQ(L"89", text.Mid(8, 100));
    EXPECT_STREQ(L"", text.Mid(10));
    EXPECT_STREQ(L"", text.Mid(50, 2));
    EXPECT_STREQ(L"01", text.Mid(-3, 2));
    EXPECT_STREQ(L"", text.Mid(2, -1));
    EXPECT_STREQ(L"0123456789", text.Left(100));
    EXPECT_STREQ(L"", text.Left(-1));
    EXPECT_STREQ(L"789", text.Right(3));
    EXPECT_STREQ(L"0123456789", text.Right(11));
    EXPECT_STREQ(L"", text.Right(-2));
    EXPECT_STREQ(L"", CString().Mid(0, 5));

    EXPECT_STREQ(L"0123", CString(L"0123abc").SpanIncluding(L"0123456789"));
    EXPECT_STREQ(L"", CString(L"abc").SpanIncluding(nullptr));
    EXPECT_STREQ(L"王小明", CString(L"王小明 (A123)").SpanExcluding(L" ("));
    EXPECT_STREQ(L"abc", CString(L"abc").SpanExcluding(L""));
}

TEST(CStringBasics, Tokenize)
{
    CString text(L",,a,bb;;c,");
    int nPos = 0;
    EXPECT_STREQ(L"a", text.Tokenize(L",;", nPos));
    EXPECT_STREQ(L"bb", text.Tokenize(L",;", nPos));
    EXPECT_STREQ(L"c", text.Tokenize(L",;", nPos));
    EXPECT_STREQ(L"", text.Tokenize(L",;", nPos));
    EXPECT_EQ(-1, nPos);
    EXPECT_STREQ(L"", text.Tokenize(L",;", nPos));  // stays finished
    EXPECT_EQ(-1, nPos);
    nPos = 100;
    EXPECT_STREQ(L"", text.Tokenize(L",", nPos));
    EXPECT_EQ(-1, nPos);
    nPos = 0;
    EXPECT_STREQ(L"whole", CString(L"whole").Tokenize(nullptr, nPos));
}

TEST(CStringBasics, ChangesInPlace)
{
    CString text(L"  \t 病歷 \r\n");
    EXPECT_STREQ(L"病歷", text.Trim());
    EXPECT_STREQ(L"病歷", CString(L"xx病歷xx").Trim(L'x'));
    EXPECT_STREQ(L"病歷", CString(L"-=病歷=-").Trim(L"=-"));
    EXPECT_STREQ(L"a  ", CString(L"  a  ").TrimLeft());
    EXPECT_STREQ(L"  a", CString(L"  a  ").TrimRight());
    EXPECT_STREQ(L"", CString(L"    ").Trim());
    EXPECT_STREQ(L"", CString().Trim());

    EXPECT_STREQ(L"ABC中", CString(L"abc中").MakeUpper());
    EXPECT_STREQ(L"abc", CString(L"ABC").MakeLower());
    EXPECT_STREQ(L"cba", CString(L"abc").MakeReverse());
    CString pair(L"a\xD83D\xDE00z");  // a surrogate pair stays in order
    EXPECT_STREQ(L"z\xD83D\xDE00" L"a", pair.MakeReverse());

    CString replaced(L"a.b.c");
    EXPECT_EQ(2, replaced.Replace(L'.', L'/'));
    EXPECT_STREQ(L"a/b/c", replaced);
    EXPECT_EQ(2, replaced.Replace(L"/", L"//"));
    EXPECT_STREQ(L"a//b//c", replaced);
    EXPECT_EQ(2, replaced.Replace(L"//", L""));
    EXPECT_STREQ(L"abc", replaced);
    EXPECT_EQ(0, replaced.Replace(L"", L"x"));
    EXPECT_EQ(0, replaced.Replace(nullptr, L"x"));
    EXPECT_EQ(1, replaced.Replace(L"b", nullptr));
    EXPECT_STREQ(L"ac", replaced);
    CString self(L"xyx");
    EXPECT_EQ(2, self.Replace(L"x", self.GetString()));  // the new text is this string
    EXPECT_STREQ(L"xyxyxyx", self);

    CString removed(L"1-2-3");
    EXPECT_EQ(2, removed.Remove(L'-'));
    EXPECT_STREQ(L"123", removed);

    CString inserted(L"ac");
    EXPECT_EQ(3, inserted.Insert(1, L'b'));
    EXPECT_EQ(5, inserted.Insert(100, L"de"));
    EXPECT_EQ(6, inserted.Insert(-4, L"_"));
    EXPECT_STREQ(L"_abcde", inserted);
    EXPECT_EQ(4, inserted.Delete(0, 2));
    EXPECT_EQ(4, inserted.Delete(10, 2));
    EXPECT_EQ(3, inserted.Delete(3, 50));
    EXPECT_EQ(3, inserted.Delete(0, -1));
    EXPECT_STREQ(L"bcd", inserted);
}

TEST(CStringBasics, IndexOutOfRangeAssertsAndTouchesNothing)
{
    AFX_ASSERT_HOOK previous = AfxSetAssertHook(QuietAssert);
    AssertCounter counter;
    CString text(L"ab");
    EXPECT_EQ(0, text.GetAt(2));
    EXPECT_EQ(0, text[-1]);
    text.SetAt(5, L'x');
    EXPECT_STREQ(L"ab", text);
    EXPECT_EQ(3, counter.Fired());
    AfxSetAssertHook(previous);
}

TEST(CStringBasics, GetBufferThenReleaseBuffer)
{
    CString text;
    wchar_t* pBuffer = text.GetBuffer(10);
    ASSERT_NE(nullptr, pBuffer);
    wcscpy(pBuffer, L"病歷12");
    text.ReleaseBuffer();
    EXPECT_EQ(4, text.GetLength());
    EXPECT_STREQ(L"病歷12", text);

    // Writing without a terminator and giving the length.
    pBuffer = text.GetBuffer(2);  // never smaller than the text
    pBuffer[4] = L'3';
    text.ReleaseBuffer(5);
    EXPECT_STREQ(L"病歷123", text);
    text.GetBuffer(0);
    text.ReleaseBuffer(2);
    EXPECT_STREQ(L"病歷", text);

    // Asking for more than the buffer holds is clamped to the buffer.
    CString clamp;
    clamp.GetBuffer(3);
    clamp.ReleaseBuffer(1000);
    EXPECT_LE(clamp.GetLength(), 1000);
    EXPECT_EQ(0, clamp.GetString()[clamp.GetLength()]);

    // Win32 fills the buffer, as callers do with GetWindowText and the like.
    CString path;
    DWORD nLength = GetModuleFileNameW(nullptr, path.GetBuffer(MAX_PATH), MAX_PATH);
    path.ReleaseBuffer();
    EXPECT_EQ(int(nLength), path.GetLength());
    EXPECT_NE(-1, path.Find(L".exe"));

    CString sized;
    wchar_t* pSized = sized.GetBufferSetLength(3);
    pSized[0] = L'x';
    pSized[1] = L'y';
    pSized[2] = L'z';
    EXPECT_EQ(3, sized.GetLength());
    EXPECT_STREQ(L"xyz", sized);
    sized.Preallocate(1000);
    EXPECT_STREQ(L"xyz", sized);
    sized.FreeExtra();
    EXPECT_STREQ(L"xyz", sized);
    sized.Truncate(1);
    EXPECT_STREQ(L"x", sized);
}

TEST(CStringResources, LoadStringFromTheModuleStringTable)
{
    HINSTANCE hModule = GetModuleHandleW(nullptr);
    CString text;
    EXPECT_TRUE(text.LoadString(hModule, IDS_GREETING));
    EXPECT_STREQ(L"你好, world", text);

    CString longText;
    ASSERT_TRUE(longText.LoadString(hModule, IDS_LONG_TEXT));
    EXPECT_EQ(303, longText.GetLength());  // no 255-character limit
    EXPECT_STREQ(L"end", longText.Right(3));

    CString kept(L"kept");
    EXPECT_FALSE(kept.LoadString(hModule, IDS_MISSING));
    EXPECT_STREQ(L"kept", kept);

    // The one-argument forms read from the current resource module, which is
    // the program itself here.
    CString current;
    EXPECT_TRUE(current.LoadString(IDS_GREETING));
    EXPECT_STREQ(L"你好, world", current);
    EXPECT_STREQ(L"你好, world", CString(MAKEINTRESOURCEW(IDS_GREETING)));
    CString formatted;
    formatted.Format(IDS_FORMAT_COUNT, 12);
    EXPECT_STREQ(L"共 12 筆", formatted);
}
