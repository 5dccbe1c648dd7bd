#include "forms/RecipeViewForm.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/BrowseState.h"
#include "database/CustObArray.h"
#include "database/MenuListItem.h"
#include "database/RMDatabase.h"
#include "database/RecipeList.h"
#include "database/RecipeListItem.h"
#include "forms/PopupMenuChoice.h"
#include "framework/DialogDriver.h"
#include "framework/FileDialog.h"
#include "framework/Menu.h"
#include "framework/PrintDialog.h"
#include "printing/LayoutEngine.h"
#include "printing/PrinterOutput.h"
#include "res/resource.h"
#include "shell/app/CookbookApp.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/HelpService.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/WindowPlacement.h"
#include "shell/ShellTestFolder.h"
#include "support/CookbookFixture.h"
#include "ProgramKeys.h"
#include "RunningProgramTest.h"

namespace {

const long kBeanSoup = 11;
const long kGreenStew = 12;
const long kRyeBread = 13;
const long kMissingRecipe = 99;

// The program started on a cookbook of three recipes: "Bean Soup" (4 servings of 2 onions and
// 6 carrots, long directions, linked to "Green Stew", to the meal plan "Picnic" and to a
// deleted recipe), "Green Stew" and "Rye Bread"; and two meal plans, "Picnic" (2 servings of
// Bean Soup and Green Stew) and "Supper".
class RecipeViewFormTest : public apptest::RunningProgramTest
{
protected:
    void SetUp() override
    {
        RunningProgramTest::SetUp();
        m_path = Copy(fixture::TemplatePath(), "View.TWS");
        MakeFixture();
        StartProgram();
    }

    void TearDown() override
    {
        SetPopupChooser(nullptr);
        g_pAppSettings->GetPrintRecord()->PrintToFile = 0;
        SetPrintFile("pxprint.txt", kPrintText);
        RunningProgramTest::TearDown();
    }

    void MakeFixture()
    {
        CRMDatabase database;
        ASSERT_TRUE(database.OpenCookbookFile(m_path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));
        for (const char* sql :
             {"DELETE FROM COOKBOOK", "INSERT INTO COOKBOOK (COOKBOOK, TITLE) VALUES ('000001', 'Pots')",
              "INSERT INTO RECIPE (COOKBOOK, RECIPE, TITLE, SERVINGS, DIRECTIONS) VALUES "
              "('000001', '000011', 'Bean Soup', 4, replace(hex(zeroblob(120)), '00', 'Stir the pot slowly. ')), "
              "('000001', '000012', 'Green Stew', 2, 'Simmer.'), ('000001', '000013', 'Rye Bread', 8, 'Bake.')",
              "INSERT INTO QUANTITY (QUANTITY, RECIPE, TYPE, ITEM, MAX_QTY, MIN_QTY) VALUES "
              "(1, '000011', 'I', '000001', 2, 2), (2, '000011', 'I', '000003', 6, 6)",
              "INSERT INTO REFERENC (REFID, REFTYPE, NAME, CONTENT) VALUES ('000501', 'R', 'Next dish', 'Green Stew'), "
              "('000502', 'M', 'Outing', 'Picnic'), ('000503', 'R', 'Gone', 'Deleted Dish')",
              "INSERT INTO REFITEM (REFITEM, LINKTYPE, LINKID, REFID) VALUES ('000001', 'R', '000011', '000501'), "
              "('000002', 'R', '000011', '000502'), ('000003', 'R', '000011', '000503')",
              "INSERT INTO MENU (MENU, NAME, SERVINGS) VALUES ('000401', 'Picnic', 2), ('000402', 'Supper', 0)",
              "INSERT INTO MN_ITEM (MENU, TYPE, ITEM, STRING, SERVINGS, MEAL, DAY) VALUES "
              "('000401', 'R', '000011', 'Bean Soup', 2, 1, 1), ('000401', 'R', '000012', 'Green Stew', 2, 2, 1)"})
            ASSERT_TRUE(database.ExecuteDirect(sql)) << sql;
        database.Close();
    }

    static CRecipeViewForm* Form() { return dynamic_cast<CRecipeViewForm*>(g_pFormManager->GetActiveForm()); }
    static HWND Item(UINT nId) { return ::GetDlgItem(Form()->m_hWnd, static_cast<int>(nId)); }
    static bool Enabled(UINT nId) { return ::IsWindowEnabled(Item(nId)) != FALSE; }
    static LRESULT Command(UINT nId) { return Form()->SendMessage(WM_COMMAND, nId, 0); }
    static long Kind() { return g_pFormManager->GetCurrentKind(); }
    static std::string ShownName()
    {
        if (const CRecipeListItem* pRecipe = Form()->GetRecipeItem())
            return static_cast<LPCSTR>(pRecipe->m_name);
        const MenuListItem* pPlan = Form()->GetMealPlanItem();
        return pPlan != nullptr ? static_cast<LPCSTR>(pPlan->m_name) : "";
    }
    // The page as the pane holds it, one stored line a line.
    static std::string PageText()
    {
        const CPrinterOutput* pOutput = Form()->GetPane()->GetPageOutput();
        std::string text;
        if (pOutput != nullptr)
            for (const CLayoutEngine::StoredLine& line : pOutput->GetEngine().GetStoredLines())
                text += line.Text + "\n";
        return text;
    }
    static bool PageHas(const char* text) { return PageText().find(text) != std::string::npos; }

    // The browsed recipes, as a list form leaves them, with the one at current shown.
    static void BrowseRecipes(long current)
    {
        CRecipeList recipes;
        const long ids[] = {kBeanSoup, kGreenStew, kRyeBread};
        const char* names[] = {"Bean Soup", "Green Stew", "Rye Bread"};
        for (int i = 0; i < 3; ++i)
        {
            auto* pItem = new CRecipeListItem;
            pItem->m_id = CRecordId(static_cast<unsigned long>(ids[i]));
            pItem->m_name = names[i];
            pItem->m_value = i;
            recipes.Add(pItem);
        }
        g_pBrowseState->FillRecipeList(recipes, current);
    }
    // The cookbook's meal plans browsed, as the contents form leaves them.
    static void BrowseMealPlans(int current)
    {
        GetCurrentDatabase()->GetMenuListFor(*g_pBrowseState, nullptr, TRUE).SetCurrentIndex(current);
    }
    static void Open(long kind, long value)
    {
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, kind, value);
        ASSERT_EQ(kind, Kind());
        ASSERT_NE(nullptr, Form());
    }
    // The print dialog answered with print to file, and the file named.
    void PrintToFile(const std::string& file)
    {
        CDialogDriver::OnOpen(CPrintDialog::kTemplateId, [](CDialog& print) {
            static_cast<CPrintDialog&>(print).m_pd.Flags |= PD_PRINTTOFILE;
            print.EndDialog(IDOK);
        });
        CDialogDriver::OnOpen(CFileDialog::kTemplateId, [file](CDialog& dialog) {
            lstrcpyA(static_cast<CFileDialog&>(dialog).m_ofn.lpstrFile, file.c_str());
            dialog.EndDialog(IDOK);
        });
        DeleteFileA(file.c_str());
    }
    // Runs the program's message loop for about the time given.
    static void Pump(DWORD milliseconds)
    {
        const DWORD end = GetTickCount() + milliseconds;
        while (static_cast<LONG>(end - GetTickCount()) > 0)
        {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            Sleep(10);
        }
    }
};

TEST_F(RecipeViewFormTest, EachKindGetsItsItemHelpAndSteps)
{
    struct Case
    {
        const char* name;
        long kind;
        long value;
        const char* shown;
        UINT help;
        bool prev;
        bool next;
    };
    const Case cases[] = {
        {"recipe in a browsed list", CFormManager::kRecipeView, kGreenStew, "Green Stew", 2005, true, true},
        {"recipe of a meal plan", CFormManager::kRecipeFromMealPlan, 0, "Green Stew", 2005, true, true},
        {"recipe of the second list", CFormManager::kRecipeFromPersonalMenu, 0, "Rye Bread", 2005, false, false},
        {"recipe link", CFormManager::kRecipeFromLink, kGreenStew, "Green Stew", 2005, false, false},
        {"first meal plan", CFormManager::kMealPlanView, 0, "Picnic", 2006, false, true},
        {"meal-plan link", CFormManager::kMealPlanFromLink, 1, "Supper", 2006, false, false},
    };
    auto* pSecond = new CRecipeListItem;
    pSecond->m_id = CRecordId(static_cast<unsigned long>(kRyeBread));
    pSecond->m_name = "Rye Bread";
    g_pBrowseState->GetSecondList()->Add(pSecond);
    g_pBrowseState->GetSecondList()->SetCurrentIndex(0);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        BrowseRecipes(1);
        BrowseMealPlans(0);
        Open(c.kind, c.value);
        EXPECT_EQ(c.shown, ShownName());
        EXPECT_TRUE(PageHas(c.shown)) << PageText();
        EXPECT_EQ(c.help, GetHelpContext());
        EXPECT_EQ(c.prev, Enabled(IDC_VIEW_PREV));
        EXPECT_EQ(c.next, Enabled(IDC_VIEW_NEXT));
        EXPECT_FALSE(Enabled(IDC_VIEW_SHOW)) << "until a recipe line is chosen";
        EXPECT_TRUE(Enabled(IDC_VIEW_EDIT));
    }
    EXPECT_TRUE(m_boxes.GetTexts().empty()) << m_boxes.GetAllTexts();
}

// Back comes to the recipe the user stepped to, not to the one the view opened on.
TEST_F(RecipeViewFormTest, StepsThroughTheListAndBackReturnsToTheRecipeShown)
{
    BrowseRecipes(0);
    Open(CFormManager::kRecipeView, kBeanSoup);
    EXPECT_FALSE(Enabled(IDC_VIEW_PREV));
    Command(IDC_VIEW_NEXT);
    EXPECT_EQ("Green Stew", ShownName());
    EXPECT_TRUE(Enabled(IDC_VIEW_PREV));
    EXPECT_TRUE(Enabled(IDC_VIEW_NEXT));
    Command(IDC_VIEW_NEXT);
    EXPECT_EQ("Rye Bread", ShownName());
    EXPECT_TRUE(PageHas("Rye Bread")) << PageText();
    EXPECT_FALSE(Enabled(IDC_VIEW_NEXT)) << "at the last";

    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kContents, 0);
    g_pFormManager->OpenForm(CFormManager::kActionBack, 0, 0);
    ASSERT_EQ(CFormManager::kRecipeView, Kind());
    EXPECT_EQ(kRyeBread, g_pFormManager->GetCurrentValue());
    EXPECT_EQ("Rye Bread", ShownName());

    Command(IDC_VIEW_PREV);
    Command(IDC_VIEW_PREV);
    EXPECT_EQ("Bean Soup", ShownName());
    EXPECT_FALSE(Enabled(IDC_VIEW_PREV)) << "at the first";
    EXPECT_TRUE(Enabled(IDC_VIEW_NEXT));

    BrowseMealPlans(0);
    Open(CFormManager::kMealPlanView, 0);
    Command(IDC_VIEW_NEXT);
    EXPECT_EQ("Supper", ShownName());
    EXPECT_FALSE(Enabled(IDC_VIEW_NEXT));
    EXPECT_TRUE(Enabled(IDC_VIEW_PREV));
    EXPECT_TRUE(m_boxes.GetTexts().empty()) << m_boxes.GetAllTexts();
}

TEST_F(RecipeViewFormTest, HalveAndSetRescaleThePageAndTheChoiceIsKept)
{
    Open(CFormManager::kRecipeView, kBeanSoup);
    const std::string whole = PageText();
    EXPECT_NE(std::string::npos, whole.find("2 onion")) << whole;
    EXPECT_NE(std::string::npos, whole.find("6 carrot")) << whole;

    CDialogDriver::OnOpen(IDD_SERVINGS, [](CDialog& dialog) {
        ::SendMessageA(dialog.GetDlgItem(IDC_SERVINGS_HALVE)->m_hWnd, BM_CLICK, 0, 0);
        CDialogDriver::Press(dialog, IDOK);
    });
    Command(ID_FORM_SERVINGS);
    EXPECT_TRUE(PageHas("1 onion")) << PageText();
    EXPECT_TRUE(PageHas("3 carrot")) << PageText();

    Open(CFormManager::kRecipeView, kGreenStew);
    Open(CFormManager::kRecipeView, kBeanSoup);
    EXPECT_TRUE(PageHas("3 carrot")) << "kept while the program runs:\n" << PageText();

    CDialogDriver::OnOpen(IDD_SERVINGS, [](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_SERVINGS_VALUE, "8");
        CDialogDriver::Press(dialog, IDOK);
    });
    Command(ID_FORM_SERVINGS);
    EXPECT_TRUE(PageHas("4 onion")) << PageText();
    EXPECT_TRUE(PageHas("12 carrot")) << PageText();
    EXPECT_FALSE(CDialogDriver::HasPendingActions());
}

// The recipe line of the meal-plan page carries its servings; the recipe opens from the plan.
TEST_F(RecipeViewFormTest, ARecipeLineOfAMealPlanPageOpensThatRecipe)
{
    BrowseMealPlans(0);
    Open(CFormManager::kMealPlanView, 0);
    CTextPane* pPane = Form()->GetPane();
    pPane->UpdateWindow();
    const CLayoutEngine& engine = pPane->GetPageOutput()->GetEngine();
    int spot = -1;
    for (int i = 0; i < engine.GetHotSpotCount(); ++i)
        if (engine.GetHotSpot(i).Text == "Bean Soup  (2)")
            spot = i;
    ASSERT_GE(spot, 0) << PageText();
    const RECT area = engine.GetHotSpot(spot).Rect;
    const LPARAM at = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    pPane->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    pPane->SendMessage(WM_LBUTTONUP, 0, at);
    Pump(50);
    EXPECT_TRUE(Enabled(IDC_VIEW_SHOW));

    Command(IDC_VIEW_SHOW);
    ASSERT_EQ(CFormManager::kRecipeFromMealPlan, Kind());
    EXPECT_EQ(kBeanSoup, g_pFormManager->GetCurrentValue());
    EXPECT_EQ("Bean Soup", ShownName());
    EXPECT_EQ(2, g_pBrowseState->GetRecipeList()->GetSize()) << "Prev and Next step through the plan";
    EXPECT_TRUE(Enabled(IDC_VIEW_NEXT));
    EXPECT_TRUE(m_boxes.GetTexts().empty()) << m_boxes.GetAllTexts();
}

TEST_F(RecipeViewFormTest, StripRemarkCutsOnlyAClosingRemark)
{
    const struct
    {
        const char* text;
        const char* stripped;
    } cases[] = {
        {"Bean Soup (2 servings)", "Bean Soup"}, {"Bean Soup   (x)", "Bean Soup"}, {"Bean Soup (2", "Bean Soup (2"},
        {"Bean (Soup) tonight", "Bean (Soup) tonight"}, {"Bean Soup)", "Bean Soup)"}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.stripped, CRecipeViewForm::StripRemark(c.text)) << c.text;
}

TEST_F(RecipeViewFormTest, PrintWritesTheRecipeAndTheMealPlanWithItsRecipes)
{
    const std::string file = m_folder + "\\view.txt";
    Open(CFormManager::kRecipeView, kBeanSoup);
    PrintToFile(file);
    Command(ID_FORM_PRINT);
    std::string text = shelltest::ReadFile(file);
    for (const char* line : {"Bean Soup", "2 onion", "Stir the pot"})
        EXPECT_NE(std::string::npos, text.find(line)) << line << " in:\n" << text;

    BrowseMealPlans(0);
    Open(CFormManager::kMealPlanView, 0);
    PrintToFile(file);
    Command(ID_FORM_PRINT_WITH_RECIPES);
    text = shelltest::ReadFile(file);
    for (const char* line : {"Picnic", "Bean Soup", "onion", "Simmer."})
        EXPECT_NE(std::string::npos, text.find(line)) << line << " in:\n" << text;
    EXPECT_EQ(0, g_pAppSettings->GetPrintRecord()->MenuRecipes);
    EXPECT_FALSE(CDialogDriver::HasPendingActions());
    EXPECT_TRUE(m_boxes.GetTexts().empty()) << m_boxes.GetAllTexts();
}

// A recipe or meal plan that cannot be read leaves an empty page: Edit, Print and Number of
// Servings then do nothing rather than act on a missing item.
TEST_F(RecipeViewFormTest, AnItemThatCannotBeReadIsReportedAndOffersNothing)
{
    Open(CFormManager::kRecipeView, kMissingRecipe);
    EXPECT_STREQ("Recipe not found.\n", m_boxes.GetAllTexts());
    EXPECT_EQ(nullptr, Form()->GetRecipeItem());
    EXPECT_EQ("", PageText());
    CDialogDriver::OnOpen(CPrintDialog::kTemplateId, [](CDialog& print) { print.EndDialog(IDCANCEL); });
    CDialogDriver::OnOpen(IDD_SERVINGS, [](CDialog& dialog) { CDialogDriver::Press(dialog, IDCANCEL); });
    for (UINT nId : {IDC_VIEW_EDIT, ID_FORM_PRINT, ID_FORM_PRINT_WITH_RECIPES, ID_FORM_SERVINGS})
        Command(nId);
    EXPECT_EQ(CFormManager::kRecipeView, Kind()) << "Edit opened nothing";
    EXPECT_TRUE(CDialogDriver::HasPendingActions()) << "neither the print nor the servings dialog opened";
    CDialogDriver::Reset();
    CDialogDriver::Arm(TRUE);

    m_boxes.ClearShown();
    Open(CFormManager::kMealPlanView, 7);
    EXPECT_STREQ("Meal Plan not found.\n", m_boxes.GetAllTexts());
    Command(IDC_VIEW_EDIT);
    EXPECT_EQ(CFormManager::kMealPlanView, Kind());
}

TEST_F(RecipeViewFormTest, EditOpensTheRecipeOrMealPlanEditor)
{
    Open(CFormManager::kRecipeView, kGreenStew);
    Command(IDC_VIEW_EDIT);
    EXPECT_EQ(CFormManager::kRecipeEdit, Kind());
    EXPECT_EQ(kGreenStew, static_cast<long>(g_pFormManager->GetEditRecipeId().GetNumber()));

    BrowseMealPlans(1);
    Open(CFormManager::kMealPlanView, 1);
    Command(IDC_VIEW_EDIT);
    EXPECT_EQ(CFormManager::kMealPlanEdit, Kind());
    EXPECT_EQ(402ul, g_pFormManager->GetEditMealPlanId().GetNumber());
    EXPECT_TRUE(m_boxes.GetTexts().empty()) << m_boxes.GetAllTexts();
}

// The tool bar's Related lists the recipe's links, the dead one left out, and opens the chosen
// recipe or meal plan.
TEST_F(RecipeViewFormTest, RelatedListsTheLinksAndOpensTheChosenOne)
{
    Open(CFormManager::kRecipeView, kBeanSoup);
    CWnd* pToolForm = g_pFormManager->GetToolForm();
    EXPECT_TRUE(pToolForm->GetDlgItem(IDC_TOOL_RELATED)->IsWindowEnabled());
    std::vector<std::string> shown;
    UINT choice = ID_RELATED_LINK;
    SetPopupChooser([&shown, &choice](CMenu& menu) {
        shown.clear();
        for (int i = 0; i < menu.GetMenuItemCount(); ++i)
        {
            CString text;
            menu.GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
            shown.push_back(static_cast<LPCSTR>(text));
        }
        return choice;
    });
    pToolForm->SendMessage(WM_COMMAND, IDC_TOOL_RELATED, 0);
    Pump(50);
    EXPECT_EQ((std::vector<std::string>{"Recipe: Next dish", "Meal plan: Outing"}), shown);
    ASSERT_EQ(CFormManager::kRecipeFromLink, Kind());
    EXPECT_EQ("Green Stew", ShownName());
    EXPECT_FALSE(pToolForm->GetDlgItem(IDC_TOOL_RELATED)->IsWindowEnabled()) << "Green Stew has no links";

    g_pFormManager->OpenForm(CFormManager::kActionBack, 0, 0);
    choice = ID_RELATED_LINK + 1;
    pToolForm->SendMessage(WM_COMMAND, IDC_TOOL_RELATED, 0);
    Pump(50);
    ASSERT_EQ(CFormManager::kMealPlanFromLink, Kind());
    EXPECT_EQ("Picnic", ShownName());
    EXPECT_TRUE(m_boxes.GetTexts().empty()) << m_boxes.GetAllTexts();
}

// Keys reach the form through the program's own message loop.
TEST_F(RecipeViewFormTest, KeysThroughTheProgramsMessageLoop)
{
    BrowseRecipes(0);
    Open(CFormManager::kRecipeView, kBeanSoup);
    CTextPane* pPane = Form()->GetPane();
    pPane->UpdateWindow();
    ASSERT_GT(pPane->GetLineCount(), 3) << "a page longer than the pane";
    pPane->SetFocus();
    const struct
    {
        UINT vk;
        int top;
    } scrolls[] = {{VK_DOWN, 1}, {VK_DOWN, 2}, {VK_UP, 1}, {VK_NEXT, -1}, {VK_PRIOR, 1}};
    int pageTop = 0;
    for (const auto& scroll : scrolls)
    {
        apptest::PressKey(scroll.vk);
        if (scroll.top >= 0)
            EXPECT_EQ(scroll.top, pPane->GetTopLine()) << "key " << scroll.vk;
        else
            pageTop = pPane->GetTopLine();
    }
    EXPECT_GT(pageTop, 2) << "Page Down moves a pane's height";

    const auto focused = [] {
        HWND hFocus = ::GetFocus();
        while (hFocus != nullptr && ::GetParent(hFocus) != Form()->m_hWnd)
            hFocus = ::GetParent(hFocus);
        return hFocus;
    };
    // The disabled buttons (Show, Prev, the empty pages) are passed by.
    for (UINT nExpected : {IDC_VIEW_BACK, IDC_PAGE_NUTRITION, IDC_PAGE_PHOTO, IDC_PAGE_INFORMATION, IDC_VIEW_SHOW,
                           IDC_VIEW_EDIT, IDC_VIEW_PREV, IDC_VIEW_NEXT})
    {
        if (!Enabled(nExpected))
            continue;
        apptest::PressKey(VK_TAB);
        EXPECT_EQ(Item(nExpected), focused()) << "tab order at " << nExpected;
    }
    apptest::PressKey(VK_TAB);
    EXPECT_EQ(pPane->m_hWnd, focused()) << "round to the page, past the tabs";
    pPane->SetFocus();
    apptest::PressKey(VK_RIGHT);
    EXPECT_EQ("Green Stew", ShownName()) << "Right steps to the next";
    Form()->GetPane()->SetFocus();
    apptest::PressKey(VK_LEFT);
    EXPECT_EQ("Bean Soup", ShownName()) << "Left steps back";
    apptest::PressAltKey('D');
    EXPECT_EQ(CFormManager::kRecipeEdit, Kind()) << "Alt+D edits";
}

}  // namespace
