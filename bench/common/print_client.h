// Painting a window's whole client area into a bitmap of its size, as
// WM_PRINTCLIENT asks (printing a window, capturing it for a report).
#pragma once

#include <windows.h>

#include <algorithm>

namespace bench
{

inline void PrintClient(HWND window, int repeats = 1)
{
    RECT rc{};
    ::GetClientRect(window, &rc);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, std::max<LONG>(rc.right, 1), std::max<LONG>(rc.bottom, 1));
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    for (int i = 0; i < repeats; ++i)
        ::SendMessageW(window, WM_PRINTCLIENT, WPARAM(memory), PRF_CLIENT | PRF_ERASEBKGND);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}

}   // namespace bench
