#include "forms/RelatedItemsPanel.h"

#include <windows.h>

#include "database/CookbookDatabase.h"
#include "database/MenuData.h"
#include "database/MenuListItem.h"
#include "database/Nutrition.h"
#include "database/RecipeData.h"
#include "database/RecipeListItem.h"
#include "database/RefListItem.h"
#include "forms/IngredientPanel.h"
#include "forms/PictureWnd.h"
#include "forms/PopupMenuChoice.h"
#include "forms/RelatedLink.h"
#include "forms/TextPane.h"
#include "framework/PrintInfo.h"
#include "printing/PrintDrivers.h"
#include "printing/PrinterOutput.h"
#include "printing/ReportOutput.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/controls/RatingMenu.h"
#include "shell/formbase/FormManager.h"
#include "shell/graphics/FontFaces.h"
#include "shell/graphics/NutritionChart.h"
#include "shell/services/CurrentDatabase.h"

namespace {

constexpr int kSixteenColourBits = 4;
constexpr int kTextPageFontHeight = 16;
constexpr long kRecipeListContext = 3;
constexpr char kNutritionUnavailable[] = "Nutrition information unavailable.";

struct DisplayChoice
{
    long mode = CRelatedItemsPanel::kPhoto;
    long savedMode = CRelatedItemsPanel::kPhoto;
    BOOL chart = FALSE;
    bool screenChecked = false;
};

DisplayChoice s_choice;
TextPageViewFactory s_makeTextPage = &CTextPane::MakePageView;

long KindOfView(long view, long current)
{
    switch (view)
    {
    case CFormManager::kCategoryRecipes:
    case CFormManager::kRecipeView:
    case CFormManager::kRecipeFromMealPlan:
    case CFormManager::kRecipeFromPersonalMenu:
    case CFormManager::kRecipeFromLink:
    case CFormManager::kRecipeEdit: return CRelatedItemsPanel::kRecipePanel;
    case CFormManager::kCategoryMealPlans:
    case CFormManager::kMealPlanView:
    case CFormManager::kMealPlanFromLink:
    case CFormManager::kMealPlanEdit: return CRelatedItemsPanel::kMealPlanPanel;
    default: return current;
    }
}

CString LoadText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

}  // namespace

CRelatedItemsPanel::CRelatedItemsPanel()
{
    if (s_choice.screenChecked)
        return;
    s_choice.screenChecked = true;
    if (GetScreenColourBits() == kSixteenColourBits)
        s_choice.mode = kNutrition;
}

// The windows and menus go with the members that own them.
CRelatedItemsPanel::~CRelatedItemsPanel() = default;

void CRelatedItemsPanel::SetTextPageViewFactory(TextPageViewFactory factory)
{
    s_makeTextPage = factory;
}

void CRelatedItemsPanel::ForgetDisplayChoice()
{
    s_choice = DisplayChoice();
}

long CRelatedItemsPanel::GetDisplayMode()
{
    return s_choice.mode;
}

BOOL CRelatedItemsPanel::IsChartShown()
{
    return s_choice.mode == kNutrition && s_choice.chart;
}

void CRelatedItemsPanel::Create(CWnd* pForm, long view, const EditPanelFactory& makeEditPanel)
{
    m_kind = KindOfView(view, m_kind);
    CWnd* pPlaceholder = pForm->GetDlgItem(IDC_RELATED_PANEL);
    if (pPlaceholder != nullptr)
    {
        pPlaceholder->GetWindowRect(&m_rect);
        pForm->ScreenToClient(&m_rect);
        pPlaceholder->ShowWindow(SW_HIDE);
    }
    m_pPicture = std::make_unique<CPictureWnd>(pForm, m_rect, FALSE);
    if ((view == CFormManager::kRecipeEdit || view == CFormManager::kMealPlanEdit) && makeEditPanel)
        m_pEditPanel = makeEditPanel(pForm, m_rect);
    if (s_choice.mode == kIngredientPanel || s_choice.mode == kMealPlanItemPanel)
        s_choice.mode = s_choice.savedMode;
}

void CRelatedItemsPanel::SetColors(COLORREF first, COLORREF second)
{
    m_colours[0] = first;
    m_colours[1] = second;
}

void CRelatedItemsPanel::LoadRecord(CWnd* pForm, const CRecordId& recordId, const CRefItemArray* pReferences,
                                    long& flags, BOOL& hasLinks)
{
    HideCurrent();
    if (LoadReferences(recordId, pReferences) > 0)
        BuildLinks();
    if (recordId != 0ul)
        flags = kHasRecord;
    if (m_photoCount > 0)
        flags += kHasPhotos;
    if (m_informationCount > 0)
        flags += kHasInformation;
    hasLinks = m_hasLinks;
    ShowCurrent(pForm, recordId);
}

int CRelatedItemsPanel::LoadReferences(const CRecordId& recordId, const CRefItemArray* pReferences)
{
    Reset();
    if (recordId == 0ul)
    {
        m_references.DeleteAll();
        return 0;
    }
    if (pReferences != nullptr)
    {
        m_references.Copy(*pReferences);
        return m_references.GetSize();
    }
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (m_kind == kMealPlanPanel)
        return pDatabase->LoadMenuReferences(m_references, recordId.GetNumber());
    return pDatabase->LoadReferences(m_references, recordId.GetNumber(), 'R');
}

void CRelatedItemsPanel::Reset()
{
    m_informationTexts.RemoveAll();
    m_informationCount = 0;
    m_informationMenu.DestroyMenu();
    m_informationMenu.CreatePopupMenu();
    m_photoLinks.DeleteAll();
    m_photoCount = 0;
    m_photoMenu.DestroyMenu();
    m_photoMenu.CreatePopupMenu();
    m_pictureFile.Empty();
    m_links.DeleteAll();
    m_hasLinks = FALSE;
}

void CRelatedItemsPanel::BuildLinks()
{
    for (int i = 0; i < m_references.GetSize(); ++i)
    {
        const RefListItem& reference = *m_references.GetRefAt(i);
        switch (reference.m_type)
        {
        case 'K':
        case 'M':
        case 'R': AddLink(reference); break;
        case 'P': AddPhoto(reference); break;
        case 'T': AddInformation(reference); break;
        default: break;
        }
    }
    m_hasLinks = m_links.GetSize() > 0;
}

// A linked recipe or meal plan that no longer exists is left out.
void CRelatedItemsPanel::AddLink(const RefListItem& reference)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    CString text;
    switch (reference.m_type)
    {
    case 'K': text = "Tip: "; break;
    case 'M':
        if (pDatabase->FindMenu(reference.m_content, 0) == nullptr)
            return;
        text = "Meal plan: ";
        break;
    default:
    {
        CRecipeListItem recipe;
        recipe.m_name = reference.m_content;
        if (pDatabase->ReadRecipeListItem(&recipe, 0) == 0)
            return;
        text = "Recipe: ";
        break;
    }
    }
    m_links.Add(new RelatedLink(text + reference.m_name, reference.m_content, reference.m_type));
}

void CRelatedItemsPanel::AddPhoto(const RefListItem& reference)
{
    const CString text = "Photo: " + reference.m_name;
    m_photoMenu.AppendMenu(MF_STRING, ID_PANEL_PHOTO + m_photoCount, text);
    m_photoLinks.Add(new RelatedLink(text, reference.m_content, 'P'));
    ++m_photoCount;
}

// A topic without text is left out.
void CRelatedItemsPanel::AddInformation(const RefListItem& reference)
{
    if (reference.m_content.IsEmpty())
        return;
    m_informationMenu.AppendMenu(MF_STRING, ID_PANEL_INFORMATION + m_informationCount, reference.m_name);
    m_informationTexts.Add(reference.m_content);
    ++m_informationCount;
}

void CRelatedItemsPanel::ShowCurrent(CWnd* pForm, const CRecordId& recordId)
{
    switch (s_choice.mode)
    {
    case kNutrition:
        if (!s_choice.chart)
            ShowNutritionText(pForm, recordId);
        break;
    case kPhoto:
    {
        m_pictureFile.Empty();
        const RelatedLink* pFirst = m_photoLinks.GetLinkAt(0);
        if (pFirst != nullptr && !pFirst->m_content.IsEmpty() && pFirst->m_type == 'P')
            m_pictureFile = pFirst->m_content;
        ShowPicture();
        break;
    }
    case kInformation:
        if (MakeTextPage(pForm) != nullptr)
            WriteText(m_informationCount > 0 ? m_informationTexts[0] : CString());
        break;
    default: break;
    }
}

void CRelatedItemsPanel::ShowNutritionText(CWnd* pForm, const CRecordId& recordId)
{
    CTextPageView* pView = MakeTextPage(pForm);
    if (pView == nullptr)
        return;
    if (recordId != 0ul && m_kind == kRecipePanel)
    {
        PrintRecipeNutritionToJob(recordId, pView->GetPrintInfo());
        return;
    }
    CMenuData menu;
    menu.m_id = recordId;
    if (recordId != 0ul && m_kind == kMealPlanPanel && GetCurrentDatabase()->LoadMenu(menu) == 0)
    {
        PrintMealPlanNutritionToJob(menu, pView->GetPrintInfo());
        return;
    }
    CPrinterOutput* pOutput = OpenPrintJobOutput(pView->GetPrintInfo());
    pOutput->WriteText(kNutritionUnavailable, nullptr);
    ClosePrintJobOutput(pOutput, 1);
}

// Whatever this panel shows goes, not only the view of the current mode: another form's panel
// may have changed the mode since, and a chart left standing would cover the next view.
void CRelatedItemsPanel::HideCurrent()
{
    m_pTextView.reset();
    m_pChart.reset();
    if (m_pPicture && m_pPicture->m_hWnd != nullptr)
        m_pPicture->ShowWindow(SW_HIDE);
}

void CRelatedItemsPanel::ShowPicture()
{
    if (!m_pPicture)
        return;
    if (m_pictureFile.IsEmpty())
        m_pictureFile = LoadText(IDS_NO_PHOTO_PICTURE);
    m_pPicture->SetPictureFile(m_pictureFile);
    m_pPicture->ShowWindow(SW_SHOW);
    m_pPicture->Invalidate();
}

CTextPageView* CRelatedItemsPanel::MakeTextPage(CWnd* pForm)
{
    if (s_makeTextPage == nullptr)
        return nullptr;
    m_pTextView = s_makeTextPage(pForm, m_rect);
    m_pTextView->SetColors(m_colours[0], m_colours[1], m_colours[1], m_colours[0]);
    m_pTextView->SetFont(kTextPageFontHeight, GetSansFaceId());
    return m_pTextView.get();
}

// An empty text stands for the "no information" text.
void CRelatedItemsPanel::WriteText(const char* pszText)
{
    const CString text = *pszText != '\0' ? CString(pszText) : LoadText(IDS_NO_INFORMATION);
    CPrinterOutput* pOutput = OpenPrintJobOutput(m_pTextView->GetPrintInfo());
    pOutput->WriteText(text, nullptr);
    ClosePrintJobOutput(pOutput, 1);
}

void CRelatedItemsPanel::ShowRecipeNutrition(CWnd* pForm, const CRecordId& recipeId)
{
    if (recipeId == 0ul)
        return;
    HideCurrent();
    s_choice.mode = kNutrition;
    s_choice.chart = FALSE;
    if (CTextPageView* pView = MakeTextPage(pForm))
        PrintRecipeNutritionToJob(recipeId, pView->GetPrintInfo());
}

void CRelatedItemsPanel::ShowMealPlanNutrition(CWnd* pForm, const MenuListItem* pMealPlan)
{
    if (pMealPlan == nullptr)
        return;
    HideCurrent();
    s_choice.mode = kNutrition;
    s_choice.chart = FALSE;
    CTextPageView* pView = MakeTextPage(pForm);
    CMenuData menu;
    menu.m_id = pMealPlan->m_id;
    if (pView != nullptr && GetCurrentDatabase()->LoadMenu(menu) == 0)
        PrintMealPlanNutritionToJob(menu, pView->GetPrintInfo());
}

void CRelatedItemsPanel::ShowRecipeNutritionChart(CWnd* pForm, const CRecordId& recipeId)
{
    HideCurrent();
    s_choice.mode = kNutrition;
    s_choice.chart = TRUE;
    CRecipeData recipe;
    recipe.m_recipeId = recipeId;
    if (GetCurrentDatabase()->ComputeRecipeNutrition(recipe, FALSE, TRUE))
        ShowChart(pForm, *recipe.GetNutrition());
}

void CRelatedItemsPanel::ShowMealPlanNutritionChart(CWnd* pForm, const MenuListItem* pMealPlan)
{
    if (pMealPlan == nullptr || pMealPlan->m_id == 0ul)
        return;
    HideCurrent();
    s_choice.mode = kNutrition;
    s_choice.chart = TRUE;
    CMenuData menu;
    menu.m_id = pMealPlan->m_id;
    if (GetCurrentDatabase()->LoadMenu(menu) == 0 && GetCurrentDatabase()->ComputeMenuNutrition(menu))
        ShowChart(pForm, *menu.GetNutrition());
}

void CRelatedItemsPanel::ShowChart(CWnd* pForm, const NUTRITION& nutrition)
{
    m_pChart = std::make_unique<CNutritionChart>(pForm, m_rect);
    m_pChart->ShowNutrition(nutrition);
}

void CRelatedItemsPanel::ShowBlankNutritionLabel(CWnd* pForm)
{
    HideCurrent();
    s_choice.mode = kNutrition;
    s_choice.chart = FALSE;
    if (CTextPageView* pView = MakeTextPage(pForm))
        PrintBlankNutritionLabelToJob(pView->GetPrintInfo());
}

void CRelatedItemsPanel::ShowPhoto(CWnd* /*pForm*/, int index)
{
    const RelatedLink* pLink = m_photoLinks.GetLinkAt(index);
    if (pLink == nullptr)
        return;
    HideCurrent();
    if (pLink->m_type != 'P')
        return;
    s_choice.mode = kPhoto;
    m_pictureFile = pLink->m_content;
    ShowPicture();
}

void CRelatedItemsPanel::ShowInformation(CWnd* pForm, int index)
{
    if (index < 0 || index >= m_informationCount || m_informationTexts[index].IsEmpty())
        return;
    HideCurrent();
    s_choice.mode = kInformation;
    if (MakeTextPage(pForm) != nullptr)
        WriteText(m_informationTexts[index]);
}

void CRelatedItemsPanel::OnInformationButton(CWnd* pForm, CWnd* pButton)
{
    TrackPageMenu(m_informationMenu, m_informationCount, ID_PANEL_INFORMATION, pForm, pButton);
}

void CRelatedItemsPanel::OnPhotoButton(CWnd* pForm, CWnd* pButton)
{
    TrackPageMenu(m_photoMenu, m_photoCount, ID_PANEL_PHOTO, pForm, pButton);
}

// A single entry needs no choosing.
void CRelatedItemsPanel::TrackPageMenu(CMenu& menu, int count, UINT firstCommand, CWnd* pForm, CWnd* pButton)
{
    if (count == 1)
    {
        pForm->PostMessage(WM_COMMAND, firstCommand, 0);
        return;
    }
    if (count < 1 || menu.GetSafeHmenu() == nullptr)
        return;
    RECT button{};
    pButton->GetWindowRect(&button);
    TrackPopupAndPost(menu, button.right, button.top, pForm);
}

void CRelatedItemsPanel::OnNutritionButton(CWnd* pForm)
{
    pForm->SendMessage(WM_COMMAND, ID_PANEL_NUTRITION, 0);
}

void CRelatedItemsPanel::BuildItemMenu(CMenu& menu, CRatingMenu& rating, long context) const
{
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_FORM_ADD_TO_MEAL_PLAN, LoadText(IDS_ADD_TO_MEAL_PLAN));
    menu.AppendMenu(MF_STRING, ID_FORM_ADD_TO_SHOPPING_LIST, LoadText(IDS_ADD_TO_SHOPPING_LIST));
    if (m_kind != kRecipePanel)
        return;
    if (context == kRecipeListContext)
        menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(rating.GetSafeHmenu()), "Assign Rating");
    else
        menu.AppendMenu(MF_STRING, ID_FORM_SERVINGS, LoadText(IDS_NUMBER_OF_SERVINGS));
}

void CRelatedItemsPanel::ShowItemMenu(CWnd* pForm, int x, int y, long context)
{
    CRatingMenu rating;
    CMenu menu;
    BuildItemMenu(menu, rating, context);
    TrackPopupAndPost(menu, x, y, pForm);
    // The rating submenu is destroyed by its own object, not with the menu that held it.
    const int last = menu.GetMenuItemCount() - 1;
    if (menu.GetSubMenu(last) != nullptr)
        menu.RemoveMenu(last, MF_BYPOSITION);
}

void CRelatedItemsPanel::ShowIngredientPanel(CWnd* pOwner)
{
    ShowEditPanel(kIngredientPanel, pOwner);
}

void CRelatedItemsPanel::HideIngredientPanel(CWnd* pForm, const CRecordId& recordId)
{
    HideEditPanel(pForm, recordId);
}

void CRelatedItemsPanel::SetIngredientLine(CIngData* pLine)
{
    if (auto* pPanel = dynamic_cast<CIngredientPanel*>(m_pEditPanel.get()))
        pPanel->SetLine(pLine);
}

void CRelatedItemsPanel::ShowMealPlanItemPanel(CWnd* pOwner)
{
    ShowEditPanel(kMealPlanItemPanel, pOwner);
}

void CRelatedItemsPanel::HideMealPlanItemPanel(CWnd* pForm, const CRecordId& recordId)
{
    HideEditPanel(pForm, recordId);
}

void CRelatedItemsPanel::ShowEditPanel(long mode, CWnd* pOwner)
{
    if (!m_pEditPanel)
        return;
    s_choice.savedMode = s_choice.mode;
    HideCurrent();
    s_choice.mode = mode;
    m_pEditPanel->SetOwner(pOwner);
    m_pEditPanel->GetWindow().ShowWindow(SW_SHOW);
    m_pEditPanel->GetWindow().BringWindowToTop();
}

void CRelatedItemsPanel::HideEditPanel(CWnd* pForm, const CRecordId& recordId)
{
    if (!m_pEditPanel)
        return;
    m_pEditPanel->GetWindow().ShowWindow(SW_HIDE);
    s_choice.mode = s_choice.savedMode;
    ShowCurrent(pForm, recordId);
}
