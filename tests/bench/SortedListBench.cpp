// Prints, for cookbooks of 10,000 and 100,000 recipes, how long a sorted recipe list takes to
// open and count, and to fetch a page of rows at its start, its middle and its end.
// Run: wine-run tests/sorted_list_bench.exe (from the build tree).
#include <windows.h>

#include <cstdio>
#include <string>

#include "database/RMDatabase.h"
#include "database/SortedRecipeListItem.h"
#include "database/VRcpRecordset.h"
#include "framework/AfxMessageBox.h"
#include "framework/OdbcDataSources.h"
#include "res/resource.h"
#include "tests/bench/BenchSupport.h"

namespace {

const long kPage = 20;

double Now()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A copy of the template with that many recipes, every other one with a nutrition row.
bool MakeCookbook(const std::string& path, long recipes)
{
    CRMDatabase db;
    if (!bench::OpenTemplateCopy(path, db))
        return false;
    CString recipeRows;
    recipeRows.Format("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %ld) "
                      "INSERT INTO RECIPE (COOKBOOK, RECIPE, TITLE, SERVINGS, RATING, PREP_MIN, TOTAL_MIN, COST) "
                      "SELECT '000001', printf('%%06d', i), 'Recipe ' || ((i * 7919) %% %ld), 4, i %% 5, i %% 90, "
                      "i %% 200, (i %% 300) / 10.0 FROM n",
                      recipes, recipes);
    CString nutritionRows;
    nutritionRows.Format("WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 2 FROM n WHERE i < %ld) "
                         "INSERT INTO RCP_NUTRITION (ITEM_ID, CALORIES, PCNT_CAL_FAT, TOTAL_FAT, SODIUM, CHOLESTRL) "
                         "SELECT printf('%%06d', i), (i * 37) %% 900, i %% 60, i %% 40, i %% 2000, i %% 300 FROM n",
                         recipes);
    return db.ExecuteDirect(recipeRows) && db.ExecuteDirect(nutritionRows);
}

double FetchPage(CVRcpRecordset& view, long first)
{
    const double start = Now();
    CSortedRecipeListItem item;
    for (long index = first; index < first + kPage; ++index)
        view.FetchAt(index, item);
    return Now() - start;
}

void Measure(CRMDatabase& db, int sortKey)
{
    CVRcpRecordset view(&db);
    const double start = Now();
    if (!view.OpenList(CRecordId(), sortKey))
        return;
    const double opened = Now() - start;
    const double countStart = Now();
    view.CountRows(CString());
    const double counted = Now() - countStart;
    const long count = view.GetRowCount();
    std::printf("  key %d: open %8.1f ms, count %ld rows %6.1f ms; page of %ld: first %5.2f ms, middle %5.2f ms, "
                "last %5.2f ms\n",
                sortKey, opened, count, counted, kPage, FetchPage(view, 0), FetchPage(view, count / 2),
                FetchPage(view, count - kPage));
}

}  // namespace

int main()
{
    bench::ShowMessagesOnConsole();
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    COdbcDataSources::SetProfilePath((std::string(temp) + "sorted-list-bench.ini").c_str());
    for (long recipes : {10000L, 100000L})
    {
        const std::string path = std::string(temp) + "sorted-list-bench.tws";
        if (!MakeCookbook(path, recipes))
        {
            std::printf("could not make the cookbook %s\n", path.c_str());
            return 1;
        }
        CRMDatabase db;
        if (!db.OpenCookbookFile(path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE))
            return 1;
        std::printf("%ld recipes:\n", recipes);
        for (int sortKey : {0, 2, 7})
            Measure(db, sortKey);
        db.Close();
        DeleteFileA(path.c_str());
    }
    return 0;
}
