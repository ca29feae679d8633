// The CDate checks that talk to the user: result, exactly one box of the
// right kind with the exact text, and what they leave in their outputs.
#include <gtest/gtest.h>

#include <string>

#include "common/cdate.h"
#include "localtime_check.h"
#include "which_box.h"

using datetest::Box;
using datetest::BuiltTime;
using datetest::ShowedOne;

namespace {

class DateChecks : public qvtest::MessageBoxTest {};

const wchar_t* const kLongText =
    L"2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05 "
    L"2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05 "
    L"2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05 "
    L"2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05 2021/03/05";

}  // namespace

TEST_F(DateChecks, AdjustDateCarriesOverlongDaysAndNamesTheBadPart)
{
    struct Case {
        int year, month, day, carry;
        int result;
        int y, m, d;  // stored date; 0 when nothing is stored
        Box box;
        const wchar_t* text;
    } cases[] = {
        { 2020, 2, 29, 0, 1, 2020, 2, 29, Box::None, L"" },
        { 2020, 2, 30, 1, 1, 2020, 3, 1, Box::None, L"" },
        { 2021, 2, 29, 0, 0, 2021, 3, 1, Box::Warning, L"時間輸入錯誤" },
        { 2021, 2, 30, 7, 7, 2021, 3, 2, Box::None, L"" },
        { 2021, 4, 31, 1, 1, 2021, 5, 1, Box::None, L"" },
        { 2036, 12, 31, 0, 1, 2036, 12, 31, Box::None, L"" },
        { 1970, 1, 1, 0, 1, 1970, 1, 1, Box::None, L"" },
        { 2036, 2, 30, 1, 1, 2036, 3, 1, Box::None, L"" },
        { 2037, 1, 1, 1, 0, 0, 0, 0, Box::Warning, L"年份錯誤(1970-2036)" },
        { 1969, 12, 31, 1, 0, 0, 0, 0, Box::Warning, L"年份錯誤(1970-2036)" },
        { 0, 1, 1, 1, 0, 0, 0, 0, Box::Warning, L"年份錯誤(1970-2036)" },
        { 9999, 1, 1, 1, 0, 0, 0, 0, Box::Warning, L"年份錯誤(1970-2036)" },
        { 2021, 0, 1, 1, 0, 0, 0, 0, Box::Warning, L"月份錯誤(1-12)" },
        { 2021, 13, 1, 1, 0, 0, 0, 0, Box::Warning, L"月份錯誤(1-12)" },
        { 2021, 1, 0, 1, 0, 0, 0, 0, Box::Warning, L"日期錯誤(1-31)" },
        { 2021, 1, 32, 1, 0, 0, 0, 0, Box::Warning, L"日期錯誤(1-31)" },
        { 2021, 1, -5, 1, 0, 0, 0, 0, Box::Warning, L"日期錯誤(1-31)" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " carry " << c.carry);
        const CTime untouched(123456789);
        CTime t = untouched;
        EXPECT_EQ(c.result, CDate::AdjustDate(t, c.year, c.month, c.day, c.carry));
        EXPECT_TRUE(ShowedOne(boxes, c.box, c.text));
        if (c.y == 0)
            EXPECT_EQ(untouched, t);
        else
            EXPECT_EQ(BuiltTime(c.y, c.m, c.d, 0), t.GetTime());
    }
}

TEST_F(DateChecks, AdjustBirthDateFollowsWhereTheDateCameFrom)
{
    const wchar_t* const card = L"身份證輸入錯誤";
    struct Case {
        int year, month, day, source;
        int result;
        Box box;
        const wchar_t* text;
    } cases[] = {
        // 0: a full date read from an identity card; the year is not looked at.
        { 2041, 13, 0, 0, 0, Box::Warning, card },
        { 2041, 5, 10, 0, 1, Box::None, L"" },
        { 1700, 5, 10, 0, 1, Box::None, L"" },
        { 1990, 5, 0, 0, 0, Box::Warning, card },
        { 1990, 5, 32, 0, 0, Box::Warning, card },
        { 1990, 2, 29, 0, 0, Box::Warning, card },
        { 1992, 2, 29, 0, 1, Box::None, L"" },
        { 1900, 2, 29, 0, 0, Box::Warning, card },
        { 2000, 2, 29, 0, 1, Box::None, L"" },
        // 1: year only.
        { 1990, 13, 0, 1, 1, Box::None, L"" },
        { 1799, 1, 1, 1, 0, Box::Warning, L"出生年份錯誤(1800-2040)" },
        { 2041, 1, 1, 1, 0, Box::Warning, L"出生年份錯誤(1800-2040)" },
        { 1800, 0, 0, 1, 1, Box::None, L"" },
        // 2: year and month.
        { 1990, 13, 0, 2, 0, Box::Warning, L"出生月份輸入錯誤(1-12)" },
        { 1990, 0, 0, 2, 0, Box::Warning, L"出生月份輸入錯誤(1-12)" },
        { 1990, 12, 0, 2, 1, Box::None, L"" },
        { 2040, 2, 45, 2, 1, Box::None, L"" },
        { 0, 2, 1, 2, 0, Box::Warning, L"出生年份錯誤(1800-2040)" },
        // 3 or more: typed by the user.
        { 1990, 4, 30, 3, 1, Box::None, L"" },
        { 1990, 4, 31, 3, 0, Box::Warning, L"出生日期輸入錯誤!" },
        { 1991, 2, 29, 5, 0, Box::Warning, L"出生日期輸入錯誤!" },
        { 1990, 4, 0, 3, 0, Box::Warning, L"出生日期輸入錯誤(1-31)" },
        { 1990, 4, 32, 3, 0, Box::Warning, L"出生日期輸入錯誤(1-31)" },
        { 1990, 13, 1, 3, 0, Box::Warning, L"出生月份輸入錯誤(1-12)" },
        { 9999, 1, 1, 3, 0, Box::Warning, L"出生年份錯誤(1800-2040)" },
        // Negative: nothing but the year range... which is not looked at either.
        { 9999, 13, 99, -1, 1, Box::None, L"" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " source " << c.source);
        EXPECT_EQ(c.result, CDate::AdjustBirthDate(c.year, c.month, c.day, c.source));
        EXPECT_TRUE(ShowedOne(boxes, c.box, c.text));
    }
}

TEST_F(DateChecks, AdjustExpiryDateMarksItsPrecisionByTheHour)
{
    const wchar_t* const format = L"日期格式錯誤(2005或200501或20050101)";
    struct Case {
        const wchar_t* text;
        int result;
        int y, m, d, hour;  // the stored time when result is 1
        Box box;
        const wchar_t* message;
    } cases[] = {
        { L"2005", 1, 2005, 1, 1, 4, Box::None, L"" },
        { L"200502", 1, 2005, 2, 1, 6, Box::None, L"" },
        { L"20040229", 1, 2004, 2, 29, 0, Box::None, L"" },
        { L"20261101", 1, 2026, 11, 1, 0, Box::None, L"" },
        { L"202603", 1, 2026, 3, 1, 6, Box::None, L"" },
        { L"20260308", 1, 2026, 3, 8, 0, Box::None, L"" },
        { L"20050229", 0, 0, 0, 0, 0, Box::Warning, L"2月日期錯誤" },
        { L"20000230", 0, 0, 0, 0, 0, Box::Warning, L"2月日期錯誤" },
        { L"20050431", 0, 0, 0, 0, 0, Box::Warning, L"日期錯誤" },
        { L"20050132", 0, 0, 0, 0, 0, Box::Warning, L"日期錯誤(1-31)" },
        { L"20050100", 0, 0, 0, 0, 0, Box::Warning, L"日期錯誤(1-31)" },
        { L"200513", 0, 0, 0, 0, 0, Box::Warning, L"月份錯誤(1-12)" },
        { L"200500", 0, 0, 0, 0, 0, Box::Warning, L"月份錯誤(1-12)" },
        { L"20050005", 0, 0, 0, 0, 0, Box::Warning, L"月份錯誤(1-12)" },
        { L"1969", 0, 0, 0, 0, 0, Box::Warning, L"年份錯誤(1970-2036)" },
        { L"2037", 0, 0, 0, 0, 0, Box::Warning, L"年份錯誤(1970-2036)" },
        { L"0000", 0, 0, 0, 0, 0, Box::Warning, L"年份錯誤(1970-2036)" },
        { L"9999", 0, 0, 0, 0, 0, Box::Warning, L"年份錯誤(1970-2036)" },
        { L"abcd", 0, 0, 0, 0, 0, Box::Warning, L"年份錯誤(1970-2036)" },
        { L"2005ab", 0, 0, 0, 0, 0, Box::Warning, L"月份錯誤(1-12)" },
        { L"20050", 0, 0, 0, 0, 0, Box::Warning, format },
        { L"", 0, 0, 0, 0, 0, Box::Warning, format },
        { L"2005/02/01", 0, 0, 0, 0, 0, Box::Warning, format },
        { kLongText, 0, 0, 0, 0, 0, Box::Warning, format },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text " << testing::PrintToString(std::wstring(c.text)));
        const CTime untouched(987654321);
        CTime t = untouched;
        EXPECT_EQ(c.result, CDate::AdjustExpiryDate(t, c.text));
        EXPECT_TRUE(ShowedOne(boxes, c.box, c.message));
        if (c.result)
            EXPECT_EQ(BuiltTime(c.y, c.m, c.d, c.hour), t.GetTime());
        else
            EXPECT_EQ(untouched, t);
    }
}

TEST_F(DateChecks, AdjustFormatChecksTheShapeOfNarrowTexts)
{
    const wchar_t* const dayLength = L"日期格式錯誤!正確的年月日格式必須形如:1991/01/01";
    const wchar_t* const dayShape = L"格式錯誤!正確的日期格式必須形如:1991/01/01";
    const wchar_t* const monthLength = L"日期格式錯誤!正確的年月日格式必須形如:1991/01/31或1991/01";
    const wchar_t* const monthShape = L"格式錯誤!正確的日期格式必須形如:1991/01/31或1991/01";
    std::string longText(300, '1');
    struct Case {
        const char* text;
        bool bMonthForm;
        int result;
        Box box;
        const wchar_t* message;
    } cases[] = {
        { "", false, 1, Box::None, L"" },
        { nullptr, false, 1, Box::None, L"" },
        { "1991/01/01", false, 1, Box::None, L"" },
        { "abcd/ef/gh", false, 1, Box::None, L"" },  // only the shape is looked at
        { "1991/01", false, 0, Box::Warning, dayLength },
        { "1991/1/1", false, 0, Box::Warning, dayLength },
        { longText.c_str(), false, 0, Box::Warning, dayLength },
        { "1991-01-01", false, 0, Box::Warning, dayShape },
        { "1991/01-01", false, 0, Box::Warning, dayShape },
        { "19910/1/01", false, 0, Box::Warning, dayShape },
        { "", true, 1, Box::None, L"" },
        { "1991/01/31", true, 1, Box::None, L"" },
        { "1991/01", true, 1, Box::None, L"" },
        { "1991/1", true, 0, Box::Warning, monthLength },
        { "1991/01/1", true, 0, Box::Warning, monthLength },
        { longText.c_str(), true, 0, Box::Warning, monthLength },
        { "1991-01", true, 0, Box::Warning, monthShape },
        { "1991/01-31", true, 0, Box::Warning, monthShape },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.text ? c.text : "(null)") << (c.bMonthForm ? " month form" : ""));
        std::string copy = c.text ? c.text : "";
        char* text = c.text ? copy.data() : nullptr;
        int result = c.bMonthForm ? CDate::AdjustFormatAndMonth(text) : CDate::AdjustFormat(text);
        EXPECT_EQ(c.result, result);
        EXPECT_TRUE(ShowedOne(boxes, c.box, c.message));
    }
}

TEST_F(DateChecks, JudgeDateReadsTheSeparatorAtIndexFour)
{
    const wchar_t* const format = L"日期格式錯誤,yyyy/mm/dd";
    const wchar_t* const range = L"年份范圍錯誤 1970-2036";
    struct Case {
        const wchar_t* text;
        int result;
        Box box;
        const wchar_t* message;
        int year, month, day;  // what JudgeAndGetDate leaves; -7 = untouched
    } cases[] = {
        { L"2020/02/29", 1, Box::None, L"", 2020, 2, 29 },
        { L"2020-02-28", 1, Box::None, L"", 2020, 2, 28 },
        { L"2020.12.31", 1, Box::None, L"", 2020, 12, 31 },
        { L"2020-02-30", 0, Box::Framework, L"日期錯誤", 2020, 2, 30 },
        { L"2021/02/29", 0, Box::Framework, L"日期錯誤", 2021, 2, 29 },
        { L"2021/13/01", 0, Box::Framework, L"日期錯誤", 2021, 13, 1 },
        { L"2021/00/01", 0, Box::Framework, L"日期錯誤", 2021, 0, 1 },
        { L"2021/01/00", 0, Box::Framework, L"日期錯誤", 2021, 1, 0 },
        { L"2021/01/32", 0, Box::Framework, L"日期錯誤", 2021, 1, 32 },
        { L"2021/ab/cd", 0, Box::Framework, L"日期錯誤", 2021, 0, 0 },
        { L"2038/01/01", 0, Box::Framework, range, 2038, 1, 1 },
        { L"1969/12/31", 0, Box::Framework, range, 1969, 12, 31 },
        { L"0000/01/01", 0, Box::Framework, range, 0, 1, 1 },
        { L"9999/12/31", 0, Box::Framework, range, 9999, 12, 31 },
        { L"abcd/01/01", 0, Box::Framework, range, 0, 1, 1 },
        // The second separator must be the same character as the first.
        { L"2020/02-28", 0, Box::Framework, format, 2020, 2, 1 },
        { L"2020/1/xx1", 0, Box::Framework, L"日期錯誤", 2020, 1, 0 },
        { L"2020/1/1xx", 1, Box::None, L"", 2020, 1, 1 },  // the day is the number that follows
        { L"2020/1/1", 0, Box::Framework, format, -7, -7, -7 },
        { L"", 0, Box::Framework, format, -7, -7, -7 },
        { L"2020/02/280", 0, Box::Framework, format, -7, -7, -7 },
        { kLongText, 0, Box::Framework, format, -7, -7, -7 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text " << testing::PrintToString(std::wstring(c.text)));
        EXPECT_EQ(c.result, CDate::JudgeDate(c.text));
        EXPECT_TRUE(ShowedOne(boxes, c.box, c.message));

        std::wstring copy = c.text;
        int year = -7, month = -7, day = -7;
        EXPECT_EQ(c.result, CDate::JudgeAndGetDate(copy.data(), year, month, day));
        EXPECT_TRUE(ShowedOne(boxes, c.box, c.message));
        EXPECT_EQ(c.year, year);
        EXPECT_EQ(c.month, month);
        EXPECT_EQ(c.day, day);
    }
    EXPECT_EQ(0, CDate::JudgeDate(nullptr));
    EXPECT_TRUE(ShowedOne(boxes, Box::Framework, format));
}

TEST_F(DateChecks, CheckFormatWantsSlashesAndNonZeroParts)
{
    const wchar_t* const message = L"日期格式輸入錯誤。\n示例如：用2001/01/01來表示2001年1月1日!";
    struct Case {
        const wchar_t* text;
        int result;
        bool bMessage;
        int year, month, day;  // -7 = untouched
    } cases[] = {
        { L"2001/01/01", 1, false, 2001, 1, 1 },
        { L"1800/13/45", 1, false, 1800, 13, 45 },  // the shape only; the range is the caller's
        { L"2001/00/01", 0, true, 2001, 0, 1 },
        { L"0000/01/01", 0, true, 0, 1, 1 },
        { L"2001/01/00", 0, true, 2001, 1, 0 },
        { L"abcd/ef/gh", 0, true, 0, 0, 0 },
        { L"2001-01-01", 0, true, -7, -7, -7 },
        { L"2001/01-01", 0, true, -7, -7, -7 },
        { L"2001/1/1", 0, true, -7, -7, -7 },
        { L"", 0, true, -7, -7, -7 },
        { kLongText, 0, true, -7, -7, -7 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text " << testing::PrintToString(std::wstring(c.text)));
        int year = -7, month = -7, day = -7;
        EXPECT_EQ(c.result, CDate::CheckFormat(c.text, year, month, day));
        EXPECT_TRUE(ShowedOne(boxes, c.bMessage ? Box::Framework : Box::None, message));
        EXPECT_EQ(c.year, year);
        EXPECT_EQ(c.month, month);
        EXPECT_EQ(c.day, day);
    }
}

TEST_F(DateChecks, ToYMDClearsItsOutputsAndTrims)
{
    struct Case {
        const wchar_t* text;
        int result;
        Box box;
        const wchar_t* message;
        int year, month, day;
    } cases[] = {
        { L"2021/03/05", 1, Box::None, L"", 2021, 3, 5 },
        { L"  2021-3-5  ", 1, Box::None, L"", 2021, 3, 5 },
        { L"2021.12.31", 1, Box::None, L"", 2021, 12, 31 },
        { L"9999/02/31", 1, Box::None, L"", 9999, 2, 31 },  // days per month are not looked at
        { L"2021/13/05", 0, Box::Framework, L"日期錯誤", 2021, 13, 5 },
        { L"2021/03/32", 0, Box::Framework, L"日期錯誤", 2021, 3, 32 },
        { L"2021/03/00", 0, Box::Framework, L"日期錯誤", 2021, 3, 0 },
        { L"0000/03/05", 0, Box::Framework, L"日期錯誤", 0, 3, 5 },
        { L"abcd/ef/gh", 0, Box::Framework, L"日期錯誤", 0, 0, 0 },
        { L"2021/0305", 0, Box::Framework, L"日期格式錯誤,yyyy/mm/dd", 0, 0, 0 },
        { L"2021", 0, Box::Framework, L"日期格式錯誤,yyyy/mm/dd", 0, 0, 0 },
        { L"202", 0, Box::None, L"", 0, 0, 0 },
        { L"   20   ", 0, Box::None, L"", 0, 0, 0 },
        { L"", 0, Box::None, L"", 0, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text " << testing::PrintToString(std::wstring(c.text)));
        int year = -7, month = -7, day = -7;
        EXPECT_EQ(c.result, CDate::ToYMD(c.text, year, month, day));
        EXPECT_TRUE(ShowedOne(boxes, c.box, c.message));
        EXPECT_EQ(c.year, year);
        EXPECT_EQ(c.month, month);
        EXPECT_EQ(c.day, day);
    }
    int year = -7, month = -7, day = -7;
    EXPECT_EQ(1, CDate::ToYMD(kLongText, year, month, day));  // reads the first date of it
    EXPECT_TRUE(ShowedOne(boxes, Box::None, L""));
    EXPECT_EQ(2021, year);
    EXPECT_EQ(3, month);
    EXPECT_EQ(5, day);
}

TEST_F(DateChecks, CheckHourTextReadsFiveCharacters)
{
    const wchar_t* const format = L"時間格式錯誤 HH:MM";
    const wchar_t* const pupil = L"擴瞳或縮瞳時間格式錯誤 HH:MM";
    struct Case {
        const wchar_t* text;
        int result;
        Box box;
        const wchar_t* message;
        int hour, minute;  // -7 = untouched
    } cases[] = {
        { L"24:60", 1, Box::None, L"", 24, 60 },
        { L"00:00", 1, Box::None, L"", 0, 0 },
        { L"09:30", 1, Box::None, L"", 9, 30 },
        { L"9:30", 0, Box::None, L"", -7, -7 },
        { L"09:300", 0, Box::None, L"", -7, -7 },
        { L"", 0, Box::None, L"", -7, -7 },
        { kLongText, 0, Box::None, L"", -7, -7 },
        { L"09:61", -1, Box::Framework, pupil, -7, -7 },
        { L"09:-1", -1, Box::Framework, pupil, -7, -7 },
        { L"25:00", -1, Box::Framework, format, -7, -7 },
        { L"-1:00", -1, Box::Framework, format, -7, -7 },
        { L"09.30", -1, Box::Framework, format, -7, -7 },
        { L"0930 ", -1, Box::Framework, format, -7, -7 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text " << testing::PrintToString(std::wstring(c.text)));
        int hour = -7, minute = -7;
        EXPECT_EQ(c.result, CDate::CheckHourText(c.text, hour, minute));
        EXPECT_TRUE(ShowedOne(boxes, c.box, c.message));
        EXPECT_EQ(c.hour, hour);
        EXPECT_EQ(c.minute, minute);
    }
}
