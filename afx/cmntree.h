// CTreeCtrl: a thin wrapper of the "SysTreeView32" control.
#pragma once

#include "afxwin.h"
#include "cmnimagelist.h"

class CEdit;

class CTreeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- inserting and deleting ----
    // Each InsertItem returns the new item, or null.
    HTREEITEM InsertItem(LPTVINSERTSTRUCT lpInsertStruct)
    {
        return reinterpret_cast<HTREEITEM>(
            ::SendMessage(m_hWnd, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(lpInsertStruct)));
    }
    HTREEITEM InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState, UINT nStateMask,
                         LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
    HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST)
    {
        return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
    }
    HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST)
    {
        return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0, 0,
                          hParent, hInsertAfter);
    }
    // Deletes the item and its children.
    BOOL DeleteItem(HTREEITEM hItem) { return Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(hItem)); }
    BOOL DeleteAllItems() { return Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }

    // ---- item attributes ----
    BOOL GetItem(TVITEM* pItem) const { return Send(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(pItem)); }
    BOOL SetItem(TVITEM* pItem) { return Send(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(pItem)); }
    BOOL SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    // The whole text, however long; empty for a null item.
    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem) { return SetItem(hItem, TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0); }
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
    {
        return SetItem(hItem, TVIF_PARAM, nullptr, 0, 0, 0, 0, static_cast<LPARAM>(dwData));
    }
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const
    {
        return static_cast<UINT>(::SendMessage(m_hWnd, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(hItem), nStateMask));
    }
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
    {
        return SetItem(hItem, TVIF_STATE, nullptr, 0, 0, nState, nStateMask, 0);
    }
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage)
    {
        return SetItem(hItem, TVIF_IMAGE | TVIF_SELECTEDIMAGE, nullptr, nImage, nSelectedImage, 0, 0, 0);
    }
    // Whether the item has (or says it has) children.
    BOOL ItemHasChildren(HTREEITEM hItem) const;

    // ---- navigation ----
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const
    {
        return reinterpret_cast<HTREEITEM>(
            ::SendMessage(m_hWnd, TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
    }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUS); }
    HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
    HTREEITEM GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXTVISIBLE); }
    HTREEITEM GetPrevVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUSVISIBLE); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    HTREEITEM GetDropHilightItem() const { return GetNextItem(nullptr, TVGN_DROPHILITE); }

    // ---- selection and expansion ----
    // nCode: TVGN_CARET, TVGN_DROPHILITE or TVGN_FIRSTVISIBLE.
    BOOL Select(HTREEITEM hItem, UINT nCode) { return Send(TVM_SELECTITEM, nCode, reinterpret_cast<LPARAM>(hItem)); }
    BOOL SelectItem(HTREEITEM hItem) { return Select(hItem, TVGN_CARET); }
    BOOL SelectDropTarget(HTREEITEM hItem) { return Select(hItem, TVGN_DROPHILITE); }
    BOOL SelectSetFirstVisible(HTREEITEM hItem) { return Select(hItem, TVGN_FIRSTVISIBLE); }
    // nCode: TVE_EXPAND, TVE_COLLAPSE or TVE_TOGGLE.
    BOOL Expand(HTREEITEM hItem, UINT nCode) { return Send(TVM_EXPAND, nCode, reinterpret_cast<LPARAM>(hItem)); }
    BOOL EnsureVisible(HTREEITEM hItem) { return Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(hItem)); }

    // ---- counts and geometry ----
    UINT GetCount() const { return static_cast<UINT>(::SendMessage(m_hWnd, TVM_GETCOUNT, 0, 0)); }
    UINT GetVisibleCount() const { return static_cast<UINT>(::SendMessage(m_hWnd, TVM_GETVISIBLECOUNT, 0, 0)); }
    UINT GetIndent() const { return static_cast<UINT>(::SendMessage(m_hWnd, TVM_GETINDENT, 0, 0)); }
    void SetIndent(UINT nIndent) { ::SendMessage(m_hWnd, TVM_SETINDENT, nIndent, 0); }
    SHORT GetItemHeight() const { return static_cast<SHORT>(::SendMessage(m_hWnd, TVM_GETITEMHEIGHT, 0, 0)); }
    // The previous height.
    SHORT SetItemHeight(SHORT cyHeight)
    {
        return static_cast<SHORT>(::SendMessage(m_hWnd, TVM_SETITEMHEIGHT, cyHeight, 0));
    }
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;
    HTREEITEM HitTest(TVHITTESTINFO* pHitTestInfo) const
    {
        return reinterpret_cast<HTREEITEM>(
            ::SendMessage(m_hWnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
    }
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const;

    // ---- sorting ----
    BOOL SortChildren(HTREEITEM hItem) { return Send(TVM_SORTCHILDREN, 0, reinterpret_cast<LPARAM>(hItem)); }
    BOOL SortChildrenCB(LPTVSORTCB pSort) { return Send(TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(pSort)); }

    // ---- editing and dragging ----
    CEdit* EditLabel(HTREEITEM hItem);
    CEdit* GetEditControl() const;
    // A new image list that the caller deletes, or null.
    CImageList* CreateDragImage(HTREEITEM hItem);
    BOOL SetInsertMark(HTREEITEM hItem, BOOL fAfter = TRUE)
    {
        return Send(TVM_SETINSERTMARK, fAfter, reinterpret_cast<LPARAM>(hItem));
    }

    // ---- look ----
    // nImageList: TVSIL_NORMAL or TVSIL_STATE. The wrapper of the previous
    // (or current) list, temporary unless this module has one.
    CImageList* SetImageList(CImageList* pImageList, int nImageList)
    {
        return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(::SendMessage(
            m_hWnd, TVM_SETIMAGELIST, nImageList, reinterpret_cast<LPARAM>(AfxImageListHandleOf(pImageList)))));
    }
    CImageList* GetImageList(int nImageList) const
    {
        return CImageList::FromHandle(
            reinterpret_cast<HIMAGELIST>(::SendMessage(m_hWnd, TVM_GETIMAGELIST, nImageList, 0)));
    }
    // Each setter returns the previous colour.
    COLORREF GetBkColor() const { return static_cast<COLORREF>(::SendMessage(m_hWnd, TVM_GETBKCOLOR, 0, 0)); }
    COLORREF SetBkColor(COLORREF clr) { return static_cast<COLORREF>(::SendMessage(m_hWnd, TVM_SETBKCOLOR, 0, clr)); }
    COLORREF GetTextColor() const { return static_cast<COLORREF>(::SendMessage(m_hWnd, TVM_GETTEXTCOLOR, 0, 0)); }
    COLORREF SetTextColor(COLORREF clr)
    {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, TVM_SETTEXTCOLOR, 0, clr));
    }
    COLORREF GetLineColor() const { return static_cast<COLORREF>(::SendMessage(m_hWnd, TVM_GETLINECOLOR, 0, 0)); }
    COLORREF SetLineColor(COLORREF clrNew = CLR_DEFAULT)
    {
        return static_cast<COLORREF>(::SendMessage(m_hWnd, TVM_SETLINECOLOR, 0, clrNew));
    }
};
