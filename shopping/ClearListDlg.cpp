#include "shopping/ClearListDlg.h"

#include <windows.h>

#include "res/resource.h"

CClearListDlg::CClearListDlg(CWnd* pParent) : CDialog(IDD_CLEAR_SHOPPING_LIST, pParent) {}

BOOL CClearListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CheckRadioButton(IDC_CLEAR_LEAVE_FILE, IDC_CLEAR_REMOVE_FILE, IDC_CLEAR_LEAVE_FILE);
    CenterWindow();
    return TRUE;
}

void CClearListDlg::OnOK()
{
    m_bRemoveFile = IsDlgButtonChecked(IDC_CLEAR_REMOVE_FILE) == BST_CHECKED;
    CDialog::OnOK();
}
