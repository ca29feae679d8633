// Walk over the top-level windows in z-order, shared by the window utilities.
#pragma once

#include <windows.h>

class CTopLevelWalk
{
public:
    CTopLevelWalk();

    // The window the walk stands on; null when it has ended.
    HWND Current() const { return m_hCurrent; }
    // The window after hWnd in z-order, or null when the walk ends there
    // (no window left, or back at the first one).
    HWND After(HWND hWnd) const;
    // Where to go on after hWnd was handled, hNext being After(hWnd) from before:
    // hNext, or when it went away meanwhile, the window that follows hWnd now.
    HWND GoOnAfter(HWND hWnd, HWND hNext) const;
    void MoveTo(HWND hWnd);
    void Next() { MoveTo(After(m_hCurrent)); }

private:
    HWND m_hFirst;
    HWND m_hCurrent;
    int m_nSteps;
};

// The process that owns a top-level window.
DWORD WindowProcessId(HWND hWnd);
// 0 stands for this process.
DWORD ResolveProcessId(UINT nProcessID);
