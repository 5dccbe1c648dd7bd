#include "shell/controls/RatingMenu.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "framework/Wnd.h"

namespace {

int g_keysToSend = 0;

// Walks the open popup the way a user would: down three items, then Enter.
void CALLBACK PressKeys(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND popup = ::FindWindowA("#32768", nullptr);
    if (!popup)
        return;
    ::KillTimer(nullptr, timer);
    for (int i = 0; i < g_keysToSend; ++i)
        ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
}

TEST(RatingMenu, ChoosingAnItemGivesItsRating)
{
    CWnd owner;
    owner.CreateEx(0, nullptr, "Recipe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 300, 200}, nullptr, 0);
    CRatingMenu menu;
    g_keysToSend = 3;
    ::SetTimer(nullptr, 0, 20, &PressKeys);
    UINT chosen = static_cast<UINT>(::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN, 20, 20, 0,
                                                    owner.m_hWnd, nullptr));
    EXPECT_EQ(565u, chosen);
    EXPECT_EQ(1, CRatingMenu::RatingOf(chosen));
}

TEST(RatingMenu, ItemsCarryTheirNamesPicturesAndRatings)
{
    struct Case { UINT id; LONG rating; const char* picture; const char* name; };
    const Case cases[] = {{563, 3, "RTXCLNT", "Excellent"}, {564, 2, "RTGREAT", "Great"},
                          {565, 1, "RTGOOD", "Good"},       {566, 0, "R", "No Rating"},
                          {567, -1, "RTBAD", "Skip it"}};
    CRatingMenu menu;
    ASSERT_EQ(5, menu.GetMenuItemCount());
    for (int position = 0; position < 5; ++position) {
        const Case& c = cases[position];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.id, menu.GetMenuItemID(position));
        EXPECT_EQ(c.rating, CRatingMenu::RatingOf(c.id));
        EXPECT_STREQ(c.picture, CRatingMenu::PictureOf(c.id));
        CString text;
        text.LoadString(c.id);
        EXPECT_EQ(CString(c.name), text);
    }
}

TEST(RatingMenu, AnItemIsAtLeastTwentyPixelsHigh)
{
    SIZE small = CRatingMenu::ItemSize(SIZE{50, 12}, 7);
    EXPECT_EQ(50 + 7 + 36, small.cx);
    EXPECT_EQ(20, small.cy);
    EXPECT_EQ(26, CRatingMenu::ItemSize(SIZE{50, 26}, 7).cy);
}

} // namespace
