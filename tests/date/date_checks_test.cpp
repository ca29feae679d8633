// Date checks: the result, exactly one box of the right kind and text, and the outputs.
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <tuple>
#include <vector>
#include "common/cdate.h"
#include "control/timestamp.h"
#include "localtime_check.h"
#include "which_box.h"

using namespace datetest;

namespace
{

class DateChecks : public qvtest::MessageBoxTest
{
};

// Thirty-two dates in a row: far longer than any check reads.
const std::wstring kLongText = []
{
    std::wstring text = L"2021/03/05";
    for (int i = 1; i < 32; ++i)
        text += L" 2021/03/05";
    return text;
}();

long long BuiltDay(int yyyymmdd, int hour)
{
    return BuiltTime(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100, hour);
}

// A check that reads a date text into year, month and day.
struct PartsCase
{
    std::wstring text;
    int result;
    Said said;
    int year, month, day;   // the outputs afterwards; -7 where they are left untouched
};
using PartsCheck = std::function<int(const wchar_t*, int&, int&, int&)>;

void ExpectParts(qvtest::MessageBoxCapture& boxes, const PartsCheck& check, const std::vector<PartsCase>& cases)
{
    for (const PartsCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "text " << testing::PrintToString(c.text.substr(0, 40)));
        int year = -7, month = -7, day = -7;
        EXPECT_EQ(c.result, check(c.text.c_str(), year, month, day));
        EXPECT_TRUE(Showed(boxes, c.said));
        EXPECT_EQ(std::make_tuple(c.year, c.month, c.day), std::make_tuple(year, month, day));
    }
}

}   // namespace

TEST_F(DateChecks, AdjustDateCarriesOverlongDaysAndNamesTheBadPart)
{
    const Said year = WarningBox(L"年份錯誤(1970-2036)"), month = WarningBox(L"月份錯誤(1-12)"),
               day = WarningBox(L"日期錯誤(1-31)"), invalid = WarningBox(L"時間輸入錯誤");
    // stored: the date left at midnight, yyyymmdd; 0 where the time is left untouched.
    struct Case
    {
        int year, month, day, carry, result, stored;
        Said said;
    } cases[] = {
        {2020, 2, 29, 0, 1, 20200229, kNoBox}, {2021, 2, 29, 0, 0, 20210301, invalid},
        {2021, 2, 30, 7, 7, 20210302, kNoBox}, {2036, 12, 31, 0, 1, 20361231, kNoBox},
        {1970, 1, 1, 0, 1, 19700101, kNoBox},  {2037, 1, 1, 1, 0, 0, year},
        {1969, 12, 31, 1, 0, 0, year},         {2021, 0, 1, 1, 0, 0, month},
        {2021, 13, 1, 1, 0, 0, month},         {2021, 1, 0, 1, 0, 0, day},
        {2021, 1, 32, 1, 0, 0, day},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " carry " << c.carry);
        const CTime untouched(123456789);
        CTime t = untouched;
        EXPECT_EQ(c.result, CDate::AdjustDate(t, c.year, c.month, c.day, c.carry));
        EXPECT_TRUE(Showed(boxes, c.said));
        EXPECT_EQ(c.stored ? BuiltDay(c.stored, 0) : untouched.GetTime(), t.GetTime());
    }
}

TEST_F(DateChecks, AdjustBirthDateFollowsWhereTheDateCameFrom)
{
    const Said card = WarningBox(L"身份證輸入錯誤"), year = WarningBox(L"出生年份錯誤(1800-2040)"),
               month = WarningBox(L"出生月份輸入錯誤(1-12)"), day = WarningBox(L"出生日期輸入錯誤(1-31)"),
               date = WarningBox(L"出生日期輸入錯誤!");
    struct Case
    {
        int year, month, day, source, result;
        Said said;
    } cases[] = {
        // 0: a full date read from an identity card; the year is not looked at.
        {2041, 13, 0, 0, 0, card},
        {2041, 5, 10, 0, 1, kNoBox},
        {1990, 5, 32, 0, 0, card},
        {1900, 2, 29, 0, 0, card},
        {2000, 2, 29, 0, 1, kNoBox},
        // 1: year only; 2: year and month.
        {1990, 13, 0, 1, 1, kNoBox},
        {1799, 1, 1, 1, 0, year},
        {2041, 1, 1, 1, 0, year},
        {1800, 0, 0, 1, 1, kNoBox},
        {1990, 13, 0, 2, 0, month},
        {2040, 2, 45, 2, 1, kNoBox},
        // 3 or more: typed by the user.
        {1990, 4, 30, 3, 1, kNoBox},
        {1991, 2, 29, 5, 0, date},
        {1990, 4, 32, 3, 0, day},
        {1990, 13, 1, 3, 0, month},
        {9999, 1, 1, 3, 0, year},
        {9999, 13, 99, -1, 1, kNoBox},   // negative: nothing is looked at, not even the year
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " source " << c.source);
        EXPECT_EQ(c.result, CDate::AdjustBirthDate(c.year, c.month, c.day, c.source));
        EXPECT_TRUE(Showed(boxes, c.said));
    }
}

TEST_F(DateChecks, AdjustExpiryDateMarksItsPrecisionByTheHour)
{
    const Said format = WarningBox(L"日期格式錯誤(2005或200501或20050101)"), year = WarningBox(L"年份錯誤(1970-2036)"),
               month = WarningBox(L"月份錯誤(1-12)"), day = WarningBox(L"日期錯誤(1-31)"),
               february = WarningBox(L"2月日期錯誤"), date = WarningBox(L"日期錯誤");
    // The date stored as yyyymmdd and its hour; 0 where the check fails and stores nothing.
    struct Case
    {
        std::wstring text;
        int stored, hour;
        Said said;
    } cases[] = {
        {L"2005", 20050101, 4, kNoBox},
        {L"202603", 20260301, 6, kNoBox},
        {L"20040229", 20040229, 0, kNoBox},
        {L"20260308", 20260308, 0, kNoBox},
        {L"20050229", 0, 0, february},
        {L"20050431", 0, 0, date},
        {L"20050132", 0, 0, day},
        {L"200513", 0, 0, month},
        {L"2005ab", 0, 0, month},
        {L"1969", 0, 0, year},
        {L"2037", 0, 0, year},
        {L"20050", 0, 0, format},
        {kLongText, 0, 0, format},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "text " << testing::PrintToString(c.text.substr(0, 40)));
        const CTime untouched(987654321);
        CTime t = untouched;
        EXPECT_EQ(c.stored ? 1 : 0, CDate::AdjustExpiryDate(t, c.text.c_str()));
        EXPECT_TRUE(Showed(boxes, c.said));
        EXPECT_EQ(c.stored ? BuiltDay(c.stored, c.hour) : untouched.GetTime(), t.GetTime());
    }
}

TEST_F(DateChecks, AdjustFormatChecksTheShapeOfNarrowTexts)
{
    const Said dayLength = WarningBox(L"日期格式錯誤!正確的年月日格式必須形如:1991/01/01"),
               dayShape = WarningBox(L"格式錯誤!正確的日期格式必須形如:1991/01/01"),
               monthLength = WarningBox(L"日期格式錯誤!正確的年月日格式必須形如:1991/01/31或1991/01"),
               monthShape = WarningBox(L"格式錯誤!正確的日期格式必須形如:1991/01/31或1991/01");
    std::string longText(300, '1');
    // The check passes exactly when it shows no box.
    struct Case
    {
        const char* text;
        bool bMonthForm;
        Said said;
    } cases[] = {
        {nullptr, false, kNoBox},         {"1991/01/01", false, kNoBox},
        {"abcd/ef/gh", false, kNoBox},   // only the shape is looked at
        {"1991/01", false, dayLength},    {longText.c_str(), false, dayLength},
        {"1991/01-01", false, dayShape},  {"", true, kNoBox},
        {"1991/01/31", true, kNoBox},     {"1991/01", true, kNoBox},
        {"1991/01/1", true, monthLength}, {longText.c_str(), true, monthLength},
        {"1991/01-31", true, monthShape},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << (c.text ? c.text : "(null)") << (c.bMonthForm ? " month form" : ""));
        std::string copy = c.text ? c.text : "";
        char* text = c.text ? copy.data() : nullptr;
        int result = c.bMonthForm ? CDate::AdjustFormatAndMonth(text) : CDate::AdjustFormat(text);
        EXPECT_EQ(c.said.kind == Box::None ? 1 : 0, result);
        EXPECT_TRUE(Showed(boxes, c.said));
    }
}

TEST_F(DateChecks, JudgeDateReadsTheSeparatorAtIndexFour)
{
    const Said format = AfxBox(L"日期格式錯誤,yyyy/mm/dd"), range = AfxBox(L"年份范圍錯誤 1970-2036"),
               date = AfxBox(L"日期錯誤");
    // JudgeDate says and answers what JudgeAndGetDate does; the parts come from the latter.
    PartsCheck judge = [this](const wchar_t* text, int& year, int& month, int& day)
    {
        int judged = CDate::JudgeDate(text);
        std::vector<std::wstring> judgedBoxes = boxes.texts();
        boxes.clear();
        std::wstring copy = text;
        int result = CDate::JudgeAndGetDate(copy.data(), year, month, day);
        EXPECT_EQ(judged, result);
        EXPECT_EQ(judgedBoxes, boxes.texts());
        return result;
    };
    ExpectParts(boxes, judge,
                {
                    {L"2020/02/29", 1, kNoBox, 2020, 2, 29},
                    {L"2020.12.31", 1, kNoBox, 2020, 12, 31},
                    {L"2021/02/29", 0, date, 2021, 2, 29},
                    {L"2021/00/01", 0, date, 2021, 0, 1},
                    {L"2021/01/32", 0, date, 2021, 1, 32},
                    {L"2038/01/01", 0, range, 2038, 1, 1},
                    {L"1969/12/31", 0, range, 1969, 12, 31},
                    {L"2020/02-28", 0, format, 2020, 2, 1},   // the second separator must match the first
                    {L"2020/1/1xx", 1, kNoBox, 2020, 1, 1},   // the day is the number that follows
                    {L"2020/1/1", 0, format, -7, -7, -7},
                    {kLongText, 0, format, -7, -7, -7},
                });
    EXPECT_EQ(0, CDate::JudgeDate(nullptr));
    EXPECT_TRUE(Showed(boxes, format));
}

TEST_F(DateChecks, CheckFormatWantsSlashesAndNonZeroParts)
{
    const Said bad = AfxBox(L"日期格式輸入錯誤。\n示例如：用2001/01/01來表示2001年1月1日!");
    ExpectParts(boxes, CDate::CheckFormat,
                {
                    {L"2001/01/01", 1, kNoBox, 2001, 1, 1},
                    {L"1800/13/45", 1, kNoBox, 1800, 13, 45},   // the shape only; the range is the caller's
                    {L"0000/01/01", 0, bad, 0, 1, 1},
                    {L"2001/01/00", 0, bad, 2001, 1, 0},
                    {L"2001/01-01", 0, bad, -7, -7, -7},
                    {kLongText, 0, bad, -7, -7, -7},
                });
}

TEST_F(DateChecks, ToYMDClearsItsOutputsAndTrims)
{
    const Said date = AfxBox(L"日期錯誤"), format = AfxBox(L"日期格式錯誤,yyyy/mm/dd");
    ExpectParts(boxes, CDate::ToYMD,
                {
                    {L"  2021-3-5  ", 1, kNoBox, 2021, 3, 5},
                    {L"9999/02/31", 1, kNoBox, 9999, 2, 31},   // days per month are not looked at
                    {kLongText, 1, kNoBox, 2021, 3, 5},        // the first date of it
                    {L"2021/13/05", 0, date, 2021, 13, 5},
                    {L"0000/03/05", 0, date, 0, 3, 5},
                    {L"2021/0305", 0, format, 0, 0, 0},
                    {L"2021", 0, format, 0, 0, 0},
                    {L"   20   ", 0, kNoBox, 0, 0, 0},
                });
}

TEST_F(DateChecks, OnChangeBirthdayChecksTypedDates)
{
    const Said digits = AfxBox(L"年、月、日請輸入數字!正確格式形如:1991/01/21"),
               date = WarningBox(L"出生日期輸入錯誤!"), year = WarningBox(L"出生年份錯誤(1800-2040)");
    ExpectParts(boxes, OnChangeBirthday,
                {
                    {L"", 1, kNoBox, -7, -7, -7},
                    {L"1992/02/29", 1, kNoBox, 1992, 2, 29},
                    {L"1991/04/31", 0, date, 1991, 4, 31},
                    {L"1799/01/01", 0, year, 1799, 1, 1},
                    {L"1991/13/01", 0, digits, 1991, 13, 1},
                    {L"abcd/ef/gh", 0, digits, 0, 0, 0},
                    {L"1991-01-21", 1, kNoBox, 1991, 1, 21},   // read by position
                    {L"1991/1/21", 0, kNoBox, -7, -7, -7},
                    {std::wstring(600, L'1'), 0, kNoBox, -7, -7, -7},
                });
}

TEST_F(DateChecks, CheckHourTextReadsFiveCharacters)
{
    const Said format = AfxBox(L"時間格式錯誤 HH:MM"), pupil = AfxBox(L"擴瞳或縮瞳時間格式錯誤 HH:MM");
    // Hour and minute stand in the first two outputs; the third is never written.
    PartsCheck hourText = [](const wchar_t* text, int& hour, int& minute, int&)
    { return CDate::CheckHourText(text, hour, minute); };
    ExpectParts(boxes, hourText,
                {
                    {L"24:60", 1, kNoBox, 24, 60, -7},
                    {L"00:00", 1, kNoBox, 0, 0, -7},
                    {L"9:30", 0, kNoBox, -7, -7, -7},
                    {kLongText, 0, kNoBox, -7, -7, -7},
                    {L"09:61", -1, pupil, -7, -7, -7},
                    {L"25:00", -1, format, -7, -7, -7},
                    {L"09.30", -1, format, -7, -7, -7},
                });
}
