#include "database/CookbookDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "database/FieldValue.h"
#include "database/PortRecordset.h"
#include "database/RMDatabase.h"
#include "database/RecipeData.h"
#include "framework/DBException.h"
#include "framework/ObList.h"
#include "framework/StringList.h"
#include "res/resource.h"
#include "support/CookbookFixture.h"
#include "support/RecordedNotice.h"

namespace {

class CookbookDatabaseTest : public fixture::CookbookTest
{
protected:
    BOOL OpenFile(CRMDatabase& db, const std::string& path)
    {
        return db.OpenCookbookFile(path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE);
    }

    // Every row's value of one column of a table, read through the work recordset.
    std::vector<std::string> Column(CRMDatabase& db, LPCSTR table, LPCSTR column, LPCSTR condition = nullptr)
    {
        std::vector<std::string> values;
        CPortRecordset* rs = db.GetRecordset();
        rs->Close();
        EXPECT_TRUE(rs->OpenTable(table, db.BuildSelect(table, nullptr, condition), nullptr)) << m_boxes.GetAllTexts();
        for (; rs->IsOpen() && !rs->IsEOF(); rs->MoveNext())
        {
            CString text;
            EXPECT_TRUE(rs->GetFieldText(column, text)) << column;
            values.push_back(text.GetString());
        }
        rs->Close();
        return values;
    }

    std::string Version(CRMDatabase& db)
    {
        const auto versions = Column(db, "DBVERSION", "VERSION");
        return versions.empty() ? "" : versions[0];
    }

    // The ingredient lines of a recipe as the program reads them (line number, unit text, group).
    std::vector<std::string> Lines(CRMDatabase& db, const char* recipe)
    {
        CPortRecordset* rs = db.m_pIngredientRecordset;
        rs->m_strParam = recipe;
        EXPECT_TRUE(rs->Requery());
        std::vector<std::string> lines;
        for (; !rs->IsEOF(); rs->MoveNext())
        {
            long number = 0;
            CString unit;
            CString group;
            rs->GetFieldInt32("QUANTITY", number);
            rs->GetFieldText("STRING", unit);
            rs->GetFieldText("GROUP_NAME", group);
            lines.push_back(std::to_string(number) + ":" + unit.GetString() + ":" + group.GetString());
        }
        return lines;
    }

    // Two lines of recipe 000042: one with a known unit and group, one whose unit and group rows are missing.
    // "ingredient:unit" of the recipe's stored rows, sorted.
    std::vector<std::string> StoredLines(CRMDatabase& db, const char* recipe)
    {
        const std::string condition = std::string("RECIPE='") + recipe + "'";
        const std::vector<std::string> items = Column(db, "QUANTITY", "ITEM", condition.c_str());
        const std::vector<std::string> units = Column(db, "QUANTITY", "UNIT", condition.c_str());
        std::vector<std::string> lines;
        for (size_t i = 0; i < items.size(); ++i)
            lines.push_back(items[i] + ":" + units[i]);
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    void AddLines(CRMDatabase& db)
    {
        db.ExecuteSQL("INSERT INTO MISC (TYPE, ITEM, STRING) VALUES ('U', '000902', 'cup')");
        db.ExecuteSQL("INSERT INTO MISC (TYPE, ITEM, STRING) VALUES ('G', '000903', 'Dairy')");
        db.ExecuteSQL("INSERT INTO INGREDNT (INGREDIENT, NAME, GROUPING) VALUES ('000010', 'milk', '000903')");
        db.ExecuteSQL("INSERT INTO INGREDNT (INGREDIENT, NAME, GROUPING) VALUES ('000011', 'salt', '000777')");
        db.ExecuteSQL(
            "INSERT INTO QUANTITY (QUANTITY, RECIPE, TYPE, ITEM, UNIT) VALUES (2, '000042', 'I', '000011', '000999')");
        db.ExecuteSQL(
            "INSERT INTO QUANTITY (QUANTITY, RECIPE, TYPE, ITEM, UNIT) VALUES (1, '000042', 'I', '000010', '000902')");
    }
};

TEST_F(CookbookDatabaseTest, CurrentCookbookOpensWithoutChange)
{
    CRMDatabase db;
    {
        CNoticeRecording recording;
        ASSERT_TRUE(OpenFile(db, Copy(fixture::TemplatePath(), "new.tws"))) << m_boxes.GetAllTexts();
        EXPECT_EQ(std::vector<std::string>{"Initializing Cookbook...Please Wait."}, CRecordedNotice::Shown());
        EXPECT_EQ(0, CRecordedNotice::Showing());
    }
    EXPECT_TRUE(db.CanUpdate());
    EXPECT_FALSE(db.GetIngredientQueryFlag());
    EXPECT_EQ("1.3", Version(db));
    EXPECT_TRUE(m_boxes.GetShown().empty()) << m_boxes.GetAllTexts();
    EXPECT_NE(-1, db.GetConnect().Find("new.tws;"));
}

TEST_F(CookbookDatabaseTest, ReopeningAnotherCookbookDropsThePreviousOnesState)
{
    CRMDatabase db;
    const std::string first = Copy(fixture::TemplatePath(), "first.tws");
    const std::string second = Copy(fixture::TemplatePath(), "second.tws");
    ASSERT_TRUE(OpenFile(db, first));
    db.ExecuteSQL("INSERT INTO RECIPE (RECIPE, TITLE) VALUES ('000001', 'Only in the first')");
    db.m_nRecipeCount = 1;
    db.m_bStale[2] = FALSE;
    ASSERT_TRUE(OpenFile(db, second));
    EXPECT_EQ(-1, db.m_nRecipeCount);
    EXPECT_TRUE(db.m_bStale[2]);
    EXPECT_NE(-1, db.GetConnect().Find("second.tws;"));
    EXPECT_TRUE(Column(db, "RECIPE", "TITLE").empty());
}

TEST_F(CookbookDatabaseTest, ReadOnlyFileOpensReadOnlyWithItsMessage)
{
    const std::string path = Copy(fixture::TemplatePath(), "locked.tws");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    CRMDatabase db;
    ASSERT_TRUE(OpenFile(db, path)) << m_boxes.GetAllTexts();
    EXPECT_FALSE(db.CanUpdate());
    ASSERT_EQ(1u, m_boxes.GetShown().size());
    EXPECT_STREQ("The selected Cookbook is Read-Only.\r\nChanges will not be saved.", m_boxes.GetShown()[0].text);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(CookbookDatabaseTest, UpgradeKeepsLinesWhoseUnitOrGroupRowIsMissing)
{
    const std::string path = Copy(fixture::OldCookbookPath(), "old.tws");
    CRMDatabase db;
    ASSERT_TRUE(OpenFile(db, path)) << m_boxes.GetAllTexts();
    EXPECT_EQ("1.3", Version(db));
    EXPECT_FALSE(db.GetIngredientQueryFlag());
    EXPECT_EQ("{call NewShowIngredients(?)}", std::string(db.m_pIngredientRecordset->m_strQuery));
    AddLines(db);
    EXPECT_EQ((std::vector<std::string>{"1:cup:Dairy", "2::"}), Lines(db, "000042"));
    EXPECT_TRUE(Lines(db, "000043").empty());

    // The upgraded views give the columns of a new cookbook's, in the same order.
    CRMDatabase fresh;
    ASSERT_TRUE(OpenFile(fresh, Copy(fixture::TemplatePath(), "fresh.tws")));
    ASSERT_EQ(fresh.m_pIngredientRecordset->GetColumnCount(), db.m_pIngredientRecordset->GetColumnCount());
    for (int i = 0; i < db.m_pIngredientRecordset->GetColumnCount(); ++i)
        EXPECT_STREQ(fresh.m_pIngredientRecordset->GetColumn(i)->m_strName,
                     db.m_pIngredientRecordset->GetColumn(i)->m_strName);
}

TEST_F(CookbookDatabaseTest, UpgradedLineWithoutItsUnitRowSurvivesASave)
{
    CRMDatabase db;
    ASSERT_TRUE(OpenFile(db, Copy(fixture::OldCookbookPath(), "old-save.tws"))) << m_boxes.GetAllTexts();
    AddLines(db);
    db.ExecuteSQL("INSERT INTO RECIPE (RECIPE, TITLE, COOKBOOK, SERVINGS) VALUES ('000042', 'Pudding', '000001', 4)");
    CRecipeData recipe;
    recipe.m_recipeId = CRecordId("000042");
    ASSERT_EQ(0, db.LoadRecipe(&recipe, CRecipeData::kLoadLines | CRecipeData::kLoadRecipeRow))
        << m_boxes.GetAllTexts();
    ASSERT_EQ(2, recipe.m_lines.GetCount());

    CRecipeData edited(recipe);
    edited.m_title = "Rice pudding";
    ASSERT_EQ(0, db.SaveRecipe(recipe, edited)) << m_boxes.GetAllTexts();
    EXPECT_EQ((std::vector<std::string>{"000010:000902", "000011:000999"}), StoredLines(db, "000042"));
}

TEST_F(CookbookDatabaseTest, ReadOnlyOldCookbookReadsThroughTheOldQuery)
{
    const std::string path = Copy(fixture::OldCookbookPath(), "old.tws");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    CRMDatabase db;
    ASSERT_TRUE(OpenFile(db, path)) << m_boxes.GetAllTexts();
    EXPECT_TRUE(db.GetIngredientQueryFlag());
    EXPECT_EQ("SELECT * FROM ShowIngredients WHERE RECIPE=?", std::string(db.m_pIngredientRecordset->m_strQuery));
    EXPECT_EQ("1.2", Version(db));
    EXPECT_EQ(1u, m_boxes.GetShown().size());
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(CookbookDatabaseTest, OtherVersionsAndMissingFilesAreRefused)
{
    const struct
    {
        const char* name;
        const char* change;
    } cases[] = {
        {"future.tws", "UPDATE DBVERSION SET VERSION='2.0'"},
        {"empty.tws", "DELETE FROM DBVERSION"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const std::string path = Copy(fixture::TemplatePath(), c.name);
        {
            CRMDatabase setup;
            ASSERT_TRUE(OpenFile(setup, path));
            setup.ExecuteSQL(c.change);
        }
        CRMDatabase db;
        EXPECT_FALSE(OpenFile(db, path));
        EXPECT_FALSE(db.IsOpen());
    }
    CRMDatabase db;
    EXPECT_FALSE(OpenFile(db, m_folder + "\\missing.tws"));
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(CookbookDatabaseTest, FailedUpgradeShowsTheDriversTextAndKeepsTheVersion)
{
    const std::string path = Copy(fixture::TemplatePath(), "blocked.tws");
    {
        CRMDatabase setup;
        ASSERT_TRUE(OpenFile(setup, path));
        setup.ExecuteSQL("DROP VIEW NewShowIngredients");
        setup.ExecuteSQL("DROP VIEW NewShowIngredientsNoStores");
        // An index takes the view's name: the catalogue does not list it, and CREATE VIEW fails.
        setup.ExecuteSQL("CREATE INDEX NewShowIngredientsNoStores ON RECIPE (TITLE)");
        setup.ExecuteSQL("UPDATE DBVERSION SET VERSION='1.2'");
    }
    m_boxes.ClearShown();
    CRMDatabase db;
    EXPECT_FALSE(OpenFile(db, path));
    EXPECT_NE(-1, m_boxes.GetAllTexts().Find("already an index named NewShowIngredientsNoStores"))
        << m_boxes.GetAllTexts();
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(CookbookDatabaseTest, ErrorsShowTheDriversTextAndFail)
{
    CRMDatabase db;
    ASSERT_TRUE(OpenFile(db, Copy(fixture::TemplatePath(), "errors.tws")));
    db.ExecuteSQL("INSERT INTO RECIPE (RECIPE, TITLE) VALUES ('000001', 'Soup')");
    m_boxes.ClearShown();

    EXPECT_FALSE(db.GetRecordset()->OpenTable("NOSUCH", "SELECT * FROM NOSUCH", nullptr));
    EXPECT_FALSE(db.ExecuteDirect("INSERT INTO NOSUCH VALUES (1)"));
    EXPECT_FALSE(db.ExecuteUpdate(IDS_TBL_RECIPE, IDS_COL_MISC_STRING, "'x'", IDS_COL_RECIPE_RECIPE, "'000001'"));
    EXPECT_FALSE(db.GetRecordset()->DeleteRows("RECIPE", ""));
    ASSERT_EQ(3u, m_boxes.GetShown().size());
    EXPECT_NE(-1, m_boxes.GetShown()[0].text.Find("no such table: NOSUCH"));
    EXPECT_NE(-1, m_boxes.GetShown()[1].text.Find("Database error. "));
    EXPECT_NE(-1, m_boxes.GetShown()[1].text.Find("no such table: NOSUCH"));
    EXPECT_NE(-1, m_boxes.GetShown()[2].text.Find("no such column: STRING"));
    EXPECT_EQ(1u, Column(db, "RECIPE", "TITLE").size());

    m_boxes.ClearShown();
    CPortRecordset rs(&db);
    EXPECT_FALSE(db.OpenRecordset(&rs, "Broken", "SELECT * FROM NOSUCH"));
    ASSERT_EQ(1u, m_boxes.GetShown().size());
    EXPECT_EQ(0, m_boxes.GetShown()[0].text.Find("Error obtaining Broken Recordset: \r\n"));
}

TEST_F(CookbookDatabaseTest, LongDirectionsAndAwkwardTextRoundTrip)
{
    CRMDatabase db;
    ASSERT_TRUE(OpenFile(db, Copy(fixture::TemplatePath(), "text.tws")));
    ASSERT_TRUE(db.GetRecordset()->OpenTable("RECIPE", "SELECT * FROM RECIPE", nullptr));
    CFieldValue directions;
    CFieldValue title;
    CFieldValue id;
    ASSERT_TRUE(db.GetRecordset()->GetFieldValue("DIRECTIONS", directions));
    ASSERT_TRUE(db.GetRecordset()->GetFieldValue("TITLE", title));
    ASSERT_TRUE(db.GetRecordset()->GetFieldValue("RECIPE", id));
    db.GetRecordset()->Close();

    std::string longText;
    while (longText.size() < 10000)
        longText += "Stir 50% of the 'sauce' in; ";
    directions.SetText(longText.c_str());
    title.SetText("O'Brien's 100% NULL_soup");
    id.SetText("000001");
    CStringList columns;
    columns.AddTail("RECIPE");
    columns.AddTail("TITLE");
    columns.AddTail("DIRECTIONS");
    CObList values;
    values.AddTail(&id);
    values.AddTail(&title);
    values.AddTail(&directions);
    ASSERT_TRUE(db.ExecuteDirect(db.BuildInsertFromLists("RECIPE", &columns, &values))) << m_boxes.GetAllTexts();
    db.ExecuteSQL("INSERT INTO RECIPE (RECIPE, TITLE) VALUES ('000002', 'O''Brien''s 100 NULL soup')");

    EXPECT_EQ(longText, Column(db, "RECIPE", "DIRECTIONS", "RECIPE='000001'").at(0));
    const auto like = [&](const char* pattern, BOOL startsWith) {
        return Column(db, "RECIPE", "TITLE", db.BuildLikeClause("RECIPE", "TITLE", pattern, startsWith));
    };
    EXPECT_EQ((std::vector<std::string>{"O'Brien's 100% NULL_soup"}), like("100%", FALSE));
    EXPECT_EQ((std::vector<std::string>{"O'Brien's 100% NULL_soup"}), like("NULL_", FALSE));
    EXPECT_EQ(2u, like("o'brien", TRUE).size());
    EXPECT_TRUE(like("Brien", TRUE).empty());
}

TEST_F(CookbookDatabaseTest, FindRowByValueReadsTextIdsAsNumbers)
{
    CRMDatabase db;
    ASSERT_TRUE(OpenFile(db, Copy(fixture::TemplatePath(), "find.tws")));
    db.ExecuteSQL("INSERT INTO RECIPE (RECIPE, TITLE) VALUES ('000123', 'Jim''s stew')");
    long id = 0;
    EXPECT_TRUE(db.FindRowByValue(IDS_TBL_RECIPE, IDS_COL_RECIPE_TITLE, "Jim's stew", IDS_COL_RECIPE_RECIPE, id));
    EXPECT_EQ(123, id);
    EXPECT_FALSE(db.FindRowByValue(IDS_TBL_RECIPE, IDS_COL_RECIPE_TITLE, "none", IDS_COL_RECIPE_RECIPE, id));
}

TEST_F(CookbookDatabaseTest, ValidateTableFindsTablesAndSavedQueriesExactly)
{
    CRMDatabase db;
    ASSERT_TRUE(OpenFile(db, Copy(fixture::TemplatePath(), "catalogue.tws")));
    EXPECT_TRUE(db.ValidateTable(IDS_TBL_RECIPE));
    EXPECT_TRUE(db.ValidateTable(IDS_QRY_SHOW_RECIPE_CATS));
    EXPECT_TRUE(db.ValidateTable(IDS_QRY_NEW_SHOW_INGREDIENTS));
    EXPECT_FALSE(db.ValidateTable(IDS_DATABASE_ERROR));
}

}  // namespace
