#include "database/CategoryListItem.h"

#include "framework/Archive.h"

IMPLEMENT_SERIAL(CategoryListItem, CLinkItem, 5)

namespace {
const SHORT kNoLink = -1;
}

CategoryListItem::CategoryListItem()
    : m_hasRecipes(0), m_hasMenus(0), m_relIndex(0), m_firstChild(kNoLink), m_sibling(kNoLink)
{
}

CItem* CategoryListItem::Clone() const
{
    return new CategoryListItem(*this);
}

void CategoryListItem::Clear()
{
    CLinkItem::Clear();
    m_hasRecipes = 0;
    m_hasMenus = 0;
    m_relIndex = 0;
    m_firstChild = kNoLink;
    m_sibling = kNoLink;
}

bool CategoryListItem::operator==(const CategoryListItem& other) const
{
    return CLinkItem::operator==(other) && m_name == other.m_name && m_hasRecipes == other.m_hasRecipes &&
           m_hasMenus == other.m_hasMenus && m_relIndex == other.m_relIndex && m_firstChild == other.m_firstChild &&
           m_sibling == other.m_sibling;
}

void CategoryListItem::Serialize(CArchive& ar)
{
    CLinkItem::Serialize(ar);
    if (ar.IsStoring())
        ar << m_name << m_hasRecipes << m_hasMenus << m_relIndex << m_firstChild << m_sibling;
    else
        ar >> m_name >> m_hasRecipes >> m_hasMenus >> m_relIndex >> m_firstChild >> m_sibling;
}
