// CDC text output and measurement. A null string counts as an empty one.
#include "afxgdi.h"

namespace
{

// Number of characters to hand to GDI for a string that may be null.
int SafeCount(LPCTSTR lpszString, int nCount)
{
    return lpszString == nullptr ? 0 : nCount;
}

CSize SizeOfTabbedResult(DWORD dwExtent)
{
    return CSize(LOWORD(dwExtent), HIWORD(dwExtent));
}

}   // namespace

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    nCount = SafeCount(lpszString, nCount);
    if (nCount < 0)
        return FALSE;
    return ::TextOut(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount, LPINT lpDxWidths)
{
    return ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, lpszString == nullptr ? 0 : nCount, lpDxWidths);
}

CSize CDC::TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions,
                         int nTabOrigin)
{
    nCount = SafeCount(lpszString, nCount);
    if (nCount <= 0)
        return CSize(0, 0);
    const LONG extent =
        ::TabbedTextOut(m_hDC, x, y, lpszString, nCount, nTabPositions, lpnTabStopPositions, nTabOrigin);
    return SizeOfTabbedResult(static_cast<DWORD>(extent));
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    if (lpszString == nullptr || lpRect == nullptr || nCount < -1)
        return 0;
    return ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    // The characters of a const string are not ours to change.
    return DrawText(str.GetString(), str.GetLength(), lpRect, nFormat & ~DT_MODIFYSTRING);
}

int CDC::DrawText(CString& str, LPRECT lpRect, UINT nFormat)
{
    if (!(nFormat & DT_MODIFYSTRING))
        return DrawText(str.GetString(), str.GetLength(), lpRect, nFormat);
    // DrawText may write the shortened text plus an ellipsis: up to four
    // characters beyond the original length.
    const int nLength = str.GetLength();
    wchar_t* buffer = str.GetBuffer(nLength + 4);
    for (int i = nLength; i <= nLength + 4; ++i)
        buffer[i] = L'\0';
    const int nHeight = lpRect != nullptr ? ::DrawText(m_hDC, buffer, nLength, lpRect, nFormat) : 0;
    str.ReleaseBuffer();
    return nHeight;
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {};
    nCount = SafeCount(lpszString, nCount);
    if (nCount > 0)
        ::GetTextExtentPoint32(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {};
    nCount = SafeCount(lpszString, nCount);
    if (nCount > 0)
        ::GetTextExtentPoint32(m_hDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTabbedTextExtent(LPCTSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions) const
{
    nCount = SafeCount(lpszString, nCount);
    if (nCount <= 0)
        return CSize(0, 0);
    return SizeOfTabbedResult(
        ::GetTabbedTextExtent(m_hAttribDC, lpszString, nCount, nTabPositions, lpnTabStopPositions));
}

int CDC::GetTextFace(CString& rString) const
{
    wchar_t* buffer = rString.GetBuffer(LF_FACESIZE);
    buffer[0] = L'\0';
    const int nResult = ::GetTextFace(m_hAttribDC, LF_FACESIZE, buffer);
    rString.ReleaseBuffer();
    return nResult;
}

int CDC::StartDoc(LPCTSTR lpszDocName)
{
    DOCINFO docInfo = {};
    docInfo.cbSize = sizeof(docInfo);
    docInfo.lpszDocName = lpszDocName;
    return ::StartDoc(m_hDC, &docInfo);
}
