// Reading a message box off its dialog window: texts, buttons, icon.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qvtest
{

// The static control of a message box that holds its text.
constexpr int kMessageBoxTextId = 0xFFFF;

bool IsDialogWindow(HWND window);   // class "#32770"
std::wstring WindowText(HWND window);
std::wstring DialogItemText(HWND dialog, int id);

// A dialog made only of statics (the text, id 0xFFFF, and an SS_ICON holder) and
// buttons with the ids IDOK..IDCONTINUE, as the platform builds message boxes. A
// dialog template with a label (IDC_STATIC is 0xFFFF too) and OK/Cancel is not one.
bool LooksLikeMessageBox(HWND dialog);

// The ids of the box's buttons, left to right.
std::vector<int> MessageBoxButtons(HWND dialog);

// MB_* flags for the buttons, the help button, the default button (the button that
// had the focus when the box came up) and the icon.
UINT MessageBoxStyleOf(HWND dialog, HWND focusedChild);

}   // namespace qvtest
