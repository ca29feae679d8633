// The demo's patient form: name, identity card, birth date typed as
// yyyy/mm/dd (checked with the birthday rules, the age shown as text) and an
// expiry date of variable precision. Wrong input shows the library's messages.
#pragma once

#include "qvctrl.h"

// Creates the form as a child window of pParent over rect, with control id
// nID. The returned window deletes itself when it is destroyed.
CWnd* CreatePatientForm(CWnd* pParent, const RECT& rect, UINT nID);

// Types a sample patient into the form and runs its checks, for the
// unattended tour (the sample is valid: no message box appears).
void FillPatientFormSample(CWnd* pForm);
