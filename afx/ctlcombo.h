// CComboBox: a thin wrapper of the "ComboBox" control. Owner-drawn combo boxes paint and
// measure their items in DrawItem and MeasureItem, CWnd's virtual functions
// that the parent's WM_DRAWITEM and WM_MEASUREITEM reach through reflection.
#pragma once

#include "afxwin.h"

class CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(WC_COMBOBOX, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    // Indexes are results; CB_ERR (-1) for failure, CB_ERRSPACE for no memory.
    int AddString(LPCTSTR lpszString) { return Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)); }
    int InsertString(int nIndex, LPCTSTR lpszString)
    {
        return Send(CB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(lpszString));
    }
    // The number of items left.
    int DeleteString(UINT nIndex) { return Send(CB_DELETESTRING, nIndex, 0); }
    void ResetContent() { ::SendMessage(m_hWnd, CB_RESETCONTENT, 0, 0); }
    int GetCount() const { return Send(CB_GETCOUNT, 0, 0); }
    int GetCurSel() const { return Send(CB_GETCURSEL, 0, 0); }
    // -1 clears the selection.
    int SetCurSel(int nSelect) { return Send(CB_SETCURSEL, nSelect, 0); }
    int GetTopIndex() const { return Send(CB_GETTOPINDEX, 0, 0); }
    int SetTopIndex(int nIndex) { return Send(CB_SETTOPINDEX, nIndex, 0); }

    // The buffer must hold GetLBTextLen(nIndex) + 1 characters.
    int GetLBText(int nIndex, LPTSTR lpszText) const
    {
        return Send(CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(lpszText));
    }
    // Empty for an index out of range.
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const { return Send(CB_GETLBTEXTLEN, nIndex, 0); }
    // Searches start after nStartAfter (-1: from the top) and wrap around;
    // FindString matches a prefix, FindStringExact the whole text, both
    // without regard to case.
    int FindString(int nStartAfter, LPCTSTR lpszString) const
    {
        return Send(CB_FINDSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszString));
    }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return Send(CB_FINDSTRINGEXACT, nIndexStart, reinterpret_cast<LPARAM>(lpszFind));
    }
    int SelectString(int nStartAfter, LPCTSTR lpszString)
    {
        return Send(CB_SELECTSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszString));
    }

    DWORD_PTR GetItemData(int nIndex) const
    {
        return static_cast<DWORD_PTR>(::SendMessage(m_hWnd, CB_GETITEMDATA, nIndex, 0));
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return Send(CB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData));
    }
    void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
    int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData)); }
    // nIndex -1 is the selection field.
    int SetItemHeight(int nIndex, UINT cyItemHeight)
    {
        return Send(CB_SETITEMHEIGHT, nIndex, static_cast<LPARAM>(cyItemHeight));
    }
    int GetItemHeight(int nIndex) const { return Send(CB_GETITEMHEIGHT, nIndex, 0); }

    void ShowDropDown(BOOL bShowIt = TRUE) { ::SendMessage(m_hWnd, CB_SHOWDROPDOWN, bShowIt, 0); }
    BOOL GetDroppedState() const { return Send(CB_GETDROPPEDSTATE, 0, 0); }
    void GetDroppedControlRect(LPRECT lprect) const
    {
        ::SendMessage(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(lprect));
    }
    int GetDroppedWidth() const { return Send(CB_GETDROPPEDWIDTH, 0, 0); }
    int SetDroppedWidth(UINT nWidth) { return Send(CB_SETDROPPEDWIDTH, nWidth, 0); }
    int SetExtendedUI(BOOL bExtended = TRUE) { return Send(CB_SETEXTENDEDUI, bExtended, 0); }
    BOOL GetExtendedUI() const { return Send(CB_GETEXTENDEDUI, 0, 0); }

    // The edit field: start in the low word, end in the high word.
    DWORD GetEditSel() const { return static_cast<DWORD>(::SendMessage(m_hWnd, CB_GETEDITSEL, 0, 0)); }
    BOOL SetEditSel(int nStartChar, int nEndChar) { return Send(CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar)); }
    BOOL LimitText(int nMaxChars) { return Send(CB_LIMITTEXT, nMaxChars, 0); }
    void Clear() { ::SendMessage(m_hWnd, WM_CLEAR, 0, 0); }
    void Copy() { ::SendMessage(m_hWnd, WM_COPY, 0, 0); }
    void Cut() { ::SendMessage(m_hWnd, WM_CUT, 0, 0); }
    void Paste() { ::SendMessage(m_hWnd, WM_PASTE, 0, 0); }
};
