// Prints recipes a second for generated Meal-Master files of 1,000 and 10,000 recipes imported
// into a fresh cookbook the way Import All does (the title scan, then reading and storing every
// recipe with the progress window up), and for exporting the stored recipes as Meal-Master and
// tagged text.
// Run: wine-run tests/import_bench.exe (from the build tree).
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "database/CustObArray.h"
#include "database/RMDatabase.h"
#include "database/SortedRecipeListItem.h"
#include "database/TOCListItem.h"
#include "database/VRcpRecordset.h"
#include "exchange/ImportBatch.h"
#include "exchange/MealMasterImporter.h"
#include "exchange/RecipeExport.h"
#include "exchange/ResourceText.h"
#include "framework/OdbcDataSources.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/ProgramDirectory.h"
#include "tests/bench/BenchSupport.h"
#include "tests/exchange/MealMasterCorpus.h"

namespace {

const int kSortByTitle = 2;
const int kMealMaster = 3;
const int kTagged = 4;

void ListChapter(CRMDatabase& db, const TOCListItem& chapter, CCustObArray& items)
{
    CVRcpRecordset recipes(&db);
    if (!recipes.OpenList(chapter.m_id, kSortByTitle))
        return;
    CSortedRecipeListItem item;
    const long nRows = recipes.GetRowCount();
    for (long i = 0; i < nRows && (i == 0 ? recipes.FetchFirst(item) : recipes.FetchNext(item)) == 0; ++i)
        items.Add(new TOCListItem(item.m_name, static_cast<unsigned long>(item.m_id.GetNumber()), 'R'));
}

bool Run(const std::string& folder, int nRecipes)
{
    const std::string cookbook = folder + "\\import-bench-" + std::to_string(nRecipes) + ".tws";
    CRMDatabase db;
    if (!bench::OpenTemplateCopy(cookbook, db))
        return false;
    SetCurrentDatabase(&db);
    const std::string source = folder + "\\import-bench.mm";
    std::ofstream(source, std::ios::binary) << CMealMasterCorpus(nRecipes, true, 11).GetText();

    CMealMasterImporter importer;
    double start = bench::Seconds();
    importer.Open(source.c_str());
    const int nTitles = importer.GetTitles().GetSize();
    bench::PrintRecipeRate("title scan", nTitles, bench::Seconds() - start);

    TOCListItem chapter("Import", 0, 'T');
    db.SaveChapter(chapter);
    std::vector<int> indices;
    for (int i = 0; i < nTitles; ++i)
        indices.push_back(i);
    CImportBatch batch(importer, chapter);
    importer.StartProgress(nullptr, LoadResourceText(IDS_IMPORTING_RECIPES));
    start = bench::Seconds();
    batch.Run(indices);
    importer.EndProgress();
    bench::PrintRecipeRate("import (read and store)", batch.GetImported(), bench::Seconds() - start);

    CCustObArray items;
    ListChapter(db, chapter, items);
    for (const int nFormat : {kMealMaster, kTagged})
    {
        start = bench::Seconds();
        const int nWritten = ExportRecipesToFile((folder + "\\import-bench.out").c_str(), nFormat, items, nullptr);
        bench::PrintRecipeRate(nFormat == kMealMaster ? "export as Meal-Master" : "export as tagged text", nWritten,
                               bench::Seconds() - start);
    }
    SetCurrentDatabase(nullptr);
    return true;
}

}  // namespace

int main()
{
    bench::ShowMessagesOnConsole();
    const std::string folder = bench::BuildFolder() + "\\testdata";
    CreateDirectoryA(folder.c_str(), nullptr);
    COdbcDataSources::SetProfilePath((folder + "\\bench-odbc.ini").c_str());
    CProgramDirectory::SetProgramDirectory(folder.c_str());
    auto settings = std::make_unique<CAppSettings>();
    g_pAppSettings = settings.get();
    for (const int nRecipes : {1000, 10000})
        if (!Run(folder, nRecipes))
            return 1;
    g_pAppSettings = nullptr;
    return 0;
}
