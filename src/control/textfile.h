// CTextFile: a file that text is written to as UTF-16 (the program's own
// string form) or as UTF-8 with a byte-order mark, chosen when it is opened.
// No line ends are added: callers put them into their strings.
#pragma once

#include "afx.h"
#include "qvapi.h"

class QVCTRL_API CTextFile : public CFile
{
public:
    CTextFile();
    ~CTextFile() override;

    using CFile::Open;
    // UTF-8 mode is bUTF8 when the flags ask for modeWrite, else off. A file
    // opened for writing in UTF-8 mode gets its byte-order mark at once.
    // Answers the base open's result.
    int Open(LPCTSTR pszFileName, UINT nOpenFlags, int bUTF8);
    // Writes EF BB BF; 1.
    int WriteUTF8Header();
    // UTF-16 mode: writes the characters, two bytes each, and answers 0.
    // UTF-8 mode: writes the UTF-8 bytes, flushes, and answers their number
    // (0 when the file did not take them).
    int PutString(const CString& strText);

protected:
    int m_bUTF8;         // strings are written as UTF-8
    UINT m_nOpenFlags;   // the flags last passed to Open
};
