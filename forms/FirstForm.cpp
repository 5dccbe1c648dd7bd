#include "forms/FirstForm.h"

#include <windows.h>

#include "forms/HotSpot.h"
#include "framework/DC.h"
#include "framework/MessageMap.h"
#include "framework/StandardIds.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/HelpService.h"

IMPLEMENT_DYNCREATE(CFirstForm, CBVFormView)

BEGIN_MESSAGE_MAP(CFirstForm, CBVFormView)
    ON_WM_CTLCOLOR()
    ON_WM_LBUTTONUP()
    ON_COMMAND(ID_START_RECIPES, OnRecipes)
    ON_COMMAND(ID_START_MEAL_PLANS, OnMealPlans)
    ON_COMMAND(ID_START_SHOPPING, OnShopping)
    ON_COMMAND(ID_START_HELP_INDEX, OnHelpIndex)
    ON_COMMAND(ID_CONTEXT_HELP, OnHelp)
END_MESSAGE_MAP()

namespace {

const UINT kHelpContext = 2000;
const UINT kColourIds[] = {IDS_START_BACKGROUND, IDS_START_CAPTION_COLOUR};
const int kBackground = 0;
const int kCaption = 1;
const int kRecipesSpot = 3;
const int kMealPlansSpot = 4;
// Deeper screens show the title in full colour.
const int kFewColourBits = 7;

}  // namespace

CFirstForm::CFirstForm() : CBVFormView(IDD_START_FORM), m_colors(kColourIds, 2)
{
    m_background.CreateSolidBrush(m_colors.GetColour(kBackground));
    SetHelpContext(kHelpContext);
}

CFirstForm::~CFirstForm() = default;

void CFirstForm::OnInitialUpdate()
{
    CBVFormView::OnInitialUpdate();
    ScaleChildFonts();
    LoadAcceleratorTable(IDR_START_KEYS);
    SetScrollSizes(MM_TEXT, GetDesignSize());
    MakeHotSpots();
    GetDlgItem(IDC_START_HIDDEN_2)->ShowWindow(SW_HIDE);
    GetDlgItem(IDC_START_HIDDEN_1)->ShowWindow(SW_HIDE);
    if (g_pFormManager != nullptr)
        g_pFormManager->SetActiveForm(this);
    UpdateWindow();
}

void CFirstForm::MakeHotSpots()
{
    const UINT nTitleId = GetScreenColourBits() > kFewColourBits ? IDS_TITLE_PICTURE_256 : IDS_TITLE_PICTURE_16;
    const COLORREF caption = m_colors.GetColour(kCaption);
    m_hotSpots[0] = std::make_unique<CHotSpot>(this, IDC_START_TITLE, IDC_START_TITLE, nTitleId, 0, 0, 0, FALSE);
    m_hotSpots[1] =
        std::make_unique<CHotSpot>(this, IDC_START_STRIPE, IDC_START_STRIPE, IDS_STRIPE_PICTURE, 0, 0, 0, FALSE);
    m_hotSpots[2] = std::make_unique<CHotSpot>(this, IDC_START_LOGO, IDC_START_LOGO, IDS_LOGO, 0, 0, 0, FALSE);
    m_hotSpots[kRecipesSpot] = std::make_unique<CHotSpot>(this, IDC_START_RECIPES_AREA, 0, 0, IDC_START_RECIPES_CAPTION,
                                                          IDS_START_RECIPES, caption, FALSE);
    m_hotSpots[kMealPlansSpot] = std::make_unique<CHotSpot>(
        this, IDC_START_MEAL_PLANS_AREA, 0, 0, IDC_START_MEAL_PLANS_CAPTION, IDS_START_MEAL_PLANS, caption, FALSE);
}

void CFirstForm::OnDraw(CDC* pDC)
{
    for (const std::unique_ptr<CHotSpot>& pSpot : m_hotSpots)
        if (pSpot)
            pSpot->Show(pDC->m_hDC);
}

HBRUSH CFirstForm::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC)
        ::SetBkMode(pDC->m_hDC, TRANSPARENT);
    else if (pWnd == nullptr || pWnd->m_hWnd != m_hWnd)
        return CBVFormView::OnCtlColor(pDC, pWnd, nCtlColor);
    return m_background;
}

// The release point decides, wherever the press was.
void CFirstForm::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_hotSpots[kRecipesSpot] && m_hotSpots[kRecipesSpot]->HitTest(point))
        OnRecipes();
    else if (m_hotSpots[kMealPlansSpot] && m_hotSpots[kMealPlansSpot]->HitTest(point))
        OnMealPlans();
    else
        CBVFormView::OnLButtonUp(nFlags, point);
}

void CFirstForm::OnRecipes()
{
    g_pFormManager->OpenForm(CFormManager::kActionDrillDown, CFormManager::kRecipeCategories, 0);
}

void CFirstForm::OnMealPlans()
{
    g_pFormManager->OpenForm(CFormManager::kActionDrillDown, CFormManager::kMealPlanCategories, 0);
}

void CFirstForm::OnShopping()
{
    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kShopping, 0);
}

void CFirstForm::OnHelpIndex()
{
    AfxGetApp()->BeginWaitCursor();
    ShowHelp(HELP_INDEX, 0, IDS_HELP_FILE);
    AfxGetApp()->EndWaitCursor();
}

void CFirstForm::OnHelp()
{
    ShowHelp(HELP_CONTEXT, kHelpContext, IDS_HELP_FILE);
}
