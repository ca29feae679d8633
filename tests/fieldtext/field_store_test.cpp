// CField::TextToRecord: the value and the exact width written for every code
// it knows, the report of unknown codes, and texts far too long.
#include <gtest/gtest.h>

#include <string>

#include "../date/localtime_check.h"
#include "../date/which_box.h"
#include "common/field.h"
#include "field_bytes.h"

using datetest::Box;
using datetest::LocalToTime;
using datetest::ShowedOne;
using fieldtest::Bytes;
using fieldtest::BytesOf;
using fieldtest::Stamp;
using fieldtest::TextBytes;

namespace {

class FieldStore : public qvtest::MessageBoxTest {};

// A time is written as its low 32 bits into four bytes; the other four stay.
Bytes Time32(long long t)
{
    return BytesOf<uint32_t>(uint32_t(t));
}

Bytes LocalTime32(int y, int mo, int d, int h, int mi = 0, int s = 0)
{
    return Time32(LocalToTime(y, mo, d, h, mi, s));
}

struct StoreCase {
    std::wstring text;
    int type;
    Bytes written;  // exactly the bytes written from the field's start
};

}  // namespace

TEST_F(FieldStore, EveryCodeWritesItsValueAndNothingBeyondItsWidth)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    const StoreCase cases[] = {
        { L"王小明", 0, TextBytes(L"王小明") },
        { L"", 32, TextBytes(L"") },
        { L"7", 1, BytesOf<uint8_t>(7) },
        { L"300", 1, BytesOf<uint8_t>(300 & 0xFF) },
        { L"abc", 31, BytesOf<uint8_t>(0) },
        { L"12", 31, BytesOf<uint8_t>(12) },
        { L"1.25", 2, BytesOf<float>(1.25f) },
        { L"", 2, BytesOf<float>(0.0f) },
        { L"12.5", 3, BytesOf<double>(12.5) },
        { L"-0.125", 20, BytesOf<double>(-0.125) },
        { L"1e300", 33, BytesOf<double>(1e300) },
        { L"-42", 11, BytesOf<int32_t>(-42) },
        { L"99999999999", 12, BytesOf<int32_t>(2147483647) },
        { L"x", 12, BytesOf<int32_t>(0) },
        { L"07:08:09", 5, LocalTime32(now.wYear, 1, 1, 7, 8, 9) },
        { L"07時08分", 6, LocalTime32(now.wYear, now.wMonth, now.wDay, 7, 8) },
        { L"", 6, BytesOf<uint32_t>(0) },
        { L"20210305", 8, LocalTime32(2021, 3, 5, 12) },
        { L"20260308", 30, LocalTime32(2026, 3, 8, 12) },
        { L"合計", 8, BytesOf<uint32_t>(0) },
        { L"合計", 30, BytesOf<uint32_t>(0) },
        { L"", 8, BytesOf<uint32_t>(0) },
        { L"21.03.05,10:30", 9, LocalTime32(2021, 3, 5, 10, 30) },
        { L"26.11.01,23:15", 9, LocalTime32(2026, 11, 1, 23, 15) },
        { L"", 9, BytesOf<uint32_t>(0) },
        { L"2021/03/05", 17, LocalTime32(2021, 3, 5, 12) },
        { L"2099/12/31", 17, LocalTime32(2099, 12, 31, 12) },  // past 2038: the low 32 bits
        { L"", 17, BytesOf<uint32_t>(0) },
        { L"2021/03/05", 18, BytesOf(Stamp(2021, 3, 5)) },
        { L"20210305", 18, BytesOf(Stamp(2021, 3, 5)) },
        { L"", 18, BytesOf(Stamp(0, 0, 0)) },
        { L"2021/03", 19, BytesOf(Stamp(2021, 3, 1)) },
        { L"", 19, BytesOf(Stamp(0, 0, 0)) },
        { L"2021/03/05", 26, BytesOf<int32_t>(20210301) },
        { L"2021/03/", 26, BytesOf<int32_t>(20210301) },
        { L"2021/03", 26, BytesOf<int32_t>(0) },  // not longer than 7 characters
        { L"00:00", 27, BytesOf<int32_t>(2400) },
        { L"07:05", 27, BytesOf<int32_t>(705) },
        { L"23:59", 27, BytesOf<int32_t>(2359) },
        { L"", 27, BytesOf<int32_t>(0) },
        { L"2021/03/05", 28, BytesOf<int32_t>(20210305) },
        { L"2021/03/5", 28, BytesOf<int32_t>(0) },
        { L"是", 29, BytesOf<int32_t>(1) },
        { L"否", 29, BytesOf<int32_t>(0) },
        { L"1", 29, BytesOf<int32_t>(0) },
        { L"", 35, BytesOf<uint32_t>(0) },
        { L"合計", 35, BytesOf<uint32_t>(0) },
        { L"2005", 35, LocalTime32(2005, 1, 1, 4) },
        { L"200502", 35, LocalTime32(2005, 2, 1, 6) },
        { L"20050228", 35, LocalTime32(2005, 2, 28, 0) },
        { L"20261101", 35, LocalTime32(2026, 11, 1, 0) },
        { L"是", 157, BytesOf<int32_t>(1) },
        { L"5", 157, BytesOf<int32_t>(1) },
        { L"0", 157, BytesOf<int32_t>(0) },
        { L"-3", 157, BytesOf<int32_t>(0) },
        { L"否", 157, BytesOf<int32_t>(0) },
    };
    for (const StoreCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.type << " text " << testing::PrintToString(c.text));
        fieldtest::GuardedRecord record;
        CField::TextToRecord(c.text.c_str(), c.type, fieldtest::GuardedRecord::kOffset, record.bytes);
        EXPECT_TRUE(record.Holds(c.written));
        EXPECT_TRUE(ShowedOne(boxes, Box::None, L""));
    }
}

TEST_F(FieldStore, TextsThatDoNotMatchLeaveTheUnreadPartsZero)
{
    // "2021/03" read as %04d%02d%02d: 2021, then "/" stops the reading: month
    // and day stay 0, and the time is whatever CTime makes of 2021-00-00.
    fieldtest::GuardedRecord record;
    CField::TextToRecord(L"2021/03", 8, fieldtest::GuardedRecord::kOffset, record.bytes);
    EXPECT_TRUE(record.Holds(Time32(CTime(2021, 0, 0, 12, 0, 0).GetTime())));
    // Letters where digits belong: no year at all, a time that cannot be built (-1).
    fieldtest::GuardedRecord letters;
    CField::TextToRecord(L"abcdefgh", 17, fieldtest::GuardedRecord::kOffset, letters.bytes);
    EXPECT_TRUE(letters.Holds(Time32(-1)));
    fieldtest::GuardedRecord stamp;
    CField::TextToRecord(L"ab/cd/ef", 18, fieldtest::GuardedRecord::kOffset, stamp.bytes);
    EXPECT_TRUE(stamp.Holds(BytesOf(Stamp(0, 0, 0))));
    EXPECT_TRUE(ShowedOne(boxes, Box::None, L""));
}

TEST_F(FieldStore, UnknownCodesAreReportedAndWriteNothing)
{
    for (int code : { 4, 7, 10, 13, 14, 15, 16, 21, 22, 23, 24, 25, 34, 36, 39, 128, -1 }) {
        fieldtest::GuardedRecord record;
        CField::TextToRecord(L"20210305", code, fieldtest::GuardedRecord::kOffset, record.bytes);
        EXPECT_TRUE(record.Untouched()) << code;
        EXPECT_TRUE(ShowedOne(boxes, Box::Framework, L"Unknown data format")) << code;
    }
}

TEST_F(FieldStore, OverlongTextsAreReadFromTheirFirstNineteenCharacters)
{
    const std::wstring tail(400, L'9');
    struct Case {
        std::wstring text;
        int type;
        Bytes written;
    } cases[] = {
        { L"20210305" + tail, 8, LocalTime32(2021, 3, 5, 12) },
        { L"20210305" + tail, 30, LocalTime32(2021, 3, 5, 12) },
        { L"2021/03/05" + tail, 17, LocalTime32(2021, 3, 5, 12) },
        { L"2021/03/05" + tail, 18, BytesOf(Stamp(2021, 3, 5)) },
        { L"2021/03" + tail, 19, BytesOf(Stamp(2021, 3, 1)) },
        { L"21.03.05,10:30" + tail, 9, LocalTime32(2021, 3, 5, 10, 30) },
        { L"07:05" + tail, 27, BytesOf<int32_t>(705) },
        { L"2021/03/05" + tail, 28, BytesOf<int32_t>(20210305) },
        { L"2021/03/05" + tail, 26, BytesOf<int32_t>(20210301) },
        { L"20050228" + tail, 35, LocalTime32(2005, 2, 28, 0) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.type);
        fieldtest::GuardedRecord record;
        CField::TextToRecord(c.text.c_str(), c.type, fieldtest::GuardedRecord::kOffset, record.bytes);
        EXPECT_TRUE(record.Holds(c.written));
    }
    // Texts of only digits: a fixed width never reads more than it may.
    for (int code : { 5, 6, 8, 9, 17, 18, 19, 26, 27, 28, 30, 35 }) {
        fieldtest::GuardedRecord record;
        CField::TextToRecord(std::wstring(500, L'8').c_str(), code, fieldtest::GuardedRecord::kOffset,
                             record.bytes);
        const int width = code == 18 || code == 19 ? 16 : 4;
        for (int i = 0; i < fieldtest::GuardedRecord::kSize; ++i) {
            bool inField = i >= fieldtest::GuardedRecord::kOffset && i < fieldtest::GuardedRecord::kOffset + width;
            if (!inField) {
                EXPECT_EQ(fieldtest::GuardedRecord::kFill, record.bytes[i]) << "code " << code << " byte " << i;
            }
        }
    }
    EXPECT_TRUE(ShowedOne(boxes, Box::None, L""));
}
