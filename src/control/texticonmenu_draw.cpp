// CTextIconMenu: the column layout and the drawing of the title and buttons.
#include "control/texticonmenu.h"

namespace
{

const int kFaceHeight = 30;
const int kFirstLeft = 100;
const int kFirstTop = 200;
const int kButtonHeight = 45;
const int kRowStep = 55;
const int kTextPadding = 20;
const int kColumnGap = 30;
const int kBottomMargin = 100;
const int kTitleTop = 130;
const int kTitleRuleY = 180;

const COLORREF kFace = RGB(236, 233, 216);
const COLORREF kHoverFace = RGB(255, 248, 214);
const COLORREF kText = RGB(0, 0, 0);
const COLORREF kHoverText = RGB(0, 0, 160);
const COLORREF kDisabledText = RGB(128, 128, 128);
const COLORREF kTitleText = RGB(0, 70, 140);
const COLORREF kLight = RGB(255, 255, 255);
const COLORREF kShadow = RGB(128, 128, 128);
const COLORREF kDarkShadow = RGB(64, 64, 64);

void Edge(CDC* pDC, int x1, int y1, int x2, int y2, COLORREF color)
{
    CPen pen(PS_SOLID, 1, color);
    CPen* pOld = pDC->SelectObject(&pen);
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
    pDC->SelectObject(pOld);
}

// One ring: topLeft above and left, bottomRight below and right.
void Ring(CDC* pDC, const CRect& r, COLORREF topLeft, COLORREF bottomRight)
{
    Edge(pDC, r.left, r.top, r.right, r.top, topLeft);
    Edge(pDC, r.left, r.top, r.left, r.bottom, topLeft);
    Edge(pDC, r.left, r.bottom - 1, r.right, r.bottom - 1, bottomRight);
    Edge(pDC, r.right - 1, r.top, r.right - 1, r.bottom, bottomRight);
}

}   // namespace

void CTextIconMenu::CreateFontW(CDC* pDC, int nHeight)
{
    LOGFONT lf = {};
    CFont* pCurrent = pDC != nullptr ? pDC->GetCurrentFont() : nullptr;
    if (pCurrent == nullptr || pCurrent->GetLogFont(&lf) == 0)
    {
        AfxMessageBox(L"can not get font");
        return;
    }
    m_font.DeleteObject();
    lf.lfHeight = nHeight;
    lf.lfWidth = 0;
    ::lstrcpynW(lf.lfFaceName, L"新細明體", LF_FACESIZE);
    m_font.CreateFontIndirect(&lf);
}

void CTextIconMenu::CloseColumn(int nFirst, int nLast, int& nPreviousWidth, CRect& running)
{
    int nRight = GetMaxRight(nLast + 1);
    const int nLeft = m_item[nFirst].rect.left;
    int nWidth = nRight - nLeft;
    if (nWidth < nPreviousWidth)
    {
        nWidth = nPreviousWidth;
        nRight = nLeft + nWidth;
    }
    for (int i = nFirst; i <= nLast; ++i)
        m_item[i].rect.right = nRight;
    nPreviousWidth = nWidth;
    running.OffsetRect(nWidth + kColumnGap, 0);
    running.top = kFirstTop;
    running.bottom = kFirstTop + kButtonHeight;
}

void CTextIconMenu::DrawMenu(CDC* pDC)
{
    if (m_nItem <= 0 || pDC == nullptr || pDC->GetSafeHdc() == nullptr)
        return;
    CreateFontW(pDC, kFaceHeight);
    m_hOwner = ::WindowFromDC(pDC->GetSafeHdc());
    CRect client;
    if (m_hOwner != nullptr)
        ::GetClientRect(m_hOwner, &client);
    else
        pDC->GetClipBox(&client);
    CFont* pOldFont = m_font.GetSafeHandle() != nullptr ? pDC->SelectObject(&m_font) : nullptr;

    CRect running(kFirstLeft, kFirstTop, kFirstLeft + 100, kFirstTop + kButtonHeight);
    int nPreviousWidth = 0;
    int nFirst = 0;
    for (int i = 0; i < m_nItem; ++i)
    {
        const CSize extent = pDC->GetTextExtent(m_item[i].strText);
        m_item[i].rect.SetRect(running.left, running.top, running.left + kTextPadding + extent.cx,
                               running.top + kButtonHeight);
        running.OffsetRect(0, kRowStep);
        if (running.bottom > client.bottom - kBottomMargin)
        {
            CloseColumn(nFirst, i, nPreviousWidth, running);
            nFirst = i + 1;
        }
    }
    if (nFirst < m_nItem)
        CloseColumn(nFirst, m_nItem - 1, nPreviousWidth, running);

    DrawMenuTitle(pDC);
    for (int i = 0; i < m_nItem; ++i)
        DrawTextW(pDC, i, i == m_nPressed ? 1 : 0);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

void CTextIconMenu::DrawMenuTitle(CDC* pDC)
{
    if (pDC == nullptr || m_strTitle.IsEmpty())
        return;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF oldColor = pDC->SetTextColor(kTitleText);
    pDC->TextOut(kFirstLeft, kTitleTop, m_strTitle);
    pDC->SetTextColor(oldColor);
    pDC->SetBkMode(nOldMode);
    const int nRight = GetMaxRight(m_nItem) > kFirstLeft ? GetMaxRight(m_nItem) : kFirstLeft + 200;
    Edge(pDC, kFirstLeft, kTitleRuleY, nRight, kTitleRuleY, kTitleText);
}

void CTextIconMenu::DrawButtonFrame(CDC* pDC, const CRect& rect, int nState)
{
    if (pDC == nullptr)
        return;
    CRect inner = rect;
    inner.DeflateRect(1, 1);
    if (nState == 1)
    {
        Ring(pDC, rect, kDarkShadow, kLight);
        Ring(pDC, inner, kShadow, kFace);
    }
    else
    {
        Ring(pDC, rect, kLight, kDarkShadow);
        Ring(pDC, inner, kFace, kShadow);
    }
}

void CTextIconMenu::DrawTextW(CDC* pDC, int nItem, int nState)
{
    if (pDC == nullptr || nItem < 0 || nItem >= m_nItem)
        return;
    const CdMenuItem& item = m_item[nItem];
    const bool bHover = nItem == m_nHover && nState == 0 && item.nEnabled;
    pDC->FillSolidRect(&item.rect, bHover ? kHoverFace : kFace);
    DrawButtonFrame(pDC, item.rect, nState);

    CRect textRect = item.rect;
    if (nState == 1)
        textRect.OffsetRect(1, 1);
    COLORREF color = kText;
    if (!item.nEnabled)
        color = kDisabledText;
    else if (bHover)
        color = kHoverText;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF oldColor = pDC->SetTextColor(color);
    pDC->DrawText(item.strText, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetTextColor(oldColor);
    pDC->SetBkMode(nOldMode);
}

void CTextIconMenu::RedrawItem(int nItem, int nState)
{
    if (m_hOwner == nullptr || !::IsWindow(m_hOwner) || nItem < 0 || nItem >= m_nItem)
        return;
    HDC hDC = ::GetDC(m_hOwner);
    if (hDC == nullptr)
        return;
    CDC* pDC = CDC::FromHandle(hDC);
    CFont* pOldFont = m_font.GetSafeHandle() != nullptr ? pDC->SelectObject(&m_font) : nullptr;
    DrawTextW(pDC, nItem, nState);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    ::ReleaseDC(m_hOwner, hDC);
}
