#pragma once

#include <vector>

#include "database/CustObArray.h"
#include "framework/String.h"

class CShoppingListItem;

// An owning array of shopping items, and the sorted views that the list's output walks.
class CShoppingList : public CCustObArray
{
    DECLARE_SERIAL(CShoppingList)
public:
    // Orders of a view; any other value leaves the items as they come.
    enum : int
    {
        kBySection = 0,
        kByIngredient = 1,
        kByRecipe = 2,
    };

    CShoppingList() = default;
    // The base copies its elements as recipe-model items, which these are not: see CopyFrom.
    CShoppingList(const CShoppingList&) = delete;
    CShoppingList& operator=(const CShoppingList&) = delete;

    // Empties this list, then copies every item of the other, serials kept.
    void CopyFrom(const CShoppingList& other);
    CShoppingListItem* GetItem(int index) const;
    // Byte compare of the ingredient name; pIndex, when given, receives the position.
    CShoppingListItem* FindByName(const CString& name, int* pIndex = nullptr) const;
    CShoppingListItem* FindBySerial(DWORD serial, int* pIndex = nullptr) const;

    // The items of first, then those of second when included, sorted by order; the count.
    static int BuildView(const CShoppingList& first, const CShoppingList& second, BOOL includeSecond, int order,
                         std::vector<CShoppingListItem*>& view);
    // The tie-break of every order: ingredient name and unit name without case, unit kind.
    static bool IngredientLess(const CShoppingListItem* a, const CShoppingListItem* b);
    static bool SectionLess(const CShoppingListItem* a, const CShoppingListItem* b);

protected:
    const CRuntimeClass* GetElementClass() const override;

private:
    static void CollectItems(const CShoppingList& list, std::vector<CShoppingListItem*>& view);
};
