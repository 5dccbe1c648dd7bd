// Not a test: prints pages and recipes a second for a chapter of 1,000 recipes printed in full
// to the test printer, and recipes a second and bytes for their export as plain text and RTF.
// Run: wine-run tests/print_drivers_bench.exe (from the build tree).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "database/IngData.h"
#include "database/RMDatabase.h"
#include "database/RecipeData.h"
#include "database/RecipeList.h"
#include "database/RecipeListItem.h"
#include "database/TOCListItem.h"
#include "framework/OdbcDataSources.h"
#include "printing/ExportDriver.h"
#include "printing/PrintDrivers.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/ProgramDirectory.h"
#include "shell/settings/WindowPlacement.h"
#include "tests/bench/BenchSupport.h"
#include "support/TestPrinter.h"

namespace {

const int kRecipes = 1000;
const int kLines = 12;
const unsigned long kChapter = 1;

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

CRecipeData GeneratedRecipe(int nNumber)
{
    CRecipeData recipe;
    recipe.m_chapterId = CRecordId(kChapter);
    recipe.m_title = ("Generated recipe " + std::to_string(nNumber)).c_str();
    recipe.m_intro = "A dish of the generated cookbook, for measuring the printouts.";
    recipe.m_servings = 4;
    recipe.m_directions = "Mix the dry things. Add the wet things and stir until smooth. Bake for forty minutes, "
                          "then cool on a rack before cutting.";
    for (int i = 1; i <= kLines; ++i)
    {
        auto* pLine = new CIngData;
        pLine->m_lineType = "I";
        pLine->m_itemId = CRecordId(static_cast<unsigned long>(i));
        pLine->m_unitId = CRecordId(2UL);
        pLine->m_minQty = pLine->m_maxQty = i * 0.25;
        recipe.m_lines.AddTail(pLine);
    }
    return recipe;
}

bool FillCookbook(CRMDatabase& db, CRecipeList& list)
{
    for (int i = 1; i <= kRecipes; ++i)
    {
        CRecipeData recipe = GeneratedRecipe(i);
        if (db.InsertRecipe(recipe, TRUE) != 0)
            return false;
        auto* pItem = new CRecipeListItem;
        pItem->m_id = recipe.m_recipeId;
        pItem->m_name = recipe.m_title;
        list.Add(pItem);
    }
    return true;
}

void PrintChapterToPrinter(const std::string& output)
{
    testprinter::CTestPrinter printer("Savorum Bench Printer", output);
    if (!printer.IsReady())
    {
        std::printf("no test printer driver in the prefix\n");
        return;
    }
    PrintSettings& print = *g_pAppSettings->GetPrintRecord();
    print.PrintToFile = 0;
    print.BookRecipes = 1;
    print.SamePage = 1;
    print.Copies = 1;
    const auto start = std::chrono::steady_clock::now();
    PrintChapter(TOCListItem("", kChapter, 'T'));
    const double seconds = SecondsSince(start);
    const int nPages = testprinter::CountPages(testprinter::ReadBytes(output));
    std::printf("print a chapter of %d recipes: %d pages in %.1f s, %.1f pages a second, %.1f recipes a second\n",
                kRecipes, nPages, seconds, nPages / seconds, kRecipes / seconds);
    DeleteFileA(output.c_str());
}

void Export(const CRecipeList& list, const std::string& path, int nKind, const char* pszName)
{
    g_pAppSettings->GetPrintRecord()->PrintToFile = 1;
    SetPrintFile(path.c_str(), nKind);
    const auto start = std::chrono::steady_clock::now();
    ExportRecipeList(list, nullptr);
    const double seconds = SecondsSince(start);
    const std::size_t nBytes = testprinter::ReadBytes(path).size();
    std::printf("export %d recipes as %s: %.1f s, %.1f recipes a second, %zu bytes\n", kRecipes, pszName, seconds,
                kRecipes / seconds, nBytes);
    DeleteFileA(path.c_str());
}

}  // namespace

int main()
{
    bench::ShowMessagesOnConsole();
    const std::string folder = bench::BuildFolder() + "\\testdata";
    CreateDirectoryA(folder.c_str(), nullptr);
    CProgramDirectory::SetProgramDirectory(folder.c_str());
    COdbcDataSources::SetProfilePath((folder + "\\bench-odbc.ini").c_str());
    CAppSettings settings;
    g_pAppSettings = &settings;
    CRMDatabase db;
    if (!bench::OpenTemplateCopy(folder + "\\print-drivers-bench.tws", db))
        return 1;
    SetCurrentDatabase(&db);
    CRecipeList list;
    const auto start = std::chrono::steady_clock::now();
    if (!FillCookbook(db, list))
        return 1;
    std::printf("generate a cookbook of %d recipes: %.1f s\n", kRecipes, SecondsSince(start));
    PrintChapterToPrinter(folder + "\\print-drivers-bench.ps");
    Export(list, folder + "\\print-drivers-bench.txt", kPrintText, "plain text");
    Export(list, folder + "\\print-drivers-bench.rtf", kPrintRtf, "RTF");
    SetCurrentDatabase(nullptr);
    g_pAppSettings = nullptr;
    return 0;
}
