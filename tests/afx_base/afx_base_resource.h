// String identifiers of the afx_base suite's own string table.
#pragma once

#define IDS_GREETING 101
#define IDS_LONG_TEXT 102
#define IDS_FORMAT_COUNT 103
#define IDS_MISSING 199
