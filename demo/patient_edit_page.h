// The demo's editable patient grid: cells edited in place, a combo box for
// the department, a check box the page ticks, Enter walking through the
// cells, a header double click sorting; and the patient chooser.
#pragma once

#include "qvctrl.h"

// Creates the page as a child of pParent over rect. The returned window
// deletes itself when it is destroyed.
CWnd* CreatePatientEditPage(CWnd* pParent, const RECT& rect, UINT nID);

// The chooser: the patients in a CFieldListDlg on the library's own template.
// A double click on a row closes it and selects that patient on the page
// (pPage may be null or another page: then nothing is selected).
void RunPatientChooser(CWnd* pOwner, CWnd* pPage);

// The unattended tour's steps on the page: the editor over a name, the
// department's combo box dropped down, a typed name taken with Enter and a
// box ticked and the rows sorted, the chooser answered by a double click.
void ShowGridEditorSample(CWnd* pPage);
void ShowGridComboSample(CWnd* pPage);
void ShowGridEditedSample(CWnd* pPage);
void ShowChooserSample(CWnd* pPage);
