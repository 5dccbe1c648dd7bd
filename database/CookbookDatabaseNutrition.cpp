// Reading, computing and storing nutrient profiles of ingredients, recipes and meal plans.
#include "database/CookbookDatabase.h"

#include <cmath>
#include <memory>

#include "database/CookbookTransaction.h"
#include "database/FieldValue.h"
#include "database/IngData.h"
#include "database/IngRec.h"
#include "database/IngredientFacts.h"
#include "database/MenuData.h"
#include "database/MenuNutritionTotal.h"
#include "database/Nutrition.h"
#include "database/PortRecordset.h"
#include "database/RecipeData.h"
#include "database/RecipeNutritionTotal.h"
#include "database/RowValues.h"
#include "framework/DBException.h"
#include "framework/StringList.h"
#include "res/resource.h"
#include "database/SqlText.h"

namespace {

CString ItemCondition(const CRecordId& id)
{
    return LoadSchemaText(IDS_COL_ING_NUTRITION_ITEM_ID) + "=" + QuoteSqlText(id);
}

const UINT kStoredAmountColumns[] = {
    IDS_COL_ING_NUTRITION_ALCOHOL,   IDS_COL_ING_NUTRITION_PROTEIN, IDS_COL_ING_NUTRITION_CARBO,
    IDS_COL_ING_NUTRITION_TOTAL_FAT, IDS_COL_ING_NUTRITION_SAT_FAT, IDS_COL_ING_NUTRITION_CHOLESTRL,
    IDS_COL_ING_NUTRITION_SODIUM,    IDS_COL_ING_NUTRITION_IRON,    IDS_COL_ING_NUTRITION_VITAMIN_C,
    IDS_COL_ING_NUTRITION_VITAMIN_A, IDS_COL_ING_NUTRITION_FIBER,   IDS_COL_ING_NUTRITION_CALCIUM,
    IDS_COL_ING_NUTRITION_SUGARS,
};

// NaN and infinity must never reach a statement: the clamps of the profile let NaN through.
double Finite(float value)
{
    return std::isfinite(value) ? static_cast<double>(value) : 0.0;
}

void AddDouble(CRowValues& row, UINT columnId, float value)
{
    CFieldValue& field = row.Add(columnId);
    field.m_nSqlType = CFieldValue::typeDouble;
    field.m_lPrecision = 8;
    field.SetDouble(Finite(value));
}

}  // namespace

BOOL CCookbookDatabase::SelectFromTable(UINT tableId, const CString& condition, CPortRecordset* pRecordset)
{
    CPortRecordset& recordset = pRecordset != nullptr ? *pRecordset : *m_pWorkRecordset;
    if (recordset.IsOpen())
        recordset.Close();
    const CString table = LoadSchemaText(tableId);
    recordset.m_nParams = 0;
    return recordset.OpenTable(
        table, BuildSelect(table, nullptr, condition.IsEmpty() ? nullptr : condition.GetString()), nullptr);
}

BOOL CCookbookDatabase::SelectRecipeNutrition(const CRecordId& id, CPortRecordset& recordset)
{
    return SelectFromTable(IDS_TBL_RCP_NUTRITION, ItemCondition(id), &recordset);
}

void CCookbookDatabase::GetNutrientColumns(CStringList& columns)
{
    static const UINT kColumns[] = {
        IDS_COL_ING_NUTRITION_PROTEIN,   IDS_COL_ING_NUTRITION_CARBO,     IDS_COL_ING_NUTRITION_ALCOHOL,
        IDS_COL_ING_NUTRITION_TOTAL_FAT, IDS_COL_ING_NUTRITION_SAT_FAT,   IDS_COL_ING_NUTRITION_CHOLESTRL,
        IDS_COL_ING_NUTRITION_SODIUM,    IDS_COL_ING_NUTRITION_IRON,      IDS_COL_ING_NUTRITION_VITAMIN_C,
        IDS_COL_ING_NUTRITION_VITAMIN_A, IDS_COL_ING_NUTRITION_FIBER,     IDS_COL_ING_NUTRITION_CALCIUM,
        IDS_COL_ING_NUTRITION_SUGARS,    IDS_COL_ING_NUTRITION_UNIT_TYPE, IDS_COL_ING_NUTRITION_UNIT_QTY,
    };
    columns.RemoveAll();
    for (UINT column : kColumns)
        columns.AddTail(LoadSchemaText(column));
}

BOOL CCookbookDatabase::ReadRecipeNutrition(CRecipeData& recipe)
{
    // The fixed-calories flag and the calories come along, so a hand-set value survives.
    CStringList columns;
    GetNutrientColumns(columns);
    columns.AddTail(LoadSchemaText(IDS_COL_ING_NUTRITION_READ_ONLY));
    columns.AddTail(LoadSchemaText(IDS_COL_ING_NUTRITION_CALORIES));
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    const CString table = LoadSchemaText(IDS_TBL_RCP_NUTRITION);
    m_pWorkRecordset->m_nParams = 0;
    if (!m_pWorkRecordset->OpenTable(table, BuildSelect(table, &columns, ItemCondition(recipe.m_recipeId)), nullptr) ||
        m_pWorkRecordset->IsEOF())
        return FALSE;
    recipe.GetNutrition()->ReadFromRecordset(*m_pWorkRecordset);
    return TRUE;
}

BOOL CCookbookDatabase::ReadIngredientNutrition(CIngData& line)
{
    NUTRITION& profile = *line.GetNutrition();
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    // The profile may hold the previous line's values: a line with no stored row adds nothing.
    profile.SetAll(0.0);
    if (line.m_itemId == 0UL)
        return TRUE;
    if (!SelectFromTable(IDS_TBL_ING_NUTRITION, ItemCondition(line.m_itemId), nullptr) || m_pWorkRecordset->IsEOF())
        return FALSE;
    profile.ReadFromRecordset(*m_pWorkRecordset);
    if (line.m_minQty > 0.0)
        profile.MultiplyBy(line.m_minQty);
    profile.DivideBy(100.0);
    const double grams = line.GetAmountForUnitType();
    if (grams > 0.0)
        profile.MultiplyBy(grams);
    return TRUE;
}

BOOL CCookbookDatabase::OpenRecipeIngredientNutrition(const CRecordId& id)
{
    if (m_pFourthRecordset == nullptr)
        m_pFourthRecordset = new CPortRecordset(this);
    CPortRecordset& recordset = *m_pFourthRecordset;
    recordset.m_strParam = id.GetText();
    if (recordset.IsOpen())
        return recordset.OpenOrRequery(recordset.m_strTable, recordset.m_strQuery, CRecordset::readOnly);
    const CString query = LoadSchemaText(IDS_QRY_SHOW_RCP_INGRED_NUTRITION);
    recordset.m_nParams = 1;
    return recordset.OpenTable(query, BuildSelect(query, nullptr, LoadSchemaText(IDS_COL_QUANTITY_RECIPE) + "=?"),
                               nullptr);
}

BOOL CCookbookDatabase::ReadEmbeddedRecipeNutrition(const CRecordId& id, NUTRITION& profile)
{
    CPortRecordset recordset(this);
    if (!SelectFromTable(IDS_QRY_SHOW_RCP_EMBEDDED_RCP_NUTRITION, ItemCondition(id), &recordset) || recordset.IsEOF())
        return FALSE;
    profile.ReadFromRecordset(recordset);
    WORD servings = 0;
    const BOOL hasServings = recordset.GetFieldWord(IDS_COL_RECIPE_SERVINGS, servings);
    if (hasServings)
        profile.MultiplyBy(static_cast<int>(servings));
    return hasServings;
}

BOOL CCookbookDatabase::ComputeRecipeNutrition(CRecipeData& recipe, BOOL recompute, BOOL doNotSave)
{
    NUTRITION& profile = *recipe.GetNutrition();
    CPortRecordset stored(this);
    if (!SelectRecipeNutrition(recipe.m_recipeId, stored))
        return FALSE;
    const BOOL rowExists = !stored.IsEOF();
    if (!recompute)
    {
        // A missing row is computed rather than stored as the zeros the record may hold.
        if (!rowExists)
            return ComputeRecipeNutrition(recipe, TRUE, doNotSave || !CanUpdate());
        profile.ReadFromRecordset(stored);
        recipe.m_loadLevel |= CRecipeData::kLoadNutrition;
        return TRUE;
    }
    stored.Close();
    if (!OpenRecipeIngredientNutrition(recipe.m_recipeId))
        return FALSE;
    CRecipeNutritionTotal total(recipe);
    for (CPortRecordset& rows = *m_pFourthRecordset; !rows.IsEOF(); rows.MoveNext())
    {
        CString itemId;
        rows.GetFieldText(IDS_COL_ING_NUTRITION_ITEM_ID, itemId);
        NUTRITION row;
        row.ReadFromRecordset(rows);
        total.AddIngredientRow(itemId, row);
    }
    return FinishRecipeNutrition(recipe, total, rowExists, doNotSave);
}

BOOL CCookbookDatabase::SaveInsertedNutrition(CRecipeData& recipe)
{
    CRecipeNutritionTotal total(recipe);
    for (POSITION position = recipe.m_lines.GetHeadPosition(); position != nullptr;)
    {
        const CIngData* pLine = static_cast<const CIngData*>(recipe.m_lines.GetNext(position));
        if (pLine == nullptr || pLine->m_lineType != "I" || pLine->m_itemId == 0UL)
            continue;
        const CIngredientFacts& facts = FindIngredientFacts(pLine->m_itemId);
        if (facts.m_hasProfile)
            total.AddIngredientRow(pLine->m_itemId.GetText(), facts.m_profile);
    }
    return FinishRecipeNutrition(recipe, total, FALSE, FALSE);
}

BOOL CCookbookDatabase::FinishRecipeNutrition(CRecipeData& recipe, CRecipeNutritionTotal& total, BOOL rowExists,
                                              BOOL doNotSave)
{
    NUTRITION& profile = *recipe.GetNutrition();
    for (POSITION position = recipe.m_lines.GetHeadPosition(); position != nullptr;)
    {
        const CIngData* pLine = static_cast<const CIngData*>(recipe.m_lines.GetNext(position));
        NUTRITION whole;
        if (pLine != nullptr && CRecipeNutritionTotal::IsCountedEmbeddedRecipe(*pLine) &&
            ReadEmbeddedRecipeNutrition(pLine->m_itemId, whole))
            total.AddEmbeddedRecipe(*pLine, whole);
    }
    const LONG fixed = profile.m_caloriesFixed;
    const float calories = profile.m_calories;
    profile = total.GetPerServing();
    profile.m_caloriesFixed = fixed;
    if (fixed)
    {
        profile.m_calories = calories;
        profile.Recalculate();
    }
    if (!doNotSave && !SaveNutrition(profile, 'R', recipe.m_recipeId, rowExists))
        return FALSE;
    recipe.m_loadLevel |= CRecipeData::kLoadNutrition;
    return TRUE;
}

const CIngredientFacts& CCookbookDatabase::FindIngredientFacts(const CRecordId& id)
{
    std::unique_ptr<CIngredientFacts>& facts = m_ingredientFacts[id.GetText()];
    if (facts != nullptr)
        return *facts;
    facts = std::make_unique<CIngredientFacts>();
    CIngRec ingredient;
    ingredient.m_id = id;
    if (LoadIngredients(ingredient))
    {
        facts->m_fractional = ingredient.m_fractional;
        facts->m_liquid = ingredient.m_liquid;
        facts->m_dry = ingredient.m_dry;
    }
    if (SelectFromTable(IDS_TBL_ING_NUTRITION, ItemCondition(id), nullptr) && !m_pWorkRecordset->IsEOF())
    {
        facts->m_profile.ReadFromRecordset(*m_pWorkRecordset);
        facts->m_hasProfile = true;
    }
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    return *facts;
}

// The total starts from zero: adding to what the plan held counted it twice.
BOOL CCookbookDatabase::ComputeMenuNutrition(CMenuData& menu)
{
    const CRecordId& menuId = menu.m_id;
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    if (!SelectFromTable(IDS_QRY_SHOW_MENU_RCP_NUTRITION,
                         LoadSchemaText(IDS_COL_MN_ITEM_MENU) + "=" + QuoteSqlText(menuId), nullptr))
        return FALSE;
    CMenuNutritionTotal total;
    for (; !m_pWorkRecordset->IsEOF(); m_pWorkRecordset->MoveNext())
    {
        NUTRITION row;
        row.ReadFromRecordset(*m_pWorkRecordset);
        WORD day = 0;
        m_pWorkRecordset->GetFieldWord(IDS_COL_MN_ITEM_DAY, day);
        total.AddRecipe(day, row);
    }
    m_pWorkRecordset->Close();
    *menu.GetNutrition() = total.GetPerDay();
    return TRUE;
}

BOOL CCookbookDatabase::SaveNutrition(const NUTRITION& profile, char type, const CRecordId& id, BOOL rowExists)
{
    UINT tableId = 0;
    if (type == 'I')
        tableId = IDS_TBL_ING_NUTRITION;
    else if (type == 'R')
        tableId = IDS_TBL_RCP_NUTRITION;
    else
        return FALSE;
    if (!CanUpdate())
        return FALSE;
    if (type == 'I')
        m_ingredientFacts.erase(id.GetText());
    CCookbookTransaction transaction(*this);
    // An update that finds no row inserts one instead of reporting a save that did not happen.
    if (rowExists && !HasRow(tableId, ItemCondition(id)))
        rowExists = FALSE;
    CPortRecordset* pColumns = DescribeTable(tableId);
    if (pColumns == nullptr)
        return FALSE;
    CRowValues row(*pColumns);
    if (!rowExists)
    {
        CFieldValue& itemId = row.Add(IDS_COL_ING_NUTRITION_ITEM_ID);
        itemId.m_nSqlType = CFieldValue::typeVarChar;
        itemId.m_lPrecision = 6;
        itemId.SetText(id.GetText());
    }
    NUTRITION clean(profile);
    clean.Sanitize();
    for (int i = 0; i < NUTRITION::AmountCount; ++i)
        AddDouble(row, kStoredAmountColumns[i], clean.m_amount[i]);
    AddDouble(row, IDS_COL_ING_NUTRITION_UNIT_TYPE, clean.m_unitType);
    AddDouble(row, IDS_COL_ING_NUTRITION_UNIT_QTY, clean.m_unitQuantity);
    AddDouble(row, IDS_COL_ING_NUTRITION_CALORIES, clean.m_calories);
    AddDouble(row, IDS_COL_ING_NUTRITION_PCNT_CAL_PROT, clean.m_share[NUTRITION::ProteinShare]);
    AddDouble(row, IDS_COL_ING_NUTRITION_PCNT_CAL_FAT, clean.m_share[NUTRITION::FatShare]);
    AddDouble(row, IDS_COL_ING_NUTRITION_PCNT_CAL_CARB, clean.m_share[NUTRITION::CarbohydrateShare]);
    CFieldValue& fixed = row.Add(IDS_COL_ING_NUTRITION_READ_ONLY);
    fixed.m_nSqlType = CFieldValue::typeBit;
    fixed.m_lPrecision = 4;
    fixed.SetLong(profile.m_caloriesFixed != 0 ? 1 : 0);
    const BOOL saved = rowExists ? ExecuteDirect(BuildUpdate(LoadSchemaText(tableId), row.GetColumns(),
                                                             row.GetValues(), ItemCondition(id)))
                                 : InsertRow(tableId, row);
    return saved && transaction.Commit();
}

BOOL CCookbookDatabase::HasRow(UINT tableId, const CString& condition)
{
    CPortRecordset recordset(this);
    return SelectFromTable(tableId, condition, &recordset) && !recordset.IsEOF();
}
