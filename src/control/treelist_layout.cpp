// Appearance of a TreeList window: row height, colour slots, styles, image lists,
// fonts and the geometry of the first column.
#include "treelist_data.h"

namespace treelist
{

constexpr COLORREF kNoColour = 0xFFFFFFFF;
// Style bits whose change only needs a repaint.
constexpr DWORD kRepaintingStyles =
    TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_RTLREADING | TVS_CHECKBOXES | TVS_TRACKSELECT;
static_assert(kRepaintingStyles == 0x347);
constexpr int kMinAutoRowHeight = 10;
constexpr int kMaxRowHeight = 256;
constexpr COLORREF kEighthOfChannels = 0x1F1F1F;   // a colour shifted right by 3, per channel
constexpr COLORREF kBlueByte = 0xFF0000;           // the hot-tracked text: blue inverted

void UpdatePageRows(TreeListData* d)
{
    int height = d->layout.clientHeight - d->layout.headerHeight;
    if (height < 0)
        height = 0;
    d->scroll.pageRows = (UINT)((height + d->layout.rowHeight - 1) / d->layout.rowHeight);
    d->scroll.fullRows = (UINT)(height / d->layout.rowHeight);
}

static void RowHeightChanged(TreeListData* d, int old)
{
    UpdatePageRows(d);
    if (old == d->layout.rowHeight)
        return;
    InvalidateRect(d->hwnd, nullptr, FALSE);
    UpdateScrollBars(d);
}

void ComputeRowHeight(TreeListData* d)
{
    if (d->layout.fixedRowHeight)
        return;
    const int old = d->layout.rowHeight;
    int height = kMinAutoRowHeight;
    if (d->stateImages && d->layout.stateHeight + 2 > height)
        height = d->layout.stateHeight + 2;
    if (d->normalImages && d->layout.imageWidth + 2 > height)
        height = d->layout.imageWidth + 2;
    if (d->layout.fontHeight + 2 > height)
        height = d->layout.fontHeight + 2;
    if (d->exStyle & TLX_GRIDLINES)
        ++height;
    if ((d->style & TVS_NONEVENHEIGHT) && (height & 1))
        ++height;
    d->layout.rowHeight = height;
    RowHeightChanged(d, old);
}

LRESULT SetItemHeight(TreeListData* d, int height)
{
    const int old = d->layout.rowHeight;
    if (height == -1)
    {
        d->layout.fixedRowHeight = false;
        ComputeRowHeight(d);
        return old;
    }
    if ((height & 1) && !(d->exStyle & TLX_ODDHEIGHT))
        --height;
    if (height <= 0)
        height = 1;
    if (height > kMaxRowHeight)
        height = kMaxRowHeight;
    d->layout.rowHeight = height;
    d->layout.fixedRowHeight = true;
    RowHeightChanged(d, old);
    return old;
}

COLORREF BlendHighlight(COLORREF base)
{
    const COLORREF h = GetSysColor(COLOR_HIGHLIGHT);
    // Each channel: seven eighths of the base and one eighth of the highlight.
    return ((base >> 3) & kEighthOfChannels) * 7 + ((h >> 3) & kEighthOfChannels);
}

void LoadDefaultColours(TreeListData* d)
{
    const COLORREF defaults[] = {
        GetSysColor(COLOR_WINDOW),     GetSysColor(COLOR_INFOBK),
        GetSysColor(COLOR_WINDOW),     GetSysColor(COLOR_BTNFACE),
        GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOWTEXT),
        GetSysColor(COLOR_BTNSHADOW),  GetSysColor(COLOR_WINDOWTEXT) ^ kBlueByte,
    };
    for (int slot = 0; slot < 8; ++slot)
    {
        if (!d->colourSet[slot])
            d->colours[slot] = defaults[slot];
    }
    // The marked-row colours blend the row colours as they are now.
    if (!d->colourSet[TLC_MARKODD])
        d->colours[TLC_MARKODD] = BlendHighlight(d->colours[TLC_ODD]);
    if (!d->colourSet[TLC_MARKEVEN])
        d->colours[TLC_MARKEVEN] = BlendHighlight(d->colours[TLC_EVEN]);
    if (!d->colourSet[TLC_INSERTMARK])
        d->colours[TLC_INSERTMARK] = GetSysColor(COLOR_INFOBK);
}

LRESULT GetColour(const TreeListData* d, WPARAM slot)
{
    return slot < TLC_COUNT ? (LRESULT)d->colours[slot] : -1;
}

LRESULT SetColour(TreeListData* d, WPARAM slot, LPARAM value)
{
    if (slot >= TLC_COUNT)
        return -1;
    const COLORREF old = d->colours[slot];
    const COLORREF colour = (COLORREF)value;
    d->colourSet[slot] = colour != kNoColour;
    if (colour != kNoColour)
        d->colours[slot] = colour;
    LoadDefaultColours(d);
    if (old != d->colours[slot])
        InvalidateRect(d->hwnd, nullptr, FALSE);
    return (LRESULT)old;
}

LRESULT SetExtendedStyle(TreeListData* d, DWORD mask, DWORD bits)
{
    if (mask == 0)
        mask = kAllBits;
    const DWORD old = d->exStyle;
    d->exStyle = (bits & mask) | (old & ~mask);
    const DWORD changed = old ^ d->exStyle;
    if (changed & TLX_GRIDLINES)
    {
        ComputeRowHeight(d);
        UpdateScrollBars(d);
    }
    if (changed & (TLX_MULTISELECT | TLX_ALTERNATE | TLX_SUBSELECT | TLX_FULLROWMARK))
        InvalidateRect(d->hwnd, nullptr, FALSE);
    if (changed & TLX_NOHSCROLL)
        UpdateScrollBars(d);
    // Addressing the cell-selection bit again brings the selection back to the item.
    if ((old & TLX_SUBSELECT) && (mask & TLX_SUBSELECT) && d->sel.item && d->sel.column != 0)
        SelectItem(d, d->sel.item, 0, kReplaceSelection);
    return (LRESULT)d->exStyle;
}

static void MeasureStateImages(TreeListData* d)
{
    d->layout.stateWidth = d->layout.stateHeight = 0;
    if (d->stateImages)
        ImageList_GetIconSize(d->stateImages, &d->layout.stateWidth, &d->layout.stateHeight);
}

static void MeasureNormalImages(TreeListData* d)
{
    d->layout.imageWidth = d->layout.imageHeight = 0;
    if (!d->normalImages)
        return;
    IMAGEINFO info = {};
    if (ImageList_GetImageInfo(d->normalImages, 0, &info))
    {
        d->layout.imageWidth = info.rcImage.right - info.rcImage.left;
        d->layout.imageHeight = info.rcImage.bottom - info.rcImage.top;
    }
    else
    {
        ImageList_GetIconSize(d->normalImages, &d->layout.imageWidth, &d->layout.imageHeight);
    }
}

// The check boxes of TVS_CHECKBOXES: empty, unchecked and checked, 16 x 16 each.
static HIMAGELIST MakeCheckBoxImages()
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 48, 16);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF key = GetSysColor(COLOR_HIGHLIGHT);
    RECT all = {0, 0, 48, 16};
    SetBkColor(dc, key);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    RECT unchecked = {17, 2, 30, 15}, checked = {33, 2, 46, 15};
    DrawFrameControl(dc, &unchecked, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT);
    DrawFrameControl(dc, &checked, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | DFCS_CHECKED);
    SelectObject(dc, old);
    DeleteDC(dc);
    HIMAGELIST list = ImageList_Create(16, 16, 0xFF, 3, 14);
    if (list)
        ImageList_AddMasked(list, bitmap, key);
    DeleteObject(bitmap);
    return list;
}

void SetCheckBoxImages(TreeListData* d, bool on)
{
    if (on && !d->stateImages)
    {
        d->stateImages = MakeCheckBoxImages();
        d->ownStateImages = d->stateImages != nullptr;
    }
    else if (!on && d->ownStateImages)
    {
        ImageList_Destroy(d->stateImages);
        d->stateImages = nullptr;
        d->ownStateImages = false;
    }
    MeasureStateImages(d);
}

// Items made before check boxes were turned on get an unchecked box, as new ones do.
static void GiveCheckBoxes(TreeListData* d)
{
    for (UINT h = 1; h <= d->capacity; ++h)
    {
        TreeListItem* item = d->items[h];
        if (item && !(item->state & TVIS_STATEIMAGEMASK))
            item->state |= INDEXTOSTATEIMAGEMASK(1);
    }
    InvalidateRect(d->hwnd, nullptr, FALSE);
}

void OnStyleChanged(TreeListData* d, DWORD oldStyle, DWORD newStyle)
{
    d->style = newStyle;
    const DWORD changed = oldStyle ^ newStyle;
    if (changed & newStyle & TVS_CHECKBOXES)
        GiveCheckBoxes(d);
    if (changed & (TVS_CHECKBOXES | TVS_NONEVENHEIGHT))
    {
        SetCheckBoxImages(d, (newStyle & TVS_CHECKBOXES) != 0);
        ComputeRowHeight(d);
        UpdateScrollBars(d);
    }
    if (changed & kRepaintingStyles)
        InvalidateRect(d->hwnd, nullptr, FALSE);
    if (changed & TVS_NOSCROLL)
        UpdateScrollBars(d);
    if (changed & TVS_NOTOOLTIPS)
    {
        if (newStyle & TVS_NOTOOLTIPS)
            HideTooltip(d);
        else
            CreateTooltip(d);
    }
}

LRESULT SetImageList(TreeListData* d, WPARAM which, HIMAGELIST list)
{
    HIMAGELIST old;
    if (which == TVSIL_NORMAL)
    {
        old = d->normalImages;
        d->normalImages = list;
        MeasureNormalImages(d);
        if (d->header)
            SendMessageW(d->header, HDM_SETIMAGELIST, 0, (LPARAM)list);
    }
    else if (which == TVSIL_STATE)
    {
        old = d->stateImages;
        if (d->ownStateImages && old)
        {
            ImageList_Destroy(old);
            old = nullptr;
        }
        d->ownStateImages = false;
        d->stateImages = list;
        MeasureStateImages(d);
    }
    else
    {
        return 0;
    }
    if (d->layout.fixedRowHeight)
        InvalidateRect(d->hwnd, nullptr, FALSE);
    else
        ComputeRowHeight(d);
    InvalidateRect(d->hwnd, nullptr, FALSE);
    return (LRESULT)old;
}

void MeasureFont(TreeListData* d)
{
    HDC dc = GetDC(d->hwnd);
    HGDIOBJ old = SelectObject(dc, d->font);
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(d->hwnd, dc);
    d->layout.fontHeight = tm.tmHeight;
    d->layout.fontAscent = tm.tmAscent + 1;
    d->layout.fontFixedPitch = !(tm.tmPitchAndFamily & TMPF_FIXED_PITCH);
    d->measuredFont = d->font;
}

void SetFont(TreeListData* d, HFONT font)
{
    d->font = font ? font : SharedFont(false);
    d->boldFont = font ? font : SharedFont(true);
    MeasureFont(d);
    ClearTextWidths(d);
    InvalidateRect(d->hwnd, nullptr, FALSE);
}

HFONT ItemFont(const TreeListData* d, UINT state)
{
    return (state & TVIS_BOLD) ? d->boldFont : d->font;
}

LRESULT GetCellColour(TreeListData* d, UINT handle, int column, bool back)
{
    const BYTE bit = back ? kFlOwnBack : kFlOwnText;
    if (column == 0)
    {
        const TreeListItem* item = ItemOf(d, handle);
        if (!item || !(item->flags & bit))
            return (LRESULT)kNoColour;
        return (LRESULT)(back ? item->backColour : item->textColour);
    }
    const TreeListSubItem* cell = CellOf(d, handle, column);
    if (!cell || !(cell->flags & bit))
        return (LRESULT)kNoColour;
    return (LRESULT)(back ? cell->backColour : cell->textColour);
}

LRESULT SetCellColour(TreeListData* d, WPARAM target, COLORREF colour, bool back)
{
    const UINT handle = (UINT)(target & kItemBits);
    const int column = (int)((target >> kColumnShift) & 0xFF);
    if (!ItemOf(d, handle) || (column > 0 && column >= d->layout.columnCount))
        return (LRESULT)kNoColour;
    const LRESULT old = GetCellColour(d, handle, column, back);
    BYTE* flags;
    COLORREF* slot;
    if (column == 0)
    {
        TreeListItem* item = d->items[handle];
        flags = &item->flags;
        slot = back ? &item->backColour : &item->textColour;
    }
    else
    {
        TreeListSubItem* cell = MakeCell(d, handle, column);
        if (!cell)
            return (LRESULT)kNoColour;
        flags = &cell->flags;
        slot = back ? &cell->backColour : &cell->textColour;
    }
    const BYTE bit = back ? kFlOwnBack : kFlOwnText;
    if (colour == kNoColour)
        *flags &= ~bit;
    else
    {
        *flags |= bit;
        *slot = colour;
    }
    if ((COLORREF)old != colour)
        InvalidateItem(d, handle, column);
    return old;
}

int ItemIndent(const TreeListData* d, const TreeListItem* item)
{
    return d->layout.indent * ((int)item->level + ((d->style & TVS_LINESATROOT) ? 1 : 0));
}

int LabelOffset(const TreeListData* d, const TreeListItem* item)
{
    const int grid = (d->exStyle & TLX_GRIDLINES) ? 1 : 0;
    int x = ItemIndent(d, item) + grid;
    if (d->stateImages)
        x += d->layout.stateWidth;
    if ((item->flags & kFlHasImage) && d->normalImages)
        x += d->layout.imageWidth + grid;
    return x;
}

}   // namespace treelist
