// CDlgUtility: a second table form of dialog data exchange (CdDlgItem
// entries, with decimals for doubles), plus a table of text limits, button
// icons by control identifier, and enabling every control of the table.
#pragma once

#include "afxwin.h"
#include "qvapi.h"

// One control: identifier, kind (DLGITEM_*), byte offset of the value in
// the record, a parameter (the text limit with its terminator for
// DLGITEM_TEXT, the decimals for DLGITEM_DOUBLE) and a member for the caller.
struct CdDlgItem
{
    UINT nID;
    int nType;
    int nOffset;
    int nParam;
    int nReserved;
};

// A text limit: the control's identifier and its maximum length.
struct CdListItem
{
    UINT nID;
    int nMaxLength;
};

// Kinds of CdDlgItem::nType; other kinds are skipped by both directions.
enum
{
    DLGITEM_TEXT = 0,      // UTF-16 text in place
    DLGITEM_INT = -1,      // 32-bit int: a check box's state on a button, else decimal text
    DLGITEM_DOUBLE = -2,   // double with nParam decimals
    DLGITEM_STAMP = -3,    // TIMESTAMP_STRUCT in a date-time picker
    DLGITEM_LONG = -4,     // as DLGITEM_INT
};

class QVCTRL_API CDlgUtility
{
public:
    CDlgUtility();
    virtual ~CDlgUtility();

    void SetDlgItemMap(const CdDlgItem* pItems, unsigned long nCount);
    void SetListItemMap(const CdListItem* pItems, unsigned long nCount);

    // Record to dialog; returns 1.
    int SetDlgItemData(CWnd* pDlg, const void* pRecord);
    // Dialog to record; 0 when a text is too long for its field (message,
    // focus on it). A null record only checks.
    int GetDlgItemData(CWnd* pDlg, void* pRecord);
    // 1 when the control has no limit or the text is shorter than it.
    int CheckData(int nID, const CString& strText);
    // Every "Button" child gets the caller's icon whose identifier is the
    // button's control identifier, when there is one. Returns 0.
    int SetIcons(CWnd* pWnd);
    // Enables (bEnable non-zero) or disables every control of the table. Returns 0.
    virtual int DisableAllItem(CDialog* pDlg, int bEnable);

protected:
    const CdDlgItem* m_pDlgItem;
    unsigned long m_nDlgItem;
    const CdListItem* m_pListItem;
    unsigned long m_nListItem;
};
