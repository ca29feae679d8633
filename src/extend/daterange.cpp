// CDateRange: a from/to pair of pickers and its query conditions.
#include "extend/daterange.h"

#include "common/cdate.h"
#include "control/pickers.h"
#include "control/singledate.h"
#include "control/timestamp.h"

namespace
{

const __time64_t kDaySeconds = 24 * 60 * 60;

}   // namespace

CDateRange::CDateRange() : m_begin(COleDateTime::GetCurrentTime()), m_end(m_begin), m_nBeginID(0), m_nEndID(0) {}

CDateRange::~CDateRange() {}

HWND CDateRange::Picker(CWnd* pDlg, UINT nID) const
{
    HWND hDlg = pDlg != nullptr ? pDlg->GetSafeHwnd() : nullptr;
    return hDlg != nullptr && nID != 0 ? ::GetDlgItem(hDlg, int(nID)) : nullptr;
}

int CDateRange::PrepareID(CWnd* pDlg)
{
    HWND hDlg = pDlg != nullptr ? pDlg->GetSafeHwnd() : nullptr;
    if (hDlg == nullptr)
        return 0;
    qvpick::FoundPicker found[qvpick::kMaxPickers];
    if (qvpick::FindPickers(hDlg, found) != 2)
        return 0;
    // The one further left begins the range; on equal edges the second found does.
    int nBegin = found[0].rcScreen.left < found[1].rcScreen.left ? 0 : 1;
    m_nBeginID = found[nBegin].nID;
    m_nEndID = found[1 - nBegin].nID;
    return 1;
}

int CDateRange::NormalFormat(CWnd* pDlg)
{
    int nFound = PrepareID(pDlg);
    qvpick::SetDateFormat(Picker(pDlg, m_nBeginID));
    qvpick::SetDateFormat(Picker(pDlg, m_nEndID));
    return nFound;
}

int CDateRange::GetDateRange(CWnd* pDlg)
{
    HWND hBegin = Picker(pDlg, m_nBeginID);
    if (hBegin == nullptr)
    {
        AfxMessageBox(L"日期控件沒有找到", MB_OK, 0);
        return 0;
    }
    qvpick::ReadPicker(hBegin, m_begin);
    qvpick::ReadPicker(Picker(pDlg, m_nEndID), m_end);
    if (m_begin > m_end)
    {
        AfxMessageBox(L"時間范圍首末顛倒", MB_OK, 0);
        return 0;
    }
    DateRangeZeroHour();
    return 1;
}

int CDateRange::UpdateRange(CWnd* pDlg)
{
    HWND hBegin = Picker(pDlg, m_nBeginID), hEnd = Picker(pDlg, m_nEndID);
    if (hBegin == nullptr || hEnd == nullptr)
        return 0;
    qvpick::ReadPicker(hBegin, m_begin);
    qvpick::ReadPicker(hEnd, m_end);
    if (m_begin > m_end)
    {
        AfxMessageBox(L"時間范圍錯誤", MB_OK, 0);
        return 0;
    }
    DateRangeZeroHour();
    return 1;
}

int CDateRange::UpdateBegin(CWnd* pDlg)
{
    HWND hBegin = Picker(pDlg, m_nBeginID);
    if (hBegin == nullptr)
        return 0;
    qvpick::ReadPicker(hBegin, m_begin);
    return 1;
}

int CDateRange::UpdateEnd(CWnd* pDlg)
{
    HWND hEnd = Picker(pDlg, m_nEndID);
    if (hEnd == nullptr)
        return 0;
    qvpick::ReadPicker(hEnd, m_end);
    return 1;
}

void CDateRange::DateRangeZeroHour()
{
    CSingleDate::ZeroSingleHour(m_begin);
    CSingleDate::ZeroSingleHour(m_end);
}

void CDateRange::ToTimeStamp(TIMESTAMP_STRUCT* pBegin, TIMESTAMP_STRUCT* pEnd)
{
    Ole2Stamp(m_begin, pBegin);
    Ole2Stamp(m_end, pEnd);
}

void CDateRange::Ole2Stamp(const COleDateTime& t, TIMESTAMP_STRUCT* pStamp)
{
    if (pStamp != nullptr)
        CTimeStamp(t).GetTime(*pStamp);
}

CTime CDateRange::ToCTime(const COleDateTime& t)
{
    return CDate::ToCTime(t);
}

void CDateRange::ConditionBounds(long& nBegin, long& nEnd)
{
    // The time values are written as 32-bit numbers.
    nBegin = long(ToCTime(m_begin).GetTime());
    nEnd = long(ToCTime(m_end).GetTime() + kDaySeconds);
}

CString CDateRange::PrepareLongTimeCondition(const CString& strField)
{
    long nBegin, nEnd;
    ConditionBounds(nBegin, nEnd);
    CString condition;
    condition.Format(L"%s>=%d and %s < %d", strField, int(nBegin), strField, int(nEnd));
    return condition;
}

CString CDateRange::PrepareRangeFilter(const CString& strField)
{
    if (m_begin > m_end)
        return CString();
    long nBegin, nEnd;
    ConditionBounds(nBegin, nEnd);
    CString condition;
    condition.Format(L"(%s BETWEEN %d AND %d)", strField, int(nBegin), int(nEnd));
    return condition;
}
