// Selection of a TreeList window: the select step (single item, single cell or
// several items), toggling one item in multi-selection, single-expand mode, the
// drop highlight, and forgetting a deleted item.
#include <vector>

#include "treelist_data.h"

namespace treelist
{

static void FillSelectionItem(TreeListData* d, UINT h, int column, TVITEMW* out)
{
    FillNotifyItem(d, h, column, kSelectionMask, out);
    if (h && ItemOf(d, h))
    {
        const TreeListSubItem* cell = CellOf(d, h, column);
        out->state = cell ? (d->items[h]->state & kCellStateFromItem) | cell->state : d->items[h]->state;
        out->state |= TVIS_SELECTED;
    }
}

static void SetCellSelected(TreeListData* d, UINT h, int column, bool selected)
{
    TreeListSubItem* cell = column > 0 ? MakeCell(d, h, column) : nullptr;
    if (!cell)
        return;
    if (selected)
        cell->state |= TVIS_SELECTED;
    else
        cell->state &= ~TVIS_SELECTED;
}

// Unselects every selected item but the caret, walking the handles downward.
static void ClearOtherSelections(TreeListData* d)
{
    for (UINT h = d->capacity; h >= 1 && d->sel.count > (d->sel.item ? 1u : 0u); --h)
    {
        const TreeListItem* item = ItemOf(d, h);
        if (item && (item->state & TVIS_SELECTED) && h != d->sel.item && !ToggleSelection(d, h, 0))
            break;
    }
}

// Opens the new item's branch and closes the old one's up to their common ancestor.
static void SingleExpand(TreeListData* d, UINT newItem, UINT oldItem)
{
    TVITEMW itemNew, itemOld;
    FillNotifyItem(d, newItem, 0, TVIF_HANDLE | TVIF_STATE | TVIF_PARAM, &itemNew);
    FillNotifyItem(d, oldItem, 0, TVIF_HANDLE | TVIF_STATE | TVIF_PARAM, &itemOld);
    const LRESULT reply = NotifyTree(d, TVN_SINGLEEXPAND, 0, &itemNew, &itemOld, POINT{});
    UINT a = ItemOf(d, oldItem) ? oldItem : 0, b = ItemOf(d, newItem) ? newItem : 0;
    auto level = [d](UINT h) { return h ? (long)d->items[h]->level : -1L; };
    std::vector<UINT> toClose, toOpen;
    // The deeper chain climbs first; both meet at the common ancestor (or above the roots).
    while (a != b)
    {
        if (level(a) >= level(b))
        {
            toClose.push_back(a);
            a = d->items[a]->parent;
        }
        else
        {
            toOpen.push_back(b);
            b = d->items[b]->parent;
        }
    }
    // The new branch opens first: closing the old one while the new item is still
    // hidden would pass the selection on to one of its ancestors.
    if (!(reply & 2))
    {
        for (auto it = toOpen.rbegin(); it != toOpen.rend(); ++it)
        {
            const TreeListItem* item = ItemOf(d, *it);
            if (item && ItemHasChildren(d, item))
                SetExpanded(d, *it, true);
        }
    }
    if (!(reply & 1))
    {
        for (UINT h : toClose)
        {
            const TreeListItem* item = ItemOf(d, h);
            if (item && item->firstChild)
                SetExpanded(d, h, false);
        }
    }
}

int SelectItem(TreeListData* d, UINT h, int column, UINT flags)
{
    if (column < 0 || (column != 0 && column >= d->layout.columnCount) || h > d->capacity)
        return 0;
    if (h && !ItemOf(d, h))
        return 0;
    if (h == d->sel.item && column == d->sel.column)
        return 1;
    UINT old = d->sel.item;
    int oldColumn = d->sel.column;
    if (d->exStyle & TLX_MULTISELECT)
    {
        if (!(flags & kReplaceSelection))
        {
            if (old)
                InvalidateSelection(d, old, oldColumn);
            old = 0;
        }
        else
        {
            d->sel.anchor = h;
            if (d->sel.count > (ItemOf(d, d->sel.item) ? 1u : 0u))
                ClearOtherSelections(d);
            old = ItemOf(d, d->sel.item) ? d->sel.item : 0;
            oldColumn = d->sel.column;
        }
    }
    TVITEMW itemNew, itemOld;
    FillSelectionItem(d, h, column, &itemNew);
    FillSelectionItem(d, old, oldColumn, &itemOld);
    const UINT action = flags & ~kReplaceSelection;
    if (NotifyTree(d, TVN_SELCHANGINGW, action, &itemNew, &itemOld, POINT{}))
        return 0;
    if (h && !ItemOf(d, h))
        return 0;
    if (old && ItemOf(d, old) && old == d->sel.item)
    {
        InvalidateSelection(d, old, oldColumn);
        if (d->items[old]->state & TVIS_SELECTED)
        {
            d->items[old]->state &= ~TVIS_SELECTED;
            --d->sel.count;
        }
        SetCellSelected(d, old, oldColumn, false);
    }
    d->sel.item = h;
    d->sel.column = h ? column : 0;
    if (h)
    {
        SetCellSelected(d, h, column, true);
        if (!(d->items[h]->state & TVIS_SELECTED))
        {
            d->items[h]->state |= TVIS_SELECTED;
            ++d->sel.count;
        }
        InvalidateSelection(d, h, column);
    }
    NotifyTree(d, TVN_SELCHANGEDW, action, &itemNew, &itemOld, POINT{});
    int result = 1;
    if (d->style & TVS_SINGLEEXPAND)
    {
        SingleExpand(d, h, old);
        result = 2;
    }
    if ((d->style & TVS_SHOWSELALWAYS) && ItemOf(d, d->sel.item))
        EnsureVisible(d, d->sel.item, d->sel.column);
    return result;
}

bool ToggleSelection(TreeListData* d, UINT h, UINT action)
{
    TreeListItem* item = ItemOf(d, h);
    if (!item || h == d->sel.item)
        return false;
    TVITEMW itemNew, itemOld = {};
    FillNotifyItem(d, h, 0, kSelectionMask, &itemNew);
    itemNew.state ^= TVIS_SELECTED;
    if (NotifyTree(d, TVN_SELCHANGINGW, action, &itemNew, &itemOld, POINT{}))
        return false;
    if (!(item = ItemOf(d, h)) || h == d->sel.item)
        return false;
    item->state ^= TVIS_SELECTED;
    if (item->state & TVIS_SELECTED)
        ++d->sel.count;
    else
        --d->sel.count;
    InvalidateItem(d, h, (d->exStyle & TLX_FULLROWMARK) ? -1 : 0);
    NotifyTree(d, TVN_SELCHANGEDW, action, &itemNew, &itemOld, POINT{});
    return true;
}

// The item after `h` in pre-order, inside `top`'s subtree.
UINT NextInSubtree(const TreeListData* d, UINT h, UINT top)
{
    if (d->items[h]->firstChild)
        return d->items[h]->firstChild;
    for (; h && h != top; h = d->items[h]->parent)
    {
        if (d->items[h]->nextSibling)
            return d->items[h]->nextSibling;
    }
    return 0;
}

// A collapsed item's hidden descendants follow its selection toggle.
void ToggleHiddenSelection(TreeListData* d, UINT h, UINT action)
{
    const TreeListItem* item = ItemOf(d, h);
    if (!item || (item->state & TVIS_EXPANDED))
        return;
    const bool selected = (item->state & TVIS_SELECTED) != 0;
    for (UINT c = item->firstChild; c && ItemOf(d, h);)
    {
        const TreeListItem* child = ItemOf(d, c);
        if (!child)
            break;
        if (((child->state & TVIS_SELECTED) != 0) != selected)
            ToggleSelection(d, c, action);
        if (!ItemOf(d, c))
            break;
        c = NextInSubtree(d, c, h);
    }
}

LRESULT SelectDrop(TreeListData* d, UINT h, int column)
{
    if (h && !ItemOf(d, h))
        return 0;
    if (column < 0 || (column > 0 && column >= d->layout.columnCount))
        column = 0;
    if (d->sel.dropItem == h && d->sel.dropColumn == column)
        return 1;
    InvalidateItem(d, d->sel.dropItem, d->sel.dropColumn);
    d->sel.dropItem = h;
    d->sel.dropColumn = h ? column : 0;
    InvalidateItem(d, h, d->sel.dropColumn);
    return 1;
}

void ClearFocusMarks(TreeListData* d)
{
    for (UINT h = 1; h <= d->capacity && d->sel.focusItem; ++h)
    {
        TreeListItem* item = d->items[h];
        if (!item || !(item->flags & kFlFocusMark))
            continue;
        item->flags &= ~kFlFocusMark;
        InvalidateItem(d, h, -1);
    }
    if (d->sel.focusItem && d->sel.focusColumn > 0)
    {
        if (TreeListSubItem* cell = CellOf(d, d->sel.focusItem, d->sel.focusColumn))
            cell->flags &= ~kFlFocusMark;
    }
    d->sel.focusItem = 0;
    d->sel.focusColumn = 0;
}

void ForgetItem(TreeListData* d, UINT h)
{
    TreeListItem* item = d->items[h];
    if (item->state & TVIS_SELECTED)
        --d->sel.count;
    if (d->sel.item == h)
    {
        d->sel.item = 0;
        d->sel.column = 0;
    }
    if (d->sel.dropItem == h)
    {
        d->sel.dropItem = 0;
        d->sel.dropColumn = 0;
    }
    if (d->sel.insertMark == h)
        d->sel.insertMark = 0;
    if (d->sel.focusItem == h)
        d->sel.focusItem = 0;
    if (d->sel.anchor == h)
        d->sel.anchor = 0;
    if (d->tip.item == h)
        d->tip.item = 0;
    if (d->drag.item == h)
    {
        d->drag.item = 0;
        d->drag.flags = 0;
    }
    if (d->edit.item == h)
        d->edit.item = 0;
}

}   // namespace treelist
