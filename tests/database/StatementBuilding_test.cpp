#include "database/CookbookDatabase.h"

#include <gtest/gtest.h>

#include "database/FieldValue.h"
#include "database/RMDatabase.h"
#include "database/SqlText.h"
#include "framework/ObList.h"
#include "framework/StringList.h"
#include "res/resource.h"

namespace {

CFieldValue Value(short type)
{
    CFieldValue value;
    value.m_nSqlType = type;
    return value;
}

TEST(StatementBuilding, QuoteValueByType)
{
    CRMDatabase db;
    CFieldValue text = Value(CFieldValue::typeVarChar);
    CFieldValue tiny = Value(CFieldValue::typeTinyInt);
    tiny.SetChar(65);
    CFieldValue small = Value(CFieldValue::typeSmallInt);
    small.SetShort(-1);
    CFieldValue real = Value(CFieldValue::typeDouble);
    real.SetDouble(0.1);
    CFieldValue null = Value(CFieldValue::typeVarChar);
    null.SetNull();
    const std::string longText(5000, 'x');
    CFieldValue longValue = Value(CFieldValue::typeLongVarChar);
    longValue.SetText(longText.c_str());

    const struct
    {
        CFieldValue value;
        const char* text;
        std::string expected;
    } cases[] = {
        {text, "O'Brien", "'O''Brien'"},
        {text, "NULL", "'NULL'"},
        {text, "", "''"},
        {tiny, nullptr, "65"},
        {small, nullptr, "-1"},
        {real, nullptr, "0.10000000000000001"},
        {null, nullptr, "NULL"},
        {longValue, nullptr, "'" + longText + "'"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.expected.substr(0, 20));
        CFieldValue value = c.value;
        if (c.text != nullptr)
            value.SetText(c.text);
        EXPECT_EQ(c.expected, std::string(db.QuoteValue(value)));
    }
}

TEST(StatementBuilding, SelectDeleteAndJoin)
{
    CRMDatabase db;
    CStringList columns;
    columns.AddTail("RECIPE");
    columns.AddTail("TITLE");
    EXPECT_STREQ("SELECT * FROM T", db.BuildSelect("T"));
    EXPECT_STREQ("", db.BuildSelect(""));
    EXPECT_STREQ("SELECT RECIPE,TITLE FROM RECIPE ORDER BY TITLE",
                 db.BuildSelect("RECIPE", &columns, nullptr, "TITLE"));
    EXPECT_STREQ("SELECT * FROM T WHERE A=1", db.BuildSelect("T", nullptr, "A=1"));
    EXPECT_STREQ("", db.BuildDelete("T", ""));
    EXPECT_STREQ("DELETE FROM T WHERE A=1", db.BuildDelete("T", "A=1"));
    EXPECT_STREQ("(RECIPE,TITLE)", db.JoinList(columns));
    EXPECT_STREQ("QUANTITY INNER JOIN MISC ON QUANTITY.UNIT = MISC.ITEM",
                 db.BuildInnerJoin(IDS_TBL_QUANTITY, IDS_COL_QUANTITY_UNIT, IDS_TBL_MISC, IDS_COL_MISC_ITEM));
}

TEST(StatementBuilding, InsertSkipsEmptyTextsButUpdateWritesThem)
{
    CRMDatabase db;
    CFieldValue id = Value(CFieldValue::typeVarChar);
    id.SetText("000042");
    CFieldValue title = Value(CFieldValue::typeVarChar);
    CFieldValue servings = Value(CFieldValue::typeSmallInt);
    servings.SetShort(4);
    CStringList columns;
    columns.AddTail("RECIPE");
    columns.AddTail("TITLE");
    columns.AddTail("SERVINGS");
    CObList values;
    values.AddTail(&id);
    values.AddTail(&title);
    values.AddTail(&servings);
    EXPECT_STREQ("INSERT INTO RECIPE(\"RECIPE\",\"SERVINGS\") VALUES ('000042',4)",
                 db.BuildInsertFromLists("RECIPE", &columns, &values));
    EXPECT_STREQ("UPDATE RECIPE SET RECIPE='000042',TITLE='',SERVINGS=4 WHERE RECIPE='000042'",
                 db.BuildUpdate("RECIPE", &columns, &values, "RECIPE='000042'"));
    EXPECT_STREQ("", db.BuildUpdate("RECIPE", &columns, &values, ""));
    values.RemoveTail();
    EXPECT_STREQ("", db.BuildInsertFromLists("RECIPE", &columns, &values));
}

TEST(StatementBuilding, LikePatternsMatchLiterally)
{
    CRMDatabase db;
    EXPECT_STREQ("RECIPE.TITLE LIKE '%soup%' ESCAPE '\\'", db.BuildLikeClause("RECIPE", "TITLE", "soup", FALSE));
    EXPECT_STREQ("RECIPE.TITLE LIKE 'soup%' ESCAPE '\\'", db.BuildLikeClause("RECIPE", "TITLE", "soup", TRUE));
    EXPECT_STREQ("RECIPE.TITLE LIKE '%50\\% O''Brien\\_s%' ESCAPE '\\'",
                 db.BuildLikeClause("RECIPE", "TITLE", "50% O'Brien_s", FALSE));
}

TEST(StatementBuilding, SqlTextHelpersEscapeUserText)
{
    const struct
    {
        const char* input;
        const char* expected;
    } cases[] = {{"O'Brien", "'O''Brien'"}, {"it''s", "'it''''s'"}, {"'", "''''"}, {"plain", "'plain'"}, {"", "''"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.input);
        EXPECT_STREQ(c.expected, QuoteSqlText(c.input));
    }
    CString condition;
    BuildColumnCondition(condition, IDS_TBL_RECIPE, IDS_COL_RECIPE_TITLE, "Jim's");
    EXPECT_STREQ("RECIPE.TITLE='Jim''s'", condition);
    BuildColumnCondition(condition, IDS_TBL_RECIPE, IDS_COL_RECIPE_TITLE, "");
    EXPECT_STREQ("", condition);
    BuildIdCondition(condition, IDS_TBL_RECIPE, IDS_COL_RECIPE_RECIPE, CRecordId(12UL));
    EXPECT_STREQ("RECIPE.RECIPE='000012'", condition);
    const UINT ids[] = {IDS_COL_RECIPE_RECIPE, IDS_COL_RECIPE_TITLE, 0};
    BuildQualifiedColumnList(condition, IDS_TBL_RECIPE, ids);
    EXPECT_STREQ("RECIPE.RECIPE, RECIPE.TITLE", condition);
    BuildJoinCondition(condition, IDS_TBL_QUANTITY, IDS_COL_QUANTITY_UNIT, IDS_TBL_MISC, IDS_COL_MISC_ITEM);
    EXPECT_STREQ("QUANTITY.UNIT=MISC.ITEM", condition);
}

}  // namespace
