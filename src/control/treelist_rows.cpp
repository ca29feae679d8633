// The row table: the shown items in pre-order. Changes only mark the table stale
// from their first row; it is rebuilt from there when a row is next needed, so a
// run of insertions or expansions costs one rebuild instead of one per change.
// The row count itself is kept exact at every change for the scroll bars.
#include "treelist_data.h"

namespace treelist
{

bool IsShown(const TreeListData* d, UINT handle)
{
    const TreeListItem* item = ItemOf(d, handle);
    if (!item)
        return false;
    for (UINT p = item->parent; p; p = d->items[p]->parent)
    {
        if (!(d->items[p]->state & TVIS_EXPANDED))
            return false;
    }
    return true;
}

bool ShowsButton(const TreeListData*, const TreeListItem* item)
{
    if (item->flags & kFlByChildren)
        return item->firstChild != 0;
    return (item->flags & kFlButton) != 0;
}

bool ItemHasChildren(const TreeListData* d, const TreeListItem* item)
{
    return item->firstChild != 0 || ShowsButton(d, item);
}

// The item after `handle` in the shown pre-order, staying inside `top`'s subtree when
// `top` is given.
static UINT NextShown(const TreeListData* d, UINT handle, UINT top = 0)
{
    const TreeListItem* item = d->items[handle];
    if ((item->state & TVIS_EXPANDED) && item->firstChild)
        return item->firstChild;
    for (UINT h = handle; h && h != top; h = d->items[h]->parent)
    {
        if (d->items[h]->nextSibling)
            return d->items[h]->nextSibling;
    }
    return 0;
}

UINT VisibleDescendants(const TreeListData* d, UINT handle)
{
    const TreeListItem* item = ItemOf(d, handle);
    if (!item || !(item->state & TVIS_EXPANDED) || !item->firstChild)
        return 0;
    UINT count = 0;
    for (UINT h = item->firstChild; h; h = NextShown(d, h, handle))
        ++count;
    return count;
}

static void MarkStale(TreeListData* d, UINT row)
{
    if (row > d->rowsValid)
        row = d->rowsValid;
    if (d->rowsStale && row == d->rowsValid)
        return;
    d->rowsValid = row;
    d->rowsStale = true;
    InvalidateFromRow(d, (int)row);
}

void RowsChangedAt(TreeListData* d, UINT handle)
{
    if (handle == 0)
    {
        MarkStale(d, 0);
        return;
    }
    const TreeListItem* item = ItemOf(d, handle);
    // An item outside the valid part lies after the stale point already.
    if (item && item->row && item->row - 1 < d->rowsValid && d->rows[item->row - 1] == handle)
        MarkStale(d, item->row - 1);
}

void RowsChangedAfter(TreeListData* d, UINT handle)
{
    const TreeListItem* item = ItemOf(d, handle);
    if (item && item->row && item->row - 1 < d->rowsValid && d->rows[item->row - 1] == handle)
        MarkStale(d, item->row);
}

void ResetRows(TreeListData* d)
{
    MarkStale(d, 0);
}

void EnsureRows(TreeListData* d)
{
    if (!d->rowsStale || !d->rows)
        return;
    for (UINT i = d->rowsValid; i < d->rowsBuilt; ++i)
    {
        if (TreeListItem* item = ItemOf(d, d->rows[i]))
            item->row = 0;
    }
    UINT n = d->rowsValid;
    UINT h = n ? NextShown(d, d->rows[n - 1]) : d->firstRoot;
    while (h && n < d->capacity)
    {
        d->rows[n] = h;
        d->items[h]->row = ++n;
        h = NextShown(d, h);
    }
    d->rowsBuilt = d->rowsValid = n;
    d->rowsStale = false;
    d->rowCount = n;
}

int RowOf(TreeListData* d, UINT handle)
{
    const TreeListItem* item = ItemOf(d, handle);
    if (!item)
        return -1;
    EnsureRows(d);
    return (int)item->row - 1;
}

UINT ItemAtRow(TreeListData* d, UINT row)
{
    EnsureRows(d);
    return row < d->rowCount ? d->rows[row] : 0;
}

}   // namespace treelist
