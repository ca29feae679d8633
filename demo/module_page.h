// The demo's library-information page: icons set through the library's icon
// map, a setting kept through the companion library, and the export folder.
#pragma once

#include "qvctrl.h"

// Creates the page as a child window of pParent over rect, with control id
// nID. The returned window deletes itself when it is destroyed. The first page
// of a run counts the run in the settings ([Demo] LaunchCount).
CWnd* CreateModuleInfoPage(CWnd* pParent, const RECT& rect, UINT nID);
