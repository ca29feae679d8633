// Tables of Chinese weekday, month and digit names.
#include "common/chinesenames.h"

namespace qvnames
{

namespace
{

template <int N> const wchar_t* Lookup(const wchar_t* const (&table)[N], int index)
{
    return index >= 0 && index < N ? table[index] : L"";
}

}   // namespace

const wchar_t* WeekName(int nDayOfWeek)
{
    static const wchar_t* const kNames[7] = {L"日", L"一", L"二", L"三", L"四", L"五", L"六"};
    return Lookup(kNames, nDayOfWeek - 1);
}

const wchar_t* MonthName(int nMonth)
{
    static const wchar_t* const kNames[12] = {L"一", L"二", L"三", L"四", L"五",   L"六",
                                              L"七", L"八", L"九", L"十", L"十一", L"十二"};
    return Lookup(kNames, nMonth - 1);
}

const wchar_t* DigitName(int nDigit)
{
    static const wchar_t* const kNames[10] = {L"零", L"一", L"二", L"三", L"四", L"五", L"六", L"七", L"八", L"九"};
    return Lookup(kNames, nDigit);
}

}   // namespace qvnames
