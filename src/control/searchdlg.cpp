#include "control/searchdlg.h"

CSearchDlg::CSearchDlg(CWnd* pParent) : CDialog(static_cast<UINT>(IDD), pParent) {}

BOOL CSearchDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AttachBmp(this);
    HWND hCombo = ::GetDlgItem(m_hWnd, IDC_FIELD);
    for (int i = 0; hCombo != nullptr && i < FieldCount(); ++i)
        if (m_pField[i].nOffset != -1 && m_pField[i].pszName != nullptr)
            ::SendMessageW(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m_pField[i].pszName));
    return TRUE;
}

void CSearchDlg::OnOK()
{
    HWND hFocus = ::GetFocus();
    if (hFocus == nullptr)
        return;
    if (hFocus != ::GetDlgItem(m_hWnd, IDOK))
    {
        NextDlgCtrl();
        return;
    }
    m_szText[0] = L'\0';
    ::GetDlgItemTextW(m_hWnd, IDC_TEXT, m_szText, MAX_TEXT);
    CString strField;
    GetDlgItemText(IDC_FIELD, strField);
    m_nFieldIndex = -1;
    for (int i = 0; i < FieldCount(); ++i)
    {
        if (m_pField[i].pszName != nullptr && strField == m_pField[i].pszName)
        {
            m_nFieldIndex = i;
            break;
        }
    }
    CDialog::OnOK();
}
