// Fonts through CFont: the face "新細明體" draws in the Ming face it is mapped
// to, and the point-size forms scale to the device and its mapping mode.
#include <gtest/gtest.h>
#include "afxwin.h"
#include "qvtest.h"

namespace
{

const COLORREF kWhite = RGB(255, 255, 255);

// The pixels of a CJK text drawn black on white in a 24-pixel font of the face.
qvtest::PixelImage DrawInFace(const wchar_t* face, CString* pFaceSeen = nullptr)
{
    qvtest::MemoryCanvas canvas(200, 40, kWhite);
    CDC* dc = CDC::FromHandle(canvas.dc());
    CFont font;
    EXPECT_TRUE(font.CreateFont(-24, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face));
    CFont* previous = dc->SelectObject(&font);
    dc->SetBkMode(TRANSPARENT);
    dc->TextOut(4, 4, CString(L"病歷資料維護"));
    if (pFaceSeen != nullptr)
        dc->GetTextFace(*pFaceSeen);
    dc->SelectObject(previous);
    CDC::DeleteTempMap();
    return canvas.image();
}

TEST(CFontFaces, MingFaceNameDrawsLikeArPlUMingAndNotLikeTahoma)
{
    CString faceSeen;
    const qvtest::PixelImage ming = DrawInFace(L"新細明體", &faceSeen);
    EXPECT_STREQ(faceSeen, L"新細明體");
    size_t inked = 0;
    for (uint32_t pixel : ming.pixels)
        inked += (pixel & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(inked, 200u) << "the CJK text left almost no ink";
    EXPECT_EQ(ming.pixels, DrawInFace(L"AR PL UMing TW").pixels);
    EXPECT_NE(ming.pixels, DrawInFace(L"Tahoma").pixels);
}

TEST(CFontPointSize, PointFontsScaleWithTheDeviceAndItsMappingMode)
{
    qvtest::MemoryCanvas canvas(10, 10, kWhite);
    CDC* dc = CDC::FromHandle(canvas.dc());
    const int dpi = dc->GetDeviceCaps(LOGPIXELSY);
    HDC hScreen = ::GetDC(nullptr);
    const int screenDpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    struct Case
    {
        const char* name;
        CDC* pDC;
        int mapMode;
        int deciPoints;
        LONG height;
        int tolerance;   // the mapping mode's scale is rounded from the screen's size
    };
    // In MM_LOENGLISH 36 points, half an inch, is 50 hundredths of an inch.
    for (const Case& c : {Case{"device", dc, MM_TEXT, 120, -MulDiv(120, dpi, 720), 0},
                          Case{"0.01 inch units", dc, MM_LOENGLISH, 360, -50, 1},
                          Case{"screen", nullptr, MM_TEXT, 90, -MulDiv(90, screenDpi, 720), 0}})
    {
        SCOPED_TRACE(c.name);
        dc->SetMapMode(c.mapMode);
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(c.deciPoints, L"新細明體", c.pDC));
        LOGFONT logFont = {};
        ASSERT_EQ(font.GetLogFont(&logFont), static_cast<int>(sizeof(LOGFONT)));
        EXPECT_NEAR(logFont.lfHeight, c.height, c.tolerance);
        EXPECT_STREQ(logFont.lfFaceName, L"新細明體");
    }
    dc->SetMapMode(MM_TEXT);
    CFont none;
    EXPECT_FALSE(none.CreatePointFontIndirect(nullptr));
    CDC::DeleteTempMap();
}

}   // namespace
