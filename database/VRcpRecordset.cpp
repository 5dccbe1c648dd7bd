#include "database/VRcpRecordset.h"

#include "database/RecordId.h"
#include "database/SqlText.h"
#include "res/resource.h"

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

CVRcpRecordset::CVRcpRecordset(CCookbookDatabase* pDatabase) : CVRecordset(pDatabase) {}

bool CVRcpRecordset::OpenList(const CRecordId& chapterId, int sortKey)
{
    const char media = MediaLetter(chapterId.GetNumber());
    CString statement;
    if (media != '\0')
        statement = "SELECT DISTINCT " + SelectList(sortKey) + " FROM " +
                    LoadSchemaText(IDS_QRY_SHOW_SORTED_RECIPES_WITH_MEDIA_TYPES) + " WHERE " +
                    LoadSchemaText(IDS_COL_REFERENC_REFTYPE) + "=" + QuoteSqlText(CString(media));
    else
    {
        const UINT source = CSortedListQuery::IsNutritionKey(sortKey) ? IDS_QRY_SHOW_SORTED_RECIPES : IDS_TBL_RECIPE;
        statement = "SELECT " + SelectList(sortKey) + " FROM " + LoadSchemaText(source);
        if (chapterId != 0UL)
            statement += " WHERE " + LoadSchemaText(IDS_COL_RECIPE_COOKBOOK) + "=" + QuoteSqlText(chapterId);
    }
    statement += " ORDER BY " + SortOrder(sortKey);
    const CSortedListQuery query =
        media != '\0' ? CSortedListQuery::ForMedia(media, sortKey) : CSortedListQuery::ForChapter(chapterId, sortKey);
    return OpenWindows(query, sortKey, statement);
}

int CVRcpRecordset::FetchFirst(CSortedRecipeListItem& item)
{
    return MoveTo(0, item, kNoRow);
}

int CVRcpRecordset::FetchNext(CSortedRecipeListItem& item)
{
    if (GetCurrentRow() >= GetRowCount() - 1)
        return FetchLast(item);
    return MoveTo(GetCurrentRow() + 1, item, kNoRow);
}

int CVRcpRecordset::FetchPrev(CSortedRecipeListItem& item)
{
    if (GetCurrentRow() <= 0)
        return FetchFirst(item);
    return MoveTo(GetCurrentRow() - 1, item, kNoRow);
}

int CVRcpRecordset::FetchLast(CSortedRecipeListItem& item)
{
    return MoveTo(GetRowCount() - 1, item, kNoRow);
}

int CVRcpRecordset::FetchAt(long index, CSortedRecipeListItem& item)
{
    return MoveTo(index, item, kNoRow);
}
