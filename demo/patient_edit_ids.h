// Command identifiers of the editable patient grid and the patient chooser.
#pragma once

#define ID_VIEW_EDIT_GRID 1170
#define ID_PATIENT_CHOOSER 1171
