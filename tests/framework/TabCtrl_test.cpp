#include "framework/TabCtrl.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "WindowTestSupport.h"

namespace {

constexpr UINT kTabsId = 7100;

class CTabParent : public CWnd
{
public:
    int m_nChanges = 0;
    int m_nSelectedAtChange = -1;
    CTabCtrl m_tabs;

protected:
    DECLARE_MESSAGE_MAP()
    void OnTabChange(NMHDR*, LRESULT* pResult)
    {
        ++m_nChanges;
        m_nSelectedAtChange = m_tabs.GetCurSel();
        *pResult = 0;
    }
};

BEGIN_MESSAGE_MAP(CTabParent, CWnd)
    ON_NOTIFY(TCN_SELCHANGE, kTabsId, OnTabChange)
END_MESSAGE_MAP()

class TabCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            parent.CreateEx(0, nullptr, "tabs", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 200), nullptr, 0));
        ASSERT_TRUE(parent.m_tabs.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 380, 150), &parent, kTabsId));
        for (const char* name : {"Recipe", "Meal Plan", "Ingredient"})
            parent.m_tabs.InsertItem(parent.m_tabs.GetItemCount(), name);
    }

    CTabParent parent;
};

TEST_F(TabCtrlTest, InsertedTabsAndTheSelectionSetByTheProgram)
{
    EXPECT_EQ(3, parent.m_tabs.GetItemCount());
    EXPECT_EQ(0, parent.m_tabs.SetCurSel(2));
    EXPECT_EQ(2, parent.m_tabs.GetCurSel());
    EXPECT_EQ(-1, parent.m_tabs.SetCurSel(5));
    EXPECT_EQ(2, parent.m_tabs.GetCurSel());
    EXPECT_EQ(0, parent.m_nChanges) << "only the user's change is announced";
}

TEST_F(TabCtrlTest, AClickOnATabReachesTheParentsNotifyEntry)
{
    RECT tab = {};
    parent.m_tabs.SendMessage(TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
    const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    parent.m_tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    parent.m_tabs.SendMessage(WM_LBUTTONUP, 0, at);
    PumpWindowMessages();
    EXPECT_EQ(1, parent.m_nChanges);
    EXPECT_EQ(1, parent.m_nSelectedAtChange);
}

}  // namespace
