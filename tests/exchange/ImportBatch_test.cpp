#include "exchange/ImportBatch.h"

#include <gtest/gtest.h>

#include "database/CookbookTransaction.h"
#include "exchange/ExchangeFixture.h"
#include "exchange/MealMasterImporter.h"

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
        CCookbookTransaction failed(*this);
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

}  // namespace
