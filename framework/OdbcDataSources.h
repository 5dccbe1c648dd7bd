#pragma once

#include <windef.h>

#include "framework/String.h"

// Data-source registrations of our own. Wine's ODBC installer does not reach the host's driver
// manager (it lists no driver and refuses to add a data source), so a name is registered in a
// profile file of the program's ("odbc.ini" beside it, the same layout as the system's: section
// "ODBC 32 bit Data Sources" lists each name with its driver, and a section per name holds its
// attributes) and opened by connecting with the driver and the database path.
class COdbcDataSources
{
public:
    enum Request : WORD
    {
        addDataSource = 1,
        configDataSource = 2,
        removeDataSource = 3
    };

    static CString GetProfilePath();
    // Tests give each case a profile of its own; an empty path restores the default.
    static void SetProfilePath(LPCSTR lpszPath);

    // attributes: "KEY=value" entries, each ended by a NUL, the list by a second NUL; DSN= names
    // the data source. Add and configure write every attribute; remove drops the name.
    static BOOL Configure(WORD request, LPCSTR lpszDriver, LPCSTR lpszAttributes);

    // Empty when the name is not registered.
    static CString GetDriver(LPCSTR lpszDataSource);
    static CString GetAttribute(LPCSTR lpszDataSource, LPCSTR lpszKey);

    static const char kListSection[];
};
