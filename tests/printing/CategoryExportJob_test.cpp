#include "printing/CategoryExportJob.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "printing/CollectionFixture.h"

namespace {

using printtest::CCategoryRecipes;

class CategoryExportJob : public printtest::CollectionTest
{
protected:
    int Count(const std::string& described) const
    {
        const std::vector<std::string> calls = Calls();
        return static_cast<int>(std::count(calls.begin(), calls.end(), described));
    }
    bool HasText(const std::string& text) const
    {
        const std::vector<std::string> texts = m_output.Texts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
};

TEST_F(CategoryExportJob, WithoutRecipesPrintsNothing)
{
    CCategoryRecipes none;
    CCategoryExportJob job(&m_output, "Desserts", none.List);
    job.SetIncludeRecipePrintouts(1);
    EXPECT_EQ(1, job.Prepare());
    EXPECT_EQ(1, job.Run());
    EXPECT_TRUE(m_output.Calls.empty());
}

TEST_F(CategoryExportJob, WithoutPrintoutsPrintsTheHeadingAndTitlesOnly)
{
    CCategoryRecipes recipes;
    recipes.Add("000201", "Apple Pie");
    recipes.Add("000202", "Berry Fool");
    CCategoryExportJob job(&m_output, "Desserts", recipes.List);
    EXPECT_EQ(1, job.Run());
    const std::vector<std::string> expected = {
        "text: B c 0 160 7 | Desserts",
        "text: - - 0 100 8 | Apple Pie",
        "text: - - 0 100 8 | Berry Fool",
    };
    EXPECT_EQ(expected, Calls());
    EXPECT_TRUE(m_book.LoadRequests.empty());
}

TEST_F(CategoryExportJob, RecipeThatNoLongerLoadsIsSkippedAndTheRestPrint)
{
    m_book.Add(printtest::SmallRecipe("000201", "Apple Pie"));
    m_book.Add(printtest::SmallRecipe("000203", "Cherry Cake"));
    CCategoryRecipes recipes;
    recipes.Add("000201", "Apple Pie");
    recipes.Add("000202", "Gone Pudding");
    recipes.Add("000203", "Cherry Cake");
    Print().SamePage = 0;
    CCategoryExportJob job(&m_output, "Desserts", recipes.List);
    job.SetIncludeRecipePrintouts(1);
    EXPECT_EQ(1, job.Run());
    EXPECT_EQ((std::vector<int>{31, 31, 31}), m_book.LoadRequests);
    // One page after the titles, then one before each further recipe that loaded:
    // no blank page.
    EXPECT_EQ(2, Count("new page"));
    EXPECT_EQ(1, Count("text: - - 0 100 8 | Gone Pudding")) << "the title list keeps it";
    EXPECT_TRUE(HasText("Cherry Cake"));
}

TEST_F(CategoryExportJob, AbortedOutputStopsBeforeTheNextRecipe)
{
    m_book.Add(printtest::SmallRecipe("000201", "Apple Pie"));
    m_book.Add(printtest::SmallRecipe("000203", "Cherry Cake"));
    CCategoryRecipes recipes;
    recipes.Add("000201", "Apple Pie");
    recipes.Add("000203", "Cherry Cake");
    m_book.AfterLoad = [this](int /*nLoads*/) { m_output.Aborted = 1; };
    CCategoryExportJob job(&m_output, "Desserts", recipes.List);
    job.SetIncludeRecipePrintouts(1);
    EXPECT_EQ(0, job.Run());
    EXPECT_EQ(1u, m_book.LoadRequests.size());
}

}  // namespace
