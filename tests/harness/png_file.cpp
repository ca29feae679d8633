#include "png_file.h"

#include <wincodec.h>

#include <algorithm>

#include "output_path.h"

namespace qvtest
{
namespace
{

// Initialises COM for the calling thread for the life of one WIC operation.
class ComScope
{
public:
    ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(hr_))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT hr_;
};

template <class T> class ComPtr
{
public:
    ComPtr() = default;
    ~ComPtr()
    {
        if (p_)
            p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T** out() { return &p_; }
    T* operator->() const { return p_; }
    T* get() const { return p_; }

private:
    T* p_ = nullptr;
};

bool CreateFactory(ComPtr<IWICImagingFactory>& factory)
{
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                      reinterpret_cast<void**>(factory.out())));
}

bool Encode(IWICImagingFactory* factory, const std::wstring& path, const PixelImage& image)
{
    ComPtr<IWICStream> stream;
    if (FAILED(factory->CreateStream(stream.out())))
        return false;
    if (FAILED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)))
        return false;

    ComPtr<IWICBitmapEncoder> encoder;
    if (FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())))
        return false;
    if (FAILED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)))
        return false;

    ComPtr<IWICBitmapFrameEncode> frame;
    if (FAILED(encoder->CreateNewFrame(frame.out(), nullptr)))
        return false;
    if (FAILED(frame->Initialize(nullptr)))
        return false;
    if (FAILED(frame->SetSize(image.width, image.height)))
        return false;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR)
        return false;

    // 24-bit rows, padded to whole pixels only: PNG has no row alignment.
    UINT stride = UINT(image.width) * 3;
    std::vector<BYTE> rows(size_t(stride) * image.height);
    for (size_t i = 0; i < image.pixels.size(); ++i)
    {
        uint32_t p = image.pixels[i];
        rows[i * 3 + 0] = BYTE(p);
        rows[i * 3 + 1] = BYTE(p >> 8);
        rows[i * 3 + 2] = BYTE(p >> 16);
    }
    if (FAILED(frame->WritePixels(image.height, stride, UINT(rows.size()), rows.data())))
        return false;
    if (FAILED(frame->Commit()))
        return false;
    return SUCCEEDED(encoder->Commit());
}

}   // namespace

bool WritePngFile(const std::wstring& path, const PixelImage& image)
{
    if (image.empty())
        return false;
    ComScope com;
    ComPtr<IWICImagingFactory> factory;
    if (!CreateFactory(factory))
        return false;
    if (Encode(factory.get(), path, image))
        return true;
    DeleteFileW(path.c_str());
    return false;
}

PixelImage ReadPngFile(const std::wstring& path)
{
    ComScope com;
    ComPtr<IWICImagingFactory> factory;
    if (!CreateFactory(factory))
        return {};

    ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  decoder.out())))
        return {};
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.out())))
        return {};
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.out())))
        return {};
    if (FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return {};

    UINT width = 0, height = 0;
    if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0)
        return {};
    PixelImage image;
    image.width = int(width);
    image.height = int(height);
    image.pixels.resize(size_t(width) * height);
    if (FAILED(converter->CopyPixels(nullptr, width * 4, UINT(image.pixels.size() * 4),
                                     reinterpret_cast<BYTE*>(image.pixels.data()))))
        return {};
    for (auto& p : image.pixels)
        p &= 0x00FFFFFF;
    return image;
}

std::wstring ScreenshotPath(const std::wstring& name)
{
    std::wstring path = OutputSubdir(L"screens") + L"\\" + name + L".png";
    // Names may group screenshots in folders ("grid/header").
    std::replace(path.begin(), path.end(), L'/', L'\\');
    CreateFolders(path.substr(0, path.rfind(L'\\')));
    return path;
}

std::wstring SaveBitmapPng(HBITMAP bitmap, const std::wstring& name)
{
    std::wstring path = ScreenshotPath(name);
    return WritePngFile(path, ReadBitmapPixels(bitmap)) ? path : std::wstring();
}

}   // namespace qvtest
