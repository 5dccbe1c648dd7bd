#include "shell/services/BusyStatus.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "res/resource.h"
#include "shell/services/StatusPopupDlg.h"

namespace {

TEST(BusyStatus, ShowsItsTextAndTheWaitCursorUntilItEnds)
{
    const HCURSOR hArrow = LoadCursorA(nullptr, IDC_ARROW);
    SetCursor(hArrow);
    HWND hPopup = nullptr;
    {
        const CBusyStatus busy("Loading categories.");
        CStatusPopupDlg* pPopup = busy.GetPopup();
        ASSERT_NE(nullptr, pPopup);
        hPopup = pPopup->m_hWnd;
        CString text;
        pPopup->GetDlgItemText(IDC_STATUS_LINE1, text);
        EXPECT_STREQ("Loading categories.", text);
        EXPECT_EQ(LoadCursorA(nullptr, IDC_WAIT), GetCursor());
    }
    EXPECT_FALSE(IsWindow(hPopup));
    EXPECT_EQ(hArrow, GetCursor());
}

}  // namespace
