#pragma once

#include <vector>

#include "framework/String.h"

// Ingredient names that begin with a prefix, as the cookbook's ingredient search finds them.
struct IngredientMatch
{
    CString name;
    long id;
};

class CIngredientSearch
{
public:
    virtual std::vector<IngredientMatch> Search(const CString& prefix) = 0;

protected:
    ~CIngredientSearch() = default;
};
