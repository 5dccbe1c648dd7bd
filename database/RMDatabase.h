#pragma once

#include "database/CookbookDatabase.h"

// The cookbook database object the program makes: one for the user's cookbook, one more for
// each import source.
class CRMDatabase : public CCookbookDatabase
{
    DECLARE_DYNCREATE(CRMDatabase)
public:
    CRMDatabase();
    ~CRMDatabase() override;

    // The base load, then the recipe's references (0x08).
    int LoadRecipe(CRecipeData* pRecipe, BYTE request) override;

    long m_nReserved;

private:
    void LoadRecipeReferences(CRecipeData& recipe);
};
