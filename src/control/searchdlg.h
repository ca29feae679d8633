// CSearchDlg: the user picks a field and types the text to look for. Enter
// steps through the controls; only OK itself closes the dialog.
#pragma once

#include "afxwin.h"
#include "common/field.h"
#include "control/bmpbutton.h"

class QVCTRL_API CSearchDlg : public CDialog, public CBmpButton
{
public:
    enum
    {
        IDD = 176,
        IDC_FIELD = 1002,
        IDC_TEXT = 1286,
        MAX_TEXT = 100
    };

    explicit CSearchDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // Set by the caller before DoModal.
    CfField* m_pField = nullptr;
    int m_nField = 0;
    // Set by OK: the index of the field whose caption the combo box shows
    // (-1 for none) and the text to look for.
    int m_nFieldIndex = -1;
    wchar_t m_szText[MAX_TEXT] = L"";

private:
    int FieldCount() const { return m_pField != nullptr && m_nField > 0 ? m_nField : 0; }
};
