// CListBox: a thin wrapper of the "ListBox" control. Owner-drawn list boxes paint and
// measure their items in DrawItem and MeasureItem, CWnd's virtual functions
// that the parent's WM_DRAWITEM and WM_MEASUREITEM reach through reflection.
#pragma once

#include "afxwin.h"

class CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(WC_LISTBOX, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    // Indexes are results; LB_ERR (-1) for failure, LB_ERRSPACE for no memory.
    int AddString(LPCTSTR lpszItem) { return Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)); }
    int InsertString(int nIndex, LPCTSTR lpszItem)
    {
        return Send(LB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(lpszItem));
    }
    // The number of items left.
    int DeleteString(UINT nIndex) { return Send(LB_DELETESTRING, nIndex, 0); }
    void ResetContent() { ::SendMessage(m_hWnd, LB_RESETCONTENT, 0, 0); }
    int GetCount() const { return Send(LB_GETCOUNT, 0, 0); }

    // Single selection
    int GetCurSel() const { return Send(LB_GETCURSEL, 0, 0); }
    int SetCurSel(int nSelect) { return Send(LB_SETCURSEL, nSelect, 0); }
    // Multiple selection
    int GetSel(int nIndex) const { return Send(LB_GETSEL, nIndex, 0); }
    int SetSel(int nIndex, BOOL bSelect = TRUE) { return Send(LB_SETSEL, bSelect, nIndex); }
    int GetSelCount() const { return Send(LB_GETSELCOUNT, 0, 0); }
    int GetSelItems(int nMaxItems, LPINT rgIndex) const
    {
        return Send(LB_GETSELITEMS, nMaxItems, reinterpret_cast<LPARAM>(rgIndex));
    }
    int GetCaretIndex() const { return Send(LB_GETCARETINDEX, 0, 0); }
    int SetCaretIndex(int nIndex, BOOL bScroll = TRUE) { return Send(LB_SETCARETINDEX, nIndex, bScroll); }
    int GetAnchorIndex() const { return Send(LB_GETANCHORINDEX, 0, 0); }
    void SetAnchorIndex(int nIndex) { ::SendMessage(m_hWnd, LB_SETANCHORINDEX, nIndex, 0); }

    // The buffer must hold GetTextLen(nIndex) + 1 characters.
    int GetText(int nIndex, LPTSTR lpszBuffer) const
    {
        return Send(LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(lpszBuffer));
    }
    // Empty for an index out of range.
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const { return Send(LB_GETTEXTLEN, nIndex, 0); }
    int FindString(int nStartAfter, LPCTSTR lpszItem) const
    {
        return Send(LB_FINDSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszItem));
    }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return Send(LB_FINDSTRINGEXACT, nIndexStart, reinterpret_cast<LPARAM>(lpszFind));
    }
    int SelectString(int nStartAfter, LPCTSTR lpszItem)
    {
        return Send(LB_SELECTSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszItem));
    }

    DWORD_PTR GetItemData(int nIndex) const
    {
        return static_cast<DWORD_PTR>(::SendMessage(m_hWnd, LB_GETITEMDATA, nIndex, 0));
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return Send(LB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData));
    }
    void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
    int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData)); }
    int GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return Send(LB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect));
    }
    int GetItemHeight(int nIndex) const { return Send(LB_GETITEMHEIGHT, nIndex, 0); }
    int SetItemHeight(int nIndex, UINT cyItemHeight)
    {
        return Send(LB_SETITEMHEIGHT, nIndex, MAKELPARAM(cyItemHeight, 0));
    }
    // The nearest item in the low word; the high word is 1 outside the client area.
    UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;
    int GetTopIndex() const { return Send(LB_GETTOPINDEX, 0, 0); }
    int SetTopIndex(int nIndex) { return Send(LB_SETTOPINDEX, nIndex, 0); }
    int GetHorizontalExtent() const { return Send(LB_GETHORIZONTALEXTENT, 0, 0); }
    void SetHorizontalExtent(int cxExtent) { ::SendMessage(m_hWnd, LB_SETHORIZONTALEXTENT, cxExtent, 0); }
    void SetColumnWidth(int cxWidth) { ::SendMessage(m_hWnd, LB_SETCOLUMNWIDTH, cxWidth, 0); }
    BOOL SetTabStops(int nTabStops, LPINT rgTabStops)
    {
        return Send(LB_SETTABSTOPS, nTabStops, reinterpret_cast<LPARAM>(rgTabStops));
    }
};
