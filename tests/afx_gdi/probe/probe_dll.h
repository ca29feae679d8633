// afx_gdi_probe.dll: asks the DLL's own copy of the framework layer about
// handles that the test program made.
#pragma once

#include <windows.h>
#include <commctrl.h>

#ifdef AFX_GDI_PROBE_EXPORTS
#define PROBE_API extern "C" __declspec(dllexport)
#else
#define PROBE_API extern "C" __declspec(dllimport)
#endif

// Whether the DLL's map has a permanent wrapper for the handle.
PROBE_API BOOL ProbeHasImageList(HIMAGELIST hImageList);
PROBE_API BOOL ProbeHasMenu(HMENU hMenu);
PROBE_API BOOL ProbeHasGdiObject(HGDIOBJ hObject);
// Makes an image list with a permanent wrapper inside the DLL (kept until
// ProbeReleaseImageList) and returns its handle.
PROBE_API HIMAGELIST ProbeMakeImageList();
PROBE_API void ProbeReleaseImageList();
