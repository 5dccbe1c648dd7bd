#include "shell/controls/RecipeListCache.h"

#include <gtest/gtest.h>

#include "FakeSortedView.h"
#include "database/RecordId.h"

namespace {

class RecipeListCacheTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CFakeSortedView::s_rowCount = 120;
        CRecipeListCache::SetViewFactory(&CFakeSortedView::Make);
        bool existed = true;
        ASSERT_TRUE(cache.Open(CRecordId(), 0, existed));
        EXPECT_FALSE(existed);
    }

    static CString Name(CSortedRecipeListItem* item) { return item ? item->m_name : CString("(none)"); }

    CRecipeListCache cache;
};

TEST_F(RecipeListCacheTest, NextPrevAndAtAnswerTheirRowsAcrossTheWindowEdges)
{
    struct Step
    {
        char move;
        long from;
        long expectedRow;
    };
    const Step steps[] = {
        {'F', 0, 0},   {'N', 0, 1},     {'N', 1, 2},   {'P', 2, 1},     {'P', 0, -1},
        {'A', 60, 60}, {'P', 60, 59},   {'N', 60, 61}, {'N', 118, 119}, {'N', 119, -1},
        {'L', 0, 119}, {'P', 119, 118}, {'A', 59, 59}, {'A', 120, -1},  {'P', 1, 0},
    };
    for (const Step& step : steps)
    {
        SCOPED_TRACE(testing::Message() << step.move << " from " << step.from);
        CSortedRecipeListItem* item = nullptr;
        switch (step.move)
        {
        case 'F': item = cache.First(); break;
        case 'L': item = cache.Last(); break;
        case 'N': item = cache.Next(step.from); break;
        case 'P': item = cache.Prev(step.from); break;
        default: item = cache.At(step.from); break;
        }
        EXPECT_EQ(step.expectedRow < 0 ? CString("(none)") : CFakeSortedView::NameOf(step.expectedRow), Name(item));
    }
}

TEST_F(RecipeListCacheTest, ScrollingForwardKeepsAtMostFiftyRowsAndAJumpStartsAfresh)
{
    cache.First();
    for (long row = 0; row < 119; ++row)
        ASSERT_EQ(CFakeSortedView::NameOf(row + 1), Name(cache.Next(row)));
    EXPECT_EQ(CRecipeListCache::Capacity, cache.GetItemList().GetCount());
    EXPECT_EQ(70, cache.GetFirstCachedIndex());

    cache.At(10);
    EXPECT_EQ(1, cache.GetItemList().GetCount());
    EXPECT_EQ(10, cache.GetFirstCachedIndex());
}

TEST_F(RecipeListCacheTest, ARowFetchedAwayFromTheWindowStartsANewWindow)
{
    cache.First();
    for (long row = 0; row < 9; ++row)
        cache.Next(row);
    ASSERT_EQ(CFakeSortedView::NameOf(31), Name(cache.Next(30)));
    EXPECT_EQ(1, cache.GetItemList().GetCount());
    EXPECT_EQ(CFakeSortedView::NameOf(5), Name(cache.At(5)));
    EXPECT_EQ(CFakeSortedView::NameOf(29), Name(cache.Prev(30)));
    EXPECT_EQ(CFakeSortedView::NameOf(31), Name(cache.Next(30)));
}

TEST_F(RecipeListCacheTest, SteppingFromTheViewsRowMovesTheCursorOnce)
{
    cache.At(40);
    CFakeSortedView::s_fetches = 0;
    for (long row = 40; row < 45; ++row)
        cache.Next(row);
    cache.At(42);
    EXPECT_EQ(5, CFakeSortedView::s_fetches);
}

}  // namespace
