// Resource identifiers of the module test program (the host in these tests).
#pragma once

#define IDB_HOST_IMAGES 201   // three 16 x 16 images on green; no bitmap 200 here
#define IDI_PATIENT 301
#define IDI_RECORD 302
#define IDI_MISSING 399   // deliberately absent
#define IDR_POPUP_MENU 401
#define IDR_EMPTY_MENU 402   // a menu bar without submenus
#define IDD_ICON_DIALOG 501

#define IDC_ICON_STATIC 1001
#define IDC_ICON_BUTTON 1002
#define IDC_ICON_SECOND 1003
#define IDC_ABSENT 1099   // not on the dialog

#define ID_POPUP_FIRST 2001
#define ID_POPUP_SECOND 2002
