#pragma once
// SQLite files that stand in for sources of other kinds in the import tests. The connection
// layer never creates a database file, so a new one starts as a copy of an existing file.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/OdbcSetup.h"
#include "framework/DBException.h"
#include "framework/Database.h"

namespace sqlitetest {

// Runs the statements on the file, made from a copy of the template when it does not exist.
inline void Execute(const std::string& path, const std::string& templatePath, const std::vector<std::string>& statements)
{
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
    {
        ASSERT_TRUE(CopyFileA(templatePath.c_str(), path.c_str(), FALSE)) << templatePath;
    }
    CDatabase database;
    const CString driver = IsOdbcDriverInstalled("SQLite3");
    database.Open(nullptr, FALSE, FALSE, ("ODBC;DRIVER={" + driver + "};DBQ={" + path.c_str() + "};").GetString());
    for (const std::string& statement : statements)
    {
        try
        {
            database.ExecuteSQL(statement.c_str());
        }
        catch (CDBException* e)
        {
            ADD_FAILURE() << statement << ": " << e->m_strError.GetString();
            e->Delete();
        }
    }
    database.Close();
}

}  // namespace sqlitetest
