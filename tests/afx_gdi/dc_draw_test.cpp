// Drawing through CDC into a memory bitmap, checked pixel by pixel.
#include <gtest/gtest.h>

#include "afxwin.h"
#include "cstring_printer.h"
#include "qvtest.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0);
const COLORREF kBlack = RGB(0, 0, 0);

// A CDC that borrows the canvas's DC for the length of a test.
class BorrowedDC : public CDC
{
public:
    explicit BorrowedDC(HDC hDC) { Attach(hDC); }
    ~BorrowedDC() override { Detach(); }
};

TEST(CDCFill, FillSolidRectFillsExactlyTheRectangleAndKeepsTheBackgroundColour)
{
    qvtest::MemoryCanvas canvas(40, 30, kWhite);
    BorrowedDC dc(canvas.dc());
    dc.SetBkColor(kGreen);

    dc.FillSolidRect(5, 6, 10, 8, kRed);
    const RECT filled = {5, 6, 15, 14};
    EXPECT_EQ(canvas.countColor(filled, kRed), 10 * 8);
    EXPECT_EQ(canvas.countColor(kRed), 10 * 8);
    EXPECT_EQ(dc.GetBkColor(), kGreen);

    const CRect other(20, 20, 25, 22);
    dc.FillSolidRect(&other, kBlue);
    EXPECT_EQ(canvas.countColor(other, kBlue), 5 * 2);
    EXPECT_EQ(canvas.pixel(19, 20), kWhite);

    dc.FillSolidRect(nullptr, kBlue);  // nothing to fill, nothing to crash
    EXPECT_EQ(canvas.countColor(kBlue), 10);
}

TEST(CDCFill, Draw3dRectColoursEachSideAndTheCorners)
{
    qvtest::MemoryCanvas canvas(30, 30, kWhite);
    BorrowedDC dc(canvas.dc());
    const CRect frame(5, 5, 15, 12);  // 10 wide, 7 high
    dc.Draw3dRect(&frame, kRed, kBlue);

    for (int x = 5; x <= 13; ++x)
        EXPECT_EQ(canvas.pixel(x, 5), kRed) << "top at x=" << x;
    for (int y = 5; y <= 10; ++y)
        EXPECT_EQ(canvas.pixel(5, y), kRed) << "left at y=" << y;
    for (int y = 5; y <= 11; ++y)
        EXPECT_EQ(canvas.pixel(14, y), kBlue) << "right at y=" << y;
    for (int x = 5; x <= 14; ++x)
        EXPECT_EQ(canvas.pixel(x, 11), kBlue) << "bottom at x=" << x;
    // Top-right and bottom-left corners belong to the bottom-right colour.
    EXPECT_EQ(canvas.pixel(14, 5), kBlue);
    EXPECT_EQ(canvas.pixel(5, 11), kBlue);
    // Only the frame is drawn: the inside and the outside stay white.
    EXPECT_EQ(canvas.pixel(9, 8), kWhite);
    EXPECT_EQ(canvas.pixel(15, 8), kWhite);
    EXPECT_EQ(canvas.pixel(9, 12), kWhite);
    EXPECT_EQ(canvas.countColor(kRed) + canvas.countColor(kBlue), 2 * 10 + 2 * 7 - 4);

    canvas.fill(kWhite);
    dc.Draw3dRect(0, 0, 0, 5, kRed, kBlue);  // an empty rectangle draws nothing
    EXPECT_EQ(canvas.countColor(kWhite), 30 * 30);
}

TEST(CDCText, DrawTextWithEndEllipsisStaysInsideAndShortensOnlyAStringItMayChange)
{
    qvtest::MemoryCanvas canvas(200, 40, kWhite);
    BorrowedDC dc(canvas.dc());
    dc.SelectStockObject(DEFAULT_GUI_FONT);
    dc.SetTextColor(kBlack);
    dc.SetBkMode(TRANSPARENT);

    const CString longText = L"A rather long line of text that cannot fit in sixty pixels";
    CRect box(10, 10, 70, 30);
    const CSize fullSize = dc.GetTextExtent(longText);
    ASSERT_GT(fullSize.cx, box.Width());

    EXPECT_GT(dc.DrawText(longText, &box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING), 0);
    const RECT inked = canvas.boundsOfNot(kWhite);
    ASSERT_LT(inked.left, inked.right) << "nothing was drawn";
    EXPECT_GE(inked.left, box.left);
    EXPECT_LE(inked.right, box.right);
    // A const string is left alone even when DT_MODIFYSTRING is asked for.
    EXPECT_EQ(longText, CString(L"A rather long line of text that cannot fit in sixty pixels"));

    CString shortened = longText;
    dc.DrawText(shortened, &box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    EXPECT_LT(shortened.GetLength(), longText.GetLength());
    EXPECT_EQ(shortened.Right(3), CString(L"..."));
    EXPECT_EQ(longText.Find(shortened.Left(shortened.GetLength() - 3)), 0);
    EXPECT_LE(dc.GetTextExtent(shortened).cx, box.Width());

    // The pointer form draws the same pixels as the CString form.
    const qvtest::PixelImage viaCString = canvas.image();
    canvas.fill(kWhite);
    dc.DrawText(longText.GetString(), longText.GetLength(), &box, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(canvas.image().pixels, viaCString.pixels);

    // Bad input draws nothing.
    canvas.fill(kWhite);
    EXPECT_EQ(dc.DrawText(nullptr, 5, &box, DT_SINGLELINE), 0);
    EXPECT_EQ(dc.DrawText(L"abc", 3, nullptr, DT_SINGLELINE), 0);
    EXPECT_EQ(dc.TextOut(0, 0, nullptr, 4), TRUE);
    EXPECT_EQ(dc.GetTextExtent(nullptr, 7), CSize(0, 0));
    EXPECT_EQ(canvas.countColor(kWhite), 200 * 40);
}

TEST(CDCText, TextMeasurementAndFaceComeFromTheSelectedFont)
{
    qvtest::MemoryCanvas canvas(100, 40, kWhite);
    BorrowedDC dc(canvas.dc());
    CFont font;
    ASSERT_TRUE(font.CreateFont(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    dc.SelectObject(&font);

    CString face;
    EXPECT_GT(dc.GetTextFace(face), 0);
    EXPECT_EQ(face, CString(L"Tahoma"));
    TEXTMETRIC metrics = {};
    ASSERT_TRUE(dc.GetTextMetrics(&metrics));
    EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 20);
    const CSize one = dc.GetTextExtent(L"WWWW", 2);
    const CSize two = dc.GetTextExtent(CString(L"WWWW"));
    EXPECT_EQ(two.cx, 2 * one.cx);
    EXPECT_EQ(dc.GetOutputTextExtent(CString(L"WWWW")), two);

    // Tabs expand to the given stops.
    int stops[] = {60};
    const CSize tabbed = dc.GetTabbedTextExtent(L"W\tW", 3, 1, stops);
    EXPECT_EQ(tabbed.cx, 60 + one.cx / 2);
    dc.SelectStockObject(SYSTEM_FONT);
}

TEST(CDCSelect, SelectObjectHandsBackThePreviousWrapperAndRestores)
{
    qvtest::MemoryCanvas canvas(20, 20, kWhite);
    BorrowedDC dc(canvas.dc());
    CFont first;
    CFont second;
    ASSERT_TRUE(first.CreatePointFont(100, L"Tahoma"));
    ASSERT_TRUE(second.CreatePointFont(140, L"Tahoma"));

    // The canvas starts with the stock font: a temporary wrapper of the right class.
    CFont* original = dc.SelectObject(&first);
    ASSERT_NE(original, nullptr);
    EXPECT_TRUE(original->IsKindOf(RUNTIME_CLASS(CFont)));
    EXPECT_EQ(CGdiObject::FromHandlePermanent(original->m_hObject), nullptr);
    const HGDIOBJ originalHandle = original->m_hObject;

    EXPECT_EQ(dc.SelectObject(&second), &first);
    EXPECT_EQ(dc.GetCurrentFont(), &second);
    EXPECT_EQ(dc.SelectObject(&first), &second);
    CFont* back = dc.SelectObject(original);
    EXPECT_EQ(back, &first);
    EXPECT_EQ(::GetCurrentObject(canvas.dc(), OBJ_FONT), originalHandle);

    // Pens, brushes and stock objects the same way.
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kBlue);
    CPen* oldPen = dc.SelectObject(&pen);
    ASSERT_NE(oldPen, nullptr);
    EXPECT_TRUE(oldPen->IsKindOf(RUNTIME_CLASS(CPen)));
    CBrush* oldBrush = dc.SelectObject(&brush);
    ASSERT_NE(oldBrush, nullptr);
    EXPECT_TRUE(oldBrush->IsKindOf(RUNTIME_CLASS(CBrush)));
    dc.Rectangle(2, 2, 10, 10);
    EXPECT_EQ(canvas.pixel(2, 2), kRed);
    EXPECT_EQ(canvas.pixel(5, 5), kBlue);
    CGdiObject* replaced = dc.SelectStockObject(NULL_BRUSH);
    EXPECT_EQ(replaced, &brush);
    EXPECT_EQ(dc.SelectObject(oldPen), &pen);

    // Null selects nothing and changes nothing.
    EXPECT_EQ(dc.SelectObject(static_cast<CFont*>(nullptr)), nullptr);
    CFont empty;
    EXPECT_EQ(dc.SelectObject(&empty), nullptr);
    EXPECT_EQ(::GetCurrentObject(canvas.dc(), OBJ_FONT), originalHandle);
    CGdiObject::DeleteTempMap();
}

TEST(CDCSelect, ClipRegionsAndRegionsWork)
{
    qvtest::MemoryCanvas canvas(40, 40, kWhite);
    BorrowedDC dc(canvas.dc());

    CRgn left;
    CRgn right;
    CRgn both;
    ASSERT_TRUE(left.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(right.CreateRectRgn(20, 0, 30, 10));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(both.CombineRgn(&left, &right, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(both.PtInRegion(5, 5));
    EXPECT_FALSE(both.PtInRegion(15, 5));
    CRect box;
    EXPECT_EQ(both.GetRgnBox(&box), COMPLEXREGION);
    EXPECT_EQ(box, CRect(0, 0, 30, 10));
    EXPECT_EQ(both.CombineRgn(&left, nullptr, RGN_OR), ERROR);

    CRgn copy;
    ASSERT_TRUE(copy.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(copy.CopyRgn(&both), COMPLEXREGION);
    EXPECT_TRUE(copy.EqualRgn(&both));
    copy.OffsetRgn(5, 20);
    EXPECT_FALSE(copy.EqualRgn(&both));
    EXPECT_FALSE(copy.EqualRgn(nullptr));
    EXPECT_TRUE(copy.PtInRegion(CPoint(6, 21)));

    // Only the clip region is painted.
    EXPECT_EQ(dc.SelectObject(&both), COMPLEXREGION);
    dc.FillSolidRect(0, 0, 40, 40, kRed);
    EXPECT_EQ(canvas.countColor(kRed), 2 * 100);
    EXPECT_EQ(dc.GetClipBox(&box), COMPLEXREGION);
    EXPECT_EQ(box, CRect(0, 0, 30, 10));
    dc.SelectClipRgn(nullptr);
    dc.IntersectClipRect(CRect(30, 30, 35, 35));
    dc.ExcludeClipRect(30, 30, 32, 35);
    dc.FillSolidRect(0, 0, 40, 40, kBlue);
    EXPECT_EQ(canvas.countColor(kBlue), 3 * 5);
    dc.SelectClipRgn(nullptr);
}

TEST(CDCMapping, MappingModesConvertPointsAndSizes)
{
    qvtest::MemoryCanvas canvas(100, 100, kWhite);
    BorrowedDC dc(canvas.dc());
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, 100);
    EXPECT_EQ(dc.SetViewportExt(200, -50), CSize(1, 1));
    dc.SetViewportOrg(10, 90);
    EXPECT_EQ(dc.GetMapMode(), MM_ANISOTROPIC);
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(10, 90));

    CPoint point(10, 20);
    dc.LPtoDP(&point);
    EXPECT_EQ(point, CPoint(30, 80));
    dc.DPtoLP(&point);
    EXPECT_EQ(point, CPoint(10, 20));
    // Sizes keep their sign: only the scale applies.
    CSize size(10, 20);
    dc.LPtoDP(&size);
    EXPECT_EQ(size, CSize(20, 10));
    dc.DPtoLP(&size);
    EXPECT_EQ(size, CSize(10, 20));

    EXPECT_EQ(dc.OffsetViewportOrg(5, -5), CPoint(10, 90));
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(15, 85));
    dc.SetMapMode(MM_TEXT);
    dc.SetViewportOrg(0, 0);
}

TEST(CDCAttributes, SettersReachBothTheOutputAndTheAttributeDC)
{
    qvtest::MemoryCanvas output(10, 10, kWhite);
    qvtest::MemoryCanvas attributes(10, 10, kWhite);
    CDC dc;
    dc.SetOutputDC(output.dc());
    dc.SetAttribDC(attributes.dc());

    dc.SetTextColor(kRed);
    dc.SetBkColor(kBlue);
    dc.SetBkMode(TRANSPARENT);
    dc.SetROP2(R2_XORPEN);
    for (HDC hDC : {output.dc(), attributes.dc()}) {
        EXPECT_EQ(::GetTextColor(hDC), kRed);
        EXPECT_EQ(::GetBkColor(hDC), kBlue);
        EXPECT_EQ(::GetBkMode(hDC), TRANSPARENT);
        EXPECT_EQ(::GetROP2(hDC), R2_XORPEN);
    }
    // Queries read the attribute DC.
    ::SetTextColor(attributes.dc(), kGreen);
    EXPECT_EQ(dc.GetTextColor(), kGreen);

    const int saved = dc.SaveDC();
    EXPECT_GT(saved, 0);
    dc.SetTextColor(kBlack);
    EXPECT_TRUE(dc.RestoreDC(saved));
    EXPECT_EQ(::GetTextColor(output.dc()), kRed);
    EXPECT_EQ(::GetTextColor(attributes.dc()), kGreen);

    dc.ReleaseAttribDC();
    dc.ReleaseOutputDC();
}

TEST(CDCHandleMap, PermanentAndTemporaryWrappersOfDCs)
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    ASSERT_NE(hDC, nullptr);
    CDC* temporary = CDC::FromHandle(hDC);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(temporary->GetSafeHdc(), hDC);
    EXPECT_EQ(CDC::FromHandle(hDC), temporary);
    EXPECT_EQ(CDC::FromHandlePermanent(hDC), nullptr);
    CDC::DeleteTempMap();
    // Freeing a temporary wrapper does not delete the DC.
    EXPECT_EQ(::GetObjectType(hDC), static_cast<DWORD>(OBJ_MEMDC));

    {
        CDC owner;
        EXPECT_TRUE(owner.Attach(hDC));
        EXPECT_EQ(CDC::FromHandle(hDC), &owner);
        EXPECT_EQ(CDC::FromHandlePermanent(hDC), &owner);
        EXPECT_EQ(owner.m_hAttribDC, hDC);
    }
    // The owner deleted it and left the map.
    EXPECT_EQ(::GetObjectType(hDC), 0u);
    EXPECT_EQ(CDC::FromHandlePermanent(hDC), nullptr);

    const CDC* none = nullptr;
    EXPECT_EQ(none->GetSafeHdc(), nullptr);
    EXPECT_EQ(CDC::FromHandle(nullptr), nullptr);

    CDC compatible;
    EXPECT_TRUE(compatible.CreateCompatibleDC(nullptr));
    const LONG failuresBefore = AfxGetAssertFailureCount();
    EXPECT_FALSE(compatible.CreateCompatibleDC(nullptr)) << "a second DC would leak the first";
    EXPECT_EQ(AfxGetAssertFailureCount(), failuresBefore + 1);
    EXPECT_EQ(compatible.GetDeviceCaps(TECHNOLOGY), DT_RASDISPLAY);
}

TEST(CDCBlt, BitBltAndPatBltCopyAndPaintPixels)
{
    qvtest::MemoryCanvas target(20, 20, kWhite);
    BorrowedDC dc(target.dc());
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&dc));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 4, 4));
    BITMAP info = {};
    ASSERT_TRUE(bitmap.GetBitmap(&info));
    EXPECT_EQ(info.bmWidth, 4);
    EXPECT_EQ(info.bmHeight, 4);

    CBitmap* previous = memory.SelectObject(&bitmap);
    ASSERT_NE(previous, nullptr);
    memory.FillSolidRect(0, 0, 4, 4, kRed);
    memory.SetPixel(0, 0, kBlue);
    EXPECT_EQ(memory.GetPixel(0, 0), kBlue);
    EXPECT_TRUE(dc.BitBlt(10, 10, 4, 4, &memory, 0, 0, SRCCOPY));
    EXPECT_EQ(target.pixel(10, 10), kBlue);
    EXPECT_EQ(target.countColor(kRed), 15);
    EXPECT_TRUE(dc.StretchBlt(0, 0, 8, 8, &memory, 0, 0, 4, 4, SRCCOPY));
    EXPECT_EQ(target.countColor(CRect(0, 0, 8, 8), kBlue), 4);

    CBrush green(kGreen);
    dc.SelectObject(&green);
    EXPECT_TRUE(dc.PatBlt(0, 15, 5, 5, PATCOPY));
    EXPECT_EQ(target.countColor(kGreen), 25);
    // A null source is fine for a raster operation that reads none.
    EXPECT_TRUE(dc.BitBlt(15, 0, 5, 5, nullptr, 0, 0, BLACKNESS));
    EXPECT_EQ(target.countColor(kBlack), 25);
    dc.SelectStockObject(WHITE_BRUSH);
    memory.SelectObject(previous);
}

}  // namespace
