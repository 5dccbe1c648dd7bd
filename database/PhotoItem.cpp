#include "database/PhotoItem.h"

#include "framework/Archive.h"

IMPLEMENT_SERIAL(CPhotoItem, CObject, 1)

void CPhotoItem::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << CString(m_id.GetText());
        for (const CString& text : m_text)
            ar << text;
        return;
    }
    CString id;
    ar >> id;
    m_id = CRecordId(id.Left(6));
    for (CString& text : m_text)
        ar >> text;
}
