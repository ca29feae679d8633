// The demo's pages delete themselves when their window goes (PostNcDestroy).
#pragma once

#include <afxwin.h>

// Makes a page through its create member; nullptr when that fails, with the
// page freed once (by its window's end when a window was already made).
template <class TPage>
CWnd* CreateSelfDeletingPage(BOOL (TPage::*create)(CWnd*, const RECT&, UINT), CWnd* pParent, const RECT& rect, UINT nID)
{
    auto* pPage = new TPage;
    if ((pPage->*create)(pParent, rect, nID))
        return pPage;
    if (::IsWindow(pPage->GetSafeHwnd()))
        pPage->DestroyWindow();
    else
        delete pPage;
    return nullptr;
}
