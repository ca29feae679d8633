// CTreeList: the host window of CNewTreeListCtrl. It holds the tree, its header
// and a horizontal scroll bar; header clicks sort, the header and the tree
// scroll sideways together, and the tree's notifications go on to the host's
// parent with the host as their sender. Dialogs place it as a control of the
// class "VORNELTREELISTCTRL" and attach it with SubclassDlgItem.
#pragma once

#include "afxcmn.h"
#include "qvapi.h"
#include "control/newtreelistctrl.h"

// The children's control ids.
#define IDC_TREELIST_HEADER 0x151
#define IDC_TREELIST_TREE 0x175
#define IDC_TREELIST_SCROLL 0x179

class QVCTRL_API CTreeList : public CWnd
{
    DECLARE_DYNAMIC(CTreeList)
public:
    // What the tree reads from its parent to know that the parent is a host.
    static const DWORD kHostTag = 0x54515620;
    static const wchar_t kClassName[];

    CTreeList() = default;
    ~CTreeList() override;

    // Registers "VORNELTREELISTCTRL" once per process, before dialogs use it.
    static BOOL RegisterClass();
    // Attaches to the dialog's control and builds the children; 0 when attaching fails.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

    BOOL VerticalScrollVisible() const;
    BOOL HorizontalScrollVisible() const;
    // The next multiple of nUnit strictly above n.
    static int StretchWidth(int n, int nUnit);
    // Fits the scroll bar and the header to the current column widths.
    void ResetScrollBar();
    // Sorts the children of hItem and of each following sibling, all levels down.
    void SortTree(int nCol, BOOL bAscending, HTREEITEM hItem);

    HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    BOOL ItemHasChildren(HTREEITEM hItem) const;
    HTREEITEM GetSelectedItem();
    // Expands (or collapses, by nCode) the item's ancestors first, then the item.
    void Expand(HTREEITEM hItem, UINT nCode);
    virtual void ResizeAllControls();

    int m_nReserved = 0;
    DWORD m_dwHostTag = kHostTag;
    CNewTreeListCtrl m_wndTree;
    CScrollBar m_wndScroll;

protected:
    void Initialize();
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);

    DECLARE_MESSAGE_MAP()

private:
    void OnHeaderClick(int nCol);
    void OnHeaderWidthChanged();
    LRESULT PassToParent(const NMHDR* pNMHDR);
    int HeaderHeight() const;
    int HeaderWidth() const;
    void PlaceHeader(int x);
    void PlaceTree(bool bRoomForBar);
    // Shows and ranges the bar when the columns are wider than the tree; true when shown.
    bool FitScrollBar();
    void ScrollTo(int nPos);
};
