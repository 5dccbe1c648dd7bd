#include "shell/controls/CookbookIngredientSearch.h"

#include "database/CookbookDatabase.h"
#include "database/CustObList.h"
#include "database/ListItem.h"
#include "framework/Position.h"
#include "shell/services/CurrentDatabase.h"

std::vector<IngredientMatch> CCookbookIngredientSearch::Search(const CString& prefix)
{
    std::vector<IngredientMatch> matches;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return matches;
    CCustObList found;
    pDatabase->SearchIngredients(found, prefix, FALSE, TRUE);
    for (POSITION pos = found.GetHeadPosition(); pos != nullptr;)
    {
        const auto* pItem = static_cast<const CListItem*>(found.GetNext(pos));
        matches.push_back({pItem->m_name, pItem->m_id.GetNumber()});
    }
    return matches;
}
