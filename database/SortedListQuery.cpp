#include "database/SortedListQuery.h"

#include "database/RecordId.h"
#include "database/SqlText.h"
#include "res/resource.h"

namespace {

// The column of each sort key 0-9; keys 0 and 1 select the preparation time and the rating.
const UINT kSortColumns[] = {
    IDS_COL_RECIPE_PREP_MIN,         IDS_COL_RECIPE_RATING,
    IDS_COL_ING_NUTRITION_CALORIES,  IDS_COL_ING_NUTRITION_PCNT_CAL_FAT,
    IDS_COL_ING_NUTRITION_TOTAL_FAT, IDS_COL_ING_NUTRITION_SODIUM,
    IDS_COL_ING_NUTRITION_CHOLESTRL, IDS_COL_RECIPE_TOTAL_MIN,
    IDS_COL_RECIPE_PREP_MIN,         IDS_COL_RECIPE_COST,
};

int KnownKey(int sortKey)
{
    return sortKey >= 0 && sortKey <= 9 ? sortKey : 0;
}

CString Name(UINT table, UINT column)
{
    return LoadSchemaText(table) + "." + LoadSchemaText(column);
}

CString RecipeColumn(UINT column)
{
    return Name(IDS_TBL_RECIPE, column);
}

CString SortColumnOf(int sortKey)
{
    const UINT column = kSortColumns[KnownKey(sortKey)];
    return CSortedListQuery::IsNutritionKey(sortKey) ? Name(IDS_TBL_RCP_NUTRITION, column) : RecipeColumn(column);
}

CString And(const CString& left, const CString& right)
{
    if (left.IsEmpty())
        return right;
    return right.IsEmpty() ? left : left + " AND " + right;
}

CString Where(const CString& condition)
{
    return condition.IsEmpty() ? CString() : " WHERE " + condition;
}

// "(SELECT table.column FROM table WHERE table.id=?)"
CString ValueOfRow(UINT table, UINT column, UINT id)
{
    return "(SELECT " + Name(table, column) + " FROM " + LoadSchemaText(table) + " WHERE " + Name(table, id) + "=?)";
}

}  // namespace

CSortedListQuery::CSortedListQuery(const CString& scope, const CString& count, int sortKey) : m_count(count)
{
    for (UINT column : {IDS_COL_RECIPE_RECIPE, IDS_COL_RECIPE_TITLE, IDS_COL_RECIPE_COOKBOOK, IDS_COL_RECIPE_SERVINGS,
                        IDS_COL_RECIPE_RATING})
        m_columns += RecipeColumn(column) + ",";
    m_columns += SortColumnOf(sortKey);
    AddSegments(scope, sortKey);
}

CSortedListQuery CSortedListQuery::ForChapter(const CRecordId& chapterId, int sortKey)
{
    CString scope;
    if (chapterId != 0UL)
        BuildIdCondition(scope, IDS_TBL_RECIPE, IDS_COL_RECIPE_COOKBOOK, chapterId);
    return CSortedListQuery(scope, "SELECT COUNT(*) FROM " + LoadSchemaText(IDS_TBL_RECIPE) + Where(scope), sortKey);
}

// Counted from the links alone: deleting a recipe deletes its links.
CSortedListQuery CSortedListQuery::ForMedia(char letter, int sortKey)
{
    CString link;
    BuildJoinCondition(link, IDS_TBL_REFERENC, IDS_COL_REFERENC_REFID, IDS_TBL_REFITEM, IDS_COL_REFITEM_REFID);
    CString recipeLink;
    BuildColumnCondition(recipeLink, IDS_TBL_REFITEM, IDS_COL_REFITEM_LINKTYPE, "R");
    CString medium;
    BuildColumnCondition(medium, IDS_TBL_REFERENC, IDS_COL_REFERENC_REFTYPE, CString(letter));
    const CString tables = LoadSchemaText(IDS_TBL_REFITEM) + "," + LoadSchemaText(IDS_TBL_REFERENC);
    const CString links = And(And(link, recipeLink), medium);
    const CString scope = "EXISTS (SELECT * FROM " + tables + " WHERE " +
                          Name(IDS_TBL_REFITEM, IDS_COL_REFITEM_LINKID) + "=" + RecipeColumn(IDS_COL_RECIPE_RECIPE) +
                          " AND " + links + ")";
    const CString count = "SELECT COUNT(DISTINCT " + Name(IDS_TBL_REFITEM, IDS_COL_REFITEM_LINKID) + ") FROM " +
                          tables + " WHERE " + links;
    return CSortedListQuery(scope, count, sortKey);
}

// Counted from the filing alone: deleting a recipe takes it out of its categories.
CSortedListQuery CSortedListQuery::ForCategory(const CRecordId& categoryId, int sortKey)
{
    CString filed;
    if (categoryId != 0UL)
        BuildIdCondition(filed, IDS_TBL_RCP_CAT_ITEM, IDS_COL_CAT_ITEM_CATID, categoryId);
    const CString table = LoadSchemaText(IDS_TBL_RCP_CAT_ITEM);
    const CString item = Name(IDS_TBL_RCP_CAT_ITEM, IDS_COL_CAT_ITEM_ITEM);
    const CString scope = "EXISTS (SELECT * FROM " + table + " WHERE " +
                          And(item + "=" + RecipeColumn(IDS_COL_RECIPE_RECIPE), filed) + ")";
    // A recipe is filed in a category once, but may be in several: only "any category" needs
    // DISTINCT, which costs a sort of the whole list.
    const CString count = categoryId != 0UL ? "SELECT COUNT(*) FROM " + table + Where(filed)
                                            : "SELECT COUNT(DISTINCT " + item + ") FROM " + table;
    return CSortedListQuery(scope, count, sortKey);
}

CString CSortedListQuery::SortColumn(int sortKey)
{
    return LoadSchemaText(kSortColumns[KnownKey(sortKey)]);
}

void CSortedListQuery::AddSegments(const CString& scope, int sortKey)
{
    const CString recipes = LoadSchemaText(IDS_TBL_RECIPE);
    const CString title = RecipeColumn(IDS_COL_RECIPE_TITLE);
    sortKey = KnownKey(sortKey);
    if (sortKey == 0)
    {
        m_segments.push_back({recipes, scope, title, CString(), false, true, false});
        return;
    }
    const CString column = SortColumnOf(sortKey);
    const UINT columnId = kSortColumns[sortKey];
    Segment withValue{recipes,      And(column + " IS NOT NULL", scope),
                      column,       ValueOfRow(IDS_TBL_RECIPE, columnId, IDS_COL_RECIPE_RECIPE),
                      sortKey == 1, false,
                      false};
    Segment withoutValue{recipes, And(column + " IS NULL", scope), title, CString(), false, true, true};
    if (IsNutritionKey(sortKey))
    {
        // Led by the nutrition table, so that its index gives the order; a recipe without a
        // nutrition row reads as one without a value.
        const CString nutrition = LoadSchemaText(IDS_TBL_RCP_NUTRITION);
        CString link;
        BuildJoinCondition(link, IDS_TBL_RCP_NUTRITION, IDS_COL_ING_NUTRITION_ITEM_ID, IDS_TBL_RECIPE,
                           IDS_COL_RECIPE_RECIPE);
        withValue.from = nutrition + " CROSS JOIN " + recipes;
        withValue.leadingOfRow = ValueOfRow(IDS_TBL_RCP_NUTRITION, columnId, IDS_COL_ING_NUTRITION_ITEM_ID);
        withValue.where = And(link, withValue.where);
        withoutValue.from = recipes + " LEFT JOIN " + nutrition + " ON " + link;
    }
    if (withValue.descending)
        m_segments = {withValue, withoutValue};
    else
        m_segments = {withoutValue, withValue};
}

int CSortedListQuery::NullSegment() const
{
    for (int segment = 0; segment < SegmentCount(); ++segment)
    {
        if (m_segments[segment].withoutValue)
            return segment;
    }
    return -1;
}

CString CSortedListQuery::NullSegmentCountStatement() const
{
    const Segment& segment = m_segments[NullSegment()];
    return "SELECT COUNT(*) FROM " + segment.from + Where(segment.where);
}

CString CSortedListQuery::Order(const Segment& segment, bool backwards, bool tiesOnly) const
{
    const char* ascending = backwards ? " DESC" : "";
    CString order;
    if (!tiesOnly)
        order = segment.leading + ((segment.descending != backwards) ? " DESC," : ",");
    if (!segment.leadsByTitle)
        order += RecipeColumn(IDS_COL_RECIPE_TITLE) + ascending + ",";
    return order + RecipeColumn(IDS_COL_RECIPE_RECIPE) + ascending;
}

CString CSortedListQuery::Select(const Segment& segment, const CString& condition, const CString& order, long limit,
                                 long offset) const
{
    CString sql;
    sql.Format(" LIMIT %ld", limit);
    if (offset > 0)
    {
        CString skip;
        skip.Format(" OFFSET %ld", offset);
        sql += skip;
    }
    return "SELECT " + m_columns + " FROM " + segment.from + Where(And(segment.where, condition)) + " ORDER BY " +
           order + sql;
}

SortedListStatement CSortedListQuery::Read(int segment, bool backwards, long offset, long limit) const
{
    const Segment& read = m_segments[segment];
    return {Select(read, CString(), Order(read, backwards, false), limit, offset), {}};
}

// Rows without a title come first among those tying with them: read last going backwards.
std::vector<SortedListStatement> CSortedListQuery::ReadBeyond(const SortedListKey& key, bool backwards,
                                                              long limit) const
{
    const Segment& read = m_segments[key.segment];
    const CString title = RecipeColumn(IDS_COL_RECIPE_TITLE);
    const CString recipe = RecipeColumn(IDS_COL_RECIPE_RECIPE);
    const CString beyond = backwards ? "<" : ">";
    const CString tieOrder = Order(read, backwards, true);
    const CString further = (read.descending != backwards) ? "<" : ">";
    std::vector<SortedListStatement> statements;
    if (read.leadsByTitle)
    {
        statements.push_back(
            {Select(read, title + "=? AND " + recipe + beyond + "?", tieOrder, limit, 0), {key.title, key.recipe}});
        statements.push_back(
            {Select(read, title + further + "?", Order(read, backwards, false), limit, 0), {key.title}});
        if (backwards)
            statements.push_back({Select(read, title + " IS NULL", recipe + " DESC", limit, 0), {}});
        return statements;
    }
    const CString tying = read.leading + "=" + read.leadingOfRow;
    statements.push_back(
        {Select(read, tying + " AND (" + title + "," + recipe + ")" + beyond + "(?,?)", tieOrder, limit, 0),
         {key.recipe, key.title, key.recipe}});
    if (backwards)
        statements.push_back(
            {Select(read, tying + " AND " + title + " IS NULL", recipe + " DESC", limit, 0), {key.recipe}});
    statements.push_back(
        {Select(read, read.leading + further + read.leadingOfRow, Order(read, backwards, false), limit, 0),
         {key.recipe}});
    return statements;
}
