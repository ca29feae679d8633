// Reading and writing items and cells through the column-aware TVITEMW, and the
// values that the parent supplies through TVN_GETDISPINFOW.
#include <cstring>

#include "treelist_data.h"

namespace treelist
{

int ItemColumn(const TVITEMW* item)
{
    return (item->mask & TVIF_SUBITEM) ? item->cChildren : 0;
}

static void ReturnText(TVITEMW* out, wchar_t* text, int length)
{
    if (text == LPSTR_TEXTCALLBACKW)
    {
        out->pszText = LPSTR_TEXTCALLBACKW;
        return;
    }
    if (out->mask & TVIF_TEXTPTR)
    {
        out->pszText = text ? text : const_cast<wchar_t*>(L"");
        out->cchTextMax = text ? length + 1 : 0;
        return;
    }
    if (!out->pszText || out->cchTextMax <= 0)
        return;
    const int n = length < out->cchTextMax - 1 ? length : out->cchTextMax - 1;
    if (n > 0)
        memcpy(out->pszText, text, n * sizeof(wchar_t));
    out->pszText[n] = 0;
}

LRESULT GetItem(TreeListData* d, TVITEMW* out)
{
    if (!out)
        return 0;
    const UINT h = HandleOf(out->hItem);
    TreeListItem* item = ItemOf(d, h);
    if (!item)
        return 0;
    const int column = ItemColumn(out);
    if (column != 0)
    {
        if (column < 0 || column >= d->layout.columnCount)
            return 0;
        TreeListSubItem* cell = MakeCell(d, h, column);
        if (!cell)
            return 0;
        if (out->mask & TVIF_PARAM)
            out->lParam = item->lParam;
        if (out->mask & TVIF_IMAGE)
            out->iImage = (int)cell->image;
        if (out->mask & TVIF_TEXT)
            ReturnText(out, cell->text, cell->textLength);
        if (out->mask & TVIF_STATE)
            out->state = cell->state & kCellStateReadMask;
        return 1;
    }
    if (out->mask & TVIF_PARAM)
        out->lParam = item->lParam;
    if (out->mask & TVIF_IMAGE)
        out->iImage = (int)item->image;
    if (out->mask & TVIF_SELECTEDIMAGE)
        out->iSelectedImage = (int)item->selectedImage;
    if ((out->mask & TVIF_CHILDREN) && !(out->mask & TVIF_SUBITEM))
    {
        out->cChildren = (item->callbacks & kCbChildren) ? I_CHILDRENCALLBACK : (item->firstChild ? 1 : 0);
    }
    if (out->mask & TVIF_TEXT)
        ReturnText(out, item->text, item->textLength);
    if (out->mask & TVIF_STATE)
        out->state = item->state;
    return 1;
}

// Stores a text or the callback marker; false when memory ran out.
static bool StoreText(wchar_t** text, unsigned short* length, BYTE* callbacks, const wchar_t* source)
{
    if (source == LPSTR_TEXTCALLBACKW)
    {
        FreeText(*text);
        *text = LPSTR_TEXTCALLBACKW;
        *length = 0;
        *callbacks |= kCbText;
        return true;
    }
    if (*text == LPSTR_TEXTCALLBACKW)
        *text = nullptr;
    *callbacks &= ~kCbText;
    return SetText(text, length, source ? source : L"", source ? wcslen(source) : 0);
}

static bool StoreImage(UINT* image, BYTE* callbacks, BYTE bit, int value)
{
    if (*image == (UINT)value)
        return false;
    *image = (UINT)value;
    if (*image == kCallbackImage)
        *callbacks |= bit;
    else
        *callbacks &= ~bit;
    return true;
}

// Bits whose change shows on screen.
static bool StateChangeShows(const TreeListData* d, UINT changed)
{
    return ((changed & (TVIS_OVERLAYMASK | TVIS_CUT)) && d->normalImages) ||
           ((changed & TVIS_STATEIMAGEMASK) && d->stateImages) || (changed & (TVIS_BOLD | TVIS_DROPHILITED));
}

// TVIS_SELECTED and TVIS_EXPANDED changes run the selection and expansion steps.
// Setting the bit adds to a multi-selection; clearing it unselects only this item.
static void ApplyStateSteps(TreeListData* d, UINT h, int column, UINT changed, bool selected)
{
    if (changed & TVIS_SELECTED)
    {
        if (selected)
            SelectItem(d, h, column, 0);
        else
        {
            if (d->sel.item == h)
                SelectItem(d, 0, 0, 0);
            const TreeListItem* item = ItemOf(d, h);
            if (item && (item->state & TVIS_SELECTED))
                ToggleSelection(d, h, 0);
        }
    }
    TreeListItem* item = ItemOf(d, h);
    if ((changed & TVIS_EXPANDED) && item && ItemHasChildren(d, item))
        ToggleExpand(d, h, false);
}

static LRESULT SetItemState(TreeListData* d, UINT h, int column, UINT state, UINT mask)
{
    TreeListItem* item = d->items[h];
    if (d->style & TVS_SINGLEEXPAND)
        mask &= ~TVIS_EXPANDED;
    UINT itemMask = mask, cellMask = 0;
    TreeListSubItem* cell = nullptr;
    if (column > 0)
    {
        cell = MakeCell(d, h, column);
        if (!cell)
            return 0;
        itemMask = mask & kCellStateFromItem;
        cellMask = mask & ~kCellStateFromItem;
        const UINT changed = (cell->state ^ state) & cellMask;
        cell->state ^= changed;
        if (changed & (TVIS_BOLD | TVIS_DROPHILITED))
            cell->textWidth = 0;
        if (StateChangeShows(d, changed))
            InvalidateItem(d, h, column);
    }
    const UINT changed = (item->state ^ state) & itemMask;
    const UINT stored = changed & ~(TVIS_SELECTED | TVIS_EXPANDED);
    item->state ^= stored;
    if (stored & (TVIS_BOLD | TVIS_DROPHILITED))
        item->textWidth = 0;
    if (StateChangeShows(d, stored))
        InvalidateItem(d, h, 0);
    const int selectColumn = (d->exStyle & TLX_SUBSELECT) ? column : 0;
    ApplyStateSteps(d, h, selectColumn, changed, (state & TVIS_SELECTED) != 0);
    return 1;
}

static LRESULT SetCell(TreeListData* d, UINT h, int column, const TVITEMW* in)
{
    TreeListSubItem* cell = MakeCell(d, h, column);
    if (!cell)
        return 0;
    bool changed = false;
    if (in->mask & TVIF_PARAM)
        d->items[h]->lParam = in->lParam;
    if (in->mask & TVIF_IMAGE)
        changed |= StoreImage(&cell->image, &cell->callbacks, kCbImage, in->iImage);
    if (in->mask & TVIF_TEXT)
    {
        if (!StoreText(&cell->text, &cell->textLength, &cell->callbacks, in->pszText))
            return 0;
        cell->textWidth = 0;
        changed = true;
    }
    if (changed)
        InvalidateItem(d, h, column);
    if (in->mask & TVIF_STATE)
        return SetItemState(d, h, column, in->state, in->stateMask);
    return 1;
}

LRESULT SetItem(TreeListData* d, const TVITEMW* in)
{
    if (!in)
        return 0;
    const UINT h = HandleOf(in->hItem);
    TreeListItem* item = ItemOf(d, h);
    if (!item)
        return 0;
    const int column = ItemColumn(in);
    if (column != 0)
    {
        if (column < 0 || column >= d->layout.columnCount)
            return 0;
        return SetCell(d, h, column, in);
    }
    bool changed = false;
    if (in->mask & TVIF_PARAM)
        item->lParam = in->lParam;
    if (in->mask & TVIF_IMAGE)
        changed |= StoreImage(&item->image, &item->callbacks, kCbImage, in->iImage);
    if (in->mask & TVIF_SELECTEDIMAGE)
        changed |= StoreImage(&item->selectedImage, &item->callbacks, kCbSelectedImage, in->iSelectedImage);
    if ((in->mask & TVIF_CHILDREN) && !(in->mask & TVIF_SUBITEM))
    {
        ApplyChildrenValue(item, in->cChildren);
        changed = true;
    }
    if (in->mask & TVIF_TEXT)
    {
        if (!StoreText(&item->text, &item->textLength, &item->callbacks, in->pszText))
            return 0;
        item->textWidth = 0;
        changed = true;
    }
    if (changed)
        InvalidateItem(d, h, 0);
    if (in->mask & TVIF_STATE)
        return SetItemState(d, h, 0, in->state, in->stateMask);
    return 1;
}

void FillNotifyItem(TreeListData* d, UINT handle, int column, UINT mask, TVITEMW* out)
{
    *out = TVITEMW{};
    out->mask = mask;
    out->hItem = (HTREEITEM)(ULONG_PTR)handle;
    out->stateMask = kAllBits;
    out->cChildren = column;
    const TreeListItem* item = ItemOf(d, handle);
    if (!item)
        return;
    out->lParam = item->lParam;
    out->state = item->state;
    if (const TreeListSubItem* cell = CellOf(d, handle, column))
        out->state = (item->state & kCellStateFromItem) | cell->state;
}

// Keeps at most kTextBuffer characters of the parent's answer in our own buffer.
static void KeepAnsweredText(TreeListData* d, int buffer, TVITEMW* answer)
{
    wchar_t* own = d->text[buffer];
    own[kTextBuffer] = 0;
    const wchar_t* given = answer->pszText;
    if (!given || given == LPSTR_TEXTCALLBACKW)
        own[0] = 0;
    else if (given != own)
    {
        const size_t n = wcsnlen(given, kTextBuffer);
        memmove(own, given, n * sizeof(wchar_t));
        own[n] = 0;
    }
    answer->pszText = own;
}

bool FetchItemCallback(TreeListData* d, UINT handle, UINT wanted, int buffer, TVITEMW* out)
{
    NMTVDISPINFOW nm = {};
    TVITEMW& it = nm.item;
    FillNotifyItem(d, handle, 0, wanted | TVIF_HANDLE | TVIF_STATE | TVIF_PARAM, &it);
    it.cChildren = it.iImage = it.iSelectedImage = -1;
    if (wanted & TVIF_TEXT)
    {
        d->text[buffer][0] = 0;
        it.pszText = d->text[buffer];
        it.cchTextMax = kTextBuffer;
    }
    NotifyParent(d, &nm.hdr, TVN_GETDISPINFOW);
    TreeListItem* item = ItemOf(d, handle);
    if (wanted & TVIF_TEXT)
        KeepAnsweredText(d, buffer, &it);
    *out = it;
    if (!item)
        return false;
    if (wanted & TVIF_CHILDREN)
    {
        item->flags &= ~(kFlButton | kFlByChildren);
        if (it.cChildren == 1)
            item->flags |= kFlButton;
        else if (it.cChildren != 0)
            item->flags |= kFlByChildren;
    }
    if (wanted & TVIF_TEXT)
        item->textWidth = 0;
    return true;
}

bool FetchCellCallback(TreeListData* d, UINT handle, int column, UINT wanted, TVITEMW* out)
{
    NMTVDISPINFOW nm = {};
    TVITEMW& it = nm.item;
    FillNotifyItem(d, handle, column, wanted | kSelectionMask, &it);
    it.iImage = -1;
    if (wanted & TVIF_TEXT)
    {
        d->text[0][0] = 0;
        it.pszText = d->text[0];
        it.cchTextMax = kTextBuffer;
    }
    NotifyParent(d, &nm.hdr, TVN_GETDISPINFOW);
    if (wanted & TVIF_TEXT)
        KeepAnsweredText(d, 0, &it);
    *out = it;
    TreeListSubItem* cell = CellOf(d, handle, column);
    if (!cell)
        return false;
    if (wanted & TVIF_TEXT)
        cell->textWidth = 0;
    return true;
}

const wchar_t* DisplayText(TreeListData* d, UINT handle, int column, int buffer, int* length)
{
    *length = 0;
    TVITEMW answer;
    if (column == 0)
    {
        const TreeListItem* item = ItemOf(d, handle);
        if (!item)
            return L"";
        if (item->callbacks & kCbText)
        {
            if (!FetchItemCallback(d, handle, TVIF_TEXT, buffer, &answer))
                return L"";
            *length = (int)wcslen(answer.pszText);
            return answer.pszText;
        }
        *length = item->textLength;
        return item->text ? item->text : L"";
    }
    const TreeListSubItem* cell = CellOf(d, handle, column);
    if (!cell)
        return L"";
    if (cell->callbacks & kCbText)
    {
        if (!FetchCellCallback(d, handle, column, TVIF_TEXT, &answer))
            return L"";
        *length = (int)wcslen(answer.pszText);
        return answer.pszText;
    }
    *length = cell->textLength;
    return cell->text ? cell->text : L"";
}

int MeasureText(TreeListData* d, const wchar_t* text, int length, UINT state)
{
    if (length <= 0)
        return 0;
    HDC dc = GetDC(d->hwnd);
    HGDIOBJ old = SelectObject(dc, ItemFont(d, state));
    RECT r = {0, 0, 0, 0};
    DrawTextW(dc, text, length, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(d->hwnd, dc);
    return r.right - r.left;
}

int TextWidth(TreeListData* d, UINT handle, int column)
{
    if (!ItemOf(d, handle))
        return 0;
    if (column == 0 && d->items[handle]->textWidth)
        return d->items[handle]->textWidth;
    const TreeListSubItem* cell = CellOf(d, handle, column);
    if (column > 0 && (!cell || cell->textWidth))
        return cell ? cell->textWidth : 0;
    int length;
    const wchar_t* text = DisplayText(d, handle, column, 0, &length);
    TreeListItem* item = ItemOf(d, handle);
    if (!item)
        return 0;
    TreeListSubItem* fresh = CellOf(d, handle, column);
    if (column > 0 && !fresh)
        return 0;
    const int width = MeasureText(d, text, length, column ? fresh->state : item->state);
    (column ? fresh->textWidth : item->textWidth) = width;
    return width;
}

UINT DisplayImage(TreeListData* d, UINT handle, int column)
{
    TVITEMW answer;
    if (column > 0)
    {
        const TreeListSubItem* cell = CellOf(d, handle, column);
        if (!cell)
            return kNoImage;
        if (!(cell->callbacks & kCbImage))
            return cell->image;
        return FetchCellCallback(d, handle, column, TVIF_IMAGE, &answer) ? (UINT)answer.iImage : kNoImage;
    }
    const TreeListItem* item = ItemOf(d, handle);
    if (!item)
        return kNoImage;
    const bool selected = (item->state & TVIS_SELECTED) != 0;
    const UINT image = selected ? item->selectedImage : item->image;
    const BYTE bit = selected ? kCbSelectedImage : kCbImage;
    if (!(item->callbacks & bit))
        return image;
    const UINT wanted = selected ? TVIF_SELECTEDIMAGE : TVIF_IMAGE;
    if (!FetchItemCallback(d, handle, wanted, 0, &answer))
        return kNoImage;
    return (UINT)(selected ? answer.iSelectedImage : answer.iImage);
}

void ClearTextWidths(TreeListData* d)
{
    for (UINT h = 1; h <= d->capacity; ++h)
    {
        if (!d->items[h])
            continue;
        d->items[h]->textWidth = 0;
        for (int c = 1; c < d->layout.columnCount; ++c)
        {
            if (d->cells[c][h])
                d->cells[c][h]->textWidth = 0;
        }
    }
}

}   // namespace treelist
