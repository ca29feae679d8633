// Mouse buttons on a TreeList window: expand buttons, check boxes, selection by
// click and Ctrl+click, drag arming and the click notifications.
#include <windowsx.h>

#include "treelist_data.h"

namespace treelist
{

namespace
{

bool IsLeft(UINT msg)
{
    return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK;
}
bool IsDouble(UINT msg)
{
    return msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK;
}

UINT ItemZones(const TreeListData* d)
{
    UINT zones = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON;
    if (d->style & TVS_FULLROWSELECT)
        zones |= TVHT_ONITEMRIGHT;
    return zones;
}

UINT CellZones(const TreeListData* d)
{
    UINT zones = TVHT_SUBITEMICON | TVHT_SUBITEMLABEL;
    if (d->style & TVS_FULLROWSELECT)
        zones |= TVHT_SUBITEMRIGHT;
    return zones;
}

// An expanded, partially expanded item only loses the partial state.
void ToggleOrUnpartial(TreeListData* d, UINT h)
{
    TreeListItem* item = ItemOf(d, h);
    if (!item)
        return;
    const UINT both = TVIS_EXPANDED | TVIS_EXPANDPARTIAL;
    if ((item->state & both) == both)
    {
        item->state &= ~TVIS_EXPANDPARTIAL;
        InvalidateItem(d, h, 0);
    }
    else
    {
        ToggleExpand(d, h, false);
    }
}

void CtrlToggle(TreeListData* d, UINT h, int column)
{
    SelectItem(d, 0, 0, 1);
    if (!ItemOf(d, h))
        return;
    ToggleSelection(d, h, 1);
    ToggleHiddenSelection(d, h, 1);
    ClearFocusMarks(d);
    if (TreeListItem* item = ItemOf(d, h))
    {
        d->sel.focusItem = h;
        d->sel.focusColumn = column;
        item->flags |= kFlFocusMark;
        if (TreeListSubItem* cell = CellOf(d, h, column))
            cell->flags |= kFlFocusMark;
        InvalidateItem(d, h, -1);
    }
}

void ClickItem(TreeListData* d, UINT msg, WPARAM keys, UINT h, UINT flags)
{
    const int column = (flags & ItemZones(d)) ? 0 : ((d->exStyle & TLX_SUBSELECT) ? TVHT_COLUMN(flags) : 0);
    if (!(d->style & TVS_DISABLEDRAGDROP) && !IsDouble(msg))
    {
        d->drag.flags |= IsLeft(msg) ? 1 : 2;
        d->drag.item = h;
        d->drag.column = column;
    }
    const bool ctrl = (keys & MK_CONTROL) != 0;
    if (ctrl && IsLeft(msg) && (d->exStyle & TLX_MULTISELECT) && (d->items[h]->state & TVIS_SELECTED))
    {
        CtrlToggle(d, h, column);
        return;
    }
    ClearFocusMarks(d);
    if (!SelectItem(d, h, column, 1 | (ctrl ? 0 : kReplaceSelection)))
        return;
    if (!ItemOf(d, h))
        return;
    ScrollRowIntoView(d, RowOf(d, h));
    ScrollColumnIntoView(d, column);
    if (msg == WM_LBUTTONDBLCLK)
    {
        if (flags & ItemZones(d))
            ToggleOrUnpartial(d, h);
        else
            ToggleExpand(d, h, false);
    }
}

UINT ClickCode(UINT msg)
{
    switch (msg)
    {
    case WM_LBUTTONDOWN:
        return NM_CLICK;
    case WM_LBUTTONDBLCLK:
        return NM_DBLCLK;
    case WM_RBUTTONDOWN:
        return NM_RCLICK;
    default:
        return NM_RDBLCLK;
    }
}

}   // namespace

void ToggleCheckState(TreeListData* d, UINT h)
{
    const TreeListItem* item = ItemOf(d, h);
    if (!item)
        return;
    TVITEMW change = {};
    change.mask = TVIF_HANDLE | TVIF_STATE;
    change.hItem = (HTREEITEM)(ULONG_PTR)h;
    change.stateMask = TVIS_STATEIMAGEMASK;
    change.state = (item->state & INDEXTOSTATEIMAGEMASK(1)) ? INDEXTOSTATEIMAGEMASK(2) : INDEXTOSTATEIMAGEMASK(1);
    SetItem(d, &change);
}

LRESULT OnMouseButton(TreeListData* d, UINT msg, WPARAM keys, LPARAM lp)
{
    if (!d->enabled)
        return 0;
    if (GetFocus() != d->hwnd)
        SetFocusUnlocked(d, d->hwnd);
    const POINT pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    UINT flags;
    const UINT h = HitTest(d, pt, &flags);
    if (h && IsLeft(msg) && (flags & TVHT_ONITEMBUTTON))
    {
        ToggleOrUnpartial(d, h);
    }
    else if (h && IsLeft(msg) && (flags & TVHT_ONITEMSTATEICON) && (d->style & TVS_CHECKBOXES))
    {
        ToggleCheckState(d, h);
    }
    else if (h && (flags & (ItemZones(d) | CellZones(d))))
    {
        ClickItem(d, msg, keys, h, flags);
    }
    TVITEMW item;
    FillNotifyItem(d, ItemOf(d, h) ? h : 0, TVHT_COLUMN(flags), kPointerNoticeMask, &item);
    const LRESULT handled = NotifyTree(d, ClickCode(msg), 0, &item, nullptr, pt);
    // A parent written for the platform's tree gets its context menu: unless it took
    // the right click, it hears WM_CONTEXTMENU at the point in screen coordinates.
    if (msg == WM_RBUTTONDOWN && !handled)
        ContextMenuToParent(d, pt);
    return 0;
}

LRESULT OnButtonUp(TreeListData* d, UINT msg)
{
    d->drag.flags &= msg == WM_LBUTTONUP ? ~1 : ~2;
    return 0;
}

}   // namespace treelist
