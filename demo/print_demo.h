// The demo's printing: the patient list through a CListPrint subclass in a
// frame and view of its own (print dialog or preview), and the day report
// dialog, a CDlgPrintDlg with its preview and print buttons.
#pragma once

#include "qvctrl.h"

// Prints the patient list: the print dialog first unless bDirect. The job is
// named lpszDocName (the PDF queue names its file after it).
void PrintPatientList(BOOL bDirect, LPCTSTR lpszDocName);
// Opens the patient list's print preview in a frame of its own, which goes
// away when the preview is closed.
void PreviewPatientList();
// Runs the day report dialog modally.
void ShowDayReport(CWnd* pParent);
// The File menu's printing commands: print (with the dialog), preview, day report.
void RunPrintCommand(CWnd* pParent, UINT nID);
// The unattended tour's printing step: prints the list directly, copies the
// PDF to <out>/demo-patients.pdf with a PNG of its first page, and saves
// screenshots of the list's preview and of the day report's preview. True
// when the PDF came out.
bool RunPrintTour();
