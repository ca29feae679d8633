// CDlgStringItem: texts between a record and a dialog's controls.
#include "control/dlgstringitem.h"

#include "control/dlgfields.h"

static_assert(sizeof(CdStringItem) == 3 * sizeof(int), "three 32-bit members, as callers declare them");

CDlgStringItem::CDlgStringItem() : m_pItem(nullptr), m_nItem(0), m_nLongOffset(-1) {}

CDlgStringItem::~CDlgStringItem() {}

void CDlgStringItem::SetItemMap(CdDlgItem* pItems, int nCount)
{
    // Callers pass rows of three members (identifier, offset, maximum) under this type.
    SetItemMap(reinterpret_cast<CdStringItem*>(pItems), nCount);
}

void CDlgStringItem::SetItemMap(CdStringItem* pItems, int nCount)
{
    m_pItem = pItems;
    m_nItem = nCount;
}

int CDlgStringItem::SetData(void* pRecord, CDialog* pDlg)
{
    HWND hDlg = pDlg != nullptr ? pDlg->GetSafeHwnd() : nullptr;
    if (hDlg == nullptr || pRecord == nullptr)
        return 0;
    for (int i = 0; m_pItem != nullptr && i < m_nItem; ++i)
    {
        const CdStringItem& item = m_pItem[i];
        // A text with no terminator within its field shows what fits.
        CString text = qvdlg::RecordText(static_cast<const char*>(pRecord) + item.nOffset, item.nMaxLength - 1);
        ::SetDlgItemTextW(hDlg, int(item.nID), text);
    }
    return 1;
}

int CDlgStringItem::GetData(void* pRecord, CDialog* pDlg)
{
    HWND hDlg = pDlg != nullptr ? pDlg->GetSafeHwnd() : nullptr;
    if (hDlg == nullptr)
        return 0;
    for (int i = 0; m_pItem != nullptr && i < m_nItem; ++i)
    {
        const CdStringItem& item = m_pItem[i];
        HWND hCtrl = ::GetDlgItem(hDlg, int(item.nID));
        if (hCtrl == nullptr)
            continue;
        CString text = qvdlg::WindowText(hCtrl);
        if (text.GetLength() >= item.nMaxLength)
        {
            m_nLongOffset = item.nOffset;
            return 0;
        }
        if (pRecord != nullptr)
            qvdlg::StoreText(static_cast<char*>(pRecord) + item.nOffset, text);
    }
    return 1;
}
