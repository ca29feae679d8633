// Memory canvases, PNG files and window screenshots hold the real pixels.
#include <gtest/gtest.h>

#include <algorithm>

#include "qvtest.h"

namespace
{

using qvtest::MemoryCanvas;

TEST(MemoryCanvas, ReadsBackWhatGdiDrewAndSavesItAsPng)
{
    MemoryCanvas canvas(40, 30, RGB(255, 255, 255));
    HBRUSH red = CreateSolidBrush(RGB(200, 10, 20));
    RECT box{5, 6, 15, 10};
    FillRect(canvas.dc(), &box, red);
    DeleteObject(red);
    for (int i = 0; i < 30; ++i)
        SetPixel(canvas.dc(), 20 + i / 3, i, RGB(i * 5, 255 - i * 5, 128));
    EXPECT_EQ(canvas.pixel(14, 9), RGB(200, 10, 20));
    EXPECT_EQ(canvas.pixel(15, 9), RGB(255, 255, 255));
    EXPECT_EQ(canvas.pixel(40, 0), CLR_INVALID);
    EXPECT_EQ(canvas.countColor(RECT{0, 0, 10, 30}, RGB(200, 10, 20)), 20);
    RECT bounds = canvas.boundsOfNot(RGB(255, 255, 255)), drawn{5, 0, 30, 30};
    EXPECT_TRUE(EqualRect(&bounds, &drawn));
    std::wstring path = canvas.save(L"harness_selftest/png_roundtrip");
    wchar_t unixOut[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"QV_OUT", unixOut, MAX_PATH))
    {
        std::wstring expected = std::wstring(L"Z:") + unixOut;
        std::replace(expected.begin(), expected.end(), L'/', L'\\');
        EXPECT_EQ(path, expected + L"\\screens\\harness_selftest\\png_roundtrip.png");
    }
    qvtest::PixelImage read = qvtest::ReadPngFile(path);
    ASSERT_EQ(read.width, 40);
    ASSERT_EQ(read.height, 30);
    EXPECT_TRUE(read.pixels == canvas.image().pixels);
    EXPECT_EQ(read.pixel(23, 10), RGB(50, 205, 128));
}

// A child window that paints itself in one colour.
LRESULT CALLBACK SolidProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    HBRUSH brush = CreateSolidBrush(RGB(10, 200, 30));
    FillRect(dc, &paint.rcPaint, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &paint);
    return 0;
}

TEST(Screenshot, CapturesTheWindowWithItsFrameCaptionAndChildren)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = SolidProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QVTestSolidChild";
    RegisterClassW(&wc);
    qvtest::HostWindow host(L"截圖 screenshot", 300, 200);
    HWND child = CreateWindowExW(0, L"QVTestSolidChild", L"", WS_CHILD | WS_VISIBLE, 20, 30, 50, 40, host, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    CreateWindowExW(0, L"BUTTON", L"確定", WS_CHILD | WS_VISIBLE, 100, 30, 80, 26, host, nullptr,
                    GetModuleHandleW(nullptr), nullptr);
    qvtest::PumpMessages(50);
    std::wstring path = qvtest::SaveWindowPng(host, L"harness_selftest/host_window");
    qvtest::PixelImage shot = qvtest::ReadPngFile(path);
    RECT frame;
    GetWindowRect(host, &frame);
    ASSERT_EQ(shot.width, frame.right - frame.left);
    ASSERT_EQ(shot.height, frame.bottom - frame.top);
    POINT client{0, 0};
    ClientToScreen(host, &client);
    const int x = client.x - frame.left + 20, y = client.y - frame.top + 30;
    EXPECT_EQ(shot.pixel(x + 49, y + 39), RGB(10, 200, 30));
    EXPECT_NE(shot.pixel(x + 50, y + 40), RGB(10, 200, 30));
    // Wine draws the caption only when it decorates windows itself; otherwise this
    // band of the window surface stays black.
    const int captionBottom = client.y - frame.top;
    ASSERT_GT(captionBottom, 0) << "the window has no caption";
    int black = 0;
    for (int row = 0; row < captionBottom; ++row)
        for (int column = 0; column < shot.width; ++column)
            black += shot.pixel(column, row) == RGB(0, 0, 0);
    EXPECT_LT(black, shot.width * captionBottom / 2) << "caption band not painted";
    // A child window can be captured on its own.
    qvtest::PixelImage childShot = qvtest::CaptureWindow(child);
    EXPECT_EQ(childShot.width, 50);
    EXPECT_EQ(childShot.height, 40);
    EXPECT_TRUE(std::all_of(childShot.pixels.begin(), childShot.pixels.end(),
                            [](uint32_t p) { return p == qvtest::ColorrefToDib(RGB(10, 200, 30)); }));
}

}   // namespace
