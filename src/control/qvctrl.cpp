// The library's module object: constructed while the DLL loads, with no application name.
#include "control/qvctrl_app.h"

BEGIN_MESSAGE_MAP(CQVCtrlApp, CWinApp)
END_MESSAGE_MAP()

CQVCtrlApp::CQVCtrlApp() = default;

CQVCtrlApp::~CQVCtrlApp() = default;

CQVCtrlApp theApp;
