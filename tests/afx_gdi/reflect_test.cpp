// An owner-drawn CButton paints through DrawItem, reached by the parent's
// WM_DRAWITEM through reflection.
#include <gtest/gtest.h>

#include "afxwin.h"
#include "cstring_printer.h"
#include "qvtest.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 128, 0);
const COLORREF kBlack = RGB(0, 0, 0);

// Fills its face red (green while checked) inside a white/black 3-D frame.
class PaintedButton : public CButton
{
public:
    int m_nDrawn = 0;
    UINT m_nLastCtlType = 0;
    CString m_strCaption;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        ++m_nDrawn;
        m_nLastCtlType = lpDrawItemStruct->CtlType;
        CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
        const CRect face(lpDrawItemStruct->rcItem);
        pDC->FillSolidRect(&face, m_bChecked ? kGreen : kRed);
        pDC->Draw3dRect(&face, kWhite, kBlack);
        GetWindowText(m_strCaption);
    }

    BOOL m_bChecked = FALSE;
};

class ReflectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), L"reflection", WS_OVERLAPPEDWINDOW, 0, 0, 240, 120,
                                      nullptr, nullptr));
    }
    void TearDown() override
    {
        if (m_parent.m_hWnd != nullptr)
            m_parent.DestroyWindow();
    }

    CWnd m_parent;
};

TEST_F(ReflectionTest, OwnerDrawnButtonPaintsThroughItsOwnDrawItem)
{
    PaintedButton button;
    ASSERT_TRUE(button.Create(L"確定", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 70, 40), &m_parent, 100));
    EXPECT_EQ(button.GetButtonStyle() & BS_TYPEMASK, static_cast<UINT>(BS_OWNERDRAW));

    qvtest::MemoryCanvas canvas(60, 30, RGB(1, 2, 3));
    button.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    ASSERT_GE(button.m_nDrawn, 1) << "WM_DRAWITEM did not come back to the button";
    EXPECT_EQ(button.m_nLastCtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(button.m_strCaption, CString(L"確定"));
    EXPECT_EQ(canvas.pixel(30, 15), kRed);
    EXPECT_EQ(canvas.pixel(0, 0), kWhite);
    EXPECT_EQ(canvas.pixel(59, 29), kBlack);
    EXPECT_EQ(canvas.countColor(kRed), 58 * 28);

    // Painting the window for real goes the same way.
    const int drawnBefore = button.m_nDrawn;
    m_parent.ShowWindow(SW_SHOWNOACTIVATE);
    button.m_bChecked = TRUE;
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_GT(button.m_nDrawn, drawnBefore);
    canvas.fill(kWhite);
    button.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    EXPECT_EQ(canvas.countColor(kGreen), 58 * 28);
}

TEST_F(ReflectionTest, ButtonStateWrappersTalkToTheControl)
{
    CButton check;
    ASSERT_TRUE(check.Create(L"列印", WS_CHILD | WS_VISIBLE | BS_AUTO3STATE, CRect(10, 50, 100, 70), &m_parent, 101));
    EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
    check.SetCheck(BST_INDETERMINATE);
    EXPECT_EQ(check.GetCheck(), BST_INDETERMINATE);
    EXPECT_EQ(check.GetState() & 0x3, static_cast<UINT>(BST_INDETERMINATE));
    check.SetState(TRUE);
    EXPECT_TRUE(check.GetState() & BST_PUSHED);
    check.SetState(FALSE);
    EXPECT_FALSE(check.GetState() & BST_PUSHED);
    check.SetButtonStyle(BS_AUTOCHECKBOX);
    EXPECT_EQ(check.GetButtonStyle() & BS_TYPEMASK, static_cast<UINT>(BS_AUTOCHECKBOX));

    CButton picture;
    ASSERT_TRUE(picture.Create(L"", WS_CHILD | BS_ICON, CRect(0, 0, 40, 40), &m_parent, 102));
    HICON hIcon = ::LoadIcon(nullptr, IDI_INFORMATION);
    EXPECT_EQ(picture.SetIcon(hIcon), nullptr);
    EXPECT_EQ(picture.GetIcon(), hIcon);

    CStatic label;
    ASSERT_TRUE(label.Create(L"", WS_CHILD | SS_ICON, CRect(0, 0, 32, 32), &m_parent));
    EXPECT_EQ(label.SetIcon(hIcon), nullptr);
    EXPECT_EQ(label.GetIcon(), hIcon);
}

}  // namespace
