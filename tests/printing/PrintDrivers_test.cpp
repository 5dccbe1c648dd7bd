#include "printing/PrintDrivers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "database/MenuData.h"
#include "database/Nutrition.h"
#include "database/MenuItem.h"
#include "database/RecipeList.h"
#include "database/TOCListItem.h"
#include "framework/PrintInfo.h"
#include "printing/CollectionFixture.h"
#include "printing/ExportDriver.h"
#include "printing/PrintAbortDlg.h"
#include "printing/PrinterOutput.h"
#include "res/resource.h"
#include "shell/services/ProgressDlg.h"
#include "shell/settings/WindowPlacement.h"
#include "support/TestDataFolder.h"
#include "support/TestPrinter.h"

namespace {

using printtest::CCategoryRecipes;
using printtest::CFakeChapterView;
using printtest::SmallRecipe;

CMenuItem* MealPlanItem(const char* type, const char* id, const char* text, WORD servings, WORD day, WORD meal)
{
    auto* pItem = new CMenuItem;
    pItem->m_type = type;
    pItem->m_itemId = CRecordId(id);
    pItem->m_text = text;
    pItem->m_servings = servings;
    pItem->m_day = day;
    pItem->m_meal = meal;
    return pItem;
}

class PrintDrivers : public printtest::CollectionTest
{
protected:
    void SetUp() override
    {
        CollectionTest::SetUp();
        m_book.Add(printtest::FixtureRecipe());
        m_book.Add(SmallRecipe("000102", "Sweet Crust"));
        m_book.ChapterNames["000007"] = "Baking";
    }
    void TearDown() override
    {
        SetPrintFile("pxprint.txt", kPrintText);
        CollectionTest::TearDown();
    }

    void PrintToFile(const std::string& name, int nKind)
    {
        Print().PrintToFile = 1;
        SetPrintFile(PathOf(name).c_str(), nKind);
        m_file = name;
    }
    // The print file, byte for byte as the golden file of that name.
    void ExpectGolden() const
    {
        const std::string golden = testdata::WindowsPath(SAVORUM_PRINTING_GOLDEN) + "\\" + m_file;
        EXPECT_EQ(shelltest::ReadFile(golden), shelltest::ReadFile(PathOf(m_file))) << PathOf(m_file);
    }
    CRecipeData Fixture() { return m_book.Recipes["000101"]; }

    void FillMealPlan(CMenuData& menu)
    {
        menu.m_id = CRecordId("000301");
        menu.m_name = "Summer Sunday";
        menu.m_description = "A light day.";
        menu.m_items.AddTail(MealPlanItem("R", "000101", "Lemon Tart", 4, 1, 3));
        menu.m_items.AddTail(MealPlanItem("E", "000000", "Fresh bread", 0, 1, 3));
        menu.m_items.AddTail(MealPlanItem("R", "000102", "Sweet Crust", 2, 1, 5));
    }

    std::string m_file;
};

TEST_F(PrintDrivers, RecipeListWithEmbeddedRecipeAsPlainTextAndRtf)
{
    Print().RecipesInRecipes = 1;
    Print().IncludeNutrition = 0;
    for (const int nKind : {kPrintText, kPrintRtf})
    {
        SCOPED_TRACE(nKind);
        PrintToFile(nKind == kPrintRtf ? "recipe-list.rtf" : "recipe-list.txt", nKind);
        CRecipeData recipe = Fixture();
        EXPECT_EQ(1, PrintRecipeList(&recipe, nullptr));
        ExpectGolden();
    }
    EXPECT_EQ((std::vector<int>{17, 17}), m_book.LoadRequests);
}

TEST_F(PrintDrivers, MealPlanWithItsRecipesEachOnANewPageInPlainTextAndRtf)
{
    Print().MenuRecipes = 1;
    Print().SamePage = 0;
    Print().IncludeNutrition = 1;
    for (const int nKind : {kPrintText, kPrintRtf})
    {
        SCOPED_TRACE(nKind);
        PrintToFile(nKind == kPrintRtf ? "meal-plan.rtf" : "meal-plan.txt", nKind);
        CMenuData menu;
        FillMealPlan(menu);
        EXPECT_EQ(1, PrintMealPlan(&menu, nullptr));
        ExpectGolden();
    }
    EXPECT_EQ((std::vector<int>{21, 21, 21, 21}), m_book.LoadRequests);
}

TEST_F(PrintDrivers, SpecialsWithTheirRecipesAtTheListedServings)
{
    Print().MenuRecipes = 1;
    Print().IncludeNutrition = 0;
    CRecipeList specials;
    for (const char* id : {"000101", "000102"})
    {
        auto* pItem = new CRecipeListItem;
        pItem->m_id = CRecordId(id);
        pItem->m_name = m_book.Recipes[id].m_title;
        pItem->m_servings = 8;
        specials.Add(pItem);
    }
    PrintToFile("specials.txt", kPrintText);
    EXPECT_EQ(1, PrintSpecials(specials, nullptr));
    ExpectGolden();
    EXPECT_EQ((std::vector<int>{0, 0}), m_book.LoadRequests);
}

TEST_F(PrintDrivers, ChapterWithThreeCopiesRunsTheJobThreeTimes)
{
    AddChapterRecipe("000201", "Apple Pie");
    AddChapterRecipe("000202", "Berry Fool");
    Print().Copies = 3;
    Print().BookRecipes = 0;
    PrintToFile("chapter.txt", kPrintText);
    EXPECT_EQ(1, PrintChapter(TOCListItem("Baking", 7, 'T'), CFakeChapterView::Make));
    ExpectGolden();
    EXPECT_EQ(1, CFakeChapterView::Opens());
}

TEST_F(PrintDrivers, CategoryWithItsRecipes)
{
    m_book.Add(SmallRecipe("000201", "Apple Pie"));
    CCategoryRecipes recipes;
    recipes.Add("000201", "Apple Pie");
    recipes.Add("000101", "Lemon Tart");
    Print().Copies = 0;
    Print().BookRecipes = 1;
    PrintToFile("category.txt", kPrintText);
    EXPECT_EQ(1, PrintCategory(CListItem("Desserts", 12, 'C'), recipes.List));
    ExpectGolden();
}

TEST_F(PrintDrivers, ExportOfAnEmptyListWritesOnlyTheRtfHeader)
{
    PrintToFile("export-empty.rtf", kPrintRtf);
    CRecipeList none;
    EXPECT_EQ(1, ExportRecipeList(none, nullptr));
    ExpectGolden();
}

TEST_F(PrintDrivers, CancelInTheProgressWindowStopsTheExportAndKeepsWhatWasWritten)
{
    m_book.Add(SmallRecipe("000201", "Apple Pie"));
    m_book.Add(SmallRecipe("000203", "Cherry Cake"));
    CRecipeList recipes;
    for (const char* id : {"000201", "000202", "000203"})
    {
        auto* pItem = new CRecipeListItem;
        pItem->m_id = CRecordId(id);
        recipes.Add(pItem);
    }
    PrintToFile("export-cancelled.txt", kPrintText);
    CProgressDlg progress(nullptr, "Exporting recipes...");
    m_book.AfterLoad = [&progress](int /*nLoads*/) { progress.OnCancel(); };
    EXPECT_EQ(1, ExportRecipeList(recipes, &progress));
    ExpectGolden();
    EXPECT_EQ((std::vector<int>{63}), m_book.LoadRequests);
}

TEST_F(PrintDrivers, OutputThatCannotOpenWritesNothingAndReturnsZero)
{
    Print().PrintToFile = 1;
    SetPrintFile(PathOf("no such folder\\out.txt").c_str(), kPrintText);
    CRecipeData recipe = Fixture();
    CMenuData menu;
    CCategoryRecipes recipes;
    recipes.Add("000101", "Lemon Tart");
    EXPECT_EQ(0, PrintRecipeList(&recipe, nullptr));
    EXPECT_EQ(0, PrintMealPlan(&menu, nullptr));
    EXPECT_EQ(0, PrintCategory(CListItem("Desserts", 12, 'C'), recipes.List));
    EXPECT_EQ(0, ExportRecipeList(CRecipeList(), nullptr));
    EXPECT_TRUE(m_book.LoadRequests.empty());
    EXPECT_EQ(4u, m_boxes.GetShown().size());
}

TEST_F(PrintDrivers, RecipeToAPrintJobStoresTheViewWithItsEmbeddedRecipe)
{
    Print().RecipesInRecipes = 1;
    CPrintInfo info;
    info.m_hDC = ::CreateCompatibleDC(nullptr);
    CRecipeData recipe = Fixture();
    EXPECT_EQ(1, PrintRecipeToJob(&recipe, &info, nullptr));
    auto* pOutput = static_cast<CPrinterOutput*>(info.m_lpUserData);
    ASSERT_NE(nullptr, pOutput);
    std::vector<std::string> texts;
    for (const CLayoutEngine::StoredLine& line : pOutput->GetEngine().GetStoredLines())
        texts.push_back(line.Text);
    const auto crust = std::find(texts.begin(), texts.end(), "Sweet Crust");
    EXPECT_NE(texts.end(), crust);
    EXPECT_NE(texts.begin(), crust) << "after the recipe itself";
    delete pOutput;
    ::DeleteDC(info.m_hDC);
}

TEST_F(PrintDrivers, NutritionDriversLayTheFactsOutOnThePrintJob)
{
    const NUTRITION profile = *Fixture().GetNutrition();
    const struct
    {
        const char* name;
        std::function<int(CPrintInfo*)> print;
        const char* expected;
    } cases[] = {
        {"recipe", [](CPrintInfo* pInfo) { return PrintRecipeNutritionToJob(CRecordId("000101"), pInfo); },
         "Calories from Fat  117"},
        {"blank label", [](CPrintInfo* pInfo) { return PrintBlankNutritionLabelToJob(pInfo); }, "Calories  0"},
        {"label", [&](CPrintInfo* pInfo) { return PrintNutritionLabelToJob(profile, 0, pInfo); },
         "Nutrition (per serving):  117 calories"},
        {"table", [&](CPrintInfo* pInfo) { return PrintNutritionTableToJob(profile, 1, pInfo); }, "Amount Per Serving"},
    };
    for (const auto& row : cases)
    {
        SCOPED_TRACE(row.name);
        CPrintInfo info;
        info.m_hDC = ::CreateCompatibleDC(nullptr);
        EXPECT_EQ(1, row.print(&info));
        auto* pOutput = static_cast<CPrinterOutput*>(info.m_lpUserData);
        ASSERT_NE(nullptr, pOutput);
        std::string all;
        for (const CLayoutEngine::StoredLine& line : pOutput->GetEngine().GetStoredLines())
            all += line.Text + "\n";
        EXPECT_NE(std::string::npos, all.find(row.expected)) << all;
        delete pOutput;
        ::DeleteDC(info.m_hDC);
    }
}

class PrintDriversOnPrinter : public PrintDrivers
{
protected:
    void SetUp() override
    {
        PrintDrivers::SetUp();
        m_printer = std::make_unique<testprinter::CTestPrinter>("Savorum Test Output", PathOf("out.ps"));
        ASSERT_TRUE(m_printer->IsReady()) << "the prefix has no test printer driver";
        Print().PrintToFile = 0;
    }
    void TearDown() override
    {
        m_printer.reset();
        PrintDrivers::TearDown();
    }

    std::string Output() const { return testprinter::ReadBytes(m_printer->OutputFile()); }
    std::vector<std::string> Pages() const
    {
        return testprinter::ReadPageTexts(m_printer->OutputFile(), testprinter::CountPages(Output()));
    }
    static std::string AbortDialogText()
    {
        char text[256] = {};
        ::GetDlgItemTextA(CPrintAbortDlg::GetHandle(), IDC_PRINT_ABORT_TEXT, text, sizeof text);
        return text;
    }

    std::unique_ptr<testprinter::CTestPrinter> m_printer;
};

TEST_F(PrintDriversOnPrinter, RecipeListPagesHoldTitleServingsAndIngredients)
{
    Print().RecipesInRecipes = 1;
    std::string textWhileEmbedded;
    m_book.AfterLoad = [&](int /*nLoads*/) { textWhileEmbedded = AbortDialogText(); };
    CRecipeData recipe = Fixture();
    EXPECT_EQ(1, PrintRecipeList(&recipe, nullptr));
    EXPECT_EQ("Printing recipe Lemon Tart", textWhileEmbedded);
    std::string all;
    for (const std::string& page : Pages())
        all += page;
    for (const char* expected :
         {"Lemon Tart\n", "4 Servings\n", "2 cups flour, sifted\n", "1 lemon, (optional)\n", "3 beaten eggs\n"})
        EXPECT_NE(std::string::npos, all.find(expected)) << expected << "\n" << all;
}

TEST_F(PrintDriversOnPrinter, ChapterWithOneRecipePerPageStartsEachRecipeOnItsOwnPage)
{
    AddChapterRecipe("000201", "Apple Pie");
    AddChapterRecipe("000202", "Berry Fool");
    AddChapterRecipe("000203", "Cherry Cake");
    Print().SamePage = 0;
    Print().BookRecipes = 1;
    Print().Copies = 1;
    EXPECT_EQ(1, PrintChapter(TOCListItem("Baking", 7, 'T'), CFakeChapterView::Make));
    const std::vector<std::string> pages = Pages();
    ASSERT_GE(pages.size(), 4u) << "the titles, then one page for each recipe";
    EXPECT_EQ(0u, pages[0].find("Baking\n"));
    const char* const titles[] = {"Apple Pie\n", "Berry Fool\n", "Cherry Cake\n"};
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(0u, pages[pages.size() - 3 + i].find(titles[i])) << pages[pages.size() - 3 + i];
}

TEST_F(PrintDriversOnPrinter, CancelAfterTheFirstRecipeStopsTheChapterThere)
{
    AddChapterRecipe("000201", "Apple Pie");
    AddChapterRecipe("000202", "Berry Fool");
    AddChapterRecipe("000203", "Cherry Cake");
    Print().BookRecipes = 1;
    Print().Copies = 2;
    m_book.AfterLoad = [](int nLoads) {
        if (nLoads == 2)
            ::PostMessageA(CPrintAbortDlg::GetCancelButton(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    };
    EXPECT_EQ(1, PrintChapter(TOCListItem("Baking", 7, 'T'), CFakeChapterView::Make));
    EXPECT_EQ(2u, m_book.LoadRequests.size());
    EXPECT_EQ(std::string::npos, Output().find("Berry Fool ")) << "no recipe after the cancel";
    EXPECT_EQ(nullptr, CPrintAbortDlg::GetHandle());
}

}  // namespace
