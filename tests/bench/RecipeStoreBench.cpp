// Prints how long loading and saving a recipe of 40 lines and deleting 1,000 recipes take.
// Run: wine-run tests/recipe_store_bench.exe (from the build tree).
#include <windows.h>

#include <cstdio>
#include <string>

#include "database/IngData.h"
#include "database/RMDatabase.h"
#include "database/RecipeData.h"
#include "framework/AfxMessageBox.h"
#include "framework/OdbcDataSources.h"
#include "res/resource.h"
#include "tests/bench/BenchSupport.h"

namespace {

const int kLines = 40;
const int kDeleted = 1000;
const BYTE kWhole = CRecipeData::kLoadLines | CRecipeData::kLoadCategories | CRecipeData::kLoadNutrition |
                    CRecipeData::kLoadReferences | CRecipeData::kLoadRecipeRow;

using bench::BuildFolder;

double Seconds()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A recipe of kLines lines of the template's first ingredients.
CRecipeData LongRecipe()
{
    CRecipeData recipe;
    recipe.m_title = "Forty lines";
    recipe.m_servings = 4;
    recipe.m_directions = std::string(2000, 'd').c_str();
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

}  // namespace

int main()
{
    bench::ShowMessagesOnConsole();
    const std::string folder = BuildFolder() + "\\testdata";
    CreateDirectoryA(folder.c_str(), nullptr);
    COdbcDataSources::SetProfilePath((folder + "\\bench-odbc.ini").c_str());
    const std::string path = folder + "\\recipe-store-bench.tws";
    CRMDatabase db;
    if (!bench::OpenTemplateCopy(path, db))
        return 1;

    CRecipeData recipe = LongRecipe();
    if (db.InsertRecipe(recipe, FALSE) != 0)
        return 1;
    double start = Seconds();
    CRecipeData loaded;
    loaded.m_recipeId = recipe.m_recipeId;
    db.LoadRecipe(&loaded, kWhole);
    std::printf("load a recipe of %d lines: %.1f ms\n", loaded.m_lines.GetCount(), 1000.0 * (Seconds() - start));

    CRecipeData edited(loaded);
    static_cast<CIngData*>(edited.m_lines.GetHead())->m_minQty = 9.0;
    start = Seconds();
    const int saved = db.SaveRecipe(loaded, edited);
    std::printf("save it with changed lines (result %d): %.1f ms\n", saved, 1000.0 * (Seconds() - start));

    CString sql;
    sql.Format("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %d) "
               "INSERT INTO RECIPE (COOKBOOK, RECIPE, TITLE, SERVINGS) SELECT '000001', printf('%%06d', 100000 + i), "
               "'Recipe ' || i, 4 FROM n",
               kDeleted);
    if (!db.ExecuteDirect(sql))
        return 1;
    start = Seconds();
    for (int i = 1; i <= kDeleted; ++i)
        db.DeleteRecipe(CRecordId(static_cast<unsigned long>(100000 + i)), TRUE);
    std::printf("delete %d recipes: %.1f ms\n", kDeleted, 1000.0 * (Seconds() - start));
    return 0;
}
