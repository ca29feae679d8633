// Scrolling a TreeList window: vertically in rows, horizontally in pixels, the
// wheel, the scroll bars and bringing an item into view.
#include "treelist_data.h"

namespace treelist
{

constexpr int kLinePixels = 16;

UINT MaxTopRow(const TreeListData* d)
{
    if (d->rowCount <= d->scroll.fullRows)
        return 0;
    return d->rowCount + 1 - d->scroll.fullRows;
}

static int MaxScrollPos(const TreeListData* d)
{
    const int bound = ContentWidth(d) - 2 * (d->layout.clientWidth / 2);
    return bound > 0 ? bound : 0;
}

static bool HorizontalRange(const TreeListData* d)
{
    return !(d->style & TVS_NOSCROLL) && !(d->exStyle & TLX_NOHSCROLL) && ContentWidth(d) > d->layout.clientWidth;
}

UINT ScrollBarsMessage()
{
    static const UINT message = RegisterWindowMessageW(L"QVCtrl.TreeList.ScrollBars");
    return message;
}

// Changes only ask for the bars to follow: a run of insertions or key presses sets
// them once, when the window next reads its queue or paints, not once per change.
void UpdateScrollBars(TreeListData* d)
{
    if (d->destroying || d->scroll.barsPending)
        return;
    d->scroll.barsPending = true;
    PostMessageW(d->hwnd, ScrollBarsMessage(), 0, 0);
}

void ApplyScrollBars(TreeListData* d)
{
    d->scroll.barsPending = false;
    if (d->destroying)
        return;
    const bool vertical = !(d->style & TVS_NOSCROLL) && d->rowCount > d->scroll.fullRows;
    const UINT vRange = vertical ? d->rowCount : 0, vPage = vertical ? d->scroll.fullRows : 0;
    if (vRange != d->scroll.lastVRange || vPage != d->scroll.lastVPage || d->scroll.topRow != d->scroll.lastVPos)
    {
        d->scroll.lastVRange = vRange;
        d->scroll.lastVPage = vPage;
        d->scroll.lastVPos = d->scroll.topRow;
        SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, (int)vRange, vPage, (int)d->scroll.topRow, 0};
        SetScrollInfoUnlocked(d, SB_VERT, &si);
    }
    const bool horizontal = HorizontalRange(d);
    const int hRange = horizontal ? ContentWidth(d) - 1 : 0, hPage = horizontal ? d->layout.clientWidth : 0;
    if (hRange != d->scroll.lastHRange || hPage != d->scroll.lastHPage || d->scroll.hPos != d->scroll.lastHPos)
    {
        d->scroll.lastHRange = hRange;
        d->scroll.lastHPage = hPage;
        d->scroll.lastHPos = d->scroll.hPos;
        SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, hRange, (UINT)hPage, d->scroll.hPos, 0};
        SetScrollInfoUnlocked(d, SB_HORZ, &si);
    }
}

// Moves the painted rows or columns; an area still waiting for paint is repainted whole.
static void ScrollContent(TreeListData* d, int dx, int dy)
{
    RECT area = {0, d->layout.headerHeight, d->layout.clientWidth, d->layout.clientHeight};
    RECT pending;
    const bool distant =
        dy ? (UINT)(dy < 0 ? -dy : dy) >= (UINT)(d->layout.clientHeight) : (dx < 0 ? -dx : dx) >= d->layout.clientWidth;
    if (distant || GetUpdateRect(d->hwnd, &pending, FALSE))
        InvalidateRect(d->hwnd, &area, FALSE);
    else
        ScrollWindowEx(d->hwnd, dx, dy, &area, &area, nullptr, nullptr, SW_INVALIDATE);
}

void SetTopRow(TreeListData* d, long top)
{
    const long highest = (long)MaxTopRow(d);
    if (top > highest)
        top = highest;
    if (top < 0)
        top = 0;
    if ((UINT)top == d->scroll.topRow)
        return;
    const long rows = (long)d->scroll.topRow - top;
    d->scroll.topRow = (UINT)top;
    ScrollContent(d, 0, (int)(rows * d->layout.rowHeight));
    UpdateScrollBars(d);
}

void SetHorizontalPos(TreeListData* d, long pos)
{
    if (pos < 0)
        pos = 0;
    if (pos == d->scroll.hPos)
        return;
    const long dx = d->scroll.hPos - pos;
    d->scroll.hPos = (int)pos;
    ScrollContent(d, (int)dx, 0);
    PlaceHeader(d);
    UpdateScrollBars(d);
}

// The position comes from the message; its 16 bits are widened with the bar's own
// 32-bit track position when that one agrees (a drag on a range beyond 65,535).
static long ThumbPosition(TreeListData* d, int bar, WPARAM wp)
{
    const long given = HIWORD(wp);
    SCROLLINFO si = {sizeof(si), SIF_TRACKPOS, 0, 0, 0, 0, 0};
    if (GetScrollInfo(d->hwnd, bar, &si) && (si.nTrackPos & 0xFFFF) == given)
        return si.nTrackPos;
    return given;
}

LRESULT OnVScroll(TreeListData* d, WPARAM wp)
{
    const long page = d->scroll.fullRows > 1 ? (long)d->scroll.fullRows - 1 : 1;
    long top = (long)d->scroll.topRow;
    switch (LOWORD(wp))
    {
    case SB_LINEUP:
        --top;
        break;
    case SB_LINEDOWN:
        ++top;
        break;
    case SB_PAGEUP:
        top -= page;
        break;
    case SB_PAGEDOWN:
        top += page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        top = ThumbPosition(d, SB_VERT, wp);
        break;
    case SB_TOP:
        top = 0;
        break;
    case SB_BOTTOM:
        top = (long)MaxTopRow(d);
        break;
    default:
        return 0;
    }
    SetTopRow(d, top);
    return 0;
}

static void ScrollHorizontallyTo(TreeListData* d, long pos)
{
    const long highest = MaxScrollPos(d);
    SetHorizontalPos(d, pos > highest ? highest : pos);
}

LRESULT OnHScroll(TreeListData* d, WPARAM wp)
{
    long pos = d->scroll.hPos;
    switch (LOWORD(wp))
    {
    case SB_LINELEFT:
        pos -= kLinePixels;
        break;
    case SB_LINERIGHT:
        pos += kLinePixels;
        break;
    case SB_PAGELEFT:
        pos -= d->layout.clientWidth;
        break;
    case SB_PAGERIGHT:
        pos += d->layout.clientWidth;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        pos = ThumbPosition(d, SB_HORZ, wp);
        break;
    case SB_LEFT:
        pos = 0;
        break;
    case SB_RIGHT:
        pos = MaxScrollPos(d);
        break;
    default:
        return 0;
    }
    ScrollHorizontallyTo(d, pos);
    return 0;
}

LRESULT OnMouseWheel(TreeListData* d, WPARAM wp)
{
    if (GET_KEYSTATE_WPARAM(wp))
        return 0;
    const int delta = GET_WHEEL_DELTA_WPARAM(wp);
    SetTopRow(d, (long)d->scroll.topRow - delta / 60);
    return 1;
}

void ScrollRowIntoView(TreeListData* d, int row)
{
    if (row < 0)
        return;
    const long full = d->scroll.fullRows ? (long)d->scroll.fullRows : 1;
    if ((UINT)row < d->scroll.topRow)
        SetTopRow(d, row);
    else if ((long)row >= (long)d->scroll.topRow + full)
        SetTopRow(d, row - (full - 1));
}

void ScrollColumnIntoView(TreeListData* d, int column)
{
    if (column < 0 || column >= d->layout.columnCount)
        return;
    const int left = ColumnLeft(d, column), right = ColumnRight(d, column);
    long pos = d->scroll.hPos;
    if (right - pos > d->layout.clientWidth)
        pos = right - d->layout.clientWidth;
    if (left < pos)
        pos = left;
    const long highest = ContentWidth(d) - d->layout.clientWidth / 2;
    if (pos > highest)
        pos = highest;
    SetHorizontalPos(d, pos);
}

LRESULT EnsureVisible(TreeListData* d, UINT h, int column)
{
    TreeListItem* item = ItemOf(d, h);
    if (!item)
        return -1;
    LRESULT result = 1;
    if (!IsShown(d, h))
    {
        result = 0;
        for (UINT p = item->parent; p; p = ItemOf(d, p) ? d->items[p]->parent : 0)
        {
            if (!(d->items[p]->state & TVIS_EXPANDED) && ToggleExpand(d, p, false) != 1)
                return 0;
        }
    }
    const int row = RowOf(d, h);
    if (row < 0)
        return 0;
    if (column == -2)
    {
        SetTopRow(d, row);
        return result;
    }
    ScrollRowIntoView(d, row);
    if (column >= 0)
        ScrollColumnIntoView(d, column);
    return result;
}

}   // namespace treelist
