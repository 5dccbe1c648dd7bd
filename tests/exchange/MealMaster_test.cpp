#include "exchange/MealMasterImporter.h"
#include "exchange/MealMasterUnits.h"
#include "exchange/MealMasterWriter.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "exchange/ExchangeFixture.h"
#include "exchange/MealMasterCorpus.h"

namespace {

using namespace exchangetest;

class MealMaster : public ExchangeTest
{
protected:
    std::vector<std::unique_ptr<CRecipeData>> Import(const std::string& name) { return ImportAll(m_importer, name); }

    CMealMasterImporter m_importer;
};

std::string Header(const char* title)
{
    return std::string("---------- Recipe via Meal-Master (tm) v8.02\n\n      Title: ") + title +
           "\n Categories: Main\n   Servings: 4\n\n";
}

TEST(MealMasterLines, Classes)
{
    const std::string heading = std::string(30, '-') + "TOPPING" + std::string(30, '-');
    const struct
    {
        std::string line;
        int lineClass;
    } cases[] = {
        {"", 0},
        {"     ", 0},
        {"-----", 4},
        {"MMMMM", 4},
        {"-----   ", 4},
        {"----- short -----", 4},
        {heading, 2},
        {"MMMMM" + heading, 2},
        {"MMMMM----- Recipe via Meal-Master (tm) v8.05", 5},
        {"---------- Recipe via Meal-Master (tm) v8.02", 5},
        {std::string(45, '-'), 3},
        {"Mix well.", 3},
        {"Stir in the flour and the sugar.", 3},
        {"  1 1/2 c  flour", 1},
        {"  12.25 oz butter", 1},
        {"  1.   Mix the milk.", 3},
        {"       Then the rest.", 3},
        {"           -continued text", 1},
        {"           salt", 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(c.lineClass, CMealMasterImporter::ClassifyLine(c.line));
    }
}

TEST(MealMasterUnits, CodesBothWays)
{
    const struct
    {
        const char* unitText;
        const char* code;
    } writing[] = {
        {"Tablespoons", "T "}, {"teaspoons", "t "}, {"milliliters", "ml"}, {"kilogram", "kg"}, {"fluid ounces", "fl"},
        {"CUP", "c "},         {"", "  "},          {"bushel", "  "},
    };
    for (const auto& c : writing)
    {
        SCOPED_TRACE(c.unitText);
        EXPECT_STREQ(c.code, FindMealMasterUnitCode(c.unitText));
    }
    const struct
    {
        const char* code;
        const char* word;
    } reading[] = {{"c ", "cup"},   {"tb", "tablespoon"}, {"T ", "tablespoon"},
                   {"lg", "large"}, {"zz", nullptr},      {"c", nullptr}};
    for (const auto& c : reading)
    {
        SCOPED_TRACE(c.code);
        const char* pszWord = FindMealMasterUnitWord(c.code);
        EXPECT_STREQ(c.word, pszWord);
    }
}

TEST_F(MealMaster, WriterMatchesItsGoldenFile)
{
    CRecipeData recipe;
    MakeCrumble(recipe);
    EXPECT_EQ(GoldenFile("crumble.mm"), Export<CMealMasterWriter>("crumble.mm", {&recipe}));
}

TEST_F(MealMaster, RoundTripKeepsWhatTheFormatCarries)
{
    CRecipeData recipe;
    MakeCrumble(recipe);
    const std::string first = Export<CMealMasterWriter>("first.mm", {&recipe});
    const auto recipes = Import("first.mm");
    ASSERT_EQ(1u, recipes.size()) << m_importer.GetStatusText();
    const CRecipeData& back = *recipes[0];
    EXPECT_STREQ("Apple Crumble", back.m_title);
    EXPECT_EQ((std::vector<CString>{"Desserts", "Baking"}), CategoryNames(back));
    EXPECT_EQ(6, back.m_servings);
    EXPECT_STREQ(recipe.m_directions, back.m_directions);
    const auto lines = Lines(back);
    ASSERT_EQ(6u, lines.size());
    EXPECT_STREQ("TOPPING", lines[0]->m_preparation);
    EXPECT_STREQ("all-purpose flour", lines[1]->m_name);
    EXPECT_STREQ("sifted", lines[1]->m_preparation);
    EXPECT_STREQ("cup", lines[1]->m_unitText);
    EXPECT_EQ(1.5, lines[1]->m_maxQty);
    EXPECT_STREQ("", lines[3]->m_name);
    EXPECT_STREQ("butter+, cold, in small cubes and rubbed in well with the fingertips", lines[3]->m_preparation);
    EXPECT_STREQ("", lines[5]->m_name);
    EXPECT_STREQ("Bramley apples+, peeled", lines[5]->m_preparation);
    EXPECT_EQ(first, Export<CMealMasterWriter>("second.mm", {recipes[0].get()}));
}

TEST_F(MealMaster, ColumnsAndContinuations)
{
    const std::string left = "      2 c  left one";
    const std::string right = "      3 T  right one";
    const std::string line52 = left + std::string(52 - left.size() - 5, ' ') + "x12y3";
    const std::string line53 = left + std::string(41 - left.size(), ' ') + right.substr(0, 12);
    WriteFile("columns.mm", Header("One column") + line52 + "\n\nDirections.\n-----\n" + Header("Two columns") +
                                line53 + "\n\nDirections.\n-----\n" + Header("Continued") + left + "\n" +
                                std::string(41, ' ') + "           -and more\n" + std::string(41, ' ') + right +
                                "\n           -still left\n-----\n");
    const auto recipes = Import("columns.mm");
    ASSERT_EQ(3u, recipes.size()) << m_importer.GetStatusText();
    EXPECT_EQ(1u, Lines(*recipes[0]).size());
    ASSERT_EQ(2u, Lines(*recipes[1]).size());
    EXPECT_STREQ("cup", Lines(*recipes[1])[0]->m_unitText);
    EXPECT_STREQ("tablespoon", Lines(*recipes[1])[1]->m_unitText);
    const auto continued = Lines(*recipes[2]);
    ASSERT_EQ(2u, continued.size());
    EXPECT_STREQ("left one and more still left+", continued[0]->m_preparation);
    EXPECT_STREQ("right one+", continued[1]->m_preparation);
}

TEST_F(MealMaster, TitlesStandInTheirColumns)
{
    WriteFile("titles.mm", "---------- Meal-Master\n\n       Title: Late\n-----\n"
                           "MMMMM----- Meal-Master\n\nTitle: Early\nCategories: A\n 1\n\nText.\nMMMMM\n");
    ASSERT_TRUE(m_importer.Open(PathOf("titles.mm").c_str()));
    const CStringArray& titles = m_importer.GetTitles();
    ASSERT_EQ(1, titles.GetSize());
    EXPECT_STREQ("Early", titles[0]);
}

// Each damaged recipe is named at its line; every other one comes in exactly.
TEST_F(MealMaster, HostileFiles)
{
    const std::string good = Header("Good") + "    1.5 c  milk\n   0.75 lg eggs\n  12.25 oz sugar\n  1 1/2 zz salt\n"
                                              "\n  1.   Mix the milk.\n       Then the rest.\n-----\n";
    const std::string longLine(1 << 20, 'x');
    const struct
    {
        const char* name;
        std::string bytes;
        int recipes;
        std::vector<std::string> problems;
    } cases[] = {
        {"garbage around", "junk\x01\x02\n" + longLine + "\n" + good + "more junk\n" + good, 2, {}},
        {"long line inside",
         Header("Long") + "      1 c  milk\n\n" + longLine + "\n-----\n" + good,
         2,
         {"line 9: Long: The line was cut at 4096 characters."}},
        {"no end marker", Header("Open") + "      1 c  milk\n\nStir.\n" + good, 2, {}},
        {"file ends inside",
         good + Header("Cut") + "      1 c  milk\n\nStir.\n",
         1,
         {"line 17: Cut: The end of the file was encountered unexpectedly."}},
        {"no categories",
         "---------- Meal-Master\n\n      Title: Bare\n   Servings: 4\n\nText.\n-----\n" + good,
         1,
         {"line 4: Bare: One or more categories are invalid"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CMealMasterImporter importer;
        WriteFile("hostile.mm", c.bytes);
        const auto recipes = ImportAll(importer, "hostile.mm");
        ASSERT_EQ(static_cast<std::size_t>(c.recipes), recipes.size());
        std::vector<std::string> problems;
        for (int i = 0; i < importer.GetProblems().GetSize(); ++i)
            problems.push_back(importer.GetProblems()[i].GetString());
        EXPECT_EQ(c.problems, problems);
        const CRecipeData& last = *recipes.back();
        EXPECT_STREQ("Good", last.m_title);
        const auto lines = Lines(last);
        ASSERT_EQ(4u, lines.size());
        EXPECT_EQ(1.5, lines[0]->m_maxQty);
        EXPECT_EQ(0.75, lines[1]->m_maxQty);
        EXPECT_STREQ("large", lines[1]->m_unitText);
        EXPECT_STREQ("egg", lines[1]->m_name);
        EXPECT_EQ(12.25, lines[2]->m_maxQty);
        EXPECT_EQ(1.5, lines[3]->m_maxQty);
        EXPECT_STREQ("zz", lines[3]->m_unitText);
        EXPECT_STREQ("  1.   Mix the milk.\r\n       Then the rest.", last.m_directions);
    }
}

TEST_F(MealMaster, FilesWithoutRecipesAreRefused)
{
    for (const char* bytes : {"", "\n  \n\n", "just some text\n-----\n", "<Recipe:        | x | \n"})
    {
        SCOPED_TRACE(bytes);
        WriteFile("empty.mm", bytes);
        EXPECT_EQ(0, m_importer.Open(PathOf("empty.mm").c_str()));
    }
}

TEST_F(MealMaster, AGeneratedCorpusImportsExactly)
{
    for (const bool crlf : {false, true})
    {
        SCOPED_TRACE(crlf);
        CMealMasterCorpus corpus(1000, crlf, 7);
        WriteFile("corpus.mm", corpus.GetText());
        CMealMasterImporter importer;
        const auto recipes = ImportAll(importer, "corpus.mm");
        ASSERT_EQ(corpus.GetManifest().size(), recipes.size());
        EXPECT_TRUE(importer.GetProblems().IsEmpty());
        for (std::size_t i = 0; i < recipes.size(); ++i)
        {
            const CMealMasterCorpus::Entry& expected = corpus.GetManifest()[i];
            SCOPED_TRACE(expected.title);
            ASSERT_STREQ(expected.title.c_str(), recipes[i]->m_title);
            int nIngredients = 0;
            int nHeadings = 0;
            for (const CIngData* pLine : Lines(*recipes[i]))
            {
                CString name;
                CString preparation;
                CRecipeImporter::GetMovedName(*pLine, name, preparation);
                ++(name.IsEmpty() ? nHeadings : nIngredients);
            }
            ASSERT_EQ(expected.ingredients, nIngredients);
            ASSERT_EQ(expected.headings, nHeadings);
        }
    }
}

}  // namespace
