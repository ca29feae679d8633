// A plain 32-bit image in memory: what screenshots are made of and what PNG files read back as.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qvtest
{

struct PixelImage
{
    int width = 0;
    int height = 0;
    // Top-down rows, one 0x00RRGGBB value per pixel (the layout of a 32-bit DIB).
    std::vector<uint32_t> pixels;

    bool empty() const { return pixels.empty(); }
    COLORREF pixel(int x, int y) const;
};

// Converts between a DIB pixel (0x00RRGGBB) and a COLORREF (0x00BBGGRR).
COLORREF DibToColorref(uint32_t dibPixel);
uint32_t ColorrefToDib(COLORREF colour);

// Copies the pixels of a bitmap (any format) into a PixelImage.
PixelImage ReadBitmapPixels(HBITMAP bitmap);

// The header of a 32-bit top-down DIB, the layout of PixelImage::pixels.
BITMAPINFO TopDownDibInfo(int width, int height);

}   // namespace qvtest
