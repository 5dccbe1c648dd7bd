#include "framework/Rect.h"

#include <gtest/gtest.h>

namespace {

TEST(Rect, MeasuresAndCorners)
{
    const CRect rect(10, 20, 110, 70);
    EXPECT_EQ(100, rect.Width());
    EXPECT_EQ(50, rect.Height());
    EXPECT_TRUE(rect.Size() == CSize(100, 50));
    EXPECT_TRUE(rect.TopLeft() == CPoint(10, 20));
    EXPECT_TRUE(rect.BottomRight() == CPoint(110, 70));
    EXPECT_TRUE(rect.CenterPoint() == CPoint(60, 45));
    EXPECT_TRUE(CRect(CPoint(10, 20), CSize(100, 50)) == rect);
    EXPECT_TRUE(CRect(CPoint(10, 20), CPoint(110, 70)) == rect);
}

TEST(Rect, RightAndBottomEdgesAreOutside)
{
    const CRect rect(0, 0, 10, 5);
    const struct
    {
        CPoint point;
        bool inside;
    } rows[] = {
        {{0, 0}, true}, {{9, 4}, true}, {{10, 0}, false}, {{0, 5}, false}, {{-1, 2}, false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.point.x << "," << row.point.y);
        EXPECT_EQ(row.inside, rect.PtInRect(row.point) != FALSE);
    }
}

TEST(Rect, EmptyAndNull)
{
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(CRect().IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 1, 9).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 5, 9).IsRectNull());
    CRect flipped(5, 9, 1, 2);
    flipped.NormalizeRect();
    EXPECT_TRUE(flipped == CRect(1, 2, 5, 9));
}

TEST(Rect, OffsetInflateDeflate)
{
    CRect rect(0, 0, 10, 10);
    rect.OffsetRect(5, -5);
    EXPECT_TRUE(rect == CRect(5, -5, 15, 5));
    rect.InflateRect(2, 1);
    EXPECT_TRUE(rect == CRect(3, -6, 17, 6));
    rect.DeflateRect(CSize(2, 1));
    EXPECT_TRUE(rect == CRect(5, -5, 15, 5));
    rect.InflateRect(1, 2, 3, 4);
    EXPECT_TRUE(rect == CRect(4, -7, 18, 9));
    EXPECT_TRUE(rect + CPoint(1, 1) == CRect(5, -6, 19, 10));
    EXPECT_TRUE(rect - CPoint(4, -7) == CRect(0, 0, 14, 16));
    EXPECT_TRUE(rect != CRect());
}

TEST(Rect, IntersectAndUnion)
{
    CRect result;
    EXPECT_TRUE(result.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    EXPECT_TRUE(result == CRect(5, 5, 10, 10));
    EXPECT_FALSE(result.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_TRUE(result.IsRectNull());
    EXPECT_TRUE(result.UnionRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    EXPECT_TRUE(result == CRect(0, 0, 20, 20));
    EXPECT_TRUE(result.UnionRect(CRect(), CRect(1, 1, 2, 2)));
    EXPECT_TRUE(result == CRect(1, 1, 2, 2));
}

TEST(Rect, PointAndSizeArithmetic)
{
    CPoint point(3, 4);
    EXPECT_TRUE(point + CSize(1, 1) == CPoint(4, 5));
    EXPECT_TRUE(point - CSize(1, 1) == CPoint(2, 3));
    EXPECT_TRUE(point - CPoint(1, 1) == CSize(2, 3));
    EXPECT_TRUE(-point == CPoint(-3, -4));
    point.Offset(CPoint(10, 10));
    EXPECT_TRUE(point == CPoint(13, 14));
    EXPECT_TRUE(CSize(1, 2) + CSize(3, 4) == CSize(4, 6));
    EXPECT_TRUE(CSize(1, 2) - CSize(3, 4) == CSize(-2, -2));
}

}  // namespace
