// Internal glue of the window classes: shared by the wnd*.cpp files only.
#pragma once

#include "afxwin.h"

// A message a parent hands to a control (registered message "QVAfxReflect",
// lParam points here). Every module's AfxWndProc understands it.
struct AFX_REFLECT_INFO
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT* pResult;
};

UINT AfxReflectMessageId();
// Registered message "QVAfxPreTranslate": lParam is the MSG*, the answer is
// the window's PreTranslateMessage.
UINT AfxPreTranslateMessageId();

// Offers a message to the control hWndChild; TRUE when it handled it.
BOOL AfxReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

// Calls the handler of a window-message entry; message is the one received
// (for the reflected forms too, without WM_REFLECT_BASE).
void AfxDispatchWndMsg(CWnd* pWnd, const AFX_MSGMAP_ENTRY* pEntry, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT* pResult);
// Calls the handler of a command or notification entry; TRUE when handled.
BOOL AfxDispatchCmdMsg(CCmdTarget* pTarget, UINT nID, const AFX_MSGMAP_ENTRY* pEntry, void* pExtra);

// Window creation: the next window this thread creates is attached to pWnd.
void AfxHookWindowCreate(CWnd* pWnd);
// FALSE when the hooked window was never created.
BOOL AfxUnhookWindowCreate();

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// A dialog template of the current resource context (null when missing) and
// the module that holds it.
LPCDLGTEMPLATE AfxLoadDialogTemplate(LPCTSTR lpszTemplateName, HINSTANCE* phInst);
