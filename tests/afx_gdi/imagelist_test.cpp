// CImageList: its per-module handle map, loading from the current resource
// module, and drawing.
#include <gtest/gtest.h>

#include "afx_gdi_ids.h"
#include "afxcmn.h"
#include "probe/probe_dll.h"
#include "qvtest.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

TEST(CImageListMap, EachModuleFindsOnlyItsOwnImageLists)
{
    CImageList own;
    ASSERT_TRUE(own.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 2));
    const HIMAGELIST hOwn = own.GetSafeHandle();
    EXPECT_EQ(CImageList::FromHandlePermanent(hOwn), &own);
    EXPECT_EQ(CImageList::FromHandle(hOwn), &own);
    EXPECT_FALSE(ProbeHasImageList(hOwn)) << "the DLL found the program's image list";

    // And the other way round: the DLL's list is unknown to the program.
    const HIMAGELIST hProbe = ProbeMakeImageList();
    ASSERT_NE(hProbe, nullptr);
    EXPECT_TRUE(ProbeHasImageList(hProbe));
    EXPECT_EQ(CImageList::FromHandlePermanent(hProbe), nullptr);
    CImageList* temporary = CImageList::FromHandle(hProbe);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(temporary->GetSafeHandle(), hProbe);
    EXPECT_EQ(temporary->GetImageCount(), 0);
    CImageList::DeleteTempMap();
    // Freeing the temporary wrapper left the DLL's list alone.
    int cx = 0;
    int cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(hProbe, &cx, &cy));
    ProbeReleaseImageList();
    EXPECT_FALSE(ProbeHasImageList(hProbe));

    // Detach hands the list over; the map forgets it.
    HIMAGELIST hDetached = own.Detach();
    EXPECT_EQ(hDetached, hOwn);
    EXPECT_EQ(CImageList::FromHandlePermanent(hOwn), nullptr);
    CImageList adopted;
    EXPECT_TRUE(adopted.Attach(hDetached));
    EXPECT_EQ(CImageList::FromHandlePermanent(hOwn), &adopted);
    EXPECT_TRUE(adopted.DeleteImageList());
    EXPECT_EQ(CImageList::FromHandlePermanent(hOwn), nullptr);
    EXPECT_FALSE(adopted.DeleteImageList());

    const CImageList* none = nullptr;
    EXPECT_EQ(none->GetSafeHandle(), nullptr);
}

TEST(CImageListLoad, CreateFromABitmapOfTheCurrentResourceModule)
{
    CImageList squares;
    ASSERT_TRUE(squares.Create(IDB_SQUARES, 16, 1, kMagenta));
    EXPECT_EQ(squares.GetImageCount(), 2);
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(squares.GetIconSize(&cx, &cy));
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);
    IMAGEINFO info = {};
    ASSERT_TRUE(squares.GetImageInfo(1, &info));
    EXPECT_EQ(CRect(info.rcImage).Width(), 16);
    EXPECT_NE(info.hbmMask, nullptr);

    // Drawn transparently: the magenta background does not show.
    qvtest::MemoryCanvas canvas(40, 20, kWhite);
    CDC dc;
    dc.Attach(canvas.dc());
    EXPECT_TRUE(squares.Draw(&dc, 0, CPoint(0, 0), ILD_TRANSPARENT));
    EXPECT_TRUE(squares.Draw(&dc, 1, CPoint(20, 0), ILD_TRANSPARENT));
    EXPECT_EQ(canvas.countColor(CRect(0, 0, 16, 16), kRed), 64);
    EXPECT_EQ(canvas.countColor(CRect(20, 0, 36, 16), kBlue), 64);
    EXPECT_EQ(canvas.countColor(kMagenta), 0);
    EXPECT_EQ(canvas.pixel(1, 1), kWhite);

    // DrawEx stretches nothing but can blend; here it draws image 0 plainly.
    canvas.fill(kWhite);
    EXPECT_TRUE(squares.DrawEx(&dc, 0, CPoint(0, 0), CSize(16, 16), CLR_NONE, CLR_NONE, ILD_TRANSPARENT));
    EXPECT_EQ(canvas.countColor(kRed), 64);
    dc.Detach();

    // Images can be added, replaced, extracted and removed.
    CBitmap square;
    ASSERT_TRUE(square.LoadBitmap(IDB_SQUARES));
    EXPECT_EQ(squares.Add(&square, kMagenta), 2);
    EXPECT_EQ(squares.GetImageCount(), 4);
    HICON hIcon = squares.ExtractIcon(0);
    ASSERT_NE(hIcon, nullptr);
    EXPECT_EQ(squares.Add(hIcon), 4);
    EXPECT_EQ(squares.Replace(4, hIcon), 4);
    ::DestroyIcon(hIcon);
    EXPECT_TRUE(squares.Remove(0));
    EXPECT_EQ(squares.GetImageCount(), 4);
    EXPECT_TRUE(squares.Remove(-1));
    EXPECT_EQ(squares.GetImageCount(), 0);
    EXPECT_EQ(squares.SetBkColor(kWhite), CLR_NONE);
    EXPECT_EQ(squares.GetBkColor(), kWhite);
}

TEST(CImageListLoad, ResourcesComeFromTheModuleAfxGetResourceHandleNames)
{
    // The probe DLL has no bitmaps: with it as the resource module nothing loads.
    HINSTANCE hProbe = ::GetModuleHandleW(L"afx_gdi_probe.dll");
    ASSERT_NE(hProbe, nullptr);
    HINSTANCE hProgram = AfxGetResourceHandle();
    ASSERT_EQ(hProgram, ::GetModuleHandleW(nullptr));

    AfxSetResourceHandle(hProbe);
    CImageList fromProbe;
    const BOOL loadedFromProbe = fromProbe.Create(IDB_SQUARES, 16, 1, kMagenta);
    CBitmap bitmapFromProbe;
    const BOOL bitmapLoadedFromProbe = bitmapFromProbe.LoadBitmap(IDB_SQUARES);
    CMenu menuFromProbe;
    const BOOL menuLoadedFromProbe = menuFromProbe.LoadMenu(IDM_TEST_MENU);
    AfxSetResourceHandle(hProgram);

    EXPECT_FALSE(loadedFromProbe);
    EXPECT_EQ(fromProbe.GetSafeHandle(), nullptr);
    EXPECT_FALSE(bitmapLoadedFromProbe);
    EXPECT_FALSE(menuLoadedFromProbe);

    CImageList fromProgram;
    EXPECT_TRUE(fromProgram.Create(MAKEINTRESOURCE(IDB_SQUARES), 16, 1, kMagenta));
    EXPECT_EQ(fromProgram.GetImageCount(), 2);
}

TEST(CImageListCopies, MergeAndDuplicateMakeListsOfTheirOwn)
{
    CImageList squares;
    ASSERT_TRUE(squares.Create(IDB_SQUARES, 16, 1, kMagenta));
    CImageList copy;
    ASSERT_TRUE(copy.Create(&squares));
    EXPECT_NE(copy.GetSafeHandle(), squares.GetSafeHandle());
    EXPECT_EQ(copy.GetImageCount(), 2);
    EXPECT_EQ(CImageList::FromHandlePermanent(copy.GetSafeHandle()), &copy);

    CImageList merged;
    ASSERT_TRUE(merged.Create(squares, 0, copy, 1, 0, 0));
    EXPECT_EQ(merged.GetImageCount(), 1);

    CImageList fromNothing;
    EXPECT_FALSE(fromNothing.Create(static_cast<CImageList*>(nullptr)));
}

}  // namespace
