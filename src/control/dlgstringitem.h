// CDlgStringItem: texts only, between a record and a dialog's controls. Its
// table pairs each control with a record offset and a maximum length.
#pragma once

#include "afxwin.h"
#include "qvapi.h"
#include "control/dlgutility.h"

// One text: control identifier, byte offset in the record, maximum length
// including the terminator. SetItemMap also takes a table of these passed as
// CdDlgItem*, as older callers declare it.
struct CdStringItem
{
    UINT nID;
    int nOffset;
    int nMaxLength;
};

class QVCTRL_API CDlgStringItem
{
public:
    CDlgStringItem();
    virtual ~CDlgStringItem();

    void SetItemMap(CdDlgItem* pItems, int nCount);
    void SetItemMap(CdStringItem* pItems, int nCount);

    // Both return 1; 0 for a null dialog, and GetData 0 for a text of at
    // least its maximum length (no message; GetLastLongOffset tells which).
    // GetData with a null record only checks.
    int SetData(void* pRecord, CDialog* pDlg);
    int GetData(void* pRecord, CDialog* pDlg);

    // The record offset of the last text that was too long, or -1.
    int GetLastLongOffset() const { return m_nLongOffset; }

protected:
    CdStringItem* m_pItem;
    int m_nItem;
    int m_nLongOffset;
};
