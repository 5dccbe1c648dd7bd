// Sources opened by their first bytes, read whole and filtered in memory: an Access file of a
// Debian documentation package through the MDBTools driver.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "database/FieldValue.h"
#include "exchange/ImportSource.h"
#include "exchange/SourceTable.h"
#include "support/CookbookFixture.h"
#include "support/TestDataFolder.h"

#include "ExchangeFixture.h"

namespace {

class ImportSourceTest : public fixture::CookbookTest
{
};

int ReadNumber(const CSourceTable& table, const char* column)
{
    CFieldValue value;
    table.GetValue(column, value);
    int number = -1;
    GetFieldValueInt(value, number);
    return number;
}

TEST_F(ImportSourceTest, AnAccessTableIsReadWholeAndFilteredInMemory)
{
    // tools/bootstrap.sh installs the package that holds the file; the build unpacks it.
    const std::string sample = testdata::WindowsPath(SAVORUM_JET_SAMPLE);
    ASSERT_NE(GetFileAttributesA(sample.c_str()), INVALID_FILE_ATTRIBUTES)
        << sample << " is missing: install fp-units-db (tools/bootstrap.sh) and build again";
    const std::string path = Copy(sample, "sample.mdb");
    const std::string before = exchangetest::ReadBytes(path);

    CImportSource source;
    ASSERT_TRUE(source.Open(path.c_str())) << m_boxes.GetAllTexts();
    CSourceTable table;
    ASSERT_TRUE(source.OpenTable("FPdev", table)) << m_boxes.GetAllTexts();
    ASSERT_EQ(table.GetColumnCount(), 3);
    EXPECT_EQ(table.GetColumn(0).m_strName, "id");
    EXPECT_EQ(table.GetColumn(0).m_nSqlType, CFieldValue::typeInteger);
    EXPECT_EQ(table.GetColumn(1).m_strName, "UserName");
    EXPECT_TRUE(CFieldValue::IsTextType(table.GetColumn(1).m_nSqlType)) << table.GetColumn(1).m_nSqlType;
    EXPECT_EQ(table.GetColumn(2).m_strName, "InstEmail");
    EXPECT_EQ(table.GetMatchCount(), 8);

    // A number and a text, each compared here; the driver is never asked to filter.
    ASSERT_TRUE(table.SetFilter("id = 6"));
    table.Requery();
    ASSERT_EQ(table.GetMatchCount(), 1);
    CFieldValue name;
    table.GetValue("UserName", name);
    ASSERT_FALSE(name.m_strText.IsEmpty());
    CString quoted = name.m_strText;
    quoted.Replace("'", "''");
    ASSERT_TRUE(table.SetFilter("UserName = '" + quoted + "'"));
    table.Requery();
    ASSERT_EQ(table.GetMatchCount(), 1);
    EXPECT_EQ(ReadNumber(table, "id"), 6);
    ASSERT_TRUE(table.SetFilter("id <> 6 AND UserName <> '" + quoted + "'"));
    table.Requery();
    EXPECT_EQ(table.GetMatchCount(), 7);

    EXPECT_FALSE(source.OpenTable("Fruit", table));
    EXPECT_EQ(exchangetest::ReadBytes(path), before);
}

}  // namespace
