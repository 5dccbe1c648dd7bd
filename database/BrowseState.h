#pragma once

#include "database/CustObArray.h"
#include "database/PrintPrefs.h"
#include "database/RecipeList.h"
#include "database/SystemSettings.h"
#include "framework/MapStringToPtr.h"

class CCookbookDatabase;
class CCustObList;
class CItem;
class CMenuData;
class CRecordId;
class CListItem;
class CRecipeListItem;
class MenuListItem;

// The lists of recipes and meal plans that the viewing forms step through with Next and
// Previous, the current entry of each, and the servings a meal plan asks for its recipes.
class CBrowseState
{
public:
    // Results of the stepping operations.
    enum Step
    {
        kNoneBefore = 0,
        kNowFirst = 1,
        kInBetween = 2,
        kNowLast = 3,
        kNoneAfter = 4
    };

    // system: the program's system record, copied into every scaling record handed out.
    explicit CBrowseState(const SystemSettings& system);
    CBrowseState(const CBrowseState&) = delete;
    CBrowseState& operator=(const CBrowseState&) = delete;

    // Refills the browsed recipes with the source's items (id, name and value) and makes
    // the entry whose value is key current (a negative key counts as 0); they become the
    // current recipe list.
    void FillRecipeList(const CCustObArray& source, LONG key);

    // Refills the meal-plan list with the cookbook's entries of the source's meal plans (those
    // the cookbook no longer has are left out); they become the current meal-plan list.
    void FillMenuList(CCookbookDatabase& database, const CCustObList& source, LONG key);
    // The recipes of a meal plan become the current recipe list, each valued by its position
    // in the plan and scaled to the plan's servings (or its own); the one with id is current.
    CCustObArray* FillRecipeListAndSelect(const CMenuData& menu, const CRecordId& id);
    // The meal plans of a category (pCategoryId) or, for null, every meal plan become the
    // current meal-plan list.
    CCustObArray* LoadMenuList(CCookbookDatabase& database, const CRecordId* pCategoryId);
    // The servings a meal plan chose for a recipe id; 0 when none.
    int RememberItemValue(const CRecipeListItem& item);
    WORD LookupItemValue(const char* id) const;

    // The scaling records: each fills buffer with the system record and servings and returns
    // it, or returns null when there is nothing to scale.
    // Null when the servings remembered for the item are 0 or its own; the item's scaled
    // servings become the remembered ones in every case.
    PrintPrefs* GetItemPrintPrefs(PrintPrefs& buffer, CRecipeListItem& item) const;
    // Null when the meal plan asks for no servings (0).
    PrintPrefs* GetPrintPrefsIfSet(PrintPrefs& buffer, const MenuListItem& item) const;
    PrintPrefs* GetPrintPrefs(PrintPrefs& buffer, int servings) const;

    void GetRecipeNavState(BOOL& hasPrevious, BOOL& hasNext, const CItem& item) const;
    void GetMenuNavState(BOOL& hasPrevious, BOOL& hasNext, const CItem& item) const;
    // Hand out the entry stepped to; pItem is left as it was when there is none.
    int StepRecipeBack(CRecipeListItem*& pItem);
    int StepRecipeForward(CRecipeListItem*& pItem);
    int StepMenuBack(MenuListItem*& pItem);
    int StepMenuForward(MenuListItem*& pItem);

    CRecipeListItem* GetCurrentRecipeItem() const;
    MenuListItem* GetCurrentMenuItem() const;
    CRecipeListItem* GetCurrentSecondItem() const;
    CCustObArray* GetRecipeList() const { return m_pRecipeList; }
    CCustObArray* GetMenuList() const { return m_pMenuList; }
    // The current meal-plan list may be one the database object keeps.
    void SetMenuList(CCustObArray* pMenuList) { m_pMenuList = pMenuList; }
    CRecipeList* GetSecondList() { return &m_secondList; }

    // Appends a copy of the recipe's id, name and servings to the Specials list: 0, or -1
    // when the list holds the recipe already.
    int AddToSpecialsList(const CRecipeListItem& item);
    // Keeps a copy of the Specials list that the user edited.
    void StoreSpecialsList(const CRecipeList& list);

    // Set and read by the forms.
    LONG m_formWord;
    // The order of the recipe lists: one of the ten sort keys, 0 by name.
    int m_sortKey = 0;

private:
    static void GetNavState(const CCustObArray* pList, BOOL& hasPrevious, BOOL& hasNext, const CItem& item);
    static int StepBack(CCustObArray* pList, CListItem*& pItem);
    static int StepForward(CCustObArray* pList, CListItem*& pItem);
    static CListItem* CurrentOf(const CCustObArray& list);

    const SystemSettings m_system;
    CRecipeList m_recipes;
    CCustObArray m_menus;
    CCustObArray* m_pRecipeList;
    CCustObArray* m_pMenuList;
    CRecipeList m_secondList;
    CMapStringToPtr m_servings;
};

// The program's browse state: made at start-up after the settings object, deleted by the main
// frame's tear-down; null before and after, and in programs without a user interface.
extern CBrowseState* g_pBrowseState;
