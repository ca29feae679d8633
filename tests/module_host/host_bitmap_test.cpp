// A host with its own bitmap 200 gets its image list from it, not the library's.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "qvctrl.h"

namespace
{

TEST(HostBitmap200, LoadImageListReadsTheHostsBitmap)
{
    HIMAGELIST list = LoadImageList(200);
    ASSERT_NE(nullptr, list);
    // The host's bitmap has three images; the library's bitmap 200 has two.
    EXPECT_EQ(3, ImageList_GetImageCount(list));
    ImageList_Destroy(list);

    HIMAGELIST masked = LoadImageList2(200, RGB(0, 255, 0));
    ASSERT_NE(nullptr, masked);
    EXPECT_EQ(3, ImageList_GetImageCount(masked));
    ImageList_Destroy(masked);
}

}   // namespace
