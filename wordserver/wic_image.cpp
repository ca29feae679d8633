#include "wic_image.h"

namespace
{

template <class T> void ReleaseAndClear(T*& object)
{
    if (object)
        object->Release();
    object = nullptr;
}

}   // namespace

// The stream reads the caller's bytes in place, so they must outlive the image.
WicImage::WicImage(const ByteVector& bytes)
{
    bool ok =
        !bytes.empty() &&
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory_))) &&
        SUCCEEDED(factory_->CreateStream(&stream_)) &&
        SUCCEEDED(stream_->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()))) &&
        SUCCEEDED(factory_->CreateDecoderFromStream(stream_, nullptr, WICDecodeMetadataCacheOnDemand, &decoder_)) &&
        SUCCEEDED(decoder_->GetContainerFormat(&format_)) && SUCCEEDED(decoder_->GetFrame(0, &frame_));
    if (!ok || FAILED(frame_->GetSize(&width_, &height_)))
        width_ = height_ = 0;
}

WicImage::~WicImage()
{
    ReleaseAndClear(frame_);
    ReleaseAndClear(decoder_);
    ReleaseAndClear(stream_);
    ReleaseAndClear(factory_);
}

bool WicImage::CopyPixels(std::vector<BYTE>& pixels) const
{
    if (!IsValid())
        return false;
    IWICFormatConverter* converter = nullptr;
    const UINT stride = width_ * 4;
    pixels.resize(static_cast<size_t>(stride) * height_);
    bool ok = SUCCEEDED(factory_->CreateFormatConverter(&converter)) &&
              SUCCEEDED(converter->Initialize(frame_, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr,
                                              0.0, WICBitmapPaletteTypeCustom)) &&
              SUCCEEDED(converter->CopyPixels(nullptr, stride, static_cast<UINT>(pixels.size()), pixels.data()));
    ReleaseAndClear(converter);
    if (!ok)
        pixels.clear();
    return ok;
}
