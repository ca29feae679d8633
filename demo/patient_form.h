// The demo's patient form: every field of a patient record, moved between the
// record in memory and the form's controls by the library's IDlgAccess table.
// The birth date typed as yyyy/mm/dd is checked with the birthday rules (the
// age shown as text), the expiry date has a variable precision; wrong input
// shows the library's messages.
#pragma once

#include "qvctrl.h"

// Creates the form as a child window of pParent over rect, with control id
// nID. The returned window deletes itself when it is destroyed.
CWnd* CreatePatientForm(CWnd* pParent, const RECT& rect, UINT nID);

// Shows a sample patient in the form and stores it back through its checks,
// for the unattended tour (the sample is valid: no message box appears).
void FillPatientFormSample(CWnd* pForm);
