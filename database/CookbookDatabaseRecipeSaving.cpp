// Writing a recipe whole: its row, long texts, ingredient lines, categories, links and
// nutrition. Every save is one transaction.
#include "database/CookbookDatabase.h"

#include <windows.h>

#include <memory>

#include "database/CategoryListItem.h"
#include "database/CookbookTransaction.h"
#include "database/FieldValue.h"
#include "database/GenericRecordset.h"
#include "database/IngData.h"
#include "database/IngredientFacts.h"
#include "database/Nutrition.h"
#include "database/PortRecordset.h"
#include "database/RecipeData.h"
#include "database/RecipeListItem.h"
#include "database/RefListItem.h"
#include "database/RowList.h"
#include "database/RowValues.h"
#include "database/TimeText.h"
#include "database/UnitRec.h"
#include "framework/DBException.h"
#include "res/resource.h"
#include "database/SqlText.h"

namespace {

int Minutes(const CString& time)
{
    int minutes = 0;
    ParseTimeTextToMinutes(time, minutes);
    return minutes;
}

enum SaveResult
{
    kSaved = 0,
    kWriteFailed = 2,
    kReadOnly = 3
};

}  // namespace

// Once per table while the cookbook is open: reading the columns' types costs a query.
CPortRecordset* CCookbookDatabase::DescribeTable(UINT tableId)
{
    std::unique_ptr<CPortRecordset>& described = m_describedTables[tableId];
    if (described != nullptr)
        return described.get();
    auto recordset = std::make_unique<CPortRecordset>(this);
    const CString table = LoadSchemaText(tableId);
    // No row is wanted, only the columns' types, which stay after the recordset closes.
    if (!recordset->OpenTable(table, BuildSelect(table, nullptr, "1=0"), nullptr))
        return nullptr;
    recordset->Close();
    described = std::move(recordset);
    return described.get();
}

int CCookbookDatabase::SaveRecipe(const CRecipeData& old, CRecipeData& rcp)
{
    if (rcp.m_recipeId == 0UL)
        return InsertRecipe(rcp, 0);
    if (!CanUpdate())
        return kReadOnly;
    CCookbookTransaction transaction(*this);
    if (!WriteRecipeRowAs(rcp, FALSE) || !UpdateMenuItemText(rcp.m_recipeId, rcp.m_title) ||
        !RewriteChangedParts(old, rcp) || !SaveRecipeNutrition(rcp))
        return kWriteFailed;
    if (!transaction.Commit())
        return kWriteFailed;
    AfterCategoryWrite(old.m_categories, rcp.m_categories, 'R');
    return kSaved;
}

BOOL CCookbookDatabase::RewriteChangedParts(const CRecipeData& old, CRecipeData& rcp)
{
    const CString id = QuoteSqlText(rcp.m_recipeId);
    if (!(old.m_categories == rcp.m_categories) &&
        (!DeleteItemRows(IDS_TBL_RCP_CAT_ITEM, IDS_COL_CAT_ITEM_ITEM, id, 'Z') ||
         !WriteCategoryItems(rcp.m_recipeId, rcp.m_categories, 'R', 1)))
        return FALSE;
    if (!(old.m_lines == rcp.m_lines) && (!DeleteItemRows(IDS_TBL_QUANTITY, IDS_COL_QUANTITY_RECIPE, id, 'Z') ||
                                          (!rcp.m_lines.IsEmpty() && !WriteIngredientLines(rcp))))
        return FALSE;
    if (!(old.m_links == rcp.m_links) && (!DeleteItemRows(IDS_TBL_REFITEM, IDS_COL_REFITEM_LINKID, id, 'R') ||
                                          !WriteReferenceLinks(rcp.m_recipeId, rcp.m_links, 'R')))
        return FALSE;
    return TRUE;
}

// A recipe read without its lines or its profile takes them from the cookbook: its profile is
// never computed from no lines, nor a fixed calorie value it did not read overwritten.
BOOL CCookbookDatabase::SaveRecipeNutrition(CRecipeData& rcp)
{
    CRecipeData stored(rcp);
    if ((rcp.m_loadLevel & CRecipeData::kLoadNutrition) == 0)
        ReadRecipeNutrition(stored);
    if ((rcp.m_loadLevel & CRecipeData::kLoadLines) == 0 && !LoadIngredientLines(stored, 0))
        return FALSE;
    const NUTRITION& profile = *stored.GetNutrition();
    const BOOL saved = profile.m_caloriesFixed ? SaveNutrition(profile, 'R', stored.m_recipeId, TRUE)
                                               : ComputeRecipeNutrition(stored, TRUE, FALSE);
    if (saved)
        *rcp.GetNutrition() = profile;
    return saved;
}

int CCookbookDatabase::InsertRecipe(CRecipeData& rcp, BOOL defer)
{
    if (!CanUpdate())
        return kReadOnly;
    const CRecordId unsaved = rcp.m_recipeId;
    if (!WriteNewRecipe(rcp))
    {
        // Only a stored recipe keeps its new id: a failed insert can be retried as it was.
        rcp.m_recipeId = unsaved;
        return kWriteFailed;
    }
    if (m_nRecipeCount >= 0)
        ++m_nRecipeCount;
    if (!defer)
        AfterCategoryWrite(CCustObList(), rcp.m_categories, 'R');
    return kSaved;
}

BOOL CCookbookDatabase::WriteNewRecipe(CRecipeData& rcp)
{
    CCookbookTransaction transaction(*this);
    const BOOL computeNutrition = !rcp.GetNutrition()->m_caloriesFixed;
    if (!WriteRecipeRow(rcp) || (!rcp.m_lines.IsEmpty() && !WriteIngredientLines(rcp)) ||
        !WriteCategoryItems(rcp.m_recipeId, rcp.m_categories, 'R', 1) ||
        !WriteReferenceLinks(rcp.m_recipeId, rcp.m_links, 'R'))
        return FALSE;
    if ((rcp.m_loadLevel & CRecipeData::kLoadLines) == 0)
        CompleteLineMeasures(rcp);
    const BOOL nutritionSaved = computeNutrition ? SaveInsertedNutrition(rcp)
                                                 : SaveNutrition(*rcp.GetNutrition(), 'R', rcp.m_recipeId, FALSE);
    if (!m_bCountingIds)
        m_ingredientFacts.clear();
    return nutritionSaved && transaction.Commit();
}

void CCookbookDatabase::CompleteLineMeasures(CRecipeData& recipe)
{
    const CCustObList& units = LoadUnits();
    for (POSITION position = recipe.m_lines.GetHeadPosition(); position != nullptr;)
    {
        auto* pLine = static_cast<CIngData*>(recipe.m_lines.GetNext(position));
        if (pLine == nullptr || pLine->m_lineType != "I")
            continue;
        const CUnitRec* pUnit = nullptr;
        for (POSITION unit = units.GetHeadPosition(); unit != nullptr && pUnit == nullptr;)
        {
            const auto* pCandidate = static_cast<const CUnitRec*>(units.GetNext(unit));
            if (pCandidate != nullptr && pCandidate->m_id == pLine->m_unitId)
                pUnit = pCandidate;
        }
        pLine->m_unitType = pUnit != nullptr ? pUnit->m_unitType : 0;
        pLine->m_unitFactor1 = pUnit != nullptr ? pUnit->m_factor1 : 0.0;
        pLine->m_unitFactor2 = pUnit != nullptr ? pUnit->m_factor2 : 0.0;
        const CIngredientFacts noFacts;
        const CIngredientFacts& facts = pLine->m_itemId != 0UL ? FindIngredientFacts(pLine->m_itemId) : noFacts;
        pLine->m_fractional = facts.m_fractional;
        pLine->m_liquid = facts.m_liquid;
        pLine->m_dry = facts.m_dry;
    }
}

// The recipe's row with a new id (isNew) or its own: the old row is replaced.
BOOL CCookbookDatabase::WriteRecipeRowAs(CRecipeData& rcp, BOOL isNew)
{
    if (isNew)
    {
        rcp.m_recipeId = NextRecordId(IDS_TBL_RECIPE, IDS_COL_RECIPE_RECIPE);
        if (rcp.m_recipeId == 0UL)
            return FALSE;
    }
    else if (!DeleteItemRows(IDS_TBL_RECIPE, IDS_COL_RECIPE_RECIPE, QuoteSqlText(rcp.m_recipeId), 'Z'))
        return FALSE;
    CPortRecordset* pColumns = DescribeTable(IDS_TBL_RECIPE);
    if (pColumns == nullptr)
        return FALSE;
    const int prep = Minutes(rcp.m_prepTime);
    const int cook = Minutes(rcp.m_cookTime);
    const int stand = Minutes(rcp.m_standTime);
    rcp.m_totalTime = FormatTimeText(0, prep + cook + stand);
    CRowValues row(*pColumns);
    row.Add(IDS_COL_RECIPE_COOKBOOK).SetId(rcp.m_chapterId);
    row.Add(IDS_COL_RECIPE_RECIPE).SetId(rcp.m_recipeId);
    row.Add(IDS_COL_RECIPE_TITLE).SetText(rcp.m_title);
    row.Add(IDS_COL_RECIPE_SUBTITLE).SetText(rcp.m_subtitle);
    row.Add(IDS_COL_RECIPE_SERVINGS).SetWord(rcp.m_servings);
    row.Add(IDS_COL_RECIPE_RATING).SetShort(static_cast<short>(rcp.m_rating));
    row.Add(IDS_COL_RECIPE_YIELD_UNIT).SetText(rcp.m_yieldUnit);
    row.Add(IDS_COL_RECIPE_COST).SetDouble(rcp.m_cost);
    row.Add(IDS_COL_RECIPE_COST_UNIT).SetText(rcp.m_costUnit);
    row.Add(IDS_COL_RECIPE_PREP_MIN).SetLong(prep);
    row.Add(IDS_COL_RECIPE_COOK_MIN).SetLong(cook);
    row.Add(IDS_COL_RECIPE_STND_MIN).SetLong(stand);
    row.Add(IDS_COL_RECIPE_TOTAL_MIN).SetLong(prep + cook + stand);
    row.Add(IDS_COL_RECIPE_SOURCE).SetText(rcp.m_source);
    row.Add(IDS_COL_RECIPE_ORIGINAL).SetText(rcp.m_original);
    row.Add(IDS_COL_RECIPE_PAGE).SetText(rcp.m_page);
    row.Add(IDS_COL_RECIPE_DATE_FLD).SetText(rcp.m_date);
    row.Add(IDS_COL_RECIPE_INTRO).SetText(rcp.m_intro);
    row.Add(IDS_COL_RECIPE_DIRECTIONS).SetText(rcp.m_directions);
    return InsertRow(IDS_TBL_RECIPE, row);
}

int CCookbookDatabase::WriteRecipeRow(CRecipeData& rcp)
{
    return WriteRecipeRowAs(rcp, TRUE);
}

int CCookbookDatabase::WriteIngredientLines(CRecipeData& rcp)
{
    if (rcp.m_lines.IsEmpty() || rcp.m_lines.GetHead() == nullptr)
        return 0;
    CPortRecordset* pColumns = DescribeTable(IDS_TBL_QUANTITY);
    if (pColumns == nullptr)
        return 0;
    // The line number is written in list order: it is the order the lines are read back in.
    LONG number = 0;
    CRowList rows(*pColumns, static_cast<std::size_t>(rcp.m_lines.GetCount()));
    for (POSITION position = rcp.m_lines.GetHeadPosition(); position != nullptr;)
    {
        const CIngData* pLine = static_cast<const CIngData*>(rcp.m_lines.GetNext(position));
        if (pLine == nullptr)
            continue;
        CRowValues& row = rows.AddRow();
        row.Add(IDS_COL_QUANTITY_QUANTITY).SetLong(++number);
        row.Add(IDS_COL_QUANTITY_RECIPE).SetId(rcp.m_recipeId);
        row.Add(IDS_COL_QUANTITY_TYPE).SetText(pLine->m_lineType);
        row.Add(IDS_COL_QUANTITY_ITEM).SetId(pLine->m_itemId);
        row.Add(IDS_COL_QUANTITY_MAX_QTY).SetDouble(pLine->m_maxQty);
        row.Add(IDS_COL_QUANTITY_MIN_QTY).SetDouble(pLine->m_minQty);
        row.Add(IDS_COL_QUANTITY_UNIT).SetId(pLine->m_unitId);
        row.Add(IDS_COL_QUANTITY_PREPARATN).SetText(pLine->m_preparation);
        row.Add(IDS_COL_QUANTITY_OPTIONAL).SetLong(pLine->m_optional);
        row.Add(IDS_COL_QUANTITY_SWITCH).SetLong(pLine->m_switch);
        row.Add(IDS_COL_QUANTITY_BRAND).SetId(pLine->m_brandId);
    }
    return InsertRows(IDS_TBL_QUANTITY, rows.GetRows());
}

int CCookbookDatabase::DeleteIngredientLines(const CRecordId& id)
{
    return id == 0UL || DeleteRows(IDS_TBL_QUANTITY, IDS_COL_QUANTITY_RECIPE, QuoteSqlText(id), 'Z', TRUE);
}

// Every row is written or none: one failed insert fails the whole list.
int CCookbookDatabase::WriteCategoryItems(const CRecordId& id, const CCustObList& list, char type, BOOL defer)
{
    if (list.IsEmpty() || list.GetHead() == nullptr)
        return 1;
    const UINT tableId = CategoryItemTable(type);
    CPortRecordset* pColumns = tableId != 0 ? DescribeTable(tableId) : nullptr;
    if (pColumns == nullptr)
        return 0;
    CCookbookTransaction transaction(*this);
    CRowList rows(*pColumns, static_cast<std::size_t>(list.GetCount()));
    for (POSITION position = list.GetHeadPosition(); position != nullptr;)
    {
        const CategoryListItem* pCategory = static_cast<const CategoryListItem*>(list.GetNext(position));
        if (pCategory == nullptr)
            continue;
        CRowValues& row = rows.AddRow();
        row.Add(IDS_COL_CAT_ITEM_CATID).SetId(pCategory->m_id);
        row.Add(IDS_COL_CAT_ITEM_ITEM).SetId(id);
    }
    if (!InsertRows(tableId, rows.GetRows()) || !transaction.Commit())
        return 0;
    if (!defer)
        AfterCategoryWrite(CCustObList(), list, type);
    return 1;
}

int CCookbookDatabase::DeleteCategoryItems(const CRecordId& id, char type)
{
    if (id == 0UL)
        return 1;
    const UINT tableId = CategoryItemTable(type);
    return tableId != 0 && DeleteRows(tableId, IDS_COL_CAT_ITEM_ITEM, QuoteSqlText(id), 'Z', TRUE);
}

int CCookbookDatabase::WriteReferenceLinks(const CRecordId& id, const CRefItemArray& links, char type)
{
    if (links.GetSize() == 0)
        return 1;
    CPortRecordset* pColumns = DescribeTable(IDS_TBL_REFITEM);
    if (pColumns == nullptr)
        return 0;
    CCookbookTransaction transaction(*this);
    CRowList rows(*pColumns, static_cast<std::size_t>(links.GetSize()));
    for (int i = 0; i < links.GetSize(); ++i)
    {
        const RefListItem* pLink = links.GetRefAt(i);
        if (pLink == nullptr)
            continue;
        CRowValues& row = rows.AddRow();
        row.Add(IDS_COL_REFITEM_LINKTYPE).SetChar(type);
        row.Add(IDS_COL_REFITEM_LINKID).SetId(id);
        row.Add(IDS_COL_REFITEM_REFID).SetId(pLink->m_id);
    }
    return InsertRows(IDS_TBL_REFITEM, rows.GetRows()) && transaction.Commit();
}

int CCookbookDatabase::DeleteReferenceLinks(const CRecordId& id, char type)
{
    return id == 0UL || DeleteRows(IDS_TBL_REFITEM, IDS_COL_REFITEM_LINKID, QuoteSqlText(id), type, TRUE);
}

int CCookbookDatabase::SetRecipeRating(const CRecipeListItem& item)
{
    if (item.m_id == 0UL)
        return 0;
    CString assignment;
    assignment.Format("%s=%d", LoadSchemaText(IDS_COL_RECIPE_RATING).GetString(),
                      static_cast<int>(static_cast<short>(item.m_rating)));
    CString sql;
    sql.Format(LoadSchemaText(IDS_SQL_UPDATE_SET), LoadSchemaText(IDS_TBL_RECIPE).GetString(), assignment.GetString());
    try
    {
        return ExecuteWrite(sql + " WHERE " + LoadSchemaText(IDS_COL_RECIPE_RECIPE) + "=" + QuoteSqlText(item.m_id));
    }
    catch (CDBException* e)
    {
        CGenericRecordset::ReportException(e, "Error Updating " + LoadSchemaText(IDS_TBL_RECIPE) + " Recordset: \r\n",
                                           MB_ICONSTOP | MB_OK);
        e->Delete();
        return 0;
    }
}
