#include "shell/controls/RecipeListBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <windows.h>

#include "ListHostWindow.h"
#include "database/RMDatabase.h"
#include "database/RecordId.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/controls/SortedViewFactory.h"
#include "support/CookbookFixture.h"

namespace {

constexpr int Recipes = 10000;
constexpr int VisibleRows = 10;

// A cookbook of 10,000 recipes "Recipe number i", rated i % 5, shown by name.
class RecipeListHostOnCookbookTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        fixture::CookbookTest::SetUp();
        std::string path = Copy(fixture::TemplatePath(), "Recipes.TWS");
        ASSERT_TRUE(database.OpenCookbookFile(path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));
        CString sql;
        sql.Format("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %d) "
                   "INSERT INTO RECIPE (COOKBOOK, RECIPE, TITLE, SERVINGS, RATING) "
                   "SELECT '000001', printf('%%06d', i), 'Recipe number ' || i, 4, i %% 5 FROM n",
                   Recipes);
        ASSERT_TRUE(database.ExecuteDirect(sql));
        SetCurrentDatabase(&database);
        CRecipeListCache::SetViewFactory(&MakeSortedListView);
        for (int i = 1; i <= Recipes; ++i)
            names.push_back("Recipe number " + std::to_string(i));
        std::sort(names.begin(), names.end());
    }

    void TearDown() override
    {
        SetCurrentDatabase(nullptr);
        fixture::CookbookTest::TearDown();
    }

    std::vector<std::string> Shown() const
    {
        std::vector<std::string> shown;
        LRESULT count = ::SendMessageA(control, LB_GETCOUNT, 0, 0);
        for (LRESULT row = 0; row < count; ++row)
        {
            char text[64] = "";
            ::SendMessageA(control, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
            shown.push_back(text);
        }
        return shown;
    }

    std::vector<std::string> Expected(int first) const
    {
        return std::vector<std::string>(names.begin() + first, names.begin() + first + VisibleRows);
    }

    // Each shown row's rating against the number in its name.
    void ExpectRatings(long top)
    {
        for (long row = top; row < top + VisibleRows; ++row)
        {
            CSortedRecipeListItem* item = list.GetItemAt(row);
            ASSERT_NE(nullptr, item);
            int number = std::atoi(static_cast<LPCSTR>(item->m_name) + 14);
            EXPECT_EQ(number % 5, item->m_rating) << item->m_name;
        }
    }

    CRMDatabase database;
    std::vector<std::string> names;
    CListHostWindow form;
    CRecipeListBox list;
    HWND control = nullptr;
};

TEST_F(RecipeListHostOnCookbookTest, ScrollsToTheEndAndBackWithTheRightRowsAndRatings)
{
    control = form.AddList(list, 10, VisibleRows);
    list.Initialise(0, CRecordId(0UL), 0);
    EXPECT_EQ(Expected(0), Shown());
    ExpectRatings(0);

    ASSERT_TRUE(list.SelectItem(0, LCN_GETLAST));
    EXPECT_EQ(Expected(Recipes - VisibleRows), Shown());
    ExpectRatings(Recipes - VisibleRows);

    ::SendMessageA(control, LCM_PAGEUP, 0, 0);
    EXPECT_EQ(Expected(Recipes - 2 * VisibleRows), Shown());

    ASSERT_TRUE(list.SelectItem(0, LCN_GETFIRST));
    EXPECT_EQ(Expected(0), Shown());
}

}  // namespace
