// CDateDlg: three edit boxes of a real dialog kept a real date by the
// change handlers, read back with their messages, and real spin buttons.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>

#include "../date/localtime_check.h"
#include "../date/which_box.h"
#include "../module/assert_counter.h"
#include "../dlgdata/form_dialog.h"
#include "cmnspin.h"
#include "control/datedlg.h"
#include "dateentry_ids.h"
#include "qvtest.h"

using namespace datetest;

namespace
{

// A dialog whose change handlers call the normalisation, as a caller's do.
class CBoxesDialog : public CDialog
{
public:
    bool normalise = false;
    int changes = 0;
    int depth = 0;
    int deepest = 0;

protected:
    afx_msg void OnYear() { DateChanged(CDateDlg::eYear); }
    afx_msg void OnMonth() { DateChanged(CDateDlg::eMonth); }
    afx_msg void OnDay() { DateChanged(CDateDlg::eDay); }
    afx_msg void OnHour() { TimeChanged(CDateDlg::eHour); }
    afx_msg void OnMinute() { TimeChanged(CDateDlg::eMinute); }
    afx_msg void OnSecond() { TimeChanged(CDateDlg::eSecond); }

private:
    void DateChanged(CDateDlg::YMDD which)
    {
        if (!normalise || depth > 50)
            return;
        Enter();
        CDateDlg::OnDlgChangeDate(this, IDC_YEAR, which);
        --depth;
    }
    void TimeChanged(CDateDlg::HMS which)
    {
        if (!normalise || depth > 50)
            return;
        Enter();
        CDateDlg::OnDlgChangeTime(this, IDC_HOUR, which);
        --depth;
    }
    void Enter()
    {
        ++changes;
        deepest = std::max(deepest, ++depth);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBoxesDialog, CDialog)
    ON_EN_CHANGE(IDC_YEAR, OnYear)
    ON_EN_CHANGE(IDC_MONTH, OnMonth)
    ON_EN_CHANGE(IDC_DAY, OnDay)
    ON_EN_CHANGE(IDC_HOUR, OnHour)
    ON_EN_CHANGE(IDC_MINUTE, OnMinute)
    ON_EN_CHANGE(IDC_SECOND, OnSecond)
END_MESSAGE_MAP()

class DateDlgTest : public qvtest::MessageBoxTest
{
protected:
    void SetUp() override
    {
        AfxInitCommonControl(ICC_UPDOWN_CLASS);
        ASSERT_TRUE(dialog.Create(IDD_DATEBOXES));
    }
    void TearDown() override
    {
        if (::IsWindow(dialog.m_hWnd))
            dialog.DestroyWindow();
    }
    std::wstring text(int id) const
    {
        wchar_t buffer[64] = L"";
        ::GetDlgItemTextW(dialog.m_hWnd, id, buffer, 64);
        return buffer;
    }
    void put(int id, const std::wstring& value) { ::SetDlgItemTextW(dialog.m_hWnd, id, value.c_str()); }
    void putBoxes(int first, const std::wstring& a, const std::wstring& b, const std::wstring& c)
    {
        bool was = dialog.normalise;
        dialog.normalise = false;
        put(first, a);
        put(first + 1, b);
        put(first + 2, c);
        dialog.normalise = was;
    }
    std::wstring boxes3(int first) const { return text(first) + L"/" + text(first + 1) + L"/" + text(first + 2); }

    CBoxesDialog dialog;
};

TEST_F(DateDlgTest, ChangedBoxesBecomeARealDate)
{
    struct Case
    {
        const wchar_t *y, *m, *d;
        int changed;
        const wchar_t* result;
        Said said;
    } cases[] = {
        {L"2021", L"2", L"30", 2, L"2021/3/2", kNoBox},
        {L"2021", L"4", L"31", 1, L"2021/5/1", kNoBox},
        {L"2020", L"2", L"31", 0, L"2020/3/2", kNoBox},
        {L"2021", L"0", L"15", 1, L"2020/12/15", kNoBox},   // spinning below January
        {L"1985", L"5", L"5", 0, L"1990/5/5", kNoBox},
        {L"19", L"5", L"5", 0, L"1990/5/5", kNoBox},
        {L"2021", L"0", L"0", 2, L"2021/0/0", kNoBox},
        {L"2021", L"2", L"15", 2, L"2021/2/15", kNoBox},
        {L"2021", L"2", L"0", 1, L"2021/2/0", kNoBox},
        {L"2021", L"13", L"5", 1, L"2021/13/5", WarningBox(L"月份錯誤(1-12)")},
        {L"2037", L"1", L"5", 0, L"2037/1/5", WarningBox(L"年份錯誤(1970-2036)")},
        {L"2021", L"1", L"45", 2, L"2021/1/45", WarningBox(L"日期錯誤(1-31)")},
        {L"20215", L"2", L"30", 2, L"2021/3/2", kNoBox},   // the year is read from four characters
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(qvtest::Utf8(std::wstring(c.y) + L"/" + c.m + L"/" + c.d));
        putBoxes(IDC_YEAR, c.y, c.m, c.d);
        dialog.normalise = true;
        dialog.changes = dialog.deepest = 0;
        put(IDC_YEAR + c.changed, text(IDC_YEAR + c.changed));   // the user's change
        dialog.normalise = false;
        EXPECT_EQ(c.result, boxes3(IDC_YEAR));
        EXPECT_TRUE(Showed(boxes, c.said));
        // The boxes set by the carry do not start the normalisation again.
        EXPECT_LE(dialog.deepest, 3);
        EXPECT_LE(dialog.changes, 12);
    }
}

TEST_F(DateDlgTest, TimeBoxesCarry)
{
    struct Case
    {
        const wchar_t *h, *m, *s;
        int changed;
        const wchar_t* result;
    } cases[] = {
        {L"25", L"10", L"0", 0, L"1/10/0"}, {L"10", L"75", L"0", 1, L"11/15/0"},
        {L"23", L"60", L"0", 1, L"0/0/0"},   // the hour that the carry made is carried too
        {L"8", L"59", L"60", 2, L"9/0/0"},  {L"8", L"30", L"59", 2, L"8/30/59"},
    };
    for (const Case& c : cases)
    {
        putBoxes(IDC_HOUR, c.h, c.m, c.s);
        dialog.normalise = true;
        put(IDC_HOUR + c.changed, text(IDC_HOUR + c.changed));
        dialog.normalise = false;
        EXPECT_EQ(c.result, boxes3(IDC_HOUR)) << qvtest::Utf8(std::wstring(c.h) + L":" + c.m + L":" + c.s);
    }
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(DateDlgTest, GetDlgDateReadsWithItsMessages)
{
    struct Case
    {
        const wchar_t *y, *m, *d;
        long long time;
        Said said;
    } cases[] = {
        {L"2021", L"3", L"5", LocalToTime(2021, 3, 5, 0), kNoBox},
        {L"1985", L"3", L"5", LocalToTime(1996, 3, 5, 0), kNoBox},
        {L"2021", L"0", L"0", LocalToTime(2021, 1, 1, 0), kNoBox},
        {L"2020", L"2", L"29", LocalToTime(2020, 2, 29, 0), kNoBox},
        {L"2041", L"1", L"1", 0, WarningBox(L"年份輸入錯誤")},
        {L"1969", L"1", L"1", 0, WarningBox(L"年份輸入錯誤")},
        {L"abc", L"1", L"1", 0, WarningBox(L"年份輸入錯誤")},
        {L"2021", L"-1", L"5", 0, WarningBox(L"月份輸入錯誤")},
        {L"2021", L"1", L"32", 0, WarningBox(L"日期輸入錯誤")},
        {L"2021", L"1", L"-1", 0, WarningBox(L"日期輸入錯誤")},
        {L"2021", L"2", L"29", 0, WarningBox(L"時間輸入錯誤")},
        {L"2038", L"1", L"1", 0, WarningBox(L"年份錯誤(1970-2036)")},
        {L"2021", L"13", L"1", 0, WarningBox(L"月份錯誤(1-12)")},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(qvtest::Utf8(std::wstring(c.y) + L"/" + c.m + L"/" + c.d));
        putBoxes(IDC_YEAR, c.y, c.m, c.d);
        EXPECT_EQ(c.time, CDateDlg::GetDlgDate(&dialog, IDC_YEAR).GetTime());
        EXPECT_TRUE(Showed(boxes, c.said));
    }

    // With the time of day: a part out of range is reported and counts as 0.
    putBoxes(IDC_YEAR, L"2021", L"3", L"5");
    putBoxes(IDC_HOUR, L"25", L"30", L"61");
    EXPECT_EQ(LocalToTime(2021, 3, 5, 0, 30, 0), CDateDlg::GetDlgDate(&dialog, IDC_YEAR, IDC_HOUR).GetTime());
    EXPECT_MESSAGE_BOXES(boxes, L"時間設定錯誤", L"時間設定錯誤");
    boxes.clear();
    putBoxes(IDC_HOUR, L"23", L"59", L"59");
    EXPECT_EQ(LocalToTime(2021, 3, 5, 23, 59, 59), CDateDlg::GetDlgDate(&dialog, IDC_YEAR, IDC_HOUR).GetTime());
    putBoxes(IDC_YEAR, L"2041", L"3", L"5");
    EXPECT_EQ(0, CDateDlg::GetDlgDate(&dialog, IDC_YEAR, IDC_HOUR).GetTime());
    EXPECT_TRUE(Showed(boxes, WarningBox(L"年份輸入錯誤"))) << "the date's message only";
}

TEST_F(DateDlgTest, MissingBoxesCountAsOne)
{
    CBoxesDialog yearOnly;
    ASSERT_TRUE(yearOnly.Create(IDD_YEARONLY));
    ::SetDlgItemTextW(yearOnly.m_hWnd, IDC_YEAR, L"2021");
    ::SetDlgItemTextW(yearOnly.m_hWnd, IDC_HOUR, L"9");
    EXPECT_EQ(LocalToTime(2021, 1, 1, 0), CDateDlg::GetDlgDate(&yearOnly, IDC_YEAR).GetTime());
    EXPECT_EQ(LocalToTime(2021, 1, 1, 9), CDateDlg::GetDlgDate(&yearOnly, IDC_YEAR, IDC_HOUR).GetTime());
    AssertCounter asserts;
    EXPECT_EQ(0, CDateDlg::GetDlgDate(&yearOnly, 4242).GetTime()) << "no year box";
    EXPECT_EQ(1, asserts.count()) << "a caller's error";
    yearOnly.DestroyWindow();
    EXPECT_MESSAGE_BOXES(boxes);
}

TEST_F(DateDlgTest, SetDateAndTimeFillTheBoxes)
{
    CTime t(LocalToTime(2026, 11, 1, 1, 30, 15));
    CDateDlg::SetDlgDate(&dialog, IDC_YEAR, t);
    CDateDlg::SetDlgTime(&dialog, IDC_HOUR, t);
    EXPECT_EQ(L"2026/11/1", boxes3(IDC_YEAR));
    EXPECT_EQ(L"1/30/15", boxes3(IDC_HOUR));
    CTime negative(-1);
    CDateDlg::SetDlgDate(&dialog, IDC_YEAR, negative);
    EXPECT_TRUE(Showed(boxes, AfxBox(L"時間未初始化")));
    EXPECT_EQ(L"2026/11/1", boxes3(IDC_YEAR));
}

TEST_F(DateDlgTest, SpinButtonsOnTheEditableBoxes)
{
    auto* pDates = new CDateDlg;
    pDates->SetSpin(&dialog, IDC_YEAR, 4);
    pDates->SetSpin(&dialog, IDC_YEAR, -1);
    EXPECT_MESSAGE_BOXES(boxes, L"設定微調組錯誤", L"設定微調組錯誤");
    boxes.clear();
    EXPECT_EQ(nullptr, ::GetDlgItem(dialog.m_hWnd, IDC_YEAR + 20000));

    SYSTEMTIME today;
    ::GetLocalTime(&today);
    pDates->SetSpin(&dialog, IDC_YEAR, 0);
    pDates->SetSpin(&dialog, IDC_YEAR2, 3);
    EXPECT_EQ(std::to_wstring(today.wYear) + L"/" + std::to_wstring(today.wMonth) + L"/" + std::to_wstring(today.wDay),
              boxes3(IDC_YEAR));
    struct Spin
    {
        int box;
        int lower, upper;
    } spins[] = {
        {IDC_YEAR, 1970, 2100},
        {IDC_MONTH, 1, 12},
        {IDC_DAY, 1, 31},
        {IDC_YEAR2, 1970, 2100},
    };
    for (const Spin& s : spins)
    {
        HWND spin = ::GetDlgItem(dialog.m_hWnd, s.box + 20000);
        ASSERT_NE(nullptr, spin) << s.box;
        wchar_t cls[32] = L"";
        ::GetClassNameW(spin, cls, 32);
        EXPECT_STREQ(UPDOWN_CLASSW, cls);
        EXPECT_EQ(::GetDlgItem(dialog.m_hWnd, s.box), HWND(::SendMessageW(spin, UDM_GETBUDDY, 0, 0)));
        int lower = 0, upper = 0;
        ::SendMessageW(spin, UDM_GETRANGE32, WPARAM(&lower), LPARAM(&upper));
        EXPECT_EQ(s.lower, lower);
        EXPECT_EQ(s.upper, upper);
        DWORD style = DWORD(::GetWindowLongW(spin, GWL_STYLE));
        const DWORD wanted = WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_NOTHOUSANDS;
        EXPECT_EQ(wanted, style & wanted);
    }
    // The read-only month and the hidden day of the second group get none.
    EXPECT_EQ(nullptr, ::GetDlgItem(dialog.m_hWnd, IDC_MONTH2 + 20000));
    EXPECT_EQ(nullptr, ::GetDlgItem(dialog.m_hWnd, IDC_DAY2 + 20000));
    qvtest::SaveWindowPng(dialog.m_hWnd, L"dateentry-spins");

    // A click on the day's up arrow: 30 April becomes 31, which the change
    // handler carries to 1 May.
    putBoxes(IDC_YEAR, L"2021", L"4", L"30");
    dialog.normalise = true;
    HWND daySpin = ::GetDlgItem(dialog.m_hWnd, IDC_DAY + 20000);
    RECT rc;
    ::GetClientRect(daySpin, &rc);
    LPARAM upperHalf = MAKELPARAM(rc.right / 2, rc.bottom / 4);
    ::PostMessageW(daySpin, WM_LBUTTONDOWN, MK_LBUTTON, upperHalf);
    ::PostMessageW(daySpin, WM_LBUTTONUP, 0, upperHalf);
    qvtest::PumpMessages(50);
    EXPECT_EQ(L"2021/5/1", boxes3(IDC_YEAR));
    // The down arrow key in the month box: May becomes April.
    ::SetFocus(::GetDlgItem(dialog.m_hWnd, IDC_MONTH));
    ::PostMessageW(::GetDlgItem(dialog.m_hWnd, IDC_MONTH), WM_KEYDOWN, VK_DOWN, 1);
    ::PostMessageW(::GetDlgItem(dialog.m_hWnd, IDC_MONTH), WM_KEYUP, VK_DOWN, LPARAM(0xC0000001));
    qvtest::PumpMessages(50);
    EXPECT_EQ(L"2021/4/1", boxes3(IDC_YEAR));
    dialog.normalise = false;

    HWND yearSpin = ::GetDlgItem(dialog.m_hWnd, IDC_YEAR + 20000);
    delete pDates;
    EXPECT_FALSE(::IsWindow(yearSpin)) << "the destructor takes its spin buttons away";
    EXPECT_MESSAGE_BOXES(boxes);
}

}   // namespace
