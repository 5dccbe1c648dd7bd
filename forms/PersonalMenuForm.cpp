#include "forms/PersonalMenuForm.h"

#include <windows.h>

#include "database/BrowseState.h"
#include "database/CookbookDatabase.h"
#include "database/Nutrition.h"
#include "database/PrintPrefs.h"
#include "database/RecipeData.h"
#include "database/RecipeList.h"
#include "database/RecipeListItem.h"
#include "forms/RecipeListEditDlg.h"
#include "forms/ServingsDlg.h"
#include "forms/TextPane.h"
#include "framework/DC.h"
#include "framework/MessageMap.h"
#include "framework/StandardIds.h"
#include "printing/PrintDrivers.h"
#include "printing/SpecialsReport.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/HelpService.h"
#include "shell/settings/AppSettings.h"

IMPLEMENT_DYNCREATE(CPersonalMenuForm, CBVFormView)

BEGIN_MESSAGE_MAP(CPersonalMenuForm, CBVFormView)
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
    ON_WM_RBUTTONDOWN()
    ON_COMMAND(ID_CONTEXT_HELP, OnHelp)
    ON_COMMAND(IDC_SPECIALS_BACK, OnBack)
    ON_COMMAND(IDC_SPECIALS_VIEW, OnView)
    ON_COMMAND(IDC_SPECIALS_EDIT, OnEdit)
    ON_COMMAND(ID_FORM_EDIT_SPECIALS, OnEdit)
    ON_COMMAND(ID_HOT_SPOT_SELECTED, OnHotSpotSelected)
    ON_COMMAND(ID_FORM_SERVINGS, OnServings)
    ON_COMMAND(ID_FORM_PRINT, OnPrint)
    ON_COMMAND(ID_FORM_PRINT_WITH_RECIPES, OnPrintWithNutrition)
END_MESSAGE_MAP()

namespace {

const UINT kHelpContext = 2011;
const UINT kColourIds[] = {IDS_SPECIALS_BACKGROUND,      IDS_SPECIALS_PANEL_BACKGROUND, IDS_SPECIALS_PANEL_TEXT,
                           IDS_SPECIALS_PAGE_BACKGROUND, IDS_SPECIALS_PAGE_TEXT,        IDS_SPECIALS_PAGE_SELECTED,
                           IDS_SPECIALS_PAGE_SELECTED_TEXT};
const int kColourCount = sizeof kColourIds / sizeof kColourIds[0];

CRecipeList& SpecialsList()
{
    return *g_pBrowseState->GetSecondList();
}

// The Specials with each recipe's nutrition, which the list's entries do not carry.
CRecipeList SpecialsWithNutrition()
{
    CRecipeList list = SpecialsList();
    for (int i = 0; i < list.GetSize(); ++i)
    {
        CRecipeListItem* pEntry = list.GetRecipeAt(i);
        CRecipeData recipe;
        recipe.m_recipeId = pEntry->m_id;
        if (GetCurrentDatabase()->ComputeRecipeNutrition(recipe, FALSE, TRUE))
            pEntry->m_nutrition = *recipe.GetNutrition();
    }
    return list;
}

}  // namespace

int CPersonalMenuForm::s_servings = 0;

CPersonalMenuForm::CPersonalMenuForm() : CBVFormView(IDD_SPECIALS_FORM), m_colours(kColourIds, kColourCount)
{
    m_background.CreateSolidBrush(m_colours.GetColour(kBackground));
}

CPersonalMenuForm::~CPersonalMenuForm() = default;

void CPersonalMenuForm::OnInitialUpdate()
{
    CBVFormView::OnInitialUpdate();
    LoadAcceleratorTable(IDR_VIEW_KEYS);
    ScaleChildFonts();
    SetScrollSizes(MM_TEXT, GetDesignSize());
    SetHelpContext(kHelpContext);
    CWnd* pPlace = GetDlgItem(IDC_SPECIALS_PAGE);
    pPlace->GetWindowRect(&m_pageRect);
    ScreenToClient(&m_pageRect);
    BuildPage();
    m_related.Create(this, CFormManager::kPersonalMenu);
    m_related.GetPanel().SetColors(m_colours.GetColour(kPanelBackground), m_colours.GetColour(kPanelText));
    AttachButtons();
    m_related.GetPageButtons().Update(0, 0);
    g_pFormManager->SetActiveForm(this);
}

// As on the recipe view, Edit is off while the cookbook cannot be written.
void CPersonalMenuForm::AttachButtons()
{
    AttachBitmapButton(m_edit, this, IDC_SPECIALS_EDIT, "EDITUP", "EDITDN", "EDITUP", "EDITGR");
    AttachBitmapButton(m_view, this, IDC_SPECIALS_VIEW, "VIEWUP", "VIEWDN", "VIEWUP", "VIEWGR");
    AttachBitmapButton(m_back, this, IDC_SPECIALS_BACK, "BACKUP", "BACKDN", "BACKUP", "BACKGR");
    m_view.EnableWindow(FALSE);
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    m_edit.EnableWindow(pDatabase != nullptr && pDatabase->CanUpdate());
}

// The pane takes the hidden list's place in the tab order too.
void CPersonalMenuForm::BuildPage()
{
    m_pPane.reset();
    m_pPane = std::make_unique<CTextPane>(this, m_pageRect);
    m_pPane->SetColors(m_colours.GetColour(kPageBackground), m_colours.GetColour(kPageText),
                       m_colours.GetColour(kPageSelected), m_colours.GetColour(kPageSelectedText));
    ::SetWindowPos(m_pPane->m_hWnd, GetDlgItem(IDC_SPECIALS_PAGE)->m_hWnd, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (SpecialsList().IsEmpty())
        s_servings = 0;
    PrintSpecialsToJob(m_pPane->GetPrintInfo(), SpecialsList(), nullptr);
    m_pPane->Invalidate();
}

void CPersonalMenuForm::OnBack()
{
    g_pFormManager->OpenForm(CFormManager::kActionBack, 0, 0);
}

void CPersonalMenuForm::OnHotSpotSelected()
{
    m_view.EnableWindow(TRUE);
}

// The recipe opens at the servings chosen for the whole list, which every entry then carries,
// so that the recipe view and its print show the same number.
void CPersonalMenuForm::OnView()
{
    const char* pszPicked = m_pPane != nullptr ? m_pPane->GetSelectedHotSpot() : nullptr;
    if (pszPicked == nullptr)
        return;
    CRecipeListItem recipe;
    recipe.m_name = pszPicked;
    if (GetCurrentDatabase()->ReadRecipeListItem(&recipe, 0) == 0)
        return;
    CRecipeList& list = SpecialsList();
    for (int i = 0; i < list.GetSize(); ++i)
    {
        CRecipeListItem* pEntry = list.GetRecipeAt(i);
        if (s_servings > 0)
            pEntry->m_scaledServings = static_cast<WORD>(s_servings);
        if (pEntry->m_id == recipe.m_id)
            list.SetCurrentIndex(i);
    }
    g_pFormManager->SetServingsOverride(s_servings > 0);
    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kRecipeFromPersonalMenu,
                             static_cast<long>(recipe.m_id.GetNumber()));
}

void CPersonalMenuForm::OnEdit()
{
    CRecipeListEditDlg dialog(this);
    if (dialog.DoModal() == IDOK)
        BuildPage();
    SetHelpContext(kHelpContext);
}

void CPersonalMenuForm::OnServings()
{
    CServingsDlg dialog(this, CFormManager::kPersonalMenu, 0, s_servings);
    if (dialog.DoModal() == IDOK)
        s_servings = dialog.GetResult();
}

void CPersonalMenuForm::OnPrint()
{
    PrintPrefs buffer{};
    PrintPrefs* pPrefs = g_pBrowseState->GetPrintPrefs(buffer, s_servings);
    if (g_pAppSettings->GetPrintRecord()->MenuNutrition != 0)
        PrintSpecials(SpecialsWithNutrition(), pPrefs);
    else
        PrintSpecials(SpecialsList(), pPrefs);
}

// The summed nutrition goes with the list while this print runs; the user's own choice for
// other prints stays as it was.
void CPersonalMenuForm::OnPrintWithNutrition()
{
    PrintSettings* pRecord = g_pAppSettings->GetPrintRecord();
    const std::int32_t chosen = pRecord->MenuNutrition;
    pRecord->MenuNutrition = 1;
    OnPrint();
    pRecord->MenuNutrition = chosen;
}

// The panel sends its nutrition page request and waits for it to be shown.
LRESULT CPersonalMenuForm::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && (LOWORD(wParam) == ID_PANEL_NUTRITION || LOWORD(wParam) == ID_PANEL_NUTRITION_CHART))
    {
        ShowNutritionPage(LOWORD(wParam) == ID_PANEL_NUTRITION_CHART);
        return 1;
    }
    return CBVFormView::WindowProc(message, wParam, lParam);
}

BOOL CPersonalMenuForm::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) <= 1 && m_related.OnCommand(LOWORD(wParam)))
        return TRUE;
    return CBVFormView::OnCommand(wParam, lParam);
}

int CPersonalMenuForm::GetRelatedItemNames(CStringArray& names) const
{
    return m_related.GetRelatedItemNames(names);
}

void CPersonalMenuForm::ShowNutritionPage(BOOL bChart)
{
    m_related.GetPageButtons().SelectPage(CPanelPageButtons::kNutritionPage);
    m_related.GetPanel().ShowNutritionProfile(this, CSpecialsReport::SumNutrition(SpecialsWithNutrition()), bChart);
}

void CPersonalMenuForm::OnRButtonDown(UINT, CPoint point)
{
    ClientToScreen(&point);
    m_related.GetPanel().ShowItemMenu(this, point.x, point.y, CFormManager::kPersonalMenu);
}

void CPersonalMenuForm::OnHelp()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

void CPersonalMenuForm::OnDestroy()
{
    m_pPane.reset();
    CBVFormView::OnDestroy();
}

HBRUSH CPersonalMenuForm::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (HBRUSH hBrush = FormBackgroundBrush(pDC, pWnd, this, nCtlColor, m_background))
        return hBrush;
    return CBVFormView::OnCtlColor(pDC, pWnd, nCtlColor);
}
