#include "shell/services/CookbookLocator.h"

#include <windows.h>
#include <commdlg.h>

#include <io.h>

#include "database/CookbookDatabase.h"
#include "database/OdbcSetup.h"
#include "framework/DBException.h"
#include "framework/OdbcDataSources.h"
#include "res/resource.h"
#include "shell/settings/CookbookDirectory.h"
#include "shell/services/CurrentCookbook.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/NewDatabase.h"
#include "shell/services/PlainMessageBox.h"
#include "shell/settings/ProgramDirectory.h"
#include "shell/settings/SettingsFile.h"

namespace {

const char kTestDataSource[] = "Test Connection";

CString Load(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

void ShowMessage(LPCSTR text, UINT style)
{
    ShowShellMessageBox(GetActiveWindow(), text, Load(24851), style);
}

CString StartingFolder()
{
    CString folder = CCookbookDirectory().GetDirectory();
    folder.TrimRight('\\');
    return folder;
}

// The connect string's database path of an open database; empty when none is open.
CString OpenPath(CCookbookDatabase* pDatabase)
{
    if (!pDatabase->IsOpen())
        return CString();
    return CDatabase::GetConnectAttribute(pDatabase->GetConnect(), "DBQ");
}

}  // namespace

BOOL CCookbookLocator::FileExists(LPCSTR lpszPath)
{
    return lpszPath != nullptr && *lpszPath != '\0' && _access(lpszPath, 0) == 0;
}

BOOL CCookbookLocator::ConnectCookbook(CCookbookDatabase* pDatabase, LPCSTR lpszPath, UINT nDriverNameId,
                                       UINT nDataSourceNameId)
{
    const CString path = lpszPath != nullptr ? CString(lpszPath) : SelectCookbookFile();
    if (!FileExists(path) || !TestDataSource(path, nDriverNameId, nDataSourceNameId))
        return FALSE;
    return !OpenCookbookAtPath(pDatabase, path, nDriverNameId, nDataSourceNameId).IsEmpty();
}

BOOL CCookbookLocator::PromptForCookbook(CCookbookDatabase* pDatabase)
{
    for (;;)
    {
        const CString path = SelectCookbookFile();
        if (path.IsEmpty())
            return FALSE;
        if (ConnectCookbook(pDatabase, path, IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE))
            return TRUE;
    }
}

BOOL CCookbookLocator::NewCookbook(CCookbookDatabase* pDatabase)
{
    if (pDatabase == nullptr)
        return FALSE;
    for (;;)
    {
        const CString path = CreateNewCookbook();
        if (path.IsEmpty())
            return FALSE;
        if (ConnectCookbook(pDatabase, path, IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE))
            return TRUE;
    }
}

CString CCookbookLocator::SelectCookbookFile()
{
    char path[MAX_PATH] = "";
    const CString folder = StartingFolder();
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = "Tablewise (*.TWS)\0*.tws\0Pantrix 5.0 (*.TWS)\0*.tws\0Mensaro (*.TWS)\0*.tws\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrInitialDir = folder;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return GetOpenFileNameA(&dialog) ? CString(path) : CString();
}

CString CCookbookLocator::CreateNewCookbook()
{
    const CProgramDirectory program;
    const CString templatePath = program.MakeProgramPath("RESOURCE\\NEW_INGS.TWS");
    char path[260] = "";
    char title[256] = "";
    const CString folder = StartingFolder();
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = "PX5 Database(*.TWS)\0*.TWS\0All Files(*.*)\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrFileTitle = title;
    dialog.nMaxFileTitle = sizeof title;
    dialog.lpstrInitialDir = folder;
    dialog.lpstrTitle = "Select New Cookbook";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameA(&dialog))
        return CString();
    CNewDatabase creator;
    return creator.Create(Load(IDS_COOKBOOK_DATA_SOURCE), templatePath, path) ? CString(path) : CString();
}

CString CCookbookLocator::OpenCookbookAtPath(CCookbookDatabase* pDatabase, const CString& path, UINT nDriverNameId,
                                             UINT nDataSourceNameId)
{
    if (pDatabase == nullptr)
        return CString();
    const CString previous = OpenPath(pDatabase);
    pDatabase->CloseRecordsets();
    if (!pDatabase->OpenCookbookFile(path, nDriverNameId, nDataSourceNameId))
    {
        ShowMessage(Load(IDS_UNABLE_TO_OPEN_COOKBOOK), MB_ICONEXCLAMATION | MB_OK);
        if (!previous.IsEmpty() && previous != path)
            pDatabase->OpenCookbookFile(previous, nDriverNameId, nDataSourceNameId);
        return CString();
    }
    if (pDatabase == GetCurrentDatabase())
        RememberCookbook(path);
    return path;
}

void CCookbookLocator::RememberCookbook(const CString& path)
{
    char drive[_MAX_DRIVE];
    char folder[_MAX_DIR];
    char name[_MAX_FNAME];
    char extension[_MAX_EXT];
    _splitpath(path, drive, folder, name, extension);
    const CString directory = CString(drive) + folder;
    SetCurrentCookbookName(name);
    CSettingsFile settings;
    settings.WriteSettingString(IDS_KEY_DATAPATH, path, directory);
    settings.WriteLastUsedCookbook(directory, CString(name) + extension);
    CCookbookDirectory().SetDatabaseDirectory(directory, FALSE);
}

BOOL CCookbookLocator::TestDataSource(const CString& path, UINT nDriverNameId, UINT)
{
    const CString driver = IsOdbcDriverInstalled(Load(nDriverNameId));
    const CString attributes = "DBQ=" + path + "|DSN=" + kTestDataSource + "|";
    if (driver.IsEmpty() || !ConfigureOdbcDataSource(nullptr, COdbcDataSources::addDataSource, driver, attributes))
    {
        ShowMessage(Load(IDS_DRIVER_NOT_FOUND), MB_OK);
        return FALSE;
    }
    BOOL connected = FALSE;
    try
    {
        CDatabase connection;
        connected = connection.Open(kTestDataSource);
    }
    catch (CDBException* e)
    {
        ShowMessage(e->m_strError, MB_OK);
        e->Delete();
    }
    ConfigureOdbcDataSource(nullptr, COdbcDataSources::removeDataSource, driver,
                            CString("DSN=") + kTestDataSource + "|");
    return connected;
}
