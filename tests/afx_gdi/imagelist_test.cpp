// CImageList: loading from the current resource module, drawing, and copies.
#include <gtest/gtest.h>
#include "afx_gdi_ids.h"
#include "afxcmn.h"
#include "qvtest.h"

namespace
{

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kMagenta = RGB(255, 0, 255);

TEST(CImageList, BitmapOfTheResourceModuleDrawsTransparently)
{
    CImageList squares;
    ASSERT_TRUE(squares.Create(IDB_SQUARES, 16, 1, kMagenta));
    EXPECT_EQ(squares.GetImageCount(), 2);
    qvtest::MemoryCanvas canvas(40, 20, kWhite);
    CDC* dc = CDC::FromHandle(canvas.dc());
    EXPECT_TRUE(squares.Draw(dc, 0, CPoint(0, 0), ILD_TRANSPARENT));
    EXPECT_TRUE(squares.Draw(dc, 1, CPoint(20, 0), ILD_TRANSPARENT));
    CDC::DeleteTempMap();
    EXPECT_EQ(canvas.countColor(CRect(0, 0, 16, 16), RGB(255, 0, 0)), 64);
    EXPECT_EQ(canvas.countColor(CRect(20, 0, 36, 16), RGB(0, 0, 255)), 64);
    EXPECT_EQ(canvas.countColor(kMagenta), 0) << "the mask colour showed";
    CImageList fromNothing;
    EXPECT_FALSE(fromNothing.Create(static_cast<CImageList*>(nullptr)));
}

TEST(CImageList, ResourcesComeFromTheModuleAfxGetResourceHandleNames)
{
    // The probe DLL has no bitmaps or menus: with it as the resource module nothing loads.
    HINSTANCE hProbe = ::GetModuleHandleW(L"afx_gdi_probe.dll");
    ASSERT_NE(hProbe, nullptr);
    HINSTANCE hProgram = AfxGetResourceHandle();
    ASSERT_EQ(hProgram, ::GetModuleHandleW(nullptr));
    AfxSetResourceHandle(hProbe);
    CImageList list;
    CMenu menu;
    const BOOL listLoaded = list.Create(IDB_SQUARES, 16, 1, kMagenta);
    const BOOL menuLoaded = menu.LoadMenu(IDM_TEST_MENU);
    AfxSetResourceHandle(hProgram);
    EXPECT_FALSE(listLoaded);
    EXPECT_EQ(list.GetSafeHandle(), nullptr);
    EXPECT_FALSE(menuLoaded);
    EXPECT_TRUE(menu.LoadMenu(IDM_TEST_MENU));
}

}   // namespace
