#include "exchange/TaggedTextImporter.h"
#include "exchange/TaggedTextWriter.h"

#include <gtest/gtest.h>

#include "database/IngRec.h"
#include "database/Nutrition.h"
#include "database/RefListItem.h"
#include "exchange/RecipeTextTags.h"
#include "exchange/ExchangeFixture.h"

namespace {

using namespace exchangetest;

std::string Tagged(int nTag, const char* pszRest)
{
    char tag[32];
    GetRecipeTextTag(tag, nTag);
    return tag + std::string(pszRest);
}

class TaggedText : public ExchangeTest
{
protected:
    static void MakeNutritious(CRecipeData& recipe)
    {
        MakeCrumble(recipe);
        NUTRITION* pProfile = recipe.GetNutrition();
        for (int i = 0; i < NUTRITION::AmountCount; ++i)
            pProfile->m_amount[i] = 1.5f + static_cast<float>(i);
        pProfile->m_unitType = 2.0f;
        pProfile->m_unitQuantity = 100.0f;
        recipe.m_subtitle = "with custard";
        recipe.m_yieldUnit = "one dish";
        recipe.m_cost = 3.25;
        recipe.m_cookTime = "0:40";
        recipe.m_links.Add(new RefListItem("Crumble photo", "C:\\pictures\\crumble.bmp", 0, 'P'));
        recipe.m_links.Add(new RefListItem("Tip", "Use a\\wide dish.", 0, 'T'));
    }

    std::vector<std::unique_ptr<CRecipeData>> Import(const std::string& name) { return ImportAll(m_importer, name); }

    CTaggedTextImporter m_importer;
};

TEST_F(TaggedText, WriterMatchesItsGoldenFile)
{
    CRecipeData recipe;
    MakeNutritious(recipe);
    EXPECT_EQ(GoldenFile("crumble.bvt"), Export<CTaggedTextWriter>("crumble.bvt", {&recipe}));
}

// Everything the format carries comes back: long and multi-line texts, a "|" in a value,
// the optional flag, calcium and sugars; exporting what was read gives the same bytes.
TEST_F(TaggedText, RoundTripKeepsEveryField)
{
    CRecipeData crumble;
    MakeNutritious(crumble);
    CRecipeData pie;
    pie.m_title = std::string(170, 'P').c_str();
    pie.m_intro = "Line one\r\nLine two | with a bar\r\n";
    pie.m_directions = std::string(300, 'd').c_str();
    pie.m_source = "A | B";
    pie.m_lines.AddTail(MakeLine(2, "cup", "milk"));
    const std::string first = Export<CTaggedTextWriter>("first.bvt", {&crumble, &pie});

    const auto recipes = Import("first.bvt");
    ASSERT_EQ(2u, recipes.size()) << m_importer.GetStatusText();
    EXPECT_TRUE(m_importer.GetProblems().IsEmpty());
    const CRecipeData& crumbleBack = *recipes[0];
    EXPECT_STREQ(crumble.m_title, crumbleBack.m_title);
    EXPECT_STREQ(crumble.m_directions, crumbleBack.m_directions);
    EXPECT_STREQ(crumble.m_subtitle, crumbleBack.m_subtitle);
    EXPECT_STREQ(crumble.m_cookTime, crumbleBack.m_cookTime);
    EXPECT_EQ(crumble.m_cost, crumbleBack.m_cost);
    EXPECT_EQ(crumble.m_servings, crumbleBack.m_servings);
    EXPECT_EQ((std::vector<CString>{"Baking", "Desserts"}), CategoryNames(crumbleBack));
    EXPECT_TRUE(*crumble.GetNutrition() == *const_cast<CRecipeData&>(crumbleBack).GetNutrition());
    const auto lines = Lines(crumbleBack);
    ASSERT_EQ(6u, lines.size());
    EXPECT_STREQ("TOPPING", lines[0]->m_preparation);
    EXPECT_STREQ("all-purpose flour", lines[1]->m_name);
    EXPECT_EQ(1.5, lines[1]->m_maxQty);
    EXPECT_STREQ("sifted", lines[1]->m_preparation);
    EXPECT_EQ(1, lines[4]->m_optional);
    ASSERT_EQ(2, crumbleBack.m_links.GetSize());
    EXPECT_STREQ("crumble.bmp", crumbleBack.m_links.GetRefAt(0)->m_content);
    EXPECT_STREQ("Use a\\wide dish.", crumbleBack.m_links.GetRefAt(1)->m_content);
    EXPECT_STREQ(pie.m_title, recipes[1]->m_title);
    EXPECT_STREQ(pie.m_intro, recipes[1]->m_intro);
    EXPECT_STREQ(pie.m_source, recipes[1]->m_source);
    EXPECT_STREQ(pie.m_directions, recipes[1]->m_directions);

    EXPECT_EQ(first, Export<CTaggedTextWriter>("second.bvt", {recipes[0].get(), recipes[1].get()}));
}

TEST_F(TaggedText, DamagedRecordsAreNamedAndTheRestImported)
{
    const std::string good = "<Title:         | Good | >\r\n<Servings:      | 2 | >\r\n>\r\n";
    const struct
    {
        const char* name;
        std::string record;
        const char* problem;
    } cases[] = {
        {"tag without fill", "<Title:         | Bad | >\n<Servings: | 4 | >\n>\n",
         "line 3: Bad: An error occurred reading a data field."},
        {"ingredient tag outside a block", "<Title:         | Bad | >\n" + Tagged(kTagQuantity, "1 | >\n>\n"),
         "line 3: Bad: An error occurred while trying to read the import file."},
        {"missing timings", "<Title:         | Bad | >\n" + Tagged(kTagTimings, ">\n>\n"),
         "line 3: Bad: A problem occurred reading timings."},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        WriteFile("damaged.bvt", "<Recipe:        | x | \n" + c.record + "<Recipe:        | x | \n" + good);
        CTaggedTextImporter importer;
        const auto recipes = ImportAll(importer, "damaged.bvt");
        ASSERT_EQ(1u, recipes.size());
        EXPECT_STREQ("Good", recipes[0]->m_title);
        EXPECT_EQ(2, recipes[0]->m_servings);
        ASSERT_EQ(1, importer.GetProblems().GetSize());
        EXPECT_STREQ(c.problem, importer.GetProblems()[0]);
    }
}

TEST_F(TaggedText, HugeNutrientsReadAsNothing)
{
    WriteFile("huge.bvt", "<Recipe:        | x | \r\n<Title:         | Soup | >\r\n<Recipe Nutr:   | 2e13 | 5 | "
                          "-3e12 | 1 | 1 | 1 | 1 | 1 | 1 | 1 | 1 | 0 | 0 | >\r\n>\r\n");
    const auto recipes = Import("huge.bvt");
    ASSERT_EQ(1u, recipes.size());
    const NUTRITION& profile = *recipes[0]->GetNutrition();
    EXPECT_EQ(0.0f, profile.m_amount[NUTRITION::Alcohol]);
    EXPECT_EQ(5.0f, profile.m_amount[NUTRITION::Protein]);
    EXPECT_EQ(0.0f, profile.m_amount[NUTRITION::Carbohydrate]);
}

TEST_F(TaggedText, RecipesOfOneTitleEachImportTheirOwn)
{
    WriteFile("twins.bvt", "<Recipe:        | x | \n<Title:         | Twin | >\n<Servings:      | 1 | >\n>\n"
                           "<Recipe:        | x | \n<Title:         | Twin | >\n<Servings:      | 2 | >\n>\n");
    const auto recipes = Import("twins.bvt");
    ASSERT_EQ(2u, recipes.size());
    EXPECT_EQ(1, recipes[0]->m_servings);
    EXPECT_EQ(2, recipes[1]->m_servings);
    CRecipeData byTitle;
    EXPECT_EQ(1, m_importer.ImportByTitle("Twin", byTitle));
    EXPECT_EQ(1, byTitle.m_servings);
    CRecipeData missing;
    EXPECT_EQ(0, m_importer.ImportByTitle("Triplet", missing));
    EXPECT_STREQ("The recipe title is invalid.", m_importer.GetStatusText());
}

TEST_F(TaggedText, RecipesUsedAsIngredientsAreFoundByTitle)
{
    CRecipeData sauce;
    sauce.m_title = "Custard Sauce";
    ASSERT_EQ(0, m_db.InsertRecipe(sauce, 0));
    CRecipeData pudding;
    pudding.m_title = "Pudding";
    for (const char* name : {"custard sauce", "Nowhere Pie"})
    {
        CIngData* pLine = MakeLine(1, "", name);
        pLine->m_lineType = "R";
        pudding.m_lines.AddTail(pLine);
    }
    Export<CTaggedTextWriter>("pudding.bvt", {&pudding});
    const auto recipes = Import("pudding.bvt");
    ASSERT_EQ(1u, recipes.size());
    const auto lines = Lines(*recipes[0]);
    ASSERT_EQ(2u, lines.size());
    EXPECT_STREQ("R", lines[0]->m_lineType);
    EXPECT_TRUE(lines[0]->m_itemId == sauce.m_recipeId);
    EXPECT_STREQ("I", lines[1]->m_lineType);
    EXPECT_STREQ("Nowhere Pie", lines[1]->m_name);
    EXPECT_STREQ("000000", lines[1]->m_itemId.GetText());
    CIngRec ingredient;
    ingredient.m_name = "Nowhere Pie";
    EXPECT_FALSE(m_db.LoadIngredients(ingredient)) << "no ingredient is made of it";
}

TEST_F(TaggedText, AtMostFiveCategoriesAreWritten)
{
    CRecipeData recipe;
    recipe.m_title = "Stew";
    for (const char* name : {"A", "B", "C", "B", "D", "E", "F"})
        AddCategory(recipe, name);
    const std::string bytes = Export<CTaggedTextWriter>("stew.bvt", {&recipe});
    EXPECT_NE(std::string::npos, bytes.find("<Categories:    | \r\nA | \r\nB | \r\nC | \r\nD | \r\n>\r\n"));
}

TEST_F(TaggedText, OtherFilesAreRefused)
{
    for (const char* bytes : {"", "\n\n  \n", "<Title:         | Soup | >\n", "MMMMM----- Meal-Master\n"})
    {
        SCOPED_TRACE(bytes);
        WriteFile("other.bvt", bytes);
        EXPECT_EQ(0, m_importer.Open(PathOf("other.bvt").c_str()));
    }
    EXPECT_EQ(0, m_importer.Open(PathOf("missing.bvt").c_str()));
}

}  // namespace
