#include "shell/app/SetDirectoriesDlg.h"

#include <windows.h>

#include "framework/AfxMessageBox.h"
#include "framework/String.h"
#include "res/resource.h"
#include "shell/services/CurrentCookbook.h"
#include "shell/services/HelpService.h"
#include "shell/settings/CookbookDirectory.h"
#include "shell/settings/SettingsFile.h"
#include "shell/settings/WindowPlacement.h"

BEGIN_MESSAGE_MAP(CSetDirectoriesDlg, CDialog)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
END_MESSAGE_MAP()

CSetDirectoriesDlg::CSetDirectoriesDlg(CWnd* pParent) : CDialog(IDD_SET_DIRECTORIES, pParent) {}

BOOL CSetDirectoriesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindowOver(this, GetOwner());
    m_mediaEdit.SubclassDlgItem(IDC_MEDIA_DIRECTORY, this);
    m_cookbookEdit.SubclassDlgItem(IDC_COOKBOOK_DIRECTORY, this);
    m_mediaEdit.SetWindowText(ShownMediaDirectory());
    // The folder in effect: reading the settings again would give an empty field (and forget the
    // folder) while none was ever saved.
    CString cookbooks = CCookbookDirectory().GetDatabaseDirectory(FALSE);
    StripTrailingBackslash(cookbooks);
    m_cookbookEdit.SetWindowText(cookbooks);
    return TRUE;
}

// Until a media folder is set, photos are looked for beside the cookbook: that folder is shown.
CString CSetDirectoriesDlg::ShownMediaDirectory()
{
    CSettingsFile settings;
    CString media;
    settings.ReadCurrentCookbookSetting(IDS_KEY_MEDIAPATH, media);
    if (media.IsEmpty())
        settings.GetDataPathSetting(media);
    StripTrailingBackslash(media);
    return media;
}

void CSetDirectoriesDlg::OnOK()
{
    CString media;
    m_mediaEdit.GetWindowText(media);
    if (media.IsEmpty())
    {
        AfxMessageBox(IDS_NO_PATH, MB_ICONEXCLAMATION);
        return;
    }
    StripTrailingBackslash(media);
    if (!DirectoryExists(media, IDS_MEDIA_DIR_INVALID))
        return;
    CString cookbooks;
    m_cookbookEdit.GetWindowText(cookbooks);
    StripTrailingBackslash(cookbooks);
    if (!DirectoryExists(cookbooks, IDS_COOKBOOK_DIR_INVALID))
        return;
    if (!CCookbookDirectory().SetDatabaseDirectory(cookbooks, TRUE))
        return;
    CSettingsFile().WriteCurrentCookbookSetting(IDS_KEY_MEDIAPATH, media);
    EndDialog(IDOK);
}

void CSetDirectoriesDlg::OnHelpButton()
{
    ShowHelp(HELP_FINDER, 0, IDS_HELP_FILE);
}

void CSetDirectoriesDlg::StripTrailingBackslash(CString& path)
{
    if (!path.IsEmpty() && path[path.GetLength() - 1] == '\\')
        path = path.Left(path.GetLength() - 1);
}

BOOL CSetDirectoriesDlg::DirectoryExists(const CString& path, UINT nMessageId)
{
    const DWORD attributes = ::GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return TRUE;
    AfxMessageBox(nMessageId, MB_ICONEXCLAMATION);
    return FALSE;
}
