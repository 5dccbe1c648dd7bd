#include "shell/formbase/CurrentRecipe.h"

#include "database/CookbookDatabase.h"
#include "database/CurrentRecipe.h"
#include "shell/services/CurrentDatabase.h"

namespace {

int LoadFromCurrentDatabase(CRecipeData& recipe, BYTE level)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    return pDatabase != nullptr ? pDatabase->LoadRecipe(&recipe, level) : 2;
}

}  // namespace

CRecipeData* GetCurrentRecipe(const CRecordId& id, BYTE level)
{
    return ::GetCurrentRecipe(id, level, LoadFromCurrentDatabase);
}
