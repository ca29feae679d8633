// Field descriptors: where each value of a fixed-layout record lies, its data
// type, caption and column width; and CField, a set of them with positions.
#pragma once

#include "afx.h"
#include "afxtempl.h"
#include <sqltypes.h>
#include "qvapi.h"

class CListCtrl;

// One field of a record. Callers declare arrays of it statically.
struct CfField
{
    int nWidth;               // column width in characters
    const wchar_t* pszName;   // caption; may be null
    int nOffset;              // byte offset in the record; -1: not stored in the record
    int nType;                // data type code (FIELD_* below)
    int nFormat;              // decimals, bit number (157) or print variant
    int nPos;                 // column position in characters, computed by CField
    int nHead;                // heading layout for list printing; width of unstored columns
};

// The same with the caption taken from the caller's string table.
struct CrField
{
    int nWidth;
    UINT nNameID;   // string resource identifier; 0: no caption
    int nOffset;
    int nType;
    int nFormat;
    int nPos;
    int nHead;
};

// Data type codes of CfField::nType.
enum
{
    FIELD_TEXT = 0,              // UTF-16 text in place
    FIELD_BYTE2 = 1,             // unsigned 8-bit, two digits
    FIELD_FLOAT = 2,             // float, nFormat decimals
    FIELD_DOUBLE = 3,            // double, nFormat decimals, right-aligned in lists
    FIELD_TIME = 5,              // time value: time of day
    FIELD_HOURMINUTE = 6,        // time value: hour and minute
    FIELD_DURATION = 7,          // signed 64-bit seconds
    FIELD_DATE = 8,              // time value: compact date
    FIELD_DATEHOUR = 9,          // time value: date and hour
    FIELD_MONTHNAME = 10,        // time value: month as a Chinese numeral
    FIELD_INT = 11,              // signed 32-bit
    FIELD_LONG = 12,             // signed 32-bit long
    FIELD_TS_TIME = 13,          // time stamp: time of day
    FIELD_TS_MONTHDAY = 14,      // time stamp: month and day
    FIELD_TS_DATE = 15,          // time stamp: date
    FIELD_TS_DATETIME = 16,      // time stamp: date and time
    FIELD_DATE_SLASH = 17,       // time value: date with slashes
    FIELD_TS_DATE_SLASH = 18,    // time stamp: date with slashes
    FIELD_TS_YEARMONTH = 19,     // time stamp: year and month
    FIELD_DOUBLE_TRIM = 20,      // double without trailing zeros
    FIELD_DATE_CHINESE = 21,     // time value: date in Chinese form
    FIELD_TEXT_YEAR = 22,        // text prefixed with a two-digit year by the HTML and Word fillers
    FIELD_DATE_WEEKDAY = 23,     // time value: Chinese date with the weekday
    FIELD_RIGHT = 24,            // a right-aligned column without record data
    FIELD_YMD_NUMBER = 25,       // signed 32-bit yyyymmdd
    FIELD_YM01_NUMBER = 26,      // signed 32-bit yyyymm01 (text to record only)
    FIELD_HHMM_NUMBER = 27,      // signed 32-bit hhmm (text to record only)
    FIELD_YMD_NUMBER2 = 28,      // signed 32-bit yyyymmdd (text to record only)
    FIELD_YESNO = 29,            // signed 32-bit flag 0 or 1
    FIELD_DATE_IN = 30,          // time value: compact date (text to record only)
    FIELD_BYTE = 31,             // unsigned 8-bit
    FIELD_TEXT_IN = 32,          // UTF-16 text (text to record only)
    FIELD_DOUBLE_IN = 33,        // double (text to record only)
    FIELD_DATE_SLASH_OUT = 34,   // time value: date with slashes (record to text only)
    FIELD_DATE_VARIABLE = 35,    // time value: year, year and month, or date (hour 4 / 6 / other)
    FIELD_TS_CHINESE = 36,       // time stamp: date in Chinese numerals
    FIELD_CSTRING = 39,          // a CString object
    FIELD_FLAG_BIT = 157,        // one bit (nFormat) of a 32-bit flag word
};
// A flag bit of nType read by the field-driven list set-up.
#define FIELD_TYPE_FLAG 128

// A set of field descriptors with owned captions, their column positions and
// an optional record buffer. Copies are deep: a copy owns its own
// descriptors, captions and record buffer, so either may be destroyed first.
class QVCTRL_API CField
{
public:
    CField();
    CField(const CField& source);
    CField& operator=(const CField& source);
    ~CField();

    // Copies nCount descriptors and their captions, and numbers the columns.
    // The record length is not changed.
    virtual void SetField(CfField* pField, int nCount);
    virtual long GetRecordLength();

    // Captions are loaded from the caller's string table; a missing string
    // gives an empty caption.
    void SetField(CrField* pField, int nCount);
    // Copies the descriptors the elements point to, keeping their nPos.
    void SetField(CArray<void*, void*>* pFields);
    // Adds a copy of field at the end and numbers the columns again; returns the new count.
    int AppendField(const CfField& field);
    void FreeField();

    CfField* GetField(int& nCount);
    void GetField(CfField** ppField, int* pnCount) const;
    int GetFieldCount();
    CString GetFieldName(int nIndex);
    // Index of the first descriptor with that offset, or -1.
    int OffsetToPos(long nOffset);
    // 1 when nNumber equals the number of fields, else 0.
    int IsNeedNewLine(int nNumber);
    // A new record buffer of nLength bytes (not cleared), or null.
    char* SetRecordLength(long nLength);

    // Text of descriptor nIndex's value in pRecord (see GetFieldString).
    CString GetString(char* pRecord, int nIndex);
    // One column per descriptor: caption, nWidth x 10 pixels, right-aligned for doubles.
    void SetListHead(CListCtrl* pList);

    // Conversion between a value in a record and its text (fieldtext.cpp).
    static CString GetFieldString(char* pValue, int nType, int nFormat);
    static void TextToRecord(CString strText, int nType, int nOffset, void* pRecord);
    static CString ToChinese(const TIMESTAMP_STRUCT& stamp);

protected:
    CfField* m_pField;      // owned descriptors, each pszName owned; null when empty
    int m_nField;           // number of descriptors
    long m_nRecordLength;   // bytes in m_pRecord; 0 when there is none
    char* m_pRecord;        // owned record buffer, or null

private:
    void CopyFrom(const CField& source);
    // A new array of nCount descriptors with owned captions, or null.
    static CfField* CopyFields(const CfField* pSource, int nCount);
    void FreeRecord();
    // Frees the current descriptors and takes pField (new[], nCount entries) in their place.
    void Adopt(CfField* pField, int nCount);
    void NumberColumns();
};
