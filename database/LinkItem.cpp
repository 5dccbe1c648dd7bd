#include "database/LinkItem.h"

#include "database/RecordArchive.h"
#include "framework/Archive.h"

IMPLEMENT_SERIAL(CLinkItem, CItem, 5)

CItem* CLinkItem::Clone() const
{
    return new CLinkItem(*this);
}

void CLinkItem::Clear()
{
    CItem::Clear();
    m_secondId.SetNumber(0);
}

bool CLinkItem::operator==(const CLinkItem& other) const
{
    return CItem::operator==(other) && m_secondId == other.m_secondId;
}

void CLinkItem::Serialize(CArchive& ar)
{
    CItem::Serialize(ar);
    if (ar.IsStoring())
        WriteRecordId(ar, m_secondId);
    else
        ReadRecordId(ar, m_secondId);
}
