// TVM_GETNEXTITEM: the platform's TVGN_* codes and this window's own.
#include "treelist_data.h"

namespace treelist
{

static LRESULT AsResult(UINT handle)
{
    return (LRESULT)handle;
}

static UINT NextSelected(const TreeListData* d, HTREEITEM start, bool subtreeOnly)
{
    UINT h;
    UINT top = 0;
    if (IsRootMarker(start))
    {
        h = d->firstRoot;
    }
    else
    {
        const UINT s = HandleOf(start);
        if (!ItemOf(d, s))
            return 0;
        top = subtreeOnly ? s : 0;
        h = NextInSubtree(d, s, top);
    }
    for (; h; h = NextInSubtree(d, h, top))
    {
        if (d->items[h]->state & TVIS_SELECTED)
            return h;
    }
    return 0;
}

// Neighbouring rows, only inside the shown page.
static UINT VisibleNeighbour(TreeListData* d, UINT h, int step)
{
    const int row = RowOf(d, h);
    if (row < 0)
        return 0;
    const long next = (long)row + step;
    const long first = (long)d->scroll.topRow, end = first + (long)d->scroll.pageRows;
    if (next < first || next >= end)
        return 0;
    return ItemAtRow(d, (UINT)next);
}

LRESULT GetNextItem(TreeListData* d, UINT code, HTREEITEM start)
{
    const UINT s = HandleOf(start);
    const TreeListItem* item = ItemOf(d, s);
    switch (code)
    {
    case TVGN_ROOT:
        return AsResult(d->firstRoot);
    case TVGN_NEXT:
        return AsResult(item ? item->nextSibling : 0);
    case TVGN_PREVIOUS:
        return AsResult(item ? item->prevSibling : 0);
    case TVGN_PARENT:
        return AsResult(item ? item->parent : 0);
    case TVGN_CHILD:
        return AsResult(!start || IsRootMarker(start) ? d->firstRoot : (item ? item->firstChild : 0));
    case TVGN_FIRSTVISIBLE:
        return AsResult(ItemAtRow(d, d->scroll.topRow));
    case TVGN_NEXTVISIBLE:
        return AsResult(item ? VisibleNeighbour(d, s, 1) : 0);
    case TVGN_PREVIOUSVISIBLE:
        return AsResult(item ? VisibleNeighbour(d, s, -1) : 0);
    case TVGN_DROPHILITE:
        return AsResult(d->sel.dropItem);
    case TVGN_CARET:
        return AsResult(d->sel.item);
    case TVGN_LASTVISIBLE:
    {
        EnsureRows(d);
        return AsResult(d->rowCount ? d->rows[d->rowCount - 1] : 0);
    }
    case TVGN_NEXTSELECTED:
        return AsResult(NextSelected(d, start, false));
    case TVGN_DROPHILITESUB:
        return d->sel.dropColumn;
    case TVGN_CARETSUB:
        return d->sel.column;
    case TVGN_FOCUS:
        return AsResult(d->sel.focusItem ? d->sel.focusItem : d->sel.item);
    case TVGN_FOCUSSUB:
        return d->sel.focusItem ? d->sel.focusColumn : d->sel.column;
    case TVGN_NEXTSELCHILD:
        return AsResult(NextSelected(d, start, true));
    default:
        return 0;
    }
}

}   // namespace treelist
