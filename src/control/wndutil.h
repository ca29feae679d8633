// Window utilities shared by the library and its callers: the top-level window
// of a process, closing its modal dialogs, context menus at the mouse, and the
// receipt serial number in the program's settings.
#pragma once

#include "afxwin.h"
#include "qvapi.h"

// Private messages that the windows of the calling programs answer, so that
// CancelModalDialogs can close them (both parameters 0).
#define WM_QV_QUERYCANCELDIALOG (WM_USER + 70)   // non-zero: a modal dialog that may be cancelled
#define WM_QV_QUERYCLOSEFRAME (WM_USER + 71)     // non-zero: a frame that may be closed
#define WM_QV_QUERYSTOPCANCEL (WM_USER + 144)    // 1: stop the walk here

// The main top-level window of a process (0: this process), or null.
QVCTRL_API HWND GetProcessTopWindow(UINT nProcessID);
// The top-level window of the calling program.
QVCTRL_API HWND GetProgramTopWindow();
// Asks the windows of a process (0: this process) to close their modal dialogs
// and closeable frames; 0 when a window stopped the walk, else 1.
QVCTRL_API int CancelModalDialogs(UINT nProcessID);

// Shows the first submenu of menu resource nMenuID of the calling program (or
// the given pop-up menu) at the mouse position, owned by pWnd; returns that
// position in screen coordinates.
QVCTRL_API CPoint PopMenu(int nMenuID, CWnd* pWnd);
QVCTRL_API CPoint PopMenu(CMenu* pMenu, CWnd* pWnd);

// Stores nSerial as "SerialNo" of section "CHARGE" in the program's settings.
QVCTRL_API void UpdateSerialNo(long nSerial);
