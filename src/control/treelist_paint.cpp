// Painting a TreeList window: rows of the shown page, the tree column with its
// lines, buttons and images, the cells of the other columns, grid lines,
// alternating rows, selection marks and the background below the rows.
#include "treelist_data.h"

namespace treelist
{

namespace
{

constexpr UINT kTextFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;   // 0x824

void Fill(HDC dc, const RECT& r, COLORREF colour)
{
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void FillXY(HDC dc, int left, int top, int right, int bottom, COLORREF colour)
{
    const RECT r = {left, top, right, bottom};
    Fill(dc, r, colour);
}

COLORREF Average(COLORREF a, COLORREF b, int weightA, int weightB)
{
    const int total = weightA + weightB;
    return RGB((GetRValue(a) * weightA + GetRValue(b) * weightB) / total,
               (GetGValue(a) * weightA + GetGValue(b) * weightB) / total,
               (GetBValue(a) * weightA + GetBValue(b) * weightB) / total);
}

struct RowPaint
{
    HDC dc;
    int row;
    UINT handle;
    int top, bottom;   // row bounds, bottom excluding the grid line
    COLORREF back;     // the row's background
};

COLORREF BackgroundOf(const TreeListData* d, int row, bool marked)
{
    const bool odd = (row & 1) != 0;
    const bool alternate = (d->exStyle & TLX_ALTERNATE) != 0;
    if (!d->enabled)
    {
        const COLORREF scroll = GetSysColor(COLOR_SCROLLBAR);
        if (!alternate)
            return scroll;
        const COLORREF light = Average(GetSysColor(COLOR_WINDOW), scroll, 1, 2);
        return odd ? light : Average(light, scroll, 1, 1);
    }
    if (marked && (d->exStyle & TLX_FULLROWMARK))
        return d->colours[alternate && !odd ? TLC_MARKEVEN : TLC_MARKODD];
    if (alternate)
        return d->colours[odd ? TLC_ODD : TLC_EVEN];
    if ((d->exStyle & TLX_GRIDLINES) && !odd)
        return d->colours[TLC_EVEN];
    return d->colours[TLC_BK];
}

// Whether the cell carries the selection or drop-highlight mark.
bool IsMarked(const TreeListData* d, UINT h, int column)
{
    if (d->sel.dropItem == h && d->sel.dropColumn == column && !(d->style & TVS_TRACKSELECT))
        return true;
    if (d->sel.item == h)
        return d->sel.column == column;
    return column == 0 && (d->items[h]->state & TVIS_SELECTED);
}

bool HasFocusMark(const TreeListData* d, UINT h, int column, BYTE flags)
{
    if (flags & kFlFocusMark)
        return true;
    return d->hasFocus && d->sel.item == h && d->sel.column == column && d->sel.count > 1;
}

// Draws a text with its selection box; `left` is where the box starts.
void DrawLabel(TreeListData* d, const RowPaint& p, int left, int right, const wchar_t* text, int length, int width,
               UINT state, int column, BYTE flags, COLORREF ownText)
{
    const HDC dc = p.dc;
    COLORREF colour = (flags & kFlOwnText) ? ownText : d->colours[TLC_TEXT];
    if (d->sel.dropItem == p.handle && d->sel.dropColumn == column && (d->style & TVS_TRACKSELECT))
        colour = d->colours[TLC_TRACK];
    RECT box = {left, p.top, left + width + 4, p.bottom};
    if (box.right > right)
        box.right = right;
    if (IsMarked(d, p.handle, column) && box.right > box.left)
    {
        const bool strong = d->hasFocus || (d->sel.dropItem == p.handle && d->sel.dropColumn == column);
        if (strong || (d->style & TVS_SHOWSELALWAYS) || d->sel.count > 1)
        {
            Fill(dc, box, GetSysColor(strong ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
            colour = GetSysColor(strong ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
        }
    }
    if (!d->enabled)
        colour = GetSysColor(COLOR_GRAYTEXT);
    if (length > 0)
    {
        RECT r = {left + 2, p.top, right, p.bottom};
        SelectObject(dc, ItemFont(d, state));
        SetTextColor(dc, colour);
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, text, length, &r, kTextFlags);
        SetBkMode(dc, OPAQUE);
    }
    if (HasFocusMark(d, p.handle, column, flags) && box.right > box.left)
    {
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &box);
    }
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void DrawTreeLines(TreeListData* d, const RowPaint& p, int x0, const TreeListItem* item)
{
    const int rootStep = (d->style & TVS_LINESATROOT) ? 0 : 1;
    const int middle = (p.top + p.bottom) / 2;
    HGDIOBJ oldPen = SelectObject(p.dc, SharedLinePen());
    SetBkColor(p.dc, d->colours[TLC_LINE]);
    for (UINT a = item->parent; a; a = d->items[a]->parent)
    {
        const TreeListItem* ancestor = d->items[a];
        const int step = (int)ancestor->level - rootStep;
        if (step < 0 || !ancestor->nextSibling)
            continue;
        const int x = x0 + step * d->layout.indent + d->layout.buttonCentre;
        DrawLine(p.dc, x, p.top, x, p.bottom);
    }
    const int step = (int)item->level - rootStep;
    if (step >= 0)
    {
        const int x = x0 + step * d->layout.indent + d->layout.buttonCentre;
        DrawLine(p.dc, x, p.top, x, item->nextSibling ? p.bottom : middle);
        DrawLine(p.dc, x, middle, x0 + (step + 1) * d->layout.indent, middle);
    }
    SelectObject(p.dc, oldPen);
}

void DrawButton(TreeListData* d, const RowPaint& p, int centreX, const TreeListItem* item, COLORREF back)
{
    const int cy = (p.top + p.bottom) / 2;
    FillXY(p.dc, centreX - 4, cy - 4, centreX + 5, cy + 5, d->colours[TLC_BOX]);
    FillXY(p.dc, centreX - 3, cy - 3, centreX + 4, cy + 4, back);
    FillXY(p.dc, centreX - 2, cy, centreX + 3, cy + 1, d->colours[TLC_LINE]);
    const bool plus = !(item->state & TVIS_EXPANDED) || (item->state & TVIS_EXPANDPARTIAL);
    if (plus)
        FillXY(p.dc, centreX, cy - 2, centreX + 1, cy + 3, d->colours[TLC_LINE]);
}

// Draws an image of the normal list at x, centred vertically; false when there is none.
bool DrawImage(TreeListData* d, const RowPaint& p, UINT image, int x, int right)
{
    if (!d->normalImages || image >= kNoImage || x >= right)
        return false;
    const int y = p.top + (p.bottom - p.top - d->layout.imageHeight) / 2;
    ImageList_Draw(d->normalImages, (int)image, p.dc, x, y, ILD_TRANSPARENT);
    return true;
}

void PaintTreeCell(TreeListData* d, const RowPaint& p, int left, int right)
{
    TreeListItem* item = d->items[p.handle];
    const COLORREF back = (item->flags & kFlOwnBack) ? item->backColour : p.back;
    Fill(p.dc, RECT{left, p.top, right, p.bottom}, back);
    const int grid = (d->exStyle & TLX_GRIDLINES) ? 1 : 0;
    const int indentEnd = left + ItemIndent(d, item);
    if (d->style & TVS_HASLINES)
        DrawTreeLines(d, p, left, item);
    const int step = (int)item->level - ((d->style & TVS_LINESATROOT) ? 0 : 1);
    if ((d->style & TVS_HASBUTTONS) && step >= 0 && ShowsButton(d, item))
        DrawButton(d, p, left + step * d->layout.indent + d->layout.buttonCentre, item, back);
    if (grid)
        FillXY(p.dc, indentEnd, p.top, indentEnd + 1, p.bottom, d->colours[TLC_GRID]);
    int x = indentEnd + grid;
    if (d->stateImages)
    {
        const int index = (int)((item->state >> 12) & 0xF);
        const int y = p.top + (p.bottom - p.top - d->layout.stateHeight) / 2;
        if (index)
            ImageList_Draw(d->stateImages, index, p.dc, x, y, ILD_TRANSPARENT);
        x += d->layout.stateWidth;
    }
    const UINT image = d->normalImages ? DisplayImage(d, p.handle, 0) : kNoImage;
    if (!(item = ItemOf(d, p.handle)))
        return;
    if (DrawImage(d, p, image, x, right))
    {
        item->flags |= kFlHasImage;
        x += d->layout.imageWidth + grid;
    }
    else
    {
        item->flags &= ~kFlHasImage;
    }
    int length;
    const wchar_t* text = DisplayText(d, p.handle, 0, 0, &length);
    if (!(item = ItemOf(d, p.handle)))
        return;
    if (!item->textWidth)
        item->textWidth = MeasureText(d, text, length, item->state);
    DrawLabel(d, p, x, right, text, length, item->textWidth, item->state, 0, item->flags, item->textColour);
    const int extent = x + d->scroll.hPos + item->textWidth + 6;
    if (extent > d->layout.totalWidth)
        d->layout.totalWidth = extent;
}

void PaintCell(TreeListData* d, const RowPaint& p, int column, int left, int right)
{
    TreeListSubItem* cell = CellOf(d, p.handle, column);
    const COLORREF back = (cell && (cell->flags & kFlOwnBack)) ? cell->backColour : p.back;
    Fill(p.dc, RECT{left, p.top, right, p.bottom}, back);
    if (!cell)
        return;
    const UINT image = d->normalImages ? DisplayImage(d, p.handle, column) : kNoImage;
    if (!(cell = CellOf(d, p.handle, column)))
        return;
    int imageWidth = 0;
    if (DrawImage(d, p, image, left, right))
    {
        cell->flags |= kFlHasImage;
        imageWidth = d->layout.imageWidth;
    }
    else
    {
        cell->flags &= ~kFlHasImage;
    }
    int length;
    const wchar_t* text = DisplayText(d, p.handle, column, 0, &length);
    if (!(cell = CellOf(d, p.handle, column)))
        return;
    if (!cell->textWidth)
        cell->textWidth = MeasureText(d, text, length, cell->state);
    const int width = cell->textWidth, cellWidth = right - left;
    int textLeft = left + imageWidth;
    if (d->layout.align[column] == 1)
        textLeft = left + cellWidth / 2 - width / 2 - 2;
    else if (d->layout.align[column] == 2)
        textLeft = right - width - 4;
    if (textLeft < left + imageWidth)
        textLeft = left + imageWidth;
    DrawLabel(d, p, textLeft, right, text, length, width, cell->state, column, cell->flags, cell->textColour);
}

void DrawGrid(TreeListData* d, const RowPaint& p, int columns)
{
    const COLORREF grid = d->colours[TLC_GRID];
    FillXY(p.dc, 0, p.bottom, d->layout.clientWidth, p.bottom + 1, grid);
    for (int c = 0; c < columns; ++c)
    {
        const int x = ColumnRight(d, c) - d->scroll.hPos - 1;
        if (x >= 0 && x < d->layout.clientWidth)
            FillXY(p.dc, x, p.top, x + 1, p.bottom + 1, grid);
    }
}

void PaintRow(TreeListData* d, HDC dc, int row, const RECT& area)
{
    const UINT h = d->rows[row];
    const TreeListItem* item = ItemOf(d, h);
    if (!item)
        return;
    const int grid = (d->exStyle & TLX_GRIDLINES) ? 1 : 0;
    RowPaint p = {dc, row, h, d->layout.headerHeight + (row - (int)d->scroll.topRow) * d->layout.rowHeight, 0, 0};
    p.bottom = p.top + d->layout.rowHeight - grid;
    p.back = BackgroundOf(d, row, (item->state & TVIS_SELECTED) != 0);
    const int columns = d->layout.columnCount ? d->layout.columnCount : 1;
    for (int c = 0; c < columns && ItemOf(d, h); ++c)
    {
        int left = ColumnLeft(d, c) - d->scroll.hPos, right = ColumnRight(d, c) - d->scroll.hPos;
        if (right > d->layout.clientWidth)
            right = d->layout.clientWidth;
        if (right <= area.left || left >= area.right || right <= left)
            continue;
        if (c == 0)
            PaintTreeCell(d, p, left, right);
        else
            PaintCell(d, p, c, left, right);
    }
    const int end = ContentWidth(d) - d->scroll.hPos;
    if (d->layout.columnCount && end < d->layout.clientWidth)
        FillXY(dc, end, p.top, d->layout.clientWidth, p.bottom + grid, p.back);
    if (grid)
        DrawGrid(d, p, d->layout.columnCount);
}

}   // namespace

void Paint(TreeListData* d, HDC dc, const RECT& area)
{
    EnsureRows(d);
    HGDIOBJ oldFont = SelectObject(dc, d->font);
    const int first =
        (int)d->scroll.topRow +
        (area.top > d->layout.headerHeight ? (area.top - d->layout.headerHeight) / d->layout.rowHeight : 0);
    const int last = (int)d->scroll.topRow + (int)d->scroll.pageRows;
    int y = d->layout.headerHeight + (first - (int)d->scroll.topRow) * d->layout.rowHeight;
    for (int row = first; row < last && y < area.bottom && !d->destroyed; ++row, y += d->layout.rowHeight)
    {
        EnsureRows(d);   // a callback may have changed the rows meanwhile
        if (row >= (int)d->rowCount)
            break;
        PaintRow(d, dc, row, area);
    }
    if (y < area.bottom)
    {
        const COLORREF back = d->enabled ? d->colours[TLC_BK] : GetSysColor(COLOR_SCROLLBAR);
        FillXY(dc, area.left, y > d->layout.headerHeight ? y : d->layout.headerHeight, area.right, area.bottom, back);
    }
    SelectObject(dc, oldFont);
}

}   // namespace treelist
