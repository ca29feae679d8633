// CArray, CList, CMap and the named collections: elements with constructors
// and destructors, aliasing arguments, and indexes out of range.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "afx.h"
#include "afxcoll.h"
#include "afxtempl.h"

namespace {

// Counts live objects, so that every construction is matched by one destruction.
struct Tracked
{
    static int s_nLive;
    CString text;
    Tracked() { s_nLive++; }
    Tracked(const wchar_t* psz) : text(psz) { s_nLive++; }
    Tracked(const Tracked& other) : text(other.text) { s_nLive++; }
    Tracked(Tracked&& other) noexcept : text(static_cast<CString&&>(other.text)) { s_nLive++; }
    Tracked& operator=(const Tracked&) = default;
    Tracked& operator=(Tracked&&) = default;
    ~Tracked() { s_nLive--; }
    bool operator==(const Tracked& other) const { return text == other.text; }
};
int Tracked::s_nLive = 0;

void QuietAssert(const char*, int, const char*) {}

class AssertsSilenced : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = AfxSetAssertHook(QuietAssert);
        m_nStart = AfxGetAssertFailureCount();
    }
    void TearDown() override { AfxSetAssertHook(m_previous); }
    LONG Fired() const { return AfxGetAssertFailureCount() - m_nStart; }

private:
    AFX_ASSERT_HOOK m_previous = nullptr;
    LONG m_nStart = 0;
};

CString Joined(const CStringArray& array)
{
    CString result;
    for (INT_PTR i = 0; i < array.GetSize(); i++)
        result += array[i] + L";";
    return result;
}

}  // namespace

TEST(CArrayTest, StringElementsGrowInsertRemove)
{
    CStringArray names;
    EXPECT_TRUE(names.IsEmpty());
    EXPECT_EQ(-1, names.GetUpperBound());
    for (int i = 0; i < 100; i++)
    {
        CString name;
        name.Format(L"病人%d", i);
        EXPECT_EQ(i, names.Add(name));
    }
    EXPECT_EQ(100, names.GetSize());
    EXPECT_EQ(100, names.GetCount());
    EXPECT_STREQ(L"病人42", names[42]);

    names.InsertAt(1, L"插入", 2);
    EXPECT_STREQ(L"病人0;插入;插入;病人1;", Joined(names).Left(14));
    names.RemoveAt(1, 2);
    EXPECT_STREQ(L"病人1", names[1]);
    names.RemoveAt(98, 50);  // count clamped to the end
    EXPECT_EQ(98, names.GetSize());
    names.SetAtGrow(102, L"末");
    EXPECT_EQ(103, names.GetSize());
    EXPECT_TRUE(names[100].IsEmpty());
    EXPECT_STREQ(L"末", names.GetAt(102));
    names.InsertAt(110, L"遠");  // past the end: grows first
    EXPECT_EQ(111, names.GetSize());
    EXPECT_STREQ(L"遠", names[110]);
    names.ElementAt(0) = L"改";
    names.SetAt(1, L"再改");
    EXPECT_STREQ(L"改;再改;", Joined(names).Left(5));

    names.SetSize(2);
    EXPECT_STREQ(L"改;再改;", Joined(names));
    names.FreeExtra();
    EXPECT_STREQ(L"改;再改;", Joined(names));
    names.RemoveAll();
    EXPECT_TRUE(names.IsEmpty());
}

TEST(CArrayTest, ArgumentsThatLiveInsideTheArray)
{
    CStringArray names;
    names.Add(L"a");
    for (int i = 0; i < 50; i++)
        names.Add(names[0]);  // reallocation must not lose the argument
    EXPECT_EQ(51, names.GetSize());
    EXPECT_STREQ(L"a", names[50]);
    names.InsertAt(0, names[50]);
    EXPECT_STREQ(L"a", names[0]);
    names.SetAtGrow(1000, names[1]);
    EXPECT_STREQ(L"a", names[1000]);

    CStringArray copy;
    copy.Copy(names);
    EXPECT_EQ(1001, copy.GetSize());
    EXPECT_EQ(1001, copy.Append(copy));  // index of the first appended element
    EXPECT_EQ(2002, copy.GetSize());
    EXPECT_STREQ(L"a", copy[1001]);
    CStringArray small;
    small.Add(L"x");
    small.Add(L"y");
    small.InsertAt(1, &small);
    EXPECT_STREQ(L"x;x;y;y;", Joined(small));
}

TEST(CArrayTest, ConstructionsMatchDestructions)
{
    {
        CArray<Tracked> items;
        for (int i = 0; i < 37; i++)
            items.Add(Tracked(L"x"));
        items.InsertAt(3, Tracked(L"y"), 5);
        items.RemoveAt(0, 10);
        items.SetSize(100);
        items.SetSize(20);
        items.FreeExtra();
        CArray<Tracked> other;
        other.Copy(items);
        other.Append(items);
        EXPECT_EQ(40, other.GetSize());
        EXPECT_EQ(60, Tracked::s_nLive);
    }
    EXPECT_EQ(0, Tracked::s_nLive);

    CArray<int, int> numbers;
    numbers.SetSize(5, 64);
    EXPECT_EQ(0, numbers[4]);  // value-initialised
    numbers[4] = 9;
    EXPECT_EQ(9, numbers.GetData()[4]);
}

TEST_F(AssertsSilenced, ArrayIndexesOutOfRange)
{
    CStringArray names;
    names.Add(L"only");
    EXPECT_TRUE(names.GetAt(5).IsEmpty());
    EXPECT_TRUE(names[-1].IsEmpty());
    names.ElementAt(7) = L"lost";  // goes to a scratch element
    EXPECT_TRUE(names.ElementAt(7).IsEmpty());
    names.SetAt(3, L"ignored");
    names.RemoveAt(4);
    names.RemoveAt(-1);
    names.InsertAt(-2, L"ignored");
    names.SetSize(-5);
    names.SetAtGrow(-1, L"ignored");
    EXPECT_EQ(1, names.GetSize());
    EXPECT_STREQ(L"only", names[0]);
    EXPECT_EQ(10, Fired());

    CDWordArray huge;
    huge.SetSize(INT_PTR(1) << 60);  // cannot be allocated: refused, not a crash
    EXPECT_EQ(0, huge.GetSize());
    EXPECT_EQ(11, Fired());

    CMapWordToPtr map;
    map.InitHashTable(UINT_MAX);  // too large: cut to the largest table
    EXPECT_EQ(CMapWordToPtr::kMaxHashTableSize, map.GetHashTableSize());
    map[1] = nullptr;
    EXPECT_EQ(1, map.GetCount());
    EXPECT_EQ(12, Fired());
}

TEST(CListTest, StringListInOrderAndPositions)
{
    CStringList list;
    list.AddTail(L"b");
    list.AddTail(L"c");
    list.AddHead(L"a");
    EXPECT_EQ(3, list.GetCount());
    EXPECT_STREQ(L"a", list.GetHead());
    EXPECT_STREQ(L"c", list.GetTail());

    CString walked;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        walked += list.GetNext(pos);
    EXPECT_STREQ(L"abc", walked);
    walked.Empty();
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        walked += list.GetPrev(pos);
    EXPECT_STREQ(L"cba", walked);

    POSITION posB = list.Find(L"b");
    ASSERT_NE(nullptr, posB);
    list.InsertBefore(posB, L"a2");
    list.InsertAfter(posB, L"b2");
    list.SetAt(posB, L"B");
    EXPECT_EQ(nullptr, list.Find(L"b"));
    EXPECT_EQ(list.FindIndex(2), list.Find(L"B"));
    EXPECT_EQ(nullptr, list.FindIndex(5));
    EXPECT_EQ(nullptr, list.FindIndex(-1));
    EXPECT_EQ(nullptr, list.Find(L"B", list.Find(L"B")));  // searches after the start
    list.RemoveAt(list.Find(L"a2"));
    EXPECT_STREQ(L"a", list.RemoveHead());
    EXPECT_STREQ(L"c", list.RemoveTail());
    walked.Empty();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        walked += list.GetNext(pos) + L",";
    EXPECT_STREQ(L"B,b2,", walked);

    list.AddTail(&list);  // a list appended to itself doubles once
    EXPECT_EQ(4, list.GetCount());
    list.AddHead(&list);
    EXPECT_EQ(8, list.GetCount());
    EXPECT_STREQ(L"B", list.GetHead());
    EXPECT_STREQ(L"b2", list.GetTail());

    {
        CList<Tracked> tracked;
        tracked.AddTail(Tracked(L"x"));
        tracked.AddHead(Tracked(L"y"));
        tracked.RemoveHead();
        EXPECT_EQ(1, Tracked::s_nLive);
    }
    EXPECT_EQ(0, Tracked::s_nLive);
}

TEST_F(AssertsSilenced, ListOnEmptyAndNullPositions)
{
    CPtrList list;
    EXPECT_EQ(nullptr, list.RemoveHead());
    EXPECT_EQ(nullptr, list.GetTail());
    list.RemoveAt(nullptr);
    POSITION pos = nullptr;
    EXPECT_EQ(nullptr, list.GetNext(pos));
    EXPECT_EQ(nullptr, pos);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(4, Fired());
}

TEST(CMapTest, StringKeysAndValues)
{
    CMapStringToString map;
    map.SetAt(L"姓名", L"王小明");
    map[L"性別"] = L"男";
    map.SetAt(L"姓名", L"李大華");  // replaces
    EXPECT_EQ(2, map.GetCount());
    CString value;
    ASSERT_TRUE(map.Lookup(L"姓名", value));
    EXPECT_STREQ(L"李大華", value);
    EXPECT_FALSE(map.Lookup(L"年齡", value));
    EXPECT_FALSE(map.Lookup(nullptr, value));
    EXPECT_TRUE(map.RemoveKey(L"性別"));
    EXPECT_FALSE(map.RemoveKey(L"性別"));
    EXPECT_EQ(1, map.GetCount());

    // Keys compare by content: a key built elsewhere finds the entry.
    CString key(L"姓");
    key += L"名";
    EXPECT_TRUE(map.Lookup(key, value));

    CMapStringToPtr pointers;
    int nTarget = 0;
    pointers[L"x"] = &nTarget;
    void* pFound = nullptr;
    EXPECT_TRUE(pointers.Lookup(L"x", pFound));
    EXPECT_EQ(&nTarget, pFound);
}

TEST(CMapTest, IterationGrowthAndRemoval)
{
    CMap<int, int, CString, const CString&> map;
    map.InitHashTable(7);
    EXPECT_EQ(7u, map.GetHashTableSize());
    for (int i = -500; i < 500; i++)
    {
        CString text;
        text.Format(L"%d", i);
        map[i] = text;
    }
    EXPECT_EQ(1000, map.GetCount());

    std::set<int> seen;
    POSITION pos = map.GetStartPosition();
    while (pos != nullptr)
    {
        int nKey = 0;
        CString text;
        map.GetNextAssoc(pos, nKey, text);
        CString expected;
        expected.Format(L"%d", nKey);
        EXPECT_STREQ(expected, text);
        seen.insert(nKey);
    }
    EXPECT_EQ(1000u, seen.size());

    for (int i = -500; i < 500; i += 2)
        EXPECT_TRUE(map.RemoveKey(i));
    EXPECT_EQ(500, map.GetCount());
    CString text;
    EXPECT_FALSE(map.Lookup(-500, text));
    EXPECT_TRUE(map.Lookup(-499, text));
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(nullptr, map.GetStartPosition());

    CMapPtrToPtr pointers;
    int a = 0;
    int b = 0;
    pointers[&a] = &b;
    void* pValue = nullptr;
    EXPECT_TRUE(pointers.Lookup(&a, pValue));
    EXPECT_EQ(&b, pValue);
    EXPECT_FALSE(pointers.Lookup(&b, pValue));

    CMapWordToPtr words;
    words[7] = &a;
    EXPECT_TRUE(words.Lookup(7, pValue));

    {
        CMap<CString, const CString&, Tracked, const Tracked&> tracked;
        tracked[CString(L"a")] = Tracked(L"1");
        tracked[CString(L"b")] = Tracked(L"2");
        tracked.RemoveKey(CString(L"a"));
        EXPECT_EQ(1, Tracked::s_nLive);
    }
    EXPECT_EQ(0, Tracked::s_nLive);
}

TEST(CollectionsTest, NamedArraysOfNumbers)
{
    CByteArray bytes;
    bytes.Add(0xFF);
    CWordArray words;
    words.Add(0xFFFF);
    CUIntArray uints;
    uints.Add(7);
    CPtrArray pointers;
    pointers.Add(&uints);
    EXPECT_EQ(0xFF, bytes[0]);
    EXPECT_EQ(0xFFFF, words[0]);
    EXPECT_EQ(7u, uints[0]);
    EXPECT_EQ(&uints, pointers[0]);
}
