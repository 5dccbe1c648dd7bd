#include "forms/MenuEditForm.h"

#include <windows.h>

#include "database/CookbookDatabase.h"
#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "forms/AttachCategoriesDlg.h"
#include "forms/AttachRefDlg.h"
#include "framework/AfxMessageBox.h"
#include "framework/DC.h"
#include "framework/MessageMap.h"
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
    CreateHeaderPanel();
    AttachBitmapButton(m_back, this, IDC_MENU_EDIT_BACK, "BACKUP", "BACKDN", "BACKUP", "BACKGR");
    g_pFormManager->SetActiveForm(this);
    CEditFormView::OnInitialUpdate();
}

void CMenuEditForm::CreateHeaderPanel()
{
    CWnd* pArea = GetDlgItem(IDC_MENU_EDIT_HEADER);
    RECT area;
    ::GetWindowRect(pArea->m_hWnd, &area);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&area), 2);
    pArea->ShowWindow(SW_HIDE);
    m_header.Create(this, area);
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
    if (LOWORD(wParam) != IDOK)
        return CEditFormView::OnCommand(wParam, lParam);
    m_header.LineDown();
    return TRUE;
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
    OpenListItem();
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
