// CMyBitmapButton: faces, states and frames, read back from the pixels the
// real button paints when its dialog asks it to.
#include <windows.h>
#include <gtest/gtest.h>
#include "../module/assert_counter.h"
#include "button_dialog.h"
#include "buttons_ids.h"
#include "memory_canvas.h"
#include "message_pump.h"
#include "qvctrl.h"
#include "window_capture.h"

namespace
{

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kMagenta = RGB(255, 0, 255);

COLORREF Grey(int v)
{
    return RGB(v, v, v);
}

int Count(const qvtest::PixelImage& image, RECT area, COLORREF colour)
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

// The inside of a button face, past its frame.
RECT Inside(const qvtest::PixelImage& image)
{
    return RECT{3, 3, image.width - 3, image.height - 3};
}

struct Edges
{
    COLORREF top, left, bottom, right;
};

// The colours of ring `ring` of a face, read at the middle of each edge.
Edges RingAt(const qvtest::PixelImage& image, int ring)
{
    const int w = image.width, h = image.height;
    return {image.pixel(w / 2, ring), image.pixel(ring, h / 2), image.pixel(w / 2, h - 1 - ring),
            image.pixel(w - 1 - ring, h / 2)};
}

void ExpectRing(const Edges& edges, COLORREF topLeft, COLORREF bottomRight)
{
    EXPECT_EQ(topLeft, edges.top);
    EXPECT_EQ(topLeft, edges.left);
    EXPECT_EQ(bottomRight, edges.bottom);
    EXPECT_EQ(bottomRight, edges.right);
}

class BitmapButtonTest : public ::testing::Test
{
protected:
    qvtest::PixelImage Shot(int nID)
    {
        dialog.settle();
        return qvtest::CaptureWindow(dialog.item(nID));
    }
    ButtonDialog dialog;
};

TEST_F(BitmapButtonTest, AttachMakesAnOwnerDrawnBitmapFaceWithARaisedTwoLevelFrame)
{
    CMyBitmapButton button;
    ASSERT_EQ(1, button.Attach(IDC_PUSH_FIRST + 1, &dialog, IDB_MAGENTA));
    const LONG style = ::GetWindowLongW(dialog.item(IDC_PUSH_FIRST + 1), GWL_STYLE);
    EXPECT_EQ(static_cast<LONG>(BS_OWNERDRAW), style & BS_TYPEMASK);
    EXPECT_EQ(WS_TABSTOP | WS_VISIBLE | WS_CHILD, style & (WS_TABSTOP | WS_VISIBLE | WS_CHILD)) << std::hex << style;
    EXPECT_EQ(FACE_BITMAP, button.m_nFaceType);
    EXPECT_EQ(IDB_MAGENTA, button.GetBitmapID());

    qvtest::PixelImage face = Shot(IDC_PUSH_FIRST + 1);
    ASSERT_FALSE(face.empty());
    ExpectRing(RingAt(face, 0), kWhite, Grey(127));
    ExpectRing(RingAt(face, 1), Grey(223), Grey(85));
    EXPECT_EQ(RGB(191, 192, 192), face.pixel(face.width - 6, 5)) << "the filled face rectangle";
    EXPECT_GT(Count(face, Inside(face), kBlack), 10) << "the caption in the text colour";
    EXPECT_EQ(16 * 16, Count(face, Inside(face), kMagenta)) << "the whole bitmap on the face";
    EXPECT_EQ(0, Count(face, Inside(face), kRed));

    // A missing item, or no parent, attaches nothing.
    AssertCounter asserts;
    CMyBitmapButton none;
    EXPECT_EQ(0, none.Attach(9999, &dialog, IDB_MAGENTA));
    EXPECT_EQ(0, none.Attach(IDC_PUSH_FIRST, nullptr));
    EXPECT_EQ(nullptr, none.GetSafeHwnd());
}

TEST_F(BitmapButtonTest, PressedShowsASunkenFrameAndRedTextDisabledShowsGreyText)
{
    CMyBitmapButton pressed, disabled;
    ASSERT_EQ(1, pressed.Attach(IDC_PUSH_FIRST + 1, &dialog, IDB_MAGENTA));
    ASSERT_EQ(1, disabled.Attach(IDC_PUSH_FIRST + 2, &dialog, IDB_YELLOW));

    // A real press: the button takes the focus and shows itself pushed.
    HWND hPressed = dialog.item(IDC_PUSH_FIRST + 1);
    RECT rc{};
    ::GetClientRect(hPressed, &rc);
    ::PostMessageW(hPressed, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.right / 2, rc.bottom / 2));
    qvtest::PumpMessages(50);
    ASSERT_EQ(hPressed, ::GetFocus());
    qvtest::PixelImage face = Shot(IDC_PUSH_FIRST + 1);
    ExpectRing(RingAt(face, 0), kGrey, kWhite);
    ExpectRing(RingAt(face, 1), Grey(223), Grey(85));   // the inner raised ring stays
    EXPECT_GT(Count(face, Inside(face), kRed), 10);
    EXPECT_EQ(0, Count(face, Inside(face), kBlack));
    qvtest::SaveWindowPng(hPressed, L"buttons-pressed-bitmap-button");
    ::ReleaseCapture();
    ::SendMessageW(hPressed, BM_SETSTATE, FALSE, 0);

    ::EnableWindow(dialog.item(IDC_PUSH_FIRST + 2), FALSE);
    qvtest::PixelImage grey = Shot(IDC_PUSH_FIRST + 2);
    ExpectRing(RingAt(grey, 0), kWhite, Grey(127));
    EXPECT_GT(Count(grey, Inside(grey), kGrey), 10);
    EXPECT_EQ(0, Count(grey, Inside(grey), kBlack));
    EXPECT_EQ(0, Count(grey, Inside(grey), kRed));
}

TEST_F(BitmapButtonTest, TextFacesIconFacesAndTheirSetters)
{
    CMyBitmapButton button;
    ASSERT_EQ(1, button.Attach(IDC_PUSH_FIRST + 1, &dialog, IDB_ABSENT));
    qvtest::PixelImage plain = Shot(IDC_PUSH_FIRST + 1);
    EXPECT_GT(Count(plain, Inside(plain), kBlack), 10) << "a bitmap the program lacks leaves the text";

    button.SetIconID(0);
    EXPECT_EQ(FACE_BITMAP, button.m_nFaceType);
    EXPECT_EQ(0, button.m_nIconID);
    EXPECT_EQ(0, button.SetBitmap(0));
    EXPECT_EQ(IDB_ABSENT, button.GetBitmapID());

    button.SetIconID(IDI_PATIENT);
    EXPECT_EQ(FACE_ICON, button.m_nFaceType);
    ASSERT_NE(nullptr, button.m_hIcon);
    qvtest::PixelImage icon = Shot(IDC_PUSH_FIRST + 1);
    EXPECT_GT(Count(icon, Inside(icon), RGB(40, 90, 190)), 50) << "the patient icon";
    EXPECT_GT(Count(icon, Inside(icon), kBlack), 10) << "and the caption beside it";

    button.SetFlashIconID(IDI_RECORD, 0);
    EXPECT_EQ(FACE_FLASH_ICON, button.m_nFaceType);
    button.SetFlashIconID(IDI_RECORD, IDI_PATIENT);
    EXPECT_EQ(FACE_FLASH_ICONS, button.m_nFaceType);
    button.m_nFlash = 1;
    qvtest::PixelImage flash = Shot(IDC_PUSH_FIRST + 1);
    EXPECT_EQ(0, button.m_nFlash) << "one flash, then the first icon";
    // The second (patient) icon came first; the record sheet covers it but
    // for the shoulders, which are wider than the sheet.
    const int iconTop = (flash.height - 32) / 2;
    EXPECT_EQ(RGB(200, 40, 40), flash.pixel(16, iconTop + 9)) << "the record icon's red line";
    EXPECT_EQ(kWhite, flash.pixel(16, iconTop + 5)) << "the sheet over the patient's head";
    EXPECT_EQ(RGB(40, 90, 190), flash.pixel(4, iconTop + 29)) << "the patient's shoulder beside the sheet";

    button.SetSingleTextType(0);
    EXPECT_EQ(FACE_SINGLE_TEXT, button.m_nFaceType);
    button.SetFilledRectColor(RGB(255, 255, 200));
    qvtest::PixelImage single = Shot(IDC_PUSH_FIRST + 1);
    EXPECT_EQ(kWhite, single.pixel(single.width / 2, 0)) << "a one-pixel raised frame";
    EXPECT_EQ(kBlack, single.pixel(single.width / 2, single.height - 1));
    EXPECT_EQ(RGB(255, 255, 200), single.pixel(3, 3));
    EXPECT_GT(Count(single, Inside(single), kBlack), 10);

    button.SetSingleTextType(1);
    EXPECT_EQ(FACE_BITMAP, button.m_nFaceType);
    EXPECT_EQ(1, button.m_nSingleText);
    button.SetRectangle(0);
    EXPECT_EQ(0, button.m_nRectangle);

    CMyBitmapButton radio;
    ASSERT_EQ(1, radio.AttachRadioTextType(IDC_PUSH_FIRST + 2, &dialog));
    EXPECT_EQ(FACE_RADIO_TEXT, radio.m_nFaceType);
    radio.m_crText = RGB(0, 0, 160);
    radio.m_nFocus = 1;
    qvtest::PixelImage chosen = Shot(IDC_PUSH_FIRST + 2);
    EXPECT_GT(Count(chosen, RECT{0, 0, 20, chosen.height}, RGB(0, 0, 160)), 4) << "the filled mark";
}

TEST(BitmapButtonDrawing, FramesOfOneTwoAndThreeLevels)
{
    CMyBitmapButton button;
    qvtest::MemoryCanvas canvas(40, 30, RGB(10, 20, 30));
    CDC* pDC = CDC::FromHandle(canvas.dc());
    const CRect rect(0, 0, 40, 30);
    button.DrawFrame(pDC, rect, 1);
    qvtest::PixelImage one = canvas.image();
    ExpectRing(RingAt(one, 0), kWhite, kGrey);
    EXPECT_EQ(RGB(10, 20, 30), one.pixel(20, 1)) << "one ring only";

    button.DrawFrame(pDC, rect, 3);
    qvtest::PixelImage three = canvas.image();
    ExpectRing(RingAt(three, 0), Grey(255), Grey(127));
    ExpectRing(RingAt(three, 1), Grey(223), Grey(85));
    ExpectRing(RingAt(three, 2), Grey(213), Grey(63));

    canvas.fill(RGB(10, 20, 30));
    button.DrawFrame(pDC, rect, -3);
    qvtest::PixelImage sunken = canvas.image();
    ExpectRing(RingAt(sunken, 0), Grey(127), Grey(255));
    ExpectRing(RingAt(sunken, 2), Grey(63), Grey(213));
    // The innermost ring gets an inner shadow.
    ExpectRing(RingAt(sunken, 3), RGB(10, 20, 30), RGB(1, 1, 1));

    canvas.fill(RGB(10, 20, 30));
    button.DrawFrame(pDC, rect, -1);
    ExpectRing(RingAt(canvas.image(), 0), kGrey, kWhite);
    EXPECT_EQ(RGB(10, 20, 30), canvas.pixel(38, 15)) << "no shadow on a single ring";
}

TEST(BitmapButtonDrawing, CharacterHeightsFollowTheTableAndTheDeviceResolution)
{
    const double table[] = {14.8, 12.7, 9.17, 8.47, 7.76, 6.35, 5.64, 5.29,
                            4.94, 4.23, 3.7,  3.17, 2.65, 2.29, 1.94, 1.76};
    CMyBitmapButton button;
    qvtest::MemoryCanvas canvas(4, 4);
    CDC* pDC = CDC::FromHandle(canvas.dc());
    const int r = ::GetDeviceCaps(canvas.dc(), LOGPIXELSY);
    auto pixels = [r](double mm) { return static_cast<int>(r * mm / 25.4); };
    for (int n = 0; n < 16; ++n)
        EXPECT_EQ(pixels(table[n]), button.GetRealFontHeight(pDC, n)) << n;
    EXPECT_EQ(pixels(3.7), button.GetRealFontHeight(pDC, 16));
    EXPECT_EQ(pixels(3.7), button.GetRealFontHeight(pDC, -1));

    const struct
    {
        double mm;
        double entry;
    } nearest[] = {
        {4.0, 4.23},  {3.9, 3.7},   {20, 14.8},   {1, 1.76}, {14.8, 14.8}, {1.76, 1.76},
        {9.17, 9.17}, {13.0, 12.7}, {13.9, 14.8}, {0, 1.76}, {-5, 1.76},
    };
    for (const auto& row : nearest)
        EXPECT_EQ(pixels(row.entry), button.GetNearFontHeight(pDC, row.mm)) << row.mm;
}

}   // namespace
