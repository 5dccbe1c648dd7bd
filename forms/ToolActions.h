#pragma once

#include <memory>

#include <windef.h>

class CMenuItem;
class CRecipeListItem;
class CSelectShoppingListDlg;
class CStatusPopupDlg;
class CWnd;
class MenuListItem;

// The tool commands that several forms offer for the recipe or meal plan selected in them. A
// form takes this as a second base, reads its selection from the cookbook and hands it over.
// The status popup of the last action lives until the next action or the form's end.
class CToolActions
{
public:
    CToolActions();
    virtual ~CToolActions();
    CToolActions(const CToolActions&) = delete;
    CToolActions& operator=(const CToolActions&) = delete;

    // Whether the host form has a selection the commands can act on.
    virtual BOOL HasToolSelection() const { return FALSE; }

    // 88 for a recipe: one entry in the meal plan the user picks.
    void AddRecipeToMealPlan(CWnd* pHost, const CRecipeListItem& recipe);
    // 88 for a meal plan: its entries copied into the meal plan the user picks, moved by the
    // day chosen.
    void AddMealPlanToMealPlan(CWnd* pHost, const MenuListItem& plan);
    // 90.
    void AddToSpecialsList(CWnd* pHost, const CRecipeListItem& recipe);
    // The tool command nId (88, 90 or 91) for a recipe or a meal plan (90 takes recipes only).
    void RunForRecipe(CWnd* pHost, UINT nId, const CRecipeListItem& recipe);
    void RunForMealPlan(CWnd* pHost, UINT nId, const MenuListItem& plan);
    // 91: onto the shopping list the user picks, the recipe for its own servings.
    void AddRecipeToShoppingList(CWnd* pHost, const CRecipeListItem& recipe);
    void AddMealPlanToShoppingList(CWnd* pHost, const MenuListItem& plan);

private:
    // The plan the user picks becomes the form manager's current one; FALSE on Cancel.
    static BOOL ChooseMealPlan(CWnd* pHost, CMenuItem& entry);
    void ShowPopup(CWnd* pHost, UINT nMessageId, long lines);
    // FALSE on Cancel; else the popup is shown while the items are added.
    BOOL ChooseShoppingList(CWnd* pHost, CSelectShoppingListDlg& dialog);
    // The list with its new items is stored.
    void StoreShoppingList();

    std::unique_ptr<CStatusPopupDlg> m_pPopup;
};
