#include "control/loadicon.h"

#include "control/hosticon.h"

namespace
{

// Buttons show an icon through BM_SETIMAGE, static controls through STM_SETICON.
void SetItemIcon(HWND hItem, HICON hIcon)
{
    wchar_t szClass[16] = L"";
    ::GetClassNameW(hItem, szClass, 16);
    if (::lstrcmpiW(szClass, L"Button") == 0)
        ::SendMessageW(hItem, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon));
    else
        ::SendMessageW(hItem, STM_SETICON, reinterpret_cast<WPARAM>(hIcon), 0);
}

}   // namespace

void CLoadIcon::SetIconMap(CdIconMap* pIconMap, int nCount)
{
    m_pIconMap = pIconMap;
    m_nCount = nCount;
}

void CLoadIcon::SetIcons(CWnd* pWnd)
{
    HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
    ASSERT(hWnd != nullptr);
    if (hWnd == nullptr || m_pIconMap == nullptr || m_nCount <= 0)
        return;
    for (int i = 0; i < m_nCount; ++i)
    {
        const CdIconMap& entry = m_pIconMap[i];
        HWND hItem = ::GetDlgItem(hWnd, static_cast<int>(entry.nCtrlID));
        if (hItem == nullptr)
            continue;
        HICON hIcon = LoadHostIcon(entry.nIconID);
        if (hIcon == nullptr)
        {
            CString strMessage;
            strMessage.Format(L"Can not load Icon (ID = %d)", static_cast<int>(entry.nIconID));
            AfxMessageBox(strMessage);
            continue;
        }
        SetItemIcon(hItem, hIcon);
    }
}

void CLoadIcon::InitIcons(CWnd* pWnd, CdIconMap* pIconMap, int nCount)
{
    SetIconMap(pIconMap, nCount);
    SetIcons(pWnd);
}
