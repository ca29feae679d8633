// The clock and the message pump that every benchmark times its steps with.
#pragma once

#include <windows.h>

namespace bench
{

// Seconds on the performance counter, from an arbitrary start.
inline double Now()
{
    static const double frequency = []
    {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return double(f.QuadPart);
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return double(t.QuadPart) / frequency;
}

// The seconds that work takes.
template <typename Work> double Seconds(Work&& work)
{
    const double start = Now();
    work();
    return Now() - start;
}

// Runs every message waiting for the thread as a program's loop does; a
// message that preTranslate answers true for is taken as handled.
inline void Pump(BOOL (*preTranslate)(MSG*) = nullptr)
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (preTranslate && preTranslate(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

}   // namespace bench
