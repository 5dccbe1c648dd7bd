#pragma once

#include "framework/ObArray.h"

class CRecordId;
class CString;

// The personal menu's recipe entries. Owns them.
class CMenuRecipeList : public CObArray
{
    DECLARE_SERIAL(CMenuRecipeList)
public:
    CMenuRecipeList() = default;
    ~CMenuRecipeList() override;
    CMenuRecipeList(const CMenuRecipeList&) = delete;
    CMenuRecipeList& operator=(const CMenuRecipeList&) = delete;

    // The index of the new entry.
    int AddRecipe(const CString& name, const CRecordId& recipeId, long number);
    void RemoveAll();
    void Serialize(CArchive& ar) override;
};
