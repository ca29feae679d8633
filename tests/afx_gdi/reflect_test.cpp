// Owner-drawn controls paint through DrawItem, reached by the parent's
// WM_DRAWITEM through reflection; windows paint through CPaintDC.
#include <gtest/gtest.h>
#include "afxcmn.h"
#include "qvtest.h"

namespace
{

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 128, 0);

// Records the items it is asked to draw and fills them: item 1 green, others red.
template <class Control> class RecordingDraw : public Control
{
public:
    std::vector<UINT> m_drawnItems;
    UINT m_nCtlType = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        m_drawnItems.push_back(lpDrawItemStruct->itemID);
        m_nCtlType = lpDrawItemStruct->CtlType;
        CDC::FromHandle(lpDrawItemStruct->hDC)
            ->FillSolidRect(&lpDrawItemStruct->rcItem, lpDrawItemStruct->itemID == 1 ? kGreen : kRed);
    }
};

class ReflectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), L"reflection", WS_OVERLAPPEDWINDOW, 0, 0, 240, 120,
                                      nullptr, nullptr));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    // What the control paints into a white canvas of its size.
    void PrintInto(CWnd& control, qvtest::MemoryCanvas& canvas)
    {
        control.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT | PRF_ERASEBKGND);
    }
    CWnd m_parent;
};

TEST_F(ReflectionTest, OwnerDrawnButtonPaintsThroughItsOwnDrawItem)
{
    RecordingDraw<CButton> button;
    ASSERT_TRUE(button.Create(L"確定", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 70, 40), &m_parent, 100));
    qvtest::MemoryCanvas canvas(60, 30, kWhite);
    PrintInto(button, canvas);
    ASSERT_EQ(button.m_drawnItems.size(), 1u) << "WM_DRAWITEM did not come back to the button";
    EXPECT_EQ(button.m_nCtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(canvas.countColor(kRed), 60 * 30);
    // Painting the window for real goes the same way.
    m_parent.ShowWindow(SW_SHOWNOACTIVATE);
    button.UpdateWindow();
    const size_t drawnBefore = button.m_drawnItems.size();
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_EQ(button.m_drawnItems.size(), drawnBefore + 1);
}

// Paints its update rectangle red through CPaintDC.
class PaintingWindow : public CWnd
{
public:
    int m_nPainted = 0;
    CRect m_rcPaint;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        ++m_nPainted;
        m_rcPaint = dc.m_ps.rcPaint;
        dc.FillSolidRect(&dc.m_ps.rcPaint, kRed);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintingWindow, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST_F(ReflectionTest, PaintDCEndsThePaintAndClientDCsAreMapped)
{
    PaintingWindow window;
    ASSERT_TRUE(window.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 40), &m_parent, 105));
    m_parent.ShowWindow(SW_SHOWNOACTIVATE);
    window.UpdateWindow();
    window.m_nPainted = 0;
    const CRect part(5, 5, 20, 15);
    window.InvalidateRect(&part, FALSE);
    window.UpdateWindow();
    EXPECT_EQ(window.m_nPainted, 1);
    EXPECT_EQ(window.m_rcPaint, part);
    EXPECT_FALSE(::GetUpdateRect(window.m_hWnd, nullptr, FALSE)) << "EndPaint did not validate the window";
    CClientDC client(&window);
    EXPECT_EQ(CDC::FromHandlePermanent(client.m_hDC), &client);
    EXPECT_EQ(client.GetPixel(10, 10), kRed);
}

}   // namespace
