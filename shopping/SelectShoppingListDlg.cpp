#include "shopping/SelectShoppingListDlg.h"

#include <windows.h>

#include <cstdio>

#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/services/DiskSpace.h"
#include "shell/services/MessageUtilities.h"
#include "shopping/ListNameCombo.h"
#include "shopping/ShopMgr.h"

namespace {

constexpr UINT kChooseHelpContext = 2043;
constexpr UINT kAddHelpContext = 2044;

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(CSelectShoppingListDlg, CShoppingDialog)
    ON_CBN_EDITUPDATE(IDC_SHOPPING_LIST_NAME, OnNameTyped)
    ON_CBN_SELCHANGE(IDC_SHOPPING_LIST_NAME, OnNameChosen)
    ON_CBN_CLOSEUP(IDC_SHOPPING_LIST_NAME, OnNameChosen)
END_MESSAGE_MAP()

CSelectShoppingListDlg::CSelectShoppingListDlg(CWnd* pParent) : CShoppingDialog(IDD_SELECT_SHOPPING_LIST, pParent) {}

UINT CSelectShoppingListDlg::HelpContextId() const
{
    return m_mode == kChoose ? kChooseHelpContext : kAddHelpContext;
}

BOOL CSelectShoppingListDlg::OnInitDialog()
{
    CShoppingDialog::OnInitDialog();
    m_names.SubclassDlgItem(IDC_SHOPPING_LIST_NAME, this);
    ShowPrompt();
    FillNames();
    return TRUE;
}

void CSelectShoppingListDlg::ShowPrompt()
{
    const int nShow = m_mode == kChoose ? SW_HIDE : SW_SHOW;
    GetDlgItem(IDC_SHOPPING_LIST_PROMPT)->ShowWindow(nShow);
    GetDlgItem(IDC_SHOPPING_LIST_PROMPT2)->ShowWindow(nShow);
    if (m_mode == kChoose)
        return;
    const UINT nPromptId = m_mode == kAddRecipe     ? IDS_SHOPPING_LIST_PROMPT_RECIPE
                           : m_mode == kAddMealPlan ? IDS_SHOPPING_LIST_PROMPT_MEAL_PLAN
                                                    : IDS_SHOPPING_LIST_PROMPT_DAYS;
    CString prompt = LoadText(nPromptId);
    if (!m_itemName.IsEmpty())
        prompt.Format(LoadText(nPromptId), m_itemName.GetString());
    SetDlgItemText(IDC_SHOPPING_LIST_PROMPT, prompt);
}

void CSelectShoppingListDlg::FillNames()
{
    FillListNameCombo(m_names, g_pShopMgr->GetListName());
    m_listName = g_pShopMgr->GetListName();
}

void CSelectShoppingListDlg::OnNameTyped()
{
    CheckTypedListName(m_names);
    CompleteComboText(m_names.m_hWnd, m_listName, m_lastTyped);
}

void CSelectShoppingListDlg::OnNameChosen()
{
    const int nRow = m_names.GetCurSel();
    if (nRow >= 0)
        m_names.GetLBText(nRow, m_listName);
}

void CSelectShoppingListDlg::OnOK()
{
    if (m_listName.IsEmpty())
    {
        MessageBoxById(m_hWnd, nullptr, IDS_SHOPPING_NAME_NEEDED, MB_ICONEXCLAMATION);
        return;
    }
    const BOOL bExists = m_names.FindStringExact(-1, m_listName) != CB_ERR;
    if (bExists ? !g_pShopMgr->OpenShoppingList(m_listName) : !CreateList(m_listName))
        return;
    if (IsAlreadyOnList() &&
        MessageBoxById(m_hWnd, m_itemName, IDS_ALREADY_ON_SHOPPING_LIST, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    EndDialog(IDOK);
}

BOOL CSelectShoppingListDlg::CreateList(CString name)
{
    name.Trim();
    if (!IsValidFileName(name))
    {
        CShopMgr::ShowNameRefusal(name);
        return FALSE;
    }
    if (MessageBoxById(m_hWnd, name, IDS_CREATE_SHOPPING_LIST, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    m_listName = name;
    // A list without a file opens empty but reports that it read nothing; a list that could not
    // be left keeps its own name, and must not be saved under the new one.
    g_pShopMgr->OpenShoppingList(name);
    return g_pShopMgr->GetListName() == name && g_pShopMgr->SetShoppingFileName(name) && g_pShopMgr->SaveShoppingList();
}

BOOL CSelectShoppingListDlg::IsAlreadyOnList() const
{
    switch (m_mode)
    {
    case kAddRecipe: return g_pShopMgr->HasRecipe(m_recipeId);
    case kAddMealPlan: return g_pShopMgr->HasMealPlan(m_mealPlanKey);
    default: return FALSE;
    }
}
