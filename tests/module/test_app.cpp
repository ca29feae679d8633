// The test program is a framework program: it has its application object, so the
// library reaches the host through it (icons, main window) as in a real host.
#include "afxwin.h"

CWinApp theModuleTestApp(L"QVModuleTest");
