// Cookbooks and values made to break the data layer: ids that carry SQL, files that are no
// cookbook, a cookbook another connection holds, a transaction that cannot begin and a query
// that fails when it runs again.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "database/Nutrition.h"
#include "database/PortRecordset.h"
#include "database/RMDatabase.h"
#include "framework/DBException.h"
#include "framework/Database.h"
#include "framework/TestFiles.h"
#include "res/resource.h"
#include "support/CookbookFixture.h"
#include "support/QueryColumn.h"

namespace {

// A cookbook whose transactions can be made to fail at their beginning.
class CBeginRefusingDatabase : public CRMDatabase
{
public:
    BOOL m_bRefuseBegin = FALSE;

protected:
    short SetAutoCommit(BOOL bOn) override
    {
        return m_bRefuseBegin && !bOn ? short(-1) : CRMDatabase::SetAutoCommit(bOn);
    }
};

class HostileInputTest : public fixture::CookbookTest
{
protected:
    void TearDown() override
    {
        m_db.CloseRecordsets();
        m_db.Close();
        fixture::CookbookTest::TearDown();
    }

    std::string CopyDefault() { return Copy(fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS", "cookbook.tws"); }

    void OpenDefault()
    {
        m_path = CopyDefault();
        ASSERT_TRUE(m_db.OpenCookbookFile(m_path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE))
            << m_boxes.GetAllTexts();
    }

    BOOL OpenCookbook(const std::string& path)
    {
        return m_db.OpenCookbookFile(path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE);
    }

    size_t Rows(const std::string& sql) { return Column(sql).size(); }
    std::vector<std::string> Column(const std::string& sql) { return fixture::QueryColumn(m_db, sql, m_boxes); }

    std::string m_path;
    CBeginRefusingDatabase m_db;
};

// Runs statements on a file through a connection of its own, outside the code under test.
void ExecuteOn(const std::string& path, std::initializer_list<const char*> statements)
{
    CDatabase db;
    db.Open(nullptr, FALSE, FALSE, ("ODBC;DRIVER={SQLite3};DBQ=" + path + ";").c_str());
    for (const char* sql : statements)
        db.ExecuteSQL(sql);
}

const CRecordId kInjectedId(CString("1'OR'1"));

TEST_F(HostileInputTest, AnIdCarryingSqlMatchesNoRow)
{
    OpenDefault();
    NUTRITION profile;
    profile.m_calories = 12345.0f;
    const struct
    {
        const char* what;
        std::function<BOOL()> write;
        const char* otherRows;
    } rows[] = {
        {"nutrition save", [&] { return m_db.SaveNutrition(profile, 'I', kInjectedId, TRUE); },
         "SELECT ITEM_ID || '/' || CALORIES FROM ING_NUTRITION WHERE ITEM_ID<>'1''OR''1' ORDER BY ITEM_ID"},
        {"meal-plan delete", [&] { return m_db.DeleteMenu(kInjectedId, TRUE); }, "SELECT MENU FROM MENU ORDER BY MENU"},
        {"reference delete", [&] { return m_db.DeleteReference(kInjectedId); },
         "SELECT REFID FROM REFERENC ORDER BY REFID"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        const std::vector<std::string> before = Column(row.otherRows);
        ASSERT_FALSE(before.empty());
        row.write();
        EXPECT_TRUE(before == Column(row.otherRows)) << m_boxes.GetAllTexts();
    }
}

// As text "12" sorts above "000100": the next id would then be "000013", which may be taken.
TEST_F(HostileInputTest, HighestIdComparesIdsAsNumbers)
{
    OpenDefault();
    ExecuteOn(m_path, {"INSERT INTO REFERENC (REFID, REFTYPE, NAME) VALUES ('000100', 'T', 'Six digits')",
                       "INSERT INTO REFERENC (REFID, REFTYPE, NAME) VALUES ('12', 'T', 'Short id')"});
    EXPECT_STREQ("000100", m_db.GetHighestRecordId(IDS_TBL_REFERENC, IDS_COL_REFERENC_REFID).GetText());
}

// A file that fails the check must not have been upgraded first: it stays byte for byte.
TEST_F(HostileInputTest, FilesThatAreNoCookbookAreRefusedUnchanged)
{
    const std::string otherTables[] = {"COOKBOOK", "INGREDNT",      "MISC",          "BASIC",        "NUTRITION",
                                       "QUANTITY", "ING_NUTRITION", "RCP_NUTRITION", "CATEGORY",     "CAT_ITEM",
                                       "HICAT",    "RCP_CAT_ITEM",  "MENU_CAT_ITEM", "ING_CAT_ITEM", "REFERENC",
                                       "REFITEM",  "SHOPPING",      "SH_ITEM",       "CALENDAR",     "MENU",
                                       "MN_ITEM",  "STORE",         "STORE_SEC"};
    const struct
    {
        const char* what;
        std::string source;
        bool foreign;
    } rows[] = {
        {"version 1.2 without RECIPE", fixture::OldCookbookPath(), false},
        {"version 1.3 without RECIPE", fixture::TemplatePath(), false},
        {"version 1.2 with DBVERSION alone", fixture::OldCookbookPath(), true},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        const std::string path = Copy(row.source, "refused.tws");
        ExecuteOn(path, {"ALTER TABLE RECIPE RENAME TO RECIPE_OLD"});
        for (const std::string& table : otherTables)
        {
            if (row.foreign)
                ExecuteOn(path, {("DROP TABLE IF EXISTS " + table).c_str()});
        }
        const testfiles::Bytes before = testfiles::ReadAll(path);
        EXPECT_FALSE(OpenCookbook(path));
        m_db.Close();
        EXPECT_TRUE(before == testfiles::ReadAll(path));
    }
}

// Another program's lock is waited for a few seconds, then named; the open fails.
TEST_F(HostileInputTest, ACookbookLockedElsewhereIsReportedInUse)
{
    const std::string path = CopyDefault();
    CDatabase holder;
    holder.Open(nullptr, FALSE, FALSE, ("ODBC;DRIVER={SQLite3};DBQ=" + path + ";").c_str());
    holder.ExecuteSQL("BEGIN EXCLUSIVE");
    EXPECT_FALSE(OpenCookbook(path));
    CString inUse;
    inUse.LoadString(IDS_COOKBOOK_IN_USE);
    EXPECT_NE(-1, m_boxes.GetAllTexts().Find(inUse)) << m_boxes.GetAllTexts();
    holder.ExecuteSQL("ROLLBACK");
}

// Writes that cannot run inside a transaction do not run at all: nothing is kept, as reported.
TEST_F(HostileInputTest, AWriteWhoseTransactionCannotBeginChangesNothing)
{
    OpenDefault();
    const char* const kLinksAndReferences = "SELECT REFID FROM REFITEM UNION ALL SELECT REFID FROM REFERENC";
    const std::vector<std::string> before = Column(kLinksAndReferences);
    const CString linkedId = Column("SELECT REFID FROM REFITEM ORDER BY REFID").front().c_str();
    m_db.m_bRefuseBegin = TRUE;
    EXPECT_FALSE(m_db.DeleteReference(CRecordId(linkedId)));
    m_db.m_bRefuseBegin = FALSE;
    EXPECT_TRUE(before == Column(kLinksAndReferences)) << m_boxes.GetAllTexts();
}

// A query that fails when it runs again (its view gone) is shown and reported; no exception
// reaches the caller.
TEST_F(HostileInputTest, AFailedRequeryIsReportedNotThrown)
{
    OpenDefault();
    ASSERT_TRUE(m_db.OpenRecipeIngredientNutrition(CRecordId(1ul))) << m_boxes.GetAllTexts();
    while (!m_db.m_pFourthRecordset->IsEOF())
        m_db.m_pFourthRecordset->MoveNext();
    ExecuteOn(m_path, {"DROP VIEW ShowRcpIngredNutrition"});
    BOOL result = TRUE;
    try
    {
        result = m_db.OpenRecipeIngredientNutrition(CRecordId(2ul));
    }
    catch (CDBException* e)
    {
        ADD_FAILURE() << "escaped: " << e->m_strError.GetString();
        e->Delete();
    }
    EXPECT_FALSE(result);
}

}  // namespace
