#include "forms/RecipeListForm.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "database/BrowseState.h"
#include "database/MenuData.h"
#include "database/RMDatabase.h"
#include "forms/PopupMenuChoice.h"
#include "forms/TOCForm.h"
#include "framework/DialogDriver.h"
#include "framework/Menu.h"
#include "framework/MessageBoxScript.h"
#include "listctl/ListProtocol.h"
#include "res/resource.h"
#include "shell/app/CookbookApp.h"
#include "shell/formbase/FormManager.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/ProgramDirectory.h"
#include "shell/settings/WindowPlacement.h"
#include "shell/ShellTestFolder.h"
#include "support/CookbookFixture.h"
#include "ProgramKeys.h"
#include "RunningProgramTest.h"

namespace {

const long kRecipeCategory = 70000;
const long kMealPlanCategory = 70001;
const int kCategoryRecipes = 40;

// The program started on a cookbook with a recipe category of forty recipes ("Dish 01" to
// "Dish 40", rated 0 to 3 in turn; "Dish 01" links to "Dish 02" and to a deleted recipe) and a
// meal-plan category of two meal plans.
class RecipeListFormTest : public apptest::RunningProgramTest
{
protected:
    void SetUp() override
    {
        RunningProgramTest::SetUp();
        CRecipeListForm::ForgetPlace();
        CTOCForm::ForgetPlace();
        m_path = Copy(fixture::TemplatePath(), "Lists.TWS");
        MakeFixture();
        StartProgram();
    }

    void TearDown() override
    {
        SetPopupChooser(nullptr);
        RunningProgramTest::TearDown();
    }

    void MakeFixture()
    {
        CRMDatabase database;
        ASSERT_TRUE(database.OpenCookbookFile(m_path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));
        for (const char* sql :
             {"DELETE FROM COOKBOOK", "INSERT INTO COOKBOOK (COOKBOOK, TITLE) VALUES ('000001', 'Dishes')",
              "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40) "
              "INSERT INTO RECIPE (COOKBOOK, RECIPE, TITLE, SERVINGS, RATING) SELECT '000001', "
              "printf('%06d', 10 + i), printf('Dish %02d', i), 4, (i - 1) % 4 FROM n",
              "INSERT INTO HICAT (CATID, PARENTID, NAME, TYPE, HASRECIPES, HASMENUS, REL_INDEX) VALUES "
              "('070000', '000000', 'Weeknight', 'R', 1, 0, 1), ('070001', '000000', 'Parties', 'M', 0, 1, 2)",
              "INSERT INTO RCP_CAT_ITEM (CATID, ITEM) SELECT '070000', RECIPE FROM RECIPE",
              "INSERT INTO REFERENC (REFID, REFTYPE, NAME, CONTENT) VALUES ('000501', 'R', 'Next dish', 'Dish 02'), "
              "('000502', 'R', 'Gone', 'Deleted Dish')",
              "INSERT INTO REFITEM (REFITEM, LINKTYPE, LINKID, REFID) VALUES ('000001', 'R', '000011', '000501'), "
              "('000002', 'R', '000011', '000502')"})
            ASSERT_TRUE(database.ExecuteDirect(sql)) << sql;
        for (const char* name : {"Picnic", "Open House"})
        {
            CMenuData plan;
            plan.m_name = name;
            ASSERT_TRUE(database.SaveMenu(plan, TRUE)) << name;
        }
        ASSERT_TRUE(database.ExecuteDirect("INSERT INTO MENU_CAT_ITEM (CATID, ITEM) SELECT '070001', MENU FROM MENU"));
        database.Close();
    }

    // The category's list, opened from the table of contents.
    static void OpenCategory(long kind, long category)
    {
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kContents, 0);
        g_pFormManager->OpenForm(CFormManager::kActionDrillDown, kind, category);
        ASSERT_EQ(kind == CFormManager::kRecipeCategories ? CFormManager::kCategoryRecipes
                                                          : CFormManager::kCategoryMealPlans,
                  g_pFormManager->GetCurrentKind());
    }
    static CRecipeListForm* Form() { return dynamic_cast<CRecipeListForm*>(g_pFormManager->GetActiveForm()); }
    static HWND Item(UINT nId) { return ::GetDlgItem(Form()->m_hWnd, static_cast<int>(nId)); }
    static LRESULT Send(UINT nId, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageA(Item(nId), message, wParam, lParam);
    }
    static void Notify(UINT nId, UINT code)
    {
        Form()->SendMessage(WM_COMMAND, MAKEWPARAM(nId, code), reinterpret_cast<LPARAM>(Item(nId)));
    }
    static void SelectRecipe(long index)
    {
        Send(IDC_RLIST_RECIPES, LCM_SELECT, LCN_GETAT, index);
        Notify(IDC_RLIST_RECIPES, LBN_SELCHANGE);
    }
    static std::string RecipeAt(long index)
    {
        char text[64] = "";
        LCITEMREQUEST block{};
        block.itemData = static_cast<std::uint32_t>(index);
        block.itemID = index;
        block.pszText = text;
        Send(IDC_RLIST_RECIPES, LCM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(&block));
        return std::string(text).substr(0, 7);
    }
    static LRESULT Command(UINT nId, LPARAM lParam = 0) { return Form()->SendMessage(WM_COMMAND, nId, lParam); }
};

TEST_F(RecipeListFormTest, TheCategoryOpensOnItsFirstRecipeInTheKeptOrder)
{
    OpenCategory(CFormManager::kRecipeCategories, kRecipeCategory);
    EXPECT_EQ(kCategoryRecipes, Send(IDC_RLIST_RECIPES, LCM_GETCOUNT));
    EXPECT_EQ(0, Send(IDC_RLIST_RECIPES, LCM_GETCURSEL));
    EXPECT_EQ("Dish 01", RecipeAt(0));
    EXPECT_TRUE(IsWindowVisible(Item(IDC_RLIST_SORT)));
    EXPECT_FALSE(IsWindowVisible(Item(IDC_RLIST_MEAL_PLANS)));
    EXPECT_EQ(1, Form()->GetPanelLoads()) << "the first recipe's items load with the form";
    EXPECT_TRUE(Form()->HasRecipeSelection());
}

// Moving through the list reloads the panel once, after the selection has rested.
TEST_F(RecipeListFormTest, ThePanelFollowsTheSelectionOnceItRests)
{
    OpenCategory(CFormManager::kRecipeCategories, kRecipeCategory);
    for (long index = 1; index <= 5; ++index)
        SelectRecipe(index);
    EXPECT_EQ(1, Form()->GetPanelLoads());
    Pump(CRecipeListForm::kPanelDelay + 100);
    EXPECT_EQ(2, Form()->GetPanelLoads());

    SelectRecipe(5);
    Pump(CRecipeListForm::kPanelDelay + 100);
    EXPECT_EQ(2, Form()->GetPanelLoads()) << "the same recipe is not loaded again";
}

TEST_F(RecipeListFormTest, ASortChangeRefillsAndARatingReloadsOnlyARatingOrder)
{
    OpenCategory(CFormManager::kRecipeCategories, kRecipeCategory);
    Send(IDC_RLIST_SORT, CB_SETCURSEL, 1);
    Notify(IDC_RLIST_SORT, CBN_SELCHANGE);
    EXPECT_EQ(1, g_pBrowseState->m_sortKey);
    EXPECT_EQ(kCategoryRecipes, Send(IDC_RLIST_RECIPES, LCM_GETCOUNT));
    const std::string top = RecipeAt(0);
    EXPECT_EQ("Dish 04", top) << "the best rated first";

    SelectRecipe(kCategoryRecipes - 1);
    ASSERT_EQ("Dish 37", RecipeAt(kCategoryRecipes - 1)) << "the last of the unrated";
    Command(ID_RATING_EXCELLENT);
    EXPECT_EQ("Dish 37", RecipeAt(9)) << "the list in rating order is read again: after the nine best";

    Send(IDC_RLIST_SORT, CB_SETCURSEL, 0);
    Notify(IDC_RLIST_SORT, CBN_SELCHANGE);
    SelectRecipe(1);
    EXPECT_EQ(1, Command(ID_FORM_ASSIGN_RATING, 0));
    EXPECT_EQ("Dish 02", RecipeAt(1)) << "by name the row stays";
}

TEST_F(RecipeListFormTest, PrintCategoryAsksTheFormAndWritesItsRecipes)
{
    OpenCategory(CFormManager::kRecipeCategories, kRecipeCategory);
    EXPECT_EQ(1, Command(ID_FILE_PRINT_CATEGORY, 0));
    const std::string file = m_folder + "\\category.txt";
    g_pAppSettings->GetPrintRecord()->PrintToFile = 1;
    SetPrintFile(file.c_str(), kPrintText);
    DeleteFileA(file.c_str());
    GetCookbookApp()->m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_CATEGORY, 0);
    g_pAppSettings->GetPrintRecord()->PrintToFile = 0;
    SetPrintFile("pxprint.txt", kPrintText);

    const std::string text = shelltest::ReadFile(file);
    for (const char* line : {"Weeknight", "Dish 01", "Dish 40"})
        EXPECT_NE(std::string::npos, text.find(line)) << line << " in:\n" << text;
    EXPECT_TRUE(m_boxes.GetTexts().empty()) << m_boxes.GetAllTexts();
}

TEST_F(RecipeListFormTest, AMealPlanCategoryListsItsPlansWithoutSortControls)
{
    OpenCategory(CFormManager::kMealPlanCategories, kMealPlanCategory);
    EXPECT_FALSE(IsWindowVisible(Item(IDC_RLIST_SORT)));
    EXPECT_FALSE(IsWindowVisible(Item(IDC_RLIST_SORT_LABEL)));
    EXPECT_FALSE(IsWindowVisible(Item(IDC_RLIST_RECIPES)));
    EXPECT_EQ(2, Send(IDC_RLIST_MEAL_PLANS, LB_GETCOUNT));
    EXPECT_FALSE(Form()->HasRecipeSelection());
    EXPECT_EQ(0, Command(ID_FILE_PRINT_CATEGORY, 0));
    EXPECT_EQ(0, Command(ID_FORM_ASSIGN_RATING, 3)) << "meal plans are not rated";
    Send(IDC_RLIST_MEAL_PLANS, LB_SETCURSEL, 1);
    Command(IDC_RLIST_SHOW);
    EXPECT_EQ(CFormManager::kMealPlanView, g_pFormManager->GetCurrentKind());
}

// The category now holds fewer recipes than the position kept from the last visit.
TEST_F(RecipeListFormTest, AKeptPositionBeyondTheEndSelectsTheFirstRecipe)
{
    OpenCategory(CFormManager::kRecipeCategories, kRecipeCategory);
    SelectRecipe(kCategoryRecipes - 1);
    Command(IDC_RLIST_SHOW);
    ASSERT_EQ(CFormManager::kRecipeView, g_pFormManager->GetCurrentKind());
    EXPECT_EQ(kCategoryRecipes, g_pBrowseState->GetRecipeList()->GetSize())
        << "Prev and Next step through the category";
    {
        CRMDatabase database;
        ASSERT_TRUE(database.OpenCookbookFile(m_path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));
        ASSERT_TRUE(database.ExecuteDirect("DELETE FROM RCP_CAT_ITEM WHERE ITEM > '000020'"));
    }
    g_pFormManager->OpenForm(CFormManager::kActionBack, 0, 0);
    ASSERT_EQ(CFormManager::kCategoryRecipes, g_pFormManager->GetCurrentKind());
    EXPECT_EQ(10, Send(IDC_RLIST_RECIPES, LCM_GETCOUNT));
    EXPECT_EQ(0, Send(IDC_RLIST_RECIPES, LCM_GETCURSEL));
}

// The tool bar's Related lists the selected recipe's links, the dead one left out, and the
// chosen one opens its recipe.
TEST_F(RecipeListFormTest, RelatedListsTheLinksAndOpensTheChosenRecipe)
{
    OpenCategory(CFormManager::kRecipeCategories, kRecipeCategory);
    CWnd* pToolForm = g_pFormManager->GetToolForm();
    EXPECT_TRUE(pToolForm->GetDlgItem(IDC_TOOL_RELATED)->IsWindowEnabled());
    std::vector<std::string> shown;
    SetPopupChooser([&shown](CMenu& menu) {
        shown = MenuTexts(menu);
        return static_cast<UINT>(ID_RELATED_LINK);
    });
    pToolForm->SendMessage(WM_COMMAND, IDC_TOOL_RELATED, 0);
    Pump(50);
    EXPECT_EQ(std::vector<std::string>{"Recipe: Next dish"}, shown);
    EXPECT_EQ(CFormManager::kRecipeFromLink, g_pFormManager->GetCurrentKind());
    EXPECT_EQ(12, g_pFormManager->GetCurrentValue());
}

TEST_F(RecipeListFormTest, KeysThroughTheProgramsMessageLoop)
{
    const auto focused = [] {
        HWND hFocus = ::GetFocus();
        while (hFocus != nullptr && ::GetParent(hFocus) != Form()->m_hWnd)
            hFocus = ::GetParent(hFocus);
        return hFocus != nullptr ? ::GetDlgCtrlID(hFocus) : 0;
    };
    OpenCategory(CFormManager::kRecipeCategories, kRecipeCategory);
    ::SetFocus(Item(IDC_RLIST_SORT));
    // The first recipe has nutrition but neither photos nor information: only its Nutrition
    // button takes the focus; the hidden meal-plan list and the page tabs never do.
    for (int nExpected : {IDC_RLIST_RECIPES, IDC_RLIST_SHOW, IDC_RLIST_BACK, IDC_PAGE_NUTRITION, IDC_RLIST_SORT})
    {
        apptest::PressKey(VK_TAB);
        EXPECT_EQ(nExpected, focused()) << "tab order";
    }

    ::SetFocus(Item(IDC_RLIST_RECIPES));
    const struct
    {
        UINT vk;
        LRESULT row;
    } moves[] = {{VK_DOWN, 1}, {VK_END, kCategoryRecipes - 1}, {VK_UP, kCategoryRecipes - 2}, {VK_HOME, 0}};
    for (const auto& move : moves)
    {
        apptest::PressKey(move.vk);
        EXPECT_EQ(move.row, Send(IDC_RLIST_RECIPES, LCM_GETCURSEL)) << "key " << move.vk;
    }
    apptest::PressKey(VK_NEXT);
    const LRESULT paged = Send(IDC_RLIST_RECIPES, LCM_GETCURSEL);
    EXPECT_GT(paged, 1) << "Page Down moves a page";
    EXPECT_EQ(1, Form()->GetPanelLoads()) << "the panel waits for the selection to rest";
    Pump(CRecipeListForm::kPanelDelay + 100);
    EXPECT_EQ(2, Form()->GetPanelLoads());

    apptest::PressKey(VK_RETURN);
    EXPECT_EQ(CFormManager::kRecipeView, g_pFormManager->GetCurrentKind()) << "Enter views the selected recipe";
    EXPECT_EQ(11 + paged, g_pFormManager->GetCurrentValue());

    g_pFormManager->OpenForm(CFormManager::kActionBack, 0, 0);
    ASSERT_EQ(CFormManager::kCategoryRecipes, g_pFormManager->GetCurrentKind());
    EXPECT_EQ(paged, Send(IDC_RLIST_RECIPES, LCM_GETCURSEL)) << "back where the user was";
    ::SetFocus(Item(IDC_RLIST_RECIPES));
    apptest::PressAltKey('V');
    EXPECT_EQ(CFormManager::kRecipeView, g_pFormManager->GetCurrentKind()) << "Alt+V shows the selection";

    g_pFormManager->OpenForm(CFormManager::kActionBack, 0, 0);
    ::SetFocus(Item(IDC_RLIST_RECIPES));
    apptest::PressAltKey('N');
    EXPECT_EQ("NUTLBRD", std::string(Form()->GetPageButtons().GetTab(CPanelPageButtons::kNutritionPage).GetShownBitmap()))
        << "Alt+N turns to the nutrition page";
    apptest::PressAltKey('B');
    EXPECT_EQ(CFormManager::kContents, g_pFormManager->GetCurrentKind()) << "Alt+B back to the contents";
}

}  // namespace

// Print writes the selected recipe, or in a meal-plan category the selected meal plan.
TEST_F(RecipeListFormTest, PrintWritesTheSelectedRecipeOrMealPlan)
{
    const std::string file = m_folder + "\\item.txt";
    g_pAppSettings->GetPrintRecord()->PrintToFile = 1;
    SetPrintFile(file.c_str(), kPrintText);

    OpenCategory(CFormManager::kRecipeCategories, kRecipeCategory);
    SelectRecipe(2);
    DeleteFileA(file.c_str());
    Command(ID_FORM_PRINT);
    EXPECT_NE(std::string::npos, shelltest::ReadFile(file).find("Dish 03")) << shelltest::ReadFile(file);

    OpenCategory(CFormManager::kMealPlanCategories, kMealPlanCategory);
    Send(IDC_RLIST_MEAL_PLANS, LB_SETCURSEL, 1);
    char name[64] = "";
    Send(IDC_RLIST_MEAL_PLANS, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(name));
    DeleteFileA(file.c_str());
    Command(ID_FORM_PRINT);
    EXPECT_NE(std::string::npos, shelltest::ReadFile(file).find(name)) << name << " in:\n" << shelltest::ReadFile(file);

    g_pAppSettings->GetPrintRecord()->PrintToFile = 0;
    SetPrintFile("pxprint.txt", kPrintText);
    EXPECT_TRUE(m_boxes.GetTexts().empty()) << m_boxes.GetAllTexts();
}
