#include "database/CatData.h"

#include "framework/Archive.h"

IMPLEMENT_SERIAL(CCatData, CObject, 2)

bool CCatData::operator==(const CCatData& other) const
{
    return m_text[0] == other.m_text[0] && m_text[1] == other.m_text[1] && m_text[2] == other.m_text[2];
}

void CCatData::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    for (CString& text : m_text)
    {
        if (ar.IsStoring())
            ar << text;
        else
            ar >> text;
    }
}
