#include "memory_canvas.h"

#include <algorithm>

#include "png_file.h"

namespace qvtest
{

MemoryCanvas::MemoryCanvas(int width, int height, COLORREF background) : width_(width), height_(height)
{
    BITMAPINFO info = TopDownDibInfo(width, height);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<uint32_t*>(bits);
    dc_ = CreateCompatibleDC(nullptr);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    fill(background);
}

MemoryCanvas::~MemoryCanvas()
{
    SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

void MemoryCanvas::fill(COLORREF colour)
{
    GdiFlush();
    std::fill(bits_, bits_ + size_t(width_) * height_, ColorrefToDib(colour));
}

COLORREF MemoryCanvas::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    GdiFlush();
    return DibToColorref(raw(x, y));
}

int MemoryCanvas::countColor(const RECT& area, COLORREF colour) const
{
    GdiFlush();
    const uint32_t wanted = ColorrefToDib(colour);
    int count = 0;
    for (int y = std::max(0, int(area.top)); y < std::min(height_, int(area.bottom)); ++y)
        for (int x = std::max(0, int(area.left)); x < std::min(width_, int(area.right)); ++x)
            if (raw(x, y) == wanted)
                ++count;
    return count;
}

int MemoryCanvas::countColor(COLORREF colour) const
{
    return countColor(RECT{0, 0, width_, height_}, colour);
}

RECT MemoryCanvas::boundsOfNot(COLORREF background) const
{
    GdiFlush();
    const uint32_t bg = ColorrefToDib(background);
    RECT bounds{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (raw(x, y) != bg)
            {
                bounds.left = std::min<LONG>(bounds.left, x);
                bounds.top = std::min<LONG>(bounds.top, y);
                bounds.right = std::max<LONG>(bounds.right, x + 1);
                bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
            }
    if (bounds.right == 0)
        return RECT{0, 0, 0, 0};
    return bounds;
}

PixelImage MemoryCanvas::image() const
{
    GdiFlush();
    PixelImage image;
    image.width = width_;
    image.height = height_;
    image.pixels.assign(bits_, bits_ + size_t(width_) * height_);
    for (auto& p : image.pixels)
        p &= 0x00FFFFFF;
    return image;
}

std::wstring MemoryCanvas::save(const std::wstring& name) const
{
    std::wstring path = ScreenshotPath(name);
    return WritePngFile(path, image()) ? path : std::wstring();
}

}   // namespace qvtest
