#pragma once

#include <windef.h>

class CRecipeData;
class CRecordId;

// Reads a recipe (its recipe id set) at a load level into the record; 0 on success.
typedef int (*RecipeLoader)(CRecipeData& recipe, BYTE level);

// The one program-wide recipe on display. Id 0 clears it; the same id and level return it
// as it is; otherwise it is read again with load. A failed read leaves an empty recipe
// behind, so that the next request reads again, and gives null.
CRecipeData* GetCurrentRecipe(const CRecordId& id, BYTE level, RecipeLoader load);
