// Fonts through CFont: the face "新細明體" draws in the Ming face it is mapped
// to, and the point-size forms scale to the device.
#include <gtest/gtest.h>

#include "afxwin.h"
#include "cstring_printer.h"
#include "qvtest.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const wchar_t kCjkText[] = L"病歷資料維護";

// The pixels of kCjkText drawn black on white in a 24-pixel font of the face.
qvtest::PixelImage DrawInFace(const wchar_t* face, CString* pFaceSeen = nullptr)
{
    qvtest::MemoryCanvas canvas(200, 40, kWhite);
    CDC dc;
    dc.Attach(canvas.dc());
    CFont font;
    LOGFONT logFont = {};
    logFont.lfHeight = -24;
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(logFont.lfFaceName, face, LF_FACESIZE);
    EXPECT_TRUE(font.CreateFontIndirect(&logFont));
    CFont* previous = dc.SelectObject(&font);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(4, 4, CString(kCjkText));
    if (pFaceSeen != nullptr)
        dc.GetTextFace(*pFaceSeen);
    dc.SelectObject(previous);
    dc.Detach();
    return canvas.image();
}

TEST(CFontFaces, MingFaceNameDrawsLikeArPlUMingAndNotLikeTahoma)
{
    CString faceSeen;
    const qvtest::PixelImage ming = DrawInFace(L"新細明體", &faceSeen);
    const qvtest::PixelImage arphic = DrawInFace(L"AR PL UMing TW");
    const qvtest::PixelImage tahoma = DrawInFace(L"Tahoma");

    EXPECT_EQ(faceSeen, CString(L"新細明體"));
    size_t inked = 0;
    for (uint32_t pixel : ming.pixels)
        inked += (pixel & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(inked, 200u) << "the CJK text left almost no ink";
    EXPECT_EQ(ming.pixels, arphic.pixels);
    EXPECT_NE(ming.pixels, tahoma.pixels);
}

TEST(CFontPointSize, PointFontsScaleWithTheDeviceResolution)
{
    qvtest::MemoryCanvas canvas(10, 10, kWhite);
    CDC dc;
    dc.Attach(canvas.dc());
    const int dpi = dc.GetDeviceCaps(LOGPIXELSY);
    ASSERT_GT(dpi, 0);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, L"新細明體", &dc));
    LOGFONT logFont = {};
    ASSERT_EQ(font.GetLogFont(&logFont), static_cast<int>(sizeof(LOGFONT)));
    EXPECT_EQ(logFont.lfHeight, -MulDiv(120, dpi, 720));
    EXPECT_STREQ(logFont.lfFaceName, L"新細明體");

    // In a mapping mode of 0.01 inch units the height comes out in those units.
    dc.SetMapMode(MM_LOENGLISH);
    CFont printed;
    LOGFONT tenths = {};
    tenths.lfHeight = 360;  // 36 points = half an inch
    lstrcpynW(tenths.lfFaceName, L"Tahoma", LF_FACESIZE);
    ASSERT_TRUE(printed.CreatePointFontIndirect(&tenths, &dc));
    ASSERT_TRUE(printed.GetLogFont(&logFont));
    EXPECT_NEAR(logFont.lfHeight, -50, 1);
    dc.SetMapMode(MM_TEXT);

    // Without a DC the screen decides.
    CFont screen;
    ASSERT_TRUE(screen.CreatePointFont(90, L"Tahoma"));
    ASSERT_TRUE(screen.GetLogFont(&logFont));
    HDC hScreen = ::GetDC(nullptr);
    EXPECT_EQ(logFont.lfHeight, -MulDiv(90, ::GetDeviceCaps(hScreen, LOGPIXELSY), 720));
    ::ReleaseDC(nullptr, hScreen);

    EXPECT_FALSE(screen.CreatePointFontIndirect(nullptr));
    dc.Detach();
}

TEST(CGdiObjectLifetime, WrappersDeleteWhatTheyOwnAndOnlyThat)
{
    HGDIOBJ hPen = nullptr;
    {
        CPen pen(PS_DASH, 1, RGB(1, 2, 3));
        hPen = pen.m_hObject;
        ASSERT_NE(hPen, nullptr);
        EXPECT_EQ(CGdiObject::FromHandlePermanent(hPen), &pen);
        EXPECT_EQ(CPen::FromHandle(static_cast<HPEN>(hPen)), &pen);
        LOGPEN logPen = {};
        ASSERT_TRUE(pen.GetLogPen(&logPen));
        EXPECT_EQ(logPen.lopnStyle, static_cast<UINT>(PS_DASH));
        EXPECT_EQ(logPen.lopnColor, RGB(1, 2, 3));
    }
    EXPECT_EQ(::GetObjectType(hPen), 0u) << "the pen outlived its wrapper";
    EXPECT_EQ(CGdiObject::FromHandlePermanent(hPen), nullptr);

    // A detached object survives its wrapper; a temporary wrapper never deletes.
    HBRUSH hBrush = nullptr;
    {
        CBrush brush;
        ASSERT_TRUE(brush.CreateHatchBrush(HS_CROSS, RGB(9, 9, 9)));
        LOGBRUSH logBrush = {};
        ASSERT_TRUE(brush.GetLogBrush(&logBrush));
        EXPECT_EQ(logBrush.lbStyle, static_cast<UINT>(BS_HATCHED));
        EXPECT_EQ(logBrush.lbHatch, static_cast<ULONG_PTR>(HS_CROSS));
        hBrush = static_cast<HBRUSH>(brush.Detach());
    }
    ASSERT_EQ(::GetObjectType(hBrush), static_cast<DWORD>(OBJ_BRUSH));
    CBrush* temporary = CBrush::FromHandle(hBrush);
    ASSERT_NE(temporary, nullptr);
    EXPECT_TRUE(temporary->IsKindOf(RUNTIME_CLASS(CBrush)));
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(::GetObjectType(hBrush), static_cast<DWORD>(OBJ_BRUSH));
    ::DeleteObject(hBrush);

    // A null wrapper pointer is safe where MFC says it is.
    const CGdiObject* none = nullptr;
    EXPECT_EQ(none->GetSafeHandle(), nullptr);
    EXPECT_EQ(CGdiObject::FromHandle(nullptr), nullptr);

    // A Create on a wrapper that already holds an object fails without leaking it.
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 1, nullptr));
    const HGDIOBJ hFirst = bitmap.m_hObject;
    const LONG failuresBefore = AfxGetAssertFailureCount();
    EXPECT_FALSE(bitmap.CreateBitmap(8, 8, 1, 1, nullptr));
    EXPECT_EQ(AfxGetAssertFailureCount(), failuresBefore + 1);
    EXPECT_EQ(bitmap.m_hObject, hFirst);

    CBrush system;
    EXPECT_TRUE(system.CreateSysColorBrush(COLOR_WINDOW));
    EXPECT_EQ(system.m_hObject, ::GetSysColorBrush(COLOR_WINDOW));
}

}  // namespace
