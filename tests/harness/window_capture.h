// Screenshots of real windows, as PNG files for a person to look at.
#pragma once
#include <windows.h>

#include <string>

#include "pixel_image.h"

namespace qvtest
{

// The pixels of a window (frame, caption and child windows included) after it has
// painted everything pending. Works for top-level and child windows alike.
PixelImage CaptureWindow(HWND window);

// Writes CaptureWindow(window) to <out>/screens/<name>.png; returns the path, empty on failure.
std::wstring SaveWindowPng(HWND window, const std::wstring& name);

}   // namespace qvtest
