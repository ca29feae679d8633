// CListCtrl: a thin wrapper of the "SysListView32" control. An owner-drawn
// report (LVS_OWNERDRAWFIXED) paints its rows in DrawItem, CWnd's virtual
// function that the parent's WM_DRAWITEM reaches through reflection.
#pragma once

#include "afxwin.h"
#include "afxtempl.h"
#include "cmnimagelist.h"
#include "cmnheader.h"

class CEdit;

class CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- columns ----
    int InsertColumn(int nCol, const LVCOLUMN* pColumn)
    {
        return Send(LVM_INSERTCOLUMN, nCol, reinterpret_cast<LPARAM>(pColumn));
    }
    // nWidth -1 and nSubItem -1 leave those members unset.
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol) { return Send(LVM_DELETECOLUMN, nCol, 0); }
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const
    {
        return Send(LVM_GETCOLUMN, nCol, reinterpret_cast<LPARAM>(pColumn));
    }
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn)
    {
        return Send(LVM_SETCOLUMN, nCol, reinterpret_cast<LPARAM>(pColumn));
    }
    int GetColumnWidth(int nCol) const { return Send(LVM_GETCOLUMNWIDTH, nCol, 0); }
    BOOL SetColumnWidth(int nCol, int cx) { return Send(LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0)); }
    BOOL GetColumnOrderArray(LPINT piArray, int iCount = -1) const;
    BOOL SetColumnOrderArray(int iCount, LPINT piArray)
    {
        return Send(LVM_SETCOLUMNORDERARRAY, iCount, reinterpret_cast<LPARAM>(piArray));
    }
    // The header of a report view (a temporary wrapper unless one was attached).
    CHeaderCtrl* GetHeaderCtrl() const;

    // ---- items ----
    // Each InsertItem returns the index of the new item, or -1.
    int InsertItem(const LVITEM* pItem) { return Send(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(pItem)); }
    int InsertItem(int nItem, LPCTSTR lpszItem) { return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0); }
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
    {
        return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
    }
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem) { return Send(LVM_DELETEITEM, nItem, 0); }
    BOOL DeleteAllItems() { return Send(LVM_DELETEALLITEMS, 0, 0); }
    int GetItemCount() const { return Send(LVM_GETITEMCOUNT, 0, 0); }
    void SetItemCount(int nItems) { ::SendMessage(m_hWnd, LVM_SETITEMCOUNT, nItems, 0); }
    BOOL GetItem(LVITEM* pItem) const { return Send(LVM_GETITEM, 0, reinterpret_cast<LPARAM>(pItem)); }
    BOOL SetItem(const LVITEM* pItem) { return Send(LVM_SETITEM, 0, reinterpret_cast<LPARAM>(pItem)); }
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState, UINT nStateMask,
                 LPARAM lParam);

    // The whole text, however long; empty for an item that does not exist.
    CString GetItemText(int nItem, int nSubItem) const;
    // Into a buffer of nLen characters; the number copied.
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData)
    {
        return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, static_cast<LPARAM>(dwData));
    }
    UINT GetItemState(int nItem, UINT nMask) const
    {
        return static_cast<UINT>(::SendMessage(m_hWnd, LVM_GETITEMSTATE, nItem, nMask));
    }
    // nItem -1 changes every item.
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    BOOL SetItemState(int nItem, LVITEM* pItem)
    {
        return Send(LVM_SETITEMSTATE, nItem, reinterpret_cast<LPARAM>(pItem));
    }
    UINT GetCallbackMask() const { return static_cast<UINT>(::SendMessage(m_hWnd, LVM_GETCALLBACKMASK, 0, 0)); }
    BOOL SetCallbackMask(UINT nMask) { return Send(LVM_SETCALLBACKMASK, nMask, 0); }

    // ---- selection and search ----
    // The next item after nItem (-1: from the start) with the LVNI_* flags, or -1.
    int GetNextItem(int nItem, int nFlags) const { return Send(LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0)); }
    // Walks the selected items: null when there is none.
    POSITION GetFirstSelectedItemPosition() const;
    // The selected item at pos; pos moves on, to null after the last one.
    int GetNextSelectedItem(POSITION& pos) const;
    UINT GetSelectedCount() const { return static_cast<UINT>(::SendMessage(m_hWnd, LVM_GETSELECTEDCOUNT, 0, 0)); }
    int GetSelectionMark() const { return Send(LVM_GETSELECTIONMARK, 0, 0); }
    int SetSelectionMark(int iIndex) { return Send(LVM_SETSELECTIONMARK, 0, iIndex); }
    int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const
    {
        return Send(LVM_FINDITEM, nStart, reinterpret_cast<LPARAM>(pFindInfo));
    }

    // ---- geometry ----
    BOOL EnsureVisible(int nItem, BOOL bPartialOK) { return Send(LVM_ENSUREVISIBLE, nItem, bPartialOK); }
    // nCode: LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL or LVIR_SELECTBOUNDS.
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    BOOL GetItemPosition(int nItem, LPPOINT lpPoint) const
    {
        return Send(LVM_GETITEMPOSITION, nItem, reinterpret_cast<LPARAM>(lpPoint));
    }
    BOOL GetViewRect(LPRECT lpRect) const { return Send(LVM_GETVIEWRECT, 0, reinterpret_cast<LPARAM>(lpRect)); }
    BOOL GetOrigin(LPPOINT lpPoint) const { return Send(LVM_GETORIGIN, 0, reinterpret_cast<LPARAM>(lpPoint)); }
    int GetStringWidth(LPCTSTR lpsz) const { return Send(LVM_GETSTRINGWIDTH, 0, reinterpret_cast<LPARAM>(lpsz)); }
    int HitTest(LVHITTESTINFO* pHitTestInfo) const
    {
        return Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo));
    }
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int SubItemHitTest(LPLVHITTESTINFO pInfo) { return Send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(pInfo)); }
    int GetTopIndex() const { return Send(LVM_GETTOPINDEX, 0, 0); }
    int GetCountPerPage() const { return Send(LVM_GETCOUNTPERPAGE, 0, 0); }
    BOOL Scroll(CSize size) { return Send(LVM_SCROLL, size.cx, size.cy); }
    BOOL RedrawItems(int nFirst, int nLast) { return Send(LVM_REDRAWITEMS, nFirst, nLast); }
    BOOL Update(int nItem) { return Send(LVM_UPDATE, nItem, 0); }
    BOOL Arrange(UINT nCode) { return Send(LVM_ARRANGE, nCode, 0); }

    // ---- look ----
    DWORD GetExtendedStyle() const
    {
        return static_cast<DWORD>(::SendMessage(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    }
    // The previous extended style.
    DWORD SetExtendedStyle(DWORD dwNewStyle)
    {
        return static_cast<DWORD>(::SendMessage(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
    }
    // nImageList: LVSIL_NORMAL, LVSIL_SMALL or LVSIL_STATE. The wrapper of
    // the previous (or current) list, temporary unless this module has one.
    CImageList* SetImageList(CImageList* pImageList, int nImageList)
    {
        return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(::SendMessage(
            m_hWnd, LVM_SETIMAGELIST, nImageList, reinterpret_cast<LPARAM>(AfxImageListHandleOf(pImageList)))));
    }
    CImageList* GetImageList(int nImageList) const
    {
        return CImageList::FromHandle(
            reinterpret_cast<HIMAGELIST>(::SendMessage(m_hWnd, LVM_GETIMAGELIST, nImageList, 0)));
    }
    COLORREF GetBkColor() const { return static_cast<COLORREF>(::SendMessage(m_hWnd, LVM_GETBKCOLOR, 0, 0)); }
    BOOL SetBkColor(COLORREF cr) { return Send(LVM_SETBKCOLOR, 0, cr); }
    COLORREF GetTextColor() const { return static_cast<COLORREF>(::SendMessage(m_hWnd, LVM_GETTEXTCOLOR, 0, 0)); }
    BOOL SetTextColor(COLORREF cr) { return Send(LVM_SETTEXTCOLOR, 0, cr); }
    COLORREF GetTextBkColor() const { return static_cast<COLORREF>(::SendMessage(m_hWnd, LVM_GETTEXTBKCOLOR, 0, 0)); }
    BOOL SetTextBkColor(COLORREF cr) { return Send(LVM_SETTEXTBKCOLOR, 0, cr); }

    // ---- editing, sorting, dragging ----
    CEdit* EditLabel(int nItem);
    CEdit* GetEditControl() const;
    // pfnCompare(lParam1, lParam2, dwData) gets the items' data values.
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
    {
        return Send(LVM_SORTITEMS, dwData, reinterpret_cast<LPARAM>(pfnCompare));
    }
    // A new image list that the caller deletes, or null.
    CImageList* CreateDragImage(int nItem, LPPOINT lpPoint);
};
