#include "database/Item.h"

#include "database/RecordArchive.h"
#include "framework/Archive.h"

IMPLEMENT_SERIAL(CItem, CObject, 5)

namespace {
const char kClearedType = 'Z';
}

CItem::CItem() : m_type(kClearedType) {}

CItem* CItem::Clone() const
{
    return new CItem(*this);
}

void CItem::Clear()
{
    m_id.SetNumber(0);
    m_type = kClearedType;
}

bool CItem::operator==(const CItem& other) const
{
    return m_id == other.m_id && m_type == other.m_type;
}

void CItem::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        WriteRecordId(ar, m_id);
        ar << static_cast<BYTE>(m_type);
    }
    else
    {
        BYTE type = 0;
        ReadRecordId(ar, m_id);
        ar >> type;
        m_type = static_cast<char>(type);
    }
}
