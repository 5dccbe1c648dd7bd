#pragma once

#include "database/Nutrition.h"
#include "shopping/ListItem.h"

class CRecipeListItem;

// A recipe put on the shopping list, as its recipe list entry described it then.
class RecipeListItem : public ListItem
{
    DECLARE_SERIAL(RecipeListItem)
public:
    RecipeListItem();
    explicit RecipeListItem(const CRecipeListItem& entry);

    void Serialize(CArchive& ar) override;

    LONG m_servings;
    LONG m_scaledServings;
    CRecordId m_chapterId;
    NUTRITION m_nutrition;
    LONG m_reserved;
};
