#include "shell/graphics/ChartColour.h"

#include <gtest/gtest.h>
#include <wingdi.h>

namespace {

TEST(ChartColour, TableEntriesAndBlackOutsideIt)
{
    const struct
    {
        int nIndex;
        COLORREF colour;
    } cases[] = {
        {0, RGB(0, 0, 0)},     {7, RGB(192, 192, 192)}, {9, RGB(0, 0, 255)},     {12, RGB(255, 0, 0)},
        {26, RGB(192, 64, 0)}, {45, RGB(0, 192, 255)},  {52, RGB(192, 255, 96)}, {63, RGB(64, 0, 64)},
        {64, RGB(0, 0, 0)},    {-1, RGB(0, 0, 0)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nIndex);
        EXPECT_EQ(c.colour, GetChartColour(c.nIndex));
    }
}
}  // namespace
