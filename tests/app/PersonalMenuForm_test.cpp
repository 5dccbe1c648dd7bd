#include "forms/PersonalMenuForm.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/BrowseState.h"
#include "database/RMDatabase.h"
#include "database/RecipeList.h"
#include "database/RecipeListItem.h"
#include "forms/TextPane.h"
#include "framework/Dialog.h"
#include "framework/DialogDriver.h"
#include "printing/LayoutEngine.h"
#include "printing/PrinterOutput.h"
#include "res/resource.h"
#include "shell/app/CookbookApp.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/HelpService.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/WindowPlacement.h"
#include "shell/ShellTestFolder.h"
#include "support/CookbookFixture.h"
#include "ProgramKeys.h"
#include "RunningProgramTest.h"

namespace {

const UINT kFormHelpContext = 2011;
const UINT kDialogHelpContext = 2012;

// The program started on a cookbook of three recipes ("Dish 1" to "Dish 3", for 2, 4 and 6, of
// 100, 200 and 300 calories, all protein), each on the Specials list unless a test empties it.
class PersonalMenuFormTest : public apptest::RunningProgramTest
{
protected:
    void SetUp() override
    {
        RunningProgramTest::SetUp();
        CPersonalMenuForm::SetSpecialsServings(0);
        m_path = Copy(fixture::TemplatePath(), "Specials.TWS");
        MakeFixture();
        BeforeStart();
        StartProgram();
        for (int i = 1; i <= 3; ++i)
        {
            CRecipeListItem recipe;
            recipe.m_id = CRecordId(static_cast<unsigned long>(10 + i));
            recipe.m_name.Format("Dish %d", i);
            recipe.m_servings = static_cast<WORD>(2 * i);
            g_pBrowseState->AddToSpecialsList(recipe);
        }
    }

    virtual void BeforeStart() {}

    void MakeFixture()
    {
        CRMDatabase database;
        ASSERT_TRUE(database.OpenCookbookFile(m_path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));
        for (const char* sql :
             {"DELETE FROM COOKBOOK", "INSERT INTO COOKBOOK (COOKBOOK, TITLE) VALUES ('000001', 'Dishes')",
              "INSERT INTO RECIPE (COOKBOOK, RECIPE, TITLE, SERVINGS) VALUES ('000001', '000011', 'Dish 1', 2), "
              "('000001', '000012', 'Dish 2', 4), ('000001', '000013', 'Dish 3', 6)",
              "INSERT INTO RCP_NUTRITION (ITEM_ID, CALORIES, PROTEIN) VALUES ('000011', 100, 25), "
              "('000012', 200, 50), ('000013', 300, 75)"})
            ASSERT_TRUE(database.ExecuteDirect(sql)) << sql;
        database.Close();
    }

    static void OpenSpecials()
    {
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kPersonalMenu, 0);
        ASSERT_EQ(CFormManager::kPersonalMenu, g_pFormManager->GetCurrentKind());
        ASSERT_NE(nullptr, Form());
    }
    static CPersonalMenuForm* Form() { return dynamic_cast<CPersonalMenuForm*>(g_pFormManager->GetActiveForm()); }
    static CTextPane* Pane() { return const_cast<CTextPane*>(Form()->GetPane()); }
    static HWND Item(UINT nId) { return ::GetDlgItem(Form()->m_hWnd, static_cast<int>(nId)); }
    static LRESULT Command(UINT nId) { return Form()->SendMessage(WM_COMMAND, nId, 0); }
    static CRecipeList& Specials() { return *g_pBrowseState->GetSecondList(); }

    // The names the page offers to pick, in order.
    static std::vector<std::string> PageEntries()
    {
        std::vector<std::string> names;
        for (const CLayoutEngine::StoredLine& line : Pane()->GetPageOutput()->GetEngine().GetStoredLines())
            if (line.Format.ParagraphStyle == CLayoutEngine::HotSpotStyle && !line.Text.empty())
                names.push_back(line.Text);
        return names;
    }

    // A click on the entry as the page shows it.
    static void Pick(const std::string& name)
    {
        Pane()->UpdateWindow();
        const CLayoutEngine& engine = Pane()->GetPageOutput()->GetEngine();
        for (int i = 0; i < engine.GetHotSpotCount(); ++i)
        {
            const RECT& spot = engine.GetHotSpot(i).Rect;
            if (engine.GetHotSpot(i).Text != name)
                continue;
            const LPARAM point = MAKELPARAM((spot.left + spot.right) / 2, (spot.top + spot.bottom) / 2);
            Pane()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, point);
            Pane()->SendMessage(WM_LBUTTONUP, 0, point);
            Pump();
            return;
        }
        ADD_FAILURE() << name << " is not on the page";
    }

    static void Pump()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    static void SetServingsInTheDialog(int servings)
    {
        CDialogDriver::OnOpen(IDD_SERVINGS, [servings](CDialog& dialog) {
            dialog.SetDlgItemInt(IDC_SERVINGS_VALUE, static_cast<UINT>(servings), FALSE);
            CDialogDriver::Press(dialog, IDOK);
        });
        Command(ID_FORM_SERVINGS);
    }
};

TEST_F(PersonalMenuFormTest, TheSpecialsShowAsAPageOfEntriesToPick)
{
    OpenSpecials();
    EXPECT_EQ((std::vector<std::string>{"Dish 1", "Dish 2", "Dish 3"}), PageEntries());
    EXPECT_EQ(kFormHelpContext, GetHelpContext());
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_SPECIALS_VIEW))) << "nothing picked yet";
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_SPECIALS_EDIT))) << "the cookbook can be written";
    for (UINT nId : {IDC_PAGE_NUTRITION, IDC_PAGE_PHOTO, IDC_PAGE_INFORMATION})
        EXPECT_FALSE(IsWindowEnabled(Item(nId))) << nId;
    EXPECT_FALSE(IsWindowVisible(Item(IDC_SPECIALS_PAGE)));

    Pick("Dish 2");
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_SPECIALS_VIEW)));
}

class PersonalMenuFormReadOnlyTest : public PersonalMenuFormTest
{
protected:
    void BeforeStart() override { SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY); }
};

TEST_F(PersonalMenuFormReadOnlyTest, EditStaysOffWhenTheCookbookCannotBeWritten)
{
    OpenSpecials();
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_SPECIALS_EDIT)));
    EXPECT_EQ(1u, m_boxes.GetTexts().size()) << "the read-only notice at start: " << m_boxes.GetAllTexts();
}

TEST_F(PersonalMenuFormTest, AnEmptyListShowsAnEmptyPageAndResetsTheServings)
{
    Specials().DeleteAll();
    CPersonalMenuForm::SetSpecialsServings(4);
    OpenSpecials();
    EXPECT_TRUE(PageEntries().empty());
    EXPECT_EQ(0, CPersonalMenuForm::GetSpecialsServings());
}

// Every entry carries the list's servings into the recipe view; without them each keeps its own.
TEST_F(PersonalMenuFormTest, ViewOpensThePickedRecipeAtTheListsServings)
{
    const struct
    {
        int servings;
        WORD override;
        BOOL flag;
    } cases[] = {{4, 4, TRUE}, {0, 7, FALSE}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "servings " << c.servings);
        for (int i = 0; i < Specials().GetSize(); ++i)
            Specials().GetRecipeAt(i)->m_scaledServings = 7;
        g_pFormManager->SetServingsOverride(!c.flag);
        OpenSpecials();
        SetServingsInTheDialog(c.servings);
        EXPECT_EQ(c.servings, CPersonalMenuForm::GetSpecialsServings());
        Pick("Dish 2");
        Command(IDC_SPECIALS_VIEW);
        EXPECT_EQ(CFormManager::kRecipeFromPersonalMenu, g_pFormManager->GetCurrentKind());
        EXPECT_EQ(12, g_pFormManager->GetCurrentValue());
        EXPECT_EQ(c.flag, g_pFormManager->HasServingsOverride());
        EXPECT_EQ(1, Specials().GetCurrentIndex());
        for (int i = 0; i < Specials().GetSize(); ++i)
            EXPECT_EQ(c.override, Specials().GetRecipeAt(i)->m_scaledServings) << i;
    }
}

TEST_F(PersonalMenuFormTest, ViewWithNothingPickedStays)
{
    OpenSpecials();
    Command(IDC_SPECIALS_VIEW);
    EXPECT_EQ(CFormManager::kPersonalMenu, g_pFormManager->GetCurrentKind());
}

// Remove and Clear work on the dialog's copy: Cancel keeps the list, OK replaces it.
TEST_F(PersonalMenuFormTest, TheEditDialogRemovesAndClearsOnlyOnOK)
{
    OpenSpecials();
    const auto enabled = [](CDialog& dialog, UINT nId) { return dialog.GetDlgItem(nId)->IsWindowEnabled(); };
    const auto select = [](CDialog& dialog, int row) {
        dialog.GetDlgItem(IDC_SPECIALS_EDIT_LIST)->SendMessage(LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SPECIALS_EDIT_LIST, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_SPECIALS_EDIT_LIST)->m_hWnd));
    };
    const auto rows = [](CDialog& dialog) { return dialog.GetDlgItem(IDC_SPECIALS_EDIT_LIST)->SendMessage(LB_GETCOUNT); };

    CDialogDriver::OnOpen(IDD_SPECIALS_EDIT, [&](CDialog& dialog) {
        EXPECT_EQ(kDialogHelpContext, GetHelpContext());
        EXPECT_EQ(3, rows(dialog));
        EXPECT_FALSE(enabled(dialog, IDC_SPECIALS_REMOVE)) << "nothing selected";
        select(dialog, 1);
        EXPECT_TRUE(enabled(dialog, IDC_SPECIALS_REMOVE));
        CDialogDriver::Press(dialog, IDC_SPECIALS_REMOVE);
        EXPECT_EQ(2, rows(dialog));
        EXPECT_FALSE(enabled(dialog, IDC_SPECIALS_REMOVE));
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    Command(IDC_SPECIALS_EDIT);
    EXPECT_EQ(3, Specials().GetSize()) << "Cancel keeps the list";
    EXPECT_EQ(kFormHelpContext, GetHelpContext());

    CDialogDriver::OnOpen(IDD_SPECIALS_EDIT, [&](CDialog& dialog) {
        select(dialog, 1);
        CDialogDriver::Press(dialog, IDC_SPECIALS_REMOVE);
        CDialogDriver::Press(dialog, IDOK);
    });
    Command(ID_FORM_EDIT_SPECIALS);
    EXPECT_EQ((std::vector<std::string>{"Dish 1", "Dish 3"}), PageEntries()) << "the page is built again";
    EXPECT_EQ(2, Specials().GetSize());

    CPersonalMenuForm::SetSpecialsServings(4);
    CDialogDriver::OnOpen(IDD_SPECIALS_EDIT, [&](CDialog& dialog) {
        select(dialog, 0);
        CDialogDriver::Press(dialog, IDC_SPECIALS_CLEAR);
        EXPECT_EQ(0, rows(dialog));
        EXPECT_FALSE(enabled(dialog, IDC_SPECIALS_REMOVE));
        EXPECT_FALSE(enabled(dialog, IDC_SPECIALS_CLEAR));
        CDialogDriver::Press(dialog, IDOK);
    });
    Command(IDC_SPECIALS_EDIT);
    EXPECT_TRUE(Specials().IsEmpty());
    EXPECT_TRUE(PageEntries().empty());
    EXPECT_EQ(0, CPersonalMenuForm::GetSpecialsServings()) << "an empty list has no servings of its own";
    EXPECT_FALSE(CDialogDriver::HasPendingActions());
}

// Print with nutrition adds the Specials recipes' nutrition together; the user's own choice
// for other prints is kept.
TEST_F(PersonalMenuFormTest, PrintWritesTheListAndWithNutritionItsSummary)
{
    const std::string file = m_folder + "\\specials.txt";
    PrintSettings& record = *g_pAppSettings->GetPrintRecord();
    record.PrintToFile = 1;
    SetPrintFile(file.c_str(), kPrintText);
    OpenSpecials();

    for (std::int32_t chosen : {0, 1})
    {
        SCOPED_TRACE(testing::Message() << "nutrition summary chosen: " << chosen);
        record.MenuNutrition = chosen;
        DeleteFileA(file.c_str());
        Command(ID_FORM_PRINT);
        const std::string list = shelltest::ReadFile(file);
        for (const char* line : {"Specials", "Dish 1", "Dish 3"})
            EXPECT_NE(std::string::npos, list.find(line)) << line << " in:\n" << list;
        EXPECT_EQ(chosen != 0, list.find("Calories  600") != std::string::npos) << list;

        DeleteFileA(file.c_str());
        Command(ID_FORM_PRINT_WITH_RECIPES);
        const std::string withNutrition = shelltest::ReadFile(file);
        EXPECT_NE(std::string::npos, withNutrition.find("Calories  600")) << withNutrition;
        EXPECT_EQ(chosen, record.MenuNutrition);
    }

    record.MenuNutrition = 0;
    record.PrintToFile = 0;
    SetPrintFile("pxprint.txt", kPrintText);
    EXPECT_TRUE(m_boxes.GetTexts().empty()) << m_boxes.GetAllTexts();
}

// Alt+N (the Nutrition command) shows the facts of every Specials recipe together beside the page.
TEST_F(PersonalMenuFormTest, TheNutritionPageAddsTheSpecialsTogether)
{
    OpenSpecials();
    Command(IDC_PAGE_NUTRITION);
    const auto* pPage = dynamic_cast<const CTextPane*>(Form()->GetPanel().GetTextPageView());
    ASSERT_NE(nullptr, pPage);
    ASSERT_NE(nullptr, pPage->GetPageOutput());
    std::string text;
    for (const CLayoutEngine::StoredLine& line : pPage->GetPageOutput()->GetEngine().GetStoredLines())
        text += line.Text + "\n";
    EXPECT_NE(std::string::npos, text.find("600")) << text;
    EXPECT_EQ("NUTLBGD", std::string(Form()->GetPageButtons().GetTab(CPanelPageButtons::kNutritionPage).GetShownBitmap()));
}

TEST_F(PersonalMenuFormTest, KeysThroughTheProgramsMessageLoop)
{
    const auto focused = [] {
        HWND hFocus = ::GetFocus();
        if (hFocus == Pane()->m_hWnd)
            return -1;
        return hFocus != nullptr && ::GetParent(hFocus) == Form()->m_hWnd ? ::GetDlgCtrlID(hFocus) : 0;
    };
    OpenSpecials();
    Pick("Dish 3");
    Pane()->SetFocus();
    for (int nExpected : {IDC_SPECIALS_VIEW, IDC_SPECIALS_EDIT, IDC_SPECIALS_BACK, -1})
    {
        apptest::PressKey(VK_TAB);
        EXPECT_EQ(nExpected, focused()) << "tab order (-1: the page)";
    }

    bool opened = false;
    CDialogDriver::OnOpen(IDD_SPECIALS_EDIT, [&opened](CDialog& dialog) {
        opened = true;
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    apptest::PressAltKey('D');
    EXPECT_TRUE(opened) << "Alt+D edits the list";

    Pane()->SetFocus();
    apptest::PressAltKey('V');
    EXPECT_EQ(CFormManager::kRecipeFromPersonalMenu, g_pFormManager->GetCurrentKind()) << "Alt+V views the pick";
    EXPECT_EQ(13, g_pFormManager->GetCurrentValue());

    OpenSpecials();
    Form()->SetFocus();
    apptest::PressAltKey('B');
    EXPECT_EQ(CFormManager::kRecipeFromPersonalMenu, g_pFormManager->GetCurrentKind()) << "Alt+B steps back";
}

}  // namespace
