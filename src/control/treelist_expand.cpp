// Expanding and collapsing items: the toggle step with its notifications and veto,
// and TVM_EXPAND's codes.
#include "treelist_data.h"

namespace treelist
{

static LRESULT SendExpandNotice(TreeListData* d, UINT code, UINT h, bool collapsing, UINT state)
{
    TVITEMW it = {};
    it.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
    it.hItem = (HTREEITEM)(ULONG_PTR)h;
    it.stateMask = 0xFFFFFFFF;
    it.state = state;
    if (const TreeListItem* item = ItemOf(d, h))
        it.lParam = item->lParam;
    return NotifyTree(d, code, collapsing ? TVE_COLLAPSE : TVE_EXPAND, &it, nullptr, POINT{});
}

// A selected item that a collapse hid passes the selection to its nearest shown ancestor.
static void KeepSelectionShown(TreeListData* d)
{
    UINT h = d->sel.item;
    if (!h || IsShown(d, h))
        return;
    while (h && !IsShown(d, h))
        h = d->items[h]->parent;
    if (h)
        SelectItem(d, h, d->sel.column, kReplaceSelection);
}

int ToggleExpand(TreeListData* d, UINT h, bool partial)
{
    TreeListItem* item = ItemOf(d, h);
    if (!item)
        return -1;
    const bool collapsing = (item->state & TVIS_EXPANDED) != 0;
    UINT state = (item->state ^ TVIS_EXPANDED) & ~TVIS_EXPANDPARTIAL;
    if (!collapsing && partial)
        state |= TVIS_EXPANDPARTIAL;
    const UINT noticeState = collapsing ? state & ~TVIS_EXPANDEDONCE : state;
    if (SendExpandNotice(d, TVN_ITEMEXPANDINGW, h, collapsing, noticeState))
        return 0;
    if (!(item = ItemOf(d, h)))
        return 0;

    const bool shown = IsShown(d, h);
    const UINT before = shown ? VisibleDescendants(d, h) : 0;
    item->state ^= TVIS_EXPANDED;
    item->state &= ~TVIS_EXPANDPARTIAL;
    if (partial && (item->state & TVIS_EXPANDED))
        item->state |= TVIS_EXPANDPARTIAL;
    if (shown)
    {
        d->rowCount = d->rowCount - before + VisibleDescendants(d, h);
        RowsChangedAfter(d, h);
        InvalidateItem(d, h, -1);
        UpdateScrollBars(d);
    }
    if (!(item = ItemOf(d, h)))
        return 0;
    SendExpandNotice(d, TVN_ITEMEXPANDEDW, h, collapsing, item->state);
    // An expansion hides nothing; while ancestors open one by one (bringing an item
    // into view) the selected item may still be hidden and must stay selected.
    if (collapsing)
        KeepSelectionShown(d);
    return 1;
}

void SetExpanded(TreeListData* d, UINT h, bool expanded)
{
    const TreeListItem* item = ItemOf(d, h);
    if (item && ((item->state & TVIS_EXPANDED) != 0) != expanded)
        ToggleExpand(d, h, false);
}

static void SetPartial(TreeListData* d, UINT h, bool partial)
{
    TreeListItem* item = d->items[h];
    const UINT old = item->state;
    if (partial)
        item->state |= TVIS_EXPANDPARTIAL;
    else
        item->state &= ~TVIS_EXPANDPARTIAL;
    if (old != item->state)
        InvalidateItem(d, h, 0);
}

// Whether an item has children or shows a button; a callback count is asked for.
static bool CanExpand(TreeListData* d, UINT h)
{
    const TreeListItem* item = ItemOf(d, h);
    if (item && (item->callbacks & kCbChildren))
    {
        TVITEMW answer;
        if (!FetchItemCallback(d, h, TVIF_CHILDREN, 0, &answer))
            return false;
        item = ItemOf(d, h);
    }
    return item && ItemHasChildren(d, item);
}

LRESULT Expand(TreeListData* d, UINT code, UINT h)
{
    // As the platform's tree: an item without children is not expanded or collapsed.
    if (!CanExpand(d, h))
        return 0;
    TreeListItem* item = ItemOf(d, h);
    const bool partial = (code & TVE_EXPANDPARTIAL) != 0;
    const bool expanded = (item->state & TVIS_EXPANDED) != 0;
    int result;
    switch (code & 0xF)
    {
    case TVE_COLLAPSE:
        if (expanded)
            result = ToggleExpand(d, h, false);
        else
        {
            SetPartial(d, h, false);
            result = 1;
        }
        if (result == 1 && (code & TVE_COLLAPSERESET) && (item = ItemOf(d, h)))
        {
            // The selection bit stays: it is bookkeeping of the selection, not display state.
            item->state &= TVIS_EXPANDEDONCE | TVIS_SELECTED;
            DeleteChildren(d, h);
        }
        break;
    case TVE_EXPAND:
        if (!expanded)
            result = ToggleExpand(d, h, partial);
        else
        {
            SetPartial(d, h, partial);
            result = 1;
        }
        break;
    case TVE_TOGGLE:
        if (expanded && (item->state & TVIS_EXPANDPARTIAL))
        {
            SetPartial(d, h, false);
            result = 1;
        }
        else
        {
            result = ToggleExpand(d, h, partial);
        }
        break;
    default:
        return 0;
    }
    return result == 1 ? 1 : 0;
}

}   // namespace treelist
