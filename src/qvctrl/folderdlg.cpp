#include "qvctrl/folderdlg.h"

#include <commctrl.h>

namespace
{

const int kNameColumnWidth = 300;

// strBase extended by one folder name; an empty base gives the name alone (a
// folder of the current folder) and a base ending in "\" gets no second one.
CString JoinPath(const CString& strBase, const CString& strName)
{
    if (strBase.IsEmpty())
        return strName;
    if (strBase.Right(1) == L"\\")
        return strBase + strName;
    return strBase + L"\\" + strName;
}

bool IsDotEntry(const wchar_t* pszName)
{
    return ::lstrcmpW(pszName, L".") == 0 || ::lstrcmpW(pszName, L"..") == 0;
}

}   // namespace

BEGIN_MESSAGE_MAP(CFolderDlg, CDialog)
    ON_BN_CLICKED(IDC_GO, OnGo)
    ON_NOTIFY(NM_DBLCLK, IDC_FOLDERS, OnListDblClk)
END_MESSAGE_MAP()

CFolderDlg::CFolderDlg(CWnd* pParent) : CDialog(static_cast<UINT>(IDD), pParent) {}

BOOL CFolderDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = kNameColumnWidth;
    column.pszText = const_cast<wchar_t*>(L"名称");
    ::SendMessageW(List(), LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    FillList();
    return TRUE;
}

void CFolderDlg::FillList()
{
    HWND hList = List();
    ::SendMessageW(hList, LVM_DELETEALLITEMS, 0, 0);
    SetDlgItemText(IDC_PATH, m_strPath);
    const CString strPattern = m_strPath.IsEmpty() ? CString(L"*.*") : JoinPath(m_strPath, L"*.*");
    WIN32_FIND_DATAW data = {};
    HANDLE hFind = ::FindFirstFileW(strPattern, &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return;   // a folder that is gone or unreadable shows an empty list
    int nItem = 0;
    do
    {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || IsDotEntry(data.cFileName))
            continue;
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = nItem++;
        item.pszText = data.cFileName;
        ::SendMessageW(hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    } while (::FindNextFileW(hFind, &data));
    ::FindClose(hFind);
}

CString CFolderDlg::SelectedName() const
{
    HWND hList = List();
    const int nItem = static_cast<int>(::SendMessageW(hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (nItem < 0)
        return CString();
    wchar_t szName[MAX_PATH] = L"";
    LVITEMW item = {};
    item.iSubItem = 0;
    item.pszText = szName;
    item.cchTextMax = MAX_PATH;
    ::SendMessageW(hList, LVM_GETITEMTEXTW, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item));
    return CString(szName);
}

void CFolderDlg::OnListDblClk(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    const CString strName = SelectedName();
    if (!strName.IsEmpty())
    {
        m_strPath = JoinPath(m_strPath, strName);
        FillList();
    }
    if (pResult != nullptr)
        *pResult = 0;
}

void CFolderDlg::OnGo()
{
    GetDlgItemText(IDC_PATH, m_strPath);
    FillList();
}

void CFolderDlg::OnOK()
{
    const CString strName = SelectedName();
    if (!strName.IsEmpty())
        m_strPath = JoinPath(m_strPath, strName);
    EndDialog(IDOK);
}

CString FindFolder(const CString& strPath)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    CFolderDlg dialog;
    dialog.m_strPath = strPath;
    if (dialog.DoModal() != IDOK)
        return CString();
    return dialog.m_strPath;
}
