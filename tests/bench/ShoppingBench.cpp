// Not a test: prints the time to add 100 recipes of ten lines each to a shopping list, to build
// its summary and write it by the sections of a store, to show it as the shopping form's rows, and
// to save the list and open it again.
// The recipes and the store come from memory, so the figures are the manager's own.
#include <windows.h>

#include <cstdio>
#include <string>

#include "database/ListItem.h"
#include "printing/PageFormatter.h"
#include "printing/ScreenLineList.h"
#include "shell/controls/PrintFontListBox.h"
#include "tests/bench/BenchSupport.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/ProgramDirectory.h"
#include "tests/shopping/FakeCookbook.h"
#include "shopping/ShopForm.h"
#include "shopping/ShopMgr.h"
#include "tests/support/TestDataFolder.h"

namespace {

const int kRecipes = 100;
const int kLinesPerRecipe = 10;
const int kIngredientNames = 60;
const int kSections = 8;
const long kStore = 1;

// Lays the lines out and drops them: the figure is the writing, not a device.
class CDiscardingFormatter : public CPageFormatter
{
public:
    int WriteRaw(const char* /*pszText*/) override
    {
        ++m_lines;
        return 1;
    }

    int m_lines = 0;
};

double Seconds()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void AddListItem(CCustObList& list, unsigned long id, const char* name)
{
    auto* pItem = new CListItem;
    pItem->m_id = CRecordId(id);
    pItem->m_name = name;
    list.AddTail(pItem);
}

// The store lists every section but the last, so both blocks of the store layout are written.
void FillStore(shoptest::CFakeCookbook& db)
{
    AddListItem(db.m_storeList, kStore, "Corner Market");
    db.m_nSectionStore = kStore;
    for (int s = 0; s < kSections; ++s)
    {
        const CRecordId id(static_cast<unsigned long>(100 + s));
        const CString name = ("section " + std::to_string(s)).c_str();
        db.m_groups[id.GetText()] = name;
        db.m_groups[name] = id.GetText();
        if (s + 1 < kSections)
            AddListItem(db.m_sectionList, 100 + s, name);
    }
}

void Fill(shoptest::CFakeCookbook& db)
{
    for (int r = 0; r < kRecipes; ++r)
    {
        shoptest::Recipe recipe{"Recipe " + std::to_string(r), 4, {}};
        for (int l = 0; l < kLinesPerRecipe; ++l)
        {
            const int ingredient = (r * kLinesPerRecipe + l * 7) % kIngredientNames;
            const std::string name = "ingredient " + std::to_string(ingredient);
            CIngData line = shoptest::Ingredient(name.c_str(), 1 + l % 3);
            line.m_groupName = ("section " + std::to_string(ingredient % kSections)).c_str();
            recipe.lines.push_back(line);
        }
        db.m_recipes[CRecordId(static_cast<unsigned long>(r + 1)).GetText()] = recipe;
    }
}

// One refresh of the shopping form: every check box and layout change does this.
void ShowFormRows(CShopMgr& manager)
{
    HWND hHost = ::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 600, 800, nullptr, nullptr, nullptr, nullptr);
    const int kListId = 671;
    ::CreateWindowA("LISTBOX", "", WS_CHILD | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY, 0, 0,
                    600, 800, hHost, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), nullptr, nullptr);
    CWnd host;
    host.Attach(hHost);
    CPrintFontListBox list;
    list.SubclassDlgItem(kListId, &host);
    CScreenLineList lines;
    CShopMgr* pPrevious = g_pShopMgr;
    g_pShopMgr = &manager;
    for (LONG mode : {0L, 3L})
    {
        const double start = Seconds();
        CShopForm::ShowList(list, lines, mode, kStore);
        std::printf("refresh the form's rows, layout %ld (%d items, %d rows): %.1f ms\n", mode,
                    manager.GetCurrentList().GetSize(), list.GetCount(), (Seconds() - start) * 1000.0);
    }
    g_pShopMgr = pPrevious;
    list.UnsubclassWindow();
    host.Detach();
    ::DestroyWindow(hHost);
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
    FillStore(db);
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

        CDiscardingFormatter output;
        manager.SetShowDetail(TRUE);
        start = Seconds();
        manager.DisplayShoppingList(&output, 3, kStore);
        std::printf("build the summary and write it by store, with the detail (%d lines): %.1f ms\n", output.m_lines,
                    (Seconds() - start) * 1000.0);

        ShowFormRows(manager);

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
