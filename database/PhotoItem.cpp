#include "database/PhotoItem.h"

#include "database/RecordArchive.h"
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
    SetArchivedRecordId(ar, id, m_id);
    for (CString& text : m_text)
        ar >> text;
}
