// CPoint, CSize and CRect: MFC's arithmetic, and the Win32 rectangle
// functions reached through them.
#include <gtest/gtest.h>

#include "atltypes.h"

TEST(CRectTypes, PointAndSizeArithmetic)
{
    CPoint point(3, 4);
    point += CSize(1, 1);
    point -= CPoint(2, 2);
    EXPECT_TRUE(point == CPoint(2, 3));
    EXPECT_TRUE(CPoint(5, 5) - CPoint(2, 1) == CSize(3, 4));
    EXPECT_TRUE(-CPoint(1, -2) == CPoint(-1, 2));
    EXPECT_TRUE(CPoint(MAKELPARAM(-5, 7)) == CPoint(-5, 7));  // signed words of a mouse lParam
    EXPECT_TRUE(CSize(MAKELONG(-1, 2)) == CSize(-1, 2));
    EXPECT_TRUE(CSize(2, 3) + CPoint(1, 1) == CPoint(3, 4));
    CRect moved = CPoint(10, 20) + CRect(0, 0, 5, 5);
    EXPECT_TRUE(moved == CRect(10, 20, 15, 25));
}

TEST(CRectTypes, MeasuresAndCorners)
{
    CRect rect(10, 20, 110, 70);
    EXPECT_EQ(100, rect.Width());
    EXPECT_EQ(50, rect.Height());
    EXPECT_TRUE(rect.Size() == CSize(100, 50));
    EXPECT_TRUE(rect.CenterPoint() == CPoint(60, 45));
    rect.TopLeft() = CPoint(0, 0);  // a reference into the rectangle
    rect.BottomRight().x = 5;
    EXPECT_TRUE(rect == CRect(0, 0, 5, 70));
    EXPECT_TRUE(rect.PtInRect(CPoint(0, 0)));
    EXPECT_FALSE(rect.PtInRect(CPoint(5, 0)));  // right edge is outside

    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 1, 10).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 5, 10).IsRectNull());

    // A RECT* parameter takes a CRect as it is.
    CRect client;
    RECT* pRect = client;
    SetRect(pRect, 1, 2, 3, 4);
    EXPECT_TRUE(client == CRect(1, 2, 3, 4));
    EXPECT_TRUE(CRect(static_cast<const RECT*>(nullptr)).IsRectNull());
}

TEST(CRectTypes, InflateOffsetNormalize)
{
    CRect rect(10, 10, 20, 20);
    rect.InflateRect(2, 3);
    EXPECT_TRUE(rect == CRect(8, 7, 22, 23));
    rect.DeflateRect(2, 3);
    EXPECT_TRUE(rect == CRect(10, 10, 20, 20));
    rect.InflateRect(1, 2, 3, 4);
    EXPECT_TRUE(rect == CRect(9, 8, 23, 24));
    CRect border(1, 2, 3, 4);
    rect.DeflateRect(&border);
    EXPECT_TRUE(rect == CRect(10, 10, 20, 20));
    rect.DeflateRect(static_cast<const RECT*>(nullptr));
    EXPECT_TRUE(rect == CRect(10, 10, 20, 20));
    rect.OffsetRect(5, -5);
    EXPECT_TRUE(rect == CRect(15, 5, 25, 15));
    rect += CPoint(-15, -5);
    EXPECT_TRUE(rect == CRect(0, 0, 10, 10));
    rect.MoveToXY(100, 200);
    EXPECT_TRUE(rect == CRect(100, 200, 110, 210));
    EXPECT_TRUE(rect - CSize(100, 200) == CRect(0, 0, 10, 10));

    CRect reversed(20, 30, 10, 5);
    reversed.NormalizeRect();
    EXPECT_TRUE(reversed == CRect(10, 5, 20, 30));
}

TEST(CRectTypes, IntersectUnionSubtract)
{
    CRect a(0, 0, 10, 10);
    CRect b(5, 5, 15, 15);
    EXPECT_TRUE((a & b) == CRect(5, 5, 10, 10));
    EXPECT_TRUE((a | b) == CRect(0, 0, 15, 15));
    CRect apart(20, 20, 30, 30);
    CRect none;
    EXPECT_FALSE(none.IntersectRect(&a, &apart));
    EXPECT_TRUE(none.IsRectEmpty());
    EXPECT_FALSE(none.IntersectRect(&a, nullptr));

    CRect rest;
    EXPECT_TRUE(rest.SubtractRect(CRect(0, 0, 10, 10), CRect(5, 0, 10, 10)));
    EXPECT_TRUE(rest == CRect(0, 0, 5, 10));

    CRect grow(a);
    grow |= CRect(-5, 0, 1, 1);
    EXPECT_TRUE(grow == CRect(-5, 0, 10, 10));
    grow &= CRect(0, 0, 3, 3);
    EXPECT_TRUE(grow == CRect(0, 0, 3, 3));
    EXPECT_TRUE(grow != a);
}
