#include "framework/Wnd.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/WindowTestSupport.h"

namespace {

const UINT kPingMessage = WM_USER + 1;
const UINT kBaseOnlyMessage = WM_USER + 2;
const UINT kTestNotifyCode = 0u - 900u;
const UINT kRegisteredMessage = ::RegisterWindowMessageA("SavorumTestRegistered");

class CBaseTestWnd : public CWnd
{
public:
    int m_nBasePings = 0;
    int m_nBaseOnly = 0;

protected:
    DECLARE_MESSAGE_MAP()
    LRESULT OnPing(WPARAM, LPARAM)
    {
        ++m_nBasePings;
        return 1;
    }
    LRESULT OnBaseOnly(WPARAM, LPARAM)
    {
        ++m_nBaseOnly;
        return 2;
    }
};

BEGIN_MESSAGE_MAP(CBaseTestWnd, CWnd)
    ON_MESSAGE(kPingMessage, OnPing)
    ON_MESSAGE(kBaseOnlyMessage, OnBaseOnly)
END_MESSAGE_MAP()

class CDerivedTestWnd : public CBaseTestWnd
{
public:
    WPARAM m_lastWParam = 0;
    LPARAM m_lastLParam = 0;
    int m_nRegistered = 0;
    CPoint m_lastClick;
    int m_nCommands = 0;

protected:
    DECLARE_MESSAGE_MAP()
    LRESULT OnPing(WPARAM wParam, LPARAM lParam)
    {
        m_lastWParam = wParam;
        m_lastLParam = lParam;
        return 42;
    }
    LRESULT OnRegistered(WPARAM, LPARAM lParam)
    {
        ++m_nRegistered;
        return lParam * 2;
    }
    void OnLButtonDown(UINT, CPoint point) { m_lastClick = point; }
    void OnTestCommand() { ++m_nCommands; }
    void OnCloseUp() { ++m_nCloseUps; }
    void OnComboFocus() { ++m_nComboFocus; }
    void OnTestNotify(NMHDR* pHeader, LRESULT* pResult)
    {
        m_lastNotifier = pHeader->hwndFrom;
        *pResult = 17;
    }

public:
    HWND m_lastNotifier = nullptr;
    int m_nCloseUps = 0;
    int m_nComboFocus = 0;
};

BEGIN_MESSAGE_MAP(CDerivedTestWnd, CBaseTestWnd)
    ON_MESSAGE(kPingMessage, OnPing)
    ON_REGISTERED_MESSAGE(kRegisteredMessage, OnRegistered)
    ON_WM_LBUTTONDOWN()
    ON_COMMAND(7001, OnTestCommand)
    ON_NOTIFY(kTestNotifyCode, 7002, OnTestNotify)
    ON_CBN_CLOSEUP(7004, OnCloseUp)
    ON_CBN_SETFOCUS(7004, OnComboFocus)
END_MESSAGE_MAP()

TEST(MessageMap, DerivedEntryWinsAndBaseEntriesStillDispatch)
{
    CDerivedTestWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "test", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));

    EXPECT_EQ(42, wnd.SendMessage(kPingMessage, 7, 9));
    EXPECT_EQ(7u, wnd.m_lastWParam);
    EXPECT_EQ(9, wnd.m_lastLParam);
    EXPECT_EQ(0, wnd.m_nBasePings);

    EXPECT_EQ(2, wnd.SendMessage(kBaseOnlyMessage));
    EXPECT_EQ(1, wnd.m_nBaseOnly);
}

TEST(MessageMap, RegisteredMessagesAndTypedHandlers)
{
    CDerivedTestWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "test", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));

    EXPECT_EQ(10, wnd.SendMessage(kRegisteredMessage, 0, 5));
    EXPECT_EQ(1, wnd.m_nRegistered);

    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 34));
    EXPECT_EQ(CPoint(12, 34), wnd.m_lastClick);

    wnd.SendMessage(WM_COMMAND, 7001);
    EXPECT_EQ(1, wnd.m_nCommands);
}

TEST(MessageMap, NotifyReachesTheEntryOfItsCodeAndIdWithItsAnswer)
{
    CDerivedTestWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "test", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    struct Case
    {
        UINT_PTR id;
        UINT code;
        LRESULT expected;
    };
    const Case cases[] = {{7002, kTestNotifyCode, 17}, {7003, kTestNotifyCode, 0}, {7002, kTestNotifyCode - 1, 0}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.id);
        wnd.m_lastNotifier = nullptr;
        NMHDR header = {wnd.m_hWnd, c.id, c.code};
        EXPECT_EQ(c.expected, wnd.SendMessage(WM_NOTIFY, c.id, reinterpret_cast<LPARAM>(&header)));
        EXPECT_EQ(c.expected != 0 ? wnd.m_hWnd : nullptr, wnd.m_lastNotifier);
    }
}

TEST(MessageMap, ComboCloseUpAndFocusReachTheirEntries)
{
    CDerivedTestWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "test", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    HWND hCombo = ::CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 40, 80, wnd.m_hWnd,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(7004)), nullptr, nullptr);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(7004, CBN_CLOSEUP), reinterpret_cast<LPARAM>(hCombo));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(7004, CBN_DROPDOWN), reinterpret_cast<LPARAM>(hCombo));
    EXPECT_EQ(1, wnd.m_nCloseUps);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(7004, CBN_SETFOCUS), reinterpret_cast<LPARAM>(hCombo));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(7004, CBN_KILLFOCUS), reinterpret_cast<LPARAM>(hCombo));
    EXPECT_EQ(1, wnd.m_nComboFocus);
}

TEST(MessageMap, UnmappedMessagesGetDefaultProcessing)
{
    CDerivedTestWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "before", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    wnd.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("after"));
    CString text;
    wnd.GetWindowText(text);
    EXPECT_STREQ("after", text);
}

TEST(WndHandleMap, PermanentObjectsAndTemporaryWrappers)
{
    CDerivedTestWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "test", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    EXPECT_EQ(&wnd, CWnd::FromHandle(wnd.m_hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));

    HWND hOther = ::CreateWindowExA(0, "STATIC", "other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CWnd* pTemp = CWnd::FromHandle(hOther);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hOther, pTemp->m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hOther));
    EXPECT_EQ(pTemp, CWnd::FromHandle(hOther));
    PumpWindowMessages();  // the idle clean-up drops the wrapper, not the window
    EXPECT_TRUE(::IsWindow(hOther));
    ::DestroyWindow(hOther);
}

TEST(WndHandleMap, DestroyedWindowLeavesTheMap)
{
    CDerivedTestWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "test", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    HWND hWnd = wnd.m_hWnd;
    wnd.DestroyWindow();
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(WndSubclass, ExistingControlReachesTheObjectsMap)
{
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    CDerivedTestWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hEdit));
    EXPECT_EQ(42, ::SendMessageA(hEdit, kPingMessage, 0, 0));
    // Unmapped messages still reach the edit control's own procedure.
    ::SendMessageA(hEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
    CString text;
    wnd.GetWindowText(text);
    EXPECT_STREQ("typed", text);
}

}  // namespace
