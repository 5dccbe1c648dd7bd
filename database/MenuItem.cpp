#include "database/MenuItem.h"

#include "database/PortRecordset.h"
#include "database/RecordArchive.h"
#include "framework/Archive.h"
#include "res/resource.h"

IMPLEMENT_SERIAL(CMenuItem, CObject, 2)

CMenuItem::CMenuItem() : m_servings(0), m_meal(0), m_day(0) {}

CMenuItem::CMenuItem(const CMenuItem& other)
    : CObject(), m_text(other.m_text), m_type(other.m_type), m_itemId(other.m_itemId), m_servings(other.m_servings),
      m_meal(other.m_meal), m_day(other.m_day)
{
}

CMenuItem& CMenuItem::operator=(const CMenuItem& other)
{
    m_text = other.m_text;
    m_type = other.m_type;
    m_itemId = other.m_itemId;
    m_servings = other.m_servings;
    m_meal = other.m_meal;
    m_day = other.m_day;
    return *this;
}

void CMenuItem::ReadRecipeRow(CPortRecordset& row)
{
    *this = CMenuItem();
    m_type = "R";
    row.GetFieldText(IDS_COL_RECIPE_TITLE, m_text);
    row.GetFieldLong(IDS_COL_RECIPE_RECIPE, m_itemId);
    row.GetFieldWord(IDS_COL_RECIPE_SERVINGS, m_servings);
}

void CMenuItem::ReadIngredientRow(CPortRecordset& row)
{
    *this = CMenuItem();
    m_type = "I";
    row.GetFieldText(IDS_COL_INGREDNT_NAME, m_text);
    row.GetFieldLong(IDS_COL_INGREDNT_INGREDIENT, m_itemId);
}

void CMenuItem::ReadRecord(CPortRecordset& row)
{
    row.GetFieldText(IDS_COL_MN_ITEM_TYPE, m_type);
    row.GetFieldText(IDS_COL_MN_ITEM_STRING, m_text);
    row.GetFieldLong(IDS_COL_MN_ITEM_ITEM, m_itemId);
    row.GetFieldWord(IDS_COL_MN_ITEM_SERVINGS, m_servings);
    row.GetFieldWord(IDS_COL_MN_ITEM_DAY, m_day);
    row.GetFieldWord(IDS_COL_MN_ITEM_MEAL, m_meal);
}

void CMenuItem::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_text << m_type;
        WriteRecordId(ar, m_itemId);
        ar << m_servings << m_meal << m_day;
        return;
    }
    ar >> m_text >> m_type;
    ReadRecordId(ar, m_itemId);
    ar >> m_servings >> m_meal >> m_day;
}
