#include "shopping/ShoppingDialog.h"

#include <windows.h>

#include "res/resource.h"
#include "shell/services/HelpService.h"
#include "shell/settings/WindowPlacement.h"

BEGIN_MESSAGE_MAP(CShoppingDialog, CDialog)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CShoppingDialog::CShoppingDialog(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

BOOL CShoppingDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nPreviousHelpContext = SetHelpContext(HelpContextId());
    ApplyDialogFont(this);
    CenterWindowOver(this, m_pParentWnd);
    return TRUE;
}

void CShoppingDialog::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, GetHelpContext(), IDS_HELP_FILE);
}

void CShoppingDialog::OnDestroy()
{
    SetHelpContext(m_nPreviousHelpContext);
    CWnd::OnDestroy();
}
