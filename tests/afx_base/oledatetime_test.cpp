// COleDateTime and COleDateTimeSpan: statuses as date pickers need them,
// the DATE encoding on both sides of zero, parsing and arithmetic.
#include <gtest/gtest.h>

#include <vector>

#include "afxdisp.h"
#include "afxtime.h"

namespace
{

std::vector<int> Parts(const COleDateTime& date)
{
    return {date.GetYear(),   date.GetMonth(),  date.GetDay(),       date.GetHour(),
            date.GetMinute(), date.GetSecond(), date.GetDayOfWeek(), date.GetDayOfYear()};
}

}   // namespace

TEST(COleDateTimeTest, StatusOfPartsAndValues)
{
    EXPECT_EQ((std::vector<int>{2024, 2, 29, 13, 45, 30, 5, 60}), Parts(COleDateTime(2024, 2, 29, 13, 45, 30)));
    const int kBadParts[][6] = {
        {2023, 2, 29, 0, 0, 0}, {2024, 13, 1, 0, 0, 0}, {2024, 1, 1, 24, 0, 0}, {99, 1, 1, 0, 0, 0}};
    for (const auto& parts : kBadParts)
    {
        COleDateTime bad(parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]);
        EXPECT_EQ(COleDateTime::invalid, bad.GetStatus()) << parts[0] << "-" << parts[1] << "-" << parts[2];
        EXPECT_EQ(AFX_OLE_DATETIME_ERROR, bad.GetYear());
    }
    COleDateTime set;
    EXPECT_EQ(1, set.SetDate(2023, 2, 29));
    EXPECT_EQ(COleDateTime::invalid, set.GetStatus());
    EXPECT_EQ(0, set.SetTime(23, 59, 59));
    EXPECT_EQ((std::vector<int>{1899, 12, 30, 23, 59, 59, 7, 364}), Parts(set));
    set.SetStatus(COleDateTime::invalid);
    EXPECT_STREQ(L"Invalid DateTime", set.Format(L"%Y"));
}

TEST(COleDateTimeTest, DateEncodingOnBothSidesOfZero)
{
    EXPECT_DOUBLE_EQ(45000.5, COleDateTime(2023, 3, 15, 12, 0, 0).m_dt);
    EXPECT_DOUBLE_EQ(-1.25, COleDateTime(1899, 12, 29, 6, 0, 0).m_dt);   // time stays positive
    // Arithmetic runs straight through zero.
    COleDateTime before(-1.25);
    COleDateTime after = before + COleDateTimeSpan(0, 18, 0, 0);
    EXPECT_DOUBLE_EQ(0.0, after.m_dt);
    EXPECT_NEAR(0.75, (after - before).GetTotalDays(), 1e-9);
    // Parts are read to the nearest second.
    EXPECT_EQ(1, COleDateTime(45000.0 + 59.6 / 86400.0).GetMinute());
}

TEST(COleDateTimeTest, ConversionsFromTimesAndSystemTimes)
{
    EXPECT_EQ(9, COleDateTime(CTime(2024, 7, 1, 9, 30, 15).GetTime()).GetHour());   // local, as CTime reads it
    SYSTEMTIME st{2024, 12, 0, 25, 8, 0, 0, 0};
    SYSTEMTIME back{};
    ASSERT_TRUE(COleDateTime(st).GetAsSystemTime(back));
    EXPECT_EQ(3, back.wDayOfWeek);   // Wednesday
    EXPECT_FALSE(COleDateTime(SYSTEMTIME{2024, 2, 0, 30, 0, 0, 0, 0}).GetAsSystemTime(back));
    // A file time is UTC: it reads as the local time of the same instant.
    FILETIME ft;
    SYSTEMTIME utc;
    TzSpecificLocalTimeToSystemTime(nullptr, &st, &utc);
    SystemTimeToFileTime(&utc, &ft);
    EXPECT_EQ(COleDateTime(st), COleDateTime(ft));
}

TEST(COleDateTimeTest, ParseDateTime)
{
    const struct
    {
        const wchar_t* pszText;
        DWORD dwFlags;
        COleDateTime expected;
    } kGood[] = {
        {L" 2024-3-5 14:07 ", 0, COleDateTime(2024, 3, 5, 14, 7, 0)},
        {L"2024/03/05 14:07:09", VAR_DATEVALUEONLY, COleDateTime(2024, 3, 5, 0, 0, 0)},
        {L"2024/03/05 14:07:09", VAR_TIMEVALUEONLY, COleDateTime(1899, 12, 30, 14, 7, 9)},
    };
    COleDateTime date;
    for (const auto& c : kGood)
    {
        ASSERT_TRUE(date.ParseDateTime(c.pszText, c.dwFlags)) << CString(c.pszText).GetString();
        EXPECT_EQ(c.expected, date) << CString(c.pszText).GetString();
    }
    const wchar_t* const kBad[] = {L"   ", L"2024/02/30", L"2024/03-05", L"2024/03/05 25:00", L"2024/03/05x"};
    for (const wchar_t* pszText : kBad)
    {
        EXPECT_FALSE(date.ParseDateTime(pszText)) << CString(pszText).GetString();
        EXPECT_EQ(COleDateTime::invalid, date.GetStatus());
    }
    EXPECT_FALSE(date.ParseDateTime(nullptr));
}

TEST(COleDateTimeTest, FormatAndSpans)
{
    COleDateTime date(2024, 3, 5, 14, 7, 9);
    EXPECT_STREQ(L"2024/03/05|14:07:09",
                 COleDateTime(2024, 3, 5, 0, 0, 0).Format() + L"|" + COleDateTime(1899, 12, 30, 14, 7, 9).Format());
    EXPECT_STREQ(L"2024年03月05日 Tue", date.Format(L"%Y年%m月%d日 %a"));
    COleDateTimeSpan span(1, 2, 3, 4);
    EXPECT_EQ(COleDateTime(2024, 3, 4, 12, 4, 5), date - span);
    COleDateTime invalid(2024, 2, 30, 0, 0, 0);
    EXPECT_EQ(COleDateTime::invalid, (invalid + span).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::invalid, (invalid - date).GetStatus());
    EXPECT_EQ(COleDateTime::invalid, (COleDateTime(9999, 12, 31, 0, 0, 0) + COleDateTimeSpan(2, 0, 0, 0)).GetStatus());
}
