#include "exchange/SourceTable.h"

#include <gtest/gtest.h>

#include "database/PortRecordset.h"
#include "exchange/DbfTable.h"
#include "exchange/ExchangeFixture.h"
#include "exchange/DbfWriter.h"
#include "framework/StringList.h"
#include "support/TestDataFolder.h"

namespace {

class SourceTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        const std::string base = testdata::Folder() + "\\source_" + name;
        dbftest::CDbfWriter writer({{"RCPID", 'N', 6, 0}, {"CHAPTER", 'C', 6, 0}, {"TITLE", 'C', 24, 0}});
        writer.Add({"101", "000001", "Apple Pie"});
        writer.Add({"102", "000001", "Salt AND Pepper"});
        writer.Add({"103", "000002", "Mum's Stew"});
        writer.Add({"104", "000002", "Gone"}, true);
        writer.Add({"1050", "000002", "Oat Cakes"});
        writer.Write(base + ".DBF", base + ".FPT");
        ASSERT_TRUE(m_dbf.Open((base + ".DBF").c_str()));
    }

    // The ids of the rows that meet the filter, in source order.
    static std::vector<std::string> Ids(CSourceTable& table)
    {
        std::vector<std::string> ids;
        for (table.Requery(); !table.IsEOF(); table.MoveNext())
        {
            CFieldValue id;
            table.GetValue("rcpid", id);
            ids.push_back(id.m_strText.GetString());
        }
        return ids;
    }

    CDbfTable m_dbf;
};

TEST_F(SourceTable, FiltersAreEvaluatedInMemoryWithAndWithoutAnIndex)
{
    struct Case
    {
        const char* filter;
        std::vector<CString> parameters;
        std::vector<std::string> ids;
    };
    const Case cases[] = {
        {"", {}, {"101", "102", "103", "1050"}},
        {"RCPID=101", {}, {"101"}},
        {"RCPID='000101'", {}, {"101"}},
        {"RCPID=?", {"001050"}, {"1050"}},
        {"CHAPTER=1 AND RCPID<>'103'", {}, {"101", "102"}},
        {"chapter = ? and rcpid <> ?", {"000002", "1050"}, {"103"}},
        {"TITLE='Salt AND Pepper'", {}, {"102"}},
        {"TITLE='Mum''s Stew'", {}, {"103"}},
        {"TITLE='apple pie'", {}, {}},
        {"TITLE='Gone'", {}, {}},
        {"MISSING='x'", {}, {}},
        {"MISSING<>'x'", {}, {"101", "102", "103", "1050"}},
    };
    for (const bool indexed : {false, true})
    {
        CSourceTable table;
        table.Load(m_dbf);
        if (indexed)
        {
            table.CreateIndex("RCPID");
            table.CreateIndex("CHAPTER");
            table.CreateIndex("TITLE");
        }
        for (const Case& c : cases)
        {
            SCOPED_TRACE(std::string(c.filter) + (indexed ? " (indexed)" : ""));
            ASSERT_TRUE(table.SetFilter(c.filter));
            table.SetParameters(c.parameters);
            EXPECT_EQ(Ids(table), c.ids);
        }
    }
}

TEST_F(SourceTable, AFilterItCannotReadIsRefusedAndTheOldOneKept)
{
    CSourceTable table;
    table.Load(m_dbf);
    ASSERT_TRUE(table.SetFilter("RCPID=103"));
    for (const char* filter : {"RCPID", "RCPID=Apple", "RCPID=101 AND", "TITLE='open"})
    {
        SCOPED_TRACE(filter);
        EXPECT_FALSE(table.SetFilter(filter));
        EXPECT_EQ(Ids(table), std::vector<std::string>{"103"});
    }
}

TEST_F(SourceTable, AColumnListKeepsOnlyTheColumnsTheTableHas)
{
    CStringList columns;
    columns.AddTail("title");
    columns.AddTail("RCPID");
    columns.AddTail("PROTEIN");
    CSourceTable table;
    table.Load(m_dbf, &columns);
    ASSERT_EQ(table.GetColumnCount(), 2);
    EXPECT_EQ(table.GetColumn(0).m_strName, "RCPID");
    EXPECT_EQ(table.GetColumn(0).m_nSqlType, CFieldValue::typeNumeric);
    EXPECT_EQ(table.GetColumn(1).m_strName, "TITLE");
    EXPECT_EQ(table.GetColumn(1).m_nSqlType, CFieldValue::typeChar);
    EXPECT_EQ(table.FindColumn("CHAPTER"), -1);

    table.Requery();
    CFieldValue protein;
    protein.m_nSqlType = CFieldValue::typeDouble;
    protein.m_dValue = 7;
    table.GetValue("PROTEIN", protein);
    EXPECT_EQ(protein.m_nSqlType, CFieldValue::typeChar);
    EXPECT_EQ(protein.m_strText, "");
    double number = 5;
    GetFieldValueDouble(protein, number);
    EXPECT_EQ(number, 0);
}

class OdbcSourceTable : public exchangetest::ExchangeTest
{
};

TEST_F(OdbcSourceTable, ARecordsetIsReadOnceAndFilteredInMemory)
{
    CPortRecordset recordset(&m_db);
    ASSERT_TRUE(recordset.OpenTable("RECIPE", "SELECT RECIPE, TITLE FROM RECIPE", nullptr));
    CSourceTable table;
    table.Load(recordset);
    ASSERT_EQ(table.GetColumnCount(), 2);
    EXPECT_EQ(table.GetMatchCount(), 48);

    ASSERT_TRUE(table.SetFilter("RECIPE=?"));
    table.SetParameters({"1"});
    table.Requery();
    ASSERT_EQ(table.GetMatchCount(), 1);
    CFieldValue id;
    table.GetValue("RECIPE", id);
    EXPECT_EQ(id.m_strText, "000001");
    CFieldValue title;
    table.GetValue("TITLE", title);
    EXPECT_FALSE(title.m_strText.IsEmpty());

    CString quoted = title.m_strText;
    quoted.Replace("'", "''");
    ASSERT_TRUE(table.SetFilter("TITLE='" + quoted + "' AND RECIPE<>'000001'"));
    table.Requery();
    EXPECT_EQ(table.GetMatchCount(), 0);
}

}  // namespace
