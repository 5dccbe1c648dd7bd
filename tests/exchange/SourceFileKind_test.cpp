#include "exchange/SourceFileKind.h"

#include <gtest/gtest.h>

#include <fstream>

#include "exchange/DbfWriter.h"
#include "support/TestDataFolder.h"

namespace {

TEST(SourceFileKind, TheFirstBytesNotTheNameChooseTheReader)
{
    std::string memo;
    const std::string table = dbftest::CDbfWriter({{"ID", 'N', 6, 0}}).Build(memo);
    const std::string jetHeader = std::string("\0\1\0\0", 4) + "Standard Jet DB" + std::string(20, '\0');
    const std::string aceHeader = std::string("\0\1\0\0", 4) + "Standard ACE DB" + std::string(20, '\0');
    struct Case
    {
        const char* name;
        std::string bytes;
        CSourceFileKind::Kind kind;
    };
    const Case cases[] = {
        {"cookbook.mdb", std::string("SQLite format 3\0", 16) + std::string(84, '\0'), CSourceFileKind::kSqlite},
        {"fruit.tws", jetHeader, CSourceFileKind::kJet},
        {"new.dbf", aceHeader, CSourceFileKind::kJet},
        {"px4001.mdb", table, CSourceFileKind::kDbf},
        {"px4001.dbf", table.substr(0, 31), CSourceFileKind::kRefused},
        {"recipes.dbf", "MMMMM----- Recipe via Meal-Master (tm) v8.05\r\n", CSourceFileKind::kRefused},
        {"empty.tws", std::string(), CSourceFileKind::kRefused},
        {"jet-short.mdb", jetHeader.substr(0, 12), CSourceFileKind::kRefused},
    };
    const std::string folder = testdata::Folder() + "\\kind_";
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::ofstream(folder + c.name, std::ios::binary | std::ios::trunc) << c.bytes;
        EXPECT_EQ(CSourceFileKind::Detect((folder + c.name).c_str()), c.kind);
    }
    EXPECT_EQ(CSourceFileKind::Detect((folder + "not-there.tws").c_str()), CSourceFileKind::kRefused);
}

}  // namespace
