// Mouse movement over a TreeList window: the tooltip that shows a cut text in full,
// hot tracking through the drop highlight, and the start of a drag.
#include <windowsx.h>

#include "treelist_data.h"

namespace treelist
{

namespace
{

constexpr UINT kHoverInterval = 250;
constexpr UINT kTrackZones = 0x600046;   // button-less item zones and the cell zones

struct TextPlace
{
    int left;   // where the text starts, client coordinates
    int room;   // width available to the text
};

// Where the hit item's or cell's text lies, when the point is on it.
bool TextPlaceAt(TreeListData* d, UINT h, UINT flags, TextPlace* place, int* column)
{
    *column = TVHT_COLUMN(flags);
    const TreeListItem* item = ItemOf(d, h);
    if (!item)
        return false;
    if (*column == 0 && (flags & TVHT_ONITEMLABEL))
    {
        place->left = ColumnLeft(d, 0) - d->scroll.hPos + LabelOffset(d, item) + 2;
        int right = ColumnRight(d, 0) - d->scroll.hPos;
        if (right > d->layout.clientWidth)
            right = d->layout.clientWidth;
        place->room = right - place->left;
        return true;
    }
    if (*column > 0 && (flags & TVHT_SUBITEMLABEL))
    {
        const TreeListSubItem* cell = CellOf(d, h, *column);
        const int image = cell && (cell->flags & kFlHasImage) && d->normalImages ? d->layout.imageWidth : 0;
        place->left = ColumnLeft(d, *column) - d->scroll.hPos + image + 2;
        place->room = ColumnRight(d, *column) - ColumnLeft(d, *column) - image - 4;
        return true;
    }
    return false;
}

void ShowTooltip(TreeListData* d, UINT h, int column, const TextPlace& place, int width)
{
    if (!d->tooltip)
        CreateTooltip(d);
    if (!d->tooltip)
        return;
    int length;
    const wchar_t* text = DisplayText(d, h, column, 1, &length);
    const TreeListItem* item = ItemOf(d, h);
    if (!item)
        return;
    const TreeListSubItem* cell = CellOf(d, h, column);
    SendMessageW(d->tooltip, WM_SETFONT, (WPARAM)ItemFont(d, cell ? cell->state : item->state), FALSE);
    SetWindowTextW(d->tooltip, text);
    const int row = RowOf(d, h);
    POINT origin = {place.left - 1, d->layout.headerHeight + (row - (int)d->scroll.topRow) * d->layout.rowHeight};
    ClientToScreen(d->hwnd, &origin);
    SetWindowPos(d->tooltip, HWND_TOPMOST, origin.x, origin.y, width + 4, d->layout.rowHeight,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    d->tip.item = h;
    d->tip.column = column;
    d->tip.shown = true;
    SetTimer(d->hwnd, kHoverTimer, kHoverInterval, nullptr);
}

void UpdateTooltip(TreeListData* d, POINT pt)
{
    UINT flags;
    const UINT h = HitTest(d, pt, &flags);
    TextPlace place;
    int column;
    if (h && TextPlaceAt(d, h, flags, &place, &column))
    {
        if (d->tip.shown && d->tip.item == h && d->tip.column == column)
            return;
        const int width = TextWidth(d, h, column);
        if (ItemOf(d, h) && width > place.room)
        {
            ShowTooltip(d, h, column, place, width);
            return;
        }
    }
    HideTooltip(d);
}

void Track(TreeListData* d, POINT pt)
{
    if (GetFocus() != d->hwnd)
        SetFocusUnlocked(d, d->hwnd);
    UINT flags;
    const UINT h = HitTest(d, pt, &flags);
    if (h && (flags & (kTrackZones | TVHT_ONITEMBUTTON)))
        SelectDrop(d, h, TVHT_COLUMN(flags));
    else
        SelectDrop(d, 0, 0);
}

void StartDrag(TreeListData* d, bool left, POINT pt)
{
    const UINT h = d->drag.item;
    const int column = d->drag.column;
    d->drag.flags = 0;
    const TreeListItem* item = ItemOf(d, h);
    if (!item)
        return;
    TVITEMW it;
    FillNotifyItem(d, h, column, kPointerNoticeMask, &it);
    const UINT action = (item->state & TVIS_EXPANDED) ? 1 : 2;
    NotifyTree(d, left ? TVN_BEGINDRAGW : TVN_BEGINRDRAGW, action, &it, nullptr, pt);
}

}   // namespace

void CreateTooltip(TreeListData* d)
{
    if (d->tooltip)
        return;
    d->tooltip = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_CLIPSIBLINGS | WS_BORDER, 0, 0, 0, 0,
                                 d->hwnd, nullptr, (HINSTANCE)GetWindowLongPtrW(d->hwnd, GWLP_HINSTANCE), nullptr);
    if (d->tooltip)
        SetWindowLongPtrW(d->tooltip, GWLP_ID, kTooltipId);
}

void HideTooltip(TreeListData* d)
{
    if (d->tip.shown)
    {
        KillTimer(d->hwnd, kHoverTimer);
        if (d->tooltip)
            ShowWindow(d->tooltip, SW_HIDE);
    }
    d->tip.shown = false;
    d->tip.item = 0;
    d->tip.column = 0;
}

LRESULT OnMouseMove(TreeListData* d, WPARAM keys, LPARAM lp)
{
    const POINT pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (!(d->style & TVS_NOTOOLTIPS) && d->enabled)
        UpdateTooltip(d, pt);
    if (d->style & TVS_TRACKSELECT)
        Track(d, pt);
    if ((keys & MK_LBUTTON) && (d->drag.flags & 1))
        StartDrag(d, true, pt);
    else if ((keys & MK_RBUTTON) && (d->drag.flags & 2))
        StartDrag(d, false, pt);
    return 0;
}

LRESULT OnTimer(TreeListData* d, WPARAM id)
{
    if (id != kHoverTimer)
        return 0;
    if (!d->tip.shown)
    {
        KillTimer(d->hwnd, kHoverTimer);
        return 0;
    }
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(d->hwnd, &pt);
    RECT client;
    GetClientRect(d->hwnd, &client);
    if (!PtInRect(&client, pt))
        HideTooltip(d);
    else
        UpdateTooltip(d, pt);
    return 0;
}

}   // namespace treelist
