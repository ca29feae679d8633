// The instance lock of a TreeList window, and every call that may re-enter it.
// The parent may send messages back while it handles a notification, and
// SetScrollInfo or SetFocus send messages to this window, so the lock is let go
// around each of them; callers look their items up again afterwards.
#include "treelist_data.h"

namespace treelist
{

// The semaphore is only waited on when another thread holds the lock: the counter
// settles the common case without a call to the kernel.
void Lock(TreeListData* d)
{
    if (InterlockedIncrement(&d->lockUsers) > 1)
        WaitForSingleObject(d->lock, INFINITE);
}

void Unlock(TreeListData* d)
{
    if (InterlockedDecrement(&d->lockUsers) > 0)
        ReleaseSemaphore(d->lock, 1, nullptr);
}

LRESULT NotifyParent(TreeListData* d, NMHDR* header, UINT code)
{
    HWND hwnd = d->hwnd;
    HWND parent = GetParent(hwnd);
    if (!parent || d->destroyed)
        return 0;
    header->hwndFrom = hwnd;
    header->idFrom = (UINT_PTR)GetDlgCtrlID(hwnd);
    header->code = code;
    Unlock(d);
    LRESULT result = SendMessageW(parent, WM_NOTIFY, header->idFrom, (LPARAM)header);
    Lock(d);
    return result;
}

LRESULT NotifyTree(TreeListData* d, UINT code, UINT action, const TVITEMW* itemNew, const TVITEMW* itemOld,
                   POINT ptDrag)
{
    NMTREEVIEWW nm = {};
    nm.action = action;
    if (itemNew)
        nm.itemNew = *itemNew;
    if (itemOld)
        nm.itemOld = *itemOld;
    nm.ptDrag = ptDrag;
    return NotifyParent(d, &nm.hdr, code);
}

void ContextMenuToParent(TreeListData* d, POINT client)
{
    HWND hwnd = d->hwnd;
    HWND parent = GetParent(hwnd);
    if (!parent || d->destroying)
        return;
    POINT screen = client;
    ClientToScreen(hwnd, &screen);
    Unlock(d);
    SendMessageW(parent, WM_CONTEXTMENU, (WPARAM)hwnd, MAKELPARAM(screen.x, screen.y));
    Lock(d);
}

void SetFocusUnlocked(TreeListData* d, HWND target)
{
    Unlock(d);
    SetFocus(target);
    Lock(d);
}

// The bar is drawn with the next frame paint: drawing it at every change made long
// runs of insertions wait on the display.
void SetScrollInfoUnlocked(TreeListData* d, int bar, SCROLLINFO* info)
{
    HWND hwnd = d->hwnd;
    Unlock(d);
    SetScrollInfo(hwnd, bar, info, FALSE);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
    Lock(d);
}

}   // namespace treelist
