#include "control/imagelist.h"

HIMAGELIST LoadImageList(int nBitmapID)
{
    return LoadImageList2(nBitmapID, CLR_DEFAULT);
}

HIMAGELIST LoadImageList2(int nBitmapID, unsigned long crMask)
{
    // The identifiers are the host's: look in the process's executable.
    return ::ImageList_LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nBitmapID), 16, 2,
                                  static_cast<COLORREF>(crMask), IMAGE_BITMAP, 0);
}
