#include "framework/ObList.h"

#include "framework/Archive.h"

IMPLEMENT_SERIAL(CObList, CObject, 0)

CObList::CObList(int nBlockSize)
{
    (void)nBlockSize;
}

void CObList::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount(static_cast<DWORD>(GetCount()));
        for (POSITION position = GetHeadPosition(); position != nullptr;)
            ar << GetNext(position);
        return;
    }
    // Checked before anything is read, so a damaged count fails at once.
    const DWORD nCount = ar.ReadCount();
    ar.CheckRemaining(2ULL * nCount);
    for (DWORD i = 0; i < nCount; ++i)
        AddTail(ar.ReadObject(nullptr));
}
