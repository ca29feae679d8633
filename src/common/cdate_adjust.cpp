// CDate: the checks whose messages go through the companion's WarningBox.
#include "common/cdate.h"

#include <cstring>
#include "common/calendar.h"
#include "common/datescan.h"
#include "qvmessage.h"

namespace
{

// Shows the warning and gives the failure code, so that each failing branch
// is one line that cannot forget either half.
int Warn(const wchar_t* text)
{
    WarningBox(text);
    return 0;
}

// Lengths 7 ("1991/01") and 10 ("1991/01/01") share one shape test.
int CheckSlashedShape(const char* text, bool bMonthForm, const wchar_t* lengthMessage, const wchar_t* shapeMessage)
{
    if (!text || text[0] == '\0')
        return 1;
    size_t length = strlen(text);
    if (length != 10 && !(bMonthForm && length == 7))
        return Warn(lengthMessage);
    if (text[4] != '/' || (length >= 8 && text[7] != '/'))
        return Warn(shapeMessage);
    return 1;
}

}   // namespace

int CDate::AdjustDate(CTime& result, int year, int month, int day, int nCarry)
{
    if (year < 1970 || year > 2036)
        return Warn(L"年份錯誤(1970-2036)");
    if (month < 1 || month > 12)
        return Warn(L"月份錯誤(1-12)");
    if (day < 1 || day > 31)
        return Warn(L"日期錯誤(1-31)");
    int code = 1;
    int length = qvcal::DaysInMonth(year, month);
    if (day > length)
    {
        day -= length;
        if (++month > 12)
        {
            month = 1;
            ++year;
        }
        code = nCarry;
    }
    result = CTime(year, month, day, 0, 0, 0);
    if (nCarry == 0 && code == 0)
        WarningBox(L"時間輸入錯誤");
    return code;
}

int CDate::AdjustBirthDate(int year, int month, int day, int nSource)
{
    const wchar_t* const kCardMessage = L"身份證輸入錯誤";
    bool bFromCard = nSource == 0;
    if ((year < 1800 || year > 2040) && nSource > 0)
        return Warn(L"出生年份錯誤(1800-2040)");
    if ((bFromCard || nSource >= 2) && (month < 1 || month > 12))
        return Warn(nSource < 2 ? kCardMessage : L"出生月份輸入錯誤(1-12)");
    if ((bFromCard || nSource >= 3) && (day < 1 || day > 31))
        return Warn(bFromCard ? kCardMessage : L"出生日期輸入錯誤(1-31)");
    if (nSource == 1 || nSource == 2 || nSource < 0)
        return 1;
    if (day > qvcal::DaysInMonth(year, month))
        return Warn(bFromCard ? kCardMessage : L"出生日期輸入錯誤!");
    return 1;
}

int CDate::AdjustExpiryDate(CTime& result, const CString& text)
{
    int length = text.GetLength();
    if (length != 4 && length != 6 && length != 8)
        return Warn(L"日期格式錯誤(2005或200501或20050101)");
    const wchar_t* s = text.GetString();
    int year = qvscan::NumberAt(s, 0, 4);
    int month = length >= 6 ? qvscan::NumberAt(s, 4, 2) : 0;
    int day = length == 8 ? qvscan::NumberAt(s, 6, 2) : 0;
    if (year < 1970 || year > 2036)
        return Warn(L"年份錯誤(1970-2036)");
    if ((month < 1 || month > 12) && !(length == 4 && month == 0))
        return Warn(L"月份錯誤(1-12)");
    if ((day < 1 || day > 31) && !(length < 8 && day == 0))
        return Warn(L"日期錯誤(1-31)");
    if (length == 8 && day > qvcal::DaysInMonth(year, month))
        return Warn(month == 2 ? L"2月日期錯誤" : L"日期錯誤");
    // The hour records the precision: 04:00 year only, 06:00 year and month.
    if (length == 4)
        result = CTime(year, 1, 1, 4, 0, 0);
    else if (length == 6)
        result = CTime(year, month, 1, 6, 0, 0);
    else
        result = CTime(year, month, day, 0, 0, 0);
    return 1;
}

int CDate::AdjustFormat(char* text)
{
    return CheckSlashedShape(text, false, L"日期格式錯誤!正確的年月日格式必須形如:1991/01/01",
                             L"格式錯誤!正確的日期格式必須形如:1991/01/01");
}

int CDate::AdjustFormatAndMonth(char* text)
{
    return CheckSlashedShape(text, true, L"日期格式錯誤!正確的年月日格式必須形如:1991/01/31或1991/01",
                             L"格式錯誤!正確的日期格式必須形如:1991/01/31或1991/01");
}
