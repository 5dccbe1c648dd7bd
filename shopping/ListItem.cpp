#include "shopping/ListItem.h"

#include "database/RecordArchive.h"
#include "framework/Archive.h"

IMPLEMENT_SERIAL(ListItem, CObject, 5)

ListItem::ListItem() : m_value(0) {}

void ListItem::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_name;
        WriteRecordId(ar, m_id);
        ar << m_value;
    }
    else
    {
        ar >> m_name;
        ReadRecordId(ar, m_id);
        ar >> m_value;
    }
}
