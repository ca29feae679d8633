// CTime and CTimeSpan. The suite runs in Asia/Taipei and again in America/New_York;
// the daylight-saving logic is also driven with an explicit New York zone in every run.
#include <gtest/gtest.h>

#include <climits>
#include <cwchar>
#include <vector>

#include "afxtime.h"
#include "afxtime_parts.h"

namespace
{

enum class Zone
{
    Taipei,
    NewYork,
    Other
};

Zone CurrentZone()
{
    TIME_ZONE_INFORMATION zone;
    GetTimeZoneInformation(&zone);
    if (zone.Bias == -480 && zone.DaylightDate.wMonth == 0)
        return Zone::Taipei;
    if (zone.Bias == 300 && zone.DaylightDate.wMonth == 3 && zone.StandardDate.wMonth == 11)
        return Zone::NewYork;
    return Zone::Other;
}

// The zone the run asked for through TZ (Wine hands it to the program).
Zone ZoneAskedFor()
{
    wchar_t szTZ[64] = L"";
    GetEnvironmentVariableW(L"TZ", szTZ, 64);
    return wcscmp(szTZ, L"Asia/Taipei") == 0        ? Zone::Taipei
           : wcscmp(szTZ, L"America/New_York") == 0 ? Zone::NewYork
                                                    : Zone::Other;
}

// Eastern time since 2007: daylight from the second Sunday of March 02:00
// to the first Sunday of November 02:00.
TIME_ZONE_INFORMATION NewYorkZone()
{
    TIME_ZONE_INFORMATION zone{};
    zone.Bias = 300;
    zone.DaylightBias = -60;
    zone.StandardDate = SYSTEMTIME{0, 11, 0, 1, 2, 0, 0, 0};
    zone.DaylightDate = SYSTEMTIME{0, 3, 0, 2, 2, 0, 0, 0};
    return zone;
}

// What Win32 itself makes of a local time: the oracle for round trips.
long long Win32LocalToUtc(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    SYSTEMTIME local{WORD(nYear), WORD(nMonth), 0, WORD(nDay), WORD(nHour), WORD(nMin), WORD(nSec), 0};
    SYSTEMTIME utc;
    FILETIME ft;
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc) || !SystemTimeToFileTime(&utc, &ft))
        return -2;
    ULARGE_INTEGER ticks{{ft.dwLowDateTime, ft.dwHighDateTime}};
    return static_cast<long long>(ticks.QuadPart / 10000000) - 11644473600LL;
}

std::vector<int> LocalParts(const CTime& time)
{
    return {time.GetYear(), time.GetMonth(), time.GetDay(), time.GetHour(), time.GetMinute(), time.GetSecond()};
}

// New York wall times around the 2024 changes: the automatic choice (nDST -1)
// reads the skipped hour as standard time and the repeated hour as the earlier instant.
struct NewYorkCase
{
    int nMonth, nDay, nHour, nMin, nSec, nDST;
    long long nUtc;
};
const NewYorkCase kNewYorkCases[] = {
    {3, 10, 1, 59, 59, -1, 1710053999}, {3, 10, 2, 30, 0, -1, 1710055800}, {3, 10, 3, 0, 0, -1, 1710054000},
    {11, 3, 1, 30, 0, -1, 1730611800},  {11, 3, 1, 30, 0, 0, 1730615400},  {11, 3, 1, 30, 0, 1, 1730611800},
    {11, 3, 2, 30, 0, -1, 1730619000},
};

}   // namespace

TEST(CTimeTest, SpansArithmeticAndInstantsIndependentOfZone)
{
    CTimeSpan span(3, 4, 5, 6);
    EXPECT_EQ(76 * 60 + 5, span.GetTotalMinutes());
    EXPECT_STREQ(L"3 天 04:05:06 %", span.Format(L"%D 天 %H:%M:%S %%"));
    EXPECT_EQ(-1, CTimeSpan(0, 0, 0, -90).GetMinutes());
    EXPECT_EQ(100000, CTimeSpan(100000, 0, 0, 0).GetDays());   // 64-bit seconds
    CTime epoch(0);
    EXPECT_STREQ(L"1970-01-01 00:00:00 Thursday", epoch.FormatGmt(L"%Y-%m-%d %H:%M:%S %A"));
    EXPECT_EQ(93784, (epoch + CTimeSpan(1, 2, 3, 4) - epoch).GetTotalSeconds());
    ULARGE_INTEGER ticks;
    ticks.QuadPart = (1710009000ULL + 11644473600ULL) * 10000000ULL;
    EXPECT_EQ(1710009000, CTime(FILETIME{ticks.LowPart, ticks.HighPart}).GetTime());
}

TEST(CTimeTest, OutOfRangeGivesMinusOneAndBreaksDownToNothing)
{
    for (const CTime& outside : {CTime(1969, 6, 1, 0, 0, 0), CTime(3001, 1, 2, 0, 0, 0),
                                 CTime(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX)})
        EXPECT_EQ(-1, outside.GetTime());
    CTime invalid(-1);
    struct tm local;
    EXPECT_EQ(nullptr, invalid.GetLocalTm(&local));
    EXPECT_EQ(0, invalid.GetYear());
    EXPECT_STREQ(L"", invalid.Format(L"%Y"));
    SYSTEMTIME st{};
    EXPECT_FALSE(invalid.GetAsSystemTime(st));
    EXPECT_EQ(0, CTime(CTime::MaxTime + 1).GetYear());
}

TEST(CTimeTest, PartsNormaliseAsMktime)
{
    EXPECT_EQ(CTime(2023, 12, 15, 0, 0, 0), CTime(2024, 0, 15, 0, 0, 0));
    EXPECT_EQ(CTime(2024, 5, 1, 23, 59, 0), CTime(2024, 5, 2, 0, -1, 0));
    // so a check of 30 February sees a different month
    EXPECT_EQ((std::vector<int>{2021, 3, 2, 0, 0, 0}), LocalParts(CTime(2021, 2, 30, 0, 0, 0)));
}

TEST(CTimeTest, LocalPartsRoundTripFrom1970To3000)
{
    // Noon is far from any daylight-saving change.
    for (long long nDays = 1; nDays < AfxTimeParts::DaysFromCivil(3000, 12, 31); nDays += 331)
    {
        AfxTimeParts::Parts day = AfxTimeParts::PartsFromWallSeconds(nDays * 86400);
        int nYear = int(day.nYear);
        CTime time(nYear, day.nMonth, day.nDay, 12, 34, 56);
        ASSERT_EQ(Win32LocalToUtc(nYear, day.nMonth, day.nDay, 12, 34, 56), time.GetTime()) << nYear;
        ASSERT_EQ((std::vector<int>{nYear, day.nMonth, day.nDay, 12, 34, 56}), LocalParts(time));
        ASSERT_EQ(day.nDayOfWeek + 1, time.GetDayOfWeek());
        SYSTEMTIME st;
        ASSERT_TRUE(time.GetAsSystemTime(st));
        ASSERT_EQ(time, CTime(st));
    }
}

TEST(CTimeTest, FormatCodes)
{
    CTime time(2024, 3, 5, 14, 7, 9);
    EXPECT_STREQ(L"2024 24 03 05 14 07 09 065", time.Format(L"%Y %y %m %d %H %M %S %j"));
    EXPECT_STREQ(L"Tue Tuesday Mar March PM 02 2", time.Format(L"%a %A %b %B %p %I %w"));
    EXPECT_STREQ(L"03/05/24 14:07:09 5 100% Tuesday, March 5, 2024", time.Format(L"%c %#d 100%% %#x"));
    EXPECT_STREQ(L"2024年 %q 12 AM", time.Format(L"%Y年 %q ") + CTime(2024, 3, 5, 0, 0, 0).Format(L"%I %p"));
}

TEST(CTimeZone, RunsInTheZoneItAskedFor)
{
    // Otherwise the zone-specific cases below would quietly skip.
    if (ZoneAskedFor() == Zone::Other)
        GTEST_SKIP() << "TZ names no zone of ours";
    EXPECT_EQ(ZoneAskedFor(), CurrentZone());
}

TEST(CTimeZone, TaipeiHasAFixedOffset)
{
    if (CurrentZone() != Zone::Taipei)
        GTEST_SKIP() << "not running in Asia/Taipei";
    EXPECT_EQ((std::vector<long long>{0, -1, 1710009000, CTime::MaxTime, -1}),
              (std::vector<long long>{CTime(1970, 1, 1, 8, 0, 0).GetTime(), CTime(1970, 1, 1, 7, 59, 59).GetTime(),
                                      CTime(2024, 3, 10, 2, 30, 0).GetTime(), CTime(3001, 1, 1, 7, 59, 59).GetTime(),
                                      CTime(3001, 1, 1, 8, 0, 0).GetTime()}));
    struct tm local;
    ASSERT_NE(nullptr, CTime(1719849600).GetLocalTm(&local));   // 2024-07-01 16:00 UTC
    EXPECT_EQ((std::vector<int>{0, 2, 0}), (std::vector<int>{local.tm_isdst, local.tm_mday, local.tm_hour}));
}

TEST(CTimeZone, NewYorkAroundDaylightSavingChanges)
{
    if (CurrentZone() != Zone::NewYork)
        GTEST_SKIP() << "not running in America/New_York";
    for (const NewYorkCase& c : kNewYorkCases)
        EXPECT_EQ(c.nUtc, CTime(2024, c.nMonth, c.nDay, c.nHour, c.nMin, c.nSec, c.nDST).GetTime())
            << c.nMonth << "-" << c.nDay << " " << c.nHour << ":" << c.nMin << " dst " << c.nDST;
    EXPECT_EQ((std::vector<int>{2024, 3, 10, 3, 30, 0}), LocalParts(CTime(2024, 3, 10, 2, 30, 0)));
    EXPECT_EQ((std::vector<int>{2024, 11, 3, 1, 30, 0}), LocalParts(CTime(1730615400)));   // the second 01:30
    EXPECT_EQ(23 * 3600, (CTime(2024, 3, 11, 0, 0, 0) - CTime(2024, 3, 10, 0, 0, 0)).GetTotalSeconds());
    EXPECT_EQ(25 * 3600, (CTime(2024, 11, 4, 0, 0, 0) - CTime(2024, 11, 3, 0, 0, 0)).GetTotalSeconds());
    struct tm summer;
    ASSERT_NE(nullptr, CTime(2024, 7, 1, 12, 0, 0).GetLocalTm(&summer));
    EXPECT_EQ(1, summer.tm_isdst);
    EXPECT_EQ(12, CTime(1719849600).GetHour());             // 16:00 UTC is 12:00 EDT
    EXPECT_EQ(12, CTime(2024, 3, 9, 12, 0, 0).GetHour());   // the day before the change has its own offset
}

TEST(CTimeZone, ExplicitNewYorkZoneDaylightSavingLogic)
{
    TIME_ZONE_INFORMATION zone = NewYorkZone();
    for (const NewYorkCase& c : kNewYorkCases)
    {
        long long nUtc = 0;
        ASSERT_TRUE(AfxTimeParts::LocalToUtc(
            &zone, AfxTimeParts::WallSecondsFromParts(2024, c.nMonth, c.nDay, c.nHour, c.nMin, c.nSec), c.nDST, nUtc));
        EXPECT_EQ(c.nUtc, nUtc) << c.nMonth << "-" << c.nDay << " " << c.nHour << ":" << c.nMin << " dst " << c.nDST;
    }
    const struct
    {
        long long nUtc;
        int nHour;
        bool bDST;
    } kBack[] = {{1730611800, 1, true}, {1730615400, 1, false}, {1710054000, 3, true}};
    for (const auto& c : kBack)
    {
        AfxTimeParts::Parts local{};
        ASSERT_TRUE(AfxTimeParts::UtcToLocal(&zone, c.nUtc, local));
        EXPECT_EQ(c.nHour, local.nHour) << c.nUtc;
        EXPECT_EQ(c.bDST, local.bDST) << c.nUtc;
    }
}
