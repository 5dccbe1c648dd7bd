#pragma once

#include <windef.h>

#include "framework/String.h"

// Drivers and data sources for cookbooks and import sources. The drivers that stored files
// name (the Access and FoxPro ones) are found among the installed ODBC drivers: the Access name
// stands for the SQLite driver that reads cookbooks. Data sources are registered with
// COdbcDataSources, as the system's installer cannot be used.

// The cookbook driver must be there; the FoxPro one matters only to import, which checks it.
BOOL InstallOdbcDrivers();
// TRUE when the driver named by the string id is installed; else message 37 and FALSE.
BOOL InstallOdbcDriver(UINT nDriverNameId);
// The full name of the first installed driver that contains the name (the Access name finds the
// SQLite driver); empty when none.
CString IsOdbcDriverInstalled(LPCSTR lpszDriverName);
// Adds the data source: DSN=name, DBQ=path and DefaultDir=the path's folder.
BOOL RegisterCookbookDataSource(LPCSTR lpszDriver, LPCSTR lpszDataSource, LPCSTR lpszDatabasePath);
// attributes: "KEY=value" entries separated by "|".
BOOL ConfigureOdbcDataSource(HWND hWnd, WORD nRequest, LPCSTR lpszDriver, LPCSTR lpszAttributes);
