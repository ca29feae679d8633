// The bevels and plain shapes the button faces are drawn with.
#include "control/bitmapbutton.h"

#include <cstdlib>

namespace
{

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kSingleRingDark = RGB(128, 128, 128);
const COLORREF kSunkenInnerShadow = RGB(1, 1, 1);

// The two shades of ring i of a frame of nRings rings.
void RingShades(int i, int nRings, COLORREF& light, COLORREF& dark)
{
    if (nRings == 1)
    {
        light = kWhite;
        dark = kSingleRingDark;
        return;
    }
    const int nDark = 255 / (i + 2);
    const int nLight = 63 / (i + 1) + 192;
    dark = PALETTERGB(nDark, nDark, nDark);
    light = PALETTERGB(nLight, nLight, nLight);
}

}   // namespace

void CMyBitmapButton::DrawLine(CDC* pDC, CRect rect, COLORREF color)
{
    DrawLine(pDC, rect.left, rect.top, rect.right, rect.bottom, color);
}

void CMyBitmapButton::DrawLine(CDC* pDC, long x1, long y1, long x2, long y2, COLORREF color)
{
    if (pDC == nullptr)
        return;
    CPen pen(PS_SOLID, 1, color);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
    pDC->SelectObject(pOldPen);
}

void CMyBitmapButton::DrawFilledRect(CDC* pDC, CRect rect, COLORREF color)
{
    if (pDC != nullptr)
        pDC->FillSolidRect(&rect, color);
}

void CMyBitmapButton::DrawRect(CDC* pDC, CRect rect, COLORREF color)
{
    // Lines exclude their last point: each edge runs one pixel past the corner it ends on.
    DrawLine(pDC, rect.left, rect.top, rect.right, rect.top, color);
    DrawLine(pDC, rect.left, rect.bottom - 1, rect.right, rect.bottom - 1, color);
    DrawLine(pDC, rect.left, rect.top, rect.left, rect.bottom, color);
    DrawLine(pDC, rect.right - 1, rect.top, rect.right - 1, rect.bottom, color);
}

void CMyBitmapButton::DrawRectangleFrame(CDC* pDC, CRect rect)
{
    DrawLine(pDC, rect.left, rect.top, rect.right, rect.top, kWhite);
    DrawLine(pDC, rect.left, rect.top, rect.left, rect.bottom, kWhite);
    DrawLine(pDC, rect.left, rect.bottom - 1, rect.right, rect.bottom - 1, kBlack);
    DrawLine(pDC, rect.right - 1, rect.top, rect.right - 1, rect.bottom, kBlack);
}

void CMyBitmapButton::DrawRectangleInvertFrame(CDC* pDC, CRect rect)
{
    DrawLine(pDC, rect.left, rect.top, rect.right, rect.top, kBlack);
    DrawLine(pDC, rect.left, rect.top, rect.left, rect.bottom, kBlack);
    DrawLine(pDC, rect.left, rect.bottom - 1, rect.right, rect.bottom - 1, kWhite);
    DrawLine(pDC, rect.right - 1, rect.top, rect.right - 1, rect.bottom, kWhite);
}

void CMyBitmapButton::DrawFrame(CDC* pDC, CRect rect, int nLevel)
{
    const int nRings = std::abs(nLevel);
    for (int i = 0; i < nRings; ++i)
    {
        COLORREF light = 0, dark = 0;
        RingShades(i, nRings, light, dark);
        const COLORREF topLeft = nLevel > 0 ? light : dark;
        const COLORREF bottomRight = nLevel > 0 ? dark : light;
        DrawLine(pDC, rect.left, rect.top, rect.right, rect.top, topLeft);
        DrawLine(pDC, rect.left, rect.top, rect.left, rect.bottom, topLeft);
        DrawLine(pDC, rect.left, rect.bottom - 1, rect.right, rect.bottom - 1, bottomRight);
        DrawLine(pDC, rect.right - 1, rect.top, rect.right - 1, rect.bottom, bottomRight);
        if (nLevel < -1 && i == nRings - 1)
        {
            DrawLine(pDC, rect.left + 1, rect.bottom - 2, rect.right - 1, rect.bottom - 2, kSunkenInnerShadow);
            DrawLine(pDC, rect.right - 2, rect.top + 1, rect.right - 2, rect.bottom - 1, kSunkenInnerShadow);
        }
        rect.DeflateRect(1, 1);
    }
}
