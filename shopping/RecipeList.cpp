#include "shopping/RecipeList.h"

#include "framework/Archive.h"
#include "shopping/RecipeListItem.h"

IMPLEMENT_SERIAL(RecipeList, CCustObArray, 5)

RecipeListItem* RecipeList::GetRecipeAt(int index) const
{
    return static_cast<RecipeListItem*>(GetAt(index));
}

RecipeListItem* RecipeList::FindById(const CRecordId& id) const
{
    for (int i = 0; i < GetSize(); ++i)
    {
        RecipeListItem* pItem = GetRecipeAt(i);
        if (pItem != nullptr && pItem->m_id == id)
            return pItem;
    }
    return nullptr;
}

const CRuntimeClass* RecipeList::GetElementClass() const
{
    return RUNTIME_CLASS(RecipeListItem);
}
