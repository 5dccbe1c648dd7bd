// The ingredient catalogue on a fixture cookbook: saving an ingredient with its profile and
// basic item, finding it by name, deleting it from every table, and the cached groups.
#include <gtest/gtest.h>

#include <string>

#include "database/IngData.h"
#include "database/IngRec.h"
#include "database/Nutrition.h"
#include "database/PortRecordset.h"
#include "database/RMDatabase.h"
#include "res/resource.h"
#include "support/CookbookFixture.h"

namespace {

class IngredientCatalogueTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        fixture::CookbookTest::SetUp();
        const std::string path = Copy(fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS", "cookbook.tws");
        ASSERT_TRUE(m_db.OpenCookbookFile(path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));
    }

    bool HasRow(const std::string& sql)
    {
        CPortRecordset rs(&m_db);
        EXPECT_TRUE(rs.OpenTable("rows", sql.c_str(), nullptr)) << sql;
        return rs.IsOpen() && !rs.IsEOF();
    }

    CRMDatabase m_db;
};

TEST_F(IngredientCatalogueTest, SavedIngredientIsFoundByNameAndDeletedEverywhere)
{
    CIngData line;
    line.m_name = "Baker's Yeast";
    line.m_lineType = "I";
    line.m_dry = 136.0;
    line.m_basicItemId = CRecordId("000001");
    line.GetNutrition()->m_amount[NUTRITION::Protein] = 40.4f;
    const CRecordId highest = m_db.GetHighestRecordId(IDS_TBL_INGREDNT, IDS_COL_INGREDNT_INGREDIENT);
    ASSERT_TRUE(m_db.SaveIngredient(line, FALSE)) << m_boxes.GetAllTexts();
    EXPECT_EQ(highest.GetNumber() + 1, line.m_itemId.GetNumber());
    const std::string id = line.m_itemId.GetText();
    EXPECT_TRUE(HasRow("SELECT * FROM ING_NUTRITION WHERE ITEM_ID='" + id + "' AND PROTEIN > 40"));
    EXPECT_TRUE(HasRow("SELECT * FROM ING_CAT_ITEM WHERE ITEM='" + id + "' AND CATID='000001'"));
    EXPECT_TRUE(HasRow("SELECT * FROM INGREDNT WHERE INGREDIENT='" + id + "' AND PLURAL IS NULL"));

    CIngRec found;
    found.m_name = "baker's yeast";
    ASSERT_TRUE(m_db.LoadIngredients(found));
    EXPECT_EQ(line.m_itemId, found.m_id);
    EXPECT_EQ(136.0, found.m_dry);
    CIngRec both;
    both.m_id = line.m_itemId;
    both.m_name = "Baker's Yeast";
    EXPECT_FALSE(m_db.LoadIngredients(both));
    CIngData basic;
    basic.m_itemId = line.m_itemId;
    ASSERT_TRUE(m_db.LoadBasicIngredient(basic));
    EXPECT_EQ(CRecordId("000001"), basic.m_basicItemId);
    EXPECT_FALSE(basic.m_basicItemName.IsEmpty());

    ASSERT_TRUE(m_db.DeleteIngredient(line.m_itemId));
    for (const char* table : {"INGREDNT WHERE INGREDIENT", "ING_NUTRITION WHERE ITEM_ID", "ING_CAT_ITEM WHERE ITEM"})
    {
        SCOPED_TRACE(table);
        EXPECT_FALSE(HasRow("SELECT * FROM " + std::string(table) + "='" + id + "'"));
    }
}

TEST_F(IngredientCatalogueTest, IngredientWithoutNameWritesNothing)
{
    CIngData line;
    line.m_itemId = CRecordId("000005");
    EXPECT_TRUE(m_db.SaveIngredient(line, TRUE));
    EXPECT_EQ(0UL, line.m_itemId.GetNumber());
}

// A unit spelt short becomes the first unit of its number; the first one stays.
TEST_F(IngredientCatalogueTest, FindUnitTakesTheFirstUnitOfTheSameNumber)
{
    const struct
    {
        const char* id;
        const char* text;
        double value;
        const char* foundId;
        const char* foundText;
    } cases[] = {
        {"000031", "tsp", 2, "000002", "teaspoon"},
        {"000032", "tbsp", 3, "000003", "tablespoon"},
        {"000002", "teaspoon", 2, "000002", "teaspoon"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        CIngData line;
        line.m_unitId = CRecordId(c.id);
        line.m_unitText = c.text;
        line.m_unitValue = c.value;
        EXPECT_TRUE(m_db.FindUnit(line));
        EXPECT_EQ(CRecordId(c.foundId), line.m_unitId);
        EXPECT_STREQ(c.foundText, line.m_unitText);
    }
}

TEST_F(IngredientCatalogueTest, GroupsMapBothWays)
{
    const std::map<CString, CString>& groups = m_db.LoadGroups();
    ASSERT_FALSE(groups.empty());
    for (const auto& entry : groups)
    {
        SCOPED_TRACE(entry.first.GetString());
        const auto back = groups.find(entry.second);
        ASSERT_NE(groups.end(), back);
        EXPECT_EQ(entry.first, back->second);
    }
}

}  // namespace
