// The import engine over configured sources: the table of tables, column binding, the version
// checks, indexing and its stop, on FoxPro tables written here and SQLite stand-ins.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/FieldValue.h"
#include "database/RecordId.h"
#include "exchange/Arbiter.h"
#include "exchange/DbfSource.h"
#include "exchange/RecipeImporter.h"
#include "exchange/SourceRecordset.h"
#include "res/resource.h"
#include "shell/settings/ProgramDirectory.h"
#include "support/CookbookFixture.h"

#include "ConfiguredSource.h"
#include "DbfWriter.h"
#include "ExchangeFixture.h"
#include "SourceFixture.h"

namespace {

using dbftest::CDbfWriter;
using sourcetest::TitleOnlyImporter;
using sourcetest::Translated;

class ArbiterTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        fixture::CookbookTest::SetUp();
        CProgramDirectory::SetProgramDirectory(m_folder.c_str());
        CreateDirectoryA((m_folder + "\\RESOURCE").c_str(), nullptr);
        m_config = Copy(fixture::BuildFolder() + "\\resource\\CONFIG.MDB", "RESOURCE\\CONFIG.MDB");
    }

    void Execute(const std::string& path, const std::vector<std::string>& statements)
    {
        sourcetest::Execute(path, m_config, statements);
    }

    // A FoxPro folder of the Brevana kind: every configured table, the recipe table without its
    // SUBTITLE column and with encrypted directions.
    std::string WriteBrevanaSource(bool withHiCat = true)
    {
        const std::string folder = m_folder + "\\brevana";
        CreateDirectoryA(folder.c_str(), nullptr);
        auto write = [&](const char* name, const CDbfWriter& table) {
            table.Write(folder + "\\" + name + ".dbf", folder + "\\" + name + ".fpt");
        };
        CDbfWriter chapters({{"CHAPTERID", 'N', 6, 0}, {"TITLE", 'C', 30, 0}});
        chapters.Add({"7", "Puddings"});
        write("PX4011", chapters);
        CDbfWriter recipes({{"CHAPTERID", 'N', 6, 0},
                            {"RECIPEID", 'N', 8, 0},
                            {"TITLE", 'C', 40, 0},
                            {"SERVINGS", 'N', 4, 0},
                            {"DIRECTIONS", 'M', 10, 0}});
        recipes.Add({"7", "101", Translated("Bread Pudding"), "6", Translated("Soak the bread.")});
        recipes.Add({"7", "1234567", "Too Far", "2", ""});
        write("PX4012", recipes);
        write("PX4014",
              CDbfWriter({{"CIID", 'N', 6, 0}, {"CATID", 'N', 6, 0}, {"TYPE", 'C', 1, 0}, {"ITEMID", 'N', 6, 0}}));
        write("PX4015", CDbfWriter({{"QTYID", 'N', 6, 0}, {"RECIPEID", 'N', 6, 0}}));
        write("PX4016", CDbfWriter({{"INGID", 'N', 6, 0}, {"NAME", 'C', 30, 0}}));
        if (withHiCat)
            write("PX4017", CDbfWriter({{"CATID", 'N', 6, 0}, {"PARENTID", 'N', 6, 0}, {"NAME", 'C', 30, 0}}));
        write("PX4018", CDbfWriter({{"REFID", 'N', 6, 0}, {"REFTYPE", 'C', 1, 0}}));
        write("PX4019", CDbfWriter({{"LINKTYPE", 'C', 1, 0}, {"LINKID", 'N', 6, 0}, {"REFID", 'N', 6, 0}}));
        write("PX4020", CDbfWriter({{"INGID", 'N', 6, 0}, {"CARBO", 'N', 8, 2}, {"ALCOHOL", 'N', 8, 2}}));
        return folder + "\\PX4011.DBF";
    }

    // An SQLite stand-in of the Tablewise kind with the given DBVERSION rows (made from a copy of
    // the configuration, whose own Nutrition table gives way).
    std::string WriteTablewiseSource(const std::vector<std::string>& versions)
    {
        const std::string path = m_folder + "\\tablewise.mdb";
        DeleteFileA(path.c_str());
        std::vector<std::string> statements = {
            "CREATE TABLE Chapters (CHAPTERID INTEGER, TITLE TEXT)",
            "INSERT INTO Chapters VALUES (3, 'Soups')",
            "CREATE TABLE Recipes (CHAPTERID INTEGER, RECIPEID INTEGER, STATUS TEXT, TITLE TEXT, SUBTITLE TEXT,"
            " SERVINGS INTEGER, DIRECTIONS TEXT)",
            "INSERT INTO Recipes VALUES (3, 12, '', 'Leek Soup', 'Winter', 4, 'Sweat the leeks.')",
            "CREATE TABLE CategoryItems (CIID INTEGER, CATID INTEGER, TYPE TEXT, ITEMID INTEGER)",
            "CREATE TABLE Quantities (QTYID INTEGER, RECIPEID INTEGER)",
            "CREATE TABLE Ingredients (INGID INTEGER, NAME TEXT)",
            "CREATE TABLE Categories (CATID INTEGER, PARENTID INTEGER, NAME TEXT, TYPE TEXT)",
            "CREATE TABLE RefSources (REFID INTEGER, REFTYPE TEXT)",
            "CREATE TABLE RefLinks (RIID INTEGER, LINKTYPE TEXT, LINKID INTEGER, REFID INTEGER)",
            "DROP TABLE Nutrition",
            "CREATE TABLE Nutrition (NUTID INTEGER, INGID INTEGER, SOURCE TEXT, SERVING TEXT, UPDATED TEXT,"
            " CARBO REAL, ALCOHOL REAL)",
            "CREATE TABLE DBVERSION (VERSION TEXT)"};
        for (const std::string& version : versions)
            statements.push_back("INSERT INTO DBVERSION VALUES ('" + version + "')");
        Execute(path, statements);
        return path;
    }

    std::string m_config;
};

struct KindCase
{
    UINT kind;
    const char* chapter;
    const char* hiCat;
};

TEST_F(ArbiterTest, TheShippedTableOfTablesNamesEveryKindsTables)
{
    const KindCase cases[] = {{IDS_SOURCE_PANTRIX_IMPORT, "PX4011", "#NULL#"},
                              {IDS_SOURCE_PANTRIX_MASTER, "PX4011", "#NULL#"},
                              {IDS_SOURCE_BREVANA_IMPORT, "PX4011", "PX4017"},
                              {IDS_SOURCE_BREVANA_MASTER, "PX4011", "PX4017"},
                              {IDS_SOURCE_TABLEWISE_IMPORT, "Chapters", "Categories"}};
    CArbiter arbiter;
    for (const KindCase& item : cases)
    {
        ASSERT_TRUE(arbiter.LoadTableOfTables(item.kind)) << item.kind << m_boxes.GetAllTexts();
        EXPECT_EQ(arbiter.GetSourceTableName(CArbiter::kChapter), item.chapter);
        EXPECT_EQ(arbiter.GetSourceTableName(CArbiter::kHiCat), item.hiCat);
        EXPECT_EQ(arbiter.GetSourceTableName(CArbiter::kMenu), "#NULL#");
        EXPECT_NE(arbiter.GetSourceTableName(CArbiter::kQuantity), "#NULL#");
    }
    EXPECT_FALSE(arbiter.LoadTableOfTables(IDS_COOKBOOK_DATA_SOURCE));
}

TEST_F(ArbiterTest, TableOfTablesRowsAndColumns)
{
    // The first of two rows of a kind wins; an empty cell and a missing column both give none.
    Execute(m_config, {"DROP TABLE TableOfTables", "CREATE TABLE TableOfTables (Type TEXT, Chapter TEXT, Recipe TEXT)",
                       "INSERT INTO TableOfTables VALUES ('brevana import', 'LOWER', 'LOWER')",
                       "INSERT INTO TableOfTables VALUES ('Brevana Import', '', 'FIRST')",
                       "INSERT INTO TableOfTables VALUES ('Brevana Import', 'SECOND', 'SECOND')"});
    CArbiter arbiter;
    ASSERT_TRUE(arbiter.LoadTableOfTables(IDS_SOURCE_BREVANA_IMPORT)) << m_boxes.GetAllTexts();
    EXPECT_EQ(arbiter.GetSourceTableName(CArbiter::kChapter), "#NULL#");
    EXPECT_EQ(arbiter.GetSourceTableName(CArbiter::kRecipe), "FIRST");
    EXPECT_EQ(arbiter.GetSourceTableName(CArbiter::kNutrition), "#NULL#");
    EXPECT_FALSE(arbiter.LoadTableOfTables(IDS_SOURCE_PANTRIX_IMPORT));
}

TEST_F(ArbiterTest, AFoxProSourceIsBoundByFieldNumberAndReadByPosition)
{
    const std::string chosen = WriteBrevanaSource();
    const std::string before = exchangetest::ReadBytes(m_folder + "\\brevana\\PX4012.dbf") +
                               exchangetest::ReadBytes(m_folder + "\\brevana\\PX4012.fpt");
    CArbiter arbiter;
    ASSERT_TRUE(arbiter.OpenSource(IDS_DRIVER_FOXPRO, IDS_SOURCE_BREVANA_IMPORT, chosen.c_str()))
        << m_boxes.GetAllTexts();
    EXPECT_EQ(arbiter.GetDriverId(), static_cast<UINT>(IDS_DRIVER_FOXPRO));
    EXPECT_EQ(arbiter.GetSourceKind(), IDS_SOURCE_BREVANA_IMPORT);

    // The link table lacks the Access-only first column: its bound fields close up over it.
    CSourceRecordset* pLinks = arbiter.GetSourceTable(CArbiter::kRefItem);
    ASSERT_NE(pLinks, nullptr);
    EXPECT_FALSE(pLinks->IsPositionBound(0));
    EXPECT_EQ(pLinks->GetBoundColumn(0), "LINKTYPE");
    EXPECT_EQ(arbiter.GetSourceTable(CArbiter::kNutrition)->GetBoundColumn(1), "CARBO");
    EXPECT_EQ(arbiter.GetSourceTable(CArbiter::kMenu), nullptr);

    // SUBTITLE (position 4) is missing: it reads empty and servings stay at position 5.
    CSourceRecordset* pRecipes = arbiter.GetSourceTable(CArbiter::kRecipe);
    ASSERT_NE(pRecipes, nullptr);
    ASSERT_TRUE(pRecipes->SetFilter(pRecipes->GetPositionColumn(1) + "=?"));
    pRecipes->SetParameters({"000101"});
    pRecipes->Requery();
    ASSERT_FALSE(pRecipes->IsEOF());
    CFieldValue value;
    pRecipes->ReadPosition(4, value);
    EXPECT_EQ(value.m_strText, "");
    pRecipes->ReadPosition(5, value);
    short servings = 0;
    GetFieldValueShort(value, servings);
    EXPECT_EQ(servings, 6);
    pRecipes->ReadPosition(3, value);
    EXPECT_EQ(value.m_strText, "Bread Pudding");
    pRecipes->ReadPosition(21, value);
    EXPECT_EQ(value.m_strText, "Soak the bread.");

    EXPECT_EQ(exchangetest::ReadBytes(m_folder + "\\brevana\\PX4012.dbf") +
                  exchangetest::ReadBytes(m_folder + "\\brevana\\PX4012.fpt"),
              before);
}

TEST_F(ArbiterTest, AnAccessSourceIsBoundByFieldName)
{
    const std::string path = WriteTablewiseSource({"1.1"});
    const std::string before = exchangetest::ReadBytes(path);
    {
        CArbiter arbiter;
        ASSERT_TRUE(arbiter.OpenSource(IDS_DRIVER_ACCESS, IDS_SOURCE_TABLEWISE_IMPORT, path.c_str()))
            << m_boxes.GetAllTexts();
        EXPECT_EQ(arbiter.GetSourceTable(CArbiter::kRefItem)->GetBoundColumn(1), "LINKTYPE");
        EXPECT_EQ(arbiter.GetSourceTable(CArbiter::kNutrition)->GetBoundColumn(5), "CARBO");
        CSourceRecordset* pRecipes = arbiter.GetSourceTable(CArbiter::kRecipe);
        pRecipes->Requery();
        CFieldValue value;
        pRecipes->ReadPosition(4, value);
        EXPECT_EQ(value.m_strText, "Winter");
        // Texts of an Access source are stored plain.
        pRecipes->ReadPosition(21, value);
        EXPECT_EQ(value.m_strText, "Sweat the leeks.");
    }
    EXPECT_EQ(exchangetest::ReadBytes(path), before);
}

struct VersionCase
{
    UINT kind;
    std::vector<std::string> versions;
    bool passes;
};

// The versions of cookbooks of the program's own schema are checked on real cookbooks
// (SourceCookbook tests).
TEST_F(ArbiterTest, VersionChecks)
{
    const VersionCase cases[] = {{IDS_SOURCE_TABLEWISE_IMPORT, {"1.1"}, true},
                                 {IDS_SOURCE_TABLEWISE_IMPORT, {"1.2"}, false},
                                 {IDS_SOURCE_TABLEWISE_IMPORT, {}, true},
                                 {IDS_SOURCE_TABLEWISE_IMPORT, {"one"}, false},
                                 {IDS_COOKBOOK_DATA_SOURCE, {"1.3"}, false}};
    for (const VersionCase& item : cases)
    {
        const std::string path = WriteTablewiseSource(item.versions);
        CArbiter arbiter;
        EXPECT_EQ(arbiter.OpenSource(IDS_DRIVER_ACCESS, item.kind, path.c_str()) != FALSE, item.passes)
            << item.kind << " " << (item.versions.empty() ? "none" : item.versions[0]);
    }
}

TEST_F(ArbiterTest, APantrixSourceWithoutItsCategoryItemsIsRefused)
{
    const std::string folder = m_folder + "\\pantrix";
    CreateDirectoryA(folder.c_str(), nullptr);
    CDbfWriter chapters({{"CHAPTERID", 'N', 6, 0}});
    chapters.Write(folder + "\\PX4001.dbf", "");
    chapters.Write(folder + "\\PX4013.dbf", "");
    CArbiter arbiter;
    EXPECT_FALSE(arbiter.OpenSource(IDS_DRIVER_FOXPRO, IDS_SOURCE_PANTRIX_IMPORT, (folder + "\\PX4001.dbf").c_str()));
    EXPECT_GE(m_boxes.GetAllTexts().Find("Pantrix 5.0 can only import from the latest version"), 0);
}

TEST_F(ArbiterTest, AStopWhileIndexingFailsTheOpening)
{
    const std::string chosen = WriteBrevanaSource();
    TitleOnlyImporter importer;
    importer.StartProgress(nullptr, "Indexing stop");
    HWND progress = FindWindowA(nullptr, "Indexing stop");
    ASSERT_NE(progress, nullptr);
    SendMessageA(progress, WM_COMMAND, IDCANCEL, 0);
    CArbiter arbiter(&importer);
    EXPECT_FALSE(arbiter.OpenSource(IDS_DRIVER_FOXPRO, IDS_SOURCE_BREVANA_IMPORT, chosen.c_str()));
    EXPECT_EQ(importer.GetStatus(), CRecipeImporter::kAborted);
    importer.EndProgress();
}

TEST_F(ArbiterTest, IndexingReportsEachTableAndItsShareDone)
{
    const std::string chosen = WriteBrevanaSource();
    TitleOnlyImporter importer;
    importer.StartProgress(nullptr, "Indexing progress");
    HWND progress = FindWindowA(nullptr, "Indexing progress");
    ASSERT_NE(progress, nullptr);
    CArbiter arbiter(&importer);
    ASSERT_TRUE(arbiter.OpenSource(IDS_DRIVER_FOXPRO, IDS_SOURCE_BREVANA_IMPORT, chosen.c_str()));
    char text[80] = "";
    GetDlgItemTextA(progress, IDC_PROGRESS_MESSAGE2, text, sizeof text);
    EXPECT_STREQ(text, "Indexing Table: PX4020");

    // Four columns show 0, 25, 50 and 75 per cent, never 100.
    CSourceRecordset links("PX4014");
    CDbfSource folder;
    ASSERT_TRUE(folder.Open(chosen.c_str()));
    ASSERT_TRUE(folder.OpenTable("PX4014", links));
    for (const char* column : {"CIID", "CATID", "TYPE", "ITEMID"})
        links.BindNextPosition(column, FALSE, CString(column) == "ITEMID");
    ASSERT_TRUE(arbiter.CreateIndexes(links));
    GetDlgItemTextA(progress, IDC_PROGRESS_MESSAGE1, text, sizeof text);
    EXPECT_STREQ(text, "Percent Complete: 75%");
    importer.EndProgress();
}

TEST_F(ArbiterTest, AConfiguredTableMissingFromTheSourceFailsTheOpening)
{
    const std::string chosen = WriteBrevanaSource(false);
    CArbiter arbiter;
    EXPECT_FALSE(arbiter.OpenSource(IDS_DRIVER_FOXPRO, IDS_SOURCE_BREVANA_IMPORT, chosen.c_str()));
}

TEST_F(ArbiterTest, OnlyExistingAccessOrFoxProFilesAreRegistered)
{
    const struct
    {
        const char* name;
        bool registered;
    } cases[] = {{"source.mdb", true}, {"SOURCE.DBF", true}, {"source.txt", false}, {"missing.mdb", false}};
    for (const auto& item : cases)
    {
        const std::string path = m_folder + "\\" + item.name;
        if (CString(item.name).Find("missing") < 0)
        {
            CopyFileA(m_config.c_str(), path.c_str(), FALSE);
        }
        CArbiter arbiter;
        EXPECT_EQ(arbiter.RegisterSourceFile(IDS_DRIVER_ACCESS, IDS_SOURCE_TABLEWISE_IMPORT, path.c_str()) != FALSE,
                  item.registered)
            << item.name;
    }
}

TEST(ArbiterSourceId, NumbersBeyondARecordIdAreRefused)
{
    struct Case
    {
        const char* text;
        bool read;
        const char* id;
    } cases[] = {{"101", true, "000101"},
                 {"999999", true, "999999"},
                 {"1000000", false, ""},
                 {"-3", false, ""},
                 {"", true, "000000"}};
    for (const Case& item : cases)
    {
        CFieldValue value;
        value.m_nSqlType = CFieldValue::typeNumeric;
        value.SetText(item.text);
        CRecordId id;
        EXPECT_EQ(CArbiter::ReadSourceId(value, id) != FALSE, item.read) << item.text;
        if (item.read)
        {
            EXPECT_STREQ(id.GetText(), item.id);
        }
    }
}

}  // namespace
