#include "database/RecipeList.h"

#include "database/RecipeListItem.h"
#include "framework/Archive.h"

IMPLEMENT_SERIAL(CRecipeList, CCustObArray, 5)

CRecipeListItem* CRecipeList::FindByKey(LONG key) const
{
    for (int i = 0; i < GetSize(); ++i)
    {
        CRecipeListItem* pItem = GetRecipeAt(i);
        if (pItem && pItem->m_value == key)
            return pItem;
    }
    return nullptr;
}

CRecipeListItem* CRecipeList::GetRecipeAt(int index) const
{
    return static_cast<CRecipeListItem*>(GetAt(index));
}

const CRuntimeClass* CRecipeList::GetElementClass() const
{
    return RUNTIME_CLASS(CRecipeListItem);
}
