// CHeaderCtrl members with more than one step.
#include "afxcmn.h"

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControl(ICC_LISTVIEW_CLASSES);
    return CWnd::Create(WC_HEADER, nullptr, dwStyle, rect, pParentWnd, nID);
}

CImageList* CHeaderCtrl::CreateDragImage(int nIndex)
{
    HIMAGELIST hImageList = reinterpret_cast<HIMAGELIST>(::SendMessage(m_hWnd, HDM_CREATEDRAGIMAGE, nIndex, 0));
    return AfxNewImageList(hImageList);
}

BOOL CHeaderCtrl::GetOrderArray(LPINT piArray, int iCount) const
{
    if (piArray == nullptr)
        return FALSE;
    if (iCount == -1)
        iCount = GetItemCount();
    if (iCount < 0)
        return FALSE;
    return Send(HDM_GETORDERARRAY, iCount, reinterpret_cast<LPARAM>(piArray));
}
