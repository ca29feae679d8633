// The demo's unattended walk: screenshots through the PNG code shared with the tests.
#include "tour.h"

#include <cstdlib>
#include <cwchar>

#include "window_capture.h"

bool DemoTourRequested()
{
    const wchar_t* value = _wgetenv(L"QV_DEMO_TOUR");
    return value != nullptr && wcscmp(value, L"1") == 0;
}

bool SaveDemoScreenshot(HWND hwnd, const wchar_t* name)
{
    return !qvtest::SaveWindowPng(hwnd, name).empty();
}
