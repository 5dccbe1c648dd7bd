// The category tree on a fixture cookbook: adds, removals of whole subtrees and relinks keep
// every FIRSTKID/SIBLING chain consistent.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "database/CategoryListItem.h"
#include "database/PortRecordset.h"
#include "database/RMDatabase.h"
#include "database/SlotArray.h"
#include "framework/StringList.h"
#include "res/resource.h"
#include "support/CategoryLinks.h"
#include "support/CookbookFixture.h"
#include "support/RecordedNotice.h"

namespace {

class CategoryTreeTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        fixture::CookbookTest::SetUp();
        const std::string path = Copy(fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS", "cookbook.tws");
        ASSERT_TRUE(m_db.OpenCookbookFile(path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));
    }

    void ExpectConsistent() { fixture::ExpectConsistentCategoryLinks(m_db); }

    CategoryListItem Add(const char* name, const CRecordId& parent, char type = 'R')
    {
        CategoryListItem item;
        item.m_name = name;
        item.m_type = type;
        item.m_secondId = parent;
        item.m_firstChild = item.m_sibling = -1;
        EXPECT_EQ(1, m_db.AddCategory(item)) << m_boxes.GetAllTexts();
        return item;
    }

    CRMDatabase m_db;
};

TEST_F(CategoryTreeTest, AddsAndSubtreeRemovalsKeepTheLinksConsistent)
{
    ExpectConsistent();
    const CategoryListItem breads = Add("Breads", CRecordId());
    const CategoryListItem rolls = Add("Rolls", breads.m_id);
    const CategoryListItem flat = Add("Flatbreads", breads.m_id);
    const CategoryListItem sweet = Add("Sweet Rolls", rolls.m_id);
    ExpectConsistent();

    // The second child follows the first; the parent's FIRSTKID stays on the first.
    CategoryListItem parent;
    parent.m_id = breads.m_id;
    m_db.ReadCategory(parent);
    EXPECT_EQ(rolls.m_relIndex, parent.m_firstChild);
    CSlotArray children;
    m_db.GetChildCategories(children, breads.m_id.GetNumber(), 1);
    EXPECT_EQ(2, children.GetSize());

    // The same name in other letters under the same parent is the existing category.
    CategoryListItem again = Add("ROLLS", breads.m_id);
    EXPECT_EQ(rolls.m_id, again.m_id);

    m_db.ExecuteSQL(
        ("INSERT INTO RCP_CAT_ITEM (CATID, ITEM) VALUES ('" + std::string(sweet.m_id.GetText()) + "', '000001')")
            .c_str());
    ASSERT_EQ(1, m_db.RemoveCategory(rolls));
    ExpectConsistent();
    m_db.ReadCategory(parent);
    EXPECT_EQ(flat.m_relIndex, parent.m_firstChild);
    for (const CategoryListItem* pGone : {&rolls, &sweet})
    {
        CategoryListItem gone;
        gone.m_id = pGone->m_id;
        EXPECT_EQ(0UL, m_db.ReadCategory(gone).m_id.GetNumber());
    }
    EXPECT_EQ(nullptr, m_db.FindCategory(sweet.m_id));
    CStringList items;
    ASSERT_EQ(1, m_db.LoadCategoryItems(items, sweet.m_id, 'R'));
    EXPECT_EQ(0, items.GetCount());

    // Removing the only child leaves the parent without children; removing a top-level
    // category relinks the top chain.
    ASSERT_EQ(1, m_db.RemoveCategory(flat));
    m_db.ReadCategory(parent);
    EXPECT_EQ(-1, parent.m_firstChild);
    ASSERT_EQ(1, m_db.RemoveCategory(parent));
    ExpectConsistent();
}

std::set<std::string> Names(const CSlotArray& categories)
{
    std::set<std::string> names;
    for (int i = 0; i < categories.GetSize(); ++i)
        names.insert(static_cast<const CategoryListItem*>(categories.GetAt(i))->m_name.GetString());
    return names;
}

// Recipe and meal-plan categories share the chains: each kind's lists skip the other's.
TEST_F(CategoryTreeTest, MixedKindsListTheirOwnChildrenAndTopLevel)
{
    const CategoryListItem desserts = Add("Desserts", CRecordId());
    const CategoryListItem brunch = Add("Brunch", CRecordId(), 'M');
    Add("Cakes", desserts.m_id);
    Add("Drinks", CRecordId());
    Add("Late Brunch", brunch.m_id, 'M');
    ExpectConsistent();

    const struct
    {
        int kind;
        long parent;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    } cases[] = {
        {1, 0, {"Desserts", "Drinks"}, {"Cakes", "Brunch"}},
        {2, 0, {"Brunch"}, {"Desserts", "Drinks", "Late Brunch"}},
        {1, static_cast<long>(desserts.m_id.GetNumber()), {"Cakes"}, {"Desserts", "Drinks"}},
        {2, static_cast<long>(brunch.m_id.GetNumber()), {"Late Brunch"}, {"Brunch", "Cakes"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " parent " << c.parent);
        CSlotArray children;
        m_db.GetChildCategories(children, c.parent, c.kind);
        const std::set<std::string> names = Names(children);
        for (const std::string& name : c.present)
            EXPECT_EQ(1u, names.count(name)) << name;
        for (const std::string& name : c.absent)
            EXPECT_EQ(0u, names.count(name)) << name;
    }

    CSlotArray plans;
    const int copied = m_db.CopyCategoryTree(plans, 2);
    EXPECT_EQ(plans.GetSize(), copied);
    EXPECT_EQ(1u, Names(plans).count("Brunch"));
    EXPECT_EQ(0u, Names(plans).count("Desserts"));
}

TEST_F(CategoryTreeTest, NewIdsFollowTheHighestInUse)
{
    EXPECT_EQ(CRecordId("000000"), m_db.GetHighestRecordId(IDS_TBL_SHOPPING, IDS_COL_SHOPPING_SHOPPING));
    const CRecordId highest = m_db.GetHighestRecordId(IDS_TBL_HICAT, IDS_COL_HICAT_CATID);
    EXPECT_NE(CRecordId("999999"), highest);
    const CategoryListItem added = Add("Preserves", CRecordId());
    EXPECT_EQ(highest.GetNumber() + 1, added.m_id.GetNumber());
    EXPECT_EQ(nullptr, m_db.FindCategory(CRecordId("999999")));
}

TEST_F(CategoryTreeTest, LoadingShowsItsStatusUntilTheTreeIsRead)
{
    CSlotArray recipeCategories;
    {
        CNoticeRecording recording;
        m_db.LoadCategoryTree(recipeCategories, 1);
    }

    EXPECT_GT(recipeCategories.GetSize(), 0);
    EXPECT_EQ(std::vector<std::string>{"Loading categories."}, CRecordedNotice::Shown());
    EXPECT_EQ(0, CRecordedNotice::Showing());
}

}  // namespace
