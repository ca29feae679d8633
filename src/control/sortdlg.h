// CSortDlg: the user ticks the fields to sort a record list by; OK builds a
// comma-separated list of their sort-key names in field order.
#pragma once

#include "afxwin.h"
#include "common/field.h"
#include "control/bmpbutton.h"

// One row of a program's sort-key table: the name a sort list uses and the
// record offset that ties it to the CfField with the same nOffset.
struct CdSortKey
{
    const wchar_t* pszKey;
    int nType;   // the program's own use (the dialog does not read it)
    int nOffset;
};

class QVCTRL_API CSortDlg : public CDialog, public CBmpButton
{
public:
    enum
    {
        IDD = 154,
        CHECK_ID_BASE = 2000
    };

    explicit CSortDlg(CWnd* pParent = nullptr);
    CSortDlg(UINT nIDTemplate, CWnd* pParent);
    ~CSortDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override;

    // Set by the caller before DoModal.
    CfField* m_pField = nullptr;
    int m_nField = 0;
    CString m_strSort;   // the sort list in force: its keys start ticked
    CdSortKey* m_pSortKey = nullptr;
    int m_nSortKey = 0;
    // Built by OK.
    CString m_strResult;
    // One check box per field (null for fields not stored in the record).
    CButton* m_pCheck = nullptr;

private:
    void CreateCheckBoxes();
    void TickCurrentSort();
    int FieldOfOffset(int nOffset) const;
    const CdSortKey* KeyOfOffset(int nOffset) const;
    int FieldCount() const { return m_pField != nullptr && m_nField > 0 ? m_nField : 0; }
};
