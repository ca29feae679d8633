// IDlgAccess: moves values between a record in the caller's memory and the
// controls of a dialog, driven by a table of CdDataMap entries that the
// caller owns. SetTextData fills the controls; GetTextData checks what was
// typed and stores it, stopping at the first bad control with the focus on it.
#pragma once

#include "afxwin.h"
#include "qvapi.h"

// One control of the table: its identifier, the byte offset of its value in
// the record, and the kind of value (DLGACCESS_* or a text length).
struct CdDataMap
{
    UINT nID;
    int nOffset;
    int nType;
};

// Kinds of CdDataMap::nType. A positive kind n is a UTF-16 text in place of
// at most n characters including its terminator, shown in an edit.
enum
{
    DLGACCESS_INT = -1,      // 32-bit int, decimal text
    DLGACCESS_DOUBLE = -2,   // double, two decimals
    DLGACCESS_CHECK = -3,    // 32-bit int, a check box's state
    DLGACCESS_YMD = -4,      // 32-bit int yyyymmdd, text yyyy/mm/dd
    DLGACCESS_WHOLE = -5,    // double shown as a whole number; 0 shows empty
    DLGACCESS_COMBO = -6,    // text in place, the combo box item with that text
    DLGACCESS_STAMP = -7,    // TIMESTAMP_STRUCT in a date-time picker
};

class QVCTRL_API IDlgAccess
{
public:
    IDlgAccess();
    virtual ~IDlgAccess();

    void SetDataMap(CdDataMap* pDataMap, int nCount);

    // Record to dialog. Texts too long for their kind are cut and reported
    // once, after all entries.
    void SetTextData(CWnd* pDlg, const void* pRecord);
    // Dialog to record: 1 when every entry was stored, 0 when a check failed
    // (entries before it are stored, the focus is on the failing control).
    // A null record only checks.
    int GetTextData(CWnd* pDlg, void* pRecord);

    // 1 for a number typed with digits, one "." and a leading sign (white
    // space before it allowed; the empty text too), else a message and 0.
    static int IsFloat(const CString& strText);

protected:
    CdDataMap* m_pDataMap;
    int m_nDataMap;

private:
    // Shows one entry; false when its text had to be cut.
    static bool SetEntry(CWnd* pDlg, HWND hCtrl, const CdDataMap& entry, const char* pRecord);
    static bool GetEntry(HWND hCtrl, const CdDataMap& entry, char* pRecord);
};
