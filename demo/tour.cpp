// The demo's unattended walk: screenshots through the PNG code shared with the tests.
#include "tour.h"

#include <cstdlib>
#include <cwchar>
#include <vector>

#include "png_file.h"
#include "window_capture.h"

namespace
{

// The visible dialog windows ("#32770": the message boxes) of this thread.
std::vector<HWND> ShownBoxes()
{
    std::vector<HWND> boxes;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hwnd, LPARAM param) -> BOOL
        {
            wchar_t cls[16] = L"";
            ::GetClassNameW(hwnd, cls, 16);
            if (::IsWindowVisible(hwnd) && wcscmp(cls, L"#32770") == 0)
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
    std::vector<HWND> boxes = ShownBoxes();
    for (HWND box : boxes)
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return !boxes.empty();
}
