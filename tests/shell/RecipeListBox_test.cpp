#include "shell/controls/RecipeListBox.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "FakeSortedView.h"
#include "ListHostWindow.h"
#include "database/RecordId.h"

namespace {

constexpr COLORREF Gold = RGB(230, 180, 0);
constexpr COLORREF Red = RGB(200, 0, 0);
constexpr int RowHeight = 20;

TEST(RecipeListBox, RowTextCarriesTheSortValueAsAColumnByMode)
{
    CSortedRecipeListItem item;
    item.m_name = "Soup";
    struct Case
    {
        float value;
        int mode;
        const char* expected;
    };
    const Case cases[] = {
        {3.5f, 0, "Soup"},          {3.5f, 1, "Soup"},         {250.4f, 2, "Soup| 250 "}, {37.6f, 3, "Soup|38% "},
        {1200.0f, 6, "Soup|1200 "}, {125.0f, 7, "Soup|2:05 "}, {45.0f, 8, "Soup|0:45 "},  {3.5f, 9, "Soup|$3.50 "},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.mode);
        item.m_sortValue = c.value;
        EXPECT_EQ(CString(c.expected), CRecipeListBox::BuildRowText(item, c.mode));
    }
}

class RatedRowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CFakeSortedView::s_rowCount = 10000;
        CRecipeListCache::SetViewFactory(&CFakeSortedView::Make);
        control = form.AddList(list, 10, 10, LBS_OWNERDRAWFIXED | LBS_HASSTRINGS);
        list.SetRatingDisplay(TRUE);
        list.SetFontSpec(CControlFontSpec(0, 14));
        list.Initialise(0, CRecordId(), 9);
        dc = ::CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 300, -RowHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        canvas = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = ::SelectObject(dc, canvas);
    }

    void TearDown() override
    {
        ::SelectObject(dc, previous);
        ::DeleteObject(canvas);
        ::DeleteDC(dc);
    }

    // Paints the visible row `item` onto the canvas; the colours of its rating stars.
    std::vector<COLORREF> StarsOfVisibleRow(UINT item)
    {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_LISTBOX;
        draw.itemID = item;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.hDC = dc;
        draw.rcItem = {0, 0, 300, RowHeight};
        list.DrawItem(&draw);
        return {::GetPixel(dc, 8, 10), ::GetPixel(dc, 24, 10), ::GetPixel(dc, 40, 10)};
    }

    // The "skip it" picture is a red disc crossed by a white bar.
    COLORREF DiscOfVisibleRow(UINT item)
    {
        StarsOfVisibleRow(item);
        return ::GetPixel(dc, 8, 5);
    }

    CListHostWindow form;
    CRecipeListBox list;
    HWND control = nullptr;
    HDC dc = nullptr;
    HBITMAP canvas = nullptr;
    HGDIOBJ previous = nullptr;
};

TEST_F(RatedRowsTest, RowsShowTheirRatingsAtTheTopAndAtTheEndOfTheList)
{
    EXPECT_EQ(RowHeight, ::SendMessageA(control, LCM_GETITEMHEIGHT, 0, 0));
    // Row i of the fixture is rated i % 5 - 1.
    EXPECT_EQ(Red, DiscOfVisibleRow(0));
    EXPECT_EQ((std::vector<COLORREF>{Gold, Gold, RGB(255, 255, 255)}), StarsOfVisibleRow(3));
    EXPECT_EQ((std::vector<COLORREF>{Gold, Gold, Gold}), StarsOfVisibleRow(4));

    // Rated rows are 20 pixels high: the 160-pixel control shows 8 of them.
    ASSERT_TRUE(list.SelectItem(0, LCN_GETLAST));
    long top = static_cast<long>(::SendMessageA(control, LCM_GETTOPINDEX, 0, 0));
    EXPECT_EQ(10000 - 8, top);
    EXPECT_EQ((std::vector<COLORREF>{Gold, Gold, Gold}), StarsOfVisibleRow(9999 - top));
    EXPECT_EQ(Red, DiscOfVisibleRow(9995 - top));
}

TEST_F(RatedRowsTest, TheControlShowsEachRowWithItsValueColumn)
{
    char text[64] = "";
    ::SendMessageA(control, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("Recipe 00001|$0.50 ", text);
}

}  // namespace
