// Recipes and meal plans put on the shopping list, the items of the lists, and the summary.
#include "shopping/ShopMgr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "database/IngData.h"
#include "database/MenuListItem.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/ShellTestFolder.h"
#include "shopping/FakeCookbook.h"
#include "shopping/RecipeListItem.h"
#include "shopping/ShoppingListItem.h"

namespace {

using shoptest::Ingredient;
using shoptest::UsedRecipe;

class ShopMgrListsTest : public shelltest::ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        // Bread for 4 uses Butter for 2; Loop uses itself and Knot, which uses Loop again.
        m_db.m_recipes["000001"] = {"Bread", 4, {Ingredient("flour", 2), UsedRecipe("000002"), Ingredient("", 1)}};
        m_db.m_recipes["000002"] = {"Butter", 2, {Ingredient("cream", 1)}};
        m_db.m_recipes["000003"] = {"Loop", 1, {Ingredient("salt", 1), UsedRecipe("000003"), UsedRecipe("000004")}};
        m_db.m_recipes["000004"] = {"Knot", 1, {Ingredient("pepper", 1), UsedRecipe("000003")}};
        m_db.m_recipes["000005"] = {"Soup", 0, {Ingredient("water", 3)}};
        m_db.m_plans["000201"] = {6, {{"R", "000002", 0}, {"M", "000001", 0}, {"T", "000000", 0}}};
        m_db.m_plans["000202"] = {0, {{"R", "000002", 8}, {"R", "000002", 0}}};
        SetCurrentDatabase(&m_db);
    }

    void TearDown() override { SetCurrentDatabase(nullptr); }

    // "name low-high adjusted" for each item of the current list.
    std::string Items() const
    {
        std::string text;
        const CShoppingList& list = m_manager.GetCurrentList();
        for (int i = 0; i < list.GetSize(); ++i)
        {
            const CShoppingListItem* pItem = list.GetItem(i);
            char row[96];
            snprintf(row, sizeof row, "%s %g-%g %ld; ", pItem->GetLine().m_name.GetString(), pItem->GetLine().m_minQty,
                     pItem->GetLine().m_maxQty, static_cast<long>(pItem->m_adjusted));
            text += row;
        }
        return text;
    }

    shoptest::CFakeCookbook m_db;
    CShopMgr m_manager;
};

TEST_F(ShopMgrListsTest, RecipesAreScaledToTheServingsWantedAndFollowedIntoTheRecipesTheyUse)
{
    const struct
    {
        const char* what;
        const char* id;
        int servings;
        const char* expected;
        int recipes;
    } rows[] = {
        {"as written", "000001", 0, "flour 2-2 0; cream 1-1 0; ", 2},
        {"8 of 4, the used recipe 8 of 2", "000001", 8, "flour 4-4 1; cream 4-4 1; ", 2},
        {"a cycle ends", "000003", 0, "salt 1-1 0; pepper 1-1 0; ", 2},
        {"a recipe for 0 servings", "000005", 6, "water 3-3 0; ", 1},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        m_manager.ClearShoppingList();
        EXPECT_TRUE(m_manager.AddRecipe(m_db.Entry(row.id), row.servings, nullptr));
        EXPECT_EQ(row.expected, Items());
        EXPECT_EQ(row.recipes, m_manager.GetRecipes().GetSize());
    }
    CRecipeListItem missing;
    missing.m_id = CRecordId("000777");
    EXPECT_FALSE(m_manager.AddRecipe(missing, 0, nullptr));
    EXPECT_TRUE(m_manager.HasRecipe(CRecordId("000777"))) << "the entry stays on the list";
    EXPECT_FALSE(m_manager.AddRecipeById(CRecordId("000778"), 0, nullptr));
}

TEST_F(ShopMgrListsTest, MealPlansAddTheirRecipesForTheirServingsElseEachItemsOwn)
{
    MenuListItem plan;
    plan.m_id = CRecordId("000201");
    plan.m_value = 11;
    ASSERT_TRUE(m_manager.AddMealPlan(plan, nullptr));
    EXPECT_EQ("cream 3-3 1; ", Items()) << "only recipe items are followed";
    EXPECT_TRUE(m_manager.HasMealPlan(11));
    EXPECT_EQ(6, static_cast<const MenuListItem*>(m_manager.GetMealPlans().GetAt(0))->m_servings);

    m_manager.ClearShoppingList();
    plan.m_id = CRecordId("000202");
    ASSERT_TRUE(m_manager.AddMealPlan(plan, nullptr));
    EXPECT_EQ("cream 4-4 1; cream 1-1 0; ", Items());
    plan.m_id = CRecordId("000299");
    EXPECT_FALSE(m_manager.AddMealPlan(plan, nullptr));
}

TEST_F(ShopMgrListsTest, ItemsAreAddedFoundAndRemoved)
{
    ASSERT_TRUE(m_manager.AddRecipe(m_db.Entry("000001"), 0, nullptr));
    ASSERT_TRUE(m_manager.AddRecipe(m_db.Entry("000005"), 0, nullptr));
    m_manager.SetModified(0);
    const CShoppingListItem* pWater = m_manager.GetCurrentList().GetItem(2);
    CShoppingListItem nameless;
    EXPECT_FALSE(m_manager.AddItemCopy(&nameless));
    EXPECT_FALSE(m_manager.AddItemCopy(nullptr));
    ASSERT_TRUE(m_manager.AddItemCopy(pWater));
    EXPECT_EQ(CShopMgr::kModified, m_manager.GetState());
    EXPECT_EQ(pWater->GetSerial(), m_manager.GetCurrentList().GetItem(3)->GetSerial());

    m_manager.BuildSummary();
    int index = -1;
    const CShoppingListItem* pEntry = m_manager.GetSummaryList().GetItem(0);
    EXPECT_EQ(pEntry, m_manager.FindItemBySerial(pEntry->GetSerial(), &index));
    EXPECT_EQ(0, index);
    EXPECT_FALSE(m_manager.DeleteItemBySerial(pEntry->GetSerial())) << "a summary entry";
    EXPECT_TRUE(m_manager.DeleteItemBySerial(m_manager.GetCurrentList().GetItem(0)->GetSerial()));

    EXPECT_TRUE(m_manager.RemoveRecipe("Soup"));
    EXPECT_EQ("cream 1-1 0; ", Items());
    EXPECT_FALSE(m_manager.HasRecipe(CRecordId("000005")));
    EXPECT_TRUE(m_manager.HasRecipe(CRecordId("000001")));

    m_manager.AddPantryItem(*m_manager.GetCurrentList().GetItem(0));
    const CShoppingListItem* pPantry = m_manager.GetPantryList().GetItem(0);
    CString pantryName;
    pantryName.LoadString(IDS_PANTRY_ITEM);
    EXPECT_EQ(pantryName, pPantry->m_recipeName);
    EXPECT_EQ(1, pPantry->m_checked);
    EXPECT_NE(m_manager.GetCurrentList().GetItem(0)->GetSerial(), pPantry->GetSerial());
}

CIngData Measured(const char* name, double quantity, const char* unitId, short kind, const char* unit)
{
    CIngData line = Ingredient(name, quantity);
    line.m_unitId = CRecordId(unitId);
    line.m_unitType = kind;
    line.m_unitText = unit;
    line.m_unitFactor1 = 1.0;
    return line;
}

TEST_F(ShopMgrListsTest, SummaryMergesEqualNamesOfTheListAndTheFrequentItems)
{
    // Unit names fix the order of equal ingredient names: the sort is not stable.
    m_db.m_recipes["000009"] = {"Mix",
                                1,
                                {Measured("sugar", 1, "000010", 1, "cup"), Measured("Sugar", 5, "000011", 1, "dl"),
                                 Measured("sugar", 2, "000040", 4, "pound"), Measured("oil", 0, "000012", 0, "a"),
                                 Measured("sugar", 2, "000010", 1, "cup"), Measured("oil", 1, "000012", 0, "b")}};
    ASSERT_TRUE(m_manager.AddRecipe(m_db.Entry("000009"), 0, nullptr));
    m_manager.AddFrequentItem(*m_manager.GetCurrentList().GetItem(0));

    const struct
    {
        LONG addFrequent;
        LONG checked;
        const char* expected;
    } rows[] = {
        {0, 1, "oil 1-1 0 1; sugar 3-3 1 1; Sugar 5-5 0 0; sugar 2-2 0 0; "},
        {1, 1, "oil 1-1 0 1; sugar 4-4 1 1; Sugar 5-5 0 0; sugar 2-2 0 0; "},
        {1, 0, "oil 1-1 0 1; sugar 3-3 1 1; Sugar 5-5 0 0; sugar 2-2 0 0; "},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.checked);
        SCOPED_TRACE(row.addFrequent);
        m_manager.m_bAddFrequentItems = row.addFrequent;
        m_manager.GetFrequentList().GetItem(0)->m_checked = row.checked;
        m_manager.BuildSummary();
        std::string text;
        const CShoppingList& summary = m_manager.GetSummaryList();
        for (int i = 0; i < summary.GetSize(); ++i)
        {
            const CShoppingListItem* pItem = summary.GetItem(i);
            char entry[96];
            snprintf(entry, sizeof entry, "%s %g-%g %ld %ld; ", pItem->GetLine().m_name.GetString(),
                     pItem->GetLine().m_minQty, pItem->GetLine().m_maxQty, static_cast<long>(pItem->m_adjusted),
                     static_cast<long>(pItem->m_combined));
            text += entry;
        }
        EXPECT_EQ(row.expected, text);
    }
    m_manager.m_bPrinting = 1;
    m_manager.ClearShoppingList();
    m_manager.BuildSummary();
    EXPECT_EQ(4, m_manager.GetSummaryList().GetSize()) << "printing reuses the summary of the screen";
}

}  // namespace
