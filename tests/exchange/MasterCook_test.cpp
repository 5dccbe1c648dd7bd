#include "exchange/MasterCookImporter.h"
#include "exchange/MasterCookWriter.h"

#include <gtest/gtest.h>

#include "exchange/ExchangeFixture.h"

namespace {

using namespace exchangetest;

const char kBanner[] = "\n                     *  Exported from  MasterCook  *\n\n";
const char kColumns[] = "Amount  Measure       Ingredient -- Preparation Method\n"
                        "--------  ------------  --------------------------------\n";

class MasterCook : public ExchangeTest
{
protected:
    std::vector<std::unique_ptr<CRecipeData>> Import(const std::string& name) { return ImportAll(m_importer, name); }

    CMasterCookImporter m_importer;
};

TEST_F(MasterCook, WriterMatchesItsGoldenFile)
{
    CRecipeData recipe;
    MakeCrumble(recipe);
    EXPECT_EQ(GoldenFile("crumble.mxp"), Export<CMasterCookWriter>("crumble.mxp", {&recipe}));
}

TEST_F(MasterCook, RoundTripKeepsWhatTheFormatCarries)
{
    CRecipeData recipe;
    MakeCrumble(recipe);
    AddCategory(recipe, "Fruit");
    const std::string first = Export<CMasterCookWriter>("first.mxp", {&recipe, &recipe});
    const auto recipes = Import("first.mxp");
    ASSERT_EQ(2u, recipes.size()) << m_importer.GetStatusText();
    EXPECT_TRUE(m_importer.GetProblems().IsEmpty());
    const CRecipeData& back = *recipes[0];
    EXPECT_STREQ("Apple Crumble", back.m_title);
    EXPECT_STREQ("Grandmother", back.m_source);
    EXPECT_EQ(6, back.m_servings);
    EXPECT_STREQ("0:20", back.m_prepTime);
    EXPECT_EQ((std::vector<CString>{"Baking", "Desserts", "Fruit"}), CategoryNames(back));
    EXPECT_STREQ("Heat the oven.\r\nRub the butter into the flour.\r\nBake 40 minutes.", back.m_directions);
    EXPECT_STREQ("A winter pudding.", back.m_intro);
    const auto lines = Lines(back);
    ASSERT_EQ(5u, lines.size());
    EXPECT_STREQ("all-purpose flour", lines[0]->m_name);
    EXPECT_STREQ("sifted", lines[0]->m_preparation);
    EXPECT_EQ(1.5, lines[0]->m_maxQty);
    EXPECT_STREQ("cup", lines[0]->m_unitText);
    EXPECT_STREQ("cinnamon+", lines[3]->m_preparation);
    EXPECT_EQ(1, lines[3]->m_optional);
    EXPECT_STREQ("Bramley apples+, peeled", lines[4]->m_preparation);
    EXPECT_EQ(first, Export<CMasterCookWriter>("second.mxp", {recipes[0].get(), recipes[1].get()}));
}

TEST_F(MasterCook, ForeignLayout)
{
    const std::string name32(32, 'n');
    WriteFile("foreign.mxp", std::string(kBanner) +
                                 "Pancakes\n\nRecipe By     : Cook\nServing Size  : 4     "
                                 "Preparation Time :about an hour\nCategories    : " +
                                 name32 + name32 + "\n                " + name32 + "\n\n" + kColumns +
                                 "       2  cups          all-purpose flour -- sifted, optional\n"
                                 "       1                egg\n\nBeat well.\nFry.\n");
    const auto recipes = Import("foreign.mxp");
    ASSERT_EQ(1u, recipes.size()) << m_importer.GetStatusText();
    const CRecipeData& recipe = *recipes[0];
    EXPECT_EQ(4, recipe.m_servings);
    EXPECT_STREQ("", recipe.m_prepTime);
    EXPECT_EQ(3u, CategoryNames(recipe).size());
    const auto lines = Lines(recipe);
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(1, lines[0]->m_optional);
    EXPECT_STREQ("sifted", lines[0]->m_preparation);
    EXPECT_EQ(2.0, lines[0]->m_maxQty);
    EXPECT_STREQ("cups", lines[0]->m_unitText);
    EXPECT_STREQ("egg", lines[1]->m_name);
    EXPECT_STREQ("Beat well.\r\nFry.", recipe.m_directions);
}

TEST_F(MasterCook, DamagedRecipesAreNamedAndTheRestImported)
{
    const std::string good = std::string(kBanner) +
                             "Good\n\nRecipe By     :\nServing Size  : 2\nPreparation Time :0:10\n"
                             "Categories    :\n\n" +
                             kColumns + "       1                egg\n\nBoil.\n";
    const struct
    {
        const char* name;
        std::string recipe;
        const char* problem;
    } cases[] = {
        {"no source", "Bad\n\nServing Size  : 2\n", "line 6: Bad: A problem occurred reading source information."},
        {"no servings", "Bad\n\nRecipe By     :\nPreparation Time :0:10\n",
         "line 7: Bad: The servings number is invalid."},
        {"no columns", "Bad\n\nRecipe By     :\nServing Size  : 2\nPreparation Time :0:10\nCategories    :\n\nBoil.\n",
         "line 13: Bad: An invalid ingredient was encountered."},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CMasterCookImporter importer;
        WriteFile("damaged.mxp", kBanner + c.recipe + good);
        const auto recipes = ImportAll(importer, "damaged.mxp");
        ASSERT_EQ(1u, recipes.size());
        EXPECT_STREQ("Good", recipes[0]->m_title);
        EXPECT_EQ(1u, Lines(*recipes[0]).size());
        ASSERT_EQ(1, importer.GetProblems().GetSize());
        EXPECT_STREQ(c.problem, importer.GetProblems()[0]);
    }
}

}  // namespace
