// Item rectangles and hit testing of a TreeList window.
#include "treelist_data.h"

namespace treelist
{

LRESULT GetItemRect(TreeListData* d, WPARAM code, RECT* rect)
{
    if (!rect)
        return 0;
    const UINT h = HandleOf(*(HTREEITEM*)rect);
    const TreeListItem* item = ItemOf(d, h);
    RECT r;
    if (!item || !RowRect(d, RowOf(d, h), &r))
        return 0;
    const UINT part = (UINT)code & 0xFF;
    int column = 0;
    if (part == TVIR_CELL || part == TVIR_CELLTEXT)
    {
        column = (int)((code >> 24) & 0xFF);
        if (column >= d->layout.columnCount)
            column = 0;
        r.left = ColumnLeft(d, column) - d->scroll.hPos;
        r.right = ColumnRight(d, column) - d->scroll.hPos;
        if (r.right > d->layout.clientWidth && d->layout.columnCount == 0)
            r.right = d->layout.clientWidth;
    }
    else
    {
        r.left = -d->scroll.hPos;
    }
    if (code & 1)
    {
        if (column > 0)
        {
            const TreeListSubItem* cell = CellOf(d, h, column);
            if (cell && (cell->flags & kFlHasImage) && d->normalImages)
                r.left += d->layout.imageWidth;
        }
        else
        {
            r.left += LabelOffset(d, item);
        }
        if (r.left > r.right)
            r.left = r.right;
    }
    *rect = r;
    return 1;
}

// Zone of a point inside the tree column; `x` counts from the column's left edge.
static UINT TreeColumnZone(TreeListData* d, UINT h, int x, int yInRow)
{
    const TreeListItem* item = d->items[h];
    const int grid = (d->exStyle & TLX_GRIDLINES) ? 1 : 0;
    int rest = x - d->layout.indent * (int)item->level;
    if (!(d->style & TVS_LINESATROOT))
        rest += d->layout.indent;
    if (rest < d->layout.indent)
    {
        const int dx = rest - d->layout.buttonCentre, dy = yInRow - d->layout.rowHeight / 2;
        const bool onButton =
            (d->style & TVS_HASBUTTONS) && ShowsButton(d, item) && dx >= -6 && dx <= 7 && dy >= -6 && dy <= 7;
        return onButton ? TVHT_ONITEMBUTTON : TVHT_ONITEMINDENT;
    }
    rest -= d->layout.indent + grid;
    if (d->stateImages)
    {
        rest -= d->layout.stateWidth;
        if (rest < 0)
            return TVHT_ONITEMSTATEICON;
    }
    if ((item->flags & kFlHasImage) && d->normalImages)
    {
        rest -= d->layout.imageWidth + grid;
        if (rest < 0)
            return TVHT_ONITEMICON;
    }
    const int width = TextWidth(d, h, 0);
    return rest >= width + 5 ? TVHT_ONITEMRIGHT : TVHT_ONITEMLABEL;
}

static UINT CellZone(TreeListData* d, UINT h, int column, int offset)
{
    const TreeListSubItem* cell = CellOf(d, h, column);
    const int imageWidth = cell && (cell->flags & kFlHasImage) && d->normalImages ? d->layout.imageWidth : 0;
    if (offset < imageWidth)
        return TVHT_SUBITEMICON;
    if (!cell || (!(cell->callbacks & kCbText) && cell->textLength == 0))
        return TVHT_SUBITEMLABEL;
    const int width = TextWidth(d, h, column);
    const int cellWidth = ColumnRight(d, column) - ColumnLeft(d, column);
    bool onText;
    if (d->layout.align[column] == 1)
    {
        const int distance = offset - cellWidth / 2;
        onText = (distance < 0 ? -distance : distance) <= width / 2 + 3;
    }
    else if (d->layout.align[column] == 2)
    {
        onText = offset >= cellWidth - width - 5;
    }
    else
    {
        onText = offset - imageWidth < width + 5;
    }
    return onText ? TVHT_SUBITEMLABEL : TVHT_SUBITEMRIGHT;
}

UINT HitTest(TreeListData* d, POINT pt, UINT* flags)
{
    *flags = 0;
    if (pt.x >= d->layout.clientWidth)
        *flags |= TVHT_TORIGHT;
    else if (pt.x < 0)
        *flags |= TVHT_TOLEFT;
    if (pt.y < 0)
        *flags |= TVHT_ABOVE;
    else if (pt.y >= d->layout.clientHeight)
        *flags |= TVHT_BELOW;
    if (*flags)
        return 0;
    const int y = pt.y - d->layout.headerHeight;
    const long row = y < 0 ? -1 : (long)(y / d->layout.rowHeight) + (long)d->scroll.topRow;
    const UINT h = row < 0 ? 0 : ItemAtRow(d, (UINT)row);
    if (!h)
    {
        *flags = TVHT_NOWHERE;
        return 0;
    }
    const int x = pt.x + d->scroll.hPos;
    const int column = ColumnAt(d, x);
    if (column < 0)
    {
        *flags = TVHT_PASTCOLUMNS;
    }
    else if (column == 0)
    {
        *flags = TreeColumnZone(d, h, x - ColumnLeft(d, 0), y % d->layout.rowHeight);
    }
    else
    {
        *flags = CellZone(d, h, column, x - ColumnLeft(d, column)) | ((UINT)column << 24);
    }
    return ItemOf(d, h) ? h : 0;
}

}   // namespace treelist
