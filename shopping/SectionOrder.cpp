#include "shopping/SectionOrder.h"

#include <algorithm>

#include "database/CookbookDatabase.h"
#include "database/IngData.h"
#include "database/ListItem.h"
#include "shopping/ShoppingList.h"
#include "shopping/ShoppingListItem.h"

namespace {
const char kNoSection[] = "000001";
}

void CSectionOrder::LoadSectionOrder(CCookbookDatabase& database, long storeNumber)
{
    m_pDatabase = &database;
    m_order.clear();
    const CCustObList& sections = database.LoadStoreSections(storeNumber);
    int position = 0;
    for (POSITION at = sections.GetHeadPosition(); at != nullptr;)
    {
        const auto* pSection = static_cast<const CListItem*>(sections.GetNext(at));
        if (pSection != nullptr)
            m_order.emplace(pSection->m_id.GetText(), position++);
    }
    m_order.emplace(kNoSection, position);
}

int CSectionOrder::SectionOrder(const CRecordId& sectionId) const
{
    auto found = m_order.find(sectionId.GetText());
    if (found == m_order.end())
        found = m_order.find(kNoSection);
    return found != m_order.end() ? found->second : 0;
}

BOOL CSectionOrder::HasAssignedSection(CShoppingListItem& item)
{
    CIngData& line = item.GetLine();
    const int unassigned = SectionOrder(CRecordId(kNoSection));
    int order = SectionOrder(line.m_groupId);
    if (order == unassigned && !line.m_groupName.IsEmpty() && m_pDatabase != nullptr)
    {
        const std::map<CString, CString>& groups = m_pDatabase->LoadGroups();
        const auto found = groups.find(line.m_groupName);
        if (found != groups.end())
        {
            line.m_groupId = CRecordId(found->second);
            order = SectionOrder(line.m_groupId);
        }
    }
    return order != unassigned;
}

int CSectionOrder::BuildSectionView(CCookbookDatabase& database, const CShoppingList& first,
                                    const CShoppingList& second, BOOL includeSecond, long storeNumber, BOOL assigned,
                                    std::vector<CShoppingListItem*>& view)
{
    LoadSectionOrder(database, storeNumber);
    view.clear();
    CollectAssigned(first, assigned, view);
    if (includeSecond)
        CollectAssigned(second, assigned, view);
    if (assigned)
        std::sort(view.begin(), view.end(),
                  [this](const CShoppingListItem* a, const CShoppingListItem* b) { return OrderLess(a, b); });
    else
        std::sort(view.begin(), view.end(), CShoppingList::SectionLess);
    return static_cast<int>(view.size());
}

bool CSectionOrder::OrderLess(const CShoppingListItem* a, const CShoppingListItem* b) const
{
    const int orderA = SectionOrder(a->GetLine().m_groupId);
    const int orderB = SectionOrder(b->GetLine().m_groupId);
    return orderA != orderB ? orderA < orderB : CShoppingList::IngredientLess(a, b);
}

void CSectionOrder::CollectAssigned(const CShoppingList& list, BOOL assigned, std::vector<CShoppingListItem*>& view)
{
    for (int i = 0; i < list.GetSize(); ++i)
    {
        CShoppingListItem* pItem = list.GetItem(i);
        if (pItem != nullptr && (HasAssignedSection(*pItem) != FALSE) == (assigned != FALSE))
            view.push_back(pItem);
    }
}
