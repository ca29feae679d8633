// CNewHeaderCtrl: where DrawItem puts captions and images.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qvctrl.h"
#include "control/newheaderctrl.h"
#include "qvtest.h"

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGreen = RGB(0, 200, 0);
// Drawing goes into a memory bitmap and is read back from its pixels: Wine's
// metafile DCs cannot measure text, which DrawText's ellipsis needs.
class NewHeaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 600, 24), CWnd::FromHandle(host), 7));
        margin = 2 * textWidth(L" ");
    }
    void addItem(const wchar_t* caption, int format, int image = -1)
    {
        HDITEM item{HDI_TEXT | HDI_FORMAT | HDI_WIDTH | (image >= 0 ? HDI_IMAGE : 0u),
                    150,
                    const_cast<LPWSTR>(caption),
                    nullptr,
                    0,
                    format | HDF_OWNERDRAW,
                    0,
                    image};
        header.InsertItem(header.GetItemCount(), &item);
    }
    int textWidth(const wchar_t* text)
    {
        SIZE size{};
        ::GetTextExtentPoint32W(canvas.dc(), text, int(wcslen(text)), &size);
        return size.cx;
    }
    // Draws one item on a white canvas; answers the box of what is not white.
    RECT draw(int index, const RECT& rc, UINT state = 0)
    {
        canvas.fill(kWhite);
        DRAWITEMSTRUCT drawItem{ODT_HEADER, 7, UINT(index), ODA_DRAWENTIRE, state, header.GetSafeHwnd(), canvas.dc(),
                                rc,         0};
        header.DrawItem(&drawItem);
        return canvas.boundsOfNot(kWhite);
    }
    qvtest::HostWindow host;
    CNewHeaderCtrl header;
    qvtest::MemoryCanvas canvas{400, 24, kWhite};
    int margin = 0;
};
}   // namespace

TEST_F(NewHeaderTest, CaptionsKeepAMarginFollowTheirAlignmentEndInAnEllipsisAndMoveWhenPressed)
{
    ASSERT_GT(margin, 0);
    const std::wstring longCaption(300, L'W');
    addItem(L"Name", HDF_LEFT);
    addItem(L"Age", HDF_CENTER);
    addItem(L"Fee", HDF_RIGHT);
    addItem(longCaption.c_str(), HDF_LEFT);
    RECT ink = draw(0, RECT{100, 0, 250, 24});
    EXPECT_GE(ink.left, 100 + margin);
    EXPECT_LE(ink.left, 100 + margin + 2);
    ink = draw(1, RECT{100, 0, 250, 24});
    EXPECT_NEAR((ink.left + ink.right) / 2, 175, 2);
    ink = draw(2, RECT{100, 0, 250, 24});
    EXPECT_LE(ink.right, 250 - margin);
    EXPECT_GE(ink.right, 250 - margin - 2);
    ink = draw(3, RECT{0, 0, 80, 24});
    EXPECT_GT(ink.right, ink.left);
    EXPECT_LE(ink.right, 80 - margin) << "the ellipsis keeps the caption inside";
    ink = draw(3, RECT{0, 0, 2 * margin, 24});   // nothing left between the margins
    EXPECT_EQ(ink.right, ink.left);
    // Pressed, a caption moves one pixel right and one down in the middle; only exactly ODS_SELECTED counts.
    const RECT normal = draw(0, RECT{0, 0, 150, 24});
    const RECT pressed = draw(0, RECT{0, 0, 150, 24}, ODS_SELECTED);
    EXPECT_EQ(CRect(pressed), CRect(normal.left + 1, normal.top + 1, normal.right + 1, pressed.bottom));
    EXPECT_EQ(draw(0, RECT{0, 0, 150, 24}, ODS_SELECTED | ODS_FOCUS).left, normal.left);
}

TEST_F(NewHeaderTest, ImagesSitAfterTheMarginOrLeftOfARightAlignedCaption)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 0, 2));
    std::vector<DWORD> greenBits(16 * 16, 0x0000C800);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(16, 16, 1, 32, greenBits.data()));
    images.Add(&bitmap, static_cast<CBitmap*>(nullptr));
    header.m_pImageList = &images;
    addItem(L"Name", HDF_LEFT | HDF_IMAGE, 0);
    addItem(L"Fee", HDF_RIGHT | HDF_IMAGE, 0);
    addItem(L"Plain", HDF_LEFT);
    draw(0, RECT{100, 0, 250, 24});
    canvas.save(L"newheader_image");
    const RECT image{100 + 2 * margin, margin / 3, 100 + 2 * margin + 16, margin / 3 + 16};
    EXPECT_EQ(canvas.countColor(image, kGreen), 16 * 16);
    draw(1, RECT{100, 0, 250, 24});   // the caption, drawn after the image, may cover part of it
    const int left = 250 - margin - 2 * textWidth(L"F");
    EXPECT_GT(canvas.countColor(RECT{left, 0, left + 1, 24}, kGreen), 0);
    EXPECT_EQ(canvas.countColor(RECT{0, 0, left, 24}, kGreen), 0);
    draw(2, RECT{100, 0, 250, 24});
    EXPECT_EQ(canvas.countColor(kGreen), 0) << "an item without an image";
    header.m_pImageList = nullptr;
}
