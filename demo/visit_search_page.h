// The demo's visit search page: a from/to date range taken with CDateRange,
// the query conditions it builds for a time column, and the sample visits
// that fall in the range.
#pragma once

#include "qvctrl.h"

// Creates the page as a child window of pParent over rect, with control id
// nID. The returned window deletes itself when it is destroyed.
CWnd* CreateVisitSearchPage(CWnd* pParent, const RECT& rect, UINT nID);

// For the unattended tour: a week of March 2026 searched at once; and a
// reversed range whose search is posted, so that its message box comes up
// from the program's own loop.
void SearchVisitSample(CWnd* pPage);
void SearchReversedRange(CWnd* pPage);
