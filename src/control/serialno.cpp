// The last receipt serial number, kept in the program's settings.
#include "control/wndutil.h"
#include "qvpath.h"

void UpdateSerialNo(long nSerial)
{
    GetLocalPath()->SetIniLong(L"CHARGE", L"SerialNo", nSerial);
}
