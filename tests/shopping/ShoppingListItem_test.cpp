// Shopping items: serials, the copies they are made from, and merging into a summary entry.
#include "shopping/ShoppingListItem.h"

#include <gtest/gtest.h>

#include "database/IngData.h"
#include "database/Nutrition.h"
#include "database/RecipeListItem.h"

namespace {

CIngData Line(const char* name, double low, double high, const char* unitId = "000010", short kind = 1,
              double factor = 1.0)
{
    CIngData line;
    line.m_name = name;
    line.m_minQty = low;
    line.m_maxQty = high;
    line.m_unitId = CRecordId(unitId);
    line.m_unitType = kind;
    line.m_unitFactor1 = factor;
    return line;
}

CShoppingListItem Item(const CIngData& line)
{
    CRecipeListItem recipe;
    recipe.m_name = "Cake";
    return CShoppingListItem(line, recipe, 1.0);
}

TEST(ShoppingListItem, SerialsAreNewForMadeItemsAndKeptByPlainCopies)
{
    CRecipeListItem recipe;
    recipe.m_name = "Bread";
    recipe.m_id = CRecordId("000042");
    CIngData line = Line("flour", 2, 2);
    line.GetNutrition()->m_calories = 100;
    const CShoppingListItem made(line, recipe, 2.0);
    EXPECT_EQ(CString("Bread"), made.m_recipeName);
    EXPECT_EQ(CRecordId("000042"), made.m_recipeId);
    EXPECT_EQ(1, made.m_adjusted) << "scaled up";
    EXPECT_EQ(0, CShoppingListItem(line, recipe, 0.5).m_adjusted) << "scaled down";
    CIngData copied(made.GetLine());
    EXPECT_TRUE(copied == Line("flour", 2, 2)) << "the line's nutrient profile is dropped";

    const CShoppingListItem plain(made);
    const CShoppingListItem renewed(made, TRUE);
    EXPECT_EQ(made.GetSerial(), plain.GetSerial());
    EXPECT_NE(made.GetSerial(), renewed.GetSerial());
    EXPECT_NE(made.GetSerial(), CShoppingListItem().GetSerial());
    CShoppingListItem assigned;
    assigned = made;
    EXPECT_EQ(made.GetSerial(), assigned.GetSerial());
    EXPECT_EQ(CString("flour"), assigned.GetLine().m_name);
}

TEST(ShoppingListItem, MergeSumsQuantitiesByUnit)
{
    const struct
    {
        const char* what;
        CIngData target;
        CIngData candidate;
        BOOL merged;
        double low;
        double high;
        bool replaced;
    } rows[] = {
        {"same unit", Line("sugar", 1, 1), Line("sugar", 2, 2), TRUE, 3, 3, false},
        {"same kind, by factor ratio", Line("flour", 1, 1, "000010", 1, 8.0), Line("flour", 4, 4, "000011", 1, 2.0),
         TRUE, 2, 2, false},
        {"other kind", Line("flour", 1, 1, "000010", 1), Line("flour", 1, 1, "000020", 4), FALSE, 1, 1, false},
        {"target factor 0", Line("flour", 1, 1, "000010", 1, 0.0), Line("flour", 1, 1, "000011", 1), FALSE, 1, 1,
         false},
        {"candidate 0/0 adds nothing", Line("salt", 1, 2), Line("salt", 0, 0), TRUE, 1, 2, false},
        // A single quantity counts in both ends: nothing summed before is dropped.
        {"candidate maximum 0", Line("egg", 2, 2), Line("egg", 1, 0), TRUE, 3, 3, false},
        {"target maximum 0", Line("egg", 2, 0), Line("egg", 1, 3), TRUE, 3, 5, false},
        {"target 0/0 is replaced", Line("egg", 0, 0), Line("egg", 1, 3, "000020", 4), TRUE, 1, 3, true},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        CShoppingListItem target = Item(row.target);
        const CShoppingListItem candidate = Item(row.candidate);
        EXPECT_EQ(row.merged, target.MergeItem(candidate));
        EXPECT_DOUBLE_EQ(row.low, target.GetLine().m_minQty);
        EXPECT_DOUBLE_EQ(row.high, target.GetLine().m_maxQty);
        const bool changed = row.merged && row.candidate.m_minQty + row.candidate.m_maxQty != 0.0;
        EXPECT_EQ(changed ? 1 : 0, target.m_combined);
        EXPECT_EQ(changed && !row.replaced ? 1 : 0, target.m_adjusted);
        EXPECT_EQ(row.replaced, target.GetSerial() == candidate.GetSerial());
    }
}

}  // namespace
