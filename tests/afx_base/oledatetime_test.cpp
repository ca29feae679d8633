// COleDateTime and COleDateTimeSpan: statuses as date pickers need them,
// the DATE encoding on both sides of zero, parsing and arithmetic.
#include <gtest/gtest.h>

#include "afxdisp.h"
#include "afxtime.h"

TEST(COleDateTimeTest, StatusOfPartsAndValues)
{
    COleDateTime date(2024, 2, 29, 13, 45, 30);
    EXPECT_EQ(COleDateTime::valid, date.GetStatus());
    EXPECT_EQ(2024, date.GetYear());
    EXPECT_EQ(2, date.GetMonth());
    EXPECT_EQ(29, date.GetDay());
    EXPECT_EQ(13, date.GetHour());
    EXPECT_EQ(45, date.GetMinute());
    EXPECT_EQ(30, date.GetSecond());
    EXPECT_EQ(5, date.GetDayOfWeek());  // Thursday
    EXPECT_EQ(60, date.GetDayOfYear());

    const int kBadParts[][6] = {
        {2023, 2, 29, 0, 0, 0}, {2024, 13, 1, 0, 0, 0}, {2024, 0, 1, 0, 0, 0}, {2024, 4, 31, 0, 0, 0},
        {2024, 1, 0, 0, 0, 0},  {2024, 1, 1, 24, 0, 0}, {2024, 1, 1, 0, 60, 0}, {2024, 1, 1, 0, 0, -1},
        {99, 1, 1, 0, 0, 0},    {10000, 1, 1, 0, 0, 0},
    };
    for (const auto& parts : kBadParts)
    {
        COleDateTime bad(parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]);
        EXPECT_EQ(COleDateTime::invalid, bad.GetStatus()) << parts[0] << "-" << parts[1] << "-" << parts[2];
        EXPECT_EQ(AFX_OLE_DATETIME_ERROR, bad.GetYear());
        EXPECT_EQ(AFX_OLE_DATETIME_ERROR, bad.GetDayOfWeek());
    }

    COleDateTime set;
    EXPECT_EQ(1, set.SetDate(2023, 2, 29));
    EXPECT_EQ(COleDateTime::invalid, set.GetStatus());
    EXPECT_EQ(0, set.SetDate(2023, 2, 28));
    EXPECT_EQ(COleDateTime::valid, set.GetStatus());
    EXPECT_EQ(0, set.SetTime(23, 59, 59));
    EXPECT_EQ(23, set.GetHour());
    EXPECT_EQ(1899, set.GetYear());

    set.SetStatus(COleDateTime::null);
    EXPECT_EQ(COleDateTime::null, set.GetStatus());
    EXPECT_STREQ(L"", set.Format(L"%Y"));
    set.SetStatus(COleDateTime::invalid);
    EXPECT_STREQ(L"Invalid DateTime", set.Format(L"%Y"));

    EXPECT_EQ(COleDateTime::invalid, COleDateTime(3000000.0).GetStatus());
    EXPECT_EQ(COleDateTime::valid, COleDateTime(0.0).GetStatus());
}

TEST(COleDateTimeTest, DateEncodingOnBothSidesOfZero)
{
    EXPECT_DOUBLE_EQ(0.0, COleDateTime(1899, 12, 30, 0, 0, 0).m_dt);
    EXPECT_DOUBLE_EQ(2.0, COleDateTime(1900, 1, 1, 0, 0, 0).m_dt);
    EXPECT_DOUBLE_EQ(45000.5, COleDateTime(2023, 3, 15, 12, 0, 0).m_dt);
    EXPECT_DOUBLE_EQ(-1.25, COleDateTime(1899, 12, 29, 6, 0, 0).m_dt);  // time stays positive

    COleDateTime before(-1.25);
    EXPECT_EQ(29, before.GetDay());
    EXPECT_EQ(6, before.GetHour());
    // Arithmetic runs straight through zero.
    COleDateTime after = before + COleDateTimeSpan(0, 18, 0, 0);
    EXPECT_DOUBLE_EQ(0.0, after.m_dt);
    EXPECT_NEAR(0.75, (after - before).GetTotalDays(), 1e-9);
    EXPECT_TRUE(before < after);
    EXPECT_TRUE(COleDateTime(-1.75) > COleDateTime(-1.25));  // 18:00 is later than 06:00

    COleDateTime limits(100, 1, 1, 0, 0, 0);
    EXPECT_DOUBLE_EQ(-657434.0, limits.m_dt);
    EXPECT_EQ(COleDateTime::valid, COleDateTime(9999, 12, 31, 23, 59, 59).GetStatus());
    // Parts are read to the nearest second.
    EXPECT_EQ(1, COleDateTime(45000.0 + 59.6 / 86400.0).GetMinute());
}

TEST(COleDateTimeTest, ConversionsFromTimesAndSystemTimes)
{
    CTime time(2024, 7, 1, 9, 30, 15);
    COleDateTime fromTime(time.GetTime());
    EXPECT_EQ(COleDateTime::valid, fromTime.GetStatus());
    EXPECT_EQ(2024, fromTime.GetYear());
    EXPECT_EQ(9, fromTime.GetHour());  // local time, as CTime reads it
    EXPECT_EQ(15, fromTime.GetSecond());
    EXPECT_EQ(COleDateTime::invalid, COleDateTime(static_cast<__time64_t>(-1)).GetStatus());

    SYSTEMTIME st{2024, 12, 0, 25, 8, 0, 0, 0};
    COleDateTime christmas(st);
    EXPECT_EQ(4, christmas.GetDayOfWeek());  // Wednesday
    SYSTEMTIME back{};
    ASSERT_TRUE(christmas.GetAsSystemTime(back));
    EXPECT_EQ(25, back.wDay);
    EXPECT_EQ(3, back.wDayOfWeek);
    SYSTEMTIME badSt{2024, 2, 0, 30, 0, 0, 0, 0};
    EXPECT_EQ(COleDateTime::invalid, COleDateTime(badSt).GetStatus());
    EXPECT_FALSE(COleDateTime(badSt).GetAsSystemTime(back));

    // A file time is UTC: it reads as the local time of the same instant.
    FILETIME ft;
    SYSTEMTIME utc;
    TzSpecificLocalTimeToSystemTime(nullptr, &st, &utc);
    SystemTimeToFileTime(&utc, &ft);
    COleDateTime fromFile(ft);
    EXPECT_EQ(8, fromFile.GetHour());
    EXPECT_EQ(25, fromFile.GetDay());

    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_R8;
    variant.dblVal = 45000.5;
    EXPECT_DOUBLE_EQ(45000.5, COleDateTime(variant).m_dt);
    variant.vt = VT_BSTR;
    variant.bstrVal = SysAllocString(L"no date at all");
    EXPECT_EQ(COleDateTime::invalid, COleDateTime(variant).GetStatus());
    VariantClear(&variant);

    COleDateTime now = COleDateTime::GetCurrentTime();
    EXPECT_EQ(COleDateTime::valid, now.GetStatus());
    EXPECT_EQ(CTime::GetCurrentTime().GetYear(), now.GetYear());
}

TEST(COleDateTimeTest, ParseDateTime)
{
    COleDateTime date;
    ASSERT_TRUE(date.ParseDateTime(L"2024/03/05"));
    EXPECT_EQ(COleDateTime(2024, 3, 5, 0, 0, 0), date);
    ASSERT_TRUE(date.ParseDateTime(L" 2024-3-5 14:07 "));
    EXPECT_EQ(COleDateTime(2024, 3, 5, 14, 7, 0), date);
    ASSERT_TRUE(date.ParseDateTime(L"2024/12/31 23:59:58"));
    EXPECT_EQ(COleDateTime(2024, 12, 31, 23, 59, 58), date);
    ASSERT_TRUE(date.ParseDateTime(L"08:30"));
    EXPECT_EQ(COleDateTime(1899, 12, 30, 8, 30, 0), date);
    ASSERT_TRUE(date.ParseDateTime(L"2024/03/05 14:07:09", VAR_DATEVALUEONLY));
    EXPECT_EQ(COleDateTime(2024, 3, 5, 0, 0, 0), date);
    ASSERT_TRUE(date.ParseDateTime(L"2024/03/05 14:07:09", VAR_TIMEVALUEONLY));
    EXPECT_EQ(COleDateTime(1899, 12, 30, 14, 7, 9), date);

    const wchar_t* const kBad[] = {L"", L"   ", L"2024/02/30", L"2024/13/01", L"2024/03-05", L"2024/03/05 25:00",
                                   L"2024/03/05 12", L"2024/03/05x", L"abc", L"12345/01/01", L"2024/03/05 12:00:00:00"};
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
    EXPECT_STREQ(L"2024/03/05 14:07:09", date.Format());
    EXPECT_STREQ(L"2024/03/05", COleDateTime(2024, 3, 5, 0, 0, 0).Format());
    EXPECT_STREQ(L"14:07:09", COleDateTime(1899, 12, 30, 14, 7, 9).Format());
    EXPECT_STREQ(L"2024年03月05日 Tue", date.Format(L"%Y年%m月%d日 %a"));

    COleDateTimeSpan span(1, 2, 3, 4);
    EXPECT_EQ(1, span.GetDays());
    EXPECT_EQ(2, span.GetHours());
    EXPECT_EQ(3, span.GetMinutes());
    EXPECT_EQ(4, span.GetSeconds());
    EXPECT_NEAR(26.0 + 3.0 / 60 + 4.0 / 3600, span.GetTotalHours(), 1e-9);
    EXPECT_STREQ(L"1 02:03:04", span.Format(L"%D %H:%M:%S"));

    COleDateTime later = date + span;
    EXPECT_EQ(COleDateTime(2024, 3, 6, 16, 10, 13), later);
    EXPECT_EQ(COleDateTime(2024, 3, 4, 12, 4, 5), date - span);
    COleDateTimeSpan back = later - date;
    EXPECT_EQ(93784, static_cast<long long>(back.GetTotalSeconds() + 0.5));
    later -= COleDateTimeSpan(366, 0, 0, 0);
    EXPECT_EQ(2023, later.GetYear());
    EXPECT_EQ(6, later.GetDay());

    COleDateTime invalid(2024, 2, 30, 0, 0, 0);
    EXPECT_EQ(COleDateTime::invalid, (invalid + span).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::invalid, (invalid - date).GetStatus());
    EXPECT_EQ(COleDateTime::invalid, (COleDateTime(9999, 12, 31, 0, 0, 0) + COleDateTimeSpan(2, 0, 0, 0)).GetStatus());
}
