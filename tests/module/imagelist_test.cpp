// Image lists come from the host program's bitmaps, never from the library's.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "module_ids.h"
#include "qvctrl.h"

namespace {

struct ImageListHolder
{
    explicit ImageListHolder(HIMAGELIST list) : handle(list) {}
    ~ImageListHolder()
    {
        if (handle != nullptr)
            ImageList_Destroy(handle);
    }
    HIMAGELIST handle;
};

// The colour of one pixel of an image drawn transparently onto a magenta canvas.
COLORREF DrawnPixel(HIMAGELIST list, int image, int x, int y)
{
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP canvas = ::CreateCompatibleBitmap(screen, 16, 16);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, canvas);
    RECT all{0, 0, 16, 16};
    HBRUSH magenta = ::CreateSolidBrush(RGB(255, 0, 255));
    ::FillRect(dc, &all, magenta);
    ::DeleteObject(magenta);
    ImageList_Draw(list, image, dc, 0, 0, ILD_TRANSPARENT);
    COLORREF pixel = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteObject(canvas);
    ::DeleteDC(dc);
    return pixel;
}

TEST(ImageLists, TheLibrarysOwnBitmap200IsNotSearched)
{
    // The library carries a bitmap 200; this test program does not.
    ASSERT_NE(nullptr, ::FindResourceW(::GetModuleHandleW(L"QVCtrl.dll"), MAKEINTRESOURCEW(200), RT_BITMAP));
    ASSERT_EQ(nullptr, ::FindResourceW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(200), RT_BITMAP));
    EXPECT_EQ(nullptr, LoadImageList(200));
    EXPECT_EQ(nullptr, LoadImageList2(200, RGB(255, 0, 0)));
    EXPECT_EQ(nullptr, LoadImageList(343));
    EXPECT_EQ(nullptr, LoadImageList(-1));
}

TEST(ImageLists, HostBitmapGivesSixteenPixelImagesMaskedByTheTopLeftColour)
{
    ImageListHolder list(LoadImageList(IDB_HOST_IMAGES));
    ASSERT_NE(nullptr, list.handle);
    EXPECT_EQ(3, ImageList_GetImageCount(list.handle));
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list.handle, &cx, &cy);
    EXPECT_EQ(16, cx);
    EXPECT_EQ(16, cy);
    // The green background (top-left pixel) is transparent; the squares are not.
    EXPECT_EQ(RGB(255, 0, 255), DrawnPixel(list.handle, 0, 1, 1));
    EXPECT_EQ(RGB(0, 0, 255), DrawnPixel(list.handle, 0, 8, 8));
    EXPECT_EQ(RGB(255, 255, 0), DrawnPixel(list.handle, 1, 8, 8));
}

TEST(ImageLists, GivenMaskColourIsTheTransparentOne)
{
    // Masking yellow instead: the green background stays, the yellow square goes.
    ImageListHolder list(LoadImageList2(IDB_HOST_IMAGES, RGB(255, 255, 0)));
    ASSERT_NE(nullptr, list.handle);
    EXPECT_EQ(3, ImageList_GetImageCount(list.handle));
    EXPECT_EQ(RGB(0, 255, 0), DrawnPixel(list.handle, 1, 1, 1));
    EXPECT_EQ(RGB(255, 0, 255), DrawnPixel(list.handle, 1, 8, 8));
    EXPECT_EQ(RGB(0, 0, 255), DrawnPixel(list.handle, 0, 8, 8));
}

}  // namespace
