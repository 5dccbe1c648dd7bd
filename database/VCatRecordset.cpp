#include "database/VCatRecordset.h"

#include "database/CookbookDatabase.h"
#include "database/RecipeListItem.h"
#include "database/RecordId.h"
#include "database/SqlText.h"
#include "res/resource.h"

CVCatRecordset::CVCatRecordset(CCookbookDatabase* pDatabase) : CVRecordset(pDatabase) {}

bool CVCatRecordset::OpenList(const CRecordId& categoryId, int sortKey)
{
    const UINT source =
        CSortedListQuery::IsNutritionKey(sortKey) ? IDS_QRY_SHOW_SORTED_RCPS_BY_CAT : IDS_QRY_SHOW_RECIPES_BY_CAT;
    // Every filed recipe (id 0) once, though it may be in several categories.
    CString statement = CString(categoryId == 0UL ? "SELECT DISTINCT " : "SELECT ") + SelectList(sortKey) + " FROM " +
                        LoadSchemaText(source);
    if (categoryId != 0UL)
        statement += " WHERE " + LoadSchemaText(IDS_COL_CAT_ITEM_CATID) + "=" + QuoteSqlText(categoryId);
    statement += " ORDER BY " + SortOrder(sortKey);
    return OpenWindows(CSortedListQuery::ForCategory(categoryId, sortKey), sortKey, statement);
}

int CVCatRecordset::FetchFirst(CSortedRecipeListItem& item)
{
    return MoveTo(0, item, kNoRow);
}

int CVCatRecordset::FetchNext(CSortedRecipeListItem& item)
{
    return MoveTo(GetCurrentRow() + 1, item, kNoRowAfter);
}

int CVCatRecordset::FetchPrev(CSortedRecipeListItem& item)
{
    if (GetCurrentRow() < 0)
        return kNoRowBefore;
    return MoveTo(GetCurrentRow() - 1, item, kNoRowBefore);
}

int CVCatRecordset::FetchLast(CSortedRecipeListItem& item)
{
    return MoveTo(GetRowCount() - 1, item, kNoRow);
}

int CVCatRecordset::FetchAt(long index, CSortedRecipeListItem& item)
{
    CSortedRecipeListItem fetched;
    const int status = MoveTo(index, fetched, kNoRow);
    if (status != kFilled)
        return status;
    const int check = CheckRowRecipe();
    if (check == kFilled)
        item = fetched;
    return check;
}

int CVCatRecordset::CheckRowRecipe()
{
    CRecipeListItem recipe;
    recipe.m_id = GetCurrentItem().m_id;
    if (!m_pOwner->ReadRecipeListItem(&recipe, 1))
        return kNoRow;
    m_pRememberedRecordset = m_pOwner->GetRecordset();
    return kFilled;
}
