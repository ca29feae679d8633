// The shared test harness: everything a suite needs to drive real windows under Wine.
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
#include "print_dialog_answer.h"
#include "print_job.h"
#include "printed_pdf.h"
#include "wide_text.h"
#include "window_capture.h"
