// Building and moving times, checked against the local zone in effect: the
// suite runs under Taipei (no daylight saving) and again under New York,
// where 2026-03-08 and 2026-11-01 change the clock at 02:00.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cdate.h"
#include "localtime_check.h"
#include "which_box.h"

using datetest::Box;
using datetest::BuiltTime;
using datetest::LocalToTime;
using datetest::ShowedOne;

namespace {

class DateMoves : public qvtest::MessageBoxTest {};

struct LocalMoment {
    int year, month, day, hour, minute;
};

// Around both changes of clock in New York, plus ordinary and edge days.
const LocalMoment kMoments[] = {
    { 2026, 3, 7, 23, 59 }, { 2026, 3, 8, 0, 0 },   { 2026, 3, 8, 1, 30 }, { 2026, 3, 8, 3, 30 },
    { 2026, 3, 8, 12, 0 },  { 2026, 3, 8, 23, 59 }, { 2026, 3, 9, 0, 30 }, { 2026, 10, 31, 23, 0 },
    { 2026, 11, 1, 0, 0 },  { 2026, 11, 1, 1, 30 }, { 2026, 11, 1, 4, 0 }, { 2026, 11, 1, 6, 0 },
    { 2026, 11, 1, 23, 0 }, { 2026, 11, 2, 0, 0 },  { 2020, 2, 29, 17, 45 }, { 2036, 12, 31, 23, 59 },
    { 1970, 1, 2, 0, 0 },   { 2037, 6, 15, 10, 0 },
};

}  // namespace

TEST(DateZone, TheRunIsInTheZoneItWasStartedIn)
{
    // The second run sets TZ=America/New_York: it must really change clocks,
    // or every expectation below would quietly be Taipei's again.
    wchar_t zone[64] = L"";
    GetEnvironmentVariableW(L"TZ", zone, 64);
    bool bNewYork = std::wstring(zone).find(L"New_York") != std::wstring::npos;
    EXPECT_EQ(bNewYork, datetest::ZoneHasDaylightSaving()) << "TZ=" << testing::PrintToString(std::wstring(zone));
}

TEST_F(DateMoves, FixedHoursLandOnTheWallClockHourOfTheSameDay)
{
    for (const LocalMoment& m : kMoments) {
        SCOPED_TRACE(testing::Message() << m.year << "-" << m.month << "-" << m.day << " " << m.hour << ":"
                                        << m.minute);
        CTime t(LocalToTime(m.year, m.month, m.day, m.hour, m.minute));
        EXPECT_EQ(BuiltTime(m.year, m.month, m.day, 0), CDate::ZeroHour(t).GetTime());
        EXPECT_EQ(BuiltTime(m.year, m.month, m.day, 0), CDate::GetDate(t).GetTime());
        EXPECT_EQ(BuiltTime(m.year, m.month, m.day, 12), CDate::NoonHour(t).GetTime());
        EXPECT_EQ(BuiltTime(m.year, m.month, m.day, 12), CDate::NoonHour(t.GetTime()).GetTime());
        EXPECT_EQ(BuiltTime(m.year, m.month, m.day, 8), CDate::EightHour(t).GetTime());
        EXPECT_EQ(BuiltTime(m.year, m.month, m.day, 7), CDate::SevenHour(t).GetTime());
        EXPECT_EQ(12, CDate::NoonHour(t).GetHour());
        EXPECT_EQ(0, CDate::ZeroHour(t).GetHour());
    }
    // On the spring day New York's noon lies 11 hours after midnight.
    long long dayLength = CDate::NoonHour(CTime(LocalToTime(2026, 3, 8, 15))).GetTime() -
                          CDate::ZeroHour(CTime(LocalToTime(2026, 3, 8, 15))).GetTime();
    EXPECT_EQ(datetest::ZoneHasDaylightSaving() ? 11 * 3600 : 12 * 3600, dayLength);
    EXPECT_EQ(0, CDate::ZeroHour(CTime(0)).GetTime());  // a zero time stays zero
}

TEST_F(DateMoves, NextMonthAndLastMonthGoToTheFirstAtMidnight)
{
    struct Case {
        LocalMoment from;
        int nextYear, nextMonth, lastYear, lastMonth;
    } cases[] = {
        { { 2026, 2, 15, 9, 0 }, 2026, 3, 2026, 1 },
        { { 2026, 3, 8, 12, 0 }, 2026, 4, 2026, 2 },
        { { 2026, 3, 31, 23, 0 }, 2026, 4, 2026, 2 },
        { { 2026, 4, 10, 0, 0 }, 2026, 5, 2026, 3 },
        { { 2026, 10, 31, 23, 30 }, 2026, 11, 2026, 9 },
        { { 2026, 11, 1, 1, 30 }, 2026, 12, 2026, 10 },
        { { 2026, 11, 15, 6, 0 }, 2026, 12, 2026, 10 },
        { { 2026, 12, 31, 23, 59 }, 2027, 1, 2026, 11 },
        { { 2027, 1, 1, 0, 0 }, 2027, 2, 2026, 12 },
        { { 2036, 12, 5, 0, 0 }, 2037, 1, 2036, 11 },
    };
    for (const Case& c : cases) {
        const LocalMoment& m = c.from;
        SCOPED_TRACE(testing::Message() << m.year << "-" << m.month << "-" << m.day << " " << m.hour);
        CTime t(LocalToTime(m.year, m.month, m.day, m.hour, m.minute));
        EXPECT_EQ(LocalToTime(c.nextYear, c.nextMonth, 1, 0), CDate::NextMonth(t).GetTime());
        EXPECT_EQ(LocalToTime(c.lastYear, c.lastMonth, 1, 0), CDate::LastMonth(t).GetTime());
        EXPECT_TRUE(ShowedOne(boxes, Box::None, L""));
    }
}

TEST_F(DateMoves, LastMonthRefusesToGoBefore1970)
{
    CTime mid(LocalToTime(1970, 1, 15, 0));
    EXPECT_EQ(mid, CDate::LastMonth(mid));
    EXPECT_TRUE(ShowedOne(boxes, Box::Framework, L"月份設定錯誤"));

    // 1970-01-01 00:00 exists as a time only west of Greenwich (New York, not Taipei).
    CTime february(LocalToTime(1970, 2, 10, 12));
    long long january = LocalToTime(1970, 1, 1, 0);
    if (january >= 0) {
        EXPECT_EQ(january, CDate::LastMonth(february).GetTime());
        EXPECT_TRUE(ShowedOne(boxes, Box::None, L""));
    } else {
        EXPECT_EQ(february, CDate::LastMonth(february));
        EXPECT_TRUE(ShowedOne(boxes, Box::Framework, L"月份設定錯誤"));
    }
}

TEST_F(DateMoves, SameDayComparesLocalCalendarDays)
{
    long long fallBack = LocalToTime(2026, 11, 1, 1, 30);
    struct Case {
        long long t1, t2;
        int same;
    } cases[] = {
        { LocalToTime(2026, 3, 8, 0, 0), LocalToTime(2026, 3, 8, 23, 59), 1 },
        { LocalToTime(2026, 3, 8, 0, 0), LocalToTime(2026, 3, 8, 3, 1), 1 },
        { LocalToTime(2026, 3, 7, 23, 59), LocalToTime(2026, 3, 8, 0, 0), 0 },
        { LocalToTime(2026, 3, 8, 23, 59), LocalToTime(2026, 3, 9, 0, 0), 0 },
        { LocalToTime(2026, 11, 1, 0, 0), LocalToTime(2026, 11, 1, 23, 59), 1 },
        // The hour that New York lives twice: both are 1 November.
        { fallBack, fallBack + 3600, 1 },
        { LocalToTime(2026, 10, 31, 23, 59), LocalToTime(2026, 11, 1, 0, 0), 0 },
        { LocalToTime(2026, 11, 1, 23, 59), LocalToTime(2026, 11, 2, 0, 0), 0 },
        { LocalToTime(2020, 2, 29, 12), LocalToTime(2021, 2, 28, 12), 0 },
        // Times outside CTime's range fall on no day.
        { -5, -5, 0 },
        { -86400, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.t1 << " " << c.t2);
        EXPECT_EQ(c.same, CDate::IsSameDay(c.t1, c.t2));
        EXPECT_EQ(c.same, CDate::IsSameDay(c.t2, c.t1));
    }
    long long now = CTime::GetCurrentTime().GetTime();
    EXPECT_EQ(1, CDate::IsToday(now));
    EXPECT_EQ(0, CDate::IsToday(now - 2 * 86400));
    EXPECT_EQ(0, CDate::IsToday(now + 2 * 86400));
    EXPECT_EQ(0, CDate::IsToday(-1));
}

TEST_F(DateMoves, ConversionsBetweenCTimeOleAndStamps)
{
    COleDateTime ole(2026, 3, 8, 15, 30, 20);
    EXPECT_EQ(LocalToTime(2026, 3, 8, 15, 30, 20), CDate::ToCTime(ole).GetTime());
    EXPECT_EQ(LocalToTime(2026, 3, 8, 0), CDate::ToCTimeDay(ole).GetTime());
    COleDateTime bad;
    bad.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(-1, CDate::ToCTime(bad).GetTime());

    TIMESTAMP_STRUCT stamp = { 1, 2, 3, 4, 5, 6, 77 };
    CDate::TimeToTimeStamp(CTime(LocalToTime(2026, 11, 1, 23, 4, 5)), &stamp);
    EXPECT_EQ(2026, stamp.year);
    EXPECT_EQ(11, stamp.month);
    EXPECT_EQ(1, stamp.day);
    EXPECT_EQ(23, stamp.hour);
    EXPECT_EQ(4, stamp.minute);
    EXPECT_EQ(5, stamp.second);
    EXPECT_EQ(77u, stamp.fraction);  // the fraction is not touched

    stamp = { 1, 2, 3, 4, 5, 6, 77 };
    EXPECT_EQ(1, CDate::OleToTimeStamp(ole, &stamp));
    EXPECT_EQ(2026, stamp.year);
    EXPECT_EQ(3, stamp.month);
    EXPECT_EQ(8, stamp.day);
    EXPECT_EQ(4, stamp.hour);
    EXPECT_EQ(5, stamp.minute);
    EXPECT_EQ(6, stamp.second);
}

TEST_F(DateMoves, String2TSReadsBetweenTheSlashes)
{
    std::wstring longText(500, L'7');
    struct Case {
        std::wstring text;
        int year, month, day;  // day -1: not compared
    } cases[] = {
        { L"2021/3/5", 2021, 3, 5 },
        { L"2021/03/05", 2021, 3, 5 },
        { L"1/2/3", 1, 2, 3 },
        { L"2021/03", 2021, 3, 0 },
        { L"2021", 2021, 0, 0 },
        { L"abc/de/f", 0, 0, 0 },
        { L"", 0, 0, 0 },
        { L"2021/03/" + longText, 2021, 3, -1 },  // a huge day is cut to 16 bits, nothing overruns
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text " << testing::PrintToString(c.text.substr(0, 20)));
        TIMESTAMP_STRUCT stamp = { 9, 9, 9, 9, 9, 9, 9 };
        EXPECT_EQ(1, CDate::String2TS(c.text.c_str(), &stamp));
        EXPECT_EQ(c.year, stamp.year);
        EXPECT_EQ(c.month, stamp.month);
        if (c.day >= 0) {
            EXPECT_EQ(c.day, stamp.day);
        }
        EXPECT_EQ(9, stamp.hour);
        EXPECT_EQ(9u, stamp.fraction);
    }
}

TEST_F(DateMoves, ToTimeReadsEightDigitsAndRepairsWhatItCan)
{
    struct Case {
        const wchar_t* text;
        int year, month, day;
        std::vector<std::wstring> messages;
    } cases[] = {
        { L"20210305", 2021, 3, 5, {} },
        { L"18991231", 1990, 12, 31, {} },  // 1990, not 1900
        { L"00000101", 1990, 1, 1, {} },
        { L"19000101", 1900, 1, 1, {} },  // kept: 1900 is not below 1900
        { L"20211305", 2021, 1, 5, { L"月份設定錯誤" } },
        { L"20210005", 2021, 1, 5, { L"月份設定錯誤" } },
        { L"20210300", 2021, 3, 1, { L"日期設定錯誤" } },
        { L"2021", 2021, 1, 1, { L"月份設定錯誤", L"日期設定錯誤" } },
        { L"", 1990, 1, 1, { L"月份設定錯誤", L"日期設定錯誤" } },
        { L"2021ab05", 2021, 1, 5, { L"月份設定錯誤" } },
        { L"20260308", 2026, 3, 8, {} },
        { L"20261101", 2026, 11, 1, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text " << testing::PrintToString(std::wstring(c.text)));
        std::wstring copy = c.text;
        CTime t;
        CDate::ToTime(copy.data(), t);
        EXPECT_EQ(BuiltTime(c.year, c.month, c.day, 0), t.GetTime());
        EXPECT_TRUE(qvtest::ShowedMessageBoxes(boxes, c.messages));
        for (const qvtest::CapturedMessageBox& box : boxes.boxes())
            EXPECT_EQ(Box::Framework, datetest::KindOf(box));
        boxes.clear();
        EXPECT_EQ(t, CDate::ToTime(copy.data()));
        boxes.clear();
    }
    // Day 32 is not below 1: the time built from it is 1 April.
    wchar_t overlong[] = L"20210332";
    EXPECT_EQ(LocalToTime(2021, 4, 1, 0), CDate::ToTime(overlong).GetTime());
    EXPECT_TRUE(ShowedOne(boxes, Box::None, L""));
    std::wstring longText(400, L'1');
    CTime t = CDate::ToTime(longText.data());  // reads 1111-11-11 -> 1990-11-11
    EXPECT_EQ(LocalToTime(1990, 11, 11, 0), t.GetTime());
    EXPECT_TRUE(ShowedOne(boxes, Box::None, L""));
}

TEST_F(DateMoves, CheckDateAndCheckDay)
{
    struct DateCase {
        long number;
        int good;
    } dates[] = {
        { 20210228, 1 }, { 20210229, 0 }, { 20200229, 1 }, { 20210230, 0 }, { 20210431, 0 },
        { 20210132, 0 }, { 20210100, 0 }, { 20211301, 0 }, { 20210001, 0 }, { 19700101, 1 },
        { 19691231, 0 }, { 20371231, 1 }, { 20260308, 1 }, { 20261101, 1 }, { 99991231, 0 },
        { 0, 0 },        { -20210101, 0 }, { 2147483647, 0 },
    };
    for (const DateCase& c : dates)
        EXPECT_EQ(c.good, CDate::CheckDate(c.number)) << c.number;

    struct DayCase {
        int year, month, day, good;
    } days[] = {
        { 2020, 2, 29, 1 }, { 2021, 2, 29, 0 }, { 1900, 2, 29, 0 }, { 2000, 2, 29, 1 },
        { 2021, 4, 30, 1 }, { 2021, 4, 31, 0 }, { 2021, 12, 31, 1 }, { 2021, 1, 32, 0 },
        { 2021, 13, 1, 0 }, { 2021, 0, 1, 0 },  { 9999, 2, 28, 1 },  { 0, 2, 29, 1 },
    };
    for (const DayCase& c : days)
        EXPECT_EQ(c.good, CDate::CheckDay(c.year, c.month, c.day)) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_TRUE(ShowedOne(boxes, Box::None, L""));
}
