#include "printing/RecipePrintLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "database/PrintPrefs.h"
#include "printing/ReportFixture.h"

namespace {

using Strings = std::vector<std::string>;

// The first line of each section of the fixture recipe, by how it begins.
const std::pair<const char*, const char*> kSectionStarts[] = {
    {"Lemon Tart", "Title"},
    {"A summer dessert", "Subtitle"},
    {"Sharp and sweet.", "Introduction"},
    {" 4  Servings", "Servings"},
    {"Desserts, Summer", "Categories"},
    {"Prep  ", "Timings"},
    {"Cost:", "Cost"},
    {"2 cups flour", "Ingredients"},
    {"Bake the crust", "Directions"},
    {"Source: ", "Source"},
    {"Amount Per", "Nutrition"},
};

class RecipePrintLayout : public printtest::ReportTest
{
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        Print().IncludeNutrition = 1;
        // The recipe prints at its own servings unless a test hands in others.
        m_settings->GetSystemRecord()->Units = 3;
    }

    int WriteWithTemplate(int nTemplate, PrintPrefs* pPrefs = nullptr)
    {
        Print().PrintTemplate = nTemplate;
        m_output.Calls.clear();
        CRecipePrintLayout layout(&m_output);
        return layout.WriteRecipe(&m_recipe, pPrefs);
    }

    // "<section>: <style>" for the first line of every section, in the order written.
    Strings Outline() const
    {
        Strings outline;
        for (const CRecordingFormatter::Call& call : m_output.Calls)
            for (const auto& start : kSectionStarts)
                if (call.kind == CRecordingFormatter::Text && call.text.rfind(start.first, 0) == 0)
                    outline.push_back(std::string(start.second) + ": " + printtest::Style(call.format));
        return outline;
    }

    CRecipeData m_recipe = printtest::FixtureRecipe();
};

TEST_F(RecipePrintLayout, EachTemplateWritesItsSectionsInOrderAndFormat)
{
    const Strings templates[] = {
        {"Title: B c 0 160 7", "Subtitle: I c 0 100 8", "Servings: - c 0 100 0", "Introduction: I - 0 100 8",
         "Ingredients: - h 7 100 10", "Directions: - - 0 100 11", "Nutrition: B d 4 100 12"},
        {"Title: BX c 0 160 0", "Subtitle: I c 0 100 0", "Servings: - c 0 100 0", "Introduction: - c 0 100 0",
         "Ingredients: I h 7 100 0", "Directions: - - 0 100 0", "Source: - - 0 100 0", "Nutrition: B d 4 100 0"},
        {"Title: BX - 0 160 0", "Subtitle: I - 0 100 0", "Servings: - - 0 100 0", "Categories: - - 0 100 0",
         "Timings: - - 0 100 0", "Cost: - - 0 100 0", "Introduction: - - 0 100 0", "Ingredients: B h 7 100 0",
         "Directions: - - 0 100 0", "Source: - - 0 100 0", "Nutrition: BI d 4 100 0"},
        {"Title: BUX - 0 160 0", "Subtitle: BI - 0 100 0", "Categories: B - 0 100 0", "Cost: - - 0 100 0",
         "Introduction: - - 0 100 0", "Ingredients: B h 7 100 0", "Directions: - - 0 100 0", "Servings: - - 0 100 0",
         "Source: - - 0 100 0", "Nutrition: BI d 4 100 0"},
        {"Title: B - 0 160 0", "Subtitle: I - 0 100 0", "Introduction: - - 0 100 0", "Servings: - - 0 100 0",
         "Ingredients: B h 7 100 0", "Directions: - - 0 100 0", "Source: - - 0 100 0", "Nutrition: B d 4 100 0"},
        {"Title: BUX c 0 160 0", "Subtitle: I c 0 100 0", "Servings: B c 0 100 0", "Introduction: - - 0 100 0",
         "Ingredients: I h 7 100 0", "Directions: - - 0 100 0", "Source: - - 0 100 0", "Nutrition: B d 4 100 0"},
        {"Title: BUX - 0 160 0", "Subtitle: I - 0 100 0", "Introduction: I - 0 100 0", "Ingredients: BI h 7 100 0",
         "Directions: - - 0 100 0", "Servings: B - 0 100 0", "Source: - - 0 100 0", "Nutrition: B d 4 100 0"},
        {"Title: B c 0 160 0", "Ingredients: - h 7 100 0", "Directions: - - 0 100 0", "Servings: - - 0 100 0",
         "Nutrition: B d 4 100 0"},
    };
    for (int n = 0; n < 8; ++n)
    {
        EXPECT_EQ(0, WriteWithTemplate(n));
        EXPECT_EQ(templates[n], Outline()) << "template " << n;
    }
    WriteWithTemplate(9);
    EXPECT_EQ(templates[0], Outline()) << "template 9";
}

TEST_F(RecipePrintLayout, TemplateZeroGolden)
{
    WriteWithTemplate(0);
    const Strings expected = {
        "text: B c 0 160 7 | Lemon Tart",
        "text: I c 0 100 8 | A summer dessert\n",
        "text: I c 0 100 8 | ",
        "text: - c 0 100 0 |  4  Servings\n",
        "text: - c 0 100 0 | ",
        "text: I - 0 100 8 | Sharp and sweet.",
        "text: I - 0 100 8 | ",
        "text: - h 7 100 10 | 2 cups flour, sifted\n",
        "text: - h 7 100 10 | 1 lemon, (optional)\n",
        "text: - h 7 100 10 | 3 beaten eggs\n",
        "text: - h 7 100 10 | 1 SWEET CRUST\n",
        "text: - h 7 100 10 | ",
        "text: - - 0 100 11 | Bake the crust. Fill and chill.",
        "text: - - 0 100 11 | ",
        "text: B d 4 100 12 | Amount Per Serving",
        "text: - d 4 100 12 | Calories  117        Calories from Fat  117",
        "text: - d 4 100 12 | Percent Total Calories From:",
        "text: - d 4 100 12 | Fat   100%        Protein   0%        Carb.  0%",
        "text: - d 4 100 12 | ",
        "text: - d 4 100 12 | Nutrient\t\tAmount per\t\t% Daily",
        "text: - d 4 100 12 | \t\tServing\t\tValue",
        "text: - d 4 100 12 | Total Fat\t\t13\tg\t20%",
        "text: - d 4 100 12 |   Saturated Fat\t\t0\tg\t0%",
        "text: - d 4 100 12 | Cholesterol\t\t0\tmg\t0%",
        "text: - d 4 100 12 | Sodium\t\t0\tmg\t0%",
        "text: - d 4 100 12 | Total Carbohydrate\t\t0\tg\t0%",
        "text: - d 4 100 12 |   Dietary Fiber\t\t0\tg\t0%",
        "text: - d 4 100 12 |   Sugars\t\t0\tg",
        "text: - d 4 100 12 | Protein\t\t0\tg",
        "text: - d 4 100 12 | ",
        "text: - d 4 100 12 | Vitamin A   0%      Vitamin C   0%      Calcium   0%      Iron   0%",
        "text: - d 4 100 12 | ",
    };
    EXPECT_EQ(expected, Calls());
}

TEST_F(RecipePrintLayout, TemplateSevenLeavesABlankLineAfterItsTitle)
{
    WriteWithTemplate(7);
    const Strings calls = Calls();
    ASSERT_LE(3u, calls.size());
    const Strings expected = {"text: B c 0 160 0 | Lemon Tart", "text: B c 0 160 0 | ",
                              "text: - h 7 100 0 | 2 cups flour, sifted\n"};
    EXPECT_EQ(expected, Strings(calls.begin(), calls.begin() + 3));
}

TEST_F(RecipePrintLayout, TheServingsLineTakesTheOverride)
{
    struct Case
    {
        int servings;
        const char* line;
        const char* firstIngredient;
    };
    const Case cases[] = {
        {8, " 8  Servings  (Originally served  4)\n", "4 cups flour, sifted\n"},
        {4, " 4  Servings\n", "2 cups flour, sifted\n"},
    };
    for (const Case& c : cases)
    {
        PrintPrefs prefs{*m_settings->GetSystemRecord(), c.servings};
        WriteWithTemplate(0, &prefs);
        const Strings texts = m_output.Texts();
        EXPECT_EQ(c.line, texts.at(3)) << c.servings;
        EXPECT_EQ(c.firstIngredient, texts.at(7)) << c.servings;
    }
}

TEST_F(RecipePrintLayout, EmptyCategoriesAndZeroCostWriteNoLine)
{
    m_recipe.m_categories.DeleteAll();
    m_recipe.m_cost = 0.0;
    WriteWithTemplate(2);
    const Strings outline = Outline();
    EXPECT_EQ(outline.end(), std::find_if(outline.begin(), outline.end(), [](const std::string& section) {
                  return section.rfind("Categories", 0) == 0 || section.rfind("Cost", 0) == 0;
              }));
    EXPECT_EQ("Timings: - - 0 100 0", outline.at(3));
    EXPECT_EQ("Prep  0:20   Cook  0:35   Stand  1:00   Total  1:55", m_output.Texts().at(5));
    EXPECT_EQ("Introduction: - - 0 100 0", outline.at(4));
}

TEST_F(RecipePrintLayout, SourcePageDateAndNoteLines)
{
    struct Case
    {
        const char* source;
        const char* page;
        const char* date;
        std::string note;
        Strings lines;
    };
    const std::string longNote(300, 'n');
    const Case cases[] = {
        {"Notebook", "12", "1961", "", {"Source: Notebook\n", "Page(s): 12\n\tDate Published: 1961\n", ""}},
        {"Notebook", "12", "", "", {"Source: Notebook\n", "Page(s): 12\n", ""}},
        {"", "", "1961", "", {"Date Published: 1961\n", ""}},
        {"", "", "", longNote, {longNote + "\n", ""}},
        {"", "", "", "", {}},
    };
    for (const Case& c : cases)
    {
        m_recipe.m_source = c.source;
        m_recipe.m_page = c.page;
        m_recipe.m_date = c.date;
        m_recipe.m_original = c.note.c_str();
        Print().IncludeNutrition = 0;
        WriteWithTemplate(4);
        // Template 4 ends with the source.
        const Strings texts = m_output.Texts();
        const Strings source(texts.end() - static_cast<long>(c.lines.size()), texts.end());
        EXPECT_EQ(c.lines, source) << c.source << "/" << c.page << "/" << c.date;
        if (c.lines.empty())
        {
            EXPECT_EQ("", texts.back()) << "the directions and their blank line end the recipe";
        }
    }
}

TEST_F(RecipePrintLayout, PageWithoutDateWritesOnlyThePageLine)
{
    m_recipe.m_date.Empty();
    WriteWithTemplate(1);
    const Strings texts = m_output.Texts();
    EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), "Page(s): 12\n"));
    for (const std::string& text : texts)
        EXPECT_EQ(std::string::npos, text.find("Date Published")) << text;
}

TEST_F(RecipePrintLayout, NutritionOnlyWhenTheRecordAsksForIt)
{
    Print().IncludeNutrition = 0;
    WriteWithTemplate(0);
    const Strings outline = Outline();
    EXPECT_EQ("Directions: - - 0 100 11", outline.back());
}

TEST_F(RecipePrintLayout, NothingIsWrittenForANullRecipeOrAfterAnAbort)
{
    CRecipePrintLayout layout(&m_output);
    EXPECT_EQ(1, layout.WriteRecipe(nullptr, nullptr));
    EXPECT_EQ(1, layout.WriteRecipeView(nullptr, nullptr));
    m_output.Aborted = 1;
    EXPECT_EQ(1, layout.WriteRecipe(&m_recipe, nullptr));
    EXPECT_TRUE(m_output.Calls.empty());
}

TEST_F(RecipePrintLayout, ViewLayoutGolden)
{
    CRecipePrintLayout layout(&m_output);
    EXPECT_EQ(1, layout.WriteRecipeView(&m_recipe, nullptr));
    const Strings expected = {
        "text: - c 0 160 7 | Lemon Tart",
        "text: I c 0 100 7 | A summer dessert\n",
        "text: - - 0 100 8 | Sharp and sweet.",
        "text: - c 0 100 0 |  4  Servings\n",
        "text: - c 0 100 0 | ",
        "text: B h 6 100 10 | 2 cups flour, sifted\n",
        "text: B h 6 100 10 | 1 lemon, (optional)\n",
        "text: B h 6 100 10 | 3 beaten eggs\n",
        "text: B h 6 100 10 | 1 SWEET CRUST\n",
        "text: B h 6 100 10 | ",
        "text: - - 0 100 11 | Bake the crust. Fill and chill.",
        "text: - - 0 100 11 | ",
    };
    EXPECT_EQ(expected, Calls());
}

}  // namespace
