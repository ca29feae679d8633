// CDateDlg: dates and times in three edit boxes.
#include "control/datedlg.h"

#include "cmnspin.h"
#include "common/cdate.h"
#include "common/datescan.h"
#include "qvmessage.h"

namespace
{

// While set on a dialog, changes of its date boxes come from the
// normalisation itself and must not start it again.
const wchar_t kNormalisingProp[] = L"QVCtrl.DateDlg.Normalising";

const int kFirstTypedYear = 1990;   // earlier years typed become this one
const int kFirstYear = 1970;
const int kLastYear = 2040;
const int kOldYearStandIn = 1996;   // GetDlgDate reads a year before 1990 as this one
const int kYearChars = 4;
const UINT kSpinIdOffset = 20000;

struct SpinRange
{
    int nLower, nUpper;
};
const SpinRange kSpinRanges[CDateDlg::kBoxesPerGroup] = {{1970, 2100}, {1, 12}, {1, 31}};

HWND Box(CWnd* pDlg, UINT nID)
{
    return ::GetDlgItem(pDlg->GetSafeHwnd(), int(nID));
}

// The number a box shows (as _wtol reads it); 0 for a missing box.
int BoxNumber(HWND hBox, int nMaxChars = INT_MAX)
{
    if (hBox == nullptr)
        return 0;
    wchar_t szText[64] = L"";
    ::GetWindowTextW(hBox, szText, 64);
    return qvscan::NumberAt(szText, 0, nMaxChars);
}

void SetBox(CWnd* pDlg, UINT nID, int nValue)
{
    ::SetDlgItemInt(pDlg->GetSafeHwnd(), int(nID), UINT(nValue), TRUE);
}

void SetDateBoxes(CWnd* pDlg, UINT nID, int year, int month, int day)
{
    SetBox(pDlg, nID, year);
    SetBox(pDlg, nID + 1, month);
    SetBox(pDlg, nID + 2, day);
}

bool IsEditable(HWND hBox)
{
    return hBox != nullptr && ::IsWindowVisible(hBox) && (::GetWindowLongW(hBox, GWL_STYLE) & ES_READONLY) == 0;
}

}   // namespace

CDateDlg::CDateDlg() : m_pSpin{} {}

CDateDlg::~CDateDlg()
{
    for (CSpinButtonCtrl*& pSpin : m_pSpin)
    {
        delete pSpin;
        pSpin = nullptr;
    }
}

void CDateDlg::SetDlgDate(CWnd* pDlg, UINT nID, CTime& t)
{
    ASSERT(pDlg != nullptr && ::IsWindow(pDlg->GetSafeHwnd()));
    if (t.GetTime() < 0)
    {
        AfxMessageBox(L"時間未初始化", MB_OK, 0);
        return;
    }
    if (pDlg != nullptr)
        SetDateBoxes(pDlg, nID, t.GetYear(), t.GetMonth(), t.GetDay());
}

void CDateDlg::SetDlgTime(CWnd* pDlg, UINT nID, CTime t)
{
    ASSERT(pDlg != nullptr && ::IsWindow(pDlg->GetSafeHwnd()));
    if (pDlg != nullptr)
        SetDateBoxes(pDlg, nID, t.GetHour(), t.GetMinute(), t.GetSecond());
}

CTime CDateDlg::GetDlgDate(CWnd* pDlg, UINT nID)
{
    HWND hYear = pDlg != nullptr ? Box(pDlg, nID) : nullptr;
    ASSERT(hYear != nullptr);
    if (hYear == nullptr)
        return CTime(0);
    HWND hMonth = Box(pDlg, nID + 1), hDay = Box(pDlg, nID + 2);
    int year = BoxNumber(hYear);
    int month = hMonth != nullptr ? BoxNumber(hMonth) : 1;
    int day = hDay != nullptr ? BoxNumber(hDay) : 1;
    if (year < kFirstYear || year > kLastYear)
    {
        WarningBox(L"年份輸入錯誤");
        return CTime(0);
    }
    if (year < kFirstTypedYear)
        year = kOldYearStandIn;
    if (month < 0)
    {
        WarningBox(L"月份輸入錯誤");
        return CTime(0);
    }
    if (month == 0)
        month = 1;
    if (day < 0 || day > 31)
    {
        WarningBox(L"日期輸入錯誤");
        return CTime(0);
    }
    if (day == 0)
        day = 1;
    CTime t;
    return CDate::AdjustDate(t, year, month, day, 0) ? t : CTime(0);
}

CTime CDateDlg::GetDlgDate(CWnd* pDlg, UINT nDateID, UINT nTimeID)
{
    CTime date = GetDlgDate(pDlg, nDateID);
    if (date.GetTime() == 0)
        return date;   // the date was refused: no time of day to add
    // A part out of range is reported and counts as 0.
    auto part = [](HWND hBox, int nLast)
    {
        int n = BoxNumber(hBox);
        if (n < 0 || n > nLast)
        {
            WarningBox(L"時間設定錯誤");
            return 0;
        }
        return n;
    };
    int hour = part(Box(pDlg, nTimeID), 23);
    int minute = 0, second = 0;
    if (HWND hMinute = Box(pDlg, nTimeID + 1))
    {
        minute = part(hMinute, 59);
        second = part(Box(pDlg, nTimeID + 2), 59);
    }
    return CTime(date.GetYear(), date.GetMonth(), date.GetDay(), hour, minute, second);
}

void CDateDlg::OnDlgChangeDate(CWnd* pDlg, UINT nID, YMDD which)
{
    HWND hDlg = pDlg != nullptr ? pDlg->GetSafeHwnd() : nullptr;
    if (hDlg == nullptr || ::GetPropW(hDlg, kNormalisingProp) != nullptr)
        return;
    int year = BoxNumber(Box(pDlg, nID), kYearChars);
    int month = BoxNumber(Box(pDlg, nID + 1));
    int day = BoxNumber(Box(pDlg, nID + 2));
    if (year < kFirstTypedYear)
    {
        SetBox(pDlg, nID, kFirstTypedYear);
        return;
    }
    if (month == 0 && day == 0)
        return;
    if (month == 0 && which == eMonth)
    {
        // Spinning below January goes to December of the year before.
        SetBox(pDlg, nID + 1, 12);
        SetBox(pDlg, nID, year - 1);
        return;
    }
    if (which == eDay ? day >= 1 && day <= 28 : day == 0)
        return;
    CTime t;
    if (CDate::AdjustDate(t, year, month, day, 1) == 1)
    {
        ::SetPropW(hDlg, kNormalisingProp, HANDLE(1));
        SetBox(pDlg, nID + 2, t.GetDay());
        SetBox(pDlg, nID + 1, t.GetMonth());
        SetBox(pDlg, nID, t.GetYear());
        ::RemovePropW(hDlg, kNormalisingProp);
    }
}

void CDateDlg::OnDlgChangeTime(CWnd* pDlg, UINT nID, HMS which)
{
    if (pDlg == nullptr || pDlg->GetSafeHwnd() == nullptr)
        return;
    int hour = BoxNumber(Box(pDlg, nID));
    int minute = BoxNumber(Box(pDlg, nID + 1));
    int second = BoxNumber(Box(pDlg, nID + 2));
    if (which == eHour && hour > 23)
    {
        SetBox(pDlg, nID, hour - 24);
    }
    else if (which == eMinute && minute > 59)
    {
        SetBox(pDlg, nID + 1, minute - 60);
        SetBox(pDlg, nID, hour + 1);
    }
    else if (which == eSecond && second >= 60)
    {
        SetBox(pDlg, nID + 2, second - 60);
        SetBox(pDlg, nID + 1, minute + 1);
    }
}

void CDateDlg::SetSpin(CDialog* pDlg, int nID, int nGroup)
{
    if (nGroup < 0 || nGroup >= kSpinGroups)
    {
        AfxMessageBox(L"設定微調組錯誤", MB_OK, 0);
        return;
    }
    HWND hDlg = pDlg != nullptr ? pDlg->GetSafeHwnd() : nullptr;
    ASSERT(hDlg != nullptr);
    if (hDlg == nullptr)
        return;
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_NOTHOUSANDS;
    for (int k = 0; k < kBoxesPerGroup; ++k)
    {
        UINT nBoxID = UINT(nID + k);
        HWND hBox = Box(pDlg, nBoxID);
        if (!IsEditable(hBox))
            continue;
        CSpinButtonCtrl*& pSlot = m_pSpin[nGroup * kBoxesPerGroup + k];
        delete pSlot;   // a second call on the group replaces its buttons
        pSlot = nullptr;
        RECT rc;
        ::GetWindowRect(hBox, &rc);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
        auto* pSpin = new CSpinButtonCtrl;
        if (!pSpin->Create(dwStyle, rc, pDlg, nBoxID + kSpinIdOffset))
        {
            delete pSpin;
            continue;
        }
        pSpin->SetBuddy(CWnd::FromHandle(hBox));
        pSpin->SetRange32(kSpinRanges[k].nLower, kSpinRanges[k].nUpper);
        pSlot = pSpin;
    }
    CTime today = CTime::GetCurrentTime();
    SetDlgDate(pDlg, UINT(nID), today);
}
