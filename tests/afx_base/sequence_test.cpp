// The framework's strings and collections under long fixed-seed sequences.
// CString under a long fixed-seed sequence of edits on four strings that are
// copied into one another (and so share their buffers), each checked after
// every step against a std::wstring doing the same edit with the library's
// documented rules for indexes out of range. A write through one copy that
// shows in another, or an edit that reads past a buffer, fails here (the
// suite also runs under the heap check).
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "afx.h"
#include "afxtempl.h"

namespace
{

const unsigned kSeed = 29;
const int kSteps = 20000;
const int kSlots = 4;

// The model's answers for the calls whose arguments may be out of range.
int Clamp(int value, int low, int high)
{
    return std::max(low, std::min(value, high));
}

std::wstring Mid(const std::wstring& s, int first, int count)
{
    first = Clamp(first, 0, int(s.size()));
    count = Clamp(count, 0, int(s.size()) - first);
    return s.substr(size_t(first), size_t(count));
}

int ReplaceAll(std::wstring& s, const std::wstring& from, const std::wstring& to)
{
    if (from.empty())
        return 0;
    int count = 0;
    for (size_t at = s.find(from); at != std::wstring::npos; at = s.find(from, at + to.size()))
    {
        s.replace(at, from.size(), to);
        ++count;
    }
    return count;
}

}   // namespace

TEST(StringSequence, EditsOnSharedCopiesAgreeWithAModel)
{
    std::mt19937 engine(kSeed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    // A small alphabet, so that finds and replacements hit.
    auto text = [&]
    {
        std::wstring t(size_t(pick(0, 6)), L'a');
        for (wchar_t& c : t)
            c = L"ab c病"[pick(0, 4)];
        return t;
    };
    CString strings[kSlots];
    std::wstring models[kSlots];

    for (int step = 0; step < kSteps; ++step)
    {
        const int i = pick(0, kSlots - 1), j = pick(0, kSlots - 1);
        CString& s = strings[i];
        std::wstring& m = models[i];
        const int length = int(m.size());
        const int index = pick(-2, length + 2);
        const std::wstring t = text();
        switch (pick(0, 17))
        {
        case 0:
        case 1:
            s = strings[j];
            m = models[j];
            break;
        case 2:
            s += t.c_str();
            m += t;
            break;
        case 3:
            s += wchar_t(L'x');
            m += L'x';
            break;
        case 4:
            ASSERT_EQ(s.Insert(index, t.c_str()), length + int(t.size()));
            m.insert(size_t(Clamp(index, 0, length)), t);
            break;
        case 5:
        {
            const int count = pick(-1, 4);
            const int first = Clamp(index, 0, length);
            const int removed = index >= length ? 0 : Clamp(count, 0, length - first);
            ASSERT_EQ(s.Delete(index, count), length - removed) << "step " << step;
            m.erase(size_t(first), size_t(removed));
            break;
        }
        case 6:
        {
            const std::wstring from = text(), to = text();
            ASSERT_EQ(s.Replace(from.c_str(), to.c_str()), ReplaceAll(m, from, to)) << "step " << step;
            break;
        }
        case 7:
        {
            const int count = int(std::count(m.begin(), m.end(), L'a'));
            ASSERT_EQ(s.Replace(L'a', L'c'), count);
            std::replace(m.begin(), m.end(), L'a', L'c');
            break;
        }
        case 8:
        {
            const int count = int(std::count(m.begin(), m.end(), L' '));
            ASSERT_EQ(s.Remove(L' '), count);
            m.erase(std::remove(m.begin(), m.end(), L' '), m.end());
            break;
        }
        case 9:
            s.MakeUpper();
            std::transform(m.begin(), m.end(), m.begin(),
                           [](wchar_t c) { return c >= L'a' && c <= L'z' ? c - 32 : c; });
            break;
        case 10:
            s.MakeReverse();
            std::reverse(m.begin(), m.end());
            break;
        case 11:
            s.Trim();
            m.erase(0, std::min(m.find_first_not_of(L' '), m.size()));
            m.erase(m.find_last_not_of(L' ') + 1);
            break;
        case 12:
        {
            const int count = pick(-2, length + 2);
            s = strings[j].Mid(index, count);
            m = Mid(models[j], index, count);
            break;
        }
        case 13:
        {
            const int count = pick(-2, length + 2);
            if (pick(0, 1))
            {
                s = strings[j].Left(count);
                m = Mid(models[j], 0, count);
            }
            else
            {
                s = strings[j].Right(count);
                const int kept = Clamp(count, 0, int(models[j].size()));
                m = models[j].substr(models[j].size() - size_t(kept));
            }
            break;
        }
        case 14:
        {
            // Written through the buffer: the copies that shared it keep their text.
            const int newLength = pick(0, 8);
            wchar_t* buffer = s.GetBufferSetLength(newLength);
            m.resize(size_t(newLength), L'?');
            for (int k = 0; k < newLength; ++k)
                buffer[k] = m[size_t(k)] = L"zq"[k % 2];
            s.ReleaseBuffer(newLength);
            break;
        }
        case 15:
            if (length > 0)
            {
                const int at = pick(0, length - 1);
                s.SetAt(at, L'Z');
                m[size_t(at)] = L'Z';
                s.Truncate(at);
                m.resize(size_t(at));
            }
            break;
        case 16:
        {
            const std::wstring sub = text();
            const int start = pick(-1, length + 1);
            const size_t found = start > length ? std::wstring::npos : m.find(sub, size_t(std::max(start, 0)));
            ASSERT_EQ(s.Find(sub.c_str(), start), found == std::wstring::npos ? -1 : int(found)) << "step " << step;
            break;
        }
        default:
            s.Empty();
            m.clear();
            break;
        }
        for (int k = 0; k < kSlots; ++k)
        {
            ASSERT_EQ(strings[k].GetLength(), int(models[k].size())) << "step " << step << " slot " << k;
            ASSERT_EQ(std::wstring(strings[k].GetString()), models[k]) << "step " << step << " slot " << k;
        }
    }
}

// CArray of CString (elements that own memory, moved on every insertion and
// removal) and CMap from int to CString, against std::vector and std::map.
TEST(CollectionSequence, ArraysAndMapsAgreeWithTheStandardContainers)
{
    std::mt19937 engine(kSeed + 1);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    CArray<CString, const CString&> array;
    std::vector<std::wstring> vector;
    CMap<int, int, CString, const CString&> map;
    std::map<int, std::wstring> model;

    for (int step = 0; step < kSteps; ++step)
    {
        const int size = int(vector.size());
        const std::wstring value = std::to_wstring(step);
        switch (pick(0, 9))
        {
        case 0:
        case 1:
            ASSERT_EQ(array.Add(CString(value.c_str())), size);
            vector.push_back(value);
            break;
        case 2:
        {
            const int at = pick(0, size), count = pick(1, 3);
            array.InsertAt(at, CString(value.c_str()), count);
            vector.insert(vector.begin() + at, size_t(count), value);
            break;
        }
        case 3:
            if (size > 0)
            {
                const int at = pick(0, size - 1), count = pick(1, size - at);
                array.RemoveAt(at, count);
                vector.erase(vector.begin() + at, vector.begin() + at + count);
            }
            break;
        case 4:
        {
            const int at = pick(0, size + 3);
            array.SetAtGrow(at, CString(value.c_str()));
            if (at >= size)
                vector.resize(size_t(at) + 1);
            vector[size_t(at)] = value;
            break;
        }
        case 5:
        {
            const int newSize = pick(0, size + 3);
            array.SetSize(newSize);
            vector.resize(size_t(newSize));
            break;
        }
        case 6:
        case 7:
        {
            const int key = pick(0, 300);
            map.SetAt(key, CString(value.c_str()));
            model[key] = value;
            break;
        }
        case 8:
        {
            const int key = pick(0, 300);
            ASSERT_EQ(map.RemoveKey(key), model.erase(key) == 1) << "step " << step;
            break;
        }
        default:
            if (pick(0, 200) == 0)
            {
                array.RemoveAll();
                vector.clear();
                map.RemoveAll();
                model.clear();
            }
            break;
        }
        ASSERT_EQ(array.GetSize(), INT_PTR(vector.size())) << "step " << step;
        if (!vector.empty())
        {
            const int at = pick(0, int(vector.size()) - 1);
            ASSERT_EQ(std::wstring(array[at].GetString()), vector[size_t(at)]) << "step " << step;
        }
        ASSERT_EQ(map.GetCount(), INT_PTR(model.size())) << "step " << step;
        CString found;
        const int key = pick(0, 300);
        ASSERT_EQ(map.Lookup(key, found), model.count(key) == 1) << "step " << step;
        if (model.count(key))
        {
            ASSERT_EQ(std::wstring(found.GetString()), model[key]) << "step " << step;
        }
    }
    // Walking the map visits every pair once.
    std::map<int, std::wstring> walked;
    for (POSITION position = map.GetStartPosition(); position;)
    {
        int key = 0;
        CString value;
        map.GetNextAssoc(position, key, value);
        EXPECT_TRUE(walked.emplace(key, value.GetString()).second) << key;
    }
    EXPECT_EQ(walked, model);
    for (int at = 0; at < int(vector.size()); ++at)
        ASSERT_EQ(std::wstring(array[at].GetString()), vector[size_t(at)]) << at;
}
