#pragma once

#include <vector>

#include "database/Nutrition.h"

class CIngData;
class CRecipeData;

// Sums a recipe's nutrient profile from the stored profiles of its ingredients (per 100 g)
// and the whole-recipe profiles of the recipes it uses.
class CRecipeNutritionTotal
{
public:
    // Starts from zero, with every ingredient line still to be matched; the recipe must outlive
    // the total.
    explicit CRecipeNutritionTotal(const CRecipeData& recipe);

    // One stored ingredient profile: it counts once, for the first line not yet matched that
    // uses the ingredient, scaled to that line's quantity; an optional line counts nothing.
    void AddIngredientRow(const char* itemId, const NUTRITION& storedProfile);
    // A used recipe's whole profile, scaled by the line's quantity of that recipe.
    void AddEmbeddedRecipe(const CIngData& line, const NUTRITION& wholeRecipe);

    // Lines that use another recipe and count toward the total.
    static bool IsCountedEmbeddedRecipe(const CIngData& line);

    const NUTRITION& GetTotal() const { return m_total; }
    NUTRITION GetPerServing() const;

private:
    const CIngData* TakeLineFor(const char* itemId);

    std::vector<const CIngData*> m_unmatchedLines;
    NUTRITION m_total;
    WORD m_servings;
};
