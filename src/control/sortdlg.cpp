#include "control/sortdlg.h"

namespace
{

const CRect kFirstBox(10, 10, 150, 30);
const int kBoxStep = 30;
const int kCharWidth = 12;
const int kBoxPadding = 20;

}   // namespace

CSortDlg::CSortDlg(CWnd* pParent) : CDialog(static_cast<UINT>(IDD), pParent) {}

CSortDlg::CSortDlg(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

CSortDlg::~CSortDlg()
{
    delete[] m_pCheck;
}

BOOL CSortDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AttachBmp(this);
    CreateCheckBoxes();
    TickCurrentSort();
    return TRUE;
}

int CSortDlg::FieldOfOffset(int nOffset) const
{
    for (int i = 0; i < FieldCount(); ++i)
        if (m_pField[i].nOffset == nOffset)
            return i;
    return -1;
}

const CdSortKey* CSortDlg::KeyOfOffset(int nOffset) const
{
    for (int i = 0; m_pSortKey != nullptr && i < m_nSortKey; ++i)
        if (m_pSortKey[i].nOffset == nOffset)
            return &m_pSortKey[i];
    return nullptr;
}

void CSortDlg::CreateCheckBoxes()
{
    delete[] m_pCheck;
    m_pCheck = nullptr;
    const int nCount = FieldCount();
    if (nCount == 0)
        return;
    m_pCheck = new CButton[nCount];
    CRect client;
    GetClientRect(&client);
    CRect box = kFirstBox;
    int nColumnFirst = 0;   // the first field of the current column
    int nLongest = 0;       // the longest caption of the current column, in characters
    for (int i = 0; i < nCount; ++i)
    {
        const CfField& field = m_pField[i];
        if (field.nOffset == -1)
            continue;
        const CString strCaption(field.pszName != nullptr ? field.pszName : L"");
        m_pCheck[i].Create(strCaption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, box, this,
                           CHECK_ID_BASE + i);
        m_pCheck[i].SetFont(GetFont());
        if (strCaption.GetLength() > nLongest)
            nLongest = strCaption.GetLength();
        box.OffsetRect(0, kBoxStep);
        if (box.bottom <= client.bottom)
            continue;
        // The column is full: its boxes take the width of its longest caption.
        const int nWidth = nLongest * kCharWidth + kBoxPadding;
        for (int j = nColumnFirst; j <= i; ++j)
        {
            if (m_pCheck[j].GetSafeHwnd() == nullptr)
                continue;
            CRect rc;
            m_pCheck[j].GetWindowRect(&rc);
            ScreenToClient(&rc);
            m_pCheck[j].MoveWindow(rc.left, rc.top, nWidth, rc.Height());
        }
        box.OffsetRect(nWidth, 0);
        box.MoveToY(kFirstBox.top);
        nColumnFirst = i + 1;
        nLongest = 0;
    }
}

void CSortDlg::TickCurrentSort()
{
    for (int k = 0; m_pSortKey != nullptr && k < m_nSortKey; ++k)
    {
        const wchar_t* pszKey = m_pSortKey[k].pszKey;
        if (pszKey == nullptr || *pszKey == L'\0' || m_strSort.Find(pszKey) < 0)
            continue;
        const int nField = FieldOfOffset(m_pSortKey[k].nOffset);
        if (nField >= 0 && m_pCheck != nullptr && m_pCheck[nField].GetSafeHwnd() != nullptr)
            m_pCheck[nField].SetCheck(BST_CHECKED);
    }
}

void CSortDlg::OnOK()
{
    CString strList;
    for (int i = 0; m_pCheck != nullptr && i < FieldCount(); ++i)
    {
        if (m_pCheck[i].GetSafeHwnd() == nullptr || m_pCheck[i].GetCheck() != BST_CHECKED)
            continue;
        const CdSortKey* pKey = KeyOfOffset(m_pField[i].nOffset);
        if (pKey == nullptr || pKey->pszKey == nullptr)
            continue;
        if (!strList.IsEmpty())
            strList += L",";
        strList += pKey->pszKey;
    }
    m_strResult = strList;
    CDialog::OnOK();
}
