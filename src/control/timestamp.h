// CTimeStamp: a database time stamp (TIMESTAMP_STRUCT) with conversions to
// and from CTime and COleDateTime, calendar steps and the age in years; and
// the free functions that compute and word a person's age from a birth date
// held as the number yyyymmdd.
#pragma once

#include <windows.h>
#include <sqltypes.h>   // TIMESTAMP_STRUCT
#include "afxstr.h"
#include "afxtime.h"
#include "afxdisp.h"
#include "qvapi.h"

class QVCTRL_API CTimeStamp
{
public:
    CTimeStamp();   // all sixteen bytes zero
    CTimeStamp(const TIMESTAMP_STRUCT& stamp);
    CTimeStamp(const COleDateTime& t);   // fraction 0
    CTimeStamp(const CTime& t);          // fraction 0
    CTimeStamp(const CTimeStamp& other);
    CTimeStamp& operator=(const CTimeStamp& other);
    virtual ~CTimeStamp();

    void GetTime(TIMESTAMP_STRUCT& stamp) const;
    void SetTime(const TIMESTAMP_STRUCT& stamp);
    void GetTime(CTime& t) const;         // local time
    void GetDate(CTime& t) const;         // the day at 00:00
    int GetTime(COleDateTime& t) const;   // returns 1

    void Now();           // the fraction is kept
    int IsNull() const;   // year 0
    void Noon();
    void MonthFirstDay();
    void NextYear(int n);   // not on a null stamp
    bool NextDay();         // false on a missing part
    long GetAge() const;    // whole years to now, by month
    int operator>(const CTimeStamp& other) const;

private:
    TIMESTAMP_STRUCT m_stamp;
};

// Age in years at tNow of a person born on yyyymmdd; under one year the days
// divided by 365; 0 for an unknown birth date (0).
QVCTRL_API double CalcAge(int nBirth, CTime tNow);
// The age as text, counting calendar months and days under one year.
QVCTRL_API CString GetBirthAgeText(double dAge, CTime tNow, long nBirth);
// Checks a birth date typed as "yyyy/mm/dd"; 1 when good or empty.
QVCTRL_API int OnChangeBirthday(CString text, int& year, int& month, int& day);
