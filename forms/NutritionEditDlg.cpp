#include "forms/NutritionEditDlg.h"

#include <windows.h>

#include <cstdio>

#include "database/RecipeData.h"
#include "forms/NutrientFields.h"
#include "framework/DataExchange.h"
#include "framework/String.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/settings/WindowPlacement.h"

namespace {

constexpr auto kAmountFields = NutrientFields(IDC_NUTRITION_CALCIUM, IDC_NUTRITION_SUGARS);

void ShowWholeNumber(CWnd* pDialog, int nId, float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.0lf", static_cast<double>(value));
    pDialog->SetDlgItemText(nId, text);
}

}  // namespace

CNutritionEditDlg::CNutritionEditDlg(CRecipeData* pRecipe, CWnd* pParent)
    : CDialog(IDD_NUTRITION_EDIT, pParent), m_pRecipe(pRecipe)
{
}

BOOL CNutritionEditDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString caption;
    caption.LoadString(IDS_EDIT_RECIPE_NUTRITION);
    SetWindowText(caption);
    ApplyDialogFont(this);
    if (m_pRecipe != nullptr)
    {
        m_profile = *m_pRecipe->GetNutrition();
        SetDlgItemText(IDC_NUTRITION_RECIPE_NAME, m_pRecipe->m_title);
    }
    ShowProfile();
    CenterWindowOver(this, AfxGetMainWnd());
    return TRUE;
}

void CNutritionEditDlg::ShowProfile()
{
    ShowWholeNumber(this, IDC_NUTRITION_CALORIES, m_profile.m_calories);
    for (const NutrientField& field : kAmountFields)
        ShowWholeNumber(this, field.nId, m_profile.m_amount[field.amount]);
    CheckDlgButton(IDC_NUTRITION_KEEP_VALUES, m_profile.m_caloriesFixed ? BST_CHECKED : BST_UNCHECKED);
}

void CNutritionEditDlg::DoDataExchange(CDataExchange* pDX)
{
    // The fields are shown rounded, which the exchange of numbers would not do.
    if (!pDX->m_bSaveAndValidate)
        return;
    DDX_Text(pDX, IDC_NUTRITION_CALORIES, m_profile.m_calories);
    for (const NutrientField& field : kAmountFields)
        DDX_Text(pDX, field.nId, m_profile.m_amount[field.amount]);
    m_profile.m_caloriesFixed = IsDlgButtonChecked(IDC_NUTRITION_KEEP_VALUES) == BST_CHECKED;
}

void CNutritionEditDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_profile.Recalculate();
    if (m_pRecipe != nullptr)
        m_pRecipe->SetNutrition(&m_profile);
    EndDialog(IDOK);
}
