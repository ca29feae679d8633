#include "control/pickers.h"

#include <commctrl.h>

namespace qvpick
{

const wchar_t kDateFormat[] = L"yyyy/MM/dd";

namespace
{

bool IsPicker(HWND hWnd)
{
    wchar_t szClass[32] = L"";
    ::GetClassNameW(hWnd, szClass, 32);
    return ::lstrcmpiW(szClass, DATETIMEPICK_CLASSW) == 0;
}

}   // namespace

int FindPickers(HWND hDlg, FoundPicker* pFound)
{
    int nCount = 0;
    for (HWND hChild = hDlg ? ::GetWindow(hDlg, GW_CHILD) : nullptr; hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (!IsPicker(hChild))
            continue;
        if (nCount < kMaxPickers)
        {
            pFound[nCount].nID = UINT(::GetDlgCtrlID(hChild));
            ::GetWindowRect(hChild, &pFound[nCount].rcScreen);
        }
        ++nCount;
    }
    return nCount;
}

bool ReadPicker(HWND hPicker, COleDateTime& t)
{
    SYSTEMTIME st = {};
    if (hPicker == nullptr || ::SendMessageW(hPicker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID)
        return false;
    t = COleDateTime(st);
    return true;
}

bool WritePicker(HWND hPicker, const SYSTEMTIME& st)
{
    SYSTEMTIME value = st;
    return hPicker != nullptr &&
           ::SendMessageW(hPicker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value)) != 0;
}

void SetDateFormat(HWND hPicker)
{
    if (hPicker != nullptr)
        ::SendMessageW(hPicker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(kDateFormat));
}

}   // namespace qvpick
