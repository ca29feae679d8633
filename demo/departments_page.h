// The demo's departments page: departments, their doctors and the doctors'
// patients in a CTreeList, sortable by a header click, scrolling sideways.
#pragma once

#include "qvctrl.h"

// Creates the page as a child of pParent over rect. The returned window
// deletes itself when it is destroyed.
CWnd* CreateDepartmentsPage(CWnd* pParent, const RECT& rect);
