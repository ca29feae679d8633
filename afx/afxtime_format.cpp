// strftime-style formatting of time parts and spans, "C" locale names.
#include "afxtime_parts.h"

namespace AfxTimeParts
{

namespace
{

const wchar_t* const kDayNames[7] = {L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                     L"Thursday", L"Friday", L"Saturday"};
const wchar_t* const kMonthNames[12] = {L"January", L"February", L"March",     L"April",   L"May",      L"June",
                                        L"July",    L"August",   L"September", L"October", L"November", L"December"};

void AppendNumber(CString& out, long long nValue, int nDigits, bool bNoLeadingZeros)
{
    out.AppendFormat(L"%0*lld", bNoLeadingZeros ? 1 : nDigits, nValue);
}

void AppendAbbreviation(CString& out, const wchar_t* pszName)
{
    out.Append(pszName, 3);
}

int TwelveHour(int nHour)
{
    return nHour % 12 == 0 ? 12 : nHour % 12;
}

// Appends one code; false when the code is not one of ours.
bool AppendCode(CString& out, wchar_t chCode, bool bAlternate, const Parts& parts)
{
    const wchar_t* pszDay = kDayNames[parts.nDayOfWeek % 7];
    const wchar_t* pszMonth = kMonthNames[(parts.nMonth + 11) % 12];
    switch (chCode)
    {
    case L'a':
        AppendAbbreviation(out, pszDay);
        break;
    case L'A':
        out += pszDay;
        break;
    case L'b':
        AppendAbbreviation(out, pszMonth);
        break;
    case L'B':
        out += pszMonth;
        break;
    case L'c':
        out += FormatParts(bAlternate ? L"%#x, %H:%M:%S" : L"%m/%d/%y %H:%M:%S", parts);
        break;
    case L'x':
        out += FormatParts(bAlternate ? L"%A, %B %#d, %Y" : L"%m/%d/%y", parts);
        break;
    case L'X':
        out += FormatParts(L"%H:%M:%S", parts);
        break;
    case L'd':
        AppendNumber(out, parts.nDay, 2, bAlternate);
        break;
    case L'H':
        AppendNumber(out, parts.nHour, 2, bAlternate);
        break;
    case L'I':
        AppendNumber(out, TwelveHour(parts.nHour), 2, bAlternate);
        break;
    case L'j':
        AppendNumber(out, parts.nDayOfYear + 1, 3, bAlternate);
        break;
    case L'm':
        AppendNumber(out, parts.nMonth, 2, bAlternate);
        break;
    case L'M':
        AppendNumber(out, parts.nMinute, 2, bAlternate);
        break;
    case L'S':
        AppendNumber(out, parts.nSecond, 2, bAlternate);
        break;
    case L'p':
        out += parts.nHour < 12 ? L"AM" : L"PM";
        break;
    case L'w':
        AppendNumber(out, parts.nDayOfWeek, 1, bAlternate);
        break;
    case L'y':
        AppendNumber(out, (parts.nYear % 100 + 100) % 100, 2, bAlternate);
        break;
    case L'Y':
        AppendNumber(out, parts.nYear, 1, bAlternate);
        break;
    case L'%':
        out += L'%';
        break;
    default:
        return false;
    }
    return true;
}

}   // namespace

CString FormatParts(const wchar_t* pszFormat, const Parts& parts)
{
    CString out;
    if (pszFormat == nullptr)
        return out;
    for (const wchar_t* p = pszFormat; *p != 0; p++)
    {
        if (*p != L'%')
        {
            out += *p;
            continue;
        }
        const wchar_t* pCode = p + 1;
        bool bAlternate = *pCode == L'#';
        if (bAlternate)
            pCode++;
        if (*pCode != 0 && AppendCode(out, *pCode, bAlternate, parts))
        {
            p = pCode;
            continue;
        }
        out += L'%';   // not a code: copied as it stands
    }
    return out;
}

CString FormatSpan(const wchar_t* pszFormat, long long nSeconds)
{
    CString out;
    if (pszFormat == nullptr)
        return out;
    for (const wchar_t* p = pszFormat; *p != 0; p++)
    {
        if (*p != L'%' || p[1] == 0)
        {
            out += *p;
            continue;
        }
        switch (*++p)
        {
        case L'D':
            out.AppendFormat(L"%lld", nSeconds / kSecondsPerDay);
            break;
        case L'H':
            out.AppendFormat(L"%02lld", nSeconds / 3600 % 24);
            break;
        case L'M':
            out.AppendFormat(L"%02lld", nSeconds / 60 % 60);
            break;
        case L'S':
            out.AppendFormat(L"%02lld", nSeconds % 60);
            break;
        case L'%':
            out += L'%';
            break;
        default:
            out += L'%';
            out += *p;
            break;
        }
    }
    return out;
}

}   // namespace AfxTimeParts
