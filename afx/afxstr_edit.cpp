// CString searching, extraction and in-place changes. Positions and counts
// out of range are clamped to the string, never used to index outside it.
#include "afxstr.h"

#include <cwchar>
#include <cwctype>

namespace
{

bool InSet(wchar_t ch, const wchar_t* pszSet)
{
    return pszSet != nullptr && ch != 0 && wcschr(pszSet, ch) != nullptr;
}

bool IsTrimSpace(wchar_t ch)
{
    return iswspace(ch) != 0;
}

bool IsHighSurrogate(wchar_t ch)
{
    return ch >= 0xD800 && ch <= 0xDBFF;
}
bool IsLowSurrogate(wchar_t ch)
{
    return ch >= 0xDC00 && ch <= 0xDFFF;
}

}   // namespace

// Searching ------------------------------------------------------------------

int CString::Find(wchar_t ch, int nStart) const
{
    if (nStart < 0)
        nStart = 0;
    for (int i = nStart; i < GetLength(); i++)
    {
        if (m_pszData[i] == ch)
            return i;
    }
    return -1;
}

int CString::Find(const wchar_t* pszSub, int nStart) const
{
    if (pszSub == nullptr || nStart > GetLength())
        return -1;
    if (nStart < 0)
        nStart = 0;
    // Our own loop: the runtime's wcsstr finds nothing for an empty text.
    size_t nSubLength = wcslen(pszSub);
    for (int i = nStart; size_t(GetLength() - i) >= nSubLength; i++)
    {
        if (wmemcmp(m_pszData + i, pszSub, nSubLength) == 0)
            return i;
    }
    return -1;
}

int CString::ReverseFind(wchar_t ch) const
{
    for (int i = GetLength() - 1; i >= 0; i--)
    {
        if (m_pszData[i] == ch)
            return i;
    }
    return -1;
}

int CString::FindOneOf(const wchar_t* pszCharSet) const
{
    for (int i = 0; i < GetLength(); i++)
    {
        if (InSet(m_pszData[i], pszCharSet))
            return i;
    }
    return -1;
}

// Extraction -----------------------------------------------------------------

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0 || nFirst >= GetLength())
        return CString();
    if (nCount > GetLength() - nFirst)
        nCount = GetLength() - nFirst;
    return CString(m_pszData + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > GetLength())
        nCount = GetLength();
    return CString(m_pszData + GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(const wchar_t* pszCharSet) const
{
    int n = 0;
    while (n < GetLength() && InSet(m_pszData[n], pszCharSet))
        n++;
    return Left(n);
}

CString CString::SpanExcluding(const wchar_t* pszCharSet) const
{
    int n = 0;
    while (n < GetLength() && !InSet(m_pszData[n], pszCharSet))
        n++;
    return Left(n);
}

CString CString::Tokenize(const wchar_t* pszTokens, int& iStart) const
{
    if (iStart < 0 || iStart >= GetLength())
    {
        iStart = -1;
        return CString();
    }
    int nFirst = iStart;
    while (nFirst < GetLength() && InSet(m_pszData[nFirst], pszTokens))
        nFirst++;
    if (nFirst >= GetLength())
    {
        iStart = -1;
        return CString();
    }
    int nEnd = nFirst;
    while (nEnd < GetLength() && !InSet(m_pszData[nEnd], pszTokens))
        nEnd++;
    iStart = nEnd + 1;   // past the delimiter that ended the token
    return Mid(nFirst, nEnd - nFirst);
}

// Trimming -------------------------------------------------------------------

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(wchar_t chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(const wchar_t* pszTargets)
{
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

CString& CString::TrimLeft()
{
    int n = 0;
    while (n < GetLength() && IsTrimSpace(m_pszData[n]))
        n++;
    Delete(0, n);
    return *this;
}

CString& CString::TrimLeft(wchar_t chTarget)
{
    int n = 0;
    while (n < GetLength() && m_pszData[n] == chTarget)
        n++;
    Delete(0, n);
    return *this;
}

CString& CString::TrimLeft(const wchar_t* pszTargets)
{
    int n = 0;
    while (n < GetLength() && InSet(m_pszData[n], pszTargets))
        n++;
    Delete(0, n);
    return *this;
}

CString& CString::TrimRight()
{
    int n = GetLength();
    while (n > 0 && IsTrimSpace(m_pszData[n - 1]))
        n--;
    Truncate(n);
    return *this;
}

CString& CString::TrimRight(wchar_t chTarget)
{
    int n = GetLength();
    while (n > 0 && m_pszData[n - 1] == chTarget)
        n--;
    Truncate(n);
    return *this;
}

CString& CString::TrimRight(const wchar_t* pszTargets)
{
    int n = GetLength();
    while (n > 0 && InSet(m_pszData[n - 1], pszTargets))
        n--;
    Truncate(n);
    return *this;
}

// Case and order -------------------------------------------------------------

CString& CString::MakeUpper()
{
    if (!IsEmpty())
        CharUpperBuffW(m_pszData, DWORD(GetLength()));
    return *this;
}

CString& CString::MakeLower()
{
    if (!IsEmpty())
        CharLowerBuffW(m_pszData, DWORD(GetLength()));
    return *this;
}

CString& CString::MakeReverse()
{
    int n = GetLength();
    for (int i = 0; i < n / 2; i++)
    {
        wchar_t ch = m_pszData[i];
        m_pszData[i] = m_pszData[n - 1 - i];
        m_pszData[n - 1 - i] = ch;
    }
    // A surrogate pair came out low-high: put it back in order.
    for (int i = 0; i + 1 < n; i++)
    {
        if (IsLowSurrogate(m_pszData[i]) && IsHighSurrogate(m_pszData[i + 1]))
        {
            wchar_t ch = m_pszData[i];
            m_pszData[i] = m_pszData[i + 1];
            m_pszData[i + 1] = ch;
            i++;
        }
    }
    return *this;
}

// Replacing, inserting, deleting ---------------------------------------------

int CString::Replace(wchar_t chOld, wchar_t chNew)
{
    int nCount = 0;
    for (int i = 0; i < GetLength(); i++)
    {
        if (m_pszData[i] == chOld)
        {
            m_pszData[i] = chNew;
            nCount++;
        }
    }
    return nCount;
}

int CString::Replace(const wchar_t* pszOld, const wchar_t* pszNew)
{
    if (pszOld == nullptr || *pszOld == 0)
        return 0;
    // Build the result aside: the arguments may point into this string.
    int nOldLength = int(wcslen(pszOld));
    CString result;
    int nCount = 0;
    int nDone = 0;
    for (int nFound = Find(pszOld); nFound >= 0; nFound = Find(pszOld, nFound + nOldLength))
    {
        result.Append(m_pszData + nDone, nFound - nDone);
        result.Append(pszNew);
        nDone = nFound + nOldLength;
        nCount++;
    }
    if (nCount == 0)
        return 0;
    result.Append(m_pszData + nDone, GetLength() - nDone);
    *this = static_cast<CString&&>(result);
    return nCount;
}

int CString::Remove(wchar_t chRemove)
{
    int nKept = 0;
    for (int i = 0; i < GetLength(); i++)
    {
        if (m_pszData[i] != chRemove)
            m_pszData[nKept++] = m_pszData[i];
    }
    int nCount = GetLength() - nKept;
    Truncate(nKept);
    return nCount;
}

int CString::Insert(int nIndex, wchar_t ch)
{
    return Insert(nIndex, CString(ch, 1));
}

int CString::Insert(int nIndex, const wchar_t* psz)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > GetLength())
        nIndex = GetLength();
    if (psz == nullptr || *psz == 0)
        return GetLength();
    CString result(m_pszData, nIndex);
    result.Append(psz);
    result.Append(m_pszData + nIndex, GetLength() - nIndex);
    *this = static_cast<CString&&>(result);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nCount <= 0 || nIndex >= GetLength())
        return GetLength();
    if (nCount > GetLength() - nIndex)
        nCount = GetLength() - nIndex;
    int nNewLength = GetLength() - nCount;
    wmemmove(m_pszData + nIndex, m_pszData + nIndex + nCount, size_t(nNewLength - nIndex));
    SetLength(nNewLength);
    return nNewLength;
}

void CString::Truncate(int nNewLength)
{
    if (nNewLength >= 0 && nNewLength < GetLength())
        SetLength(nNewLength);
}
