#include "common/myuni.h"

#include <string>

namespace
{

// Number of leading one bits of a byte (0 to 8).
int LeadingOnes(unsigned char byte)
{
    int nOnes = 0;
    while (nOnes < 8 && (byte & (0x80 >> nOnes)))
        ++nOnes;
    return nOnes;
}

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

void AppendCodePoint(std::wstring& text, unsigned long nCodePoint)
{
    if (nCodePoint <= 0xFFFF)
    {
        text.push_back(static_cast<wchar_t>(nCodePoint));
    }
    else if (nCodePoint <= 0x10FFFF)
    {
        nCodePoint -= 0x10000;
        text.push_back(static_cast<wchar_t>(0xD800 + (nCodePoint >> 10)));
        text.push_back(static_cast<wchar_t>(0xDC00 + (nCodePoint & 0x3FF)));
    }
    else
    {
        text.push_back(L'\xFFFD');
    }
}

}   // namespace

char* WToMB(const wchar_t* pszText)
{
    if (pszText == nullptr)
        return nullptr;
    int nBytes = ::WideCharToMultiByte(CP_UTF8, 0, pszText, -1, nullptr, 0, nullptr, nullptr);
    // The count with -1 includes the terminator; an unconvertible text gives 0.
    int nTextBytes = nBytes > 0 ? nBytes - 1 : 0;
    char* pBuffer = new char[nTextBytes + 1];
    if (nTextBytes > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, pszText, -1, pBuffer, nBytes, nullptr, nullptr);
    pBuffer[nTextBytes] = '\0';
    return pBuffer;
}

BOOL DecodeUtf8(const unsigned char* pszText, CString& strText)
{
    std::wstring text;
    BOOL bWellFormed = TRUE;
    const unsigned char* p = pszText;
    while (p != nullptr && *p != 0)
    {
        unsigned char lead = *p;
        if (lead < 0x80)
        {
            text.push_back(static_cast<wchar_t>(lead));
            ++p;
            continue;
        }
        int nLength = LeadingOnes(lead);
        if (nLength < 2 || nLength > 6)
        {
            bWellFormed = FALSE;
            break;
        }
        unsigned long nCodePoint = lead & (0x7F >> nLength);
        // Each byte is checked before the next is read, so the terminator
        // (never a continuation byte) ends the walk.
        int i = 1;
        for (; i < nLength && IsContinuation(p[i]); ++i)
            nCodePoint = (nCodePoint << 6) | (p[i] & 0x3F);
        if (i < nLength)
        {
            bWellFormed = FALSE;
            break;
        }
        AppendCodePoint(text, nCodePoint);
        p += nLength;
    }
    strText = CString(text.c_str(), static_cast<int>(text.size()));
    return bWellFormed;
}

CString UTF2Unicode(const unsigned char* pszText)
{
    CString strText;
    if (!DecodeUtf8(pszText, strText))
        AfxMessageBox(L"UTF-8 to Unicode error");
    return strText;
}
