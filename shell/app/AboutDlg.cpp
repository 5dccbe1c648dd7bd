#include "shell/app/AboutDlg.h"

#include "res/resource.h"
#include "shell/settings/WindowPlacement.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUT) {}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_ABOUT_BUILD_DATE, "Feb 26 1996");
    CenterWindowOver(this, nullptr);
    return TRUE;
}
