// CScancodeEdit: an edit box that takes the text a bar-code or card scanner
// read as a private message, shows it and tells its dialog that a scan came.
#pragma once

#include "afxwin.h"
#include "afxcmn.h"
#include "qvapi.h"

// Scanner -> control: lParam is the address of the scanned zero-terminated
// 8-bit text (current code page); wParam is not used.
#define WM_SCANCODE (WM_USER + 133)
// Control -> parent (or the parent's parent): both parameters 0; a non-zero
// answer means the scan was handled.
#define WM_SCANCODE_NOTIFY (WM_USER + 134)

class QVCTRL_API CScancodeEdit : public CEdit
{
    DECLARE_DYNAMIC(CScancodeEdit)
public:
    static CRuntimeClass* PASCAL GetThisClass();

    // Handles a scan at once, before the window's own dispatching.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    afx_msg LRESULT OnScancode(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
