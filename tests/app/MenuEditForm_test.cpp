#include "forms/MenuEditForm.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "database/RMDatabase.h"
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
#include "RunningProgramTest.h"

namespace {

struct Line
{
    const char* type;
    const char* text;
    WORD day;
    WORD meal;
};

// The program started on a cookbook of two recipes and three meal plans: "Weekday Dinners"
// scheduled over two days, "Picnic" of three unscheduled items, "Party" of five. Plan names
// are unique, so a plan renamed to another's name cannot be stored.
class MenuEditFormTest : public apptest::RunningProgramTest
{
protected:
    void SetUp() override
    {
        RunningProgramTest::SetUp();
        CTOCForm::ForgetPlace();
        m_path = Copy(fixture::TemplatePath(), "Plans.TWS");
        MakeFixture();
        StartProgram();
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kContents, 0);
    }

    void TearDown() override
    {
        if (g_pFormManager != nullptr && g_pFormManager->GetActiveForm() != nullptr)
            g_pFormManager->GetActiveForm()->m_nModified = 0;
        RunningProgramTest::TearDown();
    }

    void MakeFixture()
    {
        CRMDatabase database;
        ASSERT_TRUE(database.OpenCookbookFile(m_path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));
        for (const char* sql :
             {"DELETE FROM COOKBOOK", "INSERT INTO COOKBOOK (COOKBOOK, TITLE) VALUES ('000001', 'Soups')",
              "INSERT INTO RECIPE (COOKBOOK, RECIPE, TITLE, SERVINGS, RATING) VALUES ('000001', '000011', 'Barley "
              "Soup', 4, 0), ('000001', '000012', 'Rye Bread', 8, 0)",
              "CREATE UNIQUE INDEX MenuNames ON MENU (NAME)"})
            ASSERT_TRUE(database.ExecuteDirect(sql)) << sql;
        m_weekday = SavePlan(database, "Weekday Dinners",
                             {{"R", "Barley Soup", 1, 3}, {"E", "Salad", 1, 3}, {"R", "Rye Bread", 2, 1}});
        m_picnic =
            SavePlan(database, "Picnic", {{"E", "Lemonade", 0, 0}, {"R", "Rye Bread", 0, 0}, {"E", "Fruit", 0, 0}});
        m_party = SavePlan(
            database, "Party",
            {{"E", "One", 0, 0}, {"E", "Two", 0, 0}, {"E", "Three", 0, 0}, {"E", "Four", 0, 0}, {"E", "Five", 0, 0}});
        database.Close();
    }

    static CRecordId SavePlan(CRMDatabase& database, const char* name, const std::vector<Line>& lines)
    {
        CMenuData plan;
        plan.m_name = name;
        for (const Line& line : lines)
            plan.m_items.AddTail(MakeItem(line));
        EXPECT_TRUE(database.SaveMenu(plan, TRUE)) << name;
        return plan.m_id;
    }

    static CMenuItem* MakeItem(const Line& line)
    {
        auto* pItem = new CMenuItem;
        pItem->m_type = line.type;
        pItem->m_text = line.text;
        pItem->m_day = line.day;
        pItem->m_meal = line.meal;
        return pItem;
    }

    // The editor on the plan, as Edit on the meal-plan view or Edit/Add/Meal Plan opens it.
    void Edit(const CRecordId& id)
    {
        g_pFormManager->SetEditMealPlanId(id);
        g_pFormManager->OpenForm(CFormManager::kActionGoTo, CFormManager::kMealPlanEdit, 0);
        ASSERT_EQ(CFormManager::kMealPlanEdit, g_pFormManager->GetCurrentKind());
        m_boxes.ClearShown();
    }

    static CMenuEditForm& Form() { return *static_cast<CMenuEditForm*>(g_pFormManager->GetActiveForm()); }
    static CMenuHeaderPanel& Panel() { return Form().GetHeaderPanel(); }
    static CMenuData& Plan() { return *Form().GetMealPlan(); }
    static HWND Control(int nId) { return ::GetDlgItem(Panel().m_hWnd, nId); }
    // Types over the field's whole text, as the user does.
    static void Type(int nId, const char* text)
    {
        ::SendMessageA(Control(nId), EM_SETSEL, 0, -1);
        ::SendMessageA(Control(nId), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    }
    static std::string Text(int nId)
    {
        char text[256] = "";
        ::GetWindowTextA(Control(nId), text, sizeof text);
        return text;
    }
    static void Command(UINT nId) { Form().SendMessage(WM_COMMAND, nId, 0); }
    static LRESULT List(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageA(Control(IDC_MENU_LINES), message, wParam, lParam);
    }
    static const CScreenLine& RowLine(int row)
    {
        return *static_cast<const CScreenLine*>(
            static_cast<const CPrintedLine*>(reinterpret_cast<void*>(List(LB_GETITEMDATA, static_cast<WPARAM>(row)))));
    }
    // The rows that show plan items, in order: each item's first line.
    static std::vector<int> ItemRows()
    {
        std::vector<int> rows;
        long last = -1;
        for (int row = 0; row < List(LB_GETCOUNT); ++row)
        {
            const CScreenLine& line = RowLine(row);
            if (line.LineValue() != CScreenLine::kRule && line.StyleValue() > last)
            {
                last = line.StyleValue();
                rows.push_back(row);
            }
        }
        return rows;
    }
    // Clicks the item line into the item panel, as the user does.
    static void ChooseItem(int nItem)
    {
        List(LB_SETCURSEL, static_cast<WPARAM>(ItemRows().at(static_cast<size_t>(nItem))));
        Panel().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MENU_LINES, LBN_SETFOCUS),
                            reinterpret_cast<LPARAM>(Control(IDC_MENU_LINES)));
    }
    // What the item panel does when the user types an entry into the current line.
    static void Enter(const char* type, const char* text, BOOL bPending)
    {
        Panel().GetCurrentItem()->m_type = type;
        Panel().GetCurrentItem()->m_text = text;
        Panel().ApplyItemEntry(bPending);
    }
    static std::vector<std::string> PlanTexts()
    {
        std::vector<std::string> texts;
        for (POSITION at = Plan().m_items.GetHeadPosition(); at != nullptr;)
            texts.push_back(static_cast<const CMenuItem*>(Plan().m_items.GetNext(at))->m_text.GetString());
        return texts;
    }
    std::vector<std::string> Stored(const std::string& sql)
    {
        return fixture::QueryColumn(*GetCurrentDatabase(), sql.c_str(), m_boxes);
    }
    std::vector<std::string> StoredItems(const CRecordId& id)
    {
        return Stored(std::string("SELECT STRING FROM MN_ITEM WHERE MENU='") + id.GetText() + "' ORDER BY MN_ITEM");
    }
    size_t PlanCount() { return Stored("SELECT NAME FROM MENU").size(); }
    std::string BoxTexts() const { return m_boxes.GetAllTexts().GetString(); }

    CRecordId m_weekday;
    CRecordId m_picnic;
    CRecordId m_party;
};

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
    Command(ID_MENU_LINE_DOWN);
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

TEST_F(MenuEditFormTest, SaveChangesNowOnBackSavesDropsOrStays)
{
    struct Case
    {
        int answer;
        long kindAfter;
        const char* storedDescription;
    };
    const Case cases[] = {
        {IDCANCEL, CFormManager::kMealPlanEdit, ""},
        {IDNO, CFormManager::kContents, ""},
        {IDYES, CFormManager::kContents, "Changed"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.answer);
        if (g_pFormManager->GetCurrentKind() != CFormManager::kMealPlanEdit)
            Edit(m_party);
        Type(IDC_MENU_DESCRIPTION, "Changed");
        m_boxes.QueueAnswer(c.answer);
        Form().SendMessage(WM_COMMAND, IDC_MENU_EDIT_BACK, 0);
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
            Command(ID_MENU_LINE_DOWN);
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
    Command(ID_MENU_LINE_DOWN);
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
    Command(ID_MENU_LINE_DOWN);
    EXPECT_STREQ("Rye Bread", Panel().GetCurrentItem()->m_text) << "over the day and meal headings";
    Command(ID_MENU_LINE_UP);
    EXPECT_STREQ("Salad", Panel().GetCurrentItem()->m_text);
    Command(ID_MENU_LINE_DOWN);
    Command(ID_MENU_LINE_DOWN);
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

TEST_F(MenuEditFormTest, TabCyclesTheHeaderControlsAndSelectsTheServings)
{
    Edit(m_picnic);
    Type(IDC_MENU_SERVINGS, "12");
    const int order[] = {IDC_MENU_DESCRIPTION, IDC_MENU_SERVINGS, IDC_MENU_LINES, IDC_MENU_NAME};
    ::SetFocus(Control(IDC_MENU_NAME));
    for (int nId : order)
    {
        Command(ID_MENU_NEXT_CONTROL);
        EXPECT_EQ(Control(nId), ::GetFocus()) << nId;
    }
    Command(ID_MENU_PREVIOUS_CONTROL);
    EXPECT_EQ(Control(IDC_MENU_LINES), ::GetFocus());
    Command(ID_MENU_PREVIOUS_CONTROL);
    EXPECT_EQ(Control(IDC_MENU_SERVINGS), ::GetFocus());
    DWORD start = 1;
    DWORD end = 0;
    ::SendMessageA(Control(IDC_MENU_SERVINGS), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(2u, end);
}

}  // namespace

namespace {

// A key pressed on the focused window and handled by the program's own message loop.
void PressKey(UINT vk, bool bAlt = false)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_MENU] = bAlt ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageA(GetFocus(), bAlt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, bAlt ? 0x20000001 : 1);
    PostQuitMessage(0);
    GetCookbookApp()->Run();
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
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
    PressKey('V', true);
    EXPECT_EQ(0, Form().m_nModified);
    EXPECT_EQ(std::vector<std::string>{"By the lake"},
              Stored(std::string("SELECT DESCRIPTION FROM MENU WHERE MENU='") + m_picnic.GetText() + "'"));
    PressKey('Y', true);
    ::SetFocus(Control(IDC_MENU_NAME));
    PressKey('X', true);
    EXPECT_EQ((std::vector<UINT>{IDD_ATTACH_CATEGORIES, IDD_ATTACH_REFERENCES}), CDialogDriver::GetUnexpectedDialogs());
    EXPECT_EQ("", BoxTexts());
}

}  // namespace
