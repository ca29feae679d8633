// Calendar arithmetic shared by the date checks, time stamps and ages.
#pragma once

namespace qvcal
{

// Gregorian rule: every 4th year, except centuries not divisible by 400.
inline bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Days of the month, February counted by the Gregorian rule; 0 for a month
// outside 1 to 12, so a bad month never indexes past the table.
inline int DaysInMonth(int year, int month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
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

// Days since 1970-01-01 of a calendar date, counted without any clock, so a
// change of clock never shortens a day. Month 13 is January of the next year
// and day 0 the last day of the month before, as in mktime.
inline long long DayNumber(long long year, long long month, long long day)
{
    long long m0 = month - 1;
    long long carry = m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);   // floor(m0 / 12)
    year += carry;
    month = m0 - 12 * carry + 1;
    // Count from March so that the leap day ends the year.
    long long y = month <= 2 ? year - 1 : year;
    long long era = (y >= 0 ? y : y - 399) / 400;
    long long yoe = y - era * 400;
    long long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5;
    long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + (day - 1);
}

}   // namespace qvcal
