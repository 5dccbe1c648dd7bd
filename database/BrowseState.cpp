#include "database/BrowseState.h"

#include "database/CookbookDatabase.h"
#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "database/MenuListItem.h"
#include "database/RecipeListItem.h"

#include <cstdint>

CBrowseState* g_pBrowseState = nullptr;

CBrowseState::CBrowseState(const SystemSettings& system)
    : m_formWord(0), m_system(system), m_pRecipeList(&m_recipes), m_pMenuList(&m_menus), m_servings(10)
{
}

void CBrowseState::FillRecipeList(const CCustObArray& source, LONG key)
{
    m_recipes.DeleteAll();
    for (int i = 0; i < source.GetSize(); ++i)
    {
        const CListItem* pSource = static_cast<const CListItem*>(source.GetAt(i));
        if (!pSource)
            continue;
        CRecipeListItem* pItem = new CRecipeListItem;
        pItem->m_id = pSource->m_id;
        pItem->m_name = pSource->m_name;
        pItem->m_value = pSource->m_value;
        m_recipes.Add(pItem);
    }
    m_recipes.SetCurrentByKey(key < 0 ? 0 : key);
    m_recipes.m_keyWord = CCustObArray::kNoKey;
    m_pRecipeList = &m_recipes;
}

void CBrowseState::FillMenuList(CCookbookDatabase& database, const CCustObList& source, LONG key)
{
    m_menus.DeleteAll();
    for (POSITION position = source.GetHeadPosition(); position != nullptr;)
    {
        const CItem* pSource = static_cast<const CItem*>(source.GetNext(position));
        const MenuListItem* pMenu = pSource != nullptr ? database.FindMenu(pSource->m_id.GetText(), 1) : nullptr;
        if (pMenu != nullptr)
            m_menus.Add(pMenu->Clone());
    }
    m_menus.SetCurrentByKey(key < 0 ? 0 : key);
    m_menus.m_keyWord = CCustObArray::kNoKey;
    m_pMenuList = &m_menus;
}

CCustObArray* CBrowseState::FillRecipeListAndSelect(const CMenuData& menu, const CRecordId& id)
{
    m_recipes.DeleteAll();
    LONG selected = -1;
    LONG position = 0;
    for (POSITION next = menu.m_items.GetHeadPosition(); next != nullptr; ++position)
    {
        const CMenuItem* pEntry = static_cast<const CMenuItem*>(menu.m_items.GetNext(next));
        if (pEntry->m_type != "R")
            continue;
        CRecipeListItem* pItem = new CRecipeListItem;
        pItem->m_id = pEntry->m_itemId;
        pItem->m_name = pEntry->m_text;
        pItem->m_type = 'R';
        pItem->m_value = position;
        pItem->m_scaledServings = menu.m_servings != 0 ? menu.m_servings : pEntry->m_servings;
        RememberItemValue(*pItem);
        if (pItem->m_id == id)
            selected = position;
        m_recipes.Add(pItem);
    }
    m_recipes.SetCurrentByKey(selected);
    m_pRecipeList = &m_recipes;
    return m_pRecipeList;
}

CCustObArray* CBrowseState::LoadMenuList(CCookbookDatabase& database, const CRecordId* pCategoryId)
{
    if (pCategoryId == nullptr)
    {
        m_pMenuList = &database.GetMenuList();
        return m_pMenuList;
    }
    m_menus.DeleteAll();
    database.GetMenusInCategory(m_menus, pCategoryId->GetNumber());
    m_menus.m_keyWord = pCategoryId->GetNumber();
    m_pMenuList = &m_menus;
    return m_pMenuList;
}

int CBrowseState::RememberItemValue(const CRecipeListItem& item)
{
    // The servings travel in the map's pointer-sized value.
    m_servings.SetAt(item.m_id, reinterpret_cast<void*>(static_cast<uintptr_t>(item.m_scaledServings)));
    return 1;
}

WORD CBrowseState::LookupItemValue(const char* id) const
{
    void* value = nullptr;
    if (!m_servings.Lookup(id, value))
        return 0;
    return static_cast<WORD>(reinterpret_cast<uintptr_t>(value));
}

PrintPrefs* CBrowseState::GetItemPrintPrefs(PrintPrefs& buffer, CRecipeListItem& item) const
{
    item.m_scaledServings = LookupItemValue(item.m_id);
    if (item.m_scaledServings == 0 || item.m_scaledServings == item.m_servings)
        return nullptr;
    return GetPrintPrefs(buffer, item.m_scaledServings);
}

PrintPrefs* CBrowseState::GetPrintPrefsIfSet(PrintPrefs& buffer, const MenuListItem& item) const
{
    if (item.m_servings == 0)
        return nullptr;
    return GetPrintPrefs(buffer, item.m_servings);
}

PrintPrefs* CBrowseState::GetPrintPrefs(PrintPrefs& buffer, int servings) const
{
    buffer.System = m_system;
    buffer.Servings = servings;
    return &buffer;
}

void CBrowseState::GetRecipeNavState(BOOL& hasPrevious, BOOL& hasNext, const CItem& item) const
{
    GetNavState(m_pRecipeList, hasPrevious, hasNext, item);
}

void CBrowseState::GetMenuNavState(BOOL& hasPrevious, BOOL& hasNext, const CItem& item) const
{
    GetNavState(m_pMenuList, hasPrevious, hasNext, item);
}

int CBrowseState::StepRecipeBack(CRecipeListItem*& pItem)
{
    CListItem* pStep = nullptr;
    int result = StepBack(m_pRecipeList, pStep);
    if (pStep)
        pItem = static_cast<CRecipeListItem*>(pStep);
    return result;
}

int CBrowseState::StepRecipeForward(CRecipeListItem*& pItem)
{
    CListItem* pStep = nullptr;
    int result = StepForward(m_pRecipeList, pStep);
    if (pStep)
        pItem = static_cast<CRecipeListItem*>(pStep);
    return result;
}

int CBrowseState::StepMenuBack(MenuListItem*& pItem)
{
    CListItem* pStep = nullptr;
    int result = StepBack(m_pMenuList, pStep);
    if (pStep)
        pItem = static_cast<MenuListItem*>(pStep);
    return result;
}

int CBrowseState::StepMenuForward(MenuListItem*& pItem)
{
    CListItem* pStep = nullptr;
    int result = StepForward(m_pMenuList, pStep);
    if (pStep)
        pItem = static_cast<MenuListItem*>(pStep);
    return result;
}

CRecipeListItem* CBrowseState::GetCurrentRecipeItem() const
{
    return static_cast<CRecipeListItem*>(CurrentOf(m_recipes));
}

MenuListItem* CBrowseState::GetCurrentMenuItem() const
{
    return static_cast<MenuListItem*>(CurrentOf(m_menus));
}

CRecipeListItem* CBrowseState::GetCurrentSecondItem() const
{
    return static_cast<CRecipeListItem*>(CurrentOf(m_secondList));
}

int CBrowseState::AddToSpecialsList(const CRecipeListItem& item)
{
    if (m_secondList.FindById(item.m_id) != nullptr)
        return -1;
    auto* pEntry = new CRecipeListItem;
    pEntry->m_id = item.m_id;
    pEntry->m_name = item.m_name;
    pEntry->m_servings = item.m_servings;
    m_secondList.Add(pEntry);
    return 0;
}

void CBrowseState::StoreSpecialsList(const CRecipeList& list)
{
    if (&list == &m_secondList)
        return;
    m_secondList = list;
    m_secondList.m_keyWord = list.m_keyWord;
    m_secondList.SetCurrentIndex(list.GetCurrentIndex());
}

void CBrowseState::GetNavState(const CCustObArray* pList, BOOL& hasPrevious, BOOL& hasNext, const CItem& item)
{
    hasPrevious = FALSE;
    hasNext = FALSE;
    const CListItem* pCurrent = pList ? CurrentOf(*pList) : nullptr;
    if (!pCurrent || pCurrent->m_id != item.m_id)
        return;
    hasPrevious = pList->GetCurrentIndex() > 0;
    hasNext = pList->GetCurrentIndex() < pList->GetUpperBound();
}

// Entries are made current by their value, which the fill operations keep unique.
int CBrowseState::StepBack(CCustObArray* pList, CListItem*& pItem)
{
    int index = pList->GetCurrentIndex();
    if (index <= 0)
        return kNoneBefore;
    pItem = static_cast<CListItem*>(pList->GetAt(index - 1));
    pList->SetCurrentByKey(pItem->m_value);
    return pList->GetCurrentIndex() == 0 ? kNowFirst : kInBetween;
}

int CBrowseState::StepForward(CCustObArray* pList, CListItem*& pItem)
{
    int index = pList->GetCurrentIndex();
    if (index >= pList->GetUpperBound())
        return kNoneAfter;
    pItem = static_cast<CListItem*>(pList->GetAt(index + 1));
    pList->SetCurrentByKey(pItem->m_value);
    return pList->GetCurrentIndex() == pList->GetUpperBound() ? kNowLast : kInBetween;
}

CListItem* CBrowseState::CurrentOf(const CCustObArray& list)
{
    if (list.IsEmpty())
        return nullptr;
    return static_cast<CListItem*>(list.GetAt(list.GetCurrentIndex()));
}
