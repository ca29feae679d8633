// The sample patients of the editable grid and the chooser.
#include "patient_edit_records.h"

#include <cstddef>

namespace
{

const uint32_t kArrivedBit = 0;    // the bit of EditPatient::flags shown as a check box
const int kVisitGroupUnits = 18;   // the visit caption spans visits (8) and fee (10)

}   // namespace

CfField kEditPatientFields[kEditColumnCount] = {
    {8, L"病歷號", offsetof(EditPatient, chart), FIELD_TEXT, 0, 0, HEADLEVEL_FULL},
    {8, L"姓名", offsetof(EditPatient, name), FIELD_TEXT, 0, 0, HEADLEVEL_FULL},
    {8, L"科別", offsetof(EditPatient, department), FIELD_TEXT, 0, 0, HEADLEVEL_FULL},
    {13, L"電話", offsetof(EditPatient, phone), FIELD_TEXT, 0, 0, HEADLEVEL_FULL},
    {0, L"本年就診", -1, FIELD_TEXT, 0, 0, kVisitGroupUnits},
    {8, L"次數", offsetof(EditPatient, visits), FIELD_LONG, 0, 0, HEADLEVEL_LOWER},
    {10, L"費用", offsetof(EditPatient, fee), FIELD_DOUBLE, 0, 0, HEADLEVEL_LOWER},
    {6, L"到診", offsetof(EditPatient, flags), FIELD_FLAG_BIT, kArrivedBit, 0, HEADLEVEL_FULL},
};

const EditPatient kEditPatients[] = {
    {L"A00125", L"王小明", L"內科", L"02-2511-3344", 3, 1250.0, 1},
    {L"A00131", L"李美玲", L"外科", L"02-2717-0021", 12, 8600.0, 0},
    {L"A00207", L"陳志豪", L"內科", L"02-2363-9090", 5, 2100.0, 1},
    {L"B01002", L"林怡君", L"婦產科", L"03-571-2121", 2, 980.0, 0},
    {L"B01017", L"黃建國", L"眼科", L"03-532-8800", 7, 3400.0, 0},
    {L"C02210", L"張淑芬", L"小兒科", L"04-2258-1234", 1, 450.0, 1},
    {L"C02245", L"吳俊傑", L"外科", L"04-2328-7766", 9, 12800.0, 0},
    {L"E03301", L"蔡雅婷", L"內科", L"07-281-5566", 4, 1600.0, 1},
    {L"E03388", L"鄭文雄", L"眼科", L"07-556-3030", 15, 5300.0, 0},
};
const int kEditPatientCount = int(sizeof(kEditPatients) / sizeof(kEditPatients[0]));

const wchar_t* const kDepartments[] = {L"內科", L"外科", L"小兒科", L"婦產科", L"眼科", nullptr};
