// An image file held in memory, decoded through the platform's imaging
// component (first frame only: documents show still pictures).
#pragma once

#include <windows.h>
#include <wincodec.h>

#include <vector>

#include "zip_package.h"

class WicImage
{
public:
    explicit WicImage(const ByteVector& bytes);
    ~WicImage();
    WicImage(const WicImage&) = delete;
    WicImage& operator=(const WicImage&) = delete;

    // True when the bytes are a picture with a size.
    bool IsValid() const { return width_ > 0 && height_ > 0; }
    const GUID& Format() const { return format_; }
    UINT Width() const { return width_; }
    UINT Height() const { return height_; }
    // The pixels as 32-bit BGR rows, top row first; false when they cannot be decoded.
    bool CopyPixels(std::vector<BYTE>& pixels) const;

private:
    IWICImagingFactory* factory_ = nullptr;
    IWICStream* stream_ = nullptr;
    IWICBitmapDecoder* decoder_ = nullptr;
    IWICBitmapFrameDecode* frame_ = nullptr;
    GUID format_ = {};
    UINT width_ = 0;
    UINT height_ = 0;
};
