#include "database/RowValues.h"

#include <gtest/gtest.h>

#include "database/PortRecordset.h"
#include "database/RMDatabase.h"
#include "res/resource.h"
#include "support/CookbookFixture.h"

namespace {

class RowValuesTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        CookbookTest::SetUp();
        ASSERT_TRUE(m_db.OpenCookbookFile(Copy(fixture::TemplatePath(), "rows.tws").c_str(), IDS_DRIVER_ACCESS,
                                          IDS_COOKBOOK_DATA_SOURCE));
    }
    CRMDatabase m_db;
};

// Described on two columns of the table, a row takes a third the description lacks: it is
// added as text, and the values already handed out stay where they were.
TEST_F(RowValuesTest, AColumnBeyondTheDescribedOnesIsTextAndMovesNoValue)
{
    CPortRecordset* rs = m_db.GetRecordset();
    ASSERT_TRUE(rs->OpenTable("RECIPE", "SELECT RECIPE, SERVINGS FROM RECIPE", nullptr));
    CRowValues row(*rs);
    CFieldValue& servings = row.Add(IDS_COL_RECIPE_SERVINGS);
    servings.SetLong(4);
    CFieldValue& id = row.Add(IDS_COL_RECIPE_RECIPE);
    CFieldValue& title = row.Add(IDS_COL_RECIPE_TITLE);
    title.SetText("Soup");
    id.SetText("000007");

    ASSERT_EQ(3u, row.GetCount());
    EXPECT_EQ(&servings, &row.GetValue(0));
    EXPECT_EQ(&id, &row.GetValue(1));
    EXPECT_EQ(&title, &row.GetValue(2));
    EXPECT_EQ(CFieldValue::typeVarChar, row.GetValue(2).m_nSqlType);
    EXPECT_STREQ("Soup", row.GetValue(2).m_strText);
    EXPECT_STREQ("000007", row.GetValue(1).m_strText);
    EXPECT_EQ(IDS_COL_RECIPE_TITLE, row.GetColumnId(2));
    EXPECT_STREQ("TITLE", row.GetColumn(2));
    const CStringList* pColumns = row.GetColumns();
    ASSERT_EQ(3, pColumns->GetCount());
    EXPECT_STREQ("SERVINGS", pColumns->GetHead());
    EXPECT_STREQ("TITLE", pColumns->GetTail());
    ASSERT_EQ(3, row.GetValues()->GetCount());
    EXPECT_EQ(&title, row.GetValues()->GetTail());
}

}  // namespace
