#pragma once
// Helpers of the database import tests: texts stored as the FoxPro programs store them, an
// importer that only shows progress, and SQLite files that stand in for sources of other kinds
// (the connection layer never creates a database file, so a new one starts as a copy).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/CharTranslation.h"
#include "database/OdbcSetup.h"
#include "exchange/RecipeImporter.h"
#include "framework/DBException.h"
#include "framework/Database.h"

namespace sourcetest {

// The text as an encrypted column holds it.
inline std::string Translated(const std::string& text)
{
    CString stored(text.c_str());
    TranslateCharsByTable(stored);
    return stored.GetString();
}

class TitleOnlyImporter : public CRecipeImporter
{
public:
    int CheckHeader() override { return 1; }
    int ScanTitles() override { return 0; }
};

// Runs the statements on the file, made from a copy of the template when it does not exist.
inline void Execute(const std::string& path, const std::string& templatePath,
                    const std::vector<std::string>& statements)
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

}  // namespace sourcetest
