// Cookbooks and values made to break the data layer: ids that carry SQL, ids that are not six
// digits and a query that fails when it runs again.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "database/Nutrition.h"
#include "database/PortRecordset.h"
#include "database/RMDatabase.h"
#include "framework/DBException.h"
#include "framework/Database.h"
#include "res/resource.h"
#include "support/CookbookFixture.h"
#include "support/QueryColumn.h"

namespace {

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
    CRMDatabase m_db;
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

} // namespace
