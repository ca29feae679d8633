// Image lists of 16-pixel-wide images from bitmaps of the host program.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include "qvapi.h"

// Bitmap nBitmapID of the host program's executable (never the library's own)
// as an image list of 16-pixel-wide images, growth step 2, masked with the
// colour of the bitmap's top-left pixel. Null when the bitmap is missing; the
// caller owns the list.
QVCTRL_API HIMAGELIST LoadImageList(int nBitmapID);
// The same with the mask colour crMask.
QVCTRL_API HIMAGELIST LoadImageList2(int nBitmapID, unsigned long crMask);
