// The test program is a framework program with its own application object, as
// the programs that use these controls are.
#include "afxwin.h"

CWinApp theButtonsTestApp(L"QVButtonsTest");
