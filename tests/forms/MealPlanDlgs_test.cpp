#include "forms/AddToMealPlanDlg.h"
#include "forms/SelectMealPlanDlg.h"

#include <gtest/gtest.h>

#include "CookbookDialogTest.h"
#include "database/CustObArray.h"
#include "database/ListItem.h"

namespace {

using formtest::ItemText;

class MealPlanDlgsTest : public formtest::CookbookDialogTest
{
protected:
    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        dinners = AddMealPlan("Weekday Dinners");
        picnic = AddMealPlan("Picnic");
        item.m_text = "Tomato Soup";
        item.m_type = "R";
        item.m_itemId = CRecordId(7UL);
    }

    INT_PTR RunAdd(std::function<void(CDialog&)> action)
    {
        CDialogDriver::OnOpen(IDD_ADD_TO_MEAL_PLAN, std::move(action));
        CAddToMealPlanDlg dialog(item, nullptr);
        const INT_PTR nEnd = dialog.DoModal();
        created = dialog.WasCreated();
        return nEnd;
    }

    // The cookbook's meal plans as read back from its tables.
    CString StoredPlanNames()
    {
        CCustObArray plans;
        m_database.LoadMenuList(plans);
        CString names;
        for (int i = 0; i < plans.GetSize(); ++i)
            names += static_cast<const CListItem*>(plans.GetItemAt(i))->m_name + ";";
        return names;
    }

    static BOOL StillOpen(const CDialog& dialog) { return ::IsWindow(dialog.m_hWnd) && dialog.GetModalResult() == -1; }

    CRecordId dinners;
    CRecordId picnic;
    CMenuItem item;
    BOOL created = FALSE;
};

TEST_F(MealPlanDlgsTest, AddOpensWithTheItemTheCurrentPlanAndTheLastDayAndMeal)
{
    g_pFormManager->SetCurrentMealPlanId(picnic);
    RunAdd([&](CDialog& dialog) {
        EXPECT_STREQ("Tomato Soup will be added to Meal Plan indicated below.", ItemText(dialog, IDC_MEAL_PLAN_ITEM));
        EXPECT_STREQ("Picnic", ItemText(dialog, IDC_MEAL_PLAN_NAME));
        EXPECT_EQ(2, dialog.SendDlgItemMessage(IDC_MEAL_PLAN_NAME, CB_GETCOUNT));
        EXPECT_EQ(7, dialog.SendDlgItemMessage(IDC_MEAL_PLAN_MEAL, CB_GETCOUNT));
        EXPECT_TRUE(formtest::IsItemEnabled(dialog, IDC_MEAL_PLAN_MEAL));
        EXPECT_EQ(2030u, GetHelpContext());
        dialog.SetDlgItemText(IDC_MEAL_PLAN_DAY, "4");
        dialog.SendDlgItemMessage(IDC_MEAL_PLAN_MEAL, CB_SETCURSEL, 5);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MEAL_PLAN_MEAL, CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_MEAL_PLAN_MEAL)->m_hWnd));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_EQ(4, item.m_day);
    EXPECT_EQ(5, item.m_meal);
    EXPECT_TRUE(g_pFormManager->GetCurrentMealPlanId() == picnic);

    CMenuItem next;
    next.m_text = "Picnic";
    next.m_type = "M";
    next.m_itemId = picnic;
    CDialogDriver::OnOpen(IDD_ADD_TO_MEAL_PLAN, [&](CDialog& dialog) {
        EXPECT_STREQ("4", ItemText(dialog, IDC_MEAL_PLAN_DAY));
        EXPECT_STREQ("Dinner", ItemText(dialog, IDC_MEAL_PLAN_MEAL));
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_MEAL_PLAN_MEAL));
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    CAddToMealPlanDlg again(next, nullptr);
    EXPECT_EQ(IDCANCEL, again.DoModal());
    EXPECT_EQ(4, next.m_day);
    EXPECT_EQ(5, next.m_meal);
}

TEST_F(MealPlanDlgsTest, AddTakesANameThatDiffersOnlyInCaseAsThatPlan)
{
    EXPECT_EQ(IDOK, RunAdd([&](CDialog& dialog) {
                  dialog.SetDlgItemText(IDC_MEAL_PLAN_NAME, "WEEKDAY dinners");
                  CDialogDriver::Press(dialog, IDOK);
              }));
    EXPECT_TRUE(g_pFormManager->GetCurrentMealPlanId() == dinners);
    EXPECT_FALSE(created);
    EXPECT_TRUE(m_boxes.GetShown().empty());
    EXPECT_STREQ("Picnic;Weekday Dinners;", StoredPlanNames());
}

TEST_F(MealPlanDlgsTest, AddAsksBeforeMakingANewPlanAndNoKeepsTheText)
{
    CString textAfterNo;
    EXPECT_EQ(IDOK, RunAdd([&](CDialog& dialog) {
                  dialog.SetDlgItemText(IDC_MEAL_PLAN_NAME, "Brunch");
                  m_boxes.QueueAnswer(IDNO);
                  CDialogDriver::Press(dialog, IDOK);
                  EXPECT_TRUE(StillOpen(dialog));
                  textAfterNo = ItemText(dialog, IDC_MEAL_PLAN_NAME);
                  m_boxes.QueueAnswer(IDYES);
                  CDialogDriver::Press(dialog, IDOK);
              }));
    EXPECT_STREQ("Brunch", textAfterNo);
    EXPECT_STREQ("Brunch does not exist.  Create it?\nBrunch does not exist.  Create it?\n", m_boxes.GetAllTexts());
    EXPECT_TRUE(created);
    EXPECT_STREQ("Brunch;Picnic;Weekday Dinners;", StoredPlanNames());
    CMenuData stored;
    stored.m_id = g_pFormManager->GetCurrentMealPlanId();
    m_database.LoadMenu(stored);
    EXPECT_STREQ("Brunch", stored.m_name);
    EXPECT_EQ(0, stored.m_items.GetCount());
}

TEST_F(MealPlanDlgsTest, AddRefusalsKeepTheDialogOpen)
{
    struct Case
    {
        const char* name;
        const char* type;
        const char* expected;
    };
    const Case cases[] = {
        {"", "R", "You must provide a Meal Plan name.\n"},
        {"picnic", "M", "Picnic -- cannot add a meal plan to itself.\n"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_boxes.ClearShown();
        item.m_text = "Picnic";
        item.m_type = c.type;
        item.m_itemId = picnic;
        BOOL bStillOpen = FALSE;
        EXPECT_EQ(IDCANCEL, RunAdd([&](CDialog& dialog) {
                      dialog.SetDlgItemText(IDC_MEAL_PLAN_NAME, c.name);
                      CDialogDriver::Press(dialog, IDOK);
                      bStillOpen = StillOpen(dialog) && ItemText(dialog, IDC_MEAL_PLAN_NAME) == c.name;
                      CDialogDriver::Press(dialog, IDCANCEL);
                  }));
        EXPECT_TRUE(bStillOpen);
        EXPECT_STREQ(c.expected, m_boxes.GetAllTexts());
    }
    EXPECT_STREQ("Picnic;Weekday Dinners;", StoredPlanNames());
}

TEST_F(MealPlanDlgsTest, AddCorrectsADayPast30AndSpinsWithinTheMonth)
{
    RunAdd([&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_MEAL_PLAN_DAY, "31");
        EXPECT_STREQ("30", ItemText(dialog, IDC_MEAL_PLAN_DAY));
        DWORD dwStart = 1;
        DWORD dwEnd = 0;
        dialog.SendDlgItemMessage(IDC_MEAL_PLAN_DAY, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                                  reinterpret_cast<LPARAM>(&dwEnd));
        EXPECT_EQ(0u, dwStart);
        EXPECT_EQ(2u, dwEnd);
        formtest::ClickUpDown(dialog, IDC_MEAL_PLAN_DAY_SPIN, TRUE);
        EXPECT_STREQ("30", ItemText(dialog, IDC_MEAL_PLAN_DAY));
        formtest::ClickUpDown(dialog, IDC_MEAL_PLAN_DAY_SPIN, FALSE);
        EXPECT_STREQ("29", ItemText(dialog, IDC_MEAL_PLAN_DAY));
        dialog.SetDlgItemText(IDC_MEAL_PLAN_DAY, "0");
        dialog.SetDlgItemText(IDC_MEAL_PLAN_NAME, "Picnic");
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_STREQ("Day must be between 0 and 30.\n", m_boxes.GetAllTexts());
    EXPECT_EQ(0, item.m_day);
    EXPECT_EQ(0, CAddToMealPlanDlg::GetLastDay());
}

TEST_F(MealPlanDlgsTest, AddReportsAPlanTheCookbookRefused)
{
    Refuse("INSERT", "MENU");
    EXPECT_EQ(IDCANCEL, RunAdd([&](CDialog& dialog) {
                  dialog.SetDlgItemText(IDC_MEAL_PLAN_NAME, "Brunch");
                  CDialogDriver::Press(dialog, IDOK);
                  EXPECT_TRUE(StillOpen(dialog));
                  CDialogDriver::Press(dialog, IDCANCEL);
              }));
    ASSERT_FALSE(m_boxes.GetShown().empty());
    EXPECT_STREQ("Brunch does not exist.  Create it?", m_boxes.GetTexts().front());
    EXPECT_STREQ("Could not create Brunch.", m_boxes.GetTexts().back());
    EXPECT_STREQ("Picnic;Weekday Dinners;", StoredPlanNames());
}

TEST_F(MealPlanDlgsTest, SelectMakesThePlanCurrentInTheFormManagerAndTheBrowsedList)
{
    g_pBrowseState->SetMenuList(&m_database.GetMenuList());
    g_pFormManager->SetCurrentMealPlanId(dinners);
    CDialogDriver::OnOpen(IDD_SELECT_MEAL_PLAN, [&](CDialog& dialog) {
        EXPECT_STREQ("Weekday Dinners", ItemText(dialog, IDC_MEAL_PLAN_NAME));
        EXPECT_EQ(2033u, GetHelpContext());
        dialog.SendDlgItemMessage(IDC_MEAL_PLAN_NAME, CB_SETCURSEL, 0);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MEAL_PLAN_NAME, CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_MEAL_PLAN_NAME)->m_hWnd));
        CDialogDriver::Press(dialog, IDOK);
    });
    CSelectMealPlanDlg dialog;
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(g_pFormManager->GetCurrentMealPlanId() == picnic);
    CCustObArray* pBrowsed = g_pBrowseState->GetMenuList();
    ASSERT_NE(nullptr, pBrowsed);
    EXPECT_TRUE(pBrowsed->GetItemAt(pBrowsed->GetCurrentIndex())->m_id == picnic);
}

TEST_F(MealPlanDlgsTest, SelectMakesAndChoosesANewPlan)
{
    g_pBrowseState->SetMenuList(&m_database.GetMenuList());
    CDialogDriver::OnOpen(IDD_SELECT_MEAL_PLAN, [&](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_MEAL_PLAN_NAME, "Brunch");
        CDialogDriver::Press(dialog, IDOK);
    });
    CSelectMealPlanDlg dialog;
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("Brunch does not exist.  Create it?\n", m_boxes.GetAllTexts());
    EXPECT_STREQ("Savorum", m_boxes.GetShown()[0].caption);
    EXPECT_STREQ("Brunch;Picnic;Weekday Dinners;", StoredPlanNames());
    CCustObArray* pBrowsed = g_pBrowseState->GetMenuList();
    EXPECT_TRUE(pBrowsed->GetItemAt(pBrowsed->GetCurrentIndex())->m_id == g_pFormManager->GetCurrentMealPlanId());
    EXPECT_STREQ("Brunch", static_cast<const CListItem*>(pBrowsed->GetItemAt(pBrowsed->GetCurrentIndex()))->m_name);
}

}  // namespace
