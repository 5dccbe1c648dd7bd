#include "forms/RelatedLinkArray.h"

#include "forms/RelatedLink.h"

RelatedLinkArray::~RelatedLinkArray()
{
    DeleteAll();
}

void RelatedLinkArray::DeleteAll()
{
    for (int i = 0; i < GetSize(); ++i)
        delete static_cast<RelatedLink*>(GetAt(i));
    RemoveAll();
}

RelatedLink* RelatedLinkArray::GetLinkAt(int index) const
{
    if (index < 0 || index >= GetSize())
        return nullptr;
    return static_cast<RelatedLink*>(GetAt(index));
}
