// CPoint, CSize and CRect members that do more than one assignment.
#include "atltypes.h"

CPoint::CPoint(LPARAM dwPoint) noexcept
{
    x = short(LOWORD(dwPoint));
    y = short(HIWORD(dwPoint));
}

CSize CPoint::operator-(POINT point) const noexcept
{
    return CSize(x - point.x, y - point.y);
}

// A copy of the rectangle moved by (dx, dy).
static CRect MovedBy(const RECT* lpRect, int dx, int dy) noexcept
{
    CRect rect(lpRect);
    rect.OffsetRect(dx, dy);
    return rect;
}

CRect CPoint::operator+(const RECT* lpRect) const noexcept
{
    return MovedBy(lpRect, x, y);
}

CRect CPoint::operator-(const RECT* lpRect) const noexcept
{
    return MovedBy(lpRect, -x, -y);
}

CSize::CSize(DWORD dwSize) noexcept
{
    cx = short(LOWORD(dwSize));
    cy = short(HIWORD(dwSize));
}

CRect CSize::operator+(const RECT* lpRect) const noexcept
{
    return MovedBy(lpRect, cx, cy);
}

CRect CSize::operator-(const RECT* lpRect) const noexcept
{
    return MovedBy(lpRect, -cx, -cy);
}

CPoint CRect::CenterPoint() const noexcept
{
    return CPoint((left + right) / 2, (top + bottom) / 2);
}

BOOL CRect::EqualRect(const RECT* lpRect) const noexcept
{
    return lpRect != nullptr && left == lpRect->left && top == lpRect->top && right == lpRect->right &&
           bottom == lpRect->bottom;
}

void CRect::CopyRect(const RECT* lpSrcRect) noexcept
{
    if (lpSrcRect != nullptr)
        SetRect(lpSrcRect->left, lpSrcRect->top, lpSrcRect->right, lpSrcRect->bottom);
}

void CRect::InflateRect(const RECT* lpRect) noexcept
{
    if (lpRect != nullptr)
        InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CRect::InflateRect(int l, int t, int r, int b) noexcept
{
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void CRect::DeflateRect(const RECT* lpRect) noexcept
{
    if (lpRect != nullptr)
        DeflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CRect::NormalizeRect() noexcept
{
    if (left > right)
    {
        int n = left;
        left = right;
        right = n;
    }
    if (top > bottom)
    {
        int n = top;
        top = bottom;
        bottom = n;
    }
}

BOOL CRect::IntersectRect(const RECT* lpRect1, const RECT* lpRect2) noexcept
{
    if (lpRect1 == nullptr || lpRect2 == nullptr)
    {
        SetRectEmpty();
        return FALSE;
    }
    return ::IntersectRect(this, lpRect1, lpRect2);
}

BOOL CRect::UnionRect(const RECT* lpRect1, const RECT* lpRect2) noexcept
{
    if (lpRect1 == nullptr || lpRect2 == nullptr)
    {
        SetRectEmpty();
        return FALSE;
    }
    return ::UnionRect(this, lpRect1, lpRect2);
}

BOOL CRect::SubtractRect(const RECT* lpRectSrc1, const RECT* lpRectSrc2) noexcept
{
    if (lpRectSrc1 == nullptr || lpRectSrc2 == nullptr)
    {
        SetRectEmpty();
        return FALSE;
    }
    return ::SubtractRect(this, lpRectSrc1, lpRectSrc2);
}

CRect CRect::operator+(POINT point) const noexcept
{
    CRect rect(*this);
    rect.OffsetRect(point);
    return rect;
}

CRect CRect::operator-(POINT point) const noexcept
{
    CRect rect(*this);
    rect.OffsetRect(-point.x, -point.y);
    return rect;
}

CRect CRect::operator+(SIZE size) const noexcept
{
    CRect rect(*this);
    rect.OffsetRect(size);
    return rect;
}

CRect CRect::operator-(SIZE size) const noexcept
{
    CRect rect(*this);
    rect.OffsetRect(-size.cx, -size.cy);
    return rect;
}

CRect CRect::operator+(const RECT* lpRect) const noexcept
{
    CRect rect(*this);
    rect.InflateRect(lpRect);
    return rect;
}

CRect CRect::operator-(const RECT* lpRect) const noexcept
{
    CRect rect(*this);
    rect.DeflateRect(lpRect);
    return rect;
}

CRect CRect::operator&(const RECT& rect2) const noexcept
{
    CRect rect;
    rect.IntersectRect(this, &rect2);
    return rect;
}

CRect CRect::operator|(const RECT& rect2) const noexcept
{
    CRect rect;
    rect.UnionRect(this, &rect2);
    return rect;
}
