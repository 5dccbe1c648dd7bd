#include "shell/services/NewDatabase.h"

#include <windows.h>

#include <memory>

#include "database/BusyNotice.h"
#include "database/OdbcSetup.h"
#include "res/resource.h"
#include "framework/WinApp.h"
#include "shell/services/FindCDDlg.h"
#include "shell/services/PhotoCopy.h"
#include "shell/services/PlainMessageBox.h"

IMPLEMENT_DYNAMIC(CNewDatabase, CObject)

BOOL CNewDatabase::Create(const CString& dataSourceName, const CString& templatePath, const CString& newPath)
{
    const std::unique_ptr<CBusyNotice> busy = CBusyNotice::Show("Creating Cookbook...");
    if (!CopyTemplate(templatePath, newPath, dataSourceName))
        return FALSE;
    busy->SetText("Validating Cookbook...");
    return RegisterNewCookbook(newPath);
}

BOOL CNewDatabase::CopyTemplate(const CString& templatePath, const CString& newPath, const CString& dataSourceName)
{
    switch (CopyPhotoFile(newPath, templatePath))
    {
    case copyDone: return TRUE;
    case copySourceNotFound:
    case copySourceUnreadable: return FindTemplateOnDisc(templatePath, newPath, dataSourceName);
    case copyDestinationUnwritable: ShowCopyError("Destination access permission denied: " + newPath); return FALSE;
    case copyDestinationPathNotFound: ShowCopyError("Destination path not found, please re-enter."); return FALSE;
    default: return FALSE;
    }
}

// The disc is asked for again as long as the template is not found on it. A drive list left
// empty is a Cancel: there is no drive to look on.
BOOL CNewDatabase::FindTemplateOnDisc(const CString& templatePath, const CString& newPath,
                                      const CString& dataSourceName)
{
    CFindCDDlg dialog(AfxGetMainWnd());
    if (dialog.DoModal() != IDOK || dialog.GetDriveLetter().IsEmpty())
        return FALSE;
    const CString fileName = templatePath.Mid(templatePath.ReverseFind('\\') + 1);
    return Create(dataSourceName, dialog.GetDriveLetter() + ":\\PX5\\RESOURCE\\" + fileName, newPath);
}

BOOL CNewDatabase::RegisterNewCookbook(const CString& newPath)
{
    CString driverName;
    CString dataSource;
    driverName.LoadString(IDS_DRIVER_ACCESS);
    dataSource.LoadString(IDS_COOKBOOK_DATA_SOURCE);
    const CString driver = IsOdbcDriverInstalled(driverName);
    return !driver.IsEmpty() && RegisterCookbookDataSource(driver, dataSource, newPath);
}

void CNewDatabase::ShowCopyError(const CString& text)
{
    CString caption;
    caption.LoadString(24851);
    ShowShellMessageBox(nullptr, text, caption, MB_ICONEXCLAMATION | MB_OK);
}
