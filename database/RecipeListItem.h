#pragma once

#include "database/ListItem.h"
#include "database/Nutrition.h"

// A recipe as the lists show it: servings, chapter and nutrient profile.
class CRecipeListItem : public CListItem
{
    DECLARE_SERIAL(CRecipeListItem)
public:
    CRecipeListItem();

    CItem* Clone() const override;

    void Clear();
    bool operator==(const CRecipeListItem& other) const;
    bool operator!=(const CRecipeListItem& other) const { return !(*this == other); }
    void Serialize(CArchive& ar) override;

    WORD m_servings;
    // The servings chosen for the recipe while the program runs (a meal plan's); 0 = none.
    WORD m_scaledServings;
    CRecordId m_chapterId;
    NUTRITION m_nutrition;
    // Filled by the sorted recipe views; neither is archived.
    LONG m_workValue;
    LONG m_rating;
};
