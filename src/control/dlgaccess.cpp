// IDlgAccess: record to dialog and back through a CdDataMap table.
#include "control/dlgaccess.h"

#include <cstdint>
#include <cwchar>
#include <cwctype>

#include "common/datescan.h"
#include "common/fieldvalue.h"
#include "control/dlgfields.h"
#include "control/timestamp.h"
#include "qvmessage.h"

using qvfield::ReadValue;
using qvfield::WriteValue;

namespace
{

// The companion's message code for a text cut to its field.
const wchar_t kCutTextCode[] = L"106";
const wchar_t kCutText[] = L"字符串數據長度錯誤";
const wchar_t kTextTooLong[] = L"輸入數據太長";
const wchar_t kDateFormat[] = L"時間格式錯誤, yyyy/MM/dd";
const wchar_t kDateYear[] = L"時間格式錯誤,年份錯誤 yyyy/MM/dd";
const int kLastYear = 3000;

CString Formatted(const wchar_t* pszFormat, double value)
{
    CString text;
    text.Format(pszFormat, value);
    return text;
}

CString YmdText(int32_t n)
{
    CString text;
    if (n > 0)
        text.Format(L"%04d/%02d/%02d", n / 10000, n % 10000 / 100, n % 100);
    return text;
}

// Selects the first item whose text equals strText exactly (case counts,
// unlike the box's own search); no match leaves the selection alone.
void SelectExactItem(HWND hCombo, const CString& strText)
{
    int nCount = int(::SendMessageW(hCombo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i)
    {
        int nLength = int(::SendMessageW(hCombo, CB_GETLBTEXTLEN, i, 0));
        if (nLength != strText.GetLength())
            continue;
        CString item;
        ::SendMessageW(hCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.GetBuffer(nLength + 1)));
        item.ReleaseBuffer(nLength);
        if (item == strText)
        {
            ::SendMessageW(hCombo, CB_SETCURSEL, i, 0);
            return;
        }
    }
}

// The selected item's text; false when nothing is selected.
bool SelectedItem(HWND hCombo, CString& strText)
{
    int nSel = int(::SendMessageW(hCombo, CB_GETCURSEL, 0, 0));
    int nLength = nSel >= 0 ? int(::SendMessageW(hCombo, CB_GETLBTEXTLEN, nSel, 0)) : CB_ERR;
    if (nLength < 0)
        return false;
    ::SendMessageW(hCombo, CB_GETLBTEXT, nSel, reinterpret_cast<LPARAM>(strText.GetBuffer(nLength + 1)));
    strText.ReleaseBuffer(nLength);
    return true;
}

// yyyy/mm/dd (any number of digits per part) as yyyymmdd; 0 for empty
// text; false after the message for a text that is no such date.
bool ReadYmd(const CString& strText, int32_t& nDate)
{
    if (strText.IsEmpty())
    {
        nDate = 0;
        return true;
    }
    const wchar_t* s = strText.GetString();
    int nFirst = qvscan::FindChar(s, L'/', 0);
    int nSecond = nFirst > 0 ? qvscan::FindChar(s, L'/', nFirst + 1) : -1;
    if (nSecond < 0)
    {
        qvdlg::Tell(kDateFormat);
        return false;
    }
    int year = qvscan::NumberAt(s, 0, nFirst);
    int month = qvscan::NumberAt(s, nFirst + 1, nSecond - nFirst - 1);
    int day = qvscan::NumberAt(s, nSecond + 1);
    if (year <= 0 || year > kLastYear)
    {
        qvdlg::Tell(kDateYear);
        return false;
    }
    // Month and day are not checked here; out-of-range parts wrap as 32-bit numbers.
    nDate = int32_t(uint32_t(int64_t(year) * 10000 + int64_t(month) * 100 + day));
    return true;
}

}   // namespace

IDlgAccess::IDlgAccess() : m_pDataMap(nullptr), m_nDataMap(0) {}

IDlgAccess::~IDlgAccess() {}

void IDlgAccess::SetDataMap(CdDataMap* pDataMap, int nCount)
{
    m_pDataMap = pDataMap;
    m_nDataMap = nCount;
}

bool IDlgAccess::SetEntry(CWnd* pDlg, HWND hCtrl, const CdDataMap& entry, const char* pField)
{
    CString text;
    bool bCut = false;
    switch (entry.nType)
    {
    case DLGACCESS_INT:
        text.Format(L"%d", ReadValue<int32_t>(pField));
        break;
    case DLGACCESS_DOUBLE:
        text = Formatted(L"%0.2lf", ReadValue<double>(pField));
        break;
    case DLGACCESS_WHOLE:
    {
        double value = ReadValue<double>(pField);
        if (value > 0)
            text = Formatted(L"%0.0lf", value);
        break;
    }
    case DLGACCESS_YMD:
        text = YmdText(ReadValue<int32_t>(pField));
        break;
    case DLGACCESS_CHECK:
        ::SendMessageW(hCtrl, BM_SETCHECK, WPARAM(ReadValue<int32_t>(pField)), 0);
        return true;
    case DLGACCESS_COMBO:
        text = qvdlg::RecordText(pField);
        SelectExactItem(hCtrl, text);
        break;
    case DLGACCESS_STAMP:
    {
        TIMESTAMP_STRUCT stamp = ReadValue<TIMESTAMP_STRUCT>(pField);
        if (stamp.year == 0)
            CTimeStamp(COleDateTime::GetCurrentTime()).GetTime(stamp);
        qvdlg::ShowStampInPicker(hCtrl, stamp);
        return true;
    }
    default:
        if (entry.nType <= 0)
            return true;   // not a kind of this table
        text = qvdlg::RecordText(pField, entry.nType);
        if (text.GetLength() >= entry.nType)
        {
            text.Truncate(entry.nType - 1);
            bCut = true;
        }
        break;
    }
    pDlg->SetDlgItemText(int(entry.nID), text);
    return !bCut;
}

void IDlgAccess::SetTextData(CWnd* pDlg, const void* pRecord)
{
    HWND hDlg = pDlg != nullptr ? pDlg->GetSafeHwnd() : nullptr;
    ASSERT(hDlg != nullptr && pRecord != nullptr);
    if (hDlg == nullptr || pRecord == nullptr || m_pDataMap == nullptr)
        return;
    bool bAnyCut = false;
    for (int i = 0; i < m_nDataMap; ++i)
    {
        const CdDataMap& entry = m_pDataMap[i];
        HWND hCtrl = ::GetDlgItem(hDlg, int(entry.nID));
        if (hCtrl != nullptr && !SetEntry(pDlg, hCtrl, entry, static_cast<const char*>(pRecord) + entry.nOffset))
            bAnyCut = true;
    }
    if (bAnyCut)
    {
        QVMessageBox(kCutTextCode);
        qvdlg::Tell(kCutText);
    }
}

bool IDlgAccess::GetEntry(HWND hCtrl, const CdDataMap& entry, char* pField)
{
    CString text = qvdlg::WindowText(hCtrl);
    const wchar_t* s = text.GetString();
    switch (entry.nType)
    {
    case DLGACCESS_INT:
        if (pField)
            WriteValue<int32_t>(pField, qvscan::NumberAt(s));
        return true;
    case DLGACCESS_DOUBLE:
    case DLGACCESS_WHOLE:
        if (!IsFloat(text))
            return false;
        if (pField)
            WriteValue<double>(pField, _wtof(s));
        return true;
    case DLGACCESS_CHECK:
        if (pField)
            WriteValue<int32_t>(pField, int32_t(::SendMessageW(hCtrl, BM_GETCHECK, 0, 0)));
        return true;
    case DLGACCESS_YMD:
    {
        int32_t nDate = 0;
        if (!ReadYmd(text, nDate))
            return false;
        if (pField)
            WriteValue<int32_t>(pField, nDate);
        return true;
    }
    case DLGACCESS_COMBO:
    {
        CString item;
        if (pField && SelectedItem(hCtrl, item))
            qvdlg::StoreText(pField, item);
        return true;
    }
    case DLGACCESS_STAMP:
        if (pField)
            WriteValue(pField, qvdlg::ReadPickerStamp(hCtrl));
        return true;
    default:
        if (entry.nType <= 0)
            return true;   // not a kind of this table
        if (text.GetLength() >= entry.nType)
        {
            qvdlg::Tell(kTextTooLong);
            return false;
        }
        if (pField)
            qvdlg::StoreText(pField, text);
        return true;
    }
}

int IDlgAccess::GetTextData(CWnd* pDlg, void* pRecord)
{
    if (m_pDataMap == nullptr || m_nDataMap <= 0)
        return 1;
    HWND hDlg = pDlg != nullptr ? pDlg->GetSafeHwnd() : nullptr;
    ASSERT(hDlg != nullptr);
    if (hDlg == nullptr)
        return 0;
    for (int i = 0; i < m_nDataMap; ++i)
    {
        const CdDataMap& entry = m_pDataMap[i];
        HWND hCtrl = ::GetDlgItem(hDlg, int(entry.nID));
        if (hCtrl == nullptr)
            continue;
        char* pField = pRecord != nullptr ? static_cast<char*>(pRecord) + entry.nOffset : nullptr;
        if (!GetEntry(hCtrl, entry, pField))
            return qvdlg::FocusFailed(hCtrl);
    }
    return 1;
}

int IDlgAccess::IsFloat(const CString& strText)
{
    const wchar_t* s = strText.GetString();
    while (iswspace(*s))
        ++s;
    bool bPoint = false;
    for (const wchar_t* p = s; *p != L'\0'; ++p)
    {
        if (*p >= L'0' && *p <= L'9')
            continue;
        if (*p == L'.')
        {
            if (bPoint)
            {
                qvdlg::Tell(L"不能出現2個小數點");
                return 0;
            }
            bPoint = true;
        }
        else if (*p == L'+' || *p == L'-')
        {
            if (p != s)
            {
                qvdlg::Tell(L"符號必須在最前面");
                return 0;
            }
        }
        else
        {
            qvdlg::Tell(L"數字錯誤");
            return 0;
        }
    }
    return 1;
}
