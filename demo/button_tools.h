// The demo's uses of the library's buttons, menu panel, scan-code field,
// folder dialog and the sort and search dialogs.
#pragma once

#include "qvctrl.h"

// The start page: the program's commands as a panel of large buttons. View
// and patient commands go to pParent; the scan and folder tools run here.
CWnd* CreateStartMenuPage(CWnd* pParent, const RECT& rect, UINT nID);

// The sort and search dialogs over the patient list page pList (a CNewListCtrl).
// strSort is the sort list in force; OK replaces it and sorts the list by its
// first key. Search selects the first row whose chosen column holds the text.
void RunPatientSortDialog(CWnd* pOwner, CWnd* pList, CString& strSort);
void RunPatientSearchDialog(CWnd* pOwner, CWnd* pList);
void PreparePatientSortDialog(CSortDlg& dialog);
void PreparePatientSearchDialog(CSearchDlg& dialog);

// The scan dialog: a scan-code field fed by a simulated card reader.
class CScanDemoDlg : public CDialog, public CBmpButton
{
public:
    explicit CScanDemoDlg(CWnd* pParent = nullptr);
    BOOL OnInitDialog() override;
    // Posts a card number to the field as a reader would.
    void SimulateScan();

protected:
    afx_msg LRESULT OnScanArrived(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSimulate();
    DECLARE_MESSAGE_MAP()

private:
    CScancodeEdit m_code;
    int m_nScans = 0;
};

// Without a display: the panel pressed, both dialogs and the scan dialog with a
// pressed bitmap button, each saved as a screenshot.
void SaveButtonTourScreens(CWnd* pFrame);
