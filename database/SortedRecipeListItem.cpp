#include "database/SortedRecipeListItem.h"

#include "framework/Archive.h"

IMPLEMENT_SERIAL(CSortedRecipeListItem, CRecipeListItem, 5)

CSortedRecipeListItem::CSortedRecipeListItem() : m_sortValue(0.0f) {}

CItem* CSortedRecipeListItem::Clone() const
{
    return new CSortedRecipeListItem(*this);
}

void CSortedRecipeListItem::Clear()
{
    CRecipeListItem::Clear();
    m_sortText.Empty();
    m_sortValue = 0.0f;
}

bool CSortedRecipeListItem::operator==(const CSortedRecipeListItem& other) const
{
    return CRecipeListItem::operator==(other) && m_sortText == other.m_sortText && m_sortValue == other.m_sortValue;
}

void CSortedRecipeListItem::Serialize(CArchive& ar)
{
    CRecipeListItem::Serialize(ar);
    if (ar.IsStoring())
        ar << m_sortValue << m_sortText;
    else
        ar >> m_sortValue >> m_sortText;
}
