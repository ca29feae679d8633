// Resource ids of the afx_win suite.
#pragma once

#define IDD_AFXTEST 100
#define IDC_NAME_EDIT 1001
#define IDC_APPLY_BUTTON 1002
#define IDC_AGE_EDIT 1003
#define IDS_GREETING 2001
#define IDD_MISSING 199
