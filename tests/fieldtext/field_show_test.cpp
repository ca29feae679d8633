// CField::GetFieldString: the text of every data type code it knows, the
// reports of bad values and of unknown codes.
#include <gtest/gtest.h>
#include <limits>
#include "../date/localtime_check.h"
#include "../date/which_box.h"
#include "field_bytes.h"

using namespace datetest;
using namespace fieldtest;

namespace
{

class FieldShow : public qvtest::MessageBoxTest
{
};

struct ShowCase
{
    int type, format;
    Bytes value;
    const wchar_t* text;
    const wchar_t* message = nullptr;   // the framework box shown, if any
};

void CheckShows(qvtest::MessageBoxCapture& boxes, const std::vector<ShowCase>& cases)
{
    for (const ShowCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "code " << c.type << " format " << c.format << " expecting "
                                        << testing::PrintToString(std::wstring(c.text)));
        GuardedRecord record(c.value);
        EXPECT_STREQ(c.text, record.Show(c.type, c.format).GetString());
        EXPECT_TRUE(Showed(boxes, c.message ? AfxBox(c.message) : kNoBox));
        EXPECT_TRUE(record.Holds(c.value));   // reading changes nothing
    }
}

Bytes Time(int y, int mo, int d, int h, int mi = 0, int s = 0)
{
    return I64(LocalToTime(y, mo, d, h, mi, s));
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

}   // namespace

TEST_F(FieldShow, NumbersFlagsAndDurations)
{
    const wchar_t* const bad = L"雙精度浮點數錯誤";
    CheckShows(boxes, {
                          {0, 0, TextBytes(L"王小明"), L"王小明"},
                          {1, 0, U8(5), L"05"},
                          {1, 0, U8(0), L""},
                          {31, 0, U8(5), L"5"},
                          {2, 0, F32(2.75f), L"3"},
                          {2, -4, F32(7.0f), L"7"},   // a negative format is no decimals
                          {2, 2, F32(0.0f), L""},
                          {3, 2, F64(12.5), L"12.50"},
                          {3, 1, F64(1e30), L"1000000000000000019884624838656.0"},
                          {3, 2, F64(-2e30), L"******", L"雙精度浮點數錯誤 -2000000000000000039769249677312.000000"},
                          {20, 2, F64(12.5), L"12.5"},
                          {20, 2, F64(100.0), L"100"},
                          {20, 2, F64(0.001), L"0"},
                          {20, 2, F64(1e300), L"******", bad},
                          {20, 2, F64(kNaN), L"******", bad},
                          {11, 0, I32(-5), L""},
                          {12, 0, I32(2147483647), L"2147483647"},
                          {25, 0, I32(20210305), L"2021/03/05"},
                          {25, 0, I32(-20210305), L""},
                          {29, 0, I32(0), L"否"},
                          {29, 0, I32(-7), L"是"},
                          {157, 3, U32(8), L"1"},
                          {157, 3, U32(7), L"0"},
                          {157, 32, U32(0xFFFFFFFFu), L"0"},
                          {7, 0, I64(-5400), L"-(01:30)"},
                          {7, 0, I64(3600 * 100 + 61), L"100:01"},
                          {7, 0, I64(std::numeric_limits<int64_t>::min()), L"-(2562047788015215:30)"},
                      });
    // A NaN under code 3 is reported too, with whatever text the runtime gives it.
    EXPECT_STREQ(L"******", GuardedRecord(F64(kNaN)).Show(3, 2).GetString());
    ASSERT_EQ(1u, boxes.count());
    EXPECT_EQ(0u, boxes.last().text.find(L"雙精度浮點數錯誤 "));
    EXPECT_EQ(Box::Framework, KindOf(boxes.last()));
}

TEST_F(FieldShow, TimeValues)
{
    const Bytes t = Time(2021, 3, 5, 7, 8, 9), zero = I64(0), negative = I64(-60);
    CheckShows(boxes, {
                          {5, 0, t, L"07:08:09"},
                          {6, 0, t, L"07時08分"},
                          {8, 0, t, L"20210305"},
                          {9, 0, t, L"20210305 07時"},
                          {17, 0, t, L"2021/03/05"},
                          {34, 0, t, L"2021/03/05"},
                          {21, 0, t, L"2021年03月05日"},
                          {23, 0, t, L"2021年03月05日(五)"},
                          {35, 0, t, L"20210305"},
                          {35, 0, Time(2005, 1, 1, 4), L"2005"},
                          {35, 0, Time(2026, 11, 1, 6), L"202611"},
                          {17, 0, Time(2099, 12, 31, 12), L"2099/12/31"},
                          {17, 0, negative, L"--time--", L"時間錯誤"},
                          {34, 0, negative, L"--time--", L"時間錯誤"},
                      });
    // Time 0 is no time for any of the codes; a negative one for most.
    std::vector<ShowCase> empty;
    for (int code : {5, 6, 8, 9, 17, 34, 21, 23, 35})
        empty.push_back({code, 0, zero, L""});
    for (int code : {5, 8, 35, 23})
        empty.push_back({code, 0, negative, L""});
    CheckShows(boxes, empty);
}

TEST_F(FieldShow, WeekdaysAndMonthNames)
{
    // 2026-03-08 is a Sunday: each day of that week with its name.
    const wchar_t* const week[7] = {L"2026年03月08日(日)", L"2026年03月09日(一)", L"2026年03月10日(二)",
                                    L"2026年03月11日(三)", L"2026年03月12日(四)", L"2026年03月13日(五)",
                                    L"2026年03月14日(六)"};
    for (int i = 0; i < 7; ++i)
        EXPECT_STREQ(week[i], GuardedRecord(Time(2026, 3, 8 + i, 12)).Show(23, 0).GetString());
    const wchar_t* const months[12] = {L"一", L"二", L"三", L"四", L"五",   L"六",
                                       L"七", L"八", L"九", L"十", L"十一", L"十二"};
    for (int month = 1; month <= 12; ++month)
        EXPECT_STREQ(months[month - 1], GuardedRecord(Time(2026, month, 15, 12)).Show(10, 0).GetString());
    // Code 10 always gives a month: time 0 is in January 1970 or December 1969, by the zone.
    EXPECT_STREQ(months[TimeToLocal(0).wMonth - 1], GuardedRecord(I64(0)).Show(10, 0).GetString());
    EXPECT_TRUE(Showed(boxes, kNoBox));
}

TEST_F(FieldShow, TimeStamps)
{
    const Bytes s = BytesOf(Stamp(2021, 3, 5, 7, 8, 9)), null = BytesOf(Stamp(0, 3, 5, 7, 8, 9));
    CheckShows(boxes, {
                          {13, 0, s, L"07:08:09"},
                          {14, 0, s, L"03/05"},
                          {15, 0, s, L"2021/03/05"},
                          {16, 0, s, L"2021/03/05 07:08:09"},
                          {18, 0, s, L"2021/03/05"},
                          {19, 0, s, L"2021/03"},
                          {13, 0, BytesOf(Stamp(-3, 1, 1, 1, 2, 3)), L"01:02:03"},
                          {14, 0, BytesOf(Stamp(-3, 1, 1)), L""},
                          // Codes 18 and 19 show only a plausible stamp.
                          {18, 0, BytesOf(Stamp(1900, 1, 1)), L"1900/01/01"},
                          {18, 0, BytesOf(Stamp(1899, 12, 31)), L""},
                          {18, 0, BytesOf(Stamp(2021, 1, 32)), L""},
                          {18, 0, BytesOf(Stamp(2021, 1, 1, 25)), L""},
                          {19, 0, BytesOf(Stamp(9999, 12, 31)), L"9999/12"},
                          {19, 0, BytesOf(Stamp(2021, 13, 1)), L""},
                      });
    // A stamp of year 0 is a null stamp: no text for any code.
    std::vector<ShowCase> nulls;
    for (int code : {13, 14, 15, 16, 18, 19, 36})
        nulls.push_back({code, 0, null, L""});
    CheckShows(boxes, nulls);
}

TEST_F(FieldShow, ChineseNumeralDates)
{
    struct Case
    {
        TIMESTAMP_STRUCT stamp;
        const wchar_t* text;
    } cases[] = {
        {Stamp(2021, 12, 25), L"二零二一年十二月二十五日"},
        {Stamp(2005, 10, 10), L"二零零五年十月十日"},
        {Stamp(2005, 11, 15), L"二零零五年十一月十五日"},
        {Stamp(10, 7, 1), L"零零一零年七月一日"},
        {Stamp(0, 7, 1), L""},
        // Parts out of range never read past a table.
        {Stamp(2021, 13, 0), L"二零二一年月日"},
        {Stamp(32767, 0, 100), L"二七六七年月零十日"},
    };
    for (const Case& c : cases)
    {
        EXPECT_STREQ(c.text, CField::ToChinese(c.stamp).GetString());
        EXPECT_STREQ(c.text, GuardedRecord(BytesOf(c.stamp)).Show(36, 0).GetString());
    }
}

TEST_F(FieldShow, CStringObjectsAndUnknownCodes)
{
    CString value(L"備註：複診");
    EXPECT_EQ(value, CField::GetFieldString(reinterpret_cast<char*>(&value), 39, 0));
    GuardedRecord record(I64(123456789));
    for (int code : {4, 40, 156, 158, -1})
    {
        CString expected;
        expected.Format(L"不認識的數據類型 %d", code);
        EXPECT_STREQ(L"", record.Show(code, 0).GetString()) << code;
        EXPECT_TRUE(Showed(boxes, AfxBox(expected.GetString()))) << code;
    }
}
