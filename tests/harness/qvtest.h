// The shared test harness: everything a suite needs to drive real windows under Wine.
//
//   MessageBoxCapture / MessageBoxTest   record and answer message boxes of any module;
//                                        EXPECT_MESSAGE_BOXES(capture, L"text", ...)
//   HostWindow, PumpMessages, PumpUntil  a real parent that records WM_NOTIFY,
//                                        WM_COMMAND and private messages, and answers them
//   MemoryCanvas, CaptureWindow,         pixels of memory bitmaps and windows;
//   SaveWindowPng, SaveBitmapPng         PNG files under <QV_OUT>/screens
//   MetafileRecorder                     what was drawn: texts, lines, fills, bitmaps
//   WindowText, DialogItemText           reading dialogs
#pragma once

#include "dialog_reading.h"
#include "host_window.h"
#include "memory_canvas.h"
#include "message_box_capture.h"
#include "message_pump.h"
#include "metafile_recorder.h"
#include "output_path.h"
#include "pixel_image.h"
#include "png_file.h"
#include "wide_text.h"
#include "window_capture.h"
