#pragma once

#include "framework/String.h"

class CIngData;

// An ingredient line as the recipe's editing list shows it: the printed item line at the
// recipe's servings on one row, its first tab shown as a blank.
CString IngredientListText(const CIngData& line, int nServings);
