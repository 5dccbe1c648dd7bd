#include "printing/SpecialsReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "database/RecipeList.h"
#include "database/RecipeListItem.h"
#include "printing/ReportFixture.h"

namespace {

using Strings = std::vector<std::string>;

class SpecialsReport : public printtest::ReportTest
{
protected:
    SpecialsReport()
    {
        for (const char* name : {"Lemon Tart", "Sweet Crust"})
        {
            auto* pItem = new CRecipeListItem;
            pItem->m_name = name;
            pItem->m_nutrition.SetAll(0.0);
            pItem->m_nutrition.m_amount[NUTRITION::TotalFat] = 13.0f;
            m_list.Add(pItem);
        }
    }

    CRecipeList m_list;
};

TEST_F(SpecialsReport, HeadingAndOneHotSpotPerRecipe)
{
    CSpecialsReport report(&m_output);
    report.WriteSpecials(m_list, nullptr);
    const Strings expected = {
        "text: B c 0 160 0 | Specials",     "text: - - 0 100 19 | Lemon Tart", "text: - - 0 100 19 | ",
        "text: - - 0 100 19 | Sweet Crust", "text: - - 0 100 19 | ",           "rule: 2",
    };
    EXPECT_EQ(expected, Calls());
    EXPECT_EQ(0, m_output.Calls[1].format.StyleValue);
    EXPECT_EQ(1, m_output.Calls[3].format.StyleValue);
}

TEST_F(SpecialsReport, TheSummedPanelFollowsWhenAskedFor)
{
    struct Case
    {
        int menuNutrition;
        bool panel;
    };
    for (const Case& c : {Case{0, false}, Case{1, true}})
    {
        m_output.Calls.clear();
        Print().MenuNutrition = c.menuNutrition;
        CSpecialsReport report(&m_output);
        report.WriteSpecialsWithNutrition(m_list, nullptr);
        const Strings texts = m_output.Texts();
        const bool summed = std::find(texts.begin(), texts.end(), "Total Fat\t\t26\tg\t40%") != texts.end();
        EXPECT_EQ(c.panel, summed) << c.menuNutrition;
        EXPECT_EQ(c.panel, std::find(texts.begin(), texts.end(), "Calories  234") != texts.end());
    }
}

}  // namespace
