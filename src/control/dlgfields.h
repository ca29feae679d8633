// What the dialog data exchange classes share: texts in place in a record,
// control classes, date-time pickers, and the failing control's focus.
#pragma once

#include <windows.h>
#include <sqltypes.h>
#include "afxstr.h"

namespace qvdlg
{

// The text in place at pField, reading at most nMaxChars characters: a
// text with no terminator among them comes back with nMaxChars characters.
CString RecordText(const char* pField, int nMaxChars);
// The whole zero-terminated text in place at pField.
CString RecordText(const char* pField);
// Copies the text and its terminator to pField.
void StoreText(char* pField, const CString& strText);

CString WindowText(HWND hWnd);
// The control's window class is "Button".
bool IsButton(HWND hWnd);

// A date-time picker's date and time as a stamp (fraction 0); a picker whose
// date is cleared gives a null stamp (all zero).
TIMESTAMP_STRUCT ReadPickerStamp(HWND hPicker);
// Sets a picker from a stamp; false when the stamp names no real time.
bool ShowStampInPicker(HWND hPicker, const TIMESTAMP_STRUCT& stamp);

// Reports a failed check with the framework's message box.
void Tell(const wchar_t* pszText);
// Leaves the focus on the control that failed a check; returns 0.
int FocusFailed(HWND hCtrl);

}   // namespace qvdlg
