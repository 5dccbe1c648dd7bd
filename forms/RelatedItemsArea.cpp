#include "forms/RelatedItemsArea.h"

#include "database/CookbookDatabase.h"
#include "database/MenuListItem.h"
#include "database/RecipeListItem.h"
#include "forms/RelatedLink.h"
#include "framework/StringArray.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "shell/formbase/BVFormView.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/CurrentDatabase.h"

void CRelatedItemsArea::Create(CWnd* pForm, long view, const EditPanelFactory& makeEditPanel)
{
    m_pForm = pForm;
    m_pageButtons.Attach(pForm);
    m_panel.Create(pForm, view, makeEditPanel);
}

void CRelatedItemsArea::Load(const CRecordId& recordId, const CRefItemArray* pReferences)
{
    long available = 0;
    BOOL hasLinks = FALSE;
    m_panel.LoadRecord(m_pForm, recordId, pReferences, available, hasLinks);
    m_pageButtons.Update(available, CRelatedItemsPanel::GetDisplayMode());
    if (CBVFormView* pToolForm = g_pFormManager->GetToolForm())
        pToolForm->EnableRelated(hasLinks);
}

BOOL CRelatedItemsArea::OnCommand(UINT nId)
{
    if (nId == IDC_PAGE_NUTRITION)
    {
        m_pageButtons.SelectPage(CPanelPageButtons::kNutritionPage);
        m_panel.OnNutritionButton(m_pForm);
    }
    else if (nId == IDC_PAGE_PHOTO)
        m_panel.OnPhotoButton(m_pForm, m_pForm->GetDlgItem(IDC_PAGE_PHOTO));
    else if (nId == IDC_PAGE_INFORMATION)
        m_panel.OnInformationButton(m_pForm, m_pForm->GetDlgItem(IDC_PAGE_INFORMATION));
    else if (nId >= ID_PANEL_INFORMATION && nId <= ID_PANEL_INFORMATION_LAST)
    {
        m_pageButtons.SelectPage(CPanelPageButtons::kInformationPage);
        m_panel.ShowInformation(m_pForm, static_cast<int>(nId - ID_PANEL_INFORMATION));
    }
    else if (nId >= ID_PANEL_PHOTO && nId <= ID_PANEL_PHOTO_LAST)
    {
        m_pageButtons.SelectPage(CPanelPageButtons::kPhotoPage);
        m_panel.ShowPhoto(m_pForm, static_cast<int>(nId - ID_PANEL_PHOTO));
    }
    else if (nId >= ID_RELATED_LINK && nId <= ID_RELATED_LINK_LAST)
        FollowLink(static_cast<int>(nId - ID_RELATED_LINK));
    else
        return FALSE;
    return TRUE;
}

void CRelatedItemsArea::ShowNutrition(UINT nId, const CRecordId* pRecipeId, const MenuListItem* pMealPlan)
{
    const BOOL bChart = nId == ID_PANEL_NUTRITION_CHART;
    if (pRecipeId != nullptr && bChart)
        m_panel.ShowRecipeNutritionChart(m_pForm, *pRecipeId);
    else if (pRecipeId != nullptr)
        m_panel.ShowRecipeNutrition(m_pForm, *pRecipeId);
    else if (bChart)
        m_panel.ShowMealPlanNutritionChart(m_pForm, pMealPlan);
    else
        m_panel.ShowMealPlanNutrition(m_pForm, pMealPlan);
}

int CRelatedItemsArea::GetRelatedItemNames(CStringArray& names) const
{
    const RelatedLinkArray& links = m_panel.GetLinks();
    for (int i = 0; i < links.GetSize(); ++i)
        names.Add(links.GetLinkAt(i)->m_text);
    return static_cast<int>(names.GetSize());
}

// A meal plan opens by its place in the cookbook's list, a recipe by its number.
void CRelatedItemsArea::FollowLink(int index)
{
    const RelatedLink* pLink = m_panel.GetLinkAt(index);
    if (pLink == nullptr || pLink->m_content.IsEmpty())
        return;
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pLink->m_type == 'M')
    {
        if (const MenuListItem* pPlan = pDatabase->FindMenu(pLink->m_content, 0))
        {
            g_pFormManager->SetEditMealPlanId(pPlan->m_id);
            g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kMealPlanFromLink, pPlan->m_value);
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
