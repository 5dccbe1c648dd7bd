// Prints recipes a second for listing and for importing 1,000 recipes of one chapter from a
// generated older cookbook of the program's own schema and from a generated FoxPro source, into
// a fresh cookbook the way Import All does.
// Run: wine-run tests/database_import_bench.exe (from the build tree).
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "database/CookbookTransaction.h"
#include "database/RMDatabase.h"
#include "database/TOCListItem.h"
#include "exchange/DatabaseImporter.h"
#include "exchange/ImportBatch.h"
#include "framework/OdbcDataSources.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/ProgramDirectory.h"
#include "tests/bench/BenchSupport.h"
#include "tests/exchange/ConfiguredSource.h"
#include "tests/exchange/OwnCookbookSource.h"

namespace {

const int kRecipes = 1000;
const int kLinesPerRecipe = 8;
const int kIngredients = 200;
const long kChapter = 1;

std::string IngredientName(int i)
{
    return "Bench ingredient " + std::to_string(i);
}

std::string RecipeTitle(int i)
{
    return "Bench recipe " + std::to_string(10000 + i);
}

// The chapter's number in the source.
long WriteOwnSource(const std::string& path)
{
    CopyFileA((bench::BuildFolder() + "\\resource\\NEW_INGS.TWS").c_str(), path.c_str(), FALSE);
    exchangetest::OwnCookbookSource source;
    if (!source.Open(path))
        return 0;
    const CRecordId chapter = source.AddChapter("Bench");
    CCookbookTransaction transaction(source.m_db);
    source.m_db.CountRecordIds(TRUE);
    std::vector<CRecordId> ingredients;
    for (int i = 0; i < kIngredients; ++i)
    {
        std::unique_ptr<CIngData> pLine(source.IngredientLine(IngredientName(i).c_str(), 1));
        ingredients.push_back(pLine->m_itemId);
    }
    for (int i = 0; i < kRecipes; ++i)
    {
        CRecipeData recipe;
        recipe.m_title = RecipeTitle(i).c_str();
        recipe.m_directions = "Mix and bake.";
        for (int k = 0; k < kLinesPerRecipe; ++k)
        {
            const int ingredient = (i * 7 + k * 13) % kIngredients;
            auto* pLine = new CIngData;
            pLine->m_lineType = "I";
            pLine->m_name = IngredientName(ingredient).c_str();
            pLine->m_itemId = ingredients[static_cast<size_t>(ingredient)];
            pLine->m_maxQty = pLine->m_minQty = k + 1;
            pLine->m_unitId = "000001";
            recipe.m_lines.AddTail(pLine);
        }
        source.AddRecipe(recipe, chapter);
    }
    source.m_db.CountRecordIds(FALSE);
    transaction.Commit();
    source.Close();
    return chapter.GetNumber();
}

std::string WriteFoxProSource(const std::string& folder, const std::string& config)
{
    exchangetest::ConfiguredSource source(exchangetest::SourceKind::Brevana, folder, config);
    using exchangetest::SourceTable;
    source.Add(SourceTable::Chapter, {std::to_string(kChapter), "Bench"});
    for (int i = 0; i < kIngredients; ++i)
    {
        source.Add(SourceTable::Ingredient, {std::to_string(i + 1), IngredientName(i), "10"});
        source.Add(SourceTable::Nutrition, {std::to_string(i + 1), "12.5", "3.5"});
    }
    for (int i = 0; i < kRecipes; ++i)
    {
        const std::string id = std::to_string(i + 1);
        source.Add(SourceTable::Recipe,
                   {std::to_string(kChapter), id, RecipeTitle(i), "4", "0", "30", "Mix and bake."});
        for (int k = 0; k < kLinesPerRecipe; ++k)
            source.Add(SourceTable::Quantity, {std::to_string(i * kLinesPerRecipe + k + 1), id, "I",
                                               std::to_string((i * 7 + k * 13) % kIngredients + 1),
                                               std::to_string(k + 1), std::to_string(k + 1), "1", "chopped"});
    }
    return source.Write();
}

// Lists the source's chapter and imports all of it into a fresh cookbook.
bool Measure(const char* name, const std::string& folder, CDatabaseImporter& importer, const std::string& path,
             long chapter)
{
    CRMDatabase target;
    if (!bench::OpenTemplateCopy(folder + "\\database-import-target.tws", target))
        return false;
    SetCurrentDatabase(&target);
    double start = bench::Seconds();
    if (!importer.Open(path.c_str()))
        return false;
    importer.SetSourceChapterId(CRecordId(static_cast<unsigned long>(chapter)));
    const int nTitles = importer.GetTitles().GetSize();
    bench::PrintRecipeRate((std::string(name) + ": open and list").c_str(), nTitles, bench::Seconds() - start);

    TOCListItem into("Import", 0, 'T');
    target.SaveChapter(into);
    std::vector<int> indices;
    for (int i = 0; i < nTitles; ++i)
        indices.push_back(i);
    CImportBatch batch(importer, into);
    start = bench::Seconds();
    batch.Run(indices);
    bench::PrintRecipeRate((std::string(name) + ": import (read and store)").c_str(), batch.GetImported(),
                           bench::Seconds() - start);
    SetCurrentDatabase(nullptr);
    return batch.GetImported() == nTitles;
}

}  // namespace

int main()
{
    bench::ShowMessagesOnConsole();
    const std::string folder = bench::BuildFolder() + "\\testdata\\database-import-bench";
    CreateDirectoryA((bench::BuildFolder() + "\\testdata").c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "\\RESOURCE").c_str(), nullptr);
    COdbcDataSources::SetProfilePath((folder + "\\bench-odbc.ini").c_str());
    CProgramDirectory::SetProgramDirectory(folder.c_str());
    const std::string config = folder + "\\RESOURCE\\CONFIG.MDB";
    CopyFileA((bench::BuildFolder() + "\\resource\\CONFIG.MDB").c_str(), config.c_str(), FALSE);
    auto settings = std::make_unique<CAppSettings>();
    g_pAppSettings = settings.get();

    const std::string ownPath = folder + "\\older.tws";
    const long ownChapter = WriteOwnSource(ownPath);
    CDatabaseImporter own(IDS_DRIVER_ACCESS, IDS_SOURCE_TABLEWISE_12_IMPORT, nullptr);
    const bool ownDone = ownChapter != 0 && Measure("own-schema cookbook", folder, own, ownPath, ownChapter);

    const std::string foxPro = WriteFoxProSource(folder + "\\brevana", config);
    CDatabaseImporter brevana(IDS_DRIVER_FOXPRO, IDS_SOURCE_BREVANA_IMPORT, nullptr);
    const bool foxProDone = Measure("FoxPro (.dbf) source", folder, brevana, foxPro, kChapter);
    g_pAppSettings = nullptr;
    return ownDone && foxProDone ? 0 : 1;
}
