// In-place editing of a TreeList item or cell: an edit box, an editable combo box
// or a drop-list combo box laid over the text, with the begin and end notifications.
#include <cstring>

#include "treelist_data.h"

namespace treelist
{

namespace
{

constexpr int kEditorId = TVLE_ID;
// Per editor kind: an edit box, an editable combo box, a drop-list combo box.
constexpr DWORD kEditorStyles[] = {WS_CHILD | WS_BORDER | ES_AUTOHSCROLL,
                                   WS_CHILD | WS_BORDER | CBS_OEMCONVERT | CBS_DROPDOWN,
                                   WS_CHILD | WS_BORDER | CBS_OEMCONVERT | CBS_DROPDOWNLIST};
static_assert(kEditorStyles[0] == 0x40800080 && kEditorStyles[2] == 0x40800083);
constexpr int kKindShift = 29;   // TVM_EDITLABELW: the editor kind in bits 29..30
constexpr UINT kKindBits = 3;
constexpr UINT kSetDispInfoStateMask = 0xFFFFFF1D;
constexpr int kEditorMinWidth = 32;
constexpr int kComboDropHeight = 160;              // the combo box with its list
constexpr int kNarrowMargin = 10;                  // the narrow editor: text width + margin + length
constexpr UINT kEditorTextMax = kTextBuffer + 1;   // characters read back, terminator included

// Passes Return and Escape up to the parent as the editor's own command codes.
void PassUp(HWND editor, WORD code)
{
    SendMessageW(GetParent(editor), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(editor), code), (LPARAM)editor);
}

LRESULT CALLBACK EditorProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    const WNDPROC old = (WNDPROC)GetWindowLongPtrW(hwnd, GWLP_USERDATA);
    switch (msg)
    {
    case WM_KEYDOWN:
        if (wp == VK_RETURN || wp == VK_ESCAPE)
        {
            PassUp(hwnd, wp == VK_RETURN ? TVLE_RETURN : TVLE_ESCAPE);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wp == VK_RETURN || wp == VK_ESCAPE)
            return 0;   // already handled on key down
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_COMMAND:
        if ((HIWORD(wp) == TVLE_RETURN || HIWORD(wp) == TVLE_ESCAPE) && IsChild(hwnd, (HWND)lp))
        {
            PassUp(hwnd, HIWORD(wp));
            return 0;
        }
        break;
    default:
        break;
    }
    return old ? CallWindowProcW(old, hwnd, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

void Subclass(HWND hwnd)
{
    const LONG_PTR old = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)EditorProc);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, old);
}

BOOL CALLBACK SubclassChild(HWND child, LPARAM)
{
    Subclass(child);
    return TRUE;
}

void DestroyEditor(TreeListData* d)
{
    HWND editor = d->edit.window;
    d->edit.window = nullptr;
    Unlock(d);
    DestroyWindow(editor);
    Lock(d);
}

bool PrepareEditor(TreeListData* d, int kind)
{
    if (d->edit.window && d->edit.kind != kind)
        DestroyEditor(d);
    if (!d->edit.window)
    {
        HWND editor =
            CreateWindowExW(0, kind ? L"COMBOBOX" : L"EDIT", nullptr, kEditorStyles[kind], 0, 0, 0, 0, d->hwnd,
                            (HMENU)(INT_PTR)kEditorId, (HINSTANCE)GetWindowLongPtrW(d->hwnd, GWLP_HINSTANCE), nullptr);
        if (!editor)
            return false;
        Subclass(editor);
        EnumChildWindows(editor, SubclassChild, 0);
        d->edit.window = editor;
        d->edit.kind = kind;
    }
    if (kind)
        SendMessageW(d->edit.window, CB_RESETCONTENT, 0, 0);
    SendMessageW(d->edit.window, kind ? CB_LIMITTEXT : EM_LIMITTEXT, kTextBuffer, 0);
    return true;
}

void HideEditor(TreeListData* d)
{
    HWND editor = d->edit.window;
    if (!editor || !IsWindowVisible(editor))
        return;
    const bool hadFocus = GetFocus() == editor || IsChild(editor, GetFocus());
    Unlock(d);
    ShowWindow(editor, SW_HIDE);
    if (hadFocus && GetFocus() != d->hwnd)
        SetFocus(d->hwnd);
    Lock(d);
}

// The text that the edit starts with, capped at the callback length.
void StartingText(TreeListData* d, UINT h, int column, wchar_t* text, bool* fromParent)
{
    text[0] = 0;
    *fromParent = false;
    const TreeListItem* item = ItemOf(d, h);
    const TreeListSubItem* cell = CellOf(d, h, column);
    if (!item || (column > 0 && !cell))
        return;
    const BYTE callbacks = column ? cell->callbacks : item->callbacks;
    *fromParent = (callbacks & kCbText) != 0;
    int length;
    const wchar_t* source = DisplayText(d, h, column, 0, &length);
    if (length > kTextBuffer)
        length = kTextBuffer;
    memcpy(text, source, length * sizeof(wchar_t));
    text[length] = 0;
}

struct EditPlace
{
    int left, top, width;
};

EditPlace PlaceEditor(TreeListData* d, UINT h, int column, int textWidth, int length, bool wide)
{
    const TreeListItem* item = d->items[h];
    const int row = RowOf(d, h);
    EditPlace place = {0, d->layout.headerHeight + (row - (int)d->scroll.topRow) * d->layout.rowHeight, 0};
    const int left = ColumnLeft(d, column) - d->scroll.hPos;
    int right = ColumnRight(d, column) - d->scroll.hPos;
    if (right > d->layout.clientWidth)
        right = d->layout.clientWidth;
    int textLeft;
    if (column == 0)
    {
        textLeft = left + LabelOffset(d, item);
    }
    else
    {
        const TreeListSubItem* cell = CellOf(d, h, column);
        textLeft = left + (cell && (cell->flags & kFlHasImage) && d->normalImages ? d->layout.imageWidth : 0);
    }
    if (wide)
    {
        place.left = textLeft;
        place.width = right - 2 - textLeft;
        return place;
    }
    place.width = textWidth + kNarrowMargin + length;
    place.left = textLeft;
    if (column > 0 && d->layout.align[column] == 1)
        place.left = textLeft + (right - textLeft - place.width) / 2;
    else if (column > 0 && d->layout.align[column] == 2)
        place.left = right - place.width;
    if (place.left < textLeft)
        place.left = textLeft;
    return place;
}

void ShowEditor(TreeListData* d, const EditPlace& place, const wchar_t* text, HFONT font)
{
    HWND editor = d->edit.window;
    const int length = (int)wcslen(text);
    const bool combo = d->edit.kind != 0;
    const int height = combo ? kComboDropHeight : d->layout.fontHeight + 4;
    const int top = combo ? place.top : place.top + 1;
    const int width = place.width < kEditorMinWidth ? kEditorMinWidth : place.width;
    Unlock(d);
    SetFocus(editor);
    SetWindowTextW(editor, text);
    SendMessageW(editor, WM_SETFONT, (WPARAM)font, FALSE);
    if (combo)
        SendMessageW(editor, CB_SETEDITSEL, 0, MAKELPARAM(0, length));
    else
        SendMessageW(editor, EM_SETSEL, 0, length);
    SetWindowPos(editor, HWND_TOP, place.left + 2, top, width, height, SWP_SHOWWINDOW);
    RedrawWindow(editor, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Lock(d);
}

bool EditTargetLive(const TreeListData* d, UINT h, int column)
{
    return ItemOf(d, h) && column >= 0 && (column == 0 || column < d->layout.columnCount);
}

// The text the parent left in TVN_ENDLABELEDITW: our buffer, or one of its own.
void TakeAnsweredText(const wchar_t* answered, wchar_t* text)
{
    if (!answered || answered == text || answered == LPSTR_TEXTCALLBACKW)
        return;
    const size_t n = wcsnlen(answered, kTextBuffer);
    memmove(text, answered, n * sizeof(wchar_t));
    text[n] = 0;
}

}   // namespace

LRESULT EditLabel(TreeListData* d, WPARAM wp, UINT h)
{
    if (!(d->style & TVS_EDITLABELS))
        return 0;
    const int column = (int)(wp & TVLE_COLUMNMASK);
    const int kind = (int)((wp >> kKindShift) & kKindBits);
    const bool wide = (wp & TVLE_WIDE) != 0;
    if (kind > 2 || !EditTargetLive(d, h, column))
        return 0;
    // Every step below may notify the parent, which may delete or refill the item's
    // branch: the item and column are checked again after each one.
    if (d->edit.item)
        EndEdit(d, false);
    const int selectColumn = (d->exStyle & TLX_SUBSELECT) ? column : 0;
    if (EditTargetLive(d, h, column) && (d->sel.item != h || d->sel.column != selectColumn))
        SelectItem(d, h, selectColumn, kReplaceSelection);
    if (!EditTargetLive(d, h, column) || EnsureVisible(d, h, column) < 0)
        return 0;
    if (!EditTargetLive(d, h, column) || RowOf(d, h) < 0 || !PrepareEditor(d, kind))
        return 0;

    wchar_t text[kTextBuffer + 1];
    bool fromParent;
    if (!EditTargetLive(d, h, column))
        return 0;
    StartingText(d, h, column, text, &fromParent);
    if (!EditTargetLive(d, h, column))
        return 0;
    const TreeListItem* item = d->items[h];
    const TreeListSubItem* cell = CellOf(d, h, column);
    const UINT state = cell ? cell->state : item->state;
    const int length = (int)wcslen(text);
    const int textWidth = MeasureText(d, text, length, state);

    NMTVDISPINFOW nm = {};
    FillNotifyItem(d, h, column, kEditMask, &nm.item);
    nm.item.pszText = text;
    nm.item.cchTextMax = kTextBuffer;
    if (NotifyParent(d, &nm.hdr, TVN_BEGINLABELEDITW))
    {
        HideEditor(d);
        return 0;
    }
    if (!EditTargetLive(d, h, column) || !d->edit.window || RowOf(d, h) < 0)
        return 0;
    const EditPlace place = PlaceEditor(d, h, column, textWidth, length, wide);
    ShowEditor(d, place, text, ItemFont(d, state));
    if (!ItemOf(d, h) || !d->edit.window)
        return 0;
    d->edit.item = h;
    d->edit.column = column;
    d->edit.textFromParent = fromParent;
    return (LRESULT)d->edit.window;
}

bool EndEdit(TreeListData* d, bool cancel)
{
    const UINT h = d->edit.item;
    const int column = d->edit.column;
    const bool fromParent = d->edit.textFromParent;
    d->edit.item = 0;
    d->edit.column = 0;
    d->edit.textFromParent = false;
    wchar_t text[kEditorTextMax] = {};
    if (!cancel && d->edit.window)
        GetWindowTextW(d->edit.window, text, kEditorTextMax);
    HideEditor(d);
    if (!EditTargetLive(d, h, column))
        return false;

    NMTVDISPINFOW nm = {};
    FillNotifyItem(d, h, column, kEditMask, &nm.item);
    nm.item.pszText = cancel ? nullptr : text;
    nm.item.cchTextMax = cancel ? 0 : kTextBuffer;
    if (NotifyParent(d, &nm.hdr, TVN_ENDLABELEDITW) || cancel)
        return false;
    if (!EditTargetLive(d, h, column))
        return false;
    TakeAnsweredText(nm.item.pszText, text);
    if (fromParent)
    {
        NMTVDISPINFOW set = {};
        FillNotifyItem(d, h, column, kEditMask, &set.item);
        set.item.stateMask = kSetDispInfoStateMask;
        set.item.pszText = text;
        set.item.cchTextMax = kTextBuffer;
        NotifyParent(d, &set.hdr, TVN_SETDISPINFOW);
    }
    else
    {
        TVITEMW change = {};
        change.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_SUBITEM;
        change.hItem = (HTREEITEM)(ULONG_PTR)h;
        change.cChildren = column;
        change.pszText = text;
        SetItem(d, &change);
    }
    return true;
}

LRESULT OnEditorCommand(TreeListData* d, WORD code)
{
    if (!d->edit.item)
        return 0;
    const bool combo = d->edit.kind != 0;
    EndEdit(d, code == TVLE_ESCAPE);
    if (combo && code != EN_KILLFOCUS && GetFocus() != d->hwnd)
        SetFocusUnlocked(d, d->hwnd);
    return 0;
}

}   // namespace treelist
