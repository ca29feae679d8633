// The demo's patient list: records shown in the library's list grid with a
// two-row header (the address caption over city and street), a check-box
// column, row and cell colours and combined city cells.
#pragma once

#include "qvctrl.h"

// Creates the list as a child window of pParent over rect, with control id
// nID, filled with the sample patients. The returned window deletes itself
// when it is destroyed.
CWnd* CreatePatientListPage(CWnd* pParent, const RECT& rect, UINT nID);
