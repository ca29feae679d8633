// Icons of the calling program, loaded as a framework program loads them.
#pragma once

#include <windows.h>

// The host's icon nIconID: through its application object, or from the
// current resource module when there is none; null when it has no such icon.
HICON LoadHostIcon(UINT nIconID);
