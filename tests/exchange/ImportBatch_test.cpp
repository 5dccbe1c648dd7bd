#include "exchange/ImportBatch.h"

#include <gtest/gtest.h>

#include "database/CookbookTransaction.h"
#include "exchange/ExchangeFixture.h"
#include "exchange/MealMasterCorpus.h"
#include "exchange/MealMasterImporter.h"
#include "framework/OdbcStatement.h"

namespace {

using namespace exchangetest;

// A cookbook whose save of one recipe fails half-way, as a refused write would.
class FailingSaves : public CRMDatabase
{
public:
    int InsertRecipe(CRecipeData& recipe, BOOL defer) override
    {
        if (recipe.m_title != "Broken")
            return CRMDatabase::InsertRecipe(recipe, defer);
        // Its rows and its new id are written, then rolled back with the transaction.
        CCookbookTransaction failed(*this);
        CRMDatabase::InsertRecipe(recipe, defer);
        return 2;
    }
};

class ImportBatch : public ExchangeTestOn<FailingSaves>
{
};

std::string Recipe(const std::string& title)
{
    return "MMMMM----- Recipe via Meal-Master (tm) v8.05\n\n      Title: " + title +
           "\n Categories: Main\n   Servings: 4\n\n      1 c  milk\n\nStir.\nMMMMM\n";
}

TEST_F(ImportBatch, AFailedSaveUndoesNoOtherRecipe)
{
    WriteFile("batch.mm", Recipe("Batch one") + Recipe("Batch two") + Recipe("Broken") + Recipe("Batch four"));
    CMealMasterImporter importer;
    ASSERT_TRUE(importer.Open(PathOf("batch.mm").c_str()));
    TOCListItem chapter("Import", 0, 'T');
    ASSERT_TRUE(m_db.SaveChapter(chapter));
    CImportBatch batch(importer, chapter);
    batch.Run({0, 1, 2, 3});
    EXPECT_EQ(3, batch.GetImported());
    EXPECT_STREQ("3 imported, 1 skipped.\nBroken: The recipe could not be saved.", batch.Describe());
    CCustObList stored;
    ASSERT_TRUE(m_db.SearchRecipes(stored, "Batch ", 0));
    EXPECT_EQ(3, stored.GetCount());
}

// The block's rows are written by statements kept from one block to the next: one the cookbook
// refuses rolls the block back, and the recipes are stored again one at a time by the same ones.
TEST_F(ImportBatch, ARowTheCookbookRefusesSkipsOnlyItsRecipe)
{
    ASSERT_TRUE(m_db.ExecuteDirect("CREATE TRIGGER RefuseTitle BEFORE INSERT ON RECIPE WHEN NEW.TITLE = 'Refused' "
                                   "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    WriteFile("batch.mm", Recipe("Batch one") + Recipe("Refused") + Recipe("Batch three"));
    CMealMasterImporter importer;
    ASSERT_TRUE(importer.Open(PathOf("batch.mm").c_str()));
    TOCListItem chapter("Import", 0, 'T');
    ASSERT_TRUE(m_db.SaveChapter(chapter));
    CImportBatch batch(importer, chapter);
    batch.Run({0, 1, 2});
    EXPECT_EQ(2, batch.GetImported());
    EXPECT_STREQ("2 imported, 1 skipped.\nRefused: The recipe could not be saved.", batch.Describe());
    CCustObList stored;
    ASSERT_TRUE(m_db.SearchRecipes(stored, "Batch ", 0));
    EXPECT_EQ(2, stored.GetCount());
    COdbcStatement lines(m_db);
    lines.ExecDirect("SELECT COUNT(*) FROM QUANTITY WHERE RECIPE NOT IN (SELECT RECIPE FROM RECIPE)");
    CString orphans;
    ASSERT_TRUE(lines.Fetch() && lines.GetText(1, orphans));
    EXPECT_EQ(CString("0"), orphans);
}

// Texts go up for only some recipes, but the first recipe always looks for Cancel.
TEST_F(ImportBatch, CancelPressedBeforeTheRunImportsNothing)
{
    WriteFile("batch.mm", Recipe("Batch one") + Recipe("Batch two"));
    CMealMasterImporter importer;
    ASSERT_TRUE(importer.Open(PathOf("batch.mm").c_str()));
    TOCListItem chapter("Import", 0, 'T');
    ASSERT_TRUE(m_db.SaveChapter(chapter));
    importer.StartProgress(nullptr, "Batch progress");
    HWND progress = FindWindowA(nullptr, "Batch progress");
    ASSERT_NE(progress, nullptr);
    SendMessageA(progress, WM_COMMAND, IDCANCEL, 0);
    CImportBatch batch(importer, chapter);
    batch.Run({0, 1});
    importer.EndProgress();
    EXPECT_EQ(0, batch.GetImported());
    EXPECT_STREQ("Import aborted at user request.\n0 imported, 0 skipped.", batch.Describe());
}

// Every row of every table, in storage order, one line a row.
std::string DumpTables(CDatabase& database)
{
    std::vector<CString> tables;
    {
        COdbcStatement names(database);
        names.ExecDirect("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name");
        for (CString name; names.Fetch();)
            names.GetText(1, name), tables.push_back(name);
    }
    std::string dump;
    for (const CString& table : tables)
    {
        COdbcStatement rows(database);
        rows.ExecDirect("SELECT * FROM \"" + table + "\" ORDER BY rowid");
        const short nColumns = rows.NumResultCols();
        while (rows.Fetch())
        {
            dump += std::string(table) + ":";
            for (short i = 1; i <= nColumns; ++i)
            {
                CString value;
                dump += rows.GetText(i, value) ? "|" + std::string(value) : "|NULL";
            }
            dump += "\n";
        }
    }
    return dump;
}

// The first block is stored whole; the second fails and is stored one recipe at a time. The
// cookbook must hold exactly what saving each recipe on its own gives.
TEST_F(ImportBatch, BlocksWriteWhatSavingOneAtATimeWrites)
{
    // A block holds a thousand recipes.
    const int kCorpus = 1000;
    WriteFile("corpus.mm", CMealMasterCorpus(kCorpus, false, 7).GetText() + Recipe("Broken") + Recipe("Batch last"));
    std::vector<int> indices;
    for (int i = 0; i < kCorpus + 2; ++i)
        indices.push_back(i);
    TOCListItem chapter("Import", 0, 'T');
    ASSERT_TRUE(m_db.SaveChapter(chapter));
    const std::string fresh = DumpTables(m_db);
    {
        CMealMasterImporter importer;
        ASSERT_TRUE(importer.Open(PathOf("corpus.mm").c_str()));
        CImportBatch batch(importer, chapter);
        batch.Run(indices);
        ASSERT_EQ(kCorpus + 1, batch.GetImported());
    }
    const std::string inBlocks = DumpTables(m_db);

    FailingSaves single;
    const std::string path = Copy(fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS", "single.tws");
    ASSERT_TRUE(single.OpenCookbookFile(path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));
    SetCurrentDatabase(&single);
    TOCListItem singleChapter("Import", 0, 'T');
    ASSERT_TRUE(single.SaveChapter(singleChapter));
    ASSERT_EQ(fresh, DumpTables(single));
    CMealMasterImporter importer;
    ASSERT_TRUE(importer.Open(PathOf("corpus.mm").c_str()));
    ASSERT_EQ(kCorpus + 2, importer.GetTitles().GetSize());
    CCustObList categories;
    for (const int index : indices)
    {
        CRecipeData recipe;
        recipe.Clear();
        recipe.m_chapterTitle = chapter.m_name;
        recipe.m_chapterId = chapter.m_id;
        ASSERT_TRUE(importer.ImportByIndex(index, recipe)) << index;
        if (single.InsertRecipe(recipe, 1) == 0)
            for (POSITION position = recipe.m_categories.GetHeadPosition(); position != nullptr;)
                categories.AddTail(
                    static_cast<const CategoryListItem*>(recipe.m_categories.GetNext(position))->Clone());
    }
    single.UpdateCategoryFlags(categories, 'R');
    const std::string oneByOne = DumpTables(single);
    SetCurrentDatabase(&m_db);
    single.CloseRecordsets();
    single.Close();
    EXPECT_NE(fresh, inBlocks);
    EXPECT_EQ(oneByOne, inBlocks);
}

}  // namespace
