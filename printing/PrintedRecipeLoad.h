#pragma once

#include <windef.h>

class CRecipeData;
class CRecordId;

// Clears the recipe and loads the one with the id from the current cookbook with the load
// flags; false when it no longer loads (the printouts then leave it out).
bool LoadPrintedRecipe(CRecipeData& recipe, const CRecordId& id, BYTE nFlags);
