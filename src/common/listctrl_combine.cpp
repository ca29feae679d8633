// CNewListCtrl: combining runs of equal cells into one block.
#include "common/listctrl.h"

#include <cwchar>

namespace
{

const int kMaxCombineSpan = 9;   // last - first must stay below this

}   // namespace

void CNewListCtrl::SetCombine(int nFirstColumn, int nLastColumn)
{
    if (nLastColumn - nFirstColumn >= kMaxCombineSpan)
    {
        AfxMessageBox(L"組合過多列!");
        return;
    }
    if (!m_nCombine || m_nRowCount == 0)
        return;
    if (nFirstColumn < 0)
        nFirstColumn = 0;
    if (nLastColumn >= m_nColumnCount)
        nLastColumn = m_nColumnCount - 1;
    if (nFirstColumn > nLastColumn)
        return;

    const int nColumns = nLastColumn - nFirstColumn + 1;
    const wchar_t* kept[kMaxCombineSpan] = {};
    for (int c = 0; c < nColumns; ++c)
        kept[c] = CellText(FindCell(RowAt(0), nFirstColumn + c));

    auto markRow = [&](int nRow, int nState)
    {
        for (int c = 0; c < nColumns; ++c)
            if (CxColumnIndex* pCell = GetColumnIndex(nFirstColumn + c, nRow))
                pCell->nCombine = nState;
    };

    int nRun = 0;
    bool bSame = false;
    int nLastCompared = 0;
    for (int nRow = 1; nRow < m_nRowCount; ++nRow)
    {
        bSame = true;
        const CxRowIndex* pRow = RowAt(nRow);
        for (int c = 0; c < nColumns; ++c)
        {
            const wchar_t* pszText = CellText(FindCell(pRow, nFirstColumn + c));
            if (wcscmp(pszText, kept[c]) != 0)
                bSame = false;
            kept[c] = pszText;
        }
        nLastCompared = nRow;
        if (!bSame && nRun == 0)
            break;
        if (!bSame)
        {
            nRun = 0;
            markRow(nRow - 1, COMBINE_LAST);
        }
        else
        {
            ++nRun;
            markRow(nRow - 1, nRun == 1 ? COMBINE_FIRST : COMBINE_INSIDE);
        }
    }
    if (bSame)
        markRow(nLastCompared, COMBINE_LAST);
}

BOOL CNewListCtrl::GetRowRange(int nColumn, int nRow, int& nFirst, int& nLast)
{
    if (nRow < 0 || nRow >= m_nRowCount)
        return FALSE;
    auto combineOf = [&](int r)
    {
        const CxColumnIndex* pCell = FindCell(RowAt(r), nColumn);
        return pCell ? pCell->nCombine : COMBINE_NONE;
    };

    nFirst = nRow;
    while (nFirst >= 0)
    {
        const int nState = combineOf(nFirst);
        if (nState < COMBINE_FIRST)
        {
            nFirst = nLast = nRow;
            return TRUE;
        }
        if (nState == COMBINE_FIRST)
            break;
        --nFirst;
    }
    if (nFirst < 0)
        nFirst = 0;
    nLast = nRow;
    while (nLast < m_nRowCount && combineOf(nLast) != COMBINE_LAST)
        ++nLast;
    if (nLast >= m_nRowCount)
        nLast = m_nRowCount - 1;
    return TRUE;
}
