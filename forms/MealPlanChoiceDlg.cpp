#include "forms/MealPlanChoiceDlg.h"

#include <windows.h>

#include "database/CookbookDatabase.h"
#include "database/MenuData.h"
#include "forms/MealPlanCombo.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/controls/DialogControls.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/HelpService.h"
#include "shell/services/MessageUtilities.h"

BEGIN_MESSAGE_MAP(CMealPlanChoiceDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_MEAL_PLAN_NAME, OnPlanSelected)
    ON_CBN_CLOSEUP(IDC_MEAL_PLAN_NAME, OnPlanSelected)
    ON_CBN_EDITUPDATE(IDC_MEAL_PLAN_NAME, OnPlanEditUpdate)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CMealPlanChoiceDlg::CMealPlanChoiceDlg(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_chosenId("000000")
{
}

void CMealPlanChoiceDlg::FillPlans(int nListKey)
{
    m_planCombo.SubclassDlgItem(IDC_MEAL_PLAN_NAME, this);
    const CRecordId current = g_pFormManager != nullptr ? g_pFormManager->GetCurrentMealPlanId() : CRecordId("000000");
    const int nRow = FillMealPlanCombo(m_planCombo, current, nListKey);
    if (nRow >= 0)
        m_planCombo.GetLBText(nRow, m_name);
    m_completionText = m_name;
}

void CMealPlanChoiceDlg::OnPlanSelected()
{
    const int nRow = m_planCombo.GetCurSel();
    if (nRow >= 0)
        m_planCombo.GetLBText(nRow, m_name);
}

void CMealPlanChoiceDlg::OnPlanEditUpdate()
{
    CompleteComboText(m_planCombo.m_hWnd, m_name, m_completionText);
}

BOOL CMealPlanChoiceDlg::ReadPlan()
{
    // What the combo shows, completion included, is the name.
    m_planCombo.GetWindowText(m_name);
    if (m_name.IsEmpty())
    {
        MessageBoxById(m_hWnd, nullptr, IDS_MEAL_PLAN_NAME_NEEDED, MB_ICONEXCLAMATION);
        return FALSE;
    }
    const CRecordId found = GetSelectedMealPlanId(m_planCombo, m_name);
    if (found != "000000")
    {
        if (!AcceptFoundPlan(found))
            return FALSE;
        m_chosenId = found;
        return TRUE;
    }
    if (MessageBoxById(m_hWnd, m_name, IDS_CREATE_MEAL_PLAN, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    return CreatePlan();
}

BOOL CMealPlanChoiceDlg::CreatePlan()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    CMenuData plan;
    plan.m_name = m_name;
    if (pDatabase == nullptr || !pDatabase->SaveMenu(plan, TRUE))
    {
        MessageBoxById(m_hWnd, m_name, IDS_MEAL_PLAN_NOT_CREATED, MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_chosenId = plan.m_id;
    m_bCreated = TRUE;
    return TRUE;
}

void CMealPlanChoiceDlg::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

void CMealPlanChoiceDlg::OnDestroy()
{
    m_helpContext.Restore();
    CWnd::OnDestroy();
}
