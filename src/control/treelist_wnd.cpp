// The "TreeList" window class: registration, the instance record kept in the
// window's extra bytes, and the window procedure with one small handler per message.
#include <windowsx.h>

#include <cstdlib>
#include <cwchar>

#include "treelist_data.h"

namespace treelist
{

namespace
{

LONG g_registered;
constexpr LONG kLockMaximum = 0x70000000;   // waiters the instance lock can count

TreeListData* DataOf(HWND hwnd)
{
    return (TreeListData*)GetWindowLongPtrW(hwnd, 0);
}

HINSTANCE ThisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       (LPCWSTR)&ThisModule, &module);
    return module;
}

void FreeTables(TreeListData* d)
{
    for (UINT h = 1; h <= d->capacity && d->items; ++h)
    {
        if (!d->items[h])
            continue;
        FreeText(d->items[h]->text);
        free(d->items[h]);
    }
    DestroyColumns(d);
    free(d->items);
    free(d->rows);
    d->items = nullptr;
    d->rows = nullptr;
    d->capacity = d->itemCount = d->rowCount = d->rowsValid = d->rowsBuilt = 0;
}

void FreeInstance(TreeListData* d)
{
    FreeTables(d);
    if (d->lock)
        CloseHandle(d->lock);
    free(d);
}

LRESULT OnCreate(HWND hwnd, const CREATESTRUCTW* cs)
{
    TreeListData* d = (TreeListData*)calloc(1, sizeof(TreeListData));
    if (!d)
        return -1;
    d->items = (TreeListItem**)calloc(1, sizeof(TreeListItem*));
    d->rows = (UINT*)calloc(1, sizeof(UINT));
    d->lock = CreateSemaphoreW(nullptr, 1, kLockMaximum, nullptr);
    // The counter stands for the initial count: waiting starts from an empty semaphore.
    if (d->lock)
        WaitForSingleObject(d->lock, 0);
    if (!d->items || !d->rows || !d->lock)
    {
        FreeInstance(d);
        return -1;
    }
    d->hwnd = hwnd;
    d->layout.indent = kDefaultIndent;
    d->layout.buttonCentre = kButtonCentre;
    d->layout.rowHeight = 1;
    d->style = (DWORD)cs->style;
    d->enabled = !(cs->style & WS_DISABLED);
    SetWindowLongPtrW(hwnd, 0, (LONG_PTR)d);
    AcquireSharedObjects();
    InstanceLock lock(d);
    if (!(d->style & TVS_NOTOOLTIPS))
        CreateTooltip(d);
    RECT client;
    GetClientRect(hwnd, &client);
    d->layout.clientWidth = client.right;
    d->layout.clientHeight = client.bottom;
    d->layout.edges[1] = d->layout.clientWidth;
    SetFont(d, nullptr);
    LoadDefaultColours(d);
    if (d->style & TVS_CHECKBOXES)
        SetCheckBoxImages(d, true);
    ComputeRowHeight(d);
    UpdatePageRows(d);
    UpdateScrollBars(d);
    return 0;
}

void DestroyChild(TreeListData* d, HWND* child)
{
    HWND window = *child;
    *child = nullptr;
    if (!window)
        return;
    Unlock(d);
    DestroyWindow(window);
    Lock(d);
}

LRESULT OnDestroy(TreeListData* d)
{
    InstanceLock lock(d);
    d->destroying = true;
    HideTooltip(d);
    d->edit.item = 0;
    // A sort that runs (the parent destroyed the window from its comparison) still
    // holds the handles: the parent hears of every deletion now, the records go later.
    if (d->sorting)
        NotifyAllDeleted(d);
    else
        DeleteAllItems(d);
    DestroyChild(d, &d->tooltip);
    DestroyChild(d, &d->edit.window);
    DestroyChild(d, &d->header);
    if (d->normalImages)
        ImageList_Destroy(d->normalImages);
    if (d->stateImages)
        ImageList_Destroy(d->stateImages);
    d->normalImages = d->stateImages = nullptr;
    d->destroyed = true;
    ReleaseSharedObjects();
    return 0;
}

LRESULT OnSize(TreeListData* d)
{
    InstanceLock lock(d);
    RECT client;
    GetClientRect(d->hwnd, &client);
    if (client.right != d->layout.clientWidth)
    {
        const int old = d->layout.clientWidth;
        d->layout.clientWidth = client.right;
        d->layout.edges[d->layout.columnCount + 1] = d->layout.clientWidth;
        if (d->layout.autoColumns && d->header)
            ShareWidthChange(d, d->layout.clientWidth - old);
        RECT strip = {old < d->layout.clientWidth ? old : d->layout.clientWidth, 0, d->layout.clientWidth,
                      client.bottom};
        if (d->layout.clientWidth > old)
            InvalidateRect(d->hwnd, &strip, FALSE);
        PlaceHeader(d);
    }
    if (client.bottom != d->layout.clientHeight)
    {
        d->layout.clientHeight = client.bottom;
        UpdatePageRows(d);
    }
    SetTopRow(d, (long)d->scroll.topRow);
    UpdateScrollBars(d);
    return 0;
}

LRESULT OnFocus(TreeListData* d, bool gained)
{
    InstanceLock lock(d);
    d->hasFocus = gained;
    if (d->sel.count > 1)
        InvalidateRect(d->hwnd, nullptr, FALSE);
    else if (d->sel.item)
        InvalidateSelection(d, d->sel.item, d->sel.column);
    if (!gained)
        HideTooltip(d);
    NMHDR nm = {};
    NotifyParent(d, &nm, gained ? NM_SETFOCUS : NM_KILLFOCUS);
    return 0;
}

LRESULT OnEnable(TreeListData* d, bool enabled)
{
    InstanceLock lock(d);
    d->enabled = enabled;
    InvalidateRect(d->hwnd, nullptr, FALSE);
    if (!enabled)
        HideTooltip(d);
    return 0;
}

LRESULT OnScrollBarsDue(TreeListData* d)
{
    InstanceLock lock(d);
    if (d->scroll.barsPending)
        ApplyScrollBars(d);
    return 0;
}

LRESULT OnPaint(TreeListData* d, HDC given)
{
    InstanceLock lock(d);
    if (d->scroll.barsPending)
        ApplyScrollBars(d);
    if (given)
    {
        RECT client = {0, 0, d->layout.clientWidth, d->layout.clientHeight};
        Paint(d, given, client);
        return 0;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(d->hwnd, &ps);
    if (dc)
        Paint(d, dc, ps.rcPaint);
    EndPaint(d->hwnd, &ps);
    return 0;
}

LRESULT OnSysColorChange(TreeListData* d)
{
    InstanceLock lock(d);
    if (d->header)
        SendMessageW(d->header, WM_SYSCOLORCHANGE, 0, 0);
    LoadDefaultColours(d);
    InvalidateRect(d->hwnd, nullptr, FALSE);
    return 0;
}

LRESULT OnNotify(TreeListData* d, NMHDR* header)
{
    if (!header || !d->header || header->hwndFrom != d->header)
        return 0;
    switch (header->code)
    {
    case HDN_ITEMCLICKW:
    case HDN_ITEMDBLCLICKW:
    case HDN_TRACKW:
    case HDN_ENDTRACKW:
    case HDN_DIVIDERDBLCLICKW:
    {
        InstanceLock lock(d);
        return OnHeaderNotify(d, header);
    }
    default:
        return 0;   // the header's own changes come back here while this window holds its lock
    }
}

LRESULT OnCommand(TreeListData* d, WPARAM wp, LPARAM lp)
{
    const WORD code = HIWORD(wp);
    const bool fromEditor = LOWORD(wp) == TVLE_ID && d->edit.window && (HWND)lp == d->edit.window;
    const bool ends = code == EN_KILLFOCUS || code == CBN_KILLFOCUS || code == TVLE_RETURN || code == TVLE_ESCAPE;
    if (!fromEditor || !ends)
        return 0;
    InstanceLock lock(d);
    return OnEditorCommand(d, code);
}

LRESULT OnTooltipColour(TreeListData* d, HDC dc, HWND control)
{
    if (!control || control != d->tooltip)
        return DefWindowProcW(d->hwnd, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)control);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    SetBkColor(dc, GetSysColor(COLOR_INFOBK));
    return (LRESULT)GetSysColorBrush(COLOR_INFOBK);
}

LRESULT OnGetDlgCode(const MSG* msg)
{
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
        return DLGC_WANTALLKEYS;
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

LRESULT OnSetIndent(TreeListData* d, WPARAM indent)
{
    InstanceLock lock(d);
    const int old = d->layout.indent;
    const int value = (int)indent;
    d->layout.indent = value < kMinIndent ? kMinIndent : (value > kMaxIndent ? kMaxIndent : value);
    if (d->layout.indent != old)
        InvalidateRect(d->hwnd, nullptr, FALSE);
    return old;
}

LRESULT OnSelectItem(TreeListData* d, WPARAM code, UINT h)
{
    switch (code)
    {
    case TVGN_CARET:
        return SelectItem(d, h, 0, kReplaceSelection) ? 1 : 0;
    case TVGN_DROPHILITE:
        return SelectDrop(d, h, 0);
    case TVGN_FIRSTVISIBLE:
        EnsureVisible(d, h, -2);
        return 0;
    default:
        return 0;
    }
}

LRESULT OnSelectSubItem(TreeListData* d, WPARAM column, UINT h)
{
    const int target = (d->exStyle & TLX_SUBSELECT) ? (int)column : 0;
    return SelectItem(d, h, target, kReplaceSelection) ? 1 : 0;
}

LRESULT OnGetRowOfItem(TreeListData* d, UINT h)
{
    return RowOf(d, h);
}

LRESULT OnGetItemOfRow(TreeListData* d, LPARAM row)
{
    return row < 0 || row > 0xFFFFFFFF ? 0 : (LRESULT)ItemAtRow(d, (UINT)row);
}

LRESULT OnDeleteItem(TreeListData* d, HTREEITEM item)
{
    if (!item || IsRootMarker(item))
    {
        if (d->sorting)
            return 0;
        DeleteAllItems(d);
        return 1;
    }
    return DeleteItem(d, HandleOf(item)) ? 1 : 0;
}

LRESULT OnHitTest(TreeListData* d, TVHITTESTINFO* info)
{
    if (!info)
        return 0;
    info->hItem = (HTREEITEM)(ULONG_PTR)HitTest(d, info->pt, &info->flags);
    return (LRESULT)info->hItem;
}

LRESULT OnGetUserData(TreeListData* d, HTREEITEM h)
{
    TreeListItem* item = ItemOf(d, h);
    if (!item || d->userDataSize == 0)
        return 0;
    return (LRESULT)(item + 1);
}

LRESULT OnSetUserDataSize(TreeListData* d, WPARAM size)
{
    if (d->itemCount != 0 || size > TREELIST_MAX_USERDATA)
        return 0;
    d->userDataSize = (UINT)size;
    return 1;
}

LRESULT OnGetVisibleCount(const TreeListData* d)
{
    return (d->layout.clientHeight - d->layout.headerHeight) / d->layout.rowHeight;
}

LRESULT OnGetImageList(const TreeListData* d, WPARAM which)
{
    if (which == TVSIL_NORMAL)
        return (LRESULT)d->normalImages;
    if (which == TVSIL_STATE)
        return (LRESULT)d->stateImages;
    return 0;
}

LRESULT OnSetTooltips(TreeListData* d, HWND tooltip)
{
    HWND old = d->tooltip;
    d->tooltip = tooltip;
    return (LRESULT)old;
}

int ColumnArg(WPARAM wp)
{
    return (int)(UINT)wp;
}

// Messages that read one field take no lock; the window messages here take it themselves.
LRESULT SelfLockingMessage(TreeListData* d, UINT msg, WPARAM wp, LPARAM lp, bool* handled)
{
    *handled = true;
    switch (msg)
    {
    case TVM_GETCOUNT:
        return d->itemCount;
    case TVM_GETINDENT:
        return d->layout.indent;
    case TVM_GETIMAGELIST:
        return OnGetImageList(d, wp);
    case TVM_SETTOOLTIPS:
        return OnSetTooltips(d, (HWND)wp);
    case TVM_GETTOOLTIPS:
        return (LRESULT)d->tooltip;
    case TVM_GETEXTENDEDSTYLE:
        return d->exStyle;
    case TVM_GETBKCOLOR:
        return GetColour(d, wp);
    case TVM_GETTEXTCOLOR:
        return GetColour(d, TLC_TEXT);
    case TVM_GETLINECOLOR:
        return GetColour(d, TLC_LINE);
    case TVM_GETINSERTMARKCOLOR:
        return GetColour(d, TLC_INSERTMARK);
    case TVM_GETITEMHEIGHT:
        return d->layout.rowHeight;
    case TVM_GETVISIBLECOUNT:
        return OnGetVisibleCount(d);
    case TVM_GETUSERDATA:
        return OnGetUserData(d, (HTREEITEM)lp);
    case TVM_GETUSERDATASIZE:
        return d->userDataSize;
    case TVM_GETCOLUMNCOUNT:
        return d->layout.columnCount;
    case TVM_GETHEADER:
        return (LRESULT)d->header;
    case TVM_GETEDITCONTROL:
        return (LRESULT)d->edit.window;
    case WM_GETDLGCODE:
        return OnGetDlgCode((const MSG*)lp);
    case WM_NOTIFY:
        return OnNotify(d, (NMHDR*)lp);
    case WM_COMMAND:
        return OnCommand(d, wp, lp);
    case WM_CTLCOLORSTATIC:
        return OnTooltipColour(d, (HDC)wp, (HWND)lp);
    case WM_DESTROY:
        return OnDestroy(d);
    case WM_SIZE:
        return OnSize(d);
    case WM_SETFOCUS:
        return OnFocus(d, true);
    case WM_KILLFOCUS:
        return OnFocus(d, false);
    case WM_ENABLE:
        return OnEnable(d, wp != 0);
    case WM_PAINT:
        return OnPaint(d, (HDC)wp);
    case WM_SYSCOLORCHANGE:
        return OnSysColorChange(d);
    case TVM_SETINDENT:
        return OnSetIndent(d, wp);
    case WM_KEYUP:
        DefWindowProcW(d->hwnd, msg, wp, lp);
        return 1;
    default:
        *handled = false;
        return 0;
    }
}

// Every other message of the window runs under the instance lock.
LRESULT LockedMessage(TreeListData* d, UINT msg, WPARAM wp, LPARAM lp, bool* handled)
{
    InstanceLock lock(d);
    *handled = true;
    const UINT item = HandleOf((HTREEITEM)lp);
    switch (msg)
    {
    case TVM_INSERTITEMW:
        return (LRESULT)InsertItem(d, (const TVINSERTSTRUCTW*)lp);
    case TVM_DELETEITEM:
        return OnDeleteItem(d, (HTREEITEM)lp);
    case TVM_EXPAND:
        return Expand(d, (UINT)wp, item);
    case TVM_GETITEMRECT:
        return GetItemRect(d, wp, (RECT*)lp);
    case TVM_SETIMAGELIST:
        return SetImageList(d, wp, (HIMAGELIST)lp);
    case TVM_GETNEXTITEM:
        return GetNextItem(d, (UINT)wp, (HTREEITEM)lp);
    case TVM_SELECTITEM:
        return OnSelectItem(d, wp, item);
    case TVM_HITTEST:
        return OnHitTest(d, (TVHITTESTINFO*)lp);
    case TVM_CREATEDRAGIMAGE:
        return CreateDragImage(d, ColumnArg(wp), item);
    case TVM_SORTCHILDREN:
        return SortChildren(d, (HTREEITEM)lp, wp != 0, nullptr);
    case TVM_ENSUREVISIBLE:
        return EnsureVisible(d, item, ColumnArg(wp));
    case TVM_SORTCHILDRENCB:
    {
        const TVSORTCB* sort = (const TVSORTCB*)lp;
        return sort ? SortChildren(d, sort->hParent, wp != 0, sort) : 0;
    }
    case TVM_SETINSERTMARK:
        return SetInsertMark(d, wp != 0, item);
    case TVM_SETITEMHEIGHT:
        return SetItemHeight(d, (int)(INT_PTR)wp);
    case TVM_SETBKCOLOR:
        return SetColour(d, wp, lp);
    case TVM_SETTEXTCOLOR:
        return SetColour(d, TLC_TEXT, lp);
    case TVM_SETINSERTMARKCOLOR:
        return SetColour(d, TLC_INSERTMARK, lp);
    case TVM_SETLINECOLOR:
        return SetColour(d, TLC_LINE, lp);
    case TVM_GETITEMSTATE:
        return ItemOf(d, item) ? d->items[item]->state : 0;
    case TVM_SETEXTENDEDSTYLE:
        return SetExtendedStyle(d, (DWORD)wp, (DWORD)lp);
    case TVM_GETITEMW:
        return GetItem(d, (TVITEMW*)lp);
    case TVM_SETITEMW:
        return SetItem(d, (const TVITEMW*)lp);
    case TVM_EDITLABELW:
        return EditLabel(d, wp, item);
    case TVM_GETCOLUMNWIDTH:
        return GetColumnWidth(d, ColumnArg(wp));
    case TVM_GETCOLUMN:
        return GetColumn(d, ColumnArg(wp), (LVCOLUMNW*)lp);
    case TVM_SETCOLUMN:
        return SetColumn(d, ColumnArg(wp), (const LVCOLUMNW*)lp);
    case TVM_GETROWOFITEM:
        return OnGetRowOfItem(d, item);
    case TVM_GETITEMOFROW:
        return OnGetItemOfRow(d, lp);
    case TVM_GETITEMTEXTCOLOR:
        return GetCellColour(d, HandleOf((HTREEITEM)wp), (int)lp, false);
    case TVM_SETITEMTEXTCOLOR:
        return SetCellColour(d, wp, (COLORREF)lp, false);
    case TVM_GETITEMBKCOLOR:
        return GetCellColour(d, HandleOf((HTREEITEM)wp), (int)lp, true);
    case TVM_SETITEMBKCOLOR:
        return SetCellColour(d, wp, (COLORREF)lp, true);
    case TVM_SELECTDROP:
        return SelectDrop(d, item, ColumnArg(wp));
    case TVM_SELECTSUBITEM:
        return OnSelectSubItem(d, wp, item);
    case TVM_INSERTCOLUMN:
        return InsertColumn(d, ColumnArg(wp), (const LVCOLUMNW*)lp);
    case TVM_DELETECOLUMN:
        return DeleteColumn(d, ColumnArg(wp));
    case TVM_SETUSERDATASIZE:
        return OnSetUserDataSize(d, wp);
    case WM_SETFONT:
        SetFont(d, (HFONT)wp);
        return 0;
    case WM_STYLECHANGED:
        if (wp == (WPARAM)GWL_STYLE && lp)
        {
            const STYLESTRUCT* change = (const STYLESTRUCT*)lp;
            OnStyleChanged(d, change->styleOld, change->styleNew);
        }
        return 0;
    case WM_KEYDOWN:
        return OnKeyDown(d, wp, lp);
    case WM_TIMER:
        return OnTimer(d, wp);
    case WM_HSCROLL:
        return OnHScroll(d, wp);
    case WM_VSCROLL:
        return OnVScroll(d, wp);
    case WM_MOUSEMOVE:
        return OnMouseMove(d, wp, lp);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        return OnMouseButton(d, msg, wp, lp);
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        return OnButtonUp(d, msg);
    case WM_MOUSEWHEEL:
        return OnMouseWheel(d, wp);
    default:
        *handled = false;
        return 0;
    }
}

bool IsLockedMessage(UINT msg)
{
    return (msg >= TV_FIRST && msg <= TVM_SETUSERDATASIZE) || msg == WM_SETFONT || msg == WM_STYLECHANGED ||
           msg == WM_KEYDOWN || msg == WM_TIMER || msg == WM_HSCROLL || msg == WM_VSCROLL ||
           (msg >= WM_MOUSEFIRST && msg <= WM_MOUSEWHEEL);
}

LRESULT Dispatch(TreeListData* d, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == ScrollBarsMessage())
        return d->destroyed ? 0 : OnScrollBarsDue(d);
    bool handled;
    LRESULT result = SelfLockingMessage(d, msg, wp, lp, &handled);
    if (handled)
        return result;
    if (IsLockedMessage(msg) && !d->destroyed)
    {
        result = LockedMessage(d, msg, wp, lp, &handled);
        if (handled)
            return result;
    }
    return DefWindowProcW(d->hwnd, msg, wp, lp);
}

LRESULT CALLBACK TreeListProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    TreeListData* d = DataOf(hwnd);
    if (!d)
    {
        if (msg == WM_CREATE)
            return OnCreate(hwnd, (const CREATESTRUCTW*)lp);
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    if (msg == WM_NCDESTROY)
    {
        SetWindowLongPtrW(hwnd, 0, 0);
        d->destroyed = true;
        if (d->depth == 0)
            FreeInstance(d);
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    ++d->depth;
    const LRESULT result = Dispatch(d, msg, wp, lp);
#ifdef _DEBUG
    // Once the outermost message is done, whatever the parent did meanwhile.
    if (d->depth == 1 && !d->destroyed && d->broken == TableRule::kHolds && IsLockedMessage(msg))
        d->broken = CheckTable(d);
#endif
    // A window destroyed while this message ran is freed once the outermost call ends.
    if (--d->depth == 0 && d->destroyed && !DataOf(hwnd))
        FreeInstance(d);
    return result;
}

}   // namespace

}   // namespace treelist

extern "C" QVCTRL_API int TreeListCheck(HWND hwnd)
{
    wchar_t name[16] = {};
    if (!IsWindow(hwnd) || !GetClassNameW(hwnd, name, 16) || wcscmp(name, TREELIST_CLASSNAME) != 0)
        return -1;
    const treelist::TreeListData* d = treelist::DataOf(hwnd);
    if (!d)
        return -1;
    if (d->broken != treelist::TableRule::kHolds)
        return (int)d->broken;
    return (int)treelist::CheckTable(d);
}

extern "C" QVCTRL_API int TreeListRegister(void)
{
    if (treelist::g_registered)
        return 1;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = treelist::TreeListProc;
    wc.cbWndExtra = sizeof(treelist::TreeListData*);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = TREELIST_CLASSNAME;
    // A class is found through the module that creates the window: the program's and this
    // library's code may both create one, so the class is registered for both modules.
    const HINSTANCE modules[] = {GetModuleHandleW(nullptr), treelist::ThisModule()};
    for (HINSTANCE module : modules)
    {
        wc.hInstance = module;
        if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            return 0;
    }
    InterlockedExchange(&treelist::g_registered, 1);
    return 1;
}
