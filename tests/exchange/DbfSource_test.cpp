#include "exchange/DbfSource.h"

#include <gtest/gtest.h>

#include "exchange/DbfWriter.h"
#include "exchange/SourceTable.h"
#include "support/TestDataFolder.h"

namespace {

TEST(DbfSource, TablesAreTheDbfFilesOfTheChosenFilesFolderInAnyCase)
{
    const std::string folder = testdata::Folder() + "\\dbfsource";
    CreateDirectoryA(folder.c_str(), nullptr);
    dbftest::CDbfWriter chapters({{"CHAPID", 'N', 6, 0}, {"NAME", 'C', 20, 0}});
    chapters.Add({"1", "Soups"});
    chapters.Write(folder + "\\px4001.dbf", folder + "\\px4001.fpt");
    dbftest::CDbfWriter recipes({{"RCPID", 'N', 6, 0}, {"NOTES", 'M', 10, 0}});
    recipes.Add({"7", "Simmer."});
    recipes.Write(folder + "\\Px4002.Dbf", folder + "\\Px4002.Fpt");
    std::ofstream(folder + "\\notes.txt") << "not a table";

    CDbfSource source;
    EXPECT_FALSE(source.Open((folder + "\\notes.txt").c_str()));
    ASSERT_TRUE(source.Open((folder + "\\PX4001.DBF").c_str()));

    CSourceTable table;
    ASSERT_TRUE(source.OpenTable("PX4001", table));
    table.Requery();
    CFieldValue name;
    table.GetValue("NAME", name);
    EXPECT_EQ(name.m_strText, "Soups");

    ASSERT_TRUE(source.OpenTable("px4002", table));
    table.Requery();
    CFieldValue notes;
    table.GetValue("NOTES", notes);
    EXPECT_EQ(notes.m_strText, "Simmer.");

    for (const char* missing : {"PX4014", "..\\dbfsource\\px4001", "notes"})
    {
        SCOPED_TRACE(missing);
        EXPECT_FALSE(source.OpenTable(missing, table));
        EXPECT_EQ(table.GetColumnCount(), 0);
    }
}

}  // namespace
