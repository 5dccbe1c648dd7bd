#include "printing/NutritionReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "database/RecipeList.h"
#include "database/RecipeListItem.h"
#include "printing/ReportFixture.h"

namespace {

using printtest::ReportTest;
using Texts = std::vector<std::string>;

NUTRITION Profile(float fat, float protein, float carbohydrate)
{
    NUTRITION profile;
    profile.SetAll(0.0);
    profile.m_amount[NUTRITION::TotalFat] = fat;
    profile.m_amount[NUTRITION::Protein] = protein;
    profile.m_amount[NUTRITION::Carbohydrate] = carbohydrate;
    profile.Recalculate();
    return profile;
}

void AddMealPlanItem(CMenuData& menu, const char* type, const char* text, WORD day, WORD meal, WORD servings)
{
    auto* pItem = new CMenuItem;
    pItem->m_type = type;
    pItem->m_text = text;
    pItem->m_day = day;
    pItem->m_meal = meal;
    pItem->m_servings = servings;
    menu.m_items.AddTail(pItem);
}

bool Contains(const Texts& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

class NutritionReport : public ReportTest
{
};

TEST_F(NutritionReport, ThirteenGramsOfFatAreATwentiethOfTheDailyValue)
{
    CNutritionReport report(&m_output);
    report.WriteNutritionLabel(Profile(13.0f, 0.0f, 0.0f), 1);
    const Texts texts = m_output.Texts();
    EXPECT_TRUE(Contains(texts, "Calories  117"));
    EXPECT_TRUE(Contains(texts, "Calories from Fat  117"));
    EXPECT_TRUE(Contains(texts, "Total Fat\t\t13\tg\t20%"));
    EXPECT_TRUE(Contains(texts, "Fat  100%   Protein  0%   Carb.  0%"));
}

TEST_F(NutritionReport, ABlankLabelPrintsEveryNumberAsZero)
{
    CNutritionReport report(&m_output);
    report.WriteBlankLabel();
    const Texts texts = m_output.Texts();
    ASSERT_EQ(17u, texts.size());
    const std::regex number("[0-9]+");
    for (const std::string& text : texts)
        for (std::sregex_iterator at(text.begin(), text.end(), number), end; at != end; ++at)
            EXPECT_EQ("0", at->str()) << text;
    EXPECT_EQ("Amount Per Serving", texts.front());
}

TEST_F(NutritionReport, AMealPlanWithItemsOnDaysIsHeadedPerDay)
{
    struct Case
    {
        WORD day;
        const char* heading;
    };
    for (const Case& c : {Case{2, "Amount Per Day"}, Case{0, "Amount Per Serving"}})
    {
        m_output.Calls.clear();
        CMenuData menu;
        menu.m_id = CRecordId("000201");
        AddMealPlanItem(menu, "R", "Lemon Tart", c.day, 0, 4);
        m_cookbook.MealPlanProfiles[menu.m_id.GetText()] = Profile(10.0f, 20.0f, 30.0f);
        CNutritionReport report(&m_output);
        report.WriteMealPlanNutrition(menu);
        ASSERT_FALSE(m_output.Texts().empty());
        EXPECT_EQ(c.heading, m_output.Texts().front());
    }
}

TEST_F(NutritionReport, AMealPlanWithoutAProfilePrintsNothing)
{
    CMenuData menu;
    menu.m_id = CRecordId("000202");
    CNutritionReport report(&m_output);
    report.WriteMealPlanNutrition(menu);
    EXPECT_TRUE(m_output.Calls.empty());
}

TEST_F(NutritionReport, ARecipePrintsItsProfileAndOneThatFailsToLoadPrintsNothing)
{
    m_cookbook.Add(printtest::FixtureRecipe());
    CNutritionReport report(&m_output);
    report.WriteRecipeNutrition(CRecordId("000999"));
    EXPECT_TRUE(m_output.Calls.empty());

    report.WriteRecipeNutrition(CRecordId("000101"));
    EXPECT_TRUE(Contains(m_output.Texts(), "Total Fat\t\t13\tg\t20%"));
    EXPECT_EQ((std::vector<int>{4, 4}), m_cookbook.LoadRequests);
}

TEST_F(NutritionReport, AListSumsTheProfilesOfTheRecipesThatLoad)
{
    CRecipeData first = printtest::FixtureRecipe();
    CRecipeData second = printtest::FixtureRecipe();
    second.m_recipeId = CRecordId("000102");
    second.GetNutrition()->m_amount[NUTRITION::Protein] = 5.0f;
    m_cookbook.Add(first);
    m_cookbook.Add(second);
    CRecipeList list;
    for (const char* id : {"000101", "000102", "000999"})
    {
        auto* pItem = new CRecipeListItem;
        pItem->m_id = CRecordId(id);
        list.Add(pItem);
    }
    CNutritionReport report(&m_output);
    report.WriteListNutrition(list);
    const Texts texts = m_output.Texts();
    EXPECT_TRUE(Contains(texts, "Total Fat\t\t26\tg\t40%"));
    EXPECT_TRUE(Contains(texts, "Protein\t\t5\tg"));
    EXPECT_TRUE(Contains(texts, "Calories  254"));
}

// A profile with every amount set, so that each row shows its own figure.
NUTRITION FullProfile()
{
    NUTRITION profile = Profile(13.0f, 25.0f, 60.0f);
    profile.m_amount[NUTRITION::SaturatedFat] = 4.0f;
    profile.m_amount[NUTRITION::Cholesterol] = 90.0f;
    profile.m_amount[NUTRITION::Sodium] = 600.0f;
    profile.m_amount[NUTRITION::Fibre] = 5.0f;
    profile.m_amount[NUTRITION::Sugars] = 22.0f;
    profile.m_amount[NUTRITION::VitaminA] = 1000.0f;
    profile.m_amount[NUTRITION::VitaminC] = 30.0f;
    profile.m_amount[NUTRITION::Calcium] = 200.0f;
    profile.m_amount[NUTRITION::Iron] = 9.0f;
    profile.m_amount[NUTRITION::Alcohol] = 1.0f;
    profile.Recalculate();
    return profile;
}

TEST_F(NutritionReport, PanelGolden)
{
    CNutritionReport report(&m_output);
    report.SetLineFormat(CLineFormat::FlagItalic, CLineFormat::Columns, 4, 100, 12, 0, -1);
    report.WriteNutritionLabel(FullProfile(), 1);
    const std::vector<std::string> expected = {
        "text: BI d 4 100 12 | Amount Per Serving",
        "text: I d 4 100 12 | Calories  464",
        "text: I d 4 100 12 | Calories from Fat  117",
        "text: I d 4 100 12 | Percent Total Calories From:",
        "text: I d 4 100 12 | Fat  25%   Protein  22%   Carb.  52%",
        "rule: 2",
        "text: I d 4 100 12 | \t\t\t\t% Daily",
        "text: I d 4 100 12 | \t\t\t\tValue",
        "text: I d 4 100 12 | Total Fat\t\t13\tg\t20%",
        "text: I d 4 100 12 |   Saturated Fat\t\t4\tg\t20%",
        "text: I d 4 100 12 | Cholesterol\t\t90\tmg\t30%",
        "text: I d 4 100 12 | Sodium\t\t600\tmg\t25%",
        "text: I d 4 100 12 | Total Carbohydrate\t\t60\tg\t20%",
        "text: I d 4 100 12 |   Dietary Fiber\t\t5\tg\t20%",
        "text: I d 4 100 12 |   Sugars\t\t22\tg",
        "text: I d 4 100 12 | Protein\t\t25\tg",
        "rule: 2",
        "text: I d 4 100 12 | Vitamin A  20%\t\t\t\tVitamin C  50%",
        "text: I d 4 100 12 | Calcium  20%\t\t\t\tIron  50%",
    };
    EXPECT_EQ(expected, Calls());
}

TEST_F(NutritionReport, WideTableGolden)
{
    CNutritionReport report(&m_output);
    report.SetLineFormat(0, CLineFormat::Plain, 0, 100, 0, 0, -1);
    report.WriteNutritionTable(FullProfile(), 1);
    const std::vector<std::string> expected = {
        "text: B - 0 100 0 | Amount Per Serving",
        "text: - - 0 100 0 | Calories  464        Calories from Fat  117",
        "text: - - 0 100 0 | Percent Total Calories From:",
        "text: - - 0 100 0 | Fat   25%        Protein   22%        Carb.  52%",
        "text: - - 0 100 0 | ",
        "text: - d 0 100 0 | Nutrient\t\tAmount per\t\t% Daily",
        "text: - d 0 100 0 | \t\tServing\t\tValue",
        "text: - d 0 100 0 | Total Fat\t\t13\tg\t20%",
        "text: - d 0 100 0 |   Saturated Fat\t\t4\tg\t20%",
        "text: - d 0 100 0 | Cholesterol\t\t90\tmg\t30%",
        "text: - d 0 100 0 | Sodium\t\t600\tmg\t25%",
        "text: - d 0 100 0 | Total Carbohydrate\t\t60\tg\t20%",
        "text: - d 0 100 0 |   Dietary Fiber\t\t5\tg\t20%",
        "text: - d 0 100 0 |   Sugars\t\t22\tg",
        "text: - d 0 100 0 | Protein\t\t25\tg",
        "text: - d 0 100 0 | ",
        "text: - d 0 100 0 | Vitamin A   20%      Vitamin C   50%      Calcium   20%      Iron   50%",
    };
    EXPECT_EQ(expected, Calls());
}

TEST_F(NutritionReport, ShortListGolden)
{
    CNutritionReport report(&m_output);
    report.SetPerDay(true);
    report.WriteNutritionTable(FullProfile(), 0);
    const std::vector<std::string> expected = {
        "Nutrition (per day):  464 calories",
        "\t  Saturated fat\t     4\tg",
        "\t  Total Fat\t        13\tg (25% calories)",
        "\t  Protein\t          25\tg (22% calories)",
        "\t  Carbohydrates\t    60\tg (52% calories)",
        "",
        "\t  Cholesterol\t      90\tmg",
        "\t  Fiber\t             5\tg",
        "\t  Calcium\t         200\tg",
        "\t  Sugars\t           22\tg",
        "\t  Alcohol\t           1\tg",
        "\t  Vitamin A\t      1000\tIU",
        "\t  Vitamin C\t        30\tmg",
        "\t  Sodium\t          600\tmg",
        "\t  Iron\t              9\tmg",
    };
    EXPECT_EQ(expected, m_output.Texts());
}

}  // namespace
