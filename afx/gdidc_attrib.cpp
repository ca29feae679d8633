// CDC attribute setters: they change the output DC and the attribute DC alike.
#include "afxgdi.h"

namespace
{

// Applies set to the output DC and, when it is another one, to the attribute
// DC; the result (the previous value) is the attribute DC's.
template <class Setter> auto SetOnBoth(HDC hDC, HDC hAttribDC, Setter set)
{
    decltype(set(hDC)) result{};
    if (hDC != nullptr && hDC != hAttribDC)
        result = set(hDC);
    if (hAttribDC != nullptr)
        result = set(hAttribDC);
    return result;
}

}   // namespace

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return SetOnBoth(m_hDC, m_hAttribDC, [=](HDC h) { return ::SetBkColor(h, crColor); });
}

int CDC::SetBkMode(int nBkMode)
{
    return SetOnBoth(m_hDC, m_hAttribDC, [=](HDC h) { return ::SetBkMode(h, nBkMode); });
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return SetOnBoth(m_hDC, m_hAttribDC, [=](HDC h) { return ::SetTextColor(h, crColor); });
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return SetOnBoth(m_hDC, m_hAttribDC, [=](HDC h) { return ::SetTextAlign(h, nFlags); });
}

int CDC::SetROP2(int nDrawMode)
{
    return SetOnBoth(m_hDC, m_hAttribDC, [=](HDC h) { return ::SetROP2(h, nDrawMode); });
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return SetOnBoth(m_hDC, m_hAttribDC, [=](HDC h) { return ::SetStretchBltMode(h, nStretchMode); });
}

int CDC::SetMapMode(int nMapMode)
{
    return SetOnBoth(m_hDC, m_hAttribDC, [=](HDC h) { return ::SetMapMode(h, nMapMode); });
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    return SetOnBoth(m_hDC, m_hAttribDC,
                     [=](HDC h)
                     {
                         POINT old = {};
                         ::SetViewportOrgEx(h, x, y, &old);
                         return CPoint(old);
                     });
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    return SetOnBoth(m_hDC, m_hAttribDC,
                     [=](HDC h)
                     {
                         POINT old = {};
                         ::OffsetViewportOrgEx(h, nWidth, nHeight, &old);
                         return CPoint(old);
                     });
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    return SetOnBoth(m_hDC, m_hAttribDC,
                     [=](HDC h)
                     {
                         SIZE old = {};
                         ::SetViewportExtEx(h, cx, cy, &old);
                         return CSize(old);
                     });
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    return SetOnBoth(m_hDC, m_hAttribDC,
                     [=](HDC h)
                     {
                         POINT old = {};
                         ::SetWindowOrgEx(h, x, y, &old);
                         return CPoint(old);
                     });
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    return SetOnBoth(m_hDC, m_hAttribDC,
                     [=](HDC h)
                     {
                         SIZE old = {};
                         ::SetWindowExtEx(h, cx, cy, &old);
                         return CSize(old);
                     });
}
