#pragma once

#include <windef.h>

#include "framework/Size.h"

// A point (x, y) that passes wherever a POINT does. A point minus a point
// is the size between them; a point plus or minus a size is a point.
class CPoint : public POINT
{
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int initX, int initY) : POINT{initX, initY} {}
    CPoint(POINT initPt) : POINT(initPt) {}
    explicit CPoint(SIZE initSize) : POINT{initSize.cx, initSize.cy} {}

    void Offset(int xOffset, int yOffset);
    void Offset(POINT point) { Offset(point.x, point.y); }
    void Offset(SIZE size) { Offset(size.cx, size.cy); }

    bool operator==(POINT point) const { return x == point.x && y == point.y; }
    bool operator!=(POINT point) const { return !(*this == point); }
    CPoint& operator+=(SIZE size)
    {
        Offset(size);
        return *this;
    }
    CPoint& operator-=(SIZE size)
    {
        Offset(-size.cx, -size.cy);
        return *this;
    }
    CPoint operator+(SIZE size) const { return CPoint(*this) += size; }
    CPoint operator-(SIZE size) const { return CPoint(*this) -= size; }
    CSize operator-(POINT point) const { return CSize(x - point.x, y - point.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
};
