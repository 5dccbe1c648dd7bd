#include "forms/RecipeListForm.h"

#include <windows.h>

#include "database/BrowseState.h"
#include "database/CookbookDatabase.h"
#include "database/MenuData.h"
#include "database/MenuListItem.h"
#include "database/PrintPrefs.h"
#include "database/RecipeData.h"
#include "database/RecipeList.h"
#include "database/RecipeListItem.h"
#include "database/SortByCombo.h"
#include "database/SortedRecipeListItem.h"
#include "framework/DC.h"
#include "framework/MessageMap.h"
#include "framework/ObList.h"
#include "framework/StandardIds.h"
#include "listctl/ListProtocol.h"
#include "printing/PrintDrivers.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/controls/RatingMenu.h"
#include "shell/formbase/FormManager.h"
#include "shell/graphics/FontFaces.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/HelpService.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/WindowPlacement.h"

IMPLEMENT_DYNCREATE(CRecipeListForm, CBVFormView)

BEGIN_MESSAGE_MAP(CRecipeListForm, CBVFormView)
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_WM_RBUTTONDOWN()
    ON_COMMAND(IDC_RLIST_BACK, OnBack)
    ON_COMMAND(IDC_RLIST_SHOW, OnShow)
    ON_COMMAND(IDOK, OnShow)
    ON_LBN_DBLCLK(IDC_RLIST_MEAL_PLANS, OnShow)
    ON_LBN_DBLCLK(IDC_RLIST_RECIPES, OnShow)
    ON_LBN_SELCHANGE(IDC_RLIST_MEAL_PLANS, OnSelectionChange)
    ON_LBN_SELCHANGE(IDC_RLIST_RECIPES, OnSelectionChange)
    ON_CBN_SELCHANGE(IDC_RLIST_SORT, OnSortChange)
    ON_CBN_CLOSEUP(IDC_RLIST_SORT, OnSortChange)
    ON_COMMAND_RANGE(ID_FORM_ADD_TO_MEAL_PLAN, ID_FORM_ADD_TO_SHOPPING_LIST, OnToolAction)
    ON_COMMAND(ID_FORM_PRINT, OnPrint)
    ON_COMMAND(ID_FORM_PRINT_WITH_RECIPES, OnPrintWithRecipes)
    ON_COMMAND(ID_FORM_HELP_INDEX, OnHelpIndex)
    ON_COMMAND(ID_CONTEXT_HELP, OnHelp)
    ON_COMMAND_RANGE(CRatingMenu::FirstCommand, CRatingMenu::LastCommand, OnRatingMenu)
    ON_COMMAND_RESULT(ID_FORM_ASSIGN_RATING, OnRate)
END_MESSAGE_MAP()

namespace {

const int kTitleHeight = 20;
const int kSortHeight = 18;
const int kSortWeight = 600;
const int kRowHeight = 20;
const int kRatingKey = 1;
const int kCategorySource = 2;
const UINT_PTR kPanelTimer = 0;
const BYTE kWholeRecipe = 0x1F;

// Kept while the program runs, so that the form opens again where the user was.
struct Place
{
    long position = 0;
    CRecordId lastRecipe;
    long lastMealPlan = -1;
};
Place s_place;

// Recipe copies handed to a print job, deleted with it.
struct OwnedRecipes
{
    CObList list;
    ~OwnedRecipes()
    {
        for (POSITION next = list.GetHeadPosition(); next != nullptr;)
            delete static_cast<CRecipeListItem*>(list.GetNext(next));
    }
};

}  // namespace

CRecipeListForm::CRecipeListForm()
    : CBVFormView(IDD_RECIPE_LIST_FORM), m_mealPlans(CControlFontSpec(IDC_RLIST_MEAL_PLANS, kRowHeight))
{
}

CRecipeListForm::~CRecipeListForm() = default;

void CRecipeListForm::ForgetPlace()
{
    s_place = Place();
}

void CRecipeListForm::OnInitialUpdate()
{
    m_listMode = g_pFormManager->GetCurrentKind() == CFormManager::kCategoryMealPlans ? kMealPlanList : kRecipeList;
    m_categoryId = CRecordId(static_cast<unsigned long>(g_pFormManager->GetCurrentValue()));
    CBVFormView::OnInitialUpdate();
    LoadAcceleratorTable(IDR_VIEW_KEYS);
    ScaleChildFonts();
    SetScrollSizes(MM_TEXT, GetDesignSize());
    AttachControls();
    g_pFormManager->SetActiveForm(this);
    UpdateWindow();
    OnUpdate(nullptr, 0, nullptr);
}

void CRecipeListForm::AttachControls()
{
    CreateLabelFont(m_titleFont, GetSansFaceId(), kTitleHeight, FW_NORMAL);
    GetDlgItem(IDC_RLIST_TITLE)->SetFont(&m_titleFont);
    SetDlgItemText(IDC_RLIST_TITLE, g_pFormManager->GetCurrentEntryName());
    m_sort.SubclassDlgItem(IDC_RLIST_SORT, this);
    const BOOL bRecipes = m_listMode == kRecipeList;
    if (bRecipes)
    {
        CreateLabelFont(m_sortFont, GetSansFaceId(), kSortHeight, kSortWeight);
        GetDlgItem(IDC_RLIST_SORT_LABEL)->SetFont(&m_sortFont);
        m_sortKey = g_pBrowseState != nullptr ? g_pBrowseState->m_sortKey : 0;
        FillSortByCombo(m_sort, m_sortKey);
    }
    for (UINT nId : {IDC_RLIST_SORT_LABEL, IDC_RLIST_SORT})
        GetDlgItem(nId)->ShowWindow(bRecipes ? SW_SHOW : SW_HIDE);
    m_mealPlans.SubclassDlgItem(IDC_RLIST_MEAL_PLANS, this);
    m_mealPlans.SetColors(m_scheme.GetColour(CListFormScheme::kListBackground),
                          m_scheme.GetColour(CListFormScheme::kHighlight));
    m_mealPlans.ShowWindow(bRecipes ? SW_HIDE : SW_SHOW);
    m_recipes.Attach(this, IDC_RLIST_RECIPES);
    m_recipes.SetSourceMode(kCategorySource);
    m_recipes.SetFontSpec(CControlFontSpec(IDC_RLIST_RECIPES, kRowHeight));
    m_recipes.ShowWindow(bRecipes ? SW_SHOW : SW_HIDE);
    AttachBitmapButton(m_show, this, IDC_RLIST_SHOW, "VIEWUP", "VIEWDN", "VIEWUP", "VIEWGR");
    AttachBitmapButton(m_back, this, IDC_RLIST_BACK, "BACKUP", "BACKDN", "BACKUP", "BACKGR");
    m_related.Create(this, m_listMode);
    m_related.GetPanel().SetColors(m_scheme.GetColour(CListFormScheme::kListBackground),
                      m_scheme.GetColour(CListFormScheme::kListText));
}

// The list control asks its parent for every row; print the category is taken only when sent to
// the form, as the application first asks and then tells.
LRESULT CRecipeListForm::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_recipes.m_hWnd != nullptr && m_recipes.HandlesListMessage(message, wParam, lParam))
        return m_recipes.OnListMessage(message, wParam, lParam);
    if (message == WM_COMMAND && LOWORD(wParam) == ID_FILE_PRINT_CATEGORY)
        return OnPrintCategory(lParam);
    if (message == WM_COMMAND && (LOWORD(wParam) == ID_PANEL_NUTRITION || LOWORD(wParam) == ID_PANEL_NUTRITION_CHART))
        return OnNutritionPage(LOWORD(wParam));
    return CBVFormView::WindowProc(message, wParam, lParam);
}

BOOL CRecipeListForm::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) <= 1 && m_related.OnCommand(LOWORD(wParam)))
        return TRUE;
    return CBVFormView::OnCommand(wParam, lParam);
}

// The framework's first update comes before the controls are attached; opening updates after.
void CRecipeListForm::OnUpdate(CView*, LPARAM, CObject*)
{
    if (m_recipes.m_hWnd == nullptr)
        return;
    StartWaitCursor();
    if (m_listMode == kRecipeList)
        FillRecipes();
    else
        FillMealPlans();
    StopWaitCursor();
}

void CRecipeListForm::FillRecipes()
{
    m_recipes.Initialise(m_sortKey, m_categoryId, m_sortKey);
    m_recipes.Reset();
    SelectRememberedPosition(static_cast<long>(m_recipes.SendMessage(LCM_GETCOUNT)));
}

void CRecipeListForm::FillMealPlans()
{
    m_mealPlans.ResetContent();
    CCustObArray& plans = GetCurrentDatabase()->GetMenuListFor(*g_pBrowseState, &m_categoryId, TRUE);
    for (int i = 0; i < plans.GetSize(); ++i)
        m_mealPlans.SetItemData(m_mealPlans.AddString(static_cast<const CListItem*>(plans.GetItemAt(i))->m_name), i);
    s_place.position = plans.GetCurrentIndex();
    m_mealPlans.Invalidate();
    SelectRememberedPosition(plans.GetSize());
}

void CRecipeListForm::SelectRememberedPosition(long count)
{
    if (count <= 0)
        return;
    if (s_place.position >= count)
        s_place.position = 0;
    if (s_place.position < 0)
        return;
    if (m_listMode == kRecipeList)
        m_recipes.SelectItem(s_place.position, LCN_GETAT);
    else
        m_mealPlans.SetCurSel(static_cast<int>(s_place.position));
    if (TakeSelection())
        LoadRelatedItems();
}

BOOL CRecipeListForm::TakeSelection()
{
    if (m_listMode == kRecipeList)
    {
        const int index = m_recipes.GetCurSel();
        const CSortedRecipeListItem* pItem = index >= 0 ? m_recipes.GetItemAt(index) : nullptr;
        if (pItem == nullptr)
            return FALSE;
        m_selectedRecipe = pItem->m_id;
        return TRUE;
    }
    const int row = m_mealPlans.GetCurSel();
    if (row < 0)
        return FALSE;
    m_selectedMealPlan = static_cast<long>(m_mealPlans.GetItemData(row));
    return TRUE;
}

BOOL CRecipeListForm::HasRecipeSelection() const
{
    return m_listMode == kRecipeList && m_recipes.GetCurSel() >= 0;
}

BOOL CRecipeListForm::HasToolSelection() const
{
    return m_listMode == kRecipeList ? m_recipes.GetCurSel() >= 0 : m_mealPlans.GetCurSel() >= 0;
}

int CRecipeListForm::GetRelatedItemNames(CStringArray& names) const
{
    return m_related.GetRelatedItemNames(names);
}

BOOL CRecipeListForm::ReadSelectedRecipe(CRecipeListItem& recipe)
{
    if (m_listMode != kRecipeList || !TakeSelection())
        return FALSE;
    recipe.m_id = m_selectedRecipe;
    return GetCurrentDatabase()->ReadRecipeListItem(&recipe, 1) != 0;
}

const MenuListItem* CRecipeListForm::SelectedMealPlan() const
{
    return m_selectedMealPlan >= 0 ? GetCurrentDatabase()->GetMenuAt(static_cast<int>(m_selectedMealPlan)) : nullptr;
}

void CRecipeListForm::RestartPanelTimer()
{
    KillTimer(kPanelTimer);
    SetTimer(kPanelTimer, kPanelDelay);
    TakeSelection();
}

void CRecipeListForm::OnSelectionChange()
{
    RestartPanelTimer();
}

void CRecipeListForm::OnLButtonUp(UINT nFlags, CPoint point)
{
    RestartPanelTimer();
    CBVFormView::OnLButtonUp(nFlags, point);
}

// The panel follows the selection only once it rests, and not again for the same item.
void CRecipeListForm::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kPanelTimer)
    {
        CBVFormView::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kPanelTimer);
    if (!TakeSelection())
        return;
    if (m_listMode == kRecipeList)
    {
        if (m_selectedRecipe == s_place.lastRecipe)
            return;
        s_place.lastRecipe = m_selectedRecipe;
    }
    else
    {
        if (m_selectedMealPlan == s_place.lastMealPlan)
            return;
        s_place.lastMealPlan = m_selectedMealPlan;
    }
    LoadRelatedItems();
}

void CRecipeListForm::LoadRelatedItems()
{
    CRecordId recordId;
    if (m_listMode == kRecipeList)
        recordId = m_selectedRecipe;
    else if (const MenuListItem* pPlan = SelectedMealPlan())
        recordId = pPlan->m_id;
    ++m_panelLoads;
    m_related.Load(recordId, nullptr);
}

void CRecipeListForm::OnRButtonDown(UINT, CPoint point)
{
    ClientToScreen(&point);
    m_related.GetPanel().ShowItemMenu(this, point.x, point.y, m_listMode);
}

void CRecipeListForm::OnBack()
{
    s_place.position = 0;
    g_pFormManager->OpenForm(CFormManager::kActionListBack, 0, g_pFormManager->GetCurrentValue());
}

void CRecipeListForm::OnShow()
{
    const int selected = m_listMode == kRecipeList ? m_recipes.GetCurSel() : m_mealPlans.GetCurSel();
    if (selected < 0 || !TakeSelection())
        return;
    s_place.position = selected;
    StartWaitCursor();
    if (m_listMode == kRecipeList)
        ShowRecipe();
    else
        ShowMealPlan();
    StopWaitCursor();
}

// The recipe view steps through the whole category with Prev and Next.
void CRecipeListForm::ShowRecipe()
{
    OwnedRecipes recipes;
    CollectRecipes(recipes.list);
    CRecipeList browsed;
    for (POSITION next = recipes.list.GetHeadPosition(); next != nullptr;)
        browsed.Add(static_cast<CRecipeListItem*>(recipes.list.GetNext(next))->Clone());
    g_pBrowseState->FillRecipeList(browsed, s_place.position);
    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kRecipeView, m_selectedRecipe.GetNumber());
}

void CRecipeListForm::ShowMealPlan()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    pDatabase->GetMenuListFor(*g_pBrowseState, &m_categoryId, TRUE).SetCurrentIndex(m_selectedMealPlan);
    if (const MenuListItem* pPlan = pDatabase->GetMenuAt(static_cast<int>(m_selectedMealPlan)))
        g_pFormManager->SetCurrentMealPlanId(pPlan->m_id);
    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kMealPlanView, m_selectedMealPlan);
}

void CRecipeListForm::CollectRecipes(CObList& recipes)
{
    const long count = static_cast<long>(m_recipes.SendMessage(LCM_GETCOUNT));
    for (long i = 0; i < count; ++i)
        if (const CSortedRecipeListItem* pItem = m_recipes.GetItemAt(i))
        {
            auto* pCopy = new CRecipeListItem;
            pCopy->m_id = pItem->m_id;
            pCopy->m_name = pItem->m_name;
            pCopy->m_value = static_cast<LONG>(i);
            recipes.AddTail(pCopy);
        }
}

void CRecipeListForm::OnToolAction(UINT nId)
{
    if (m_listMode == kRecipeList)
    {
        CRecipeListItem recipe;
        if (!ReadSelectedRecipe(recipe))
            return;
        RunForRecipe(this, nId, recipe);
        return;
    }
    if (const MenuListItem* pPlan = TakeSelection() ? SelectedMealPlan() : nullptr)
        RunForMealPlan(this, nId, *pPlan);
}

void CRecipeListForm::OnPrint()
{
    if (m_listMode == kRecipeList)
    {
        CRecipeListItem recipe;
        if (!ReadSelectedRecipe(recipe))
            return;
        PrintPrefs buffer{};
        PrintPrefs* pPrefs = g_pBrowseState->GetItemPrintPrefs(buffer, recipe);
        CRecipeData data;
        data.m_recipeId = recipe.m_id;
        if (GetCurrentDatabase()->LoadRecipe(&data, kWholeRecipe) == 0)
            PrintRecipeList(&data, pPrefs);
        return;
    }
    const MenuListItem* pPlan = TakeSelection() ? SelectedMealPlan() : nullptr;
    if (pPlan == nullptr)
        return;
    PrintPrefs buffer{};
    PrintPrefs* pPrefs = g_pBrowseState->GetPrintPrefsIfSet(buffer, *pPlan);
    CMenuData plan;
    plan.m_id = pPlan->m_id;
    if (GetCurrentDatabase()->LoadMenu(plan) == 0)
        PrintMealPlan(&plan, pPrefs);
}

// The meal plan's recipes go with it while this print runs.
void CRecipeListForm::OnPrintWithRecipes()
{
    PrintSettings* pRecord = g_pAppSettings->GetPrintRecord();
    pRecord->MenuRecipes = 1;
    OnPrint();
    pRecord->MenuRecipes = 0;
}

// Asked with 0: whether the category has recipes to print; told with 1: print them.
LRESULT CRecipeListForm::OnPrintCategory(LPARAM perform)
{
    const BOOL hasRecipes = m_listMode == kRecipeList && m_recipes.SendMessage(LCM_GETCOUNT) > 0;
    if (perform == 0 || !hasRecipes)
        return hasRecipes;
    if (perform != 1)
        return 0;
    OwnedRecipes recipes;
    CollectRecipes(recipes.list);
    const CString name = g_pFormManager->GetCurrentEntryName();
    return PrintCategory(CListItem(name, m_categoryId.GetNumber(), 'C'), recipes.list);
}

void CRecipeListForm::OnHelpIndex()
{
    ShowHelp(HELP_INDEX, 0, IDS_UNUSED_HELP_FILE);
}

void CRecipeListForm::OnHelp()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

void CRecipeListForm::OnSortChange()
{
    const int key = m_sort.GetCurSel();
    if (key < 0 || key == m_sortKey)
        return;
    m_sortKey = key;
    g_pBrowseState->m_sortKey = key;
    StartWaitCursor();
    FillRecipes();
    StopWaitCursor();
}

LRESULT CRecipeListForm::OnNutritionPage(UINT nId)
{
    m_related.GetPageButtons().SelectPage(CPanelPageButtons::kNutritionPage);
    if (!TakeSelection())
        return 1;
    if (m_listMode == kRecipeList)
        m_related.ShowNutrition(nId, &m_selectedRecipe, nullptr);
    else
        m_related.ShowNutrition(nId, nullptr, SelectedMealPlan());
    return 1;
}

void CRecipeListForm::OnRatingMenu(UINT nId)
{
    Rate(CRatingMenu::RatingOf(nId));
}

LRESULT CRecipeListForm::OnRate(LPARAM rating)
{
    return Rate(static_cast<LONG>(rating));
}

// Only a list in rating order moves when a rating changes. FALSE when nothing was rated.
BOOL CRecipeListForm::Rate(LONG rating)
{
    if (g_pFormManager->GetCurrentKind() == CFormManager::kCategoryMealPlans)
        return FALSE;
    CRecipeListItem recipe;
    if (!ReadSelectedRecipe(recipe))
        return FALSE;
    recipe.m_rating = rating;
    if (!GetCurrentDatabase()->SetRecipeRating(recipe))
        return FALSE;
    if (m_sortKey != kRatingKey)
    {
        m_recipes.Invalidate();
        return TRUE;
    }
    StartWaitCursor();
    FillRecipes();
    StopWaitCursor();
    return TRUE;
}

void CRecipeListForm::OnDestroy()
{
    KillTimer(kPanelTimer);
    CBVFormView::OnDestroy();
}

HBRUSH CRecipeListForm::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (HBRUSH hBrush = m_scheme.ControlBrush(pDC, pWnd, this, nCtlColor, TRUE))
        return hBrush;
    return CBVFormView::OnCtlColor(pDC, pWnd, nCtlColor);
}
