// The demo's exports: the selected patient as an HTML report filled from the
// demo's own template (out/report.htm, drawn by chromium into
// out/screens/report.png), and the patient list as text in UTF-8 and UTF-16.
#pragma once

#include "afxall.h"

// Fills the report of the patient list's selected patient; the path of
// out\report.htm, empty (after a message box) when it could not be made.
CString ExportPatientReport(CWnd* pPatientList);
// Asks chromium to draw the report into out/screens/<name>.png and waits
// for it; false when chromium could not be started or drew nothing.
bool RenderReportPicture(const CString& strReport, const wchar_t* pszName);
// Opens the report in a chromium window; false when it could not be started.
bool ShowReportInChromium(const CString& strReport);
// Writes out\patients-utf8.txt and out\patients-utf16.txt, one patient a
// line, tab between the columns; false (after a message box) on failure.
bool ExportPatientText(CWnd* pPatientList);

// The File menu's report (ID_FILE_REPORT: exported, drawn and opened in
// chromium) and text export (ID_FILE_TEXT_EXPORT) of the patient list.
void RunReportCommand(UINT nID, CWnd* pPatientList);
// The tour's step: the report, its picture out/screens/report.png and the
// text exports, without windows.
void ExportReportSample(CWnd* pPatientList);
