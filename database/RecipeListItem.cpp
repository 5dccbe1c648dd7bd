#include "database/RecipeListItem.h"

#include "database/RecordArchive.h"
#include "framework/Archive.h"

IMPLEMENT_SERIAL(CRecipeListItem, CListItem, 5)

CRecipeListItem::CRecipeListItem() : m_servings(0), m_scaledServings(0), m_workValue(0), m_rating(0) {}

CItem* CRecipeListItem::Clone() const
{
    return new CRecipeListItem(*this);
}

void CRecipeListItem::Clear()
{
    CListItem::Clear();
    m_servings = 0;
    m_scaledServings = 0;
    m_chapterId.SetNumber(0);
    m_nutrition = NUTRITION();
    m_workValue = 0;
    m_rating = 0;
}

bool CRecipeListItem::operator==(const CRecipeListItem& other) const
{
    return CListItem::operator==(other) && m_servings == other.m_servings &&
           m_scaledServings == other.m_scaledServings && m_chapterId == other.m_chapterId &&
           m_nutrition == other.m_nutrition && m_workValue == other.m_workValue && m_rating == other.m_rating;
}

void CRecipeListItem::Serialize(CArchive& ar)
{
    CListItem::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_scaledServings;
        WriteRecordId(ar, m_chapterId);
        m_nutrition.WriteImage(ar);
        ar << m_servings;
    }
    else
    {
        ar >> m_scaledServings;
        ReadRecordId(ar, m_chapterId);
        m_nutrition.ReadImage(ar);
        ar >> m_servings;
    }
}
