#include "shell/StartupCookbook.h"

#include <windows.h>

#include "database/RMDatabase.h"
#include "framework/String.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "shell/CookbookApp.h"
#include "shell/CookbookDirectory.h"
#include "shell/CookbookLocator.h"
#include "shell/CurrentCookbook.h"
#include "shell/CurrentDatabase.h"
#include "shell/FormManager.h"
#include "shell/MediaPath.h"
#include "shell/MessageUtilities.h"
#include "shell/SettingsFile.h"

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
    CSettingsFile().WriteSettingString(IDS_KEY_DATAPATH, name, slash >= 0 ? path.Left(slash) : path);
    SetCookbookTitle(name);
}

BOOL OpenLastUsedCookbook(CCookbookDatabase* pDatabase)
{
    CString lastUsed;
    if (!GetLastUsedCookbook(lastUsed) || !pDatabase->OpenCookbook(IDS_COOKBOOK_DATA_SOURCE))
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
    if (OpenLastUsedCookbook(pDatabase))
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

BOOL OpenCookbookFromPath(CWnd*, const CString& path)
{
    if (path.IsEmpty())
        return FALSE;
    return ConnectAndShow(ReplaceCurrentDatabase(), path);
}

BOOL GetConnectStringDirectory(const CString& connect, CString& path, CString& name)
{
    path = CDatabase::GetConnectAttribute(connect, "DBQ");
    if (path.IsEmpty())
        path = CDatabase::GetConnectAttribute(connect, "DEFAULTDIR");
    if (path.IsEmpty())
        return FALSE;
    name = path.Mid(path.ReverseFind('\\') + 1);
    const int dot = name.ReverseFind('.');
    if (dot >= 0)
        name = name.Left(dot);
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
