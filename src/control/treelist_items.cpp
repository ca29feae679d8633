// The item table of a TreeList window: handles, growth, insertion and deletion.
// A handle is the item's index in the table (1 .. capacity); 0 is no item.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "treelist_data.h"

namespace treelist
{

UINT HandleOf(HTREEITEM h)
{
    const ULONG_PTR value = (ULONG_PTR)h;
    const ULONG_PTR high = value >> 16 >> 16;
    // The TVI_* markers are small negative numbers; keep their low 32 bits.
    if (high == 0 || high == (ULONG_PTR)0xFFFFFFFFu)
        return (UINT)value;
    return ~0u;
}

bool IsRootMarker(HTREEITEM h)
{
    return HandleOf(h) == HandleOf(TVI_ROOT);
}

TreeListItem* ItemOf(const TreeListData* d, UINT handle)
{
    if (handle == 0 || handle > d->capacity || !d->items)
        return nullptr;
    return d->items[handle];
}

TreeListItem* ItemOf(const TreeListData* d, HTREEITEM handle)
{
    return ItemOf(d, HandleOf(handle));
}

TreeListSubItem* CellOf(const TreeListData* d, UINT handle, int column)
{
    if (column < 1 || column >= d->layout.columnCount || !ItemOf(d, handle))
        return nullptr;
    return d->cells[column][handle];
}

TreeListSubItem* MakeCell(TreeListData* d, UINT handle, int column)
{
    TreeListItem* item = ItemOf(d, handle);
    if (!item || column < 1 || column >= d->layout.columnCount)
        return nullptr;
    TreeListSubItem*& slot = d->cells[column][handle];
    if (!slot)
    {
        slot = (TreeListSubItem*)calloc(1, sizeof(TreeListSubItem));
        if (!slot)
            return nullptr;
        slot->state = item->state & (TVIS_FOCUSED | TVIS_BOLD);
        slot->image = kNoImage;
    }
    return slot;
}

UINT& FirstChildSlot(TreeListData* d, UINT parent)
{
    TreeListItem* p = ItemOf(d, parent);
    return p ? p->firstChild : d->firstRoot;
}

static UINT& LastChildSlot(TreeListData* d, UINT parent)
{
    TreeListItem* p = ItemOf(d, parent);
    return p ? p->lastChild : d->lastRoot;
}

UINT FirstChild(const TreeListData* d, UINT parent)
{
    const TreeListItem* p = ItemOf(d, parent);
    return p ? p->firstChild : d->firstRoot;
}

void FreeText(wchar_t* text)
{
    if (text && text != LPSTR_TEXTCALLBACKW)
        free(text);
}

bool SetText(wchar_t** text, unsigned short* length, const wchar_t* source, size_t count)
{
    if (count > (size_t)kMaxStoredText)
        count = kMaxStoredText;
    if (count == 0)
    {
        FreeText(*text);
        *text = nullptr;
        *length = 0;
        return true;
    }
    wchar_t* target = *text;
    if (!target || target == LPSTR_TEXTCALLBACKW || count > *length)
    {
        target = (wchar_t*)malloc((count + 1) * sizeof(wchar_t));
        if (!target)
            return false;
        FreeText(*text);
        *text = target;
    }
    memmove(target, source, count * sizeof(wchar_t));
    target[count] = 0;
    *length = (unsigned short)count;
    return true;
}

void ApplyChildrenValue(TreeListItem* item, int children)
{
    item->callbacks &= ~kCbChildren;
    item->flags &= ~(kFlButton | kFlByChildren);
    if (children == I_CHILDRENCALLBACK)
        item->callbacks |= kCbChildren;
    else if (children == 1)
        item->flags |= kFlButton;
    else if (children != 0)
        item->flags |= kFlByChildren;
}

// Grows every table by half plus 64 entries; all or nothing.
static bool GrowTables(TreeListData* d)
{
    const UINT capacity = d->capacity + d->capacity / 2 + 64;
    const size_t entries = (size_t)capacity + 1, old = (size_t)d->capacity + 1;
    TreeListItem** items = (TreeListItem**)calloc(entries, sizeof(TreeListItem*));
    UINT* rows = (UINT*)calloc(entries, sizeof(UINT));
    TreeListSubItem** cells[kMaxColumns] = {};
    bool ok = items && rows;
    for (int c = 1; ok && c < d->layout.columnCount; ++c)
    {
        cells[c] = (TreeListSubItem**)calloc(entries, sizeof(TreeListSubItem*));
        ok = cells[c] != nullptr;
    }
    if (!ok)
    {
        free(items);
        free(rows);
        for (auto* table : cells)
            free(table);
        return false;
    }
    if (d->items)
        memcpy(items, d->items, old * sizeof(TreeListItem*));
    if (d->rows)
        memcpy(rows, d->rows, old * sizeof(UINT));
    free(d->items);
    free(d->rows);
    d->items = items;
    d->rows = rows;
    for (int c = 1; c < d->layout.columnCount; ++c)
    {
        if (d->cells[c])
            memcpy(cells[c], d->cells[c], old * sizeof(TreeListSubItem*));
        free(d->cells[c]);
        d->cells[c] = cells[c];
    }
    d->capacity = capacity;
    return true;
}

static UINT FreeHandle(const TreeListData* d)
{
    UINT h = d->lastHandle;
    for (UINT n = 0; n < d->capacity; ++n)
    {
        h = h >= d->capacity ? 1 : h + 1;
        if (!d->items[h])
            return h;
    }
    return 0;
}

static void Link(TreeListData* d, UINT h, UINT parent, UINT after)
{
    TreeListItem* item = d->items[h];
    TreeListItem* p = ItemOf(d, parent);
    item->parent = parent;
    item->level = p ? p->level + 1 : 0;
    UINT& first = FirstChildSlot(d, parent);
    UINT& last = LastChildSlot(d, parent);
    TreeListItem* previous = ItemOf(d, after);
    item->prevSibling = previous ? after : 0;
    item->nextSibling = previous ? previous->nextSibling : first;
    if (item->nextSibling)
        d->items[item->nextSibling]->prevSibling = h;
    else
        last = h;
    if (previous)
        previous->nextSibling = h;
    else
        first = h;
}

static void Unlink(TreeListData* d, UINT h)
{
    TreeListItem* item = d->items[h];
    UINT& first = FirstChildSlot(d, item->parent);
    UINT& last = LastChildSlot(d, item->parent);
    if (item->prevSibling)
        d->items[item->prevSibling]->nextSibling = item->nextSibling;
    else
        first = item->nextSibling;
    if (item->nextSibling)
        d->items[item->nextSibling]->prevSibling = item->prevSibling;
    else
        last = item->prevSibling;
}

// Where a new child goes: the sibling to follow, 0 for first place. A sorted place
// compares the new item's text, asked of the parent as its siblings' are when it is
// a callback; the item is in the table already, not yet linked.
static UINT InsertPosition(TreeListData* d, UINT parent, UINT h, HTREEITEM after)
{
    const UINT last = ItemOf(d, parent) ? d->items[parent]->lastChild : d->lastRoot;
    if (after == TVI_FIRST)
        return 0;
    if (after == TVI_LAST || !after)
        return last;
    if (after == TVI_SORT)
    {
        int length;
        const std::wstring text(DisplayText(d, h, 0, 1, &length));
        return SortedInsertAfter(d, parent, text.c_str());
    }
    const TreeListItem* sibling = ItemOf(d, after);
    return sibling && sibling->parent == parent ? HandleOf(after) : last;
}

static void FillItem(TreeListData* d, TreeListItem* item, const TVITEMW& f)
{
    item->image = item->selectedImage = 0;
    if (f.mask & TVIF_STATE)
        item->state = f.state & f.stateMask;
    else if (d->style & TVS_CHECKBOXES)
        item->state = INDEXTOSTATEIMAGEMASK(1);
    if (f.mask & TVIF_PARAM)
        item->lParam = f.lParam;
    if (f.mask & TVIF_IMAGE)
    {
        item->image = (UINT)f.iImage;
        if (item->image == kCallbackImage)
            item->callbacks |= kCbImage;
    }
    if (f.mask & TVIF_SELECTEDIMAGE)
    {
        item->selectedImage = (UINT)f.iSelectedImage;
        if (item->selectedImage == kCallbackImage)
            item->callbacks |= kCbSelectedImage;
    }
    ApplyChildrenValue(item, (f.mask & TVIF_CHILDREN) ? f.cChildren : 2);
    if (d->style & TVS_SINGLEEXPAND)
        item->state &= ~TVIS_EXPANDED;
    item->state |= TVIS_EXPANDEDONCE;
    if ((f.mask & TVIF_TEXT) && f.pszText == LPSTR_TEXTCALLBACKW)
    {
        item->text = LPSTR_TEXTCALLBACKW;
        item->callbacks |= kCbText;
    }
}

UINT InsertItem(TreeListData* d, const TVINSERTSTRUCTW* insert)
{
    if (d->sorting || !insert)
        return 0;
    UINT parent = 0;
    if (insert->hParent && !IsRootMarker(insert->hParent))
    {
        parent = HandleOf(insert->hParent);
        if (!ItemOf(d, parent))
            return 0;
    }
    if (insert->hInsertAfter == TVI_ROOT)
        parent = 0;
    const TVITEMW& fields = insert->item;
    if (d->itemCount + 1 > d->capacity && !GrowTables(d))
        return 0;

    TreeListItem* item = (TreeListItem*)calloc(1, sizeof(TreeListItem) + d->userDataSize);
    if (!item)
        return 0;
    FillItem(d, item, fields);
    const bool copyText = (fields.mask & TVIF_TEXT) && fields.pszText && fields.pszText != LPSTR_TEXTCALLBACKW;
    if (copyText && !SetText(&item->text, &item->textLength, fields.pszText, wcslen(fields.pszText)))
    {
        free(item);
        return 0;
    }
    const UINT h = FreeHandle(d);
    d->items[h] = item;
    d->lastHandle = h;
    ++d->itemCount;
    item->parent = parent;
    // The sorted walk may ask the parent for texts; insertion and deletion wait.
    d->sorting = true;
    const UINT after = InsertPosition(d, parent, h, insert->hInsertAfter);
    d->sorting = false;
    if (d->destroying)
        return 0;   // the record goes with the window
    Link(d, h, parent, after);

    TreeListItem* p = ItemOf(d, parent);
    if (p && (p->flags & kFlByChildren))
        p->flags |= kFlButton;
    if (p && p->firstChild == h && p->lastChild == h)
        InvalidateItem(d, parent, 0);   // its button appears
    if (IsShown(d, h))
    {
        ++d->rowCount;
        RowsChangedAt(d, item->prevSibling ? item->prevSibling : parent);
        UpdateScrollBars(d);
    }
    if ((item = ItemOf(d, h)) && (item->state & TVIS_SELECTED))
    {
        item->state &= ~TVIS_SELECTED;
        SelectItem(d, h, 0, kReplaceSelection);
    }
    return h;
}

static void FreeItemRecord(TreeListData* d, UINT h)
{
    for (int c = 1; c < d->layout.columnCount; ++c)
    {
        TreeListSubItem* cell = d->cells[c][h];
        if (!cell)
            continue;
        FreeText(cell->text);
        free(cell);
        d->cells[c][h] = nullptr;
    }
    FreeText(d->items[h]->text);
    free(d->items[h]);
    d->items[h] = nullptr;
    --d->itemCount;
}

// Deletes one item that has no children. False when it is gone or got children
// while the parent was told.
static bool DeleteLeaf(TreeListData* d, UINT h)
{
    TVITEMW old = {};
    old.mask = TVIF_HANDLE | TVIF_PARAM;
    old.hItem = (HTREEITEM)(ULONG_PTR)h;
    old.lParam = d->items[h]->lParam;
    NotifyTree(d, TVN_DELETEITEMW, 0, nullptr, &old, POINT{});
    TreeListItem* item = ItemOf(d, h);
    if (!item || item->firstChild)
        return false;
    if (IsShown(d, h))
    {
        RowsChangedAt(d, h);
        --d->rowCount;
    }
    Unlink(d, h);
    ForgetItem(d, h);
    FreeItemRecord(d, h);
    return true;
}

// Deletes an item's subtree, children first (last child first), walking without recursion.
static void DeleteSubtree(TreeListData* d, UINT top)
{
    UINT current = top;
    while (ItemOf(d, top))
    {
        TreeListItem* item = ItemOf(d, current);
        if (!item)
        {
            current = top;   // the parent deleted part of the subtree meanwhile
            continue;
        }
        if (item->lastChild)
        {
            current = item->lastChild;
            continue;
        }
        const UINT parent = item->parent;
        if (DeleteLeaf(d, current) && current == top)
            return;
        if (!ItemOf(d, current))
            current = current == top ? top : parent;
    }
}

static void AfterDeletion(TreeListData* d, UINT parent)
{
    TreeListItem* p = ItemOf(d, parent);
    if (p)
        InvalidateItem(d, parent, 0);
    if (d->rowCount + 1 < d->scroll.fullRows + d->scroll.topRow)
    {
        const long top = (long)d->rowCount + 1 - (long)d->scroll.fullRows;
        SetTopRow(d, top < 0 ? 0 : top);
    }
    UpdateScrollBars(d);
}

bool DeleteItem(TreeListData* d, UINT handle)
{
    TreeListItem* item = ItemOf(d, handle);
    if (d->sorting || !item)
        return false;
    const UINT parent = item->parent;
    DeleteSubtree(d, handle);
    AfterDeletion(d, parent);
    return true;
}

void DeleteChildren(TreeListData* d, UINT handle)
{
    TreeListItem* item;
    while (!d->sorting && (item = ItemOf(d, handle)) && item->lastChild)
        DeleteSubtree(d, item->lastChild);
    AfterDeletion(d, handle);
}

void NotifyAllDeleted(TreeListData* d)
{
    std::vector<UINT> order;
    order.reserve(d->itemCount);
    for (UINT h = d->firstRoot; h;)
    {
        order.push_back(h);
        const TreeListItem* item = d->items[h];
        if (item->firstChild)
        {
            h = item->firstChild;
            continue;
        }
        while (h && !d->items[h]->nextSibling)
            h = d->items[h]->parent;
        if (h)
            h = d->items[h]->nextSibling;
    }
    for (auto it = order.rbegin(); it != order.rend(); ++it)
    {
        const TreeListItem* item = ItemOf(d, *it);
        if (!item)
            continue;
        TVITEMW old = {};
        old.mask = TVIF_HANDLE | TVIF_PARAM;
        old.hItem = (HTREEITEM)(ULONG_PTR)*it;
        old.lParam = item->lParam;
        NotifyTree(d, TVN_DELETEITEMW, 0, nullptr, &old, POINT{});
    }
}

void DeleteAllItems(TreeListData* d)
{
    if (d->sorting)
        return;
    while (d->lastRoot && !d->destroyed)
        DeleteSubtree(d, d->lastRoot);
    ResetRows(d);
    AfterDeletion(d, 0);
}

}   // namespace treelist
