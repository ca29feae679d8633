// A visible modeless dialog of the test program's template IDD_BUTTONS.
#pragma once
#include "afxwin.h"

class ButtonDialog : public CDialog
{
public:
    ButtonDialog();
    ~ButtonDialog() override;
    HWND item(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    // Pumps until painting is done.
    void settle() const;

protected:
    // Clicks on OK or Cancel must not close the dialog under test.
    void OnOK() override {}
    void OnCancel() override {}
};
