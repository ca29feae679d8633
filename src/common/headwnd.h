// CHeadWnd: the column header of the list grid. A plain child window that
// keeps its items in a doubly linked list, paints them itself, lets the user
// drag column borders and reports clicks (WM_NOTIFY) and widths (UM_HEADSIZE)
// to its parent. Items may span the full height, sit in the lower row, or be a
// group caption in the upper row over the lower-row items that follow it.
#pragma once

#include "afxwin.h"
#include "cmnimagelist.h"
#include "qvapi.h"

// Header -> parent: wParam item index (0 after an insertion),
// lParam MAKELONG(total width, height).
#define UM_HEADSIZE (WM_USER + 1000)

// Format bits of a header item.
#define HEADFMT_ALIGNMASK 3   // DT_LEFT 0, DT_CENTER 1, DT_RIGHT 2
#define HEADFMT_DIGIT 4       // a numeric column

// Level of a header item: 0 full height, 1 lower row, 2 or more a group
// caption whose value is the group's width in pixels.
#define HEADLEVEL_FULL 0
#define HEADLEVEL_LOWER 1
#define HEADLEVEL_GROUP 2

// The description of one header item that a caller hands to InsertItem.
struct CxHeadItem
{
    int nWidth;
    LPWSTR pszText;      // the header copies it
    int nFormat;         // HEADFMT_*
    int nLeft;           // computed by the header
    int nReserved;       // not used by the header
    int nMask;           // LVCF_* mask of the column it was made from
    int nLevel;          // HEADLEVEL_* or a group width
    COLORREF crColumn;   // column background of the grid's cells, 0 = none
};

// A stored item: the description, its links and its index.
struct CxHeadItemIndex : CxHeadItem
{
    CxHeadItemIndex* pNext;
    CxHeadItemIndex* pPrevious;
    int nIndex;
};

class QVCTRL_API CHeadWnd : public CWnd
{
    DECLARE_DYNAMIC(CHeadWnd)
private:
    // Owner drawing is not used: the header paints itself (DrawItem(CDC*, int)).
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

public:
    CHeadWnd();
    ~CHeadWnd() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual void SetHeight(int nRowHeight);

    // Items
    int InsertItem(int nIndex, const CxHeadItem& item);
    BOOL DeleteItem(int nIndex);
    CxHeadItemIndex* GetHeadParam(int nIndex);
    BOOL GetItem(int nIndex, HD_ITEM* pItem);
    BOOL SetItem(int nIndex, HD_ITEM* pItem);
    void SetItemText(int nIndex, const CString& strText);
    BOOL SetFormat(int nIndex, int nFormat);
    bool IsDigit(int nIndex);
    int GetItemCount() const { return m_nCount; }
    void Free();

    // Geometry
    int GetHeight() const { return m_nTotalHeight; }
    int GetRowHeight() const { return m_nRowHeight; }
    int GetWidth() const;
    long GetItemPos(int nIndex) const;
    long GetItemWidth(int nIndex) const;
    BOOL GetItemRect(int nIndex, RECT* pRect);
    int XToItem(int x) const;
    int HitTest(CPoint point) const;
    int IsEdge(CPoint point) const;

    // Look
    void SetBkColor(COLORREF crBack) { m_crBack = crBack; }
    void SetTextColor(COLORREF crText) { m_crText = crText; }
    COLORREF GetBkColor() const { return m_crBack; }
    COLORREF GetTextColor() const { return m_crText; }
    void SetOwnFont(int nOwnFont) { m_nOwnFont = nOwnFont; }
    void SetTotalHeight(int nTotalHeight) { m_nTotalHeight = nTotalHeight; }
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList();
    BOOL GetOrderArray(LPINT, int) { return FALSE; }
    BOOL SetOrderArray(int, LPINT) { return FALSE; }

    // Painting, also usable on any device context (printing, tests).
    void OnDraw(CDC* pDC);
    CRect ShownRect(const CRect& rcClient) const;
    void DrawItem(CDC* pDC, int nIndex);
    void DrawShade(CDC* pDC, CRect& rect);

    // Checks the item chain (a no-op where diagnostics are not compiled in).
    void AssertValid() const override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // Node list
    CxHeadItemIndex* NodeAt(int nIndex) const;
    CxHeadItemIndex* LastNode() const;
    static int LeftAfter(const CxHeadItemIndex* pNode);
    void ReportNewWidth(int nLeftOfNewItem);

    // Mouse
    void DragBorder(CPoint point);
    static CxHeadItemIndex* GroupOf(CxHeadItemIndex* pNode);
    static int GroupSpan(const CxHeadItemIndex* pGroup);
    LRESULT SendHeaderNotify(UINT nCode, int nItem, int nButton);
    LRESULT SendHeaderNotify(UINT nCode);

    // Painting
    CRect ItemRect(const CxHeadItemIndex* pNode) const;
    void DrawAuthor(CDC* pDC);

    int m_nRowHeight = 24;
    int m_nTotalHeight = 24;
    int m_nWindowWidth = 0;
    CxHeadItemIndex* m_pHead = nullptr;
    int m_nCount = 0;
    HCURSOR m_hNormalCursor = nullptr;
    HCURSOR m_hEdgeCursor = nullptr;
    int m_nOwnFont = 0;
    int m_nDragItem = 0;   // index + 1 of the item whose border is dragged, 0 = none
    CImageList* m_pImageList = nullptr;
    COLORREF m_crBack;
    COLORREF m_crText;
};
