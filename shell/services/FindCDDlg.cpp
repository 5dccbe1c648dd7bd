#include "shell/services/FindCDDlg.h"

#include <windows.h>

#include "res/resource.h"
#include "shell/settings/WindowPlacement.h"

CFindCDDlg::CFindCDDlg(CWnd* pParent) : CDialog(IDD_FIND_CD, pParent) {}

BOOL CFindCDDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ListCdDrives();
    CenterWindowOver(this, m_pParentWnd);
    return TRUE;
}

// The drives in the order the system lists them; a list longer than the buffer offers none.
void CFindCDDlg::ListCdDrives()
{
    char roots[260];
    const DWORD length = ::GetLogicalDriveStringsA(sizeof roots, roots);
    if (length == 0 || length >= sizeof roots)
        return;
    for (const char* pRoot = roots; *pRoot != '\0'; pRoot += lstrlenA(pRoot) + 1)
    {
        if (::GetDriveTypeA(pRoot) != DRIVE_CDROM)
            continue;
        const char letter[2] = {pRoot[0], '\0'};
        SendDlgItemMessage(IDC_FIND_CD_DRIVE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(letter));
    }
}

void CFindCDDlg::OnOK()
{
    CString text;
    GetDlgItemText(IDC_FIND_CD_DRIVE, text);
    m_driveLetter = text.Left(1);
    EndDialog(IDOK);
}
