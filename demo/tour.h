// The demo's unattended walk through its screens (used when there is no display).
#pragma once

#include <windows.h>

// True when QV_DEMO_TOUR=1: the demo saves each screen and closes by itself.
bool DemoTourRequested();

// Writes the window's pixels to <QV_OUT>/screens/<name>.png, with the
// message boxes of the program that stand over it.
bool SaveDemoScreenshot(HWND hwnd, const wchar_t* name);

// Presses OK on the message boxes the program shows; true when there was one.
bool AnswerDemoMessageBoxes();

// Runs the program's messages for a while, as its message loop would.
void PumpDemoMessages(DWORD nMilliseconds);
