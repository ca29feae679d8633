// Dialog templates and controls of the dialog data exchange tests.
#pragma once

#define IDD_RECORD 100
#define IDD_UTILITY 101
#define IDD_STRINGS 102

#define IDC_COUNT 1001
#define IDC_FEE 1002
#define IDC_INSURED 1003
#define IDC_VISIT 1004
#define IDC_WEIGHT 1005
#define IDC_CITY 1006
#define IDC_ADMITTED 1007
#define IDC_NAME 1008
#define IDC_NOTE 1009
#define IDC_ROOM 1010
#define IDC_PLAIN 1011

// Buttons of the utility dialog: one whose identifier names an icon of this
// program, one that names none.
#define IDC_ICONBUTTON 1201
#define IDC_BAREBUTTON 1202
#define IDI_ICONBUTTON 1201

#define IDC_FIRST 1301
#define IDC_SECOND 1302
#define IDC_THIRD 1303
