// Meal plans in a cookbook: the cached list, loading, saving in blocks, rewriting in one
// transaction, renaming recipe items and deleting.
#include "database/CookbookDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/BrowseState.h"
#include "database/CategoryListItem.h"
#include "database/FieldValue.h"
#include "database/MenuData.h"
#include "database/MenuItem.h"
#include "database/MenuListItem.h"
#include "database/PortRecordset.h"
#include "database/RMDatabase.h"
#include "database/RecipeListItem.h"
#include "database/RefListItem.h"
#include "res/resource.h"
#include "support/CookbookFixture.h"
#include "support/QueryColumn.h"

namespace {

class CookbookMenusTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        fixture::CookbookTest::SetUp();
        ASSERT_TRUE(m_db.OpenCookbookFile(Copy(fixture::TemplatePath(), "menus.tws").c_str(), IDS_DRIVER_ACCESS,
                                          IDS_COOKBOOK_DATA_SOURCE))
            << m_boxes.GetAllTexts();
    }

    static CMenuItem* Item(const std::string& text, const char* type, const char* id, WORD day = 0, WORD meal = 0)
    {
        auto* pItem = new CMenuItem;
        pItem->m_text = text.c_str();
        pItem->m_type = type;
        pItem->m_itemId = CRecordId(id);
        pItem->m_servings = 2;
        pItem->m_day = day;
        pItem->m_meal = meal;
        return pItem;
    }

    std::vector<std::string> Column(const std::string& sql) { return fixture::QueryColumn(m_db, sql, m_boxes); }

    static std::vector<std::string> Texts(const CMenuData& menu)
    {
        std::vector<std::string> texts;
        for (POSITION position = menu.m_items.GetHeadPosition(); position != nullptr;)
            texts.push_back(static_cast<const CMenuItem*>(menu.m_items.GetNext(position))->m_text.GetString());
        return texts;
    }

    CRecordId SavePlan(const char* name, int items)
    {
        CMenuData menu;
        menu.m_name = name;
        menu.m_servings = 4;
        for (int i = 0; i < items; ++i)
            menu.m_items.AddTail(Item("item " + std::to_string(i), "R", "000101"));
        EXPECT_TRUE(m_db.SaveMenu(menu, TRUE)) << m_boxes.GetAllTexts();
        return menu.m_id;
    }

    CRMDatabase m_db;
};

// Nine items go in as two blocks of four and one single row; loading orders them by day,
// then meal, then insertion.
TEST_F(CookbookMenusTest, NineItemsSaveInBlocksAndLoadByDayMealAndInsertion)
{
    CMenuData menu;
    menu.m_name = "Week";
    menu.m_description = "It's seven days";
    menu.m_servings = 4;
    const WORD days[] = {2, 1, 1, 0, 2, 1, 0, 1, 2};
    const WORD meals[] = {1, 3, 1, 0, 1, 1, 0, 5, 0};
    for (int i = 0; i < 9; ++i)
        menu.m_items.AddTail(Item("item " + std::to_string(i), "R", "000101", days[i], meals[i]));
    ASSERT_TRUE(m_db.SaveMenu(menu, TRUE)) << m_boxes.GetAllTexts();
    EXPECT_STRNE("000000", menu.m_id.GetText());
    EXPECT_EQ(9u, Column(std::string("SELECT STRING FROM MN_ITEM WHERE MENU='") + menu.m_id.GetText() + "'").size());

    CMenuData loaded;
    loaded.m_id = menu.m_id;
    ASSERT_EQ(0, m_db.LoadMenu(loaded));
    EXPECT_EQ("Week", loaded.m_name);
    EXPECT_EQ("It's seven days", loaded.m_description);
    EXPECT_EQ(4, loaded.m_servings);
    const std::vector<std::string> expected = {"item 3", "item 6", "item 2", "item 5", "item 1",
                                               "item 7", "item 8", "item 0", "item 4"};
    EXPECT_EQ(expected, Texts(loaded));
    // A second load replaces the items instead of adding to them.
    ASSERT_EQ(0, m_db.LoadMenu(loaded));
    EXPECT_EQ(expected, Texts(loaded));
}

TEST_F(CookbookMenusTest, EmptyPlanSavesItsRowAndReferencesOnly)
{
    CMenuData menu;
    menu.m_name = "Nothing yet";
    auto* pReference = new RefListItem("Tip", "Buy early", 0, 'T');
    m_db.ExecuteSQL("INSERT INTO REFERENC (REFID, REFTYPE, NAME) VALUES ('000501', 'T', 'Tip')");
    pReference->m_id = CRecordId("000501");
    menu.m_references.Add(pReference);
    ASSERT_TRUE(m_db.SaveMenu(menu, TRUE)) << m_boxes.GetAllTexts();
    const std::string id = menu.m_id.GetText();
    EXPECT_EQ(1u, Column("SELECT NAME FROM MENU WHERE MENU='" + id + "'").size());
    EXPECT_TRUE(Column("SELECT STRING FROM MN_ITEM WHERE MENU='" + id + "'").empty());
    EXPECT_EQ(std::vector<std::string>{"000501"},
              Column("SELECT REFID FROM REFITEM WHERE LINKTYPE='M' AND LINKID='" + id + "'"));
    CMenuData loaded;
    loaded.m_id = menu.m_id;
    ASSERT_EQ(0, m_db.LoadMenu(loaded));
    ASSERT_EQ(1, loaded.m_references.GetSize());
    EXPECT_EQ("Tip", loaded.m_references.GetRefAt(0)->m_name);
}

// A save that fails half-way (an item the cookbook refuses) leaves the stored plan as it was.
TEST_F(CookbookMenusTest, FailedRewriteKeepsTheStoredPlan)
{
    const CRecordId id = SavePlan("Week", 5);
    m_db.ExecuteSQL("CREATE TRIGGER refuse BEFORE INSERT ON MN_ITEM WHEN NEW.STRING = 'refused' "
                    "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    CMenuData menu;
    menu.m_id = id;
    ASSERT_EQ(0, m_db.LoadMenu(menu));
    menu.m_name = "Renamed";
    menu.m_items.AddTail(Item("refused", "R", "000101"));
    EXPECT_FALSE(m_db.RewriteMenu(menu));

    CMenuData stored;
    stored.m_id = id;
    ASSERT_EQ(0, m_db.LoadMenu(stored));
    EXPECT_EQ("Week", stored.m_name);
    EXPECT_EQ(5, stored.m_items.GetCount());
    ASSERT_NE(nullptr, m_db.FindMenu("Week", 0));
    EXPECT_EQ(nullptr, m_db.FindMenu("Renamed", 0));

    // A failed new plan keeps no id and no row.
    CMenuData fresh;
    fresh.m_name = "Fresh";
    fresh.m_items.AddTail(Item("refused", "R", "000101"));
    EXPECT_FALSE(m_db.SaveMenu(fresh, TRUE));
    EXPECT_STREQ("000000", fresh.m_id.GetText());
    EXPECT_TRUE(Column("SELECT MENU FROM MENU WHERE NAME='Fresh'").empty());
}

TEST_F(CookbookMenusTest, RewriteReplacesItemsAndKeepsTheId)
{
    const CRecordId id = SavePlan("Week", 3);
    CMenuData menu;
    menu.m_id = id;
    ASSERT_EQ(0, m_db.LoadMenu(menu));
    menu.m_name = "Fortnight";
    menu.m_items.AddTail(Item("added", "R", "000102"));
    ASSERT_TRUE(m_db.RewriteMenu(menu)) << m_boxes.GetAllTexts();
    CMenuData stored;
    stored.m_id = id;
    ASSERT_EQ(0, m_db.LoadMenu(stored));
    EXPECT_EQ("Fortnight", stored.m_name);
    EXPECT_EQ(4, stored.m_items.GetCount());
}

TEST_F(CookbookMenusTest, FindMenuByNameOrIdByMode)
{
    const CRecordId id = SavePlan("Week", 0);
    const struct
    {
        const char* key;
        int mode;
        bool found;
    } cases[] = {
        {"Week", 0, true},       {"week", 0, false}, {id.GetText(), 0, false},
        {id.GetText(), 1, true}, {"Week", 1, true},  {"Week", 2, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.key) + " mode " + std::to_string(c.mode));
        EXPECT_EQ(c.found, m_db.FindMenu(c.key, c.mode) != nullptr);
    }
    EXPECT_EQ(nullptr, m_db.GetMenuAt(m_db.GetMenuList().GetSize()));
    EXPECT_EQ(nullptr, m_db.GetMenuAt(-1));
}

// A nested plan's item shows that plan's current name; a vanished plan keeps the stored text.
TEST_F(CookbookMenusTest, NestedPlanItemsShowTheCurrentName)
{
    const CRecordId inner = SavePlan("Lunches", 1);
    CMenuData outer;
    outer.m_name = "Week";
    outer.m_items.AddTail(Item("Old lunches", "M", inner.GetText()));
    outer.m_items.AddTail(Item("Gone", "M", "000999"));
    ASSERT_TRUE(m_db.SaveMenu(outer, TRUE));
    CMenuData loaded;
    loaded.m_id = outer.m_id;
    ASSERT_EQ(0, m_db.LoadMenu(loaded));
    EXPECT_EQ((std::vector<std::string>{"Lunches", "Gone"}), Texts(loaded));
}

TEST_F(CookbookMenusTest, RenamedRecipeRenamesItsItemsInEveryPlan)
{
    SavePlan("One", 2);
    SavePlan("Two", 1);
    CMenuData other;
    other.m_name = "Three";
    other.m_items.AddTail(Item("item 0", "M", "000101"));
    ASSERT_TRUE(m_db.SaveMenu(other, TRUE));
    ASSERT_TRUE(m_db.UpdateMenuItemText(CRecordId("000101"), "Mum's pie"));
    EXPECT_EQ(3u, Column("SELECT STRING FROM MN_ITEM WHERE STRING='Mum''s pie'").size());
    EXPECT_EQ(1u, Column("SELECT STRING FROM MN_ITEM WHERE TYPE='M' AND STRING='item 0'").size());
}

TEST_F(CookbookMenusTest, DeleteKeepsCalendarRowsUnlessAsked)
{
    const CRecordId first = SavePlan("First", 2);
    const CRecordId second = SavePlan("Second", 2);
    for (const CRecordId& id : {first, second})
        m_db.ExecuteSQL((std::string("INSERT INTO CALENDAR (CalendarId, ItemId, ItemType) VALUES ('000001', '") +
                         id.GetText() + "', 'M')")
                            .c_str());
    ASSERT_TRUE(m_db.DeleteMenu(first, FALSE));
    ASSERT_TRUE(m_db.DeleteMenu(second, TRUE));
    EXPECT_TRUE(Column(std::string("SELECT MENU FROM MN_ITEM")).empty());
    EXPECT_EQ(std::vector<std::string>{first.GetText()}, Column("SELECT ItemId FROM CALENDAR"));
    EXPECT_EQ(nullptr, m_db.FindMenu("First", 0));
}

TEST_F(CookbookMenusTest, AddMenuItemAppendsOneRow)
{
    const CRecordId id = SavePlan("Week", 1);
    CMenuItem* pItem = Item("extra", "R", "000103");
    EXPECT_TRUE(m_db.AddMenuItem(id, *pItem));
    EXPECT_FALSE(m_db.AddMenuItem(CRecordId(), *pItem));
    delete pItem;
    EXPECT_EQ(2u, Column(std::string("SELECT STRING FROM MN_ITEM WHERE MENU='") + id.GetText() + "'").size());
}

TEST_F(CookbookMenusTest, BrowseStateListsFoundPlansAndAPlansRecipes)
{
    const CRecordId a = SavePlan("Alpha", 0);
    const CRecordId b = SavePlan("Beta", 0);
    CCustObList found;
    for (const char* id : {b.GetText(), "000999", a.GetText()})
    {
        auto* pItem = new MenuListItem;
        pItem->m_id = CRecordId(id);
        found.AddTail(pItem);
    }
    CBrowseState state(SystemSettings{});
    state.FillMenuList(m_db, found, -5);
    ASSERT_EQ(2, state.GetMenuList()->GetSize());
    EXPECT_EQ("Beta", static_cast<MenuListItem*>(state.GetMenuList()->GetAt(0))->m_name);

    CMenuData menu;
    menu.m_servings = 0;
    menu.m_items.AddTail(Item("Soup", "R", "000201"));
    menu.m_items.AddTail(Item("Lunches", "M", "000005"));
    menu.m_items.AddTail(Item("Pie", "R", "000202"));
    static_cast<CMenuItem*>(menu.m_items.GetTail())->m_servings = 7;
    CCustObArray* pList = state.FillRecipeListAndSelect(menu, CRecordId("000202"));
    ASSERT_EQ(2, pList->GetSize());
    const auto* pPie = static_cast<CRecipeListItem*>(pList->GetAt(1));
    EXPECT_EQ(2, pPie->m_value);
    EXPECT_EQ(7, pPie->m_scaledServings);
    EXPECT_EQ(1, pList->GetCurrentIndex());
    EXPECT_EQ(7, state.LookupItemValue("000202"));
}

TEST_F(CookbookMenusTest, PlansOfACategorySortedByNameBecomeTheBrowsedList)
{
    const CRecordId zebra = SavePlan("Zebra", 0);
    const CRecordId apple = SavePlan("Apple", 0);
    SavePlan("Other", 0);
    for (const CRecordId& id : {zebra, apple, CRecordId("000999")})
        m_db.ExecuteSQL(
            (std::string("INSERT INTO MENU_CAT_ITEM (CATID, ITEM) VALUES ('000077', '") + id.GetText() + "')").c_str());
    CBrowseState state(SystemSettings{});
    const CRecordId category("000077");
    CCustObArray& list = m_db.GetMenuListFor(state, &category, TRUE);
    ASSERT_EQ(2, list.GetSize());
    EXPECT_EQ("Apple", static_cast<MenuListItem*>(list.GetAt(0))->m_name);
    EXPECT_EQ("Zebra", static_cast<MenuListItem*>(list.GetAt(1))->m_name);
    EXPECT_EQ(77, list.m_keyWord);
    EXPECT_EQ(&list, state.GetMenuList());
    EXPECT_EQ(&m_db.GetMenuList(), &m_db.GetMenuListFor(state, nullptr, FALSE));
    EXPECT_EQ(&m_db.GetMenuList(), state.LoadMenuList(m_db, nullptr));
}

// A plan category's HASMENUS follows its last plan out, whichever way the plan leaves.
TEST_F(CookbookMenusTest, CategoryLosesHasMenusWithItsLastPlan)
{
    CategoryListItem category;
    category.m_name = "Brunch";
    category.m_type = 'M';
    category.m_firstChild = category.m_sibling = -1;
    ASSERT_EQ(1, m_db.AddCategory(category)) << m_boxes.GetAllTexts();
    const std::string flagged =
        std::string("SELECT CATID FROM HICAT WHERE HASMENUS=1 AND CATID='") + category.m_id.GetText() + "'";

    const struct
    {
        const char* way;
        bool (*leave)(CCookbookDatabase& db, CMenuData& menu);
    } ways[] = {
        {"rewritten without it",
         [](CCookbookDatabase& db, CMenuData& menu) {
             menu.m_categories.DeleteAll();
             return db.RewriteMenu(menu) != FALSE;
         }},
        {"deleted", [](CCookbookDatabase& db, CMenuData& menu) { return db.DeleteMenu(menu.m_id, FALSE) != FALSE; }},
    };
    for (const auto& way : ways)
    {
        SCOPED_TRACE(way.way);
        CMenuData menu;
        menu.m_name = "Sunday";
        menu.m_categories.AddTail(category.Clone());
        ASSERT_TRUE(m_db.SaveMenu(menu, TRUE)) << m_boxes.GetAllTexts();
        EXPECT_EQ(1u, Column(flagged).size());
        ASSERT_TRUE(way.leave(m_db, menu)) << m_boxes.GetAllTexts();
        EXPECT_TRUE(Column(flagged).empty());
    }
}

}  // namespace
