#include "pixel_image.h"

namespace qvtest
{

COLORREF DibToColorref(uint32_t dibPixel)
{
    return RGB((dibPixel >> 16) & 0xFF, (dibPixel >> 8) & 0xFF, dibPixel & 0xFF);
}

uint32_t ColorrefToDib(COLORREF colour)
{
    return (uint32_t(GetRValue(colour)) << 16) | (uint32_t(GetGValue(colour)) << 8) | GetBValue(colour);
}

COLORREF PixelImage::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return CLR_INVALID;
    return DibToColorref(pixels[size_t(y) * width + x]);
}

BITMAPINFO TopDownDibInfo(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;   // top-down: row 0 is the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

PixelImage ReadBitmapPixels(HBITMAP bitmap)
{
    PixelImage image;
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return image;

    BITMAPINFO header = TopDownDibInfo(info.bmWidth, info.bmHeight);
    image.width = info.bmWidth;
    image.height = info.bmHeight;
    image.pixels.resize(size_t(image.width) * image.height);
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, bitmap, 0, image.height, image.pixels.data(), &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != image.height)
        return PixelImage{};
    // GDI leaves the fourth byte undefined; keep only the colour.
    for (auto& p : image.pixels)
        p &= 0x00FFFFFF;
    return image;
}

}   // namespace qvtest
