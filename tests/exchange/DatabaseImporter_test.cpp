// Import from configured sources: an SQLite stand-in of the Access kind ("Tablewise Import") and
// FoxPro folders ("Brevana", "Pantrix"), read by the importer the Import dialog makes.
#include "exchange/DatabaseImporter.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/CustObArray.h"
#include "database/IngRec.h"
#include "database/Nutrition.h"
#include "database/TOCListItem.h"

#include "ConfiguredSource.h"
#include "ExchangeFixture.h"

namespace {

using namespace exchangetest;

struct KindCase
{
    SourceKind kind;
    UINT driverId;
    UINT importNameId;
    const char* name;
};

const KindCase kKinds[] = {
    {SourceKind::Tablewise, IDS_DRIVER_ACCESS, IDS_SOURCE_TABLEWISE_IMPORT, "Tablewise"},
    {SourceKind::Brevana, IDS_DRIVER_FOXPRO, IDS_SOURCE_BREVANA_IMPORT, "Brevana"},
    {SourceKind::Pantrix, IDS_DRIVER_FOXPRO, IDS_SOURCE_PANTRIX_IMPORT, "Pantrix"},
};

// The id of the target's basic ingredient "Guavas".
const char kGuavas[] = "000202";

class DatabaseImporterTest : public ExchangeTest
{
protected:
    void SetUp() override
    {
        ExchangeTest::SetUp();
        CreateDirectoryA((m_folder + "\\RESOURCE").c_str(), nullptr);
        m_config = Copy(fixture::BuildFolder() + "\\resource\\CONFIG.MDB", "RESOURCE\\CONFIG.MDB");
    }

    ConfiguredSource Source(SourceKind kind, const std::string& leeks = "Winter leeks")
    {
        return SoupsSource(kind, m_folder + "\\source", m_config, leeks);
    }

    std::vector<std::string> Titles(CDatabaseImporter& importer)
    {
        std::vector<std::string> titles;
        const CStringArray& list = importer.GetTitles();
        for (int i = 0; i < list.GetSize(); ++i)
            titles.push_back(list[i].GetString());
        return titles;
    }

    // Every file of the source folder, name and bytes.
    std::string FolderBytes()
    {
        std::string bytes;
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((m_folder + "\\source\\*").c_str(), &found);
        for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
            bytes += std::string(found.cFileName) + ReadBytes(m_folder + "\\source\\" + found.cFileName);
        FindClose(search);
        return bytes;
    }

    std::string m_config;
};

TEST_F(DatabaseImporterTest, ChaptersRecipesLinesNutritionAndBasicIngredients)
{
    for (const KindCase& kind : kKinds)
    {
        SCOPED_TRACE(kind.name);
        // Each kind's own ingredient, so that each adds it to the catalogue.
        const std::string leekName = std::string(kind.name) + " leeks";
        const std::string chosen = Source(kind.kind, leekName).Write();
        const std::string before = FolderBytes();
        {
            CDatabaseImporter importer(kind.driverId, kind.importNameId, nullptr);
            ASSERT_TRUE(importer.Open(chosen.c_str())) << m_boxes.GetAllTexts();
            CCustObArray chapters;
            ASSERT_TRUE(importer.GetSourceChapters(chapters));
            ASSERT_EQ(chapters.GetSize(), 2);
            EXPECT_EQ(static_cast<const TOCListItem*>(chapters.GetAt(0))->m_name, "Soups");
            EXPECT_STREQ(static_cast<const TOCListItem*>(chapters.GetAt(0))->m_id.GetText(), "000003");

            importer.SetSourceChapterId(CRecordId("000003"));
            EXPECT_EQ(Titles(importer), (std::vector<std::string>{"Leek Soup", "Crouton Mix", "Empty Soup"}));
            ASSERT_EQ(importer.GetProblems().GetSize(), 1);
            EXPECT_EQ(importer.GetProblems()[0].Find("Too Far: not listed"), 0);

            CRecipeData soup;
            soup.m_chapterId = "000002";
            soup.m_chapterTitle = "Soups";
            ASSERT_TRUE(importer.ImportByIndex(0, soup)) << importer.GetStatusText().GetString();
            EXPECT_EQ(soup.m_title, "Leek Soup");
            EXPECT_EQ(soup.m_servings, 4);
            EXPECT_EQ(soup.m_prepTime, "0:25");
            EXPECT_EQ(soup.m_directions, "Sweat the leeks.");
            EXPECT_STREQ(soup.m_recipeId.GetText(), "000000");
            EXPECT_STREQ(soup.m_chapterId.GetText(), "000002");
            const std::vector<const CIngData*> lines = Lines(soup);
            ASSERT_EQ(lines.size(), 2u);
            EXPECT_EQ(lines[0]->m_name, leekName.c_str());
            EXPECT_EQ(lines[0]->m_preparation, "sliced");
            EXPECT_EQ(lines[0]->m_maxQty, 2.0);
            CIngRec leeks(CRecordId(), leekName.c_str());
            ASSERT_TRUE(m_db.LoadIngredients(leeks)) << "added to the target's catalogue";
            EXPECT_EQ(lines[0]->m_itemId, leeks.m_id);
            EXPECT_STREQ(lines[0]->m_basicItemId.GetText(), kGuavas);
            EXPECT_FLOAT_EQ(const_cast<CIngData*>(lines[0])->GetNutrition()->m_amount[NUTRITION::Protein], 2.5f);
            EXPECT_FLOAT_EQ(const_cast<CIngData*>(lines[0])->GetNutrition()->m_amount[NUTRITION::Carbohydrate], 10.5f);
            // Leek Soup uses Crouton Mix, which uses Leek Soup: the reading ends, and neither is in
            // the target yet, so the line keeps the title as text.
            EXPECT_EQ(lines[1]->m_lineType, "I");
            EXPECT_EQ(lines[1]->m_preparation, "Crouton Mix+");

            CRecipeData empty;
            ASSERT_TRUE(importer.ImportByIndex(2, empty)) << "a recipe without lines comes without lines";
            EXPECT_EQ(empty.m_lines.GetCount(), 0);
            EXPECT_EQ(Titles(importer).size(), 3u) << "the engine stays";
        }
        EXPECT_EQ(FolderBytes(), before);
    }
}

TEST_F(DatabaseImporterTest, APantrixFileWithoutItsCategoryItemsIsRefusedBeforeItIsRead)
{
    ConfiguredSource source = Source(SourceKind::Pantrix);
    const std::string chosen = source.Write();
    DeleteFileA((m_folder + "\\source\\PX4014.dbf").c_str());
    CDatabaseImporter importer(IDS_DRIVER_FOXPRO, IDS_SOURCE_PANTRIX_IMPORT, nullptr);
    EXPECT_FALSE(importer.Open(chosen.c_str()));
    EXPECT_GE(m_boxes.GetAllTexts().Find("Pantrix 5.0 can only import from the latest version"), 0);
    CCustObArray chapters;
    EXPECT_FALSE(importer.GetSourceChapters(chapters));
}

}  // namespace
