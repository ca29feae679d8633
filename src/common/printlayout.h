// The page scheme that the printing classes share (CPrintCommon, CListPrint,
// CDlgPrintDlg): column positions, the title block, the heading band, ruled
// rows with their font variants and the page number. Each class draws its
// cells through its own virtual Draw and DrawData, handed in here.
#pragma once

#include <functional>
#include "afxwin.h"
#include "common/field.h"

namespace qvprint
{

using DrawFn = std::function<void(CDC* pDC, const CString& strText, CRect rect, UINT nFormat)>;
using DrawDataFn = std::function<void(CDC* pDC, CRect rect, int nType, void* pValue, int nFormat)>;

// Positions as running sums of widths from nFirst on; with bSkipUnstored a
// field not stored in the record (offset -1) takes a position but no room.
void NumberPositions(CfField* pField, int nCount, int nFirst, bool bSkipUnstored);

// Cell edges of field f for average character width W.
inline int CellLeft(const CfField& f, int W, int nLeftMargin)
{
    return f.nPos * W + nLeftMargin;
}
inline int CellRight(const CfField& f, int W, int nLeftMargin)
{
    return CellLeft(f, W, nLeftMargin) + f.nWidth * W;
}

// The closed border path of a cell: down the left, along the bottom, up the right, back along the top.
void DrawCellBorder(CDC* pDC, const CRect& rect);

// The title (centred, in a font 5/3 the character height, variable pitch,
// Swiss) over the table's width, then the date line starting at its middle.
void PrintTitleBlock(CDC* pDC, const CfField* pField, int nCount, int nLeftMargin, const CString& strTitle,
                     const CString& strDateLine, int& y);

// The heading band, two text lines high, with group captions; y moves below it.
void PrintHeadingBand(CDC* pDC, const CfField* pField, int nCount, int nLeftMargin, int& y, const DrawFn& draw);

// One ruled row of a record (nLength bytes readable at pRecord) from top to
// bottom. With bVariants, text cells of format 2 (and date types 30, 35)
// use a two-thirds-height font and text cells of format 1 are split in two
// lines of a half-height font.
void PrintRowCells(CDC* pDC, const CfField* pField, int nCount, int nLeftMargin, const char* pRecord, long nLength,
                   int top, int bottom, bool bVariants, const DrawDataFn& drawData, const DrawFn& draw);

// "第n頁" ending at the last field's right edge (no left margin), at y.
void PrintPageNumber(CDC* pDC, const CfField& last, UINT nPage, int y);

}   // namespace qvprint
