// Number readers for date and time texts.
#include "common/datescan.h"

#include <cwctype>

namespace qvscan
{

int BoundedLength(const wchar_t* text, int nMax)
{
    int n = 0;
    if (text)
        while (n < nMax && text[n] != L'\0')
            ++n;
    return n;
}

namespace
{

bool IsDigit(wchar_t ch)
{
    return ch >= L'0' && ch <= L'9';
}

// Reads a number of at most nChars characters (leading white space included)
// from p, moving p past what was read. Returns false when no digit was found
// (then p is not moved).
bool ReadNumber(const wchar_t*& p, int nChars, int& value)
{
    const wchar_t* q = p;
    int used = 0;
    while (used < nChars && *q != L'\0' && iswspace(*q))
    {
        ++q;
        ++used;
    }
    bool negative = false;
    if (used < nChars && (*q == L'+' || *q == L'-'))
    {
        negative = *q == L'-';
        ++q;
        ++used;
    }
    if (used >= nChars || !IsDigit(*q))
        return false;
    long long magnitude = 0;
    while (used < nChars && IsDigit(*q))
    {
        if (magnitude <= INT_MAX)
            magnitude = magnitude * 10 + (*q - L'0');
        ++q;
        ++used;
    }
    if (negative)
        value = magnitude > -static_cast<long long>(INT_MIN) ? INT_MIN : static_cast<int>(-magnitude);
    else
        value = magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
    p = q;
    return true;
}

}   // namespace

int NumberAt(const wchar_t* text, int nStart, int nChars)
{
    if (!text || nStart < 0 || nChars <= 0)
        return 0;
    if (BoundedLength(text, nStart) < nStart)
        return 0;
    const wchar_t* p = text + nStart;
    int value = 0;
    return ReadNumber(p, nChars, value) ? value : 0;
}

int ScanNumbers(const wchar_t* text, const wchar_t* pattern, int* pValues, int nValues)
{
    if (!text || !pattern)
        return 0;
    const wchar_t* p = text;
    int nRead = 0;
    for (const wchar_t* f = pattern; *f != L'\0'; ++f)
    {
        if (*f == L'%' && f[1] != L'%')
        {
            ++f;
            int width = 0;
            while (IsDigit(*f))
                width = width * 10 + (*f++ - L'0');
            if (*f != L'd')
                return nRead;   // only %d is known here
            // As in scanf, white space before a number does not count in its width.
            while (*p != L'\0' && iswspace(*p))
                ++p;
            int value = 0;
            if (!ReadNumber(p, width > 0 ? width : INT_MAX, value))
                return nRead;
            if (nRead < nValues)
                pValues[nRead] = value;
            ++nRead;
        }
        else if (iswspace(*f))
        {
            while (*p != L'\0' && iswspace(*p))
                ++p;
        }
        else
        {
            if (*f == L'%')
                ++f;   // "%%" matches one '%'
            if (*p != *f)
                return nRead;
            ++p;
        }
    }
    return nRead;
}

int FindChar(const wchar_t* text, wchar_t ch, int nStart)
{
    if (!text || ch == L'\0' || nStart < 0 || BoundedLength(text, nStart) < nStart)
        return -1;
    for (int i = nStart; text[i] != L'\0'; ++i)
        if (text[i] == ch)
            return i;
    return -1;
}

}   // namespace qvscan
