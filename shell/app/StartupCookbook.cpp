#include "shell/app/StartupCookbook.h"

#include <windows.h>

#include "database/RMDatabase.h"
#include "framework/String.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "shell/app/CookbookApp.h"
#include "shell/settings/CookbookDirectory.h"
#include "shell/services/CookbookLocator.h"
#include "shell/services/CurrentCookbook.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/formbase/FormManager.h"
#include "shell/settings/MediaPath.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/SettingsFile.h"

namespace {

CCookbookDatabase* ReplaceCurrentDatabase()
{
    if (CCookbookDatabase* pOld = GetCurrentDatabase())
    {
        SetCurrentDatabase(nullptr);
        pOld->CloseRecordsets();
        delete pOld;
    }
    CCookbookDatabase* pDatabase = new CRMDatabase;
    SetCurrentDatabase(pDatabase);
    return pDatabase;
}

void GoHome()
{
    if (g_pFormManager != nullptr)
        g_pFormManager->OpenForm(CFormManager::kActionHome, 0, 0);
}

// The title and the cookbook's own settings section follow the database's connect string.
void AdoptOpenCookbook(CCookbookDatabase* pDatabase)
{
    CString path;
    CString name;
    if (!GetConnectStringDirectory(pDatabase->GetConnect(), path, name))
        return;
    const int slash = path.ReverseFind('\\');
    // DataPath holds the folder of the cookbook: media files are looked for in it.
    CSettingsFile().WriteSettingString(IDS_KEY_DATAPATH, path, slash >= 0 ? path.Left(slash) : path);
    SetCookbookTitle(name);
}

// A cookbook that is not there is named before another one is offered in its place, so that the
// user does not take the other one for it.
void TellCookbookMissing(CWnd* pParent, const CString& path)
{
    MessageBoxById(pParent != nullptr ? pParent->m_hWnd : nullptr, path, IDS_COOKBOOK_NOT_FOUND,
                   MB_OK | MB_ICONEXCLAMATION);
}

BOOL OpenLastUsedCookbook(CWnd* pParent, CCookbookDatabase* pDatabase)
{
    CString lastUsed;
    if (!GetLastUsedCookbook(lastUsed))
    {
        if (!lastUsed.IsEmpty())
            TellCookbookMissing(pParent, lastUsed);
        return FALSE;
    }
    if (!pDatabase->OpenCookbook(IDS_COOKBOOK_DATA_SOURCE))
        return FALSE;
    AdoptOpenCookbook(pDatabase);
    CCookbookDirectory().GetDatabaseDirectory(TRUE);
    GoHome();
    return TRUE;
}

BOOL ConnectAndShow(CCookbookDatabase* pDatabase, const CString& path)
{
    if (!CCookbookLocator().ConnectCookbook(pDatabase, path, IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE))
        return FALSE;
    AdoptOpenCookbook(pDatabase);
    GoHome();
    return TRUE;
}

}  // namespace

BOOL OpenStartupCookbook(CWnd* pParent)
{
    CCookbookDatabase* pDatabase = ReplaceCurrentDatabase();
    CCookbookDirectory().GetDatabaseDirectory(TRUE);
    if (OpenLastUsedCookbook(pParent, pDatabase))
        return TRUE;
    CString defaultPath;
    CString name;
    name.LoadString(IDS_DEFAULT_COOKBOOK);
    CString extension;
    extension.LoadString(IDS_COOKBOOK_EXTENSION);
    ResolveMediaPath(defaultPath, name, extension);
    if (ConnectAndShow(pDatabase, defaultPath))
        return TRUE;
    CloseSplashWindow();
    MessageBoxById(pParent != nullptr ? pParent->m_hWnd : nullptr, defaultPath, IDS_UNABLE_TO_LOCATE_COOKBOOK, MB_OK);
    return PromptAndOpenCookbook();
}

BOOL PromptAndOpenCookbook()
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    const BOOL opened = pDatabase != nullptr && CCookbookLocator().PromptForCookbook(pDatabase);
    if (opened)
        AdoptOpenCookbook(pDatabase);
    GoHome();
    return opened;
}

BOOL OpenCookbookFromPath(CWnd* pParent, const CString& path)
{
    if (path.IsEmpty())
        return FALSE;
    CCookbookDatabase* pDatabase = ReplaceCurrentDatabase();
    if (::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
    {
        TellCookbookMissing(pParent, path);
        return FALSE;
    }
    return ConnectAndShow(pDatabase, path);
}

BOOL GetConnectStringDirectory(const CString& connect, CString& path, CString& name)
{
    path = CDatabase::GetConnectAttribute(connect, "DBQ");
    if (path.IsEmpty())
        path = CDatabase::GetConnectAttribute(connect, "DEFAULTDIR");
    if (path.IsEmpty())
        return FALSE;
    name = CSettingsFile::CookbookSection(path);
    return TRUE;
}

void SetCookbookTitle(const CString& name)
{
    CString title;
    title.LoadString(IDS_PRODUCT_NAME);
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SetWindowText(title + " - " + name);
    SetCurrentCookbookName(name);
}

CString CommandLinePath(const CString& commandLine)
{
    CString path = commandLine;
    path.TrimLeft();
    path.TrimRight();
    if (path.GetLength() >= 2 && path[0] == '"' && path[path.GetLength() - 1] == '"')
        path = path.Mid(1, path.GetLength() - 2);
    return path;
}
