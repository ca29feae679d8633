// CField::TextToRecord: the value and the exact width written for every code
// it knows, the report of unknown codes, and texts far too long.
#include <gtest/gtest.h>
#include <string>
#include "../date/localtime_check.h"
#include "../date/which_box.h"
#include "field_bytes.h"

using namespace datetest;
using namespace fieldtest;

namespace
{

class FieldStore : public qvtest::MessageBoxTest
{
};

// A time is written as its low 32 bits into four bytes; the other four stay.
Bytes Time32(long long t)
{
    return U32(uint32_t(t));
}

Bytes LocalTime32(int y, int mo, int d, int h, int mi = 0, int s = 0)
{
    return Time32(LocalToTime(y, mo, d, h, mi, s));
}

}   // namespace

TEST_F(FieldStore, EveryCodeWritesItsValueAndNothingBeyondItsWidth)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::wstring tail(400, L'9');   // read from the first nineteen characters only
    const Bytes none32 = U32(0), noStamp = BytesOf(Stamp(0, 0, 0));
    struct Case
    {
        std::wstring text;
        int type;
        Bytes written;
    } cases[] = {
        // exactly the bytes written
        {L"王小明", 0, TextBytes(L"王小明")},
        {L"300", 1, U8(300 & 0xFF)},
        {L"abc", 31, U8(0)},
        {L"1.25", 2, F32(1.25f)},
        {L"-0.125", 20, F64(-0.125)},
        {L"1e300", 33, F64(1e300)},
        {L"99999999999", 12, I32(2147483647)},
        {L"07:08:09", 5, LocalTime32(now.wYear, 1, 1, 7, 8, 9)},
        {L"07時08分", 6, LocalTime32(now.wYear, now.wMonth, now.wDay, 7, 8)},
        {L"", 6, none32},
        {L"20260308", 30, LocalTime32(2026, 3, 8, 12)},
        {L"合計", 8, none32},
        {L"26.11.01,23:15", 9, LocalTime32(2026, 11, 1, 23, 15)},
        {L"2099/12/31", 17, LocalTime32(2099, 12, 31, 12)},   // past 2038: the low 32 bits
        {L"", 18, noStamp},
        {L"20210305", 18, BytesOf(Stamp(2021, 3, 5))},
        {L"2021/03", 19, BytesOf(Stamp(2021, 3, 1))},
        {L"2021/03/", 26, I32(20210301)},
        {L"2021/03", 26, I32(0)},   // not longer than 7 characters
        {L"00:00", 27, I32(2400)},
        {L"23:59", 27, I32(2359)},
        {L"2021/03/05", 28, I32(20210305)},
        {L"2021/03/5", 28, I32(0)},
        {L"是", 29, I32(1)},
        {L"1", 29, I32(0)},
        {L"合計", 35, none32},
        {L"200502", 35, LocalTime32(2005, 2, 1, 6)},
        {L"20261101", 35, LocalTime32(2026, 11, 1, 0)},
        {L"5", 157, I32(1)},
        {L"-3", 157, I32(0)},
        // Texts that do not match leave the unread parts zero: "2021/03" read as
        // %04d%02d%02d stops at "/", and letters give a time that cannot be built.
        {L"2021/03", 8, Time32(CTime(2021, 0, 0, 12, 0, 0).GetTime())},
        {L"abcdefgh", 17, Time32(-1)},
        {L"ab/cd/ef", 18, noStamp},
        // Overlong texts.
        {L"20210305" + tail, 8, LocalTime32(2021, 3, 5, 12)},
        {L"2021/03/05" + tail, 18, BytesOf(Stamp(2021, 3, 5))},
        {L"07:05" + tail, 27, I32(705)},
        {L"21.03.05,10:30" + tail, 9, LocalTime32(2021, 3, 5, 10, 30)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "code " << c.type << " text "
                                        << testing::PrintToString(c.text.substr(0, 20)));
        GuardedRecord record;
        record.Store(c.text, c.type);
        EXPECT_TRUE(record.Holds(c.written));
        EXPECT_TRUE(Showed(boxes, kNoBox));
    }
    // Texts of only digits: a fixed width never writes more than it may.
    for (int code : {5, 6, 8, 9, 17, 18, 19, 26, 27, 28, 30, 35})
    {
        GuardedRecord record;
        record.Store(std::wstring(500, L'8'), code);
        EXPECT_TRUE(record.FillOutside(code == 18 || code == 19 ? 16 : 4)) << "code " << code;
    }
    EXPECT_TRUE(Showed(boxes, kNoBox));
}

TEST_F(FieldStore, UnknownCodesAreReportedAndWriteNothing)
{
    for (int code : {4, 7, 36, 39, -1})
    {
        GuardedRecord record;
        record.Store(L"20210305", code);
        EXPECT_TRUE(record.Holds(Bytes())) << code;
        EXPECT_TRUE(Showed(boxes, AfxBox(L"Unknown data format"))) << code;
    }
}
