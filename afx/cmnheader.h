// CHeaderCtrl: a thin wrapper of the "SysHeader32" control. An owner-drawn
// header (items with HDF_OWNERDRAW) paints in DrawItem, CWnd's virtual
// function that the parent's WM_DRAWITEM reaches through reflection.
#pragma once

#include "afxwin.h"
#include "cmnimagelist.h"

class CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const { return Send(HDM_GETITEMCOUNT, 0, 0); }
    // pHeaderItem->mask says which members to read.
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const
    {
        return Send(HDM_GETITEM, nPos, reinterpret_cast<LPARAM>(pHeaderItem));
    }
    BOOL SetItem(int nPos, HDITEM* pHeaderItem)
    {
        return Send(HDM_SETITEM, nPos, reinterpret_cast<LPARAM>(pHeaderItem));
    }
    // The index of the new item, or -1.
    int InsertItem(int nPos, HDITEM* phdi) { return Send(HDM_INSERTITEM, nPos, reinterpret_cast<LPARAM>(phdi)); }
    BOOL DeleteItem(int nPos) { return Send(HDM_DELETEITEM, nPos, 0); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return Send(HDM_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect));
    }
    BOOL Layout(HDLAYOUT* pHeaderLayout) { return Send(HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(pHeaderLayout)); }
    int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo)
    {
        return Send(HDM_HITTEST, 0, reinterpret_cast<LPARAM>(pHeaderHitTestInfo));
    }

    // The wrapper of the previous (or current) list: the permanent one of
    // this module if there is one, else a temporary one; null for none.
    CImageList* SetImageList(CImageList* pImageList)
    {
        return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
            ::SendMessage(m_hWnd, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(AfxImageListHandleOf(pImageList)))));
    }
    CImageList* GetImageList() const
    {
        return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(::SendMessage(m_hWnd, HDM_GETIMAGELIST, 0, 0)));
    }
    // A new image list that the caller deletes, or null.
    CImageList* CreateDragImage(int nIndex);

    int OrderToIndex(int nOrder) const { return Send(HDM_ORDERTOINDEX, nOrder, 0); }
    // iCount -1 reads the whole order (GetItemCount() entries).
    BOOL GetOrderArray(LPINT piArray, int iCount = -1) const;
    BOOL SetOrderArray(int iCount, LPINT piArray)
    {
        return Send(HDM_SETORDERARRAY, iCount, reinterpret_cast<LPARAM>(piArray));
    }
    int SetHotDivider(CPoint pt) { return Send(HDM_SETHOTDIVIDER, TRUE, MAKELPARAM(pt.x, pt.y)); }
    int SetHotDivider(int nIndex) { return Send(HDM_SETHOTDIVIDER, FALSE, nIndex); }
};
