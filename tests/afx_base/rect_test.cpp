// CPoint, CSize and CRect: the arithmetic of their own, beyond the Win32
// rectangle functions they wrap.
#include <gtest/gtest.h>

#include "atltypes.h"

TEST(CRectTypes, ArithmeticNullPointersAndNormalizing)
{
    EXPECT_TRUE(CPoint(MAKELPARAM(-5, 7)) == CPoint(-5, 7));   // signed words of a mouse lParam
    EXPECT_TRUE(CPoint(10, 20) + CRect(0, 0, 5, 5) == CRect(10, 20, 15, 25));
    CRect rect(10, 20, 110, 70);
    rect.TopLeft() = CPoint(0, 0);   // a reference into the rectangle
    rect.BottomRight().x = 5;
    EXPECT_TRUE(rect == CRect(0, 0, 5, 70));
    rect.InflateRect(1, 2, 3, 4);
    rect.DeflateRect(static_cast<const RECT*>(nullptr));
    rect -= CSize(1, 2);
    EXPECT_TRUE(rect == CRect(-2, -4, 7, 72));
    CRect none;
    EXPECT_FALSE(none.IntersectRect(&rect, nullptr));
    CRect reversed(20, 30, 10, 5);
    reversed.NormalizeRect();
    EXPECT_TRUE(reversed == CRect(10, 5, 20, 30));
}
