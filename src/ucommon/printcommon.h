// CPrintCommon: prints a table of records onto a printer or preview DC, one
// ruled row at a time, under a title block with the print date. The table is
// an array of field descriptors: column position and width in average
// character widths, data type, record offset and format parameter of each
// cell. Records come as record buffers, or are rebuilt from cell texts
// (GetItemText) by GetRecord. Derived classes (CListPrint) supply the
// records and the page layout.
#pragma once

#include "afxwin.h"
#include "common/field.h"
#include "control/fillhtml.h"
#include "qvapi.h"

class QVCTRL_API CPrintCommon : public CFillHtml
{
public:
    CPrintCommon();
    CPrintCommon(const CPrintCommon& source);
    CPrintCommon& operator=(const CPrintCommon& source);
    ~CPrintCommon() override;

    // Draws the title and the print date from device y on; y moves below them.
    // Nothing when there is no layout.
    virtual void PrintTitle(CDC* pDC, int& y);
    // Fills pRecord (GetRecordLength bytes) with row nRow rebuilt from its
    // texts; 1, or 0 for a row out of range or a null buffer.
    virtual int GetRecord(long nRow, char* pRecord);
    virtual long GetRecordCount();
    virtual long GetRecordLength();
    virtual CString GetItemText(long nRow, int nField);
    // One row from GetRecord, with the small-font and two-line text variants
    // and a ruled border around every stored cell; m_nCurrentY advances.
    virtual void PrintRecord(CDC* pDC, long nRow, int nUnused);
    // One row from a caller's record, every cell with DrawData.
    virtual void PrintRecord(CDC* pDC, char* pRecord);
    // The value at pValue as text of its data type, handed to Draw.
    virtual void DrawData(CDC* pDC, CRect rect, int nType, void* pValue, int nFormat);
    // The cell's right edge, then the text on one line, vertically centred;
    // nFormat 0 left, 1 centre, 2 right.
    virtual void Draw(CDC* pDC, const CString& strText, CRect rect, UINT nFormat);
    // Writes the first m_nDocLength bytes of the document; 1, or 0 when the
    // file cannot be opened or there is nothing to write.
    virtual int SaveFile(HGLOBAL hDocument, LPCTSTR lpszPath);

    CfField* m_pField;    // the layout (borrowed); null prints nothing
    int m_nField;         // entries of m_pField
    CString m_strTitle;   // printed by PrintTitle
    int m_nLeftMargin;    // device units before every column
    int m_nCurrentY;      // top of the next row
    int m_nLineHeight;    // height of a row
    int m_bTotalRow;      // an empty date cell (types 8, 17) prints "合計"

protected:
    // pos, or pos - 1 when pos would fall inside a two-unit character.
    int AdjustPos(LPCTSTR lpszText, int nPos);
    // How many characters of the text fit into nWidth device units.
    long FitPageWidth(CDC* pDC, LPCTSTR lpszText, int nWidth);
    // Asks whether to edit before printing: 0 for No; 1 for Yes, after saving
    // the document to "c:\tmp.doc" and opening it with its program.
    int EditPrint(HGLOBAL hDocument, CWnd* pOwner);

    // One row of the record (nLength readable bytes) at m_nCurrentY, which advances.
    void PrintCells(CDC* pDC, const char* pRecord, long nLength, bool bVariants);

private:
    void CopyFrom(const CPrintCommon& source);
};
