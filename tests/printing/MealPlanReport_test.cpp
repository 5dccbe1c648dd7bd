#include "printing/MealPlanReport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "printing/ReportFixture.h"

namespace {

using Strings = std::vector<std::string>;

const int kBreakfast = 1;
const int kDinner = 5;

void AddItem(CMenuData& menu, const char* type, const char* text, WORD day, WORD meal, WORD servings = 0)
{
    auto* pItem = new CMenuItem;
    pItem->m_type = type;
    pItem->m_text = text;
    pItem->m_day = day;
    pItem->m_meal = meal;
    pItem->m_servings = servings;
    menu.m_items.AddTail(pItem);
}

class MealPlanReport : public printtest::ReportTest
{
protected:
    MealPlanReport()
    {
        m_menu.m_id = CRecordId("000301");
        m_menu.m_name = "Weekend";
        m_menu.m_description = "Two easy days";
    }

    // Two days; the excluded items "Coffee^" and "Tea" share a line, and "Water^" is the last.
    void ScheduleTwoDays()
    {
        AddItem(m_menu, "R", "Lemon Tart", 1, kDinner, 4);
        AddItem(m_menu, "E", "Coffee^", 1, kDinner);
        AddItem(m_menu, "I", "Bread", 2, kBreakfast);
        AddItem(m_menu, "E", "Tea", 2, kBreakfast);
        AddItem(m_menu, "R", "Sweet Crust", 2, kBreakfast, 2);
        AddItem(m_menu, "E", "Water^", 2, kBreakfast);
    }

    // Text and word 18 of every hot-spot line (styles 19 and 21).
    std::vector<std::pair<std::string, int>> HotSpots() const
    {
        std::vector<std::pair<std::string, int>> spots;
        for (const CRecordingFormatter::Call& call : m_output.Calls)
            if ((call.format.ParagraphStyle == 19 || call.format.ParagraphStyle == 21) && !call.text.empty() &&
                call.kind == CRecordingFormatter::Text)
                spots.emplace_back(call.text, call.format.StyleValue);
        return spots;
    }

    CMenuData m_menu;
};

TEST_F(MealPlanReport, DaysMealsItemsAndTheExcludedNote)
{
    ScheduleTwoDays();
    CMealPlanReport report(&m_output);
    EXPECT_EQ(1, report.WriteMealPlanDays(&m_menu, nullptr));
    const Strings expected = {
        "text: B c 3 160 0 | Weekend",
        "text: B c 3 160 0 | ",
        "text: I c 3 100 0 | Two easy days",
        "text: I c 3 100 0 | ",
        "text: - c 3 100 22 | Day 1:",
        "text: - c 3 100 23 |    Dinner",
        "text: - c 3 100 19 | Lemon Tart  (4)",
        "text: - c 3 100 22 | Day 2:",
        "text: - c 3 100 23 |    Breakfast",
        "text: - c 3 100 20 | Bread",
        "text: I c 3 100 21 | Coffee^Tea",
        "text: - c 3 100 19 | Sweet Crust  (2)",
        "text: I c 3 100 21 | Water^",
        "text: I c 3 100 21 | ",
        "rule: 2",
        "text: I c 3 100 21 | ",
        "text: I c 3 100 0 | Items in italics are excluded from nutrition calculations and shopping lists.",
        "text: I c 3 100 0 | ",
    };
    EXPECT_EQ(expected, Calls());
}

TEST_F(MealPlanReport, RecipesAndExcludedLinesAreNumberedHotSpots)
{
    ScheduleTwoDays();
    CMealPlanReport report(&m_output);
    report.WriteMealPlanDays(&m_menu, nullptr);
    const std::vector<std::pair<std::string, int>> expected = {
        {"Lemon Tart  (4)", 0}, {"Coffee^Tea", 1}, {"Sweet Crust  (2)", 2}, {"Water^", 3}};
    EXPECT_EQ(expected, HotSpots());
}

TEST_F(MealPlanReport, APlanWithoutDaysHasNoDayHeadingsAndItsOwnServings)
{
    m_menu.m_servings = 6;
    AddItem(m_menu, "R", "Lemon Tart", 0, 0, 4);
    AddItem(m_menu, "I", "Bread", 0, 0);
    CMealPlanReport report(&m_output);
    report.WriteMealPlanDays(&m_menu, nullptr);
    const Strings texts = m_output.Texts();
    EXPECT_EQ((Strings{"Weekend", "", "Two easy days", "", "Lemon Tart  (6)", "Bread", ""}), texts);
}

TEST_F(MealPlanReport, TheWideNutritionSummaryFollowsOnlyWhenAskedFor)
{
    AddItem(m_menu, "R", "Lemon Tart", 1, kDinner, 4);
    NUTRITION profile;
    profile.SetAll(0.0);
    profile.m_amount[NUTRITION::TotalFat] = 13.0f;
    profile.Recalculate();
    m_cookbook.MealPlanProfiles[m_menu.m_id.GetText()] = profile;

    struct Case
    {
        int menuNutrition;
        bool summary;
    };
    for (const Case& c : {Case{0, false}, Case{1, true}})
    {
        m_output.Calls.clear();
        Print().MenuNutrition = c.menuNutrition;
        CMealPlanReport report(&m_output);
        EXPECT_EQ(0, report.WriteMealPlan(&m_menu, nullptr));
        const Strings texts = m_output.Texts();
        const auto heading = std::find(texts.begin(), texts.end(), "Amount Per Day");
        EXPECT_EQ(c.summary, heading != texts.end()) << c.menuNutrition;
        if (c.summary)
        {
            ASSERT_LT(heading + 1, texts.end());
            EXPECT_EQ("Calories  117        Calories from Fat  117", *(heading + 1));
        }
    }
}

TEST_F(MealPlanReport, ANullMealPlanWritesNothing)
{
    CMealPlanReport report(&m_output);
    EXPECT_EQ(1, report.WriteMealPlan(nullptr, nullptr));
    EXPECT_TRUE(m_output.Calls.empty());
}

}  // namespace
