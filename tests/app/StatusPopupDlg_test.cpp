#include "shell/services/StatusPopupDlg.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "res/resource.h"
#include "shell/ResourcePicture.h"
#include "shell/controls/IconButton.h"
#include "shell/services/StatusMessage.h"

namespace {

CString ItemText(CWnd& dialog, int nId)
{
    CString text;
    dialog.GetDlgItemText(nId, text);
    return text;
}

TEST(StatusPopupDlg, ModelessPopupShowsItsLinesUntilClosed)
{
    CStatusPopupDlg popup(nullptr, "Saving recipe", IDS_LOGO, 0, 0, 2);
    ASSERT_NE(nullptr, popup.m_hWnd);
    EXPECT_STREQ("Saving recipe", ItemText(popup, IDC_STATUS_LINE1));
    popup.SetText("3 of 10", 2);
    EXPECT_STREQ("3 of 10", ItemText(popup, IDC_STATUS_LINE2));
    popup.Close();
    EXPECT_EQ(nullptr, popup.m_hWnd);
}

TEST(StatusPopupDlg, ItsTimerClosesIt)
{
    CStatusPopupDlg popup(nullptr, "Done", IDS_LOGO, 3, 0, 1);
    ASSERT_NE(nullptr, popup.m_hWnd);
    popup.SendMessage(WM_TIMER, 2, 0);
    EXPECT_EQ(nullptr, popup.m_hWnd);
}

TEST(StatusMessage, FirstShowMakesThePopupLaterShowsReuseIt)
{
    CStatusMessage status(nullptr, "Importing", IDS_LOGO, 0, 2, 0);
    EXPECT_EQ(nullptr, status.GetPopup());
    status.Show("Recipe 1", 2);
    CStatusPopupDlg* pPopup = status.GetPopup();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_STREQ("Importing", ItemText(*pPopup, IDC_STATUS_LINE1));
    EXPECT_STREQ("Recipe 1", ItemText(*pPopup, IDC_STATUS_LINE2));
    status.Show("Recipe 2", 2);
    EXPECT_EQ(pPopup, status.GetPopup());
    EXPECT_STREQ("Recipe 2", ItemText(*pPopup, IDC_STATUS_LINE2));
}

TEST(StatusPopupDlg, ItsIconSitsAboveTheText)
{
    CStatusPopupDlg popup(nullptr, "Saving recipe", IDS_LOGO, 0, 0, 1);
    auto* pIcon = dynamic_cast<CIconButton*>(CWnd::FromHandlePermanent(popup.GetDlgItem(IDC_STATUS_ICON)->m_hWnd));
    ASSERT_NE(nullptr, pIcon);
    pIcon->SetPicture("R");
    CResourcePicture picture("R");
    ASSERT_TRUE(picture.Loaded());
    CRect button;
    pIcon->GetClientRect(&button);
    CPixelCanvas canvas(button.Width(), button.Height());
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = pIcon->m_hWnd;
    item.hDC = canvas.Dc();
    item.rcItem = button;
    pIcon->DrawItem(&item);
    EXPECT_EQ(0, picture.DifferencesAt(canvas, POINT{(button.Width() - picture.Size().cx) / 2, 0}));
}

}  // namespace
