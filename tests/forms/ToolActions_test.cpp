#include "forms/ToolActions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CookbookDialogTest.h"
#include "database/MenuItem.h"
#include "database/MenuListItem.h"
#include "database/RecipeList.h"
#include "database/RecipeListItem.h"
#include "framework/Position.h"

namespace {

// "type id day" of each stored entry, in the order the cookbook reads them.
std::vector<std::string> EntriesOf(CCookbookDatabase& database, const CRecordId& planId)
{
    CMenuData plan;
    plan.m_id = planId;
    database.LoadMenu(plan);
    std::vector<std::string> entries;
    for (POSITION position = plan.m_items.GetHeadPosition(); position != nullptr;)
    {
        const auto* pEntry = static_cast<const CMenuItem*>(plan.m_items.GetNext(position));
        entries.push_back(std::string(pEntry->m_type) + " " + std::string(pEntry->m_itemId.GetText()) + " " +
                          std::to_string(pEntry->m_day));
    }
    return entries;
}

class ToolActionsTest : public formtest::CookbookDialogTest
{
protected:
    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        target = AddMealPlan("Weekday Dinners");
        g_pFormManager->SetCurrentMealPlanId(target);
        soup.m_id = CRecordId(7UL);
        soup.m_name = "Tomato Soup";
        soup.m_servings = 4;
    }

    // Answers the Add To Meal Plan dialog with a day ("" leaves it) or cancels it (nullptr).
    void AnswerAddDialog(const char* day)
    {
        CDialogDriver::OnOpen(IDD_ADD_TO_MEAL_PLAN, [day](CDialog& dialog) {
            if (day == nullptr)
            {
                CDialogDriver::Press(dialog, IDCANCEL);
                return;
            }
            if (*day != '\0')
                dialog.SetDlgItemText(IDC_MEAL_PLAN_DAY, day);
            CDialogDriver::Press(dialog, IDOK);
        });
    }

    CMenuItem Entry(const char* type, unsigned long id, WORD day)
    {
        CMenuItem entry;
        entry.m_type = type;
        entry.m_itemId = CRecordId(id);
        entry.m_text = "Entry";
        entry.m_day = day;
        return entry;
    }

    CToolActions actions;
    CRecordId target;
    CRecipeListItem soup;
};

TEST_F(ToolActionsTest, ARecipeGoesIntoTheChosenPlanWithItsServings)
{
    soup.m_servings = 0;
    soup.m_scaledServings = 6;
    AnswerAddDialog("3");
    actions.AddRecipeToMealPlan(&m_frame, soup);

    CMenuData plan;
    plan.m_id = target;
    m_database.LoadMenu(plan);
    ASSERT_EQ(1, plan.m_items.GetCount());
    const auto* pEntry = static_cast<const CMenuItem*>(plan.m_items.GetHead());
    EXPECT_STREQ("Tomato Soup", pEntry->m_text);
    EXPECT_STREQ("R", pEntry->m_type);
    EXPECT_STREQ("000007", pEntry->m_itemId.GetText());
    EXPECT_EQ(6, pEntry->m_servings);
    EXPECT_EQ(3, pEntry->m_day);
}

TEST_F(ToolActionsTest, AMealPlanIsCopiedWithItsDaysMovedByTheDayChosen)
{
    const CRecordId lunches = AddMealPlan("Lunches");
    ASSERT_TRUE(m_database.AddMenuItem(lunches, Entry("R", 7, 1)));
    ASSERT_TRUE(m_database.AddMenuItem(lunches, Entry("I", 12, 2)));
    MenuListItem source;
    source.m_id = lunches;
    source.m_name = "Lunches";

    struct Case
    {
        const char* day;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"0", {"R 000007 1", "I 000012 2"}},
        {"3", {"R 000007 3", "I 000012 4"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.day);
        const CRecordId plan = AddMealPlan(("Copy " + std::string(c.day)).c_str());
        g_pFormManager->SetCurrentMealPlanId(plan);
        AnswerAddDialog(c.day);
        actions.AddMealPlanToMealPlan(&m_frame, source);
        EXPECT_EQ(c.expected, EntriesOf(m_database, plan));
    }
    EXPECT_EQ(2u, EntriesOf(m_database, lunches).size());
}

TEST_F(ToolActionsTest, TheSpecialsListTakesARecipeOnce)
{
    actions.AddToSpecialsList(&m_frame, soup);
    actions.AddToSpecialsList(&m_frame, soup);

    EXPECT_STREQ("The recipe you selected will be added to the Specials list.\n"
                 "The recipe you selected will be added to the Specials list.\n"
                 "The recipe you selected is already on the Specials list.\n",
                 m_boxes.GetAllTexts());
    const CRecipeList& specials = *g_pBrowseState->GetSecondList();
    ASSERT_EQ(1, specials.GetSize());
    EXPECT_STREQ("Tomato Soup", specials.GetRecipeAt(0)->m_name);
    EXPECT_STREQ("000007", specials.GetRecipeAt(0)->m_id.GetText());
    EXPECT_EQ(4, specials.GetRecipeAt(0)->m_servings);
}

TEST_F(ToolActionsTest, CancelChangesNothing)
{
    MenuListItem plan;
    plan.m_id = AddMealPlan("Lunches");
    ASSERT_TRUE(m_database.AddMenuItem(plan.m_id, Entry("R", 7, 1)));
    plan.m_name = "Lunches";

    AnswerAddDialog(nullptr);
    actions.AddRecipeToMealPlan(&m_frame, soup);
    AnswerAddDialog(nullptr);
    actions.AddMealPlanToMealPlan(&m_frame, plan);
    m_boxes.QueueAnswer(IDCANCEL);
    actions.AddToSpecialsList(&m_frame, soup);

    EXPECT_TRUE(EntriesOf(m_database, target).empty());
    EXPECT_EQ(0, g_pBrowseState->GetSecondList()->GetSize());
}

}  // namespace
