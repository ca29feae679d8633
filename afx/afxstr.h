// CString: the framework layer's UTF-16 string with value semantics.
//
// Layout: one pointer to the characters; the length and the allocated size
// sit in a small header just before them (CStringData). An empty string
// points at a shared, read-only empty buffer, so default construction does
// not allocate. Every string is zero-terminated.
//
// Narrow text (const char*, %S in Format) is converted with the ANSI code
// page (CP_ACP), as a Unicode MFC build does. Malformed bytes become U+FFFD.
//
// Format and AppendFormat take CString arguments as their characters; other
// functions with "..." (wsprintf, TRACE) need (LPCTSTR)s or s.GetString().
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <cstdarg>

HINSTANCE AfxGetResourceHandle();

struct CStringData
{
    int nDataLength;    // characters in use, not counting the terminator
    int nAllocLength;   // characters that fit, not counting the terminator
    wchar_t* data() { return reinterpret_cast<wchar_t*>(this + 1); }
};

class CString
{
public:
    CString();
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    CString(const wchar_t* psz);   // null gives empty; MAKEINTRESOURCE(id) loads string id
    CString(const wchar_t* pch, int nLength);
    CString(const char* psz);                // CP_ACP
    CString(const char* pch, int nLength);   // CP_ACP
    CString(const unsigned char* psz);       // CP_ACP
    CString(wchar_t ch, int nRepeat = 1);
    ~CString();

    CString& operator=(const CString& stringSrc);
    CString& operator=(CString&& stringSrc) noexcept;
    CString& operator=(const wchar_t* psz);
    CString& operator=(const char* psz);
    CString& operator=(const unsigned char* psz);
    CString& operator=(wchar_t ch);

    // Access
    int GetLength() const { return GetData()->nDataLength; }
    bool IsEmpty() const { return GetLength() == 0; }
    void Empty();
    const wchar_t* GetString() const { return m_pszData; }
    operator const wchar_t*() const { return m_pszData; }
    // An index out of range asserts; it then reads 0 and writes nothing.
    wchar_t GetAt(int nIndex) const;
    void SetAt(int nIndex, wchar_t ch);
    wchar_t operator[](int nIndex) const { return GetAt(nIndex); }
    void SetString(const wchar_t* pch, int nLength);
    void SetString(const wchar_t* psz);

    // Concatenation
    CString& operator+=(const CString& str);
    CString& operator+=(const wchar_t* psz);
    CString& operator+=(const char* psz);
    CString& operator+=(wchar_t ch);
    void Append(const wchar_t* pch, int nLength);
    void Append(const wchar_t* psz);
    void AppendChar(wchar_t ch);

    // Comparison: Compare is ordinal, CompareNoCase ordinal ignoring case,
    // Collate by the user's locale. Each returns <0, 0 or >0. Null is empty.
    int Compare(const wchar_t* psz) const;
    int CompareNoCase(const wchar_t* psz) const;
    int Collate(const wchar_t* psz) const;
    int CollateNoCase(const wchar_t* psz) const;

    // Searching: results are indexes, or -1 for "not found".
    int Find(wchar_t ch, int nStart = 0) const;
    int Find(const wchar_t* pszSub, int nStart = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(const wchar_t* pszCharSet) const;

    // Extraction: counts and positions are clamped to the string.
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(const wchar_t* pszCharSet) const;
    CString SpanExcluding(const wchar_t* pszCharSet) const;
    // Next token after iStart; iStart becomes -1 when no token is left.
    CString Tokenize(const wchar_t* pszTokens, int& iStart) const;

    // Changing in place
    CString& Trim();
    CString& Trim(wchar_t chTarget);
    CString& Trim(const wchar_t* pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(wchar_t chTarget);
    CString& TrimLeft(const wchar_t* pszTargets);
    CString& TrimRight();
    CString& TrimRight(wchar_t chTarget);
    CString& TrimRight(const wchar_t* pszTargets);
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    int Replace(wchar_t chOld, wchar_t chNew);
    int Replace(const wchar_t* pszOld, const wchar_t* pszNew);
    int Remove(wchar_t chRemove);
    int Insert(int nIndex, wchar_t ch);
    int Insert(int nIndex, const wchar_t* psz);
    int Delete(int nIndex, int nCount = 1);
    void Truncate(int nNewLength);

    // Direct buffer access: write at most nMinBufLength characters (plus the
    // terminator), then call ReleaseBuffer. ReleaseBuffer(-1) measures up to
    // the first zero character. Null only when the size cannot be allocated.
    wchar_t* GetBuffer();
    wchar_t* GetBuffer(int nMinBufLength);
    wchar_t* GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength);
    void Preallocate(int nLength);
    void FreeExtra();

    // Resources: LoadString(id) reads from AfxGetResourceHandle(). FALSE when
    // the string is missing or empty; the string is then left unchanged.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    // Formatting with the MSVC meanings for wide strings (see afxstr_format.cpp).
    // A CString argument passes its characters, as it does with MSVC.
    template <class... Args> void Format(const wchar_t* pszFormat, const Args&... args)
    {
        FormatArgs(pszFormat, FormatArg(args)...);
    }
    template <class... Args> void Format(UINT nFormatID, const Args&... args)
    {
        FormatIdArgs(nFormatID, FormatArg(args)...);
    }
    template <class... Args> void AppendFormat(const wchar_t* pszFormat, const Args&... args)
    {
        AppendFormatArgs(pszFormat, FormatArg(args)...);
    }
    void FormatV(const wchar_t* pszFormat, va_list args);
    void AppendFormatV(const wchar_t* pszFormat, va_list args);

    BSTR AllocSysString() const;

private:
    static const wchar_t* FormatArg(const CString& str) { return str.m_pszData; }
    template <class T> static const T& FormatArg(const T& value) { return value; }
    void FormatArgs(const wchar_t* pszFormat, ...);
    void FormatIdArgs(UINT nFormatID, ...);
    void AppendFormatArgs(const wchar_t* pszFormat, ...);

    CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pszData) - 1; }
    bool IsShared() const;
    // Makes room for nLength characters keeping the current ones; returns false
    // when that size cannot be allocated.
    bool Reserve(int nLength);
    void SetLength(int nLength);
    void Release();

    wchar_t* m_pszData;
};

CString operator+(const CString& str1, const CString& str2);
CString operator+(const CString& str1, const wchar_t* psz2);
CString operator+(const wchar_t* psz1, const CString& str2);
CString operator+(const CString& str1, wchar_t ch2);
CString operator+(wchar_t ch1, const CString& str2);

bool operator==(const CString& str1, const CString& str2);
bool operator==(const CString& str1, const wchar_t* psz2);
bool operator==(const wchar_t* psz1, const CString& str2);
bool operator==(const CString& str1, wchar_t ch2);
bool operator!=(const CString& str1, const CString& str2);
bool operator!=(const CString& str1, const wchar_t* psz2);
bool operator!=(const wchar_t* psz1, const CString& str2);
bool operator!=(const CString& str1, wchar_t ch2);
bool operator<(const CString& str1, const CString& str2);
bool operator<(const CString& str1, const wchar_t* psz2);
bool operator<(const wchar_t* psz1, const CString& str2);
bool operator>(const CString& str1, const CString& str2);
bool operator>(const CString& str1, const wchar_t* psz2);
bool operator>(const wchar_t* psz1, const CString& str2);
bool operator<=(const CString& str1, const CString& str2);
bool operator<=(const CString& str1, const wchar_t* psz2);
bool operator<=(const wchar_t* psz1, const CString& str2);
bool operator>=(const CString& str1, const CString& str2);
bool operator>=(const CString& str1, const wchar_t* psz2);
bool operator>=(const wchar_t* psz1, const CString& str2);
