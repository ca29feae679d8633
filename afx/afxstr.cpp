// CString storage: construction, assignment, concatenation, comparison and
// direct buffer access. An allocation that fails (only for lengths near the
// int limit) leaves the string as it was.
#include "afxstr.h"
#include "afxvalue_assert.h"

#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <utility>

namespace
{

// Its allocated size of -1 marks it: every module has its own copy of this
// code and of the buffer, and strings cross modules (a DLL fills a caller's
// CString), so "shared" must not depend on which module's buffer it is.
struct NilString
{
    CStringData header{0, -1};
    wchar_t terminator = 0;
};
static_assert(offsetof(NilString, terminator) == sizeof(CStringData), "terminator must follow the header");

// The one empty buffer every empty string points at; it is never written.
NilString g_nilString;

wchar_t* NilData()
{
    return g_nilString.header.data();
}

constexpr int kMaxLength = int((INT_MAX - sizeof(CStringData)) / sizeof(wchar_t)) - 1;

int SafeLength(const wchar_t* psz)
{
    if (psz == nullptr)
        return 0;
    size_t n = wcslen(psz);
    return n > size_t(kMaxLength) ? kMaxLength : int(n);
}

// <0, 0, >0 as wcscmp, but by length so that embedded zeros count.
int CompareOrdinal(const wchar_t* p1, int n1, const wchar_t* p2, int n2)
{
    int n = n1 < n2 ? n1 : n2;
    for (int i = 0; i < n; i++)
    {
        if (p1[i] != p2[i])
            return p1[i] < p2[i] ? -1 : 1;
    }
    return n1 == n2 ? 0 : (n1 < n2 ? -1 : 1);
}

int ResultOfCompareString(int result)
{
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

}   // namespace

// Construction and assignment ------------------------------------------------

CString::CString() : m_pszData(NilData()) {}

CString::CString(const CString& stringSrc) : m_pszData(NilData())
{
    SetString(stringSrc.m_pszData, stringSrc.GetLength());
}

CString::CString(CString&& stringSrc) noexcept : m_pszData(stringSrc.m_pszData)
{
    stringSrc.m_pszData = NilData();
}

CString::CString(const wchar_t* psz) : m_pszData(NilData())
{
    if (psz != nullptr && IS_INTRESOURCE(psz))
        LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(psz)));
    else
        SetString(psz);
}

CString::CString(const wchar_t* pch, int nLength) : m_pszData(NilData())
{
    SetString(pch, nLength);
}

CString::CString(const char* psz) : m_pszData(NilData())
{
    *this = psz;
}

CString::CString(const char* pch, int nLength) : m_pszData(NilData())
{
    if (pch == nullptr || nLength <= 0)
        return;
    int nWide = MultiByteToWideChar(CP_ACP, 0, pch, nLength, nullptr, 0);
    if (nWide <= 0 || !Reserve(nWide))
        return;
    MultiByteToWideChar(CP_ACP, 0, pch, nLength, m_pszData, nWide);
    SetLength(nWide);
}

CString::CString(const unsigned char* psz) : m_pszData(NilData())
{
    *this = reinterpret_cast<const char*>(psz);
}

CString::CString(wchar_t ch, int nRepeat) : m_pszData(NilData())
{
    if (nRepeat <= 0 || !Reserve(nRepeat))
        return;
    for (int i = 0; i < nRepeat; i++)
        m_pszData[i] = ch;
    SetLength(nRepeat);
}

CString::~CString()
{
    Release();
}

CString& CString::operator=(const CString& stringSrc)
{
    SetString(stringSrc.m_pszData, stringSrc.GetLength());
    return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this != &stringSrc)
    {
        Release();
        std::swap(m_pszData, stringSrc.m_pszData);
    }
    return *this;
}

CString& CString::operator=(const wchar_t* psz)
{
    SetString(psz);
    return *this;
}

CString& CString::operator=(const char* psz)
{
    size_t n = psz != nullptr ? strlen(psz) : 0;
    *this = CString(psz, n > size_t(kMaxLength) ? kMaxLength : int(n));
    return *this;
}

CString& CString::operator=(const unsigned char* psz)
{
    return *this = reinterpret_cast<const char*>(psz);
}

CString& CString::operator=(wchar_t ch)
{
    SetString(&ch, 1);
    return *this;
}

// Storage --------------------------------------------------------------------

bool CString::IsShared() const
{
    // This module's buffer by address (which also tells the compiler that
    // free never sees it), any module's by its size.
    return m_pszData == NilData() || GetData()->nAllocLength < 0;
}

bool CString::Reserve(int nLength)
{
    if (nLength < 0 || nLength > kMaxLength)
        return false;
    int nAlloc = GetData()->nAllocLength;
    if (!IsShared() && nLength <= nAlloc)
        return true;
    // Grow by half again so that repeated appends stay linear.
    int nNewAlloc = nAlloc + nAlloc / 2;
    if (nNewAlloc < nLength || nNewAlloc > kMaxLength)
        nNewAlloc = nLength;
    size_t nBytes = sizeof(CStringData) + (size_t(nNewAlloc) + 1) * sizeof(wchar_t);
    CStringData* pOld = IsShared() ? nullptr : GetData();
    CStringData* pNew = static_cast<CStringData*>(realloc(pOld, nBytes));
    if (pNew == nullptr)
        return false;
    if (pOld == nullptr)
        pNew->nDataLength = 0;
    pNew->nAllocLength = nNewAlloc;
    // Zero the new room: ReleaseBuffer(-1) may scan it.
    wchar_t* pData = pNew->data();
    wmemset(pData + pNew->nDataLength, 0, size_t(nNewAlloc - pNew->nDataLength) + 1);
    m_pszData = pData;
    return true;
}

void CString::SetLength(int nLength)
{
    if (IsShared())
        return;
    GetData()->nDataLength = nLength;
    m_pszData[nLength] = 0;
}

void CString::Release()
{
    if (!IsShared())
        free(GetData());
    m_pszData = NilData();
}

void CString::Empty()
{
    Release();
}

void CString::SetString(const wchar_t* psz)
{
    SetString(psz, SafeLength(psz));
}

void CString::SetString(const wchar_t* pch, int nLength)
{
    if (pch == nullptr || nLength <= 0)
    {
        Release();
        return;
    }
    bool bInside = pch >= m_pszData && pch <= m_pszData + GetLength();
    if (bInside)
    {
        // A piece of this string: it fits in place.
        if (nLength > GetLength() - int(pch - m_pszData))
            nLength = GetLength() - int(pch - m_pszData);
        wmemmove(m_pszData, pch, size_t(nLength));
        SetLength(nLength);
        return;
    }
    if (!Reserve(nLength))
        return;
    wmemcpy(m_pszData, pch, size_t(nLength));
    SetLength(nLength);
}

// Access ---------------------------------------------------------------------

wchar_t CString::GetAt(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex < GetLength());
    if (nIndex < 0 || nIndex >= GetLength())
        return 0;
    return m_pszData[nIndex];
}

void CString::SetAt(int nIndex, wchar_t ch)
{
    ASSERT(nIndex >= 0 && nIndex < GetLength());
    if (nIndex < 0 || nIndex >= GetLength())
        return;
    m_pszData[nIndex] = ch;
}

// Concatenation --------------------------------------------------------------

void CString::Append(const wchar_t* pch, int nLength)
{
    if (pch == nullptr || nLength <= 0)
        return;
    int nOldLength = GetLength();
    if (nLength > kMaxLength - nOldLength)
        return;
    // The source may be this string's own buffer, which Reserve can move.
    bool bInside = pch >= m_pszData && pch <= m_pszData + nOldLength;
    ptrdiff_t nOffset = pch - m_pszData;
    if (!Reserve(nOldLength + nLength))
        return;
    if (bInside)
        pch = m_pszData + nOffset;
    wmemmove(m_pszData + nOldLength, pch, size_t(nLength));
    SetLength(nOldLength + nLength);
}

void CString::Append(const wchar_t* psz)
{
    Append(psz, SafeLength(psz));
}

void CString::AppendChar(wchar_t ch)
{
    Append(&ch, 1);
}

CString& CString::operator+=(const CString& str)
{
    Append(str.m_pszData, str.GetLength());
    return *this;
}

CString& CString::operator+=(const wchar_t* psz)
{
    Append(psz);
    return *this;
}

CString& CString::operator+=(const char* psz)
{
    return *this += CString(psz);
}

CString& CString::operator+=(wchar_t ch)
{
    AppendChar(ch);
    return *this;
}

CString operator+(const CString& str1, const CString& str2)
{
    CString result(str1);
    result += str2;
    return result;
}

CString operator+(const CString& str1, const wchar_t* psz2)
{
    CString result(str1);
    result += psz2;
    return result;
}

CString operator+(const wchar_t* psz1, const CString& str2)
{
    CString result(psz1);
    result += str2;
    return result;
}

CString operator+(const CString& str1, wchar_t ch2)
{
    CString result(str1);
    result += ch2;
    return result;
}

CString operator+(wchar_t ch1, const CString& str2)
{
    CString result(ch1);
    result += str2;
    return result;
}

// Comparison -----------------------------------------------------------------

int CString::Compare(const wchar_t* psz) const
{
    const wchar_t* pOther = psz != nullptr ? psz : L"";
    return CompareOrdinal(m_pszData, GetLength(), pOther, SafeLength(pOther));
}

int CString::CompareNoCase(const wchar_t* psz) const
{
    const wchar_t* pOther = psz != nullptr ? psz : L"";
    return ResultOfCompareString(CompareStringOrdinal(m_pszData, GetLength(), pOther, SafeLength(pOther), TRUE));
}

int CString::Collate(const wchar_t* psz) const
{
    const wchar_t* pOther = psz != nullptr ? psz : L"";
    return ResultOfCompareString(
        CompareStringW(LOCALE_USER_DEFAULT, 0, m_pszData, GetLength(), pOther, SafeLength(pOther)));
}

int CString::CollateNoCase(const wchar_t* psz) const
{
    const wchar_t* pOther = psz != nullptr ? psz : L"";
    return ResultOfCompareString(
        CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, m_pszData, GetLength(), pOther, SafeLength(pOther)));
}

static int CompareStrings(const CString& str1, const CString& str2)
{
    return CompareOrdinal(str1.GetString(), str1.GetLength(), str2.GetString(), str2.GetLength());
}

bool operator==(const CString& str1, const CString& str2)
{
    return CompareStrings(str1, str2) == 0;
}
bool operator==(const CString& str1, const wchar_t* psz2)
{
    return str1.Compare(psz2) == 0;
}
bool operator==(const wchar_t* psz1, const CString& str2)
{
    return str2.Compare(psz1) == 0;
}
bool operator==(const CString& str1, wchar_t ch2)
{
    return str1.GetLength() == 1 && str1[0] == ch2;
}
bool operator!=(const CString& str1, const CString& str2)
{
    return !(str1 == str2);
}
bool operator!=(const CString& str1, const wchar_t* psz2)
{
    return !(str1 == psz2);
}
bool operator!=(const wchar_t* psz1, const CString& str2)
{
    return !(psz1 == str2);
}
bool operator!=(const CString& str1, wchar_t ch2)
{
    return !(str1 == ch2);
}
bool operator<(const CString& str1, const CString& str2)
{
    return CompareStrings(str1, str2) < 0;
}
bool operator<(const CString& str1, const wchar_t* psz2)
{
    return str1.Compare(psz2) < 0;
}
bool operator<(const wchar_t* psz1, const CString& str2)
{
    return str2.Compare(psz1) > 0;
}
bool operator>(const CString& str1, const CString& str2)
{
    return CompareStrings(str1, str2) > 0;
}
bool operator>(const CString& str1, const wchar_t* psz2)
{
    return str1.Compare(psz2) > 0;
}
bool operator>(const wchar_t* psz1, const CString& str2)
{
    return str2.Compare(psz1) < 0;
}
bool operator<=(const CString& str1, const CString& str2)
{
    return CompareStrings(str1, str2) <= 0;
}
bool operator<=(const CString& str1, const wchar_t* psz2)
{
    return str1.Compare(psz2) <= 0;
}
bool operator<=(const wchar_t* psz1, const CString& str2)
{
    return str2.Compare(psz1) >= 0;
}
bool operator>=(const CString& str1, const CString& str2)
{
    return CompareStrings(str1, str2) >= 0;
}
bool operator>=(const CString& str1, const wchar_t* psz2)
{
    return str1.Compare(psz2) >= 0;
}
bool operator>=(const wchar_t* psz1, const CString& str2)
{
    return str2.Compare(psz1) <= 0;
}

// Direct buffer access -------------------------------------------------------

wchar_t* CString::GetBuffer()
{
    return GetBuffer(GetLength());
}

wchar_t* CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < GetLength())
        nMinBufLength = GetLength();
    // Even an empty request gets a writable buffer of its own.
    if (!Reserve(nMinBufLength))
        return nullptr;
    return m_pszData;
}

wchar_t* CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    if (!Reserve(nNewLength))
        return nullptr;
    SetLength(nNewLength);
    return m_pszData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (IsShared())
        return;
    int nAlloc = GetData()->nAllocLength;
    if (nNewLength < 0)
        nNewLength = int(wcsnlen(m_pszData, size_t(nAlloc)));
    SetLength(nNewLength < nAlloc ? nNewLength : nAlloc);
}

void CString::ReleaseBufferSetLength(int nNewLength)
{
    ReleaseBuffer(nNewLength < 0 ? 0 : nNewLength);
}

void CString::Preallocate(int nLength)
{
    Reserve(nLength);
}

void CString::FreeExtra()
{
    if (IsShared())
        return;
    int nLength = GetLength();
    if (nLength == 0)
    {
        Release();
        return;
    }
    size_t nBytes = sizeof(CStringData) + (size_t(nLength) + 1) * sizeof(wchar_t);
    CStringData* pNew = static_cast<CStringData*>(realloc(GetData(), nBytes));
    if (pNew == nullptr)
        return;
    pNew->nAllocLength = nLength;
    m_pszData = pNew->data();
}

// Conversions ----------------------------------------------------------------

BSTR CString::AllocSysString() const
{
    return SysAllocStringLen(m_pszData, UINT(GetLength()));
}

UINT HashStringKey(const wchar_t* key) noexcept
{
    UINT nHash = 0;
    if (key == nullptr)
        return nHash;
    while (*key != 0)
        nHash = (nHash << 5) + nHash + *key++;
    return nHash;
}
