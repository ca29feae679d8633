// String resources of the field test program: captions for CrField tables.
#pragma once

#define IDS_NAME 101
#define IDS_BIRTHDAY 102
#define IDS_FEE 103
#define IDS_MISSING 199   // deliberately absent
