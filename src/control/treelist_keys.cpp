// Keyboard of a TreeList window: moving the selection by rows and columns,
// expanding and collapsing, Shift ranges in multi-selection, and scrolling with Ctrl.
#include "treelist_data.h"

namespace treelist
{

namespace
{

struct Position
{
    long row;
    int column;
};

bool KeyDown(int key)
{
    return GetKeyState(key) < 0;
}

// The current row: the selection's, or the focus item's nearest shown ancestor's.
Position CurrentPosition(TreeListData* d)
{
    if (d->sel.item)
        return {RowOf(d, d->sel.item), d->sel.column};
    UINT h = d->sel.focusItem;
    const int column = d->sel.focusColumn;
    while (h && !IsShown(d, h))
        h = d->items[h]->parent;
    ClearFocusMarks(d);
    return {h ? RowOf(d, h) : -1, column};
}

long ParentRow(TreeListData* d, long row)
{
    const TreeListItem* item = ItemOf(d, ItemAtRow(d, (UINT)(row < 0 ? 0 : row)));
    return item && item->parent ? RowOf(d, item->parent) : row;
}

bool CellSelection(const TreeListData* d)
{
    return (d->exStyle & TLX_SUBSELECT) && d->layout.columnCount >= 2;
}

// Left and right: columns in cell selection, else collapse, expand or move.
void HorizontalKey(TreeListData* d, WPARAM key, Position& to)
{
    if (CellSelection(d))
    {
        to.column += key == VK_LEFT ? -1 : 1;
        return;
    }
    const UINT h = to.row >= 0 ? ItemAtRow(d, (UINT)to.row) : 0;
    const TreeListItem* item = ItemOf(d, h);
    if (!item)
        return;
    const bool expanded = (item->state & TVIS_EXPANDED) != 0;
    if (key == VK_LEFT)
    {
        if (expanded && item->firstChild && ShowsButton(d, item))
            ToggleExpand(d, h, false);
        else
            to.row = ParentRow(d, to.row);
    }
    else if (!expanded && ShowsButton(d, item))
    {
        ToggleExpand(d, h, false);
    }
    else if (expanded)
    {
        ++to.row;
    }
}

// The selected item and, with `whole`, every item below it are expanded; items
// loaded by the parent on expansion are walked too.
void ExpandBranch(TreeListData* d, UINT top, bool whole)
{
    for (UINT h = top; h && ItemOf(d, top);)
    {
        const TreeListItem* item = ItemOf(d, h);
        if (!item)
            return;
        if (!(item->state & TVIS_EXPANDED) && ShowsButton(d, item))
            ToggleExpand(d, h, false);
        if (!whole || !(item = ItemOf(d, h)))
            return;
        h = NextInSubtree(d, h, top);
    }
}

void CollapseItem(TreeListData* d, UINT h)
{
    const TreeListItem* item = ItemOf(d, h);
    if (item && (item->state & TVIS_EXPANDED) && item->firstChild)
        ToggleExpand(d, h, false);
}

void MoveKey(TreeListData* d, WPARAM key, Position& to)
{
    const long page = d->scroll.fullRows > 1 ? (long)d->scroll.fullRows - 1 : 1;
    switch (key)
    {
    case VK_BACK:
        to.row = ParentRow(d, to.row);
        break;
    case VK_SPACE:
        if ((d->style & TVS_CHECKBOXES) && to.column == 0 && d->sel.item)
            ToggleCheckState(d, d->sel.item);
        break;
    case VK_PRIOR:
        to.row -= page;
        break;
    case VK_NEXT:
        to.row += page;
        break;
    case VK_HOME:
        to.row = 0;
        break;
    case VK_END:
        to.row = (long)d->rowCount - 1;
        break;
    case VK_UP:
        --to.row;
        break;
    case VK_DOWN:
        ++to.row;
        break;
    case VK_LEFT:
    case VK_RIGHT:
        HorizontalKey(d, key, to);
        break;
    case VK_ADD:
        ExpandBranch(d, d->sel.item, false);
        break;
    case VK_SUBTRACT:
        CollapseItem(d, d->sel.item);
        break;
    case VK_MULTIPLY:
        ExpandBranch(d, d->sel.item, true);
        break;
    default:
        break;
    }
}

// Shift in multi-selection: rows passed over change their selection; the anchor
// row never does, and the previous row only when it lies outside anchor .. new row.
void ToggleRange(TreeListData* d, long from, long to)
{
    const long anchor = d->sel.anchor ? RowOf(d, d->sel.anchor) : from;
    const long low = anchor < to ? anchor : to, high = anchor < to ? to : anchor;
    const long step = to > from ? 1 : -1;
    for (long r = from; r != to; r += step)
    {
        if (r == anchor || (r == from && r >= low && r <= high))
            continue;
        const UINT h = ItemAtRow(d, (UINT)r);
        if (!h || !ToggleSelection(d, h, 2))
            continue;
        const TreeListItem* item = ItemOf(d, h);
        if (item && !(item->state & TVIS_SELECTED))
            ToggleHiddenSelection(d, h, 2);
    }
}

void MoveSelection(TreeListData* d, WPARAM key, bool shift)
{
    const Position from = CurrentPosition(d);
    Position to = from;
    MoveKey(d, key, to);
    if (d->rowCount == 0)
        return;
    if (to.row < 0)
        to.row = 0;
    if (to.row >= (long)d->rowCount)
        to.row = (long)d->rowCount - 1;
    if (!(d->exStyle & TLX_SUBSELECT) || to.column < 0)
        to.column = 0;
    if (d->layout.columnCount && to.column >= d->layout.columnCount)
        to.column = d->layout.columnCount - 1;
    if (to.row == from.row && to.column == from.column)
        return;
    const UINT target = ItemAtRow(d, (UINT)to.row);
    const bool range = shift && (d->exStyle & TLX_MULTISELECT) && from.row >= 0;
    if (!SelectItem(d, target, to.column, 2 | (shift ? 0 : kReplaceSelection)))
        return;
    if (range)
        ToggleRange(d, from.row, to.row);
    if (!ItemOf(d, target))
        return;
    ScrollRowIntoView(d, RowOf(d, target));
    ScrollColumnIntoView(d, to.column);
}

void ScrollKey(TreeListData* d, WPARAM key)
{
    const long top = (long)d->scroll.topRow;
    switch (key)
    {
    case VK_SPACE:
    {
        const TreeListItem* item = ItemOf(d, d->sel.item);
        if (item && ShowsButton(d, item))
            ToggleExpand(d, d->sel.item, false);
        break;
    }
    case VK_UP:
        SetTopRow(d, top - 1);
        break;
    case VK_DOWN:
        SetTopRow(d, top + 1);
        break;
    case VK_HOME:
        SetTopRow(d, 0);
        break;
    case VK_END:
        SetTopRow(d, (long)MaxTopRow(d));
        break;
    case VK_PRIOR:
        SetTopRow(d, top - d->layout.clientWidth);
        break;
    case VK_NEXT:
        SetTopRow(d, top + d->layout.clientWidth);
        break;
    case VK_LEFT:
        OnHScroll(d, SB_LINELEFT);
        break;
    case VK_RIGHT:
        OnHScroll(d, SB_LINERIGHT);
        break;
    default:
        break;
    }
}

}   // namespace

LRESULT OnKeyDown(TreeListData* d, WPARAM key, LPARAM keyFlags)
{
    if (!d->enabled)
        return 0;
    if (GetFocus() != d->hwnd)
        SetFocusUnlocked(d, d->hwnd);
    if (key == VK_RETURN)
    {
        NMHDR nm = {};
        NotifyParent(d, &nm, NM_RETURN);
        return 0;
    }
    if (KeyDown(VK_CONTROL))
        ScrollKey(d, key);
    else
        MoveSelection(d, key, KeyDown(VK_SHIFT));
    NMTVKEYDOWN nm = {};
    nm.wVKey = (WORD)key;
    nm.flags = (UINT)keyFlags;
    NotifyParent(d, &nm.hdr, TVN_KEYDOWN);
    return 0;
}

}   // namespace treelist
