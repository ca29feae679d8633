// CNewHeaderCtrl: where DrawItem puts captions and images, read from metafile records.
#include <gtest/gtest.h>

#include <string>

#include "qvctrl.h"
#include "control/newheaderctrl.h"
#include "qvtest.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGreen = RGB(0, 200, 0);

// Drawing goes into a memory bitmap and is read back from its pixels: Wine's
// metafile DCs cannot measure text, which DrawText's ellipsis needs.
class NewHeaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 600, 24), CWnd::FromHandle(host), 7));
        SIZE space{};
        ::GetTextExtentPoint32W(canvas.dc(), L" ", 1, &space);
        margin = 2 * space.cx;
    }

    void addItem(const wchar_t* caption, int width, int format, int image = -1)
    {
        HDITEM item{};
        item.mask = HDI_TEXT | HDI_FORMAT | HDI_WIDTH | (image >= 0 ? HDI_IMAGE : 0);
        item.pszText = const_cast<LPWSTR>(caption);
        item.cxy = width;
        item.fmt = format | HDF_OWNERDRAW;
        item.iImage = image;
        header.InsertItem(header.GetItemCount(), &item);
    }

    int textWidth(const wchar_t* text, int count = -1)
    {
        SIZE size{};
        ::GetTextExtentPoint32W(canvas.dc(), text, count < 0 ? int(wcslen(text)) : count, &size);
        return size.cx;
    }

    // Draws one item on a white canvas; answers the box of what is not white.
    RECT draw(int index, const RECT& rc, UINT state = 0)
    {
        canvas.fill(kWhite);
        DRAWITEMSTRUCT drawItem{};
        drawItem.CtlType = ODT_HEADER;
        drawItem.CtlID = 7;
        drawItem.itemID = UINT(index);
        drawItem.itemAction = ODA_DRAWENTIRE;
        drawItem.itemState = state;
        drawItem.hwndItem = header.GetSafeHwnd();
        drawItem.hDC = canvas.dc();
        drawItem.rcItem = rc;
        header.DrawItem(&drawItem);
        return canvas.boundsOfNot(kWhite);
    }

    qvtest::HostWindow host;
    CNewHeaderCtrl header;
    qvtest::MemoryCanvas canvas{400, 24, kWhite};
    int margin = 0;
};

}  // namespace

TEST_F(NewHeaderTest, CaptionsKeepAMarginOfTwoSpacesAndFollowTheirAlignment)
{
    ASSERT_GT(margin, 0);
    addItem(L"Name", 150, HDF_LEFT);
    addItem(L"Age", 150, HDF_CENTER);
    addItem(L"Fee", 150, HDF_RIGHT);

    RECT ink = draw(0, RECT{100, 0, 250, 24});
    EXPECT_GE(ink.left, 100 + margin);
    EXPECT_LE(ink.left, 100 + margin + 2);

    ink = draw(1, RECT{100, 0, 250, 24});
    EXPECT_NEAR((ink.left + ink.right) / 2, 175, 2);

    ink = draw(2, RECT{100, 0, 250, 24});
    EXPECT_LE(ink.right, 250 - margin);
    EXPECT_GE(ink.right, 250 - margin - 2);
    EXPECT_GE(ink.left, 250 - margin - textWidth(L"Fee"));
}

TEST_F(NewHeaderTest, PressedItemsMoveOneRightAndOneDownInTheMiddle)
{
    addItem(L"Name", 150, HDF_LEFT);
    const RECT normal = draw(0, RECT{0, 0, 150, 24});
    const RECT pressed = draw(0, RECT{0, 0, 150, 24}, ODS_SELECTED);
    EXPECT_EQ(pressed.left, normal.left + 1);
    EXPECT_EQ(pressed.right, normal.right + 1);
    EXPECT_EQ(pressed.top, normal.top + 1) << "centred in a band two pixels lower at the top";
    const RECT focused = draw(0, RECT{0, 0, 150, 24}, ODS_SELECTED | ODS_FOCUS);
    EXPECT_EQ(focused.left, normal.left) << "only exactly ODS_SELECTED counts as pressed";
}

TEST_F(NewHeaderTest, LongCaptionsStopAtTheMarginAndNarrowItemsShowNothing)
{
    const std::wstring longCaption(300, L'W');
    addItem(longCaption.c_str(), 80, HDF_LEFT);
    RECT ink = draw(0, RECT{0, 0, 80, 24});
    EXPECT_GT(ink.right, ink.left);
    EXPECT_LE(ink.right, 80 - margin) << "the ellipsis keeps the caption inside";

    ink = draw(0, RECT{0, 0, 2 * margin, 24});   // nothing left between the margins
    EXPECT_EQ(ink.right, ink.left);
}

TEST_F(NewHeaderTest, ImagesSitAfterTheMarginOrLeftOfARightAlignedCaption)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 0, 2));
    CBitmap bitmap;
    {
        CClientDC dc(&header);
        bitmap.CreateCompatibleBitmap(&dc, 16, 16);
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        CBitmap* old = memory.SelectObject(&bitmap);
        memory.FillSolidRect(CRect(0, 0, 16, 16), kGreen);
        memory.SelectObject(old);
    }
    images.Add(&bitmap, static_cast<CBitmap*>(nullptr));
    header.m_pImageList = &images;
    addItem(L"Name", 150, HDF_LEFT | HDF_IMAGE, 0);
    addItem(L"Fee", 150, HDF_RIGHT | HDF_IMAGE, 0);
    addItem(L"Plain", 150, HDF_LEFT);

    draw(0, RECT{100, 0, 250, 24});
    canvas.save(L"newheader_image");
    RECT green{};
    auto greenBox = [&] {
        RECT box{INT_MAX, INT_MAX, -1, -1};
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (canvas.pixel(x, y) == kGreen)
                {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box;
    };
    green = greenBox();
    EXPECT_EQ(green.left, 100 + 2 * margin);
    EXPECT_EQ(green.top, margin / 3);

    draw(1, RECT{100, 0, 250, 24});
    green = greenBox();
    EXPECT_EQ(green.left, 250 - margin - 2 * textWidth(L"F", 1));

    draw(2, RECT{100, 0, 250, 24});
    EXPECT_EQ(canvas.countColor(kGreen), 0) << "an item without an image";
    header.m_pImageList = nullptr;
}
