// CBmpButton: a whole dialog's push buttons at once, the replacement table,
// images for ordinary buttons and spin buttons beside edit boxes.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include "button_dialog.h"
#include "buttons_ids.h"
#include "qvctrl.h"
#include "window_capture.h"

namespace
{

// Opens the protected spin-button helper to the test.
class SpinDresser : public CBmpButton
{
public:
    using CBmpButton::TouchSpin;
};

LONG ButtonType(HWND hButton)
{
    return ::GetWindowLongW(hButton, GWL_STYLE) & BS_TYPEMASK;
}

// How many pixels of the button show the colour, as the screen has them.
int ColourOn(HWND hButton, COLORREF colour)
{
    qvtest::PixelImage image = qvtest::CaptureWindow(hButton);
    int n = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 160, 0);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kYellow = RGB(255, 255, 0);

TEST(BmpButton, AttachBmpDressesTheFirstTenPushButtonsWithTheirOwnOrReplacementBitmaps)
{
    ButtonDialog dialog;
    CBmpButton set;
    set.ReplaceBmp(IDC_PUSH_FIRST, IDB_MAGENTA);
    set.AttachBmp(&dialog);
    dialog.settle();

    // Child order: OK, Cancel, 3101 ... 3110; ten slots take OK to 3108.
    EXPECT_EQ(static_cast<LONG>(BS_OWNERDRAW), ButtonType(dialog.item(IDOK)));
    EXPECT_EQ(static_cast<LONG>(BS_OWNERDRAW), ButtonType(dialog.item(IDC_PUSH_FIRST + 7)));
    EXPECT_EQ(static_cast<LONG>(BS_PUSHBUTTON), ButtonType(dialog.item(IDC_PUSH_FIRST + 8)));
    EXPECT_EQ(static_cast<LONG>(BS_PUSHBUTTON), ButtonType(dialog.item(IDC_PUSH_LAST)));
    EXPECT_EQ(static_cast<LONG>(BS_AUTOCHECKBOX), ButtonType(dialog.item(IDC_CHECK)));
    EXPECT_EQ(dialog.item(IDOK), set.GetButton(0)->GetSafeHwnd());
    EXPECT_EQ(dialog.item(IDC_PUSH_FIRST + 7), set.GetButton(9)->GetSafeHwnd());

    EXPECT_EQ(16 * 16, ColourOn(dialog.item(IDOK), kBlue)) << "bitmap 1 on control 1";
    EXPECT_EQ(16 * 16, ColourOn(dialog.item(IDCANCEL), kGreen));
    EXPECT_EQ(16 * 16, ColourOn(dialog.item(IDC_PUSH_FIRST), kMagenta)) << "the replacement";
    EXPECT_EQ(set.GetButton(2), set.GetReplaceEntry(0).pButton);

    // A second walk finds no push buttons left in its slots and changes nothing.
    set.AttachBmp(&dialog);
    EXPECT_EQ(static_cast<LONG>(BS_PUSHBUTTON), ButtonType(dialog.item(IDC_PUSH_LAST)));

    // A new replacement shows after ReLoadBmp; an unknown control is ignored.
    set.ReplaceBmp(IDC_PUSH_FIRST, IDB_YELLOW);
    set.ReLoadBmp(IDC_PUSH_FIRST);
    set.ReLoadBmp(4242);
    dialog.settle();
    EXPECT_EQ(16 * 16, ColourOn(dialog.item(IDC_PUSH_FIRST), kYellow));
    EXPECT_EQ(0, ColourOn(dialog.item(IDC_PUSH_FIRST), kMagenta));
    qvtest::SaveWindowPng(dialog.m_hWnd, L"buttons-dialog");
}

TEST(BmpButton, ReplaceBmpKeepsTenEntries)
{
    CBmpButton set;
    for (int i = 0; i < CBmpButton::MAX_BUTTONS; ++i)
        set.ReplaceBmp(500 + i, 900 + i);
    set.ReplaceBmp(503, 1903);   // an update of an existing entry
    set.ReplaceBmp(510, 1910);   // an eleventh control: no room
    const struct
    {
        int id, bitmap;
    } expected[] = {
        {500, 900}, {501, 901}, {502, 902}, {503, 1903}, {504, 904},
        {505, 905}, {506, 906}, {507, 907}, {508, 908},  {509, 909},
    };
    for (int i = 0; i < CBmpButton::MAX_BUTTONS; ++i)
    {
        EXPECT_EQ(expected[i].id, set.GetReplaceEntry(i).nID) << i;
        EXPECT_EQ(expected[i].bitmap, set.GetReplaceEntry(i).nBitmapID) << i;
    }
}

TEST(BmpButton, DressupGivesOrdinaryButtonsTheirBitmapsAsImages)
{
    ButtonDialog dialog;
    CBmpButton set;
    set.ReplaceBmp(IDC_PUSH_FIRST + 1, IDB_YELLOW);
    // OK, Cancel and 3102 have bitmaps; the other push buttons' identifiers have none.
    EXPECT_EQ(3, set.Dressup(&dialog));
    EXPECT_EQ(static_cast<LONG>(BS_DEFPUSHBUTTON), ButtonType(dialog.item(IDOK)));
    const HBITMAP hOk = reinterpret_cast<HBITMAP>(::SendMessageW(dialog.item(IDOK), BM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(nullptr, hOk);
    BITMAP info{};
    ASSERT_NE(0, ::GetObjectW(hOk, sizeof info, &info));
    EXPECT_EQ(16, info.bmWidth);
    const HBITMAP hReplaced =
        reinterpret_cast<HBITMAP>(::SendMessageW(dialog.item(IDC_PUSH_FIRST + 1), BM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(nullptr, set.GetReplaceEntry(0).pBitmap);
    EXPECT_EQ(hReplaced, set.GetReplaceEntry(0).pBitmap->GetSafeHandle());
    EXPECT_EQ(nullptr,
              reinterpret_cast<HBITMAP>(::SendMessageW(dialog.item(IDC_PUSH_FIRST), BM_GETIMAGE, IMAGE_BITMAP, 0)));
}

TEST(BmpButton, TouchSpinFillsTenSlotsBesideTheEditBox)
{
    ButtonDialog dialog;
    SpinDresser set;
    CWnd* pEdit = dialog.GetDlgItem(IDC_NUMBER);
    ASSERT_NE(nullptr, pEdit);
    for (int i = 0; i < 11; ++i)
        set.TouchSpin(pEdit, 1, 250 + i);
    for (int i = 0; i < CBmpButton::MAX_BUTTONS; ++i)
    {
        HWND hSpin = ::GetDlgItem(dialog.m_hWnd, CBmpButton::SPIN_ID_BASE + i);
        ASSERT_NE(nullptr, hSpin) << i;
        EXPECT_EQ(0x500000A6u, static_cast<DWORD>(::GetWindowLongW(hSpin, GWL_STYLE)) & 0xFFFF00FFu) << i;
        EXPECT_EQ(pEdit->m_hWnd, reinterpret_cast<HWND>(::SendMessageW(hSpin, UDM_GETBUDDY, 0, 0)));
        EXPECT_EQ(MAKELONG(250 + i, 1), static_cast<LONG>(::SendMessageW(hSpin, UDM_GETRANGE, 0, 0)));
    }
    EXPECT_EQ(nullptr, ::GetDlgItem(dialog.m_hWnd, CBmpButton::SPIN_ID_BASE + 10)) << "the eleventh call does nothing";

    // The buddy takes the position as its text.
    ::SendMessageW(::GetDlgItem(dialog.m_hWnd, CBmpButton::SPIN_ID_BASE), UDM_SETPOS, 0, MAKELPARAM(42, 0));
    wchar_t text[16] = L"";
    ::GetWindowTextW(pEdit->m_hWnd, text, 16);
    EXPECT_STREQ(L"42", text);
}

}   // namespace
