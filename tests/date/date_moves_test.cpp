// Building and moving times, checked against the zone in effect: Taipei, then
// New York, where 2026-03-08 and 2026-11-01 change the clock at 02:00.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "common/cdate.h"
#include "localtime_check.h"
#include "which_box.h"

using namespace datetest;

namespace
{

class DateMoves : public qvtest::MessageBoxTest
{
};

struct LocalMoment
{
    int year, month, day, hour, minute;
    long long time() const { return LocalToTime(year, month, day, hour, minute); }
};

// The first of a month yyyymm at midnight.
long long MonthStart(int yyyymm)
{
    return LocalToTime(yyyymm / 100, yyyymm % 100, 1, 0);
}

}   // namespace

TEST(DateZone, TheRunIsInTheZoneItWasStartedIn)
{
    // The second run sets TZ=America/New_York: it must really change clocks,
    // or every expectation below would quietly be Taipei's again.
    wchar_t zone[64] = L"";
    GetEnvironmentVariableW(L"TZ", zone, 64);
    bool bNewYork = std::wstring(zone).find(L"New_York") != std::wstring::npos;
    EXPECT_EQ(bNewYork, ZoneHasDaylightSaving()) << "TZ=" << testing::PrintToString(std::wstring(zone));
}

TEST_F(DateMoves, FixedHoursLandOnTheWallClockHourOfTheSameDay)
{
    const LocalMoment moments[] = {
        {2026, 3, 8, 1, 30},  {2026, 3, 8, 3, 30},  {2026, 3, 8, 23, 59}, {2026, 11, 1, 0, 0},
        {2026, 11, 1, 1, 30}, {2026, 11, 1, 23, 0}, {1970, 1, 2, 0, 0},   {2037, 6, 15, 10, 0},
    };
    for (const LocalMoment& m : moments)
    {
        SCOPED_TRACE(testing::Message() << m.year << "-" << m.month << "-" << m.day << " " << m.hour << ":"
                                        << m.minute);
        CTime t(m.time());
        EXPECT_EQ(BuiltTime(m.year, m.month, m.day, 0), CDate::ZeroHour(t).GetTime());
        EXPECT_EQ(BuiltTime(m.year, m.month, m.day, 0), CDate::GetDate(t).GetTime());
        EXPECT_EQ(BuiltTime(m.year, m.month, m.day, 12), CDate::NoonHour(t).GetTime());
        EXPECT_EQ(BuiltTime(m.year, m.month, m.day, 12), CDate::NoonHour(t.GetTime()).GetTime());
        EXPECT_EQ(BuiltTime(m.year, m.month, m.day, 8), CDate::EightHour(t).GetTime());
        EXPECT_EQ(BuiltTime(m.year, m.month, m.day, 7), CDate::SevenHour(t).GetTime());
    }
    // On the spring day New York's noon lies 11 hours after midnight.
    CTime spring(LocalToTime(2026, 3, 8, 15));
    EXPECT_EQ(ZoneHasDaylightSaving() ? 11 * 3600 : 12 * 3600,
              CDate::NoonHour(spring).GetTime() - CDate::ZeroHour(spring).GetTime());
    EXPECT_EQ(0, CDate::ZeroHour(CTime(0)).GetTime());   // a zero time stays zero
}

TEST_F(DateMoves, NextMonthAndLastMonthGoToTheFirstAtMidnight)
{
    struct Case
    {
        LocalMoment from;
        int next, last;
    } cases[] = {
        // next and last as yyyymm
        {{2026, 3, 8, 12, 0}, 202604, 202602},    {{2026, 11, 1, 1, 30}, 202612, 202610},
        {{2026, 12, 31, 23, 59}, 202701, 202611}, {{2027, 1, 1, 0, 0}, 202702, 202612},
        {{2036, 12, 5, 0, 0}, 203701, 203611},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "from " << c.from.year << "-" << c.from.month << "-" << c.from.day);
        CTime t(c.from.time());
        EXPECT_EQ(MonthStart(c.next), CDate::NextMonth(t).GetTime());
        EXPECT_EQ(MonthStart(c.last), CDate::LastMonth(t).GetTime());
        EXPECT_TRUE(Showed(boxes, kNoBox));
    }
}

TEST_F(DateMoves, LastMonthRefusesToGoBefore1970)
{
    CTime mid(LocalToTime(1970, 1, 15, 0));
    EXPECT_EQ(mid, CDate::LastMonth(mid));
    EXPECT_TRUE(Showed(boxes, AfxBox(L"月份設定錯誤")));
    // 1970-01-01 00:00 exists as a time only west of Greenwich (New York, not Taipei).
    CTime february(LocalToTime(1970, 2, 10, 12));
    long long january = LocalToTime(1970, 1, 1, 0);
    EXPECT_EQ(january >= 0 ? january : february.GetTime(), CDate::LastMonth(february).GetTime());
    EXPECT_TRUE(Showed(boxes, january >= 0 ? kNoBox : AfxBox(L"月份設定錯誤")));
}

TEST_F(DateMoves, SameDayComparesLocalCalendarDays)
{
    struct Case
    {
        LocalMoment a, b;
        int same;
    } cases[] = {
        {{2026, 3, 8, 0, 0}, {2026, 3, 8, 23, 59}, 1},
        {{2026, 3, 7, 23, 59}, {2026, 3, 8, 0, 0}, 0},
        {{2026, 11, 1, 0, 0}, {2026, 11, 1, 23, 59}, 1},
        {{2026, 11, 1, 23, 59}, {2026, 11, 2, 0, 0}, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.a.month << "-" << c.a.day << " and " << c.b.month << "-" << c.b.day);
        EXPECT_EQ(c.same, CDate::IsSameDay(c.a.time(), c.b.time()));
        EXPECT_EQ(c.same, CDate::IsSameDay(c.b.time(), c.a.time()));
    }
    // The hour that New York lives twice: both are 1 November.
    long long fallBack = LocalToTime(2026, 11, 1, 1, 30);
    EXPECT_EQ(1, CDate::IsSameDay(fallBack, fallBack + 3600));
    // Times outside CTime's range fall on no day.
    EXPECT_EQ(0, CDate::IsSameDay(-5, -5));
    long long now = CTime::GetCurrentTime().GetTime();
    EXPECT_EQ(1, CDate::IsToday(now));
    EXPECT_EQ(0, CDate::IsToday(now - 2 * 86400));
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
    // Only the date and time parts are written; the fraction stays.
    TIMESTAMP_STRUCT stamp = Stamp(1, 2, 3, 4, 5, 6, 77);
    CDate::TimeToTimeStamp(CTime(LocalToTime(2026, 11, 1, 23, 4, 5)), &stamp);
    EXPECT_TRUE(SameStamp(Stamp(2026, 11, 1, 23, 4, 5, 77), stamp));
    // From an OLE date only the date is written.
    stamp = Stamp(1, 2, 3, 4, 5, 6, 77);
    EXPECT_EQ(1, CDate::OleToTimeStamp(ole, &stamp));
    EXPECT_TRUE(SameStamp(Stamp(2026, 3, 8, 4, 5, 6, 77), stamp));
}

TEST_F(DateMoves, String2TSReadsBetweenTheSlashes)
{
    struct Case
    {
        std::wstring text;
        int year, month, day;
    } cases[] = {
        // day -1: not compared
        {L"2021/3/5", 2021, 3, 5},
        {L"2021/03", 2021, 3, 0},
        {L"abc/de/f", 0, 0, 0},
        {L"2021/03/" + std::wstring(500, L'7'), 2021, 3, -1},   // a huge day is cut to 16 bits, nothing overruns
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "text " << testing::PrintToString(c.text.substr(0, 20)));
        TIMESTAMP_STRUCT stamp = Stamp(9, 9, 9, 9, 9, 9, 9);
        EXPECT_EQ(1, CDate::String2TS(c.text.c_str(), &stamp));
        EXPECT_TRUE(SameStamp(Stamp(c.year, c.month, c.day < 0 ? stamp.day : c.day, 9, 9, 9, 9), stamp));
    }
}

TEST_F(DateMoves, ToTimeReadsEightDigitsAndRepairsWhatItCan)
{
    const std::wstring month = L"月份設定錯誤", day = L"日期設定錯誤";
    struct Case
    {
        std::wstring text;
        int year, month, day;
        std::vector<std::wstring> messages;
    } cases[] = {
        {L"20260308", 2026, 3, 8, {}},
        {L"18991231", 1990, 12, 31, {}},               // 1990, not 1900
        {L"19000101", 1900, 1, 1, {}},                 // kept: 1900 is not below 1900
        {L"20210332", 2021, 4, 1, {}},                 // day 32 is not below 1: 1 April
        {std::wstring(400, L'1'), 1990, 11, 11, {}},   // reads 1111-11-11
        {L"20211305", 2021, 1, 5, {month}},
        {L"20210300", 2021, 3, 1, {day}},
        {L"2021", 2021, 1, 1, {month, day}},
        {L"", 1990, 1, 1, {month, day}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "text " << testing::PrintToString(c.text.substr(0, 20)));
        std::wstring copy = c.text;
        CTime t;
        CDate::ToTime(copy.data(), t);
        EXPECT_EQ(BuiltTime(c.year, c.month, c.day, 0), t.GetTime());
        EXPECT_TRUE(qvtest::ShowedMessageBoxes(boxes, c.messages));
        for (const qvtest::CapturedMessageBox& box : boxes.boxes())
            EXPECT_EQ(Box::Framework, KindOf(box));
        boxes.clear();
        EXPECT_EQ(t, CDate::ToTime(copy.data()));
        EXPECT_TRUE(qvtest::ShowedMessageBoxes(boxes, c.messages));
        boxes.clear();
    }
}

TEST_F(DateMoves, CheckDateAndCheckDay)
{
    struct DateCase
    {
        long number;
        int good;
    } dates[] = {
        {20210229, 0}, {20200229, 1}, {20210431, 0}, {20210132, 0},  {20211301, 0},   {19700101, 1},
        {19691231, 0}, {20371231, 1}, {99991231, 0}, {-20210101, 0}, {2147483647, 0},
    };
    for (const DateCase& c : dates)
        EXPECT_EQ(c.good, CDate::CheckDate(c.number)) << c.number;
    struct DayCase
    {
        int year, month, day, good;
    } days[] = {
        {2021, 2, 29, 0}, {1900, 2, 29, 0}, {2000, 2, 29, 1}, {2021, 4, 31, 0},
        {2021, 1, 32, 0}, {2021, 13, 1, 0}, {2021, 0, 1, 0},  {0, 2, 29, 1},
    };
    for (const DayCase& c : days)
        EXPECT_EQ(c.good, CDate::CheckDay(c.year, c.month, c.day)) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_TRUE(Showed(boxes, kNoBox));
}
