// CNewTreeListCtrl: a tree with columns on the system tree control. Each item
// owns a NewTreeItemInfo (through its lParam) whose one text holds the texts of
// all columns; the control paints the tree part in column 0 and the other
// columns itself, under a CNewHeaderCtrl that keeps the column layout.
#pragma once

#include <vector>

#include "afxcmn.h"
#include "qvapi.h"
#include "control/newheaderctrl.h"

// The record of one item, allocated by the control and freed by it.
struct QVCTRL_API NewTreeItemInfo
{
    NewTreeItemInfo();
    NewTreeItemInfo(const NewTreeItemInfo& other) = default;
    NewTreeItemInfo& operator=(const NewTreeItemInfo& other) = default;

    // Column c's text: the part after the c-th separator, before the next one;
    // empty when the text has fewer parts (or c is negative).
    CString GetColumnText(int nCol) const;
    // Replaces column c's part, or appends separators up to it and the text.
    // FALSE (nothing changed) for a negative column or one beyond kMaxColumn.
    BOOL SetColumnText(int nCol, LPCWSTR lpszText);

    static const int kMaxColumn = 4095;   // highest column index a text may hold

    CString m_strText;    // the texts of all columns, column 0 first
    DWORD m_dwData;       // the caller's value (GetItemData / SetItemData)
    char m_chSeparator;   // between column texts: NUL in this library
    int m_bBold;
    COLORREF m_crText;
};

class QVCTRL_API CNewTreeListCtrl : public CTreeCtrl
{
    DECLARE_DYNAMIC(CNewTreeListCtrl)
public:
    CNewTreeListCtrl() = default;
    ~CNewTreeListCtrl() override;

    // ---- columns (kept by the header) ----
    // nFormat: 1 right, 2 centre, else left; nWidth -1 leaves the width unset.
    // The header's index of the new column, -1 when there is no header.
    int InsertColumn(int nCol, LPCWSTR lpszText, int nFormat, int nWidth, int nSubItem = -1);
    int GetColumnsNum() const { return m_nColumns; }
    int GetColumnsWidth() const { return m_nColumnsWidth; }
    int GetColumnWidth(int nCol) const;
    // 1 right, 2 centre, 0 left.
    int GetColumnAlign(int nCol) const;
    void RecalcColumnsWidth();

    // ---- items ----
    int GetItemCount() const { return m_nItems; }
    HTREEITEM InsertItem(LPCWSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCWSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    // lParam becomes the record's user data; the tree item keeps the record.
    HTREEITEM InsertItem(UINT nMask, LPCWSTR lpszItem, int nImage, int nSelectedImage, UINT nState, UINT nStateMask,
                         LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
    // Column texts; 0 for an item without a record or a column out of range.
    BOOL SetItemText(HTREEITEM hItem, int nCol, LPCWSTR lpszText);
    CString GetItemText(HTREEITEM hItem, int nCol) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD dwData);
    DWORD GetItemData(HTREEITEM hItem) const;
    BOOL SetItemColor(HTREEITEM hItem, COLORREF crText, BOOL bRepaint);
    BOOL SetItemBold(HTREEITEM hItem, BOOL bBold, BOOL bRepaint);
    // The record of an item, null for one inserted through the base class.
    NewTreeItemInfo* GetItemInfo(HTREEITEM hItem) const;

    // Copies a childless item (fields and record) under hNewParent; 0 for an
    // item with children or without a record. MoveItem deletes the original.
    HTREEITEM CopyItem(HTREEITEM hItem, HTREEITEM hNewParent, HTREEITEM hAfter = TVI_LAST);
    HTREEITEM MoveItem(HTREEITEM hItem, HTREEITEM hNewParent, HTREEITEM hAfter = TVI_LAST);
    BOOL DeleteItem(HTREEITEM hItem);
    BOOL DeleteItem(int nIndex);
    BOOL DeleteAllItems();
    // Frees the records of hItem, its following siblings and all their children.
    void MemDeleteAllItems(HTREEITEM hItem);
    void MemDeleteAllItems() {}

    // Root items by position, and back.
    HTREEITEM GetTreeItem(int nIndex) const;
    int GetListItem(HTREEITEM hItem) const;

    // ---- sorting ----
    BOOL SortItems(int nCol, BOOL bAscending, HTREEITEM hParent);
    // Orders two records by one column, numbers inside the texts by value.
    static int CALLBACK CompareFunc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    static int ATOI(const CString& strNumber);

    // ---- geometry and notifications ----
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const { return CTreeCtrl::HitTest(pt, pFlags); }
    CSize GetSize() const;
    LRESULT SendNotify(int nCode);
    LRESULT SendNMClick();
    // Ask the host window (when the parent is one) to fit its scroll bar.
    void ResetScrollBar();
    void ResetVertScrollBar();

    // ---- painting ----
    void DrawBack(CDC* pDC, COLORREF crBack);
    void DrawItemText(CDC* pDC, CString strText, CRect rect, int nWidth, int nAlign);
    virtual void OnDraw(CDC* pDC);

    CNewHeaderCtrl m_wndHeader;   // the columns; created by the host window
    CImageList m_imgHeader;       // the header's sort marks
    int m_nOffset = 0;            // horizontal offset of the content (0 or negative)

protected:
    afx_msg void OnPaint();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnDestroy();
    // Every deletion, also through the base class or a bare message, frees the
    // records of the deleted items first.
    afx_msg LRESULT OnDeleteItemMessage(WPARAM wParam, LPARAM lParam);
    // Counts the messages the tree is working on: a deletion asked for while it
    // is inside one (a parent answering a notification) waits until it is done.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    struct ColumnCell
    {
        int nLeft;   // in client coordinates, the offset applied
        int nWidth;
        int nAlign;
    };

    HTREEITEM InsertWithInfo(TVINSERTSTRUCT& insert, NewTreeItemInfo* pInfo);
    BOOL StoreInfo(HTREEITEM hItem, NewTreeItemInfo* pInfo);
    // Frees the record of hItem and of everything below it; the number freed.
    int FreeSubtree(HTREEITEM hItem);
    // Deletes the tree item (TVI_ROOT: all), or queues it while the tree is busy.
    BOOL DeleteTreeItem(HTREEITEM hItem);
    void RunPendingDeletions();
    int FreeInfo(HTREEITEM hItem);
    bool IsRightOfFirstColumn(CPoint point) const;
    std::vector<ColumnCell> CollectColumns(int nClientWidth) const;
    void DrawTreePart(CDC* pDC, const CRect& rcClient, int nFirstWidth);
    void DrawRow(CDC* pDC, HTREEITEM hItem, const std::vector<ColumnCell>& cells, int nClientWidth, CFont* pBold);

    int m_nColumns = 0;
    int m_nColumnsWidth = 0;
    int m_nItems = 0;
    int m_nTreeDepth = 0;                        // messages being processed, nested
    std::vector<HTREEITEM> m_pendingDeletions;   // asked for while the tree was busy
};
