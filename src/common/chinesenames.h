// The Chinese names of weekdays, months and digits used by the date texts.
// Each lookup outside its table gives an empty text instead of reading past it.
#pragma once

namespace qvnames
{

// Weekday by CTime::GetDayOfWeek (1 = Sunday): "日", "一", ... "六".
const wchar_t* WeekName(int nDayOfWeek);
// Month 1 to 12: "一" ... "十", "十一", "十二".
const wchar_t* MonthName(int nMonth);
// Digit 0 to 9: "零" ... "九".
const wchar_t* DigitName(int nDigit);

}   // namespace qvnames
