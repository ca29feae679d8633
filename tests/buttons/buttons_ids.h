// Resource identifiers of the buttons test program (the host in these tests).
#pragma once

#define IDB_BLUE 1    // the OK button's bitmap
#define IDB_GREEN 2   // the Cancel button's bitmap
#define IDB_MAGENTA 3001
#define IDB_YELLOW 3002
#define IDB_ABSENT 3099   // deliberately absent

#define IDI_PATIENT 301
#define IDI_RECORD 302

#define IDD_BUTTONS 601       // twelve push buttons, a check box and an edit box
#define IDD_SORT_HOST 154     // the program's copy of the sort dialog
#define IDD_SEARCH_HOST 176   // the program's copy of the search dialog

#define IDC_PUSH_FIRST 3101   // push buttons 3101 to 3110 follow OK and Cancel
#define IDC_PUSH_LAST 3110
#define IDC_CHECK 3201
#define IDC_NUMBER 3301
#define IDC_SEARCH_FIELD 1002
#define IDC_SEARCH_VALUE 1286

#define IDR_CLINIC_MENU 701   // seven commands; string 701 is its title
#define IDR_LARGE_MENU 702    // 65 commands
#define IDR_FLAT_MENU 703     // a menu bar without a submenu
#define IDR_ABSENT_MENU 799   // deliberately absent

#define ID_CLINIC_FIRST 7101   // commands 7101 to 7107 of the clinic menu
#define ID_LARGE_FIRST 7201    // commands 7201 to 7265 of the large menu
