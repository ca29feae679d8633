// CString::Format and friends: a printf formatter of our own with the MSVC
// meanings for wide strings, independent of how the C runtime was built.
//
//   %s  wide string (%hs narrow)      %S  narrow string (%ls, %ws wide)
//   %c  wide char (%hc narrow)        %C  narrow char (%lc, %wc wide)
//   %d %i %u %o %x %X  with h, hh, l (32 bits), ll, I64, I32, I, z, t, j
//   %f %F %e %E %g %G %a %A  (L is double, as in MSVC)
//   %p  16 upper-case hex digits      %%  a percent sign
//   flags - + 0 space #, width and precision, both may be *
// Narrow text is converted with CP_ACP; a null string prints "(null)" and
// a precision counts characters of the argument's own kind. As in MSVC the
// 0 flag pads strings and characters with zeros. %n consumes its argument
// and writes nothing. An unknown conversion is copied as it stands.
// Widths and precisions above kMaxField are read as kMaxField.
//
// The C library formats single numbers only (__mingw_snprintf: C99
// behaviour whatever the compile flags).
#include "afxstr.h"
#include "afxvalue_assert.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <climits>
#include <cwchar>
#include <iterator>
#include <string>

namespace
{

constexpr int kMaxField = 1 << 24;

enum class ArgSize
{
    Default,
    Char,
    Short,
    Long32,
    Long64,
    Pointer
};

struct Conversion
{
    bool bLeft = false;
    bool bPlus = false;
    bool bSpace = false;
    bool bZero = false;
    bool bAlternate = false;
    int nWidth = 0;
    int nPrecision = -1;   // none
    ArgSize size = ArgSize::Default;
    bool bWidePrefix = false;     // l or w
    bool bNarrowPrefix = false;   // h
    wchar_t chType = 0;
};

int ReadNumber(const wchar_t*& p)
{
    int n = 0;
    while (*p >= L'0' && *p <= L'9')
    {
        n = n > kMaxField / 10 ? kMaxField : n * 10 + (*p - L'0');
        p++;
    }
    return n > kMaxField ? kMaxField : n;
}

int ClampField(int n)
{
    return n > kMaxField ? kMaxField : n;
}

// Text lengths beyond what a CString can hold are cut to that (the append
// then fails cleanly instead of wrapping round).
int ClampLength(size_t n)
{
    return n > size_t(INT_MAX / 2) ? INT_MAX / 2 : int(n);
}

void ReadFlags(const wchar_t*& p, Conversion& conv)
{
    for (;; p++)
    {
        switch (*p)
        {
        case L'-':
            conv.bLeft = true;
            break;
        case L'+':
            conv.bPlus = true;
            break;
        case L' ':
            conv.bSpace = true;
            break;
        case L'0':
            conv.bZero = true;
            break;
        case L'#':
            conv.bAlternate = true;
            break;
        default:
            return;
        }
    }
}

void ReadWidthAndPrecision(const wchar_t*& p, Conversion& conv, va_list& args)
{
    if (*p == L'*')
    {
        p++;
        int nWidth = va_arg(args, int);
        if (nWidth < 0)
        {
            conv.bLeft = true;
            nWidth = nWidth == INT32_MIN ? kMaxField : -nWidth;
        }
        conv.nWidth = ClampField(nWidth);
    }
    else
    {
        conv.nWidth = ReadNumber(p);
    }
    if (*p != L'.')
        return;
    p++;
    if (*p == L'*')
    {
        p++;
        int nPrecision = va_arg(args, int);
        conv.nPrecision = nPrecision < 0 ? -1 : ClampField(nPrecision);
    }
    else
    {
        conv.nPrecision = ReadNumber(p);
    }
}

void ReadSizePrefix(const wchar_t*& p, Conversion& conv)
{
    switch (*p)
    {
    case L'h':
        conv.bNarrowPrefix = true;
        conv.size = p[1] == L'h' ? ArgSize::Char : ArgSize::Short;
        p += p[1] == L'h' ? 2 : 1;
        break;
    case L'l':
        conv.bWidePrefix = true;
        conv.size = p[1] == L'l' ? ArgSize::Long64 : ArgSize::Long32;
        p += p[1] == L'l' ? 2 : 1;
        break;
    case L'w':
        conv.bWidePrefix = true;
        p++;
        break;
    case L'L':
        p++;
        break;
    case L'I':
        if (p[1] == L'6' && p[2] == L'4')
        {
            conv.size = ArgSize::Long64;
            p += 3;
        }
        else if (p[1] == L'3' && p[2] == L'2')
        {
            conv.size = ArgSize::Long32;
            p += 3;
        }
        else
        {
            conv.size = ArgSize::Pointer;
            p++;
        }
        break;
    case L'z':
    case L't':
    case L'j':
        conv.size = ArgSize::Pointer;
        p++;
        break;
    default:
        break;
    }
}

// Pads a piece of text to the field width, MSVC style (zeros when asked).
void AppendField(CString& out, const wchar_t* pch, int nLength, const Conversion& conv)
{
    int nPad = conv.nWidth > nLength ? conv.nWidth - nLength : 0;
    if (nPad > 0 && !conv.bLeft)
        out += CString(conv.bZero ? L'0' : L' ', nPad);
    out.Append(pch, nLength);
    if (nPad > 0 && conv.bLeft)
        out += CString(L' ', nPad);
}

void AppendNarrow(CString& out, const char* pch, int nLength, const Conversion& conv)
{
    CString wide(pch, nLength);
    AppendField(out, wide, wide.GetLength(), conv);
}

void AppendString(CString& out, const Conversion& conv, va_list& args)
{
    bool bWide = conv.chType == L's' ? !conv.bNarrowPrefix : conv.bWidePrefix;
    if (bWide)
    {
        const wchar_t* psz = va_arg(args, const wchar_t*);
        if (psz == nullptr)
            psz = L"(null)";
        size_t nLength = conv.nPrecision >= 0 ? wcsnlen(psz, size_t(conv.nPrecision)) : wcslen(psz);
        AppendField(out, psz, ClampLength(nLength), conv);
    }
    else
    {
        const char* psz = va_arg(args, const char*);
        if (psz == nullptr)
            psz = "(null)";
        size_t nLength = conv.nPrecision >= 0 ? strnlen(psz, size_t(conv.nPrecision)) : strlen(psz);
        AppendNarrow(out, psz, ClampLength(nLength), conv);
    }
}

void AppendChar(CString& out, const Conversion& conv, va_list& args)
{
    bool bWide = conv.chType == L'c' ? !conv.bNarrowPrefix : conv.bWidePrefix;
    int nValue = va_arg(args, int);
    if (bWide)
    {
        wchar_t ch = wchar_t(nValue);
        AppendField(out, &ch, 1, conv);
    }
    else
    {
        char ch = char(nValue);
        AppendNarrow(out, &ch, 1, conv);
    }
}

// The narrow printf directive for one number: flags, "*.*" and the type.
std::string NumberDirective(const Conversion& conv, const char* pszLength)
{
    std::string directive = "%";
    if (conv.bLeft)
        directive += '-';
    if (conv.bPlus)
        directive += '+';
    if (conv.bSpace)
        directive += ' ';
    if (conv.bZero)
        directive += '0';
    if (conv.bAlternate)
        directive += '#';
    directive += "*.*";
    directive += pszLength;
    directive += char(conv.chType);
    return directive;
}

template <class T> void AppendNumber(CString& out, const Conversion& conv, const char* pszLength, T value)
{
    std::string directive = NumberDirective(conv, pszLength);
    // A missing precision is passed as -1, which printf reads as "none".
    int nLength = __mingw_snprintf(nullptr, 0, directive.c_str(), conv.nWidth, conv.nPrecision, value);
    if (nLength <= 0)
        return;
    std::string text(size_t(nLength) + 1, '\0');
    __mingw_snprintf(text.data(), text.size(), directive.c_str(), conv.nWidth, conv.nPrecision, value);
    // Digits, signs, "inf" and "nan" are ASCII: widen them one by one.
    CString wide;
    wchar_t* pWide = wide.GetBufferSetLength(nLength);
    if (pWide == nullptr)
        return;
    for (int i = 0; i < nLength; i++)
        pWide[i] = wchar_t(static_cast<unsigned char>(text[size_t(i)]));
    out += wide;
}

long long ReadSigned(ArgSize size, va_list& args)
{
    switch (size)
    {
    case ArgSize::Char:
        return static_cast<signed char>(va_arg(args, int));
    case ArgSize::Short:
        return static_cast<short>(va_arg(args, int));
    case ArgSize::Long64:
        return va_arg(args, long long);
    case ArgSize::Pointer:
        return va_arg(args, intptr_t);
    default:
        return va_arg(args, int);
    }
}

unsigned long long ReadUnsigned(ArgSize size, va_list& args)
{
    switch (size)
    {
    case ArgSize::Char:
        return static_cast<unsigned char>(va_arg(args, unsigned int));
    case ArgSize::Short:
        return static_cast<unsigned short>(va_arg(args, unsigned int));
    case ArgSize::Long64:
        return va_arg(args, unsigned long long);
    case ArgSize::Pointer:
        return va_arg(args, uintptr_t);
    default:
        return va_arg(args, unsigned int);
    }
}

void AppendPointer(CString& out, const Conversion& conv, va_list& args)
{
    uintptr_t value = reinterpret_cast<uintptr_t>(va_arg(args, void*));
    wchar_t digits[2 * sizeof(uintptr_t)];
    for (int i = int(std::size(digits)) - 1; i >= 0; i--, value >>= 4)
        digits[i] = L"0123456789ABCDEF"[value & 0xF];
    Conversion spaces = conv;
    spaces.bZero = false;
    AppendField(out, digits, int(std::size(digits)), spaces);
}

// Formats one conversion that starts after '%'; returns false when the
// conversion is unknown (nothing consumed, the caller copies the text).
bool AppendConversion(CString& out, const wchar_t*& p, va_list& args)
{
    Conversion conv;
    ReadFlags(p, conv);
    ReadWidthAndPrecision(p, conv, args);
    ReadSizePrefix(p, conv);
    conv.chType = *p;
    switch (conv.chType)
    {
    case L'd':
    case L'i':
        AppendNumber(out, conv, "ll", ReadSigned(conv.size, args));
        break;
    case L'u':
    case L'o':
    case L'x':
    case L'X':
        AppendNumber(out, conv, "ll", ReadUnsigned(conv.size, args));
        break;
    case L'f':
    case L'F':
    case L'e':
    case L'E':
    case L'g':
    case L'G':
    case L'a':
    case L'A':
        AppendNumber(out, conv, "", va_arg(args, double));
        break;
    case L's':
    case L'S':
        AppendString(out, conv, args);
        break;
    case L'c':
    case L'C':
        AppendChar(out, conv, args);
        break;
    case L'p':
        AppendPointer(out, conv, args);
        break;
    case L'n':
        (void)va_arg(args, void*);
        break;
    case L'%':
        out.AppendChar(L'%');
        break;
    default:
        return false;
    }
    p++;
    return true;
}

void FormatInto(CString& out, const wchar_t* pszFormat, va_list args)
{
    ASSERT(pszFormat != nullptr);
    if (pszFormat == nullptr)
        return;
    const wchar_t* p = pszFormat;
    while (*p != 0)
    {
        const wchar_t* pPercent = wcschr(p, L'%');
        if (pPercent == nullptr)
        {
            out.Append(p);
            return;
        }
        out.Append(p, int(pPercent - p));
        p = pPercent + 1;
        if (!AppendConversion(out, p, args))
        {
            // Unknown or cut-off conversion: keep its text.
            if (*p != 0)
                p++;
            out.Append(pPercent, int(p - pPercent));
        }
    }
}

}   // namespace

void CString::FormatV(const wchar_t* pszFormat, va_list args)
{
    // Built aside: the format or an argument may be this very string.
    CString result;
    FormatInto(result, pszFormat, args);
    *this = static_cast<CString&&>(result);
}

void CString::AppendFormatV(const wchar_t* pszFormat, va_list args)
{
    CString result;
    FormatInto(result, pszFormat, args);
    *this += result;
}

void CString::FormatArgs(const wchar_t* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatIdArgs(UINT nFormatID, ...)
{
    CString format;
    format.LoadString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormatArgs(const wchar_t* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}
