// Reading a recipe: its row, chapter title, categories, ingredient lines with the recipes
// used as ingredients, nutrition, and single recipe list entries.
#include "database/CookbookDatabase.h"

#include "database/BrowseState.h"
#include "database/CategoryListItem.h"
#include "database/FieldValue.h"
#include "database/IngData.h"
#include "database/PortRecordset.h"
#include "database/RecipeData.h"
#include "database/RecipeListItem.h"
#include "database/TimeText.h"
#include "database/UnitRec.h"
#include "framework/ObList.h"
#include "res/resource.h"
#include "database/SqlText.h"

#include <memory>

namespace {

CString Equals(UINT columnId, const char* value)
{
    return LoadSchemaText(columnId) + "=" + QuoteSqlText(value);
}

CString ReadTime(CPortRecordset& recordset, UINT columnId)
{
    WORD minutes = 0;
    recordset.GetFieldWord(columnId, minutes);
    return FormatTimeText(0, minutes);
}

// Inserts each embedded line before the first list line numbered above it, so that an
// ingredient line keeps its place ahead of an embedded line of the same number.
void MergeByLineNumber(CCustObList& lines, CObList& embedded)
{
    POSITION scan = lines.GetHeadPosition();
    while (!embedded.IsEmpty())
    {
        CObject* pEmbedded = embedded.RemoveHead();
        const LONG number = static_cast<CIngData*>(pEmbedded)->m_lineNumber;
        while (scan != nullptr && static_cast<CIngData*>(lines.GetAt(scan))->m_lineNumber <= number)
            lines.GetNext(scan);
        if (scan == nullptr)
            lines.AddTail(pEmbedded);
        else
            lines.InsertBefore(scan, pEmbedded);
    }
}

}  // namespace

int CCookbookDatabase::LoadRecipe(CRecipeData* pRecipe, BYTE request)
{
    CRecipeData& recipe = *pRecipe;
    const BYTE level = recipe.m_loadLevel;
    auto wanted = [&](BYTE bit) { return (request & bit) != 0 && (level & bit) == 0; };
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    if (recipe.m_recipeId == 0UL)
        return 0;
    if (wanted(CRecipeData::kLoadNutrition))
    {
        if (ReadRecipeNutrition(recipe))
            request &= ~CRecipeData::kLoadNutrition;
        else
            request |= CRecipeData::kLoadLines | CRecipeData::kLoadNutrition | CRecipeData::kLoadRecipeRow;
        if (m_pWorkRecordset->IsOpen())
            m_pWorkRecordset->Close();
    }
    if (wanted(CRecipeData::kLoadRecipeRow) && !LoadRecipeRow(recipe))
    {
        recipe.Clear();
        return 2;
    }
    if (wanted(CRecipeData::kLoadCategories) && !LoadItemCategories(recipe.m_recipeId, recipe.m_categories, 'R'))
    {
        recipe.Clear();
        return 2;
    }
    if (wanted(CRecipeData::kLoadLines) && !LoadIngredientLines(recipe, request))
        return 2;
    // Computed from the lines: storing what the record happens to hold would write zeros, and a
    // read-only cookbook is never written.
    if (wanted(CRecipeData::kLoadNutrition))
        ComputeRecipeNutrition(recipe, TRUE, !CanUpdate());
    return 0;
}

// FALSE when the statement fails or the recipe has no row.
BOOL CCookbookDatabase::LoadRecipeRow(CRecipeData& recipe)
{
    const CString table = LoadSchemaText(IDS_TBL_RECIPE);
    const CString sql = BuildSelect(table, nullptr, Equals(IDS_COL_RECIPE_RECIPE, recipe.m_recipeId));
    if (!m_pWorkRecordset->OpenTable(table, sql, nullptr))
        return FALSE;
    const BOOL found = !m_pWorkRecordset->IsEOF();
    if (found)
        ReadRecipeFields(recipe, *m_pWorkRecordset);
    m_pWorkRecordset->Close();
    if (found)
        recipe.m_chapterTitle = GetContentsEntryName(recipe.m_chapterId);
    return found;
}

BOOL CCookbookDatabase::LoadIngredientLines(CRecipeData& recipe, BYTE request)
{
    recipe.m_lines.DeleteAll();
    CObList embedded;
    LoadEmbeddedRecipes(recipe.m_recipeId, embedded);
    const BOOL read = ReadStoredIngredientLines(recipe, (request & CRecipeData::kLoadCanonicalUnits) != 0);
    if (read)
        MergeByLineNumber(recipe.m_lines, embedded);
    while (!embedded.IsEmpty())
        delete embedded.RemoveHead();
    return read;
}

BOOL CCookbookDatabase::ReadStoredIngredientLines(CRecipeData& recipe, BOOL canonicalUnits)
{
    if (!OpenIngredientRecordset(recipe.m_recipeId))
        return FALSE;
    CPortRecordset& lines = *m_pIngredientRecordset;
    for (; !lines.IsEOF(); lines.MoveNext())
    {
        CIngData line;
        ReadIngredientLineFields(line, lines);
        if (canonicalUnits)
            FindUnit(line);
        recipe.m_lines.AddTail(new CIngData(line));
    }
    lines.Close();
    return TRUE;
}

void CCookbookDatabase::LoadEmbeddedRecipes(const CRecordId& recipeId, CObList& lines)
{
    // The view is named after the table so that its columns read as QUANTITY.RECIPE.
    const CString quantity = LoadSchemaText(IDS_TBL_QUANTITY);
    const CString sql = "SELECT * FROM " + LoadSchemaText(IDS_QRY_SHOW_EMBEDDED_RECIPES) + " AS " + quantity +
                        " WHERE " + quantity + "." + Equals(IDS_COL_QUANTITY_RECIPE, recipeId) + " ORDER BY " +
                        quantity + "." + LoadSchemaText(IDS_COL_QUANTITY_QUANTITY);
    CPortRecordset recordset(this);
    if (!recordset.OpenTable(LoadSchemaText(IDS_QRY_SHOW_EMBEDDED_RECIPES), sql, nullptr))
        return;
    for (; !recordset.IsEOF(); recordset.MoveNext())
    {
        auto* pLine = new CIngData;
        ReadIngredientLineFields(*pLine, recordset);
        lines.AddTail(pLine);
    }
    recordset.Close();
}

void CCookbookDatabase::ReadRecipeFields(CRecipeData& recipe, CPortRecordset& recordset)
{
    recordset.GetFieldLong(IDS_COL_RECIPE_COOKBOOK, recipe.m_chapterId);
    recordset.GetFieldText(IDS_COL_RECIPE_TITLE, recipe.m_title);
    recordset.GetFieldText(IDS_COL_RECIPE_SUBTITLE, recipe.m_subtitle);
    recordset.GetFieldText(IDS_COL_RECIPE_INTRO, recipe.m_intro);
    short servings = static_cast<short>(recipe.m_servings);
    recordset.GetFieldShort(IDS_COL_RECIPE_SERVINGS, servings);
    recipe.m_servings = static_cast<WORD>(servings);
    recordset.GetFieldText(IDS_COL_RECIPE_YIELD_UNIT, recipe.m_yieldUnit);
    recipe.m_prepTime = ReadTime(recordset, IDS_COL_RECIPE_PREP_MIN);
    recipe.m_cookTime = ReadTime(recordset, IDS_COL_RECIPE_COOK_MIN);
    recipe.m_standTime = ReadTime(recordset, IDS_COL_RECIPE_STND_MIN);
    recipe.m_totalTime = ReadTime(recordset, IDS_COL_RECIPE_TOTAL_MIN);
    recordset.GetFieldWord(IDS_COL_RECIPE_RATING, recipe.m_rating);
    recordset.GetFieldDouble(IDS_COL_RECIPE_COST, recipe.m_cost);
    recordset.GetFieldText(IDS_COL_RECIPE_COST_UNIT, recipe.m_costUnit);
    recordset.GetFieldText(IDS_COL_RECIPE_SOURCE, recipe.m_source);
    recordset.GetFieldText(IDS_COL_RECIPE_ORIGINAL, recipe.m_original);
    recordset.GetFieldText(IDS_COL_RECIPE_PAGE, recipe.m_page);
    recordset.GetFieldText(IDS_COL_RECIPE_DATE_FLD, recipe.m_date);
    recordset.GetFieldText(IDS_COL_RECIPE_DIRECTIONS, recipe.m_directions);
}

void CCookbookDatabase::ReadIngredientLineFields(CIngData& line, CPortRecordset& recordset)
{
    recordset.GetFieldInt32(IDS_COL_QUANTITY_QUANTITY, line.m_lineNumber);
    recordset.GetFieldDouble(IDS_COL_QUANTITY_MIN_QTY, line.m_minQty);
    recordset.GetFieldDouble(IDS_COL_QUANTITY_MAX_QTY, line.m_maxQty);
    recordset.GetFieldLong(IDS_COL_QUANTITY_ITEM, line.m_itemId);
    recordset.GetFieldLong(IDS_COL_QUANTITY_UNIT, line.m_unitId);
    recordset.GetFieldText(IDS_COL_QUANTITY_TYPE, line.m_lineType);
    if (line.m_lineType == "R")
    {
        if (!ReadEmbeddedRecipeLine(line))
            return;
    }
    else
        ReadIngredientColumns(line, recordset);
    recordset.GetFieldText(IDS_COL_QUANTITY_PREPARATN, line.m_preparation);
    recordset.GetFieldInt32(IDS_COL_QUANTITY_OPTIONAL, line.m_optional);
    recordset.GetFieldInt32(IDS_COL_QUANTITY_SWITCH, line.m_switch);
    recordset.GetFieldText(IDS_COL_MISC_STRING, line.m_unitText);
    recordset.GetFieldDouble(IDS_COL_MISC_VALUE, line.m_unitValue);
    WORD number = 0;
    if (recordset.GetFieldWord(IDS_COL_MISC_SYSTEM, number))
        line.m_unitSystem = number;
    if (recordset.GetFieldWord(IDS_COL_MISC_U_TYPE, number))
        line.m_unitType = number;
    recordset.GetFieldDouble(IDS_COL_MISC_U_FACTOR1, line.m_unitFactor1);
    recordset.GetFieldDouble(IDS_COL_MISC_U_FACTOR2, line.m_unitFactor2);
}

void CCookbookDatabase::ReadIngredientColumns(CIngData& line, CPortRecordset& recordset)
{
    recordset.GetFieldText(IDS_COL_INGREDNT_NAME, line.m_name);
    recordset.GetFieldLong(IDS_COL_INGREDNT_GROUPING, line.m_groupId);
    recordset.GetFieldText(IDS_COL_INGREDNT_GROUP_NAME, line.m_groupName);
    recordset.GetFieldInt32(IDS_COL_INGREDNT_SEASONING, line.m_seasoning);
    if (!m_bOldIngredientQuery)
        recordset.GetFieldDouble(IDS_COL_MISC_VALUE, line.m_unitValue);
    recordset.GetFieldDouble(IDS_COL_INGREDNT_FRACTIONAL, line.m_fractional);
    recordset.GetFieldDouble(IDS_COL_INGREDNT_LIQUID, line.m_liquid);
    recordset.GetFieldDouble(IDS_COL_INGREDNT_DRY, line.m_dry);
    recordset.GetFieldText(IDS_COL_INGREDNT_PLURAL, line.m_plural);
}

// The used recipe's title and the line's unit; FALSE when the unit cannot be read.
BOOL CCookbookDatabase::ReadEmbeddedRecipeLine(CIngData& line)
{
    CRecipeListItem item;
    item.m_id = line.m_itemId;
    ReadRecipeListItem(&item, 1);
    line.m_name = item.m_name;
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    if (line.m_unitId == 0UL)
        return TRUE;
    CUnitRec unit;
    unit.m_id = line.m_unitId;
    if (!LoadUnitConversions(unit))
        return FALSE;
    line.m_unitText = unit.m_name;
    line.m_unitType = unit.m_unitType;
    line.m_unitSystem = unit.m_unitSystem;
    line.m_unitValue = unit.m_value;
    line.m_unitFactor1 = unit.m_factor1;
    line.m_unitFactor2 = unit.m_factor2;
    return TRUE;
}

int CCookbookDatabase::LoadItemCategories(const CRecordId& id, CCustObList& list, char type)
{
    list.DeleteAll();
    UINT queryId = 0;
    if (type == 'M')
        queryId = IDS_QRY_SHOW_MENU_CATS;
    else if (type == 'R')
        queryId = IDS_QRY_SHOW_RECIPE_CATS;
    else
        return 0;
    const CString query = LoadSchemaText(queryId);
    CPortRecordset recordset(this);
    if (!recordset.OpenTable(query, BuildSelect(query, nullptr, Equals(IDS_COL_CAT_ITEM_ITEM, id)), nullptr))
        return 0;
    for (; !recordset.IsEOF(); recordset.MoveNext())
    {
        auto* pCategory = new CategoryListItem;
        ReadCategoryFields(*pCategory, recordset);
        list.AddTail(pCategory);
    }
    recordset.Close();
    return 1;
}

int CCookbookDatabase::ReadRecipeListItem(CRecipeListItem* pItem, int selector)
{
    if (pItem == nullptr)
        return 0;
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    CString condition;
    if (selector == 0)
        condition = Equals(IDS_COL_RECIPE_TITLE, pItem->m_name);
    else if (selector == 1)
        condition = Equals(IDS_COL_RECIPE_RECIPE, pItem->m_id);
    else
        return 0;
    const CString query = LoadSchemaText(IDS_QRY_GET_RECIPE_LIST_ITEM);
    if (!m_pWorkRecordset->OpenTable(query, BuildSelect(query, nullptr, condition), nullptr) ||
        m_pWorkRecordset->IsEOF())
        return 0;
    m_pWorkRecordset->GetFieldLong(IDS_COL_RECIPE_RECIPE, pItem->m_id);
    m_pWorkRecordset->GetFieldText(IDS_COL_RECIPE_TITLE, pItem->m_name);
    m_pWorkRecordset->GetFieldLong(IDS_COL_RECIPE_COOKBOOK, pItem->m_chapterId);
    m_pWorkRecordset->GetFieldWord(IDS_COL_RECIPE_SERVINGS, pItem->m_servings);
    pItem->m_scaledServings = g_pBrowseState != nullptr ? g_pBrowseState->LookupItemValue(pItem->m_id) : 0;
    return 1;
}
