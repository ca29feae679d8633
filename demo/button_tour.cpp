// The unattended tour's screens of the buttons, the menu panel and the dialogs.
#include "button_tools.h"
#include "button_tools_ids.h"
#include "tour.h"

namespace
{

// A modeless copy of a dialog beside the frame, saved once it has painted.
void SaveDialog(CDialog& dialog, CWnd* pFrame, const wchar_t* pszName)
{
    CRect frame;
    pFrame->GetWindowRect(&frame);
    dialog.SetWindowPos(&CWnd::wndTop, frame.left + 60, frame.top + 120, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    PumpDemoMessages(300);
    SaveDemoScreenshot(dialog.GetSafeHwnd(), pszName);
}

void SaveSortDialog(CWnd* pFrame)
{
    CSortDlg dialog(pFrame);
    PreparePatientSortDialog(dialog);
    dialog.m_strSort = L"city,name";
    if (dialog.Create(CSortDlg::IDD, pFrame))
    {
        SaveDialog(dialog, pFrame, L"demo-sort-dialog");
        dialog.DestroyWindow();
    }
}

void SaveSearchDialog(CWnd* pFrame)
{
    CSearchDlg dialog(pFrame);
    PreparePatientSearchDialog(dialog);
    if (dialog.Create(CSearchDlg::IDD, pFrame))
    {
        ::SendDlgItemMessageW(dialog.GetSafeHwnd(), CSearchDlg::IDC_FIELD, CB_SETCURSEL, 1, 0);
        dialog.SetDlgItemText(CSearchDlg::IDC_TEXT, L"王小明");
        SaveDialog(dialog, pFrame, L"demo-search-dialog");
        dialog.DestroyWindow();
    }
}

// The scan dialog after a simulated scan, with its scan button held down.
void SaveScanDialog(CWnd* pFrame)
{
    CScanDemoDlg dialog(pFrame);
    if (!dialog.Create(IDD_SCAN_DEMO, pFrame))
        return;
    dialog.SimulateScan();
    SaveDialog(dialog, pFrame, L"demo-scan-dialog");
    HWND hButton = ::GetDlgItem(dialog.GetSafeHwnd(), IDC_SCAN_SIMULATE);
    CRect rc;
    ::GetClientRect(hButton, &rc);
    ::SendMessageW(hButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.Width() / 2, rc.Height() / 2));
    PumpDemoMessages(200);
    SaveDemoScreenshot(dialog.GetSafeHwnd(), L"demo-pressed-bitmap-button");
    ::ReleaseCapture();
    ::SendMessageW(hButton, BM_SETSTATE, FALSE, 0);
    dialog.DestroyWindow();
}

}   // namespace

void SaveButtonTourScreens(CWnd* pFrame)
{
    if (pFrame == nullptr)
        return;
    SaveSortDialog(pFrame);
    SaveSearchDialog(pFrame);
    SaveScanDialog(pFrame);
}
