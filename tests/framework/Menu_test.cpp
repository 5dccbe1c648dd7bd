#include "framework/Menu.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/Dialog.h"
#include "framework/FrameworkTestIds.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {

class CCountingMenu : public CMenu
{
public:
    int m_nMeasured = 0;
    int m_nDrawn = 0;

    void MeasureItem(MEASUREITEMSTRUCT* lpMeasureItemStruct) override
    {
        ++m_nMeasured;
        lpMeasureItemStruct->itemHeight = 20;
    }
    void DrawItem(DRAWITEMSTRUCT*) override { ++m_nDrawn; }
};

TEST(OwnerDrawnMenu, ItemsReachTheMenuThatHoldsThem)
{
    CCountingMenu rating;
    ASSERT_TRUE(rating.CreatePopupMenu());
    rating.AppendMenu(MF_OWNERDRAW, 563);
    rating.AppendMenu(MF_OWNERDRAW, 564);
    // The outer popup holds the items only through its submenu.
    CCountingMenu outer;
    ASSERT_TRUE(outer.CreatePopupMenu());
    outer.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(rating.m_hMenu), "Assign Rating");

    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    MEASUREITEMSTRUCT measure = {};
    measure.CtlType = ODT_MENU;
    measure.itemID = 564;
    owner.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_MENU;
    draw.itemID = 564;
    draw.hwndItem = reinterpret_cast<HWND>(rating.m_hMenu);
    owner.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));

    EXPECT_EQ(1, rating.m_nMeasured);
    EXPECT_EQ(20u, measure.itemHeight);
    EXPECT_EQ(1, rating.m_nDrawn);
    EXPECT_EQ(0, outer.m_nMeasured + outer.m_nDrawn);
}

TEST(DialogBackground, DialogsTakeTheApplicationsColourAndEditsKeepTheirs)
{
    AfxGetApp()->SetDialogBkColor(RGB(192, 192, 192), RGB(0, 0, 0));
    CDialog dialog(IDD_TEST_DIALOG);
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    HDC hDC = ::GetDC(dialog.m_hWnd);
    ::SetBkColor(hDC, RGB(1, 2, 3));

    const LRESULT brush =
        dialog.SendMessage(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(dialog.m_hWnd));
    EXPECT_NE(0, brush);
    EXPECT_EQ(RGB(192, 192, 192), ::GetBkColor(hDC));

    HWND hEdit = ::GetDlgItem(dialog.m_hWnd, IDC_TEST_NAME);
    const LRESULT editBrush =
        dialog.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hEdit));
    EXPECT_NE(brush, editBrush);

    ::ReleaseDC(dialog.m_hWnd, hDC);
    dialog.DestroyWindow();
}

}  // namespace
