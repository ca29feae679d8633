// CDate: the checks of typed "yyyy/mm/dd" and "HH:MM" texts whose messages
// go through the framework's message box.
#include "common/cdate.h"

#include "afx.h"
#include "common/calendar.h"
#include "common/datescan.h"

namespace
{

const wchar_t kFormatMessage[] = L"日期格式錯誤,yyyy/mm/dd";

int Tell(const wchar_t* text, int nResult = 0)
{
    AfxMessageBox(text, MB_OK, 0);
    return nResult;
}

struct SeparatedDate
{
    int year = 0, month = 0, day = 0;
    bool bDayFound = false;
};

// Reads year, separator (index 4), month (from index 5) and the day after the
// next separator found from nSearchFrom on. Nothing is read past the text.
SeparatedDate ReadSeparatedDate(const wchar_t* s, int nSearchFrom)
{
    SeparatedDate date;
    wchar_t separator = qvscan::BoundedLength(s, 5) == 5 ? s[4] : L'\0';
    date.year = qvscan::NumberAt(s);
    date.month = qvscan::NumberAt(s, 5);
    int at = qvscan::FindChar(s, separator, nSearchFrom);
    if (at >= 0)
    {
        date.day = qvscan::NumberAt(s, at + 1);
        date.bDayFound = true;
    }
    return date;
}

// The shared body of JudgeDate and JudgeAndGetDate. pParts (when given)
// receives the parts as they are read, the day being 1 until it is found;
// it is left alone when the text has the wrong length.
int JudgeText(const wchar_t* text, int* pParts[3])
{
    if (qvscan::BoundedLength(text, 11) != 10)
        return Tell(kFormatMessage);
    SeparatedDate date = ReadSeparatedDate(text, 6);
    if (pParts)
    {
        *pParts[0] = date.year;
        *pParts[1] = date.month;
        *pParts[2] = date.bDayFound ? date.day : 1;
    }
    if (!date.bDayFound)
        return Tell(kFormatMessage);
    if (date.year < 1970 || date.year > 2036)
        return Tell(L"年份范圍錯誤 1970-2036");
    if (!qvcal::IsGoodDate(date.year, date.month, date.day))
        return Tell(L"日期錯誤");
    return 1;
}

}   // namespace

int CDate::JudgeDate(const wchar_t* text)
{
    return JudgeText(text, nullptr);
}

int CDate::JudgeAndGetDate(wchar_t* text, int& year, int& month, int& day)
{
    int* parts[3] = {&year, &month, &day};
    return JudgeText(text, parts);
}

int CDate::CheckFormat(CString text, int& year, int& month, int& day)
{
    const wchar_t kMessage[] = L"日期格式輸入錯誤。\n示例如：用2001/01/01來表示2001年1月1日!";
    if (text.GetLength() != 10 || text[4] != L'/' || text[7] != L'/')
        return Tell(kMessage);
    SeparatedDate date = ReadSeparatedDate(text, 6);
    year = date.year;
    month = date.month;
    day = date.day;
    if (year == 0 || month == 0 || day == 0)
        return Tell(kMessage);
    return 1;
}

int CDate::ToYMD(CString text, int& year, int& month, int& day)
{
    year = month = day = 0;
    text.Trim();
    if (text.GetLength() < 4)
        return 0;
    SeparatedDate date = ReadSeparatedDate(text, 5);
    if (!date.bDayFound)
        return Tell(kFormatMessage);
    year = date.year;
    month = date.month;
    day = date.day;
    if (year > 0 && month >= 1 && month <= 12 && day >= 1 && day <= 31)
        return 1;
    return Tell(L"日期錯誤");
}

int CDate::CheckHourText(CString text, int& hour, int& minute)
{
    if (text.GetLength() != 5)
        return 0;
    int colon = qvscan::FindChar(text, L':', 0);
    int h = qvscan::NumberAt(text);
    if (colon < 0 || h < 0 || h > 24)
        return Tell(L"時間格式錯誤 HH:MM", -1);
    int m = qvscan::NumberAt(text, colon + 1);
    if (m < 0 || m > 60)
        return Tell(L"擴瞳或縮瞳時間格式錯誤 HH:MM", -1);
    hour = h;
    minute = m;
    return 1;
}
