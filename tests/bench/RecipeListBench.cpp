// Prints how long a recipe list takes through CRecipeListBox and LUMBRA32, hosted as a form
// hosts them, on cookbooks of 1,000 and 100,000 recipes (all in one chapter and one category,
// every other one with nutrition, one in ten with a photo): to open (initialise, reset, first
// page answered), to page down at the top, middle and end, to jump to the end and to change
// the sort key. Then the recipe list form itself in the running program, opened from the contents
// on the category (first page shown and the related-items panel loaded) and paged down at the
// top, middle and end. Median of 5 runs, in milliseconds; the limit is twice the small figure
// + 5 ms.
// Run: wine-run tests/recipe_list_bench.exe (from the build tree).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "../shell/ListHostWindow.h"
#include "database/RMDatabase.h"
#include "database/RecordId.h"
#include "forms/RecipeListForm.h"
#include "framework/OdbcDataSources.h"
#include "res/resource.h"
#include "shell/app/CookbookApp.h"
#include "shell/controls/RecipeListBox.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/ProgramDirectory.h"
#include "tests/bench/BenchSupport.h"

namespace {

constexpr int kVisibleRows = 20;
constexpr int kRuns = 5;
const long kSizes[] = {1000, 100000};
const int kKeys[] = {0, 1, 2, 9};

struct Source
{
    const char* name;
    int mode;
    const char* id;
};

const Source kSources[] = {
    {"all recipes", 1, "000000"}, {"chapter", 1, "000001"}, {"category", 2, "000050"}, {"photos", 1, "999996"}};

const char* const kOperations[] = {"open",           "page down, top", "page down, middle",
                                   "page down, end", "jump to end",    "change key"};
constexpr int kOperationCount = 6;

const long kCategory = 50;
const char* const kFormOperations[] = {"open the form", "page down, top", "page down, middle", "page down, end"};
constexpr int kFormOperationCount = 4;

double Now()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool MakeCookbook(const std::string& path, long recipes)
{
    CRMDatabase db;
    if (!bench::OpenTemplateCopy(path, db))
        return false;
    const char* const statements[] = {
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %ld) "
        "INSERT INTO RECIPE (COOKBOOK, RECIPE, TITLE, SERVINGS, RATING, PREP_MIN, TOTAL_MIN, COST) "
        "SELECT '000001', printf('%%06d', i), 'Recipe ' || ((i * 7919) %% %ld), 4, i %% 5, i %% 90, i %% 200, "
        "(i %% 300) / 10.0 FROM n",
        "WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 2 FROM n WHERE i < %ld) "
        "INSERT INTO RCP_NUTRITION (ITEM_ID, CALORIES, PCNT_CAL_FAT, TOTAL_FAT, SODIUM, CHOLESTRL) "
        "SELECT printf('%%06d', i), (i * 37) %% 900, i %% 60, i %% 40, i %% 2000, i %% 300 FROM n",
        "WITH RECURSIVE n(i) AS (SELECT 10 UNION ALL SELECT i + 10 FROM n WHERE i < %ld) "
        "INSERT INTO REFERENC (REFID, REFTYPE, NAME) SELECT printf('%%06d', i), 'P', 'photo' FROM n",
        "INSERT INTO REFITEM (LINKTYPE, LINKID, REFID) SELECT 'R', REFID, REFID FROM REFERENC",
        "INSERT INTO RCP_CAT_ITEM (CATID, ITEM) SELECT '000050', RECIPE FROM RECIPE",
        "INSERT INTO HICAT (CATID, PARENTID, NAME, TYPE, HASRECIPES, HASMENUS, REL_INDEX) "
        "VALUES ('000050', '000000', 'Everything', 'R', 1, 0, 1)",
    };
    for (const char* statement : statements)
    {
        CString sql;
        sql.Format(statement, recipes, recipes);
        if (!db.ExecuteDirect(sql))
            return false;
    }
    return true;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One list as a form holds it: a host window, the control and its list box.
class CHostedList
{
public:
    explicit CHostedList(int mode)
    {
        m_list.SetSourceMode(mode);
        m_control = m_form.AddList(m_list, 10, kVisibleRows);
    }

    void Show(int key, const char* id)
    {
        m_list.Initialise(key, CRecordId(id), key);
        m_list.Reset();
        char text[128] = "";
        ::SendMessageA(m_control, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }

    void ShowFrom(long top)
    {
        m_list.SelectItem(top, LCN_GETAT);
        ::SendMessageA(m_control, LCM_ENSUREVISIBLE, 0, top);
    }

    void PageDown() { ::SendMessageA(m_control, LCM_PAGEDOWN, 0, 0); }
    void JumpToEnd() { m_list.SelectItem(0, LCN_GETLAST); }
    long Count() { return static_cast<long>(::SendMessageA(m_control, LB_GETCOUNT, 0, 0)); }

private:
    CListHostWindow m_form;
    CRecipeListBox m_list;
    HWND m_control = nullptr;
};

double Time(const std::function<void()>& prepare, const std::function<void()>& measured)
{
    std::vector<double> runs;
    for (int run = 0; run < kRuns; ++run)
    {
        prepare();
        const double start = Now();
        measured();
        runs.push_back(Now() - start);
    }
    return Median(runs);
}

// The figures of one list under one key, in the order of kOperations.
std::vector<double> Measure(const Source& source, int key)
{
    std::vector<double> figures;
    std::vector<double> opens;
    for (int run = 0; run < kRuns; ++run)
    {
        CHostedList fresh(source.mode);
        const double start = Now();
        fresh.Show(key, source.id);
        opens.push_back(Now() - start);
    }
    figures.push_back(Median(opens));
    CHostedList list(source.mode);
    list.Show(key, source.id);
    const long count = list.Count();
    for (long top : {0L, count / 2, count - 2 * kVisibleRows})
        figures.push_back(Time([&] { list.ShowFrom(std::max(0L, top)); }, [&] { list.PageDown(); }));
    figures.push_back(Time([&] { list.ShowFrom(0); }, [&] { list.JumpToEnd(); }));
    const int otherKey = key == 0 ? 1 : 0;
    figures.push_back(Time([&] { list.Show(otherKey, source.id); }, [&] { list.Show(key, source.id); }));
    return figures;
}

// The program object, as the program's own main module defines it.
CCookbookApp s_app;

// The program started on the cookbook at path, in a folder of its own, as a person starts it.
class CRunningProgram
{
public:
    CRunningProgram(const std::string& folder, std::string path) : m_path(std::move(path))
    {
        CreateDirectoryA(folder.c_str(), nullptr);
        CreateDirectoryA((folder + "\\resource").c_str(), nullptr);
        CProgramDirectory::SetProgramDirectory(folder.c_str());
        SetCurrentDirectoryA(folder.c_str());
        CCookbookApp& app = *GetCookbookApp();
        app.m_hInstance = GetModuleHandleA(nullptr);
        app.m_nCmdShow = SW_SHOW;
        app.m_lpCmdLine = &m_path[0];
        m_started = app.InitInstance() != FALSE;
    }
    ~CRunningProgram()
    {
        CCookbookApp& app = *GetCookbookApp();
        if (app.m_pMainWnd != nullptr)
            app.m_pMainWnd->DestroyWindow();
        app.m_pMainWnd = nullptr;
    }
    CRunningProgram(const CRunningProgram&) = delete;
    CRunningProgram& operator=(const CRunningProgram&) = delete;

    bool IsStarted() const { return m_started; }

private:
    std::string m_path;
    bool m_started = false;
};

HWND FormList()
{
    return ::GetDlgItem(g_pFormManager->GetActiveForm()->m_hWnd, IDC_RLIST_RECIPES);
}

// The category's form opened from the contents, its first page painted.
void OpenCategoryForm()
{
    CRecipeListForm::ForgetPlace();
    g_pFormManager->OpenForm(CFormManager::kActionDrillDown, CFormManager::kRecipeCategories, kCategory);
    ::UpdateWindow(FormList());
}

// The figures of the form, in the order of kFormOperations; empty when it did not open.
std::vector<double> MeasureForm()
{
    std::vector<double> figures;
    const auto toContents = [] {
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kContents, 0);
    };
    figures.push_back(Time(toContents, OpenCategoryForm));
    auto* pForm = dynamic_cast<CRecipeListForm*>(g_pFormManager->GetActiveForm());
    if (pForm == nullptr || pForm->GetPanelLoads() != 1)
        return {};
    HWND hList = FormList();
    const long count = static_cast<long>(::SendMessageA(hList, LCM_GETCOUNT, 0, 0));
    for (long top : {0L, count / 2, count - 2 * kVisibleRows})
        figures.push_back(Time(
            [&] {
                ::SendMessageA(hList, LCM_SELECT, LCN_GETAT, std::max(0L, top));
                ::SendMessageA(hList, LCM_ENSUREVISIBLE, 0, std::max(0L, top));
                ::UpdateWindow(hList);
            },
            [&] {
                ::SendMessageA(hList, LCM_PAGEDOWN, 0, 0);
                ::UpdateWindow(hList);
            }));
    return figures;
}

}  // namespace

int main()
{
    bench::ShowMessagesOnConsole();
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    COdbcDataSources::SetProfilePath((std::string(temp) + "recipe-list-bench.ini").c_str());
    // figures[size][source][key][operation]
    std::vector<std::vector<std::vector<std::vector<double>>>> figures;
    // formFigures[size][operation]
    std::vector<std::vector<double>> formFigures;
    for (long recipes : kSizes)
    {
        const std::string path = std::string(temp) + "recipe-list-bench.tws";
        if (!MakeCookbook(path, recipes))
        {
            std::printf("could not make the cookbook %s\n", path.c_str());
            return 1;
        }
        CRMDatabase db;
        if (!db.OpenCookbookFile(path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE))
            return 1;
        SetCurrentDatabase(&db);
        figures.emplace_back();
        for (const Source& source : kSources)
        {
            figures.back().emplace_back();
            for (int key : kKeys)
                figures.back().back().push_back(Measure(source, key));
        }
        SetCurrentDatabase(nullptr);
        db.Close();
        {
            CRunningProgram program(std::string(temp) + "recipe-list-bench", path);
            formFigures.push_back(program.IsStarted() ? MeasureForm() : std::vector<double>());
        }
        if (formFigures.back().empty())
        {
            std::printf("the recipe list form did not open on %ld recipes\n", recipes);
            return 1;
        }
        DeleteFileA(path.c_str());
    }
    std::printf("| list | key | operation | 1,000 | 100,000 | limit |\n|---|---|---|---:|---:|---:|\n");
    int over = 0;
    for (size_t source = 0; source < std::size(kSources); ++source)
    {
        for (size_t key = 0; key < std::size(kKeys); ++key)
        {
            for (int operation = 0; operation < kOperationCount; ++operation)
            {
                const double small = figures[0][source][key][operation];
                const double large = figures[1][source][key][operation];
                const double limit = 2 * small + 5;
                over += large > limit;
                std::printf("| %s | %d | %s | %.2f | %.2f | %.1f%s |\n", kSources[source].name, kKeys[key],
                            kOperations[operation], small, large, limit, large > limit ? " OVER" : "");
            }
        }
    }
    std::printf("\n| recipe list form | 1,000 | 100,000 | limit |\n|---|---:|---:|---:|\n");
    for (int operation = 0; operation < kFormOperationCount; ++operation)
    {
        const double small = formFigures[0][operation];
        const double large = formFigures[1][operation];
        const double limit = 2 * small + 5;
        over += large > limit;
        std::printf("| %s | %.2f | %.2f | %.1f%s |\n", kFormOperations[operation], small, large, limit,
                    large > limit ? " OVER" : "");
    }
    std::printf("%d figures over the limit\n", over);
    return 0;
}
