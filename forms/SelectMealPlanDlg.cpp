#include "forms/SelectMealPlanDlg.h"

#include <windows.h>

#include "database/BrowseState.h"
#include "database/CookbookDatabase.h"
#include "database/CustObArray.h"
#include "database/Item.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/formbase/FormManager.h"
#include "shell/settings/WindowPlacement.h"

namespace {
constexpr UINT kHelpContext = 2033;
}

CSelectMealPlanDlg::CSelectMealPlanDlg(CWnd* pParent) : CMealPlanChoiceDlg(IDD_SELECT_MEAL_PLAN, pParent) {}

BOOL CSelectMealPlanDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_helpContext.Set(kHelpContext);
    CenterWindowOver(this, m_pParentWnd);
    FillPlans(1);
    return TRUE;
}

void CSelectMealPlanDlg::OnOK()
{
    if (!ReadPlan())
        return;
    MakeCurrent(GetChosenId());
    EndDialog(IDOK);
}

// A plan just made is not in the browse state's list yet: it is taken from the cookbook's
// list of meal plans, which the new plan's save refreshed.
void CSelectMealPlanDlg::MakeCurrent(const CRecordId& id)
{
    if (g_pFormManager != nullptr)
        g_pFormManager->SetCurrentMealPlanId(id);
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (g_pBrowseState == nullptr || pDatabase == nullptr)
        return;
    CCustObArray* pList = g_pBrowseState->GetMenuList();
    if (pList == nullptr || WasCreated())
    {
        pList = &pDatabase->GetMenuList();
        g_pBrowseState->SetMenuList(pList);
    }
    for (int i = 0; i < pList->GetSize(); ++i)
    {
        if (pList->GetItemAt(i)->m_id == id)
            pList->SetCurrentIndex(i);
    }
}
