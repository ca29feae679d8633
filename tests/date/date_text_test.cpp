// The fixed text forms of CDate.
#include <gtest/gtest.h>
#include <string>
#include "common/cdate.h"
#include "localtime_check.h"

using datetest::LocalToTime;

TEST(DateText, FormsOfOneDate)
{
    CTime t(LocalToTime(2021, 3, 5, 9, 7, 4));
    COleDateTime ole(2021, 3, 5, 9, 7, 4);
    TIMESTAMP_STRUCT stamp = {2021, 3, 5, 9, 7, 4, 0};
    struct Case
    {
        CString actual;
        const wchar_t* expected;
    } cases[] = {
        {CDate::GetYearString(t), L"2021"},
        {CDate::GetMonthString(t), L"202103"},
        {CDate::ToDate(t), L"20210305"},
        {CDate::ToDateString(t), L"2021/03/05"},
        {CDate::ToChineseString(t), L"2021年03月05日"},
        {CDate::ToChineseString(ole), L"2021年03月05日"},
        {CDate::ToChineseYear2HourString(t), L"2021年03月05日09時"},
        {CDate::ToEnglishString(t), L"Mar 5 2021"},
        {CDate::TS2DateString(&stamp), L"2021/3/5"},
        {CDate::ToBirthdayString(19991231), L"1999/12/31"},
        {CDate::ToBirthdayString(-20210305), L""},
        {CDate::ToBirthdayString(305), L"0000/03/05"},
        {CDate::TS2DateString(nullptr), L""},
        {CDate::DayBefore(t), L""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.expected, c.actual.GetString());
    // Times outside the range give zero parts, without overrun.
    CTime bad(-1);
    EXPECT_STREQ(L"0000", CDate::GetYearString(bad).GetString());
    EXPECT_STREQ(L"00000000", CDate::ToDate(bad).GetString());
    EXPECT_STREQ(L"0000/00/00", CDate::ToDateString(bad).GetString());
    EXPECT_STREQ(L" 0 0", CDate::ToEnglishString(bad).GetString());   // no month 0 is read
    TIMESTAMP_STRUCT big = {-32768, 65535, 65535, 0, 0, 0, 0};
    EXPECT_STREQ(L"-32768/65535/65535", CDate::TS2DateString(&big).GetString());
}

TEST(DateText, EnglishMonthAbbreviations)
{
    // The 11th to the 22nd of each month of 2026: the day without a leading zero.
    const wchar_t* const expected[12] = {L"Jan 11 2026", L"Feb 12 2026", L"Mar 13 2026", L"Apr 14 2026",
                                         L"May 15 2026", L"Jun 16 2026", L"Jul 17 2026", L"Aug 18 2026",
                                         L"Sep 19 2026", L"Oct 20 2026", L"Nov 21 2026", L"Dec 22 2026"};
    for (int month = 1; month <= 12; ++month)
        EXPECT_STREQ(expected[month - 1],
                     CDate::ToEnglishString(CTime(LocalToTime(2026, month, month + 10, 12))).GetString());
    EXPECT_STREQ(L"Nov 1 2026", CDate::ToEnglishString(CTime(LocalToTime(2026, 11, 1, 1, 30))).GetString());
}
