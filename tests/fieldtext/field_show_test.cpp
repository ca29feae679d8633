// CField::GetFieldString: the text of every data type code it knows, the
// reports of bad values and of unknown codes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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

class FieldShow : public qvtest::MessageBoxTest {};

struct ShowCase {
    int type, format;
    Bytes value;
    const wchar_t* text;
    const wchar_t* message;  // framework box shown, or null for none
};

void CheckShows(qvtest::MessageBoxCapture& boxes, const std::vector<ShowCase>& cases)
{
    for (const ShowCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.type << " format " << c.format << " expecting "
                                        << testing::PrintToString(std::wstring(c.text)));
        fieldtest::GuardedRecord record;
        record.Put(c.value);
        EXPECT_STREQ(c.text, CField::GetFieldString(record.Field(), c.type, c.format).GetString());
        EXPECT_TRUE(ShowedOne(boxes, c.message ? Box::Framework : Box::None, c.message ? c.message : L""));
        EXPECT_TRUE(record.Holds(c.value));  // reading changes nothing
    }
}

Bytes Time(int y, int mo, int d, int h, int mi = 0, int s = 0)
{
    return BytesOf<int64_t>(LocalToTime(y, mo, d, h, mi, s));
}

}  // namespace

TEST_F(FieldShow, NumbersAndFlags)
{
    CheckShows(boxes, {
        { 0, 0, TextBytes(L"王小明"), L"王小明", nullptr },
        { 0, 0, TextBytes(L""), L"", nullptr },
        { 1, 0, BytesOf<uint8_t>(5), L"05", nullptr },
        { 1, 0, BytesOf<uint8_t>(255), L"255", nullptr },
        { 1, 0, BytesOf<uint8_t>(0), L"", nullptr },
        { 31, 0, BytesOf<uint8_t>(5), L"5", nullptr },
        { 31, 0, BytesOf<uint8_t>(0), L"", nullptr },
        { 2, 2, BytesOf<float>(1.25f), L"1.25", nullptr },
        { 2, 0, BytesOf<float>(2.75f), L"3", nullptr },
        { 2, 3, BytesOf<float>(-0.5f), L"-0.500", nullptr },
        { 2, -4, BytesOf<float>(7.0f), L"7", nullptr },  // a negative format is no decimals
        { 2, 2, BytesOf<float>(0.0f), L"", nullptr },
        { 3, 2, BytesOf<double>(12.5), L"12.50", nullptr },
        { 3, 0, BytesOf<double>(-3.0), L"-3", nullptr },
        { 3, 2, BytesOf<double>(0.0), L"", nullptr },
        { 3, 1, BytesOf<double>(1e30), L"1000000000000000019884624838656.0", nullptr },
        { 3, 2, BytesOf<double>(2e30), L"******",
          L"雙精度浮點數錯誤 2000000000000000039769249677312.000000" },
        { 3, 2, BytesOf<double>(-2e30), L"******",
          L"雙精度浮點數錯誤 -2000000000000000039769249677312.000000" },
        { 20, 3, BytesOf<double>(2.5), L"2.5", nullptr },
        { 20, 2, BytesOf<double>(100.0), L"100", nullptr },
        { 20, 2, BytesOf<double>(12.5), L"12.5", nullptr },
        { 20, 2, BytesOf<double>(3.0), L"3", nullptr },
        { 20, 2, BytesOf<double>(-0.25), L"-0.25", nullptr },
        { 20, 0, BytesOf<double>(100.0), L"100", nullptr },
        { 20, 2, BytesOf<double>(0.001), L"0", nullptr },
        { 20, 2, BytesOf<double>(0.0), L"", nullptr },
        { 20, 2, BytesOf<double>(1e300), L"******", L"雙精度浮點數錯誤" },
        { 20, 2, BytesOf<double>(-1e300), L"******", L"雙精度浮點數錯誤" },
        { 20, 2, BytesOf<double>(std::numeric_limits<double>::quiet_NaN()), L"******", L"雙精度浮點數錯誤" },
        { 20, 2, BytesOf<double>(std::numeric_limits<double>::infinity()), L"******", L"雙精度浮點數錯誤" },
        { 11, 0, BytesOf<int32_t>(42), L"42", nullptr },
        { 11, 0, BytesOf<int32_t>(0), L"", nullptr },
        { 11, 0, BytesOf<int32_t>(-5), L"", nullptr },
        { 12, 0, BytesOf<int32_t>(2147483647), L"2147483647", nullptr },
        { 12, 0, BytesOf<int32_t>(-2147483647 - 1), L"", nullptr },
        { 25, 0, BytesOf<int32_t>(20210305), L"2021/03/05", nullptr },
        { 25, 0, BytesOf<int32_t>(0), L"", nullptr },
        { 25, 0, BytesOf<int32_t>(-20210305), L"", nullptr },
        { 29, 0, BytesOf<int32_t>(0), L"否", nullptr },
        { 29, 0, BytesOf<int32_t>(1), L"是", nullptr },
        { 29, 0, BytesOf<int32_t>(-7), L"是", nullptr },
        { 157, 3, BytesOf<uint32_t>(8), L"1", nullptr },
        { 157, 3, BytesOf<uint32_t>(7), L"0", nullptr },
        { 157, 0, BytesOf<uint32_t>(1), L"1", nullptr },
        { 157, 31, BytesOf<uint32_t>(0x80000000u), L"1", nullptr },
        { 157, 32, BytesOf<uint32_t>(0xFFFFFFFFu), L"0", nullptr },
        { 157, -1, BytesOf<uint32_t>(0xFFFFFFFFu), L"0", nullptr },
    });
}

TEST_F(FieldShow, DoubleNaNUnderCodeThreeIsReportedToo)
{
    fieldtest::GuardedRecord record;
    record.Put(BytesOf<double>(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_STREQ(L"******", CField::GetFieldString(record.Field(), 3, 2).GetString());
    ASSERT_EQ(1u, boxes.count());
    EXPECT_EQ(0u, boxes.last().text.find(L"雙精度浮點數錯誤 "));
    EXPECT_EQ(Box::Framework, datetest::KindOf(boxes.last()));
}

TEST_F(FieldShow, Durations)
{
    CheckShows(boxes, {
        { 7, 0, BytesOf<int64_t>(0), L"", nullptr },
        { 7, 0, BytesOf<int64_t>(-5400), L"-(01:30)", nullptr },
        { 7, 0, BytesOf<int64_t>(90000), L"25:00", nullptr },
        { 7, 0, BytesOf<int64_t>(59), L"00:00", nullptr },
        { 7, 0, BytesOf<int64_t>(3600 * 100 + 61), L"100:01", nullptr },
        { 7, 0, BytesOf<int64_t>(std::numeric_limits<int64_t>::min()), L"-(2562047788015215:30)", nullptr },
    });
}

TEST_F(FieldShow, TimeValues)
{
    const Bytes t = Time(2021, 3, 5, 7, 8, 9);
    const Bytes zero = BytesOf<int64_t>(0), negative = BytesOf<int64_t>(-60);
    CheckShows(boxes, {
        { 5, 0, t, L"07:08:09", nullptr },
        { 6, 0, t, L"07時08分", nullptr },
        { 8, 0, t, L"20210305", nullptr },
        { 9, 0, t, L"20210305 07時", nullptr },
        { 17, 0, t, L"2021/03/05", nullptr },
        { 34, 0, t, L"2021/03/05", nullptr },
        { 21, 0, t, L"2021年03月05日", nullptr },
        { 23, 0, t, L"2021年03月05日(五)", nullptr },
        { 35, 0, t, L"20210305", nullptr },
        { 35, 0, Time(2005, 1, 1, 4), L"2005", nullptr },
        { 35, 0, Time(2005, 2, 1, 6), L"200502", nullptr },
        { 35, 0, Time(2026, 3, 8, 0), L"20260308", nullptr },
        { 35, 0, Time(2026, 11, 1, 6), L"202611", nullptr },
        { 9, 0, Time(2026, 11, 1, 23), L"20261101 23時", nullptr },
        { 17, 0, Time(2099, 12, 31, 12), L"2099/12/31", nullptr },
        { 5, 0, zero, L"", nullptr },       { 6, 0, zero, L"", nullptr },  { 8, 0, zero, L"", nullptr },
        { 9, 0, zero, L"", nullptr },       { 17, 0, zero, L"", nullptr }, { 34, 0, zero, L"", nullptr },
        { 21, 0, zero, L"", nullptr },      { 23, 0, zero, L"", nullptr }, { 35, 0, zero, L"", nullptr },
        { 5, 0, negative, L"", nullptr },   { 8, 0, negative, L"", nullptr },
        { 35, 0, negative, L"", nullptr },  { 23, 0, negative, L"", nullptr },
        { 17, 0, negative, L"--time--", L"時間錯誤" },
        { 34, 0, negative, L"--time--", L"時間錯誤" },
    });
}

TEST_F(FieldShow, WeekdaysAndMonthNames)
{
    // 2026-03-08 is a Sunday.
    const wchar_t* const weekdays[7] = { L"日", L"一", L"二", L"三", L"四", L"五", L"六" };
    for (int i = 0; i < 7; ++i) {
        fieldtest::GuardedRecord record;
        record.Put(Time(2026, 3, 8 + i, 12));
        CString expected;
        expected.Format(L"2026年03月%02d日(%s)", 8 + i, weekdays[i]);
        EXPECT_EQ(expected, CField::GetFieldString(record.Field(), 23, 0));
    }
    const wchar_t* const months[12] = { L"一", L"二", L"三", L"四", L"五", L"六",
                                        L"七", L"八", L"九", L"十", L"十一", L"十二" };
    for (int month = 1; month <= 12; ++month) {
        fieldtest::GuardedRecord record;
        record.Put(Time(2026, month, 15, 12));
        EXPECT_STREQ(months[month - 1], CField::GetFieldString(record.Field(), 10, 0).GetString());
    }
    // Code 10 always gives a month: time 0 is in January 1970 or December 1969, by the zone.
    fieldtest::GuardedRecord record;
    record.Put(BytesOf<int64_t>(0));
    EXPECT_STREQ(months[datetest::TimeToLocal(0).wMonth - 1], CField::GetFieldString(record.Field(), 10, 0).GetString());
    EXPECT_TRUE(ShowedOne(boxes, Box::None, L""));
}

TEST_F(FieldShow, TimeStamps)
{
    const Bytes s = BytesOf(Stamp(2021, 3, 5, 7, 8, 9));
    const Bytes null = BytesOf(Stamp(0, 3, 5, 7, 8, 9));
    CheckShows(boxes, {
        { 13, 0, s, L"07:08:09", nullptr },
        { 14, 0, s, L"03/05", nullptr },
        { 15, 0, s, L"2021/03/05", nullptr },
        { 16, 0, s, L"2021/03/05 07:08:09", nullptr },
        { 18, 0, s, L"2021/03/05", nullptr },
        { 19, 0, s, L"2021/03", nullptr },
        { 36, 0, s, L"二零二一年三月五日", nullptr },
        { 13, 0, null, L"", nullptr }, { 14, 0, null, L"", nullptr }, { 15, 0, null, L"", nullptr },
        { 16, 0, null, L"", nullptr }, { 18, 0, null, L"", nullptr }, { 19, 0, null, L"", nullptr },
        { 36, 0, null, L"", nullptr },
        { 13, 0, BytesOf(Stamp(-3, 1, 1, 1, 2, 3)), L"01:02:03", nullptr },
        { 14, 0, BytesOf(Stamp(-3, 1, 1)), L"", nullptr },
        // Codes 18 and 19 show only a plausible stamp.
        { 18, 0, BytesOf(Stamp(1900, 1, 1)), L"1900/01/01", nullptr },
        { 18, 0, BytesOf(Stamp(1899, 12, 31)), L"", nullptr },
        { 18, 0, BytesOf(Stamp(2021, 13, 1)), L"", nullptr },
        { 18, 0, BytesOf(Stamp(2021, 1, 32)), L"", nullptr },
        { 18, 0, BytesOf(Stamp(2021, 1, 1, 25)), L"", nullptr },
        { 18, 0, BytesOf(Stamp(2021, 1, 1, 24)), L"2021/01/01", nullptr },
        { 19, 0, BytesOf(Stamp(9999, 12, 31)), L"9999/12", nullptr },
        { 19, 0, BytesOf(Stamp(2021, 13, 1)), L"", nullptr },
    });
}

TEST_F(FieldShow, ChineseNumeralDates)
{
    struct Case {
        TIMESTAMP_STRUCT stamp;
        const wchar_t* text;
    } cases[] = {
        { Stamp(2021, 12, 25), L"二零二一年十二月二十五日" },
        { Stamp(2005, 1, 5), L"二零零五年一月五日" },
        { Stamp(2005, 10, 10), L"二零零五年十月十日" },
        { Stamp(2005, 11, 15), L"二零零五年十一月十五日" },
        { Stamp(2005, 2, 19), L"二零零五年二月十九日" },
        { Stamp(2005, 2, 20), L"二零零五年二月二十日" },
        { Stamp(1999, 3, 31), L"一九九九年三月三十一日" },
        { Stamp(10, 7, 1), L"零零一零年七月一日" },
        { Stamp(0, 7, 1), L"" },
        // Parts out of range never read past a table.
        { Stamp(2021, 13, 0), L"二零二一年月日" },
        { Stamp(32767, 0, 100), L"二七六七年月零十日" },
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.text, CField::ToChinese(c.stamp).GetString());
        fieldtest::GuardedRecord record;
        record.Put(BytesOf(c.stamp));
        EXPECT_STREQ(c.text, CField::GetFieldString(record.Field(), 36, 0).GetString());
    }
}

TEST_F(FieldShow, CStringObjectsAndUnknownCodes)
{
    CString value(L"備註：複診");
    EXPECT_EQ(value, CField::GetFieldString(reinterpret_cast<char*>(&value), 39, 0));

    fieldtest::GuardedRecord record;
    record.Put(BytesOf<int64_t>(123456789));
    for (int code : { 4, 22, 24, 26, 27, 28, 30, 32, 33, 37, 38, 40, 128, 156, 158, -1 }) {
        CString expected;
        expected.Format(L"不認識的數據類型 %d", code);
        EXPECT_STREQ(L"", CField::GetFieldString(record.Field(), code, 0).GetString()) << code;
        EXPECT_TRUE(ShowedOne(boxes, Box::Framework, expected.GetString())) << code;
    }
}
