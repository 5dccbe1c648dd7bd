#include "database/OdbcSetup.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <vector>

#include "framework/AfxMessageBox.h"
#include "framework/OdbcDataSources.h"
#include "res/resource.h"

namespace {

// The driver that stands in for the Access driver of the stored files.
const char kCookbookDriver[] = "SQLite3";
const char kAccessDriverPrefix[] = "Microsoft Access Driver";

// Installed driver names, as the driver manager lists them (the installer's list is empty here).
std::vector<CString> InstalledDrivers()
{
    std::vector<CString> drivers;
    SQLHENV env = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocEnv(&env)))
        return drivers;
    SQLCHAR name[256];
    SQLCHAR attributes[1024];
    SQLSMALLINT nameLength = 0;
    SQLSMALLINT attributesLength = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (SQL_SUCCEEDED(
        SQLDrivers(env, direction, name, sizeof name, &nameLength, attributes, sizeof attributes, &attributesLength)))
    {
        drivers.emplace_back(reinterpret_cast<LPCSTR>(name));
        direction = SQL_FETCH_NEXT;
    }
    SQLFreeEnv(env);
    return drivers;
}

}  // namespace

CString IsOdbcDriverInstalled(LPCSTR lpszDriverName)
{
    if (lpszDriverName == nullptr || *lpszDriverName == '\0')
        return CString();
    const BOOL access = _strnicmp(lpszDriverName, kAccessDriverPrefix, sizeof kAccessDriverPrefix - 1) == 0;
    for (const CString& driver : InstalledDrivers())
    {
        if (access ? driver == kCookbookDriver : driver.Find(lpszDriverName) >= 0)
            return driver;
    }
    return CString();
}

BOOL InstallOdbcDriver(UINT nDriverNameId)
{
    CString name;
    name.LoadString(nDriverNameId);
    if (!IsOdbcDriverInstalled(name).IsEmpty())
        return TRUE;
    AfxMessageBox(IDS_DRIVER_NOT_FOUND, MB_ICONSTOP | MB_OK);
    return FALSE;
}

BOOL InstallOdbcDrivers()
{
    // No FoxPro driver is installed here; only import asks for it, and says so then.
    return InstallOdbcDriver(IDS_DRIVER_ACCESS);
}

BOOL ConfigureOdbcDataSource(HWND, WORD nRequest, LPCSTR lpszDriver, LPCSTR lpszAttributes)
{
    if (lpszAttributes == nullptr)
        return FALSE;
    CString list(lpszAttributes);
    list += '|';
    list.Replace('|', '\0');
    return COdbcDataSources::Configure(nRequest, lpszDriver, list);
}

BOOL RegisterCookbookDataSource(LPCSTR lpszDriver, LPCSTR lpszDataSource, LPCSTR lpszDatabasePath)
{
    const CString path(lpszDatabasePath);
    const CString folder = path.Left(path.ReverseFind('\\') + 1);
    const CString attributes = CString("DSN=") + lpszDataSource + "|DBQ=" + path + "|DefaultDir=" + folder + "|";
    return ConfigureOdbcDataSource(nullptr, COdbcDataSources::addDataSource, lpszDriver, attributes);
}
