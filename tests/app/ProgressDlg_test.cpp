#include "shell/services/ProgressDlg.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "res/resource.h"

namespace {

class ProgressDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hOwner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                   nullptr, nullptr);
        m_owner.Attach(m_hOwner);
    }
    void TearDown() override
    {
        m_owner.Detach();
        DestroyWindow(m_hOwner);
    }

    static CString LineText(CProgressDlg& dialog, int nId)
    {
        CString text;
        dialog.GetDlgItemText(nId, text);
        return text;
    }

    HWND m_hOwner = nullptr;
    CWnd m_owner;
};

TEST_F(ProgressDlgTest, OwnerIsDisabledWhileTheDialogIsUp)
{
    {
        CProgressDlg dialog(&m_owner, "Importing");
        ASSERT_NE(nullptr, dialog.m_hWnd);
        EXPECT_FALSE(IsWindowEnabled(m_hOwner));
        EXPECT_TRUE(IsProgressRunning());
        CString title;
        dialog.GetWindowText(title);
        EXPECT_STREQ("Importing", title);
        EXPECT_EQ(-1, dialog.DoModal());
    }
    EXPECT_TRUE(IsWindowEnabled(m_hOwner));
    EXPECT_FALSE(IsProgressRunning());
}

TEST_F(ProgressDlgTest, CancelEscAndCloseBoxAskToAbortAndLeaveTheLinesAlone)
{
    for (UINT message : {static_cast<UINT>(WM_COMMAND), static_cast<UINT>(WM_CLOSE)})
    {
        SCOPED_TRACE(message);
        CProgressDlg dialog(&m_owner, "Exporting");
        EXPECT_EQ(0, dialog.SetMessage("Recipe 1", 1));
        EXPECT_STREQ("Recipe 1", LineText(dialog, IDC_PROGRESS_MESSAGE2));
        dialog.SendMessage(message, message == WM_COMMAND ? IDCANCEL : 0, 0);
        dialog.IsAbortRequested();
        ASSERT_TRUE(IsWindow(dialog.m_hWnd)) << "the operation closes the window when it stops";
        EXPECT_EQ(1, GetAbortFlag());
        CString title;
        dialog.GetWindowText(title);
        EXPECT_STREQ("Aborting...", title);
        EXPECT_EQ(1, dialog.SetMessage("Recipe 2", 1));
        EXPECT_STREQ("", LineText(dialog, IDC_PROGRESS_MESSAGE2));
    }
}

TEST_F(ProgressDlgTest, SecondLineAndANewDialogClearsTheFlag)
{
    CProgressDlg dialog(&m_owner, "Printing");
    EXPECT_EQ(0, GetAbortFlag());
    EXPECT_EQ(0, dialog.SetMessage("Page 2", 2));
    EXPECT_STREQ("Page 2", LineText(dialog, IDC_PROGRESS_MESSAGE1));
}

TEST(ProgressMessages, QuitMessageSurvivesThePump)
{
    PostQuitMessage(7);
    EXPECT_EQ(0, IsAbortRequested());
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
}

}  // namespace
