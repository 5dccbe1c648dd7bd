#include "forms/MealPlanItemPanel.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "database/CookbookDatabase.h"
#include "forms/FindDlg.h"
#include "framework/Dialog.h"
#include "framework/DialogDriver.h"
#include "MenuEditFormTest.h"
#include "ProgramKeys.h"

namespace {

using apptest::MenuEditFormTest;

// The item panel of the running meal-plan editor, worked as the user works it.
class MealPlanItemPanelTest : public MenuEditFormTest
{
protected:
    static void TypeInto(int nId, const char* text)
    {
        ::SendMessageA(ItemControl(nId), EM_SETSEL, 0, -1);
        ::SendMessageA(ItemControl(nId), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    }
    static std::string ItemText(int nId)
    {
        char text[256] = "";
        ::GetWindowTextA(ItemControl(nId), text, sizeof text);
        return text;
    }
    static std::pair<DWORD, DWORD> Selection(int nId)
    {
        DWORD start = 0;
        DWORD end = 0;
        ::SendMessageA(ItemControl(nId), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    static void Click(int nId) { ::SendMessageA(ItemControl(nId), BM_CLICK, 0, 0); }
    static bool Enabled(int nId) { return ::IsWindowEnabled(ItemControl(nId)) != FALSE; }
    static bool Checked(int nId) { return ::SendMessageA(ItemControl(nId), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    static CMenuItem& Item() { return *ItemPanel().GetItem(); }

    // Find Item, with the dialog searching for text and choosing the row named row.
    static void FindAndChoose(const char* text, const char* row)
    {
        CDialogDriver::OnOpen(IDD_FIND, [=](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_FIND_TEXT, text);
            CDialogDriver::Press(dialog, IDC_FIND_START);
            dialog.SendDlgItemMessage(IDC_FIND_RESULTS, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(row));
            CDialogDriver::Press(dialog, IDC_FIND_VIEW);
        });
        Click(IDC_PLAN_ITEM_FIND);
    }

    // An empty line of the chosen kind: the name is emptied first, as a named line would be
    // looked up when it becomes a meal plan.
    static void MakeEmptyLineOf(int nKindRadio)
    {
        TypeInto(IDC_PLAN_ITEM_NAME, "");
        Click(nKindRadio);
    }
};

TEST_F(MealPlanItemPanelTest, ChoosingALineShowsItsItem)
{
    Edit(m_weekday);
    ChooseItem(0);
    EXPECT_TRUE(::IsWindowVisible(ItemPanel().m_hWnd));
    EXPECT_EQ(&Item(), Panel().GetCurrentItem());
    EXPECT_EQ("1", ItemText(IDC_PLAN_ITEM_DAY));
    EXPECT_EQ("Barley Soup", ItemText(IDC_PLAN_ITEM_NAME));
    EXPECT_EQ(ItemControl(IDC_PLAN_ITEM_NAME), ::GetFocus());
    const std::vector<std::string> meals = {"None",   "Breakfast",    "Morning Snack", "Lunch", "Afternoon Snack",
                                            "Dinner", "Evening Snack"};
    ASSERT_EQ(static_cast<LRESULT>(meals.size()), ::SendMessageA(ItemControl(IDC_PLAN_ITEM_MEAL), CB_GETCOUNT, 0, 0));
    for (size_t i = 0; i < meals.size(); ++i)
    {
        char text[64] = "";
        ::SendMessageA(ItemControl(IDC_PLAN_ITEM_MEAL), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(meals[i], text);
    }
    EXPECT_EQ(3, ::SendMessageA(ItemControl(IDC_PLAN_ITEM_MEAL), CB_GETCURSEL, 0, 0));
    EXPECT_FALSE(::IsWindowEnabled(Form().GetDlgItem(IDC_PAGE_NUTRITION)->m_hWnd)) << "the pages are covered";

    ::SetFocus(Control(IDC_MENU_NAME));
    EXPECT_FALSE(::IsWindowVisible(ItemPanel().m_hWnd));
    EXPECT_EQ(nullptr, ItemPanel().GetItem());
}

TEST_F(MealPlanItemPanelTest, OutOfRangeNumbersAreToldAndLeftSelected)
{
    Edit(m_party);
    ChooseItem(0);
    TypeInto(IDC_PLAN_ITEM_DAY, "31");
    EXPECT_EQ("Day must be between 0 and 30.\n", BoxTexts());
    EXPECT_EQ("30", ItemText(IDC_PLAN_ITEM_DAY));
    EXPECT_EQ(std::make_pair(0ul, 2ul), Selection(IDC_PLAN_ITEM_DAY));
    EXPECT_EQ(30, Item().m_day);

    m_boxes.ClearShown();
    TypeInto(IDC_PLAN_ITEM_SERVINGS, "1000");
    EXPECT_EQ("Servings must be single whole number between 0 and 999.\n", BoxTexts());
    EXPECT_EQ("0", ItemText(IDC_PLAN_ITEM_SERVINGS));
    EXPECT_EQ(std::make_pair(0ul, 1ul), Selection(IDC_PLAN_ITEM_SERVINGS));
    EXPECT_EQ(0, Item().m_servings);

    m_boxes.ClearShown();
    TypeInto(IDC_PLAN_ITEM_SERVINGS, "3");
    TypeInto(IDC_PLAN_ITEM_DAY, "2");
    EXPECT_EQ("", BoxTexts());
    EXPECT_EQ(3, Item().m_servings);
    EXPECT_EQ(2, Item().m_day);
    EXPECT_NE(0, Form().m_nModified);
}

TEST_F(MealPlanItemPanelTest, ANameTypedIntoAMealPlanItemIsRefused)
{
    Edit(m_party);
    ChooseItem(0);
    MakeEmptyLineOf(IDC_PLAN_ITEM_MEAL_PLAN_TYPE);
    ASSERT_STREQ("M", Item().m_type);
    EXPECT_EQ("", BoxTexts());
    TypeInto(IDC_PLAN_ITEM_NAME, "Picnic");
    EXPECT_EQ("To add a Meal Plan, use the Find Item button.\n", BoxTexts());
    EXPECT_EQ("", ItemText(IDC_PLAN_ITEM_NAME));
    EXPECT_TRUE(Item().m_text.IsEmpty());
    EXPECT_EQ(5, Plan().m_items.GetCount());
}

TEST_F(MealPlanItemPanelTest, TheKindRadiosFollowTheItem)
{
    struct Case
    {
        const char* type;
        unsigned long id;
        bool recipe;
        bool mealPlan;
        bool text;
        int checked;
        bool find;
    };
    const Case cases[] = {
        {"R", 0, true, true, true, IDC_PLAN_ITEM_TEXT_TYPE, false},
        {"R", kBarleySoup, true, false, false, IDC_PLAN_ITEM_RECIPE_TYPE, true},
        {"M", 7, false, true, false, IDC_PLAN_ITEM_MEAL_PLAN_TYPE, true},
        {"E", 7, false, false, true, IDC_PLAN_ITEM_TEXT_TYPE, true},
    };
    Edit(m_party);
    ChooseItem(0);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.type) + " " + std::to_string(c.id));
        Item().m_type = c.type;
        Item().m_itemId = CRecordId(c.id);
        Form().LoadItem(&Item());
        EXPECT_EQ(c.recipe, Enabled(IDC_PLAN_ITEM_RECIPE_TYPE));
        EXPECT_EQ(c.mealPlan, Enabled(IDC_PLAN_ITEM_MEAL_PLAN_TYPE));
        EXPECT_EQ(c.text, Enabled(IDC_PLAN_ITEM_TEXT_TYPE));
        for (int nId : {IDC_PLAN_ITEM_RECIPE_TYPE, IDC_PLAN_ITEM_MEAL_PLAN_TYPE, IDC_PLAN_ITEM_TEXT_TYPE})
            EXPECT_EQ(nId == c.checked, Checked(nId)) << nId;
        EXPECT_EQ(c.find, Enabled(IDC_PLAN_ITEM_FIND));
    }
}

TEST_F(MealPlanItemPanelTest, ANewItemIsTextWithFindItemGreyed)
{
    Edit(CRecordId());
    ChooseItem(0);
    EXPECT_TRUE(Checked(IDC_PLAN_ITEM_TEXT_TYPE));
    EXPECT_TRUE(Enabled(IDC_PLAN_ITEM_RECIPE_TYPE));
    EXPECT_TRUE(Enabled(IDC_PLAN_ITEM_MEAL_PLAN_TYPE));
    EXPECT_FALSE(Enabled(IDC_PLAN_ITEM_FIND));
    EXPECT_EQ(0, Form().m_nModified) << "showing an item is no change";
}

TEST_F(MealPlanItemPanelTest, AKindChosenIsCheckedWhenTheLineIsLeft)
{
    Edit(m_party);
    ChooseItem(1);
    CMenuItem* pTwo = &Item();
    TypeInto(IDC_PLAN_ITEM_NAME, "Barley Soup");
    Click(IDC_PLAN_ITEM_RECIPE_TYPE);
    EXPECT_STREQ("R", pTwo->m_type);
    EXPECT_TRUE(Enabled(IDC_PLAN_ITEM_FIND));
    Command(ID_EDIT_FORM_NEXT_LINE);
    EXPECT_EQ("", BoxTexts());
    EXPECT_EQ(kBarleySoup, pTwo->m_itemId.GetNumber());
    EXPECT_EQ(4, pTwo->m_servings);

    Click(IDC_PLAN_ITEM_RECIPE_TYPE);
    Click(IDC_PLAN_ITEM_TEXT_TYPE);
    EXPECT_STREQ("E", Item().m_type);
    EXPECT_FALSE(Enabled(IDC_PLAN_ITEM_FIND));
    EXPECT_STREQ("Three", Item().m_text);
}

TEST_F(MealPlanItemPanelTest, AMealChosenMovesTheItemUnderItsHeading)
{
    Edit(m_weekday);
    ChooseItem(1);
    ::SendMessageA(ItemControl(IDC_PLAN_ITEM_MEAL), CB_SETCURSEL, 5, 0);
    ItemPanel().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PLAN_ITEM_MEAL, CBN_SELCHANGE),
                            reinterpret_cast<LPARAM>(ItemControl(IDC_PLAN_ITEM_MEAL)));
    EXPECT_EQ(5, Item().m_meal);
    EXPECT_NE(0, Form().m_nModified);
    const int row = static_cast<int>(List(LB_GETCURSEL));
    ASSERT_GE(row, 1);
    EXPECT_STREQ("Salad", RowLine(row).LineText());
    EXPECT_EQ("   Dinner", std::string(RowLine(row - 1).LineText())) << "its new meal's heading";
}

TEST_F(MealPlanItemPanelTest, FindItemTakesTheRecipeWithItsServings)
{
    Edit(m_party);
    ChooseItem(0);
    TypeInto(IDC_PLAN_ITEM_NAME, "Barley");
    Click(IDC_PLAN_ITEM_RECIPE_TYPE);
    FindAndChoose("Barley", "Barley Soup");
    EXPECT_EQ("", BoxTexts());
    EXPECT_STREQ("R", Item().m_type);
    EXPECT_STREQ("Barley Soup", Item().m_text);
    EXPECT_EQ(kBarleySoup, Item().m_itemId.GetNumber());
    EXPECT_EQ(4, Item().m_servings);
    EXPECT_EQ("Barley Soup", ItemText(IDC_PLAN_ITEM_NAME));
    EXPECT_EQ("4", ItemText(IDC_PLAN_ITEM_SERVINGS));
    EXPECT_EQ(CFindDlg::kRecipes, CFindDlg::GetShownTab());
}

// The recipe found goes from the cookbook while the dialog is open.
TEST_F(MealPlanItemPanelTest, FindItemTellsOfARecipeThatIsNotThere)
{
    Edit(m_party);
    ChooseItem(0);
    TypeInto(IDC_PLAN_ITEM_NAME, "");
    Click(IDC_PLAN_ITEM_RECIPE_TYPE);
    CDialogDriver::OnOpen(IDD_FIND, [](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_FIND_TEXT, "Rye");
        CDialogDriver::Press(dialog, IDC_FIND_START);
        dialog.SendDlgItemMessage(IDC_FIND_RESULTS, LB_SETCURSEL, 0);
        GetCurrentDatabase()->ExecuteDirect("DELETE FROM RECIPE WHERE RECIPE='000012'");
        CDialogDriver::Press(dialog, IDC_FIND_VIEW);
    });
    Click(IDC_PLAN_ITEM_FIND);
    EXPECT_EQ("Rye Bread -- recipe not found.\n", BoxTexts());
    EXPECT_EQ(0u, Item().m_itemId.GetNumber());
    m_boxes.ClearShown();
    Command(ID_EDIT_FORM_NEXT_LINE);
    EXPECT_EQ("Recipe not found.  Item type will be changed to Text.\n", BoxTexts());
}

TEST_F(MealPlanItemPanelTest, FindItemMergesTheMealPlanWhereItsLineStood)
{
    Edit(m_party);
    ChooseItem(1);
    MakeEmptyLineOf(IDC_PLAN_ITEM_MEAL_PLAN_TYPE);
    m_boxes.QueueAnswer(IDCANCEL);
    FindAndChoose("Picnic", "Picnic");
    EXPECT_EQ("Items from Picnic  will be added to the current meal plan.\n", BoxTexts());
    EXPECT_EQ((std::vector<std::string>{"One", "Picnic", "Three", "Four", "Five"}), PlanTexts());
    ASSERT_EQ(5u, ItemRows().size()) << "the meal-plan line stays a line of its own";
    ChooseItem(2);
    EXPECT_EQ("Three", ItemText(IDC_PLAN_ITEM_NAME));
    ChooseItem(1);

    m_boxes.ClearShown();
    m_boxes.QueueAnswer(IDOK);
    FindAndChoose("Picnic", "Picnic");
    EXPECT_EQ((std::vector<std::string>{"One", "Lemonade", "Rye Bread", "Fruit", "Three", "Four", "Five"}),
              PlanTexts());
    EXPECT_EQ(7u, ItemRows().size());
    EXPECT_EQ(Panel().GetCurrentItem(), &Item());
    EXPECT_EQ("Lemonade", ItemText(IDC_PLAN_ITEM_NAME));
}

// A plan without items merged at the last line leaves the line before it in the panel, not the
// line it took away.
TEST_F(MealPlanItemPanelTest, AnEmptyPlanMergedAtTheLastLineLeavesThePanelOnTheLineBefore)
{
    Edit(CRecordId());
    Type(IDC_MENU_NAME, "Nothing Yet");
    Command(IDC_MENU_EDIT_SAVE);
    ASSERT_EQ("", BoxTexts());
    Edit(m_party);
    ChooseItem(4);
    MakeEmptyLineOf(IDC_PLAN_ITEM_MEAL_PLAN_TYPE);
    m_boxes.QueueAnswer(IDOK);
    FindAndChoose("Nothing", "Nothing Yet");
    EXPECT_EQ((std::vector<std::string>{"One", "Two", "Three", "Four"}), PlanTexts());
    ASSERT_NE(nullptr, ItemPanel().GetItem());
    EXPECT_EQ(Panel().GetCurrentItem(), &Item());
    EXPECT_EQ("Four", ItemText(IDC_PLAN_ITEM_NAME));
}

// Whichever way a plan is named as an item of itself, or an unknown plan or recipe is named, the
// line becomes text and the plan keeps its five items.
TEST_F(MealPlanItemPanelTest, EveryWayOfNamingABadItemIsRefused)
{
    struct Case
    {
        const char* label;
        std::function<void()> name;
        const char* message;
    };
    const Case cases[] = {
        {"Find Item on the plan itself",
         [] {
             MakeEmptyLineOf(IDC_PLAN_ITEM_MEAL_PLAN_TYPE);
             FindAndChoose("Party", "Party");
         },
         "Party -- cannot add a meal plan to itself.\n"},
        {"Meal Plan chosen on the plan's name",
         [] {
             TypeInto(IDC_PLAN_ITEM_NAME, "Party");
             Click(IDC_PLAN_ITEM_MEAL_PLAN_TYPE);
         },
         "Party -- cannot add a meal plan to itself.\n"},
        {"Meal Plan chosen on an unknown name",
         [] {
             TypeInto(IDC_PLAN_ITEM_NAME, "Brunch");
             Click(IDC_PLAN_ITEM_MEAL_PLAN_TYPE);
         },
         "Brunch -- meal plan not found.\n"},
        {"Recipe chosen on an unknown title",
         [] {
             TypeInto(IDC_PLAN_ITEM_NAME, "Oat Cakes");
             Click(IDC_PLAN_ITEM_RECIPE_TYPE);
             Command(ID_EDIT_FORM_NEXT_LINE);
         },
         "Recipe not found.  Item type will be changed to Text.\n"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        Edit(m_party);
        ChooseItem(1);
        CMenuItem* pItem = &Item();
        c.name();
        EXPECT_EQ(c.message, BoxTexts());
        EXPECT_EQ(5, Plan().m_items.GetCount());
        EXPECT_STREQ("E", pItem->m_type);
        Form().m_nModified = 0;
    }
}

TEST_F(MealPlanItemPanelTest, DeleteItemAndInsertItem)
{
    Edit(m_party);
    ChooseItem(2);
    Click(IDC_PLAN_ITEM_DELETE);
    EXPECT_EQ((std::vector<std::string>{"One", "Two", "Four", "Five"}), PlanTexts());
    EXPECT_EQ("Four", ItemText(IDC_PLAN_ITEM_NAME));
    Click(IDC_PLAN_ITEM_INSERT);
    EXPECT_EQ((std::vector<std::string>{"One", "Two", "", "Four", "Five"}), PlanTexts());
    EXPECT_EQ("", ItemText(IDC_PLAN_ITEM_NAME));
    EXPECT_EQ(&Item(), Panel().GetCurrentItem());
    EXPECT_NE(0, Form().m_nModified);
}

// While the plan adjusts every recipe to its own servings, an item's servings are not used.
TEST_F(MealPlanItemPanelTest, TheItemsServingsAreOffWhileThePlanSetsThem)
{
    Edit(m_picnic);
    Type(IDC_MENU_SERVINGS, "6");
    ChooseItem(0);
    EXPECT_FALSE(Enabled(IDC_PLAN_ITEM_SERVINGS));
    EXPECT_FALSE(Enabled(IDC_PLAN_ITEM_SERVINGS_SPIN));
    EXPECT_TRUE(Enabled(IDC_PLAN_ITEM_DAY));
    Type(IDC_MENU_SERVINGS, "0");
    ChooseItem(0);
    EXPECT_TRUE(Enabled(IDC_PLAN_ITEM_SERVINGS));
    EXPECT_TRUE(Enabled(IDC_PLAN_ITEM_SERVINGS_SPIN));
}

// Through the program's own message loop, from the header's last field round to its first.
TEST_F(MealPlanItemPanelTest, TabReachesEveryControlOfTheItemPanel)
{
    Edit(CRecordId());
    ::SetForegroundWindow(GetCookbookApp()->m_pMainWnd->m_hWnd);
    ::SetFocus(Control(IDC_MENU_SERVINGS));
    const std::vector<HWND> expected = {
        ItemControl(IDC_PLAN_ITEM_DAY),
        ItemControl(IDC_PLAN_ITEM_MEAL),
        ItemControl(IDC_PLAN_ITEM_NAME),
        ItemControl(IDC_PLAN_ITEM_RECIPE_TYPE),
        ItemControl(IDC_PLAN_ITEM_MEAL_PLAN_TYPE),
        ItemControl(IDC_PLAN_ITEM_TEXT_TYPE),
        ItemControl(IDC_PLAN_ITEM_SERVINGS),
        ItemControl(IDC_PLAN_ITEM_DELETE),
        ItemControl(IDC_PLAN_ITEM_INSERT),
        Control(IDC_MENU_NAME),
    };
    std::vector<HWND> reached;
    for (size_t i = 0; i < expected.size(); ++i)
    {
        apptest::PressKey(VK_TAB);
        reached.push_back(::GetFocus());
    }
    EXPECT_EQ(expected, reached);
    EXPECT_EQ(0, Form().m_nModified);
}

}  // namespace
