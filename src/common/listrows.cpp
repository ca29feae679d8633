// Row list of the list grid: links, the row table beside them, and cells.
#include "listrows.h"

#include <cwchar>
#include <new>

CListRowManager::~CListRowManager()
{
    Free();
}

void CListRowManager::Free()
{
    CxRowIndex* pRow = m_pHeadRow;
    while (pRow)
    {
        CxRowIndex* pNext = pRow->pNext;
        FreeRowIndex(pRow);
        pRow = pNext;
    }
    m_rowTable.clear();
    m_pHeadRow = nullptr;
    m_nRowCount = 0;
    m_nCachedRow = -1;
    m_pCachedRow = nullptr;
}

CxRowIndex* CListRowManager::NewRowIndex()
{
    CxRowIndex* pRow = new CxRowIndex{};
    pRow->crSecond = RGB(255, 255, 255);
    return pRow;
}

void CListRowManager::FreeCells(CxRowIndex* pRow)
{
    CxColumnIndex* pCell = pRow->pCells;
    while (pCell)
    {
        CxColumnIndex* pNext = pCell->pNext;
        delete[] pCell->pszText;
        delete pCell;
        pCell = pNext;
    }
    pRow->pCells = nullptr;
}

void CListRowManager::FreeRowIndex(CxRowIndex* pRow)
{
    if (!pRow)
        return;
    FreeCells(pRow);
    delete pRow;
}

CxRowIndex* CListRowManager::RowAt(int nRow) const
{
    if (nRow < 0 || nRow >= m_nRowCount || size_t(nRow) >= m_rowTable.size())
        return nullptr;
    return m_rowTable[size_t(nRow)];
}

CxRowIndex* CListRowManager::GetRowIndex(int nRow)
{
    if (nRow < 0 || nRow >= m_nRowCount)
        return nullptr;
    if (nRow == m_nCachedRow && m_pCachedRow)
        return m_pCachedRow;
    CxRowIndex* pRow = RowAt(nRow);
    if (pRow)
    {
        m_nCachedRow = nRow;
        m_pCachedRow = pRow;
    }
    return pRow;
}

void CListRowManager::LinkRow(int nRow, CxRowIndex* pRow)
{
    if (nRow < 0 || nRow > m_nRowCount)
        nRow = m_nRowCount;
    CxRowIndex* pAfter = RowAt(nRow);   // the row that will follow the new one
    CxRowIndex* pBefore = nRow > 0 ? RowAt(nRow - 1) : nullptr;
    pRow->pPrevious = pBefore;
    pRow->pNext = pAfter;
    if (pBefore)
        pBefore->pNext = pRow;
    else
        m_pHeadRow = pRow;
    if (pAfter)
        pAfter->pPrevious = pRow;
    m_rowTable.insert(m_rowTable.begin() + nRow, pRow);
    ++m_nRowCount;
    // Rows from nRow on have moved up by one: the cached index no longer matches.
    m_nCachedRow = -1;
    m_pCachedRow = nullptr;
}

void CListRowManager::AppendRow(CxRowIndex* pRow)
{
    CxRowIndex* pLast = m_rowTable.empty() ? nullptr : m_rowTable.back();
    pRow->pPrevious = pLast;
    pRow->pNext = nullptr;
    if (pLast)
        pLast->pNext = pRow;
    else
        m_pHeadRow = pRow;
    m_rowTable.push_back(pRow);
    ++m_nRowCount;
}

CxRowIndex* CListRowManager::UnlinkRow(int nRow)
{
    CxRowIndex* pRow = RowAt(nRow);
    if (!pRow)
        return nullptr;
    if (pRow->pPrevious)
        pRow->pPrevious->pNext = pRow->pNext;
    else
        m_pHeadRow = pRow->pNext;
    if (pRow->pNext)
        pRow->pNext->pPrevious = pRow->pPrevious;
    pRow->pPrevious = pRow->pNext = nullptr;
    m_rowTable.erase(m_rowTable.begin() + nRow);
    --m_nRowCount;
    m_nCachedRow = -1;
    m_pCachedRow = nullptr;
    return pRow;
}

CxColumnIndex* CListRowManager::FindCell(const CxRowIndex* pRow, int nColumn)
{
    if (!pRow)
        return nullptr;
    for (CxColumnIndex* pCell = pRow->pCells; pCell && pCell->nColumn <= nColumn; pCell = pCell->pNext)
        if (pCell->nColumn == nColumn)
            return pCell;
    return nullptr;
}

CxColumnIndex* CListRowManager::FindOrCreateCell(CxRowIndex* pRow, int nColumn)
{
    if (!pRow)
        return nullptr;
    // Walk to the first cell whose column is not below nColumn, keeping its predecessor.
    CxColumnIndex* pBefore = nullptr;
    CxColumnIndex* pCell = pRow->pCells;
    while (pCell && pCell->nColumn < nColumn)
    {
        pBefore = pCell;
        pCell = pCell->pNext;
    }
    if (pCell && pCell->nColumn == nColumn)
        return pCell;
    return LinkNewCell(pRow, pBefore, pCell, nColumn);
}

CxColumnIndex* CListRowManager::CellAfter(CxRowIndex* pRow, CxColumnIndex* pPrevious, int nColumn)
{
    CxColumnIndex* pNext = pPrevious ? pPrevious->pNext : pRow->pCells;
    if (pNext && pNext->nColumn == nColumn)
        return pNext;
    return LinkNewCell(pRow, pPrevious, pNext, nColumn);
}

CxColumnIndex* CListRowManager::LinkNewCell(CxRowIndex* pRow, CxColumnIndex* pBefore, CxColumnIndex* pCell, int nColumn)
{
    CxColumnIndex* pNew = new CxColumnIndex{};
    pNew->nColumn = nColumn;
    pNew->pPrevious = pBefore;
    pNew->pNext = pCell;
    if (pBefore)
        pBefore->pNext = pNew;
    else
        pRow->pCells = pNew;
    if (pCell)
        pCell->pPrevious = pNew;
    return pNew;
}

void CListRowManager::StoreCellText(CxColumnIndex* pCell, const wchar_t* pszText)
{
    if (!pszText)
        pszText = L"";
    const size_t nLength = wcslen(pszText);
    wchar_t* pszCopy = new wchar_t[nLength + 1];
    wmemcpy(pszCopy, pszText, nLength + 1);
    delete[] pCell->pszText;
    pCell->pszText = pszCopy;
    pCell->nFlags |= CELL_HASTEXT;
}

void CListRowManager::ExchangeCellTexts(CxColumnIndex* pFirst, CxColumnIndex* pSecond)
{
    wchar_t* pszText = pFirst->pszText;
    pFirst->pszText = pSecond->pszText;
    pSecond->pszText = pszText;
    // Both cells have now been written, as two SetItemText calls would leave them.
    pFirst->nFlags |= CELL_HASTEXT;
    pSecond->nFlags |= CELL_HASTEXT;
}

const wchar_t* CListRowManager::CellText(const CxColumnIndex* pCell)
{
    return pCell && pCell->pszText ? pCell->pszText : L"";
}
