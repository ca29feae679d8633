// Marking parts of a TreeList window for repainting: rows, cells and items.
// Items past the stale point of the row table need nothing: that part was marked
// when it went stale.
#include "treelist_data.h"

namespace treelist
{

// The item's row when the valid part of the row table knows it, else -1.
static int KnownRow(const TreeListData* d, UINT handle)
{
    const TreeListItem* item = ItemOf(d, handle);
    if (!item || !item->row || item->row - 1 >= d->rowsValid || d->rows[item->row - 1] != handle)
        return -1;
    return (int)item->row - 1;
}

bool RowRect(TreeListData* d, int row, RECT* rect)
{
    if (row < (int)d->scroll.topRow || row >= (int)(d->scroll.topRow + d->scroll.pageRows))
        return false;
    rect->left = 0;
    rect->right = d->layout.clientWidth;
    rect->top = d->layout.headerHeight + (row - (int)d->scroll.topRow) * d->layout.rowHeight;
    rect->bottom = rect->top + d->layout.rowHeight;
    return true;
}

void InvalidateRow(TreeListData* d, int row)
{
    RECT r;
    if (RowRect(d, row, &r))
        InvalidateRect(d->hwnd, &r, FALSE);
}

void InvalidateCell(TreeListData* d, int row, int column)
{
    RECT r;
    if (!RowRect(d, row, &r))
        return;
    if (column >= 0 && column < d->layout.columnCount)
    {
        r.left = ColumnLeft(d, column) - d->scroll.hPos;
        r.right = ColumnRight(d, column) - d->scroll.hPos;
    }
    InvalidateRect(d->hwnd, &r, FALSE);
}

void InvalidateItem(TreeListData* d, UINT handle, int column)
{
    const int row = KnownRow(d, handle);
    if (row < 0)
        return;
    if (column < 0)
        InvalidateRow(d, row);
    else
        InvalidateCell(d, row, column);
}

void InvalidateFromRow(TreeListData* d, int row)
{
    if (!d->hwnd)
        return;
    int top = d->layout.headerHeight;
    if (row > (int)d->scroll.topRow)
        top += (row - (int)d->scroll.topRow) * d->layout.rowHeight;
    if (top >= d->layout.clientHeight)
        return;
    RECT r = {0, top, d->layout.clientWidth, d->layout.clientHeight};
    InvalidateRect(d->hwnd, &r, FALSE);
}

void InvalidateSelection(TreeListData* d, UINT handle, int column)
{
    InvalidateItem(d, handle, (d->exStyle & TLX_FULLROWMARK) ? -1 : column);
}

}   // namespace treelist
