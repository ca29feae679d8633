// CTimeStamp: construction, conversions, calendar steps, age and order.
#include <gtest/gtest.h>
#include "control/timestamp.h"
#include "localtime_check.h"

using namespace datetest;

namespace
{

TIMESTAMP_STRUCT Out(const CTimeStamp& ts)
{
    TIMESTAMP_STRUCT s;
    ts.GetTime(s);
    return s;
}

}   // namespace

TEST(TimeStamp, ConstructionAndCopiesKeepAllSixteenBytes)
{
    EXPECT_TRUE(SameStamp(TIMESTAMP_STRUCT{}, Out(CTimeStamp())));
    const TIMESTAMP_STRUCT full = Stamp(2026, 3, 8, 1, 2, 3, 123456);
    CTimeStamp set;
    set.SetTime(full);
    EXPECT_TRUE(SameStamp(full, Out(set)));
    EXPECT_TRUE(SameStamp(Stamp(2026, 11, 1, 1, 30, 15), Out(CTimeStamp(COleDateTime(2026, 11, 1, 1, 30, 15)))));
    EXPECT_TRUE(SameStamp(Stamp(2026, 3, 8, 3, 30, 15), Out(CTimeStamp(CTime(LocalToTime(2026, 3, 8, 3, 30, 15))))));
}

TEST(TimeStamp, ConversionsToCTimeAndOle)
{
    const TIMESTAMP_STRUCT cases[] = {Stamp(2026, 3, 8, 12), Stamp(2026, 11, 1, 23, 59, 59)};
    for (const TIMESTAMP_STRUCT& s : cases)
    {
        SCOPED_TRACE(testing::Message() << s.year << "-" << s.month << "-" << s.day << " " << s.hour);
        CTimeStamp ts(s);
        CTime t, day;
        ts.GetTime(t);
        ts.GetDate(day);
        EXPECT_EQ(LocalToTime(s.year, s.month, s.day, s.hour, s.minute, s.second), t.GetTime());
        EXPECT_EQ(LocalToTime(s.year, s.month, s.day, 0), day.GetTime());
        COleDateTime ole;
        EXPECT_EQ(1, ts.GetTime(ole));
        EXPECT_EQ(COleDateTime(s.year, s.month, s.day, s.hour, s.minute, s.second), ole);
    }
    CTime none;
    CTimeStamp().GetTime(none);
    EXPECT_EQ(-1, none.GetTime());   // a null stamp is no time
}

TEST(TimeStamp, StepsWithinTheCalendar)
{
    CTimeStamp ts(Stamp(2026, 3, 8, 1, 2, 3, 99));
    EXPECT_EQ(0, ts.IsNull());
    EXPECT_EQ(1, CTimeStamp().IsNull());
    ts.Noon();
    EXPECT_TRUE(SameStamp(Stamp(2026, 3, 8, 12, 0, 0, 99), Out(ts)));
    ts.MonthFirstDay();
    EXPECT_TRUE(SameStamp(Stamp(2026, 3, 1, 12, 0, 0, 99), Out(ts)));
    ts.NextYear(-10);
    EXPECT_EQ(2016, Out(ts).year);
    CTimeStamp null;
    null.NextYear(5);
    EXPECT_EQ(1, null.IsNull());
    // NextDay: a stamp that is no date stays as it is and answers false.
    struct Case
    {
        TIMESTAMP_STRUCT from, to;
    } cases[] = {
        {Stamp(2020, 2, 28, 7), Stamp(2020, 2, 29, 7)},
        {Stamp(2021, 2, 28), Stamp(2021, 3, 1)},
        {Stamp(2100, 2, 28), Stamp(2100, 2, 29)},   // every fourth year
        {Stamp(2021, 12, 31), Stamp(2022, 1, 1)},
        {Stamp(2021, 1, 45), Stamp(2021, 2, 1)},
        {Stamp(0, 1, 1), Stamp(0, 1, 1)},
        {Stamp(2021, 13, 5), Stamp(2021, 13, 5)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.from.year << "-" << c.from.month << "-" << c.from.day);
        CTimeStamp step(c.from);
        EXPECT_EQ(!SameStamp(c.from, c.to), step.NextDay());
        EXPECT_TRUE(SameStamp(c.to, Out(step)));
    }
}

TEST(TimeStamp, NowAndAgeFollowTheClock)
{
    SYSTEMTIME before;
    GetLocalTime(&before);
    CTimeStamp ts(Stamp(1, 1, 1, 0, 0, 0, 4242));
    ts.Now();
    TIMESTAMP_STRUCT now = Out(ts);
    EXPECT_EQ(before.wYear, now.year);
    EXPECT_EQ(before.wMonth, now.month);
    EXPECT_EQ(4242u, now.fraction);   // kept
    int year = before.wYear, month = before.wMonth;
    EXPECT_EQ(10, CTimeStamp(Stamp(year - 10, month, 28)).GetAge());
    EXPECT_EQ(10, CTimeStamp(Stamp(year - 10, month, 1)).GetAge());   // days do not count
    if (month < 12)
    {
        EXPECT_EQ(9, CTimeStamp(Stamp(year - 10, month + 1, 1)).GetAge());
    }
    EXPECT_EQ(0, CTimeStamp(Stamp(year + 5, 1, 1)).GetAge());
    EXPECT_EQ(0, CTimeStamp(Stamp(year, 12, 31)).GetAge());
}

TEST(TimeStamp, LaterComparesPartByPart)
{
    const TIMESTAMP_STRUCT base = Stamp(2026, 3, 8, 12, 30, 30, 5);
    const TIMESTAMP_STRUCT later[] = {Stamp(2027, 1, 1), Stamp(2026, 3, 9), Stamp(2026, 3, 8, 12, 30, 31)};
    for (const TIMESTAMP_STRUCT& l : later)
    {
        EXPECT_EQ(1, CTimeStamp(l) > CTimeStamp(base));
        EXPECT_EQ(0, CTimeStamp(base) > CTimeStamp(l));
    }
    EXPECT_EQ(0, CTimeStamp(base) > CTimeStamp(base));
    EXPECT_EQ(0, CTimeStamp(base) > CTimeStamp(Stamp(2026, 3, 8, 12, 30, 30, 9)));   // fraction ignored
    EXPECT_EQ(1, CTimeStamp(base) > CTimeStamp(Stamp(-5, 12, 31)));
}
