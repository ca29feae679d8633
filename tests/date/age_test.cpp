// Ages from a birth date yyyymmdd: the number, its text and the calendar text
// under one year.
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include "common/cdate.h"
#include "control/timestamp.h"
#include "localtime_check.h"

using datetest::LocalToTime;

namespace
{

CTime At(int y, int m, int d, int h = 9)
{
    return CTime(LocalToTime(y, m, d, h));
}

}   // namespace

TEST(Age, CalcAgeCountsYearsThenDays)
{
    struct Case
    {
        int birth;
        CTime now;
        double age;
    } cases[] = {
        {0, At(2021, 6, 15), 0.0},
        {20200615, At(2021, 6, 14), 364 / 365.0},
        {20200615, At(2030, 6, 15, 0), 10.0},
        {20200229, At(2021, 2, 28), 365 / 365.0},
        // Spring and autumn changes of clock in between count no day less or more.
        {20260201, At(2026, 4, 1, 0), 59 / 365.0},
        {20261015, At(2026, 11, 20, 0), 36 / 365.0},
        // A birth date after the day asked for.
        {20260310, At(2026, 3, 8), -1.0},   // the month borrowed makes it a year
        // Nonsense birth numbers give a number, never a crash.
        {2147483647, At(2026, 3, 8), 2026.0 - 214748 - 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.birth << " at " << c.now.GetTime());
        EXPECT_DOUBLE_EQ(c.age, CalcAge(c.birth, c.now));
    }
}

TEST(Age, AgeTextRoundsYearsAndWordsDaysAndMonths)
{
    struct Case
    {
        double age;
        const wchar_t* text;
    } cases[] = {
        {1.49, L"1"},
        {1.5, L"2"},
        {0.0, L""},
        {-3.0, L""},
        {1 / 365.0, L"1天"},
        {0.2, L"2個月"},   // 73 days
        {0.0821, L"30天"},
        {0.0808, L"29天"},   // 29.97 days round up, 29.49 days do not
        {0.09, L"1個月"},
        {0.5, L"6個月"},      // 33 days are a month; 182.5 days go down to 182
        {0.999, L"12個月"},   // 364.6 days -> 365
        {1e300, nullptr},     // a 301-digit whole number
        {std::numeric_limits<double>::quiet_NaN(), L""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "age " << c.age);
        CString text = CDate::GetAgeText(c.age);
        if (c.text)
            EXPECT_STREQ(c.text, text.GetString());
        else
            EXPECT_EQ(301, text.GetLength());
    }
}

TEST(Age, BirthAgeTextCountsCalendarMonthsAndDays)
{
    struct Case
    {
        long birth;
        CTime now;
        const wchar_t* text;
    } cases[] = {
        {20201220, At(2021, 2, 10), L"1個月"},   // m = 14, 10 < 20: 14 - 12 - 1
        {20201220, At(2021, 1, 5), L"16天"},     // 5 + 31 - 20
        {20210131, At(2021, 3, 1), L"1個月"},
        {20200115, At(2020, 2, 10), L"24天"},   // 10 + 29 (leap February) - 15
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.birth << " at " << c.now.GetTime());
        double age = CalcAge(int(c.birth), c.now);
        ASSERT_GT(age, 0);
        ASSERT_LT(age, 1);
        EXPECT_STREQ(c.text, GetBirthAgeText(age, c.now, c.birth).GetString());
    }
    // Birth on the 28th of the month before; at the 1st the days are 1 + (days
    // of that month) - 28, also for New York's short March and long November.
    const int lengths2026[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 2; month <= 12; ++month)
    {
        long birth = 2026 * 10000 + (month - 1) * 100 + 28;
        CString expected;
        expected.Format(L"%d天", 1 + lengths2026[month - 1] - 28);
        CTime now = At(2026, month, 1);
        EXPECT_EQ(expected, GetBirthAgeText(CalcAge(int(birth), now), now, birth)) << "month " << month;
    }
    EXPECT_STREQ(L"", GetBirthAgeText(-1, At(2021, 1, 1), 20200101).GetString());
    EXPECT_STREQ(L"3", GetBirthAgeText(3.2, At(2021, 1, 1), 20171201).GetString());
    EXPECT_STREQ(L"", GetBirthAgeText(std::nan(""), At(2021, 1, 1), 20200101).GetString());
}
