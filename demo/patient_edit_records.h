// The records behind the editable patient grid and the patient chooser: a
// fixed-layout structure, its field descriptors and the sample patients.
#pragma once

#include <cstdint>

#include "qvctrl.h"

struct EditPatient
{
    wchar_t chart[8];
    wchar_t name[8];
    wchar_t department[8];
    wchar_t phone[16];
    int32_t visits;
    double fee;
    uint32_t flags;   // bit 0: arrived today
};

// Columns of the grid, in field order.
enum EditColumn : int
{
    kEditChart,
    kEditName,
    kEditDepartment,
    kEditPhone,
    kEditVisitGroup,   // the caption over visits and fee
    kEditVisits,
    kEditFee,
    kEditArrived,
    kEditColumnCount
};

extern CfField kEditPatientFields[kEditColumnCount];
extern const EditPatient kEditPatients[];
extern const int kEditPatientCount;

// The departments offered by the department column's combo box; null ends the list.
extern const wchar_t* const kDepartments[];
