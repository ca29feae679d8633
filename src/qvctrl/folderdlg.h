// CFolderDlg: the library's folder dialog (template 4000), where the user
// walks down the folder tree in a list; FindFolder shows it.
#pragma once

#include "afxwin.h"
#include "afxcmn.h"
#include "qvapi.h"

class QVCTRL_API CFolderDlg : public CDialog
{
public:
    enum
    {
        IDD = 4000,
        IDC_FOLDERS = 1200,
        IDC_PATH = 4002,
        IDC_GO = 4004
    };

    explicit CFolderDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The folder the list shows; the chosen folder after OK.
    CString m_strPath;

protected:
    afx_msg void OnGo();
    afx_msg void OnListDblClk(NMHDR* pNMHDR, LRESULT* pResult);

private:
    void FillList();
    // The name of the selected list item, empty when none is selected.
    CString SelectedName() const;
    HWND List() const { return ::GetDlgItem(m_hWnd, IDC_FOLDERS); }

    DECLARE_MESSAGE_MAP()
};

// Shows the folder dialog starting at strPath; the chosen folder after OK,
// else empty text.
QVCTRL_API CString FindFolder(const CString& strPath);
