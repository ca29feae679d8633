// CNewListCtrl: exchanging and sorting rows. Only cell texts move; row
// colours, states, images and cell colours stay with the positions.
#include "common/listctrl.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <cwchar>
#include <vector>

#include "common/listsort.h"

namespace
{

struct SortKey
{
    int nRow;
    const wchar_t* pszText;
};

// Texts in ordinal order, or as numbers (-1, 0, 1) for numeric columns.
int CompareTexts(const wchar_t* a, const wchar_t* b, bool bDescending, bool bDigit)
{
    int nOrder = 0;
    if (bDigit)
    {
        const long nA = _wtol(a), nB = _wtol(b);
        nOrder = nA < nB ? -1 : (nA > nB ? 1 : 0);
    }
    else
        nOrder = wcscmp(a, b);
    return bDescending ? -nOrder : nOrder;
}

}   // namespace

// Both rows' cells are walked side by side, one step per column.
void CNewListCtrl::ExchangeRowTexts(int nRow1, int nRow2)
{
    CxRowIndex* pRow1 = RowAt(nRow1);
    CxRowIndex* pRow2 = RowAt(nRow2);
    if (!pRow1 || !pRow2)
        return;
    const int nFields = std::min(m_pHeadWnd->GetItemCount(), m_nColumnCount);
    CxColumnIndex* pCell1 = nullptr;
    CxColumnIndex* pCell2 = nullptr;
    for (int nColumn = 0; nColumn < nFields; ++nColumn)
    {
        pCell1 = CellAfter(pRow1, pCell1, nColumn);
        pCell2 = CellAfter(pRow2, pCell2, nColumn);
        ExchangeCellTexts(pCell1, pCell2);
    }
}

void CNewListCtrl::Swap(int nRow1, int nRow2)
{
    if (nRow1 < 0 || nRow1 >= m_nRowCount || nRow2 < 0 || nRow2 >= m_nRowCount || nRow1 == nRow2)
        return;
    ExchangeRowTexts(nRow1, nRow2);
    // As written through SetItemText: check-box cells show their new values.
    const int nFields = std::min(m_pHeadWnd->GetItemCount(), m_nColumnCount);
    for (int nColumn = 0; nColumn < nFields; ++nColumn)
    {
        AfterCellTextWritten(GetColumnIndex(nColumn, nRow1), nRow1, nColumn);
        AfterCellTextWritten(GetColumnIndex(nColumn, nRow2), nRow2, nColumn);
    }
}

int CNewListCtrl::Comp(int nRow1, int nRow2, int nColumn, bool bDescending)
{
    return CompareRows(nRow1, nRow2, nColumn, bDescending, false);
}

int CNewListCtrl::CompDigit(int nRow1, int nRow2, int nColumn, bool bDescending)
{
    return CompareRows(nRow1, nRow2, nColumn, bDescending, true);
}

int CNewListCtrl::CompareRows(int nRow1, int nRow2, int nColumn, bool bDescending, bool bDigit)
{
    return CompareTexts(CellText(FindCell(RowAt(nRow1), nColumn)), CellText(FindCell(RowAt(nRow2), nColumn)),
                        bDescending, bDigit);
}

long CNewListCtrl::Sort(int nColumn, bool bDescending)
{
    const clock_t nStart = clock();
    EndEditBeforeRowsMove();
    // The keys belong to this sort alone: grids may sort at the same time.
    std::vector<SortKey> keys;
    keys.reserve(size_t(m_nRowCount));
    int nRow = 0;
    for (const CxRowIndex* pRow = m_pHeadRow; pRow; pRow = pRow->pNext, ++nRow)
        keys.push_back({nRow, CellText(FindCell(pRow, nColumn))});

    listsort::SortRange(
        0, int(keys.size()) - 1, [&](int i) { return keys[size_t(i)].pszText; },
        [&](int i, int j) { std::swap(keys[size_t(i)], keys[size_t(j)]); },
        [](const wchar_t* a, const wchar_t* b) { return wcscmp(a, b); });
    if (bDescending)
        std::reverse(keys.begin(), keys.end());

    std::vector<int> sourceRows(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        sourceRows[i] = keys[i].nRow;
    ApplySortedOrder(sourceRows.data(), int(sourceRows.size()));
    EditTextFromCell();
    if (GetSafeHwnd())
        InvalidateBelowHeader();
    return long(clock() - nStart);
}

// pSourceRows[i] is the row whose texts belong at position i. Rows are
// exchanged in place; an inverse table finds the entry that follows a moved row.
void CNewListCtrl::ApplySortedOrder(const int* pSourceRows, int nCount)
{
    std::vector<int> source(pSourceRows, pSourceRows + nCount);
    std::vector<int> entryOfRow(size_t(nCount), 0);
    for (int i = 0; i < nCount; ++i)
        entryOfRow[size_t(source[size_t(i)])] = i;
    for (int i = 0; i < nCount; ++i)
    {
        const int nSource = source[size_t(i)];
        if (i >= nSource)
            continue;
        ExchangeRowTexts(i, nSource);
        // The texts that were at row i are now at nSource.
        const int nEntry = entryOfRow[size_t(i)];
        source[size_t(nEntry)] = nSource;
        entryOfRow[size_t(nSource)] = nEntry;
    }
}

void CNewListCtrl::QuickSort(int nLow, int nHigh, int nColumn, bool bDescending)
{
    nLow = std::max(nLow, 0);
    nHigh = std::min(nHigh, m_nRowCount - 1);
    if (nLow >= nHigh)
        return;
    const bool bDigit = m_pHeadWnd->IsDigit(nColumn);
    listsort::SortRange(
        nLow, nHigh, [&](int nRow) { return CellText(FindCell(RowAt(nRow), nColumn)); },
        [&](int nRow1, int nRow2) { ExchangeRowTexts(nRow1, nRow2); },
        [&](const wchar_t* a, const wchar_t* b) { return CompareTexts(a, b, bDescending, bDigit); });
    if (GetSafeHwnd())
        InvalidateBelowHeader();
}
