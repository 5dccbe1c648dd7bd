#include "database/RefItemArray.h"

#include "database/RefListItem.h"

RefListItem* CRefItemArray::GetRefAt(int index) const
{
    return static_cast<RefListItem*>(GetAt(index));
}

const CRuntimeClass* CRefItemArray::GetElementClass() const
{
    return RUNTIME_CLASS(RefListItem);
}
