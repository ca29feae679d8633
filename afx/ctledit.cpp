// CEdit members with more than one step: selection with scrolling, and
// reading a line into a buffer that EM_GETLINE would leave unterminated.
#include "afxwin.h"

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    ::SendMessage(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), static_cast<LPARAM>(nEndChar));
    if (!bNoScroll)
        ::SendMessage(m_hWnd, EM_SCROLLCARET, 0, 0);
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    if (lpszBuffer == nullptr || nMaxLength <= 0)
        return 0;
    // EM_GETLINE reads the buffer size from the buffer's first character.
    lpszBuffer[0] = static_cast<wchar_t>(nMaxLength > 0xFFFF ? 0xFFFF : nMaxLength);
    const int nCopied = static_cast<int>(
        ::SendMessage(m_hWnd, EM_GETLINE, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
    if (nCopied < nMaxLength)
        lpszBuffer[nCopied] = L'\0';
    return nCopied;
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer) const
{
    if (lpszBuffer == nullptr)
        return 0;
    return GetLine(nIndex, lpszBuffer, static_cast<WORD>(lpszBuffer[0]));
}
