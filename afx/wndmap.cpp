// CWnd and this module's map of window wrappers.
#include "afxwin.h"

namespace
{

CHandleMap<HWND, CWnd>& WndMap()
{
    static CHandleMap<HWND, CWnd> map(&CWnd::m_hWnd);
    return map;
}

}   // namespace

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

// The stand-ins for SetWindowPos's special handles are never real windows.
static bool IsInsertAfterMarker(HWND hWnd)
{
    return hWnd == HWND_BOTTOM || hWnd == HWND_TOPMOST || hWnd == HWND_NOTOPMOST;
}

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && !IsInsertAfterMarker(m_hWnd) && WndMap().LookupPermanent(m_hWnd) == this)
    {
        TRACE(L"CWnd destroyed while its window %p still exists\n", m_hWnd);
        DestroyWindow();
    }
}

HWND CWnd::GetSafeHwnd() const
{
    const CWnd* self = AfxOpaquePointer(this);
    return self != nullptr ? self->m_hWnd : nullptr;
}

CWnd::operator HWND() const
{
    return GetSafeHwnd();
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return WndMap().FromHandle(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd != nullptr ? WndMap().LookupPermanent(hWnd) : nullptr;
}

void CWnd::DeleteTempMap()
{
    WndMap().DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    ASSERT(m_hWnd == nullptr);
    ASSERT(FromHandlePermanent(hWndNew) == nullptr);
    if (hWndNew == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWndNew) != nullptr)
        return FALSE;
    m_hWnd = hWndNew;
    WndMap().SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && WndMap().LookupPermanent(hWnd) == this)
    {
        WndMap().RemoveHandle(hWnd);
        // A window this wrapper subclassed gets its own procedure back, so it
        // keeps working without the wrapper (unless someone subclassed it
        // after us: then the chain cannot be undone from here).
        if (m_pfnSuper != nullptr && reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hWnd, GWLP_WNDPROC)) == &AfxWndProc)
            SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
    return hWnd;
}
