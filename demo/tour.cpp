// The demo's unattended walk: screenshots through the PNG code shared with the tests.
#include "afxall.h"

#include "tour.h"

#include <cstdlib>
#include <cwchar>
#include <vector>

#include "png_file.h"
#include "window_capture.h"

namespace
{

// The visible windows of this thread that stand over the program's windows:
// dialogs ("#32770": the message boxes) and dropped-down combo box lists.
std::vector<HWND> ShownBoxes()
{
    std::vector<HWND> boxes;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hwnd, LPARAM param) -> BOOL
        {
            wchar_t cls[16] = L"";
            ::GetClassNameW(hwnd, cls, 16);
            if (::IsWindowVisible(hwnd) && (wcscmp(cls, L"#32770") == 0 || wcscmp(cls, L"ComboLBox") == 0))
                reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&boxes));
    return boxes;
}

// Copies `over` onto `image` at (left, top), clipped to the image.
void Paste(qvtest::PixelImage& image, const qvtest::PixelImage& over, int left, int top)
{
    for (int y = 0; y < over.height; ++y)
        for (int x = 0; x < over.width; ++x)
        {
            int tx = left + x, ty = top + y;
            if (tx >= 0 && ty >= 0 && tx < image.width && ty < image.height)
                image.pixels[size_t(ty) * image.width + tx] = over.pixels[size_t(y) * over.width + x];
        }
}

}   // namespace

bool DemoTourRequested()
{
    const wchar_t* value = _wgetenv(L"QV_DEMO_TOUR");
    return value != nullptr && wcscmp(value, L"1") == 0;
}

bool SaveDemoScreenshot(HWND hwnd, const wchar_t* name)
{
    qvtest::PixelImage image = qvtest::CaptureWindow(hwnd);
    RECT frame;
    ::GetWindowRect(hwnd, &frame);
    for (HWND box : ShownBoxes())
    {
        RECT rc;
        ::GetWindowRect(box, &rc);
        Paste(image, qvtest::CaptureWindow(box), rc.left - frame.left, rc.top - frame.top);
    }
    return qvtest::WritePngFile(qvtest::ScreenshotPath(name), image);
}

bool AnswerDemoMessageBoxes()
{
    bool answered = false;
    for (HWND box : ShownBoxes())
    {
        wchar_t cls[16] = L"";
        ::GetClassNameW(box, cls, 16);
        if (wcscmp(cls, L"#32770") != 0)
            continue;
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        answered = true;
    }
    return answered;
}

void PumpDemoMessages(DWORD nMilliseconds)
{
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (::GetTickCount() - start < nMilliseconds)
    {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!AfxGetApp()->PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        ::Sleep(10);
    }
}
