// Ages: computing a person's age from a birth date yyyymmdd and wording it.
#include <cmath>

#include "afx.h"
#include "common/calendar.h"
#include "common/cdate.h"
#include "common/datescan.h"
#include "control/timestamp.h"

namespace
{

struct BirthDate
{
    long long year, month, day;
};

BirthDate SplitBirth(long nBirth)
{
    return {nBirth / 10000, nBirth % 10000 / 100, nBirth % 100};
}

CString WholeYearsText(double dAge)
{
    CString text;
    text.Format(L"%.0lf", dAge);
    return text;
}

CString CountText(const wchar_t* format, long long count)
{
    CString text;
    text.Format(format, long(count));
    return text;
}

// Days of the month of t: from the first of the month at 10:00, 31 days on,
// back to the first of the month reached at 10:00. A change of clock in
// between makes that span an hour short or long, so it is rounded to days.
long long DaysOfMonth(CTime t)
{
    CTime first(t.GetYear(), t.GetMonth(), 1, 10, 0, 0);
    CTime later = first + CTimeSpan(31, 0, 0, 0);
    CTime next(later.GetYear(), later.GetMonth(), 1, 10, 0, 0);
    long long seconds = (next - first).GetTotalSeconds();
    return (seconds + 12 * 3600) / (24 * 3600);
}

}   // namespace

double CalcAge(int nBirth, CTime tNow)
{
    if (nBirth == 0)
        return 0.0;
    BirthDate birth = SplitBirth(nBirth);
    long long years = tNow.GetYear() - birth.year;
    long long months = tNow.GetMonth() - birth.month;
    if (tNow.GetDay() - birth.day < 0)
        --months;
    if (months < 0)
        --years;
    if (years != 0)
        return double(years);
    // Calendar day numbers: a change of clock between the two days counts nothing.
    long long days = qvcal::DayNumber(tNow.GetYear(), tNow.GetMonth(), tNow.GetDay()) -
                     qvcal::DayNumber(birth.year, birth.month, birth.day);
    return double(days) / 365.0;
}

CString CDate::GetAgeText(double dAge)
{
    // NaN is no age at all; it would make the day count below meaningless.
    if (std::isnan(dAge) || dAge <= 0)
        return CString();
    if (dAge >= 1)
        return WholeYearsText(dAge);
    double exactDays = dAge * 365;
    long long days = (long long)exactDays;
    if (exactDays - double(days) > 0.5)
        ++days;   // exactly half a day stays down
    if (days <= 30)
        return CountText(L"%ld天", days);
    return CountText(L"%ld個月", days / 30);
}

CString GetBirthAgeText(double dAge, CTime tNow, long nBirth)
{
    if (std::isnan(dAge) || dAge <= 0)
        return CString();
    if (dAge >= 1)
        return WholeYearsText(dAge);
    BirthDate birth = SplitBirth(nBirth);
    long long m = tNow.GetMonth();
    if (tNow.GetYear() == birth.year + 1)
        m += 12;
    long long d = tNow.GetDay();
    if (m > birth.month + 1 || (m == birth.month + 1 && d >= birth.day))
        return CountText(L"%ld個月", m - birth.month - (d < birth.day ? 1 : 0));
    if (d < birth.day)
        d += DaysOfMonth(tNow);
    return CountText(L"%ld天", d - birth.day);
}

int OnChangeBirthday(CString text, int& year, int& month, int& day)
{
    if (text.IsEmpty())
        return 1;
    if (text.GetLength() != 10)
        return 0;
    year = qvscan::NumberAt(text, 0, 4);
    month = qvscan::NumberAt(text, 5, 2);
    day = qvscan::NumberAt(text, 8);
    if (year > 0 && month >= 1 && month <= 12 && day >= 1 && day <= 31)
        return CDate::AdjustBirthDate(year, month, day, 3);
    AfxMessageBox(L"年、月、日請輸入數字!正確格式形如:1991/01/21", MB_OK, 0);
    return 0;
}
