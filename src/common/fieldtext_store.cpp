// CField::TextToRecord: stores the value a text denotes into a record field,
// by the field's data type code. Empty text stores zero ("no value").
//
// Times are written as the low 32 bits of the 64-bit time into the first four
// bytes of the field; the upper four bytes are left as they are, as the
// records of the callers expect.
//
// Code 18 (a date shown from a time stamp as yyyy/mm/dd) is written back as
// a time stamp: the display reads a stamp, so storing a 32-bit time there
// would show garbage on the next read and overwrite only a quarter of the
// stamp. Its text is read in the form the display writes ("2021/03/05");
// the compact form "20210305" is read too, so texts written for the older
// time-valued form still store the same date. Empty text clears the stamp.
#include "common/field.h"

#include <cstdint>
#include <cwchar>

#include "common/cdate.h"
#include "common/datescan.h"
#include "common/fieldvalue.h"

using qvfield::WriteValue;

namespace
{

// Date and time texts are read from a working copy of at most 19 characters.
const int kWorkLength = 20;

struct WorkText
{
    wchar_t chars[kWorkLength];
    int length;

    explicit WorkText(const CString& text)
    {
        length = text.GetLength() < kWorkLength - 1 ? text.GetLength() : kWorkLength - 1;
        wmemcpy(chars, text.GetString(), length);
        chars[length] = L'\0';
    }
    bool IsEmpty() const { return length == 0; }
    bool IsEmptyOrTotal() const { return length == 0 || wcscmp(chars, L"合計") == 0; }
};

// The numbers of a pattern; numbers that the text does not reach stay 0.
struct Scanned
{
    int n[5] = {0, 0, 0, 0, 0};
    Scanned(const wchar_t* text, const wchar_t* pattern) { qvscan::ScanNumbers(text, pattern, n, 5); }
};

void WriteTime(char* pField, CTime t)
{
    WriteValue<uint32_t>(pField, uint32_t(uint64_t(t.GetTime())));
}

// Writes the "no value" of a field of type T (a time writes four bytes of zero).
template <class T> bool StoreZero(char* pField)
{
    WriteValue<T>(pField, T{});
    return true;
}

void WriteStamp(char* pField, int year, int month, int day)
{
    TIMESTAMP_STRUCT stamp = {};
    stamp.year = SQLSMALLINT(year);
    stamp.month = SQLUSMALLINT(month);
    stamp.day = SQLUSMALLINT(day);
    WriteValue(pField, stamp);
}

// Codes 5 to 35 that hold a date or time; false for any other code.
bool StoreDateOrTime(const CString& text, int nType, char* pField)
{
    WorkText work(text);
    const wchar_t* s = work.chars;
    switch (nType)
    {
    case FIELD_TIME:
    {
        Scanned v(s, L"%02d:%02d:%02d");
        WriteTime(pField, CTime(CDate::ThisYear(), 1, 1, v.n[0], v.n[1], v.n[2]));
        return true;
    }
    case FIELD_HOURMINUTE:
    {
        if (work.IsEmpty())
            return StoreZero<uint32_t>(pField);
        Scanned v(s, L"%02d時%02d分");
        CTime now = CTime::GetCurrentTime();
        WriteTime(pField, CTime(now.GetYear(), now.GetMonth(), now.GetDay(), v.n[0], v.n[1], 0));
        return true;
    }
    case FIELD_DATE:
    case FIELD_DATE_IN:
    case FIELD_DATE_SLASH:
    {
        bool bEmpty = nType == FIELD_DATE_SLASH ? work.IsEmpty() : work.IsEmptyOrTotal();
        if (bEmpty)
            return StoreZero<uint32_t>(pField);
        Scanned v(s, nType == FIELD_DATE_SLASH ? L"%04d/%02d/%02d" : L"%04d%02d%02d");
        WriteTime(pField, CTime(v.n[0], v.n[1], v.n[2], 12, 0, 0));
        return true;
    }
    case FIELD_DATEHOUR:
    {
        if (work.IsEmpty())
            return StoreZero<uint32_t>(pField);
        Scanned v(s, L"%02d.%02d.%02d,%02d:%02d");
        WriteTime(pField, CTime(v.n[0] + 2000, v.n[1], v.n[2], v.n[3], v.n[4], 0));
        return true;
    }
    case FIELD_TS_DATE_SLASH:
    {
        if (work.IsEmpty())
            return StoreZero<TIMESTAMP_STRUCT>(pField);
        Scanned v(s, qvscan::FindChar(s, L'/', 0) >= 0 ? L"%04d/%02d/%02d" : L"%04d%02d%02d");
        WriteStamp(pField, v.n[0], v.n[1], v.n[2]);
        return true;
    }
    case FIELD_TS_YEARMONTH:
    {
        if (work.IsEmpty())
            return StoreZero<TIMESTAMP_STRUCT>(pField);
        Scanned v(s, L"%04d/%02d");
        WriteStamp(pField, v.n[0], v.n[1], 1);
        return true;
    }
    case FIELD_HHMM_NUMBER:
    {
        if (work.IsEmpty())
            return StoreZero<int32_t>(pField);
        Scanned v(s, L"%02d:%02d");
        int hhmm = v.n[0] * 100 + v.n[1];
        WriteValue<int32_t>(pField, hhmm == 0 ? 2400 : hhmm);
        return true;
    }
    case FIELD_DATE_VARIABLE:
    {
        if (work.IsEmptyOrTotal())
            return StoreZero<uint32_t>(pField);
        // The hour marks the precision: 04:00 year only, 06:00 year and month.
        if (work.length == 4)
        {
            Scanned v(s, L"%04d");
            WriteTime(pField, CTime(v.n[0], 1, 1, 4, 0, 0));
        }
        else if (work.length == 6)
        {
            Scanned v(s, L"%04d%02d");
            WriteTime(pField, CTime(v.n[0], v.n[1], 1, 6, 0, 0));
        }
        else
        {
            Scanned v(s, L"%04d%02d%02d");
            WriteTime(pField, CTime(v.n[0], v.n[1], v.n[2], 0, 0, 0));
        }
        return true;
    }
    }
    return false;
}

// yyyy/mm/dd read by position, as the number yyyymmdd (codes 26 and 28).
int32_t DateNumber(const wchar_t* s, bool bWithDay)
{
    int year = qvscan::NumberAt(s, 0, 4), month = qvscan::NumberAt(s, 5, 2);
    int day = bWithDay ? qvscan::NumberAt(s, 8, 2) : 1;
    return year * 10000 + month * 100 + day;
}

}   // namespace

void CField::TextToRecord(CString strText, int nType, int nOffset, void* pRecord)
{
    ASSERT(pRecord);
    // An offset of -1 marks a column without record data: nothing to write.
    if (!pRecord || nOffset < 0)
        return;
    char* pField = static_cast<char*>(pRecord) + nOffset;
    const wchar_t* s = strText.GetString();
    switch (nType)
    {
    case FIELD_TEXT:
    case FIELD_TEXT_IN:
        memcpy(pField, s, (size_t(strText.GetLength()) + 1) * sizeof(wchar_t));
        return;
    case FIELD_BYTE2:
    case FIELD_BYTE:
        WriteValue<uint8_t>(pField, uint8_t(qvscan::NumberAt(s)));
        return;
    case FIELD_FLOAT:
        WriteValue<float>(pField, float(_wtof(s)));
        return;
    case FIELD_DOUBLE:
    case FIELD_DOUBLE_TRIM:
    case FIELD_DOUBLE_IN:
        WriteValue<double>(pField, _wtof(s));
        return;
    case FIELD_INT:
    case FIELD_LONG:
        WriteValue<int32_t>(pField, qvscan::NumberAt(s));
        return;
    case FIELD_YM01_NUMBER:
        WriteValue<int32_t>(pField, strText.GetLength() > 7 ? DateNumber(s, false) : 0);
        return;
    case FIELD_YMD_NUMBER2:
        WriteValue<int32_t>(pField, strText.GetLength() > 9 ? DateNumber(s, true) : 0);
        return;
    case FIELD_YESNO:
        WriteValue<int32_t>(pField, strText == L"是" ? 1 : 0);
        return;
    case FIELD_FLAG_BIT:
        WriteValue<int32_t>(pField, strText == L"是" || qvscan::NumberAt(s) > 0 ? 1 : 0);
        return;
    }
    if (!StoreDateOrTime(strText, nType, pField))
        AfxMessageBox(L"Unknown data format", MB_OK, 0);
}
