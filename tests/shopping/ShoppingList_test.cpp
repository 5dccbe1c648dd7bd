// The sorted views of shopping lists and a store's section order.
#include "shopping/ShoppingList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/IngData.h"
#include "database/ListItem.h"
#include "database/RMDatabase.h"
#include "shopping/SectionOrder.h"
#include "shopping/ShoppingListItem.h"

namespace {

CShoppingListItem* NewItem(const char* name, const char* recipe = "", const char* section = "",
                           const char* sectionId = "000001", short kind = 1, const char* unit = "cup")
{
    auto* pItem = new CShoppingListItem;
    pItem->m_recipeName = recipe;
    CIngData& line = pItem->GetLine();
    line.m_name = name;
    line.m_groupName = section;
    line.m_groupId = CRecordId(sectionId);
    line.m_unitType = kind;
    line.m_unitText = unit;
    return pItem;
}

std::string Names(const std::vector<CShoppingListItem*>& view)
{
    std::string names;
    for (const CShoppingListItem* pItem : view)
        names += std::string(pItem->GetLine().m_name.GetString()) + "/" + pItem->GetLine().m_unitText.GetString() + " ";
    return names;
}

TEST(ShoppingListView, OrdersBySectionIngredientOrRecipe)
{
    CShoppingList first;
    first.Add(NewItem("Sugar", "Pie", "baking"));
    first.Add(NewItem("apples", "Pie", "Produce"));
    first.Add(NewItem("sugar", "cake", "Baking", "000001", 4, "pound"));
    CShoppingList second;
    second.Add(NewItem("milk", "Frequent Item", "dairy"));
    second.Add(NewItem("sugar", "Frequent Item", "Baking", "000001", 1, "Cup"));

    const struct
    {
        int order;
        BOOL includeSecond;
        const char* expected;
    } rows[] = {
        {CShoppingList::kBySection, FALSE, "Sugar/cup sugar/pound apples/cup "},
        {CShoppingList::kByIngredient, TRUE, "apples/cup milk/cup "},
        {CShoppingList::kByRecipe, FALSE, "sugar/pound apples/cup Sugar/cup "},
        {99, TRUE, "Sugar/cup apples/cup sugar/pound milk/cup sugar/Cup "},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.order);
        std::vector<CShoppingListItem*> view;
        const int count = CShoppingList::BuildView(first, second, row.includeSecond, row.order, view);
        EXPECT_EQ(static_cast<int>(view.size()), count);
        const std::string names = Names(view);
        if (row.order == CShoppingList::kByIngredient)
        {
            // Equal names without case sort by unit kind, then unit name: the quicksort is not
            // stable, so only the neighbours are fixed.
            EXPECT_EQ(0u, names.find("apples/cup milk/cup "));
            EXPECT_EQ(5, count);
            EXPECT_EQ("pound", std::string(view[4]->GetLine().m_unitText.GetString()));
            continue;
        }
        EXPECT_EQ(row.expected, names);
    }
}

class SectionOrderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The store's sections and the cookbook's groups, as the database object caches them.
        m_db.m_nSectionStore = 7;
        for (const char* id : {"000030", "000020"})
        {
            auto* pSection = new CListItem;
            pSection->m_id = CRecordId(id);
            m_db.m_sectionList.AddTail(pSection);
        }
        m_db.m_groups["Dairy"] = "000020";
        m_db.m_groups["000020"] = "Dairy";
    }

    CRMDatabase m_db;
};

TEST_F(SectionOrderTest, StoreOrderFirstThenEverythingElseAsUnassigned)
{
    CSectionOrder order;
    order.LoadSectionOrder(m_db, 7);
    EXPECT_EQ(0, order.SectionOrder(CRecordId("000030")));
    EXPECT_EQ(1, order.SectionOrder(CRecordId("000020")));
    EXPECT_EQ(2, order.SectionOrder(CRecordId("000001")));
    EXPECT_EQ(2, order.SectionOrder(CRecordId("000099"))) << "a section the store does not list";

    CShoppingList list;
    list.Add(NewItem("milk", "", "Dairy", "000020"));
    list.Add(NewItem("cheese", "", "Dairy", "000001"));  // known only by its name
    list.Add(NewItem("bread", "", "Bakery", "000030"));
    list.Add(NewItem("nails", "", "Hardware", "000099"));
    list.Add(NewItem("ice", "", "", "000001"));
    CShoppingList none;
    std::vector<CShoppingListItem*> view;
    EXPECT_EQ(3, order.BuildSectionView(m_db, list, none, FALSE, 7, TRUE, view));
    EXPECT_EQ("bread/cup cheese/cup milk/cup ", Names(view));
    EXPECT_EQ(CRecordId("000020"), list.GetItem(1)->GetLine().m_groupId) << "the name was resolved";
    EXPECT_EQ(2, order.BuildSectionView(m_db, list, none, FALSE, 7, FALSE, view));
    EXPECT_EQ("ice/cup nails/cup ", Names(view)) << "by section name";
}

}  // namespace
