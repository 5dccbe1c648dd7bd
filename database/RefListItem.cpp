#include "database/RefListItem.h"

#include "framework/Archive.h"

IMPLEMENT_SERIAL(RefListItem, CListItem, 5)

RefListItem::RefListItem(const char* name, const char* content, unsigned long number, char type)
    : CListItem(name, number, type), m_content(content)
{
}

CItem* RefListItem::Clone() const
{
    return new RefListItem(*this);
}

void RefListItem::Clear()
{
    CListItem::Clear();
    m_content.Empty();
}

bool RefListItem::operator==(const RefListItem& other) const
{
    return CListItem::operator==(other) && m_content == other.m_content;
}

void RefListItem::Serialize(CArchive& ar)
{
    CListItem::Serialize(ar);
    if (ar.IsStoring())
        ar << m_content;
    else
        ar >> m_content;
}
