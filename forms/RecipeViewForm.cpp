#include "forms/RecipeViewForm.h"

#include <windows.h>

#include "database/BrowseState.h"
#include "database/CookbookDatabase.h"
#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "database/MenuListItem.h"
#include "database/PrintPrefs.h"
#include "database/RecipeData.h"
#include "database/RecipeListItem.h"
#include "forms/ServingsDlg.h"
#include "framework/AfxMessageBox.h"
#include "framework/DC.h"
#include "framework/MessageMap.h"
#include "framework/ObList.h"
#include "framework/StandardIds.h"
#include "framework/String.h"
#include "printing/PrintDrivers.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/formbase/CurrentRecipe.h"
#include "shell/formbase/FormManager.h"
#include "shell/formbase/MenuDoc.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/HelpService.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/WindowPlacement.h"

IMPLEMENT_DYNCREATE(CRecipeViewForm, CBVFormView)

BEGIN_MESSAGE_MAP(CRecipeViewForm, CBVFormView)
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
    ON_WM_RBUTTONDOWN()
    ON_COMMAND(IDC_VIEW_BACK, OnBack)
    ON_COMMAND(IDC_VIEW_SHOW, OnShow)
    ON_COMMAND(IDC_VIEW_EDIT, OnEdit)
    ON_COMMAND(IDC_VIEW_PREV, OnPrev)
    ON_COMMAND(IDC_VIEW_NEXT, OnNext)
    ON_COMMAND_RANGE(ID_FORM_ADD_TO_MEAL_PLAN, ID_FORM_ADD_TO_SHOPPING_LIST, OnToolAction)
    ON_COMMAND(ID_FORM_PRINT, OnPrint)
    ON_COMMAND(ID_FORM_PRINT_WITH_RECIPES, OnPrintWithRecipes)
    ON_COMMAND(ID_FORM_SERVINGS, OnServings)
    ON_COMMAND(ID_FORM_HELP_INDEX, OnHelpIndex)
    ON_COMMAND(ID_CONTEXT_HELP, OnHelp)
    ON_COMMAND(ID_HOT_SPOT_SELECTED, OnHotSpotSelected)
END_MESSAGE_MAP()

namespace {

const UINT kRecipeHelpContext = 2005;
const UINT kMealPlanHelpContext = 2006;

// What a recipe page shows: its lines, references and recipe row.
const BYTE kShownRecipe = CRecipeData::kLoadLines | CRecipeData::kLoadReferences | CRecipeData::kLoadRecipeRow;
const BYTE kPrintedRecipe = CRecipeData::kLoadLines | CRecipeData::kLoadRecipeRow;

// Entries 1 to 4 are unused; 5 and 6 colour the panel, 7 to 10 the page.
const UINT kColourIds[] = {IDS_VIEW_FORM_BACKGROUND, 0, 0, 0, 0, IDS_VIEW_PANEL_BACKGROUND, IDS_VIEW_PANEL_TEXT,
                           IDS_VIEW_PAGE_BACKGROUND, IDS_VIEW_PAGE_TEXT, IDS_VIEW_PAGE_HOT_SPOT,
                           IDS_VIEW_PAGE_HOT_SPOT_BACKGROUND};
const int kColourCount = sizeof kColourIds / sizeof kColourIds[0];
enum ColourEntry
{
    kFormBackground = 0,
    kPanelBackground = 5,
    kPanelText = 6,
    kPageBackground = 7,
    kPageText = 8,
    kPageThird = 9,
    kPageFourth = 10,
};

struct ButtonPictures
{
    UINT nId;
    LPCSTR lpszName;
};

const ButtonPictures kButtons[] = {
    {IDC_VIEW_BACK, "BACK"}, {IDC_VIEW_SHOW, "VIEW"}, {IDC_VIEW_EDIT, "EDIT"},
    {IDC_VIEW_PREV, "PREV"}, {IDC_VIEW_NEXT, "NEXT"},
};

CRecipeListItem* CopyOf(const CRecipeListItem* pItem)
{
    return pItem != nullptr ? static_cast<CRecipeListItem*>(pItem->Clone()) : nullptr;
}

CRecipeListItem* ReadRecipeById(long number)
{
    auto pItem = std::make_unique<CRecipeListItem>();
    pItem->m_id = CRecordId(static_cast<unsigned long>(number));
    if (GetCurrentDatabase()->ReadRecipeListItem(pItem.get(), 1) == 0)
        return nullptr;
    return pItem.release();
}

MenuListItem* MealPlanAt(long position)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (position < 0 || position >= pDatabase->GetMenuList().GetSize())
        return nullptr;
    return pDatabase->GetMenuAt(static_cast<int>(position));
}

}  // namespace

CRecipeViewForm::CRecipeViewForm() : CBVFormView(IDD_RECIPE_VIEW_FORM), m_colors(kColourIds, kColourCount)
{
    m_background.CreateSolidBrush(m_colors.GetColour(kFormBackground));
}

CRecipeViewForm::~CRecipeViewForm() = default;

BOOL CRecipeViewForm::IsRecipeKind() const
{
    return m_viewKind != CFormManager::kMealPlanView && m_viewKind != CFormManager::kMealPlanFromLink;
}

void CRecipeViewForm::LoadItem()
{
    m_viewKind = g_pFormManager->GetCurrentKind();
    const long value = g_pFormManager->GetCurrentValue();
    switch (m_viewKind)
    {
    case CFormManager::kRecipeView:
    case CFormManager::kRecipeFromLink: m_pRecipe.reset(ReadRecipeById(value)); break;
    case CFormManager::kRecipeFromMealPlan: m_pRecipe.reset(CopyOf(g_pBrowseState->GetCurrentRecipeItem())); break;
    case CFormManager::kRecipeFromPersonalMenu:
        m_pRecipe.reset(CopyOf(g_pBrowseState->GetCurrentSecondItem()));
        break;
    default: m_pMealPlanItem = MealPlanAt(value); break;
    }
}

UINT CRecipeViewForm::HelpContext() const
{
    return IsRecipeKind() ? kRecipeHelpContext : kMealPlanHelpContext;
}

void CRecipeViewForm::OnInitialUpdate()
{
    LoadItem();
    SetHelpContext(HelpContext());
    CBVFormView::OnInitialUpdate();
    LoadAcceleratorTable(IDR_VIEW_KEYS);
    ScaleChildFonts();
    SetScrollSizes(MM_TEXT, CSize(0, 0));
    AttachControls();
    g_pFormManager->SetActiveForm(this);
    UpdateWindow();
    OnUpdate(nullptr, 0, nullptr);
}

void CRecipeViewForm::AttachControls()
{
    m_related.Create(this, m_viewKind);
    m_related.GetPanel().SetColors(m_colors.GetColour(kPanelBackground), m_colors.GetColour(kPanelText));
    CWnd* pPlaceholder = GetDlgItem(IDC_VIEW_PANE);
    pPlaceholder->GetWindowRect(&m_paneRect);
    ScreenToClient(&m_paneRect);
    pPlaceholder->ShowWindow(SW_HIDE);
    MakePane();
    CBitmapButton* buttons[] = {&m_back, &m_show, &m_edit, &m_prev, &m_next};
    for (int i = 0; i < static_cast<int>(sizeof kButtons / sizeof kButtons[0]); ++i)
    {
        const CString name = kButtons[i].lpszName;
        AttachBitmapButton(*buttons[i], this, kButtons[i].nId, name + "UP", name + "DN", name + "UP", name + "GR");
    }
    EnableSteps();
    m_show.EnableWindow(FALSE);
    m_edit.EnableWindow(GetCurrentDatabase()->CanUpdate());
}

// Only the lists the form can step through offer Prev and Next.
void CRecipeViewForm::EnableSteps()
{
    BOOL hasPrevious = FALSE;
    BOOL hasNext = FALSE;
    if ((m_viewKind == CFormManager::kRecipeView || m_viewKind == CFormManager::kRecipeFromMealPlan) && m_pRecipe)
        g_pBrowseState->GetRecipeNavState(hasPrevious, hasNext, *m_pRecipe);
    else if (m_viewKind == CFormManager::kMealPlanView && m_pMealPlanItem != nullptr)
        g_pBrowseState->GetMenuNavState(hasPrevious, hasNext, *m_pMealPlanItem);
    m_prev.EnableWindow(hasPrevious);
    m_next.EnableWindow(hasNext);
}

// The pane follows the placeholder in the tab order.
void CRecipeViewForm::MakePane()
{
    if (m_pPane)
        m_pPane->DestroyWindow();
    m_pPane = std::make_unique<CTextPane>(this, m_paneRect);
    m_pPane->EnableDrag(TRUE);
    m_pPane->SetColors(m_colors.GetColour(kPageBackground), m_colors.GetColour(kPageText),
                       m_colors.GetColour(kPageThird), m_colors.GetColour(kPageFourth));
    ::SetWindowPos(m_pPane->m_hWnd, GetDlgItem(IDC_VIEW_PANE)->m_hWnd, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The framework's first update comes before the page exists; opening updates after.
void CRecipeViewForm::OnUpdate(CView*, LPARAM, CObject*)
{
    if (m_pPane)
        ShowItem();
}

void CRecipeViewForm::ShowItem()
{
    if (IsRecipeKind())
        ShowRecipe();
    else
        ShowMealPlan();
}

void CRecipeViewForm::ShowRecipe()
{
    CRecipeData* pRecipe = m_pRecipe ? GetCurrentRecipe(m_pRecipe->m_id, kShownRecipe) : nullptr;
    if (pRecipe == nullptr)
    {
        AfxMessageBox(IDS_RECIPE_NOT_FOUND, MB_OK);
        return;
    }
    m_pRecipe->m_servings = pRecipe->m_servings;
    LayOutRecipe(pRecipe);
    m_related.Load(m_pRecipe->m_id, &pRecipe->m_links);
}

// At the servings chosen for the recipe while the program runs.
void CRecipeViewForm::LayOutRecipe(CRecipeData* pRecipe)
{
    PrintPrefs buffer{};
    PrintRecipeToJob(pRecipe, m_pPane->GetPrintInfo(), g_pBrowseState->GetItemPrintPrefs(buffer, *m_pRecipe));
    m_pPane->Invalidate();
    m_pPane->UpdateWindow();
}

void CRecipeViewForm::ShowMealPlan()
{
    m_pMealPlan = m_pMealPlanItem != nullptr
                      ? static_cast<CMenuDoc*>(GetDocument())->OpenMealPlan(m_pMealPlanItem->m_id)
                      : nullptr;
    if (m_pMealPlan == nullptr)
    {
        AfxMessageBox(IDS_MEAL_PLAN_NOT_OPENED, MB_OK);
        return;
    }
    m_pMealPlanItem->m_servings = m_pMealPlan->m_servings;
    PrintMealPlanToJob(m_pMealPlan, m_pPane->GetPrintInfo(), nullptr);
    m_pPane->Invalidate();
    m_pPane->UpdateWindow();
    m_related.Load(m_pMealPlanItem->m_id, &m_pMealPlan->m_references);
}

BOOL CRecipeViewForm::HasToolSelection() const
{
    return m_pRecipe != nullptr || m_pMealPlanItem != nullptr;
}

int CRecipeViewForm::GetRelatedItemNames(CStringArray& names) const
{
    return m_related.GetRelatedItemNames(names);
}

// The page scrolls under the keys that move through it, wherever the focus is on the form.
BOOL CRecipeViewForm::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && m_pPane)
    {
        UINT nCode = SB_ENDSCROLL;
        switch (pMsg->wParam)
        {
        case VK_PRIOR: nCode = SB_PAGEUP; break;
        case VK_NEXT: nCode = SB_PAGEDOWN; break;
        case VK_UP: nCode = SB_LINEUP; break;
        case VK_DOWN: nCode = SB_LINEDOWN; break;
        default: break;
        }
        if (nCode != SB_ENDSCROLL)
        {
            m_pPane->SendMessage(WM_VSCROLL, MAKEWPARAM(nCode, 0), 0);
            return TRUE;
        }
    }
    return CBVFormView::PreTranslateMessage(pMsg);
}

BOOL CRecipeViewForm::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nId = LOWORD(wParam);
    if (HIWORD(wParam) <= 1 && m_related.OnCommand(nId))
        return TRUE;
    if (nId == ID_PANEL_NUTRITION || nId == ID_PANEL_NUTRITION_CHART)
    {
        m_related.GetPageButtons().SelectPage(CPanelPageButtons::kNutritionPage);
        if (m_pRecipe)
            m_related.ShowNutrition(nId, &m_pRecipe->m_id, nullptr);
        else
            m_related.ShowNutrition(nId, nullptr, m_pMealPlanItem);
        return TRUE;
    }
    return CBVFormView::OnCommand(wParam, lParam);
}

void CRecipeViewForm::OnRButtonDown(UINT nFlags, CPoint point)
{
    CPoint screen = point;
    ClientToScreen(&screen);
    m_related.GetPanel().ShowItemMenu(this, screen.x, screen.y, m_viewKind);
    CBVFormView::OnRButtonDown(nFlags, point);
}

void CRecipeViewForm::OnBack()
{
    g_pFormManager->OpenForm(CFormManager::kActionBack, 0, 0);
}

// A recipe line of a meal-plan page opens that recipe, stepping through the plan's recipes.
void CRecipeViewForm::OnShow()
{
    const char* pszHotSpot = m_pPane ? m_pPane->GetSelectedHotSpot() : nullptr;
    if (pszHotSpot == nullptr || m_pMealPlan == nullptr)
        return;
    const CString name = StripRemark(pszHotSpot);
    for (POSITION next = m_pMealPlan->m_items.GetHeadPosition(); next != nullptr;)
    {
        const auto* pEntry = static_cast<const CMenuItem*>(m_pMealPlan->m_items.GetNext(next));
        if (pEntry->m_type != "R" || pEntry->m_text != name)
            continue;
        const CRecordId recipeId = pEntry->m_itemId;
        g_pBrowseState->FillRecipeListAndSelect(*m_pMealPlan, recipeId);
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kRecipeFromMealPlan,
                                 static_cast<long>(recipeId.GetNumber()));
        return;
    }
}

CString CRecipeViewForm::StripRemark(const char* pszText)
{
    CString text = pszText;
    const int open = text.ReverseFind('(');
    if (text.IsEmpty() || text[text.GetLength() - 1] != ')' || open < 0)
        return text;
    text = text.Left(open);
    text.TrimRight();
    return text;
}

// Without an item there is nothing to edit.
void CRecipeViewForm::OnEdit()
{
    if (m_pRecipe)
    {
        g_pFormManager->SetEditRecipeId(m_pRecipe->m_id);
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kRecipeEdit,
                                 static_cast<long>(m_pRecipe->m_id.GetNumber()));
    }
    else if (m_pMealPlanItem != nullptr)
    {
        g_pFormManager->SetEditMealPlanId(m_pMealPlanItem->m_id);
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kMealPlanEdit, m_pMealPlanItem->m_value);
    }
}

void CRecipeViewForm::OnPrev()
{
    Step(false);
}

void CRecipeViewForm::OnNext()
{
    Step(true);
}

void CRecipeViewForm::Step(bool bForward)
{
    MakePane();
    int result = CBrowseState::kNoneBefore;
    if (IsRecipeKind())
    {
        CRecipeListItem* pEntry = nullptr;
        result = bForward ? g_pBrowseState->StepRecipeForward(pEntry) : g_pBrowseState->StepRecipeBack(pEntry);
        if (pEntry != nullptr)
            m_pRecipe.reset(CopyOf(pEntry));
    }
    else
        result = bForward ? g_pBrowseState->StepMenuForward(m_pMealPlanItem)
                          : g_pBrowseState->StepMenuBack(m_pMealPlanItem);
    ShowItem();
    if (m_pRecipe)
        g_pFormManager->SetCurrentEntryValue(static_cast<long>(m_pRecipe->m_id.GetNumber()));
    else if (m_pMealPlanItem != nullptr)
        g_pFormManager->SetCurrentEntryValue(m_pMealPlanItem->m_value);
    CBitmapButton& other = bForward ? m_prev : m_next;
    CBitmapButton& self = bForward ? m_next : m_prev;
    if (!other.IsWindowEnabled())
        other.EnableWindow(TRUE);
    if (result == (bForward ? CBrowseState::kNowLast : CBrowseState::kNowFirst))
        self.EnableWindow(FALSE);
}

void CRecipeViewForm::OnToolAction(UINT nId)
{
    if (m_pRecipe)
        RunForRecipe(this, nId, *m_pRecipe);
    else if (m_pMealPlanItem != nullptr)
        RunForMealPlan(this, nId, *m_pMealPlanItem);
}

// Without an item nothing is printed, and the print dialog is not shown.
void CRecipeViewForm::OnPrint()
{
    if (m_pRecipe)
    {
        if (CreatePrinterDC() == 1)
            PrintRecipe();
        return;
    }
    if (m_pMealPlan == nullptr || CreatePrinterDC() != 1)
        return;
    PrintPrefs buffer{};
    PrintMealPlan(m_pMealPlan, g_pBrowseState->GetPrintPrefsIfSet(buffer, *m_pMealPlanItem));
}

// The recipe is read again only for what the print record adds to the page: the nutrition,
// or the categories of the print templates that list them.
void CRecipeViewForm::PrintRecipe()
{
    const PrintSettings& record = *g_pAppSettings->GetPrintRecord();
    const bool bNutrition = record.IncludeNutrition == 1;
    const bool bCategories = record.PrintTemplate == 2 || record.PrintTemplate == 3;
    PrintPrefs buffer{};
    PrintPrefs* pPrefs = g_pBrowseState->GetItemPrintPrefs(buffer, *m_pRecipe);
    CRecipeData* pRecipe = GetCurrentRecipe(m_pRecipe->m_id, kShownRecipe);
    if (bNutrition || bCategories)
    {
        BYTE level = bNutrition ? kPrintedRecipe | CRecipeData::kLoadNutrition : kPrintedRecipe;
        if (bCategories)
            level |= CRecipeData::kLoadCategories;
        pRecipe = GetCurrentRecipe(m_pRecipe->m_id, level);
    }
    if (pRecipe != nullptr)
        PrintRecipeList(pRecipe, pPrefs);
}

// The meal plan's recipes go with it while this print runs.
void CRecipeViewForm::OnPrintWithRecipes()
{
    PrintSettings* pRecord = g_pAppSettings->GetPrintRecord();
    pRecord->MenuRecipes = 1;
    OnPrint();
    pRecord->MenuRecipes = 0;
}

// The servings chosen are kept for the recipe while the program runs.
void CRecipeViewForm::OnServings()
{
    if (!m_pRecipe)
        return;
    CRecipeData* pRecipe = GetCurrentRecipe(m_pRecipe->m_id, kShownRecipe);
    if (pRecipe == nullptr)
        return;
    m_pRecipe->m_scaledServings = g_pBrowseState->LookupItemValue(m_pRecipe->m_id);
    const int remembered = m_pRecipe->m_scaledServings != 0 ? m_pRecipe->m_scaledServings : pRecipe->m_servings;
    CServingsDlg dialog(this, static_cast<int>(m_viewKind), pRecipe->m_servings, remembered);
    if (dialog.DoModal() != IDOK)
        return;
    m_pRecipe->m_scaledServings = static_cast<WORD>(dialog.GetResult());
    g_pBrowseState->RememberItemValue(*m_pRecipe);
    MakePane();
    LayOutRecipe(pRecipe);
}

void CRecipeViewForm::OnHelpIndex()
{
    if (m_pRecipe)
        ShowHelp(HELP_INDEX, 0, IDS_UNUSED_HELP_FILE);
}

void CRecipeViewForm::OnHelp()
{
    ShowHelp(HELP_CONTEXT, HelpContext(), IDS_HELP_FILE);
}

void CRecipeViewForm::OnHotSpotSelected()
{
    m_show.EnableWindow(TRUE);
}

void CRecipeViewForm::OnDestroy()
{
    CBVFormView::OnDestroy();
    if (m_pPane)
        m_pPane->DestroyWindow();
    m_pPane.reset();
}

HBRUSH CRecipeViewForm::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC)
    {
        ::SetBkMode(pDC->m_hDC, TRANSPARENT);
        return m_background;
    }
    if (nCtlColor == CTLCOLOR_DLG || (pWnd != nullptr && pWnd->m_hWnd == m_hWnd))
        return m_background;
    return CBVFormView::OnCtlColor(pDC, pWnd, nCtlColor);
}
