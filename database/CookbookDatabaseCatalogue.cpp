// The ingredient catalogue: units and groups (MISC), basic items (BASIC) and ingredients
// (INGREDNT with their profile and basic item), cached where they are lists.
#include "database/CookbookDatabase.h"

#include "database/CookbookTransaction.h"
#include "database/FieldValue.h"
#include "database/GenericRecordset.h"
#include "database/IngData.h"
#include "database/IngRec.h"
#include "database/IngredientFacts.h"
#include "database/ListItem.h"
#include "database/RowValues.h"
#include "framework/DBException.h"
#include "database/PortRecordset.h"
#include "database/UnitRec.h"
#include "res/resource.h"
#include "database/SqlText.h"

CCustObList& CCookbookDatabase::LoadUnits()
{
    if (!m_units.IsEmpty())
        return m_units;
    if (!SelectFromTable(IDS_TBL_MISC, LoadSchemaText(IDS_COL_MISC_TYPE) + "='U'", nullptr))
        return m_units;
    for (; !m_pWorkRecordset->IsEOF(); m_pWorkRecordset->MoveNext())
    {
        auto* pUnit = new CUnitRec;
        ReadUnitRow(*m_pWorkRecordset, *pUnit);
        m_units.AddTail(pUnit);
    }
    m_pWorkRecordset->Close();
    return m_units;
}

BOOL CCookbookDatabase::LoadUnitConversions(CUnitRec& unit)
{
    CString condition = LoadSchemaText(IDS_COL_MISC_TYPE) + "='U' AND ";
    if (unit.m_id == 0UL && !unit.m_name.IsEmpty())
        condition += LoadSchemaText(IDS_COL_MISC_STRING) + "=" + QuoteSqlText(unit.m_name);
    else if (unit.m_id != 0UL && unit.m_name.IsEmpty())
        condition += LoadSchemaText(IDS_COL_MISC_ITEM) + "=" + QuoteSqlText(unit.m_id);
    else
        return FALSE;
    if (!SelectFromTable(IDS_TBL_MISC, condition, nullptr) || m_pWorkRecordset->IsEOF())
        return FALSE;
    ReadUnitRow(*m_pWorkRecordset, unit);
    m_pWorkRecordset->Close();
    return TRUE;
}

void CCookbookDatabase::ReadUnitRow(CPortRecordset& row, CUnitRec& unit)
{
    row.GetFieldLong(IDS_COL_MISC_ITEM, unit.m_id);
    row.GetFieldText(IDS_COL_MISC_STRING, unit.m_name);
    row.GetFieldDouble(IDS_COL_MISC_VALUE, unit.m_value);
    WORD number = 0;
    if (row.GetFieldWord(IDS_COL_MISC_SYSTEM, number))
        unit.m_unitSystem = static_cast<SHORT>(number);
    if (row.GetFieldWord(IDS_COL_MISC_U_TYPE, number))
        unit.m_unitType = static_cast<SHORT>(number);
    row.GetFieldDouble(IDS_COL_MISC_U_FACTOR1, unit.m_factor1);
    row.GetFieldDouble(IDS_COL_MISC_U_FACTOR2, unit.m_factor2);
}

BOOL CCookbookDatabase::FindUnit(CIngData& line)
{
    const CCustObList& units = LoadUnits();
    for (POSITION position = units.GetHeadPosition(); position != nullptr;)
    {
        const auto* pUnit = static_cast<const CUnitRec*>(units.GetNext(position));
        if (pUnit == nullptr)
            return FALSE;
        if (pUnit->m_value == line.m_unitValue && pUnit->m_id.GetNumber() < line.m_unitId.GetNumber())
        {
            line.m_unitId = pUnit->m_id;
            line.m_unitText = pUnit->m_name;
            line.m_unitValue = pUnit->m_value;
            return TRUE;
        }
    }
    return TRUE;
}

std::map<CString, CString>& CCookbookDatabase::LoadGroups()
{
    if (!m_groups.empty() || !SelectFromTable(IDS_TBL_MISC, LoadSchemaText(IDS_COL_MISC_TYPE) + "='G'", nullptr))
        return m_groups;
    for (; !m_pWorkRecordset->IsEOF(); m_pWorkRecordset->MoveNext())
    {
        CString name;
        CRecordId id;
        m_pWorkRecordset->GetFieldText(IDS_COL_MISC_STRING, name);
        m_pWorkRecordset->GetFieldLong(IDS_COL_MISC_ITEM, id);
        m_groups[CString(id.GetText())] = name;
        m_groups[name] = id.GetText();
    }
    m_pWorkRecordset->Close();
    return m_groups;
}

CCustObList& CCookbookDatabase::LoadBasicItems()
{
    if (!m_basicItems.IsEmpty() || !SelectFromTable(IDS_TBL_BASIC, CString(), nullptr))
        return m_basicItems;
    for (; !m_pWorkRecordset->IsEOF(); m_pWorkRecordset->MoveNext())
    {
        auto* pItem = new CListItem;
        m_pWorkRecordset->GetFieldText(IDS_COL_BASIC_NAME, pItem->m_name);
        m_pWorkRecordset->GetFieldLong(IDS_COL_BASIC_ID, pItem->m_id);
        m_basicItems.AddTail(pItem);
    }
    m_pWorkRecordset->Close();
    return m_basicItems;
}

BOOL CCookbookDatabase::LoadIngredients(CIngRec& ingredient)
{
    CString condition;
    if (ingredient.m_id == 0UL && !ingredient.m_name.IsEmpty())
        condition = LoadSchemaText(IDS_COL_INGREDNT_NAME) + "=" + QuoteSqlText(ingredient.m_name);
    else if (ingredient.m_id != 0UL && ingredient.m_name.IsEmpty())
        condition = LoadSchemaText(IDS_COL_INGREDNT_INGREDIENT) + "=" + QuoteSqlText(ingredient.m_id);
    else
        return FALSE;
    if (!SelectFromTable(IDS_TBL_INGREDNT, condition, nullptr) || m_pWorkRecordset->IsEOF())
        return FALSE;
    CPortRecordset& row = *m_pWorkRecordset;
    row.GetFieldLong(IDS_COL_INGREDNT_INGREDIENT, ingredient.m_id);
    row.GetFieldText(IDS_COL_INGREDNT_NAME, ingredient.m_name);
    row.GetFieldText(IDS_COL_INGREDNT_PLURAL, ingredient.m_plural);
    row.GetFieldLong(IDS_COL_INGREDNT_GROUPING, ingredient.m_groupId);
    row.GetFieldDouble(IDS_COL_INGREDNT_FRACTIONAL, ingredient.m_fractional);
    row.GetFieldDouble(IDS_COL_INGREDNT_LIQUID, ingredient.m_liquid);
    row.GetFieldDouble(IDS_COL_INGREDNT_DRY, ingredient.m_dry);
    row.GetFieldInt32(IDS_COL_INGREDNT_SEASONING, ingredient.m_seasoning);
    row.Close();
    return TRUE;
}

BOOL CCookbookDatabase::LoadBasicIngredient(CIngData& line)
{
    if (line.m_itemId == 0UL)
        return FALSE;
    line.m_basicItemId = CRecordId();
    line.m_basicItemName.Empty();
    if (SelectFromTable(IDS_QRY_SHOW_BASIC_INGREDIENT,
                        LoadSchemaText(IDS_COL_CAT_ITEM_ITEM) + "=" + QuoteSqlText(line.m_itemId), nullptr) &&
        !m_pWorkRecordset->IsEOF())
    {
        m_pWorkRecordset->GetFieldLong(IDS_COL_BASIC_ID, line.m_basicItemId);
        m_pWorkRecordset->GetFieldText(IDS_COL_BASIC_NAME, line.m_basicItemName);
    }
    if (m_pWorkRecordset->IsOpen())
        m_pWorkRecordset->Close();
    return TRUE;
}

// The row, its profile and its basic item are written together or not at all.
BOOL CCookbookDatabase::SaveIngredient(CIngData& line, BOOL exists)
{
    line.GetNutrition();
    if (line.m_name.IsEmpty())
    {
        line.m_itemId = CRecordId();
        return TRUE;
    }
    if (!CanUpdate())
        return FALSE;
    const BOOL update = line.m_itemId != 0UL && exists;
    CRecordId id = line.m_itemId;
    if (!update)
    {
        id = NextRecordId(IDS_TBL_INGREDNT, IDS_COL_INGREDNT_INGREDIENT);
        if (id == 0UL)
            return FALSE;
    }
    CPortRecordset* pColumns = DescribeTable(IDS_TBL_INGREDNT);
    if (pColumns == nullptr)
        return FALSE;
    CRowValues row(*pColumns);
    if (!update)
        row.Add(IDS_COL_INGREDNT_INGREDIENT).SetId(id);
    row.Add(IDS_COL_INGREDNT_GROUPING).SetId(line.m_groupId);
    row.Add(IDS_COL_INGREDNT_NAME).SetText(line.m_name);
    CFieldValue& plural = row.Add(IDS_COL_INGREDNT_PLURAL);
    if (line.m_plural.IsEmpty())
        plural.SetNull();
    else
        plural.SetText(line.m_plural);
    row.Add(IDS_COL_INGREDNT_TYPE).SetText(line.m_lineType);
    row.Add(IDS_COL_INGREDNT_SEASONING).SetLong(line.m_seasoning);
    row.Add(IDS_COL_INGREDNT_FRACTIONAL).SetDouble(line.m_fractional);
    row.Add(IDS_COL_INGREDNT_LIQUID).SetDouble(line.m_liquid);
    row.Add(IDS_COL_INGREDNT_DRY).SetDouble(line.m_dry);
    row.Add(IDS_COL_INGREDNT_SOUND_NAME).SetText(MakeSoundCode(line.m_name));
    const CString table = LoadSchemaText(IDS_TBL_INGREDNT);
    const CString sql = update ? BuildUpdate(table, row.GetColumns(), row.GetValues(),
                                             LoadSchemaText(IDS_COL_INGREDNT_INGREDIENT) + "=" + QuoteSqlText(id))
                               : BuildInsertFromLists(table, row.GetColumns(), row.GetValues());
    CCookbookTransaction transaction(*this);
    if (!ExecuteDirect(sql) || !SaveNutrition(*line.GetNutrition(), 'I', id, update) ||
        !SaveIngredientCategories(id, line.m_basicItemId) || !transaction.Commit())
    {
        // The id taken was never stored.
        CountRecordIds(m_bCountingIds);
        return FALSE;
    }
    line.m_itemId = id;
    m_ingredientFacts.erase(id.GetText());
    return TRUE;
}

BOOL CCookbookDatabase::SaveIngredientCategories(const CRecordId& ingredientId, const CRecordId& basicItemId)
{
    CCookbookTransaction transaction(*this);
    if (!DeleteItemRows(IDS_TBL_ING_CAT_ITEM, IDS_COL_CAT_ITEM_ITEM, QuoteSqlText(ingredientId), 'Z'))
        return FALSE;
    CPortRecordset* pColumns = DescribeTable(IDS_TBL_ING_CAT_ITEM);
    if (pColumns == nullptr)
        return FALSE;
    CRowValues row(*pColumns);
    row.Add(IDS_COL_CAT_ITEM_CATID).SetId(basicItemId);
    row.Add(IDS_COL_CAT_ITEM_ITEM).SetId(ingredientId);
    return InsertRow(IDS_TBL_ING_CAT_ITEM, row) && transaction.Commit();
}

// All four deletes or none.
BOOL CCookbookDatabase::DeleteIngredient(const CRecordId& id)
{
    if (id == 0UL)
        return FALSE;
    const CString value = QuoteSqlText(id);
    m_ingredientFacts.erase(id.GetText());
    CCookbookTransaction transaction(*this);
    return DeleteItemRows(IDS_TBL_QUANTITY, IDS_COL_QUANTITY_ITEM, value, 'I') &&
           DeleteItemRows(IDS_TBL_ING_NUTRITION, IDS_COL_ING_NUTRITION_ITEM_ID, value, 'Z') &&
           DeleteItemRows(IDS_TBL_ING_CAT_ITEM, IDS_COL_CAT_ITEM_ITEM, value, 'Z') &&
           DeleteItemRows(IDS_TBL_INGREDNT, IDS_COL_INGREDNT_INGREDIENT, value, 'Z') && transaction.Commit();
}
