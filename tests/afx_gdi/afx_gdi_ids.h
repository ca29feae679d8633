// Resource identifiers of the afx_gdi suite.
#pragma once

#define IDB_SQUARES 301
#define IDM_TEST_MENU 302

#define ID_FILE_OPEN 40001
#define ID_FILE_EXIT 40002
#define ID_EDIT_COPY 40003
