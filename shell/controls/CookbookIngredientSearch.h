#pragma once

#include "shell/controls/IngredientSearch.h"

// The ingredient names of the open cookbook that contain the typed text, for a type-ahead combo;
// nothing while no cookbook is open.
class CCookbookIngredientSearch : public CIngredientSearch
{
public:
    std::vector<IngredientMatch> Search(const CString& prefix) override;
};
