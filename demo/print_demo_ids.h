// Resource identifiers of the demo's printing.
#pragma once

// The day report dialog: the library's default template number.
#define IDD_DAY_REPORT 327
#define IDC_DAY_REPORT_NOTE 3270
// The dialog's preview and print commands, as CDlgPrintDlg answers them.
#define IDC_DAY_REPORT_PREVIEW 33013
#define IDC_DAY_REPORT_PRINT 32963

// File menu commands (the framework's numbers for preview).
#ifndef ID_FILE_PRINT_PREVIEW
#define ID_FILE_PRINT_PREVIEW 0xE109
#endif
#define ID_FILE_DAY_REPORT 1008
