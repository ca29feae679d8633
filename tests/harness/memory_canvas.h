// A bitmap in memory to draw into and read back pixel by pixel.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "pixel_image.h"

namespace qvtest
{

// A 32-bit top-down DIB section selected into its own memory DC.
class MemoryCanvas
{
public:
    MemoryCanvas(int width, int height, COLORREF background = RGB(255, 255, 255));
    ~MemoryCanvas();
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }

    void fill(COLORREF colour);
    // The pixel's colour; CLR_INVALID outside the canvas. Flushes pending GDI drawing first.
    COLORREF pixel(int x, int y) const;
    // How many pixels inside `area` (clipped to the canvas) have exactly `colour`.
    int countColor(const RECT& area, COLORREF colour) const;
    int countColor(COLORREF colour) const;
    // The smallest rectangle holding every pixel that differs from `background`; empty if none.
    RECT boundsOfNot(COLORREF background) const;
    PixelImage image() const;
    // Writes <out>/screens/<name>.png; returns the path, empty on failure.
    std::wstring save(const std::wstring& name) const;

private:
    uint32_t raw(int x, int y) const { return bits_[size_t(y) * width_ + x] & 0x00FFFFFF; }

    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    uint32_t* bits_ = nullptr;
};

}   // namespace qvtest
