// Reading a text that a control cuts to the buffer it is given.
#pragma once

#include "afxstr.h"

// Grows the buffer until the whole text fits. read(buffer, nSize) asks the
// control for at most nSize - 1 characters and returns where the text is:
// the buffer, another pointer (controls hand back their own text for
// callback items), or null when there is none.
template <class Read> CString AfxReadControlText(Read read)
{
    CString text;
    for (int nSize = 256; nSize <= (1 << 24); nSize *= 4)
    {
        wchar_t* buffer = text.GetBuffer(nSize);
        buffer[0] = L'\0';
        const wchar_t* result = read(buffer, nSize);
        if (result != buffer)
        {
            const CString other(result);
            text.ReleaseBuffer(0);
            return other;
        }
        text.ReleaseBuffer();
        if (text.GetLength() < nSize - 1)
            break;
    }
    return text;
}
