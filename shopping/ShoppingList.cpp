#include "shopping/ShoppingList.h"

#include <algorithm>

#include "database/IngData.h"
#include "framework/Archive.h"
#include "shopping/ShoppingListItem.h"

IMPLEMENT_SERIAL(CShoppingList, CCustObArray, 10)

namespace {

bool RecipeLess(const CShoppingListItem* a, const CShoppingListItem* b)
{
    const int byRecipe = a->m_recipeName.CompareNoCase(b->m_recipeName);
    return byRecipe != 0 ? byRecipe < 0 : CShoppingList::IngredientLess(a, b);
}

}  // namespace

void CShoppingList::CopyFrom(const CShoppingList& other)
{
    if (this == &other)
        return;
    DeleteAll();
    for (int i = 0; i < other.GetSize(); ++i)
    {
        if (const CShoppingListItem* pItem = other.GetItem(i))
            Add(new CShoppingListItem(*pItem));
    }
}

CShoppingListItem* CShoppingList::GetItem(int index) const
{
    return static_cast<CShoppingListItem*>(GetAt(index));
}

CShoppingListItem* CShoppingList::FindByName(const CString& name, int* pIndex) const
{
    for (int i = 0; i < GetSize(); ++i)
    {
        CShoppingListItem* pItem = GetItem(i);
        if (pItem != nullptr && pItem->GetLine().m_name == name)
        {
            if (pIndex != nullptr)
                *pIndex = i;
            return pItem;
        }
    }
    return nullptr;
}

CShoppingListItem* CShoppingList::FindBySerial(DWORD serial, int* pIndex) const
{
    for (int i = 0; i < GetSize(); ++i)
    {
        CShoppingListItem* pItem = GetItem(i);
        if (pItem != nullptr && pItem->GetSerial() == serial)
        {
            if (pIndex != nullptr)
                *pIndex = i;
            return pItem;
        }
    }
    return nullptr;
}

int CShoppingList::BuildView(const CShoppingList& first, const CShoppingList& second, BOOL includeSecond, int order,
                             std::vector<CShoppingListItem*>& view)
{
    view.clear();
    CollectItems(first, view);
    if (includeSecond)
        CollectItems(second, view);
    switch (order)
    {
    case kBySection: std::sort(view.begin(), view.end(), SectionLess); break;
    case kByIngredient: std::sort(view.begin(), view.end(), IngredientLess); break;
    case kByRecipe: std::sort(view.begin(), view.end(), RecipeLess); break;
    default: break;
    }
    return static_cast<int>(view.size());
}

bool CShoppingList::IngredientLess(const CShoppingListItem* a, const CShoppingListItem* b)
{
    const CIngData& lineA = a->GetLine();
    const CIngData& lineB = b->GetLine();
    const int byName = lineA.m_name.CompareNoCase(lineB.m_name);
    if (byName != 0)
        return byName < 0;
    const short kindA = static_cast<short>(lineA.m_unitType);
    const short kindB = static_cast<short>(lineB.m_unitType);
    if (kindA != kindB)
        return kindA < kindB;
    return lineA.m_unitText.CompareNoCase(lineB.m_unitText) < 0;
}

bool CShoppingList::SectionLess(const CShoppingListItem* a, const CShoppingListItem* b)
{
    const int bySection = a->GetLine().m_groupName.CompareNoCase(b->GetLine().m_groupName);
    return bySection != 0 ? bySection < 0 : IngredientLess(a, b);
}

const CRuntimeClass* CShoppingList::GetElementClass() const
{
    return RUNTIME_CLASS(CShoppingListItem);
}

void CShoppingList::CollectItems(const CShoppingList& list, std::vector<CShoppingListItem*>& view)
{
    for (int i = 0; i < list.GetSize(); ++i)
    {
        if (CShoppingListItem* pItem = list.GetItem(i))
            view.push_back(pItem);
    }
}
