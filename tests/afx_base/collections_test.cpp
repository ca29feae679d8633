// CArray, CList, CMap: element lifetimes, aliasing arguments, bad indexes.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "afxcoll.h"
#include "afxtempl.h"
#include "quiet_asserts.h"

namespace
{

// Counts live objects, so that every construction is matched by one destruction.
struct Tracked
{
    static int s_nLive;
    CString text;
    Tracked(const wchar_t* psz = L"") : text(psz) { s_nLive++; }
    Tracked(const Tracked& other) : text(other.text) { s_nLive++; }
    Tracked(Tracked&& other) noexcept : text(static_cast<CString&&>(other.text)) { s_nLive++; }
    Tracked& operator=(const Tracked&) = default;
    Tracked& operator=(Tracked&&) = default;
    bool operator==(const Tracked& other) const { return text == other.text; }
    ~Tracked() { s_nLive--; }
};
int Tracked::s_nLive = 0;

template <class Collection> CString Joined(const Collection& items)
{
    CString result;
    for (INT_PTR i = 0; i < items.GetSize(); i++)
        result += items[i] + L";";
    return result;
}

CString Joined(const CStringList& list)
{
    CString result;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        result += list.GetNext(pos) + L";";
    return result;
}

}   // namespace

TEST(CArrayTest, GrowInsertRemoveAndArgumentsInsideTheArray)
{
    CStringArray names;
    for (int i = 0; i < 5; i++)
        names.Add(CString(L"病") + wchar_t(L'0' + i));
    names.InsertAt(1, L"插", 2);
    names.RemoveAt(0, 2);
    names.RemoveAt(4, 50);      // count clamped to the end
    names.InsertAt(9, L"遠");   // past the end: grows first
    EXPECT_STREQ(L"插;病1;病2;病3;;;;;;遠;", Joined(names));
    for (int i = 0; i < 50; i++)
        names.Add(names[0]);   // reallocation must not lose the argument
    names.InsertAt(0, names[59]);
    names.SetAtGrow(1000, names[1]);
    EXPECT_STREQ(L"插", names[1000]);
    EXPECT_EQ(1001, names.Append(names));   // index of the first appended element
    EXPECT_STREQ(L"插", names[2001]);
    names.SetSize(2);
    names.SetAt(1, L"y");
    names.InsertAt(1, &names);
    EXPECT_STREQ(L"插;插;y;y;", Joined(names));
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
        CArray<Tracked> other;
        other.Copy(items);
        other.Append(items);
        EXPECT_EQ(60, Tracked::s_nLive);
    }
    EXPECT_EQ(0, Tracked::s_nLive);
}

TEST_F(AssertsSilenced, IndexesOutOfRangeAndEmptyLists)
{
    CStringArray names;
    names.Add(L"only");
    EXPECT_TRUE(names.GetAt(5).IsEmpty());
    EXPECT_TRUE(names[-1].IsEmpty());
    names.ElementAt(7) = L"lost";   // goes to a scratch element
    names.SetAt(3, L"ignored");
    names.RemoveAt(-1);
    names.InsertAt(-2, L"ignored");
    EXPECT_TRUE(names.ElementAt(7).IsEmpty());
    EXPECT_STREQ(L"only;", Joined(names));
    EXPECT_EQ(7, Fired());
    CDWordArray huge;
    huge.SetSize(INT_PTR(1) << 60);   // cannot be allocated: refused, not a crash
    EXPECT_EQ(0, huge.GetSize());
    CMapWordToPtr map;
    map.InitHashTable(UINT_MAX);   // too large: cut to the largest table
    EXPECT_EQ(CMapWordToPtr::kMaxHashTableSize, map.GetHashTableSize());
    map[1] = nullptr;
    EXPECT_EQ(1, map.GetCount());
    EXPECT_EQ(9, Fired());
    CPtrList list;
    EXPECT_EQ(nullptr, list.RemoveHead());
    list.RemoveAt(nullptr);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(11, Fired());
}

TEST(CListTest, PositionsSearchesAndSelfAppend)
{
    CStringList list;
    list.AddTail(L"b");
    list.AddHead(L"a");
    POSITION posB = list.Find(L"b");
    ASSERT_NE(nullptr, posB);
    list.InsertAfter(posB, L"b2");
    list.SetAt(posB, L"B");
    EXPECT_EQ(nullptr, list.Find(L"B", list.Find(L"B")));   // searches after the start
    EXPECT_STREQ(L"a", list.RemoveHead());
    list.AddTail(&list);   // a list appended to itself doubles once
    list.AddHead(&list);
    EXPECT_STREQ(L"B;b2;B;b2;B;b2;B;b2;", Joined(list));
}

TEST(CMapTest, KeysByContentIterationAndRemoval)
{
    CMapStringToString names;
    names.SetAt(L"姓名", L"王小明");
    names.SetAt(L"姓名", L"李大華");   // replaces
    CString value;
    ASSERT_TRUE(names.Lookup(CString(L"姓") + L"名", value));   // keys compare by content
    EXPECT_STREQ(L"李大華", value);
    EXPECT_FALSE(names.Lookup(nullptr, value));
    EXPECT_TRUE(names.RemoveKey(L"姓名") && !names.RemoveKey(L"姓名"));
    CMap<int, int, CString, const CString&> map;
    map.InitHashTable(7);
    for (int i = -500; i < 500; i++)
        map[i].Format(L"%d", i);
    for (int i = -500; i < 500; i += 2)
        EXPECT_TRUE(map.RemoveKey(i));
    std::set<int> seen;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;)
    {
        int nKey = 0;
        CString text;
        map.GetNextAssoc(pos, nKey, text);
        if (nKey == _wtoi(text) && nKey % 2 != 0)
            seen.insert(nKey);
    }
    EXPECT_EQ(500u, seen.size());
}
