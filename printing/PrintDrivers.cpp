#include "printing/PrintDrivers.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "database/CookbookDatabase.h"
#include "database/IngData.h"
#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "database/PrintPrefs.h"
#include "database/RecipeData.h"
#include "database/RecipeList.h"
#include "database/RecipeListItem.h"
#include "printing/CategoryExportJob.h"
#include "printing/ChapterExportJob.h"
#include "printing/MealPlanReport.h"
#include "printing/NutritionReport.h"
#include "printing/PrintAbortDlg.h"
#include "printing/PrinterOutput.h"
#include "printing/RecipePrintLayout.h"
#include "printing/RecipeWriterTable.h"
#include "printing/ReportOutput.h"
#include "printing/SpecialsReport.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/WaitCursor.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/WindowPlacement.h"

namespace {

const BYTE kLinkedLoadFlags = 17;
const BYTE kLinkedWithNutritionLoadFlags = 21;
const BYTE kSpecialsLoadFlags = 0;
const int kLoadFailed = 2;
const char kRecipeLineType[] = "R";

PrintSettings& PrintRecord()
{
    return *g_pAppSettings->GetPrintRecord();
}

BYTE LinkedRecipeLoadFlags()
{
    return PrintRecord().IncludeNutrition == 1 ? kLinkedWithNutritionLoadFlags : kLinkedLoadFlags;
}

// The abort dialog names what prints now; a print file has none.
void ShowPrinting(UINT nTextId, const char* pszName)
{
    HWND hDlg = CPrintAbortDlg::GetHandle();
    if (hDlg == nullptr)
        return;
    CString text;
    text.LoadString(nTextId);
    text += pszName;
    ::SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(text)));
}

bool LoadRecipe(CRecipeData& recipe, const CRecordId& id, BYTE nFlags)
{
    recipe.Clear();
    recipe.m_recipeId = id;
    return GetCurrentDatabase()->LoadRecipe(&recipe, nFlags) != kLoadFailed;
}

// A recipe that starts on a new page unless the print record keeps recipes together.
void StartRecipe(CPageFormatter& output, const CRecipeData& recipe)
{
    if (PrintRecord().SamePage == 0)
        output.NewPage();
    ShowPrinting(IDS_PRINT_RECIPE_TEXT, recipe.m_title);
}

enum class EmbeddedForm
{
    View,
    Printout,
};

// The recipes that the recipe's "R" lines use; one that no longer loads is left out.
void WriteEmbeddedRecipes(CRecipePrintLayout& layout, CPageFormatter& output, const CRecipeData& recipe,
                          EmbeddedForm form)
{
    for (POSITION position = recipe.m_lines.GetHeadPosition(); position != nullptr;)
    {
        const auto* pLine = static_cast<const CIngData*>(recipe.m_lines.GetNext(position));
        if (pLine->m_lineType != kRecipeLineType)
        {
            if (output.IsAborted())
                return;
            continue;
        }
        CRecipeData embedded;
        if (!LoadRecipe(embedded, pLine->m_itemId, LinkedRecipeLoadFlags()))
            continue;
        if (form == EmbeddedForm::View)
        {
            layout.WriteRecipeView(&embedded, nullptr);
            continue;
        }
        StartRecipe(output, embedded);
        if (layout.WriteRecipe(&embedded, nullptr) != 0)
            return;
    }
}

struct ListedRecipe
{
    CRecordId Id;
    int Servings;
};

// The recipes of a meal plan or of the Specials, each at the servings of the preferences or,
// when those give none, at its own item's.
void WriteListedRecipes(CPageFormatter& output, const std::vector<ListedRecipe>& recipes, BYTE nFlags, PrintPrefs prefs)
{
    const int nCommonServings = prefs.Servings;
    CRecipePrintLayout layout(&output);
    for (const ListedRecipe& listed : recipes)
    {
        if (output.IsAborted())
            return;
        CRecipeData recipe;
        if (!LoadRecipe(recipe, listed.Id, nFlags))
            continue;
        StartRecipe(output, recipe);
        prefs.Servings = nCommonServings != 0 ? nCommonServings : listed.Servings;
        if (layout.WriteRecipe(&recipe, &prefs) != 0)
            return;
    }
}

PrintPrefs ProgramPrefs(int nServings)
{
    return PrintPrefs{*g_pAppSettings->GetSystemRecord(), nServings};
}

void WriteMealPlanRecipes(CPageFormatter& output, const CMenuData& menu)
{
    std::vector<ListedRecipe> recipes;
    for (POSITION position = menu.m_items.GetHeadPosition(); position != nullptr;)
    {
        const auto* pItem = static_cast<const CMenuItem*>(menu.m_items.GetNext(position));
        if (pItem->m_type == kRecipeLineType)
            recipes.push_back({pItem->m_itemId, pItem->m_servings});
    }
    WriteListedRecipes(output, recipes, LinkedRecipeLoadFlags(), ProgramPrefs(menu.m_servings));
}

void WriteSpecialsRecipes(CPageFormatter& output, const CRecipeList& list, const PrintPrefs* pPrefs)
{
    std::vector<ListedRecipe> recipes;
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
    {
        const CRecipeListItem* pItem = list.GetRecipeAt(static_cast<int>(i));
        recipes.push_back({pItem->m_id, pItem->m_servings});
    }
    WriteListedRecipes(output, recipes, kSpecialsLoadFlags, pPrefs != nullptr ? *pPrefs : ProgramPrefs(0));
}

template <typename Write>
int WriteToJob(CPrintInfo* pInfo, Write write)
{
    CPrinterOutput* pOutput = OpenPrintJobOutput(pInfo);
    write(*pOutput);
    return ClosePrintJobOutput(pOutput, 1);
}

template <typename Write>
int WriteNutritionToJob(CPrintInfo* pInfo, Write write)
{
    return WriteToJob(pInfo, [&](CPageFormatter& output) {
        CNutritionReport report(&output);
        write(report);
    });
}

// The copies of the print record, each a run of the job, until a run or the user stops.
void RunCopies(CPageFormatter& output, CCollectionJob& job)
{
    const int nCopies = std::max(1, PrintRecord().Copies);
    SetWaitCursor(1);
    for (int i = 0; i < nCopies && !output.IsAborted(); ++i)
    {
        job.SetIncludeRecipePrintouts(PrintRecord().BookRecipes);
        if (job.Run() != 1)
            break;
    }
    SetWaitCursor(0);
}

// A print file of a text format is written by that format's own writer, when it has one.
std::unique_ptr<CReportJob> MakePrintFileWriter(CPageFormatter* pOutput)
{
    const int nKind = GetPrintOutputKind();
    if (PrintRecord().PrintToFile == 0 || (nKind != kPrintMasterCook && nKind != kPrintMm))
        return nullptr;
    return MakeFormatWriter(nKind, pOutput);
}

}  // namespace

int PrintRecipeToJob(CRecipeData* pRecipe, CPrintInfo* pInfo, PrintPrefs* pPrefs)
{
    return WriteToJob(pInfo, [&](CPageFormatter& output) {
        CRecipePrintLayout layout(&output);
        layout.WriteRecipeView(pRecipe, pPrefs);
        if (pRecipe != nullptr && PrintRecord().RecipesInRecipes != 0)
            WriteEmbeddedRecipes(layout, output, *pRecipe, EmbeddedForm::View);
    });
}

int PrintRecipeList(CRecipeData* pRecipe, PrintPrefs* pPrefs)
{
    std::unique_ptr<CPageFormatter> output = OpenReportOutput("recipes");
    if (output == nullptr)
        return 0;
    ShowPrinting(IDS_PRINT_RECIPE_TEXT, pRecipe->m_title);
    if (std::unique_ptr<CReportJob> writer = MakePrintFileWriter(output.get()))
    {
        writer->WriteRecipe(pRecipe, pPrefs);
        return CloseReportOutput(std::move(output), 1);
    }
    CRecipePrintLayout layout(output.get());
    layout.WriteRecipe(pRecipe, pPrefs);
    if (PrintRecord().RecipesInRecipes != 0)
        WriteEmbeddedRecipes(layout, *output, *pRecipe, EmbeddedForm::Printout);
    return CloseReportOutput(std::move(output), 1);
}

int PrintRecipeNutritionToJob(const CRecordId& recipeId, CPrintInfo* pInfo)
{
    return WriteNutritionToJob(pInfo, [&](CNutritionReport& report) { report.WriteRecipeNutrition(recipeId); });
}

int PrintMealPlanNutritionToJob(CMenuData& menu, CPrintInfo* pInfo)
{
    return WriteNutritionToJob(pInfo, [&](CNutritionReport& report) { report.WriteMealPlanNutrition(menu); });
}

int PrintBlankNutritionLabelToJob(CPrintInfo* pInfo)
{
    return WriteNutritionToJob(pInfo, [](CNutritionReport& report) { report.WriteBlankLabel(); });
}

int PrintNutritionLabelToJob(const NUTRITION& profile, int nPanel, CPrintInfo* pInfo)
{
    return WriteNutritionToJob(pInfo, [&](CNutritionReport& report) { report.WriteNutritionLabel(profile, nPanel); });
}

int PrintNutritionTableToJob(const NUTRITION& profile, int nPanel, CPrintInfo* pInfo)
{
    return WriteNutritionToJob(pInfo, [&](CNutritionReport& report) { report.WriteNutritionTable(profile, nPanel); });
}

int PrintMealPlanToJob(CMenuData* pMenu, CPrintInfo* pInfo, PrintPrefs* pPrefs)
{
    return WriteToJob(pInfo, [&](CPageFormatter& output) {
        CMealPlanReport report(&output);
        if (report.IsValid())
            report.WriteMealPlanDays(pMenu, pPrefs);
    });
}

int PrintMealPlan(CMenuData* pMenu, PrintPrefs* pPrefs)
{
    std::unique_ptr<CPageFormatter> output = OpenReportOutput("meal plan");
    if (output == nullptr)
        return 0;
    ShowPrinting(IDS_PRINT_MEAL_PLAN_TEXT, pMenu->m_name);
    CMealPlanReport report(output.get());
    report.WriteMealPlan(pMenu, pPrefs);
    if (PrintRecord().MenuRecipes == 1)
        WriteMealPlanRecipes(*output, *pMenu);
    return CloseReportOutput(std::move(output), 1);
}

int PrintSpecialsToJob(CPrintInfo* pInfo, const CRecipeList& list, PrintPrefs* pPrefs)
{
    return WriteToJob(pInfo, [&](CPageFormatter& output) {
        CSpecialsReport report(&output);
        report.WriteSpecials(list, pPrefs);
    });
}

int PrintSpecials(const CRecipeList& list, PrintPrefs* pPrefs)
{
    std::unique_ptr<CPageFormatter> output = OpenReportOutput("Specials");
    if (output == nullptr)
        return 0;
    CSpecialsReport report(output.get());
    report.WriteSpecialsWithNutrition(list, pPrefs);
    if (PrintRecord().MenuRecipes == 1)
        WriteSpecialsRecipes(*output, list, pPrefs);
    return CloseReportOutput(std::move(output), 1);
}

int PrintChapter(const CListItem& chapter, SortedListViewFactory makeView)
{
    std::unique_ptr<CPageFormatter> output = OpenReportOutput("Chapter");
    if (output == nullptr)
        return 0;
    {
        CChapterExportJob job(output.get(), chapter, makeView);
        RunCopies(*output, job);
    }
    return CloseReportOutput(std::move(output), 1);
}

int PrintCategory(const CListItem& category, const CObList& recipes)
{
    std::unique_ptr<CPageFormatter> output = OpenReportOutput("Category");
    if (output == nullptr)
        return 0;
    {
        CCategoryExportJob job(output.get(), category.m_name, recipes);
        RunCopies(*output, job);
    }
    return CloseReportOutput(std::move(output), 1);
}
