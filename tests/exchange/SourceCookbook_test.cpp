// Import from an older cookbook of the program's own schema (1.3, and 1.2 read without being
// upgraded): chapters, titles, whole recipes in the target's ids, and a source left unchanged.
#include "exchange/SourceCookbook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/CustObArray.h"
#include "database/IngRec.h"
#include "exchange/DatabaseImporter.h"
#include "exchange/ImportBatch.h"

#include "ExchangeFixture.h"
#include "OwnCookbookSource.h"

namespace {

using namespace exchangetest;

class SourceCookbookTest : public ExchangeTest
{
protected:
    std::string MakeSource(const char* version)
    {
        const std::string path = Copy(fixture::TemplatePath(), "favorite.tws");
        m_soups = WriteSoupsCookbook(path, version);
        return path;
    }

    void OpenSoups(CDatabaseImporter& importer, const std::string& path)
    {
        ASSERT_TRUE(importer.Open(path.c_str())) << m_boxes.GetAllTexts();
        importer.SetSourceChapterId(CRecordId(static_cast<unsigned long>(m_soups)));
    }

    // Recipes of the chapter imported through the batch the Import dialog runs, into "Imported".
    void Import(CDatabaseImporter& importer, const std::vector<int>& indices)
    {
        TOCListItem chapter("Imported", static_cast<unsigned long>(m_imported.GetNumber()), 'T');
        if (m_imported == 0UL)
        {
            ASSERT_TRUE(m_db.SaveChapter(chapter));
        }
        m_imported = chapter.m_id;
        CImportBatch batch(importer, chapter);
        batch.Run(indices);
        EXPECT_EQ(batch.GetSkipped(), 0) << batch.Describe().GetString();
    }

    // The stored recipe of that title, whole.
    CRecipeData Stored(const char* title)
    {
        CRecipeData recipe;
        long id = 0;
        EXPECT_TRUE(m_db.FindRowByValue(IDS_TBL_RECIPE, IDS_COL_RECIPE_TITLE, title, IDS_COL_RECIPE_RECIPE, id))
            << title;
        recipe.m_recipeId = static_cast<unsigned long>(id);
        EXPECT_EQ(0, m_db.LoadRecipe(&recipe, CRecipeData::kLoadRecipeRow | CRecipeData::kLoadLines |
                                                  CRecipeData::kLoadCategories | CRecipeData::kLoadReferences));
        return recipe;
    }

    CString CategoryPath(const CategoryListItem& category)
    {
        CString path = category.m_name;
        for (const CategoryListItem* pParent = m_db.FindCategory(category.m_secondId); pParent != nullptr;
             pParent = m_db.FindCategory(pParent->m_secondId))
            path = pParent->m_name + " > " + path;
        return path;
    }

    void ImportsWholeRecipesInTheTargetsIds(const char* version);

    long m_soups = 0;
    CRecordId m_imported;
};

TEST_F(SourceCookbookTest, ChaptersAndTitlesOfAChapter)
{
    const std::string path = MakeSource("1.3");
    CDatabaseImporter importer(IDS_DRIVER_ACCESS, IDS_SOURCE_TABLEWISE_12_IMPORT, "Tablewise 1.2 Recipes");
    OpenSoups(importer, path);
    CCustObArray chapters;
    ASSERT_TRUE(importer.GetSourceChapters(chapters));
    std::vector<std::string> names;
    for (int i = 0; i < chapters.GetSize(); ++i)
        names.push_back(static_cast<const TOCListItem*>(chapters.GetAt(i))->m_name.GetString());
    EXPECT_EQ(names, (std::vector<std::string>{"Soups", "Sweets"}));

    const std::vector<std::string> soups = {"Bone Stock", "Mum's Soup", "Plain Water"};
    auto titles = [&] {
        std::vector<std::string> read;
        const CStringArray& list = importer.GetTitles();
        for (int i = 0; i < list.GetSize(); ++i)
            read.push_back(list[i].GetString());
        return read;
    };
    EXPECT_EQ(titles(), soups);
    EXPECT_EQ(titles(), soups) << "listed twice";
    ASSERT_TRUE(importer.Open(path.c_str()));
    EXPECT_EQ(titles(), soups) << "listed again after the titles were emptied";
}

TEST_F(SourceCookbookTest, EachRecipeArrivesNewInTheTargetChapter)
{
    const std::string path = MakeSource("1.3");
    CDatabaseImporter importer(IDS_DRIVER_ACCESS, IDS_SOURCE_TABLEWISE_12_IMPORT, "Tablewise 1.2 Recipes");
    OpenSoups(importer, path);
    ASSERT_EQ(importer.GetTitles().GetSize(), 3);
    for (const int index : {0, 1, 2})
    {
        CRecipeData recipe;
        recipe.m_chapterId = "000004";
        recipe.m_chapterTitle = "Side Dishes";
        ASSERT_TRUE(importer.ImportByTitle(importer.GetTitles()[index], recipe)) << index;
        EXPECT_STREQ(recipe.m_recipeId.GetText(), "000000");
        EXPECT_STREQ(recipe.m_chapterId.GetText(), "000004");
        EXPECT_EQ(recipe.m_chapterTitle, "Side Dishes");
        EXPECT_EQ(recipe.m_title, importer.GetTitles()[index]);
    }
}

// Every recipe of the chapter with its lines, the recipe it uses, its categories by name under
// the source's category, its references; the source keeps every byte.
void SourceCookbookTest::ImportsWholeRecipesInTheTargetsIds(const char* version)
{
    const std::string path = MakeSource(version);
    const std::string before = ReadBytes(path);
    {
        CDatabaseImporter importer(IDS_DRIVER_ACCESS, IDS_SOURCE_TABLEWISE_12_IMPORT, "Tablewise 1.2 Recipes");
        OpenSoups(importer, path);
        // The recipe that another uses is stored first, so that the other finds it.
        Import(importer, {0});
        Import(importer, {1, 2});
    }
    EXPECT_EQ(ReadBytes(path), before);

    const CRecipeData stock = Stored("Bone Stock");
    const CRecipeData soup = Stored("Mum's Soup");
    const CRecipeData water = Stored("Plain Water");
    EXPECT_EQ(soup.m_chapterId, m_imported);
    EXPECT_EQ(soup.m_servings, 4);
    EXPECT_EQ(soup.m_directions, "Simmer.");
    EXPECT_EQ(water.m_lines.GetCount(), 0);

    const std::vector<const CIngData*> lines = Lines(soup);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->m_name, "Mum's herb salt");
    EXPECT_EQ(lines[0]->m_preparation, "crushed");
    CIngRec salt(CRecordId(), "Mum's herb salt");
    ASSERT_TRUE(m_db.LoadIngredients(salt)) << "added to the target's catalogue";
    EXPECT_EQ(lines[0]->m_itemId, salt.m_id);
    EXPECT_EQ(lines[1]->m_lineType, "R");
    EXPECT_EQ(lines[1]->m_itemId, stock.m_recipeId);

    ASSERT_EQ(soup.m_categories.GetCount(), 1);
    const auto* pWinter = static_cast<const CategoryListItem*>(soup.m_categories.GetHead());
    EXPECT_EQ(CategoryPath(*pWinter), "Tablewise 1.2 Import > Seasons > Winter");
    ASSERT_EQ(stock.m_categories.GetCount(), 1);
    EXPECT_EQ(static_cast<const CategoryListItem*>(stock.m_categories.GetHead())->m_id, pWinter->m_id)
        << "a shared category is made once";

    ASSERT_EQ(soup.m_links.GetSize(), 1) << "the meal-plan link names a record of the source";
    EXPECT_EQ(soup.m_links.GetRefAt(0)->m_content, "Serve hot.");
}

TEST_F(SourceCookbookTest, WholeRecipesFromACookbookOfVersion13)
{
    ImportsWholeRecipesInTheTargetsIds("1.3");
}

// A 1.2 cookbook is read through its old ingredient query, not upgraded.
TEST_F(SourceCookbookTest, WholeRecipesFromACookbookOfVersion12)
{
    ImportsWholeRecipesInTheTargetsIds("1.2");
}

TEST_F(SourceCookbookTest, ARecipeUsedButNotInTheTargetBecomesATextLine)
{
    const std::string path = MakeSource("1.3");
    CDatabaseImporter importer(IDS_DRIVER_ACCESS, IDS_SOURCE_TABLEWISE_12_IMPORT, "Tablewise 1.2 Recipes");
    OpenSoups(importer, path);
    CRecipeData soup;
    ASSERT_TRUE(importer.ImportByTitle("Mum's Soup", soup));
    const std::vector<const CIngData*> lines = Lines(soup);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1]->m_lineType, "I");
    EXPECT_STREQ(lines[1]->m_itemId.GetText(), "000000");
    EXPECT_EQ(lines[1]->m_preparation, "Bone Stock+");
}

TEST_F(SourceCookbookTest, CookbooksOfUnknownVersionsAreRefusedWithAMessage)
{
    for (const char* version : {"1.1", "1.0", "1.4"})
    {
        const std::string path = MakeSource(version);
        m_boxes.ClearShown();
        CDatabaseImporter importer(IDS_DRIVER_ACCESS, IDS_SOURCE_TABLEWISE_12_IMPORT, nullptr);
        EXPECT_FALSE(importer.Open(path.c_str())) << version;
        EXPECT_GE(m_boxes.GetAllTexts().Find("not a cookbook of a version that can be imported"), 0) << version;
    }
}

}  // namespace
