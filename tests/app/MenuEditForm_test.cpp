#include "forms/MenuEditForm.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "database/RMDatabase.h"
#include "database/BrowseState.h"
#include "database/CustObArray.h"
#include "database/ListItem.h"
#include "forms/AttachRefDlg.h"
#include "forms/RecipeViewForm.h"
#include "forms/TextPane.h"
#include "printing/LayoutEngine.h"
#include "printing/PrinterOutput.h"
#include "forms/TOCForm.h"
#include "framework/DialogDriver.h"
#include "framework/MessageBoxScript.h"
#include "res/resource.h"
#include "shell/app/CookbookApp.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/ProgramDirectory.h"
#include "shell/ShellTestFolder.h"
#include "support/CookbookFixture.h"
#include "support/QueryColumn.h"
#include "MenuEditFormTest.h"
#include "ProgramKeys.h"

namespace {

using apptest::MenuEditFormTest;
using apptest::PressAltKey;
using apptest::PressKey;

TEST_F(MenuEditFormTest, ANewPlanOpensWithOneEmptyTextLineAndSaveBeforeAnyChangeDoesNothing)
{
    Edit(CRecordId());
    ASSERT_EQ(1, Plan().m_items.GetCount());
    const auto* pItem = static_cast<const CMenuItem*>(Plan().m_items.GetHead());
    EXPECT_STREQ("E", pItem->m_type);
    EXPECT_TRUE(pItem->m_text.IsEmpty());
    EXPECT_EQ(1u, ItemRows().size());
    EXPECT_EQ("Servings not adjusted", Text(IDC_MENU_SERVINGS));
    EXPECT_EQ(0, Form().m_nModified);
    const size_t plans = PlanCount();
    Command(IDC_MENU_EDIT_SAVE);
    EXPECT_EQ("", BoxTexts());
    EXPECT_EQ(plans, PlanCount());
}

TEST_F(MenuEditFormTest, ANamelessPlanGives206AndWritesNothing)
{
    Edit(CRecordId());
    Type(IDC_MENU_DESCRIPTION, "Light food");
    ASSERT_NE(0, Form().m_nModified);
    const size_t plans = PlanCount();
    Command(IDC_MENU_EDIT_SAVE);
    EXPECT_EQ("Unable to save.  Meal plan must have a name.\n", BoxTexts());
    EXPECT_EQ(plans, PlanCount());
    EXPECT_NE(0, Form().m_nModified);
}

TEST_F(MenuEditFormTest, ANewPlanIsInsertedWithoutItsEmptyLinesAndBecomesTheFormsItem)
{
    Edit(CRecordId());
    Type(IDC_MENU_NAME, "Brunch");
    ChooseItem(0);
    Enter("E", "Pancakes", FALSE);
    Command(ID_EDIT_FORM_NEXT_LINE);
    ASSERT_EQ(2, Plan().m_items.GetCount()) << "Down on the last line adds one";
    Command(IDC_MENU_EDIT_SAVE);
    EXPECT_EQ("", BoxTexts());
    EXPECT_EQ(0, Form().m_nModified);
    const std::vector<std::string> ids = Stored("SELECT MENU FROM MENU WHERE NAME='Brunch'");
    ASSERT_EQ(1u, ids.size());
    EXPECT_EQ(std::stol(ids[0]), static_cast<long>(Form().GetListItem().m_id.GetNumber()));
    EXPECT_EQ(std::vector<std::string>{"Pancakes"}, StoredItems(Form().GetListItem().m_id));
}

TEST_F(MenuEditFormTest, APlanOfOnlyEmptyLinesIsSavedWithoutItems)
{
    Edit(CRecordId());
    Type(IDC_MENU_NAME, "Nothing Yet");
    Command(IDC_MENU_EDIT_SAVE);
    const std::vector<std::string> ids = Stored("SELECT MENU FROM MENU WHERE NAME='Nothing Yet'");
    ASSERT_EQ(1u, ids.size());
    EXPECT_TRUE(StoredItems(Form().GetListItem().m_id).empty());
}

TEST_F(MenuEditFormTest, ServingsFollowTheirRules)
{
    struct Case
    {
        const char* typed;
        WORD servings;
        const char* shown;
        bool message;
        bool modified;
    };
    const Case cases[] = {
        {"6", 6, "6", false, true},
        {"0", 0, "Servings not adjusted", false, true},
        {"1000", 0, "Servings not adjusted", true, true},
        {"12a", 0, "Servings not adjusted", true, false},
        {"", 5, "", false, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.typed);
        Edit(m_picnic);
        Plan().m_servings = 5;
        Type(IDC_MENU_SERVINGS, c.typed);
        EXPECT_EQ(c.servings, Plan().m_servings);
        EXPECT_EQ(c.shown, Text(IDC_MENU_SERVINGS));
        EXPECT_EQ(c.message, BoxTexts().find("Servings must be") != std::string::npos) << BoxTexts();
        EXPECT_EQ(c.modified, Form().m_nModified != 0);
        if (c.message)
        {
            DWORD start = 1;
            DWORD end = 0;
            ::SendMessageA(Control(IDC_MENU_SERVINGS), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                           reinterpret_cast<LPARAM>(&end));
            EXPECT_EQ(0u, start);
            EXPECT_EQ(static_cast<DWORD>(Text(IDC_MENU_SERVINGS).size()), end);
        }
        Form().m_nModified = 0;
    }
}

TEST_F(MenuEditFormTest, AnExistingPlanIsRewrittenUnderItsId)
{
    Edit(m_picnic);
    Type(IDC_MENU_DESCRIPTION, "In the park");
    ChooseItem(2);
    Enter("E", "Cherries", FALSE);
    const size_t plans = PlanCount();
    Command(IDC_MENU_EDIT_SAVE);
    EXPECT_EQ("", BoxTexts());
    EXPECT_EQ(plans, PlanCount());
    EXPECT_EQ(std::vector<std::string>{"In the park"},
              Stored(std::string("SELECT DESCRIPTION FROM MENU WHERE MENU='") + m_picnic.GetText() + "'"));
    EXPECT_EQ((std::vector<std::string>{"Lemonade", "Rye Bread", "Cherries"}), StoredItems(m_picnic));
    EXPECT_EQ(m_picnic, Form().GetListItem().m_id);
}

// A refused save keeps the changes: the form stays modified and leaving it still asks.
TEST_F(MenuEditFormTest, ANameInUseGives207AndTheFormStaysModified)
{
    Edit(m_picnic);
    Type(IDC_MENU_NAME, "Party");
    Command(IDC_MENU_EDIT_SAVE);
    EXPECT_NE(std::string::npos, BoxTexts().find("Unable to save meal plan.  Meal plan name may already be in use.\n"))
        << BoxTexts();
    EXPECT_NE(0, Form().m_nModified);
    EXPECT_FALSE(Form().SaveChanges());
    EXPECT_NE(0, Form().m_nModified);
    EXPECT_EQ(std::vector<std::string>{"Picnic"},
              Stored(std::string("SELECT NAME FROM MENU WHERE MENU='") + m_picnic.GetText() + "'"));

    m_boxes.ClearShown();
    m_boxes.QueueAnswer(IDYES);
    g_pFormManager->OpenForm(CFormManager::kActionBack, 0, 0);
    EXPECT_EQ(CFormManager::kMealPlanEdit, g_pFormManager->GetCurrentKind());
    EXPECT_NE(std::string::npos, BoxTexts().find("Save changes now?")) << BoxTexts();
    EXPECT_NE(0, Form().m_nModified);
}

// Back and another form (the tool bar's Contents) both ask before leaving the changes.
TEST_F(MenuEditFormTest, SaveChangesNowOnBackOrAnotherFormSavesDropsOrStays)
{
    struct Case
    {
        UINT nLeave;
        int answer;
        long kindAfter;
        const char* storedDescription;
    };
    const Case cases[] = {
        {IDC_EDIT_FORM_BACK, IDCANCEL, CFormManager::kMealPlanEdit, ""},
        {IDC_EDIT_FORM_BACK, IDNO, CFormManager::kContents, ""},
        {IDC_EDIT_FORM_BACK, IDYES, CFormManager::kContents, "Changed 1"},
        {IDC_TOOL_CONTENTS, IDCANCEL, CFormManager::kMealPlanEdit, "Changed 1"},
        {IDC_TOOL_CONTENTS, IDNO, CFormManager::kContents, "Changed 1"},
        {IDC_TOOL_CONTENTS, IDYES, CFormManager::kContents, "Changed 2"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.nLeave) + " " + std::to_string(c.answer));
        if (g_pFormManager->GetCurrentKind() != CFormManager::kMealPlanEdit)
            Edit(m_party);
        Type(IDC_MENU_DESCRIPTION, c.nLeave == IDC_EDIT_FORM_BACK ? "Changed 1" : "Changed 2");
        m_boxes.QueueAnswer(c.answer);
        Command(c.nLeave);
        EXPECT_NE(std::string::npos, BoxTexts().find("Save changes now?")) << BoxTexts();
        EXPECT_EQ(c.kindAfter, g_pFormManager->GetCurrentKind());
        const std::vector<std::string> stored =
            Stored(std::string("SELECT DESCRIPTION FROM MENU WHERE MENU='") + m_party.GetText() + "'");
        EXPECT_EQ(c.storedDescription, stored.empty() ? std::string() : stored[0]);
        m_boxes.ClearShown();
    }
}

TEST_F(MenuEditFormTest, EditAddMealPlanAsksThenStartsANewPlan)
{
    Edit(m_party);
    Type(IDC_MENU_DESCRIPTION, "Changed");
    m_boxes.QueueAnswer(IDNO);
    GetCookbookApp()->m_pMainWnd->SendMessage(WM_COMMAND, ID_EDIT_ADD_MEAL_PLAN, 0);
    EXPECT_NE(std::string::npos, BoxTexts().find("Save changes now?")) << BoxTexts();
    EXPECT_EQ(0u, Plan().m_id.GetNumber());
    EXPECT_EQ("", Text(IDC_MENU_NAME));
    EXPECT_EQ(0, Form().m_nModified);
}

TEST_F(MenuEditFormTest, AMealPlanEnteredAsAnItemIsMergedWhereItStood)
{
    Edit(m_party);
    ChooseItem(1);
    m_boxes.QueueAnswer(IDCANCEL);
    Enter("M", "Picnic", FALSE);
    EXPECT_EQ("Items from Picnic  will be added to the current meal plan.\n", BoxTexts());
    EXPECT_EQ((std::vector<std::string>{"One", "Picnic", "Three", "Four", "Five"}), PlanTexts());

    m_boxes.ClearShown();
    m_boxes.QueueAnswer(IDOK);
    Panel().ApplyItemEntry(FALSE);
    EXPECT_EQ((std::vector<std::string>{"One", "Lemonade", "Rye Bread", "Fruit", "Three", "Four", "Five"}),
              PlanTexts());
    EXPECT_EQ(7u, ItemRows().size());
    EXPECT_STREQ("Lemonade", Panel().GetCurrentItem()->m_text);
}

// Merging the plan into itself would copy its own stored items into it.
TEST_F(MenuEditFormTest, EveryMergingPathRefusesThePlanItselfAndUnknownPlans)
{
    struct Case
    {
        const char* type;
        const char* text;
        bool checkedOnLeaving;
        const char* message;
    };
    const Case cases[] = {
        {"M", "Party", false, "Party -- cannot add a meal plan to itself.\n"},
        {"M", "Party", true, "Party -- cannot add a meal plan to itself.\n"},
        {"M", "Brunch", false, "Brunch -- meal plan not found.\n"},
        {"M", "Brunch", true, "Meal Plan not found.  Item type will be changed to Text.\n"},
        {"R", "Oat Cakes", true, "Recipe not found.  Item type will be changed to Text.\n"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.text) + (c.checkedOnLeaving ? " on leaving" : " on entry"));
        Edit(m_party);
        ChooseItem(1);
        CMenuItem* pItem = Panel().GetCurrentItem();
        if (c.checkedOnLeaving)
        {
            Enter("E", c.text, TRUE);
            pItem->m_type = c.type;
            m_boxes.ClearShown();
            Command(ID_EDIT_FORM_NEXT_LINE);
        }
        else
            Enter(c.type, c.text, FALSE);
        EXPECT_EQ(c.message, BoxTexts());
        EXPECT_EQ(5, Plan().m_items.GetCount());
        EXPECT_STREQ("E", pItem->m_type);
        Form().m_nModified = 0;
    }
}

TEST_F(MenuEditFormTest, AKnownRecipeTakesItsIdAndServingsWhenItsLineIsLeft)
{
    Edit(m_party);
    ChooseItem(0);
    CMenuItem* pItem = Panel().GetCurrentItem();
    pItem->m_type = "R";
    pItem->m_text = "Barley Soup";
    Panel().ApplyItemEntry(TRUE);
    Command(ID_EDIT_FORM_NEXT_LINE);
    EXPECT_EQ("", BoxTexts());
    EXPECT_EQ(11u, pItem->m_itemId.GetNumber());
    EXPECT_EQ(4, pItem->m_servings);
    EXPECT_STREQ("Two", Panel().GetCurrentItem()->m_text);
}

TEST_F(MenuEditFormTest, TheListShowsTheReportsLinesAsRecordsOfTheirKind)
{
    Edit(m_weekday);
    std::vector<std::pair<std::string, long>> headings;
    bool rule = false;
    for (int row = 0; row < List(LB_GETCOUNT); ++row)
    {
        const CScreenLine& line = RowLine(row);
        if (line.LineValue() == 22 || line.LineValue() == 23)
        {
            headings.emplace_back(line.LineText(), line.LineValue());
            EXPECT_EQ(-1, line.StyleValue());
        }
        rule = rule || (line.LineValue() == CScreenLine::kRule && std::string(line.LineText()) == "__");
    }
    EXPECT_TRUE(rule);
    ASSERT_EQ(4u, headings.size());
    EXPECT_EQ(std::make_pair(std::string("Day 1:"), 22L), headings[0]);
    EXPECT_EQ(23L, headings[1].second);
    EXPECT_EQ(std::make_pair(std::string("Day 2:"), 22L), headings[2]);
    const std::vector<int> rows = ItemRows();
    ASSERT_EQ(3u, rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(static_cast<long>(i), RowLine(rows[i]).StyleValue());
}

TEST_F(MenuEditFormTest, DownAndUpMoveOverTheItemLinesAndDownOnTheLastAddsOneLikeIt)
{
    Edit(m_weekday);
    ChooseItem(0);
    EXPECT_STREQ("Barley Soup", Panel().GetCurrentItem()->m_text);
    Command(IDOK);
    EXPECT_STREQ("Salad", Panel().GetCurrentItem()->m_text);
    Command(ID_EDIT_FORM_NEXT_LINE);
    EXPECT_STREQ("Rye Bread", Panel().GetCurrentItem()->m_text) << "over the day and meal headings";
    Command(ID_EDIT_FORM_PREVIOUS_LINE);
    EXPECT_STREQ("Salad", Panel().GetCurrentItem()->m_text);
    Command(ID_EDIT_FORM_NEXT_LINE);
    Command(ID_EDIT_FORM_NEXT_LINE);
    ASSERT_EQ(4, Plan().m_items.GetCount());
    const CMenuItem* pAdded = Panel().GetCurrentItem();
    ASSERT_EQ(Plan().m_items.GetTail(), pAdded);
    EXPECT_STREQ("E", pAdded->m_type);
    EXPECT_EQ(2, pAdded->m_day);
    EXPECT_EQ(1, pAdded->m_meal);
}

TEST_F(MenuEditFormTest, DeleteAndInsertLine)
{
    Edit(m_party);
    ChooseItem(4);
    Panel().DeleteLine();
    EXPECT_EQ((std::vector<std::string>{"One", "Two", "Three", "Four"}), PlanTexts());
    EXPECT_STREQ("Four", Panel().GetCurrentItem()->m_text) << "the last deleted, the one before it";
    Panel().InsertLine();
    EXPECT_EQ((std::vector<std::string>{"One", "Two", "Three", "", "Four"}), PlanTexts());
    EXPECT_TRUE(Panel().GetCurrentItem()->m_text.IsEmpty());
    EXPECT_NE(0, Form().m_nModified);
}

// Past the list the focus goes into the item panel of the first line, and Shift+Tab from the
// header's first field comes back into it at its last control.
TEST_F(MenuEditFormTest, TabCyclesTheHeaderControlsAndGoesOnIntoTheItemPanel)
{
    Edit(m_picnic);
    Type(IDC_MENU_SERVINGS, "12");
    ::SetFocus(Control(IDC_MENU_NAME));
    Command(ID_EDIT_FORM_NEXT_FIELD);
    EXPECT_EQ(Control(IDC_MENU_DESCRIPTION), ::GetFocus());
    Command(ID_EDIT_FORM_NEXT_FIELD);
    EXPECT_EQ(Control(IDC_MENU_SERVINGS), ::GetFocus());
    DWORD start = 1;
    DWORD end = 0;
    ::SendMessageA(Control(IDC_MENU_SERVINGS), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(2u, end);
    Command(ID_EDIT_FORM_NEXT_FIELD);
    EXPECT_TRUE(Panel().IsItemPanelShown());
    EXPECT_EQ(ItemControl(IDC_PLAN_ITEM_DAY), ::GetFocus());
    Command(ID_EDIT_FORM_PREVIOUS_FIELD);
    EXPECT_EQ(Control(IDC_MENU_NAME), ::GetFocus());
    EXPECT_FALSE(Panel().IsItemPanelShown());
    Command(ID_EDIT_FORM_PREVIOUS_FIELD);
    EXPECT_EQ(ItemControl(IDC_PLAN_ITEM_INSERT), ::GetFocus()) << "Find Item is greyed on a text line";
}

TEST_F(MenuEditFormTest, TheFormsKeysSaveOpenTheAttachDialogsAndEscDoesNothing)
{
    Edit(m_picnic);
    ::SetForegroundWindow(GetCookbookApp()->m_pMainWnd->m_hWnd);
    ::SetFocus(Control(IDC_MENU_DESCRIPTION));
    Type(IDC_MENU_DESCRIPTION, "By the lake");
    PressKey(VK_ESCAPE);
    EXPECT_EQ(CFormManager::kMealPlanEdit, g_pFormManager->GetCurrentKind());
    EXPECT_NE(0, Form().m_nModified);
    PressAltKey('V');
    EXPECT_EQ(0, Form().m_nModified);
    EXPECT_EQ(std::vector<std::string>{"By the lake"},
              Stored(std::string("SELECT DESCRIPTION FROM MENU WHERE MENU='") + m_picnic.GetText() + "'"));
    PressAltKey('Y');
    ::SetFocus(Control(IDC_MENU_NAME));
    PressAltKey('X');
    EXPECT_EQ((std::vector<UINT>{IDD_ATTACH_CATEGORIES, IDD_ATTACH_REFERENCES}), CDialogDriver::GetUnexpectedDialogs());
    EXPECT_EQ("", BoxTexts());
}

// Cancel keeps the program and the changes; Yes saves them on the way out.
TEST_F(MenuEditFormTest, SaveChangesNowAtExit)
{
    Edit(m_party);
    Type(IDC_MENU_DESCRIPTION, "At the end");
    CWnd* pFrame = GetCookbookApp()->m_pMainWnd;
    m_boxes.QueueAnswer(IDYES);
    m_boxes.QueueAnswer(IDCANCEL);
    pFrame->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(::IsWindow(pFrame->m_hWnd));
    EXPECT_NE(std::string::npos, BoxTexts().find("Save changes now?")) << BoxTexts();
    EXPECT_NE(0, Form().m_nModified);

    m_boxes.QueueAnswer(IDYES);
    m_boxes.QueueAnswer(IDYES);
    pFrame->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    GetCookbookApp()->m_pMainWnd = nullptr;
    ASSERT_EQ(nullptr, g_pFormManager);
    CRMDatabase database;
    ASSERT_TRUE(database.OpenCookbookFile(m_path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));
    EXPECT_EQ(std::vector<std::string>{"At the end"},
              fixture::QueryColumn(database,
                                   std::string("SELECT DESCRIPTION FROM MENU WHERE MENU='") + m_party.GetText() + "'",
                                   m_boxes));
    database.Close();
}

// A row of a dialog's list chosen, as a click tells the dialog.
void ChooseRow(CDialog& dialog, int nList, UINT nSelect, WPARAM wParam, LPARAM lParam)
{
    dialog.SendDlgItemMessage(nList, nSelect, wParam, lParam);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(nList, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(dialog.GetDlgItem(nList)->m_hWnd));
}

// The attach dialogs worked as the user works them: a change made in either marks the plan.
TEST_F(MenuEditFormTest, AttachingCategoriesOrReferencesMarksThePlanModified)
{
    Edit(m_picnic);
    CDialogDriver::OnOpen(IDD_ATTACH_REFERENCES, [](CDialog& dialog) {
        HWND hTabs = dialog.GetDlgItem(IDC_REF_TABS)->m_hWnd;
        RECT tab{};
        ::SendMessageA(hTabs, TCM_GETITEMRECT, CAttachRefDlg::kRelatedTab, reinterpret_cast<LPARAM>(&tab));
        const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
        ::SendMessageA(hTabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageA(hTabs, WM_LBUTTONUP, 0, at);
        ::SendMessageA(dialog.GetDlgItem(IDC_RELATED_MEAL_PLANS)->m_hWnd, BM_CLICK, 0, 0);
        ChooseRow(dialog, IDC_REF_PHOTOS, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Party"));
        CDialogDriver::Press(dialog, IDC_ATTACH);
        CDialogDriver::Press(dialog, IDC_ATTACH_CLOSE);
    });
    Command(IDC_MENU_EDIT_REFERENCES);
    EXPECT_NE(0, Form().m_nModified);
    ASSERT_EQ(1, Plan().m_references.GetSize());
    Command(IDC_MENU_EDIT_SAVE);
    CMenuData stored;
    stored.m_id = m_picnic;
    GetCurrentDatabase()->LoadMenu(stored);
    EXPECT_EQ(1, stored.m_references.GetSize()) << "read back after Save";

    CDialogDriver::OnOpen(IDD_ATTACH_CATEGORIES, [](CDialog& dialog) {
        const LRESULT last = dialog.SendDlgItemMessage(IDC_CATEGORY_ALL, LB_GETCOUNT) - 1;
        ChooseRow(dialog, IDC_CATEGORY_ALL, LB_SETCURSEL, static_cast<WPARAM>(last), 0);
        CDialogDriver::Press(dialog, IDC_CATEGORY_ATTACH);
        CDialogDriver::Press(dialog, IDOK);
    });
    Command(IDC_MENU_EDIT_CATEGORIES);
    EXPECT_NE(0, Form().m_nModified);
    EXPECT_EQ(1, Plan().m_categories.GetCount());
    Command(IDC_MENU_EDIT_SAVE);
    EXPECT_EQ(std::vector<std::string>{"070001"},
              Stored(std::string("SELECT CATID FROM MENU_CAT_ITEM WHERE ITEM='") + m_picnic.GetText() + "'"));
}

// From the meal-plan view's Edit, through the item panel, Save and Back: the view shows the
// plan as saved.
TEST_F(MenuEditFormTest, ASavedPlanShowsItsNewLinesWhenViewedAgain)
{
    CCustObArray& plans = GetCurrentDatabase()->GetMenuListFor(*g_pBrowseState, nullptr, TRUE);
    int picnic = 0;
    while (picnic < plans.GetSize() && static_cast<const CListItem*>(plans.GetItemAt(picnic))->m_name != "Picnic")
        ++picnic;
    ASSERT_LT(picnic, plans.GetSize());
    plans.SetCurrentIndex(picnic);
    g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kMealPlanView, picnic);
    ASSERT_EQ(CFormManager::kMealPlanView, g_pFormManager->GetCurrentKind());
    g_pFormManager->GetActiveForm()->SendMessage(WM_COMMAND, IDC_VIEW_EDIT, 0);
    ASSERT_EQ(CFormManager::kMealPlanEdit, g_pFormManager->GetCurrentKind());
    ASSERT_STREQ("Picnic", Plan().m_name);

    ChooseItem(2);
    ::SendMessageA(ItemControl(IDC_PLAN_ITEM_NAME), EM_SETSEL, 0, -1);
    ::SendMessageA(ItemControl(IDC_PLAN_ITEM_NAME), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("Cherries"));
    Command(IDC_MENU_EDIT_SAVE);
    Command(IDC_EDIT_FORM_BACK);
    ASSERT_EQ(CFormManager::kMealPlanView, g_pFormManager->GetCurrentKind());
    EXPECT_EQ("", BoxTexts());
    auto* pView = dynamic_cast<CRecipeViewForm*>(g_pFormManager->GetActiveForm());
    ASSERT_NE(nullptr, pView);
    ASSERT_NE(nullptr, pView->GetPane()->GetPageOutput());
    std::string page;
    for (const CLayoutEngine::StoredLine& line : pView->GetPane()->GetPageOutput()->GetEngine().GetStoredLines())
        page += line.Text + "\n";
    EXPECT_NE(std::string::npos, page.find("Cherries")) << page;
    EXPECT_EQ(std::string::npos, page.find("Fruit")) << page;
}

}  // namespace
