#include "framework/StringList.h"

#include "framework/Archive.h"

IMPLEMENT_SERIAL(CStringList, CObject, 0)

CStringList::CStringList(int nBlockSize)
{
    (void)nBlockSize;
}

void CStringList::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount(static_cast<DWORD>(GetCount()));
        for (POSITION position = GetHeadPosition(); position != nullptr;)
            ar << GetNext(position);
        return;
    }
    // Every string takes at least its 1-byte length.
    const DWORD nCount = ar.ReadCount();
    ar.CheckRemaining(nCount);
    for (DWORD i = 0; i < nCount; ++i)
    {
        CString text;
        ar >> text;
        AddTail(text);
    }
}
