// CDateDlg: a date kept in three consecutive edit boxes of a dialog (year,
// month, day at identifiers id, id + 1, id + 2; or hour, minute, second),
// with optional spin buttons. The callers' change handlers call
// OnDlgChangeDate / OnDlgChangeTime to keep the boxes a real date.
#pragma once

#include "afxwin.h"
#include "afxtime.h"
#include "qvapi.h"

class CSpinButtonCtrl;

class QVCTRL_API CDateDlg
{
public:
    // Which box the user changed.
    enum YMDD
    {
        eYear = 0,
        eMonth = 1,
        eDay = 2
    };
    enum HMS
    {
        eHour = 0,
        eMinute = 1,
        eSecond = 2
    };
    // Spin buttons: four groups of three boxes.
    enum
    {
        kSpinGroups = 4,
        kBoxesPerGroup = 3
    };

    CDateDlg();
    virtual ~CDateDlg();
    CDateDlg(const CDateDlg&) = delete;
    CDateDlg& operator=(const CDateDlg&) = delete;

    // Year, month and day into the boxes; a negative time is refused with a message.
    static void SetDlgDate(CWnd* pDlg, UINT nID, CTime& t);
    static void SetDlgTime(CWnd* pDlg, UINT nID, CTime t);
    // The date of the boxes, or the zero time after a message.
    static CTime GetDlgDate(CWnd* pDlg, UINT nID);
    // The same plus the time of day of the boxes at nTimeID.
    static CTime GetDlgDate(CWnd* pDlg, UINT nDateID, UINT nTimeID);

    static void OnDlgChangeDate(CWnd* pDlg, UINT nID, YMDD which);
    static void OnDlgChangeTime(CWnd* pDlg, UINT nID, HMS which);

    // Spin buttons on the boxes nID .. nID + 2 of group nGroup (0 to 3),
    // then the boxes show today.
    virtual void SetSpin(CDialog* pDlg, int nID, int nGroup);

private:
    CSpinButtonCtrl* m_pSpin[kSpinGroups * kBoxesPerGroup];
};
