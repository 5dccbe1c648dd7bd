#include "forms/MenuEditForm.h"

#include <windows.h>

#include <memory>
#include <utility>

#include "database/CookbookDatabase.h"
#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "forms/AttachCategoriesDlg.h"
#include "forms/AttachRefDlg.h"
#include "forms/MealPlanItemPanel.h"
#include "framework/AfxMessageBox.h"
#include "framework/DC.h"
#include "framework/MessageMap.h"
#include "framework/StandardIds.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/formbase/FormManager.h"
#include "shell/formbase/MenuDoc.h"
#include "shell/services/CurrentDatabase.h"

IMPLEMENT_DYNCREATE(CMenuEditForm, CEditFormView)

BEGIN_MESSAGE_MAP(CMenuEditForm, CEditFormView)
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
    ON_COMMAND(IDC_MENU_EDIT_SAVE, OnSave)
    ON_COMMAND(IDC_MENU_EDIT_CATEGORIES, OnCategories)
    ON_COMMAND(IDC_MENU_EDIT_REFERENCES, OnReferences)
END_MESSAGE_MAP()

CMenuEditForm::CMenuEditForm() : CEditFormView(IDD_MEAL_PLAN_EDIT_FORM), m_header([this] { MarkModified(); }) {}

CMenuEditForm::~CMenuEditForm() = default;

void CMenuEditForm::OnInitialUpdate()
{
    LoadAcceleratorTable(IDR_MEAL_PLAN_EDIT_KEYS);
    ScaleChildFonts();
    SetScrollSizes(MM_TEXT, GetDesignSize());
    CreatePanels();
    AttachButtons();
    g_pFormManager->SetActiveForm(this);
    CEditFormView::OnInitialUpdate();
}

void CMenuEditForm::CreatePanels()
{
    m_related.Create(this, CFormManager::kMealPlanEdit, [this](CWnd* pForm, const RECT& rect) {
        auto pItemPanel = std::make_unique<CMealPlanItemPanel>(pForm, rect);
        m_pItemPanel = pItemPanel.get();
        return std::unique_ptr<CEditPanelSlot>(std::move(pItemPanel));
    });
    m_related.GetPanel().SetColors(m_scheme.GetColour(CListFormScheme::kListBackground),
                                   m_scheme.GetColour(CListFormScheme::kListText));
    CWnd* pArea = GetDlgItem(IDC_MENU_EDIT_HEADER);
    RECT area;
    ::GetWindowRect(pArea->m_hWnd, &area);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&area), 2);
    pArea->ShowWindow(SW_HIDE);
    m_header.Create(this, area);
    m_header.SetItemView(this);
}

void CMenuEditForm::AttachButtons()
{
    AttachBitmapButton(m_back, this, IDC_EDIT_FORM_BACK, "BACKUP", "BACKDN", "BACKUP", "BACKGR");
    AttachBitmapButton(m_save, this, IDC_MENU_EDIT_SAVE, "SAVEUP", "SAVEDN", "SAVEUP", "SAVEGR");
    AttachBitmapButton(m_categories, this, IDC_MENU_EDIT_CATEGORIES, "CATUP", "CATDN", "CATUP", "CATGR");
    AttachBitmapButton(m_references, this, IDC_MENU_EDIT_REFERENCES, "REFUP", "REFDN", "REFUP", "REFGR");
}

void CMenuEditForm::OnUpdate(CView* /*pSender*/, LPARAM /*lHint*/, CObject* /*pHint*/)
{
    m_listItem.Clear();
    m_listItem.m_id = g_pFormManager->GetEditMealPlanId();
    m_nModified = 0;
    if (!OpenListItem())
        return;
    m_listItem.m_name = m_pPlan->m_name;
    m_listItem.m_servings = m_pPlan->m_servings;
    m_header.FocusName();
    LoadRelatedItems();
}

// The pages show the plan as stored, with the references being edited.
void CMenuEditForm::LoadRelatedItems()
{
    m_related.Load(m_pPlan->m_id, &m_pPlan->m_references);
    m_related.GetPageButtons().EnablePages(!m_header.IsItemPanelShown());
}

BOOL CMenuEditForm::OpenListItem()
{
    m_pPlan = static_cast<CMenuDoc*>(GetDocument())->OpenMealPlan(m_listItem.m_id);
    if (m_pPlan == nullptr)
    {
        AfxMessageBox(IDS_MEAL_PLAN_NOT_OPENED, MB_OK);
        return FALSE;
    }
    m_header.LoadMealPlan(m_pPlan);
    return TRUE;
}

// Enter moves down a line as Down does.
BOOL CMenuEditForm::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nId = LOWORD(wParam);
    if (nId >= IDC_TOOL_START && nId <= IDC_TOOL_PRINT)
    {
        OnToolCommand(nId);
        return TRUE;
    }
    if (HIWORD(wParam) <= 1 && OnRelatedItemsCommand(nId))
        return TRUE;
    if (nId != IDOK)
        return CEditFormView::OnCommand(wParam, lParam);
    m_header.LineDown();
    return TRUE;
}

// The pages are covered while the item panel is shown, and their keys do nothing then.
BOOL CMenuEditForm::OnRelatedItemsCommand(UINT nId)
{
    if (CRelatedItemsArea::IsPageCommand(nId) && m_header.IsItemPanelShown())
        return TRUE;
    if (nId != ID_PANEL_NUTRITION && nId != ID_PANEL_NUTRITION_CHART)
        return m_related.OnCommand(nId);
    m_related.GetPageButtons().SelectPage(CPanelPageButtons::kNutritionPage);
    m_related.ShowNutrition(nId, nullptr, &m_listItem);
    return TRUE;
}

// Tab from the list goes into the item panel when it shows an item, and on from its last control
// to the header's first.
void CMenuEditForm::MoveFocus(int step)
{
    if (m_pItemPanel != nullptr && m_pItemPanel->FocusNextControl(step))
        return;
    if (step > 0)
        m_header.FocusNextControl();
    else
        m_header.FocusPreviousControl();
    if (m_pItemPanel != nullptr && m_header.IsItemPanelShown())
        m_pItemPanel->FocusEdge(step);
}

void CMenuEditForm::ShowItemPanel()
{
    m_related.GetPanel().ShowMealPlanItemPanel(&m_header);
    m_related.GetPageButtons().EnablePages(FALSE);
}

// The panel lets go of the item, which the plan may delete while the panel is hidden.
void CMenuEditForm::HideItemPanel()
{
    m_related.GetPanel().HideMealPlanItemPanel(this, m_pPlan != nullptr ? m_pPlan->m_id : CRecordId());
    m_related.GetPageButtons().EnablePages(TRUE);
    LoadItem(nullptr);
}

void CMenuEditForm::LoadItem(CMenuItem* pItem)
{
    if (m_pItemPanel != nullptr)
        m_pItemPanel->SetItem(pItem);
}

// The modified flag stays set until the cookbook holds the plan: a refused save keeps the
// changes and the question before leaving.
int CMenuEditForm::SaveMealPlan()
{
    if (m_nModified == 0 || m_pPlan == nullptr)
        return kNotSaved;
    m_header.StoreFields();
    if (m_pPlan->m_name.IsEmpty())
    {
        AfxMessageBox(IDS_MEAL_PLAN_NEEDS_NAME, MB_OK);
        return kNotSaved;
    }
    RemoveEmptyItems();
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    const BOOL saved = pDatabase != nullptr && (m_pPlan->m_id.GetNumber() == 0 ? pDatabase->SaveMenu(*m_pPlan, TRUE)
                                                                               : pDatabase->RewriteMenu(*m_pPlan));
    m_header.LoadMealPlan(m_pPlan);
    if (!saved)
    {
        AfxMessageBox(IDS_MEAL_PLAN_NOT_SAVED, MB_OK);
        return kNotSaved;
    }
    m_nModified = 0;
    return kSaved;
}

void CMenuEditForm::RemoveEmptyItems()
{
    CObList& items = m_pPlan->m_items;
    for (POSITION at = items.GetHeadPosition(); at != nullptr;)
    {
        const POSITION current = at;
        auto* pItem = static_cast<CMenuItem*>(items.GetNext(at));
        if (!pItem->m_text.IsEmpty())
            continue;
        items.RemoveAt(current);
        delete pItem;
    }
}

void CMenuEditForm::OnSave()
{
    if (SaveMealPlan() != kSaved)
        return;
    m_listItem.m_id = m_pPlan->m_id;
    m_listItem.m_name = m_pPlan->m_name;
    m_listItem.m_servings = m_pPlan->m_servings;
    if (OpenListItem())
        LoadRelatedItems();
}

void CMenuEditForm::OnCategories()
{
    if (m_pPlan == nullptr)
        return;
    CAttachCategoriesDlg dialog(this, CAttachCategoriesDlg::kMealPlan);
    dialog.SetMealPlan(m_pPlan);
    if (dialog.DoModal() == IDOK && dialog.IsChanged())
        MarkModified();
}

void CMenuEditForm::OnReferences()
{
    if (m_pPlan == nullptr)
        return;
    CAttachRefDlg dialog(this, TRUE);
    dialog.SetMealPlan(m_pPlan);
    if (dialog.DoModal() == IDC_ATTACH_CLOSE && dialog.IsModified())
        MarkModified();
}

HBRUSH CMenuEditForm::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC)
    {
        ::SetBkMode(pDC->m_hDC, TRANSPARENT);
        return m_scheme.GetBackgroundBrush();
    }
    if (nCtlColor == CTLCOLOR_DLG && pWnd != nullptr && pWnd->m_hWnd == m_hWnd)
        return m_scheme.GetBackgroundBrush();
    return CEditFormView::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CMenuEditForm::OnDestroy()
{
    m_header.DestroyWindow();
    CEditFormView::OnDestroy();
}
