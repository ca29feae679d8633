// CFieldListDlg: a dialog that shows records in a field-driven grid laid
// over its placeholder control 1200 and closes as OK on a double click. The
// application's subclass configures the list (ConfigureList); the template
// is looked up in the application's resources, else in the library's own
// dialog 1232.
#pragma once

#include "afxwin.h"
#include "qvapi.h"
#include "control/fieldlistctrl.h"

// The library's field chooser template and its placeholder control.
#define FIELDLIST_TEMPLATE_ID 1232
#define FIELDLIST_PLACEHOLDER_ID 1200

class QVCTRL_API CFieldListDlg : public CDialog
{
    DECLARE_DYNAMIC(CFieldListDlg)
public:
    explicit CFieldListDlg(CWnd* pParent = nullptr);
    CFieldListDlg(UINT nIDTemplate, CWnd* pParent);
    ~CFieldListDlg() override;

    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    virtual void SetRowItems(int nRow, const void* pRecord);
    virtual int AddRow(const void* pRecord);
    // Hands the list its fields (and rows); runs before the columns are made.
    virtual void ConfigureList() = 0;

    // TRUE when the template is found in the current resource module.
    BOOL ResourceReady();

    CFieldListCtrl* GetList() const { return m_pList; }
    // A list of the application's own class; set before the dialog starts.
    void SetList(CFieldListCtrl* pList) { m_pList = pList; }

    CFieldListCtrl* m_pList = nullptr;   // null until the dialog initialises
    int m_nSelfDelete = 0;               // non-zero: delete this after the window goes

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void PostNcDestroy() override;
    afx_msg void OnDblclkList(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    bool m_bOwnsList = false;   // the list was made by OnInitDialog
};
