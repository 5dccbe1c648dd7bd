#include "shopping/RecipeListItem.h"

#include "database/RecipeListItem.h"
#include "database/RecordArchive.h"
#include "framework/Archive.h"

IMPLEMENT_SERIAL(RecipeListItem, ListItem, 5)

RecipeListItem::RecipeListItem() : m_servings(0), m_scaledServings(0), m_reserved(0) {}

// The entry's 16-bit counts are signed.
RecipeListItem::RecipeListItem(const CRecipeListItem& entry)
    : m_servings(static_cast<short>(entry.m_servings)), m_scaledServings(static_cast<short>(entry.m_scaledServings)),
      m_chapterId(entry.m_chapterId), m_nutrition(entry.m_nutrition), m_reserved(0)
{
    m_name = entry.m_name;
    m_id = entry.m_id;
    m_value = entry.m_value;
}

void RecipeListItem::Serialize(CArchive& ar)
{
    ListItem::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_servings << m_scaledServings;
        WriteRecordId(ar, m_chapterId);
        m_nutrition.WriteImage(ar);
        ar << m_reserved;
    }
    else
    {
        ar >> m_servings >> m_scaledServings;
        ReadRecordId(ar, m_chapterId);
        m_nutrition.ReadImage(ar);
        ar >> m_reserved;
    }
}
