// The demo's patient record as the program keeps it in memory, and the
// IDlgAccess table that moves it into the patient form and back.
#pragma once

#include "qvctrl.h"

// Control identifiers of the patient form.
enum : UINT
{
    IDC_PATIENT_NAME = 2001,
    IDC_PATIENT_IDCARD,
    IDC_PATIENT_BIRTH,
    IDC_PATIENT_EXPIRY,
    IDC_PATIENT_VISITS,
    IDC_PATIENT_FEE,
    IDC_PATIENT_WEIGHT,
    IDC_PATIENT_CITY,
    IDC_PATIENT_ADMITTED,
    IDC_PATIENT_INSURED,
};

// Text lengths with the terminator, as the record's fields hold them.
const int kPatientNameChars = 21;
const int kPatientIdCardChars = 19;
const int kPatientExpiryChars = 9;
const int kPatientCityChars = 8;

struct DemoPatient
{
    wchar_t name[kPatientNameChars];
    wchar_t idCard[kPatientIdCardChars];
    int birth;                             // yyyymmdd
    wchar_t expiry[kPatientExpiryChars];   // 2005, 200501 or 20050101
    int visits;
    double fee;
    double weight;   // kilograms, shown whole
    wchar_t city[kPatientCityChars];
    TIMESTAMP_STRUCT admitted;
    int insured;   // check box state
};

// The table: every field of DemoPatient with its control.
CdDataMap* PatientDataMap(int& nCount);

// The cities of the form's combo box, in order; null ends the list.
extern const wchar_t* const kPatientCities[];

// A sample patient, and the record as one line of text.
DemoPatient SamplePatient();
CString DescribePatient(const DemoPatient& patient);
