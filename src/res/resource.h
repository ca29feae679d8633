// Resource identifiers of QVCtrl.dll.
#pragma once

// Bitmaps
#define IDB_CHECKBOX 200   // two 16 x 16 check boxes (empty, ticked) on red
#define IDB_HEADER 343     // two 16 x 15 sort triangles (up, down) on light grey

// Dialog templates
#define IDD_SORT 154         // sort conditions
#define IDD_SEARCH 176       // search a field for a value
#define IDD_FIELDLIST 1232   // field chooser
#define IDD_FOLDER 4000      // folder walk

// Dialog controls
#define IDC_SEARCH_FIELD 1002    // combo box of field names (search)
#define IDC_FIELD_LIST 1200      // report-style list view (field chooser, folder walk)
#define IDC_SEARCH_VALUE 1286    // edit box of the searched value
#define IDC_FOLDER_PATH 4002     // edit box of the folder path
#define IDC_FOLDER_BROWSE 4004   // "...." button
