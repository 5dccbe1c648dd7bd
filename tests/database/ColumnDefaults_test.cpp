// The numeric column defaults read from the driver for a fixture cookbook.
#include <gtest/gtest.h>

#include <optional>

#include "database/ColumnDefaults.h"
#include "database/RMDatabase.h"
#include "res/resource.h"
#include "support/CookbookFixture.h"

namespace {

class ColumnDefaultsTest : public fixture::CookbookTest
{
protected:
    void TearDown() override
    {
        m_db.Close();
        fixture::CookbookTest::TearDown();
    }

    CRMDatabase m_db;
};

TEST_F(ColumnDefaultsTest, NumbersDeclaredAsDefaultsAndNothingElse)
{
    const std::string path = Copy(fixture::TemplatePath(), "cookbook.tws");
    ASSERT_TRUE(m_db.OpenCookbookFile(path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE))
        << m_boxes.GetAllTexts();
    const struct
    {
        UINT tableId;
        UINT columnId;
        std::optional<double> expected;
    } rows[] = {
        {IDS_TBL_HICAT, IDS_COL_HICAT_REL_INDEX, 0.0},
        {IDS_TBL_HICAT, IDS_COL_HICAT_FIRSTKID, -1.0},
        // No default, and a column the table lacks.
        {IDS_TBL_HICAT, IDS_COL_HICAT_NAME, std::nullopt},
        {IDS_TBL_HICAT, IDS_COL_QUANTITY_MAX_QTY, std::nullopt},
        {IDS_TBL_QUANTITY, IDS_COL_QUANTITY_MAX_QTY, 0.0},
    };
    CColumnDefaults defaults;
    for (int pass = 0; pass < 2; ++pass)
        for (const auto& row : rows)
        {
            SCOPED_TRACE(testing::Message() << "column " << row.columnId << ", pass " << pass);
            const double* found = defaults.Find(m_db, row.tableId, row.columnId);
            ASSERT_EQ(row.expected.has_value(), found != nullptr);
            if (found != nullptr)
            {
                EXPECT_EQ(*row.expected, *found);
            }
        }
}

}  // namespace
