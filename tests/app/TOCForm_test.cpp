#include "forms/TOCForm.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/BrowseState.h"
#include "database/MenuData.h"
#include "database/RMDatabase.h"
#include "framework/Dialog.h"
#include "framework/DialogDriver.h"
#include "framework/Menu.h"
#include "framework/MessageBoxScript.h"
#include "listctl/ListProtocol.h"
#include "res/resource.h"
#include "shell/app/CookbookApp.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/ProgramDirectory.h"
#include "shell/settings/WindowPlacement.h"
#include "shell/ShellTestFolder.h"
#include "support/CookbookFixture.h"
#include "support/QueryColumn.h"
#include "ProgramKeys.h"
#include "RunningProgramTest.h"

namespace {

// The program started on a cookbook of two chapters ("Soups" with three recipes, "Breads"
// with one), two meal plans and a recipe category numbered above 65535, on the contents form.
class TOCFormTest : public apptest::RunningProgramTest
{
protected:
    void SetUp() override
    {
        RunningProgramTest::SetUp();
        CTOCForm::ForgetPlace();
        m_path = Copy(fixture::TemplatePath(), "Contents.TWS");
        MakeFixture();
        StartProgram();
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kContents, 0);
        ASSERT_EQ(CFormManager::kContents, g_pFormManager->GetCurrentKind());
    }

    void MakeFixture()
    {
        CRMDatabase database;
        ASSERT_TRUE(database.OpenCookbookFile(m_path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));
        for (const char* sql :
             {"DELETE FROM COOKBOOK", "INSERT INTO COOKBOOK (COOKBOOK, TITLE) VALUES ('000001', 'Soups')",
              "INSERT INTO COOKBOOK (COOKBOOK, TITLE) VALUES ('000002', 'Breads')",
              "INSERT INTO RECIPE (COOKBOOK, RECIPE, TITLE, SERVINGS, RATING) VALUES ('000001', '000011', 'Barley "
              "Soup', 4, 2), ('000001', '000012', 'Carrot Soup', 2, 0), ('000001', '000013', 'Apple Soup', 6, 1), "
              "('000002', '000021', 'Rye Bread', 8, 0)",
              "INSERT INTO HICAT (CATID, PARENTID, NAME, TYPE, HASRECIPES, REL_INDEX) VALUES ('070000', '000000', "
              "'Stews', "
              "'R', 1, 1)",
              "INSERT INTO RCP_CAT_ITEM (CATID, ITEM) VALUES ('070000', '000011')"})
            ASSERT_TRUE(database.ExecuteDirect(sql)) << sql;
        for (const char* name : {"Picnic", "Weekday Dinners"})
        {
            CMenuData plan;
            plan.m_name = name;
            ASSERT_TRUE(database.SaveMenu(plan, TRUE)) << name;
        }
        database.Close();
    }

    static CBVFormView* Form() { return g_pFormManager->GetActiveForm(); }
    static HWND Item(UINT nId) { return ::GetDlgItem(Form()->m_hWnd, static_cast<int>(nId)); }
    static bool Visible(UINT nId) { return ::IsWindowVisible(Item(nId)) != FALSE; }
    static LRESULT Send(UINT nId, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageA(Item(nId), message, wParam, lParam);
    }

    // Chooses the contents row named name, as a click does.
    static void ChooseContents(const char* name)
    {
        const LRESULT row =
            Send(IDC_TOC_CONTENTS, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
        ASSERT_GE(row, 0) << name;
        Send(IDC_TOC_CONTENTS, LB_SETCURSEL, static_cast<WPARAM>(row));
        Notify(IDC_TOC_CONTENTS, LBN_SELCHANGE);
    }
    static void Notify(UINT nId, UINT code)
    {
        Form()->SendMessage(WM_COMMAND, MAKEWPARAM(nId, code), reinterpret_cast<LPARAM>(Item(nId)));
    }
    static void SelectRecipe(long index)
    {
        Send(IDC_TOC_RECIPES, LCM_SELECT, LCN_GETAT, index);
        Notify(IDC_TOC_RECIPES, LBN_SELCHANGE);
    }
    static void SelectItem(int row)
    {
        Send(IDC_TOC_ITEMS, LB_SETCURSEL, static_cast<WPARAM>(row));
        Notify(IDC_TOC_ITEMS, LBN_SELCHANGE);
    }
    static std::string Text(UINT nId)
    {
        char text[128] = "";
        ::GetWindowTextA(Item(nId), text, sizeof text);
        return text;
    }
    static LRESULT Command(UINT nId, LPARAM lParam = 0) { return Form()->SendMessage(WM_COMMAND, nId, lParam); }
    static LRESULT RecipeCount() { return Send(IDC_TOC_RECIPES, LCM_GETCOUNT); }
    // The first value the query reads from the cookbook's tables.
    long Stored(const char* sql)
    {
        const std::vector<std::string> values = fixture::QueryColumn(*GetCurrentDatabase(), sql, m_boxes);
        return values.empty() ? -1 : std::stol(values.front());
    }
};

TEST_F(TOCFormTest, EachEntryShowsItsHeadingControlsAndRows)
{
    struct Case
    {
        const char* entry;
        bool recipes;
        const char* heading;
        long count;
    };
    const Case cases[] = {
        {"Soups", true, "Recipes:", 3},
        {"Breads", true, "Recipes:", 1},
        {"All Recipes", true, "All Recipes:", 4},
        {"All Recipes with Photos", true, "All Recipes with Photos:", 0},
        {"All Meal Plans", false, "All Meal Plans:", 2},
        {"All Recipe Categories", false, "All Recipe Categories:", 1},
        {"All Meal Plan Categories", false, "All Meal Plan Categories:", 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.entry);
        ChooseContents(c.entry);
        EXPECT_EQ(c.heading, Text(IDC_TOC_HEADING));
        EXPECT_EQ(c.recipes, Visible(IDC_TOC_RECIPES));
        EXPECT_EQ(c.recipes, Visible(IDC_TOC_SORT));
        EXPECT_EQ(c.recipes, Visible(IDC_TOC_SORTED_BY));
        EXPECT_EQ(!c.recipes, Visible(IDC_TOC_ITEMS));
        EXPECT_EQ(!c.recipes, Visible(IDC_TOC_HEADING));
        EXPECT_EQ(c.count, c.recipes ? RecipeCount() : Send(IDC_TOC_ITEMS, LB_GETCOUNT));
    }
}

TEST_F(TOCFormTest, TheListModeFollowsTheSelection)
{
    ChooseContents("Soups");
    EXPECT_EQ(CTOCForm::kRecipeMode, Form()->GetSelectedListMode());
    ChooseContents("All Meal Plans");
    EXPECT_EQ(CTOCForm::kMealPlanMode, Form()->GetSelectedListMode());
    ChooseContents("All Meal Plan Categories");
    EXPECT_EQ(CTOCForm::kNothing, Form()->GetSelectedListMode());
}

TEST_F(TOCFormTest, DeleteAsksAndNoKeepsTheRecipeOrPlan)
{
    ChooseContents("Soups");
    SelectRecipe(0);
    m_boxes.QueueAnswer(IDNO);
    Command(ID_EDIT_DELETE_ITEM);
    EXPECT_STREQ("Delete selected recipe: Apple Soup?\n", m_boxes.GetAllTexts());
    EXPECT_EQ(3, RecipeCount());

    m_boxes.ClearShown();
    m_boxes.QueueAnswer(IDYES);
    Command(ID_EDIT_DELETE_ITEM);
    EXPECT_EQ(2, RecipeCount());
    EXPECT_EQ(0, Stored("SELECT COUNT(*) FROM RECIPE WHERE TITLE='Apple Soup'"));

    ChooseContents("All Meal Plans");
    SelectItem(1);
    m_boxes.ClearShown();
    m_boxes.QueueAnswer(IDNO);
    Command(ID_EDIT_DELETE_ITEM);
    EXPECT_STREQ("Delete selected meal plan: Weekday Dinners?\n", m_boxes.GetAllTexts());
    EXPECT_EQ(2, Send(IDC_TOC_ITEMS, LB_GETCOUNT));
    m_boxes.QueueAnswer(IDYES);
    Command(ID_EDIT_DELETE_ITEM);
    EXPECT_EQ(1, Send(IDC_TOC_ITEMS, LB_GETCOUNT));
    EXPECT_EQ(0, Stored("SELECT COUNT(*) FROM MENU WHERE NAME='Weekday Dinners'"));

    ChooseContents("All Recipe Categories");
    m_boxes.ClearShown();
    Command(ID_EDIT_DELETE_ITEM);
    EXPECT_STREQ("To delete a category, use the Edit - Categories command.\n", m_boxes.GetAllTexts());
}

TEST_F(TOCFormTest, ACategoryNumberedAbove65535OpensItself)
{
    ChooseContents("All Recipe Categories");
    Command(IDC_TOC_VIEW);
    EXPECT_EQ(CFormManager::kCategoryRecipes, g_pFormManager->GetCurrentKind()) << m_boxes.GetAllTexts();
    EXPECT_EQ(70000, g_pFormManager->GetCurrentValue());
}

TEST_F(TOCFormTest, TheSpecialsTakeARecipeOnceAndARatingIsStored)
{
    ChooseContents("Soups");
    SelectRecipe(1);
    Command(ID_FORM_COMMAND_90);
    Command(ID_FORM_COMMAND_90);
    ASSERT_EQ(1, g_pBrowseState->GetSecondList()->GetSize());
    EXPECT_STREQ("The recipe you selected is already on the Specials list.", m_boxes.GetTexts().back());

    EXPECT_EQ(1, Command(ID_FORM_ASSIGN_RATING, 3));
    EXPECT_EQ(1, Stored("SELECT COUNT(*) FROM RECIPE WHERE TITLE='Barley Soup' AND RATING=3"));
}

TEST_F(TOCFormTest, ASortChangeRefillsAndThePlaceIsKeptAcrossOpenings)
{
    ChooseContents("Soups");
    SelectRecipe(2);
    Send(IDC_TOC_SORT, CB_SETCURSEL, 1);
    Notify(IDC_TOC_SORT, CBN_SELCHANGE);
    EXPECT_EQ(1, g_pBrowseState->m_sortKey);
    EXPECT_EQ(3, RecipeCount());

    g_pFormManager->OpenForm(CFormManager::kActionHome, 0, 0);
    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kContents, 0);
    EXPECT_EQ(2, Send(IDC_TOC_RECIPES, LCM_GETCURSEL));
    EXPECT_EQ(1, Send(IDC_TOC_SORT, CB_GETCURSEL));
    EXPECT_EQ(1, Command(ID_FILE_PRINT_CHAPTER, 0)) << "a chapter can be printed";
    ChooseContents("All Recipes");
    EXPECT_EQ(0, Command(ID_FILE_PRINT_CHAPTER, 0));
}

// File/Print Chapter of the running program, with print to file on, writes the chosen chapter.
TEST_F(TOCFormTest, PrintChapterWritesTheChosenChapterToThePrintFile)
{
    const std::string file = m_folder + "\\chapter.txt";
    g_pAppSettings->GetPrintRecord()->PrintToFile = 1;
    SetPrintFile(file.c_str(), kPrintText);
    DeleteFileA(file.c_str());
    ChooseContents("Soups");
    GetCookbookApp()->m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_CHAPTER, 0);
    g_pAppSettings->GetPrintRecord()->PrintToFile = 0;
    SetPrintFile("pxprint.txt", kPrintText);

    const std::string text = shelltest::ReadFile(file);
    for (const char* line : {"Soups", "Apple Soup", "Barley Soup", "Carrot Soup"})
        EXPECT_NE(std::string::npos, text.find(line)) << line << " in:\n" << text;
    EXPECT_TRUE(m_boxes.GetTexts().empty()) << m_boxes.GetAllTexts();
}

TEST_F(TOCFormTest, AddToMealPlanTakesTheSelectedRecipeAndNothingInCategories)
{
    g_pFormManager->SetCurrentMealPlanId(
        CRecordId(static_cast<unsigned long>(Stored("SELECT CAST(MENU AS INTEGER) FROM MENU WHERE NAME='Picnic'"))));
    ChooseContents("Breads");
    SelectRecipe(0);
    CDialogDriver::OnOpen(IDD_ADD_TO_MEAL_PLAN, [](CDialog& dialog) { CDialogDriver::Press(dialog, IDOK); });
    Command(ID_FORM_ADD_TO_MEAL_PLAN);
    EXPECT_EQ(1, Stored("SELECT COUNT(*) FROM MN_ITEM WHERE ITEM='000021' AND TYPE='R'")) << m_boxes.GetAllTexts();

    ChooseContents("All Recipe Categories");
    Command(ID_FORM_ADD_TO_MEAL_PLAN);
    EXPECT_EQ(1, Stored("SELECT COUNT(*) FROM MN_ITEM"));
}

TEST_F(TOCFormTest, DuplicateRefillsTheList)
{
    ChooseContents("Soups");
    SelectRecipe(1);
    CDialogDriver::OnOpen(IDD_DUPLICATE_RECIPE, [](CDialog& dialog) {
        CString name;
        dialog.GetDlgItemText(IDC_DUPLICATE_NAME, name);
        EXPECT_STREQ("Barley Soup", name);
        dialog.SetDlgItemText(IDC_DUPLICATE_NAME, "Barley Soup II");
        CDialogDriver::Press(dialog, IDOK);
    });
    Command(ID_EDIT_DUPLICATE_RECIPE);
    EXPECT_EQ(4, RecipeCount()) << m_boxes.GetAllTexts();
    EXPECT_EQ(1, Stored("SELECT COUNT(*) FROM RECIPE WHERE TITLE='Barley Soup II' AND COOKBOOK='000001'"));
}

}  // namespace

// Keys reach the form through the program's own message loop: the tab order, the recipe list's
// movement keys, Enter on the selected row and the viewing forms' keys.
TEST_F(TOCFormTest, KeysThroughTheProgramsMessageLoop)
{
    const auto focused = [] {
        HWND hFocus = ::GetFocus();
        while (hFocus != nullptr && ::GetParent(hFocus) != Form()->m_hWnd)
            hFocus = ::GetParent(hFocus);
        return hFocus != nullptr ? ::GetDlgCtrlID(hFocus) : 0;
    };
    ChooseContents("All Recipes");
    ::SetFocus(Item(IDC_TOC_CONTENTS));
    for (int nExpected : {IDC_TOC_SORT, IDC_TOC_RECIPES, IDC_TOC_VIEW, IDC_TOC_BACK, IDC_TOC_CONTENTS})
    {
        apptest::PressKey(VK_TAB);
        EXPECT_EQ(nExpected, focused()) << "tab order";
    }

    SelectRecipe(0);
    ::SetFocus(Item(IDC_TOC_RECIPES));
    const struct
    {
        UINT vk;
        LRESULT row;
    } moves[] = {{VK_DOWN, 1}, {VK_END, 3}, {VK_HOME, 0}, {VK_NEXT, 3}, {VK_HOME, 0}};
    for (const auto& move : moves)
    {
        apptest::PressKey(move.vk);
        EXPECT_EQ(move.row, Send(IDC_TOC_RECIPES, LCM_GETCURSEL)) << "key " << move.vk;
    }
    apptest::PressKey(VK_DOWN);
    apptest::PressKey(VK_RETURN);
    EXPECT_EQ(CFormManager::kRecipeView, g_pFormManager->GetCurrentKind()) << "Enter views the selected row";
    EXPECT_EQ(11, g_pFormManager->GetCurrentValue()) << "Barley Soup";

    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kContents, 0);
    Form()->SetFocus();
    apptest::PressAltKey('G');
    EXPECT_EQ(CFormManager::kStart, g_pFormManager->GetCurrentKind()) << "the tool bar's keys";
}

// A rating changes the order only of a list sorted by rating, so only that list is read again.
TEST_F(TOCFormTest, ARatingReloadsOnlyAListInRatingOrder)
{
    const auto recipeAt = [](long index) {
        char text[64] = "";
        LCITEMREQUEST block{};
        block.itemData = static_cast<std::uint32_t>(index);
        block.itemID = index;
        block.pszText = text;
        Send(IDC_TOC_RECIPES, LCM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(&block));
        return std::string(text);
    };
    ChooseContents("Soups");
    SelectRecipe(2);
    ASSERT_EQ(0u, recipeAt(2).find("Carrot Soup"));
    EXPECT_EQ(1, Command(ID_FORM_ASSIGN_RATING, 3));
    EXPECT_EQ(0u, recipeAt(2).find("Carrot Soup")) << "by name the row stays where it was";

    Send(IDC_TOC_SORT, CB_SETCURSEL, 1);
    Notify(IDC_TOC_SORT, CBN_SELCHANGE);
    ASSERT_EQ(0u, recipeAt(0).find("Carrot Soup"));
    SelectRecipe(0);
    EXPECT_EQ(1, Command(ID_FORM_ASSIGN_RATING, 1));
    EXPECT_EQ(0u, recipeAt(0).find("Barley Soup")) << "by rating the list is read again";
    EXPECT_EQ(1, Stored("SELECT COUNT(*) FROM RECIPE WHERE TITLE='Carrot Soup' AND RATING=1"));
}

// Edit/Delete of the running program names what the form has selected.
TEST_F(TOCFormTest, EditDeleteNamesTheSelection)
{
    const struct
    {
        const char* entry;
        UINT nText;
        bool bEnabled;
    } rows[] = {{"Soups", IDS_DELETE_RECIPE, true},
                {"All Meal Plans", IDS_DELETE_MEAL_PLAN, true},
                {"All Meal Plan Categories", IDS_DELETE, false}};
    CWnd* pFrame = GetCookbookApp()->m_pMainWnd;
    CMenu* pEdit = pFrame->GetMenu()->GetSubMenu(1);
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.entry);
        ChooseContents(row.entry);
        pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pEdit->GetSafeHmenu()), 1);
        CString shown;
        pEdit->GetMenuString(ID_EDIT_DELETE_ITEM, shown, MF_BYCOMMAND);
        CString expected;
        expected.LoadString(row.nText);
        EXPECT_STREQ(expected, shown);
        EXPECT_EQ(row.bEnabled,
                  (pEdit->GetMenuState(ID_EDIT_DELETE_ITEM, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0);
    }
}
