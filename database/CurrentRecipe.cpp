#include "database/CurrentRecipe.h"

#include "database/RecipeData.h"
#include "database/RecordId.h"

namespace {
CRecipeData& Cache()
{
    static CRecipeData s_recipe;
    return s_recipe;
}
}  // namespace

CRecipeData* GetCurrentRecipe(const CRecordId& id, BYTE level, RecipeLoader load)
{
    CRecipeData& recipe = Cache();
    if (id == 0UL)
    {
        recipe.Clear();
        return &recipe;
    }
    const bool sameRecipe = recipe.m_recipeId == id;
    if (sameRecipe && recipe.m_loadLevel == level)
        return &recipe;
    if (!sameRecipe)
    {
        recipe.Clear();
        recipe.m_recipeId = id;
    }
    if (load(recipe, level) != 0)
    {
        recipe.Clear();
        return nullptr;
    }
    recipe.m_loadLevel = level;
    return &recipe;
}
