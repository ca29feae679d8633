// The scan dialog: a card reader's text arrives in a CScancodeEdit.
#include "button_tools.h"
#include "button_tools_ids.h"

namespace
{

// What a card reader sends for one card: the number, a carriage return and a line feed.
const char* const kSampleCards[] = {"A123456789\r\n", "F226543210\r\n", "B120034567\r\n"};
const int kSampleCount = static_cast<int>(sizeof(kSampleCards) / sizeof(kSampleCards[0]));

}   // namespace

BEGIN_MESSAGE_MAP(CScanDemoDlg, CDialog)
    ON_MESSAGE(WM_SCANCODE_NOTIFY, OnScanArrived)
    ON_BN_CLICKED(IDC_SCAN_SIMULATE, OnSimulate)
END_MESSAGE_MAP()

CScanDemoDlg::CScanDemoDlg(CWnd* pParent) : CDialog(static_cast<UINT>(IDD_SCAN_DEMO), pParent) {}

BOOL CScanDemoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_code.SubclassDlgItem(IDC_SCAN_CODE, this);
    AttachBmp(this);
    return TRUE;
}

void CScanDemoDlg::SimulateScan()
{
    // The texts are static: the posted address stays valid until the field reads it.
    ::PostMessageW(m_code.GetSafeHwnd(), WM_SCANCODE, 0,
                   reinterpret_cast<LPARAM>(kSampleCards[m_nScans % kSampleCount]));
}

void CScanDemoDlg::OnSimulate()
{
    SimulateScan();
}

LRESULT CScanDemoDlg::OnScanArrived(WPARAM, LPARAM)
{
    ++m_nScans;
    CString strCard;
    m_code.GetWindowText(strCard);
    CString strStatus;
    strStatus.Format(L"已讀取第 %d 張卡：%s", m_nScans, strCard.GetString());
    SetDlgItemText(IDC_SCAN_STATUS, strStatus);
    return 1;
}
