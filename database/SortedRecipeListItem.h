#pragma once

#include "database/RecipeListItem.h"

// A recipe list entry with the key it was sorted by.
class CSortedRecipeListItem : public CRecipeListItem
{
    DECLARE_SERIAL(CSortedRecipeListItem)
public:
    CSortedRecipeListItem();

    CItem* Clone() const override;

    void Clear();
    bool operator==(const CSortedRecipeListItem& other) const;
    bool operator!=(const CSortedRecipeListItem& other) const { return !(*this == other); }
    void Serialize(CArchive& ar) override;

    CString m_sortText;
    float m_sortValue;
};
