#include "exchange/RecipeExport.h"

#include <gtest/gtest.h>

#include "database/CustObArray.h"
#include "database/TOCListItem.h"
#include "exchange/ExchangeFixture.h"
#include "exchange/TaggedTextImporter.h"
#include "shell/settings/WindowPlacement.h"

namespace {

using namespace exchangetest;

class RecipeExport : public ExchangeTest
{
protected:
    // The recipe stored in the cookbook, as the Export dialog lists it.
    void Store(CRecipeData& recipe)
    {
        ASSERT_EQ(0, m_db.InsertRecipe(recipe, 0)) << m_boxes.GetAllTexts();
        m_items.Add(new TOCListItem(recipe.m_title, static_cast<unsigned long>(recipe.m_recipeId.GetNumber()), 'R'));
    }

    CCustObArray m_items;
};

TEST_F(RecipeExport, EveryFormatWritesTheChosenRecipesAndNoPrintSetting)
{
    CRecipeData crumble;
    MakeCrumble(crumble);
    Store(crumble);
    const PrintSettings before = *g_pAppSettings->GetPrintRecord();
    const std::string printFile = GetPrintFileName();
    for (int nFormat = 0; nFormat <= 4; ++nFormat)
    {
        SCOPED_TRACE(nFormat);
        const std::string path = PathOf("export" + std::to_string(nFormat));
        EXPECT_EQ(1, ExportRecipesToFile(path.c_str(), nFormat, m_items, nullptr));
        EXPECT_NE(std::string::npos, ReadBytes(path).find("Apple Crumble"));
    }
    EXPECT_EQ(before.PrintToFile, g_pAppSettings->GetPrintRecord()->PrintToFile);
    EXPECT_EQ(printFile, GetPrintFileName());
    EXPECT_EQ(-1, ExportRecipesToFile(PathOf("no such folder\\recipes.mm").c_str(), 3, m_items, nullptr));
}

TEST_F(RecipeExport, TaggedTextThroughTheCookbookComesBackByteForByte)
{
    CRecipeData crumble;
    MakeCrumble(crumble);
    Store(crumble);
    const std::string first = PathOf("first.bvt");
    ASSERT_EQ(1, ExportRecipesToFile(first.c_str(), 4, m_items, nullptr));

    CTaggedTextImporter importer;
    auto recipes = ImportAll(importer, "first.bvt");
    ASSERT_EQ(1u, recipes.size());
    m_items.DeleteAll();
    Store(*recipes[0]);
    const std::string second = PathOf("second.bvt");
    ASSERT_EQ(1, ExportRecipesToFile(second.c_str(), 4, m_items, nullptr));
    EXPECT_EQ(ReadBytes(first), ReadBytes(second));
}

}  // namespace
