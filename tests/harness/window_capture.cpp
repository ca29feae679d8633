#include "window_capture.h"

#include "png_file.h"

namespace qvtest
{

// Wine keeps each window's pixels in a surface of its own, so a BitBlt from the
// window DC reads the window itself even when another window covers it, children
// included. (PrintWindow under Wine paints only the client background.) The frame
// and caption are there when Wine draws them itself rather than leaving them to a
// window manager: the prefix sets Managed=N for the X11 driver.
PixelImage CaptureWindow(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0)
        return {};

    HDC windowDc = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BOOL copied = BitBlt(memory, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(window, windowDc);

    PixelImage image = copied ? ReadBitmapPixels(bitmap) : PixelImage{};
    DeleteObject(bitmap);
    return image;
}

std::wstring SaveWindowPng(HWND window, const std::wstring& name)
{
    std::wstring path = ScreenshotPath(name);
    return WritePngFile(path, CaptureWindow(window)) ? path : std::wstring();
}

}   // namespace qvtest
