// CSingleDate and CDateRange: pickers found by class and position in real
// dialogs, their format, checks and messages, and the query conditions.
#include <gtest/gtest.h>
#include <string>

#include "../date/localtime_check.h"
#include "../dlgdata/form_dialog.h"
#include "control/singledate.h"
#include "dateentry_ids.h"
#include "extend/daterange.h"
#include "qvtest.h"

using datetest::LocalToTime;
using formtest::FormDialog;

namespace
{

class PickerTest : public qvtest::MessageBoxTest
{
protected:
    static std::wstring Shown(HWND picker)
    {
        wchar_t buffer[64] = L"";
        ::GetWindowTextW(picker, buffer, 64);
        return buffer;
    }
    static std::wstring Parts(const COleDateTime& t)
    {
        CString text = t.Format(L"%Y-%m-%d %H:%M:%S");
        return text.GetString();
    }
    // A condition over the column VisitTime: pattern with the field before each bound.
    static std::wstring Condition(const wchar_t* pattern, long long a, long long b)
    {
        CString text;
        text.Format(pattern, L"VisitTime", int(a), L"VisitTime", int(b));
        return text.GetString();
    }
    static std::wstring Between(long long a, long long b)
    {
        CString text;
        text.Format(L"(VisitTime BETWEEN %d AND %d)", int(a), int(b));
        return text.GetString();
    }
};

TEST_F(PickerTest, SingleDateFindsTheOnlyPicker)
{
    FormDialog form(IDD_ONEPICKER);
    ASSERT_TRUE(form.created);
    CSingleDate single;
    EXPECT_EQ(0, single.GetDateID());
    form.setPicker(IDC_PICKER1, 2021, 3, 5, 15, 45, 10);
    single.NormalFormat(&form.dialog);
    EXPECT_EQ(IDC_PICKER1, single.GetDateID());
    EXPECT_EQ(L"2021-03-05 15:45:10", Parts(single.GetDate()));
    EXPECT_EQ(L"2021/03/05", Shown(form.item(IDC_PICKER1)));
    qvtest::SaveWindowPng(form.hwnd(), L"dateentry-single-date");

    single.SetDate(&form.dialog, CTime(LocalToTime(2026, 11, 1, 10, 0, 0)));
    EXPECT_EQ(1, single.UpdateDate(&form.dialog));
    EXPECT_EQ(L"2026-11-01 10:00:00", Parts(single.GetDate()));
    single.Noon();
    EXPECT_EQ(L"2026-11-01 12:00:00", Parts(single.GetDate()));
    TIMESTAMP_STRUCT stamp;
    EXPECT_EQ(1, single.OleToStamp(stamp));
    EXPECT_TRUE(formtest::SameStamp(formtest::Stamp(2026, 11, 1, 12), stamp));
    single.ZeroHour();
    EXPECT_EQ(L"2026-11-01 00:00:00", Parts(single.GetDate()));
    EXPECT_EQ(LocalToTime(2026, 11, 1, 0), CSingleDate::ToCTime(single.GetDate()).GetTime());

    // Zero or a negative time: today.
    single.SetDate(&form.dialog, static_cast<__int64>(0));
    SYSTEMTIME st, today;
    ::GetLocalTime(&today);
    ASSERT_EQ(DWORD(GDT_VALID), form.pickerTime(IDC_PICKER1, st));
    EXPECT_EQ(today.wDay, st.wDay);
    single.SetDate(&form.dialog, static_cast<__int64>(LocalToTime(2021, 3, 5, 8)));
    single.UpdateDate(&form.dialog);
    EXPECT_EQ(L"2021-03-05 08:00:00", Parts(single.GetDate()));
    // A cleared date keeps the one read before.
    form.clearPicker(IDC_PICKER1);
    EXPECT_EQ(1, single.UpdateDate(&form.dialog));
    EXPECT_EQ(L"2021-03-05 08:00:00", Parts(single.GetDate()));
    EXPECT_MESSAGE_BOXES(boxes);

    // One day's condition, both bounds exclusive.
    long long day = LocalToTime(2021, 3, 1, 0);
    EXPECT_EQ(Condition(L"%s>%d AND %s<%d", day, day + 86400),
              CSingleDate::PrepareOneDay(L"VisitTime", CTime(day)).GetString());
    EXPECT_STREQ(L"t>1614528000 AND t<1614614400", CSingleDate::PrepareOneDay(L"t", CTime(1614528000)).GetString());
}

TEST_F(PickerTest, SingleDateWithoutExactlyOnePicker)
{
    for (UINT templ : {UINT(IDD_TWOPICKERS), UINT(IDD_NOPICKER), UINT(IDD_FIVEPICKERS)})
    {
        FormDialog form(templ);
        ASSERT_TRUE(form.created);
        CSingleDate single;
        single.PrepareID(&form.dialog);
        EXPECT_EQ(0, single.GetDateID());
        EXPECT_MESSAGE_BOXES(boxes, L"Not only one datetime control");
        boxes.clear();
        single.NormalFormat(&form.dialog);
        EXPECT_MESSAGE_BOXES(boxes, L"Not only one datetime control", L"單一時間自動設定錯誤");
        boxes.clear();
        EXPECT_EQ(0, single.UpdateDate(&form.dialog));
        // An identifier the dialog lacks: the same message, once.
        single.SetDateID(4242);
        single.NormalFormat(&form.dialog);
        EXPECT_MESSAGE_BOXES(boxes, L"單一時間自動設定錯誤");
        boxes.clear();
    }
}

TEST_F(PickerTest, RangeTakesTheLeftPickerAsItsBeginning)
{
    struct Case
    {
        UINT templ;
        UINT begin, end;
        int found;
    } cases[] = {
        {IDD_TWOPICKERS, IDC_PICKER2, IDC_PICKER1, 1},   // the one at x = 10
        {IDD_SAMELEFT, IDC_PICKER2, IDC_PICKER1, 1},     // equal edges: the second found
        {IDD_FIVEPICKERS, 0, 0, 0},
        {IDD_NOPICKER, 0, 0, 0},
        {IDD_ONEPICKER, 0, 0, 0},
    };
    for (const Case& c : cases)
    {
        FormDialog form(c.templ);
        ASSERT_TRUE(form.created);
        CDateRange range;
        EXPECT_EQ(c.found, range.NormalFormat(&form.dialog)) << c.templ;
        EXPECT_EQ(c.begin, range.GetBeginID()) << c.templ;
        EXPECT_EQ(c.end, range.GetEndID()) << c.templ;
        if (!c.found)
        {
            EXPECT_EQ(0, range.GetDateRange(&form.dialog));
            EXPECT_MESSAGE_BOXES(boxes, L"日期控件沒有找到");
            boxes.clear();
            EXPECT_EQ(0, range.UpdateRange(&form.dialog));
            EXPECT_EQ(0, range.UpdateBegin(&form.dialog));
            EXPECT_EQ(0, range.UpdateEnd(&form.dialog));
            EXPECT_MESSAGE_BOXES(boxes);
        }
        else
        {
            form.setPicker(int(c.begin), 2021, 3, 1);
            EXPECT_EQ(L"2021/03/01", Shown(form.item(int(c.begin))));
        }
    }
    CDateRange range;
    EXPECT_EQ(0, range.PrepareID(nullptr));
    EXPECT_EQ(0u, range.GetBeginID());
}

TEST_F(PickerTest, RangeChecksItsOrderAndBuildsConditions)
{
    FormDialog form(IDD_TWOPICKERS);
    ASSERT_TRUE(form.created);
    CDateRange range;
    ASSERT_EQ(1, range.NormalFormat(&form.dialog));
    const int from = IDC_PICKER2, to = IDC_PICKER1;

    form.setPicker(from, 2021, 3, 10, 15);
    form.setPicker(to, 2021, 3, 1, 9);
    EXPECT_EQ(0, range.GetDateRange(&form.dialog));
    EXPECT_MESSAGE_BOXES(boxes, L"時間范圍首末顛倒");
    boxes.clear();
    EXPECT_EQ(L"", std::wstring(range.PrepareRangeFilter(L"VisitTime").GetString())) << "a reversed range";
    EXPECT_EQ(0, range.UpdateRange(&form.dialog));
    EXPECT_MESSAGE_BOXES(boxes, L"時間范圍錯誤");
    boxes.clear();

    // One day, read at any time of day: from its 00:00 to the next day's.
    form.setPicker(from, 2021, 3, 1, 9, 30);
    form.setPicker(to, 2021, 3, 1, 18);
    EXPECT_EQ(1, range.GetDateRange(&form.dialog));
    EXPECT_EQ(L"2021-03-01 00:00:00", Parts(range.GetBegin()));
    EXPECT_EQ(L"2021-03-01 00:00:00", Parts(range.GetEnd()));
    long long b = LocalToTime(2021, 3, 1, 0);
    EXPECT_EQ(Between(b, b + 86400), range.PrepareRangeFilter(L"VisitTime").GetString());
    EXPECT_EQ(Condition(L"%s>=%d and %s < %d", b, b + 86400), range.PrepareLongTimeCondition(L"VisitTime").GetString());
    qvtest::SaveWindowPng(form.hwnd(), L"dateentry-range");

    // A week across the spring change of clock of the second zone.
    form.setPicker(from, 2021, 3, 8);
    form.setPicker(to, 2021, 3, 14);
    EXPECT_EQ(1, range.UpdateRange(&form.dialog));
    EXPECT_EQ(Between(LocalToTime(2021, 3, 8, 0), LocalToTime(2021, 3, 14, 0) + 86400),
              range.PrepareRangeFilter(L"VisitTime").GetString());
    TIMESTAMP_STRUCT begin, end;
    range.ToTimeStamp(&begin, &end);
    EXPECT_TRUE(formtest::SameStamp(formtest::Stamp(2021, 3, 8), begin));
    EXPECT_TRUE(formtest::SameStamp(formtest::Stamp(2021, 3, 14), end));

    // One picker at a time; a cleared date keeps what was read before.
    form.setPicker(to, 2022, 1, 2, 3, 4, 5);
    EXPECT_EQ(1, range.UpdateEnd(&form.dialog));
    EXPECT_EQ(L"2022-01-02 03:04:05", Parts(range.GetEnd()));
    form.clearPicker(from);
    EXPECT_EQ(1, range.UpdateBegin(&form.dialog));
    EXPECT_EQ(L"2021-03-08 00:00:00", Parts(range.GetBegin()));
    EXPECT_EQ(1, range.GetDateRange(&form.dialog));
    EXPECT_EQ(L"2022-01-02 00:00:00", Parts(range.GetEnd()));
    EXPECT_MESSAGE_BOXES(boxes);
}

}   // namespace
