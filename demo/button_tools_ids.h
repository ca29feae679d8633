// Resource identifiers of the demo's start panel and its dialogs.
#pragma once

#define IDR_START_MENU 140   // the start panel's commands; string 140 is its title
#define IDD_SCAN_DEMO 160    // a dialog with a scan-code field
#define IDC_SCAN_CODE 1601
#define IDC_SCAN_SIMULATE 1602
#define IDC_SCAN_STATUS 1603

#define IDB_BUTTON_OK 1   // the bitmaps of the dialogs' OK and Cancel buttons
#define IDB_BUTTON_CANCEL 2
#define IDB_BUTTON_SCAN IDC_SCAN_SIMULATE

// Commands of the start panel.
#define ID_VIEW_START 1150
#define ID_PATIENT_SORT 1151
#define ID_PATIENT_SEARCH 1152
#define ID_TOOLS_SCAN 1153
#define ID_TOOLS_FOLDER 1154
