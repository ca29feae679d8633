// CBmpButton: dresses up a whole dialog at once. Its push buttons (at most
// ten) become bitmap buttons whose bitmap has the control's identifier, or
// the identifier a replacement table gives for that control.
#pragma once

#include "control/bitmapbutton.h"

class QVCTRL_API CBmpButton
{
public:
    enum
    {
        MAX_BUTTONS = 10,
        SPIN_ID_BASE = 20000
    };

    // One row of the replacement table; nID 0 marks a free row.
    struct CdReplaceBmp
    {
        int nID;                    // control identifier
        int nBitmapID;              // the bitmap shown instead of bitmap nID
        CMyBitmapButton* pButton;   // the button attached to that control, or null
        CBitmap* pBitmap;           // the image Dressup gave that control, or null
    };

    CBmpButton();
    // Not virtual: a dialog class derives from both CDialog and this class.
    ~CBmpButton();
    CBmpButton(const CBmpButton&) = delete;
    CBmpButton& operator=(const CBmpButton&) = delete;

    // Attaches a bitmap button to each push button of pDlg, in child order.
    void AttachBmp(CWnd* pDlg);
    // Control nID shows bitmap nBitmapID; a full table takes no new control.
    void ReplaceBmp(int nID, int nBitmapID);
    // Loads the bitmap of the button attached to control nID again.
    void ReLoadBmp(int nID);
    // Gives each push button of pDlg its bitmap as the button's own image;
    // returns how many got one.
    virtual int Dressup(CWnd* pDlg);

    // Read access for the owner of the set.
    CMyBitmapButton* GetButton(int nSlot);
    const CdReplaceBmp& GetReplaceEntry(int nRow) const { return m_replace[nRow]; }
    CSpinButtonCtrl* GetSpin(int nSlot);

protected:
    // A spin button beside pEdit with the range nLower to nUpper, in the first
    // free one of the ten slots.
    void TouchSpin(CWnd* pEdit, int nLower, int nUpper);

    CMyBitmapButton m_button[MAX_BUTTONS];
    CBitmap m_bitmap[MAX_BUTTONS];
    CSpinButtonCtrl m_spin[MAX_BUTTONS];
    CdReplaceBmp m_replace[MAX_BUTTONS];
    CWnd* m_pDlg = nullptr;

private:
    // The push buttons of pDlg in child order.
    static int CollectPushButtons(CWnd* pDlg, HWND* phButtons, int nMax);
    int FindReplaceRow(int nID) const;
    int BitmapIDFor(int nID) const;
};
