#pragma once

#include "database/VRecordset.h"

// The recipes of a category (id 0: every filed recipe) in a sort order. A row fetched by
// index is checked against the recipe it names before it is handed out.
class CVCatRecordset : public CVRecordset
{
public:
    explicit CVCatRecordset(CCookbookDatabase* pDatabase);

    bool OpenList(const CRecordId& categoryId, int sortKey) override;
    int FetchFirst(CSortedRecipeListItem& item) override;
    int FetchNext(CSortedRecipeListItem& item) override;
    int FetchPrev(CSortedRecipeListItem& item) override;
    int FetchLast(CSortedRecipeListItem& item) override;
    int FetchAt(long index, CSortedRecipeListItem& item) override;
    // 0 when the fetched row's recipe can be read, 3 when not.
    virtual int CheckRowRecipe();
};
