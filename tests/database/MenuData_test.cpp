#include "database/MenuData.h"

#include <gtest/gtest.h>

#include "database/MenuItem.h"
#include "database/ModelBytes.h"
#include "database/Nutrition.h"
#include "framework/Archive.h"

namespace {

using namespace modelbytes;
using testfiles::Loaded;
using testfiles::Stored;

CMenuItem* Item(const char* text, const char* type, const char* id, WORD servings, WORD meal, WORD day)
{
    auto* pItem = new CMenuItem;
    pItem->m_text = text;
    pItem->m_type = type;
    pItem->m_itemId = CRecordId(id);
    pItem->m_servings = servings;
    pItem->m_meal = meal;
    pItem->m_day = day;
    return pItem;
}

TEST(MenuData, ScheduledWhenAnyItemHasAMealOrDay)
{
    CMenuData menu;
    EXPECT_FALSE(menu.HasScheduledItems());
    menu.m_items.AddTail(Item("Toast", "R", "000001", 2, 0, 0));
    EXPECT_FALSE(menu.HasScheduledItems());
    menu.m_items.AddTail(Item("Soup", "R", "000002", 2, 0, 3));
    EXPECT_TRUE(menu.HasScheduledItems());
}

TEST(MenuData, ClearLeavesAZeroedProfile)
{
    CMenuData menu;
    menu.m_name = "Week";
    menu.m_servings = 4;
    menu.m_items.AddTail(Item("Toast", "R", "000001", 2, 0, 0));
    menu.Clear();
    ASSERT_NE(nullptr, menu.m_pNutrition);
    EXPECT_EQ(0.0f, menu.GetNutrition()->m_calories);
    EXPECT_TRUE(menu.m_name.IsEmpty());
    EXPECT_EQ(0, menu.m_servings);
    EXPECT_EQ(0, menu.m_items.GetCount());
    EXPECT_STREQ("000000", menu.m_id.GetText());
}

TEST(MenuData, CopyAppendsCopiesOfTheItems)
{
    CMenuData menu;
    menu.m_name = "Week";
    menu.m_items.AddTail(Item("Toast", "R", "000001", 2, 1, 0));
    CMenuData copy(menu);
    ASSERT_EQ(1, copy.m_items.GetCount());
    EXPECT_NE(menu.m_items.GetHead(), copy.m_items.GetHead());
    EXPECT_EQ("Toast", static_cast<CMenuItem*>(copy.m_items.GetHead())->m_text);
    EXPECT_EQ(nullptr, copy.m_pNutrition);
}

TEST(MenuData, EmptyPlanArchivesAsTwoTextsTheIdAndNoItems)
{
    CMenuData menu;
    EXPECT_EQ(Str("") + Str("") + Id("000000") + U16(0), Stored([&](CArchive& ar) { menu.Serialize(ar); }));
}

TEST(MenuData, RoundTripOfItemsLeavesServingsCategoriesAndReferences)
{
    CMenuData menu;
    menu.m_name = "Week";
    menu.m_description = "Seven days";
    menu.m_id = CRecordId("000007");
    menu.m_servings = 6;
    menu.m_items.AddTail(Item("Pie", "R", "000042", 4, 5, 3));
    menu.m_items.AddTail(Item("Lunches", "M", "000008", 1, 0, 0));
    const Bytes expected = Str("Week") + Str("Seven days") + Id("000007") + U16(2) + NewClass(2, "CMenuItem") +
                           Str("Pie") + Str("R") + Id("000042") + U16(4) + U16(5) + U16(3) + SeenClass(1) +
                           Str("Lunches") + Str("M") + Id("000008") + U16(1) + U16(0) + U16(0);
    EXPECT_EQ(expected, Stored([&](CArchive& ar) { menu.Serialize(ar); }));

    CMenuData loaded;
    loaded.m_servings = 3;
    Loaded(expected, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ("Week", loaded.m_name);
    EXPECT_EQ("Seven days", loaded.m_description);
    EXPECT_STREQ("000007", loaded.m_id.GetText());
    EXPECT_EQ(3, loaded.m_servings);
    ASSERT_EQ(2, loaded.m_items.GetCount());
    const auto* pLast = static_cast<CMenuItem*>(loaded.m_items.GetTail());
    EXPECT_EQ("M", pLast->m_type);
    EXPECT_STREQ("000008", pLast->m_itemId.GetText());
    EXPECT_EQ(1, pLast->m_servings);
}

}  // namespace
