// Owner-drawn controls paint through DrawItem, reached by the parent's
// WM_DRAWITEM through reflection; windows paint through CPaintDC.
#include <gtest/gtest.h>

#include "afxcmn.h"
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

// An owner-drawn header: records which items it was asked to draw.
class RecordingHeader : public CHeaderCtrl
{
public:
    std::vector<UINT> m_drawnItems;
    UINT m_nLastCtlType = 0;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        m_drawnItems.push_back(lpDrawItemStruct->itemID);
        m_nLastCtlType = lpDrawItemStruct->CtlType;
        CDC::FromHandle(lpDrawItemStruct->hDC)->FillSolidRect(&lpDrawItemStruct->rcItem, kRed);
    }
};

TEST_F(ReflectionTest, OwnerDrawnHeaderItemsPaintThroughDrawItem)
{
    RecordingHeader header;
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 200, 24), &m_parent, 103));
    HDITEM item = {};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.cxy = 60;
    item.pszText = const_cast<LPWSTR>(L"姓名");
    item.fmt = HDF_STRING;
    EXPECT_EQ(header.InsertItem(0, &item), 0);
    item.pszText = const_cast<LPWSTR>(L"生日");
    item.fmt = HDF_OWNERDRAW;
    EXPECT_EQ(header.InsertItem(1, &item), 1);
    EXPECT_EQ(header.GetItemCount(), 2);

    qvtest::MemoryCanvas canvas(200, 24, kWhite);
    header.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    ASSERT_EQ(header.m_drawnItems, std::vector<UINT>{1}) << "only the owner-drawn item comes to DrawItem";
    EXPECT_EQ(header.m_nLastCtlType, static_cast<UINT>(ODT_HEADER));
    CRect second;
    ASSERT_TRUE(header.GetItemRect(1, &second));
    EXPECT_EQ(second.left, 60);
    EXPECT_EQ(canvas.pixel(90, 12), kRed);
    EXPECT_NE(canvas.pixel(30, 12), kRed);

    // Order: the whole order is read when no count is given.
    int order[2] = {1, 0};
    EXPECT_TRUE(header.SetOrderArray(2, order));
    int read[2] = {-1, -1};
    EXPECT_TRUE(header.GetOrderArray(read));
    EXPECT_EQ(read[0], 1);
    EXPECT_EQ(read[1], 0);
    EXPECT_EQ(header.OrderToIndex(0), 1);
    EXPECT_FALSE(header.GetOrderArray(nullptr));
    HDHITTESTINFO hit = {};
    hit.pt = CPoint(10, 10);
    EXPECT_EQ(header.HitTest(&hit), 1) << "the second item is shown first";

    // The image list comes back as this module's own wrapper.
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 1, 1));
    EXPECT_EQ(header.SetImageList(&images), nullptr);
    EXPECT_EQ(header.GetImageList(), &images);
    header.SetImageList(nullptr);
    EXPECT_TRUE(header.DeleteItem(0));
    EXPECT_EQ(header.GetItemCount(), 1);
}

// An owner-drawn report: records the rows it was asked to draw.
class RecordingList : public CListCtrl
{
public:
    std::vector<UINT> m_drawnRows;
    UINT m_nLastCtlType = 0;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        m_drawnRows.push_back(lpDrawItemStruct->itemID);
        m_nLastCtlType = lpDrawItemStruct->CtlType;
        CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
        pDC->FillSolidRect(&lpDrawItemStruct->rcItem, lpDrawItemStruct->itemID == 1 ? kGreen : kRed);
    }
};

TEST_F(ReflectionTest, OwnerDrawnReportRowsPaintThroughDrawItem)
{
    RecordingList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER,
                            CRect(0, 0, 200, 100), &m_parent, 104));
    list.InsertColumn(0, L"病歷號", LVCFMT_LEFT, 200);
    list.InsertItem(0, L"A001");
    list.InsertItem(1, L"A002");

    qvtest::MemoryCanvas canvas(200, 100, kWhite);
    list.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT | PRF_ERASEBKGND);
    ASSERT_EQ(list.m_drawnRows, (std::vector<UINT>{0, 1}));
    EXPECT_EQ(list.m_nLastCtlType, static_cast<UINT>(ODT_LISTVIEW));
    CRect row;
    ASSERT_TRUE(list.GetItemRect(1, &row, LVIR_BOUNDS));
    EXPECT_EQ(canvas.pixel(10, row.top + 1), kGreen);
    EXPECT_EQ(canvas.pixel(10, row.top - 1), kRed);
}

// A window that paints itself through CPaintDC in OnPaint.
class PaintingWindow : public CWnd
{
public:
    int m_nPainted = 0;
    BOOL m_bDCMatched = FALSE;
    CRect m_rcPaint;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        ++m_nPainted;
        m_bDCMatched = dc.m_hDC == dc.m_ps.hdc && dc.m_hDC != nullptr;
        m_rcPaint = dc.m_ps.rcPaint;
        dc.FillSolidRect(&dc.m_ps.rcPaint, kRed);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintingWindow, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST_F(ReflectionTest, PaintDCBeginsAndEndsThePaint)
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
    EXPECT_TRUE(window.m_bDCMatched);
    EXPECT_EQ(window.m_rcPaint, part);
    // EndPaint validated the window: nothing is left to paint.
    EXPECT_FALSE(::GetUpdateRect(window.m_hWnd, nullptr, FALSE));
    window.UpdateWindow();
    EXPECT_EQ(window.m_nPainted, 1);

    // A client DC reaches the same pixels; a window DC includes the frame.
    {
        CClientDC client(&window);
        ASSERT_NE(client.m_hDC, nullptr);
        EXPECT_EQ(CDC::FromHandlePermanent(client.m_hDC), &client);
        client.SetPixel(1, 1, kGreen);
        EXPECT_EQ(client.GetPixel(1, 1), kGreen);
    }
    CWindowDC whole(&window);
    EXPECT_NE(whole.m_hDC, nullptr);
    CClientDC screen(nullptr);
    EXPECT_EQ(screen.GetDeviceCaps(HORZRES), ::GetSystemMetrics(SM_CXSCREEN));
}

}  // namespace
