#pragma once

#include <windef.h>

#include <vector>

#include "database/CustObArray.h"
#include "framework/Object.h"
#include "framework/String.h"
#include "shopping/RecipeList.h"
#include "shopping/ShoppingList.h"

class CObList;
class CPageFormatter;
class CPrintInfo;
class CRecipeListItem;
class CRecordId;
class CShoppingListItem;
class CStatusPopupDlg;
class MenuListItem;

// The program's shopping manager: the current shopping list with the recipes and meal plans
// put on it, its summary, the pantry and frequent items, and the files they live in. Start-up
// makes the one instance; the main frame's tear-down deletes it, which writes the pantry and
// frequent files. Every shopping file is a plain name in the current directory.
class CShopMgr : public CObject
{
    DECLARE_SERIAL(CShopMgr)
public:
    // States of the current list.
    enum : LONG
    {
        kNew = 0,
        kSaved = 1,
        kModified = 2,
    };

    // Moves a legacy "shopping.adf" to "shopping.shp", takes the list name from the settings
    // and reads the pantry and frequent files; the current list is not loaded yet.
    CShopMgr();
    ~CShopMgr() override;
    CShopMgr(const CShopMgr&) = delete;
    CShopMgr& operator=(const CShopMgr&) = delete;

    LONG GetState() const { return m_state; }
    const CString& GetListName() const { return m_listName; }
    // 1 marks the list modified; 0 turns a modified list back into a saved one.
    void SetModified(int nModified);

    // Makes the named list current, saving a modified one first; a missing file is a new, empty
    // list. A refused name or a failed save changes nothing. FALSE when the list is not current.
    BOOL OpenShoppingList(LPCSTR lpszName);
    // FALSE, with the list still in memory and as modified as it was, when the list has no name
    // or its file could not be written (the user is told of the latter).
    BOOL SaveShoppingList();
    BOOL LoadItemLists();
    BOOL SaveItemLists();
    // Trims the name and, when it is a valid file name, keeps it and writes it to the settings;
    // otherwise tells the user why and changes nothing. An empty name leaves no list named.
    BOOL SetShoppingFileName(LPCSTR lpszName);
    void GetShoppingFileName();
    // Why the name cannot name a list: its bad character, or the device it names.
    static void ShowNameRefusal(const CString& name);

    // Servings 0 keeps the quantities as written. FALSE when the recipe cannot be read.
    BOOL AddRecipe(const CRecipeListItem& entry, int servings, CStatusPopupDlg* pPopup);
    BOOL AddRecipeById(const CRecordId& id, int servings, CStatusPopupDlg* pPopup);
    // Each recipe of the plan for the plan's servings, else for the item's own.
    BOOL AddMealPlan(const MenuListItem& entry, CStatusPopupDlg* pPopup);
    // A copy that keeps the item's serial; FALSE for an item without an ingredient name.
    BOOL AddItemCopy(const CShoppingListItem* pItem);
    void AddPantryItem(const CShoppingListItem& item);
    void AddFrequentItem(const CShoppingListItem& item);
    // The pantry or frequent list becomes a copy of the given one, serials kept.
    void ReplaceItemList(BOOL bFrequent, const CShoppingList& list);

    // In the current list, then in the summary.
    CShoppingListItem* FindItemBySerial(DWORD serial, int* pIndex = nullptr) const;
    // Items of the current list only: a summary entry is not deleted.
    BOOL DeleteItemBySerial(DWORD serial);
    // Every item of that recipe (case-sensitive name) and its first entry among the recipes.
    BOOL RemoveRecipe(const CString& recipeName);
    BOOL HasRecipe(const CRecordId& recipeId) const;
    BOOL HasMealPlan(LONG key) const;
    void ClearShoppingList();
    void ResetLists();
    BOOL IsListEmpty() const { return m_currentList.GetSize() == 0; }

    // The current list, with the frequent items when they are added, merged by ingredient into
    // the summary; while printing, the summary built for the screen is kept.
    void BuildSummary();

    // The list in its layout mode, onto any page formatter; the additional items only when asked.
    int WriteShoppingList(CPageFormatter& output, BOOL bWithAdditionalItems);
    // On screen: the list as the pane shows it, never the additional items. 0 without a pane.
    int DisplayShoppingList(CPageFormatter* pPane, LONG layoutMode, LONG store);
    // Onto the pages of a framework print job, as the screen shows it; the job keeps the output.
    // 0 without a job.
    int PrintShoppingListToJob(CPrintInfo* pInfo, LONG layoutMode);
    // To the printer, or to the print file when print to file is on, with the additional items
    // and the list name as title. 0 when the output cannot be opened.
    int PrintShoppingList(LONG layoutMode, LONG store);

    void SetAdditionalItems(const CString& text) { m_additionalItems = text; }
    const CString& GetAdditionalItems() const { return m_additionalItems; }
    // Kept in the print settings record.
    BOOL GetShowDetail();
    void SetShowDetail(BOOL bShow);

    const CShoppingList& GetCurrentList() const { return m_currentList; }
    const CShoppingList& GetSummaryList() const { return m_summaryList; }
    const CShoppingList& GetPantryList() const { return m_pantryList; }
    const CShoppingList& GetFrequentList() const { return m_frequentList; }
    const RecipeList& GetRecipes() const { return m_recipes; }
    const CCustObArray& GetMealPlans() const { return m_mealPlans; }

    // The list file: the current list, its recipes and meal plans, then the three stored flags.
    void Serialize(CArchive& ar) override;

    LONG m_bShowRecipeNames;
    LONG m_bShowUnassignedSections;
    LONG m_bRemovePantryItems;
    LONG m_bAddFrequentItems;
    LONG m_layoutMode;
    LONG m_store;
    LONG m_bPrinting;

private:
    void WritePrinted(CPageFormatter& output, BOOL bWithAdditionalItems);
    static void RenameOldShoppingFile();
    static CString ListFileName(const CString& listName);
    // 0 read or written, else the failure's cause. A failed load empties what it was to fill;
    // a failed store leaves the file as it was.
    int SerializeShoppingFile(LPCSTR lpszPath, BOOL bLoad);
    int SerializeItemFile(LPCSTR lpszPath, CShoppingList& list, BOOL bLoad);
    void EmptyListContents();
    void StoreListName(const CString& name);

    // recipePath holds the recipes being followed, so that one that uses itself ends.
    BOOL AddRecipeItem(const CRecipeListItem& entry, int servings, CStatusPopupDlg* pPopup,
                       std::vector<CRecordId>& recipePath);
    void AddRecipeLines(const CRecipeListItem& entry, const CObList& lines, int servings,
                        std::vector<CRecordId>& recipePath);
    void AddListEntry(CShoppingList& list, const CShoppingListItem& item, UINT nRecipeNameId);

    CShoppingList m_currentList;
    CShoppingList m_summaryList;
    CShoppingList m_pantryList;
    CShoppingList m_frequentList;
    RecipeList m_recipes;
    CCustObArray m_mealPlans;
    CString m_additionalItems;
    LONG m_bShowDetail;
    CString m_listName;
    LONG m_state;
};

extern CShopMgr* g_pShopMgr;
