#pragma once
// Dialog tests of the forms: the driver armed, the common controls registered as at start-up,
// message boxes answered and recorded, and the help context reset.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "framework/CommonControls.h"
#include "framework/Dialog.h"
#include "framework/DialogDriver.h"
#include "framework/MessageBoxScript.h"
#include "framework/String.h"
#include "framework/WindowTestSupport.h"
#include "shell/services/HelpService.h"

namespace formtest {

class BoxesTest : public ::testing::Test
{
protected:
    CMessageBoxScript m_boxes;
};

template <class Base>
class DialogTestOf : public Base
{
protected:
    void SetUp() override
    {
        Base::SetUp();
        RegisterCommonControls();
        CDialogDriver::Reset();
        CDialogDriver::Arm(TRUE);
        SetHelpContext(kOuterHelpContext);
    }
    void TearDown() override
    {
        EXPECT_FALSE(CDialogDriver::HasPendingActions());
        EXPECT_TRUE(CDialogDriver::GetUnexpectedDialogs().empty());
        CDialogDriver::Reset();
        PumpWindowMessages();
        EXPECT_EQ(kOuterHelpContext, GetHelpContext());
        Base::TearDown();
    }

    static constexpr UINT kOuterHelpContext = 1999;
};

using DialogTest = DialogTestOf<BoxesTest>;

inline CString ItemText(const CWnd& dialog, int nId)
{
    CString text;
    dialog.GetDlgItem(nId)->GetWindowText(text);
    return text;
}

inline BOOL IsItemEnabled(const CWnd& dialog, int nId)
{
    return ::IsWindowEnabled(dialog.GetDlgItem(nId)->m_hWnd);
}

// A mouse click on a button: a radio or check box changes as it would for a person.
inline void Click(const CWnd& dialog, int nId)
{
    ::SendMessageA(dialog.GetDlgItem(nId)->m_hWnd, BM_CLICK, 0, 0);
}

// A click on tab nTab of a tab control, as the mouse gives it.
inline void ClickTab(const CWnd& dialog, int nTabsId, int nTab)
{
    HWND hTabs = dialog.GetDlgItem(nTabsId)->m_hWnd;
    RECT tab{};
    ::SendMessageA(hTabs, TCM_GETITEMRECT, static_cast<WPARAM>(nTab), reinterpret_cast<LPARAM>(&tab));
    const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    ::SendMessageA(hTabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(hTabs, WM_LBUTTONUP, 0, at);
}

// A click on the upper or lower arrow of an up-down control, as the mouse gives it.
inline void ClickUpDown(const CWnd& dialog, int nId, BOOL bUp)
{
    HWND hUpDown = dialog.GetDlgItem(nId)->m_hWnd;
    RECT client;
    ::GetClientRect(hUpDown, &client);
    const LPARAM at = MAKELPARAM(client.right / 2, bUp ? client.bottom / 4 : client.bottom * 3 / 4);
    ::SendMessageA(hUpDown, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(hUpDown, WM_LBUTTONUP, 0, at);
}

}  // namespace formtest
