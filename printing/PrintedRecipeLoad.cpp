#include "printing/PrintedRecipeLoad.h"

#include "database/CookbookDatabase.h"
#include "database/RecipeData.h"
#include "shell/services/CurrentDatabase.h"

namespace {

const int kLoadFailed = 2;

}  // namespace

bool LoadPrintedRecipe(CRecipeData& recipe, const CRecordId& id, BYTE nFlags)
{
    recipe.Clear();
    recipe.m_recipeId = id;
    return GetCurrentDatabase()->LoadRecipe(&recipe, nFlags) != kLoadFailed;
}
