// CFillHtml: fills HTML report templates from a record. A template holds
// markers named after the captions of field descriptors; each marker is
// replaced with the text of that field's value in the record.
//
// Documents are global-memory blocks of UTF-16 text that end at the first
// zero character (or at the end of the block). LoadFile returns a file's
// bytes followed by 100 zero bytes; FillInformation with a template path
// decodes 8-bit templates first (see fillhtml_encoding.h).
#pragma once

#include <windows.h>
#include "afx.h"
#include "common/field.h"
#include "qvapi.h"

class QVCTRL_API CFillHtml
{
public:
    CFillHtml();
    virtual ~CFillHtml();

    // The file's bytes in a new block of its length + 100 zero bytes, or null:
    // null without a message when the file cannot be opened, null after
    // "文件讀取錯誤" when it cannot be read whole.
    HGLOBAL LoadFile(LPCTSTR pszFileName);

    // Fills markers written as <Name>, in place; 0 for a null handle or record, else 1.
    int FillInformation(HGLOBAL hDocument, CfField* pField, int nCount, char* pRecord);
    // The general filler with markers between chStart and chEnd. For "<" the
    // document is filled in place and the same handle comes back; for other
    // characters the filled text is a new block, the old one is freed and
    // the new handle comes back. Null when the block cannot be locked or the
    // record is missing; the caller's block is then left as it was.
    HGLOBAL FillInformation(HGLOBAL hDocument, CfField* pField, int nCount, char* pRecord,
                            wchar_t chStart, wchar_t chEnd);
    // Loads the template, fills its [Name] markers and writes the result to
    // the export file "report.htm". The file's path, or empty on failure.
    CString FillInformation(LPCTSTR pszTemplate, CfField* pField, int nCount, char* pRecord);
    // The in-place filler of documents flagged as Unicode (they begin with
    // U+00FF U+00FE): <Name> markers with names of up to 50 characters,
    // matched exactly. 1; 0 for a null handle or record.
    int FillUnicodeInformation(HGLOBAL hDocument, CfField* pField, int nCount, char* pRecord);

    // Byte length of the last loaded or filled document.
    int GetDocumentLength() const { return m_nDocLength; }

protected:
    int m_nDocLength;  // byte length of the last loaded or filled document; 0 after construction
};

