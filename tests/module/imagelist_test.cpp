// Image lists come from the host program's bitmaps, never from the library's.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>
#include "memory_canvas.h"
#include "module_ids.h"
#include "qvctrl.h"

namespace
{

using ImageList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, decltype(&ImageList_Destroy)>;

// The colour of one pixel of an image drawn transparently onto a magenta canvas.
COLORREF DrawnPixel(HIMAGELIST list, int image, int x, int y)
{
    qvtest::MemoryCanvas canvas(16, 16, RGB(255, 0, 255));
    ImageList_Draw(list, image, canvas.dc(), 0, 0, ILD_TRANSPARENT);
    return canvas.pixel(x, y);
}

TEST(ImageLists, TheLibrarysOwnBitmap200IsNotSearched)
{
    // The library carries a bitmap 200; this test program does not.
    ASSERT_NE(nullptr, ::FindResourceW(::GetModuleHandleW(L"QVCtrl.dll"), MAKEINTRESOURCEW(200), RT_BITMAP));
    ASSERT_EQ(nullptr, ::FindResourceW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(200), RT_BITMAP));
    EXPECT_EQ(nullptr, LoadImageList(200));
    EXPECT_EQ(nullptr, LoadImageList2(200, RGB(255, 0, 0)));
    EXPECT_EQ(nullptr, LoadImageList(-1));
}

TEST(ImageLists, HostBitmapGivesSixteenPixelImagesMaskedByTheTopLeftOrTheGivenColour)
{
    ImageList list(LoadImageList(IDB_HOST_IMAGES), &ImageList_Destroy);
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(3, ImageList_GetImageCount(list.get()));
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list.get(), &cx, &cy);
    EXPECT_EQ(16, cx);
    EXPECT_EQ(16, cy);
    // The green background (top-left pixel) is transparent; the squares are not.
    EXPECT_EQ(RGB(255, 0, 255), DrawnPixel(list.get(), 0, 1, 1));
    EXPECT_EQ(RGB(0, 0, 255), DrawnPixel(list.get(), 0, 8, 8));
    // Masking yellow instead: the green background stays, the yellow square goes.
    ImageList yellowMasked(LoadImageList2(IDB_HOST_IMAGES, RGB(255, 255, 0)), &ImageList_Destroy);
    ASSERT_NE(nullptr, yellowMasked);
    EXPECT_EQ(RGB(0, 255, 0), DrawnPixel(yellowMasked.get(), 1, 1, 1));
    EXPECT_EQ(RGB(255, 0, 255), DrawnPixel(yellowMasked.get(), 1, 8, 8));
    EXPECT_EQ(RGB(0, 0, 255), DrawnPixel(yellowMasked.get(), 0, 8, 8));
}

}   // namespace
