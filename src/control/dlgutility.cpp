// CDlgUtility: record to dialog and back through a CdDlgItem table, text
// limits, button icons and enabling.
#include "control/dlgutility.h"

#include <cstdint>
#include <cwchar>

#include "common/datescan.h"
#include "common/fieldvalue.h"
#include "control/dlgfields.h"
#include "control/hosticon.h"

using qvfield::ReadValue;
using qvfield::WriteValue;

namespace
{

// Decimals of a double kept to what a format can ask for.
const int kMaxDecimals = 99;

CString DoubleText(double value, int nDecimals)
{
    int decimals = nDecimals < 0 ? 0 : (nDecimals > kMaxDecimals ? kMaxDecimals : nDecimals);
    CString format, text;
    format.Format(L"%%.%df", decimals);
    text.Format(format, value);
    return text;
}

void SetItem(HWND hDlg, HWND hCtrl, const CdDlgItem& item, const char* pField)
{
    switch (item.nType)
    {
    case DLGITEM_INT:
    case DLGITEM_LONG:
    {
        int32_t value = ReadValue<int32_t>(pField);
        if (qvdlg::IsButton(hCtrl))
            ::SendMessageW(hCtrl, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
        else
            ::SetDlgItemInt(hDlg, int(item.nID), UINT(value), TRUE);
        return;
    }
    case DLGITEM_STAMP:
    {
        TIMESTAMP_STRUCT stamp = ReadValue<TIMESTAMP_STRUCT>(pField);
        if (stamp.year > 0)
            qvdlg::ShowStampInPicker(hCtrl, stamp);
        return;
    }
    case DLGITEM_DOUBLE:
        ::SetWindowTextW(hCtrl, DoubleText(ReadValue<double>(pField), item.nParam));
        return;
    case DLGITEM_TEXT:
        // A text with no terminator within its limit shows what fits.
        ::SetWindowTextW(hCtrl,
                         item.nParam > 0 ? qvdlg::RecordText(pField, item.nParam - 1) : qvdlg::RecordText(pField));
        return;
    }
}

// False after the message when a text is too long for its field.
bool GetItem(HWND hCtrl, const CdDlgItem& item, char* pField)
{
    switch (item.nType)
    {
    case DLGITEM_INT:
    case DLGITEM_LONG:
    {
        int32_t value = qvdlg::IsButton(hCtrl) ? int32_t(::SendMessageW(hCtrl, BM_GETCHECK, 0, 0))
                                               : qvscan::NumberAt(qvdlg::WindowText(hCtrl));
        if (pField)
            WriteValue<int32_t>(pField, value);
        return true;
    }
    case DLGITEM_STAMP:
        if (pField)
            WriteValue(pField, qvdlg::ReadPickerStamp(hCtrl));
        return true;
    case DLGITEM_DOUBLE:
        if (pField)
            WriteValue<double>(pField, _wtof(qvdlg::WindowText(hCtrl)));
        return true;
    case DLGITEM_TEXT:
    {
        CString text = qvdlg::WindowText(hCtrl);
        if (text.GetLength() >= item.nParam)
        {
            CString message;
            message.Format(L"數據超長,限制長度 %d 發生在ID = %d ", item.nParam, int(item.nID));
            qvdlg::Tell(message);
            return false;
        }
        if (pField)
            qvdlg::StoreText(pField, text);
        return true;
    }
    }
    return true;
}

}   // namespace

CDlgUtility::CDlgUtility() : m_pDlgItem(nullptr), m_nDlgItem(0), m_pListItem(nullptr), m_nListItem(0) {}

CDlgUtility::~CDlgUtility() {}

void CDlgUtility::SetDlgItemMap(const CdDlgItem* pItems, unsigned long nCount)
{
    m_pDlgItem = pItems;
    m_nDlgItem = nCount;
}

void CDlgUtility::SetListItemMap(const CdListItem* pItems, unsigned long nCount)
{
    m_pListItem = pItems;
    m_nListItem = nCount;
}

int CDlgUtility::SetDlgItemData(CWnd* pDlg, const void* pRecord)
{
    HWND hDlg = pDlg != nullptr ? pDlg->GetSafeHwnd() : nullptr;
    ASSERT(hDlg != nullptr && pRecord != nullptr);
    if (hDlg == nullptr || pRecord == nullptr || m_pDlgItem == nullptr)
        return 1;
    for (unsigned long i = 0; i < m_nDlgItem; ++i)
    {
        const CdDlgItem& item = m_pDlgItem[i];
        if (HWND hCtrl = ::GetDlgItem(hDlg, int(item.nID)))
            SetItem(hDlg, hCtrl, item, static_cast<const char*>(pRecord) + item.nOffset);
    }
    return 1;
}

int CDlgUtility::GetDlgItemData(CWnd* pDlg, void* pRecord)
{
    HWND hDlg = pDlg != nullptr ? pDlg->GetSafeHwnd() : nullptr;
    ASSERT(hDlg != nullptr);
    if (hDlg == nullptr)
        return 0;
    for (unsigned long i = 0; m_pDlgItem != nullptr && i < m_nDlgItem; ++i)
    {
        const CdDlgItem& item = m_pDlgItem[i];
        HWND hCtrl = ::GetDlgItem(hDlg, int(item.nID));
        if (hCtrl == nullptr)
            continue;
        char* pField = pRecord != nullptr ? static_cast<char*>(pRecord) + item.nOffset : nullptr;
        if (!GetItem(hCtrl, item, pField))
            return qvdlg::FocusFailed(hCtrl);
    }
    return 1;
}

int CDlgUtility::CheckData(int nID, const CString& strText)
{
    for (unsigned long i = 0; m_pListItem != nullptr && i < m_nListItem; ++i)
    {
        if (int(m_pListItem[i].nID) == nID)
            return strText.GetLength() < m_pListItem[i].nMaxLength ? 1 : 0;
    }
    return 1;
}

int CDlgUtility::SetIcons(CWnd* pWnd)
{
    HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
    ASSERT(hWnd != nullptr);
    for (HWND hChild = hWnd ? ::GetWindow(hWnd, GW_CHILD) : nullptr; hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (!qvdlg::IsButton(hChild))
            continue;
        if (HICON hIcon = LoadHostIcon(UINT(::GetDlgCtrlID(hChild))))
            ::SendMessageW(hChild, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon));
    }
    return 0;
}

int CDlgUtility::DisableAllItem(CDialog* pDlg, int bEnable)
{
    HWND hDlg = pDlg != nullptr ? pDlg->GetSafeHwnd() : nullptr;
    ASSERT(hDlg != nullptr);
    for (unsigned long i = 0; hDlg != nullptr && m_pDlgItem != nullptr && i < m_nDlgItem; ++i)
    {
        if (HWND hCtrl = ::GetDlgItem(hDlg, int(m_pDlgItem[i].nID)))
            ::EnableWindow(hCtrl, bEnable);
    }
    return 0;
}
