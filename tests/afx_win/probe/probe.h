// The probe DLL: code that runs inside a second module linking afx.
#pragma once
#include <windows.h>

#ifdef AFX_WIN_PROBE_BUILD
#define PROBE_API extern "C" __declspec(dllexport)
#else
#define PROBE_API extern "C" __declspec(dllimport)
#endif

#include "probe_res.h"

// Whether the DLL's handle map has a permanent wrapper for hWnd.
PROBE_API BOOL ProbeHasPermanentWnd(HWND hWnd);
// Creates a child window whose wrapper lives in the DLL; its message map
// reflects NM_CLICK to itself (counted by ProbeReflectedClicks).
PROBE_API HWND ProbeCreateReflectingChild(HWND hWndParent, int nID);
PROBE_API int ProbeReflectedClicks();
// F2 key-downs the child took in PreTranslateMessage.
PROBE_API int ProbePreTranslatedKeys();
PROBE_API void ProbeDestroyChild();
// Fires one ASSERT(false) inside the DLL.
PROBE_API void ProbeFireAssert();
// Calls back with the DLL's module state current.
PROBE_API void ProbeCallManaged(void (*callback)(void* context), void* context);
// AfxMessageBox from the DLL, in the caller's context or in the DLL's own.
PROBE_API int ProbeMessageBoxDefault(LPCWSTR text);
PROBE_API int ProbeMessageBoxManaged(LPCWSTR text);
