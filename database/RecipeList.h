#pragma once

#include "database/CustObArray.h"

class CRecipeListItem;

// An owning array of recipe list items.
class CRecipeList : public CCustObArray
{
    DECLARE_SERIAL(CRecipeList)
public:
    // The first element whose value is key, or null.
    CRecipeListItem* FindByKey(LONG key) const;
    CRecipeListItem* GetRecipeAt(int index) const;

protected:
    const CRuntimeClass* GetElementClass() const override;
};
