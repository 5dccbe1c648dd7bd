#include "exchange/DbfTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "database/FieldValue.h"
#include "exchange/DbfWriter.h"
#include "support/TestDataFolder.h"

namespace {

using dbftest::CDbfWriter;

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

class DbfTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        m_base = testdata::Folder() + "\\dbf_" + name;
    }

    std::string TablePath() const { return m_base + ".DBF"; }
    std::string MemoPath() const { return m_base + ".FPT"; }

    // A recipe table: every field type, a deleted row between two live ones.
    static CDbfWriter RecipeTable()
    {
        CDbfWriter writer({{"RCPID", 'N', 6, 0},
                           {"TITLE", 'C', 20, 0},
                           {"SERVINGS", 'N', 6, 2},
                           {"CALORIES", 'F', 8, 1},
                           {"ADDED", 'D', 8, 0},
                           {"FAVOURITE", 'L', 1, 0},
                           {"NOTES", 'M', 10, 0}});
        writer.Add({"101", "Apple Pie", "6.50", "320.5", "19970412", "T", "Bake until golden."});
        writer.Add({"102", "Gone", "1", "0", "", "F", "old"}, true);
        writer.Add({"103", "Plain Bread", "", "", "", "F", ""});
        return writer;
    }

    static CString Text(const CDbfTable& table, int row, const char* field)
    {
        CFieldValue value;
        table.ReadValue(row, table.FindField(field), value);
        return value.m_strText;
    }

    std::string m_base;
};

TEST_F(DbfTable, ReadsEveryFieldKindAndSkipsDeletedRows)
{
    RecipeTable().Write(TablePath(), MemoPath());
    CDbfTable table;
    ASSERT_TRUE(table.Open(TablePath().c_str()));
    ASSERT_EQ(table.GetRowCount(), 2);
    ASSERT_EQ(table.GetFieldCount(), 7);

    EXPECT_EQ(table.FindField("title"), 1);
    EXPECT_EQ(table.FindField("MISSING"), -1);
    EXPECT_EQ(Text(table, 0, "RCPID"), "101");
    EXPECT_EQ(Text(table, 0, "TITLE"), "Apple Pie");
    EXPECT_EQ(Text(table, 0, "SERVINGS"), "6.50");
    EXPECT_EQ(Text(table, 0, "ADDED"), "19970412");
    EXPECT_EQ(Text(table, 0, "NOTES"), "Bake until golden.");
    EXPECT_EQ(Text(table, 1, "RCPID"), "103");
    EXPECT_EQ(Text(table, 1, "NOTES"), "");

    CFieldValue calories;
    table.ReadValue(0, table.FindField("CALORIES"), calories);
    EXPECT_EQ(calories.m_nSqlType, CFieldValue::typeDouble);
    EXPECT_DOUBLE_EQ(calories.m_dValue, 320.5);
    CFieldValue favourite;
    table.ReadValue(0, table.FindField("FAVOURITE"), favourite);
    EXPECT_EQ(favourite.m_nSqlType, CFieldValue::typeBit);
    EXPECT_EQ(favourite.m_lValue, 1);
    table.ReadValue(1, table.FindField("FAVOURITE"), favourite);
    EXPECT_EQ(favourite.m_lValue, 0);

    const short expected[] = {CFieldValue::typeNumeric,    CFieldValue::typeChar, CFieldValue::typeNumeric,
                              CFieldValue::typeDouble,     CFieldValue::typeChar, CFieldValue::typeBit,
                              CFieldValue::typeLongVarChar};
    for (int i = 0; i < table.GetFieldCount(); ++i)
        EXPECT_EQ(CDbfTable::SqlTypeOf(table.GetField(i)), expected[i]) << i;
}

TEST_F(DbfTable, ReadingLeavesEveryByteOfTheSource)
{
    RecipeTable().Write(TablePath(), MemoPath());
    const std::string tableBytes = ReadBytes(TablePath());
    const std::string memoBytes = ReadBytes(MemoPath());
    {
        CDbfTable table;
        ASSERT_TRUE(table.Open(TablePath().c_str()));
        EXPECT_EQ(Text(table, 0, "NOTES"), "Bake until golden.");
    }
    EXPECT_EQ(ReadBytes(TablePath()), tableBytes);
    EXPECT_EQ(ReadBytes(MemoPath()), memoBytes);
}

TEST_F(DbfTable, ADamagedHeaderRefusesTheTable)
{
    std::string memo;
    const std::string good = RecipeTable().Build(memo);
    struct Case
    {
        const char* what;
        std::string bytes;
    };
    auto with = [&good](size_t at, const std::string& patch) {
        std::string bytes = good;
        bytes.replace(at, patch.size(), patch);
        return bytes;
    };
    const Case cases[] = {
        {"empty file", std::string()},
        {"header only", good.substr(0, 20)},
        {"not a table", with(0, "SQLite format 3")},
        {"record count past the end", with(4, std::string("\xFF\xFF\x00\x00", 4))},
        {"rows cut short", good.substr(0, good.size() - 40)},
        {"header length past the end", with(8, std::string("\xFF\xFF", 2))},
        {"record length zero", with(10, std::string("\x00\x00", 2))},
        {"fields longer than the record", with(10, std::string("\x05\x00", 2))},
        {"no end of the field list", with(32 + 7 * 32, "X")},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::ofstream(TablePath(), std::ios::binary | std::ios::trunc) << c.bytes;
        CDbfTable table;
        EXPECT_FALSE(table.Open(TablePath().c_str()));
        EXPECT_EQ(table.GetRowCount(), 0);
        EXPECT_EQ(table.GetFieldCount(), 0);
    }
}

TEST_F(DbfTable, AMemoOutsideTheMemoFileReadsEmpty)
{
    std::string memo;
    const std::string table = RecipeTable().Build(memo);
    struct Case
    {
        const char* what;
        std::string memo;
    };
    std::string longLength = memo;
    longLength.replace(512 + 4, 4, dbftest::BigEndian(0x7FFFFFFF, 4));
    std::string noBlockSize = memo;
    noBlockSize.replace(6, 2, std::string(2, '\0'));
    const Case cases[] = {
        {"no memo file", std::string()},
        {"memo file cut before the block", memo.substr(0, 520)},
        {"length past the end", longLength},
        {"block size zero", noBlockSize},
    };
    std::ofstream(TablePath(), std::ios::binary | std::ios::trunc) << table;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        DeleteFileA(MemoPath().c_str());
        if (!c.memo.empty())
            std::ofstream(MemoPath(), std::ios::binary | std::ios::trunc) << c.memo;
        CDbfTable source;
        ASSERT_TRUE(source.Open(TablePath().c_str()));
        EXPECT_EQ(Text(source, 0, "NOTES"), "");
        EXPECT_EQ(Text(source, 0, "TITLE"), "Apple Pie");
    }
}

}  // namespace
