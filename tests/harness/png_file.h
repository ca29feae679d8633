// PNG files written and read through the platform's imaging component (WIC).
#pragma once
#include <windows.h>

#include <string>

#include "pixel_image.h"

namespace qvtest
{

// Writes an image as a 24-bit PNG file. Returns false (and leaves no file) on failure.
bool WritePngFile(const std::wstring& path, const PixelImage& image);

// Reads a PNG (or any format WIC decodes) into an image; empty on failure.
PixelImage ReadPngFile(const std::wstring& path);

// <OutputDir>\screens\<name>.png, the place of every screenshot.
std::wstring ScreenshotPath(const std::wstring& name);

// Saves a bitmap's pixels as <out>/screens/<name>.png; returns the path written, empty on failure.
std::wstring SaveBitmapPng(HBITMAP bitmap, const std::wstring& name);

}   // namespace qvtest
