#include "framework/Point.h"

void CPoint::Offset(int xOffset, int yOffset)
{
    x += xOffset;
    y += yOffset;
}
