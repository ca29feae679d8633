// Checks that a wrapper object or handle that a library control is given
// belongs to the library's own module. Each module keeps its own maps from
// handles to wrapper objects, so an object the host program made is not
// found here. A failed check shows one framework message box and the caller
// goes on without the object. Use the macros: they pass the file and line of
// the check for the messages that name them.
#pragma once

#include "afxwin.h"
#include "afxcmn.h"
#include "qvapi.h"

// Formats pszFormat ("... %s %d") with the source file and line and shows it.
QVCTRL_API void ReportAtSourceLine(const wchar_t* pszFormat, const char* pszFile, int nLine);

// TRUE when the image list's handle has a wrapper in the library's map;
// otherwise shows "The ImageList is not the dll\n %s %d". A null list or a
// list without a handle is not checked here (FALSE, no message).
QVCTRL_API BOOL CheckLibraryImageList(CImageList* pImageList, const char* pszFile, int nLine);

// TRUE when the library's wrapper of hImageList is pStored (or there is no
// handle); otherwise shows "ImageList outof dll\n %s %d".
QVCTRL_API BOOL CheckStoredImageList(HIMAGELIST hImageList, CImageList* pStored, const char* pszFile, int nLine);

// TRUE for a menu of this process; a null handle shows "菜單為空", any other
// handle that is not a menu shows "菜單跨越dll".
QVCTRL_API BOOL CheckMenuHandle(HMENU hMenu);

// The library's window object of hWnd; null with "父窗口不同一個dll" shown
// when the window has none in the library's map.
QVCTRL_API CWnd* GetLibraryWindow(HWND hWnd);

// Image lists that could not be made.
QVCTRL_API void ReportStateImageFailure(const char* pszFile, int nLine);   // "不能創建狀態ICON %s %d"
QVCTRL_API void ReportHeaderImageFailure();   // "不能創建ImageList 可能IDB_HEADER找不到或被占用"

#define QV_CHECK_LIBRARY_IMAGELIST(pImageList) CheckLibraryImageList((pImageList), __FILE__, __LINE__)
#define QV_CHECK_STORED_IMAGELIST(hImageList, pStored) CheckStoredImageList((hImageList), (pStored), __FILE__, __LINE__)
#define QV_REPORT_STATE_IMAGE_FAILURE() ReportStateImageFailure(__FILE__, __LINE__)
