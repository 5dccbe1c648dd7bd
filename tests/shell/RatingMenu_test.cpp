#include "shell/controls/RatingMenu.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "ResourcePicture.h"
#include "framework/Wnd.h"

namespace {

int g_keysToSend = 0;

// Walks the open popup the way a user would: down some items, then Enter.
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

TEST(RatingMenu, ChoosingAnItemGivesItsCommand)
{
    CWnd owner;
    owner.CreateEx(0, nullptr, "Recipe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 300, 200}, nullptr, 0);
    CRatingMenu menu;
    g_keysToSend = 3;
    ::SetTimer(nullptr, 0, 20, &PressKeys);
    const UINT chosen =
        static_cast<UINT>(::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN, 20, 20, 0, owner.m_hWnd, nullptr));
    EXPECT_EQ(565u, chosen);
}

// Each item as the menu measures and paints it: its picture at the left, its name beside it,
// at least 20 pixels high.
TEST(RatingMenu, EachItemShowsItsPictureAndName)
{
    constexpr int Width = 160;
    constexpr COLORREF TextColour = RGB(0, 0, 0);
    struct Case
    {
        UINT id;
        const char* picture;
        const char* name;
    };
    const Case cases[] = {{563, "RTXCLNT", "Excellent"},
                          {564, "RTGREAT", "Great"},
                          {565, "RTGOOD", "Good"},
                          {566, "R", "No Rating"},
                          {567, "RTBAD", "Skip it"}};
    CRatingMenu menu;
    ASSERT_EQ(5, menu.GetMenuItemCount());
    for (int position = 0; position < 5; ++position)
    {
        const Case& c = cases[position];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.id, menu.GetMenuItemID(position));
        CString text;
        text.LoadString(c.id);
        EXPECT_STREQ(c.name, text);

        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemID = c.id;
        menu.MeasureItem(&measure);
        EXPECT_GE(measure.itemHeight, 20u);
        const int height = static_cast<int>(measure.itemHeight);

        CResourcePicture picture(c.picture);
        ASSERT_TRUE(picture.Loaded());
        CPixelCanvas canvas(Width, height);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_MENU;
        item.itemID = c.id;
        item.itemAction = ODA_DRAWENTIRE;
        item.hDC = canvas.Dc();
        item.rcItem = RECT{0, 0, Width, height};
        menu.DrawItem(&item);
        EXPECT_EQ(0, picture.DifferencesAt(canvas, POINT{0, (height - picture.Size().cy) / 2}));
        EXPECT_GT(PixelsOfColour(canvas, RECT{picture.Size().cx, 0, Width, height}, TextColour), 0);
    }
}

}  // namespace
