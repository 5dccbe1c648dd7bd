#include "database/VRcpRecordset.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include "database/RecordId.h"
#include "res/resource.h"
#include "database/SqlText.h"

namespace {

// The media letter of a contents list, or 0 for a chapter.
char MediaLetter(long chapterNumber)
{
    switch (chapterNumber)
    {
    case 999996: return 'P';
    case 999997: return 'V';
    case 999998: return 'S';
    default: return '\0';
    }
}

}  // namespace

CVRcpRecordset::CVRcpRecordset(CCookbookDatabase* pDatabase) : CVRecordset(pDatabase)
{
    m_strColumns = LoadSchemaText(IDS_COL_RECIPE_RECIPE) + "," + LoadSchemaText(IDS_COL_RECIPE_TITLE);
}

bool CVRcpRecordset::OpenList(const CRecordId& chapterId, int sortKey)
{
    const char media = MediaLetter(chapterId.GetNumber());
    CString source;
    CString where;
    if (media != '\0')
    {
        source = LoadSchemaText(IDS_QRY_SHOW_SORTED_RECIPES_WITH_MEDIA_TYPES);
        where = LoadSchemaText(IDS_COL_REFERENC_REFTYPE) + "=" + QuoteSqlText(CString(media));
    }
    else
    {
        source = IsNutritionKey(sortKey) ? LoadSchemaText(IDS_QRY_SHOW_SORTED_RECIPES) : LoadSchemaText(IDS_TBL_RECIPE);
        if (chapterId != 0UL)
            where = LoadSchemaText(IDS_COL_RECIPE_COOKBOOK) + "=" + QuoteSqlText(chapterId);
    }
    // A recipe with two photos is still one entry of the photo list.
    m_bDistinct = media != '\0';
    SetColumns(sortKey);
    return OpenQuery(source, where, SortOrder(sortKey)) != FALSE;
}

int CVRcpRecordset::FetchFirst(CSortedRecipeListItem& item)
{
    return Scroll(SQL_FETCH_FIRST, 0, item, kNoRow);
}

int CVRcpRecordset::FetchNext(CSortedRecipeListItem& item)
{
    if (m_nCurrentRow >= m_nRowCount)
        return FetchLast(item);
    return Scroll(SQL_FETCH_NEXT, 0, item, kNoRow);
}

int CVRcpRecordset::FetchPrev(CSortedRecipeListItem& item)
{
    if (m_nCurrentRow <= 1)
        return FetchFirst(item);
    return Scroll(SQL_FETCH_PRIOR, 0, item, kNoRow);
}

int CVRcpRecordset::FetchLast(CSortedRecipeListItem& item)
{
    return Scroll(SQL_FETCH_LAST, 0, item, kNoRow);
}

int CVRcpRecordset::FetchAt(long index, CSortedRecipeListItem& item)
{
    return Scroll(SQL_FETCH_ABSOLUTE, index + 1, item, kNoRow);
}
