// CDC mapping queries and the size conversions between logical and device units.
#include "afxgdi.h"
#include <cstdlib>

CPoint CDC::GetViewportOrg() const
{
    POINT point = {};
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return point;
}

CSize CDC::GetViewportExt() const
{
    SIZE size = {};
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CPoint CDC::GetWindowOrg() const
{
    POINT point = {};
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return point;
}

CSize CDC::GetWindowExt() const
{
    SIZE size = {};
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

CPoint CDC::GetCurrentPosition() const
{
    POINT point = {};
    ::GetCurrentPositionEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT old = {};
    ::MoveToEx(m_hDC, x, y, &old);
    if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, &old);
    return old;
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    if (lpSize == nullptr)
        return;
    const CSize window = GetWindowExt();
    const CSize viewport = GetViewportExt();
    if (window.cx == 0 || window.cy == 0)
        return;
    lpSize->cx = ::MulDiv(lpSize->cx, abs(viewport.cx), abs(window.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs(viewport.cy), abs(window.cy));
}

void CDC::DPtoLP(LPSIZE lpSize) const
{
    if (lpSize == nullptr)
        return;
    const CSize window = GetWindowExt();
    const CSize viewport = GetViewportExt();
    if (viewport.cx == 0 || viewport.cy == 0)
        return;
    lpSize->cx = ::MulDiv(lpSize->cx, abs(window.cx), abs(viewport.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs(window.cy), abs(viewport.cy));
}
