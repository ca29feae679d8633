// The faces of CMyBitmapButton: bitmap, icons, single text and radio text.
#include "control/bitmapbutton.h"

#include <ctime>

namespace
{

const UINT kCentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;   // 0x25
const UINT kLeftLine = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
const int kIconSize = 32;
const int kFaceInset = 3;              // inside the two rings of the raised frame and a gap
const int kFaceTextHeightIndex = 10;   // 3.7 mm, the text of the text faces
const int kBoldWeight = 700;
const BYTE kSwissVariable = 0x22;   // VARIABLE_PITCH | FF_SWISS
const int kFlashMilliseconds = 200;
const COLORREF kFlashBrush = RGB(0, 255, 0);
const int kRadioMark = 12;
const COLORREF kRadioRing = RGB(0, 0, 0);
const COLORREF kRadioWell = RGB(255, 255, 255);

// Busy wait, as the flashing face holds its second icon for a moment while painting.
void HoldFor(int nMilliseconds)
{
    const clock_t start = clock();
    const clock_t ticks = static_cast<clock_t>(nMilliseconds) * CLOCKS_PER_SEC / 1000;
    while (clock() - start < ticks)
    {
    }
}

}   // namespace

BOOL CMyBitmapButton::MakeFaceFont(CDC* pDC, CFont& font, int nHeight, int nWeight, BYTE nPitchAndFamily)
{
    LOGFONT lf = {};
    CFont* pCurrent = pDC->GetCurrentFont();
    if (pCurrent == nullptr || pCurrent->GetLogFont(&lf) == 0)
    {
        AfxMessageBox(L"不能讀字模參數");
        return FALSE;
    }
    lf.lfHeight = nHeight;
    lf.lfWidth = 0;
    if (nWeight != 0)
        lf.lfWeight = nWeight;
    if (nPitchAndFamily != 0)
        lf.lfPitchAndFamily = nPitchAndFamily;
    ::lstrcpynW(lf.lfFaceName, L"新細明體", LF_FACESIZE);
    return font.CreateFontIndirect(&lf);
}

BOOL CMyBitmapButton::DrawFaceText(CDC* pDC, CRect rect, const CString& strText, COLORREF color, UINT nFormat,
                                   int nHeight, int nWeight, BYTE nPitchAndFamily)
{
    CFont font;
    if (!MakeFaceFont(pDC, font, nHeight, nWeight, nPitchAndFamily))
        return FALSE;
    CFont* pOldFont = pDC->SelectObject(&font);
    DrawTextW(pDC, rect, strText, color, nFormat);
    pDC->SelectObject(pOldFont);
    return TRUE;
}

void CMyBitmapButton::DrawTextW(CDC* pDC, CRect rect, const CString& strText, COLORREF color, UINT nFormat)
{
    if (pDC == nullptr)
        return;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF oldColor = pDC->SetTextColor(color);
    pDC->DrawText(strText, &rect, nFormat);
    pDC->SetTextColor(oldColor);
    pDC->SetBkMode(nOldMode);
}

void CMyBitmapButton::DrawButtonText(CDC* pDC, CRect rect, const CString& strText, COLORREF color, int nState)
{
    if (pDC == nullptr)
        return;
    switch (m_nFaceType)
    {
    case FACE_RADIO_TEXT:
        DrawRadioText(pDC, rect, strText, color, nState);
        return;
    case FACE_SINGLE_TEXT:
        DrawIconSingleText(pDC, rect, strText, color, nState);
        return;
    case FACE_FLASH_ICON:
    case FACE_FLASH_ICONS:
        DrawIconButton(pDC, rect);
        return;
    case FACE_ICON:
        if (m_nIconID > 0)
        {
            DrawIconButtonText(pDC, rect, strText, color, nState);
            return;
        }
        break;
    }
    DrawBitmapFace(pDC, rect, strText, color);
}

// The bitmap sits at the left of the face, the text is centred in the rest.
void CMyBitmapButton::DrawBitmapFace(CDC* pDC, CRect rect, const CString& strText, COLORREF color)
{
    CRect face = rect;
    face.DeflateRect(kFaceInset, kFaceInset);
    BITMAP info = {};
    const bool bHasBitmap = m_bitmap.GetSafeHandle() != nullptr && m_bitmap.GetBitmap(&info) != 0;
    CRect textRect = face;
    if (bHasBitmap)
        textRect.left = face.left + info.bmWidth;

    if (m_nSingleText == 1)
    {
        // The height in pixels divided by four, read as millimetres.
        const int nMillimetres = rect.Height() / 4;
        if (!DrawFaceText(pDC, textRect, strText, color, kCentredLine, GetNearFontHeight(pDC, nMillimetres),
                          kBoldWeight, kSwissVariable))
            return;
    }
    else
    {
        DrawTextW(pDC, textRect, strText, color, kCentredLine);
    }

    if (bHasBitmap)
    {
        CDC memDC;
        if (memDC.CreateCompatibleDC(pDC))
        {
            CBitmap* pOld = memDC.SelectObject(&m_bitmap);
            const int nWidth = info.bmWidth < face.Width() ? info.bmWidth : face.Width();
            const int nHeight = info.bmHeight < face.Height() ? info.bmHeight : face.Height();
            const int y = face.top + (face.Height() - nHeight) / 2;
            pDC->BitBlt(face.left, y, nWidth, nHeight, &memDC, 0, 0, SRCCOPY);
            memDC.SelectObject(pOld);
        }
    }
}

void CMyBitmapButton::DrawIconButton(CDC* pDC, CRect rect)
{
    if (pDC == nullptr)
        return;
    CBrush brush(kFlashBrush);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    const CPoint place(0, (rect.Height() - kIconSize) / 2);
    const CSize size(kIconSize, kIconSize);
    if (m_nFlash == 1 && m_hIcon2 != nullptr)
    {
        pDC->DrawState(place, size, m_hIcon2, DST_ICON, static_cast<HBRUSH>(brush));
        ::GdiFlush();
        HoldFor(kFlashMilliseconds);
    }
    if (m_hIcon != nullptr)
        pDC->DrawState(place, size, m_hIcon, DST_ICON, static_cast<HBRUSH>(brush));
    m_nFlash = 0;
    pDC->SelectObject(pOldBrush);
}

// The icon at the left, the text beside it.
void CMyBitmapButton::DrawIconButtonText(CDC* pDC, CRect rect, const CString& strText, COLORREF color, int nState)
{
    CRect face = rect;
    face.DeflateRect(kFaceInset, kFaceInset);
    const int nShift = nState == 1 ? 1 : 0;
    if (m_hIcon != nullptr)
        ::DrawIconEx(pDC->GetSafeHdc(), face.left + nShift, face.top + (face.Height() - kIconSize) / 2 + nShift,
                     m_hIcon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    CRect textRect = face;
    textRect.left = face.left + kIconSize + kFaceInset;
    DrawFaceText(pDC, textRect, strText, color, kLeftLine, GetRealFontHeight(pDC, kFaceTextHeightIndex));
}

// Text alone, centred, inside a one-pixel frame (sunken when pressed).
void CMyBitmapButton::DrawIconSingleText(CDC* pDC, CRect rect, const CString& strText, COLORREF color, int nState)
{
    if (nState == 1)
        DrawRectangleInvertFrame(pDC, rect);
    else
        DrawRectangleFrame(pDC, rect);
    DrawFaceText(pDC, rect, strText, color, kCentredLine, GetRealFontHeight(pDC, kFaceTextHeightIndex));
}

// A round mark at the left, filled while the button is the chosen one (the
// focus flag or the focus), and the text beside it.
void CMyBitmapButton::DrawRadioText(CDC* pDC, CRect rect, const CString& strText, COLORREF color, int nState)
{
    const int y = rect.top + (rect.Height() - kRadioMark) / 2;
    CRect mark(rect.left + kFaceInset, y, rect.left + kFaceInset + kRadioMark, y + kRadioMark);
    CPen pen(PS_SOLID, 1, kRadioRing);
    CBrush well(kRadioWell);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(&well);
    pDC->Ellipse(&mark);
    const bool bChosen = m_nFocus == 1 || nState == 1 || (::IsWindow(m_hWnd) && ::GetFocus() == m_hWnd);
    if (bChosen)
    {
        CBrush dot(color);
        pDC->SelectObject(&dot);
        CRect inner = mark;
        inner.DeflateRect(3, 3);
        pDC->Ellipse(&inner);
        pDC->SelectObject(&well);
    }
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);

    CRect textRect = rect;
    textRect.left = mark.right + kFaceInset;
    DrawFaceText(pDC, textRect, strText, color, kLeftLine, GetRealFontHeight(pDC, kFaceTextHeightIndex));
}
