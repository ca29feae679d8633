// CSingleDate: the one date-time picker of a dialog, its date, and the query
// condition for that day.
#pragma once

#include <windows.h>
#include <sqltypes.h>
#include "afxwin.h"
#include "afxdisp.h"
#include "afxtime.h"
#include "qvapi.h"

class QVCTRL_API CSingleDate
{
public:
    CSingleDate();
    virtual ~CSingleDate();

    void SetDateID(int nID);
    // Takes the identifier of the dialog's only picker; a message when it
    // has none or several.
    void PrepareID(CWnd* pDlg);
    // Shows the picker as "yyyy/MM/dd" and reads its date.
    void NormalFormat(CWnd* pDlg);
    // Reads the picker's date: 1, or 0 when the picker is missing.
    int UpdateDate(CWnd* pDlg);
    void SetDate(CWnd* pDlg, CTime t);
    // t > 0: that time; otherwise now.
    void SetDate(CWnd* pDlg, __int64 t);

    void Noon();
    static void Noon(COleDateTime& t);
    void ZeroHour();
    static void ZeroSingleHour(COleDateTime& t);
    // The date and time into a stamp (fraction 0); returns 1.
    int OleToStamp(TIMESTAMP_STRUCT& stamp);
    static CTime ToCTime(const COleDateTime& t);
    // "field>day AND field<day + 24 hours" in seconds since 1970.
    static CString PrepareOneDay(const CString& strField, CTime day);

    const COleDateTime& GetDate() const { return m_date; }
    int GetDateID() const { return m_nDateID; }

protected:
    COleDateTime m_date;
    int m_nDateID;

private:
    HWND Picker(CWnd* pDlg) const;
};
