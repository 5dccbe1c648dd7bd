#include "forms/RecipeListEditDlg.h"

#include <windows.h>

#include "database/BrowseState.h"
#include "database/RecipeListItem.h"
#include "framework/MessageMap.h"
#include "res/resource.h"
#include "shell/services/HelpService.h"

namespace {

const UINT kHelpContext = 2012;

}  // namespace

BEGIN_MESSAGE_MAP(CRecipeListEditDlg, CDialog)
    ON_LBN_SELCHANGE(IDC_SPECIALS_EDIT_LIST, OnSelectionChange)
    ON_BN_CLICKED(IDC_SPECIALS_REMOVE, OnRemove)
    ON_BN_CLICKED(IDC_SPECIALS_CLEAR, OnClear)
    ON_BN_CLICKED(IDC_SPECIALS_HELP, OnHelpButton)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CRecipeListEditDlg::CRecipeListEditDlg(CWnd* pParent) : CDialog(IDD_SPECIALS_EDIT, pParent) {}

BOOL CRecipeListEditDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_helpContext.Set(kHelpContext);
    GetDlgItem(IDC_SPECIALS_REMOVE)->EnableWindow(FALSE);
    m_list.SubclassDlgItem(IDC_SPECIALS_EDIT_LIST, this);
    m_recipes = *g_pBrowseState->GetSecondList();
    for (int i = 0; i < m_recipes.GetSize(); ++i)
        m_list.AddString(m_recipes.GetRecipeAt(i)->m_name);
    m_list.SetFocus();
    CenterWindow();
    return FALSE;
}

void CRecipeListEditDlg::EnableRemove()
{
    GetDlgItem(IDC_SPECIALS_REMOVE)->EnableWindow(m_list.GetCurSel() >= 0);
}

void CRecipeListEditDlg::OnSelectionChange()
{
    EnableRemove();
}

void CRecipeListEditDlg::OnRemove()
{
    const int row = m_list.GetCurSel();
    if (row >= 0 && row < m_recipes.GetSize())
    {
        delete m_recipes.GetAt(row);
        m_recipes.RemoveAt(row);
        m_list.DeleteString(static_cast<UINT>(row));
    }
    EnableRemove();
    m_list.SetFocus();
}

void CRecipeListEditDlg::OnClear()
{
    m_recipes.DeleteAll();
    m_list.ResetContent();
    GetDlgItem(IDC_SPECIALS_REMOVE)->EnableWindow(FALSE);
    GetDlgItem(IDC_SPECIALS_CLEAR)->EnableWindow(FALSE);
    m_list.SetFocus();
}

void CRecipeListEditDlg::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

void CRecipeListEditDlg::OnOK()
{
    g_pBrowseState->StoreSpecialsList(m_recipes);
    CDialog::OnOK();
}

void CRecipeListEditDlg::OnDestroy()
{
    m_helpContext.Restore();
    CDialog::OnDestroy();
}
