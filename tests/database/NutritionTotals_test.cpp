#include "database/IngData.h"
#include "database/MenuNutritionTotal.h"
#include "database/QuantityScaler.h"
#include "database/RecipeData.h"
#include "database/RecipeNutritionTotal.h"

#include <gtest/gtest.h>

namespace {
CIngData* Line(unsigned long item, double quantity, int unitType, double factor1)
{
    CIngData* pLine = new CIngData;
    pLine->m_itemId.SetNumber(item);
    pLine->m_minQty = quantity;
    pLine->m_maxQty = quantity;
    pLine->m_unitType = unitType;
    pLine->m_unitFactor1 = factor1;
    return pLine;
}

// Per 100 g, or per serving for a recipe.
NUTRITION Profile(float protein, float carbohydrate, float fat, float sodium)
{
    NUTRITION n;
    n.m_amount[NUTRITION::Protein] = protein;
    n.m_amount[NUTRITION::Carbohydrate] = carbohydrate;
    n.m_amount[NUTRITION::TotalFat] = fat;
    n.m_amount[NUTRITION::Sodium] = sodium;
    n.m_unitQuantity = 100;
    n.Recalculate();
    return n;
}

// Pancakes for 4: 2 cups of flour in a dry cup (120 g a cup), 1 cup of milk in a liquid-or-
// dry cup (30.5 g a fluid ounce), 2 eggs (50 g each), optional blueberries, and half a
// recipe of syrup.
void FillPancakes(CRecipeData& pancakes)
{
    pancakes.m_servings = 4;
    CIngData* pFlour = Line(11, 2, 2, 1.0);
    pFlour->m_dry = 120;
    pFlour->m_unitText = "cup";
    pFlour->m_name = "flour";
    CIngData* pMilk = Line(12, 1, 3, 8.0);
    pMilk->m_unitFactor2 = 1;
    pMilk->m_liquid = 30.5;
    CIngData* pEggs = Line(13, 2, 0, 1.0);
    pEggs->m_fractional = 50;
    CIngData* pBerries = Line(14, 1, 3, 8.0);
    pBerries->m_optional = 1;
    pBerries->m_dry = 150;
    CIngData* pSyrup = Line(20, 0.5, 0, 1.0);
    pSyrup->m_lineType = "R";
    for (CIngData* pLine : {pFlour, pMilk, pEggs, pBerries, pSyrup})
        pancakes.m_lines.AddTail(pLine);
}

NUTRITION PancakesPerServing()
{
    CRecipeData pancakes;
    FillPancakes(pancakes);
    CRecipeNutritionTotal total(pancakes);
    total.AddIngredientRow("000011", Profile(10, 76, 1, 2));
    total.AddIngredientRow("000012", Profile(3.4f, 5, 1, 44));
    total.AddIngredientRow("000013", Profile(13, 1, 10, 140));
    total.AddIngredientRow("000014", Profile(1, 14, 0, 1));
    total.AddIngredientRow("000099", Profile(50, 50, 50, 50));
    total.AddIngredientRow("000000", Profile(50, 50, 50, 50));
    for (POSITION position = pancakes.m_lines.GetHeadPosition(); position;)
    {
        const CIngData* pLine = static_cast<CIngData*>(pancakes.m_lines.GetNext(position));
        if (CRecipeNutritionTotal::IsCountedEmbeddedRecipe(*pLine))
        {
            NUTRITION syrup = Profile(0, 20, 0, 0);
            syrup.MultiplyBy(4);
            total.AddEmbeddedRecipe(*pLine, syrup);
        }
    }
    return total.GetPerServing();
}
}  // namespace

// Hand computation: flour 2 x 120 g x 0.01 = 2.4 times its profile, milk 1 x (30.5 x 8) x
// 0.01 = 2.44, eggs 2 x 50 x 0.01 = 1, syrup 0.5 x 4 servings x 20 g carbohydrate = 40 g.
TEST(NutritionTotals, RecipePerServingByHand)
{
    const NUTRITION perServing = PancakesPerServing();
    EXPECT_NEAR((24 + 8.296 + 13) / 4, perServing.m_amount[NUTRITION::Protein], 1e-3);
    EXPECT_NEAR((182.4 + 12.2 + 1 + 40) / 4, perServing.m_amount[NUTRITION::Carbohydrate], 1e-3);
    EXPECT_NEAR((2.4 + 2.44 + 10) / 4, perServing.m_amount[NUTRITION::TotalFat], 1e-3);
    EXPECT_NEAR((4.8 + 107.36 + 140) / 4, perServing.m_amount[NUTRITION::Sodium], 1e-3);
    EXPECT_NEAR(9 * 3.71 + 4 * 58.9 + 4 * 11.324, perServing.m_calories, 1e-2);
}

TEST(NutritionTotals, EachIngredientRowCountsOnceAndZeroUnitQuantityCountsNothing)
{
    CRecipeData recipe;
    recipe.m_servings = 0;
    recipe.m_lines.AddTail(Line(11, 1, 4, 2.0));
    CRecipeNutritionTotal total(recipe);
    total.AddIngredientRow("000011", Profile(10, 0, 0, 0));
    total.AddIngredientRow("000011", Profile(10, 0, 0, 0));
    // One ounce weighs 28.4 g in recipe totals: 1 x (2 x 28.4) x 0.01 of the profile.
    EXPECT_NEAR(10 * 0.568, total.GetPerServing().m_amount[NUTRITION::Protein], 1e-4);

    CRecipeNutritionTotal noQuantity(recipe);
    NUTRITION unmeasured = Profile(10, 0, 0, 0);
    unmeasured.m_unitQuantity = 0;
    noQuantity.AddIngredientRow("000011", unmeasured);
    EXPECT_EQ(0.0f, noQuantity.GetTotal().m_amount[NUTRITION::Protein]);
}

TEST(NutritionTotals, LineWeightsByUnitType)
{
    struct Case
    {
        const char* what;
        int unitType;
        double liquid;
        double dry;
        double factor1;
        double factor2;
        float expectedFactor;
    };
    const Case cases[] = {
        {"liquid from dry weight", 1, 0, 80, 1, 0, 0.1f},
        {"dry cup", 2, 0, 120, 1, 0, 1.2f},
        {"dry from liquid weight", 2, 30, 0, 0.5, 0, 1.2f},
        {"liquid-or-dry with liquid", 3, 30, 0, 8, 1, 2.4f},
        {"liquid-or-dry with dry only", 3, 0, 120, 8, 1, 1.2f},
        {"weight in ounces", 4, 0, 0, 2, 0, 0.568f},
        {"unknown type", 9, 0, 0, 1, 0, 0.01f},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        CIngData line;
        line.m_minQty = 1;
        line.m_unitType = c.unitType;
        line.m_liquid = c.liquid;
        line.m_dry = c.dry;
        line.m_unitFactor1 = c.factor1;
        line.m_unitFactor2 = c.factor2;
        EXPECT_NEAR(c.expectedFactor, line.GetNutritionFactor(), 1e-5);
    }
}

// A dry unit's factor is its size in cups for both the nutrition and the display: two dry
// cups are 240 g of flour and show as 2 cups (not as a quarter cup).
TEST(NutritionTotals, DryUnitAgreesForNutritionAndDisplay)
{
    CRecipeData pancakes;
    FillPancakes(pancakes);
    const CIngData& flour = *static_cast<CIngData*>(pancakes.m_lines.GetHead());
    EXPECT_DOUBLE_EQ(240.0, flour.GetAmountForUnitType() * flour.m_minQty);
    CQuantityScaler scaler(3, 0, 1, 150);
    scaler.Load(flour, 1.0);
    EXPECT_STREQ("2", scaler.GetQuantityText());
    EXPECT_STREQ("cups", scaler.GetUnitText());
}

TEST(NutritionTotals, MealPlanPerDay)
{
    const NUTRITION pancakes = PancakesPerServing();
    CMenuNutritionTotal plan;
    plan.AddRecipe(1, pancakes);
    plan.AddRecipe(1, Profile(0, 20, 0, 0));
    plan.AddRecipe(2, pancakes);
    const NUTRITION perDay = plan.GetPerDay();
    EXPECT_NEAR(pancakes.m_amount[NUTRITION::Protein], perDay.m_amount[NUTRITION::Protein], 1e-3);
    EXPECT_NEAR(58.9 + 10, perDay.m_amount[NUTRITION::Carbohydrate], 1e-3);

    CMenuNutritionTotal empty;
    EXPECT_EQ(0.0f, empty.GetPerDay().m_calories);
}
