#pragma once
// The meal-plan editor in the running program, on a cookbook of two recipes and three meal plans.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "database/RMDatabase.h"
#include "forms/MealPlanItemPanel.h"
#include "forms/MenuEditForm.h"
#include "forms/TOCForm.h"
#include "printing/ScreenLineList.h"
#include "res/resource.h"
#include "shell/formbase/FormManager.h"
#include "shell/services/CurrentDatabase.h"
#include "support/CookbookFixture.h"
#include "support/QueryColumn.h"
#include "RunningProgramTest.h"

namespace apptest {

struct Line
{
    const char* type;
    const char* text;
    WORD day;
    WORD meal;
};

// The program started on a cookbook of two recipes and three meal plans: "Weekday Dinners"
// scheduled over two days, "Picnic" of three unscheduled items, "Party" of five; one meal-plan
// category, "Parties", holding none of them. Plan names are unique, so a plan renamed to
// another's name cannot be stored.
class MenuEditFormTest : public RunningProgramTest
{
protected:
    static constexpr unsigned long kBarleySoup = 11;
    static constexpr unsigned long kRyeBread = 12;

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
              "INSERT INTO HICAT (CATID, PARENTID, NAME, TYPE, HASRECIPES, HASMENUS, REL_INDEX) VALUES ('070001', "
              "'000000', 'Parties', 'M', 0, 1, 1)",
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

    // A recipe line carries the id of the recipe it names, as a found recipe does.
    static CMenuItem* MakeItem(const Line& line)
    {
        auto* pItem = new CMenuItem;
        pItem->m_type = line.type;
        pItem->m_text = line.text;
        pItem->m_day = line.day;
        pItem->m_meal = line.meal;
        if (pItem->m_type == "R")
            pItem->m_itemId = CRecordId(pItem->m_text == "Barley Soup" ? kBarleySoup : kRyeBread);
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
    static CMealPlanItemPanel& ItemPanel() { return *Form().GetItemPanel(); }
    static HWND ItemControl(int nId) { return ::GetDlgItem(ItemPanel().m_hWnd, nId); }
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

}  // namespace apptest
