// Registration of the common-control window classes a wrapper creates.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Registers the classes of dwICC (ICC_* flags) with the common-control
// library; cheap to repeat.
BOOL AfxInitCommonControl(DWORD dwICC);
