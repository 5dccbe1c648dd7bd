#include "framework/ObArray.h"

#include "framework/Archive.h"

IMPLEMENT_SERIAL(CObArray, CObject, 0)

void CObArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount(static_cast<DWORD>(GetSize()));
        for (int i = 0; i < GetSize(); ++i)
            ar << GetAt(i);
        return;
    }
    // Every object record takes at least its 2-byte tag.
    const DWORD nCount = ar.ReadCount();
    ar.CheckRemaining(2ULL * nCount);
    SetSize(static_cast<int>(nCount));
    for (int i = 0; i < GetSize(); ++i)
        ar >> ElementAt(i);
}
