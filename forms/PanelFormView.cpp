#include "forms/PanelFormView.h"

#include <windows.h>

#include "database/CookbookDatabase.h"
#include "database/MenuListItem.h"
#include "database/RecipeListItem.h"
#include "database/RecordId.h"
#include "forms/RelatedLink.h"
#include "framework/MessageMap.h"
#include "framework/StandardIds.h"
#include "framework/StringArray.h"
#include "res/resource.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/HelpService.h"

IMPLEMENT_DYNAMIC(CPanelFormView, CBVFormView)

BEGIN_MESSAGE_MAP(CPanelFormView, CBVFormView)
    ON_WM_RBUTTONDOWN()
    ON_COMMAND(ID_CONTEXT_HELP, OnHelp)
    ON_COMMAND(IDC_PAGE_NUTRITION, OnNutritionButton)
    ON_COMMAND(IDC_PAGE_PHOTO, OnPhotoButton)
    ON_COMMAND(IDC_PAGE_INFORMATION, OnInformationButton)
    ON_COMMAND_RANGE(ID_PANEL_INFORMATION, ID_PANEL_INFORMATION_LAST, OnInformation)
    ON_COMMAND_RANGE(ID_PANEL_PHOTO, ID_PANEL_PHOTO_LAST, OnPhoto)
    ON_COMMAND_RANGE(ID_RELATED_LINK, ID_RELATED_LINK_LAST, OnRelatedLink)
END_MESSAGE_MAP()

CPanelFormView::CPanelFormView(UINT nIDTemplate) : CBVFormView(nIDTemplate) {}

// The panel sends its nutrition page request and waits for it to be shown.
LRESULT CPanelFormView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && (LOWORD(wParam) == ID_PANEL_NUTRITION || LOWORD(wParam) == ID_PANEL_NUTRITION_CHART))
    {
        m_pageButtons.SelectPage(CPanelPageButtons::kNutritionPage);
        ShowNutritionPage(LOWORD(wParam) == ID_PANEL_NUTRITION_CHART);
        return 1;
    }
    return CBVFormView::WindowProc(message, wParam, lParam);
}

void CPanelFormView::AttachPanel(long view, COLORREF first, COLORREF second)
{
    m_pageButtons.Attach(this);
    m_panel.Create(this, view);
    m_panel.SetColors(first, second);
}

void CPanelFormView::LoadPanel(const CRecordId& recordId)
{
    long available = 0;
    BOOL hasLinks = FALSE;
    m_panel.LoadRecord(this, recordId, nullptr, available, hasLinks);
    m_pageButtons.Update(available, CRelatedItemsPanel::GetDisplayMode());
    if (CBVFormView* pToolForm = g_pFormManager->GetToolForm())
        pToolForm->EnableRelated(hasLinks);
}

int CPanelFormView::GetRelatedItemNames(CStringArray& names) const
{
    const RelatedLinkArray& links = m_panel.GetLinks();
    for (int i = 0; i < links.GetSize(); ++i)
        names.Add(links.GetLinkAt(i)->m_text);
    return static_cast<int>(names.GetSize());
}

void CPanelFormView::OnRButtonDown(UINT, CPoint point)
{
    ClientToScreen(&point);
    m_panel.ShowItemMenu(this, point.x, point.y, GetItemMenuContext());
}

void CPanelFormView::OnHelp()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

void CPanelFormView::OnNutritionButton()
{
    m_pageButtons.SelectPage(CPanelPageButtons::kNutritionPage);
    m_panel.OnNutritionButton(this);
}

void CPanelFormView::OnPhotoButton()
{
    m_panel.OnPhotoButton(this, GetDlgItem(IDC_PAGE_PHOTO));
}

void CPanelFormView::OnInformationButton()
{
    m_panel.OnInformationButton(this, GetDlgItem(IDC_PAGE_INFORMATION));
}

void CPanelFormView::OnInformation(UINT nId)
{
    m_pageButtons.SelectPage(CPanelPageButtons::kInformationPage);
    m_panel.ShowInformation(this, static_cast<int>(nId - ID_PANEL_INFORMATION));
}

void CPanelFormView::OnPhoto(UINT nId)
{
    m_pageButtons.SelectPage(CPanelPageButtons::kPhotoPage);
    m_panel.ShowPhoto(this, static_cast<int>(nId - ID_PANEL_PHOTO));
}

// A recipe link opens the recipe, a meal-plan link the meal plan; a link without a target
// does nothing.
void CPanelFormView::OnRelatedLink(UINT nId)
{
    const RelatedLink* pLink = m_panel.GetLinkAt(static_cast<int>(nId - ID_RELATED_LINK));
    if (pLink == nullptr || pLink->m_content.IsEmpty())
        return;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pLink->m_type == 'M')
    {
        if (const MenuListItem* pPlan = pDatabase->FindMenu(pLink->m_content, 0))
        {
            g_pFormManager->SetEditMealPlanId(pPlan->m_id);
            g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kMealPlanFromLink,
                                     static_cast<long>(pPlan->m_id.GetNumber()));
        }
        return;
    }
    if (pLink->m_type != 'R')
        return;
    CRecipeListItem recipe;
    recipe.m_name = pLink->m_content;
    if (pDatabase->ReadRecipeListItem(&recipe, 0) != 0)
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kRecipeFromLink,
                                 static_cast<long>(recipe.m_id.GetNumber()));
}
