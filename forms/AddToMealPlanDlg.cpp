#include "forms/AddToMealPlanDlg.h"

#include <windows.h>
#include <commctrl.h>

#include "framework/AfxMessageBox.h"
#include "framework/StringArray.h"
#include "res/resource.h"
#include "shell/settings/AppSettings.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/MessageUtilities.h"

namespace {
constexpr int kLastDay = 30;
constexpr UINT kHelpContext = 2030;
}  // namespace

WORD CAddToMealPlanDlg::s_lastDay = 0;
WORD CAddToMealPlanDlg::s_lastMeal = 0;

BEGIN_MESSAGE_MAP(CAddToMealPlanDlg, CMealPlanChoiceDlg)
    ON_CBN_SELCHANGE(IDC_MEAL_PLAN_MEAL, OnMealChosen)
    ON_CBN_CLOSEUP(IDC_MEAL_PLAN_MEAL, OnMealChosen)
    ON_EN_CHANGE(IDC_MEAL_PLAN_DAY, OnDayChange)
    ON_NOTIFY(UDN_DELTAPOS, IDC_MEAL_PLAN_DAY_SPIN, OnSpinDeltaPos)
END_MESSAGE_MAP()

CAddToMealPlanDlg::CAddToMealPlanDlg(CMenuItem& item, CWnd* pParent)
    : CMealPlanChoiceDlg(IDD_ADD_TO_MEAL_PLAN, pParent), m_item(item)
{
}

BOOL CAddToMealPlanDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_helpContext.Set(kHelpContext);
    CString added;
    added.LoadString(IDS_WILL_BE_ADDED_TO_MEAL_PLAN);
    SetDlgItemText(IDC_MEAL_PLAN_ITEM, m_item.m_text + added);
    FillPlans(0);
    m_item.m_day = s_lastDay;
    m_item.m_meal = s_lastMeal;
    m_dayEdit.Attach(IDC_MEAL_PLAN_DAY, this, CNumericSpinEdit::kDigits);
    m_dayEdit.SetRange(0, kLastDay);
    SetDlgItemInt(IDC_MEAL_PLAN_DAY, s_lastDay, FALSE);
    FillMeals();
    if (m_item.m_type == "M")
        GetDlgItem(IDC_MEAL_PLAN_MEAL)->EnableWindow(FALSE);
    return TRUE;
}

void CAddToMealPlanDlg::FillMeals()
{
    if (g_pAppSettings == nullptr)
        return;
    const CStringArray& meals = g_pAppSettings->GetMealNames();
    for (int i = 0; i < meals.GetSize(); ++i)
        SendDlgItemMessage(IDC_MEAL_PLAN_MEAL, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(static_cast<LPCSTR>(meals[i])));
    SendDlgItemMessage(IDC_MEAL_PLAN_MEAL, CB_SETCURSEL, s_lastMeal);
}

void CAddToMealPlanDlg::OnMealChosen()
{
    const LRESULT nRow = SendDlgItemMessage(IDC_MEAL_PLAN_MEAL, CB_GETCURSEL);
    if (nRow >= 0)
        m_item.m_meal = static_cast<WORD>(nRow);
}

void CAddToMealPlanDlg::OnDayChange()
{
    BOOL bNumber = FALSE;
    const int nDay = static_cast<int>(GetDlgItemInt(IDC_MEAL_PLAN_DAY, &bNumber, TRUE));
    if (bNumber && nDay >= 0 && nDay <= kLastDay)
    {
        m_item.m_day = static_cast<WORD>(nDay);
        return;
    }
    MessageBoxById(m_hWnd, nullptr, IDS_DAY_OUT_OF_RANGE, MB_ICONEXCLAMATION);
    SetDlgItemInt(IDC_MEAL_PLAN_DAY, kLastDay, FALSE);
    m_dayEdit.SetSel(0, -1);
}

void CAddToMealPlanDlg::OnSpinDeltaPos(NMHDR* pHeader, LRESULT* pResult)
{
    m_dayEdit.SpinFromUpDown(pHeader, pResult);
}

BOOL CAddToMealPlanDlg::AcceptFoundPlan(const CRecordId& id)
{
    if (m_item.m_type != "M" || id != m_item.m_itemId)
        return TRUE;
    CString itself;
    itself.LoadString(IDS_MEAL_PLAN_INTO_ITSELF);
    AfxMessageBox(m_item.m_text + itself, MB_ICONEXCLAMATION);
    return FALSE;
}

void CAddToMealPlanDlg::OnOK()
{
    if (!ReadPlan())
        return;
    if (g_pFormManager != nullptr)
        g_pFormManager->SetCurrentMealPlanId(GetChosenId());
    s_lastMeal = m_item.m_meal;
    s_lastDay = m_item.m_day;
    EndDialog(IDOK);
}
