// Context menus at the mouse position.
#include "control/wndutil.h"

namespace
{

CPoint TrackAtCursor(HMENU hPopup, CWnd* pWnd)
{
    CPoint point;
    ::GetCursorPos(&point);
    HWND hOwner = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
    ASSERT(hOwner != nullptr);
    if (hPopup == nullptr || hOwner == nullptr)
        return point;
    ::SetForegroundWindow(hOwner);
    ::TrackPopupMenu(hPopup, TPM_LEFTALIGN | TPM_LEFTBUTTON, point.x, point.y, 0, hOwner, nullptr);
    // The menu closes properly only when the owner gets a message afterwards.
    ::PostMessageW(hOwner, WM_NULL, 0, 0);
    return point;
}

}   // namespace

CPoint PopMenu(int nMenuID, CWnd* pWnd)
{
    HMENU hMenu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nMenuID));
    ASSERT(hMenu != nullptr);
    HMENU hPopup = hMenu != nullptr ? ::GetSubMenu(hMenu, 0) : nullptr;
    ASSERT(hPopup != nullptr);
    CPoint point = TrackAtCursor(hPopup, pWnd);
    if (hMenu != nullptr)
        ::DestroyMenu(hMenu);
    return point;
}

CPoint PopMenu(CMenu* pMenu, CWnd* pWnd)
{
    HMENU hMenu = pMenu != nullptr ? pMenu->GetSafeHmenu() : nullptr;
    bool bUsable = hMenu != nullptr && ::GetMenuItemCount(hMenu) > 0;
    ASSERT(bUsable);
    return TrackAtCursor(bUsable ? hMenu : nullptr, pWnd);
}
