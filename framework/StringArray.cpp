#include "framework/StringArray.h"

#include "framework/Archive.h"

IMPLEMENT_SERIAL(CStringArray, CObject, 0)

void CStringArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount(static_cast<DWORD>(GetSize()));
        for (int i = 0; i < GetSize(); ++i)
            ar << GetAt(i);
        return;
    }
    // Every string takes at least its 1-byte length.
    const DWORD nCount = ar.ReadCount();
    ar.CheckRemaining(nCount);
    SetSize(static_cast<int>(nCount));
    for (int i = 0; i < GetSize(); ++i)
        ar >> ElementAt(i);
}
