#include "patient_record.h"

#include <cstddef>

namespace
{

CdDataMap g_patientMap[] = {
    {IDC_PATIENT_NAME, int(offsetof(DemoPatient, name)), kPatientNameChars},
    {IDC_PATIENT_IDCARD, int(offsetof(DemoPatient, idCard)), kPatientIdCardChars},
    {IDC_PATIENT_BIRTH, int(offsetof(DemoPatient, birth)), DLGACCESS_YMD},
    {IDC_PATIENT_EXPIRY, int(offsetof(DemoPatient, expiry)), kPatientExpiryChars},
    {IDC_PATIENT_VISITS, int(offsetof(DemoPatient, visits)), DLGACCESS_INT},
    {IDC_PATIENT_FEE, int(offsetof(DemoPatient, fee)), DLGACCESS_DOUBLE},
    {IDC_PATIENT_WEIGHT, int(offsetof(DemoPatient, weight)), DLGACCESS_WHOLE},
    {IDC_PATIENT_CITY, int(offsetof(DemoPatient, city)), DLGACCESS_COMBO},
    {IDC_PATIENT_ADMITTED, int(offsetof(DemoPatient, admitted)), DLGACCESS_STAMP},
    {IDC_PATIENT_INSURED, int(offsetof(DemoPatient, insured)), DLGACCESS_CHECK},
};

}   // namespace

const wchar_t* const kPatientCities[] = {L"台北市", L"新北市", L"桃園市", L"台中市", L"台南市", L"高雄市", nullptr};

CdDataMap* PatientDataMap(int& nCount)
{
    nCount = int(sizeof g_patientMap / sizeof g_patientMap[0]);
    return g_patientMap;
}

DemoPatient SamplePatient()
{
    DemoPatient patient = {};
    wcscpy_s(patient.name, L"王小明");
    wcscpy_s(patient.idCard, L"110101198803150017");
    patient.birth = 19880315;
    wcscpy_s(patient.expiry, L"202612");
    patient.visits = 3;
    patient.fee = 150;
    patient.weight = 62.4;
    wcscpy_s(patient.city, L"台中市");
    patient.admitted = TIMESTAMP_STRUCT{2026, 12, 1, 9, 30, 0, 0};
    patient.insured = 1;
    return patient;
}

CString DescribePatient(const DemoPatient& patient)
{
    CString text;
    text.Format(L"已存入：%s，%s，出生 %d，就診 %d 次，掛號費 %.2f，體重 %.1f，%s，住院 %04d/%02d/%02d，%s",
                patient.name, patient.idCard, patient.birth, patient.visits, patient.fee, patient.weight, patient.city,
                int(patient.admitted.year), int(patient.admitted.month), int(patient.admitted.day),
                patient.insured ? L"健保" : L"自費");
    return text;
}
