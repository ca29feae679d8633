// Drawing through CDC into a memory bitmap, checked pixel by pixel.
#include <gtest/gtest.h>
#include "afxwin.h"
#include "qvtest.h"

namespace
{

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0);
const COLORREF kBlack = RGB(0, 0, 0);

// A white canvas and a CDC that borrows its DC for the length of a test.
class CanvasTest : public ::testing::Test
{
protected:
    struct BorrowedDC : CDC
    {
        explicit BorrowedDC(HDC hDC) { Attach(hDC); }
        ~BorrowedDC() override { Detach(); }
    };
    qvtest::MemoryCanvas canvas{200, 40, kWhite};
    BorrowedDC dc{canvas.dc()};
};

TEST_F(CanvasTest, FillSolidRectAndDraw3dRectPaintExactlyTheirPixels)
{
    dc.SetBkColor(kGreen);
    dc.FillSolidRect(5, 6, 10, 8, kRed);
    EXPECT_EQ(canvas.countColor(CRect(5, 6, 15, 14), kRed), 10 * 8);
    EXPECT_EQ(canvas.countColor(kRed), 10 * 8);
    EXPECT_EQ(dc.GetBkColor(), kGreen) << "the fill colour must not stay behind";
    dc.FillSolidRect(nullptr, kBlue);   // nothing to fill, nothing to crash
    EXPECT_TRUE(dc.BitBlt(20, 0, 5, 5, nullptr, 0, 0, BLACKNESS)) << "this operation reads no source";
    EXPECT_EQ(canvas.countColor(kBlack), 25);
    canvas.fill(kWhite);
    const CRect frame(5, 5, 15, 12);   // 10 wide, 7 high
    dc.Draw3dRect(&frame, kRed, kBlue);
    // Top and left in the first colour; right, bottom and the two shared corners in the second.
    struct Side
    {
        CRect line;
        COLORREF colour;
    };
    for (const Side& side : {Side{CRect(5, 5, 14, 6), kRed}, Side{CRect(5, 5, 6, 11), kRed},
                             Side{CRect(14, 5, 15, 12), kBlue}, Side{CRect(5, 11, 15, 12), kBlue}})
    {
        SCOPED_TRACE(testing::Message() << "side " << side.line.left << "," << side.line.top);
        EXPECT_EQ(canvas.countColor(side.line, side.colour), side.line.Width() * side.line.Height());
    }
    EXPECT_EQ(canvas.countColor(kRed) + canvas.countColor(kBlue), 2 * 10 + 2 * 7 - 4) << "only the frame is drawn";
    canvas.fill(kWhite);
    dc.Draw3dRect(0, 0, 0, 5, kRed, kBlue);
    EXPECT_EQ(canvas.countColor(kWhite), 200 * 40) << "an empty rectangle draws nothing";
}

TEST_F(CanvasTest, DrawTextShortensOnlyAStringItMayChangeAndIgnoresBadInput)
{
    dc.SelectStockObject(DEFAULT_GUI_FONT);
    dc.SetBkMode(TRANSPARENT);
    const CString longText = L"A rather long line of text that cannot fit in sixty pixels";
    CRect box(10, 10, 70, 30);
    ASSERT_GT(dc.GetTextExtent(longText).cx, box.Width());
    EXPECT_GT(dc.DrawText(longText, &box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING), 0);
    const RECT inked = canvas.boundsOfNot(kWhite);
    ASSERT_LT(inked.left, inked.right) << "nothing was drawn";
    EXPECT_GE(inked.left, box.left);
    EXPECT_LE(inked.right, box.right);
    EXPECT_STREQ(longText, L"A rather long line of text that cannot fit in sixty pixels");
    CString shortened = longText;
    dc.DrawText(shortened, &box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    EXPECT_STREQ(shortened.Right(3), L"...");
    EXPECT_EQ(longText.Find(shortened.Left(shortened.GetLength() - 3)), 0);
    EXPECT_LE(dc.GetTextExtent(shortened).cx, box.Width());
    canvas.fill(kWhite);
    EXPECT_EQ(dc.DrawText(nullptr, 5, &box, DT_SINGLELINE), 0);
    EXPECT_EQ(dc.DrawText(shortened, nullptr, DT_SINGLELINE | DT_MODIFYSTRING), 0);
    EXPECT_TRUE(dc.TextOut(0, 0, nullptr, 4));
    EXPECT_EQ(dc.GetTextExtent(nullptr, 7), CSize(0, 0));
    EXPECT_EQ(canvas.countColor(kWhite), 200 * 40);
}

TEST_F(CanvasTest, SelectObjectHandsBackThePreviousWrapperAndNullChangesNothing)
{
    CFont first;
    CFont second;
    ASSERT_TRUE(first.CreatePointFont(100, L"Tahoma"));
    ASSERT_TRUE(second.CreateFont(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    // The canvas starts with the stock font: a temporary wrapper of the right class.
    CFont* original = dc.SelectObject(&first);
    ASSERT_NE(original, nullptr);
    EXPECT_TRUE(original->IsKindOf(RUNTIME_CLASS(CFont)));
    EXPECT_EQ(CGdiObject::FromHandlePermanent(original->m_hObject), nullptr);
    const HGDIOBJ originalHandle = original->m_hObject;
    EXPECT_EQ(dc.SelectObject(&second), &first);
    EXPECT_EQ(dc.SelectObject(original), &second);
    EXPECT_EQ(::GetCurrentObject(canvas.dc(), OBJ_FONT), originalHandle);
    EXPECT_EQ(dc.SelectObject(static_cast<CFont*>(nullptr)), nullptr);
    CFont empty;
    EXPECT_EQ(dc.SelectObject(&empty), nullptr);
    EXPECT_EQ(dc.SelectObject(static_cast<CRgn*>(nullptr)), ERROR);
    EXPECT_EQ(::GetCurrentObject(canvas.dc(), OBJ_FONT), originalHandle);
    CGdiObject::DeleteTempMap();
}

TEST_F(CanvasTest, OnlyTheClipRegionIsPainted)
{
    CRgn left;
    CRgn right;
    CRgn both;
    ASSERT_TRUE(left.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(right.CreateRectRgn(20, 0, 30, 10));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(both.CombineRgn(&left, &right, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(dc.SelectObject(&both), COMPLEXREGION);
    dc.FillSolidRect(0, 0, 40, 40, kRed);
    EXPECT_EQ(canvas.countColor(kRed), 2 * 100);
    dc.SelectClipRgn(nullptr);
}

TEST(CDCAttributes, SettersReachBothDCsQueriesAndRestoreKeepThemApart)
{
    qvtest::MemoryCanvas output(10, 10, kWhite);
    qvtest::MemoryCanvas attributes(10, 10, kWhite);
    CDC dc;
    dc.SetOutputDC(output.dc());
    dc.SetAttribDC(attributes.dc());
    dc.SetTextColor(kRed);
    dc.SetBkMode(TRANSPARENT);
    for (HDC hDC : {output.dc(), attributes.dc()})
    {
        EXPECT_EQ(::GetTextColor(hDC), kRed);
        EXPECT_EQ(::GetBkMode(hDC), TRANSPARENT);
    }
    ::SetTextColor(attributes.dc(), kGreen);
    EXPECT_EQ(dc.GetTextColor(), kGreen) << "queries read the attribute DC";
    const int saved = dc.SaveDC();
    EXPECT_GT(saved, 0);
    dc.SetTextColor(kBlack);
    EXPECT_TRUE(dc.RestoreDC(saved));
    EXPECT_EQ(::GetTextColor(output.dc()), kRed);
    EXPECT_EQ(::GetTextColor(attributes.dc()), kGreen);
    dc.ReleaseAttribDC();
    dc.ReleaseOutputDC();
}

}   // namespace
