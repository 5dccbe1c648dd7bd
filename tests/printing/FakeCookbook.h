#pragma once
// A cookbook database object that answers the report writers' reads from recipes and meal-plan
// profiles the test keeps in memory, without a connection, and counts the reads.
#include <map>
#include <string>
#include <vector>

#include "database/MenuData.h"
#include "database/Nutrition.h"
#include "database/RMDatabase.h"
#include "database/RecipeData.h"

namespace printtest {

class CFakeCookbook : public CRMDatabase
{
public:
    int LoadRecipe(CRecipeData* pRecipe, BYTE request) override
    {
        LoadRequests.push_back(request);
        const auto found = Recipes.find(pRecipe->m_recipeId.GetText());
        if (found == Recipes.end())
            return 2;
        *pRecipe = found->second;
        return 0;
    }

    // The meal plan's profile is the one kept under its id; none when there is none.
    BOOL ComputeMenuNutrition(CMenuData& menu) override
    {
        const auto found = MealPlanProfiles.find(menu.m_id.GetText());
        menu.SetNutrition(found == MealPlanProfiles.end() ? nullptr : &found->second);
        return found != MealPlanProfiles.end();
    }

    void Add(const CRecipeData& recipe) { Recipes[recipe.m_recipeId.GetText()] = recipe; }

    std::map<std::string, CRecipeData> Recipes;
    std::map<std::string, NUTRITION> MealPlanProfiles;
    std::vector<int> LoadRequests;
};

}  // namespace printtest
