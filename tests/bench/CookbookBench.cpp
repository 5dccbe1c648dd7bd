// Prints how long opening a cookbook of 10,000 recipes and reading all their titles take.
// Run: wine-run tests/cookbook_bench.exe (from the build tree).
#include <windows.h>

#include <cstdio>
#include <string>

#include "database/PortRecordset.h"
#include "database/RMDatabase.h"
#include "framework/AfxMessageBox.h"
#include "framework/DBException.h"
#include "framework/OdbcDataSources.h"
#include "framework/StringList.h"
#include "res/resource.h"
#include "tests/bench/BenchSupport.h"

namespace {

const int kRecipes = 10000;

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A copy of the template with kRecipes recipes, each with a title and a few lines of text.
bool MakeCookbook(const std::string& path)
{
    CRMDatabase db;
    if (!bench::OpenTemplateCopy(path, db))
        return false;
    CString sql;
    sql.Format("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %d) "
               "INSERT INTO RECIPE (COOKBOOK, RECIPE, TITLE, SERVINGS, RATING, DIRECTIONS) "
               "SELECT '000001', printf('%%06d', i), 'Recipe number ' || i, 4, i %% 5, "
               "'Mix, stir and bake for ' || i %% 60 || ' minutes.' FROM n",
               kRecipes);
    return db.ExecuteDirect(sql);
}

}  // namespace

int main()
{
    bench::ShowMessagesOnConsole();
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string path = std::string(temp) + "cookbook-bench.tws";
    COdbcDataSources::SetProfilePath((std::string(temp) + "cookbook-bench.ini").c_str());
    if (!MakeCookbook(path))
    {
        std::printf("could not make the cookbook %s\n", path.c_str());
        return 1;
    }

    LARGE_INTEGER start;
    LARGE_INTEGER opened;
    LARGE_INTEGER read;
    QueryPerformanceCounter(&start);
    CRMDatabase db;
    if (!db.OpenCookbookFile(path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE))
        return 1;
    QueryPerformanceCounter(&opened);
    CStringList columns;
    columns.AddTail("RECIPE");
    columns.AddTail("TITLE");
    CPortRecordset* recordset = db.GetRecordset();
    if (!recordset->OpenTable("RECIPE", db.BuildSelect("RECIPE", &columns, nullptr, "TITLE"), &columns))
        return 1;
    int count = 0;
    size_t characters = 0;
    for (; !recordset->IsEOF(); recordset->MoveNext())
    {
        CString title;
        recordset->GetFieldText("TITLE", title);
        characters += static_cast<size_t>(title.GetLength());
        ++count;
    }
    QueryPerformanceCounter(&read);
    std::printf("open cookbook of %d recipes: %.1f ms\n", kRecipes, Milliseconds(start, opened));
    std::printf("read %d titles (%u characters): %.1f ms\n", count, static_cast<unsigned>(characters),
                Milliseconds(opened, read));
    recordset->Close();
    db.Close();
    DeleteFileA(path.c_str());
    return count == kRecipes ? 0 : 1;
}
