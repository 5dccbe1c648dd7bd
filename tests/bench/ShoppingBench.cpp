// Not a test: prints the time to add 100 recipes of ten lines each to a shopping list, to build
// its summary, and to save the list and open it again. The recipes come from memory, so the
// figures are the manager's own.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/bench/BenchSupport.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/ProgramDirectory.h"
#include "tests/shopping/FakeCookbook.h"
#include "shopping/ShopMgr.h"
#include "tests/support/TestDataFolder.h"

namespace {

const int kRecipes = 100;
const int kLinesPerRecipe = 10;
const int kIngredientNames = 60;

double Seconds()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Fill(shoptest::CFakeCookbook& db)
{
    for (int r = 0; r < kRecipes; ++r)
    {
        shoptest::Recipe recipe{"Recipe " + std::to_string(r), 4, {}};
        for (int l = 0; l < kLinesPerRecipe; ++l)
        {
            const std::string name = "ingredient " + std::to_string((r * kLinesPerRecipe + l * 7) % kIngredientNames);
            recipe.lines.push_back(shoptest::Ingredient(name.c_str(), 1 + l % 3));
        }
        db.m_recipes[CRecordId(static_cast<unsigned long>(r + 1)).GetText()] = recipe;
    }
}

}  // namespace

int main()
{
    bench::ShowMessagesOnConsole();
    const std::string folder = testdata::Folder() + "\\shopping_bench";
    CreateDirectoryA(folder.c_str(), nullptr);
    SetCurrentDirectoryA(folder.c_str());
    CProgramDirectory::SetProgramDirectory(folder.c_str());
    DeleteFileA("bench.shp");

    shoptest::CFakeCookbook db;
    Fill(db);
    SetCurrentDatabase(&db);
    {
        CShopMgr manager;
        manager.OpenShoppingList("bench");
        double start = Seconds();
        for (int r = 0; r < kRecipes; ++r)
            manager.AddRecipe(db.Entry(CRecordId(static_cast<unsigned long>(r + 1))), 8, nullptr);
        std::printf("add %d recipes (%d items): %.1f ms\n", kRecipes, manager.GetCurrentList().GetSize(),
                    (Seconds() - start) * 1000.0);

        start = Seconds();
        manager.BuildSummary();
        std::printf("build the summary (%d entries): %.1f ms\n", manager.GetSummaryList().GetSize(),
                    (Seconds() - start) * 1000.0);

        manager.SetModified(1);
        start = Seconds();
        manager.SaveShoppingList();
        std::printf("save the list: %.1f ms\n", (Seconds() - start) * 1000.0);
    }
    CShopMgr reader;
    const double start = Seconds();
    reader.OpenShoppingList("bench");
    std::printf("open the list again (%d items): %.1f ms\n", reader.GetCurrentList().GetSize(),
                (Seconds() - start) * 1000.0);
    SetCurrentDatabase(nullptr);
    return 0;
}
