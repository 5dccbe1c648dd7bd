#include "database/MultiRecordColumn.h"

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <gtest/gtest.h>

#include "database/FieldValue.h"
#include "database/RMDatabase.h"
#include "framework/OdbcStatement.h"
#include "res/resource.h"
#include "support/CookbookFixture.h"

namespace {

TEST(MultiRecordColumn, ReadsWalkAndWrapButWritesStopAtTheEnd)
{
    CMultiRecordColumn column;
    column.Init(CFieldValue::typeInteger, 0, 2, IDS_COL_RECIPE_RATING);
    EXPECT_STREQ("RATING", column.GetName());
    EXPECT_EQ(1, column.PutLong(-1));
    EXPECT_EQ(1, column.PutLong(42));
    EXPECT_EQ(0, column.PutLong(7)) << "a third row would overwrite the first";
    EXPECT_EQ("-1", std::string(column.FormatValue()));
    EXPECT_EQ("42", std::string(column.FormatValue()));
    EXPECT_EQ("-1", std::string(column.FormatValue()));
}

TEST(MultiRecordColumn, TextRowsAreBoundedAndTerminated)
{
    CMultiRecordColumn column;
    column.Init(CFieldValue::typeVarChar, 5, 2, IDS_COL_RECIPE_TITLE);
    EXPECT_EQ(1, column.PutText("Bouillabaisse"));
    EXPECT_EQ(1, column.PutText("Tea"));
    CString first;
    CString second;
    column.GetText(first);
    column.GetText(second);
    EXPECT_STREQ("Bouil", first);
    EXPECT_STREQ("Tea", second);
}

TEST(MultiRecordColumn, ConversionsFollowTheKind)
{
    CMultiRecordColumn real;
    real.Init(CFieldValue::typeReal, 0, 2, IDS_COL_RECIPE_COST);
    real.PutDouble(2.9);
    real.PutDouble(-2.9);
    long value = 0;
    real.GetLong(value);
    EXPECT_EQ(2, value);
    real.GetLong(value);
    EXPECT_EQ(-2, value);

    CMultiRecordColumn binary;
    binary.Init(CFieldValue::typeLongVarBinary, 0, 1, IDS_COL_RECIPE_COST);
    EXPECT_EQ(0, binary.GetLong(value));
    EXPECT_EQ(0, binary.GetCursor());
}

class BlockFetchTest : public fixture::CookbookTest
{
};

TEST_F(BlockFetchTest, BoundColumnsReceiveARowsetAndMakeInserts)
{
    CRMDatabase db;
    ASSERT_TRUE(db.OpenCookbookFile(Copy(fixture::TemplatePath(), "block.tws").c_str(), IDS_DRIVER_ACCESS,
                                    IDS_COOKBOOK_DATA_SOURCE));
    db.ExecuteSQL("INSERT INTO RECIPE (RECIPE, TITLE, RATING) VALUES ('000001', 'Soup', -1)");
    db.ExecuteSQL("INSERT INTO RECIPE (RECIPE, TITLE, RATING) VALUES ('000002', 'O''Brien''s stew', 5)");
    db.ExecuteSQL("INSERT INTO RECIPE (RECIPE, TITLE, RATING) VALUES ('000003', 'Tea', 0)");

    const int rows = 3;
    CMultiRecordColumn columns[2];
    columns[0].Init(CFieldValue::typeVarChar, 70, rows, IDS_COL_RECIPE_TITLE);
    columns[1].Init(CFieldValue::typeInteger, 0, rows, IDS_COL_RECIPE_RATING);
    COdbcStatement statement(db);
    SQLHSTMT hstmt = statement.GetHandle();
    ASSERT_TRUE(SQL_SUCCEEDED(SQLSetStmtOption(hstmt, SQL_ROWSET_SIZE, rows)));
    statement.ExecDirect("SELECT TITLE, RATING FROM RECIPE ORDER BY RECIPE");
    ASSERT_TRUE(SQL_SUCCEEDED(SQLBindCol(hstmt, 1, SQL_C_CHAR, columns[0].GetBuffer(), columns[0].GetElementWidth(),
                                         reinterpret_cast<SQLLEN*>(columns[0].GetLengths()))));
    ASSERT_TRUE(SQL_SUCCEEDED(SQLBindCol(hstmt, 2, SQL_C_SLONG, columns[1].GetBuffer(), 0,
                                         reinterpret_cast<SQLLEN*>(columns[1].GetLengths()))));
    SQLULEN fetched = 0;
    SQLUSMALLINT status[rows];
    ASSERT_TRUE(SQL_SUCCEEDED(SQLExtendedFetch(hstmt, SQL_FETCH_NEXT, 0, &fetched, status)));
    ASSERT_EQ(3u, fetched);

    const char* expected[] = {"INSERT INTO RECIPE (\"TITLE\",\"RATING\") VALUES ('Soup',-1)",
                              "INSERT INTO RECIPE (\"TITLE\",\"RATING\") VALUES ('O''Brien''s stew',5)",
                              "INSERT INTO RECIPE (\"TITLE\",\"RATING\") VALUES ('Tea',0)"};
    for (const char* sql : expected)
        EXPECT_STREQ(sql, db.BuildInsertFromFields("RECIPE", columns, 2));
}

}  // namespace
