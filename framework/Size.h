#pragma once

#include <windef.h>

// A width and height (cx, cy) that passes wherever a SIZE does.
class CSize : public SIZE
{
public:
    CSize() : SIZE{0, 0} {}
    CSize(int initCX, int initCY) : SIZE{initCX, initCY} {}
    CSize(SIZE initSize) : SIZE(initSize) {}

    bool operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
    bool operator!=(SIZE size) const { return !(*this == size); }
    CSize& operator+=(SIZE size);
    CSize& operator-=(SIZE size);
    CSize operator+(SIZE size) const { return CSize(*this) += size; }
    CSize operator-(SIZE size) const { return CSize(*this) -= size; }
    CSize operator-() const { return CSize(-cx, -cy); }
};
