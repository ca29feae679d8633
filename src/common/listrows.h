// The row and cell store of the list grid: rows linked in display order, each
// with its cells linked in ascending column order, and a table of row pointers
// kept beside the links so that any row is reached without walking the list.
#pragma once

#include <windows.h>
#include <deque>
#include "qvapi.h"

// Cell flag bits.
#define CELL_HASTEXT 4
#define CELL_HASIMAGE 16

// Combine states of a cell (SetCombine).
#define COMBINE_NONE 0
#define COMBINE_FIRST 1
#define COMBINE_INSIDE 2
#define COMBINE_LAST 3

// One cell of a row.
struct CxColumnIndex
{
    CxColumnIndex* pPrevious;
    CxColumnIndex* pNext;
    int nFlags;         // CELL_HASTEXT, CELL_HASIMAGE
    wchar_t* pszText;   // owned, or null
    int nColumn;
    int nReserved1;   // not used by the store
    int nReserved2;
    COLORREF crColor;   // 0 = none
    int nImage;
    int nCombine;   // COMBINE_*
};

// One row.
struct CxRowIndex
{
    CxRowIndex* pPrevious;
    CxRowIndex* pNext;
    CxColumnIndex* pCells;   // first cell, null when the row has none
    int nOrdinal;            // index at the time AppendBlank made it
    COLORREF crColor;        // row background, 0 = none
    int nDisabled;
    UINT nState;   // LVIS_* bits
    int nImage;
    COLORREF crSecond;
};

// The row list. Rows are linked both ways; m_rowTable holds the same rows in
// the same order so that a row is found by its index in constant time.
struct QVCTRL_API CListRowManager
{
    CxRowIndex* m_pHeadRow = nullptr;
    int m_nRowCount = 0;
    int m_nCachedRow = -1;   // index of m_pCachedRow, -1 = none
    CxRowIndex* m_pCachedRow = nullptr;

    CListRowManager() = default;
    ~CListRowManager();
    CListRowManager(const CListRowManager&) = delete;
    CListRowManager& operator=(const CListRowManager&) = delete;

    // Releases every row, cell and text.
    void Free();

    static CxRowIndex* NewRowIndex();
    static void FreeRowIndex(CxRowIndex* pRow);

    // The row at an index (null out of range); remembered in the row cache.
    CxRowIndex* GetRowIndex(int nRow);
    // The row at an index without touching the cache; null out of range.
    CxRowIndex* RowAt(int nRow) const;

    // Links a new row so that it takes index nRow (0..count); the cache is emptied.
    void LinkRow(int nRow, CxRowIndex* pRow);
    // Links a new row after the last one.
    void AppendRow(CxRowIndex* pRow);
    // Unlinks the row at nRow and hands it back (null out of range); the cache is emptied.
    CxRowIndex* UnlinkRow(int nRow);

    // The cell of a row for a column, or null when it was never created.
    static CxColumnIndex* FindCell(const CxRowIndex* pRow, int nColumn);
    // The cell of a row for a column, created in its ordered place when missing.
    static CxColumnIndex* FindOrCreateCell(CxRowIndex* pRow, int nColumn);
    // For walking a row's columns in order: the cell of nColumn right after
    // pPrevious (the row's first cell when null), created there when missing.
    // pPrevious must be the cell of a lower column of the same row.
    static CxColumnIndex* CellAfter(CxRowIndex* pRow, CxColumnIndex* pPrevious, int nColumn);
    // Replaces the cell's text with a copy of pszText (null stores an empty text).
    static void StoreCellText(CxColumnIndex* pCell, const wchar_t* pszText);
    // Exchanges the texts of two cells; both count as written.
    static void ExchangeCellTexts(CxColumnIndex* pFirst, CxColumnIndex* pSecond);
    // The text of a cell; "" for a missing cell or one without text.
    static const wchar_t* CellText(const CxColumnIndex* pCell);

private:
    static void FreeCells(CxRowIndex* pRow);
    // A new empty cell linked between pBefore and pCell (either may be null).
    static CxColumnIndex* LinkNewCell(CxRowIndex* pRow, CxColumnIndex* pBefore, CxColumnIndex* pCell, int nColumn);

    std::deque<CxRowIndex*> m_rowTable;
};
