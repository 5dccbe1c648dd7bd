#include "shopping/ListItem.h"

#include "database/RecordArchive.h"
#include "framework/Archive.h"

IMPLEMENT_SERIAL(ListItem, CObject, 5)

ListItem::ListItem() : m_value(0) {}

void ListItem::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeNamedRecord(ar, m_name, m_id, m_value);
}
