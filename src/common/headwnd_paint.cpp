// CHeadWnd: painting of the items, their bevel and the area right of them.
#include "common/headwnd.h"

#include <cwchar>

#include "common/listfont.h"

namespace
{

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kLightGrey = RGB(224, 224, 224);
const COLORREF kDarkGrey = RGB(128, 128, 128);
const COLORREF kAuthorBlue = RGB(0, 0, 255);
const COLORREF kAuthorYellow = RGB(255, 255, 0);
const int kCaptionBuffer = 100;   // characters, terminator included

// One two-pixel-wide bevel step: the light pen up the left and along the top,
// the dark pen along the bottom and up the right.
void DrawBevelStep(CDC* pDC, const CRect& rect, CPen* pLight, CPen* pDark)
{
    pDC->SelectObject(pLight);
    pDC->MoveTo(rect.left, rect.bottom - 1);
    pDC->LineTo(rect.left, rect.top);
    pDC->LineTo(rect.right - 1, rect.top);
    pDC->SelectObject(pDark);
    pDC->MoveTo(rect.left, rect.bottom - 1);
    pDC->LineTo(rect.right - 1, rect.bottom - 1);
    pDC->LineTo(rect.right - 1, rect.top);
}

}   // namespace

void CHeadWnd::OnPaint()
{
    CPaintDC dc(this);
    OnDraw(&dc);
}

LRESULT CHeadWnd::OnPrintClient(WPARAM wParam, LPARAM)
{
    CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
    if (!pDC)
        return 0;
    // Its columns can make the header as wide and as tall as the platform
    // allows (32,767 pixels): painting all of it into a bitmap of that size
    // takes seconds, while only what the parent shows can be seen (WM_PAINT
    // is clipped to that already).
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nSavedDC = pDC->SaveDC();
    pDC->IntersectClipRect(ShownRect(rcClient));
    OnDraw(pDC);
    pDC->RestoreDC(nSavedDC);
    return 0;
}

void CHeadWnd::OnDraw(CDC* pDC)
{
    CRect rcClient(0, 0, GetWidth(), m_nTotalHeight);
    if (GetSafeHwnd())
        GetClientRect(&rcClient);
    pDC->FillSolidRect(&rcClient, m_crBack);

    CFont font;
    CFont* pOldFont = nullptr;
    // Small rows (or a grid that asks for it) take a font fitted to the row.
    if ((m_nRowHeight < 25 || m_nOwnFont) && CreateListFont(pDC, font, m_nRowHeight - 8, FW_NORMAL))
        pOldFont = pDC->SelectObject(&font);

    for (int nIndex = 0; nIndex < m_nCount; ++nIndex)
        DrawItem(pDC, nIndex);
    DrawAuthor(pDC);

    if (pOldFont)
        pDC->SelectObject(pOldFont);
}

// The part of rcClient that the parent's client area covers; all of it for a
// header without a parent.
CRect CHeadWnd::ShownRect(const CRect& rcClient) const
{
    CWnd* pParent = GetSafeHwnd() ? GetParent() : nullptr;
    if (!pParent)
        return rcClient;
    CRect rcParent;
    pParent->GetClientRect(&rcParent);
    pParent->ClientToScreen(&rcParent);
    ScreenToClient(&rcParent);
    CRect rcShown;
    rcShown.IntersectRect(&rcClient, &rcParent);
    return rcShown;
}

// The rectangle of an item by its row placement.
CRect CHeadWnd::ItemRect(const CxHeadItemIndex* pNode) const
{
    CRect rect(pNode->nLeft, 0, pNode->nLeft + pNode->nWidth, m_nTotalHeight);
    if (pNode->nLevel == HEADLEVEL_LOWER)
    {
        rect.top = m_nRowHeight;
        rect.bottom = 2 * m_nRowHeight;
    }
    else if (pNode->nLevel >= HEADLEVEL_GROUP)
    {
        rect.bottom = m_nRowHeight;
        rect.right = rect.left + pNode->nLevel;
    }
    return rect;
}

void CHeadWnd::DrawItem(CDC* pDC, int nIndex)
{
    const CxHeadItemIndex* pNode = GetHeadParam(nIndex);
    if (!pNode)
    {
        AfxMessageBox(L"System Error in HeadWnd");
        return;
    }
    if (pNode->nLevel < 0)
    {
        AfxMessageBox(L"System error for HeadCtrl y");
        return;
    }
    if (pNode->nWidth == 0 && pNode->nLevel == HEADLEVEL_FULL)
        return;

    CRect rect = ItemRect(pNode);
    pDC->SetBkColor(m_crBack);
    pDC->SetTextColor(m_crText);
    pDC->FillSolidRect(&rect, m_crBack);
    DrawShade(pDC, rect);

    wchar_t szCaption[kCaptionBuffer] = L"";
    if (pNode->pszText)
        wcsncpy_s(szCaption, pNode->pszText, _TRUNCATE);
    pDC->DrawText(szCaption, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CHeadWnd::DrawShade(CDC* pDC, CRect& rect)
{
    CPen penWhite(PS_SOLID, 1, kWhite);
    CPen penBlack(PS_SOLID, 1, kBlack);
    CPen penLightGrey(PS_SOLID, 1, kLightGrey);
    CPen penDarkGrey(PS_SOLID, 1, kDarkGrey);
    CPen* pOldPen = pDC->SelectObject(&penWhite);
    DrawBevelStep(pDC, rect, &penWhite, &penBlack);
    rect.DeflateRect(1, 1);
    DrawBevelStep(pDC, rect, &penLightGrey, &penDarkGrey);
    rect.DeflateRect(1, 1);
    pDC->SelectObject(pOldPen);
}

// The area right of the last item.
void CHeadWnd::DrawAuthor(CDC* pDC)
{
    CRect rcClient(0, 0, GetWidth(), m_nTotalHeight);
    if (GetSafeHwnd())
        GetClientRect(&rcClient);
    const int nRightOfItems = GetWidth();
    if (rcClient.right > nRightOfItems)
    {
        CRect rcArea(nRightOfItems, rcClient.top, rcClient.right, rcClient.bottom);
        pDC->FillSolidRect(&rcArea, kAuthorBlue);
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(kAuthorYellow);
    pDC->TextOut(nRightOfItems, 2, CString());
}
