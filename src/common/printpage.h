// The page body and the record buffer that the list printers share
// (CPrintCommon, CListPrint, CDlgPrintDlg). Each printer keeps its own page
// model and prints each step through its own virtual operations.
#pragma once

#include <algorithm>
#include <functional>
#include <vector>
#include "afxwin.h"
#include "common/field.h"
#include "common/printlayout.h"

namespace qvprint
{

// The page pInfo->m_nCurPage of a printer with the list page scheme
// (m_nRowsPerPage rows a page, m_nCurrentY the top of the next row,
// m_pTailField the closing block's layout; GetRecordCount, PrintRecord and
// PrintTail): its rows, the closing block on the last page, and "第n頁"
// under them when the job has more than one page. Nothing when there is no
// layout (pField, nField) or not one row fits.
template <class Printer>
void PrintPageBody(Printer& printer, CDC* pDC, CPrintInfo* pInfo, const CfField* pField, int nField)
{
    ASSERT(printer.m_nRowsPerPage >= 1);
    const int nRowsPerPage = printer.m_nRowsPerPage;
    if (nRowsPerPage < 1 || pField == nullptr || nField < 1)
        return;
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    const long nCount = printer.GetRecordCount();
    const long nFirst = static_cast<long>(pInfo->m_nCurPage - 1) * nRowsPerPage;
    for (long nRow = nFirst; nRow < nFirst + nRowsPerPage && nRow < nCount; ++nRow)
        printer.PrintRecord(pDC, nRow, 0);
    if (printer.m_pTailField != nullptr && pInfo->GetMaxPage() == pInfo->m_nCurPage)
        printer.PrintTail(pDC, printer.m_nCurrentY, 0);
    if (pInfo->GetMaxPage() > 1)
        PrintPageNumber(pDC, pField[nField - 1], pInfo->m_nCurPage, printer.m_nCurrentY + tm.tmHeight);
}

// Row nRow's record as getRecord fills it (1 for success), nLength bytes
// followed by zeroed guard bytes, so that an unterminated text ends inside
// the buffer; all zero when getRecord fails.
std::vector<char> FetchRecord(long nLength, const std::function<int(char* pRecord)>& getRecord);

// One ruled row of the record (nLength readable bytes) at the printer's
// m_nCurrentY, one m_nLineHeight high, after m_nLeftMargin; m_nCurrentY
// moves below it. The cells are drawn with the printer's DrawData and Draw.
template <class Printer>
void PrintRecordCells(Printer& printer, CDC* pDC, const CfField* pField, int nField, const char* pRecord, long nLength,
                      bool bVariants)
{
    const int top = printer.m_nCurrentY;
    printer.m_nCurrentY = top + printer.m_nLineHeight;
    PrintRowCells(
        pDC, pField, nField, printer.m_nLeftMargin, pRecord, nLength, top, printer.m_nCurrentY, bVariants,
        [&printer](CDC* pDrawDC, CRect rect, int nType, void* pValue, int nFormat)
        { printer.DrawData(pDrawDC, rect, nType, pValue, nFormat); },
        [&printer](CDC* pDrawDC, const CString& strText, CRect rect, UINT nFormat)
        { printer.Draw(pDrawDC, strText, rect, nFormat); });
}

// Row nRow from the printer's GetRecord (GetRecordLength bytes), printed with
// the font variants by PrintRecordCells. Nothing without a layout.
template <class Printer> void PrintRecordRow(Printer& printer, CDC* pDC, long nRow, const CfField* pField, int nField)
{
    ASSERT(pField != nullptr && nField >= 1);
    if (pField == nullptr || nField < 1)
        return;
    const long nLength = std::max(printer.GetRecordLength(), 0L);
    const std::vector<char> record =
        FetchRecord(nLength, [&printer, nRow](char* pRecord) { return printer.GetRecord(nRow, pRecord); });
    PrintRecordCells(printer, pDC, pField, nField, record.data(), nLength, true);
}

}   // namespace qvprint
