// The date-time pickers ("SysDateTimePick32") of a dialog: finding them
// among its child windows, their display format, reading and setting them.
#pragma once

#include <windows.h>
#include "afxdisp.h"

namespace qvpick
{

// The display format of the date controls.
extern const wchar_t kDateFormat[];

// Pickers are remembered up to this many; more are only counted.
const int kMaxPickers = 5;

struct FoundPicker
{
    UINT nID;
    RECT rcScreen;
};

// Walks the direct children of hDlg in order; fills at most kMaxPickers
// entries and returns how many pickers there are.
int FindPickers(HWND hDlg, FoundPicker* pFound);

// The picker's date and time; false (t unchanged) when the picker is missing
// or its date is cleared.
bool ReadPicker(HWND hPicker, COleDateTime& t);
// Sets the picker; false when it is missing or refuses the value.
bool WritePicker(HWND hPicker, const SYSTEMTIME& st);
void SetDateFormat(HWND hPicker);

}   // namespace qvpick
