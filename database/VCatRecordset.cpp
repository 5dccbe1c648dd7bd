#include "database/VCatRecordset.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include "database/CookbookDatabase.h"
#include "database/MultiRecordColumn.h"
#include "database/RecipeListItem.h"
#include "database/RecordId.h"
#include "database/SortedRecipeListItem.h"
#include "res/resource.h"
#include "database/SqlText.h"

CVCatRecordset::CVCatRecordset(CCookbookDatabase* pDatabase) : CVRecordset(pDatabase) {}

bool CVCatRecordset::OpenList(const CRecordId& categoryId, int sortKey)
{
    CString where;
    if (categoryId != 0UL)
        where = LoadSchemaText(IDS_COL_CAT_ITEM_CATID) + "=" + QuoteSqlText(categoryId);
    const CString source = IsNutritionKey(sortKey) ? LoadSchemaText(IDS_QRY_SHOW_SORTED_RCPS_BY_CAT)
                                                   : LoadSchemaText(IDS_QRY_SHOW_RECIPES_BY_CAT);
    // Every filed recipe (id 0) would otherwise come once per category it is in.
    m_bDistinct = categoryId == 0UL;
    SetColumns(sortKey);
    return OpenQuery(source, where, SortOrder(sortKey)) != FALSE;
}

int CVCatRecordset::FetchFirst(CSortedRecipeListItem& item)
{
    return Scroll(SQL_FETCH_FIRST, 0, item, kNoRow);
}

int CVCatRecordset::FetchNext(CSortedRecipeListItem& item)
{
    return Scroll(SQL_FETCH_NEXT, 0, item, kNoRowAfter);
}

int CVCatRecordset::FetchPrev(CSortedRecipeListItem& item)
{
    return Scroll(SQL_FETCH_PRIOR, 0, item, kNoRowBefore);
}

int CVCatRecordset::FetchLast(CSortedRecipeListItem& item)
{
    return Scroll(SQL_FETCH_LAST, 0, item, kNoRow);
}

int CVCatRecordset::FetchAt(long index, CSortedRecipeListItem& item)
{
    CSortedRecipeListItem fetched;
    const int status = Scroll(SQL_FETCH_ABSOLUTE, index + 1, fetched, kNoRow);
    if (status != kFilled)
        return status;
    const int check = CheckRowRecipe();
    if (check == kFilled)
        item = fetched;
    return check;
}

int CVCatRecordset::CheckRowRecipe()
{
    CString text;
    m_pBuffers[0].Rewind();
    m_pBuffers[0].GetText(text);
    CRecipeListItem recipe;
    recipe.m_id = CRecordId(text);
    if (!m_pOwner->ReadRecipeListItem(&recipe, 1))
        return kNoRow;
    m_pRememberedRecordset = m_pOwner->GetRecordset();
    return kFilled;
}
