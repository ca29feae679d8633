#include "control/bmpbutton.h"

namespace
{

// Child, visible, buddy text set to the position, right of the buddy, arrow
// keys, no thousands separators: 0x500000A6.
const DWORD kSpinStyle = WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;

bool IsPushButton(HWND hWnd)
{
    wchar_t szClass[16] = L"";
    ::GetClassNameW(hWnd, szClass, 16);
    if (::lstrcmpiW(szClass, L"Button") != 0)
        return false;
    const LONG nType = ::GetWindowLongW(hWnd, GWL_STYLE) & BS_TYPEMASK;
    return nType == BS_PUSHBUTTON || nType == BS_DEFPUSHBUTTON;
}

// The button's own image. The classic button control takes an image only
// with BS_BITMAP; the themed one takes it beside the text as it is.
void GiveImage(HWND hButton, HBITMAP hBitmap)
{
    const LPARAM image = reinterpret_cast<LPARAM>(hBitmap);
    ::SendMessageW(hButton, BM_SETIMAGE, IMAGE_BITMAP, image);
    if (::SendMessageW(hButton, BM_GETIMAGE, IMAGE_BITMAP, 0) == image)
        return;
    ::SetWindowLongW(hButton, GWL_STYLE, ::GetWindowLongW(hButton, GWL_STYLE) | BS_BITMAP);
    ::SendMessageW(hButton, BM_SETIMAGE, IMAGE_BITMAP, image);
}

}   // namespace

CBmpButton::CBmpButton()
{
    for (CdReplaceBmp& entry : m_replace)
        entry = CdReplaceBmp{0, 0, nullptr, nullptr};
}

CBmpButton::~CBmpButton()
{
    for (CSpinButtonCtrl& spin : m_spin)
        if (::IsWindow(spin.GetSafeHwnd()))
            spin.DestroyWindow();
}

CMyBitmapButton* CBmpButton::GetButton(int nSlot)
{
    return nSlot >= 0 && nSlot < MAX_BUTTONS ? &m_button[nSlot] : nullptr;
}

CSpinButtonCtrl* CBmpButton::GetSpin(int nSlot)
{
    return nSlot >= 0 && nSlot < MAX_BUTTONS ? &m_spin[nSlot] : nullptr;
}

int CBmpButton::CollectPushButtons(CWnd* pDlg, HWND* phButtons, int nMax)
{
    int nCount = 0;
    HWND hDlg = pDlg != nullptr ? pDlg->GetSafeHwnd() : nullptr;
    if (hDlg == nullptr)
        return 0;
    for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild != nullptr && nCount < nMax;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        if (IsPushButton(hChild))
            phButtons[nCount++] = hChild;
    return nCount;
}

int CBmpButton::FindReplaceRow(int nID) const
{
    for (int i = 0; i < MAX_BUTTONS; ++i)
        if (m_replace[i].nID != 0 && m_replace[i].nID == nID)
            return i;
    return -1;
}

int CBmpButton::BitmapIDFor(int nID) const
{
    const int nRow = FindReplaceRow(nID);
    return nRow >= 0 ? m_replace[nRow].nBitmapID : nID;
}

void CBmpButton::AttachBmp(CWnd* pDlg)
{
    ASSERT(pDlg != nullptr && ::IsWindow(pDlg->GetSafeHwnd()));
    m_pDlg = pDlg;
    HWND hButtons[MAX_BUTTONS] = {};
    const int nCount = CollectPushButtons(pDlg, hButtons, MAX_BUTTONS);
    int nSlot = 0;
    for (int i = 0; i < nCount; ++i)
    {
        while (nSlot < MAX_BUTTONS && m_button[nSlot].GetSafeHwnd() != nullptr)
            ++nSlot;
        if (nSlot == MAX_BUTTONS)
            return;
        const int nID = ::GetDlgCtrlID(hButtons[i]);
        CMyBitmapButton& button = m_button[nSlot];
        if (!button.Attach(static_cast<UINT>(nID), pDlg, BitmapIDFor(nID)))
            continue;
        const int nRow = FindReplaceRow(nID);
        if (nRow >= 0)
            m_replace[nRow].pButton = &button;
    }
}

void CBmpButton::ReplaceBmp(int nID, int nBitmapID)
{
    int nRow = FindReplaceRow(nID);
    for (int i = 0; nRow < 0 && i < MAX_BUTTONS; ++i)
        if (m_replace[i].nID == 0)
            nRow = i;
    if (nRow < 0 || nID == 0)
        return;
    m_replace[nRow].nID = nID;
    m_replace[nRow].nBitmapID = nBitmapID;
}

void CBmpButton::ReLoadBmp(int nID)
{
    for (CMyBitmapButton& button : m_button)
    {
        HWND hButton = button.GetSafeHwnd();
        if (hButton == nullptr || ::GetDlgCtrlID(hButton) != nID)
            continue;
        button.SetBitmap(BitmapIDFor(nID));
        return;
    }
}

int CBmpButton::Dressup(CWnd* pDlg)
{
    ASSERT(pDlg != nullptr && ::IsWindow(pDlg->GetSafeHwnd()));
    m_pDlg = pDlg;
    HWND hButtons[MAX_BUTTONS] = {};
    const int nCount = CollectPushButtons(pDlg, hButtons, MAX_BUTTONS);
    int nSlot = 0;
    for (int i = 0; i < nCount && nSlot < MAX_BUTTONS; ++i)
    {
        const int nID = ::GetDlgCtrlID(hButtons[i]);
        CBitmap& bitmap = m_bitmap[nSlot];
        bitmap.DeleteObject();
        if (!bitmap.LoadBitmap(static_cast<UINT>(BitmapIDFor(nID))))
            continue;
        GiveImage(hButtons[i], static_cast<HBITMAP>(bitmap.GetSafeHandle()));
        const int nRow = FindReplaceRow(nID);
        if (nRow >= 0)
            m_replace[nRow].pBitmap = &bitmap;
        ++nSlot;
    }
    return nSlot;
}

void CBmpButton::TouchSpin(CWnd* pEdit, int nLower, int nUpper)
{
    HWND hEdit = pEdit != nullptr ? pEdit->GetSafeHwnd() : nullptr;
    ASSERT(hEdit != nullptr);
    if (hEdit == nullptr)
        return;
    for (int nSlot = 0; nSlot < MAX_BUTTONS; ++nSlot)
    {
        CSpinButtonCtrl& spin = m_spin[nSlot];
        if (spin.GetSafeHwnd() != nullptr)
            continue;
        CWnd* pParent = CWnd::FromHandle(::GetParent(hEdit));
        if (!spin.Create(kSpinStyle, CRect(0, 0, 0, 0), pParent, SPIN_ID_BASE + nSlot))
            return;
        spin.SetBuddy(pEdit);
        spin.SetRange(static_cast<short>(nLower), static_cast<short>(nUpper));
        return;
    }
}
