#pragma once

#include "database/CustObArray.h"

class RecipeListItem;

// The recipes put on a shopping list; owns its entries.
class RecipeList : public CCustObArray
{
    DECLARE_SERIAL(RecipeList)
public:
    RecipeList() = default;
    // The base copies its elements as recipe-model items, which these are not.
    RecipeList(const RecipeList&) = delete;
    RecipeList& operator=(const RecipeList&) = delete;

    RecipeListItem* GetRecipeAt(int index) const;
    // The first entry with that id, or null.
    RecipeListItem* FindById(const CRecordId& id) const;

protected:
    const CRuntimeClass* GetElementClass() const override;
};
