// CSingleDate: one picker, one day.
#include "control/singledate.h"

#include "common/cdate.h"
#include "control/pickers.h"
#include "control/timestamp.h"

namespace
{

const __time64_t kDaySeconds = 24 * 60 * 60;

void MoveToHour(COleDateTime& t, int nHour)
{
    t.SetDateTime(t.GetYear(), t.GetMonth(), t.GetDay(), nHour, 0, 0);
}

}   // namespace

CSingleDate::CSingleDate() : m_date(COleDateTime::GetCurrentTime()), m_nDateID(0) {}

CSingleDate::~CSingleDate() {}

void CSingleDate::SetDateID(int nID)
{
    m_nDateID = nID;
}

HWND CSingleDate::Picker(CWnd* pDlg) const
{
    HWND hDlg = pDlg != nullptr ? pDlg->GetSafeHwnd() : nullptr;
    return hDlg != nullptr && m_nDateID != 0 ? ::GetDlgItem(hDlg, m_nDateID) : nullptr;
}

void CSingleDate::PrepareID(CWnd* pDlg)
{
    HWND hDlg = pDlg != nullptr ? pDlg->GetSafeHwnd() : nullptr;
    ASSERT(hDlg != nullptr);
    if (hDlg == nullptr)
        return;
    qvpick::FoundPicker found[qvpick::kMaxPickers];
    if (qvpick::FindPickers(hDlg, found) == 1)
        m_nDateID = int(found[0].nID);
    else
        AfxMessageBox(L"Not only one datetime control", MB_OK, 0);
}

void CSingleDate::NormalFormat(CWnd* pDlg)
{
    if (m_nDateID == 0)
        PrepareID(pDlg);
    HWND hPicker = Picker(pDlg);
    if (hPicker == nullptr)
    {
        AfxMessageBox(L"單一時間自動設定錯誤", MB_OK, 0);
        return;
    }
    qvpick::SetDateFormat(hPicker);
    qvpick::ReadPicker(hPicker, m_date);
}

int CSingleDate::UpdateDate(CWnd* pDlg)
{
    HWND hPicker = Picker(pDlg);
    if (hPicker == nullptr)
        return 0;
    qvpick::ReadPicker(hPicker, m_date);   // a cleared date leaves the one we had
    return 1;
}

void CSingleDate::SetDate(CWnd* pDlg, CTime t)
{
    SYSTEMTIME st;
    if (t.GetAsSystemTime(st))
        qvpick::WritePicker(Picker(pDlg), st);
}

void CSingleDate::SetDate(CWnd* pDlg, __int64 t)
{
    SetDate(pDlg, t > 0 ? CTime(t) : CTime::GetCurrentTime());
}

void CSingleDate::Noon()
{
    Noon(m_date);
}

void CSingleDate::Noon(COleDateTime& t)
{
    MoveToHour(t, 12);
}

void CSingleDate::ZeroHour()
{
    ZeroSingleHour(m_date);
}

void CSingleDate::ZeroSingleHour(COleDateTime& t)
{
    MoveToHour(t, 0);
}

int CSingleDate::OleToStamp(TIMESTAMP_STRUCT& stamp)
{
    CTimeStamp(m_date).GetTime(stamp);
    return 1;
}

CTime CSingleDate::ToCTime(const COleDateTime& t)
{
    return CDate::ToCTime(t);
}

CString CSingleDate::PrepareOneDay(const CString& strField, CTime day)
{
    // The time values are written as 32-bit numbers.
    long nFrom = long(day.GetTime());
    long nTo = long(day.GetTime() + kDaySeconds);
    CString condition;
    condition.Format(L"%s>%ld AND %s<%ld", strField, nFrom, strField, nTo);
    return condition;
}
