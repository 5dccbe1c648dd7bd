#include "shell/graphics/DibRoutines.h"

#include <gtest/gtest.h>

#include <cstring>

#include <windows.h>

namespace {

TEST(DibRoutines, CopyHandleGivesANewBlockWithTheSameBytes)
{
    const char bytes[] = "packed bitmap bytes";
    HGLOBAL original = ::GlobalAlloc(GMEM_MOVEABLE, sizeof bytes);
    std::memcpy(::GlobalLock(original), bytes, sizeof bytes);
    ::GlobalUnlock(original);

    HGLOBAL copy = CopyHandle(original);
    ASSERT_NE(nullptr, copy);
    EXPECT_NE(original, copy);
    ::GlobalFree(original);
    ASSERT_EQ(sizeof bytes, ::GlobalSize(copy));
    EXPECT_EQ(0, std::memcmp(bytes, ::GlobalLock(copy), sizeof bytes));
    ::GlobalUnlock(copy);
    ::GlobalFree(copy);

    EXPECT_EQ(nullptr, CopyHandle(nullptr));
}

}  // namespace
