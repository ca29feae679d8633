// CDateRange: the two date-time pickers of a from/to range in a dialog (the
// one further left is the beginning), the order check, and the query
// conditions over a numeric time column (seconds since 1970).
#pragma once

#include <windows.h>
#include <sqltypes.h>
#include "afxwin.h"
#include "afxdisp.h"
#include "afxtime.h"
#include "qvapi.h"

class QVCTRL_API CDateRange
{
public:
    CDateRange();
    virtual ~CDateRange();

    // Finds the two pickers; with any other number nothing is set.
    int PrepareID(CWnd* pDlg);
    // PrepareID, then both pickers show "yyyy/MM/dd".
    int NormalFormat(CWnd* pDlg);
    // Reads both pickers and checks their order (messages); 1 with both
    // dates at 00:00, else 0.
    int GetDateRange(CWnd* pDlg);
    // The same without a message for missing pickers.
    int UpdateRange(CWnd* pDlg);
    int UpdateBegin(CWnd* pDlg);
    int UpdateEnd(CWnd* pDlg);
    void DateRangeZeroHour();

    void ToTimeStamp(TIMESTAMP_STRUCT* pBegin, TIMESTAMP_STRUCT* pEnd);
    static void Ole2Stamp(const COleDateTime& t, TIMESTAMP_STRUCT* pStamp);
    static CTime ToCTime(const COleDateTime& t);

    // "field>=begin and field < end + 24 hours".
    CString PrepareLongTimeCondition(const CString& strField);
    // "(field BETWEEN begin AND end + 24 hours)"; empty when the range is reversed.
    CString PrepareRangeFilter(const CString& strField);

    const COleDateTime& GetBegin() const { return m_begin; }
    const COleDateTime& GetEnd() const { return m_end; }
    UINT GetBeginID() const { return m_nBeginID; }
    UINT GetEndID() const { return m_nEndID; }

protected:
    COleDateTime m_begin;
    COleDateTime m_end;
    UINT m_nBeginID;
    UINT m_nEndID;

private:
    HWND Picker(CWnd* pDlg, UINT nID) const;
    // The two time values of the conditions: the beginning, and the end plus a day.
    void ConditionBounds(long& nBegin, long& nEnd);
};
