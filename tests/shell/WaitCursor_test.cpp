#include "shell/services/WaitCursor.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

int CursorDisplayCount()
{
    const int nCount = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return nCount;
}

TEST(WaitCursor, NestedCallsSwitchOnlyAtTheOutermostPair)
{
    const HCURSOR hArrow = LoadCursorA(nullptr, IDC_ARROW);
    const HCURSOR hWait = LoadCursorA(nullptr, IDC_WAIT);
    SetCursor(hArrow);
    const int nCount = CursorDisplayCount();

    SetWaitCursor(1);
    SetWaitCursor(1);
    SetWaitCursor(0);
    EXPECT_EQ(hWait, GetCursor());
    SetWaitCursor(0);
    EXPECT_EQ(hArrow, GetCursor());
    EXPECT_EQ(nCount, CursorDisplayCount());
}

TEST(WaitCursor, OffWithoutOnLeavesTheCursorAlone)
{
    const HCURSOR hArrow = LoadCursorA(nullptr, IDC_ARROW);
    SetCursor(hArrow);
    const int nCount = CursorDisplayCount();

    SetWaitCursor(0);
    SetWaitCursor(2);

    EXPECT_EQ(hArrow, GetCursor());
    EXPECT_EQ(nCount, CursorDisplayCount());
    SetWaitCursor(1);
    SetWaitCursor(0);
    EXPECT_EQ(hArrow, GetCursor());
}
}  // namespace
