#pragma once

#include <windef.h>

#include <map>
#include <string>
#include <vector>

class CCookbookDatabase;
class CRecordId;
class CShoppingList;
class CShoppingListItem;

// The order of one store's sections, by section id; items of sections the store does not
// list (and of no section, "000001") come after every listed one.
class CSectionOrder
{
public:
    void LoadSectionOrder(CCookbookDatabase& database, long storeNumber);
    int SectionOrder(const CRecordId& sectionId) const;
    // A line that names a section the store does not know by id is looked up by that name
    // among the cookbook's groups, and takes the id found.
    BOOL HasAssignedSection(CShoppingListItem& item);
    // The items of first (and second, when included) whose assignment equals assigned: those
    // assigned in the store's section order, the others by section name; the count.
    int BuildSectionView(CCookbookDatabase& database, const CShoppingList& first, const CShoppingList& second,
                         BOOL includeSecond, long storeNumber, BOOL assigned, std::vector<CShoppingListItem*>& view);

private:
    bool OrderLess(const CShoppingListItem* a, const CShoppingListItem* b) const;
    void CollectAssigned(const CShoppingList& list, BOOL assigned, std::vector<CShoppingListItem*>& view);

    std::map<std::string, int> m_order;
    CCookbookDatabase* m_pDatabase = nullptr;
};
