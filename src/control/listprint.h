// CListPrint: a complete paged print job for a list of records, plugged into
// the framework's print cycle. OnBeginPrinting fixes the page model from the
// printer's metrics (rows per page, page count); OnPrint prints a page: the
// title, the heading band, the page's rows, the closing block on the last
// page, and "第n頁" at the foot when there is more than one page. An
// application derives from it and supplies the records (GetRecordCount,
// GetRecordLength, GetItemText or GetRecord). It also prints a plain text
// block, wrapping long lines to the page width.
#pragma once

#include "afxwin.h"
#include "ucommon/printcommon.h"
#include "qvapi.h"

class QVCTRL_API CListPrint : public CPrintCommon
{
public:
    CListPrint();
    ~CListPrint() override;

    // Clears the preview flag and runs the print dialog.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    // One page: title, heading band, body.
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    // The page model; "Paper is too short!" (no pages) when not one row fits.
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    // Layouts; each numbers the positions of its fields (see the .cpp).
    virtual void SetPrintField(CfField* pField, int nCount);
    virtual void SetPrintTitleField(CfField* pField, int nCount);
    virtual void SetPrintTailField(CfField* pField, int nCount, int nFirst);
    // The column-heading band, two text lines high; y moves below it.
    virtual void PrintHead(CDC* pDC, int& y);
    // The closing block of the last page; this class draws none.
    virtual void PrintTail(CDC* pDC, int& y, int nUnused);
    virtual void PrintBody(CDC* pDC, CPrintInfo* pInfo);
    // Device height of a font of size number nSize (0 to 15, else 10's size).
    virtual int GetRealFontHeight(CDC* pDC, int nSize);

    // Screen pixels to printer pixels, when all four resolutions are known.
    void ScreenToPrinter(CRect& rect);
    // Prints a text block (UTF-16, NUL-terminated) on the page, lines wrapped.
    void OnPrint(CDC* pDC, CPrintInfo* pInfo, HGLOBAL hText);
    // Writes the whole block to "a23.txt" in the current folder; draws nothing.
    void OnUnicodePrint(CDC* pDC, CPrintInfo* pInfo, HGLOBAL hBlock);

    int m_nScreenResX;   // pixels per inch of the screen, set by the application
    int m_nScreenResY;
    int m_nPrinterResX;   // pixels per inch of the printer, set by OnBeginPrinting
    int m_nPrinterResY;
    CfField* m_pTitleField;   // kept for derived classes
    int m_nTitleField;
    CfField* m_pTailField;   // the closing block's layout
    int m_nTailField;
    int m_nRowsPerPage;   // set by OnBeginPrinting
    int m_nTextScale;     // text block font height in tenths of the character height

private:
    // Draws one text line at (x, y), in pieces that fit nWidth; y advances.
    void PrintTextLine(CDC* pDC, wchar_t* pszLine, int x, int& y, int nWidth, int nStep);
};
