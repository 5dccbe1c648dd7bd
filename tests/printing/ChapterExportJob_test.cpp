#include "printing/ChapterExportJob.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "database/TOCListItem.h"
#include "printing/CollectionFixture.h"

namespace {

using printtest::CFakeChapterView;

class ChapterExportJob : public printtest::CollectionTest
{
protected:
    void SetUp() override
    {
        CollectionTest::SetUp();
        m_book.ChapterNames["000007"] = "Baking";
    }

    TOCListItem m_chapter{"Baking", 7, 'T'};
};

TEST_F(ChapterExportJob, TwoCopiesReadTheChapterOnce)
{
    AddChapterRecipe("000201", "Apple Pie");
    AddChapterRecipe("000202", "Berry Fool");
    CChapterExportJob job(&m_output, m_chapter, CFakeChapterView::Make);
    EXPECT_EQ(1, job.Run());
    EXPECT_EQ(1, job.Run());
    EXPECT_EQ(1, CFakeChapterView::Opens());
    const std::vector<std::string> once = {
        "text: B c 0 160 7 | Baking",
        "text: - - 0 100 8 | Apple Pie",
        "text: - - 0 100 8 | Berry Fool",
    };
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(twice, Calls());
}

TEST_F(ChapterExportJob, EmptyChapterPrintsNothing)
{
    CChapterExportJob job(&m_output, m_chapter, CFakeChapterView::Make);
    job.SetIncludeRecipePrintouts(1);
    EXPECT_EQ(1, job.Run());
    EXPECT_TRUE(m_output.Calls.empty());
}

TEST_F(ChapterExportJob, PrintoutsLoadEachRecipeAndSkipOneThatNoLongerLoads)
{
    AddChapterRecipe("000201", "Apple Pie");
    CFakeChapterView::Rows().push_back({"000202", "Gone Pudding"});
    AddChapterRecipe("000203", "Cherry Cake");
    Print().SamePage = 1;
    CChapterExportJob job(&m_output, m_chapter, CFakeChapterView::Make);
    job.SetIncludeRecipePrintouts(1);
    EXPECT_EQ(1, job.Run());
    EXPECT_EQ((std::vector<int>{31, 31, 31}), m_book.LoadRequests);
    const std::vector<std::string> calls = Calls();
    EXPECT_EQ("new page", calls[4]) << "the recipes start after the titles, together";
    EXPECT_EQ(1, std::count(calls.begin(), calls.end(), "new page"));
    const std::vector<std::string> texts = m_output.Texts();
    EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), "Cherry Cake"));
}

}  // namespace
