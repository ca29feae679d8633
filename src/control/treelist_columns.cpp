// Columns of a TreeList window: the header child holds them; this window keeps a
// table of their edges in content coordinates, their alignment and auto-width flags,
// and one cell table per column after the first.
#include <cstdlib>

#include "treelist_data.h"

namespace treelist
{

constexpr int kMinAutoWidth = 16;
constexpr int kNoColumnsRight = 0x3FFFFFFF;   // column 0 spans the row without a header

int ColumnLeft(const TreeListData* d, int column)
{
    return d->layout.edges[column];
}

int ColumnRight(const TreeListData* d, int column)
{
    return d->layout.columnCount ? d->layout.edges[column + 1] : kNoColumnsRight;
}

int ColumnAt(const TreeListData* d, int x)
{
    if (d->layout.columnCount == 0)
        return 0;
    for (int c = 0; c < d->layout.columnCount; ++c)
    {
        if (x < d->layout.edges[c + 1])
            return c;
    }
    return -1;
}

int ContentWidth(const TreeListData* d)
{
    return d->layout.columnCount ? d->layout.edges[d->layout.columnCount] : d->layout.totalWidth;
}

static bool EnsureHeader(TreeListData* d)
{
    if (d->header)
        return true;
    d->header =
        CreateWindowExW(0, WC_HEADERW, nullptr, WS_CHILD | WS_VISIBLE | HDS_BUTTONS, 0, 0, 0, 0, d->hwnd,
                        (HMENU)(INT_PTR)kHeaderId, (HINSTANCE)GetWindowLongPtrW(d->hwnd, GWLP_HINSTANCE), nullptr);
    if (!d->header)
        return false;
    d->layout.headerHeight = GetSystemMetrics(SM_CYHSCROLL);
    SendMessageW(d->header, WM_SETFONT, (WPARAM)SharedFont(false), 0);
    if (d->normalImages)
        SendMessageW(d->header, HDM_SETIMAGELIST, 0, (LPARAM)d->normalImages);
    PlaceHeader(d);
    UpdatePageRows(d);
    return true;
}

void PlaceHeader(TreeListData* d)
{
    if (!d->header)
        return;
    SetWindowPos(d->header, nullptr, -d->scroll.hPos, 0, d->layout.clientWidth - 1 + d->scroll.hPos,
                 d->layout.headerHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

static int HeaderWidth(const TreeListData* d, int column)
{
    HDITEMW item = {};
    item.mask = HDI_WIDTH;
    if (!d->header || !SendMessageW(d->header, HDM_GETITEMW, column, (LPARAM)&item))
        return 0;
    return item.cxy;
}

static void SetHeaderWidth(TreeListData* d, int column, int width)
{
    HDITEMW item = {};
    item.mask = HDI_WIDTH;
    item.cxy = width;
    SendMessageW(d->header, HDM_SETITEMW, column, (LPARAM)&item);
}

// Repaints from the first edge that moved (from the column's left edge when its text
// is centred or right-aligned), and the selected or highlighted cell of that column.
static void RepaintFromEdge(TreeListData* d, int edge, int oldX)
{
    const int column = edge - 1;
    int x = (oldX < d->layout.edges[edge] ? oldX : d->layout.edges[edge]) - 1;
    if (column >= 0 && d->layout.align[column] != 0)
        x = d->layout.edges[column];
    RECT r = {x - d->scroll.hPos, d->layout.headerHeight, d->layout.clientWidth, d->layout.clientHeight};
    InvalidateRect(d->hwnd, &r, FALSE);
    if (d->sel.column == column)
        InvalidateItem(d, d->sel.item, column);
    if (d->sel.dropColumn == column)
        InvalidateItem(d, d->sel.dropItem, column);
}

void RefreshEdges(TreeListData* d)
{
    int firstMoved = -1, oldX = 0;
    d->layout.edges[0] = 0;
    for (int c = 0; c < d->layout.columnCount; ++c)
    {
        RECT r = {};
        SendMessageW(d->header, HDM_GETITEMRECT, c, (LPARAM)&r);
        const int edge = r.right - 1;
        if (firstMoved < 0 && d->layout.edges[c + 1] != edge)
        {
            firstMoved = c + 1;
            oldX = d->layout.edges[c + 1];
        }
        d->layout.edges[c + 1] = edge;
    }
    d->layout.edges[d->layout.columnCount + 1] = d->layout.clientWidth;
    if (firstMoved > 0)
        RepaintFromEdge(d, firstMoved, oldX);
}

static int AutoWidth(const TreeListData* d)
{
    int free = d->layout.clientWidth;
    for (int c = 0; c < d->layout.columnCount; ++c)
    {
        if (!d->layout.autoWidth[c])
            free -= HeaderWidth(d, c);
    }
    const int width = free / (d->layout.autoColumns + 1);
    return width < kMinAutoWidth ? kMinAutoWidth : width;
}

static BYTE AlignmentOf(int format)
{
    if (format & LVCFMT_RIGHT)
        return 2;
    if (format & LVCFMT_CENTER)
        return 1;
    return 0;
}

static void ToHeaderItem(const LVCOLUMNW* column, HDITEMW* item)
{
    if (column->mask & LVCF_FMT)
    {
        item->mask |= HDI_FORMAT;
        item->fmt = (column->fmt & (LVCFMT_RIGHT | LVCFMT_CENTER)) | HDF_STRING;
        if (column->mask & LVCF_IMAGE)
            item->fmt |= HDF_IMAGE;
    }
    if (column->mask & LVCF_IMAGE)
    {
        item->mask |= HDI_IMAGE;
        item->iImage = column->iImage;
    }
    if (column->mask & LVCF_WIDTH)
    {
        item->mask |= HDI_WIDTH;
        item->cxy = column->cx;
    }
    if (column->mask & LVCF_TEXT)
    {
        item->mask |= HDI_TEXT;
        item->pszText = column->pszText;
        item->cchTextMax = column->cchTextMax;
    }
}

// After a column came or went: renumbers the columns the window remembers and redraws.
template <class Renumber> static void ColumnsMoved(TreeListData* d, Renumber renumber)
{
    renumber(d->sel.column);
    renumber(d->sel.focusColumn);
    renumber(d->sel.dropColumn);
    renumber(d->edit.column);
    RefreshEdges(d);
    InvalidateRect(d->hwnd, nullptr, FALSE);
    UpdateScrollBars(d);
}

LRESULT InsertColumn(TreeListData* d, int index, const LVCOLUMNW* column)
{
    if (!column || index < 0 || d->layout.columnCount >= kMaxColumns || !EnsureHeader(d))
        return -1;
    // Column 0 is the tree column; later columns are inserted after it.
    if (index > d->layout.columnCount)
        index = d->layout.columnCount;
    if (index == 0 && d->layout.columnCount > 0)
        index = 1;
    TreeListSubItem** cells = nullptr;
    if (index > 0)
    {
        cells = (TreeListSubItem**)calloc((size_t)d->capacity + 1, sizeof(TreeListSubItem*));
        if (!cells)
            return -1;
    }
    const bool automatic = !(column->mask & LVCF_WIDTH);
    HDITEMW item = {};
    item.mask = HDI_WIDTH | HDI_FORMAT;
    item.fmt = HDF_LEFT | HDF_STRING;
    ToHeaderItem(column, &item);
    if (automatic)
    {
        item.mask |= HDI_WIDTH;
        item.cxy = AutoWidth(d);
    }
    const int made = (int)SendMessageW(d->header, HDM_INSERTITEMW, index, (LPARAM)&item);
    if (made != index)
    {
        if (made >= 0)
            SendMessageW(d->header, HDM_DELETEITEM, made, 0);
        free(cells);
        return -1;
    }
    for (int c = d->layout.columnCount; c > index; --c)
    {
        d->cells[c] = d->cells[c - 1];
        d->layout.align[c] = d->layout.align[c - 1];
        d->layout.autoWidth[c] = d->layout.autoWidth[c - 1];
    }
    if (index > 0)
        d->cells[index] = cells;
    d->layout.align[index] = (column->mask & LVCF_FMT) ? AlignmentOf(column->fmt) : 0;
    d->layout.autoWidth[index] = automatic;
    d->layout.autoColumns += automatic;
    ++d->layout.columnCount;
    ColumnsMoved(d,
                 [index](int& c)
                 {
                     if (c >= index && index > 0)
                         ++c;
                 });
    return index;
}

static void FreeColumnCells(TreeListData* d, int column)
{
    TreeListSubItem** cells = d->cells[column];
    if (!cells)
        return;
    for (UINT h = 0; h <= d->capacity; ++h)
    {
        if (!cells[h])
            continue;
        FreeText(cells[h]->text);
        free(cells[h]);
    }
    free(cells);
    d->cells[column] = nullptr;
}

LRESULT DeleteColumn(TreeListData* d, int index)
{
    if (!d->header || index < 0 || index >= d->layout.columnCount)
        return 0;
    if (index == 0 && d->layout.columnCount > 1)
        return 0;   // the tree column goes last
    if (d->edit.item && d->edit.column == index)
        EndEdit(d, true);
    if (index >= d->layout.columnCount || !SendMessageW(d->header, HDM_DELETEITEM, index, 0))
        return 0;
    FreeColumnCells(d, index);
    d->layout.autoColumns -= d->layout.autoWidth[index];
    for (int c = index; c + 1 < d->layout.columnCount; ++c)
    {
        d->cells[c] = d->cells[c + 1];
        d->layout.align[c] = d->layout.align[c + 1];
        d->layout.autoWidth[c] = d->layout.autoWidth[c + 1];
    }
    d->cells[--d->layout.columnCount] = nullptr;
    ColumnsMoved(d,
                 [index](int& c)
                 {
                     if (c == index)
                         c = 0;
                     else if (c > index)
                         --c;
                 });
    return 1;
}

void DestroyColumns(TreeListData* d)
{
    for (int c = 1; c < kMaxColumns; ++c)
        FreeColumnCells(d, c);
    d->layout.columnCount = 0;
}

LRESULT GetColumn(TreeListData* d, int index, LVCOLUMNW* column)
{
    if (!d->header || !column)
        return 0;
    HDITEMW item = {};
    ToHeaderItem(column, &item);
    const LRESULT result = SendMessageW(d->header, HDM_GETITEMW, index, (LPARAM)&item);
    if (!result)
        return result;
    if (column->mask & LVCF_FMT)
        column->fmt = item.fmt & (LVCFMT_RIGHT | LVCFMT_CENTER);
    if (column->mask & LVCF_WIDTH)
        column->cx = item.cxy;
    if (column->mask & LVCF_IMAGE)
        column->iImage = item.iImage;
    return result;
}

LRESULT SetColumn(TreeListData* d, int index, const LVCOLUMNW* column)
{
    if (!d->header || !column || index < 0 || index >= d->layout.columnCount)
        return 0;
    HDITEMW item = {};
    ToHeaderItem(column, &item);
    const LRESULT result = SendMessageW(d->header, HDM_SETITEMW, index, (LPARAM)&item);
    if (!result)
        return result;
    if (column->mask & LVCF_FMT)
    {
        d->layout.align[index] = AlignmentOf(column->fmt);
        InvalidateRect(d->hwnd, nullptr, FALSE);
    }
    RefreshEdges(d);
    UpdateScrollBars(d);
    return result;
}

LRESULT GetColumnWidth(TreeListData* d, int index)
{
    if (index < 0 || index >= d->layout.columnCount)
        return 0;
    return HeaderWidth(d, index);
}

void ShareWidthChange(TreeListData* d, int difference)
{
    int remaining = d->layout.autoColumns;
    for (int c = 0; c < d->layout.columnCount && remaining > 0; ++c)
    {
        if (!d->layout.autoWidth[c])
            continue;
        const int old = HeaderWidth(d, c);
        int width = difference / remaining + old;
        --remaining;
        if (old < 17 && width < kMinAutoWidth)
            continue;
        if (c > 0)
            ++width;
        if (width < kMinAutoWidth)
            width = kMinAutoWidth;
        SetHeaderWidth(d, c, width);
        difference -= width - old;
    }
    RefreshEdges(d);
}

int BestColumnWidth(TreeListData* d, int column)
{
    EnsureRows(d);
    int best = 0;
    for (UINT r = 0; r < d->rowCount; ++r)
    {
        const UINT h = d->rows[r];
        const TreeListItem* item = d->items[h];
        int width;
        if (column == 0)
        {
            width = d->layout.indent * (int)item->level + item->textWidth + 8;
            if (item->flags & kFlHasImage)
                width += d->layout.imageWidth;
        }
        else
        {
            const TreeListSubItem* cell = CellOf(d, h, column);
            width = 8;
            if (cell)
                width += cell->textWidth + ((cell->flags & kFlHasImage) ? d->layout.imageWidth : 0);
        }
        if (width > best)
            best = width;
    }
    if (column == 0)
    {
        if (d->exStyle & TLX_GRIDLINES)
            best += 1;
        if (d->style & TVS_LINESATROOT)
            best += d->layout.indent;
        if (d->stateImages)
            best += d->layout.stateWidth;
    }
    return best;
}

static void ApplyTrackedWidth(TreeListData* d, int column, int width, bool finished)
{
    if (column < 0 || column >= d->layout.columnCount)
        return;
    SetHeaderWidth(d, column, width);
    RefreshEdges(d);
    UpdateScrollBars(d);
    if (finished && !d->hasFocus)
        SetFocusUnlocked(d, d->hwnd);
}

LRESULT OnHeaderNotify(TreeListData* d, NMHDR* header)
{
    NMHEADERW* nm = (NMHEADERW*)header;
    switch (header->code)
    {
    case HDN_ITEMCLICKW:
    case HDN_ITEMDBLCLICKW:
    {
        NMHEADERW copy = *nm;
        return NotifyParent(d, &copy.hdr, header->code);
    }
    case HDN_TRACKW:
    case HDN_ENDTRACKW:
        if (nm->pitem && (nm->pitem->mask & HDI_WIDTH))
            ApplyTrackedWidth(d, nm->iItem, nm->pitem->cxy, header->code == HDN_ENDTRACKW);
        return 0;
    case HDN_DIVIDERDBLCLICKW:
        if (nm->iItem >= 0 && nm->iItem < d->layout.columnCount)
            ApplyTrackedWidth(d, nm->iItem, BestColumnWidth(d, nm->iItem), true);
        return 0;
    default:
        return 0;
    }
}

}   // namespace treelist
