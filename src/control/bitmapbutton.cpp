#include "control/bitmapbutton.h"

namespace
{

const int kMaxFaceText = 512;
const COLORREF kPressedText = RGB(255, 0, 0);
const COLORREF kDisabledText = RGB(128, 128, 128);
const int kRaisedFaceLevels = 2;
const int kPressedFrameLevel = -1;
const int kFocusInset = 4;

}   // namespace

BEGIN_MESSAGE_MAP(CMyBitmapButton, CButton)
    ON_WM_DRAWITEM()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CMyBitmapButton::~CMyBitmapButton()
{
    // Icons come from LoadIcon: shared, owned by the system.
    m_bitmap.DeleteObject();
}

void CMyBitmapButton::AddOwnerDraw()
{
    ASSERT(::IsWindow(m_hWnd));
    // BS_OWNERDRAW is a button type, not a bit of its own: replace the type.
    UINT nStyle = GetButtonStyle() & ~static_cast<UINT>(BS_TYPEMASK);
    SetButtonStyle(nStyle | BS_OWNERDRAW, FALSE);
}

void CMyBitmapButton::Redraw()
{
    if (::IsWindow(m_hWnd))
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

int CMyBitmapButton::Attach(UINT nID, CWnd* pParent, int nBitmapID)
{
    if (pParent == nullptr || !SubclassDlgItem(nID, pParent))
        return 0;
    m_nFaceType = FACE_BITMAP;
    AddOwnerDraw();
    SetBitmap(nBitmapID != 0 ? nBitmapID : static_cast<int>(nID));
    return 1;
}

int CMyBitmapButton::AttachRadioTextType(UINT nID, CWnd* pParent)
{
    if (pParent == nullptr || !SubclassDlgItem(nID, pParent))
        return 0;
    m_nFaceType = FACE_RADIO_TEXT;
    AddOwnerDraw();
    Redraw();
    return 1;
}

int CMyBitmapButton::SetBitmap(int nBitmapID)
{
    if (nBitmapID < 1)
        return 0;
    m_nFaceType = FACE_BITMAP;
    if (::IsWindow(m_hWnd))
        AddOwnerDraw();
    m_bitmap.DeleteObject();
    m_nBitmapID = nBitmapID;
    // A bitmap the program lacks leaves a face of text alone.
    m_bitmap.LoadBitmap(static_cast<UINT>(nBitmapID));
    Redraw();
    return 1;
}

void CMyBitmapButton::SetIconID(int nIconID)
{
    if (nIconID < 1)
        return;
    m_nIconID = nIconID;
    if (::IsWindow(m_hWnd))
        AddOwnerDraw();
    m_nFaceType = FACE_ICON;
    m_hIcon = AfxGetApp() != nullptr ? AfxGetApp()->LoadIcon(static_cast<UINT>(nIconID)) : nullptr;
    Redraw();
}

void CMyBitmapButton::SetFlashIconID(int nIconID, int nIconID2)
{
    ASSERT(nIconID >= 1);
    if (nIconID < 1)
        return;
    CWinApp* pApp = AfxGetApp();
    m_hIcon = pApp != nullptr ? pApp->LoadIcon(static_cast<UINT>(nIconID)) : nullptr;
    m_nFaceType = FACE_FLASH_ICON;
    if (nIconID2 > 0)
    {
        m_hIcon2 = pApp != nullptr ? pApp->LoadIcon(static_cast<UINT>(nIconID2)) : nullptr;
        m_nFaceType = FACE_FLASH_ICONS;
    }
    Redraw();
}

void CMyBitmapButton::SetSingleTextType(int nSingle)
{
    if (nSingle == 1)
    {
        m_nFaceType = FACE_BITMAP;
        m_nSingleText = 1;
    }
    else
    {
        m_nFaceType = FACE_SINGLE_TEXT;
    }
    if (::IsWindow(m_hWnd))
        AddOwnerDraw();
    Redraw();
}

void CMyBitmapButton::SetFilledRectColor(COLORREF crFill)
{
    m_crFill = crFill;
}

void CMyBitmapButton::SetRectangle(int nRectangle)
{
    m_nRectangle = nRectangle;
}

BOOL CMyBitmapButton::OnEraseBkgnd(CDC* /*pDC*/)
{
    // DrawItem paints every pixel of the face; erasing first would flicker.
    return TRUE;
}

void CMyBitmapButton::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

void CMyBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct == nullptr || lpDrawItemStruct->hDC == nullptr)
        return;
    wchar_t szText[kMaxFaceText + 1] = L"";
    ::GetWindowTextW(lpDrawItemStruct->hwndItem, szText, kMaxFaceText + 1);
    CString strText(szText);
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect(lpDrawItemStruct->rcItem);
    const UINT nState = lpDrawItemStruct->itemState;
    const bool bFocus = (nState & ODS_FOCUS) != 0 || m_nFocus == 1;
    const bool bBitmapFace = m_nFaceType == FACE_BITMAP;
    CRect focusRect = rect;
    focusRect.DeflateRect(kFocusInset, kFocusInset);

    if (m_nRectangle == 1)
        DrawFilledRect(pDC, rect, m_crFill);
    if (bBitmapFace)
        DrawFrame(pDC, rect, kRaisedFaceLevels);
    DrawButtonText(pDC, rect, strText, m_crText, 0);

    if (bFocus)
    {
        if (bBitmapFace)
            pDC->DrawFocusRect(&focusRect);
        DrawButtonText(pDC, rect, strText, m_crText, 0);
        if (nState & ODS_SELECTED)
        {
            if (bBitmapFace)
                DrawFrame(pDC, rect, kPressedFrameLevel);
            DrawButtonText(pDC, rect, strText, kPressedText, 1);
            if (bBitmapFace)
                pDC->DrawFocusRect(&focusRect);
        }
    }
    if ((nState & ODS_DISABLED) && !bFocus)
        DrawButtonText(pDC, rect, strText, kDisabledText, 0);
}
