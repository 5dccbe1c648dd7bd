#include "database/IngItem.h"

#include "framework/Archive.h"

IMPLEMENT_SERIAL(CIngItem, CListItem, 5)

CIngItem::CIngItem(const char* name, unsigned long number, char type, const char* extraText)
    : CListItem(name, number, type), m_extraText(extraText)
{
}

CItem* CIngItem::Clone() const
{
    return new CIngItem(*this);
}

void CIngItem::Clear()
{
    CListItem::Clear();
    m_extraText.Empty();
}

bool CIngItem::operator==(const CIngItem& other) const
{
    return CListItem::operator==(other) && m_extraText == other.m_extraText;
}

void CIngItem::Serialize(CArchive& ar)
{
    CListItem::Serialize(ar);
    if (ar.IsStoring())
        ar << m_extraText;
    else
        ar >> m_extraText;
}
