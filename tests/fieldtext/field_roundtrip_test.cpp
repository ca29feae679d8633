// Both directions of the conversion agree: for every code that both know, a
// range of values goes to text and back to the same record (or, where the
// text is what is kept, a text goes to a record and back to the same text).
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "../date/localtime_check.h"
#include "../date/which_box.h"
#include "field_bytes.h"

using namespace datetest;
using namespace fieldtest;

namespace
{

class FieldRoundTrip : public qvtest::MessageBoxTest
{
};

// The record bytes as they come back: a time field gets its low four bytes
// written over a record whose upper four are zero, as records start cleared.
Bytes StoredBack(const CString& text, int type, size_t width)
{
    std::vector<unsigned char> record(64, 0);
    CField::TextToRecord(text, type, 8, record.data());
    return Bytes(record.begin() + 8, record.begin() + 8 + width);
}

CString Shown(const Bytes& value, int type, int format)
{
    std::vector<unsigned char> record(64, 0);
    memcpy(record.data() + 8, value.data(), value.size());
    return CField::GetFieldString(reinterpret_cast<char*>(record.data() + 8), type, format);
}

// Years 1970 to 2099 at noon, among them both New York changes of clock.
std::vector<long long> NoonsToWalk()
{
    std::vector<long long> noons;
    for (int year = 1970; year <= 2099; year += 7)
        for (int month = 1; month <= 12; month += 5)
            noons.push_back(LocalToTime(year, month, 28 - month, 12));
    const int days[][2] = {{3, 7}, {3, 8}, {3, 9}, {10, 31}, {11, 1}, {11, 2}};
    for (const auto& day : days)
        noons.push_back(LocalToTime(2026, day[0], day[1], 12));
    noons.push_back(LocalToTime(2036, 12, 31, 12));
    noons.push_back(LocalToTime(2037, 1, 1, 12));
    return noons;
}

}   // namespace

TEST_F(FieldRoundTrip, RecordToTextAndBack)
{
    struct RecordFirst
    {
        int type, format;
        Bytes value;
    };
    std::vector<RecordFirst> cases;
    for (const wchar_t* text : {L"", L"身份證 A123456789"})
        cases.push_back({0, 0, TextBytes(text)});
    for (int n = 0; n <= 255; n += 15)
        for (int type : {1, 31})
            cases.push_back({type, 0, U8(uint8_t(n))});
    for (int n : {0, 9, 10, 2147483647})
        for (int type : {11, 12})
            cases.push_back({type, 0, I32(n)});
    for (float f : {0.0f, -3.5f, 1024.75f})
        cases.push_back({2, 2, F32(f)});
    for (double d : {0.0, -3.25, 100.0, 0.125, 1e29})
        for (int type : {3, 20})
            cases.push_back({type, 3, F64(d)});
    for (int flag : {0, 1})
    {
        cases.push_back({29, 0, I32(flag)});
        cases.push_back({157, 0, I32(flag)});   // bit 0: the bit written is the whole word
    }
    for (long long noon : NoonsToWalk())
    {
        cases.push_back({8, 0, I64(noon)});
        cases.push_back({17, 0, I64(noon)});
        SYSTEMTIME local = TimeToLocal(noon);
        cases.push_back({18, 0, BytesOf(Stamp(local.wYear, local.wMonth, local.wDay))});
        cases.push_back({19, 0, BytesOf(Stamp(local.wYear, local.wMonth, 1))});
        // 1970-01-01 at 04:00 or 00:00 lies before the epoch east of Greenwich: no such time.
        for (long long t : {LocalToTime(local.wYear, 1, 1, 4), LocalToTime(local.wYear, local.wMonth, 1, 6),
                            LocalToTime(local.wYear, local.wMonth, local.wDay, 0)})
            if (t > 0)
                cases.push_back({35, 0, I64(t)});
    }
    for (int type : {8, 17, 35})
        cases.push_back({type, 0, I64(0)});
    for (int type : {18, 19})
        cases.push_back({type, 0, BytesOf(Stamp(0, 0, 0))});
    for (const RecordFirst& c : cases)
    {
        CString text = Shown(c.value, c.type, c.format);
        SCOPED_TRACE(testing::Message() << "code " << c.type << " text "
                                        << testing::PrintToString(std::wstring(text.GetString())));
        EXPECT_TRUE(StoredBack(text, c.type, c.value.size()) == c.value);
    }
    EXPECT_TRUE(Showed(boxes, kNoBox));
}

TEST_F(FieldRoundTrip, TextToRecordAndBack)
{
    // Times of day and hours kept as texts: the record is rebuilt on a day of
    // the conversion's choosing, the text comes back the same.
    struct Case
    {
        int type;
        std::wstring text;
    };
    std::vector<Case> cases;
    for (int hour = 0; hour < 24; hour += 3)
    {
        wchar_t text[32];
        swprintf(text, 32, L"%02d:%02d:%02d", hour, hour * 2 + 1, 59 - hour);
        cases.push_back({5, text});
        swprintf(text, 32, L"%02d時%02d分", hour, 59 - hour * 2);
        cases.push_back({6, text});
    }
    const std::pair<int, std::vector<std::wstring>> texts[] = {
        {35, {L"2036", L"203612", L"20260308", L""}},
        {17, {L"1970/01/02", L"2037/12/31", L""}},
        {18, {L"1970/01/02", L"2037/12/31"}},
        {19, {L"1900/01", L"9999/12"}},
        {29, {L"是", L"否"}},
        {8, {L"20261101", L""}},
    };
    for (const auto& [type, list] : texts)
        for (const std::wstring& text : list)
            cases.push_back({type, text});
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "code " << c.type << " text " << testing::PrintToString(c.text));
        size_t width = c.type == 18 || c.type == 19 ? 16 : c.type == 29 ? 4 : 8;
        EXPECT_STREQ(c.text.c_str(), Shown(StoredBack(c.text.c_str(), c.type, width), c.type, 0).GetString());
    }
    // Code 9 is entered as "yy.mm.dd,hh:mm" and shown as "yyyymmdd hh時": the
    // two forms differ by design, but the date and hour entered are the ones shown.
    EXPECT_STREQ(L"20261101 23時", Shown(StoredBack(L"26.11.01,23:59", 9, 8), 9, 0).GetString());
    EXPECT_STREQ(L"", Shown(StoredBack(L"", 9, 8), 9, 0).GetString());
    EXPECT_TRUE(Showed(boxes, kNoBox));
}
