#include "framework/SelectedObject.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(SelectedObject, PutsBackTheObjectItReplaced)
{
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ original = ::GetCurrentObject(dc, OBJ_PEN);
    HPEN red = ::CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    {
        CSelectedObject selected(dc, red);
        EXPECT_EQ(red, ::GetCurrentObject(dc, OBJ_PEN));
        {
            CSelectedObject none(dc, nullptr);
            EXPECT_EQ(red, ::GetCurrentObject(dc, OBJ_PEN));
        }
        EXPECT_EQ(red, ::GetCurrentObject(dc, OBJ_PEN));
    }
    EXPECT_EQ(original, ::GetCurrentObject(dc, OBJ_PEN));
    EXPECT_TRUE(::DeleteObject(red));
    ::DeleteDC(dc);
}

}  // namespace
