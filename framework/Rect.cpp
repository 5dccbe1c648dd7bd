#include "framework/Rect.h"

#include <algorithm>
#include <utility>

BOOL CRect::PtInRect(POINT point) const
{
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
}

void CRect::SetRect(int x1, int y1, int x2, int y2)
{
    left = x1;
    top = y1;
    right = x2;
    bottom = y2;
}

void CRect::NormalizeRect()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

void CRect::OffsetRect(int x, int y)
{
    left += x;
    right += x;
    top += y;
    bottom += y;
}

void CRect::InflateRect(int l, int t, int r, int b)
{
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

BOOL CRect::IntersectRect(const RECT& rect1, const RECT& rect2)
{
    SetRect(std::max(rect1.left, rect2.left), std::max(rect1.top, rect2.top), std::min(rect1.right, rect2.right),
            std::min(rect1.bottom, rect2.bottom));
    if (!IsRectEmpty())
        return TRUE;
    SetRectEmpty();
    return FALSE;
}

BOOL CRect::UnionRect(const RECT& rect1, const RECT& rect2)
{
    const CRect a(rect1);
    const CRect b(rect2);
    if (a.IsRectEmpty())
        *this = b;
    else if (b.IsRectEmpty())
        *this = a;
    else
        SetRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom));
    if (!IsRectEmpty())
        return TRUE;
    SetRectEmpty();
    return FALSE;
}

bool CRect::operator==(const RECT& rect) const
{
    return left == rect.left && top == rect.top && right == rect.right && bottom == rect.bottom;
}
