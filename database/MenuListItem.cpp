#include "database/MenuListItem.h"

#include "framework/Archive.h"

IMPLEMENT_SERIAL(MenuListItem, CListItem, 5)

MenuListItem::MenuListItem() : m_servings(0) {}

CItem* MenuListItem::Clone() const
{
    return new MenuListItem(*this);
}

void MenuListItem::Clear()
{
    CListItem::Clear();
    m_servings = 0;
}

bool MenuListItem::operator==(const MenuListItem& other) const
{
    return CListItem::operator==(other) && m_servings == other.m_servings;
}

void MenuListItem::Serialize(CArchive& ar)
{
    CListItem::Serialize(ar);
    if (ar.IsStoring())
        ar << m_servings;
    else
        ar >> m_servings;
}
