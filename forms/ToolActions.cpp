#include "forms/ToolActions.h"

#include <windows.h>

#include "database/BrowseState.h"
#include "database/CookbookDatabase.h"
#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "database/MenuListItem.h"
#include "database/RecipeListItem.h"
#include "forms/AddToMealPlanDlg.h"
#include "res/resource.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/MessageUtilities.h"
#include "shell/services/StatusPopupDlg.h"
#include "shopping/SelectShoppingListDlg.h"
#include "shopping/ShopMgr.h"

namespace {

const long kPopupSeconds = 2;
const long kModeless = 0;
const long kOneLine = 1;
const long kTwoLines = 2;
const int kEntryLine = 2;
const int kLoadFailed = 2;

// A recipe's servings as written, or those chosen for it when it has none of its own.
WORD ServingsOf(const CRecipeListItem& recipe)
{
    return recipe.m_servings != 0 ? recipe.m_servings : recipe.m_scaledServings;
}

// Day 0 is "no day": copied entries keep their own days then.
WORD DayOffset(WORD chosenDay)
{
    return chosenDay != 0 ? static_cast<WORD>(chosenDay - 1) : 0;
}

}  // namespace

CToolActions::CToolActions() = default;

CToolActions::~CToolActions() = default;

BOOL CToolActions::ChooseMealPlan(CWnd* pHost, CMenuItem& entry)
{
    CAddToMealPlanDlg dialog(entry, pHost);
    return dialog.DoModal() == IDOK;
}

void CToolActions::ShowPopup(CWnd* pHost, UINT nMessageId, long lines)
{
    m_pPopup = std::make_unique<CStatusPopupDlg>(pHost, nMessageId, IDS_LOGO, kPopupSeconds, kModeless, lines);
}

void CToolActions::AddRecipeToMealPlan(CWnd* pHost, const CRecipeListItem& recipe)
{
    m_pPopup.reset();
    CMenuItem entry;
    entry.m_text = recipe.m_name;
    entry.m_itemId = recipe.m_id;
    entry.m_type = "R";
    entry.m_servings = ServingsOf(recipe);
    if (!ChooseMealPlan(pHost, entry))
        return;
    if (GetCurrentDatabase()->AddMenuItem(g_pFormManager->GetCurrentMealPlanId(), entry))
        RefreshContentsForm();
}

void CToolActions::AddMealPlanToMealPlan(CWnd* pHost, const MenuListItem& plan)
{
    m_pPopup.reset();
    CMenuItem entry;
    entry.m_text = plan.m_name;
    entry.m_itemId = plan.m_id;
    entry.m_type = "M";
    CMenuData source;
    source.m_id = plan.m_id;
    if (GetCurrentDatabase()->LoadMenu(source) == kLoadFailed || !ChooseMealPlan(pHost, entry))
        return;
    PumpWaitingMessages();
    ShowPopup(pHost, IDS_BUILDING_MEAL_PLAN, kTwoLines);
    const CRecordId target = g_pFormManager->GetCurrentMealPlanId();
    const WORD offset = DayOffset(entry.m_day);
    BOOL added = FALSE;
    for (POSITION position = source.m_items.GetHeadPosition(); position != nullptr;)
    {
        CMenuItem copy(*static_cast<CMenuItem*>(source.m_items.GetNext(position)));
        copy.m_day = static_cast<WORD>(copy.m_day + offset);
        if (copy.m_type == "R")
            m_pPopup->SetText(copy.m_text, kEntryLine);
        if (GetCurrentDatabase()->AddMenuItem(target, copy))
            added = TRUE;
    }
    m_pPopup.reset();
    if (added)
        RefreshContentsForm();
}

void CToolActions::AddToSpecialsList(CWnd* pHost, const CRecipeListItem& recipe)
{
    m_pPopup.reset();
    if (MessageBoxById(pHost->GetSafeHwnd(), nullptr, IDS_ADD_TO_SPECIALS_QUESTION, MB_OKCANCEL) == IDCANCEL)
        return;
    ShowPopup(pHost, IDS_ADDING_TO_SPECIALS, kOneLine);
    if (g_pBrowseState->AddToSpecialsList(recipe) != -1)
        return;
    m_pPopup->ShowWindow(SW_HIDE);
    MessageBoxById(pHost->GetSafeHwnd(), nullptr, IDS_ALREADY_ON_SPECIALS, MB_OK);
}

BOOL CToolActions::ChooseShoppingList(CWnd* pHost, CSelectShoppingListDlg& dialog)
{
    m_pPopup.reset();
    if (dialog.DoModal() != IDOK)
        return FALSE;
    PumpWaitingMessages();
    ShowPopup(pHost, IDS_BUILDING_SHOPPING_LIST, kOneLine);
    StartWaitCursor();
    return TRUE;
}

void CToolActions::StoreShoppingList()
{
    g_pShopMgr->SetModified(1);
    g_pShopMgr->SaveShoppingList();
    m_pPopup.reset();
    StopWaitCursor();
}

void CToolActions::AddRecipeToShoppingList(CWnd* pHost, const CRecipeListItem& recipe)
{
    CSelectShoppingListDlg dialog(pHost);
    dialog.m_mode = CSelectShoppingListDlg::kAddRecipe;
    dialog.m_itemName = recipe.m_name;
    dialog.m_recipeId = recipe.m_id;
    if (!ChooseShoppingList(pHost, dialog))
        return;
    g_pShopMgr->AddRecipe(recipe, ServingsOf(recipe), m_pPopup.get());
    StoreShoppingList();
}

void CToolActions::AddMealPlanToShoppingList(CWnd* pHost, const MenuListItem& plan)
{
    CSelectShoppingListDlg dialog(pHost);
    dialog.m_mode = CSelectShoppingListDlg::kAddMealPlan;
    dialog.m_itemName = plan.m_name;
    dialog.m_mealPlanKey = plan.m_value;
    if (!ChooseShoppingList(pHost, dialog))
        return;
    g_pShopMgr->AddMealPlan(plan, m_pPopup.get());
    StoreShoppingList();
}

void CToolActions::RunForRecipe(CWnd* pHost, UINT nId, const CRecipeListItem& recipe)
{
    switch (nId)
    {
    case ID_FORM_ADD_TO_MEAL_PLAN: AddRecipeToMealPlan(pHost, recipe); break;
    case ID_FORM_COMMAND_90: AddToSpecialsList(pHost, recipe); break;
    case ID_FORM_ADD_TO_SHOPPING_LIST: AddRecipeToShoppingList(pHost, recipe); break;
    default: break;
    }
}

void CToolActions::RunForMealPlan(CWnd* pHost, UINT nId, const MenuListItem& plan)
{
    if (nId == ID_FORM_ADD_TO_MEAL_PLAN)
        AddMealPlanToMealPlan(pHost, plan);
    else if (nId == ID_FORM_ADD_TO_SHOPPING_LIST)
        AddMealPlanToShoppingList(pHost, plan);
}
