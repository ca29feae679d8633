// CTreeListCtrl: the framework class of the "TreeList" window. It keeps nothing of
// its own: every operation is one message to the window (or an inherited tree-control
// operation) with the arguments packed as the window expects. Rows can also be
// addressed by number, as in a list control ("List" operations; new rows are roots).
#pragma once

#include "afxcmn.h"
#include "control/treelist.h"
#include "qvapi.h"

class QVCTRL_API CTreeListCtrl : public CTreeCtrl
{
    DECLARE_DYNAMIC(CTreeListCtrl)
public:
    CTreeListCtrl() = default;
    ~CTreeListCtrl() override = default;

    // Registers the "TreeList" class (once per process) and creates the window.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- per-item user data ----
    // The item's user-data area, or null when the size is 0 or there is no item.
    void* GetUserData(HTREEITEM hItem) const;
    int GetUserDataSize() const;
    // Only while the tree is empty (the size is part of every item record).
    BOOL SetUserDataSize(int nSize);

    // ---- columns ----
    BOOL GetColumn(int nCol, LVCOLUMNW* pColumn) const;
    BOOL SetColumn(int nCol, const LVCOLUMNW* pColumn);
    // The new column's index, or -1.
    int InsertColumn(int nCol, const LVCOLUMNW* pColumn);
    // A null text, a negative format or a negative width leaves that field out
    // (without a width the column shares the free width with other such columns).
    int InsertColumn(int nCol, LPCWSTR lpszText, int nFormat = LVCFMT_LEFT, int nWidth = -1);
    BOOL DeleteColumn(int nCol);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);
    CHeaderCtrl* GetHeaderCtrl() const;

    // ---- sorting, rows, styles and colours ----
    BOOL SortChildren(HTREEITEM hItem, int bRecurse = FALSE);
    BOOL SortChildrenCB(LPTVSORTCB pSort, int bRecurse = FALSE);
    HTREEITEM GetItemOfRow(int nRow) const;
    int GetRowOfItem(HTREEITEM hItem) const;   // -1 when the item is not shown
    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD dwStyle);
    DWORD SetExtendedStyle(DWORD dwStyle, DWORD dwMask);
    // nIndex: a colour slot TLC_*; (COLORREF)-1 restores the default.
    COLORREF GetColor(int nIndex) const;
    COLORREF SetColor(int nIndex, COLORREF clr);
    // A cell's own colours; 0xFFFFFFFF means none (and removes one).
    COLORREF GetItemBkColor(HTREEITEM hItem, int nCol) const;
    COLORREF SetItemBkColor(HTREEITEM hItem, int nCol, COLORREF clr);
    COLORREF GetItemTextColor(HTREEITEM hItem, int nCol) const;
    COLORREF SetItemTextColor(HTREEITEM hItem, int nCol, COLORREF clr);

    // ---- selection, focus and view ----
    // 1 when the item was shown already, 0 when branches had to open, -1 for no item.
    int EnsureVisible(HTREEITEM hItem, int nCol);
    int EnsureVisible(HTREEITEM hItem);
    using CTreeCtrl::SelectDropTarget;
    BOOL SelectDropTarget(HTREEITEM hItem, int nCol);
    using CTreeCtrl::SelectItem;
    BOOL SelectItem(HTREEITEM hItem, int nCol);
    using CTreeCtrl::GetItemRect;
    // nCode: TVIR_CELL or TVIR_CELLTEXT for one cell, 0 or 1 for the row.
    BOOL GetItemRect(HTREEITEM hItem, int nCol, RECT* pRect, int nCode);
    HTREEITEM GetNextSelectedChild(HTREEITEM hItem);
    HTREEITEM GetNextSelected(HTREEITEM hItem);
    HTREEITEM GetFocus();
    int GetFocusColumn();
    int GetSelectionColumn();
    int GetDropHilightColumn();

    // ---- editing and dragging ----
    using CTreeCtrl::EditLabel;
    // The editor lives in the window; the pointers are temporary.
    CEdit* EditLabel(HTREEITEM hItem, int nCol, int bWide);
    CComboBox* EditLabelCb(HTREEITEM hItem, int nCol, int bWide, int bDropList);
    using CTreeCtrl::CreateDragImage;
    // A temporary wrapper of a new image list that the caller destroys.
    CImageList* CreateDragImage(HTREEITEM hItem, int nCol);

    // ---- items and cells (nCol 0 is the tree column) ----
    using CTreeCtrl::SetItem;
    BOOL SetItem(TVITEMW* pItem);
    BOOL SetItem(HTREEITEM hItem, int nCol, UINT nMask, LPCWSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    BOOL SetItemText(HTREEITEM hItem, LPCWSTR lpszItem, int nCol = 0);
    using CTreeCtrl::GetItemText;
    // The window's own text, valid until the item changes; null when the request fails.
    const wchar_t* GetItemText(HTREEITEM hItem, int nCol) const;
    // Copies at most nMax characters with the terminator; 0 at once when nMax < 1.
    int GetItemText(HTREEITEM hItem, wchar_t* pBuffer, int nMax, int nCol = 0) const;
    // The state as the window delivers it (all bits); 0 when the request fails.
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask, int nCol = 0) const;
    using CTreeCtrl::SetItemState;
    BOOL SetItemState(HTREEITEM hItem, int nCol, UINT nState, UINT nStateMask);

    // ---- the tree as a list of rows ----
    // Inserts a root item before the item at nRow (appends past the last row);
    // nImage < 0 and nState < 0 leave those fields out. The new item's row, or -1.
    int ListInsertItem(int nRow, LPCWSTR lpszItem, int nImage = -1, int nState = -1, int nStateMask = 0);
    BOOL ListSetItem(int nRow, int nCol, LPCWSTR lpszItem, int nImage = -1, int nState = -1, int nStateMask = 0);
    BOOL ListSetItem(int nRow, LPCWSTR lpszItem, int nImage = -1, int nState = -1, int nStateMask = 0);
    BOOL ListDeleteItem(int nRow);
    BOOL ListSetColor(int nRow, int nCol, COLORREF clrBack, COLORREF clrText);
    // Both colours 0xFFFFFFFF where the cell has none; both -1 and 0 for no row.
    BOOL ListGetColor(int nRow, int nCol, COLORREF& clrBack, COLORREF& clrText);

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
};
