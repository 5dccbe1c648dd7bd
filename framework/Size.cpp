#include "framework/Size.h"

CSize& CSize::operator+=(SIZE size)
{
    cx += size.cx;
    cy += size.cy;
    return *this;
}

CSize& CSize::operator-=(SIZE size)
{
    cx -= size.cx;
    cy -= size.cy;
    return *this;
}
