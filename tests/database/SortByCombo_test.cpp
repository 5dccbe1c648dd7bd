#include "database/SortByCombo.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/ComboBox.h"
#include "framework/String.h"

namespace {

TEST(SortByCombo, FillsTheTenSortKeysOnceAndSelectsTheKey)
{
    CWnd form;
    form.CreateEx(0, nullptr, "Sort", WS_OVERLAPPEDWINDOW, RECT{0, 0, 300, 200}, nullptr, 0);
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, RECT{10, 10, 250, 190}, &form, 300));

    FillSortByCombo(combo, 3);
    const char* names[] = {"Recipe Name",
                           "Recipe Rating",
                           "Total Calories (per serving)",
                           "% Calories from Fat",
                           "Fat (g. per serving)",
                           "Sodium (mg. per serving)",
                           "Cholesterol (mg. per serving)",
                           "Total Time",
                           "Prep Time",
                           "Cost"};
    ASSERT_EQ(10, combo.GetCount());
    for (int i = 0; i < 10; ++i)
    {
        SCOPED_TRACE(i);
        CString text;
        combo.GetLBText(i, text);
        EXPECT_STREQ(names[i], text);
    }
    EXPECT_EQ(3, combo.GetCurSel());

    FillSortByCombo(combo, 9);
    EXPECT_EQ(10, combo.GetCount());
    EXPECT_EQ(9, combo.GetCurSel());
}

}  // namespace
