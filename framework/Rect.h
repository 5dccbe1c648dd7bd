#pragma once

#include <windef.h>

#include "framework/Point.h"
#include "framework/Size.h"

// A rectangle that passes wherever a RECT (or a pointer to one) does. As in
// GDI, the right and bottom edges are outside: a point on them is not in it.
class CRect : public RECT
{
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& srcRect) : RECT(srcRect) {}
    CRect(POINT point, SIZE size) : RECT{point.x, point.y, point.x + size.cx, point.y + size.cy} {}
    CRect(POINT topLeft, POINT bottomRight) : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    // Empty: no area (width or height not positive). Null: all four zero.
    BOOL IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const;

    void SetRect(int x1, int y1, int x2, int y2);
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void NormalizeRect();

    void OffsetRect(int x, int y);
    void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
    void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
    void InflateRect(int l, int t, int r, int b);
    void InflateRect(int x, int y) { InflateRect(x, y, x, y); }
    void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void DeflateRect(int x, int y) { InflateRect(-x, -y); }
    void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }

    // This rectangle becomes the overlap / the bounding box of the two;
    // FALSE (and an empty rectangle) when the result is empty.
    BOOL IntersectRect(const RECT& rect1, const RECT& rect2);
    BOOL UnionRect(const RECT& rect1, const RECT& rect2);

    bool operator==(const RECT& rect) const;
    bool operator!=(const RECT& rect) const { return !(*this == rect); }
    CRect& operator+=(POINT point)
    {
        OffsetRect(point);
        return *this;
    }
    CRect& operator-=(POINT point)
    {
        OffsetRect(-point.x, -point.y);
        return *this;
    }
    CRect operator+(POINT point) const { return CRect(*this) += point; }
    CRect operator-(POINT point) const { return CRect(*this) -= point; }
};
