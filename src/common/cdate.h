// CDate: the date checks, text forms and time moves that the library and its
// callers share. Every member is static; the class holds no data.
//
// Times are CTime values in the machine's local zone. The checks talk to the
// user: a failed check shows exactly one message box (the companion's
// WarningBox or the framework's AfxMessageBox, fixed per check) and returns
// its failure code, so a caller only has to stop.
#pragma once

#include <windows.h>
#include <sqltypes.h>   // TIMESTAMP_STRUCT
#include "afxstr.h"
#include "afxtime.h"
#include "afxdisp.h"
#include "qvapi.h"

class CDialog;

class QVCTRL_API CDate
{
public:
    // ---- text forms --------------------------------------------------------
    static CString Today();   // "%4d%02d%02d"
    static int ThisYear();
    static CString GetYearString(CTime t);     // "%04d"
    static CString GetMonthString(CTime t);    // "%04d%02d"
    static CString ToDate(CTime t);            // "%04d%02d%02d"
    static CString ToDateString(CTime t);      // "%04d/%02d/%02d"
    static CString ToChineseString(CTime t);   // "%04d年%02d月%02d日"
    static CString ToChineseString(const COleDateTime& t);
    static CString ToChineseYear2HourString(CTime t);               // "%04d年%02d月%02d日%02d時"
    static CString ToEnglishString(const CTime& t);                 // "Mar 5 2021"
    static CString ToBirthdayString(long nBirth);                   // yyyymmdd -> "%04d/%02d/%02d", else empty
    static CString TS2DateString(const TIMESTAMP_STRUCT* pStamp);   // "%4d/%d/%d"
    static CString DayBefore(CTime t);                              // always empty

    // ---- building and moving times -----------------------------------------
    static CTime ZeroHour(CTime t);   // 00:00 of the day; zero stays zero
    static CTime NoonHour(CTime t);
    static CTime NoonHour(__int64 t);
    static CTime EightHour(CTime t);
    static CTime SevenHour(CTime t);
    static CTime GetDate(CTime t);     // 00:00 of the day
    static CTime NextMonth(CTime t);   // first of the next month, 00:00
    static CTime LastMonth(CTime t);   // first of the previous month, 00:00; before 1970: message, t
    static CTime ToCTime(const COleDateTime& t);
    static CTime ToCTimeDay(const COleDateTime& t);
    static void TimeToTimeStamp(const CTime& t, TIMESTAMP_STRUCT* pStamp);
    static int OleToTimeStamp(const COleDateTime& t, TIMESTAMP_STRUCT* pStamp);
    static int String2TS(const CString& text, TIMESTAMP_STRUCT* pStamp);
    // Eight-digit yyyymmdd text; a year before 1900 becomes 1990.
    static void ToTime(wchar_t* text, CTime& result);
    static CTime ToTime(wchar_t* text);
    static int IsSameDay(__int64 t1, __int64 t2);
    static int IsToday(__int64 t);
    static int CheckDate(long nDate);                    // yyyymmdd names a real date
    static int CheckDay(int year, int month, int day);   // day within the month's length
    // Items id, id + 1, id + 2 as year, month, day -> "%04d%02d%02d" into
    // pBuffer, which holds nine characters with the terminator.
    static void GetDlgDate(CDialog* pDlg, UINT nID, wchar_t* pBuffer);

    // ---- checks that talk to the user --------------------------------------
    static int AdjustDate(CTime& result, int year, int month, int day, int nCarry);
    // nSource: 0 (or less) identity card, 1 year only, 2 year and month,
    // 3 or more a full date typed by the user.
    static int AdjustBirthDate(int year, int month, int day, int nSource);
    // "2005", "200502" or "20050228": 04:00 marks year only, 06:00 year and month.
    static int AdjustExpiryDate(CTime& result, const CString& text);
    static int AdjustFormat(char* text);
    static int AdjustFormatAndMonth(char* text);
    static int JudgeDate(const wchar_t* text);
    static int JudgeAndGetDate(wchar_t* text, int& year, int& month, int& day);
    static int CheckFormat(CString text, int& year, int& month, int& day);
    static int ToYMD(CString text, int& year, int& month, int& day);
    static int CheckHourText(CString text, int& hour, int& minute);

    // ---- ages ------------------------------------------------------------
    static CString GetAgeText(double dAge);
};
