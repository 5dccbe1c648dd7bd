#include "database/ListItem.h"

#include "database/RecordArchive.h"
#include "framework/Archive.h"

IMPLEMENT_SERIAL(CListItem, CItem, 5)

CListItem::CListItem() : m_number(0), m_value(0) {}

CListItem::CListItem(const char* name, unsigned long number, char type) : m_number(0), m_name(name), m_value(0)
{
    m_id.SetNumber(number);
    m_type = type;
}

CItem* CListItem::Clone() const
{
    return new CListItem(*this);
}

void CListItem::Clear()
{
    CItem::Clear();
    m_number = 0;
    m_name.Empty();
    m_value = 0;
}

bool CListItem::operator==(const CListItem& other) const
{
    return CItem::operator==(other) && m_number == other.m_number && m_name == other.m_name && m_value == other.m_value;
}

// The id is written a second time after the name; the second copy is the one kept.
void CListItem::Serialize(CArchive& ar)
{
    CItem::Serialize(ar);
    SerializeNamedRecord(ar, m_name, m_id, m_value);
}
