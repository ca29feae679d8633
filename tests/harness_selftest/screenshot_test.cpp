// Memory canvases, PNG files and window screenshots hold the real pixels.
#include <gtest/gtest.h>

#include <algorithm>

#include "qvtest.h"

namespace {

using qvtest::MemoryCanvas;

TEST(MemoryCanvas, ReadsBackWhatGdiDrew) {
    MemoryCanvas canvas(40, 30, RGB(255, 255, 255));
    HBRUSH red = CreateSolidBrush(RGB(200, 10, 20));
    RECT box{5, 6, 15, 10};
    FillRect(canvas.dc(), &box, red);
    DeleteObject(red);

    EXPECT_EQ(canvas.pixel(5, 6), RGB(200, 10, 20));
    EXPECT_EQ(canvas.pixel(14, 9), RGB(200, 10, 20));
    EXPECT_EQ(canvas.pixel(15, 9), RGB(255, 255, 255));
    EXPECT_EQ(canvas.pixel(40, 0), CLR_INVALID);
    EXPECT_EQ(canvas.countColor(RGB(200, 10, 20)), 40);
    EXPECT_EQ(canvas.countColor(RECT{0, 0, 10, 30}, RGB(200, 10, 20)), 20);
    RECT bounds = canvas.boundsOfNot(RGB(255, 255, 255));
    EXPECT_TRUE(EqualRect(&bounds, &box));
}

TEST(Png, AWrittenFileReadsBackToTheSamePixels) {
    MemoryCanvas canvas(64, 48, RGB(240, 240, 240));
    for (int i = 0; i < 48; ++i) SetPixel(canvas.dc(), i, i, RGB(i * 5, 255 - i * 5, 128));
    HFONT font = CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"新細明體");
    HGDIOBJ old = SelectObject(canvas.dc(), font);
    TextOutW(canvas.dc(), 2, 20, L"病歷", 2);
    SelectObject(canvas.dc(), old);
    DeleteObject(font);

    std::wstring path = canvas.save(L"harness_selftest/png_roundtrip");
    ASSERT_FALSE(path.empty());
    EXPECT_NE(path.find(L"\\screens\\harness_selftest\\png_roundtrip.png"), std::wstring::npos);
    qvtest::PixelImage read = qvtest::ReadPngFile(path);
    qvtest::PixelImage drawn = canvas.image();
    ASSERT_EQ(read.width, 64);
    ASSERT_EQ(read.height, 48);
    EXPECT_TRUE(read.pixels == drawn.pixels);
    EXPECT_EQ(read.pixel(10, 10), RGB(50, 205, 128));
}

TEST(Png, SaveBitmapPngWritesTheBitmapsPixels) {
    MemoryCanvas canvas(10, 10, RGB(0, 128, 255));
    std::wstring path = qvtest::SaveBitmapPng(canvas.bitmap(), L"harness_selftest/bitmap");
    ASSERT_FALSE(path.empty());
    qvtest::PixelImage read = qvtest::ReadPngFile(path);
    ASSERT_EQ(read.width, 10);
    EXPECT_EQ(read.pixel(9, 9), RGB(0, 128, 255));
}

TEST(Png, OutputFolderComesFromQvOut) {
    wchar_t unixPath[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"QV_OUT", unixPath, MAX_PATH)) GTEST_SKIP() << "QV_OUT is not set";
    std::wstring expected = std::wstring(L"Z:") + unixPath;
    for (auto& c : expected)
        if (c == L'/') c = L'\\';
    EXPECT_EQ(qvtest::OutputDir(), expected);
}

// A child window that paints itself in one colour.
LRESULT CALLBACK SolidProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        HBRUSH brush = CreateSolidBrush(RGB(10, 200, 30));
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(Screenshot, CapturesTheWindowWithItsChildren) {
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

    qvtest::PixelImage shot = qvtest::CaptureWindow(host);
    RECT frame;
    GetWindowRect(host, &frame);
    ASSERT_EQ(shot.width, frame.right - frame.left);
    ASSERT_EQ(shot.height, frame.bottom - frame.top);
    POINT client{0, 0};
    ClientToScreen(host, &client);
    const int x = client.x - frame.left + 20, y = client.y - frame.top + 30;
    EXPECT_EQ(shot.pixel(x, y), RGB(10, 200, 30));
    EXPECT_EQ(shot.pixel(x + 49, y + 39), RGB(10, 200, 30));
    EXPECT_NE(shot.pixel(x + 50, y + 40), RGB(10, 200, 30));

    std::wstring path = qvtest::SaveWindowPng(host, L"harness_selftest/host_window");
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(qvtest::ReadPngFile(path).pixel(x, y), RGB(10, 200, 30));
    // A child window can be captured on its own.
    qvtest::PixelImage childShot = qvtest::CaptureWindow(child);
    EXPECT_EQ(childShot.width, 50);
    EXPECT_EQ(childShot.height, 40);
    EXPECT_TRUE(std::all_of(childShot.pixels.begin(), childShot.pixels.end(),
                            [](uint32_t p) { return p == qvtest::ColorrefToDib(RGB(10, 200, 30)); }));
}

TEST(Screenshot, CapturesTheFrameAndCaption) {
    qvtest::HostWindow host(L"Caption", 300, 200);
    qvtest::PumpMessages(50);
    qvtest::PixelImage shot = qvtest::CaptureWindow(host);
    RECT frame;
    GetWindowRect(host, &frame);
    POINT client{0, 0};
    ClientToScreen(host, &client);
    const int captionBottom = client.y - frame.top;
    ASSERT_GT(captionBottom, 0) << "the window has no caption";
    // Wine draws the caption only when it decorates windows itself; otherwise this
    // band of the window surface stays black.
    int black = 0;
    for (int y = 0; y < captionBottom; ++y)
        for (int x = 0; x < shot.width; ++x) black += shot.pixel(x, y) == RGB(0, 0, 0);
    EXPECT_LT(black, shot.width * captionBottom / 2) << "caption band not painted";
}

}  // namespace
