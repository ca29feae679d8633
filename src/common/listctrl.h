// CNewListCtrl: the owner-drawn list grid. A plain child window with the
// interface of the system list view (InsertItem, SetItemText, LVITEM,
// LVCOLUMN, ...) over its own row and cell store; its columns are the items
// of its CHeadWnd. It paints itself and scrolls in pixels, with vertical
// positions scaled down for the 16-bit scroll bar.
#pragma once

#include "afxwin.h"
#include "cmnimagelist.h"
#include "qvapi.h"
#include "common/headwnd.h"
#include "common/listrows.h"
#include "common/mycombobox.h"
#include "common/newedit.h"

// Parent -> grid: lParam a size; the grid enlarges its font, header and columns
// and shows two lines per row.
#define UM_ENLARGE (WM_USER + 80)

// Bits of LVITEM::mask as the grid reads them (its own meanings, not LVIF_*).
#define LISTMASK_TEXT 4
#define LISTMASK_STATE 8
#define LISTMASK_IMAGE 16

// Image-list slots of SetImageList.
#define LISTIMAGE_NORMAL 0
#define LISTIMAGE_SMALL 1
#define LISTIMAGE_STATE 2
#define LISTIMAGE_BOOL 3

// Control id of the grid's header window.
#define LIST_HEADER_ID 9000

// Grid -> parent: the selected row moved with Up or Down (0, 0).
#define UM_ROWMOVED (WM_USER + 5)
// Grid -> parent: may the clicked row be edited? wParam the row. Answers below.
#define UM_EDITQUERY (WM_USER + 101)
#define EDITQUERY_SILVER 1   // paint the row silver, then edit
#define EDITQUERY_REFUSE 2   // hide the editor and the combo boxes
// Grid -> parent around moving an existing editor: 0, MAKELONG(column, row).
#define UM_EDITMOVING (WM_USER + 1001)
#define UM_EDITMOVED (WM_USER + 1002)

// Notification codes of the paging keys while the paging flag is 1.
#define LISTN_PAGEUP 0
#define LISTN_PAGEDOWN (-99)

// Control id of the grid's own drop-down combo (SetupComboBox).
#define LIST_COMBO_ID 1000

// Hit-test flag of a state image or a check box.
#define LISTHT_CHECK LVHT_ONITEMSTATEICON

class QVCTRL_API CNewListCtrl : public CWnd, private CListRowManager, public IMyComboBox
{
    DECLARE_DYNAMIC(CNewListCtrl)
public:
    CNewListCtrl();
    ~CNewListCtrl() override;

    // ---- virtual operations added to those of CWnd, in slot order ----
    // (DrawItem(LPDRAWITEMSTRUCT) is CWnd's: it draws nothing and leaves
    // WM_DRAWITEM of the owner-draw path to the parent.)
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          CCreateContext* pContext = nullptr);
    virtual void OnOK();
    virtual void SetHeadHeight(int nHeight);
    virtual COLORREF GetItemColor(int nRow, int nColumn);
    virtual int ShowComboBox();
    virtual CMyComboBox* GetSelBox(int nIndex);
    virtual CMyComboBox* CreateComboBox(int nID, int nColumn);
    virtual void DoFocusDown();
    virtual void DoFocusUp();
    virtual void SendNotifyStateChanged(int nRow, int nColumn);
    virtual void ClearSelected();
    virtual void SendChangeRowMessage();
    virtual void OnDrawItem(CDC* pDC, int nColumn, int nRow);
    virtual void OnHeadItemClick(NMHDR* pNMHDR, LRESULT* pResult);
    virtual void OnHeadItemDblClick(NMHDR* pNMHDR, LRESULT* pResult);
    virtual CEdit* CreateEdit(int nReserved);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL DestroyWindow() override;

    // ---- placing the grid ----
    // Creates the grid over a placeholder control, with its style, place, parent and id.
    BOOL Replace(CWnd* pPlaceholder);
    BOOL Attach(int nID, CWnd* pParent);

    // ---- columns (the header's items) ----
    int InsertColumn(int nColumn, const LVCOLUMN* pColumn);
    int InsertColumn(int nColumn, LPCTSTR lpszHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nColumn);
    BOOL DeleteAllColumns();
    BOOL SetColumn(int nColumn, const LVCOLUMN* pColumn);
    BOOL SetColumnWidth(int nColumn, int nWidth);
    BOOL GetColumn(int nColumn, LVCOLUMN* pColumn);
    int FindColumn(const CString& strCaption, int nStart = -1);
    BOOL SetFormat(int nColumn, int nFormat);
    int GetFieldCount() const;
    CHeadWnd* GetHeadWnd() const { return m_pHeadWnd; }

    // ---- rows and cells ----
    int GetItemCount() const { return m_nRowCount; }
    int InsertItem(const LVITEM* pItem);
    int InsertItem(int nRow, LPCTSTR lpszText);
    int InsertBlankRow(int nRow);
    int AppendBlank(int nCount);
    BOOL DeleteItem(int nRow);
    void DeleteAllItems();
    BOOL SetItem(LVITEM* pItem);
    BOOL SetItemText(int nRow, int nColumn, LPCTSTR lpszText);
    CString GetItemText(int nRow, int nColumn);
    long GetItemInt(int nRow, int nColumn);
    int FindBlankItem(int nColumn);
    int FindEmpty(int nColumn);
    CxRowIndex* FindRowIndex(int nRow);
    using CListRowManager::NewRowIndex;

    // ---- states, selection, editing permission ----
    BOOL SetItemState(int nRow, UINT nState, UINT nMask);
    UINT GetItemState(int nRow, UINT nMask);
    int GetSelectedItem() const { return m_nSelectedRow; }
    int GetActiveRow() const { return m_nSelectedRow; }
    int GetSelectedSubItem() const { return m_nActiveColumn; }
    void SetActiveColumnNo(int nColumn) { m_nActiveColumn = nColumn; }
    void DisableEdit(int nRow, int nDisabled);
    BOOL IsDisabled(int nRow);

    // ---- colours ----
    void SetColor(int nRow, COLORREF crColor, int nSave);
    void RecoverEditColor();
    void SetColumnColor(int nColumn, COLORREF crColor);
    BOOL SetItemColor(int nRow, int nColumn, COLORREF crColor);
    COLORREF GetBkColor(int nRow, int nColumn);
    void SetOldColor(COLORREF crOld) { m_crOld = crOld; }
    COLORREF GetOldColor() const { return m_crOld; }
    void SetListColor(COLORREF crList) { m_crList = crList; }
    COLORREF GetListColor() const { return m_crList; }
    void SetHeaderColor(COLORREF crBack) { m_pHeadWnd->SetBkColor(crBack); }
    void SetHeaderTextColor(COLORREF crText) { m_pHeadWnd->SetTextColor(crText); }
    void SetBackBmp(int nBitmapID) { m_nBackBmp = nBitmapID; }

    // ---- combined cells ----
    void SetCombineSwitch(int nOn) { m_nCombine = nOn; }
    int GetCombineSwitch() const { return m_nCombine; }
    void SetCombine(int nFirstColumn, int nLastColumn);
    BOOL GetRowRange(int nColumn, int nRow, int& nFirst, int& nLast);

    // ---- order ----
    void Swap(int nRow1, int nRow2);
    long Sort(int nColumn, bool bDescending);
    void QuickSort(int nLow, int nHigh, int nColumn, bool bDescending);
    int Comp(int nRow1, int nRow2, int nColumn, bool bDescending);
    int CompDigit(int nRow1, int nRow2, int nColumn, bool bDescending);

    // ---- drawing ----
    void OnDraw(CDC* pDC);
    void OnDrawBack(CDC* pDC);
    void OnDrawRow(CDC* pDC, int nRow);
    void DrawRect(CDC* pDC, const CRect& rect);
    void DrawImage(CDC* pDC, int nColumn, int nRow, CRect& rect);
    void DrawBoolState(CDC* pDC, const CRect& rect, int nValue);
    void CreateBoolImage(CDC* pDC);
    void DrawCombine(CDC* pDC, int nColumn, int nRow);
    static int GetDTAlign(int nFormat);
    // Splits a text after n characters (n <= 0: half its length). Works in
    // buffers of 400 and 200 characters: longer texts are cut, never overrun.
    static void OneLineToTwo(LPCTSTR lpszText, CString& strFirst, CString& strSecond, int n);
    void SetLinesPerRow(int nLines) { m_nLinesPerRow = nLines > 0 ? nLines : 1; }
    int GetLinesPerRow() const { return m_nLinesPerRow; }
    int IsEnlarged() const { return m_nEnlarged; }
    int GetFontHeight() const { return m_nFontHeight; }
    void SetGridColor(COLORREF crGrid) { m_crGrid = crGrid; }

    // ---- geometry ----
    BOOL GetHeaderRect(int nColumn, CRect& rect);
    int RowToYPos(int nRow);
    int YToRow(int y);
    int XToCol(int x);
    void RectLPtoRowRange(const CRect& rect, int& nFirst, int& nLast, int nPartial);
    CRect RowToWndRect(CDC* pDC, int nRow);
    int GetHeadHeight();
    int GetHeadWidth();
    void GetRowWidthHeight(int& nWidth, int& nHeight);
    int GetRowHeight() const { return m_nRowHeight; }
    int GetRowWidth() const { return m_nRowWidth; }

    // ---- scrolling ----
    void UpdateScrollSizes();
    int LastViewableRow();
    void UpdateRow(int nRow);
    void ReUpdateRow(int) {}
    BOOL EnsureVisible(int nRow, BOOL bPartialOK);
    BOOL Scroll(CSize) { return TRUE; }
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    int GetScrollPos(int nBar) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    void ScrollToDevicePosition(POINT ptDevice);

    // ---- image lists ----
    CImageList* SetImageList(CImageList* pImageList, int nSlot);
    CImageList* SetImageList(int nSlot);
    CImageList* GetImageList(int nSlot) const;
    void InitImageList();
    void ReleaseImageList();

    // ---- hit testing ----
    int HitTest(CPoint point, UINT* pFlags = nullptr);
    int HitTest(LVHITTESTINFO* pInfo);
    BOOL GetItemRect(int nRow, RECT* pRect, UINT nCode);
    BOOL GetSubItemRect(int nRow, int nColumn, int nArea, CRect& rect);

    // ---- the in-place editor and the combo boxes ----
    CEdit* GetEditControl() const { return m_pEdit; }
    CEdit* GetEditWindow() const { return m_pEdit; }
    CEdit* EditLabel(int nRow);
    CEdit* EditLabel(int nRow, int nColumn);
    BOOL ColRowToRect(CPoint ptCell, CRect& rect);
    // Answers TRUE when the grid had to scroll vertically to show the cell.
    BOOL ShowEditWnd(const CRect& rect, int nColumn);
    void MoveEditWindow(int nColumn, int nRow);
    void HideEditWnd();
    void ScrollEdit();
    int GetEditText(int& nColumn, int& nRow, CString& strText);
    CString GetEditText(int nRow, int nColumn);
    BOOL IsEditFocus();
    BOOL IsListCtrlFocus();
    void ActiveEdit();
    void SetEditFocus();
    void SetupComboBox(int nOn);
    CComboBox* GetOwnComboBox() { return &m_ownCombo; }
    CRect GetLastEditRect() const { return m_rcLastEdit; }

    // ---- keys ----
    void OnDown();
    void OnUp();
    void OnNext();
    void OnPrior();

    // Set by the application: 1 sends the paging keys to the parent instead of paging.
    int m_nPaging = 0;
    // Set by the application: the text of the grid's tooltip.
    CString m_strToolTip;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // ---- notifications to the parent ----
    LRESULT SendNotify(int nCode, CPoint point);
    LRESULT SendNotify(int nCode, const CString& strUnused);
    LRESULT SendNotify(const NMLVDISPINFOW& info);
    LRESULT SendNotify(NMHDR* pNMHDR);

    CxRowIndex* GetRowIndex(int nRow);
    CxColumnIndex* GetColumnIndex(int nColumn, int nRow);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg LRESULT OnEnlarge(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHeadSize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetImageList(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKillfocusEdit();
    afx_msg LRESULT OnListSelchangedComboBox(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHittest(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    // Store
    CHeadWnd* m_pHeadWnd = nullptr;
    int m_nColumnCount = 0;
    int m_nRowHeight = 20;
    COLORREF m_crList;
    COLORREF m_crGrid = RGB(128, 128, 128);
    int m_nGridStyle = PS_SOLID;
    int m_nSelectedRow = -1;
    int m_nActiveColumn = -1;
    int m_nCombine = 0;
    COLORREF m_crOld = RGB(255, 255, 255);
    int m_nBackBmp = 0;
    CEdit* m_pEdit = nullptr;
    int m_nCellCache = -1;

    // Drawing and scrolling
    int m_nRowWidth = 640;
    int m_nVertScale = 5;
    int m_nFontHeight = 16;
    int m_nLinesPerRow = 1;
    int m_nEnlarged = 0;
    int m_nEnlargedFont = 0;
    int m_nLastDrawnActiveRow = -1;
    CImageList* m_pNormalImages = nullptr;
    CImageList* m_pSmallImages = nullptr;
    CImageList* m_pStateImages = nullptr;
    CImageList* m_pBoolImages = nullptr;
    CImageList* m_pOwnBoolImages = nullptr;     // made by CreateBoolImage
    HIMAGELIST m_hOwnedStateImages = nullptr;   // loaded by SetImageList(LISTIMAGE_STATE)
    CImageList* m_pOwnStateImages = nullptr;
    int m_nLastLayoutRowCount = 0;
    int m_nInLayout = 0;
    DWORD m_dwStyle = 0;

    // Interaction
    UINT m_nHitFlags = 0;   // flags of the last click's hit test
    int m_nSortColumn = -1;
    bool m_bSortDescending = false;
    CRect m_rcLastEdit;         // written by ColRowToRect
    CComboBox m_ownCombo;       // SetupComboBox's box
    CFont m_cellFont;           // the editor's and the boxes' font
    int m_nPlacingEditor = 0;   // > 0 while the editor is being placed

private:
    // Cells
    void AfterCellTextWritten(CxColumnIndex* pCell, int nRow, int nColumn);
    BOOL IsCheckColumn(int nColumn);
    void ExchangeRowTexts(int nRow1, int nRow2);
    void ApplySortedOrder(const int* pSourceRows, int nCount);
    int CompareRows(int nRow1, int nRow2, int nColumn, bool bDescending, bool bDigit);
    void InvalidateBelowHeader();
    void RedrawRow(int nRow);
    void FollowDeletedRow();
    void EndEditBeforeRowsMove();
    void EditTextFromCell();
    void ForgetDeletedColumn(int nColumn);

    // Interaction helpers
    bool IsEditLabels() const { return (GetStyle() & LVS_EDITLABELS) != 0; }
    bool IsNoEditColumn(int nColumn) const { return nColumn == 0 && (GetStyle() & LVS_NOLABELWRAP) != 0; }
    bool HasEditWindow() const { return m_pEdit && m_pEdit->GetSafeHwnd(); }
    LRESULT SendItemChanged(int nRow, int nColumn);
    LRESULT SendEditNotify(int nCode, int nRow, int nColumn, const CString* pText);
    LRESULT SendToParent(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL BringCellIntoView(const CRect& rect);
    void ApplyCellFont(CWnd* pWnd);
    bool EditBlocksMove();
    void MoveSelection(int nNewRow, bool bWithEditor);
    void MoveSelectionTo(int nNewRow, UINT nScrollCode, bool bScrollNeeded);
    bool AdvanceActiveCell();

    // Painting helpers
    CRect PaintBox(CDC* pDC);
    CRect PaintCellBox(CDC* pDC, const CRect& rcBox, bool bHighlight, COLORREF crBack, const CxColumnIndex* pCell);
    // Gives a DC its text and background colours back when it goes.
    class SavedColours
    {
    public:
        explicit SavedColours(CDC* pDC);
        ~SavedColours();
        SavedColours(const SavedColours&) = delete;
        SavedColours& operator=(const SavedColours&) = delete;

    private:
        CDC* m_pDC;
        COLORREF m_crText;
        COLORREF m_crBack;
    };
    BOOL IsHighlighted(int nColumn, int nFirstRow, int nLastRow);
    void DrawCellText(CDC* pDC, const CRect& rcInner, int y, LPCTSTR lpszText, int nFormat);
    void DrawStateOverlay(CDC* pDC, const CxColumnIndex* pCell, const CRect& rcCell);
    void SendOwnerDraw(CDC* pDC, int nRow);

    // Scrolling helpers
    void ShowBar(int nBar, DWORD dwStyle, bool bShow);
    void InvalidateBars();
    int VerticalPage();
    void ScrollVertically(int nDelta);
    void ScrollHorizontally(int nDelta);
};

// Searches a column from row nStart on: mode 1 for a cell that contains the
// text, any other mode for one that begins with it (ignoring case). A match
// answers its row and sets nStart past it; a pass without one shows
// "完成了一遍搜索!", sets nStart to 0 and answers 0; an empty grid answers -1.
QVCTRL_API long FindItem(CNewListCtrl& list, int nColumn, const CString& strText, long& nStart, int nMode);
