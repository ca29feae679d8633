// The demo's patient list: records shown in the library's list grid with a
// two-row header (the address caption over city and street), a check-box
// column, row and cell colours and combined city cells.
#pragma once

#include "qvctrl.h"

// Creates the list as a child window of pParent over rect, with control id
// nID, filled with the sample patients. The returned window deletes itself
// when it is destroyed.
CWnd* CreatePatientListPage(CWnd* pParent, const RECT& rect, UINT nID);

// The texts of one patient of the list, for the exports.
struct PatientRowTexts
{
    CString strChartNo, strName, strCity, strStreet, strPhone, strAge;
};
// The patient of row nRow of a list made by CreatePatientListPage; false
// when pPage is no such list or has no such row.
bool GetPatientRow(CWnd* pPage, int nRow, PatientRowTexts& row);
// The list's selected row, 0 when none is selected, -1 when pPage is no
// patient list or it is empty.
int GetSelectedPatientRow(CWnd* pPage);
