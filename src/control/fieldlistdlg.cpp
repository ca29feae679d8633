// CFieldListDlg: records in a grid over the placeholder of a dialog template.
#include "control/fieldlistdlg.h"

IMPLEMENT_DYNAMIC(CFieldListDlg, CDialog)

BEGIN_MESSAGE_MAP(CFieldListDlg, CDialog)
    ON_NOTIFY(NM_DBLCLK, FIELDLIST_PLACEHOLDER_ID, OnDblclkList)
END_MESSAGE_MAP()

CFieldListDlg::CFieldListDlg(CWnd* pParent) : CDialog(UINT(0), pParent) {}

CFieldListDlg::CFieldListDlg(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

CFieldListDlg::~CFieldListDlg()
{
    if (m_bOwnsList)
        delete m_pList;
}

void CFieldListDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

BOOL CFieldListDlg::ResourceReady()
{
    HINSTANCE hResources = AfxGetResourceHandle();
    HRSRC hFound = ::FindResourceW(hResources, m_lpszTemplateName, RT_DIALOG);
    return hFound && ::LoadResource(hResources, hFound) != nullptr;
}

INT_PTR CFieldListDlg::DoModal()
{
    if (ResourceReady())
        return CDialog::DoModal();
    // The host has no such template: the library's own is used.
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    return CDialog::DoModal();
}

BOOL CFieldListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CWnd* pPlaceholder = GetDlgItem(FIELDLIST_PLACEHOLDER_ID);
    if (!m_pList)
    {
        m_pList = new CFieldListCtrl;
        m_bOwnsList = true;
    }
    if (!m_pList->GetSafeHwnd())
        m_pList->Replace(pPlaceholder);
    ConfigureList();
    m_pList->SetListHead(0);
    return TRUE;
}

void CFieldListDlg::OnOK()
{
    CDialog::OnOK();
}

void CFieldListDlg::SetRowItems(int nRow, const void* pRecord)
{
    if (m_pList)
        m_pList->SetRowItems(nRow, pRecord);
}

int CFieldListDlg::AddRow(const void* pRecord)
{
    return m_pList ? m_pList->AddRow(pRecord) : -1;
}

void CFieldListDlg::OnDblclkList(NMHDR*, LRESULT* pResult)
{
    SendMessage(WM_COMMAND, IDOK, 0);
    *pResult = 0;
}

void CFieldListDlg::PostNcDestroy()
{
    CDialog::PostNcDestroy();
    if (m_nSelfDelete)
        delete this;
}
