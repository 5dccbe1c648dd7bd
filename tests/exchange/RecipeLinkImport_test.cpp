// The categories, references and photos that an import from a configured source gives each
// recipe, on FoxPro tables written here and an SQLite stand-in of the Access kind.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/CategoryListItem.h"
#include "database/RecipeData.h"
#include "database/RefListItem.h"
#include "exchange/Arbiter.h"
#include "exchange/RecipeLinkImport.h"
#include "res/resource.h"

#include "DbfWriter.h"
#include "ExchangeFixture.h"
#include "SourceFixture.h"

namespace {

using dbftest::CDbfWriter;
using sourcetest::Translated;

class RecipeLinkImportTest : public exchangetest::ExchangeTest
{
protected:
    void SetUp() override
    {
        exchangetest::ExchangeTest::SetUp();
        CreateDirectoryA(PathOf("RESOURCE").c_str(), nullptr);
        m_config = Copy(fixture::BuildFolder() + "\\resource\\CONFIG.MDB", "RESOURCE\\CONFIG.MDB");
        m_source = PathOf("source");
        CreateDirectoryA(m_source.c_str(), nullptr);
        m_arbiter.SetTargetDatabase(&m_db);
        // Photos an earlier run copied would hide a copy that fails.
        for (const char* photo : {"plated.bmp", "cake.bmp", "whole.bmp"})
            DeleteFileA(PathOf(photo).c_str());
    }

    void WriteTable(const char* name, const CDbfWriter& table) const
    {
        table.Write(m_source + "\\" + name + ".dbf", m_source + "\\" + name + ".fpt");
    }

    // The tables every FoxPro kind configures, empty but for their key columns.
    void WriteRecipeTables() const
    {
        WriteTable("PX4011", CDbfWriter({{"CHAPTERID", 'N', 6, 0}, {"TITLE", 'C', 30, 0}}));
        CDbfWriter recipes({{"CHAPTERID", 'N', 6, 0}, {"RECIPEID", 'N', 6, 0}, {"TITLE", 'C', 40, 0}});
        recipes.Add({"1", "101", "Trifle"});
        recipes.Add({"1", "102", "Tart"});
        WriteTable("PX4012", recipes);
        WriteTable("PX4015", CDbfWriter({{"QTYID", 'N', 6, 0}, {"RECIPEID", 'N', 6, 0}}));
        WriteTable("PX4016", CDbfWriter({{"INGID", 'N', 6, 0}, {"NAME", 'C', 30, 0}}));
        WriteTable("PX4020", CDbfWriter({{"INGID", 'N', 6, 0}, {"CARBO", 'N', 8, 2}}));
    }

    void WriteCategoryItems(const std::vector<std::vector<std::string>>& rows) const
    {
        CDbfWriter items({{"CIID", 'N', 6, 0}, {"CATID", 'N', 6, 0}, {"TYPE", 'C', 1, 0}, {"ITEMID", 'N', 6, 0}});
        for (const auto& row : rows)
            items.Add(row);
        WriteTable("PX4014", items);
    }

    // Flat categories by number: 3 is a default name, 13 and 14 both file under "PX3.x Import";
    // category 5 belongs to an ingredient.
    std::string WritePantrixSource() const
    {
        WriteRecipeTables();
        CDbfWriter categories({{"CATID", 'N', 6, 0}, {"CATNUM", 'N', 4, 0}, {"NAME", 'C', 30, 0}});
        categories.Add({"1", "3", "Starters"});
        categories.Add({"2", "13", "Later"});
        categories.Add({"3", "14", "Later still"});
        categories.Add({"5", "4", "Spices"});
        WriteTable("PX4013", categories);
        WriteCategoryItems({{"1", "1", "R", "101"},
                            {"2", "2", "R", "101"},
                            {"3", "3", "R", "101"},
                            {"4", "5", "I", "101"},
                            {"5", "3", "R", "102"}});
        return m_source + "\\PX4011.DBF";
    }

    // A tree with encrypted names, photos in BITMAPS and beside the tables.
    std::string WriteBrevanaSource() const
    {
        WriteRecipeTables();
        CDbfWriter tree({{"CATID", 'N', 6, 0}, {"PARENTID", 'N', 6, 0}, {"NAME", 'C', 30, 0}});
        tree.Add({"5", "0", Translated("Desserts")});
        tree.Add({"6", "5", Translated("Cakes")});
        tree.Add({"999999", "0", "Never"});
        WriteTable("PX4017", tree);
        WriteCategoryItems({{"1", "6", "R", "101"}, {"2", "999999", "R", "101"}});
        CDbfWriter references(
            {{"REFID", 'N', 6, 0}, {"REFTYPE", 'C', 1, 0}, {"NAME", 'C', 30, 0}, {"CONTENT", 'M', 10, 0}});
        references.Add({"7", "P", Translated("Sliced"), Translated("cake.bmp")});
        references.Add({"8", "P", Translated("Whole"), Translated("whole.bmp")});
        WriteTable("PX4018", references);
        CDbfWriter links({{"LINKTYPE", 'C', 1, 0}, {"LINKID", 'N', 6, 0}, {"REFID", 'N', 6, 0}});
        links.Add({"R", "101", "7"});
        links.Add({"R", "101", "8"});
        WriteTable("PX4019", links);
        CreateDirectoryA((m_source + "\\BITMAPS").c_str(), nullptr);
        WriteBytes(m_source + "\\BITMAPS\\cake.bmp", "BM cake");
        WriteBytes(m_source + "\\whole.bmp", "BM whole");
        return m_source + "\\PX4011.DBF";
    }

    // A tree with the id "999999", a parent loop and a meal-plan category; references of kept and
    // dropped types, one photo named with a path that climbs out, one photo missing.
    std::string WriteTablewiseSource() const
    {
        const std::string path = m_source + "\\tablewise.mdb";
        DeleteFileA(path.c_str());
        sourcetest::Execute(
            path, m_config,
            {"CREATE TABLE Chapters (CHAPTERID INTEGER, TITLE TEXT)",
             "CREATE TABLE Recipes (CHAPTERID INTEGER, RECIPEID INTEGER, STATUS TEXT, TITLE TEXT)",
             "INSERT INTO Recipes VALUES (3, 12, '', 'Penne'), (3, 13, '', 'Risotto')",
             "CREATE TABLE Quantities (QTYID INTEGER, RECIPEID INTEGER)",
             "CREATE TABLE Ingredients (INGID INTEGER, NAME TEXT)", "DROP TABLE Nutrition",
             "CREATE TABLE Nutrition (NUTID INTEGER, INGID INTEGER)", "CREATE TABLE DBVERSION (VERSION TEXT)",
             "CREATE TABLE Categories (CATID INTEGER, PARENTID INTEGER, NAME TEXT, TYPE TEXT)",
             "INSERT INTO Categories VALUES (999999, 0, 'Never', 'R'), (10, 0, 'Cuisines', 'R'),"
             " (11, 10, 'Italian', 'R'), (12, 11, 'Pasta', 'R'), (20, 21, 'Loop A', 'R'), (21, 20, 'Loop B', 'R'),"
             " (30, 0, 'Plans only', 'M')",
             "CREATE TABLE CategoryItems (CIID INTEGER, CATID INTEGER, TYPE TEXT, ITEMID INTEGER)",
             "INSERT INTO CategoryItems VALUES (1, 12, 'R', 12), (2, 999999, 'R', 12), (3, 20, 'R', 12),"
             " (4, 30, 'R', 12), (5, 11, 'R', 13), (6, 10, 'M', 12)",
             "CREATE TABLE RefSources (REFID INTEGER, REFTYPE TEXT, NAME TEXT, CONTENT TEXT)",
             "INSERT INTO RefSources VALUES (1, 'P', 'Plated', '..\\..\\plated.bmp'), (2, 'T', 'Tip', 'Salt the "
             "water.'),"
             " (3, 'X', 'Other', 'x'), (4, 'P', 'Lost', 'lost.bmp')",
             "CREATE TABLE RefLinks (RIID INTEGER, LINKTYPE TEXT, LINKID INTEGER, REFID INTEGER)",
             "INSERT INTO RefLinks VALUES (1, 'R', 12, 1), (2, 'R', 12, 2), (3, 'R', 12, 3), (4, 'R', 12, 4),"
             " (5, 'M', 12, 2), (6, 'R', 13, 9)"});
        WriteBytes(m_source + "\\plated.bmp", "BM plated");
        return path;
    }

    static void WriteBytes(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::unique_ptr<CRecipeData> ImportLinks(CRecipeLinkImport& steps, unsigned long recipeId)
    {
        auto recipe = std::make_unique<CRecipeData>();
        EXPECT_TRUE(steps.ImportLinks(CRecordId(recipeId), *recipe)) << m_boxes.GetAllTexts();
        return recipe;
    }

    // The target's categories of that name.
    std::vector<CategoryListItem> TargetCategories(const char* name)
    {
        std::vector<CategoryListItem> found;
        m_db.GetCategoryTree(-1);
        const CSlotArray& tree = m_db.GetCategoryTree(0);
        for (int slot = 0; slot <= tree.GetHighestSlot(); ++slot)
            if (tree.GetAtSlot(slot) != nullptr && tree.GetAtSlot(slot)->m_name == name)
                found.push_back(*tree.GetAtSlot(slot));
        return found;
    }

    // The one target category of that name, filed under the named parent.
    CRecordId TargetCategory(const char* name, const char* parent)
    {
        const std::vector<CategoryListItem> found = TargetCategories(name);
        const std::vector<CategoryListItem> parents = TargetCategories(parent);
        EXPECT_EQ(found.size(), 1u) << name;
        EXPECT_EQ(parents.size(), 1u) << parent;
        if (found.size() != 1 || parents.size() != 1)
            return CRecordId();
        EXPECT_EQ(found[0].m_secondId, parents[0].m_id) << name;
        return found[0].m_id;
    }

    static std::vector<std::string> CategoryIds(const CRecipeData& recipe)
    {
        std::vector<std::string> ids;
        for (POSITION position = recipe.m_categories.GetHeadPosition(); position != nullptr;)
            ids.push_back(static_cast<const CategoryListItem*>(recipe.m_categories.GetNext(position))->m_id.GetText());
        return ids;
    }

    std::string m_config;
    std::string m_source;
    CArbiter m_arbiter;
};

TEST_F(RecipeLinkImportTest, NumberedCategoriesAreNamedByNumberAndMadeOnce)
{
    ASSERT_TRUE(m_arbiter.OpenSource(IDS_DRIVER_FOXPRO, IDS_SOURCE_PANTRIX_IMPORT, WritePantrixSource().c_str()))
        << m_boxes.GetAllTexts();
    CRecipeLinkImport steps(m_arbiter);
    const auto trifle = ImportLinks(steps, 101);
    const auto tart = ImportLinks(steps, 102);

    // 13 and 14 are one "PX3.x Import"; the ingredient's category stays out.
    const std::string courses = TargetCategory("Courses", "Pantrix Import").GetText();
    const std::string later = TargetCategory("PX3.x Import", "Pantrix Import").GetText();
    EXPECT_EQ(CategoryIds(*trifle), (std::vector<std::string>{courses, later}));
    EXPECT_EQ(CategoryIds(*tart), (std::vector<std::string>{later}));
    EXPECT_TRUE(TargetCategories("Cuisines").empty());
    EXPECT_EQ(trifle->m_links.GetSize(), 0);
    EXPECT_EQ(TargetCategories("Pantrix Import")[0].m_secondId, CRecordId());
}

TEST_F(RecipeLinkImportTest, TreeCategoriesReferencesAndPhotosOfAnAccessSource)
{
    const std::string path = WriteTablewiseSource();
    const std::string before = exchangetest::ReadBytes(path);
    ASSERT_TRUE(m_arbiter.OpenSource(IDS_DRIVER_ACCESS, IDS_SOURCE_TABLEWISE_IMPORT, path.c_str()))
        << m_boxes.GetAllTexts();
    CRecipeLinkImport steps(m_arbiter);
    const auto penne = ImportLinks(steps, 12);
    const auto risotto = ImportLinks(steps, 13);

    // Each category with its parents, the shared one made once; the loop ends where it closes.
    const CRecordId cuisines = TargetCategory("Cuisines", "Tablewise Import");
    const CRecordId italian = TargetCategory("Italian", "Cuisines");
    const CRecordId pasta = TargetCategory("Pasta", "Italian");
    TargetCategory("Loop B", "Tablewise Import");
    const CRecordId loop = TargetCategory("Loop A", "Loop B");
    EXPECT_EQ(CategoryIds(*penne), (std::vector<std::string>{pasta.GetText(), loop.GetText()}));
    EXPECT_EQ(CategoryIds(*risotto), (std::vector<std::string>{italian.GetText()}));
    EXPECT_TRUE(TargetCategories("Never").empty());
    EXPECT_TRUE(TargetCategories("Plans only").empty());
    EXPECT_NE(cuisines, CRecordId());

    // Photos and topics are kept and saved; the photo is copied beside the cookbook by its name
    // alone, and the missing one is reported.
    ASSERT_EQ(penne->m_links.GetSize(), 3);
    const RefListItem* pPlated = penne->m_links.GetRefAt(0);
    EXPECT_EQ(pPlated->m_type, 'P');
    EXPECT_EQ(pPlated->m_name, "Plated");
    EXPECT_EQ(pPlated->m_content, "plated.bmp");
    EXPECT_EQ(penne->m_links.GetRefAt(1)->m_content, "Salt the water.");
    EXPECT_EQ(penne->m_links.GetRefAt(2)->m_content, "lost.bmp");
    for (int i = 0; i < penne->m_links.GetSize(); ++i)
        EXPECT_NE(penne->m_links.GetRefAt(i)->m_id, CRecordId()) << i;
    CRefItemArray saved;
    m_db.LoadReferencesByType(saved, 'T');
    EXPECT_NE(saved.GetSize(), 0);
    EXPECT_EQ(exchangetest::ReadBytes(PathOf("plated.bmp")), "BM plated");
    EXPECT_EQ(GetFileAttributesA((m_folder + "\\..\\..\\plated.bmp").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_GE(m_boxes.GetAllTexts().Find("lost.bmp"), 0) << m_boxes.GetAllTexts();
    EXPECT_EQ(risotto->m_links.GetSize(), 0);
    EXPECT_EQ(exchangetest::ReadBytes(path), before);
}

TEST_F(RecipeLinkImportTest, FoxProTreeNamesAreTranslatedAndPhotosComeFromBitmapsOrBeside)
{
    ASSERT_TRUE(m_arbiter.OpenSource(IDS_DRIVER_FOXPRO, IDS_SOURCE_BREVANA_IMPORT, WriteBrevanaSource().c_str()))
        << m_boxes.GetAllTexts();
    CRecipeLinkImport steps(m_arbiter);
    const auto trifle = ImportLinks(steps, 101);

    TargetCategory("Desserts", "Brevana Import");
    EXPECT_EQ(CategoryIds(*trifle), (std::vector<std::string>{TargetCategory("Cakes", "Desserts").GetText()}));
    EXPECT_TRUE(TargetCategories("Never").empty());
    ASSERT_EQ(trifle->m_links.GetSize(), 2);
    EXPECT_EQ(trifle->m_links.GetRefAt(0)->m_name, "Sliced");
    EXPECT_EQ(exchangetest::ReadBytes(PathOf("cake.bmp")), "BM cake");
    EXPECT_EQ(exchangetest::ReadBytes(PathOf("whole.bmp")), "BM whole");
    EXPECT_TRUE(m_boxes.GetAllTexts().IsEmpty()) << m_boxes.GetAllTexts();
}

TEST_F(RecipeLinkImportTest, AStopMakesNothing)
{
    ASSERT_TRUE(m_arbiter.OpenSource(IDS_DRIVER_FOXPRO, IDS_SOURCE_PANTRIX_IMPORT, WritePantrixSource().c_str()))
        << m_boxes.GetAllTexts();
    sourcetest::TitleOnlyImporter importer;
    importer.StartProgress(nullptr, "Category stop");
    HWND progress = FindWindowA(nullptr, "Category stop");
    ASSERT_NE(progress, nullptr);
    SendMessageA(progress, WM_COMMAND, IDCANCEL, 0);
    m_arbiter.SetImporter(&importer);
    CRecipeLinkImport steps(m_arbiter);
    CRecipeData recipe;
    EXPECT_FALSE(steps.ImportLinks(CRecordId(101UL), recipe));
    EXPECT_EQ(importer.GetStatus(), CRecipeImporter::kAborted);
    EXPECT_TRUE(TargetCategories("Pantrix Import").empty());
    importer.EndProgress();
    m_arbiter.SetImporter(nullptr);
}

}  // namespace
