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

int g_posted = 0;

LRESULT CALLBACK CountPosted(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_APP)
        ++g_posted;
    return DefWindowProcA(hWnd, nMessage, wParam, lParam);
}

// A command waiting in the queue must not run inside the step that shows the notice: the step
// is on the stack and the command could tear down what it works on. A quit stays for the loop.
TEST(BusyStatus, LeavesQueuedMessagesAndTheQuitForTheMainLoop)
{
    HWND hTarget = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrA(hTarget, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountPosted));
    g_posted = 0;
    PostMessageA(hTarget, WM_APP, 0, 0);
    PostQuitMessage(7);
    {
        CBusyStatus busy("Loading categories.");
        busy.SetText("Loading chapters.");
        EXPECT_EQ(0, g_posted);
    }
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    EXPECT_EQ(1, g_posted);
    DestroyWindow(hTarget);
}

}  // namespace
