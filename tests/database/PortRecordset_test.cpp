#include "database/PortRecordset.h"

#include <gtest/gtest.h>

#include "database/FieldValue.h"
#include "database/RMDatabase.h"
#include "database/RecordId.h"
#include "res/resource.h"
#include "support/CookbookFixture.h"

namespace {

class PortRecordsetTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        CookbookTest::SetUp();
        ASSERT_TRUE(m_db.OpenCookbookFile(Copy(fixture::TemplatePath(), "port.tws").c_str(), IDS_DRIVER_ACCESS,
                                          IDS_COOKBOOK_DATA_SOURCE));
    }
    CRMDatabase m_db;
};

TEST_F(PortRecordsetTest, EmptyTableIsAtBothEnds)
{
    CPortRecordset* rs = m_db.GetRecordset();
    ASSERT_TRUE(rs->OpenTable("RECIPE", "SELECT * FROM RECIPE", nullptr));
    EXPECT_TRUE(rs->IsBOF());
    EXPECT_TRUE(rs->IsEOF());
    EXPECT_TRUE(m_boxes.GetShown().empty());
}

TEST_F(PortRecordsetTest, TypedGettersReadByNameAndById)
{
    m_db.ExecuteSQL("INSERT INTO RECIPE (RECIPE, TITLE, SERVINGS, COST, RATING, DIRECTIONS) "
                    "VALUES ('000123', '', 65, 2.5, -1, 'Stir.')");
    CPortRecordset* rs = m_db.GetRecordset();
    ASSERT_TRUE(rs->OpenTable("RECIPE", "SELECT * FROM RECIPE", nullptr));
    const CFieldValue* directions = rs->FindColumn("DIRECTIONS");
    ASSERT_NE(nullptr, directions);
    EXPECT_EQ(CFieldValue::typeLongVarChar, directions->m_nSqlType);
    EXPECT_EQ(4095, directions->m_lPrecision);

    char letter = 'x';
    EXPECT_TRUE(rs->GetFieldChar("SERVINGS", letter));
    EXPECT_EQ('A', letter);
    EXPECT_FALSE(rs->GetFieldChar("TITLE", letter));
    CRecordId id;
    EXPECT_TRUE(rs->GetFieldLong(IDS_COL_RECIPE_RECIPE, id));
    EXPECT_STREQ("000123", id);
    double cost = 0;
    EXPECT_TRUE(rs->GetFieldDouble(IDS_COL_RECIPE_COST, cost));
    EXPECT_EQ(2.5, cost);
    short rating = 0;
    EXPECT_TRUE(rs->GetFieldShort("RATING", rating));
    EXPECT_EQ(-1, rating);
    CString text = "unchanged";
    EXPECT_FALSE(rs->GetFieldText("directions", text));
    EXPECT_STREQ("unchanged", text);
    EXPECT_TRUE(rs->GetFieldText(IDS_COL_RECIPE_DIRECTIONS, text));
    EXPECT_STREQ("Stir.", text);
}

// A column found by its name id is forgotten when the recordset describes another statement.
TEST_F(PortRecordsetTest, ColumnsFoundByIdFollowTheOpenStatement)
{
    CPortRecordset* rs = m_db.GetRecordset();
    ASSERT_TRUE(rs->OpenTable("RECIPE", "SELECT * FROM RECIPE", nullptr));
    const CFieldValue* title = rs->FindColumn(IDS_COL_RECIPE_TITLE);
    ASSERT_NE(nullptr, title);
    EXPECT_STREQ("TITLE", title->m_strName);
    ASSERT_TRUE(rs->OpenTable("QUANTITY", "SELECT * FROM QUANTITY", nullptr));
    EXPECT_EQ(nullptr, rs->FindColumn(IDS_COL_RECIPE_TITLE));
    const CFieldValue* preparation = rs->FindColumn(IDS_COL_QUANTITY_PREPARATN);
    ASSERT_NE(nullptr, preparation);
    EXPECT_STREQ("PREPARATN", preparation->m_strName);
}

TEST_F(PortRecordsetTest, ParameterQueryRequeriesWithANewValue)
{
    m_db.ExecuteSQL("INSERT INTO RECIPE (RECIPE, TITLE) VALUES ('000001', 'Soup')");
    m_db.ExecuteSQL("INSERT INTO RECIPE (RECIPE, TITLE) VALUES ('000002', 'Stew')");
    CPortRecordset rs(&m_db);
    rs.m_nParams = 1;
    rs.m_strParam = "000002";
    ASSERT_TRUE(rs.OpenTable("GetRecipeListItem", "{call GetRecipeListItem(?)}", nullptr));
    CString title;
    rs.GetFieldText("TITLE", title);
    EXPECT_STREQ("Stew", title);
    rs.m_strParam = "000001";
    ASSERT_TRUE(rs.OpenTable("GetRecipeListItem", "{call GetRecipeListItem(?)}", nullptr));
    rs.GetFieldText("TITLE", title);
    EXPECT_STREQ("Soup", title);
    rs.m_strParam = "000009";
    ASSERT_TRUE(rs.Requery());
    EXPECT_TRUE(rs.IsEOF());
}

}  // namespace
