// The insert mark of a TreeList window: a blank placeholder row in the insert-mark
// colour, placed before or after an item among its siblings.
#include "treelist_data.h"

namespace treelist
{

static void PaintAsMark(TreeListData* d, UINT mark)
{
    const COLORREF colour = d->colours[TLC_INSERTMARK];
    SetCellColour(d, mark, colour, true);
    for (int c = 1; c < d->layout.columnCount; ++c)
        SetCellColour(d, mark | ((WPARAM)c << 24), colour, true);
}

LRESULT SetInsertMark(TreeListData* d, bool after, UINT h)
{
    const bool hadMark = ItemOf(d, d->sel.insertMark) != nullptr;
    // While a sort runs the old row cannot go: it stays the mark and nothing changes.
    if (hadMark && !DeleteItem(d, d->sel.insertMark))
        return 0;
    d->sel.insertMark = 0;
    if (h == 0)
        return hadMark ? 1 : 0;
    const TreeListItem* item = ItemOf(d, h);
    if (!item)
        return 0;
    TVINSERTSTRUCTW insert = {};
    insert.hParent = item->parent ? (HTREEITEM)(ULONG_PTR)item->parent : TVI_ROOT;
    if (after)
        insert.hInsertAfter = (HTREEITEM)(ULONG_PTR)h;
    else
        insert.hInsertAfter = item->prevSibling ? (HTREEITEM)(ULONG_PTR)item->prevSibling : TVI_FIRST;
    // An item like any other: under TVS_CHECKBOXES it has the unchecked state image.
    insert.item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.iImage = insert.item.iSelectedImage = (int)kNoImage;
    const UINT mark = InsertItem(d, &insert);
    if (!mark)
        return 0;
    PaintAsMark(d, mark);
    d->sel.insertMark = mark;
    d->sel.insertAfter = after;
    return (LRESULT)mark;
}

}   // namespace treelist
