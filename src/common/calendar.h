// Calendar arithmetic shared by the date checks, time stamps and ages.
#pragma once

namespace qvcal {

// Gregorian rule: every 4th year, except centuries not divisible by 400.
inline bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Days of the month, February counted by the Gregorian rule; 0 for a month
// outside 1 to 12, so a bad month never indexes past the table.
inline int DaysInMonth(int year, int month)
{
    static const int kDays[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && IsLeapYear(year))
        return 29;
    return kDays[month - 1];
}

// A date whose parts are all in range and whose day fits its month.
inline bool IsGoodDate(int year, int month, int day)
{
    return year > 0 && day >= 1 && day <= DaysInMonth(year, month);
}

}  // namespace qvcal
