#pragma once

#include <windef.h>

class CRecipeData;
class CRecordId;

// The recipe on display, read through the current database when the id or level changes;
// null when it cannot be read (or there is no database).
CRecipeData* GetCurrentRecipe(const CRecordId& id, BYTE level);
