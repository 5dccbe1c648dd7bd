#include "framework/ObArray.h"

#include <set>

#include "framework/Archive.h"

IMPLEMENT_SERIAL(CObArray, CObject, 0)

bool CObArray::DropForeignElements(const CRuntimeClass* pElementClass)
{
    bool bAllOwn = true;
    std::set<const CObject*> seen;
    for (int i = 0; i < GetSize(); ++i)
    {
        const CObject* pElement = GetAt(i);
        if (pElement != nullptr && (!seen.insert(pElement).second || !pElement->IsKindOf(pElementClass)))
        {
            SetAt(i, nullptr);
            bAllOwn = false;
        }
    }
    return bAllOwn;
}

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
