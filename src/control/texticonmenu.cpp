// CTextIconMenu: the items, hit testing and the forwarded mouse messages.
#include "control/texticonmenu.h"

#include "control/ownercheck.h"

CTextIconMenu::CTextIconMenu()
{
    for (CdMenuItem& item : m_item)
    {
        item.nID = 0;
        item.nEnabled = 1;
    }
}

CTextIconMenu::~CTextIconMenu()
{
    m_font.DeleteObject();
}

CWnd* CTextIconMenu::GetOwner() const
{
    return m_hOwner != nullptr && ::IsWindow(m_hOwner) ? CWnd::FromHandle(m_hOwner) : nullptr;
}

const CTextIconMenu::CdMenuItem* CTextIconMenu::GetItem(int nItem) const
{
    return nItem >= 0 && nItem < m_nItem ? &m_item[nItem] : nullptr;
}

void CTextIconMenu::SetMenuID(long nMenuID)
{
    m_nMenuID = nMenuID;
    m_strTitle.Empty();
    m_strTitle.LoadString(static_cast<UINT>(nMenuID));
    PrepareMenu();
}

void CTextIconMenu::PrepareMenu()
{
    // The program's menu, in the current resource context.
    CMenu menu;
    if (!menu.LoadMenu(static_cast<UINT>(m_nMenuID)))
        return;
    CMenu* pSubMenu = menu.GetSubMenu(0);
    if (pSubMenu == nullptr)
        return;
    FillItems(pSubMenu->m_hMenu);
}

void CTextIconMenu::FillItems(HMENU hSubMenu)
{
    if (!CheckMenuHandle(hSubMenu))
        return;
    const int nCount = ::GetMenuItemCount(hSubMenu);
    ASSERT(nCount <= MAX_ITEMS);
    const int nTaken = nCount < 0 ? 0 : (nCount > MAX_ITEMS ? MAX_ITEMS : nCount);
    for (int i = 0; i < nTaken; ++i)
    {
        CdMenuItem& item = m_item[i];
        const int nLength = ::GetMenuStringW(hSubMenu, i, nullptr, 0, MF_BYPOSITION);
        item.strText.Empty();
        if (nLength > 0)
        {
            wchar_t* pBuffer = item.strText.GetBuffer(nLength + 1);
            ::GetMenuStringW(hSubMenu, i, pBuffer, nLength + 1, MF_BYPOSITION);
            item.strText.ReleaseBuffer();
        }
        item.nID = ::GetMenuItemID(hSubMenu, i);
        // Items greyed in the resource start disabled, as in a pull-down menu.
        const UINT nState = ::GetMenuState(hSubMenu, i, MF_BYPOSITION);
        item.nEnabled = (nState & (MF_GRAYED | MF_DISABLED)) ? 0 : 1;
        item.rect.SetRectEmpty();
    }
    m_nItem = nTaken;
    m_nPressed = -1;
    m_nHover = -1;
}

int CTextIconMenu::Hit(CPoint point) const
{
    for (int i = 0; i < m_nItem; ++i)
        if (m_item[i].rect.PtInRect(point))
            return i;
    return -1;
}

void CTextIconMenu::EnableMenu(int nID, int nEnable)
{
    for (int i = 0; i < m_nItem; ++i)
    {
        if (m_item[i].nID != static_cast<UINT>(nID))
            continue;
        m_item[i].nEnabled = nEnable;
        RedrawItem(i, 0);
        return;
    }
}

int CTextIconMenu::GetMaxRight(int n) const
{
    int nRight = 0;
    for (int i = 0; i < n && i < m_nItem; ++i)
        if (i == 0 || m_item[i].rect.right > nRight)
            nRight = m_item[i].rect.right;
    return nRight;
}

void CTextIconMenu::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    const int nHit = Hit(point);
    if (nHit == m_nHover)
        return;
    const int nPrevious = m_nHover;
    m_nHover = nHit;
    if (nPrevious >= 0 && nPrevious != m_nPressed)
        RedrawItem(nPrevious, 0);
    if (nHit >= 0 && nHit != m_nPressed)
        RedrawItem(nHit, 0);
}

void CTextIconMenu::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    const int nHit = Hit(point);
    if (nHit < 0 || !m_item[nHit].nEnabled)
        return;
    m_nPressed = nHit;
    RedrawItem(nHit, 1);
}

void CTextIconMenu::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    const int nPressed = m_nPressed;
    if (nPressed < 0)
        return;
    m_nPressed = -1;
    RedrawItem(nPressed, 0);
    if (Hit(point) != nPressed || m_hOwner == nullptr || !::IsWindow(m_hOwner))
        return;
    m_nLastID = static_cast<int>(m_item[nPressed].nID);
    // The owner may rebuild the panel while it handles the command.
    ::SendMessageW(m_hOwner, WM_COMMAND, m_item[nPressed].nID, 0);
}
